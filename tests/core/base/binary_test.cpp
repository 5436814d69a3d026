// Round trips and byte-exact fixtures of the record field encodings.
#include "base/binary.h"
#include "base/codepage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace velor {
namespace {

std::array<std::uint8_t, 10> bytes(std::uint64_t significand, std::uint16_t signExp)
{
    std::array<std::uint8_t, 10> b{};
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    b[8] = static_cast<std::uint8_t>(signExp);
    b[9] = static_cast<std::uint8_t>(signExp >> 8);
    return b;
}

TEST(Extended, EncodesKnownValuesByteExactAndBack)
{
    struct Case
    {
        const char* name;
        long double value;
        std::uint64_t significand;
        std::uint16_t signExp;
    };
    const Case cases[] = {
        {"minus one million", -1000000.0L, 0xF424000000000000ULL, 0xC012},
        {"zero", 0.0L, 0, 0x0000},
        {"negative zero", -0.0L, 0, 0x8000},
        {"one", 1.0L, 0x8000000000000000ULL, 0x3FFF},
        {"minus one", -1.0L, 0x8000000000000000ULL, 0xBFFF},
        {"two", 2.0L, 0x8000000000000000ULL, 0x4000},
        {"one half", 0.5L, 0x8000000000000000ULL, 0x3FFE},
        {"three", 3.0L, 0xC000000000000000ULL, 0x4000},
        {"largest finite", std::numeric_limits<long double>::max(), 0xFFFFFFFFFFFFFFFFULL, 0x7FFE},
        {"smallest denormal", std::numeric_limits<long double>::denorm_min(), 1, 0x0000},
        {"plus infinity", std::numeric_limits<long double>::infinity(), 0x8000000000000000ULL, 0x7FFF},
        {"minus infinity", -std::numeric_limits<long double>::infinity(), 0x8000000000000000ULL, 0xFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encodeExtended(c.value), bytes(c.significand, c.signExp));
        const long double back = decodeExtended(bytes(c.significand, c.signExp).data());
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

TEST(Extended, RoundTripsOrdinaryValues)
{
    for (long double v : {101.325L, -273.15L, 1e-300L, 1e300L, 4.1868L, 0.45359237L, 1.0L / 3.0L, 6894.77L,
                          1e-4940L, -12345.678901234567L})
        EXPECT_EQ(decodeExtended(encodeExtended(v).data()), v) << static_cast<double>(v);
}

TEST(Extended, MatchesTheMachineLayoutWhereLongDoubleIsX87)
{
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        GTEST_SKIP() << "long double is not the x87 format here";
    } else {
        std::mt19937_64 rng(42);
        std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
        std::uniform_int_distribution<int> exponent(-16000, 16000);
        for (int i = 0; i < 2000; ++i) {
            const long double v = std::ldexp(static_cast<long double>(mantissa(rng)), exponent(rng));
            std::uint8_t raw[sizeof(long double)] = {};
            std::memcpy(raw, &v, sizeof v);
            const auto encoded = encodeExtended(v);
            ASSERT_TRUE(std::equal(encoded.begin(), encoded.end(), raw)) << static_cast<double>(v);
            ASSERT_EQ(decodeExtended(raw), v);
        }
    }
}

TEST(Extended, NanAndUnnormalsDecodeToNan)
{
    EXPECT_EQ(encodeExtended(std::numeric_limits<long double>::quiet_NaN()),
              bytes(0xC000000000000000ULL, 0xFFFF));
    EXPECT_TRUE(std::isnan(decodeExtended(bytes(0xC000000000000000ULL, 0xFFFF).data())));
    EXPECT_TRUE(std::isnan(decodeExtended(bytes(0x8000000000000001ULL, 0x7FFF).data()))); // signalling NaN
    EXPECT_TRUE(std::isnan(decodeExtended(bytes(0x4000000000000000ULL, 0x3FFF).data()))); // unnormal
}

TEST(Extended, DecodesRandomBytesWithoutFault)
{
    std::mt19937 rng(7);
    std::array<std::uint8_t, 10> b{};
    for (int i = 0; i < 20000; ++i) {
        for (auto& x : b)
            x = static_cast<std::uint8_t>(rng());
        const long double v = decodeExtended(b.data());
        if (std::isfinite(v)) { // every finite decoded value re-encodes to itself
            EXPECT_EQ(decodeExtended(encodeExtended(v).data()), v);
        }
    }
}

TEST(Integers, LittleEndian)
{
    std::uint8_t b[4];
    putInt32(b, -2);
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[3], 0xFF);
    EXPECT_EQ(getInt32(b), -2);
    putInt32(b, 0x12345678);
    EXPECT_EQ(b[0], 0x78);
    EXPECT_EQ(getInt32(b), 0x12345678);
    std::uint8_t d[8];
    putDouble(d, 45000.25);
    EXPECT_EQ(getDouble(d), 45000.25);
}

TEST(ShortString, WritesZeroFilledAndCuts)
{
    std::uint8_t field[6];
    std::memset(field, 0xAA, sizeof field);
    putShortString(field, 5, "Wa", CodePage::Windows1252);
    const std::uint8_t expected[] = {2, 'W', 'a', 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), field));
    putShortString(field, 5, "Saturated", CodePage::Windows1252);
    EXPECT_EQ(field[0], 5);
    EXPECT_EQ(getShortString(field, 5, CodePage::Windows1252), "Satur");
}

TEST(ShortString, ClampsAnOversizedLengthByte)
{
    // Length byte 200 in a field of capacity 3: only the field's three characters are read.
    const std::uint8_t field[4 + 4] = {200, 'a', 'b', 'c', 'X', 'X', 'X', 'X'};
    EXPECT_EQ(getShortString(field, 3, CodePage::Windows1252), "abc");
}

TEST(ShortString, RandomBytesNeverReadPastTheField)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 2000; ++i) {
        const std::size_t capacity = rng() % 40;
        std::vector<std::uint8_t> field(capacity + 1);
        for (auto& x : field)
            x = static_cast<std::uint8_t>(rng());
        const std::string text = getShortString(field.data(), capacity, CodePage::Windows1251);
        EXPECT_LE(fromUtf8(text, CodePage::Windows1251).size(), capacity);
    }
}

TEST(CodePages, ConvertEachWay)
{
    struct Case
    {
        CodePage page;
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {CodePage::Windows1250, "Łódź", "\xA3\xF3\x64\x9F"},
        {CodePage::Windows1250, "Příklad", "P\xF8\xED\x6Blad"},
        {CodePage::Windows1251, "Вода", "\xC2\xEE\xE4\xE0"},
        {CodePage::Windows1252, "Grüße €", "Gr\xFC\xDF\x65 \x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toUtf8(c.bytes, c.page), c.utf8);
        EXPECT_EQ(fromUtf8(c.utf8, c.page), c.bytes);
    }
    EXPECT_EQ(fromUtf8("Вода", CodePage::Windows1252), "????");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b",
                       CodePage::Windows1252),
              "a?b"); // malformed UTF-8
    // Every byte survives a round trip, undefined ones included (0x81 in 1252).
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (CodePage page : {CodePage::Windows1250, CodePage::Windows1251, CodePage::Windows1252})
        EXPECT_EQ(fromUtf8(toUtf8(all, page), page), all);
}

TEST(CodePages, FollowTheLocale)
{
    EXPECT_EQ(codePageForLocale("pl_PL.UTF-8"), CodePage::Windows1250);
    EXPECT_EQ(codePageForLocale("cs-CZ"), CodePage::Windows1250);
    EXPECT_EQ(codePageForLocale("ru_RU"), CodePage::Windows1251);
    EXPECT_EQ(codePageForLocale("bg"), CodePage::Windows1251);
    EXPECT_EQ(codePageForLocale("en_US.UTF-8"), CodePage::Windows1252);
    EXPECT_EQ(codePageForLocale("C"), CodePage::Windows1252);
}

} // namespace
} // namespace velor
