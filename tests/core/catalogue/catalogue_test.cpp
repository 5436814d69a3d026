// Catalogue files: the type list, size lookups, variant names, connection choice and technical data.
#include "base/recordfile.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"

#include <fstream>
#include <gtest/gtest.h>
#include <limits>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

class CatalogueFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path() /
               ("velor-catalogue-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        folder = ProgramFolder(root);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    static TSizeRecord size(std::int32_t id, std::string name, long double area)
    {
        TSizeRecord r;
        r.Id = id;
        r.Name = std::move(name);
        r.Values.fill(1);
        r.value(SizeValue::AreaUnit) = area;
        return r;
    }

    static THERec he(std::string name, long double maxTempHot, bool standard = false)
    {
        THERec r;
        r.Name = std::move(name);
        r.MaxTempHot = maxTempHot;
        r.MaxTempCold = 150;
        r.MinTempHot = -10;
        r.MinTempCold = -10;
        r.MaxPressHot = 16;
        r.MaxPressCold = 16;
        r.Standard = standard;
        return r;
    }

    static std::vector<std::string> names(const THERecList& list)
    {
        std::vector<std::string> n;
        for (const THERec& r : list)
            n.push_back(r.Name);
        return n;
    }

    void appendGarbage(const std::filesystem::path& path, std::size_t count)
    {
        ASSERT_TRUE(appendToFile(path, Bytes(count, 0xAB)));
    }

    std::filesystem::path root;
    ProgramFolder folder;
};

TEST(ExchangerTypesTest, TableOrderFilesFamiliesAndNodes)
{
    const auto types = exchangerTypes();
    ASSERT_EQ(types.size(), static_cast<std::size_t>(kExchangerTypeCount));
    EXPECT_EQ(types.front().code, "M");
    EXPECT_EQ(types.back().code, "PH150-2");
    // PG55 and PG55-2 follow PH90-2 in the fixed order.
    EXPECT_EQ(exchangerTypeIndex("PH90-2"), 25);
    EXPECT_EQ(exchangerTypeIndex("PG55"), 26);
    EXPECT_EQ(exchangerTypeIndex("PG55-2"), 27);
    EXPECT_EQ(exchangerTypeIndex("RUV D"), 9);
    EXPECT_FALSE(exchangerTypeIndex("RUVD").has_value());

    int withoutNode = 0;
    for (const ExchangerType& t : types) {
        EXPECT_EQ(t.file, catalogueFileName(t.code)) << t.code;
        EXPECT_EQ(findExchangerType(t.code), &t);
        EXPECT_EQ(findExchangerTypeByFile(t.file), &t);
        const bool plate = t.family == ExchangerFamily::Plate || t.family == ExchangerFamily::BrazedPlate;
        EXPECT_EQ(tubularFlag(t), plate ? 0 : 1) << t.code;
        withoutNode += t.inTree ? 0 : 1;
    }
    EXPECT_EQ(withoutNode, 4);
    for (std::string_view hidden : {"GT", "GV", "E12", "E57"})
        EXPECT_FALSE(findExchangerType(hidden)->inTree) << hidden;
    EXPECT_EQ(findExchangerType("RUV WD")->file, "RUVWD.dat");
    EXPECT_EQ(findExchangerType("E12")->family, ExchangerFamily::Plate);
    EXPECT_EQ(findExchangerType("GT")->family, ExchangerFamily::ShellAndTube);
    EXPECT_EQ(findExchangerType("TWD")->family, ExchangerFamily::ShellAndCoil);
}

TEST_F(CatalogueFiles, DuplicateNamesTrailingBytesAndMissingFiles)
{
    ASSERT_TRUE(writeTypeFile(
        folder, "T.dat", {size(1, "T 16.480", 0.4L), size(2, "T 16.480", 9), size(3, "T 21.480", 1)}, kCp));
    appendGarbage(typeFilePath(folder, "T.dat"), kSizeRecordSize - 1);

    EXPECT_EQ(SizeNames(folder, "T.dat", kCp),
              (std::vector<std::string>{"T 16.480", "T 16.480", "T 21.480"}));
    const TSizeRecord first = ReadSize(folder, "T.dat", "T 16.480", kCp);
    EXPECT_EQ(first.Id, 1);
    EXPECT_EQ(first.AreaUnit(), 0.4L);
    EXPECT_EQ(ReadSize(folder, "T.dat", "T 21.480", kCp).Id, 3);

    for (const auto& [file, name] :
         {std::pair{"T.dat", "t 16.480"}, std::pair{"T.dat", "T 16.48"}, std::pair{"TD.dat", "T 16.480"}}) {
        const TSizeRecord none = ReadSize(folder, file, name, kCp);
        EXPECT_EQ(none.Id, -1) << file << " " << name;
        for (long double v : none.Values)
            EXPECT_EQ(v, 0);
    }
    EXPECT_TRUE(SizeNames(folder, "TD.dat", kCp).empty());

    // A file shorter than one record holds no size.
    appendGarbage(typeFilePath(folder, "TW.dat"), 100);
    EXPECT_TRUE(SizeNames(folder, "TW.dat", kCp).empty());
    EXPECT_EQ(ReadSize(folder, "TW.dat", "", kCp).Id, -1);
}

// A name held by two type files belongs to the first of them in the fixed type order.
TEST_F(CatalogueFiles, SizeTypeIsTheFirstTypeInFixedOrder)
{
    ASSERT_TRUE(writeTypeFile(folder, "PG55.dat", {size(1, "X-20", 1), size(2, "PG55-20", 1)}, kCp));
    ASSERT_TRUE(writeTypeFile(folder, "PH90-2.dat", {size(1, "X-20", 2)}, kCp));
    ASSERT_TRUE(writeTypeFile(folder, "PH150.dat", {size(1, "X-20", 3)}, kCp));
    EXPECT_EQ(findSizeType(folder, "X-20", kCp), findExchangerType("PH90-2"));
    EXPECT_EQ(findSizeType(folder, "PG55-20", kCp), findExchangerType("PG55"));
    EXPECT_EQ(findSizeType(folder, "Y-20", kCp), nullptr);
}

TEST(VariantNamesTest, VariantLetterAndBelonging)
{
    for (const auto& [text, letter] : std::vector<std::pair<std::string, bool>>{{"A", true},
                                                                                {"Z", true},
                                                                                {"a", false},
                                                                                {"", false},
                                                                                {"AB", false},
                                                                                {"@", false},
                                                                                {"[", false},
                                                                                {"1", false},
                                                                                {"\xC4", false}})
        EXPECT_EQ(IsVariantLetter(text), letter) << text;

    struct Case
    {
        std::string record;
        std::string size;
        bool belongs;
    };
    const Case cases[] = {
        {"N 10", "N 10", true},     {"N 10.A", "N 10", true},   {"N 10.a", "N 10", false},
        {"N 10-2", "N 10", false},  {"N 10.", "N 10", false},   {"N 10.AB", "N 10", true},
        {"N 10.A.x", "N 10", true}, {"N 100.A", "N 10", false}, {"N 1", "N 10", false},
        {"n 10.A", "N 10", false},  {"N 10..A", "N 10", false}, {"PG40-2-60", "PG40-2", false},
        {"", "N 10", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(belongsToSize(c.record, c.size), c.belongs)
            << '"' << c.record << "\" to \"" << c.size << '"';
}

TEST_F(CatalogueFiles, ConnectionForFlowTakesTheFirstDiameterWithinSixtyMetresPerSecond)
{
    EXPECT_EQ(ConnectionForFlow(folder, 0.01L, kCp), ""); // no table
    const long double a10 = 1.504396e-04L, a15 = 2.291214e-04L, a20 = 3.969013e-04L;
    ASSERT_TRUE(writeDiameters(
        folder, {{1, "DN10", a10}, {2, "broken", 0}, {3, "DN15", a15}, {4, "DN20", a20}}, kCp));
    appendGarbage(diametersPath(folder), 64);

    const TDiamP table = ReadDiameters(folder, kCp);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[3], (std::pair<std::string, long double>{"DN20", a20}));

    const struct
    {
        long double flow; // m3/s
        const char* expected;
    } cases[] = {
        {0, "DN10"},
        {60 * a10, "DN10"}, // exactly 60 m/s qualifies
        {60 * a10 * (1 + 1e-12L), "DN15"},
        {60 * a20, "DN20"},
        {60 * a20 * (1 + 1e-12L), ""}, // beyond the largest connection
        {std::numeric_limits<long double>::quiet_NaN(), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConnectionForFlow(folder, c.flow, kCp), c.expected) << static_cast<double>(c.flow);
}

TEST(LimitsTest, EveryLimitIsInclusiveAndRefusesBeyond)
{
    TParamRec l{"X", 150, 110, -10, -5, 16, 10};
    const LimitDuty edge{150, -10, -5, 110, 16, 10}; // every value on its limit
    EXPECT_TRUE(limitsAdmit(l, edge));
    const std::function<void(LimitDuty&)> beyond[] = {
        [](LimitDuty& d) { d.tHotIn += 0.01L; },
        [](LimitDuty& d) { d.tHotOut -= 0.01L; },
        [](LimitDuty& d) { d.tColdIn -= 0.01L; },
        [](LimitDuty& d) { d.tColdOut += 0.01L; },
        [](LimitDuty& d) { d.pHotBar += 0.01L; },
        [](LimitDuty& d) { d.pColdBar += 0.01L; },
        [](LimitDuty& d) { d.tHotIn = std::numeric_limits<long double>::quiet_NaN(); },
    };
    for (std::size_t i = 0; i < std::size(beyond); ++i) {
        LimitDuty d = edge;
        beyond[i](d);
        EXPECT_FALSE(limitsAdmit(l, d)) << "case " << i;
    }
}

TEST_F(CatalogueFiles, TechnicalDataByDutyVariantAndStandard)
{
    EXPECT_TRUE(TechDataVariants(folder, "N", kCp).empty());
    EXPECT_TRUE(TechDataForDuty(folder, "", 100, 50, 10, 40, 5, 5, kCp).empty());

    ASSERT_TRUE(writeTechData(folder,
                              {he("N.A", 150, true), he("N.a", 150, true), he("N-2", 150), he("N.", 150),
                               he("N.B", 90), he("N", 200), he("NX.A", 150, true), he("N.CD", 150, true)},
                              kCp));
    appendGarbage(techDataPath(folder), kHERecSize - 2);

    EXPECT_EQ(names(TechDataVariants(folder, "N", kCp)),
              (std::vector<std::string>{"N.A", "N.B", "N", "N.CD"}));
    EXPECT_EQ(names(StandardTechData(folder, "N", kCp)), (std::vector<std::string>{"N.A", "N.CD"}));
    EXPECT_EQ(names(TechDataForDuty(folder, "N", 100, 50, 10, 40, 5, 5, kCp)),
              (std::vector<std::string>{"N.A", "N", "N.CD"}));
    EXPECT_EQ(names(TechDataForDuty(folder, "N", 180, 50, 10, 40, 5, 5, kCp)),
              (std::vector<std::string>{"N"}));
    // An empty size name filters every record by its limits alone.
    EXPECT_EQ(names(TechDataForDuty(folder, "", 100, 50, 10, 40, 5, 5, kCp)),
              (std::vector<std::string>{"N.A", "N.a", "N-2", "N.", "N", "NX.A", "N.CD"}));
    EXPECT_TRUE(TechDataForDuty(folder, "N", 100, 50, 10, 40, 17, 5, kCp).empty());
}

TEST_F(CatalogueFiles, WorkingLimitsAndWritersUseTheProgramFolders)
{
    EXPECT_TRUE(ReadWorkingLimits(folder, kCp).empty());
    ASSERT_TRUE(writeWorkingLimits(
        folder, {{"M 10.1000-2.A", 180, 180, -10, -10, 10, 10}, {"M 10.1000-2.B", 1, 2, 3, 4, 5, 6}}, kCp));
    appendGarbage(workingLimitsPath(folder), 361);
    const TParamRecList limits = ReadWorkingLimits(folder, kCp);
    ASSERT_EQ(limits.size(), 2u);
    EXPECT_EQ(limits[1].Name, "M 10.1000-2.B");
    EXPECT_EQ(limits[1].MaxPressCold, 6);

    EXPECT_EQ(workingLimitsPath(folder), root / "HeatExch" / "ParamW.dat");
    EXPECT_EQ(diametersPath(folder), root / "HeatExch" / "DiameterP.dat");
    EXPECT_EQ(techDataPath(folder), root / "TechData" / "he.dat");
    ASSERT_TRUE(writeTypeFile(folder, "RUVD.dat", {size(1, "RUV D 26.480", 2)}, kCp));
    EXPECT_EQ(std::filesystem::file_size(root / "HeatExch" / "RUVD.dat"), kSizeRecordSize);
}

} // namespace
} // namespace velor
