// Byte layouts of the fluid records, checked against fixtures built from the field offsets.
#include "fluids/fluidrecords.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace velor {
namespace {

// Known 10-byte x87 images.
const std::uint8_t kTwo[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40};             // 2.0
const std::uint8_t kHalf[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F};            // 0.5
const std::uint8_t kMinusMillion[10] = {0, 0, 0, 0, 0, 0, 0x24, 0xF4, 0x12, 0xC0}; // -1000000.0
const std::uint8_t kOne[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};             // 1.0

void put(Bytes& b, std::size_t offset, const std::uint8_t* src, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        b[offset + i] = src[i];
}
void putKey(Bytes& b, std::size_t offset, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        b[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void putName(Bytes& b, std::size_t offset, const char* text)
{
    const std::string s(text);
    b[offset] = static_cast<std::uint8_t>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        b[offset + 1 + i] = static_cast<std::uint8_t>(s[i]);
}

TEST(FluidRecords, LiquidRecLayout)
{
    Bytes fixture(kLiquidRecSize, 0);
    putKey(fixture, 0, 7);
    putName(fixture, 4, "Ethylene glycol 30%");
    fixture[105] = 1;
    put(fixture, 106, kTwo, 10);
    const TLiquidRec expected{7, "Ethylene glycol 30%", true, 2.0L};

    EXPECT_EQ(decodeLiquidRec(fixture.data(), CodePage::Windows1252), expected);
    EXPECT_EQ(encodeLiquidRecs({expected}, CodePage::Windows1252), fixture);
}

TEST(FluidRecords, VaporRecLayout)
{
    Bytes fixture(kVaporRecSize, 0);
    putKey(fixture, 0, 3);
    putKey(fixture, 4, 0xFFFFFFFF); // condensate key -1
    putName(fixture, 8, "Saturated steam");
    put(fixture, 109, kTwo, 10);
    put(fixture, 119, kMinusMillion, 10);
    put(fixture, 129, kHalf, 10);
    const TVaporRec expected{3, -1, "Saturated steam", 2.0L, -1000000.0L, 0.5L};

    EXPECT_EQ(decodeVaporRec(fixture.data(), CodePage::Windows1252), expected);
    EXPECT_EQ(encodeVaporRecs({expected}, CodePage::Windows1252), fixture);
}

TEST(FluidRecords, PropertyRecordLayouts)
{
    // Key at 0, six reals at 4, 14, ..., 54: 2, 0.5, -1e6, 1, 2, 0.5.
    Bytes fixture(64, 0);
    putKey(fixture, 0, 42);
    const std::uint8_t* reals[] = {kTwo, kHalf, kMinusMillion, kOne, kTwo, kHalf};
    for (std::size_t i = 0; i < 6; ++i)
        put(fixture, 4 + 10 * i, reals[i], 10);

    const TLiquidPropRec liquid{42, 2.0L, 0.5L, -1000000.0L, 1.0L, 2.0L, 0.5L};
    EXPECT_EQ(decodeLiquidPropRec(fixture.data()), liquid);
    EXPECT_EQ(encodeLiquidPropRecs({liquid}), fixture);

    const TVaporPropRec vapor{42, 2.0L, 0.5L, -1000000.0L, 1.0L, 2.0L, 0.5L};
    EXPECT_EQ(decodeVaporPropRec(fixture.data()), vapor);
    EXPECT_EQ(encodeVaporPropRecs({vapor}), fixture);

    // Steam factors: index at 0, temperature and four factors at 4, 14, ..., 44.
    Bytes steam(kSteamFactorRecSize, 0);
    putKey(steam, 0, 5);
    for (std::size_t i = 0; i < 5; ++i)
        put(steam, 4 + 10 * i, reals[i], 10);
    const TSteamFactorRec factors{5, 2.0L, {0.5L, -1000000.0L, 1.0L, 2.0L}};
    EXPECT_EQ(decodeSteamFactorRec(steam.data()), factors);
    EXPECT_EQ(encodeSteamFactorRecs({factors}), steam);
}

TEST(FluidRecords, NamesUseTheCodePageAndIgnoreBytesPastTheLength)
{
    Bytes fixture(kLiquidRecSize, 0xAB); // filler bytes past the name are not significant
    putKey(fixture, 0, 1);
    putName(fixture, 4,
            "Gl\xEA"
            "bokie"); // 0xEA is U+0119 in Windows-1250
    fixture[105] = 0;
    put(fixture, 106, kOne, 10);
    const TLiquidRec rec = decodeLiquidRec(fixture.data(), CodePage::Windows1250);
    EXPECT_EQ(rec.name, "Gl\xC4\x99"
                        "bokie"); // U+0119 in UTF-8
    // Re-encoding writes the same significant bytes and zeros after them.
    Bytes again(kLiquidRecSize, 0xFF);
    encodeLiquidRec(rec, again.data(), CodePage::Windows1250);
    EXPECT_TRUE(std::equal(again.begin(), again.begin() + 13, fixture.begin()));
    EXPECT_TRUE(std::all_of(again.begin() + 13, again.begin() + 105, [](std::uint8_t b) { return b == 0; }));

    // A length byte beyond the capacity reads at most 100 characters.
    fixture[4] = 255;
    const std::string hundred(fixture.begin() + 5, fixture.begin() + 105);
    EXPECT_EQ(decodeLiquidRec(fixture.data(), CodePage::Windows1250).name,
              toUtf8(hundred, CodePage::Windows1250));
}

} // namespace
} // namespace velor
