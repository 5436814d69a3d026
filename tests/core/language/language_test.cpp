// Language files: the 406-byte record, lists and lookups, file location, language folders and
// menu, the switch of language and the font rule for Cyrillic languages.
#include "app/language.h"
#include "app/settings_display.h"
#include "base/recordfile.h"

#include <fstream>
#include <gtest/gtest.h>

namespace velor {
namespace {

// One record built byte by byte from the documented offsets.
Bytes rawRecord(std::string_view key, std::string_view text, std::uint8_t keyLength, std::uint8_t textLength)
{
    Bytes r(kLanguageRecordSize, 0);
    r[0] = 0x78; // the integer field is not read
    r[1] = 0x56;
    r[4] = keyLength;
    for (std::size_t i = 0; i < key.size(); ++i)
        r[5 + i] = static_cast<std::uint8_t>(key[i]);
    r[205] = textLength;
    for (std::size_t i = 0; i < text.size(); ++i)
        r[206 + i] = static_cast<std::uint8_t>(text[i]);
    return r;
}

Bytes rawRecord(std::string_view key, std::string_view text)
{
    return rawRecord(key, text, static_cast<std::uint8_t>(key.size()),
                     static_cast<std::uint8_t>(text.size()));
}

Bytes fileOf(std::initializer_list<std::pair<std::string_view, std::string_view>> entries)
{
    Bytes data;
    for (const auto& [key, text] : entries) {
        const Bytes r = rawRecord(key, text);
        data.insert(data.end(), r.begin(), r.end());
    }
    return data;
}

TEST(LanguageRecord, DecodesTheDocumentedLayout)
{
    const Bytes r = rawRecord("English", "Angielski");
    const LanguageRecord rec = decodeLanguageRecord(r.data(), CodePage::Windows1250);
    EXPECT_EQ(rec.unused, 0x5678);
    EXPECT_EQ(rec.key, "English");
    EXPECT_EQ(rec.text, "Angielski");

    // A length byte above the capacity reads 200 characters and nothing past the field.
    Bytes wild = rawRecord("k", std::string(200, 'x'), 1, 255);
    EXPECT_EQ(decodeLanguageRecord(wild.data(), CodePage::Windows1252).text, std::string(200, 'x'));

    // Round trip through the encoder, and a text cut at 200 characters.
    Bytes out(kLanguageRecordSize, 0xEE);
    encodeLanguageRecord({7, "Polish",
                          "Polski \xC5\x81\xC3\xB3"
                          "d\xC5\xBA"},
                         out.data(), CodePage::Windows1250);
    EXPECT_EQ(out[4], 6);
    EXPECT_EQ(out[205], 11);
    EXPECT_EQ(out[206 + 7], 0xA3); // "Ł" in Windows-1250
    const LanguageRecord back = decodeLanguageRecord(out.data(), CodePage::Windows1250);
    EXPECT_EQ(back.unused, 7);
    EXPECT_EQ(back.key, "Polish");
    EXPECT_EQ(back.text, "Polski \xC5\x81\xC3\xB3"
                         "d\xC5\xBA");
    encodeLanguageRecord({0, "", std::string(250, 'y')}, out.data(), CodePage::Windows1252);
    EXPECT_EQ(decodeLanguageRecord(out.data(), CodePage::Windows1252).text, std::string(200, 'y'));
}

TEST(LanguageList, WholeRecordsOnlyAndLookupsStayInside)
{
    const Bytes two = fileOf({{"a", "first"}, {"b", ""}});
    ASSERT_EQ(two.size(), 812u);
    struct Case
    {
        std::size_t size;
        std::size_t entries;
    };
    for (const Case& c : {Case{812, 2}, Case{811, 1}, Case{406, 1}, Case{405, 0}, Case{0, 0}}) {
        const Bytes data(two.begin(), two.begin() + static_cast<std::ptrdiff_t>(c.size));
        EXPECT_EQ(parseLanguageFile(data, CodePage::Windows1252).size(), c.entries) << c.size;
    }

    const TListNames list = parseLanguageFile(Bytes(two.begin(), two.end() - 1), CodePage::Windows1252);
    EXPECT_EQ(list.text(0), "first");
    EXPECT_FALSE(list.text(1));                        // beyond the end: not read
    EXPECT_EQ(list.textOr(1, "Built-in"), "Built-in"); // the caller keeps its own text
    const TListNames full = parseLanguageFile(two, CodePage::Windows1252);
    EXPECT_EQ(full.text(1), ""); // an empty text is a text: it blanks the caption
    EXPECT_EQ(full.textOr(1, "Built-in"), "");
    EXPECT_EQ(full.textForKey("b"), "");
    EXPECT_EQ(full.keyForText("first"), "a");
    EXPECT_FALSE(full.textForKey("B")); // keys compare exactly
}

TEST(LanguageCodePage, PerLanguage)
{
    EXPECT_EQ(languageCodePage("Russian"), CodePage::Windows1251);
    EXPECT_EQ(languageCodePage("Bulgarian"), CodePage::Windows1251);
    EXPECT_EQ(languageCodePage("Polish"), CodePage::Windows1250);
    EXPECT_EQ(languageCodePage("Czech"), CodePage::Windows1250);
    EXPECT_EQ(languageCodePage("English"), CodePage::Windows1252);
    setSystemCodePage(CodePage::Windows1250);
    EXPECT_EQ(languageCodePage("Klingon"), CodePage::Windows1250);
    setSystemCodePage(CodePage::Windows1252);
    EXPECT_EQ(languageCodePage("Klingon"), CodePage::Windows1252);
    EXPECT_TRUE(isCyrillicLanguage("Russian"));
    EXPECT_FALSE(isCyrillicLanguage("Ukrainian")); // the font rule knows only these two
}

class LanguageFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path() /
               ("velor-language-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        settings = Settings(store, ProgramFolder(root));
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void write(const std::string& language, const std::string& file, const Bytes& data)
    {
        std::filesystem::create_directories(root / "Language" / language);
        ASSERT_TRUE(replaceFile(root / "Language" / language / file, data));
    }
    void setLanguage(std::string_view language)
    {
        settings.group(SettingsGroupId::Language).WriteString("Defaults", "Language", language);
    }

    std::filesystem::path root;
    MemorySettingsStore store;
    Settings settings{store}; // rooted at the temp folder in SetUp
};

TEST_F(LanguageFolderTest, FileOfTheCurrentLanguage)
{
    write("English", "MsgData.dat", fileOf({{"", "Calculating"}}));
    write("Russian", "MsgData.dat", fileOf({{"", "\xC0"}})); // Cyrillic capital A in Windows-1251

    EXPECT_EQ(LoadLanguageFile(settings, "MsgData.dat").text(0), "Calculating");
    setLanguage("Russian"); // read from the store at each load
    EXPECT_EQ(LoadLanguageFile(settings, "MsgData.dat").text(0), "\xD0\x90");
    EXPECT_TRUE(LoadLanguageFile(settings, "Menu.dat").empty());
    for (const char* bad : {"..", ".", "English/..", "..\\English"}) {
        setLanguage(bad);
        EXPECT_TRUE(LoadLanguageFile(settings, "MsgData.dat").empty()) << bad;
    }
    EXPECT_TRUE(loadLanguageFile(ProgramFolder(root), "English", "../English/MsgData.dat").empty());

    // Screens keep their built-in English: English stored, or no language folder at all.
    setLanguage("English");
    EXPECT_TRUE(loadScreenTexts(settings, "MsgData.dat").empty());
    setLanguage("Russian");
    EXPECT_EQ(loadScreenTexts(settings, "MsgData.dat").size(), 1u);
    Settings elsewhere(store, ProgramFolder(root / "nothing"));
    EXPECT_TRUE(loadScreenTexts(elsewhere, "MsgData.dat").empty());
}

TEST_F(LanguageFolderTest, FoldersMenuAndSwitch)
{
    EXPECT_TRUE(languageFolders(settings.programFolder()).empty());
    EXPECT_FALSE(buildLanguageMenu(settings)); // no folder: the menu stays as built

    write("Polish", "Lang.dat", fileOf({{"English", "Angielski"}, {"Polish", "Polski"}}));
    write("English", "Lang.dat", fileOf({{"English", "English"}, {"Polish", "Polish"}}));
    write("czech", "Menu.dat", {});
    ASSERT_TRUE(replaceFile(root / "Language" / "Readme.txt", Bytes{1}));
    auto folders = languageFolders(settings.programFolder());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"English", "Polish", "czech"}));

    setLanguage("Polish");
    auto menu = buildLanguageMenu(settings);
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->size(), 3u);
    // Sorted without regard to case; captions from the Polish Lang.dat; no entry: folder name.
    EXPECT_EQ((*menu)[0].caption, "czech");
    EXPECT_EQ((*menu)[1].caption, "Angielski");
    EXPECT_EQ((*menu)[2].caption, "Polski");
    EXPECT_FALSE((*menu)[1].checked);
    EXPECT_TRUE((*menu)[2].checked);

    // Choosing the ticked language changes nothing but reports the manual's state.
    const std::size_t writes = store.writeCount();
    LanguageSwitch same = switchLanguage(settings, (*menu)[2], "00000409");
    EXPECT_FALSE(same.changed);
    EXPECT_FALSE(same.manualAvailable);
    EXPECT_EQ(same.fonts, FontRuleOutcome::Unchanged);
    EXPECT_EQ(store.writeCount(), writes + 1); // the language value only

    write("English", "Manual.pdf", Bytes{'%'});
    LanguageSwitch sw = switchLanguage(settings, (*menu)[1], "00000409");
    EXPECT_TRUE(sw.changed);
    EXPECT_EQ(sw.oldLanguage, "Polish");
    EXPECT_EQ(sw.newLanguage, "English");
    EXPECT_TRUE(sw.manualAvailable);
    EXPECT_EQ(settings.language(), "English");
    EXPECT_EQ(sw.fonts, FontRuleOutcome::WesternWritten); // fresh store: slot charsets missing

    // A folder without Lang.dat still switches: the item carries its folder.
    menu = buildLanguageMenu(settings);
    EXPECT_EQ((*menu)[0].caption, "czech");
    EXPECT_TRUE((*menu)[1].checked);
    EXPECT_EQ(switchLanguage(settings, (*menu)[0], std::nullopt).newLanguage, "czech");
    menu = buildLanguageMenu(settings); // czech has no Lang.dat: folder names, stored one ticked
    EXPECT_EQ((*menu)[1].caption, "English");
    EXPECT_TRUE((*menu)[0].checked);
    EXPECT_FALSE((*menu)[1].checked);
}

TEST_F(LanguageFolderTest, TechnicalDataLanguageName)
{
    EXPECT_FALSE(technicalDataLanguageName(settings));
    write("Polish", "Lang.dat", fileOf({{"English", "Angielski"}, {"Polish", "Polski"}}));
    EXPECT_EQ(technicalDataLanguageName(settings), "Angielski");
    setLanguage("Czech");
    EXPECT_FALSE(technicalDataLanguageName(settings));
}

// ---- font rule

struct FontState
{
    std::string screenName;
    int screenCharset;
    std::string mainMode;
    std::string mainName;
    int slotCharset; // every slot
};

FontState fontState(const Settings& s)
{
    const SettingsGroup& g = s.group(SettingsGroupId::Fonts);
    return {g.ReadString("Defaults", "ScrFName", "?"), g.ReadInteger("Defaults", "ScrFCharset", -1),
            g.ReadString("Defaults", "MainProgF", "?"), g.ReadString("Defaults", "MainProgFName", "?"),
            g.ReadInteger("Defaults", "PrintTFCharset", -1)};
}

void setAllCharsets(Settings& s, int charset)
{
    SettingsGroup& g = s.group(SettingsGroupId::Fonts);
    g.WriteInteger("Defaults", "ScrFCharset", charset);
    for (const FontSlotDef& def : fontSlots())
        g.WriteInteger("Defaults", std::string(def.prefix) + "Charset", charset);
}

TEST(FontRule, LocalesThatNeverRewrite)
{
    for (const char* language : {"English", "Russian"}) {
        for (const std::optional<std::string>& locale :
             {std::optional<std::string>(), std::optional<std::string>("00000402"),
              std::optional<std::string>("00000419")}) {
            MemorySettingsStore store;
            Settings s(store);
            s.group(SettingsGroupId::Language).WriteString("Defaults", "Language", language);
            setAllCharsets(s, 204); // would call for the Western set on a Western locale
            const std::size_t writes = store.writeCount();
            EXPECT_EQ(applyCyrillicFontRule(s, locale), FontRuleOutcome::Unchanged) << language;
            EXPECT_EQ(store.writeCount(), writes) << language;
        }
    }
}

TEST(FontRule, WesternAndCyrillicSets)
{
    MemorySettingsStore store;
    Settings s(store);
    const std::optional<std::string> western = "00000415";
    auto setLanguage = [&](const char* l) {
        s.group(SettingsGroupId::Language).WriteString("Defaults", "Language", l);
    };

    // Western language, all charsets 1 and present: nothing to do.
    setAllCharsets(s, 1);
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::Unchanged);
    // One slot charset Cyrillic, or one missing: the Western set.
    s.group(SettingsGroupId::Fonts).WriteInteger("Defaults", "DataUnitsFCharset", 204);
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::WesternWritten);
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::Unchanged);

    // Switching to Russian on a Western system writes the Cyrillic set ...
    setLanguage("Russian");
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::CyrillicWritten);
    const FontState cyr = fontState(s);
    EXPECT_EQ(cyr.screenName, "Arial");
    EXPECT_EQ(cyr.screenCharset, 204);
    EXPECT_EQ(cyr.mainMode, "Manual");
    EXPECT_EQ(cyr.mainName, "Arial");
    EXPECT_EQ(cyr.slotCharset, 204);
    for (const FontSlotDef& def : fontSlots()) {
        EXPECT_TRUE(fontSlotManual(s, def.slot)) << def.prefix;
        const FontSpec f = effectiveSlotFont(s, def.slot);
        EXPECT_EQ(f.charset, 204) << def.prefix;
        if (def.slot != FontSlot::MainProgF) {
            EXPECT_EQ(f.name, def.builtInName) << def.prefix;
        }
        EXPECT_EQ(f.size, def.builtInSize) << def.prefix;
    }
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::Unchanged); // screen already 204

    // ... and back to English writes the Western set again.
    setLanguage("English");
    EXPECT_EQ(applyCyrillicFontRule(s, western), FontRuleOutcome::WesternWritten);
    const FontState west = fontState(s);
    EXPECT_EQ(west.screenName, "MS Sans Serif");
    EXPECT_EQ(west.screenCharset, 1);
    EXPECT_EQ(west.mainMode, "Automatic");
    EXPECT_EQ(west.mainName, "MS Sans Serif");
    EXPECT_EQ(west.slotCharset, 1);
    EXPECT_EQ(effectiveSlotFont(s, FontSlot::HeatExchTF), (FontSpec{"Courier New", 20, 1, false, false}));
}

TEST(FontRule, LocaleIdentifierOfALocaleName)
{
    struct Case
    {
        const char* name;
        std::optional<std::string> id;
    };
    const Case cases[] = {
        {"ru_RU.UTF-8", "00000419"},
        {"bg_BG", "00000402"},
        {"ru", "00000419"},
        {"ru_UA.UTF-8", "00000419"},
        {"en_US.UTF-8", "00000409"},
        {"en_GB", "00000809"},
        {"pl_PL.UTF-8@euro", "00000415"},
        {"de-AT", "00000C07"},
        {"C", "0000007F"},
        {"POSIX", "0000007F"},
        {"C.UTF-8", "0000007F"},
        {"xx_YY", "00001000"},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(localeIdForLocaleName(c.name), c.id) << c.name;
}

} // namespace
} // namespace velor
