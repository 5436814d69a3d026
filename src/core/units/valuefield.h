// The behaviour of a value field with a unit, free of any widget: the text shown, the value kept
// in the base unit, the display unit's conversion triple, bounds, decimals, stepping and the key
// filter. The Qt value-field widgets wrap one of these and mirror its text.
#pragma once

#include "units/units.h"

#include <functional>
#include <string>

namespace velor {

class ValueField
{
public:
    /// A spin field steps with its buttons and the arrow keys; a plain field does not.
    enum class Kind
    {
        Spin,
        Plain,
    };

    explicit ValueField(Kind kind = Kind::Spin, char decimalSeparator = '.');

    Kind kind() const { return m_kind; }
    char decimalSeparator() const { return m_separator; }
    void setDecimalSeparator(char separator) { m_separator = separator; }

    /// Called after every change of the text, by the user or by the field itself.
    std::function<void()> onTextChanged;

    const std::string& text() const { return m_text; }
    /// The user edits the text: stored as typed, nothing is reformatted or converted.
    void setText(const std::string& text);

    /// The shown number in the display unit. Reading parses the text (an empty or unreadable
    /// text gives the lower bound in the display unit) and takes it over as the base value,
    /// unclamped; the text itself is not changed.
    long double value();
    /// Writes a display value: clamped to the bounds, shown with the field's decimals, kept in base.
    void setValue(long double displayValue);

    /// The kept base value; the text is not parsed.
    long double isoValue() const { return m_isoValue; }
    /// Writes a base value: clamped to the bounds, then shown in the display unit.
    void setIsoValue(long double baseValue);

    long double isoMultiply() const { return m_triple.multiply; }
    long double isoDivision() const { return m_triple.division; }
    long double isoDisplacement() const { return m_triple.displacement; }
    /// Each write keeps the base value and redraws the text in the new unit.
    void setIsoMultiply(long double m);
    void setIsoDivision(long double d);
    void setIsoDisplacement(long double s);
    /// Applies a whole unit: multiplier, divisor, offset in that order.
    void applyTriple(const UnitTriple& triple);
    const UnitTriple& triple() const { return m_triple; }

    const std::string& units() const { return m_units; }
    void setUnits(const std::string& units);

    int precision() const { return m_precision; }
    /// Stores the decimals and rebuilds the format pattern; a spin field also rescales its step
    /// so that it steps in its last shown decimal (5 becomes 0.05 at two decimals). The text is
    /// not redrawn until the next write of a value, a triple or the units.
    void setPrecision(int precision);
    /// "0" for no decimals, else "0." followed by one zero per decimal.
    std::string formatPattern() const;

    long double increment() const { return m_increment; }
    void setIncrement(long double increment) { m_increment = increment; }

    long double isoMinValue() const { return m_isoMin; }
    long double isoMaxValue() const { return m_isoMax; }
    /// Equal bounds mean no bounds at all.
    void setIsoMinValue(long double v) { m_isoMin = v; }
    void setIsoMaxValue(long double v) { m_isoMax = v; }

    bool editorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled) { m_editorEnabled = enabled; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    /// One step up or down (arrow key or spin button). Takes the typed text over first and
    /// applies the bounds. Returns false, changing nothing, when the step is refused (a
    /// read-only field, or a plain field); the caller then sounds the beep.
    bool stepUp();
    bool stepDown();

    /// Key filter: true if the typed character is accepted, false if it must be dropped with a
    /// beep. Accepted: digits, '+', '-', the decimal separator and control characters other
    /// than Enter; with the editor disabled only control characters other than Backspace.
    bool acceptsCharacter(char32_t ch) const;
    /// Paste and cut are carried out only while typing is allowed and the field is writable.
    bool allowsPasteAndCut() const { return m_editorEnabled && !m_readOnly; }

    /// Focus leaves the field: the text is taken over, clamped and reformatted (an unreadable
    /// text becomes the lower bound).
    void leave();

    /// The lower bound in the display unit (what an empty text means).
    long double lowerBoundInDisplay() const { return m_triple.toDisplay(m_isoMin); }

private:
    bool hasBounds() const { return m_isoMin != m_isoMax; }
    long double clampDisplay(long double x) const;
    long double clampBase(long double y) const;
    void redraw();
    void showText(std::string text);
    bool step(long double delta);

    Kind m_kind;
    char m_separator;
    std::string m_text = "0";
    std::string m_units;
    int m_precision = 0;
    long double m_increment = 0;
    bool m_editorEnabled = true;
    bool m_readOnly = false;
    long double m_isoMin = 0;
    long double m_isoMax = 0;
    long double m_isoValue = 0;
    UnitTriple m_triple{0, 0, 0};
};

} // namespace velor
