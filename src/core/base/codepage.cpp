// Conversion between the single-byte Windows code pages of the data files and UTF-8.
#include "base/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace velor {
namespace {

#include "base/codepage_tables.inc"

const char16_t* highHalf(CodePage codePage)
{
    switch (codePage) {
    case CodePage::Windows1250:
        return kCp1250High;
    case CodePage::Windows1251:
        return kCp1251High;
    case CodePage::Windows1252:
        break;
    }
    return kCp1252High;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Malformed input yields nullopt and
// advances by one byte.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

std::optional<CodePage>& overrideCodePage()
{
    static std::optional<CodePage> value;
    return value;
}

} // namespace

std::string toUtf8(std::string_view bytes, CodePage codePage)
{
    const char16_t* high = highHalf(codePage);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        appendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(high[b - 0x80]));
    }
    return out;
}

std::string fromUtf8(std::string_view text, CodePage codePage)
{
    const char16_t* high = highHalf(codePage);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto cp = nextCodePoint(text, i);
        if (!cp) {
            out.push_back('?');
            continue;
        }
        if (*cp < 0x80) {
            out.push_back(static_cast<char>(*cp));
            continue;
        }
        const auto* end = high + 128;
        const auto* hit = std::find(high, end, static_cast<char16_t>(*cp));
        out.push_back(*cp <= 0xFFFF && hit != end ? static_cast<char>(0x80 + (hit - high)) : '?');
    }
    return out;
}

CodePage codePageForLocale(std::string_view localeName)
{
    // Language part: letters before the first '_', '-', '.' or '@'.
    const auto cut = localeName.find_first_of("_-.@");
    std::string lang(localeName.substr(0, cut));
    std::transform(lang.begin(), lang.end(), lang.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    static constexpr std::array central{"pl", "cs", "sk", "hu", "sl", "hr", "ro", "sq", "bs", "sh"};
    static constexpr std::array cyrillic{"ru", "bg", "uk", "be", "mk", "sr", "kk", "ky", "tt", "mn"};
    if (std::find(central.begin(), central.end(), lang) != central.end())
        return CodePage::Windows1250;
    if (std::find(cyrillic.begin(), cyrillic.end(), lang) != cyrillic.end())
        return CodePage::Windows1251;
    return CodePage::Windows1252;
}

CodePage systemCodePage()
{
    if (overrideCodePage())
        return *overrideCodePage();
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return codePageForLocale(value);
    }
    return CodePage::Windows1252;
}

void setSystemCodePage(CodePage codePage)
{
    overrideCodePage() = codePage;
}

} // namespace velor
