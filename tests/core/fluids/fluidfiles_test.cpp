// Fluid file operations: lookups, key allocation, writers, safe rewrites and working copies.
#include "fluids/fluidfiles.h"
#include "fluidtestutil.h"

#include <cmath>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

class FluidFilesTest : public test::FluidFolderTest
{
protected:
    FluidFiles files() const { return FluidFiles(dir, kCp); }
    static TLiquidRec liquid(std::int32_t key, const char* name) { return {key, name, false, 0}; }
    static TLiquidPropRec prop(std::int32_t key, long double t, long double p, long double rho = 1000)
    {
        return {key, t, p, rho, 4.2L, 0.6L, 0.001L};
    }
};

TEST_F(FluidFilesTest, ListLookupsTakeTheFirstWholeRecordAndCompareNamesExactly)
{
    Bytes list = encodeLiquidRecs(
        {liquid(3, "Water"), liquid(9, "water"), liquid(4, "Water"), {5, "Brine", true, 25}}, kCp);
    list.insert(list.end(), 60, 0x11); // a trailing partial record
    writeBytes("Liquids.tmp", list);
    const FluidFiles f = files();

    EXPECT_EQ(f.LiquidNames("Liquids.tmp"), (TTableS{"Water", "water", "Water", "Brine"}));
    EXPECT_EQ(f.FindLiquid("Water", "Liquids.tmp"), 3);
    EXPECT_EQ(f.LiquidKey("water", "Liquids.tmp"), 9);
    EXPECT_EQ(f.LiquidKey("WATER", "Liquids.tmp"), 0);
    EXPECT_FALSE(f.FindLiquid("Oil", "Liquids.tmp").has_value());
    EXPECT_EQ(f.ReadLiquid(4, "Liquids.tmp"), liquid(4, "Water"));
    EXPECT_EQ(f.ReadLiquid(77, "Liquids.tmp"), TLiquidRec{});
    EXPECT_EQ(f.ReadPlainLiquid("Water", "Liquids.tmp"), liquid(3, "Water"));
    EXPECT_EQ(f.ReadPlainLiquid("Brine", "Liquids.tmp"), TLiquidRec{}); // a water solution
    EXPECT_EQ(f.NewLiquidKey("Liquids.tmp"), 10);
    EXPECT_EQ(f.NewLiquidKey("Missing.dat"), 1);
    EXPECT_TRUE(f.LiquidNames("Missing.dat").empty());

    // Without a folder nothing is read and nothing can be written.
    FluidFiles none{std::filesystem::path{}, kCp};
    EXPECT_TRUE(none.LiquidNames("Liquids.tmp").empty());
    EXPECT_FALSE(none.AppendLiquid(liquid(1, "Water"), "Liquids.tmp"));
}

TEST_F(FluidFilesTest, WriteLiquidCreatesAppendsAndReplacesByKey)
{
    FluidFiles f = files();
    ASSERT_TRUE(f.WriteLiquid(liquid(1, "Water"), true, "Liquids.dat")); // missing file: created
    ASSERT_TRUE(f.WriteLiquid(liquid(2, "Oil"), false, "Liquids.dat"));
    ASSERT_TRUE(f.WriteLiquid(liquid(2, "Oil B"), false, "Liquids.dat"));
    ASSERT_TRUE(f.WriteLiquid({2, "Oil A", true, 30}, true, "Liquids.dat")); // first record of key 2 only
    EXPECT_EQ(f.ReadLiquidList("Liquids.dat"),
              (std::vector<TLiquidRec>{liquid(1, "Water"), {2, "Oil A", true, 30}, liquid(2, "Oil B")}));

    const Bytes before = bytesOf("Liquids.dat");
    ASSERT_TRUE(f.WriteLiquid(liquid(8, "Glycol"), true, "Liquids.dat")); // key not present
    EXPECT_EQ(bytesOf("Liquids.dat"), before);

    ASSERT_TRUE(f.DeleteLiquid(2, "Liquids.dat"));
    EXPECT_EQ(f.LiquidNames("Liquids.dat"), (TTableS{"Water"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "OldLiquids.dat"));
}

TEST_F(FluidFilesTest, AppendAfterATruncatedRecordStaysAligned)
{
    FluidFiles f = files();
    Bytes list = encodeLiquidRecs({liquid(1, "Water")}, kCp);
    list.resize(list.size() + 40, 0x5A); // an earlier append that was cut short
    writeBytes("Liquids.dat", list);
    ASSERT_TRUE(f.AppendLiquid(liquid(2, "Oil"), "Liquids.dat"));
    EXPECT_EQ(bytesOf("Liquids.dat").size(), 2 * kLiquidRecSize);
    EXPECT_EQ(f.LiquidNames("Liquids.dat"), (TTableS{"Water", "Oil"}));
}

TEST_F(FluidFilesTest, VaporWritesZeroTheCondensateAndTrackTheCurrentVapor)
{
    FluidFiles f = files();
    const TVaporRec steam{4, 7, "Steam", 18.015L, 373.946L, 22064};
    ASSERT_TRUE(f.WriteVapor(steam, false, "Vapors.dat"));
    EXPECT_EQ(f.ReadVapor(4, "Vapors.dat").condensateKey, 0);
    EXPECT_EQ(f.CurrentVapor().key, 4);

    // Replacing keeps the given condensate key; a missing key writes nothing and keeps the current vapor.
    ASSERT_TRUE(f.WriteVapor({4, 7, "Steam", 18, 374, 22064}, true, "Vapors.dat"));
    EXPECT_EQ(f.ReadVapor(4, "Vapors.dat").condensateKey, 7);
    ASSERT_TRUE(f.WriteVapor({6, 0, "Ammonia", 17, 132, 11333}, true, "Vapors.dat"));
    EXPECT_EQ(f.VaporNames("Vapors.dat"), (TTableS{"Steam"}));
    EXPECT_EQ(f.CurrentVapor().key, 4);

    // AppendVapor stores the record unchanged; SetVaporLink changes only the condensate bytes.
    ASSERT_TRUE(f.AppendVapor({6, 9, "Ammonia", 17, 132, 11333}, "Vapors.dat"));
    Bytes before = bytesOf("Vapors.dat");
    before[kVaporRecSize + 8 + 20] = 0x77; // a non-significant byte past the name must survive
    writeBytes("Vapors.dat", before);
    ASSERT_TRUE(f.SetVaporLink(6, 12, "Vapors.dat"));
    Bytes after = bytesOf("Vapors.dat");
    EXPECT_EQ(getInt32(after.data() + kVaporRecSize + 4), 12);
    putInt32(after.data() + kVaporRecSize + 4, 9);
    EXPECT_EQ(after, before);
    EXPECT_EQ(f.CurrentVapor().condensateKey, 12);

    EXPECT_EQ(f.FindVapor("Ammonia", "Vapors.dat")->condensateKey, 12);
    EXPECT_EQ(f.VaporKey("ammonia", "Vapors.dat"), 0);
    EXPECT_EQ(f.ReadVaporByCondensate(12, "Vapors.dat").key, 6);
    EXPECT_EQ(f.ReadVaporByCondensate(99, "Vapors.dat"), TVaporRec{});
    EXPECT_EQ(f.NewVaporKey("Vapors.dat"), 7);

    // No file: SetVaporLink does nothing and creates nothing.
    ASSERT_TRUE(f.SetVaporLink(6, 1, "Vapors.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Vapors.tmp"));
}

TEST_F(FluidFilesTest, LiquidRowsAtMatchesPressureAsTextWhileExactLookupsMiss)
{
    FluidFiles f = files();
    ASSERT_TRUE(f.AppendLiquidRecords({prop(1, 20, 101.325L, 998), prop(1, 40, 101.325L, 992),
                                       prop(2, 20, 101.325L, 700), prop(1, 20, 500, 999)},
                                      "PropLiquids.tmp"));
    // 101.325 after a unit conversion that differs in the last bits.
    const long double converted = std::nextafter(101.325L, 200.0L);
    ASSERT_NE(converted, 101.325L);

    const TTableAllPropL rows = f.LiquidRowsAt(1, converted, "PropLiquids.tmp");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].density, 998);
    EXPECT_EQ(rows[1].temperature, 40);
    EXPECT_FALSE(f.HasLiquidPressure(1, converted, "PropLiquids.tmp"));
    EXPECT_TRUE(f.LiquidTemperaturesAt(1, converted, "PropLiquids.tmp").empty());
    EXPECT_TRUE(f.LiquidValuesAt(1, 20, converted, "PropLiquids.tmp").empty());

    EXPECT_TRUE(f.HasLiquidPressure(1, 101.325L, "PropLiquids.tmp"));
    EXPECT_EQ(f.LiquidTemperaturesAt(1, 101.325L, "PropLiquids.tmp"), (TTableF{20, 40}));
    EXPECT_EQ(f.LiquidValuesAt(1, 20, 500, "PropLiquids.tmp"), (TTableF{999, 4.2L, 0.6L, 0.001L}));
    EXPECT_EQ(f.LiquidValueAt(1, true, 20, 500, "PropLiquids.tmp"), 4.2L);
    EXPECT_EQ(f.LiquidValueAt(1, false, 20, 500, "PropLiquids.tmp"), 999);
    EXPECT_EQ(f.LiquidValueAt(1, false, 30, 500, "PropLiquids.tmp"), 0);
    EXPECT_EQ(f.LiquidPressures(1, "PropLiquids.tmp"), (TTableF{101.325L, 101.325L, 500}));
    EXPECT_EQ(f.LiquidTemperatures(1, "PropLiquids.tmp"), (TTableF{20, 40, 20}));
    EXPECT_EQ(f.LiquidPoints(2, "PropLiquids.tmp"), (TTableProp{{20, 101.325L}}));
    EXPECT_EQ(f.LiquidRecords(2, "PropLiquids.tmp"), (TTablePropL{prop(2, 20, 101.325L, 700)}));
}

TEST_F(FluidFilesTest, RowWritersDropNonPositiveValuesAndReplaceOnlyTheirIsobar)
{
    FluidFiles f = files();
    const TTableAllPropL rows{{10, 1000, 4.2L, 0.6L, 0.0013L},
                              {20, 998, 4.18L, 0.6L, 0}, // viscosity 0: skipped
                              {-5, 1001, 4.2L, 0.57L, 0.0015L}};
    ASSERT_TRUE(f.WriteLiquidRows(1, rows, 0, false, "PropLiquids.dat")); // p = 0: nothing
    EXPECT_TRUE(f.LiquidRecords(1, "PropLiquids.dat").empty());
    ASSERT_TRUE(f.WriteLiquidRows(1, rows, 100, false, "PropLiquids.dat"));
    ASSERT_TRUE(f.WriteLiquidRows(1, rows, 300, false, "PropLiquids.dat"));
    ASSERT_TRUE(f.WriteLiquidRows(2, rows, 100, false, "PropLiquids.dat"));
    EXPECT_EQ(f.LiquidTemperaturesAt(1, 100, "PropLiquids.dat"), (TTableF{10, -5}));

    // Replacing key 1 at 100 kPa keeps its 300 kPa rows and key 2; new rows go to the end.
    ASSERT_TRUE(f.WriteLiquidRows(1, {{50, 988, 4.18L, 0.64L, 0.00055L}}, 100, true, "PropLiquids.dat"));
    EXPECT_EQ(f.LiquidPoints(1, "PropLiquids.dat"), (TTableProp{{10, 300}, {-5, 300}, {50, 100}}));
    EXPECT_EQ(f.LiquidTemperatures(2, "PropLiquids.dat"), (TTableF{10, -5}));
    EXPECT_FALSE(std::filesystem::exists(dir / "OldPropLiquids.dat"));

    ASSERT_TRUE(f.DeleteLiquidRows(1, true, 300, "PropLiquids.dat"));
    EXPECT_EQ(f.LiquidPoints(1, "PropLiquids.dat"), (TTableProp{{50, 100}}));
    ASSERT_TRUE(f.DeleteLiquidRows(2, false, 0, "PropLiquids.dat"));
    EXPECT_TRUE(f.LiquidRecords(2, "PropLiquids.dat").empty());
    EXPECT_EQ(f.LiquidRecords(1, "PropLiquids.dat").size(), 1u);
}

TEST_F(FluidFilesTest, VaporRowsBelongToTheCurrentVapor)
{
    FluidFiles f = files();
    const TTableAllPropV rows{{100, 101.4L, 2257, 2.08L, 0.025L, 1.2e-5L},
                              {110, 143.4L, 2230, 2.13L, 0.026L, 0}, // viscosity 0: skipped
                              {120, 198.7L, 2203, 2.18L, 0.027L, 1.3e-5L}};
    EXPECT_FALSE(f.WriteVaporRows(rows, false, "PropVapors.dat")); // no current vapor yet
    EXPECT_FALSE(std::filesystem::exists(dir / "PropVapors.dat"));

    f.SetCurrentVapor({1, 0, "Steam"});
    ASSERT_TRUE(f.WriteVaporRows(rows, false, "PropVapors.dat"));
    f.SetCurrentVapor({2, 0, "Other"});
    ASSERT_TRUE(f.WriteVaporRows(rows, false, "PropVapors.dat"));
    ASSERT_TRUE(f.WriteVaporRows({rows[0]}, true, "PropVapors.dat"));
    EXPECT_EQ(f.VaporColumn(1, true, "PropVapors.dat"), (TTableF{100, 120}));
    EXPECT_EQ(f.VaporColumn(2, false, "PropVapors.dat"), (TTableF{101.4L}));
    EXPECT_EQ(f.VaporRows(1, "PropVapors.dat"), (TTableAllPropV{rows[0], rows[2]}));
    EXPECT_EQ(f.VaporRecords(2, "PropVapors.dat").size(), 1u);
    EXPECT_EQ(f.VaporValuesAt(1, 120, "PropVapors.dat"), (TTableF{2203, 2.18L, 0.027L, 1.3e-5L, 198.7L}));
    EXPECT_TRUE(f.VaporValuesAt(1, 110, "PropVapors.dat").empty());
    EXPECT_EQ(f.VaporValueAt(1, false, 100, "PropVapors.dat"), 2257);
    EXPECT_EQ(f.VaporValueAt(1, true, 100, "PropVapors.dat"), 2.08L);
    EXPECT_EQ(f.SaturationValueAt(1, true, 120, "PropVapors.dat"), 198.7L);
    EXPECT_EQ(f.SaturationValueAt(1, false, 198.7L, "PropVapors.dat"), 120);
    EXPECT_EQ(f.SaturationValueAt(1, false, 199, "PropVapors.dat"), 0);
}

TEST_F(FluidFilesTest, FailedReplacementLeavesTheFileIntactAndWritesNoRows)
{
    FluidFiles f = files();
    ASSERT_TRUE(f.AppendLiquid(liquid(1, "Water"), "Liquids.dat"));
    ASSERT_TRUE(f.AppendLiquid(liquid(2, "Oil"), "Liquids.dat"));
    ASSERT_TRUE(f.AppendLiquidRecords({prop(1, 20, 100), prop(1, 40, 100)}, "PropLiquids.dat"));
    f.SetCurrentVapor({1, 0, "Steam"});
    ASSERT_TRUE(f.WriteVaporRows({{100, 101.4L, 2257, 2.08L, 0.025L, 1.2e-5L}}, false, "PropVapors.dat"));
    const Bytes list = bytesOf("Liquids.dat");
    const Bytes props = bytesOf("PropLiquids.dat");
    const Bytes vapors = bytesOf("PropVapors.dat");

    detail::setReplaceFailureForTesting(true);
    EXPECT_FALSE(f.DeleteLiquid(2, "Liquids.dat"));
    EXPECT_FALSE(f.WriteLiquid(liquid(2, "Oil B"), true, "Liquids.dat"));
    EXPECT_FALSE(f.WriteLiquidRows(1, {{60, 983, 4.18L, 0.65L, 0.00047L}}, 100, true, "PropLiquids.dat"));
    EXPECT_FALSE(f.DeleteLiquidRows(1, false, 0, "PropLiquids.dat"));
    EXPECT_FALSE(f.WriteVaporRows({{110, 143.4L, 2230, 2.13L, 0.026L, 1.25e-5L}}, true, "PropVapors.dat"));
    detail::setReplaceFailureForTesting(false);

    EXPECT_EQ(bytesOf("Liquids.dat"), list);
    EXPECT_EQ(bytesOf("PropLiquids.dat"), props);
    EXPECT_EQ(bytesOf("PropVapors.dat"), vapors);
}

TEST_F(FluidFilesTest, UnwritableFileIsAnError)
{
    FluidFiles f = files();
    // A folder in the file's place cannot be opened as a file, whatever the user's rights.
    std::filesystem::create_directories(dir / "Liquids.dat");
    EXPECT_FALSE(f.AppendLiquid(liquid(1, "Water"), "Liquids.dat"));
    EXPECT_FALSE(f.WriteLiquid(liquid(1, "Water"), true, "Liquids.dat"));
    EXPECT_FALSE(f.DeleteLiquid(1, "Liquids.dat"));
    EXPECT_TRUE(f.LiquidNames("Liquids.dat").empty());
}

TEST_F(FluidFilesTest, WorkingCopiesCopyOnceAndByteForByte)
{
    FluidFiles f = files();
    Bytes master = encodeLiquidRecs({liquid(1, "Water"), liquid(5, "Oil")}, kCp);
    master[kLiquidRecSize + 4 + 10] = 0x3C; // non-significant byte after "Oil": copied as stored
    writeBytes("Liquids.dat", master);
    ASSERT_TRUE(
        f.AppendLiquidRecords({prop(5, 20, 100), prop(1, 20, 100), prop(5, 40, 100)}, "PropLiquids.dat"));

    ASSERT_TRUE(f.CopyLiquidToWork("Oil"));
    EXPECT_EQ(bytesOf("Liquids.tmp"), Bytes(master.begin() + kLiquidRecSize, master.end()));
    EXPECT_EQ(f.LiquidRecords(5, "PropLiquids.tmp"), (TTablePropL{prop(5, 20, 100), prop(5, 40, 100)}));
    ASSERT_TRUE(f.CopyLiquidToWork("Nothing")); // unknown name: nothing copied
    EXPECT_EQ(f.LiquidNames("Liquids.tmp"), (TTableS{"Oil"}));

    // Already in the working copy: nothing is copied, even after the master changed.
    ASSERT_TRUE(f.AppendLiquidRecords({prop(5, 60, 100)}, "PropLiquids.dat"));
    ASSERT_TRUE(f.CopyLiquidToWork("Oil"));
    EXPECT_EQ(f.LiquidRecords(5, "PropLiquids.tmp").size(), 2u);

    ASSERT_TRUE(f.AppendVapor({3, 1, "Steam", 18, 374, 22064}, "Vapors.dat"));
    f.SetCurrentVapor({3, 1, "Steam"});
    ASSERT_TRUE(f.WriteVaporRows({{100, 101.4L, 2257, 2.08L, 0.025L, 1.2e-5L}}, false, "PropVapors.dat"));
    ASSERT_TRUE(f.CopyVaporToWork("Steam"));
    EXPECT_EQ(bytesOf("Vapors.tmp"), bytesOf("Vapors.dat"));
    EXPECT_EQ(bytesOf("PropVapors.tmp"), bytesOf("PropVapors.dat"));

    ASSERT_TRUE(f.DeleteFluidFile("Liquids.tmp"));
    ASSERT_TRUE(f.DeleteFluidFile("Liquids.tmp")); // already gone: nothing to do
    EXPECT_FALSE(std::filesystem::exists(dir / "Liquids.tmp"));
}

TEST_F(FluidFilesTest, SteamFactorTable)
{
    FluidFiles f = files();
    ASSERT_TRUE(
        f.AppendSteamFactorRecords({{1, 100, {1, 2, 3, 4}}, {2, 50, {5, 6, 7, 8}}, {3, 100, {9, 9, 9, 9}}}));
    EXPECT_EQ(f.SteamTemperatures(), (TTableF{100, 50, 100}));
    EXPECT_EQ(f.SteamFactorsAt(100), (TTableF{1, 2, 3, 4}));
    EXPECT_TRUE(f.SteamFactorsAt(75).empty());
}

} // namespace
} // namespace velor
