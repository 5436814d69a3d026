// Checks of the delivered language files (Language/<Language>/*.dat beside the executable): the
// same files and entries in every language, every entry the program reads present, texts that
// fit their records and survive the code page, the language names, the tree-node keys, and the
// reference words the catalogue's technical data are written in.
#include "app/language.h"
#include "base/recordfile.h"
#include "catalogue/catalogue.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velor {
namespace {

namespace fs = std::filesystem;

const ProgramFolder kShipped{fs::path(VELOR_RUNTIME_DIR)};
const fs::path kSources = fs::path(VELOR_SOURCE_DIR) / "data" / "languages";

// The files the program reads and the number of entries each must hold at least (the highest
// entry any screen, message or printout addresses, plus one). Lang.dat is checked on its own.
const std::map<std::string, std::size_t> kRequiredEntries = {
    {"Menu.dat", 51},       {"Project.dat", 41},     {"Data.dat", 105},     {"MsgData.dat", 31},
    {"Info.dat", 6},        {"SetFont.dat", 12},     {"Precision.dat", 60}, {"UnitsPrev.dat", 11},
    {"ContactPrev.dat", 5}, {"Liquid.dat", 30},      {"MsgLiquid.dat", 16}, {"Vapor.dat", 23},
    {"MsgVapor.dat", 12},   {"CalcFluids.dat", 14},  {"OtherRes.dat", 30},  {"Person.dat", 9},
    {"CalcRpt.dat", 56},    {"CustPrev.dat", 18},    {"PlatePrev.dat", 58}, {"STPrev.dat", 48},
    {"ConType.dat", 7},     {"TechDataPrev.dat", 3}, {"Lang.dat", 1}};

std::vector<std::string> shippedLanguages()
{
    std::vector<std::string> names = languageFolders(kShipped);
    std::sort(names.begin(), names.end());
    return names;
}

std::set<std::string> datFiles(const std::string& language)
{
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(kShipped.language() / language))
        if (e.path().extension() == ".dat")
            names.insert(e.path().filename().string());
    return names;
}

TListNames load(const std::string& language, const std::string& file)
{
    return loadLanguageFile(kShipped, language, file);
}

// The text sources, read independently of the generator: "<n><TAB><key><TAB><text>" lines.
std::vector<TListNames::Entry> source(const std::string& language, const std::string& datName)
{
    std::vector<TListNames::Entry> entries;
    std::ifstream in(kSources / language / (fs::path(datName).stem().string() + ".txt"));
    std::string line;
    while (std::getline(in, line)) {
        if (entries.empty() && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto a = line.find('\t');
        const auto b = line.find('\t', a + 1);
        entries.push_back({line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    return entries;
}

// Accelerator marks: "&" before a letter or digit ("&&" and the "&" of "Shell & Tube" are not).
int accelerators(const std::string& text)
{
    int n = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&' && text[i + 1] == '&')
            ++i;
        else if (text[i] == '&' && text[i + 1] != ' ')
            ++n;
    }
    return n;
}

std::string trailingSpaces(const std::string& text)
{
    return text.substr(text.find_last_not_of(' ') == std::string::npos ? 0 : text.find_last_not_of(' ') + 1);
}

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(ShippedLanguages, EnglishPolishAndRussianAreInstalled)
{
    const std::vector<std::string> languages = shippedLanguages();
    for (const char* required : {"English", "Polish", "Russian"})
        EXPECT_NE(std::find(languages.begin(), languages.end(), required), languages.end()) << required;
}

TEST(ShippedLanguages, EveryLanguageHasEveryFileWithTheEntriesTheProgramReads)
{
    const std::set<std::string> english = datFiles("English");
    for (const auto& [file, count] : kRequiredEntries)
        EXPECT_TRUE(english.count(file)) << "English lacks " << file;

    for (const std::string& language : shippedLanguages()) {
        EXPECT_EQ(datFiles(language), english) << language;
        for (const std::string& file : english) {
            SCOPED_TRACE(language + "/" + file);
            const auto bytes = readWholeFile(kShipped.language() / language / file);
            ASSERT_TRUE(bytes.has_value());
            EXPECT_EQ(bytes->size() % kLanguageRecordSize, 0u);
            const std::size_t entries = bytes->size() / kLanguageRecordSize;
            EXPECT_EQ(entries, load("English", file).size()) << "differs from English";
            const auto required = kRequiredEntries.find(file);
            if (required != kRequiredEntries.end()) {
                EXPECT_GE(entries, required->second);
            }
            // Length bytes within the 200-character capacity, so no text is cut when read.
            for (std::size_t k = 0; k < entries; ++k) {
                const std::uint8_t* at = bytes->data() + k * kLanguageRecordSize;
                EXPECT_LE(at[4], kLanguageStringCapacity) << "key of entry " << k;
                EXPECT_LE(at[205], kLanguageStringCapacity) << "text of entry " << k;
            }
        }
    }
}

TEST(ShippedLanguages, TextsSurviveTheCodePageOfTheirLanguage)
{
    // Every entry read back in its language's code page is the UTF-8 source text.
    for (const std::string& language : shippedLanguages()) {
        for (const std::string& file : datFiles(language)) {
            SCOPED_TRACE(language + "/" + file);
            const std::vector<TListNames::Entry> expected = source(language, file);
            const TListNames shipped = load(language, file);
            ASSERT_EQ(shipped.size(), expected.size());
            for (std::size_t k = 0; k < expected.size(); ++k) {
                EXPECT_EQ(shipped.entries()[k].key, expected[k].key) << "entry " << k;
                EXPECT_EQ(shipped.entries()[k].text, expected[k].text) << "entry " << k;
            }
        }
    }

    // The single-byte forms themselves: Polish in Windows-1250, Russian in Windows-1251.
    struct Raw
    {
        const char* language;
        const char* file;
        std::size_t entry;
        std::string bytes;
    };
    const Raw raw[] = {
        {"Polish", "Menu.dat", 14, "&J\xEAzyk"}, // "&Język"
        {"Polish", "Data.dat", 1,
         "Wymienniki ciep\xB3"
         "a"},                                                      // "Wymienniki ciepła"
        {"Russian", "Lang.dat", 2, "\xD0\xF3\xF1\xF1\xEA\xE8\xE9"}, // "Русский"
        {"English", "Menu.dat", 24, "Units  "},
    };
    for (const Raw& r : raw) {
        const auto bytes = readWholeFile(kShipped.language() / r.language / r.file);
        ASSERT_TRUE(bytes.has_value()) << r.language << "/" << r.file;
        ASSERT_GE(bytes->size(), (r.entry + 1) * kLanguageRecordSize);
        const std::uint8_t* text = bytes->data() + r.entry * kLanguageRecordSize + 205;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(text + 1), text[0]), r.bytes)
            << r.language << "/" << r.file << " entry " << r.entry;
    }
}

TEST(ShippedLanguages, TranslationsKeepTheShapeOfTheEnglishTexts)
{
    // Entry k means the same everywhere: same key, empty exactly where English is empty, one
    // accelerator where English has one, and the trailing spaces some captions are laid out with.
    for (const std::string& language : shippedLanguages()) {
        if (language == "English")
            continue;
        for (const std::string& file : datFiles("English")) {
            if (file == "Lang.dat")
                continue;
            SCOPED_TRACE(language + "/" + file);
            const TListNames english = load("English", file);
            const TListNames other = load(language, file);
            ASSERT_EQ(other.size(), english.size());
            for (std::size_t k = 0; k < english.size(); ++k) {
                const std::string& en = english.entries()[k].text;
                const std::string& tr = other.entries()[k].text;
                EXPECT_EQ(other.entries()[k].key, english.entries()[k].key) << "entry " << k;
                EXPECT_EQ(tr.empty(), en.empty()) << "entry " << k;
                EXPECT_EQ(accelerators(tr), accelerators(en)) << "entry " << k << " \"" << tr << "\"";
                EXPECT_EQ(trailingSpaces(tr), trailingSpaces(en)) << "entry " << k << " \"" << tr << "\"";
            }
        }
    }
}

TEST(ShippedLanguages, LangDatNamesEveryInstalledLanguageOnce)
{
    const std::vector<std::string> languages = shippedLanguages();
    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        const TListNames names = load(language, "Lang.dat");
        std::set<std::string> keys, texts;
        for (const auto& e : names.entries()) {
            keys.insert(e.key);
            EXPECT_FALSE(e.text.empty()) << e.key;
            // Switching language looks the clicked display name up: it must be unambiguous.
            EXPECT_TRUE(texts.insert(e.text).second) << "display name used twice: " << e.text;
        }
        EXPECT_EQ(keys, std::set<std::string>(languages.begin(), languages.end()));
    }
    // Every language calls itself by its own name in its own file, and the English file uses the
    // folder names themselves.
    EXPECT_EQ(load("English", "Lang.dat").textForKey("English"), "English");
    EXPECT_EQ(load("Polish", "Lang.dat").textForKey("Polish"), "Polski");
    EXPECT_EQ(load("Russian", "Lang.dat").textForKey("Russian"),
              "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
}

TEST(ShippedLanguages, MediaRowsOfTheCatalogueAreNamedInThePolishLangDat)
{
    // The technical data sheets choose the media row whose language equals the Polish Lang.dat
    // name of the stored language, with row 1 as the fallback.
    const TListNames polish = load("Polish", "Lang.dat");
    EXPECT_EQ(polish.textForKey("English"), "Angielski");
    const THERecList records = readTechData(kShipped, CodePage::Windows1250);
    ASSERT_FALSE(records.empty()) << "the catalogue's technical data are missing";
    std::set<std::string> codes;
    for (const auto& e : polish.entries())
        codes.insert(e.text);
    for (const THERec& r : records)
        for (const auto& row : r.Media)
            if (!row.MediumLanguage.empty()) {
                ASSERT_TRUE(codes.count(row.MediumLanguage)) << r.Name << ": " << row.MediumLanguage;
            }
}

TEST(ShippedLanguages, ReferenceWordsOfTheCatalogueAreThePolishEntries)
{
    // Connection and surface types are stored in Polish and translated by their entry number, so
    // each stored word must match one Polish entry (in upper case) and every language must have
    // a word for every entry.
    const TListNames conTypes = load("Polish", "ConType.dat");
    const TListNames surfaces = load("Polish", "TechDataPrev.dat");
    const auto matches = [](const TListNames& words, const std::string& stored) {
        return std::any_of(words.entries().begin(), words.entries().end(),
                           [&](const auto& e) { return upper(e.text) == upper(stored); });
    };
    const THERecList records = readTechData(kShipped, CodePage::Windows1250);
    ASSERT_FALSE(records.empty()) << "the catalogue's technical data are missing";
    for (const THERec& r : records) {
        EXPECT_TRUE(matches(surfaces, r.SurfaceType)) << r.Name << ": " << r.SurfaceType;
        for (const auto& c : r.Connections)
            if (!c.ConnType.empty()) {
                ASSERT_TRUE(matches(conTypes, c.ConnType)) << r.Name << ": " << c.ConnType;
            }
    }
    for (const std::string& language : shippedLanguages())
        for (const char* file : {"ConType.dat", "TechDataPrev.dat"}) {
            const TListNames list = load(language, file);
            std::set<std::string> words;
            for (const auto& e : list.entries())
                words.insert(upper(e.text));
            EXPECT_EQ(words.size(), load("Polish", file).size()) << language << "/" << file;
        }
}

TEST(ShippedLanguages, FamilyNodesKeepTheirBuiltInNamesAsKeys)
{
    // The start-up translation finds the tree's family nodes by these keys.
    const char* builtIn[] = {"All", "Shell & Tube", "Shell & Coil", "Brazed Plate", ""};
    for (const std::string& language : shippedLanguages()) {
        const TListNames data = load(language, "Data.dat");
        for (std::size_t k = 2; k <= 6; ++k)
            EXPECT_EQ(data.key(k), builtIn[k - 2]) << language << " entry " << k;
    }
}

TEST(ShippedLanguages, LanguageMenuSwitchesBetweenEveryPairOfLanguages)
{
    // The menu shows the display names of the stored language's Lang.dat, and the switch finds
    // the clicked language's folder again through them (on a Polish system locale).
    MemorySettingsStore store;
    Settings settings(store, kShipped);
    const std::vector<std::string> languages = shippedLanguages();
    for (const std::string& from : languages) {
        for (const std::string& to : languages) {
            SCOPED_TRACE(from + " -> " + to);
            settings.group(SettingsGroupId::Language).WriteString("Defaults", "Language", from);
            const auto menu = buildLanguageMenu(settings);
            ASSERT_TRUE(menu);
            ASSERT_EQ(menu->size(), languages.size());
            const auto item = std::find_if(menu->begin(), menu->end(),
                                           [&](const LanguageMenuItem& i) { return i.folder == to; });
            ASSERT_NE(item, menu->end());
            EXPECT_EQ(item->caption, load(from, "Lang.dat").textForKey(to));
            EXPECT_EQ(item->checked, from == to);
            const LanguageSwitch change = switchLanguage(settings, *item, std::string("00000415"));
            EXPECT_EQ(change.newLanguage, to);
            EXPECT_EQ(settings.language(), to);
            EXPECT_EQ(change.changed, from != to);
        }
    }

    // Russian is shown in Cyrillic fonts: switching to it writes the Cyrillic font set, leaving it
    // the Western one.
    MemorySettingsStore fresh;
    Settings user(fresh, kShipped);
    const auto itemFor = [&](const std::string& folder) {
        const auto menu = buildLanguageMenu(user);
        return *std::find_if(menu->begin(), menu->end(),
                             [&](const LanguageMenuItem& i) { return i.folder == folder; });
    };
    EXPECT_EQ(switchLanguage(user, itemFor("Russian"), std::string("00000409")).fonts,
              FontRuleOutcome::CyrillicWritten);
    EXPECT_EQ(switchLanguage(user, itemFor("Polish"), std::string("00000409")).fonts,
              FontRuleOutcome::WesternWritten);
}

} // namespace
} // namespace velor
