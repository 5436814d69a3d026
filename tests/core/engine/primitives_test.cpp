// Thermal primitives: log-mean temperature differences, flow numbers, pressure-drop terms and
// the condensing film coefficient.
#include "engine/primitives.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace velor {
namespace {

TEST(Primitives, LogMeanTemperatureDifferences)
{
    const long double ln2 = std::numbers::ln2_v<long double>;
    struct Case
    {
        const char* what;
        long double tHotIn, tColdIn, tHotOut, tColdOut;
        long double lmtd, lmtdCondensing;
    };
    const Case cases[] = {
        // dt1 = dt2 = 20: equal as text, the result is dt2 exactly (no 0 / ln 1).
        {"balanced", 80, 20, 40, 60, 20, 20},
        {"dt1 40, dt2 20", 90, 10, 30, 50, 20 / ln2, 20 / ln2},
        // dt1 = 40, dt2 = 80: the condensing form takes the larger over the smaller.
        {"dt2 > dt1", 100, 20, 100, 60, 40 / ln2, 40 / ln2},
        {"dt2 = 0", 90, 30, 30, 50, 0, 0},
        {"dt2 < 0", 90, 40, 30, 50, 0, 0},
        // A crossed duty has no log-mean: never a NaN, never a positive figure.
        {"dt1 < 0", 50, 10, 30, 60, 0, 0},
        {"both < 0", 50, 45, 30, 60, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(Lmtd(c.tHotIn, c.tColdIn, c.tHotOut, c.tColdOut), c.lmtd, 1e-15L);
        EXPECT_NEAR(LmtdCondensing(c.tHotIn, c.tColdIn, c.tHotOut, c.tColdOut), c.lmtdCondensing, 1e-15L);
    }
    EXPECT_EQ(Lmtd(80, 20, 40, 60), 20.0L);
    EXPECT_NEAR(Lmtd(90, 10, 30, 50), 28.8539L, 5e-5L);
    EXPECT_NEAR(LmtdCondensing(100, 20, 100, 60), 57.7078L, 5e-5L);
    // Differences equal to 15 significant digits count as equal: the result is dt2 itself.
    // dt1 = 0.3 - 0.1 carries rounding noise against dt2 = 0.2.
    EXPECT_EQ(Lmtd(0.3L, 0, 0.2L, 0.1L), 0.2L);
    EXPECT_EQ(LmtdCondensing(0.3L, 0, 0.2L, 0.1L), 0.2L);
}

TEST(Primitives, FlowNumbersAndPressureDrops)
{
    EXPECT_NEAR(Prandtl(0.001L, 0.6L, 4.18L), 6.96667L, 5e-6L);
    EXPECT_NEAR(Power(8, 1.0L / 3), 2, 1e-17L);
    EXPECT_NEAR(Power(1e5L, 0.8L), 1e4L, 1e-12L);
    EXPECT_EQ(Power(3.7L, 0), 1);
    EXPECT_NEAR(Velocity(2, 0.01L, 1000), 0.2L, 1e-18L);
    // w = 0.2 m/s, d = 0.02 m: Re = 0.2 * 0.02 * 1000 / 0.001 = 4000.
    EXPECT_NEAR(Reynolds(2, 0.01L, 0.02L, 0.001L, 1000), 4000, 1e-12L);
    // factor * k * m^2 / (A^2 * Re^n * rho) = 0.5 * 64 * 4 / (1e-4 * 4000 * 1000) = 0.32 kPa.
    EXPECT_NEAR(FrictionDrop(2, 0.5L, 4000, 1, 64, 0.01L, 1000), 0.32L, 1e-15L);
    // zeta * rho * w^2 / 2 = 0.0015 * 1000 * 0.04 / 2 = 0.03 kPa.
    EXPECT_NEAR(ConnectionDrop(2, 0.01L, 0.0015L, 1000), 0.03L, 1e-17L);
}

TEST(Primitives, CondensingCoefficientTakesTheLargerBranch)
{
    // G = 10 kg/m2s. Equal exponents: the branch with the larger log factor wins.
    const TSteamFactorRow gravity{100, {-1.0L / 3, 9.0L, -1.0L / 3, 6.0L}};
    EXPECT_NEAR(CondensingCoefficient(gravity, 1, 0.1L), std::exp(9.0L) * std::pow(10.0L, -1.0L / 3), 1e-9L);
    // Crossover: gravity 8103/G^(1/3) against shear 403*G^0.8; at G = 100 the shear branch wins.
    const TSteamFactorRow mixed{100, {-1.0L / 3, 9.0L, 0.8L, 6.0L}};
    EXPECT_NEAR(CondensingCoefficient(mixed, 10, 0.1L), std::exp(6.0L) * std::pow(100.0L, 0.8L), 1e-9L);
    EXPECT_NEAR(CondensingCoefficient(mixed, 0.2L, 0.1L), std::exp(9.0L) * std::pow(2.0L, -1.0L / 3), 1e-9L);
}

} // namespace
} // namespace velor
