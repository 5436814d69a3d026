// Checks of the delivered exchanger catalogue (HeatExch/*.dat and TechData/he.dat beside the
// executable): every size ratable, names unique, limits and technical data for every size, the
// geometry of representative sizes, the connection table and the drawings of the data sheets.
#include "base/recordfile.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velor {
namespace {

const ProgramFolder kShipped{std::filesystem::path(VELOR_RUNTIME_DIR)};
constexpr CodePage kCodePage = CodePage::Windows1252;

struct ShippedSize
{
    std::string typeCode;
    TSizeRecord record;
};

const std::vector<ShippedSize>& shippedSizes()
{
    static const std::vector<ShippedSize> sizes = [] {
        std::vector<ShippedSize> all;
        for (const ExchangerType& type : exchangerTypes())
            for (TSizeRecord& rec : readSizeFile(typeFilePath(kShipped, type.file), kCodePage))
                all.push_back({std::string(type.code), std::move(rec)});
        return all;
    }();
    return sizes;
}

const TSizeRecord* findSize(const std::string& name)
{
    for (const auto& s : shippedSizes())
        if (s.record.Name == name)
            return &s.record;
    return nullptr;
}

TEST(CatalogueData, EveryTypeFileIsWholeRecordsOfRatableUniquelyNamedSizes)
{
    std::set<std::string> names;
    for (const ExchangerType& type : exchangerTypes()) {
        const auto path = typeFilePath(kShipped, type.file);
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        const auto bytes = std::filesystem::file_size(path);
        EXPECT_EQ(bytes % kSizeRecordSize, 0u) << type.file;
        const auto records = readSizeFile(path, kCodePage);
        EXPECT_GE(records.size(), 6u) << type.file;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const TSizeRecord& r = records[i];
            EXPECT_EQ(r.Id, static_cast<std::int32_t>(i + 1)) << r.Name;
            EXPECT_TRUE(r.ratingValuesPositive()) << r.Name;
            EXPECT_TRUE(names.insert(r.Name).second) << "duplicate size name " << r.Name;
            // Range limits rise, so that every range can be reached.
            for (Side side : {Side::Tube, Side::Shell}) {
                EXPECT_LT(r.ReDp(side, 1), r.ReDp(side, 2)) << r.Name;
                EXPECT_LT(r.ReDp(side, 2), r.ReDp(side, 3)) << r.Name;
                for (int k = 1; k < 4; ++k)
                    EXPECT_LT(r.ReHt(side, k), r.ReHt(side, k + 1)) << r.Name;
            }
        }
    }
    EXPECT_EQ(names.size(), shippedSizes().size());
    // The two coil sizes the type tree admits for condensing steam.
    for (const auto& [file, name] :
         {std::pair{"RUV.dat", "RUV 26.480"}, std::pair{"RUVD.dat", "RUV D 26.480"}}) {
        const auto names = SizeNames(kShipped, file, kCodePage);
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
}

TEST(CatalogueData, RepresentativeSizesCarryTheirDerivedGeometry)
{
    struct Case
    {
        const char* name;
        double dhTube, dhShell, areaTube, areaShell, connTube, areaUnit, dpTube, dpShell, zetaTube, zetaShell;
    };
    const Case cases[] = {
        {"PF10-20", 0.0034188034, 0.0034188034, 0.00144, 0.001296, 4.5238934e-4, 0.2577744, 0.0248625,
         0.0306944, 0.0015, 0.0015},
        {"PG40-40", 0.0037606838, 0.0037606838, 0.0088, 0.00836, 2.3758294e-3, 4.09032, 0.0611591, 0.0677663,
         0.0015, 0.0015},
        {"PG40-2-40", 0.0037606838, 0.0037606838, 0.0044, 0.00418, 2.3758294e-3, 4.09032, 0.122318, 0.135533,
         0.003, 0.003},
        {"E12-41", 0.0052173913, 0.0052173913, 0.0132, 0.0132, 3.3183072e-3, 4.73616, 0.046, 0.046, 0.0015,
         0.0015},
        {"M 20.3000-4", 0.01, 0.012, 0.00219911, 0.005, 0.00351514, 12.6669, 0.6, 0.0502598, 0.0181074,
         0.0015},
        {"GT 20.2000", 0.014, 0.016, 0.00569571, 0.04, 0.00351514, 7.43929, 0.142857, 2.80956e-4, 0.0024522,
         0.0015},
        {"RUV 26.480", 0.017, 0.020, 0.0011349, 0.00683611, 0.00235514, 1.3751, 0.128737, 7.49664e-4, 0.0015,
         0.0015},
        {"TW 32.960", 0.025, 0.028, 9.81748e-4, 0.00659734, 0.00351514, 2.1723, 0.246952, 9.92063e-4, 0.0015,
         0.0015},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TSizeRecord* r = findSize(c.name);
        ASSERT_NE(r, nullptr);
        const std::pair<long double, double> values[] = {
            {r->DhTube(), c.dhTube},         {r->DhShell(), c.dhShell},
            {r->FlowAreaTube(), c.areaTube}, {r->FlowAreaShell(), c.areaShell},
            {r->ConnAreaTube(), c.connTube}, {r->ConnAreaShell(), c.connTube},
            {r->AreaUnit(), c.areaUnit},     {r->DpFactorTube(), c.dpTube},
            {r->DpFactorShell(), c.dpShell}, {r->ZetaTube(), c.zetaTube},
            {r->ZetaShell(), c.zetaShell},   {r->DpArea(), c.areaTube}};
        for (std::size_t i = 0; i < std::size(values); ++i)
            EXPECT_NEAR(static_cast<double>(values[i].first), values[i].second, 2e-5 * values[i].second)
                << "value " << i;
    }
    // Steam-rated coil: five parallel starts of about 4.4 m instead of one long coil.
    const TSizeRecord* ruv = findSize("RUV 26.480");
    ASSERT_NE(ruv, nullptr);
    EXPECT_DOUBLE_EQ(static_cast<double>(ruv->Aux3()), 5.0);
    EXPECT_NEAR(static_cast<double>(ruv->Aux2()), 4.37707, 1e-5);
}

TEST(CatalogueData, CorrelationFitsReproduceTheirSources)
{
    // Power-law fits of the chevron plate (60 deg) and of the 30 deg tube bank (pitch/diameter 4/3),
    // as derived from the published correlations, and the exact laminar and Blasius tube laws.
    // The plate's friction jumps at Re 2000 (laminar to turbulent form): the range below is fitted
    // on the laminar form, the range above on the turbulent one.
    const TSizeRecord* plate = findSize("PG40-40");
    const TSizeRecord* tubes = findSize("M 20.3000-4");
    ASSERT_TRUE(plate && tubes);
    struct Case
    {
        const TSizeRecord* size;
        Side side;
        int range;
        double k, n;
    };
    const Case friction[] = {
        {plate, Side::Tube, 1, 198.17, 0.7919},   {plate, Side::Shell, 2, 11.666, 0.2490},
        {plate, Side::Tube, 3, 3.7077, 0.08268},  {plate, Side::Shell, 4, 3.6125, 0.0796},
        {tubes, Side::Tube, 1, 64.0, 1.0},        {tubes, Side::Tube, 2, 0.3164, 0.25},
        {tubes, Side::Tube, 3, 0.15766, 0.1893},  {tubes, Side::Tube, 4, 0.09884, 0.1554},
        {tubes, Side::Shell, 1, 44.340, 0.9709},  {tubes, Side::Shell, 2, 4.5005, 0.4742},
        {tubes, Side::Shell, 3, 0.48234, 0.1513}, {tubes, Side::Shell, 4, 0.37045, 0.1227},
    };
    for (const Case& c : friction) {
        SCOPED_TRACE(c.size->Name + " friction range " + std::to_string(c.range));
        EXPECT_NEAR(static_cast<double>(c.size->DpK(c.side, c.range)), c.k, 2e-3 * c.k);
        EXPECT_NEAR(static_cast<double>(c.size->DpExp(c.side, c.range)), c.n, 2e-3 * c.n);
    }
    const Case heat[] = {
        // k = HtC, n = HtA
        {plate, Side::Tube, 1, 0.96596, 0.4053},  {plate, Side::Shell, 2, 0.66234, 0.5023},
        {plate, Side::Tube, 3, 0.33159, 0.6321},  {plate, Side::Tube, 4, 0.17158, 0.7286},
        {plate, Side::Shell, 5, 0.18639, 0.7185}, {tubes, Side::Shell, 1, 0.81328, 0.3434},
        {tubes, Side::Shell, 2, 0.35471, 0.5234}, {tubes, Side::Shell, 3, 0.19216, 0.6122},
        {tubes, Side::Shell, 5, 0.19255, 0.6120},
    };
    for (const Case& c : heat) {
        SCOPED_TRACE(c.size->Name + " heat range " + std::to_string(c.range));
        EXPECT_NEAR(static_cast<double>(c.size->HtC(c.range, c.side)), c.k, 2e-3 * c.k);
        EXPECT_NEAR(static_cast<double>(c.size->HtA(c.range, c.side)), c.n, 2e-3 * c.n);
    }
    // Tubes below Re 2300: Sieder-Tate, Nu = 1.86 (Re Pr d / L)^(1/3) (mu/muw)^0.14 over 4 passes of 3 m.
    EXPECT_NEAR(static_cast<double>(tubes->HtC(1, Side::Tube)), 1.86 * std::cbrt(0.01 / 12.0), 1e-9);
    EXPECT_NEAR(static_cast<double>(tubes->HtD(1, Side::Tube)), 0.14, 1e-12);
    EXPECT_NEAR(static_cast<double>(plate->HtD(3, Side::Shell)), 1.0 / 6.0, 1e-12);
}

TEST(CatalogueData, EverySizeHasWorkingLimitsAndTechnicalDataWithOneStandardVariant)
{
    const TParamRecList limits = ReadWorkingLimits(kShipped, kCodePage);
    const THERecList tech = readTechData(kShipped, CodePage::Windows1250);
    ASSERT_FALSE(limits.empty());
    ASSERT_EQ(tech.size(), limits.size());

    std::map<std::string, const TParamRec*> limitByName;
    for (const auto& l : limits)
        limitByName[l.Name] = &l;
    std::set<std::string> numbers;
    for (const THERec& t : tech) {
        SCOPED_TRACE(t.Name);
        ASSERT_EQ(limitByName.count(t.Name), 1u);
        const TParamRec& l = *limitByName[t.Name];
        EXPECT_EQ(l.MaxTempHot, t.MaxTempHot);
        EXPECT_EQ(l.MaxTempCold, t.MaxTempCold);
        EXPECT_EQ(l.MinTempHot, t.MinTempHot);
        EXPECT_EQ(l.MinTempCold, t.MinTempCold);
        EXPECT_EQ(l.MaxPressHot, t.MaxPressHot);
        EXPECT_EQ(l.MaxPressCold, t.MaxPressCold);
        EXPECT_TRUE(numbers.insert(t.CatalogNumber).second) << t.CatalogNumber;
    }

    const LimitDuty defaultLiquid{120, 75, 70, 90, 1.0, 1.0};
    for (const auto& s : shippedSizes()) {
        const std::string& name = s.record.Name;
        SCOPED_TRACE(name);
        int ownLimits = 0;
        for (const auto& l : limits)
            ownLimits += belongsToSize(l.Name, name) ? 1 : 0;
        EXPECT_GE(ownLimits, 2);

        const THERecList variants = TechDataVariants(kShipped, name, CodePage::Windows1250);
        ASSERT_GE(variants.size(), 2u);
        const THERecList standard = StandardTechData(kShipped, name, CodePage::Windows1250);
        ASSERT_EQ(standard.size(), 1u);
        EXPECT_EQ(standard[0].Name, name + ".A");
        for (const THERec& v : variants)
            EXPECT_NEAR(static_cast<double>(v.SurfaceArea), static_cast<double>(s.record.AreaUnit()),
                        1e-12 * static_cast<double>(s.record.AreaUnit()));
        // The standard variant admits the default liquid duty (GT is a steam condenser only).
        if (s.typeCode != "GT") {
            EXPECT_TRUE(limitsAdmit(standard[0], defaultLiquid));
        }
    }
}

TEST(CatalogueData, SteamAdmittedSizesAcceptTheDefaultCondensingDuty)
{
    // Saturated steam at 150 deg.C (476.1 kPa) condensing to 90 deg.C, water 70 -> 90 at 100 kPa.
    const LimitDuty condensing{150, 90, 70, 90, 4.761, 1.0};
    const TParamRecList limits = ReadWorkingLimits(kShipped, kCodePage);
    std::vector<std::string> names = {"RUV 26.480", "RUV D 26.480"};
    for (const char* file : {"ND.dat", "TW.dat", "TWD.dat", "RUVW.dat", "RUVWD.dat", "GT.dat"})
        for (auto& n : SizeNames(kShipped, file, kCodePage))
            names.push_back(n);
    for (const std::string& name : names) {
        const bool admitted = std::any_of(limits.begin(), limits.end(), [&](const TParamRec& l) {
            return belongsToSize(l.Name, name) && limitsAdmit(l, condensing);
        });
        EXPECT_TRUE(admitted) << name;
    }
}

TEST(CatalogueData, TechnicalDataUseTheListedWordsAndPairedConnections)
{
    const std::set<std::string> connectionWords = {"GWINT ZEWNETRZNY G",
                                                   "GWINT WEWNETRZNY G",
                                                   "GWINT ZEWNETRZNY NPT",
                                                   "KOLNIERZ",
                                                   "DO LUTOWANIA",
                                                   "DO SPAWANIA",
                                                   "SRUBUNEK"};
    const std::set<std::string> surfaceWords = {"Plyta karbowana", "Rura gladka", "Wezownica"};
    auto upper = [](std::string s) {
        for (char& c : s)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return s;
    };
    for (const THERec& t : readTechData(kShipped, CodePage::Windows1250)) {
        SCOPED_TRACE(t.Name);
        EXPECT_EQ(surfaceWords.count(t.SurfaceType), 1u);
        for (const THEConnection& c : t.Connections)
            if (!c.ConnType.empty()) {
                EXPECT_EQ(connectionWords.count(upper(c.ConnType)), 1u) << c.ConnType;
            }
        // Single-pass exchangers use K1 ... K4, the tubular ones paired K1 with K4 and K2 with K3;
        // two-pass plates have their hot inlet and cold outlet at the rear plate (D4, D3).
        auto same = [](const THEConnection& a, const THEConnection& b) {
            return a.ConnType == b.ConnType && a.ConnMaterial == b.ConnMaterial && a.ConnSize == b.ConnSize;
        };
        const bool twoPassPlate = t.Drawing.size() > 2 && t.Drawing.ends_with("-2");
        const THEConnection& hotIn = twoPassPlate ? t.Connections[7] : t.Connections[0];
        const THEConnection& coldOut = twoPassPlate ? t.Connections[6] : t.Connections[1];
        EXPECT_FALSE(hotIn.ConnType.empty());
        EXPECT_TRUE(same(hotIn, t.Connections[3]));
        EXPECT_TRUE(same(coldOut, t.Connections[2]));
        EXPECT_EQ(t.Media[0].MediumLanguage, "Polski");
        EXPECT_EQ(t.Media[1].MediumLanguage, "Angielski");
        EXPECT_FALSE(t.Media[1].MediumText1.empty());
        EXPECT_GT(t.Weight, 0);
        EXPECT_GT(t.Volume1, 0);
        EXPECT_GT(t.Volume2, 0);
        EXPECT_GT(t.DimValue[0], 0);
    }
}

TEST(CatalogueData, ConnectionTableRisesFromDn10ToDn300AndPicksTheFirstBelow60MetresPerSecond)
{
    const TDiamP table = ReadDiameters(kShipped, kCodePage);
    ASSERT_EQ(table.size(), 15u);
    EXPECT_EQ(table.front().first, "DN10");
    EXPECT_EQ(table.back().first, "DN300");
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].second, table[i].second);
    EXPECT_NEAR(static_cast<double>(table[3].second), 6.096100e-4, 1e-9); // DN25, 27.86 mm bore

    const struct
    {
        long double flow; // m3/s
        const char* name;
    } cases[] = {
        {0.0348L, "DN25"}, // steam 150 deg.C, 0.0844 kg/s: 87.7 m/s in DN20, 57.1 m/s in DN25
        {1e-6L, "DN10"},
        {4.66L, "DN300"},
        {4.7L, ""}, // more than 60 m/s even in DN300
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConnectionForFlow(kShipped, c.flow, kCodePage), c.name) << static_cast<double>(c.flow);
}

/// The texts of a placeable metafile, or nullopt when it is not well formed: the placeable key and
/// checksum, the header's size in words equal to the file, records that end exactly with EOF and
/// only the record kinds the drawings use.
std::optional<std::set<std::string>> metafileTexts(const Bytes& b)
{
    auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | (u16(at + 2) << 16)); };
    if (b.size() < 40 || u32(0) != 0x9AC6CDD7u || u16(14) != 1440)
        return std::nullopt;
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= u16(i);
    if (checksum != u16(20) || u16(22) != 1 || u16(24) != 9 || 2ull * u32(28) != b.size() - 22)
        return std::nullopt;
    const std::set<std::uint16_t> allowed = {0x0103, 0x020B, 0x020C, 0x02FA, 0x02FC, 0x02FB, 0x012D, 0x01F0,
                                             0x0102, 0x012E, 0x0325, 0x041B, 0x061C, 0x0418, 0x0521};
    std::set<std::string> texts;
    for (std::size_t at = 40; at + 6 <= b.size();) {
        const std::size_t bytes = 2ull * u32(at);
        const std::uint16_t function = u16(at + 4);
        if (bytes < 6 || at + bytes > b.size())
            return std::nullopt;
        if (function == 0)
            return at + bytes == b.size() ? std::optional(texts) : std::nullopt;
        if (!allowed.count(function))
            return std::nullopt;
        if (function == 0x0521) {
            const std::size_t length = u16(at + 6);
            if (8 + length > bytes)
                return std::nullopt;
            texts.emplace(reinterpret_cast<const char*>(b.data() + at + 8), length);
        }
        at += bytes;
    }
    return std::nullopt;
}

TEST(CatalogueData, EveryDrawingIsAWellFormedMetafileShowingItsDimensionLetters)
{
    std::map<std::string, std::set<std::string>> lettersByDrawing;
    for (const THERec& t : readTechData(kShipped, CodePage::Windows1250))
        if (!t.Drawing.empty())
            for (std::size_t k = 0; k < t.DimName.size(); ++k)
                if (t.DimValue[k] > 0)
                    lettersByDrawing[t.Drawing].insert(t.DimName[k]);
    EXPECT_EQ(lettersByDrawing.size(), 28u);
    for (const auto& [drawing, letters] : lettersByDrawing) {
        SCOPED_TRACE(drawing);
        const auto bytes = readWholeFile(kShipped.drawings() / (drawing + ".wmf"));
        ASSERT_TRUE(bytes.has_value());
        const auto texts = metafileTexts(*bytes);
        ASSERT_TRUE(texts.has_value());
        for (const std::string& letter : letters)
            EXPECT_EQ(texts->count(letter), 1u) << letter;
        EXPECT_EQ(texts->count("K4"), 1u);
    }
}

} // namespace
} // namespace velor
