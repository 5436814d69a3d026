// Language files, the language folders and menu, the switch of language and the font rule.
#include "app/language.h"

#include "app/settings_display.h"
#include "base/recordfile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <system_error>

namespace velor {
namespace {

constexpr std::size_t kKeyOffset = 4;
constexpr std::size_t kTextOffset = 205;

// A language name from the store becomes one path component: anything else names no folder.
bool plainFolderName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0:", 4)) == std::string_view::npos;
}

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

struct FontSetEntry
{
    FontSlot slot;
    std::string_view name;
    int size; // points
};

// The names and sizes both font sets give the slots; they differ only in the main-program font.
constexpr std::array<FontSetEntry, 6> kWesternSlots{{
    {FontSlot::MainProgF, "MS Sans Serif", 8},
    {FontSlot::PrintTF, "Courier New", 16},
    {FontSlot::SectTF, "Courier New", 10},
    {FontSlot::ParamNF, "Arial", 9},
    {FontSlot::DataUnitsF, "Courier New", 9},
    {FontSlot::HeatExchTF, "Courier New", 20},
}};
constexpr std::array<FontSetEntry, 6> kCyrillicSlots{{
    {FontSlot::MainProgF, "Arial", 8},
    {FontSlot::PrintTF, "Courier New", 16},
    {FontSlot::SectTF, "Courier New", 10},
    {FontSlot::ParamNF, "Arial", 9},
    {FontSlot::DataUnitsF, "Courier New", 9},
    {FontSlot::HeatExchTF, "Courier New", 20},
}};

void writeFontSet(Settings& settings, std::string_view screenName, int charset, bool manual,
                  const std::array<FontSetEntry, 6>& slots)
{
    SettingsGroup& g = settings.group(SettingsGroupId::Fonts);
    g.WriteString(kDefaultsSection, "ScrFName", screenName);
    g.WriteInteger(kDefaultsSection, "ScrFSize", 8);
    g.WriteInteger(kDefaultsSection, "ScrFCharset", charset);
    for (const FontSetEntry& e : slots) {
        const std::string prefix(fontSlotDef(e.slot).prefix);
        g.WriteString(kDefaultsSection, prefix, manual ? kFontModeManual : kFontModeAutomatic);
        g.WriteInteger(kDefaultsSection, prefix + "Charset", charset);
        g.WriteString(kDefaultsSection, prefix + "Name", e.name);
        g.WriteInteger(kDefaultsSection, prefix + "Size", e.size);
    }
}

struct LocaleIdDef
{
    std::string_view language;  // ISO 639-1
    std::string_view territory; // ISO 3166-1 alpha-2; empty: the language's main identifier
    unsigned id;
};

// Windows language identifiers of the common languages; the first row of a language is its
// main territory.
constexpr LocaleIdDef kLocaleIds[] = {
    {"bg", "", 0x0402},   {"cs", "", 0x0405},   {"da", "", 0x0406},   {"de", "", 0x0407},
    {"de", "AT", 0x0C07}, {"de", "CH", 0x0807}, {"el", "", 0x0408},   {"en", "", 0x0409},
    {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009}, {"en", "NZ", 0x1409},
    {"en", "IE", 0x1809}, {"es", "", 0x0C0A},   {"es", "MX", 0x080A}, {"et", "", 0x0425},
    {"fi", "", 0x040B},   {"fr", "", 0x040C},   {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C},
    {"fr", "CH", 0x100C}, {"hr", "", 0x041A},   {"hu", "", 0x040E},   {"it", "", 0x0410},
    {"ja", "", 0x0411},   {"ko", "", 0x0412},   {"lt", "", 0x0427},   {"lv", "", 0x0426},
    {"nb", "", 0x0414},   {"nl", "", 0x0413},   {"nl", "BE", 0x0813}, {"pl", "", 0x0415},
    {"pt", "", 0x0816},   {"pt", "BR", 0x0416}, {"ro", "", 0x0418},   {"ru", "", 0x0419},
    {"sk", "", 0x041B},   {"sl", "", 0x0424},   {"sr", "", 0x081A},   {"sv", "", 0x041D},
    {"tr", "", 0x041F},   {"uk", "", 0x0422},   {"zh", "", 0x0804},   {"zh", "TW", 0x0404},
    {"be", "", 0x0423},
};

constexpr unsigned kLocaleInvariant = 0x007F;
constexpr unsigned kLocaleWithoutId = 0x1000;

std::string hexId(unsigned id)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", id);
    return buffer;
}

} // namespace

// ---- records and lists

LanguageRecord decodeLanguageRecord(const std::uint8_t* at, CodePage codePage)
{
    LanguageRecord r;
    r.unused = getInt32(at);
    r.key = getShortString(at + kKeyOffset, kLanguageStringCapacity, codePage);
    r.text = getShortString(at + kTextOffset, kLanguageStringCapacity, codePage);
    return r;
}

void encodeLanguageRecord(const LanguageRecord& record, std::uint8_t* at, CodePage codePage)
{
    putInt32(at, record.unused);
    putShortString(at + kKeyOffset, kLanguageStringCapacity, record.key, codePage);
    putShortString(at + kTextOffset, kLanguageStringCapacity, record.text, codePage);
}

std::optional<std::string> TListNames::text(std::size_t k) const
{
    if (k >= m_entries.size())
        return std::nullopt;
    return m_entries[k].text;
}

std::string TListNames::textOr(std::size_t k, std::string_view builtIn) const
{
    return k < m_entries.size() ? m_entries[k].text : std::string(builtIn);
}

std::optional<std::string> TListNames::key(std::size_t k) const
{
    if (k >= m_entries.size())
        return std::nullopt;
    return m_entries[k].key;
}

std::optional<std::string> TListNames::textForKey(std::string_view key) const
{
    for (const Entry& e : m_entries)
        if (e.key == key)
            return e.text;
    return std::nullopt;
}

std::optional<std::string> TListNames::keyForText(std::string_view text) const
{
    for (const Entry& e : m_entries)
        if (e.text == text)
            return e.key;
    return std::nullopt;
}

bool isCyrillicLanguage(std::string_view language)
{
    return language == "Bulgarian" || language == "Russian";
}

CodePage languageCodePage(std::string_view language)
{
    static constexpr std::string_view kCyrillic[] = {"Bulgarian",  "Russian", "Ukrainian",
                                                     "Belarusian", "Serbian", "Macedonian"};
    static constexpr std::string_view kCentral[] = {"Polish",    "Czech",    "Slovak",   "Hungarian",
                                                    "Slovenian", "Croatian", "Romanian", "Albanian"};
    static constexpr std::string_view kWestern[] = {"English", "German",     "French",  "Spanish",
                                                    "Italian", "Portuguese", "Dutch",   "Danish",
                                                    "Swedish", "Norwegian",  "Finnish", "Icelandic"};
    const auto in = [language](const auto& names) {
        return std::any_of(std::begin(names), std::end(names),
                           [language](std::string_view n) { return equalNoCase(n, language); });
    };
    if (in(kCyrillic))
        return CodePage::Windows1251;
    if (in(kCentral))
        return CodePage::Windows1250;
    if (in(kWestern))
        return CodePage::Windows1252;
    return systemCodePage();
}

TListNames parseLanguageFile(const Bytes& data, CodePage codePage)
{
    std::vector<TListNames::Entry> entries;
    const std::size_t count = recordCount(data, kLanguageRecordSize);
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        LanguageRecord r = decodeLanguageRecord(data.data() + i * kLanguageRecordSize, codePage);
        entries.push_back({std::move(r.key), std::move(r.text)});
    }
    return TListNames(std::move(entries));
}

std::filesystem::path languageFilePath(const ProgramFolder& folder, std::string_view language,
                                       std::string_view fileName)
{
    return folder.language() / std::filesystem::path(std::string(language)) /
           std::filesystem::path(std::string(fileName));
}

TListNames loadLanguageFile(const ProgramFolder& folder, std::string_view language, std::string_view fileName)
{
    if (!folder.valid() || !plainFolderName(language) || !plainFolderName(fileName))
        return {};
    const auto data = readWholeFile(languageFilePath(folder, language, fileName));
    if (!data)
        return {};
    return parseLanguageFile(*data, languageCodePage(language));
}

TListNames LoadLanguageFile(const Settings& settings, std::string_view fileName)
{
    return loadLanguageFile(settings.programFolder(), settings.language(), fileName);
}

TListNames loadScreenTexts(const Settings& settings, std::string_view fileName)
{
    if (settings.language() == kDefaultLanguage || languageFolders(settings.programFolder()).empty())
        return {};
    return LoadLanguageFile(settings, fileName);
}

std::vector<std::string> languageFolders(const ProgramFolder& folder)
{
    std::vector<std::string> names;
    if (!folder.valid())
        return names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.language(), ec);
    if (ec)
        return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    return names;
}

// ---- menu and switch

std::optional<std::vector<LanguageMenuItem>> buildLanguageMenu(const Settings& settings)
{
    std::vector<std::string> folders = languageFolders(settings.programFolder());
    if (folders.empty())
        return std::nullopt;
    std::stable_sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
        return lowerAscii(a) < lowerAscii(b);
    });
    const std::string stored = settings.language();
    const TListNames names = LoadLanguageFile(settings, "Lang.dat");
    std::vector<LanguageMenuItem> items;
    items.reserve(folders.size());
    for (std::string& folder : folders) {
        LanguageMenuItem item;
        item.caption = names.textForKey(folder).value_or(folder);
        item.checked = folder == stored;
        item.folder = std::move(folder);
        items.push_back(std::move(item));
    }
    return items;
}

bool userManualAvailable(const Settings& settings)
{
    std::error_code ec;
    return plainFolderName(settings.language()) &&
           std::filesystem::is_regular_file(userManualPath(settings), ec);
}

std::filesystem::path userManualPath(const Settings& settings)
{
    return languageFilePath(settings.programFolder(), settings.language(), "Manual.pdf");
}

LanguageSwitch switchLanguage(Settings& settings, const LanguageMenuItem& clicked,
                              const std::optional<std::string>& localeId)
{
    LanguageSwitch result;
    result.oldLanguage = settings.language();
    // The item carries its folder, so the choice holds also when the old language's Lang.dat is
    // missing or has no entry for the clicked display name.
    result.newLanguage = clicked.folder;
    settings.group(SettingsGroupId::Language).WriteString(kDefaultsSection, "Language", result.newLanguage);
    result.changed = result.newLanguage != result.oldLanguage;
    if (result.changed)
        result.fonts = applyCyrillicFontRule(settings, localeId);
    result.manualAvailable = userManualAvailable(settings);
    return result;
}

std::optional<std::string> technicalDataLanguageName(const Settings& settings)
{
    return loadLanguageFile(settings.programFolder(), "Polish", "Lang.dat").textForKey(settings.language());
}

// ---- font rule

FontRuleOutcome applyCyrillicFontRule(Settings& settings, const std::optional<std::string>& localeId)
{
    if (!localeId || *localeId == "00000402" || *localeId == "00000419")
        return FontRuleOutcome::Unchanged;
    const SettingsGroup& g = settings.group(SettingsGroupId::Fonts);
    const int screen = g.ReadInteger(kDefaultsSection, "ScrFCharset", kCharsetWestern);
    if (!isCyrillicLanguage(settings.language())) {
        bool western = screen == kCharsetCyrillic;
        for (const FontSlotDef& def : fontSlots()) {
            const auto text = g.ReadString(kDefaultsSection, std::string(def.prefix) + "Charset", "");
            const auto charset = parseStoredInteger(text);
            if (!charset || *charset == kCharsetCyrillic)
                western = true;
        }
        if (!western)
            return FontRuleOutcome::Unchanged;
        writeFontSet(settings, "MS Sans Serif", kCharsetWestern, false, kWesternSlots);
        return FontRuleOutcome::WesternWritten;
    }
    if (screen == kCharsetCyrillic)
        return FontRuleOutcome::Unchanged;
    writeFontSet(settings, "Arial", kCharsetCyrillic, true, kCyrillicSlots);
    return FontRuleOutcome::CyrillicWritten;
}

std::optional<std::string> localeIdForLocaleName(std::string_view localeName)
{
    std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    if (name.empty())
        return std::nullopt;
    if (name == "C" || name == "POSIX")
        return hexId(kLocaleInvariant);
    const std::size_t sep = name.find_first_of("_-");
    const std::string language = lowerAscii(name.substr(0, sep));
    std::string territory;
    if (sep != std::string_view::npos)
        for (char c : name.substr(sep + 1))
            territory += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    const LocaleIdDef* main = nullptr;
    for (const LocaleIdDef& d : kLocaleIds) {
        if (d.language != language)
            continue;
        if (!territory.empty() && d.territory == territory)
            return hexId(d.id);
        if (d.territory.empty() && !main)
            main = &d;
    }
    return hexId(main ? main->id : kLocaleWithoutId);
}

} // namespace velor
