// Property evaluation: brackets, sorts, two-stage liquid interpolation, vapor and steam tables,
// vapor density and mixing with water, over small fixtures written in each test.
#include "fluids/properties.h"
#include "fluidtestutil.h"

#include <cmath>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

void expectRowNear(const TLiquidRow& actual, const TLiquidRow& expected, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(actual.temperature, expected.temperature);
    EXPECT_NEAR(actual.density, expected.density, 1e-12 * std::fabs(expected.density));
    EXPECT_NEAR(actual.heatCapacity, expected.heatCapacity, 1e-12 * std::fabs(expected.heatCapacity));
    EXPECT_NEAR(actual.conductivity, expected.conductivity, 1e-12 * std::fabs(expected.conductivity));
    EXPECT_NEAR(actual.viscosity, expected.viscosity, 1e-12 * std::fabs(expected.viscosity));
}

TEST(TableHelpers, Bracket)
{
    constexpr long double A = kAbsentValue;
    const struct
    {
        TTableF table;
        long double x, lo, hi, exact;
    } cases[] = {
        {{}, 5, A, A, A},           {{3}, 100, A, A, 3},     {{1, 2, 4}, 0, A, A, 1},
        {{1, 2, 4}, 1, A, A, 1},    {{1, 2, 4}, 9, A, A, 4}, {{1, 2, 4}, 4, A, A, 4},
        {{1, 2, 4}, 2, A, A, 2},    {{1, 2, 4}, 3, 2, 4, A}, {{1, 2, 4}, 1.5L, 1, 2, A},
        {{1, 2, 2, 4}, 3, 2, 4, A},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        const TBracket b = Bracket(c.table, c.x);
        EXPECT_EQ(b.Lo, c.lo);
        EXPECT_EQ(b.Hi, c.hi);
        EXPECT_EQ(b.Exact, c.exact);
    }
    EXPECT_TRUE(Bracket({}, 1).isEmpty());
    EXPECT_TRUE(Bracket({1, 2}, 1.5L).isInterior());
    EXPECT_EQ(Interpolate(3, 2, 10, 4, 20), 15);
    EXPECT_EQ(Interpolate(2, 2, 10, 4, 20), 10);
}

TEST(TableHelpers, SortsAreStableAndUniqueKeepsFirsts)
{
    EXPECT_EQ(SortValues({3, 1, 2, 1}), (TTableF{1, 1, 2, 3}));
    EXPECT_EQ(UniqueValues({1, 1, 2, 3, 3}), (TTableF{1, 2, 3}));
    EXPECT_TRUE(UniqueValues({}).empty());
    const TTableProp sorted = SortByPressure({{1, 300}, {2, 100}, {3, 300}, {4, 100}});
    EXPECT_EQ(sorted, (TTableProp{{2, 100}, {4, 100}, {1, 300}, {3, 300}}));
    EXPECT_EQ(UniquePressures(sorted), (TTableF{100, 300}));

    const TTableAllPropL l = SortRowsL({{50, 1, 0, 0, 0}, {20, 2, 0, 0, 0}, {50, 3, 0, 0, 0}});
    EXPECT_EQ(l[0].density, 2);
    EXPECT_EQ(l[1].density, 1);
    EXPECT_EQ(l[2].density, 3);
    const TTableAllPropV v = SortRowsV({{50, 1, 0, 0, 0, 0}, {20, 2, 0, 0, 0, 0}, {50, 3, 0, 0, 0, 0}});
    EXPECT_EQ(v[0].pressure, 2);
    EXPECT_EQ(v[2].pressure, 3);
}

TEST(TableHelpers, SortNamesIgnoresCaseInTheUsersCodePage)
{
    const struct
    {
        CodePage codePage;
        TTableS in, out;
    } cases[] = {
        {CodePage::Windows1252, {"beta", "Alpha", "alpha", "Gamma"}, {"Alpha", "alpha", "beta", "Gamma"}},
        // Accented letters sort by their lower-cased code-page byte (É/é = 0xE9, after z).
        {CodePage::Windows1252,
         {"Zeta",
          "\xC3\x89"
          "clair",
          "\xC3\xA9"
          "clair",
          "eta"},
         {"eta", "Zeta",
          "\xC3\x89"
          "clair",
          "\xC3\xA9"
          "clair"}},
        // Cyrillic "Вода", "апельсин", "Бета" in Windows-1251.
        {CodePage::Windows1251,
         {"\xD0\x92\xD0\xBE\xD0\xB4\xD0\xB0", "\xD0\xB0\xD0\xBF", "\xD0\x91\xD0\xB5"},
         {"\xD0\xB0\xD0\xBF", "\xD0\x91\xD0\xB5", "\xD0\x92\xD0\xBE\xD0\xB4\xD0\xB0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SortNames(c.in, c.codePage), c.out);
}

class PropertiesTest : public test::FluidFolderTest
{
protected:
    void SetUp() override
    {
        test::FluidFolderTest::SetUp();
        FluidFiles f(dir, kCp);
        // Liquid 1: isobar 100 kPa over 20..80 deg.C and 300 kPa over 20..100 deg.C, interleaved.
        // Liquid 2: a single point. Liquid 5: water.
        ASSERT_TRUE(f.AppendLiquidRecords({{1, 50, 300, 1000, 4.15L, 0.63L, 0.0009L},
                                           {1, 80, 100, 970, 4.2L, 0.66L, 0.0004L},
                                           {2, 40, 500, 800, 2.0L, 0.15L, 0.02L},
                                           {1, 20, 100, 1000, 4.0L, 0.60L, 0.0010L},
                                           {1, 100, 300, 960, 4.25L, 0.67L, 0.0003L},
                                           {1, 50, 100, 990, 4.1L, 0.62L, 0.0008L},
                                           {1, 20, 300, 1010, 4.05L, 0.61L, 0.0011L},
                                           {5, 20, 100, 1000, 4.2L, 0.6L, 0.001L},
                                           {5, 40, 100, 990, 4.2L, 0.6L, 0.001L}},
                                          kPropLiquidsTmp));
        ASSERT_TRUE(f.AppendLiquid({1, "Oil", false, 0}, kLiquidsTmp));
        ASSERT_TRUE(f.AppendLiquid({5, "Water", false, 0}, kLiquidsTmp));
        ASSERT_TRUE(f.AppendVapor({1, 5, "Steam", 18, 374, 22064}, kVaporsTmp));
        ASSERT_TRUE(f.AppendVapor({2, 0, "Empty", 17, 132, 11333}, kVaporsTmp));
        ASSERT_TRUE(f.AppendVapor({3, 0, "Example", 18, 300, 4000}, kVaporsTmp));
        ASSERT_TRUE(f.AppendVapor({4, 0, "No critical data", 18, 0, 0}, kVaporsTmp));
        ASSERT_TRUE(f.AppendVaporRecords(
            {{1, 120, 198.5L, 2200, 2.2L, 0.027L, 1.3e-5L}, {1, 100, 101.3L, 2250, 2.0L, 0.025L, 1.2e-5L}},
            kPropVaporsTmp));
    }
    FluidFiles files() const { return FluidFiles(dir, kCp); }
};

TEST_F(PropertiesTest, LiquidPointInterpolatesAlongEachIsobarThenAcrossPressure)
{
    // Isobar 100 kPa: rho 1000, 990, 970 at 20, 50, 80 deg.C; isobar 300 kPa: 1010, 1000, 960 at
    // 20, 50, 100 deg.C.
    const struct
    {
        const char* what;
        long double t, p;
        TLiquidRow row;
    } cases[] = {
        {"between isobars, inside both", 35, 200, {35, 1000, 4.075L, 0.615L, 0.00095L}},
        {"below the lowest isobar", 35, 50, {35, 995, 4.05L, 0.61L, 0.0009L}},
        {"above the highest isobar", 35, 400, {35, 1005, 4.1L, 0.62L, 0.001L}},
        {"below an isobar's range", 10, 100, {10, 1000, 4.0L, 0.60L, 0.0010L}},
        {"on a stored point", 50, 100, {50, 990, 4.1L, 0.62L, 0.0008L}},
        {"isobars clamp separately", 90, 200, {90, 969, 4.215L, 0.661L, 0.00041L}},
        {"above both ranges", 120, 300, {120, 960, 4.25L, 0.67L, 0.0003L}},
    };
    const FluidFiles f = files();
    for (const auto& c : cases) {
        const TTableAllPropL rows = LiquidTable(f, 1, kPropLiquidsTmp, c.t, c.t, 1, c.p);
        ASSERT_EQ(rows.size(), 1u) << c.what;
        expectRowNear(rows[0], c.row, c.what);
    }
    // A single-point isobar gives that point everywhere.
    for (long double t : {-40.0L, 40.0L, 300.0L})
        expectRowNear(LiquidTable(f, 2, kPropLiquidsTmp, t, t, 1, 100)[0], {t, 800, 2.0L, 0.15L, 0.02L},
                      "single");
}

TEST_F(PropertiesTest, LiquidTablesAndSingleProperties)
{
    const FluidFiles f = files();
    const TTableAllPropL rows = LiquidTable(f, 1, kPropLiquidsTmp, 20, 80, 30, 100);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].temperature, 80);
    EXPECT_EQ(rows[2].density, 970);
    EXPECT_TRUE(LiquidTable(f, 1, kPropLiquidsTmp, 50, 40, 1, 100).empty());
    EXPECT_TRUE(LiquidTable(f, 1, kPropLiquidsTmp, 20, 80, 0, 100).empty());
    EXPECT_TRUE(LiquidTable(f, 9, kPropLiquidsTmp, 20, 80, 10, 100).empty());
    EXPECT_EQ(LiquidTable(f, 1, kPropLiquidsTmp, 0, 2, 0.5L, 100).size(), 5u);
    // A step that no longer changes t ends the table instead of looping for ever.
    EXPECT_EQ(LiquidTable(f, 1, kPropLiquidsTmp, 1e30L, 2e30L, 1, 100).size(), 1u);
    EXPECT_EQ(LiquidTable(f, 1, kPropLiquidsTmp, 1e30L, INFINITY, 1, 100).size(), 1u);

    const TTableAllPropL at = LiquidTableAt(f, 1, kPropLiquidsTmp, {80, 10, 35}, 100);
    ASSERT_EQ(at.size(), 3u);
    EXPECT_EQ(at[0].density, 970);
    EXPECT_EQ(at[1].density, 1000);
    EXPECT_EQ(at[1].temperature, 10);
    EXPECT_NEAR(at[2].density, 995, 1e-12);
    EXPECT_TRUE(LiquidTableAt(f, 9, kPropLiquidsTmp, {20}, 100).empty());

    EXPECT_NEAR(LiquidProperty(f, "Oil", true, 0, false, kPropLiquidsTmp, kLiquidsTmp, 35, 200), 4.075L,
                1e-15);
    EXPECT_NEAR(LiquidProperty(f, "Oil", false, 0, false, kPropLiquidsTmp, kLiquidsTmp, 35, 200), 1000,
                1e-12);
    EXPECT_EQ(LiquidProperty(f, "", false, 2, true, kPropLiquidsTmp, kLiquidsTmp, 0, 0), 800);
    EXPECT_EQ(LiquidProperty(f, "Glycol", false, 0, false, kPropLiquidsTmp, kLiquidsTmp, 35, 200), 0);
    EXPECT_EQ(LiquidProperty(f, "", true, 9, true, kPropLiquidsTmp, kLiquidsTmp, 35, 200), 0);
}

TEST_F(PropertiesTest, VaporSaturationLine)
{
    const FluidFiles f = files();
    const auto mid = VaporRow(f, 1, kPropVaporsTmp, 110);
    ASSERT_TRUE(mid);
    EXPECT_EQ(mid->temperature, 110);
    EXPECT_NEAR(mid->pressure, 149.9L, 1e-12);
    EXPECT_NEAR(mid->latentHeat, 2225, 1e-12);
    EXPECT_NEAR(mid->heatCapacity, 2.1L, 1e-15);
    EXPECT_NEAR(mid->conductivity, 0.026L, 1e-15);
    EXPECT_NEAR(mid->viscosity, 1.25e-5L, 1e-18);
    EXPECT_EQ(*VaporRow(f, 1, kPropVaporsTmp, 90), (TVaporRow{90, 101.3L, 2250, 2.0L, 0.025L, 1.2e-5L}));
    EXPECT_FALSE(VaporRow(f, 2, kPropVaporsTmp, 100)); // no rows: no value

    EXPECT_NEAR(VaporProperty(f, "Steam", false, kPropVaporsTmp, kVaporsTmp, 110), 2225, 1e-12);
    EXPECT_NEAR(VaporProperty(f, "Steam", true, kPropVaporsTmp, kVaporsTmp, 110), 2.1L, 1e-15);
    EXPECT_EQ(VaporProperty(f, "Steam", true, kPropVaporsTmp, kVaporsTmp, 200), 2.2L);
    EXPECT_EQ(VaporProperty(f, "Empty", false, kPropVaporsTmp, kVaporsTmp, 110), 0);
    EXPECT_EQ(VaporProperty(f, "steam", false, kPropVaporsTmp, kVaporsTmp, 110), 0);

    EXPECT_NEAR(Saturation(f, "Steam", true, kPropVaporsTmp, kVaporsTmp, 110), 149.9L, 1e-12);
    EXPECT_NEAR(Saturation(f, "Steam", false, kPropVaporsTmp, kVaporsTmp, 149.9L), 110, 1e-12);
    EXPECT_EQ(Saturation(f, "Steam", false, kPropVaporsTmp, kVaporsTmp, 50), 100);
    EXPECT_EQ(Saturation(f, "Empty", true, kPropVaporsTmp, kVaporsTmp, 100), 0);
}

TEST_F(PropertiesTest, SteamFactors)
{
    FluidFiles f = files();
    EXPECT_FALSE(SteamFactors(f, 75)); // no table: no value
    ASSERT_TRUE(f.AppendSteamFactorRecords({{1, 100, {2, 4, 6, 8}}, {2, 50, {1, 2, 3, 4}}}));
    EXPECT_EQ(*SteamFactors(f, 75), (TSteamFactorRow{75, {1.5L, 3, 4.5L, 6}}));
    EXPECT_EQ(*SteamFactors(f, 20), (TSteamFactorRow{20, {1, 2, 3, 4}}));
    EXPECT_EQ(*SteamFactors(f, 100), (TSteamFactorRow{100, {2, 4, 6, 8}}));
}

TEST_F(PropertiesTest, CompressibilityAndVaporDensity)
{
    EXPECT_NEAR(Compressibility(100, 4000, 100, 300), 0.984942L, 5e-7);
    EXPECT_EQ(Compressibility(0, 4000, 100, 300), 1);
    const FluidFiles f = files();
    const auto rho = VaporDensity(f, 3, kVaporsTmp, 100, 100);
    ASSERT_TRUE(rho);
    EXPECT_NEAR(*rho, 0.577773L, 5e-7);
    EXPECT_FALSE(VaporDensity(f, 8, kVaporsTmp, 100, 100));  // not in the list
    EXPECT_FALSE(VaporDensity(f, 4, kVaporsTmp, 100, 100));  // no critical pressure
    EXPECT_FALSE(VaporDensity(f, 3, kVaporsTmp, -273, 100)); // absolute zero
}

TEST_F(PropertiesTest, MixWithWater)
{
    const FluidFiles f = files();
    const auto mixed = MixWithWater(f, {{20, 1100, 2.5L, 0.25L, 0.01L}}, 5, kPropLiquidsTmp, 100, 30);
    ASSERT_TRUE(mixed);
    ASSERT_EQ(mixed->size(), 1u);
    expectRowNear((*mixed)[0], {20, 1030, 3.69L, 0.54792L, std::pow(10.0L, -2.7L)}, "30 %");
    EXPECT_NEAR((*mixed)[0].viscosity, 0.00199526L, 5e-9);

    const TTableAllPropL liquid{{30, 1100, 2.5L, 0.25L, 0.01L}, {40, 1090, 2.6L, 0.26L, 0.008L}};
    const auto none = MixWithWater(f, liquid, 5, kPropLiquidsTmp, 100, 0);
    ASSERT_TRUE(none);
    expectRowNear((*none)[0], {30, 995, 4.2L, 0.6L, 0.001L}, "c = 0 gives water");
    const auto all = MixWithWater(f, liquid, 5, kPropLiquidsTmp, 100, 100);
    ASSERT_TRUE(all);
    expectRowNear((*all)[1], liquid[1], "c = 100 gives the liquid");

    EXPECT_FALSE(MixWithWater(f, liquid, 9, kPropLiquidsTmp, 100, 30)); // no water rows: no value
    const auto empty = MixWithWater(f, {}, 9, kPropLiquidsTmp, 100, 30);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

} // namespace
} // namespace velor

namespace velor {
namespace {

TEST_F(PropertiesTest, EvaluationsSeeEveryChangeOfTheFiles)
{
    const FluidFiles reader = files();
    auto density = [&] { return LiquidTable(reader, 2, kPropLiquidsTmp, 40, 40, 1, 500).at(0).density; };
    ASSERT_EQ(density(), 800);

    // Rewritten through another object, at once and with the same file size.
    FluidFiles writer = files();
    for (long double rho : {801.0L, 802.0L, 803.0L}) {
        ASSERT_TRUE(writer.WriteLiquidRows(2, {{40, rho, 2.0L, 0.15L, 0.02L}}, 500, true, kPropLiquidsTmp));
        EXPECT_EQ(density(), rho);
    }
    // Replaced behind the program's back, again with the same size.
    TTablePropL recs = reader.ReadLiquidPropFile(kPropLiquidsTmp);
    for (auto& r : recs)
        if (r.key == 2)
            r.density = 900;
    writeBytes("PropLiquids.tmp", encodeLiquidPropRecs(recs));
    EXPECT_EQ(density(), 900);
    // Deleted: no rows.
    ASSERT_TRUE(writer.DeleteFluidFile(kPropLiquidsTmp));
    EXPECT_TRUE(LiquidTable(reader, 2, kPropLiquidsTmp, 40, 40, 1, 500).empty());
    EXPECT_FALSE(VaporRow(reader, 1, kPropLiquidsTmp, 100));
}

} // namespace
} // namespace velor

namespace velor {
namespace {

TEST_F(PropertiesTest, GarbageFilesAreEvaluatedWithoutFault)
{
    // Random bytes give keys, NaNs, infinities and unnormals; every evaluation must stay in bounds.
    std::uint32_t seed = 12345;
    auto garbage = [&](std::size_t n) {
        Bytes b(n);
        for (auto& byte : b) {
            seed = seed * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(seed >> 24);
        }
        // Small keys so that the records are found.
        for (std::size_t i = 0; i + 4 <= n; i += 64)
            putInt32(b.data() + i, static_cast<std::int32_t>(b[i] % 3));
        return b;
    };
    for (int round = 0; round < 20; ++round) {
        writeBytes("PropLiquids.tmp", garbage(64 * 40 + 17));
        writeBytes("PropVapors.tmp", garbage(64 * 40 + 5));
        writeBytes("SteamF.dat", garbage(54 * 10 + 3));
        const FluidFiles f = files();
        for (std::int32_t key = 0; key < 3; ++key) {
            (void)LiquidTable(f, key, kPropLiquidsTmp, -50, 300, 25, 300);
            (void)LiquidTableAt(f, key, kPropLiquidsTmp, {NAN, 20, INFINITY}, NAN);
            (void)VaporRow(f, key, kPropVaporsTmp, 100);
            (void)VaporRow(f, key, kPropVaporsTmp, NAN);
            (void)MixWithWater(f, {{20, 1000, 4, 0.6L, 0.001L}}, key, kPropLiquidsTmp, 100, 30);
        }
        (void)SteamFactors(f, 100);
        (void)Saturation(f, "Steam", false, kPropVaporsTmp, kVaporsTmp, 150);
        (void)VaporProperty(f, "Steam", true, kPropVaporsTmp, kVaporsTmp, 150);
    }
    SUCCEED();
}

} // namespace
} // namespace velor
