// Shared helpers of the fluid tests: a fresh temporary fluids folder per test.
#pragma once

#include "base/binary.h"
#include "base/recordfile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace velor::test {

class FluidFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("velor-fluids-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        detail::setReplaceFailureForTesting(false);
        std::filesystem::remove_all(dir);
    }
    Bytes bytesOf(const char* file) const { return readWholeFile(dir / file).value_or(Bytes{}); }
    void writeBytes(const char* file, const Bytes& bytes) const
    {
        ASSERT_TRUE(replaceFile(dir / file, bytes));
    }

    std::filesystem::path dir;
};

} // namespace velor::test
