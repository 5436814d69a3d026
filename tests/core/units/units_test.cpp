// The units catalogue: lists, conversions, printout names and presets.
#include "units/units.h"

#include <cmath>
#include <gtest/gtest.h>

namespace velor {
namespace {

void expectNear(long double actual, long double expected)
{
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                1e-12 * std::max(1.0, std::fabs(static_cast<double>(expected))));
}

TEST(Units, ListsHaveTheirOrderAndBase)
{
    EXPECT_EQ(unitList(Quantity::HeatLoad).size(), 6u);
    EXPECT_EQ(unitList(Quantity::MassFlow).size(), 7u);
    EXPECT_EQ(unitName(Quantity::Pressure, 6), "psig");
    EXPECT_EQ(unitName(Quantity::PressureDrop, 6), "psi");
    EXPECT_EQ(unitName(Quantity::Temperature, 2), "deg.K");
    EXPECT_EQ(unitName(Quantity::Pressure, 5), "Tr");
    EXPECT_EQ(unitName(Quantity::Pressure, 7), "");
    for (Quantity q : allQuantities()) {
        const UnitTriple base = *unitTriple(q, baseUnitIndex(q));
        EXPECT_EQ(base, UnitTriple{}) << quantityKey(q);
        EXPECT_EQ(quantityFromKey(quantityKey(q)), q);
    }
    EXPECT_EQ(baseUnitIndex(Quantity::SheetPressure), 3);
    EXPECT_EQ(unitIndex(Quantity::Temperature, "deg.F"), 1);
    EXPECT_EQ(unitIndex(Quantity::Temperature, "degF"), std::nullopt);
}

TEST(Units, ConvertsFromBase)
{
    struct Case
    {
        Quantity q;
        const char* unit;
        long double base;
        long double display;
    };
    const Case cases[] = {
        {Quantity::Temperature, "deg.F", 100, 212},
        {Quantity::Temperature, "deg.K", 100, 373.15L},
        {Quantity::Temperature, "deg.R", 100, 671.67L},
        {Quantity::TemperatureDifference, "deg.F", 10, 18},
        {Quantity::TemperatureDifference, "deg.K", 10, 10},
        {Quantity::Pressure, "psig", 0, -14.7L},
        {Quantity::PressureDrop, "psi", 0, 0},
        {Quantity::Pressure, "bar", 100, 1},
        {Quantity::Pressure, "MPa", 100, 0.1L},
        {Quantity::HeatLoad, "BTU/h", 1, 6480 / 1.899100534716L},
        {Quantity::HeatLoad, "GJ/h", 1, 0.0036L},
        {Quantity::MassFlow, "lb/min", 1, 60 / 0.45359237L},
        {Quantity::VolumeFlow, "l/min", 1, 60000},
        {Quantity::VolumeFlow, "USGal/min", 1, 60000 / 3.78541L},
        {Quantity::Fouling, "m2hK/kcal", 1, 0.001163L},
        {Quantity::LatentHeat, "kcal/kg", 2257, 2257 / 4.1864L},
        {Quantity::LatentHeat, "BTU/lb", 2257, 2257 * 1.8L / 4.1864L},
        {Quantity::SheetPressure, "kPa", 10, 1000},
        {Quantity::SheetPressure, "psig", 10, 10 * 100000 / 6894.77L - 14.7L},
        {Quantity::Velocity, "ft/h", 1, 3600 / 0.3048L},
        {Quantity::Mass, "lb", 1, 1 / 0.4535924L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        const int index = *unitIndex(c.q, c.unit);
        expectNear(convertFromBase(c.q, index, c.base), c.display);
        expectNear(convertToBase(c.q, index, c.display), c.base);
    }
}

TEST(Units, OutOfRangeIndexLeavesValuesUnchanged)
{
    for (int index : {-1, 7, 1000}) {
        EXPECT_EQ(convertFromBase(Quantity::Pressure, index, 42.5L), 42.5L);
        EXPECT_EQ(convertToBase(Quantity::Pressure, index, 42.5L), 42.5L);
        EXPECT_FALSE(unitTriple(Quantity::Pressure, index));
        EXPECT_EQ(printUnitName(Quantity::Pressure, index), "");
    }
}

TEST(Units, ZeroTripleConvertsNothing)
{
    const UnitTriple zero{0, 0, 0};
    EXPECT_EQ(zero.toBase(12.5L), 12.5L);
    EXPECT_EQ(zero.toDisplay(12.5L), 12.5L);
}

TEST(Units, PrintoutSpellings)
{
    EXPECT_EQ(printUnitName(Quantity::HeatTransferCoefficient, 0), "W/m2 K");
    EXPECT_EQ(printUnitName(Quantity::Conductivity, 0), "W/m K");
    EXPECT_EQ(printUnitName(Quantity::Density, 2), "lb/USgal");
    EXPECT_EQ(unitName(Quantity::Density, 2), "lb/USGal");
    EXPECT_EQ(printUnitName(Quantity::Viscosity, 1), "cP");
}

TEST(Units, Presets)
{
    struct Case
    {
        PresetScreen screen;
        Quantity q;
        std::array<const char*, 4> units;
    };
    const Case cases[] = {
        {PresetScreen::Inputs, Quantity::HeatLoad, {"kW", "W", "GJ/h", "BTU/h"}},
        {PresetScreen::Inputs, Quantity::VolumeFlow, {"m3/h", "l/min", "m3/h", "USGal/min"}},
        {PresetScreen::Inputs, Quantity::Pressure, {"kPa", "Pa", "bar", "psig"}},
        {PresetScreen::Inputs, Quantity::PressureDrop, {"kPa", "Pa", "bar", "psi"}},
        {PresetScreen::Inputs, Quantity::MassFlow, {"kg/s", "kg/min", "t/min", "lb/min"}},
        {PresetScreen::Results,
         Quantity::HeatTransferCoefficient,
         {"W/m2K", "W/m2K", "kcal/m2hK", "BTU/ft2hF"}},
        {PresetScreen::Results, Quantity::TemperatureDifference, {"deg.C", "deg.K", "deg.C", "deg.F"}},
        {PresetScreen::FluidTables, Quantity::Viscosity, {"Ns/m2", "Ns/m2", "cP", "cP"}},
        {PresetScreen::VaporEditor, Quantity::LatentHeat, {"kJ/kg", "kJ/kg", "kcal/kg", "BTU/lb"}},
        {PresetScreen::MoreResults, Quantity::Velocity, {"m/s", "m/s", "m/s", "ft/h"}},
        {PresetScreen::PrintUnits, Quantity::SheetPressure, {"kPa", "Pa", "bar", "psig"}},
        {PresetScreen::PrintUnits, Quantity::Volume, {"l", "l", "l", "USGal"}},
    };
    for (const Case& c : cases)
        for (int preset = 0; preset < 4; ++preset)
            EXPECT_EQ(unitName(c.q, *presetUnitIndex(c.screen, c.q, preset)),
                      c.units[static_cast<std::size_t>(preset)])
                << quantityKey(c.q) << " preset " << preset;
    EXPECT_EQ(presetUnitIndex(PresetScreen::Inputs, Quantity::HeatLoad, kPresetOther), std::nullopt);
    EXPECT_EQ(presetUnitIndex(PresetScreen::MoreResults, Quantity::HeatLoad, kPresetUs), std::nullopt);
}

} // namespace
} // namespace velor
