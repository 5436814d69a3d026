// Value-field behaviour: conversion, clamping, decimals, stepping, the key filter and leaving.
#include "units/valuefield.h"

#include <gtest/gtest.h>

namespace velor {
namespace {

ValueField field(Quantity q, const char* unit, long double min, long double max, int decimals, char sep = '.')
{
    ValueField f(ValueField::Kind::Spin, sep);
    f.setIsoMinValue(min);
    f.setIsoMaxValue(max);
    f.setIncrement(5); // as the main window sets up every input field
    f.setPrecision(decimals);
    f.applyTriple(*unitTriple(q, *unitIndex(q, unit)));
    return f;
}

TEST(ValueField, NewFieldShowsZeroWithoutConversion)
{
    ValueField f;
    EXPECT_EQ(f.text(), "0");
    EXPECT_EQ(f.formatPattern(), "0");
    f.setText("12.5");
    EXPECT_EQ(f.value(), 12.5L);
    EXPECT_EQ(f.isoValue(), 12.5L); // zero triple: base equals shown
}

TEST(ValueField, LeavingClampsAndFormats)
{
    struct Case
    {
        const char* name;
        Quantity q;
        const char* unit;
        long double min, max;
        int decimals;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"flow above the bound", Quantity::VolumeFlow, "l/min", 0, 10000, 2, "10000000000", "600000000.00"},
        {"emptied temperature", Quantity::Temperature, "deg.C", -10000000000.0L, 10000000000.0L, 1, "",
         "-10000000000.0"},
        {"emptied flow", Quantity::VolumeFlow, "m3/h", 0, 10000, 2, "", "0.00"},
        {"unreadable text", Quantity::MassFlow, "kg/s", 0, 10000, 3, "12a", "0.000"},
        {"below the bound", Quantity::MassFlow, "kg/s", 0, 10000, 1, "-4", "0.0"},
        {"one decimal", Quantity::Temperature, "deg.C", -100, 1000, 1, "12.345", "12.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ValueField f = field(c.q, c.unit, c.min, c.max, c.decimals);
        f.setText(c.typed);
        f.leave();
        EXPECT_EQ(f.text(), c.shown);
    }
}

TEST(ValueField, KeepsAllDigitsInBaseAcrossUnitChanges)
{
    ValueField f = field(Quantity::Temperature, "deg.C", -100, 1000, 1);
    f.setText("12.345");
    f.leave();
    EXPECT_EQ(f.text(), "12.3");
    f.applyTriple(*unitTriple(Quantity::Temperature, 1));
    EXPECT_EQ(f.text(), "54.2"); // 12.345 deg.C = 54.221 deg.F
    f.applyTriple(*unitTriple(Quantity::Temperature, 0));
    EXPECT_EQ(f.text(), "12.3");
    EXPECT_NEAR(static_cast<double>(f.isoValue()), 12.345, 1e-12);
}

TEST(ValueField, StepsInTheLastShownDecimal)
{
    ValueField f = field(Quantity::Temperature, "deg.C", -100, 1000, 2);
    EXPECT_EQ(f.increment(), 0.05L);
    f.setIsoValue(20);
    EXPECT_EQ(f.text(), "20.00");
    EXPECT_TRUE(f.stepUp());
    EXPECT_EQ(f.text(), "20.05");
    f.setIsoValue(20);
    EXPECT_TRUE(f.stepDown());
    EXPECT_EQ(f.text(), "19.95");
    f.setPrecision(2); // a second write keeps 0.05
    EXPECT_EQ(f.increment(), 0.05L);
}

TEST(ValueField, StepRescaling)
{
    struct Case
    {
        long double increment;
        int precision;
        long double expected;
    };
    const Case cases[] = {{5, 2, 0.05L}, {5, 3, 0.005L}, {1, 2, 0.01L},
                          {5, 0, 5},     {5, -1, 5},     {0.5L, 2, 0.5L}};
    for (const Case& c : cases) {
        ValueField f;
        f.setIncrement(c.increment);
        f.setPrecision(c.precision);
        EXPECT_EQ(f.increment(), c.expected) << static_cast<double>(c.increment) << " at " << c.precision;
    }
    ValueField plain(ValueField::Kind::Plain);
    plain.setIncrement(5);
    plain.setPrecision(2);
    EXPECT_EQ(plain.increment(), 5);
}

TEST(ValueField, StepTakesTypedTextOverAndRespectsBounds)
{
    ValueField f = field(Quantity::MassFlow, "kg/s", 0, 10, 1);
    f.setText("9.8");
    EXPECT_TRUE(f.stepUp());
    EXPECT_EQ(f.text(), "10.0"); // 9.8 + 0.5 clamped
    f.setReadOnly(true);
    EXPECT_FALSE(f.stepUp());
    EXPECT_EQ(f.text(), "10.0");
}

TEST(ValueField, IsoValueWritesAndReads)
{
    ValueField f = field(Quantity::Pressure, "bar", 0, 100000, 0);
    f.setIsoValue(100);
    EXPECT_EQ(f.text(), "1");
    f.setPrecision(2);
    EXPECT_EQ(f.text(), "1"); // not redrawn until the next write
    f.setIsoValue(f.isoValue());
    EXPECT_EQ(f.text(), "1.00");
    f.setText("2.5");
    EXPECT_EQ(f.isoValue(), 100); // typed, not taken over yet
    EXPECT_EQ(f.value(), 2.5L);
    EXPECT_EQ(f.isoValue(), 250);
}

TEST(ValueField, EqualBoundsNeverClamp)
{
    ValueField f(ValueField::Kind::Plain);
    f.applyTriple(*unitTriple(Quantity::Temperature, 0));
    f.setPrecision(1);
    f.setIsoValue(-500);
    EXPECT_EQ(f.text(), "-500.0");
    f.setValue(-1e12L);
    EXPECT_EQ(f.isoValue(), -1e12L);
}

TEST(ValueField, TextChangeNotifies)
{
    ValueField f = field(Quantity::Temperature, "deg.C", -100, 1000, 1);
    int changes = 0;
    f.onTextChanged = [&] { ++changes; };
    f.setIsoValue(10);
    f.setIsoValue(10); // same text: no change event
    f.setText("11");
    EXPECT_EQ(changes, 2);
}

TEST(ValueField, KeyFilter)
{
    ValueField f(ValueField::Kind::Spin, ',');
    for (char32_t ch : {U'0', U'9', U'+', U'-', U',', char32_t(8), char32_t(3), char32_t(22)})
        EXPECT_TRUE(f.acceptsCharacter(ch)) << int(ch);
    for (char32_t ch : {U'.', U'a', U'E', U' ', char32_t(13), U'ł'})
        EXPECT_FALSE(f.acceptsCharacter(ch)) << int(ch);
    f.setEditorEnabled(false);
    for (char32_t ch : {U'0', U',', char32_t(8), char32_t(13), U'\xE9'})
        EXPECT_FALSE(f.acceptsCharacter(ch)) << int(ch);
    EXPECT_TRUE(f.acceptsCharacter(char32_t(3))); // Ctrl+C still passes
    EXPECT_FALSE(f.allowsPasteAndCut());
    f.setText("1");
    f.setIncrement(1);
    EXPECT_TRUE(f.stepUp()); // the spin buttons still step
    EXPECT_EQ(f.text(), "2");
}

TEST(ValueField, LocaleSeparator)
{
    ValueField f = field(Quantity::Temperature, "deg.C", -100, 1000, 2, ',');
    f.setText("12,5");
    f.leave();
    EXPECT_EQ(f.text(), "12,50");
    EXPECT_EQ(f.increment(), 0.05L);
}

} // namespace
} // namespace velor
