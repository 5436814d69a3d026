// The language-file generator on small source folders: what it writes for good sources, and that
// it refuses sources that would ship cut, garbled or misnumbered texts, writing nothing then.
#include "app/language.h"
#include "base/recordfile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace velor {
namespace {

namespace fs = std::filesystem;

// language/file -> content; std::nullopt removes a file of the base set.
using Sources = std::map<std::string, std::optional<std::string>>;

const Sources kGood = {
    {"English/Menu.txt", "# comment\n0\tFile1\t&File\n1\tlblUnits\tUnits  \n"},
    {"English/Lang.txt", "\xEF\xBB\xBF"
                         "0\tEnglish\tEnglish\r\n1\tPolish\tPolish\r\n"},         // BOM, CRLF
    {"Polish/Menu.txt", "0\tFile1\t&J\xC4\x99zyk\n\n1\tlblUnits\tJednostki  \n"}, // "&Język"
    {"Polish/Lang.txt", "0\tEnglish\tAngielski\n1\tPolish\tPolski\n"},
};

class LanguageGenerator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("velor-langgen-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    /// Writes the base sources with `changes` applied into a fresh folder and runs the generator;
    /// returns its exit status and fills `messages` with what it reported.
    int run(const std::string& name, const Sources& changes)
    {
        Sources sources = kGood;
        for (const auto& [file, content] : changes)
            sources[file] = content;
        const fs::path in = root / name / "sources";
        out = root / name / "Language";
        for (const auto& [file, content] : sources) {
            if (!content)
                continue;
            fs::create_directories((in / file).parent_path());
            std::ofstream(in / file, std::ios::binary) << *content;
        }
        const fs::path log = root / name / "log.txt";
        const std::string command = "\"" + std::string(VELOR_LANGUAGE_GENERATOR) + "\" \"" + in.string() +
                                    "\" \"" + out.string() + "\" 2> \"" + log.string() + "\"";
        const int status = std::system(command.c_str());
        std::ifstream logFile(log);
        std::stringstream text;
        text << logFile.rdbuf();
        messages = text.str();
        return status;
    }

    fs::path root;
    fs::path out;
    std::string messages;
};

TEST_F(LanguageGenerator, WritesEachLanguageInItsCodePage)
{
    ASSERT_EQ(run("good", {}), 0) << messages;
    const TListNames polish = loadLanguageFile(ProgramFolder(out.parent_path()), "Polish", "Lang.dat");
    ASSERT_EQ(polish.size(), 2u);
    EXPECT_EQ(polish.textForKey("Polish"), "Polski");
    const TListNames english = loadLanguageFile(ProgramFolder(out.parent_path()), "English", "Lang.dat");
    EXPECT_EQ(english.key(0), "English");
    EXPECT_EQ(english.text(1), "Polish");

    // Byte by byte from the record layout: the Polish menu in Windows-1250, trailing spaces kept.
    const auto menu = readWholeFile(out / "Polish" / "Menu.dat");
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->size(), 2 * kLanguageRecordSize);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(menu->data() + 206), (*menu)[205]), "&J\xEAzyk");
    const std::uint8_t* record = menu->data() + kLanguageRecordSize;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record + 5), record[4]), "lblUnits");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record + 206), record[205]), "Jednostki  ");
}

TEST_F(LanguageGenerator, RefusesSourcesThatWouldShipWrongTexts)
{
    // Polish text with a character Windows-1250 lacks, "Файл".
    const std::string cyrillic = "0\tFile1\t&\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB\n1\tlblUnits\tJednostki  \n";
    struct Case
    {
        const char* name;
        Sources changes;
        const char* message;
    };
    const Case cases[] = {
        {"gap", {{"Polish/Menu.txt", "0\tFile1\t&Plik\n2\tlblUnits\tJednostki  \n"}}, "was expected"},
        {"fewer", {{"Polish/Menu.txt", "0\tFile1\t&Plik\n"}}, "entries where English has"},
        {"key", {{"Polish/Menu.txt", "0\tPlik1\t&Plik\n1\tlblUnits\tJednostki  \n"}}, "where English has"},
        {"codepage", {{"Polish/Menu.txt", cyrillic}}, "cannot store"},
        {"long",
         {{"Polish/Menu.txt", "0\tFile1\t" + std::string(201, 'a') + "\n1\tlblUnits\tx\n"}},
         "more than the 200"},
        {"noTabs", {{"Polish/Menu.txt", "0 File1 &Plik\n1\tlblUnits\tJednostki  \n"}}, "expected <number>"},
        {"missingFile", {{"Polish/Menu.txt", std::nullopt}}, "missing (English has it)"},
        {"extraFile", {{"Polish/Extra.txt", "0\tk\tt\n"}}, "not a file of the English reference"},
        {"langLacksFolder", {{"Polish/Lang.txt", "0\tEnglish\tAngielski\n"}}, "no display name"},
        {"langUnknownFolder",
         {{"Polish/Lang.txt", "0\tEnglish\tAngielski\n1\tPolish\tPolski\n2\tCzech\tCzeski\n"}},
         "is not a language folder"},
        {"langSameName",
         {{"Polish/Lang.txt", "0\tEnglish\tPolski\n1\tPolish\tPolski\n"}},
         "own, non-empty display name"},
        {"noEnglish",
         {{"English/Menu.txt", std::nullopt}, {"English/Lang.txt", std::nullopt}},
         "English sources are missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(run(c.name, c.changes), 0);
        EXPECT_NE(messages.find(c.message), std::string::npos) << messages;
        // Nothing is written when any source is wrong.
        EXPECT_FALSE(fs::exists(out / "English" / "Menu.dat"));
        EXPECT_FALSE(fs::exists(out / "Polish" / "Menu.dat"));
    }
}

} // namespace
} // namespace velor
