// The user's regional setting as the locale identifier the font rule for Cyrillic languages reads.
#pragma once

#include <optional>
#include <string>

namespace velor {

/// The user's locale identifier as eight hex digits ("00000419" for Russian). On Windows it is
/// the "Locale" value of HKEY_CURRENT_USER\Control Panel\International. Elsewhere it is derived
/// from the locale the program runs in (QLocale::system(), which follows LC_ALL, then LC_NUMERIC,
/// then LANG) through `localeIdForLocaleName`. nullopt when it cannot be determined.
std::optional<std::string> userLocaleId();

} // namespace velor
