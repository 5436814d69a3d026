// The units catalogue.
#include "units/units.h"

#include <algorithm>

namespace velor {
namespace {

constexpr UnitTriple T(long double m = 1, long double d = 1, long double s = 0)
{
    return {m, d, s};
}

constexpr UnitDef kHeatLoad[] = {
    {"kW", T()},
    {"W", T(1, 1000)},
    {"BTU/h", T(1.899100534716L, 6480)},
    {"kcal/h", T(4.1868L, 3600)},
    {"Gcal/h", T(4186800, 3600)},
    {"GJ/h", T(1000000, 3600)},
};
constexpr UnitDef kTemperature[] = {
    {"deg.C", T()},
    {"deg.F", T(1, 1.8L, -32)},
    {"deg.K", T(1, 1, -273.15L)},
    {"deg.R", T(1, 1.8L, -491.67L)},
};
constexpr UnitDef kTemperatureDifference[] = {
    {"deg.C", T()},
    {"deg.F", T(1, 1.8L)},
    {"deg.K", T()},
    {"deg.R", T(1, 1.8L)},
};
constexpr UnitDef kMassFlow[] = {
    {"kg/s", T()},
    {"kg/min", T(1, 60)},
    {"kg/h", T(1, 3600)},
    {"lb/min", T(0.45359237L, 60)},
    {"lb/h", T(0.45359237L, 3600)},
    {"t/min", T(1000, 60)},
    {"t/h", T(1000, 3600)},
};
constexpr UnitDef kVolumeFlow[] = {
    {"m3/s", T()},
    {"m3/min", T(1, 60)},
    {"m3/h", T(1, 3600)},
    {"l/s", T(1, 1000)},
    {"l/min", T(1, 60000)},
    {"l/h", T(1, 3600000)},
    {"USGal/min", T(3.78541L, 60000)},
};
constexpr UnitDef kPressure[] = {
    {"kPa", T()},
    {"MPa", T(1000)},
    {"Pa", T(1, 1000)},
    {"bar", T(100)},
    {"mmH2O", T(9.80665L, 1000)},
    {"Tr", T(133.322L, 1000)},
    {"psig", T(6894.77L, 1000, 14.7L)},
};
constexpr UnitDef kPressureDrop[] = {
    {"kPa", T()},
    {"MPa", T(1000)},
    {"Pa", T(1, 1000)},
    {"bar", T(100)},
    {"mmH2O", T(9.80665L, 1000)},
    {"Tr", T(133.322L, 1000)},
    {"psi", T(6894.77L, 1000)},
};
constexpr UnitDef kFouling[] = {
    {"m2K/kW", T()},
    {"m2hK/kcal", T(1000, 1.163L)},
    {"ft2hF/BTU", T(1000, 5.67826L)},
};
constexpr UnitDef kHeatTransferCoefficient[] = {
    {"W/m2K", T()},
    {"kcal/m2hK", T(1.163L)},
    {"BTU/ft2hF", T(5.67826L)},
};
constexpr UnitDef kArea[] = {
    {"m2", T()},
    {"ft2", T(0.09290304L)},
};
constexpr UnitDef kVelocity[] = {
    {"m/s", T()},
    {"ft/h", T(0.3048L, 3600)},
};
constexpr UnitDef kDensity[] = {
    {"kg/m3", T()},
    {"lb/ft3", T(16.0185L)},
    {"lb/USGal", T(119.826L)},
};
constexpr UnitDef kHeatCapacity[] = {
    {"kJ/kgK", T()},
    {"kcal/kgK", T(4186.8L, 1000)},
    {"BTU/lbF", T(4186.8L, 1000)},
};
constexpr UnitDef kConductivity[] = {
    {"W/mK", T()},
    {"kcal/mhK", T(1.163L)},
    {"BTU/fthF", T(1.73074L)},
};
constexpr UnitDef kViscosity[] = {
    {"Ns/m2", T()},
    {"cP", T(1, 1000)},
    {"mPas", T(1, 1000)},
};
constexpr UnitDef kLatentHeat[] = {
    {"kJ/kg", T()},
    {"kcal/kg", T(4.1864L)},
    {"BTU/lb", T(4.1864L, 1.8L)},
};
constexpr UnitDef kLength[] = {
    {"mm", T()},
    {"inch", T(25.4L)},
};
constexpr UnitDef kVolume[] = {
    {"l", T()},
    {"m3", T(1000)},
    {"USGal", T(3.78541L)},
};
constexpr UnitDef kMass[] = {
    {"kg", T()},
    {"lb", T(0.4535924L)},
};
constexpr UnitDef kSheetPressure[] = {
    {"kPa", T(1, 100)},
    {"MPa", T(1000, 100)},
    {"Pa", T(1, 100000)},
    {"bar", T()},
    {"mmH2O", T(9.80665L, 100000)},
    {"Tr", T(133.322L, 100000)},
    {"psig", T(6894.77L, 100000, 14.7L)},
};

struct QuantityInfo
{
    Quantity quantity;
    std::string_view key;
    std::span<const UnitDef> units;
};

constexpr QuantityInfo kQuantities[] = {
    {Quantity::HeatLoad, "heat_load", kHeatLoad},
    {Quantity::Temperature, "temperature", kTemperature},
    {Quantity::TemperatureDifference, "temperature_difference", kTemperatureDifference},
    {Quantity::MassFlow, "mass_flow", kMassFlow},
    {Quantity::VolumeFlow, "volume_flow", kVolumeFlow},
    {Quantity::Pressure, "pressure", kPressure},
    {Quantity::PressureDrop, "pressure_drop", kPressureDrop},
    {Quantity::Fouling, "fouling", kFouling},
    {Quantity::HeatTransferCoefficient, "heat_transfer_coefficient", kHeatTransferCoefficient},
    {Quantity::Area, "area", kArea},
    {Quantity::Velocity, "velocity", kVelocity},
    {Quantity::Density, "density", kDensity},
    {Quantity::HeatCapacity, "heat_capacity", kHeatCapacity},
    {Quantity::Conductivity, "conductivity", kConductivity},
    {Quantity::Viscosity, "viscosity", kViscosity},
    {Quantity::LatentHeat, "latent_heat", kLatentHeat},
    {Quantity::Length, "length", kLength},
    {Quantity::Volume, "volume", kVolume},
    {Quantity::Mass, "mass", kMass},
    {Quantity::SheetPressure, "sheet_pressure", kSheetPressure},
};
static_assert(std::size(kQuantities) == kQuantityCount);

constexpr std::array<Quantity, kQuantityCount> kAllQuantities = [] {
    std::array<Quantity, kQuantityCount> all{};
    for (int i = 0; i < kQuantityCount; ++i)
        all[static_cast<std::size_t>(i)] = kQuantities[i].quantity;
    return all;
}();

const QuantityInfo& info(Quantity quantity)
{
    return kQuantities[static_cast<int>(quantity)];
}

const UnitDef* unitAt(Quantity quantity, int index)
{
    const auto list = unitList(quantity);
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

// Preset tables: unit index per preset (KORVANEX, ISO, METRIC, US).
struct PresetRow
{
    Quantity quantity;
    std::array<int, 4> index;
};

constexpr PresetRow kInputPresets[] = {
    {Quantity::HeatLoad, {0, 1, 5, 2}},     {Quantity::Fouling, {0, 0, 0, 2}},
    {Quantity::Temperature, {0, 2, 0, 1}},  {Quantity::MassFlow, {0, 1, 5, 3}},
    {Quantity::VolumeFlow, {2, 4, 2, 6}},   {Quantity::Pressure, {0, 2, 3, 6}},
    {Quantity::PressureDrop, {0, 2, 3, 6}},
};
constexpr PresetRow kResultPresets[] = {
    {Quantity::HeatLoad, {0, 1, 5, 2}},
    {Quantity::Area, {0, 0, 0, 1}},
    {Quantity::TemperatureDifference, {0, 2, 0, 1}},
    {Quantity::Fouling, {0, 0, 0, 2}},
    {Quantity::HeatTransferCoefficient, {0, 0, 1, 2}},
    {Quantity::Temperature, {0, 2, 0, 1}},
    {Quantity::MassFlow, {0, 1, 5, 3}},
    {Quantity::VolumeFlow, {2, 4, 2, 6}},
    {Quantity::Pressure, {0, 2, 3, 6}},
    {Quantity::PressureDrop, {0, 2, 3, 6}},
};
constexpr PresetRow kFluidTablePresets[] = {
    {Quantity::Temperature, {0, 0, 0, 1}},  {Quantity::Pressure, {0, 0, 3, 6}},
    {Quantity::Density, {0, 0, 0, 1}},      {Quantity::HeatCapacity, {0, 0, 1, 2}},
    {Quantity::Conductivity, {0, 0, 1, 2}}, {Quantity::Viscosity, {0, 0, 1, 1}},
};
constexpr PresetRow kVaporEditorPresets[] = {
    {Quantity::Pressure, {0, 0, 3, 6}},     {Quantity::Temperature, {0, 0, 0, 1}},
    {Quantity::LatentHeat, {0, 0, 1, 2}},   {Quantity::Viscosity, {0, 0, 1, 1}},
    {Quantity::HeatCapacity, {0, 0, 1, 2}}, {Quantity::Conductivity, {0, 0, 1, 2}},
};
constexpr PresetRow kMoreResultPresets[] = {
    {Quantity::Velocity, {0, 0, 0, 1}},
    {Quantity::HeatTransferCoefficient, {0, 0, 1, 2}},
};
constexpr PresetRow kPrintUnitPresets[] = {
    {Quantity::SheetPressure, {0, 2, 3, 6}}, {Quantity::Temperature, {0, 2, 0, 1}},
    {Quantity::Length, {0, 0, 0, 1}},        {Quantity::Area, {0, 0, 0, 1}},
    {Quantity::Mass, {0, 0, 0, 1}},          {Quantity::Volume, {0, 0, 0, 2}},
};

std::span<const PresetRow> presetTable(PresetScreen screen)
{
    switch (screen) {
    case PresetScreen::Inputs:
        return kInputPresets;
    case PresetScreen::Results:
        return kResultPresets;
    case PresetScreen::FluidTables:
        return kFluidTablePresets;
    case PresetScreen::VaporEditor:
        return kVaporEditorPresets;
    case PresetScreen::MoreResults:
        return kMoreResultPresets;
    case PresetScreen::PrintUnits:
        return kPrintUnitPresets;
    }
    return {};
}

} // namespace

std::span<const UnitDef> unitList(Quantity quantity)
{
    return info(quantity).units;
}

std::span<const Quantity> allQuantities()
{
    return kAllQuantities;
}

int baseUnitIndex(Quantity quantity)
{
    return quantity == Quantity::SheetPressure ? 3 : 0;
}

std::optional<UnitTriple> unitTriple(Quantity quantity, int index)
{
    if (const UnitDef* unit = unitAt(quantity, index))
        return unit->triple;
    return std::nullopt;
}

long double convertFromBase(Quantity quantity, int index, long double value)
{
    const UnitDef* unit = unitAt(quantity, index);
    return unit ? unit->triple.toDisplay(value) : value;
}

long double convertToBase(Quantity quantity, int index, long double value)
{
    const UnitDef* unit = unitAt(quantity, index);
    return unit ? unit->triple.toBase(value) : value;
}

std::string_view unitName(Quantity quantity, int index)
{
    const UnitDef* unit = unitAt(quantity, index);
    return unit ? unit->name : std::string_view{};
}

std::string_view printUnitName(Quantity quantity, int index)
{
    const std::string_view name = unitName(quantity, index);
    if (name == "W/m2K")
        return "W/m2 K";
    if (name == "W/mK")
        return "W/m K";
    if (name == "lb/USGal")
        return "lb/USgal";
    return name;
}

std::optional<int> unitIndex(Quantity quantity, std::string_view name)
{
    const auto list = unitList(quantity);
    const auto it = std::find_if(list.begin(), list.end(), [&](const UnitDef& u) { return u.name == name; });
    if (it == list.end())
        return std::nullopt;
    return static_cast<int>(it - list.begin());
}

std::string_view quantityKey(Quantity quantity)
{
    return info(quantity).key;
}

std::optional<Quantity> quantityFromKey(std::string_view key)
{
    for (const QuantityInfo& q : kQuantities)
        if (q.key == key)
            return q.quantity;
    return std::nullopt;
}

std::optional<int> presetUnitIndex(PresetScreen screen, Quantity quantity, int preset)
{
    if (preset < 0 || preset > kPresetUs)
        return std::nullopt;
    for (const PresetRow& row : presetTable(screen))
        if (row.quantity == quantity)
            return row.index[static_cast<std::size_t>(preset)];
    return std::nullopt;
}

} // namespace velor
