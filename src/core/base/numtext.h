// Number text: fixed-point formatting with a chosen decimal separator, the 15-significant-digit
// general form used to compare reals as text, and strict parsing of typed numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velor {

/// `value` with exactly `decimals` decimals (none when decimals <= 0), no thousands separators,
/// `separator` as the decimal separator; a result that rounds to zero never shows a minus sign.
std::string formatFixed(long double value, int decimals, char separator = '.');

/// The shortest general decimal text of `value` with at most `significantDigits` significant
/// digits ("101.325", "5", "1E20", "1.5E-7"), with `separator` as the decimal separator.
/// Two reals that give the same text at 15 digits are "equal as text".
std::string formatGeneral(long double value, int significantDigits = 15, char separator = '.');

/// True when the two values give the same 15-significant-digit general text.
bool equalAsText(long double a, long double b);

/// Parses a typed number: optional surrounding blanks, an optional sign, digits with at most one
/// `separator`, an optional exponent ("1,5E3" with separator ','). Anything else, an empty text,
/// and values that are not finite give nullopt.
std::optional<long double> parseNumber(std::string_view text, char separator = '.');

} // namespace velor
