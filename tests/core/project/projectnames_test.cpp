// Project names in the window title, the names Save and Save As write, and the project date.
#include "app/projectdate.h"
#include "app/projectnames.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace velor {
namespace {

TEST(ProjectNames, TitleAndName)
{
    struct Case
    {
        const char* title;
        const char* name;
    };
    const Case cases[] = {
        {"VELOR 3.4.0", ""},
        {"VELOR 3.4.0 - ", ""},
        {"VELOR 3.4.0 - Plant 1.2", "Plant 1.2"},
        {"VELOR 3.4.0 - P1_7", "P1_7"},
        {"Some other window", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(projectNameFromTitle(c.title), c.name) << c.title;

    EXPECT_EQ(titleForProjectName(""), "VELOR 3.4.0");
    EXPECT_EQ(titleForProjectName("abc"), "VELOR 3.4.0 - abc");
    EXPECT_EQ(titleForOpenedFile("/data/v1.5/Plant 1.2.dca"), "VELOR 3.4.0 - Plant 1");
    EXPECT_EQ(titleForOpenedFile("/data/noext"), "VELOR 3.4.0 - noext");
    EXPECT_EQ(titleForOpenedFile("/data/.dca"), "VELOR 3.4.0");
}

TEST(ProjectNames, CutJoinAndChosenFile)
{
    EXPECT_EQ(cutAtFirstDot("abc.v2.dca"), "abc");
    EXPECT_EQ(cutAtFirstDot("abc"), "abc");
    EXPECT_EQ(cutAtFirstDot(".dca"), "");

    struct Join
    {
        const char* name;
        const char* number;
        const char* joined;
    };
    const Join joins[] = {{"P1", "7", "P1_7"}, {"P1", "", "P1"}, {"", "7", "7"}, {"", "", ""}};
    for (const Join& j : joins)
        EXPECT_EQ(joinNameAndNumber(j.name, j.number), j.joined) << j.name << "|" << j.number;

    const std::filesystem::path folder = "/projects";
    auto chosen = chosenProjectFile(folder, "abc.v2.dca");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->file, folder / "abc.dca");
    EXPECT_EQ(chosen->title, "VELOR 3.4.0 - abc");
    chosen = chosenProjectFile(folder, "/elsewhere/Plant 1");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->file, folder / "Plant 1.dca");
    EXPECT_FALSE(chosenProjectFile(folder, ".dca"));
    EXPECT_FALSE(chosenProjectFile(folder, ""));
}

TEST(ProjectNames, SavePlan)
{
    const std::filesystem::path folder = "/projects";
    const std::set<std::filesystem::path> existing = {folder / "Plant 1.2", folder / "Known.dca"};
    auto exists = [&](const std::filesystem::path& p) { return existing.count(p) > 0; };

    struct Case
    {
        const char* title;
        SavePlan::Action action;
        std::filesystem::path file;
        const char* newTitle;
        const char* proposal;
    };
    const Case cases[] = {
        {"VELOR 3.4.0", SavePlan::Action::AskForName, {}, "", "Project1"},
        // The name already has an extension: no ".dca" is added; the title loses the extension.
        {"VELOR 3.4.0 - Plant 1.2", SavePlan::Action::WriteExisting, folder / "Plant 1.2",
         "VELOR 3.4.0 - Plant 1", ""},
        {"VELOR 3.4.0 - Known", SavePlan::Action::WriteExisting, folder / "Known.dca", "VELOR 3.4.0 - Known",
         ""},
        {"VELOR 3.4.0 - New_3", SavePlan::Action::AskForName, {}, "", "New_3"},
        {"VELOR 3.4.0 - Known.dca.bak", SavePlan::Action::AskForName, {}, "", "Known.dca.bak"},
    };
    for (const Case& c : cases) {
        const SavePlan plan = planSave(c.title, folder, exists);
        EXPECT_EQ(plan.action, c.action) << c.title;
        EXPECT_EQ(plan.file, c.file) << c.title;
        EXPECT_EQ(plan.title, c.newTitle) << c.title;
        EXPECT_EQ(plan.proposal, c.proposal) << c.title;
    }
}

TEST(ProjectNames, DialogStartsInTheRememberedFolderOnlyIfItExists)
{
    const auto tmp = std::filesystem::temp_directory_path();
    EXPECT_EQ(dialogStartFolder(tmp, "/p"), tmp);
    EXPECT_EQ(dialogStartFolder(tmp / "velor-surely-missing-folder", "/p"), "/p");
    EXPECT_EQ(dialogStartFolder("", "/p"), "/p");
}

TEST(ProjectDate, OleAutomationDates)
{
    struct Case
    {
        double ole;
        CivilDateTime civil;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0}},
        {1.0, {1899, 12, 31, 0, 0, 0, 0}},
        {2.0, {1900, 1, 1, 0, 0, 0, 0}},
        {60.0, {1900, 2, 28, 0, 0, 0, 0}}, // no 29 Feb 1900 in this calendar
        {36526.0, {2000, 1, 1, 0, 0, 0, 0}},
        {45658.5, {2025, 1, 1, 12, 0, 0, 0}},
        {45658.75, {2025, 1, 1, 18, 0, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 0}}, // before day 0 the fraction still adds the time
        {-2.5, {1899, 12, 28, 12, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto civil = civilFromOleDate(c.ole);
        ASSERT_TRUE(civil) << c.ole;
        EXPECT_EQ(*civil, c.civil) << c.ole;
        EXPECT_DOUBLE_EQ(oleDateFromCivil(c.civil), c.ole) << c.ole;
    }

    // A time a hair before midnight rounds up into the next day.
    EXPECT_EQ(*civilFromOleDate(45658.9999999999), (CivilDateTime{2025, 1, 2, 0, 0, 0, 0}));
    const CivilDateTime t{2026, 12, 10, 11, 50, 42, 0};
    EXPECT_EQ(*civilFromOleDate(oleDateFromCivil(t)), t);
    EXPECT_EQ(formatCivil(t), "2026-12-10 11:50:42");
    EXPECT_FALSE(civilFromOleDate(std::nan("")));
    EXPECT_FALSE(civilFromOleDate(1e12));
}

} // namespace
} // namespace velor
