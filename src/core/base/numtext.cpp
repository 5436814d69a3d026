// Number text helpers.
#include "base/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velor {

std::string formatFixed(long double value, int decimals, char separator)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 30)
        decimals = 30;
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value > 0 ? "INF" : "-INF");
    char buffer[128];
    int n = std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string text;
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof buffer) {
        // Huge magnitudes: format into a string of the required size.
        std::string big(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*Lf", decimals, value)) + 1,
                        '\0');
        std::snprintf(big.data(), big.size(), "%.*Lf", decimals, value);
        big.pop_back();
        text = std::move(big);
    } else {
        text.assign(buffer, static_cast<std::size_t>(n));
    }
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (separator != '.')
        for (char& c : text)
            if (c == '.')
                c = separator;
    return text;
}

std::string formatGeneral(long double value, int significantDigits, char separator)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    if (significantDigits < 1)
        significantDigits = 1;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*LG", significantDigits, value);
    std::string text(buffer);
    // "1.5E-07" -> "1.5E-7", "1E+20" -> "1E20".
    if (const auto e = text.find('E'); e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+'))
            exponent.erase(0, 1);
        while (exponent.size() > 1 && exponent[0] == '0')
            exponent.erase(0, 1);
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    if (text == "-0")
        text = "0";
    if (separator != '.')
        for (char& c : text)
            if (c == '.')
                c = separator;
    return text;
}

bool equalAsText(long double a, long double b)
{
    return formatGeneral(a) == formatGeneral(b);
}

std::optional<long double> parseNumber(std::string_view text, char separator)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    std::string s;
    s.reserve(text.size());
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            s.push_back(c);
        } else if (c == separator && !point) {
            point = true;
            s.push_back('.');
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        s.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            s.push_back(text[i++]);
        const std::size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            s.push_back(text[i]);
        if (i == start || i != text.size())
            return std::nullopt;
    }
    long double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace velor
