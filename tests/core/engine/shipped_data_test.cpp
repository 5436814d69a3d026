// End-to-end ratings on the shipped fluid database and catalogue (built beside the programs):
// reference duties and sizes with their expected oversize, clean coefficient and pressure drops.
#include "engine/run.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <unistd.h>
#include <gtest/gtest.h>

namespace velor {
namespace {

namespace fs = std::filesystem;

class ShippedData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const fs::path shipped = VELOR_RUNTIME_DIR;
        if (!fs::exists(shipped / "HeatExch" / "M.dat") || !fs::exists(shipped / "Fluids" / "Liquids.dat"))
            GTEST_SKIP() << "the shipped catalogue and fluids are not built";
        // A private copy: the run rebuilds the working copies in its own fluid folder.
        root = fs::temp_directory_path() / ("velor-engine-shipped-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        for (const char* sub : {"Fluids", "HeatExch"})
            fs::copy(shipped / sub, root / sub, fs::copy_options::recursive);
        folder = ProgramFolder(root);
        files.emplace(folder.fluids());
    }
    void TearDown() override
    {
        if (!root.empty())
            fs::remove_all(root);
    }

    // A liquid duty with both mass flows from the heat balance (heat capacity at the mean
    // temperature and the inlet pressure of each side), hot side in the tubes, windows 0 ... dpMax.
    Duty liquid(const char* hot, long double tHotIn, long double tHotOut, long double tColdIn,
                long double tColdOut, long double q, long double dpMax)
    {
        Duty d;
        d.hotFluid = hot;
        d.coldFluid = "Water";
        d.q = q;
        d.tHotIn = tHotIn;
        d.tHotOut = tHotOut;
        d.tColdIn = tColdIn;
        d.tColdOut = tColdOut;
        d.pHotIn = 100;
        d.pColdIn = 100;
        d.dpMaxHot = dpMax;
        d.dpMaxCold = dpMax;
        EXPECT_TRUE(PrepareWorkingCopies(*files, d).empty());
        d.mHot = q / (cp(d.hotFluid, 0, (tHotIn + tHotOut) / 2, 100) * (tHotIn - tHotOut));
        d.mCold = q / (cp("Water", 0, (tColdIn + tColdOut) / 2, 100) * (tColdOut - tColdIn));
        return d;
    }

    // Saturated steam condensing from tHotIn (at its saturation pressure) to tHotOut.
    Duty condensing(long double tHotIn, long double tHotOut, long double tColdIn, long double tColdOut,
                    long double q, FlowLocation vapor)
    {
        Duty d = liquid("Water", tHotIn, tHotOut, tColdIn, tColdOut, q, 25);
        d.hotSide = HotSideKind::Condensing;
        d.hotFluid = "Saturated steam";
        d.hotLocation = vapor;
        d.dpMaxHot = 0;
        EXPECT_TRUE(PrepareWorkingCopies(*files, d).empty());
        d.pHotIn = Saturation(*files, d.hotFluid, true, kPropVaporsTmp, kVaporsTmp, tHotIn);
        const long double r = VaporProperty(*files, d.hotFluid, false, kPropVaporsTmp, kVaporsTmp, tHotIn);
        const std::int32_t condensate =
            files->ReadVapor(files->VaporKey(d.hotFluid, kVaporsTmp), kVaporsTmp).condensateKey;
        d.mHot = q / (cp("", condensate, (tHotIn + tHotOut) / 2, d.pHotIn) * (tHotIn - tHotOut) + r);
        return d;
    }

    long double cp(const std::string& name, std::int32_t key, long double t, long double p)
    {
        return LiquidProperty(*files, name, true, key, key > 0, kPropLiquidsTmp, kLiquidsTmp, t, p);
    }

    fs::path root;
    ProgramFolder folder;
    std::optional<FluidFiles> files;
};

TEST_F(ShippedData, ReferenceRatings)
{
    struct Case
    {
        const char* duty;
        const char* size;
        long double oversize, clean, dpHot, dpCold;
    };
    const Case cases[] = {
        {"D1", "PG40-40", 25.4L, 4394, 1.87L, 10.52L},    {"D1", "PG40-2-80", 155.8L, 4368, 3.73L, 20.10L},
        {"D1", "M 20.3000-4", 89.2L, 2141, 4.86L, 7.21L}, {"D1", "RUV D 50.1200", 42.3L, 1387, 4.58L, 0.16L},
        {"D1", "E12-61", 14.7L, 2294, 0.37L, 1.64L},      {"D3", "PH90-100", 77.6L, 5113, 10.21L, 23.32L},
        {"D4", "PG40-60", 63.7L, 2622, 6.81L, 5.53L},     {"D5", "TW 40.1200", 34.9L, 2415, 8.93L, 0.61L},
        {"D7", "RUV 26.480", 7.6L, 958, 2.08L, 0.03L},    {"D6", "GT 20.2000", 67.2L, 2253, 0.18L, 1.30L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.duty) + " " + c.size);
        const std::string duty = c.duty;
        Duty d;
        if (duty == "D1")
            d = liquid("Water", 120, 75, 70, 90, 200, 25);
        else if (duty == "D3")
            d = liquid("Water", 90, 60, 50, 70, 1000, 50);
        else if (duty == "D4")
            d = liquid("Ethylene glycol 30%", 40, 30, 20, 30, 100, 40);
        else if (duty == "D5")
            d = condensing(150, 90, 70, 90, 200, FlowLocation::Tubes);
        else if (duty == "D6")
            d = condensing(150, 90, 70, 90, 200, FlowLocation::Shell);
        else
            d = condensing(120, 100, 40, 80, 60, FlowLocation::Tubes);
        const auto results = Calculate(folder, *files, d, {c.size}).results;
        ASSERT_EQ(results.size(), 1u);
        const TResultTypeB& r = results.front();
        auto near = [](long double actual, long double expected, long double relative, long double absolute) {
            return std::fabs(actual - expected) <= std::max(relative * std::fabs(expected), absolute);
        };
        // The reference figures are rounded: oversize and U to 1 %, drops to 2 % (or their last digit).
        EXPECT_TRUE(near(r.Oversize, c.oversize, 0.01L, 0.05L)) << r.Oversize;
        EXPECT_TRUE(near(r.OHTCClean, c.clean, 0.01L, 0.5L)) << r.OHTCClean;
        EXPECT_TRUE(near(r.PressDropHS, c.dpHot, 0.02L, 0.005L)) << r.PressDropHS;
        EXPECT_TRUE(near(r.PressDropCS, c.dpCold, 0.02L, 0.005L)) << r.PressDropCS;
        EXPECT_TRUE(allFinite(r));
    }
}

} // namespace
} // namespace velor
