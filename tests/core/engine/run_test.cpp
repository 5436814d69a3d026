// The calculation run: the temperature check, distribution and duty filter, the liquid and
// condensing runs on a small catalogue and fluid folder, and the sorts of the result list.
#include "catalogue/catalogue.h"
#include "engine/run.h"
#include "sizefixture.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace velor {
namespace {

namespace fs = std::filesystem;
using enginetest::makeRecord;

Duty liquidDuty()
{
    Duty d;
    d.hotFluid = "Hot water";
    d.coldFluid = "Cold water";
    d.q = 100;
    d.tHotIn = 90;
    d.tHotOut = 60;
    d.pHotIn = 100;
    d.mHot = 0.8L;
    d.dpMaxHot = 1000;
    d.tColdIn = 20;
    d.tColdOut = 50;
    d.pColdIn = 100;
    d.mCold = 0.8L;
    d.dpMaxCold = 1000;
    d.oversizeMin = -1000;
    return d;
}

Duty condensingDuty()
{
    Duty d = liquidDuty();
    d.hotSide = HotSideKind::Condensing;
    d.hotFluid = "Steam";
    d.tHotIn = 120;
    d.tHotOut = 100;
    d.pHotIn = 200;
    d.mHot = 0.05L;
    d.volumeFlowHotIn = 0.05L / 1.1L;
    d.dpMaxHot = 0;
    d.tColdIn = 40;
    d.tColdOut = 80;
    return d;
}

TEST(CheckDuty, MarksTheFirstWrongGroup)
{
    struct Case
    {
        const char* what;
        HotSideKind kind;
        long double tHotIn, tHotOut, tColdIn, tColdOut;
        bool empty;
        CheckMark mark;
    };
    const auto L = HotSideKind::Liquid;
    const auto C = HotSideKind::Condensing;
    const Case cases[] = {
        {"consistent", L, 90, 60, 20, 50, false, CheckMark::None},
        {"no sizes", L, 90, 60, 20, 50, true, CheckMark::Selection},
        {"cold does not warm", L, 90, 60, 50, 50, false, CheckMark::ColdOutlet},
        {"cold outlet above hot inlet", L, 90, 60, 20, 95, false, CheckMark::ColdOutlet},
        {"cold inlet above hot outlet", L, 90, 60, 65, 80, false, CheckMark::ColdInlet},
        {"hot does not cool (liquid)", L, 90, 90, 20, 50, false, CheckMark::HotOutlet},
        {"hot warms", L, 60, 90, 20, 50, false, CheckMark::HotOutlet},
        {"equal vapor and condensate temperatures", C, 100, 100, 20, 50, false, CheckMark::None},
        {"condensate above vapor", C, 100, 101, 20, 50, false, CheckMark::HotOutlet},
        {"temperature not a number", L, NAN, 60, 20, 50, false, CheckMark::ColdOutlet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Duty d;
        d.hotSide = c.kind;
        d.tHotIn = c.tHotIn;
        d.tHotOut = c.tHotOut;
        d.tColdIn = c.tColdIn;
        d.tColdOut = c.tColdOut;
        EXPECT_EQ(CheckDuty(d, c.empty), c.mark);
    }
}

std::size_t typeIndex(std::string_view code)
{
    return static_cast<std::size_t>(*exchangerTypeIndex(code));
}

TEST(CalculationRun, DistributesToTheFirstTypeAndFiltersByDuty)
{
    TypeLists names;
    names[typeIndex("M")] = {"A", "B"};
    names[typeIndex("GT")] = {"G"};
    names[typeIndex("PF20")] = {"F"};
    names[typeIndex("PF30")] = {"P", "A"};
    const TypeLists lists = DistributeSizes({"P", "A", "unknown", "G", "F", "B", "A"}, names);
    EXPECT_EQ(lists[typeIndex("M")], (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(lists[typeIndex("PF30")], (std::vector<std::string>{"P"}));
    EXPECT_EQ(lists[typeIndex("GT")], (std::vector<std::string>{"G"}));

    TypeLists liquid = lists;
    ApplyDutyFilter(liquid, HotSideKind::Liquid);
    EXPECT_TRUE(liquid[typeIndex("GT")].empty());
    EXPECT_EQ(liquid[typeIndex("PF20")].size(), 1u);
    EXPECT_EQ(liquid[typeIndex("M")].size(), 3u);

    TypeLists condensing = lists;
    ApplyDutyFilter(condensing, HotSideKind::Condensing);
    EXPECT_EQ(condensing[typeIndex("GT")].size(), 1u);
    EXPECT_EQ(condensing[typeIndex("PF30")].size(), 1u);
    EXPECT_TRUE(condensing[typeIndex("PF20")].empty());
    EXPECT_TRUE(condensing[typeIndex("M")].empty());
    for (std::string_view kept :
         {"GT", "ND", "T", "TD", "TW", "TWD", "RUV", "RUV D", "RUV W", "RUV WD", "PF30", "PF30-2"}) {
        TypeLists one;
        one[typeIndex(kept)] = {"x"};
        ApplyDutyFilter(one, HotSideKind::Condensing);
        EXPECT_FALSE(allEmpty(one)) << kept;
    }
}

// A program folder with two water-like liquids, a steam-like vapor condensing to one of them,
// steam factors, a connection table and a few type files.
class RunFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root = fs::temp_directory_path() / ("velor-engine-run-" + std::to_string(stamp));
        fs::create_directories(root / "Fluids");
        folder = ProgramFolder(root);
        files.emplace(folder.fluids(), CodePage::Windows1252);
        writeLiquid(1, "Hot water", 0);
        writeLiquid(2, "Cold water", 0.0001L);
        writeLiquid(3, "Condensate", 0);
        ASSERT_TRUE(files->AppendVapor({7, 3, "Steam", 18.015L, 374, 22064}, kVaporsTmp));
        ASSERT_TRUE(files->AppendVapor({8, 0, "No condensate", 18.015L, 374, 22064}, kVaporsTmp));
        ASSERT_TRUE(files->AppendVapor({9, 3, "No critical pressure", 18.015L, 374, 0}, kVaporsTmp));
        TTablePropV vapor;
        for (int key : {7, 8, 9})
            for (int t = 20; t <= 200; t += 20)
                vapor.push_back({key, static_cast<long double>(t), 2.0L * t + 10, 2300 - 2.0L * t, 2.0L,
                                 0.02L + 0.0001L * t, 1e-5L + 2e-8L * t});
        ASSERT_TRUE(files->AppendVaporRecords(vapor, kPropVaporsTmp));
        std::vector<TSteamFactorRec> steam;
        for (int t = 20; t <= 250; t += 10)
            steam.push_back(
                {t, static_cast<long double>(t), {-1.0L / 3, 9.0L + 0.004L * t, 0.8L, 6.3L - 0.003L * t}});
        ASSERT_TRUE(files->AppendSteamFactorRecords(steam));
        ASSERT_TRUE(writeDiameters(
            folder, {{1, "DN20", 3.969013e-04L}, {2, "DN25", 6.096100e-04L}, {3, "DN32", 1.05554e-3L}}));

        TSizeRecord big = makeRecord("A");
        big.value(SizeValue::AreaUnit) = 4;
        ASSERT_TRUE(writeTypeFile(folder, "M.dat", {makeRecord("M-1"), big, makeRecord("M-3")}));
        ASSERT_TRUE(writeTypeFile(folder, "GT.dat", {makeRecord("G")}));
        ASSERT_TRUE(writeTypeFile(folder, "PF20.dat", {makeRecord("F")}));
        TSizeRecord small = makeRecord("P");
        small.value(SizeValue::AreaUnit) = 1;
        ASSERT_TRUE(writeTypeFile(folder, "PF30.dat", {small, makeRecord("A")}));
    }
    void TearDown() override { fs::remove_all(root); }

    void writeLiquid(std::int32_t key, const std::string& name, long double viscosityShift)
    {
        ASSERT_TRUE(files->AppendLiquid({key, name, false, 0}, kLiquidsTmp));
        for (long double p : {100.0L, 500.0L}) {
            TTableAllPropL rows;
            for (int t = 0; t <= 200; t += 10)
                rows.push_back({static_cast<long double>(t), 1000 - 0.4L * t - 0.001L * p,
                                4.18L + 0.0005L * t, 0.58L + 0.001L * t,
                                0.0018L * std::exp(-0.02L * t) + viscosityShift});
            ASSERT_TRUE(files->WriteLiquidRows(key, rows, p, false, kPropLiquidsTmp));
        }
    }

    std::vector<std::string> names(const std::vector<TResultTypeB>& results)
    {
        std::vector<std::string> out;
        for (const auto& r : results)
            out.push_back(r.SizeName + "@" + r.TypeFile + "/" + std::to_string(r.Tubular));
        return out;
    }

    fs::path root;
    ProgramFolder folder;
    std::optional<FluidFiles> files;
};

void expectIdentical(const std::vector<TResultTypeB>& a, const std::vector<TResultTypeB>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].SizeName, b[i].SizeName);
        for (const ResultRealField& f : kResultRealFields)
            EXPECT_EQ(a[i].*f.member, b[i].*f.member) << a[i].SizeName << " " << f.name;
    }
}

TEST_F(RunFolder, LiquidRunRatesInTypeOrderAndDropsGt)
{
    const std::vector<std::string> selected{"P", "G", "A", "unknown", "F", "M-3", "M-1"};
    std::vector<std::string> progress;
    RunOptions options;
    options.progress = [&](const RunProgress& p) {
        progress.push_back(std::string(p.typeCode) + ":" + std::string(p.sizeName) + ":" +
                           std::to_string(p.step) + "/" + std::to_string(p.stepsOfType));
    };
    const CalculationOutcome out = Calculate(folder, *files, liquidDuty(), selected, options);
    EXPECT_FALSE(out.noTypes);
    EXPECT_EQ(out.vaporConnection, "");
    // "A" exists in M and PF30 and is rated as a size of M; GT is not rated for a liquid duty.
    EXPECT_EQ(names(out.results), (std::vector<std::string>{"A@M.dat/1", "M-3@M.dat/1", "M-1@M.dat/1",
                                                            "F@PF20.dat/0", "P@PF30.dat/0"}));
    EXPECT_EQ(progress,
              (std::vector<std::string>{"M:A:1/3", "M:M-3:2/3", "M:M-1:3/3", "PF20:F:1/1", "PF30:P:1/1"}));
    for (const auto& r : out.results)
        EXPECT_TRUE(allFinite(r));
    EXPECT_EQ(out.results[0].Area, 4);

    // Reading every record and property row from the files gives the very same figures.
    RunOptions scans;
    scans.fileScans = true;
    expectIdentical(Calculate(folder, *files, liquidDuty(), selected, scans).results, out.results);

    // Hot liquid missing from the working copy: no results; only GT selected: no type to rate.
    Duty unknown = liquidDuty();
    unknown.hotFluid = "Glycol";
    EXPECT_TRUE(Calculate(folder, *files, unknown, selected).results.empty());
    EXPECT_TRUE(Calculate(folder, *files, liquidDuty(), {"G"}).noTypes);
}

TEST_F(RunFolder, CondensingRunKeepsGtAndPf30)
{
    const std::vector<std::string> selected{"P", "G", "A", "F"};
    const CalculationOutcome out = Calculate(folder, *files, condensingDuty(), selected);
    // M and PF20 are not condensers; GT and PF30 are.
    EXPECT_EQ(names(out.results), (std::vector<std::string>{"G@GT.dat/1", "P@PF30.dat/0"}));
    EXPECT_EQ(out.vaporConnection, "DN32"); // 0.04545 m3/s: 114 m/s in DN20, 75 in DN25, 43 in DN32
    for (const auto& r : out.results) {
        EXPECT_TRUE(allFinite(r));
        EXPECT_LT(r.Oversize, 100);
        EXPECT_GT(r.VapVelConHS, 0);
    }
    RunOptions scans;
    scans.fileScans = true;
    expectIdentical(Calculate(folder, *files, condensingDuty(), selected, scans).results, out.results);

    // A vapor without condensate, or without critical pressure, cannot be rated.
    for (const char* vapor : {"No condensate", "No critical pressure", "Unknown"}) {
        Duty d = condensingDuty();
        d.hotFluid = vapor;
        EXPECT_TRUE(Calculate(folder, *files, d, selected).results.empty()) << vapor;
    }
}

TEST_F(RunFolder, WorkingCopiesFollowTheChosenFluids)
{
    // Masters: the working copies of the fixture become the delivered files.
    for (auto [tmp, dat] : {std::pair{kLiquidsTmp, kLiquidsDat}, std::pair{kPropLiquidsTmp, kPropLiquidsDat},
                            std::pair{kVaporsTmp, kVaporsDat}, std::pair{kPropVaporsTmp, kPropVaporsDat}})
        fs::rename(files->pathOf(tmp), files->pathOf(dat));

    EXPECT_TRUE(PrepareWorkingCopies(*files, liquidDuty()).empty());
    EXPECT_EQ(files->LiquidNames(kLiquidsTmp), (TTableS{"Hot water", "Cold water"}));

    // Condensing: the cold liquid, then the vapor with its condensate joining the liquids.
    EXPECT_TRUE(PrepareWorkingCopies(*files, condensingDuty()).empty());
    EXPECT_EQ(files->LiquidNames(kLiquidsTmp), (TTableS{"Cold water", "Condensate"}));
    EXPECT_EQ(files->VaporNames(kVaporsTmp), (TTableS{"Steam"}));
    const std::vector<std::string> selected{"P", "G"};
    EXPECT_EQ(Calculate(folder, *files, condensingDuty(), selected).results.size(), 2u);

    Duty missing = condensingDuty();
    missing.hotFluid = "No condensate";
    EXPECT_EQ(PrepareWorkingCopies(*files, missing).size(), 1u);
    missing.hotFluid = "Unknown";
    EXPECT_EQ(PrepareWorkingCopies(*files, missing).size(), 1u);
    EXPECT_TRUE(files->VaporNames(kVaporsTmp).empty());
}

TEST(ResultSort, StableExchangeSortKeepsTiesInRatingOrder)
{
    std::vector<TResultTypeB> results(5);
    const long double oversize[] = {10, 30, 10, 20, 30};
    const long double area[] = {5, 4, 3, 2, 1};
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i].SizeName = "S" + std::to_string(i);
        results[i].Oversize = oversize[i];
        results[i].Area = area[i];
        results[i].OHTCClean = 100;
        results[i].OHTCFouled = static_cast<long double>(i);
    }
    using Order = std::vector<std::size_t>;
    EXPECT_EQ(SortResults(results, 5, SortKey::Oversize, false), (Order{1, 4, 3, 0, 2}));
    EXPECT_EQ(SortResults(results, 5, SortKey::Oversize, true), (Order{0, 2, 3, 1, 4}));
    EXPECT_EQ(SortResults(results, 5, SortKey::Area, true), (Order{4, 3, 2, 1, 0}));
    EXPECT_EQ(SortResults(results, 5, SortKey::Clean, false), (Order{0, 1, 2, 3, 4}));
    EXPECT_EQ(SortResults(results, 5, SortKey::Fouled, false), (Order{4, 3, 2, 1, 0}));
    EXPECT_EQ(SortResults(results, 3, SortKey::Oversize, true), (Order{0, 2, 1}));

    const std::vector<std::string> lines{"B", "A", "B", "C"};
    EXPECT_EQ(lineToSelect(lines, "B"), 2u);
    EXPECT_EQ(lineToSelect(lines, "Z"), 0u);
}

TEST(ResultSort, DoubleClickDisplayIsUnrated)
{
    TypeLists names;
    names[typeIndex("RUV")] = {"R 1"};
    names[typeIndex("PF30")] = {"R 1", "P"};
    const TResultTypeB r = UnratedDisplay("R 1", 0.2L, names);
    EXPECT_EQ(r.TypeFile, "RUV.dat");
    EXPECT_EQ(r.FoulingFactor, 0.2L);
    EXPECT_EQ(r.Tubular, 1);
    EXPECT_EQ(r.Area, 0);
    EXPECT_EQ(UnratedDisplay("nowhere", 0, names).TypeFile, "");
}

} // namespace
} // namespace velor
