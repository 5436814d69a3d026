// Record-file reads and atomic replacement.
#include "base/recordfile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace velor {
namespace {

class RecordFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("velor-recordfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
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

TEST_F(RecordFileTest, TrailingPartialRecordIsIgnored)
{
    const auto path = dir / "r.dat";
    ASSERT_TRUE(replaceFile(path, Bytes{1, 2, 3, 4, 5, 6, 7}));
    const auto records = readRecords<int>(path, 3, [](const std::uint8_t* p) { return int(p[0]); });
    EXPECT_EQ(records, (std::vector<int>{1, 4}));
    EXPECT_TRUE(readRecords<int>(dir / "missing.dat", 3, [](const std::uint8_t*) { return 0; }).empty());
}

TEST_F(RecordFileTest, ReplaceAndAppend)
{
    const auto path = dir / "r.dat";
    ASSERT_TRUE(appendToFile(path, Bytes{1, 2}));
    ASSERT_TRUE(appendToFile(path, Bytes{3}));
    EXPECT_EQ(*readWholeFile(path), (Bytes{1, 2, 3}));
    ASSERT_TRUE(replaceFile(path, Bytes{9}));
    EXPECT_EQ(*readWholeFile(path), (Bytes{9}));
    EXPECT_FALSE(std::filesystem::exists(dir / "r.dat.new"));
}

TEST_F(RecordFileTest, FailedReplacementKeepsTheOriginal)
{
    const auto path = dir / "r.dat";
    ASSERT_TRUE(replaceFile(path, Bytes{1, 2, 3}));
    detail::setReplaceFailureForTesting(true);
    const Status s = replaceFile(path, Bytes{4}, dir / "Oldr.dat");
    EXPECT_FALSE(s);
    EXPECT_FALSE(s.error().message.empty());
    EXPECT_EQ(*readWholeFile(path), (Bytes{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Oldr.dat"));
}

TEST_F(RecordFileTest, UnwritableFolderIsAnError)
{
    EXPECT_FALSE(appendToFile(dir / "no" / "such" / "folder.dat", Bytes{1}));
    EXPECT_FALSE(replaceFile(dir / "no" / "such" / "folder.dat", Bytes{1}));
}

} // namespace
} // namespace velor
