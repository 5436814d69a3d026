// Catalogue record codecs: fixtures built byte by byte from the documented offsets, round trips,
// value addressing by side and range, and the positivity rule.
#include "catalogue/catalogrecords.h"
#include "catalogue/sizerecord.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace velor {
namespace {

constexpr CodePage kCp = CodePage::Windows1252;

void putText(Bytes& b, std::size_t at, std::string_view text)
{
    b[at] = static_cast<std::uint8_t>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        b[at + 1 + i] = static_cast<std::uint8_t>(text[i]);
}

void putReal(Bytes& b, std::size_t at, long double v)
{
    putExtended(b.data() + at, v);
}

TEST(SizeRecordTest, DecodesFixtureAtDocumentedOffsets)
{
    Bytes b(kSizeRecordSize, 0);
    b[0] = 0x07; // Id 7, little-endian
    putText(b, 4, "RUV 26.480");
    putReal(b, 55, 3);       // Aux1
    putReal(b, 65, 0.017L);  // DhTube
    putReal(b, 435, 0.8L);   // HtA, tube side, range 1
    putReal(b, 475, 0.7L);   // HtA, shell side, range 1
    putReal(b, 785, 0.14L);  // HtD, tube side, range 5
    putReal(b, 825, -0.14L); // HtD, shell side, range 5
    putReal(b, 835, 2300);   // ReHtTube1
    putReal(b, 905, 1e5L);   // ReHtShell4
    putReal(b, 915, 12.5L);  // AreaUnit

    const TSizeRecord r = decodeSizeRecord(b.data(), kCp);
    EXPECT_EQ(r.Id, 7);
    EXPECT_EQ(r.Name, "RUV 26.480");
    EXPECT_EQ(r.Aux1(), 3);
    EXPECT_EQ(r.DhTube(), 0.017L);
    EXPECT_EQ(r.HtA(1, Side::Tube), 0.8L);
    EXPECT_EQ(r.HtA(1, Side::Shell), 0.7L);
    EXPECT_EQ(r.HtD(5, Side::Tube), 0.14L);
    EXPECT_EQ(r.HtD(5, Side::Shell), -0.14L);
    EXPECT_EQ(r.ReHt(Side::Tube, 1), 2300);
    EXPECT_EQ(r.ReHt(Side::Shell, 4), 1e5L);
    EXPECT_EQ(r.AreaUnit(), 12.5L);
    EXPECT_EQ(encodeSizeRecord(r, kCp), b);
}

// Every accessor reads the value at its documented byte offset.
TEST(SizeRecordTest, AccessorsAddressTheirOffsets)
{
    TSizeRecord r;
    for (std::size_t k = 0; k < kSizeValueCount; ++k)
        r.Values[k] = static_cast<long double>(sizeValueOffset(k)); // each value holds its own offset
    const auto T = Side::Tube;
    const auto S = Side::Shell;
    const std::vector<std::pair<long double, int>> cases{
        {r.Aux1(), 55},          {r.Dh(T), 65},
        {r.Wall(), 75},          {r.Dh(S), 85},
        {r.Aux2(), 95},          {r.Aux3(), 105},
        {r.FlowArea(T), 115},    {r.FlowArea(S), 125},
        {r.ConnArea(T), 135},    {r.ConnArea(S), 145},
        {r.ReDp(T, 1), 155},     {r.ReDp(S, 1), 165},
        {r.ReDp(T, 2), 175},     {r.ReDp(S, 2), 185},
        {r.ReDp(T, 3), 195},     {r.ReDp(S, 3), 205},
        {r.DpFactor(T), 215},    {r.DpFactor(S), 225},
        {r.DpK(T, 1), 235},      {r.DpK(S, 1), 245},
        {r.DpK(T, 4), 295},      {r.DpK(S, 4), 305},
        {r.DpExp(T, 1), 315},    {r.DpExp(S, 1), 325},
        {r.DpExp(T, 4), 375},    {r.DpExp(S, 4), 385},
        {r.Zeta(T), 395},        {r.Zeta(S), 405},
        {r.DpArea(), 415},       {r.Aux4(), 425},
        {r.HtA(1, T), 435},      {r.HtB(1, T), 445},
        {r.HtC(1, T), 455},      {r.HtD(1, T), 465},
        {r.HtA(1, S), 475},      {r.HtD(1, S), 505},
        {r.HtC(3, S), 655},      {r.HtA(5, T), 755},
        {r.HtD(5, T), 785},      {r.HtA(5, S), 795},
        {r.HtD(5, S), 825},      {r.ReHt(T, 1), 835},
        {r.ReHt(T, 4), 865},     {r.ReHt(S, 1), 875},
        {r.ReHt(S, 4), 905},     {r.AreaUnit(), 915},
        {r.DhTube(), 65},        {r.DhShell(), 85},
        {r.FlowAreaTube(), 115}, {r.FlowAreaShell(), 125},
        {r.ConnAreaTube(), 135}, {r.ConnAreaShell(), 145},
        {r.DpFactorTube(), 215}, {r.DpFactorShell(), 225},
        {r.ZetaTube(), 395},     {r.ZetaShell(), 405},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

TEST(SizeRecordTest, ValueNamesAreUniqueAndFollowTheFields)
{
    std::set<std::string_view> names;
    for (std::size_t k = 0; k < kSizeValueCount; ++k) {
        EXPECT_FALSE(sizeValueName(k).empty()) << k;
        names.insert(sizeValueName(k));
    }
    EXPECT_EQ(names.size(), kSizeValueCount);
    EXPECT_EQ(sizeValueName(0), "Aux1");
    EXPECT_EQ(sizeValueName(13), "ReDpShell2");  // offset 185
    EXPECT_EQ(sizeValueName(27), "DpExpShell1"); // offset 325
    EXPECT_EQ(sizeValueName(heatTransferIndex(3, Side::Tube, HtCoefficient::C)), "HtCTube3");
    EXPECT_EQ(sizeValueName(81), "ReHtTube4"); // offset 865
    EXPECT_EQ(sizeValueName(86), "AreaUnit");
    EXPECT_TRUE(sizeValueName(87).empty());
}

TEST(SizeRecordTest, PositivityRuleSkipsOnlyTheHeatTransferReynoldsLimits)
{
    TSizeRecord base;
    base.Values.fill(1);
    EXPECT_TRUE(base.ratingValuesPositive());
    for (std::size_t k = 0; k < kSizeValueCount; ++k) {
        const std::size_t offset = sizeValueOffset(k);
        const bool checked = offset < 835 || offset == 915;
        for (long double bad : {0.0L, -1.0L, std::numeric_limits<long double>::quiet_NaN()}) {
            TSizeRecord r = base;
            r.Values[k] = bad;
            EXPECT_EQ(r.ratingValuesPositive(), !checked) << "offset " << offset << " value " << bad;
        }
    }
    const TSizeRecord missing = TSizeRecord::notFound();
    EXPECT_EQ(missing.Id, -1);
    EXPECT_FALSE(missing.ratingValuesPositive());
}

TEST(ParamRecTest, FixtureAndRoundTrip)
{
    Bytes b(kParamRecSize, 0);
    putText(b, 0, "PG40-60.A");
    putReal(b, 302, 185);
    putReal(b, 312, 150);
    putReal(b, 322, -160);
    putReal(b, 332, -150);
    putReal(b, 342, 30);
    putReal(b, 352, 25);
    const TParamRec r = decodeParamRec(b.data(), kCp);
    EXPECT_EQ(r.Name, "PG40-60.A");
    EXPECT_EQ(r.MaxTempHot, 185);
    EXPECT_EQ(r.MaxTempCold, 150);
    EXPECT_EQ(r.MinTempHot, -160);
    EXPECT_EQ(r.MinTempCold, -150);
    EXPECT_EQ(r.MaxPressHot, 30);
    EXPECT_EQ(r.MaxPressCold, 25);
    EXPECT_EQ(encodeParamRec(r, kCp), b);
}

TEST(DiamRecTest, FixtureAndRoundTrip)
{
    Bytes b(kDiamRecSize, 0);
    b[0] = 3;
    putText(b, 4, "DN25");
    putReal(b, 55, 6.0961e-4L);
    const TDiamRec r = decodeDiamRec(b.data(), kCp);
    EXPECT_EQ(r.Id, 3);
    EXPECT_EQ(r.Name, "DN25");
    EXPECT_EQ(r.Area, 6.0961e-4L);
    EXPECT_EQ(encodeDiamRec(r, kCp), b);
}

TEST(HERecTest, FixtureAtDocumentedOffsets)
{
    Bytes b(kHERecSize, 0);
    putText(b, 0, "09.0004.01");
    putText(b, 101, "RUV 26.480.A");
    putText(b, 403, "Wezownica");
    putText(b, 504, "1.4404");
    putText(b, 605, "RUV");
    putReal(b, 706, 150);
    putReal(b, 756, 6);
    putReal(b, 766, 99); // unread
    putReal(b, 786, 20);
    putReal(b, 826, 85.5L);
    putText(b, 836, "K1");                      // group 0 label
    putText(b, 836 + 204 * 3 + 51, "Kolnierz"); // group 3 type
    putText(b, 836 + 204 * 7 + 153, "G 1\"");   // group 7 (D4) size
    putText(b, 2876 + 303 * 1, "Steam, water"); // row 1 text 1
    putText(b, 2876 + 303 * 9 + 202, "Czeski"); // row 9 language
    putText(b, 5906, "H");
    putText(b, 5906 + 51 * 8, "alfa");
    b[6365] = 0x2C; // DimValue 0 = 300
    b[6366] = 0x01;
    b[6365 + 32] = 180; // DimValue 8
    b[6401] = 2;        // any non-zero marks the standard variant

    const THERec r = decodeHERec(b.data(), kCp);
    EXPECT_EQ(r.CatalogNumber, "09.0004.01");
    EXPECT_EQ(r.Name, "RUV 26.480.A");
    EXPECT_EQ(r.SurfaceType, "Wezownica");
    EXPECT_EQ(r.Material, "1.4404");
    EXPECT_EQ(r.Drawing, "RUV");
    EXPECT_EQ(r.MaxTempHot, 150);
    EXPECT_EQ(r.MaxPressCold, 6);
    EXPECT_EQ(r.SurfaceSize, 20);
    EXPECT_EQ(r.Weight, 85.5L);
    EXPECT_EQ(r.Connections[0].ConnLabel, "K1");
    EXPECT_EQ(r.Connections[3].ConnType, "Kolnierz");
    EXPECT_EQ(r.Connections[7].ConnSize, "G 1\"");
    EXPECT_EQ(r.Media[1].MediumText1, "Steam, water");
    EXPECT_EQ(r.Media[9].MediumLanguage, "Czeski");
    EXPECT_EQ(r.DimName[0], "H");
    EXPECT_EQ(r.DimName[8], "alfa");
    EXPECT_EQ(r.DimValue[0], 300);
    EXPECT_EQ(r.DimValue[8], 180);
    EXPECT_TRUE(r.Standard);
}

// A length byte larger than the field announces characters that are not there: the reader stops
// at the end of its own field instead of running into the next one.
TEST(HERecTest, OverlongLengthBytesStayInsideTheirField)
{
    Bytes b(kHERecSize, 0);
    b[504] = 200; // Material claims 200 characters in a 100-character field
    for (std::size_t i = 0; i < 100; ++i)
        b[505 + i] = 'x';
    putText(b, 605, "DRW");
    b[101] = 255; // Name: the longest a length byte can announce still fits its 301 characters
    for (std::size_t i = 0; i < 255; ++i)
        b[102 + i] = 'n';
    const THERec r = decodeHERec(b.data(), kCp);
    EXPECT_EQ(r.Material, std::string(100, 'x'));
    EXPECT_EQ(r.Drawing, "DRW");
    EXPECT_EQ(r.Name, std::string(255, 'n'));
}

TEST(HERecTest, RoundTripOfEveryField)
{
    THERec r;
    r.CatalogNumber = "30.0002.03";
    r.Name = "PH150-2-60.C";
    r.SurfaceType = "Plyta karbowana";
    r.Material = "1.4404 / Ni";
    r.Drawing = "PH150-2";
    r.MaxTempHot = 225;
    r.MaxTempCold = 224;
    r.MinTempHot = -196;
    r.MinTempCold = -195;
    r.MaxPressHot = 16;
    r.MaxPressCold = 15;
    r.SurfaceSize = 0.5L;
    r.SurfaceArea = 104.25L;
    r.Volume1 = 12.1L;
    r.Volume2 = 11.9L;
    r.Weight = 1234.5L;
    for (int g = 0; g < kHEConnectionCount; ++g)
        r.Connections[g] = {"L" + std::to_string(g), "T" + std::to_string(g), "M" + std::to_string(g),
                            "S" + std::to_string(g)};
    for (int i = 0; i < kHEMediaRowCount; ++i)
        r.Media[i] = {"one " + std::to_string(i), "two " + std::to_string(i), "lang " + std::to_string(i)};
    for (int k = 0; k < kHEDimensionCount; ++k) {
        r.DimName[k] = "D" + std::to_string(k);
        r.DimValue[k] = -5 + 1000 * k;
    }
    r.Standard = true;

    const Bytes b = encodeHERec(r, kCp);
    ASSERT_EQ(b.size(), kHERecSize);
    const THERec back = decodeHERec(b.data(), kCp);
    EXPECT_EQ(encodeHERec(back, kCp), b);
    EXPECT_EQ(back.Name, r.Name);
    EXPECT_EQ(back.Material, r.Material);
    EXPECT_EQ(back.SurfaceArea, r.SurfaceArea);
    EXPECT_EQ(back.Connections[9].ConnSize, "S9");
    EXPECT_EQ(back.Media[0].MediumLanguage, "lang 0");
    EXPECT_EQ(back.DimValue[0], -5);
    EXPECT_EQ(back.DimValue[8], 7995);
    EXPECT_TRUE(back.Standard);
}

} // namespace
} // namespace velor
