// Conversion between the single-byte Windows code pages of the data files and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace velor {

/// The single-byte code pages the data files may be written in.
enum class CodePage
{
    Windows1250, ///< Central European (Polish, Czech, ...)
    Windows1251, ///< Cyrillic (Russian, Bulgarian, ...)
    Windows1252, ///< Western European (English, German, ...)
};

/// Converts single-byte text in `codePage` to UTF-8. Every byte maps to one character; bytes
/// the code page leaves undefined map to the C1 control of the same value, so nothing is lost.
std::string toUtf8(std::string_view bytes, CodePage codePage);

/// Converts UTF-8 text to `codePage`. Characters the code page cannot hold, and malformed
/// UTF-8 sequences, become '?'.
std::string fromUtf8(std::string_view text, CodePage codePage);

/// The code page Windows uses for a locale such as "pl_PL.UTF-8", "ru", "cs-CZ" or "C":
/// 1250 for Central European languages, 1251 for Cyrillic ones, 1252 for all others.
CodePage codePageForLocale(std::string_view localeName);

/// The code page of the user's single-byte files. On Linux there is no "ANSI code page", so it
/// is derived from the locale the program runs in (LC_ALL, then LC_CTYPE, then LANG), as
/// `codePageForLocale` maps it; an unset or "C"/"POSIX" locale gives Windows-1252.
/// `setSystemCodePage` overrides it for the rest of the process (tests, the CLI).
CodePage systemCodePage();
void setSystemCodePage(CodePage codePage);

} // namespace velor
