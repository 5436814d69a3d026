// Checks of the delivered fluid database (Fluids/*.dat beside the executable): its structure,
// and every shipped fluid, saturated steam and the steam factors against reference values of the
// sources they were computed from, evaluated through the program's own property functions.
#include "base/binary.h"
#include "base/recordfile.h"
#include "engine/primitives.h"
#include "fluids/fluidfiles.h"
#include "fluids/properties.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velor {
namespace {

const std::filesystem::path kFluids = std::filesystem::path(VELOR_RUNTIME_DIR) / "Fluids";

FluidFiles shippedFiles()
{
    return FluidFiles(kFluids, CodePage::Windows1252);
}

/// |actual - expected| within `relative` of |expected|.
void expectRelative(long double actual, long double expected, double relative, const char* what)
{
    EXPECT_LE(std::fabs(static_cast<double>(actual - expected)),
              relative * std::fabs(static_cast<double>(expected)))
        << what << ": " << static_cast<double>(actual) << " vs reference " << static_cast<double>(expected);
}

TEST(FluidData, EveryFileIsWholeRecordsAndTheWaterRecordSitsAtItsOffsets)
{
    const std::pair<const char*, std::size_t> files[] = {
        {"Liquids.dat", kLiquidRecSize},     {"PropLiquids.dat", kLiquidPropRecSize},
        {"Vapors.dat", kVaporRecSize},       {"PropVapors.dat", kVaporPropRecSize},
        {"SteamF.dat", kSteamFactorRecSize},
    };
    for (const auto& [name, size] : files) {
        const auto bytes = readWholeFile(kFluids / name);
        ASSERT_TRUE(bytes.has_value()) << name << " was not generated";
        EXPECT_GT(bytes->size(), 0u) << name;
        EXPECT_EQ(bytes->size() % size, 0u) << name;
    }

    // The first liquid record read at the documented offsets, not through the decoder.
    const auto liquids = readWholeFile(kFluids / "Liquids.dat");
    ASSERT_TRUE(liquids && liquids->size() >= kLiquidRecSize);
    const std::uint8_t* rec = liquids->data();
    EXPECT_EQ(getInt32(rec + 0), 1);
    ASSERT_EQ(rec[4], 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec + 5), 5), "Water");
    for (std::size_t i = 10; i < 105; ++i)
        EXPECT_EQ(rec[i], 0) << "name padding at " << i;
    EXPECT_EQ(rec[105], 0);
    for (std::size_t i = 106; i < 116; ++i)
        EXPECT_EQ(rec[i], 0) << "concentration 0 is ten zero bytes";
}

TEST(FluidData, LiquidsHaveTheirKeysNamesIsobarsAndRanges)
{
    struct Expected
    {
        std::int32_t key;
        const char* name;
        bool solution;
        long double concentration;     // %
        long double tFirst, tLast;     // deg.C, on every isobar
        std::set<long double> isobars; // kPa
    };
    const Expected expected[] = {
        {1, "Water", false, 0, 0, 250, {100, 1000, 2500, 4000}},
        {2, "Ethylene glycol", false, 0, -10, 180, {100}},
        {3, "Ethylene glycol 20%", true, 20, -5, 100, {100}},
        {4, "Ethylene glycol 30%", true, 30, -10, 100, {100}},
        {5, "Ethylene glycol 40%", true, 40, -20, 100, {100}},
        {6, "Ethylene glycol 50%", true, 50, -35, 100, {100}},
        {7, "Propylene glycol", false, 0, -20, 180, {100}},
        {8, "Propylene glycol 20%", true, 20, -5, 100, {100}},
        {9, "Propylene glycol 30%", true, 30, -10, 100, {100}},
        {10, "Propylene glycol 40%", true, 40, -20, 100, {100}},
        {11, "Propylene glycol 50%", true, 50, -30, 100, {100}},
        {12, "Thermal oil VG32", false, 0, 0, 300, {100}},
    };
    const FluidFiles files = shippedFiles();
    const auto list = files.ReadLiquidList(kLiquidsDat);
    ASSERT_EQ(list.size(), std::size(expected));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(list[i].key, e.key);
        EXPECT_EQ(list[i].name, e.name);
        EXPECT_EQ(list[i].waterSolution, e.solution);
        EXPECT_EQ(list[i].concentration, e.concentration);

        // Each isobar: 5 K steps from the first to the last temperature, strictly increasing.
        std::map<long double, std::vector<long double>> isobars;
        for (const auto& rec : files.LiquidRecords(e.key, kPropLiquidsDat))
            isobars[rec.pressure].push_back(rec.temperature);
        std::set<long double> pressures;
        for (const auto& [p, temperatures] : isobars) {
            pressures.insert(p);
            ASSERT_FALSE(temperatures.empty());
            EXPECT_EQ(temperatures.front(), e.tFirst) << p << " kPa";
            EXPECT_EQ(temperatures.back(), e.tLast) << p << " kPa";
            for (std::size_t k = 1; k < temperatures.size(); ++k)
                EXPECT_EQ(temperatures[k] - temperatures[k - 1], 5)
                    << p << " kPa at " << static_cast<double>(temperatures[k]);
        }
        EXPECT_EQ(pressures, e.isobars);
    }
}

TEST(FluidData, EveryPropertyRowIsPositiveAndPlausible)
{
    // Bounds that catch a wrong unit or a swapped column (cp in J/kgK, viscosity in mPa s, ...).
    const FluidFiles files = shippedFiles();
    for (const auto& rec : files.ReadLiquidPropFile(kPropLiquidsDat)) {
        SCOPED_TRACE("liquid " + std::to_string(rec.key) + " at " +
                     std::to_string(static_cast<double>(rec.temperature)) + " degC, " +
                     std::to_string(static_cast<double>(rec.pressure)) + " kPa");
        EXPECT_GT(rec.pressure, 0);
        EXPECT_TRUE(rec.density > 650 && rec.density < 1200);
        EXPECT_TRUE(rec.heatCapacity > 1.5 && rec.heatCapacity < 5.0);
        EXPECT_TRUE(rec.conductivity > 0.1 && rec.conductivity < 0.7);
        EXPECT_TRUE(rec.viscosity > 5e-5 && rec.viscosity < 3.0);
    }
    for (const auto& rec : files.ReadVaporPropFile(kPropVaporsDat)) {
        SCOPED_TRACE("vapor at " + std::to_string(static_cast<double>(rec.temperature)) + " degC");
        EXPECT_TRUE(rec.pressure > 0.5 && rec.pressure < 9000);
        EXPECT_TRUE(rec.latentHeat > 1000 && rec.latentHeat < 2600);
        EXPECT_TRUE(rec.heatCapacity > 1.8 && rec.heatCapacity < 10);
        EXPECT_TRUE(rec.conductivity > 0.01 && rec.conductivity < 0.2);
        EXPECT_TRUE(rec.viscosity > 5e-6 && rec.viscosity < 3e-5);
    }
    // Viscosity falls with temperature on every isobar of every liquid.
    std::map<std::pair<std::int32_t, long double>, long double> lastViscosity;
    for (const auto& rec : files.ReadLiquidPropFile(kPropLiquidsDat)) {
        const auto isobar = std::make_pair(rec.key, rec.pressure);
        if (const auto last = lastViscosity.find(isobar); last != lastViscosity.end()) {
            EXPECT_LT(rec.viscosity, last->second)
                << "liquid " << rec.key << " at " << static_cast<double>(rec.temperature);
        }
        lastViscosity[isobar] = rec.viscosity;
    }
}

TEST(FluidData, LiquidsMatchTheirSourcesThroughThePropertyEvaluation)
{
    struct Reference
    {
        const char* name;
        long double t;                          // deg.C
        long double p;                          // kPa
        long double rho, cp, lambda, mu;        // kg/m3, kJ/kgK, W/mK, Ns/m2
        double tolRho, tolCp, tolLambda, tolMu; // relative
        const char* source;
    };
    // Water: IAPWS-IF97 (rho, cp), IAPWS 2008 viscosity, IAPWS 2011 conductivity. The 120 degC /
    // 100 kPa row is the saturated liquid (the isobar carries liquid above its boiling point).
    const char* iapws = "IAPWS-IF97 / R12-08 / R15-11";
    const char* melinder = "Melinder (2010) polynomials";
    const char* dippr = "Perry's 8th ed. DIPPR equations";
    const char* oil = "API MPMS 11.1 / Cragoe / ASTM D341";
    const Reference references[] = {
        {"Water", 20, 100, 998.205, 4.1848, 0.5980, 1001.6e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 60, 100, 983.210, 4.1828, 0.6510, 466.04e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 90, 100, 965.318, 4.2050, 0.6728, 314.18e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 120, 100, 943.106, 4.2464, 0.6822, 232.03e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 120, 1000, 943.506, 4.2443, 0.6827, 232.25e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 150, 1000, 917.304, 4.3086, 0.6814, 182.74e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 200, 2500, 865.388, 4.4885, 0.6608, 134.83e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 250, 4000, 798.918, 4.8646, 0.6169, 106.29e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Water", 5, 4000, 1001.876, 4.1885, 0.5705, 1512.69e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        // Between isobars: midway between the 100 and 1000 kPa values at 120 degC.
        {"Water", 120, 550, 943.306, 4.24535, 0.682484, 232.14e-6, 5e-4, 2e-3, 5e-3, 5e-3, iapws},
        {"Ethylene glycol 30%", 0, 100, 1045.0, 3.658, 0.4459, 4.298e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Ethylene glycol 30%", 20, 100, 1038.0, 3.718, 0.4649, 2.166e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Ethylene glycol 30%", 80, 100, 1004.3, 3.878, 0.5162, 0.639e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Ethylene glycol 50%", 20, 100, 1064.9, 3.312, 0.3891, 3.725e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Propylene glycol 30%", 20, 100, 1023.8, 3.857, 0.4444, 2.965e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Propylene glycol 50%", 0, 100, 1050.9, 3.453, 0.3498, 19.11e-3, 2e-3, 2e-3, 2e-3, 1e-2, melinder},
        {"Ethylene glycol", 20, 100, 1113.7, 2.380, 0.2530, 20.74e-3, 2e-3, 2e-3, 2e-3, 1e-2, dippr},
        {"Ethylene glycol", 100, 100, 1054.5, 2.784, 0.2589, 2.049e-3, 2e-3, 2e-3, 2e-3, 1e-2, dippr},
        {"Propylene glycol", 20, 100, 1036.3, 2.478, 0.2006, 57.61e-3, 2e-3, 2e-3, 2e-3, 1e-2, dippr},
        {"Propylene glycol", 100, 100, 971.6, 2.946, 0.1967, 2.605e-3, 2e-3, 2e-3, 2e-3, 1e-2, dippr},
        {"Thermal oil VG32", 20, 100, 866.9, 1.878, 0.1331, 74.79e-3, 3e-3, 3e-3, 3e-3, 1e-2, oil},
        {"Thermal oil VG32", 100, 100, 815.8, 2.169, 0.1273, 4.405e-3, 3e-3, 3e-3, 3e-3, 1e-2, oil},
        {"Thermal oil VG32", 200, 100, 750.5, 2.532, 0.1200, 1.052e-3, 3e-3, 3e-3, 3e-3, 1e-2, oil},
        {"Thermal oil VG32", 300, 100, 684.7, 2.896, 0.1128, 0.504e-3, 3e-3, 3e-3, 3e-3, 1e-2, oil},
    };
    const FluidFiles files = shippedFiles();
    for (const Reference& r : references) {
        SCOPED_TRACE(std::string(r.name) + " at " + std::to_string(static_cast<double>(r.t)) + " degC, " +
                     std::to_string(static_cast<double>(r.p)) + " kPa (" + r.source + ")");
        const std::int32_t key = files.LiquidKey(r.name, kLiquidsDat);
        ASSERT_GT(key, 0);
        const auto rows = LiquidTable(files, key, kPropLiquidsDat, r.t, r.t, 1, r.p);
        ASSERT_EQ(rows.size(), 1u);
        expectRelative(rows[0].density, r.rho, r.tolRho, "density");
        expectRelative(rows[0].heatCapacity, r.cp, r.tolCp, "heat capacity");
        expectRelative(rows[0].conductivity, r.lambda, r.tolLambda, "conductivity");
        expectRelative(rows[0].viscosity, r.mu, r.tolMu, "viscosity");
    }
}

TEST(FluidData, SaturatedSteamMatchesIf97AndCondensesToWater)
{
    const FluidFiles files = shippedFiles();
    const auto vapors = files.ReadVaporList(kVaporsDat);
    ASSERT_EQ(vapors.size(), 1u);
    EXPECT_EQ(vapors[0].key, 1);
    EXPECT_EQ(vapors[0].name, "Saturated steam");
    EXPECT_EQ(files.ReadLiquid(vapors[0].condensateKey, kLiquidsDat).name, "Water");

    struct Reference
    {
        long double t, psat, latentHeat, cp, lambda, mu; // deg.C, kPa, kJ/kg, kJ/kgK, W/mK, Ns/m2
    };
    // IAPWS-IF97 saturation line; vapour transport properties from IAPWS R12-08 and R15-11.
    const Reference references[] = {
        {50, 12.351, 2381.97, 1.9482, 0.02026, 10.516e-6},
        {100, 101.418, 2256.47, 2.0775, 0.02457, 12.232e-6},
        {120, 198.665, 2202.15, 2.1740, 0.02665, 12.927e-6},
        {150, 476.101, 2113.67, 2.3959, 0.03032, 13.961e-6},
        {200, 1554.67, 1939.67, 2.9900, 0.03843, 15.666e-6},
        {250, 3975.94, 1715.33, 4.0119, 0.05034, 17.429e-6},
    };
    for (const Reference& r : references) {
        SCOPED_TRACE("steam at " + std::to_string(static_cast<double>(r.t)) + " degC");
        const auto row = VaporRow(files, vapors[0].key, kPropVaporsDat, r.t);
        ASSERT_TRUE(row.has_value());
        expectRelative(row->pressure, r.psat, 1e-3, "saturation pressure");
        expectRelative(row->latentHeat, r.latentHeat, 1e-3, "latent heat");
        expectRelative(row->heatCapacity, r.cp, 1e-3, "heat capacity");
        expectRelative(row->conductivity, r.lambda, 1e-3, "conductivity");
        expectRelative(row->viscosity, r.mu, 1e-3, "viscosity");
    }
    // Molar mass and critical point as stored give the program's real-gas density (its own
    // compressibility rule, about 5 % below IF97's 2.5478 kg/m3 at this point).
    const auto density = VaporDensity(files, vapors[0].key, kVaporsDat, 150, 476.101);
    ASSERT_TRUE(density.has_value());
    expectRelative(*density, 2.4224, 1e-3, "vapour density at 150 degC");
}

TEST(FluidData, SteamFactorsGiveTheCondensationCoefficients)
{
    const FluidFiles files = shippedFiles();
    const auto recs = files.ReadSteamFactorFile();
    ASSERT_EQ(recs.size(), 24u);
    for (std::size_t i = 0; i < recs.size(); ++i) {
        EXPECT_EQ(recs[i].index, static_cast<std::int32_t>(i + 1));
        EXPECT_EQ(recs[i].temperature, 20 + 10 * static_cast<long double>(i));
    }

    // Film coefficient (W/m2K) at condensate temperature t and vapour mass flux G (kg/m2s):
    // Nusselt film condensation at low flux, Shah (1979) at high flux, reference bore 20 mm.
    // 145 degC lies between two rows of the table and is interpolated.
    const long double fluxes[] = {2, 5, 10, 20, 50, 100};
    struct Reference
    {
        long double t;
        long double alpha[6];
    };
    const Reference references[] = {
        {60, {7638, 5628, 4467, 5863, 12203, 21247}},  {90, {8893, 6553, 5201, 5910, 12300, 21416}},
        {120, {9823, 7238, 5745, 4611, 9598, 16711}},  {145, {10342, 7620, 6048, 4800, 8011, 13947}},
        {150, {10424, 7680, 6096, 4838, 7741, 13479}}, {200, {10755, 7924, 6289, 4992, 5750, 10011}},
    };
    for (const Reference& r : references) {
        const auto row = SteamFactors(files, r.t);
        ASSERT_TRUE(row.has_value());
        for (std::size_t g = 0; g < std::size(fluxes); ++g) {
            SCOPED_TRACE("t " + std::to_string(static_cast<double>(r.t)) + " degC, G " +
                         std::to_string(static_cast<double>(fluxes[g])));
            // G = m / area with a flow area of 1 m2.
            expectRelative(CondensingCoefficient(*row, fluxes[g], 1), r.alpha[g], 5e-3, "alpha");
        }
    }
}

} // namespace
} // namespace velor
