// Property rows for the rating engine, from the working-copy files or from their records in memory.
#include "engine/properties.h"

#include "engine/primitives.h"

namespace velor {

std::optional<TLiquidRow> LiquidProps(const FluidFiles& files, std::int32_t liquidKey, long double p,
                                      long double t)
{
    const TTableAllPropL rows = LiquidTable(files, liquidKey, kPropLiquidsTmp, t, t, 1, p);
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

std::optional<TVaporRow> VaporProps(const FluidFiles& files, std::int32_t vaporKey, long double t)
{
    return VaporRow(files, vaporKey, kPropVaporsTmp, t);
}

std::optional<long double> CondensingCoefficient(const FluidFiles& files, long double t, long double m,
                                                 long double area)
{
    const auto factors = SteamFactors(files, t);
    if (!factors)
        return std::nullopt;
    return CondensingCoefficient(*factors, m, area);
}

std::optional<TLiquidRow> FilePropertySource::LiquidProps(std::int32_t liquidKey, long double p,
                                                          long double t)
{
    return velor::LiquidProps(m_files, liquidKey, p, t);
}

std::optional<TVaporRow> FilePropertySource::VaporProps(std::int32_t vaporKey, long double t)
{
    return velor::VaporProps(m_files, vaporKey, t);
}

namespace {

// The four stored values (density, heat capacity, conductivity, viscosity) of the first record
// at exactly (t, p), as the file lookup finds them.
std::array<long double, 4> storedLiquidValues(const TTablePropL& records, long double t, long double p)
{
    for (const TLiquidPropRec& r : records)
        if (r.temperature == t && r.pressure == p)
            return {r.density, r.heatCapacity, r.conductivity, r.viscosity};
    return {0, 0, 0, 0};
}

// The five stored values (pressure, latent heat, heat capacity, conductivity, viscosity) of the
// first record at exactly t.
std::array<long double, 5> storedVaporValues(const TTablePropV& records, long double t)
{
    for (const TVaporPropRec& r : records)
        if (r.temperature == t)
            return {r.pressure, r.latentHeat, r.heatCapacity, r.conductivity, r.viscosity};
    return {0, 0, 0, 0, 0};
}

template<std::size_t N>
std::array<long double, N> interpolateAll(long double x, long double xa, const std::array<long double, N>& ya,
                                          long double xb, const std::array<long double, N>& yb)
{
    std::array<long double, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = Interpolate(x, xa, ya[i], xb, yb[i]);
    return out;
}

} // namespace

const CachedPropertySource::LiquidTables& CachedPropertySource::liquid(std::int32_t key)
{
    auto it = m_liquids.find(key);
    if (it != m_liquids.end())
        return it->second;
    LiquidTables tables;
    tables.records = m_files.LiquidRecords(key, kPropLiquidsTmp);
    TTableProp points;
    points.reserve(tables.records.size());
    for (const TLiquidPropRec& r : tables.records)
        points.push_back({r.temperature, r.pressure});
    tables.pressures = UniquePressures(SortByPressure(std::move(points)));
    for (long double pressure : tables.pressures) {
        TTableF temperatures;
        for (const TLiquidPropRec& r : tables.records)
            if (r.pressure == pressure)
                temperatures.push_back(r.temperature);
        tables.isobars.push_back({pressure, SortValues(std::move(temperatures))});
    }
    return m_liquids.emplace(key, std::move(tables)).first->second;
}

const CachedPropertySource::VaporTables& CachedPropertySource::vapor(std::int32_t key)
{
    auto it = m_vapors.find(key);
    if (it != m_vapors.end())
        return it->second;
    VaporTables tables;
    tables.records = m_files.VaporRecords(key, kPropVaporsTmp);
    TTableF temperatures;
    for (const TVaporPropRec& r : tables.records)
        temperatures.push_back(r.temperature);
    tables.temperatures = SortValues(std::move(temperatures));
    return m_vapors.emplace(key, std::move(tables)).first->second;
}

std::optional<TLiquidRow> CachedPropertySource::LiquidProps(std::int32_t liquidKey, long double p,
                                                            long double t)
{
    const LiquidTables& tables = liquid(liquidKey);
    // The values of one isobar at t: interpolated between the bracketing points, or the stored
    // point's values (the isobar's nearest end outside its range).
    auto onIsobar = [&](long double pressure) {
        const Isobar* isobar = nullptr;
        for (const Isobar& candidate : tables.isobars)
            if (candidate.pressure == pressure) {
                isobar = &candidate;
                break;
            }
        const TBracket tb = Bracket(isobar ? isobar->temperatures : TTableF{}, t);
        if (tb.isInterior())
            return interpolateAll(t, tb.Lo, storedLiquidValues(tables.records, tb.Lo, pressure), tb.Hi,
                                  storedLiquidValues(tables.records, tb.Hi, pressure));
        return storedLiquidValues(tables.records, tb.Exact, pressure);
    };
    const TBracket pb = Bracket(tables.pressures, p);
    std::array<long double, 4> v{};
    if (pb.isInterior())
        v = interpolateAll(p, pb.Lo, onIsobar(pb.Lo), pb.Hi, onIsobar(pb.Hi));
    else if (pb.isExact())
        v = onIsobar(pb.Exact);
    else
        return std::nullopt;
    return TLiquidRow{t, v[0], v[1], v[2], v[3]};
}

std::optional<TVaporRow> CachedPropertySource::VaporProps(std::int32_t vaporKey, long double t)
{
    const VaporTables& tables = vapor(vaporKey);
    const TBracket tb = Bracket(tables.temperatures, t);
    std::array<long double, 5> v{};
    if (tb.isInterior())
        v = interpolateAll(t, tb.Lo, storedVaporValues(tables.records, tb.Lo), tb.Hi,
                           storedVaporValues(tables.records, tb.Hi));
    else if (tb.isExact())
        v = storedVaporValues(tables.records, tb.Exact);
    else
        return std::nullopt;
    return TVaporRow{t, v[0], v[1], v[2], v[3], v[4]};
}

} // namespace velor
