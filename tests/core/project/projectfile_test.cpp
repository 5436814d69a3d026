// Project file record: byte fixtures of both layouts, round trip, file handling and the rule for
// saving without a result.
#include "app/projectfile.h"
#include "base/recordfile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

// Offsets of the current layout, written out here independently of the codec under test.
struct TextAt
{
    std::size_t offset;
    std::string TProjectFileRec::*member;
};
const TextAt kTexts[] = {
    {8, &TProjectFileRec::ProjectName},
    {109, &TProjectFileRec::CalcNo},
    {210, &TProjectFileRec::PreparedBy},
    {311, &TProjectFileRec::CustomerName},
    {412, &TProjectFileRec::Description},
    {513, &TProjectFileRec::Street},
    {614, &TProjectFileRec::Zip},
    {715, &TProjectFileRec::City},
    {816, &TProjectFileRec::State},
    {917, &TProjectFileRec::Country},
    {1018, &TProjectFileRec::Phone},
    {1119, &TProjectFileRec::Fax},
    {1220, &TProjectFileRec::Email},
    {1321, &TProjectFileRec::HomePage},
    {1523, &TProjectFileRec::ContactLastName},
    {1624, &TProjectFileRec::ContactFirstName},
    {1725, &TProjectFileRec::ContactPhone},
    {1826, &TProjectFileRec::ContactMobile},
    {1927, &TProjectFileRec::ContactEmail},
    {2028, &TProjectFileRec::FluidHS},
    {2129, &TProjectFileRec::FluidCS},
    {2526, &TProjectFileRec::SizeName},
    {2627, &TProjectFileRec::SideHS},
    {2728, &TProjectFileRec::SideCS},
    {2829, &TProjectFileRec::TypeFile},
};
struct RealAt
{
    std::size_t offset;
    long double TProjectFileRec::*member;
};
const RealAt kReals[] = {
    {2230, &TProjectFileRec::HeatLoad},        {2240, &TProjectFileRec::UnitsInSeries},
    {2250, &TProjectFileRec::UnitsInParallel}, {2260, &TProjectFileRec::MinOversizing},
    {2270, &TProjectFileRec::FoulingFactor},   {2280, &TProjectFileRec::ResultFoulingFactor},
    {2290, &TProjectFileRec::PressureHS},      {2300, &TProjectFileRec::TempInHS},
    {2310, &TProjectFileRec::MassFlowHS},      {2320, &TProjectFileRec::VolFlowInHS},
    {2330, &TProjectFileRec::TempOutHS},       {2340, &TProjectFileRec::VolFlowOutHS},
    {2350, &TProjectFileRec::PressDropMinHS},  {2360, &TProjectFileRec::PressDropMaxHS},
    {2370, &TProjectFileRec::PressureCS},      {2380, &TProjectFileRec::TempInCS},
    {2390, &TProjectFileRec::MassFlowCS},      {2400, &TProjectFileRec::VolFlowInCS},
    {2410, &TProjectFileRec::TempOutCS},       {2420, &TProjectFileRec::VolFlowOutCS},
    {2430, &TProjectFileRec::PressDropMinCS},  {2440, &TProjectFileRec::PressDropMaxCS},
};
struct ResultAt
{
    std::size_t offset;
    long double ProjectResultValues::*member;
};
const ResultAt kResults[] = {
    {3031, &ProjectResultValues::Area},        {3041, &ProjectResultValues::LMTD},
    {3051, &ProjectResultValues::OHTCClean},   {3061, &ProjectResultValues::OHTCFouled},
    {3071, &ProjectResultValues::Oversize},    {3081, &ProjectResultValues::PressDropHS},
    {3091, &ProjectResultValues::PressDropCS}, {3101, &ProjectResultValues::AlphaHS},
    {3111, &ProjectResultValues::AlphaCS},     {3121, &ProjectResultValues::ReynoldsHS},
    {3131, &ProjectResultValues::ReynoldsCS},  {3141, &ProjectResultValues::PrandtlHS},
    {3151, &ProjectResultValues::PrandtlCS},   {3161, &ProjectResultValues::NusseltHS},
    {3171, &ProjectResultValues::NusseltCS},   {3181, &ProjectResultValues::InVelConHS},
    {3191, &ProjectResultValues::OutVelConHS}, {3201, &ProjectResultValues::VelTubeSpHS},
    {3211, &ProjectResultValues::InVelConCS},  {3221, &ProjectResultValues::OutVelConCS},
    {3231, &ProjectResultValues::VelTubeSpCS}, {3241, &ProjectResultValues::NTUHS},
    {3251, &ProjectResultValues::NTUCS},
};
struct IntAt
{
    std::size_t offset;
    std::int32_t TProjectFileRec::*member;
};
const IntAt kInts[] = {
    {2450, &TProjectFileRec::UnitHeatLoad},
    {2454, &TProjectFileRec::UnitFoulingInput},
    {2458, &TProjectFileRec::UnitFoulingResult},
    {2462, &TProjectFileRec::UnitPressureHS},
    {2466, &TProjectFileRec::UnitTempInHS},
    {2470, &TProjectFileRec::UnitMassFlowHS},
    {2474, &TProjectFileRec::UnitVolFlowInHS},
    {2478, &TProjectFileRec::UnitTempOutHS},
    {2482, &TProjectFileRec::UnitVolFlowOutHS},
    {2486, &TProjectFileRec::UnitPressDropMinHS},
    {2490, &TProjectFileRec::UnitPressDropMaxHS},
    {2494, &TProjectFileRec::UnitPressureCS},
    {2498, &TProjectFileRec::UnitTempInCS},
    {2502, &TProjectFileRec::UnitMassFlowCS},
    {2506, &TProjectFileRec::UnitVolFlowInCS},
    {2510, &TProjectFileRec::UnitTempOutCS},
    {2514, &TProjectFileRec::UnitVolFlowOutCS},
    {2518, &TProjectFileRec::UnitPressDropMinCS},
    {2522, &TProjectFileRec::UnitPressDropMaxCS},
    {3263, &TProjectFileRec::KindHS},
    {3267, &TProjectFileRec::KindCS},
};

/// Offset of a current-layout field in the earlier layout.
std::size_t earlier(std::size_t offset)
{
    return offset >= 3031 ? offset - 101 : offset;
}

void putText(Bytes& b, std::size_t at, const std::string& latin1)
{
    b[at] = static_cast<std::uint8_t>(latin1.size());
    for (std::size_t i = 0; i < latin1.size(); ++i)
        b[at + 1 + i] = static_cast<std::uint8_t>(latin1[i]);
}

std::string textFor(std::size_t offset)
{
    return "t" + std::to_string(offset);
}
long double realFor(std::size_t offset)
{
    return static_cast<long double>(offset) / 8.0L - 100.0L;
}
std::int32_t intFor(std::size_t offset)
{
    return static_cast<std::int32_t>(offset) - 3000;
}

/// A record file with a distinct value in every field, laid out by hand.
Bytes fixture(ProjectLayout layout)
{
    const bool current = layout == ProjectLayout::Current;
    auto at = [&](std::size_t offset) { return current ? offset : earlier(offset); };
    Bytes b(current ? 3472 : 3371, 0);
    putDouble(&b[0], 46000.75);
    for (const auto& f : kTexts)
        putText(b, at(f.offset), textFor(f.offset));
    for (const auto& f : kReals)
        putExtended(&b[at(f.offset)], realFor(f.offset));
    for (const auto& f : kResults)
        putExtended(&b[at(f.offset)], realFor(f.offset));
    for (const auto& f : kInts)
        putInt32(&b[at(f.offset)], intFor(f.offset));
    if (current)
        putText(b, 2930, "EGT-01");
    b[at(3261)] = 1;
    b[at(3262)] = 0;                                      // a plate result
    putText(b, at(3271), std::string(150, 'n') + "\xE9"); // beyond 100 characters, one of them not ASCII
    return b;
}

void expectFixtureValues(const TProjectFileRec& rec, ProjectLayout layout)
{
    EXPECT_EQ(rec.Date, 46000.75);
    for (const auto& f : kTexts)
        EXPECT_EQ(rec.*f.member, textFor(f.offset)) << "text at " << f.offset;
    for (const auto& f : kReals)
        EXPECT_EQ(rec.*f.member, realFor(f.offset)) << "real at " << f.offset;
    for (const auto& f : kResults)
        EXPECT_EQ(rec.Result.*f.member, realFor(f.offset)) << "result at " << f.offset;
    for (const auto& f : kInts)
        EXPECT_EQ(rec.*f.member, intFor(f.offset)) << "int at " << f.offset;
    EXPECT_EQ(rec.TechDataName, layout == ProjectLayout::Current ? "EGT-01" : "");
    EXPECT_EQ(rec.Tubular, 0);
    EXPECT_EQ(rec.CondenserNote, std::string(150, 'n') + "\xC3\xA9");
}

TEST(ProjectRecord, BothLayoutsDecodeFromHandBuiltBytes)
{
    for (ProjectLayout layout : {ProjectLayout::Current, ProjectLayout::Earlier}) {
        SCOPED_TRACE(layout == ProjectLayout::Current ? "current" : "earlier");
        Bytes bytes = fixture(layout);
        // The reserved field is never read.
        putText(bytes, 1422, "junk");
        const auto contents = decodeProjectFile(bytes, kCp);
        ASSERT_TRUE(contents) << contents.error().message;
        EXPECT_EQ(contents->layout, layout);
        expectFixtureValues(contents->record, layout);
    }
}

TEST(ProjectRecord, EncoderWritesTheCurrentLayoutByteForByte)
{
    const Bytes bytes = fixture(ProjectLayout::Current);
    const auto rec = decodeProjectRecord(bytes, ProjectLayout::Current, kCp);
    ASSERT_TRUE(rec);
    EXPECT_EQ(encodeProjectRecord(*rec, kCp), bytes);

    // An earlier-layout file is written back in the current layout with the same values.
    const auto old = decodeProjectRecord(fixture(ProjectLayout::Earlier), ProjectLayout::Earlier, kCp);
    ASSERT_TRUE(old);
    const auto again = decodeProjectRecord(encodeProjectRecord(*old, kCp), ProjectLayout::Current, kCp);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *old);
}

TEST(ProjectRecord, RoundTripKeepsExtendedPrecisionAndCutsLongTexts)
{
    TProjectFileRec rec;
    rec.Date = 46366.5;
    rec.ProjectName = "Zakład Północ"; // needs Windows-1250
    rec.HeatLoad = 1.0L / 3.0L;
    rec.Result.NTUCS = -2.0e-300L;
    rec.UnitPressDropMaxCS = -7;
    rec.KindHS = kSideVaporCondenser;
    rec.Tubular = 1;
    rec.CondenserNote = std::string(250, 'x');
    const auto back = decodeProjectRecord(encodeProjectRecord(rec, CodePage::Windows1250),
                                          ProjectLayout::Current, CodePage::Windows1250);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->CondenserNote, std::string(200, 'x'));
    rec.CondenserNote.resize(200);
    EXPECT_EQ(*back, rec);
}

TEST(ProjectRecord, LayoutIsChosenBySize)
{
    struct Case
    {
        std::size_t size;
        std::optional<ProjectLayout> layout;
    };
    const Case cases[] = {
        {0, std::nullopt},
        {3370, std::nullopt},
        {3371, ProjectLayout::Earlier},
        {3471, ProjectLayout::Earlier},
        {3472, ProjectLayout::Current},
        {5000, ProjectLayout::Current},
    };
    for (const Case& c : cases) {
        const auto contents = decodeProjectFile(Bytes(c.size, 0), kCp);
        EXPECT_EQ(contents.ok(), c.layout.has_value()) << c.size;
        if (contents && c.layout) {
            EXPECT_EQ(contents->layout, *c.layout) << c.size;
        }
    }
}

TEST(ProjectRecord, SavingWithoutResultKeepsOnlyProjectUnitsKindsAndCounts)
{
    auto full = decodeProjectRecord(fixture(ProjectLayout::Current), ProjectLayout::Current, kCp);
    ASSERT_TRUE(full);
    const TProjectFileRec bare = withoutResult(*full);

    TProjectFileRec expected;
    expected.Date = full->Date;
    for (const auto& f : kTexts)
        if (f.offset < 2028) // project, customer and contact texts
            expected.*f.member = (*full).*f.member;
    for (const auto& f : kInts)
        expected.*f.member = (*full).*f.member;
    expected.UnitsInSeries = full->UnitsInSeries;
    expected.UnitsInParallel = full->UnitsInParallel;
    expected.MinOversizing = full->MinOversizing;
    expected.Tubular = 1;
    EXPECT_EQ(bare, expected);
    EXPECT_EQ(encodeProjectRecord(bare, kCp)[3262], 1);
    EXPECT_EQ(encodeProjectRecord(bare, kCp)[3261], 1);
}

class ProjectFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("velor-project-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        detail::setReplaceFailureForTesting(false);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

TEST_F(ProjectFileTest, SaveThenLoadAndReadTheEarlierLayoutFromDisk)
{
    auto rec = decodeProjectRecord(fixture(ProjectLayout::Current), ProjectLayout::Current, kCp);
    ASSERT_TRUE(rec);
    const auto path = dir / "Plant.dca";
    ASSERT_TRUE(saveProjectFile(path, *rec, kCp));
    EXPECT_EQ(std::filesystem::file_size(path), 3472u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Plant.dca.new"));
    auto loaded = loadProjectFile(path, kCp);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->record, *rec);

    // A second save replaces the file rather than appending to it.
    rec->ProjectName = "second";
    ASSERT_TRUE(saveProjectFile(path, *rec, kCp));
    EXPECT_EQ(std::filesystem::file_size(path), 3472u);
    EXPECT_EQ(loadProjectFile(path, kCp)->record.ProjectName, "second");

    const auto oldPath = dir / "Old.dca";
    ASSERT_TRUE(replaceFile(oldPath, fixture(ProjectLayout::Earlier)));
    loaded = loadProjectFile(oldPath, kCp);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->layout, ProjectLayout::Earlier);
    expectFixtureValues(loaded->record, ProjectLayout::Earlier);
}

TEST_F(ProjectFileTest, FailuresAreReportedAndLeaveFilesAlone)
{
    EXPECT_FALSE(loadProjectFile(dir / "missing.dca", kCp));
    ASSERT_TRUE(replaceFile(dir / "short.dca", Bytes(3370, 0)));
    const auto shortFile = loadProjectFile(dir / "short.dca", kCp);
    ASSERT_FALSE(shortFile);
    EXPECT_NE(shortFile.error().message.find("short.dca"), std::string::npos);

    EXPECT_FALSE(saveProjectFile(dir / "no-such-folder" / "p.dca", TProjectFileRec{}, kCp));

    const auto path = dir / "keep.dca";
    TProjectFileRec rec;
    rec.ProjectName = "kept";
    ASSERT_TRUE(saveProjectFile(path, rec, kCp));
    detail::setReplaceFailureForTesting(true);
    rec.ProjectName = "lost";
    EXPECT_FALSE(saveProjectFile(path, rec, kCp));
    detail::setReplaceFailureForTesting(false);
    EXPECT_EQ(loadProjectFile(path, kCp)->record.ProjectName, "kept");

    // A read-only project is not replaced behind the user's back.
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(saveProjectFile(path, rec, kCp));
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(loadProjectFile(path, kCp)->record.ProjectName, "kept");
}

TEST(ProjectRecordHelpers, NoteDesignationAndSidePlacement)
{
    EXPECT_EQ(condenserNote("Vapour connection", "DN 100"), "Vapour connection DN 100.");
    EXPECT_EQ(condenserNote("", "DN 100"), "");
    EXPECT_EQ(condenserNote("Vapour connection", ""), "");

    struct DesignationCase
    {
        const char* text;
        const char* designation;
    };
    const DesignationCase designations[] = {
        {"M 10.1000-2.A (01.0001.01)", "01.0001.01"}, // the whole ten-character catalogue number
        {"Coil (T-12)", "T-12"},
        {"Name (with note) (12.0034.02)", "12.0034.02"},
        {"cut (01.0001", "01.0001"},
        {"no bracket", ""},
        {"", ""},
        {"x(ŻÓŁĆ)", "ŻÓŁĆ"},
    };
    for (const auto& c : designations)
        EXPECT_EQ(techDataDesignation(c.text), c.designation) << c.text;

    struct SideCase
    {
        const char* hot;
        const char* cold;
        std::optional<bool> hotInTubes;
    };
    const SideCase sides[] = {
        {"Tubes", "Shell", true},     {"Shell", "Tubes", false}, {"Tubes", "Tubes", true},
        {"", "Shell", true},          {"Shell", "", false},      {"", "", std::nullopt},
        {"tubes", "x", std::nullopt},
    };
    for (const auto& c : sides)
        EXPECT_EQ(hotSideInTubes(c.hot, c.cold), c.hotInTubes) << c.hot << "/" << c.cold;
}

} // namespace
} // namespace velor
