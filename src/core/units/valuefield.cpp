// The behaviour of a value field with a unit.
#include "units/valuefield.h"

#include "base/numtext.h"

namespace velor {

ValueField::ValueField(Kind kind, char decimalSeparator) : m_kind(kind), m_separator(decimalSeparator) {}

void ValueField::showText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    if (onTextChanged)
        onTextChanged();
}

void ValueField::setText(const std::string& text)
{
    showText(text);
}

void ValueField::redraw()
{
    showText(formatFixed(m_triple.toDisplay(m_isoValue), m_precision, m_separator));
}

long double ValueField::clampDisplay(long double x) const
{
    if (!hasBounds())
        return x;
    const long double b = m_triple.toBase(x);
    if (b < m_isoMin)
        return m_triple.toDisplay(m_isoMin);
    if (b <= m_isoMax)
        return x;
    return m_triple.toDisplay(m_isoMax);
}

long double ValueField::clampBase(long double y) const
{
    if (!hasBounds())
        return y;
    if (y < m_isoMin)
        return m_isoMin;
    if (y <= m_isoMax)
        return y;
    return m_isoMax;
}

long double ValueField::value()
{
    const auto parsed = parseNumber(m_text, m_separator);
    const long double result = parsed ? *parsed : lowerBoundInDisplay();
    m_isoValue = m_triple.toBase(result);
    return result;
}

void ValueField::setValue(long double displayValue)
{
    const long double c = clampDisplay(displayValue);
    m_isoValue = m_triple.toBase(c);
    showText(formatFixed(c, m_precision, m_separator));
}

void ValueField::setIsoValue(long double baseValue)
{
    m_isoValue = clampBase(baseValue);
    redraw();
}

void ValueField::setIsoMultiply(long double m)
{
    m_triple.multiply = m;
    setIsoValue(m_isoValue);
}

void ValueField::setIsoDivision(long double d)
{
    m_triple.division = d;
    setIsoValue(m_isoValue);
}

void ValueField::setIsoDisplacement(long double s)
{
    m_triple.displacement = s;
    setIsoValue(m_isoValue);
}

void ValueField::applyTriple(const UnitTriple& triple)
{
    setIsoMultiply(triple.multiply);
    setIsoDivision(triple.division);
    setIsoDisplacement(triple.displacement);
}

void ValueField::setUnits(const std::string& units)
{
    m_units = units;
    setIsoValue(m_isoValue);
}

void ValueField::setPrecision(int precision)
{
    m_precision = precision;
    if (m_kind != Kind::Spin || precision <= 0)
        return;
    // "0" + separator + (n - 1) zeros + the increment's own text: 5 -> 0.05 at n = 2. An
    // increment whose text already holds a separator gives no number and stays as it is.
    std::string text = "0";
    text.push_back(m_separator);
    text.append(static_cast<std::size_t>(precision - 1), '0');
    text += formatGeneral(m_increment, 15, m_separator);
    if (const auto step = parseNumber(text, m_separator))
        m_increment = *step;
}

std::string ValueField::formatPattern() const
{
    if (m_precision <= 0)
        return "0";
    return "0." + std::string(static_cast<std::size_t>(m_precision), '0');
}

bool ValueField::step(long double delta)
{
    if (m_kind != Kind::Spin || m_readOnly)
        return false;
    setValue(value() + delta);
    return true;
}

bool ValueField::stepUp()
{
    return step(m_increment);
}

bool ValueField::stepDown()
{
    return step(-m_increment);
}

bool ValueField::acceptsCharacter(char32_t ch) const
{
    if (!m_editorEnabled)
        return ch < 32 && ch != 8 && ch != 13;
    if (ch < 32)
        return ch != 13;
    return (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' ||
           ch == static_cast<unsigned char>(m_separator);
}

void ValueField::leave()
{
    const auto parsed = parseNumber(m_text, m_separator);
    setValue(parsed ? *parsed : lowerBoundInDisplay());
}

} // namespace velor
