// The source of the fluid property rows the rating engine looks up at each size's wall
// temperatures: straight from the working-copy files, or from their records held in memory.
#pragma once

#include "fluids/fluidfiles.h"
#include "fluids/properties.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace velor {

/// One liquid row (t, density, heat capacity, conductivity, viscosity) at t (deg.C) and p (kPa)
/// from "PropLiquids.tmp"; empty when the liquid has no rows.
std::optional<TLiquidRow> LiquidProps(const FluidFiles& files, std::int32_t liquidKey, long double p,
                                      long double t);

/// One saturated-vapor row at t (deg.C) from "PropVapors.tmp"; empty when the vapor has no rows.
std::optional<TVaporRow> VaporProps(const FluidFiles& files, std::int32_t vaporKey, long double t);

/// Film coefficient of a condensing vapor (W/m2K) with the steam factors at t (deg.C) of
/// "SteamF.dat"; empty when the table is empty.
std::optional<long double> CondensingCoefficient(const FluidFiles& files, long double t, long double m,
                                                 long double area);

/// Property rows of the fluids in the working copies ("PropLiquids.tmp", "PropVapors.tmp").
class PropertySource
{
public:
    virtual ~PropertySource() = default;
    /// The liquid's row at t (deg.C) and p (kPa); empty when the liquid has no rows.
    virtual std::optional<TLiquidRow> LiquidProps(std::int32_t liquidKey, long double p, long double t) = 0;
    /// The vapor's saturation row at t (deg.C); empty when the vapor has no rows.
    virtual std::optional<TVaporRow> VaporProps(std::int32_t vaporKey, long double t) = 0;
};

/// Evaluates every row by reading the working-copy files, as each lookup of the design does.
class FilePropertySource : public PropertySource
{
public:
    explicit FilePropertySource(const FluidFiles& files) : m_files(files) {}
    std::optional<TLiquidRow> LiquidProps(std::int32_t liquidKey, long double p, long double t) override;
    std::optional<TVaporRow> VaporProps(std::int32_t vaporKey, long double t) override;

private:
    const FluidFiles& m_files;
};

/// Reads each fluid's records from the working copies once and evaluates rows in memory with
/// the same brackets and interpolations as the file lookups, so the rows are identical. A run
/// rates many sizes, each needing rows at its own wall temperatures; this keeps a size's rating
/// free of file reads.
class CachedPropertySource : public PropertySource
{
public:
    explicit CachedPropertySource(const FluidFiles& files) : m_files(files) {}
    std::optional<TLiquidRow> LiquidProps(std::int32_t liquidKey, long double p, long double t) override;
    std::optional<TVaporRow> VaporProps(std::int32_t vaporKey, long double t) override;

private:
    struct Isobar
    {
        long double pressure = 0; // kPa
        TTableF temperatures;     // deg.C, ascending, as the bracket search sees them
    };
    struct LiquidTables
    {
        TTablePropL records; // the key's records in file order
        TTableF pressures;   // kPa, ascending, no repeats
        std::vector<Isobar> isobars;
    };
    struct VaporTables
    {
        TTablePropV records;  // the key's records in file order
        TTableF temperatures; // deg.C, ascending
    };
    const LiquidTables& liquid(std::int32_t key);
    const VaporTables& vapor(std::int32_t key);

    const FluidFiles& m_files;
    std::map<std::int32_t, LiquidTables> m_liquids;
    std::map<std::int32_t, VaporTables> m_vapors;
};

} // namespace velor
