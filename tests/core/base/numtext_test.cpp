// Number text: formatting, 15-digit text equality and parsing of typed numbers.
#include "base/numtext.h"

#include <gtest/gtest.h>

namespace velor {
namespace {

TEST(NumText, FormatsFixed)
{
    EXPECT_EQ(formatFixed(12.345L, 1), "12.3");
    EXPECT_EQ(formatFixed(20.0L, 2, ','), "20,00");
    EXPECT_EQ(formatFixed(-0.001L, 2), "0.00");
    EXPECT_EQ(formatFixed(-10000000000.0L, 0), "-10000000000");
    EXPECT_EQ(formatFixed(2.5L, -3), "2");
}

TEST(NumText, GeneralFormAndTextEquality)
{
    EXPECT_EQ(formatGeneral(5), "5");
    EXPECT_EQ(formatGeneral(101.325L), "101.325");
    EXPECT_EQ(formatGeneral(1e20L), "1E20");
    EXPECT_EQ(formatGeneral(1.5e-7L), "1.5E-7");
    EXPECT_EQ(formatGeneral(0.05L, 15, ','), "0,05");
    const long double viaUnits = 1.01325L * 100000.0L / 1000.0L; // 101.325 computed, last bits differ
    EXPECT_TRUE(equalAsText(viaUnits, 101.325L));
    EXPECT_FALSE(equalAsText(101.325L, 101.3251L));
}

TEST(NumText, ParsesTypedNumbers)
{
    struct Case
    {
        const char* text;
        char separator;
        std::optional<long double> expected;
    };
    const Case cases[] = {
        {"12.5", '.', 12.5L},        {"12,5", ',', 12.5L},         {" -3 ", '.', -3.0L},
        {"+7", '.', 7.0L},           {"1E3", '.', 1000.0L},        {"2,5e-1", ',', 0.25L},
        {".5", '.', 0.5L},           {"12.5", ',', std::nullopt},  {"", '.', std::nullopt},
        {"-", '.', std::nullopt},    {"1e", '.', std::nullopt},    {"abc", '.', std::nullopt},
        {"inf", '.', std::nullopt},  {"nan", '.', std::nullopt},   {"1e99999", '.', std::nullopt},
        {"0x10", '.', std::nullopt}, {"1.2.3", '.', std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseNumber(c.text, c.separator), c.expected) << '"' << c.text << '"';
}

} // namespace
} // namespace velor
