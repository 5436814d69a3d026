// Property evaluation over the fluid files: brackets, interpolation, liquid isobars, vapor
// saturation lines, steam factors, real-gas vapor density and mixing with water.
#include "fluids/properties.h"

#include <cmath>
#include <limits>
#include <string>

namespace velor {
namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// Stable exchange sort: an element moves left past its neighbour only while the neighbour is
// greater, so equal elements keep their order (and no comparison with a NaN can misbehave).
template<typename T, typename Key>
void exchangeSort(std::vector<T>& v, Key key)
{
    for (std::size_t i = 1; i < v.size(); ++i)
        for (std::size_t j = i; j > 0 && key(v[j - 1]) > key(v[j]); --j)
            std::swap(v[j - 1], v[j]);
}

// The bracket of x in an ascending sequence, as positions: `lo` is the exact position (kind
// Exact) or the lower one (kind Interior, `hi` the upper). A position always names the first
// element of its run of equal values, which is the first matching record in file order.
struct Position
{
    enum Kind
    {
        None,
        Exact,
        Interior
    } kind = None;
    std::size_t lo = 0;
    std::size_t hi = 0;
};

template<typename Seq, typename Key>
Position locate(const Seq& a, long double x, Key key)
{
    const std::size_t n = a.size();
    auto firstOfRun = [&](std::size_t i) {
        while (i > 0 && key(a[i - 1]) == key(a[i]))
            --i;
        return i;
    };
    if (n == 0)
        return {};
    if (n == 1 || x <= key(a[0]))
        return {Position::Exact, 0, 0};
    if (x >= key(a[n - 1]))
        return {Position::Exact, firstOfRun(n - 1), 0};
    for (std::size_t i = 0; i < n; ++i)
        if (key(a[i]) == x)
            return {Position::Exact, i, 0};
    for (std::size_t i = 1; i < n; ++i)
        if (key(a[i]) > x)
            return {Position::Interior, firstOfRun(i - 1), i};
    return {}; // x is not comparable (NaN)
}

// Values of N columns at abscissa x over records sorted by that abscissa: the stored values at
// an exact position, or the straight line between the two bracketing records.
template<std::size_t N, typename Seq, typename Key, typename Values>
std::optional<std::array<long double, N>> valuesAt(const Seq& sorted, long double x, Key key, Values values)
{
    const Position pos = locate(sorted, x, key);
    if (pos.kind == Position::None)
        return std::nullopt;
    const std::array<long double, N> lo = values(sorted[pos.lo]);
    if (pos.kind == Position::Exact)
        return lo;
    const std::array<long double, N> hi = values(sorted[pos.hi]);
    const long double xa = key(sorted[pos.lo]);
    const long double xb = key(sorted[pos.hi]);
    std::array<long double, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = Interpolate(x, xa, lo[i], xb, hi[i]);
    return out;
}

using LiquidValues = std::array<long double, 4>; // density, heat capacity, conductivity, viscosity

// One isobar of a liquid: its records sorted by temperature (stable, so equal temperatures keep
// file order).
struct Isobar
{
    long double pressure = 0; // kPa
    TTablePropL rows;
};

// A liquid's isobars in ascending pressure, read once per evaluation call.
struct LiquidData
{
    std::vector<Isobar> isobars;
};

LiquidData buildLiquid(const TTablePropL& file, std::int32_t key)
{
    TTablePropL recs;
    for (const auto& r : file)
        if (r.key == key)
            recs.push_back(r);
    TTableProp points;
    points.reserve(recs.size());
    for (const auto& r : recs)
        points.push_back({r.temperature, r.pressure});
    LiquidData data;
    for (long double p : UniquePressures(SortByPressure(std::move(points)))) {
        Isobar isobar;
        isobar.pressure = p;
        for (const auto& r : recs)
            if (r.pressure == p)
                isobar.rows.push_back(r);
        exchangeSort(isobar.rows, [](const TLiquidPropRec& r) { return r.temperature; });
        data.isobars.push_back(std::move(isobar));
    }
    return data;
}

// Tables derived from one decoded file for one key, remembered while the file object they were
// built from is the one the FluidFiles object hands out (it hands out a new object whenever the
// file has changed), so repeated evaluations skip the sorting.
template<typename Data, typename Source>
class DerivedCache
{
public:
    template<typename Build>
    std::shared_ptr<const Data> get(const std::shared_ptr<const Source>& source, std::int32_t key,
                                    int variant, Build build)
    {
        for (const Entry& e : m_entries)
            if (e.source == source && e.key == key && e.variant == variant)
                return e.data;
        Entry& slot = m_entries[m_next];
        m_next = (m_next + 1) % m_entries.size();
        slot = Entry{source, key, variant, std::make_shared<const Data>(build(*source, key))};
        return slot.data;
    }

private:
    struct Entry
    {
        std::shared_ptr<const Source> source;
        std::int32_t key = 0;
        int variant = 0;
        std::shared_ptr<const Data> data;
    };
    std::array<Entry, 8> m_entries{};
    std::size_t m_next = 0;
};

std::shared_ptr<const LiquidData> loadLiquid(const FluidFiles& files, std::int32_t key,
                                             std::string_view propFile)
{
    thread_local DerivedCache<LiquidData, TTablePropL> cache;
    return cache.get(files.SharedLiquidPropFile(propFile), key, 0, buildLiquid);
}

std::optional<LiquidValues> isobarValues(const Isobar& isobar, long double t)
{
    return valuesAt<4>(
        isobar.rows, t, [](const TLiquidPropRec& r) { return r.temperature; },
        [](const TLiquidPropRec& r) {
            return LiquidValues{r.density, r.heatCapacity, r.conductivity, r.viscosity};
        });
}

// The liquid point at (t, p): each bracketing isobar clamps to its own temperature range, then
// the two isobar values are interpolated in pressure. nullopt when the liquid has no rows.
std::optional<LiquidValues> liquidPoint(const LiquidData& data, long double t, long double p)
{
    const Position pos = locate(data.isobars, p, [](const Isobar& i) { return i.pressure; });
    if (pos.kind == Position::None)
        return std::nullopt;
    const auto lo = isobarValues(data.isobars[pos.lo], t);
    if (pos.kind == Position::Exact || !lo)
        return pos.kind == Position::Exact ? lo : std::nullopt;
    const auto hi = isobarValues(data.isobars[pos.hi], t);
    if (!hi)
        return std::nullopt;
    LiquidValues out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] =
            Interpolate(p, data.isobars[pos.lo].pressure, (*lo)[i], data.isobars[pos.hi].pressure, (*hi)[i]);
    return out;
}

TLiquidRow liquidRow(const LiquidData& data, long double t, long double p)
{
    const auto v = liquidPoint(data, t, p);
    if (!v) // only for a temperature that is not a number
        return {t, kNaN, kNaN, kNaN, kNaN};
    return {t, (*v)[0], (*v)[1], (*v)[2], (*v)[3]};
}

TTableAllPropL liquidTable(const LiquidData& data, long double tFrom, long double tTo, long double step,
                           long double p)
{
    TTableAllPropL rows;
    if (data.isobars.empty() || !(step > 0))
        return rows;
    // A step too small to change t (or an infinite end) would never end the loop: stop there.
    for (long double t = tFrom; t <= tTo; t += step) {
        rows.push_back(liquidRow(data, t, p));
        if (t + step == t)
            break;
    }
    return rows;
}

// A vapor's saturation records sorted (stably) by temperature or by pressure.
std::shared_ptr<const TTablePropV> vaporRecords(const FluidFiles& files, std::int32_t key,
                                                std::string_view propFile, bool byTemperature)
{
    thread_local DerivedCache<TTablePropV, TTablePropV> cache;
    return cache.get(files.SharedVaporPropFile(propFile), key, byTemperature ? 1 : 0,
                     [byTemperature](const TTablePropV& file, std::int32_t k) {
                         TTablePropV recs;
                         for (const auto& r : file)
                             if (r.key == k)
                                 recs.push_back(r);
                         if (byTemperature)
                             exchangeSort(recs, [](const TVaporPropRec& r) { return r.temperature; });
                         else
                             exchangeSort(recs, [](const TVaporPropRec& r) { return r.pressure; });
                         return recs;
                     });
}

// Lower case of the characters of the Windows single-byte code pages (ASCII, Latin-1,
// Latin Extended-A and Cyrillic capitals).
char32_t lowerCase(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F))
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && c % 2 == 0)
        return c + 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1)
        return c + 1;
    if (c == 0x178)
        return 0xFF;
    if (c == 0x490)
        return 0x491;
    return c;
}

char32_t decodeUtf8(const std::string& s)
{
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
    if (s.size() == 1)
        return b(0);
    if (s.size() == 2)
        return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    if (s.size() == 3)
        return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    return 0;
}

std::string encodeUtf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

using LowerTable = std::array<unsigned char, 256>;

LowerTable makeLowerTable(CodePage codePage)
{
    LowerTable table{};
    for (unsigned b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
        const char32_t c = decodeUtf8(toUtf8(std::string(1, static_cast<char>(b)), codePage));
        const char32_t lower = lowerCase(c);
        if (lower == c)
            continue;
        const std::string back = fromUtf8(encodeUtf8(lower), codePage);
        if (back.size() == 1 && back[0] != '?')
            table[b] = static_cast<unsigned char>(back[0]);
    }
    return table;
}

const LowerTable& lowerTable(CodePage codePage)
{
    static const LowerTable t1250 = makeLowerTable(CodePage::Windows1250);
    static const LowerTable t1251 = makeLowerTable(CodePage::Windows1251);
    static const LowerTable t1252 = makeLowerTable(CodePage::Windows1252);
    switch (codePage) {
    case CodePage::Windows1250:
        return t1250;
    case CodePage::Windows1251:
        return t1251;
    case CodePage::Windows1252:
        break;
    }
    return t1252;
}

} // namespace

// ---- Table helpers ----

TBracket Bracket(const TTableF& sorted, long double x)
{
    const Position pos = locate(sorted, x, [](long double v) { return v; });
    TBracket b;
    if (pos.kind == Position::Exact)
        b.Exact = sorted[pos.lo];
    else if (pos.kind == Position::Interior) {
        b.Lo = sorted[pos.lo];
        b.Hi = sorted[pos.hi];
    }
    return b;
}

long double Interpolate(long double x, long double xa, long double ya, long double xb, long double yb)
{
    return ((xb - x) * ya - (xa - x) * yb) / (xb - xa);
}

TTableF SortValues(TTableF values)
{
    exchangeSort(values, [](long double v) { return v; });
    return values;
}

TTableF UniqueValues(const TTableF& sorted)
{
    TTableF out;
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (i == 0 || sorted[i] != sorted[i - 1])
            out.push_back(sorted[i]);
    return out;
}

TTableProp SortByPressure(TTableProp points)
{
    exchangeSort(points, [](const TPropPoint& p) { return p.pressure; });
    return points;
}

TTableF UniquePressures(const TTableProp& sortedByPressure)
{
    TTableF out;
    for (std::size_t i = 0; i < sortedByPressure.size(); ++i)
        if (i == 0 || sortedByPressure[i].pressure != sortedByPressure[i - 1].pressure)
            out.push_back(sortedByPressure[i].pressure);
    return out;
}

TTableAllPropL SortRowsL(TTableAllPropL rows)
{
    exchangeSort(rows, [](const TLiquidRow& r) { return r.temperature; });
    return rows;
}

TTableAllPropV SortRowsV(TTableAllPropV rows)
{
    exchangeSort(rows, [](const TVaporRow& r) { return r.temperature; });
    return rows;
}

TTableS SortNames(TTableS names, CodePage codePage)
{
    const LowerTable& lower = lowerTable(codePage);
    std::vector<std::pair<std::string, std::string>> keyed; // (lower-cased code-page bytes, name)
    keyed.reserve(names.size());
    for (auto& name : names) {
        std::string key = fromUtf8(name, codePage);
        for (char& c : key)
            c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
        keyed.emplace_back(std::move(key), std::move(name));
    }
    // std::string compares its chars as unsigned bytes (char_traits<char>::lt).
    exchangeSort(keyed, [](const auto& k) -> const std::string& { return k.first; });
    TTableS out;
    out.reserve(keyed.size());
    for (auto& k : keyed)
        out.push_back(std::move(k.second));
    return out;
}

// ---- Property functions ----

TTableAllPropL LiquidTable(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                           long double tFrom, long double tTo, long double step, long double p)
{
    if (!(step > 0) || !(tFrom <= tTo))
        return {};
    return liquidTable(*loadLiquid(files, key, propFile), tFrom, tTo, step, p);
}

TTableAllPropL LiquidTableAt(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                             const TTableF& temperatures, long double p)
{
    if (temperatures.empty())
        return {};
    const auto shared = loadLiquid(files, key, propFile);
    const LiquidData& data = *shared;
    TTableAllPropL rows;
    if (data.isobars.empty())
        return rows;
    rows.reserve(temperatures.size());
    for (long double t : temperatures)
        rows.push_back(liquidRow(data, t, p));
    return rows;
}

long double LiquidProperty(const FluidFiles& files, std::string_view name, bool heatCapacity,
                           std::int32_t key, bool useKey, std::string_view propFile,
                           std::string_view listFile, long double t, long double p)
{
    const std::int32_t k = useKey ? key : files.LiquidKey(name, listFile);
    if (k == 0)
        return 0;
    const auto v = liquidPoint(*loadLiquid(files, k, propFile), t, p);
    if (!v)
        return 0;
    return heatCapacity ? (*v)[1] : (*v)[0];
}

long double VaporProperty(const FluidFiles& files, std::string_view name, bool heatCapacity,
                          std::string_view propFile, std::string_view listFile, long double t)
{
    const std::int32_t key = files.VaporKey(name, listFile);
    if (key == 0)
        return 0;
    const auto v = valuesAt<1>(
        *vaporRecords(files, key, propFile, true), t, [](const TVaporPropRec& r) { return r.temperature; },
        [heatCapacity](const TVaporPropRec& r) {
            return std::array<long double, 1>{heatCapacity ? r.heatCapacity : r.latentHeat};
        });
    return v ? (*v)[0] : 0;
}

long double Saturation(const FluidFiles& files, std::string_view name, bool fromTemperature,
                       std::string_view propFile, std::string_view listFile, long double x)
{
    const std::int32_t key = files.VaporKey(name, listFile);
    if (key == 0)
        return 0;
    const auto shared = vaporRecords(files, key, propFile, fromTemperature);
    const TTablePropV& recs = *shared;
    std::optional<std::array<long double, 1>> v;
    if (fromTemperature)
        v = valuesAt<1>(
            recs, x, [](const TVaporPropRec& r) { return r.temperature; },
            [](const TVaporPropRec& r) { return std::array<long double, 1>{r.pressure}; });
    else
        v = valuesAt<1>(
            recs, x, [](const TVaporPropRec& r) { return r.pressure; },
            [](const TVaporPropRec& r) { return std::array<long double, 1>{r.temperature}; });
    return v ? (*v)[0] : 0;
}

std::optional<TVaporRow> VaporRow(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                                  long double t)
{
    const auto v = valuesAt<5>(
        *vaporRecords(files, key, propFile, true), t, [](const TVaporPropRec& r) { return r.temperature; },
        [](const TVaporPropRec& r) {
            return std::array<long double, 5>{r.pressure, r.latentHeat, r.heatCapacity, r.conductivity,
                                              r.viscosity};
        });
    if (!v)
        return std::nullopt;
    return TVaporRow{t, (*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]};
}

std::optional<TSteamFactorRow> SteamFactors(const FluidFiles& files, long double t)
{
    auto recs = files.ReadSteamFactorFile();
    exchangeSort(recs, [](const TSteamFactorRec& r) { return r.temperature; });
    const auto v = valuesAt<4>(
        recs, t, [](const TSteamFactorRec& r) { return r.temperature; },
        [](const TSteamFactorRec& r) { return r.factors; });
    if (!v)
        return std::nullopt;
    return TSteamFactorRow{t, *v};
}

long double Compressibility(long double p, long double pc, long double t, long double tc)
{
    const long double tau = (t + 273) / (tc + 273);
    return 1 + 0.0703125L * (p / pc) * tau * (1 - 6 / (tau * tau));
}

std::optional<long double> VaporDensity(const FluidFiles& files, std::int32_t key, std::string_view listFile,
                                        long double t, long double p)
{
    if (key == 0)
        return std::nullopt;
    const TVaporRec rec = files.ReadVapor(key, listFile);
    if (rec.key != key || rec.criticalPressure == 0)
        return std::nullopt;
    const long double z = Compressibility(p, rec.criticalPressure, t, rec.criticalTemperature);
    const long double density = p * rec.molecularWeight * 100 / (z * 848 * (t + 273));
    // Beyond the reach of the compressibility formula Z turns negative: no physical density.
    if (!std::isfinite(density) || density < 0)
        return std::nullopt;
    return density;
}

std::optional<TTableAllPropL> MixWithWater(const FluidFiles& files, const TTableAllPropL& rows,
                                           std::int32_t waterKey, std::string_view propFile, long double p,
                                           long double c)
{
    TTableAllPropL out;
    if (rows.empty())
        return out;
    const auto shared = loadLiquid(files, waterKey, propFile);
    const LiquidData& water = *shared;
    if (water.isobars.empty())
        return std::nullopt;
    const long double w = c * 0.01L;
    out.reserve(rows.size());
    for (const auto& row : rows) {
        // The water row of LiquidTable(waterKey, row temperature, row temperature, 5, p).
        const TTableAllPropL waterRows = liquidTable(water, row.temperature, row.temperature, 5, p);
        if (waterRows.empty())
            return std::nullopt;
        const TLiquidRow& wr = waterRows.front();
        TLiquidRow mixed;
        mixed.temperature = row.temperature;
        mixed.density = w * row.density + (1 - w) * wr.density;
        mixed.heatCapacity = w * row.heatCapacity + (1 - w) * wr.heatCapacity;
        mixed.conductivity = w * row.conductivity + (1 - w) * wr.conductivity -
                             (row.conductivity - wr.conductivity) * 0.72L * w * (1 - w);
        mixed.viscosity = std::exp(w * std::log(row.viscosity) + (1 - w) * std::log(wr.viscosity));
        out.push_back(mixed);
    }
    return out;
}

} // namespace velor
