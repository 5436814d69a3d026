// Property evaluation: liquid values at (t, p) by two-stage linear interpolation over isobars,
// vapor saturation data at a temperature, steam factors, real-gas vapor density and the mixing
// of a liquid with water. No extrapolation: outside a table the nearest end is used.
#pragma once

#include "fluids/fluidfiles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velor {

/// The value that stands for "absent" in a bracket.
inline constexpr long double kAbsentValue = -1000000.0L;

/// Where a value lies in a sorted table: between `Lo` and `Hi` (interior), on `Exact`, or, with
/// all three absent, in an empty table.
struct TBracket
{
    long double Lo = kAbsentValue;
    long double Hi = kAbsentValue;
    long double Exact = kAbsentValue;

    bool isExact() const { return Exact != kAbsentValue; }
    bool isInterior() const { return !isExact() && Lo != kAbsentValue && Hi != kAbsentValue; }
    bool isEmpty() const { return !isExact() && !isInterior(); }
};

/// Steam factors at one temperature.
struct TSteamFactorRow
{
    long double temperature = 0;          ///< deg.C
    std::array<long double, 4> factors{}; ///< factors 1 to 4

    bool operator==(const TSteamFactorRow&) const = default;
};

// ---- Table helpers ----

/// Locates x in an ascending table (exact comparisons); outside the table the nearest end is
/// the exact value, a one-element table is always exact.
TBracket Bracket(const TTableF& sorted, long double x);
/// The straight line through (xa, ya) and (xb, yb) at x: ((xb − x)·ya − (xa − x)·yb) / (xb − xa).
long double Interpolate(long double x, long double xa, long double ya, long double xb, long double yb);
/// Ascending order, stable.
TTableF SortValues(TTableF values);
/// The first element and every element that differs from its predecessor.
TTableF UniqueValues(const TTableF& sorted);
TTableProp SortByPressure(TTableProp points);
TTableF UniquePressures(const TTableProp& sortedByPressure);
TTableAllPropL SortRowsL(TTableAllPropL rows);
TTableAllPropV SortRowsV(TTableAllPropV rows);
/// Names in ascending order for display, stable. Each name is lower-cased in the code page of
/// the user's files (`codePage`: ASCII letters and the accented and Cyrillic capitals the code
/// page holds) and the lower-cased code-page bytes are compared as unsigned bytes.
TTableS SortNames(TTableS names, CodePage codePage = systemCodePage());

// ---- Property functions (files are bare names in `files`, normally the working copies) ----

/// One row per t = tFrom, tFrom + step, ... while t <= tTo (step > 0; a step <= 0 gives no rows),
/// each row's temperature being the requested t. Empty when the key has no rows.
TTableAllPropL LiquidTable(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                           long double tFrom, long double tTo, long double step, long double p);
/// One row per given temperature (deg.C), in the given order, at pressure p (kPa).
TTableAllPropL LiquidTableAt(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                             const TTableF& temperatures, long double p);
/// Heat capacity (kJ/kgK, heatCapacity true) or density (kg/m3) at (t, p) of the liquid `key`
/// (useKey true) or of the liquid named `name` in `listFile`; 0 when nothing is found.
long double LiquidProperty(const FluidFiles& files, std::string_view name, bool heatCapacity,
                           std::int32_t key, bool useKey, std::string_view propFile,
                           std::string_view listFile, long double t, long double p);
/// Heat capacity (kJ/kgK, heatCapacity true) or latent heat (kJ/kg) of the vapor named `name` at
/// saturation temperature t; 0 when nothing is found.
long double VaporProperty(const FluidFiles& files, std::string_view name, bool heatCapacity,
                          std::string_view propFile, std::string_view listFile, long double t);
/// Saturation pressure (kPa) at temperature x (fromTemperature true) or saturation temperature
/// (deg.C) at pressure x, of the vapor named `name`; 0 when nothing is found.
long double Saturation(const FluidFiles& files, std::string_view name, bool fromTemperature,
                       std::string_view propFile, std::string_view listFile, long double x);
/// The vapor's saturation row at temperature t; nullopt when the vapor has no rows.
std::optional<TVaporRow> VaporRow(const FluidFiles& files, std::int32_t key, std::string_view propFile,
                                  long double t);
/// The steam factors at temperature t from "SteamF.dat"; nullopt when the table is empty.
std::optional<TSteamFactorRow> SteamFactors(const FluidFiles& files, long double t);
/// Compressibility factor Z at p, t of a gas with critical data pc, tc (kPa, deg.C):
/// τ = (t + 273)/(tc + 273), Z = 1 + 9/128 · (p/pc) · τ · (1 − 6/τ²).
long double Compressibility(long double p, long double pc, long double t, long double tc);
/// Vapor density (kg/m3) at t (deg.C) and p (kPa): p·M·100 / (Z·848·(t + 273)). nullopt when
/// the vapor is not in the list, has no critical pressure, or the formula has no finite value.
std::optional<long double> VaporDensity(const FluidFiles& files, std::int32_t key, std::string_view listFile,
                                        long double t, long double p);
/// The rows of a solution of c % by mass of the liquid in `rows` in water (key `waterKey`) at
/// pressure p. nullopt when water has no rows; no rows in, no rows out.
std::optional<TTableAllPropL> MixWithWater(const FluidFiles& files, const TTableAllPropL& rows,
                                           std::int32_t waterKey, std::string_view propFile, long double p,
                                           long double c);

} // namespace velor
