// The units catalogue: for every physical quantity the ordered list of display units with their
// exact conversion triples, the conversions to and from the base unit, the unit names used on
// printouts, and the unit-set presets of the screens.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velor {

/// The twenty quantities with a unit list, in catalogue order.
enum class Quantity
{
    HeatLoad,                ///< base kW
    Temperature,             ///< base deg.C
    TemperatureDifference,   ///< base K (LMTD)
    MassFlow,                ///< base kg/s
    VolumeFlow,              ///< base m3/s
    Pressure,                ///< base kPa (absolute; "psig" carries the only offset)
    PressureDrop,            ///< base kPa
    Fouling,                 ///< base m2K/kW
    HeatTransferCoefficient, ///< base W/m2K
    Area,                    ///< base m2
    Velocity,                ///< base m/s
    Density,                 ///< base kg/m3
    HeatCapacity,            ///< base kJ/kgK
    Conductivity,            ///< base W/mK
    Viscosity,               ///< base Ns/m2
    LatentHeat,              ///< base kJ/kg
    Length,                  ///< base mm (technical data sheets)
    Volume,                  ///< base l (technical data sheets)
    Mass,                    ///< base kg (technical data sheets)
    SheetPressure,           ///< base bar (working pressures of technical data sheets)
};

inline constexpr int kQuantityCount = 20;

/// Conversion of one display unit: base = (display + S) * M / D, display = base * D / M - S.
struct UnitTriple
{
    long double multiply = 1;     ///< M, ISOMultiply
    long double division = 1;     ///< D, ISODivision
    long double displacement = 0; ///< S, ISODisplacement

    /// Display value to base. A zero divisor converts nothing (the value is returned unchanged).
    long double toBase(long double display) const
    {
        return division == 0 ? display : (display + displacement) * multiply / division;
    }
    /// Base value to display. A zero multiplier converts nothing.
    long double toDisplay(long double base) const
    {
        return multiply == 0 ? base : base * division / multiply - displacement;
    }
    bool operator==(const UnitTriple&) const = default;
};

/// One entry of a unit list.
struct UnitDef
{
    std::string_view name;
    UnitTriple triple;
};

/// The unit list of a quantity, in its fixed order.
std::span<const UnitDef> unitList(Quantity quantity);

/// Every quantity, in catalogue order.
std::span<const Quantity> allQuantities();

/// Index of the base unit in the list: 0, except 3 ("bar") for `SheetPressure`.
int baseUnitIndex(Quantity quantity);

/// The triple of (quantity, index); nullopt for an index outside the list.
std::optional<UnitTriple> unitTriple(Quantity quantity, int index);

/// Base value to the unit `index`; an index outside the list returns the value unchanged.
long double convertFromBase(Quantity quantity, int index, long double value);
/// Value in the unit `index` to base; an index outside the list returns the value unchanged.
long double convertToBase(Quantity quantity, int index, long double value);

/// The list name of a unit as the unit boxes show it; empty outside the list.
std::string_view unitName(Quantity quantity, int index);
/// The name of a unit as printouts spell it: the list name except "W/m2 K", "W/m K" and
/// "lb/USgal"; empty outside the list.
std::string_view printUnitName(Quantity quantity, int index);
/// Index of the unit named exactly `name`; nullopt if none.
std::optional<int> unitIndex(Quantity quantity, std::string_view name);

/// Machine names used by the command-line tool ("heat_load", "temperature", ...).
std::string_view quantityKey(Quantity quantity);
std::optional<Quantity> quantityFromKey(std::string_view key);

// ---------------------------------------------------------------------------------------------
// Unit-set presets ("units standards")

/// Entries of every `cbUnitsStandard`, in order; entry 4 ("Other") sets nothing.
inline constexpr std::array<std::string_view, 5> kUnitPresetNames{"KORVANEX", "ISO", "METRIC", "US", "Other"};
inline constexpr int kPresetKorvanex = 0;
inline constexpr int kPresetIso = 1;
inline constexpr int kPresetMetric = 2;
inline constexpr int kPresetUs = 3;
inline constexpr int kPresetOther = 4;

/// The screens that carry a preset box, each with its own table.
enum class PresetScreen
{
    Inputs,      ///< main window, Parameters page
    Results,     ///< main window, Calculations page
    FluidTables, ///< liquid editor and fluid reference
    VaporEditor, ///< vapor editor
    MoreResults, ///< more-results window
    PrintUnits,  ///< print units of the technical data sheets
};

/// The unit index the preset gives to the unit boxes of `quantity` on `screen`; nullopt when the
/// preset is "Other" (or out of range) or the screen has no unit box of that quantity.
std::optional<int> presetUnitIndex(PresetScreen screen, Quantity quantity, int preset);

} // namespace velor
