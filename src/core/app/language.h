// Language files: the 406-byte entry record, the in-memory entry list `TListNames`, where a file
// of the current language is found, the installed language folders, `Lang.dat` display names and
// the switch of language, and the font rule for Cyrillic languages.
#pragma once

#include "app/settings.h"
#include "base/binary.h"
#include "base/codepage.h"
#include "base/programfolder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velor {

/// One record of a language file (406 bytes, no file header):
///   0   4  integer, not read
///   4 201  key: length byte (0-200) + 200 characters
/// 205 201  text: length byte (0-200) + 200 characters
struct LanguageRecord
{
    std::int32_t unused = 0;
    std::string key;  // UTF-8
    std::string text; // UTF-8
};

inline constexpr std::size_t kLanguageRecordSize = 406;
inline constexpr std::size_t kLanguageStringCapacity = 200;

/// Decodes a record from `kLanguageRecordSize` bytes; strings are converted from `codePage`.
LanguageRecord decodeLanguageRecord(const std::uint8_t* at, CodePage codePage);
/// Encodes a record into `kLanguageRecordSize` bytes; strings longer than 200 bytes are cut.
void encodeLanguageRecord(const LanguageRecord& record, std::uint8_t* at, CodePage codePage);

inline constexpr std::string_view kDefaultLanguage = "English";

/// The entries of one language file in file order: entry k holds record k.
class TListNames
{
public:
    struct Entry
    {
        std::string key;
        std::string text;
    };

    TListNames() = default;
    explicit TListNames(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const std::vector<Entry>& entries() const { return m_entries; }

    /// The text of entry k; nullopt when the file is too short to hold it (entries beyond the
    /// end are never read: the caller keeps its built-in text). An empty text is a real text.
    std::optional<std::string> text(std::size_t k) const;
    /// The text of entry k, or `builtIn` when the file has no entry k.
    std::string textOr(std::size_t k, std::string_view builtIn) const;
    /// The key of entry k, or nullopt.
    std::optional<std::string> key(std::size_t k) const;
    /// The text of the first entry whose key equals `key` exactly, or nullopt.
    std::optional<std::string> textForKey(std::string_view key) const;
    /// The key of the first entry whose text equals `text` exactly, or nullopt.
    std::optional<std::string> keyForText(std::string_view text) const;

private:
    std::vector<Entry> m_entries;
};

/// The code page a language's files are written in: Windows-1251 for "Bulgarian" and "Russian",
/// Windows-1250 for the Central European languages, Windows-1252 for the Western ones, and the
/// system's code page for a folder name it does not know.
CodePage languageCodePage(std::string_view language);
/// True for the languages shown with the Cyrillic character set ("Bulgarian", "Russian").
bool isCyrillicLanguage(std::string_view language);

/// Decodes a whole language file's bytes (a trailing partial record is ignored).
TListNames parseLanguageFile(const Bytes& data, CodePage codePage);

/// "<program>/Language/<language>/<fileName>".
std::filesystem::path languageFilePath(const ProgramFolder& folder, std::string_view language,
                                       std::string_view fileName);
/// The file `fileName` of the language folder `language`; empty when it is missing or unreadable
/// or when `language` is not a plain folder name (empty, "." / "..", or holding a separator).
TListNames loadLanguageFile(const ProgramFolder& folder, std::string_view language,
                            std::string_view fileName);
/// The file `fileName` of the current language, read from the store at each call.
TListNames LoadLanguageFile(const Settings& settings, std::string_view fileName);
/// The texts a screen translates itself with: empty (keep the built-in English) when the stored
/// language is "English" or no language folder exists, otherwise `LoadLanguageFile`.
TListNames loadScreenTexts(const Settings& settings, std::string_view fileName);

/// The names of the sub-folders of "Language", in the order the file system lists them.
std::vector<std::string> languageFolders(const ProgramFolder& folder);

/// One item of the Language menu.
struct LanguageMenuItem
{
    std::string folder;  ///< the language folder the item switches to
    std::string caption; ///< display name from `Lang.dat`, or the folder name
    bool checked = false;
};

/// The Language menu: the folders sorted without regard to case, each captioned with its display
/// name from the current language's `Lang.dat` (entry key = folder name) or its folder name, the
/// stored language ticked. nullopt when there is no language folder (the menu stays as built).
std::optional<std::vector<LanguageMenuItem>> buildLanguageMenu(const Settings& settings);

/// The outcome of the font rule.
enum class FontRuleOutcome
{
    Unchanged,      ///< nothing written
    WesternWritten, ///< the Western font set was written
    CyrillicWritten ///< the Cyrillic font set was written
};

/// The font rule for Cyrillic languages. `localeId` is the user's regional setting as eight hex
/// digits ("00000419"); nullopt, "00000402" and "00000419" leave everything unchanged. Otherwise a
/// non-Cyrillic stored language with a Cyrillic screen charset, or any slot charset Cyrillic or
/// missing, gets the Western set; a Cyrillic language on a non-Cyrillic screen charset gets the
/// Cyrillic set.
FontRuleOutcome applyCyrillicFontRule(Settings& settings, const std::optional<std::string>& localeId);

/// The locale identifier of a POSIX locale name ("ru_RU.UTF-8", "bg", "en_GB", "C") as eight
/// hex digits: the Windows locale identifier of the language and territory, the language's main
/// identifier when the territory is not in the table ("ru" and "ru_UA" give "00000419"),
/// "0000007F" (invariant) for "C"/"POSIX", and "00001000" (a locale without identifier) for a
/// language not in the table. nullopt for an empty name.
std::optional<std::string> localeIdForLocaleName(std::string_view localeName);

/// The result of choosing an item of the Language menu.
struct LanguageSwitch
{
    std::string oldLanguage;
    std::string newLanguage;
    bool changed = false;                               ///< new differs from old (exact comparison)
    FontRuleOutcome fonts = FontRuleOutcome::Unchanged; ///< the font rule, applied when changed
    bool manualAvailable = false;                       ///< "Manual.pdf" exists in the stored language
};

/// Switches to the language of the clicked menu item: stores its folder name, applies the font
/// rule when the language changed, and tells whether the user's manual exists for it.
LanguageSwitch switchLanguage(Settings& settings, const LanguageMenuItem& clicked,
                              const std::optional<std::string>& localeId);

/// Whether "Manual.pdf" exists in the folder of the stored language.
bool userManualAvailable(const Settings& settings);
std::filesystem::path userManualPath(const Settings& settings);

/// The name of the stored language as the technical data sheets know it: the text of the entry
/// of "Language/Polish/Lang.dat" whose key equals the stored language; nullopt when none.
std::optional<std::string> technicalDataLanguageName(const Settings& settings);

} // namespace velor
