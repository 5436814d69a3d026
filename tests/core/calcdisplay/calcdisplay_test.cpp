// Velocity warnings, captions, families and the result-list sorts of the Calculations page.
#include "app/calcdisplay.h"
#include "units/units.h"

#include <gtest/gtest.h>

namespace velor {
namespace {

TListNames messages()
{
    std::vector<TListNames::Entry> entries(31);
    for (std::size_t k = 0; k < entries.size(); ++k)
        entries[k].text = "m" + std::to_string(k);
    return TListNames(std::move(entries));
}

TResultTypeB result(std::string type, long double velHS, long double velCS, long double inHS,
                    long double inCS, long double vapor = 0)
{
    TResultTypeB r;
    r.SizeName = "X";
    r.TypeFile = std::move(type);
    r.VelTubeSpHS = velHS;
    r.VelTubeSpCS = velCS;
    r.InVelConHS = inHS;
    r.InVelConCS = inCS;
    r.VapVelConHS = vapor;
    return r;
}

// The texts of every warning, one string per dialog with its lines joined by '|'.
std::vector<std::string> warningTexts(const TResultTypeB& r, HotSideKind kind, FlowLocation hot, int unit = 0)
{
    std::vector<std::string> out;
    for (const VelocityWarning& w : VelocityWarnings(r, kind, hot)) {
        std::string text;
        for (const WarningLine& line : w)
            text += (text.empty() ? "" : "|") + warningLineText(messages(), line, unit);
        out.push_back(text);
    }
    return out;
}

TEST(CalcDisplay, VelocityWarningsOfLiquidDuties)
{
    using V = std::vector<std::string>;
    const auto T = FlowLocation::Tubes;
    const auto S = FlowLocation::Shell;
    const auto L = HotSideKind::Liquid;
    struct Case
    {
        const char* what;
        TResultTypeB r;
        FlowLocation hot;
        V expected;
    };
    const Case cases[] = {
        {"internal 2.1 on a plate", result("PF10.dat", 2.1L, 0, 0, 0), T, V{"m24 "}},
        {"internal 2.0 exactly", result("M.dat", 2.0L, 2.0L, 0, 0), T, V{}},
        {"GV hot in coil 2.1", result("GV.dat", 2.1L, 0, 0, 0), T, V{}},
        {"GV hot in coil 2.6", result("GV.dat", 2.6L, 0, 0, 0), T, V{"m24 "}},
        {"GV cold in shell 2.8", result("GV.dat", 0, 2.8L, 0, 0), T, V{}},
        {"GV cold in coil 2.8", result("GV.dat", 0, 2.8L, 0, 0), S, V{"m24 "}},
        {"GV hot in shell 3.0", result("GV.dat", 3.0L, 0, 0, 0), S, V{}},
        {"inlet 5.5 exactly", result("M.dat", 0, 0, 5.5L, 5.5L), T, V{}},
        {"hot inlet 5.51", result("M.dat", 0, 0, 5.51L, 0), T, V{"m4 5.5 m/s"}},
        {"cold inlet 6", result("M.dat", 0, 0, 0, 6), T, V{"m5 5.5 m/s"}},
        {"both inlets", result("M.dat", 0, 0, 6, 6), T, V{"m3 5.5 m/s"}},
        {"internal and inlet", result("T.dat", 2.5L, 0, 6, 0), T, V{"m24 ", "m4 5.5 m/s"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(warningTexts(c.r, L, c.hot), c.expected) << c.what;
}

TEST(CalcDisplay, VelocityWarningsOfCondensingDuties)
{
    using V = std::vector<std::string>;
    const auto C = HotSideKind::Condensing;
    const auto T = FlowLocation::Tubes;
    EXPECT_EQ(warningTexts(result("T.dat", 0, 0, 0, 6, 70), C, T), (V{"m4 60.0 m/s|m23 5.5 m/s. m30"}));
    EXPECT_EQ(warningTexts(result("GT.dat", 0, 0, 0, 6, 70), C, T), (V{"m5 5.5 m/s"}));
    EXPECT_EQ(warningTexts(result("T.dat", 0, 0, 0, 0, 70), C, T), (V{"m4 60.0 m/s. m30"}));
    EXPECT_EQ(warningTexts(result("GT.dat", 0, 0, 0, 6, 101), C, T), (V{"m4 100.0 m/s|m23 5.5 m/s"}));
    EXPECT_EQ(warningTexts(result("GT.dat", 0, 0, 0, 0, 101), C, T), (V{"m4 100.0 m/s"}));
    EXPECT_EQ(warningTexts(result("T.dat", 100.5L, 9, 0, 0, 60), C, T), (V{"m24 "}));
    EXPECT_EQ(warningTexts(result("GT.dat", 110, 2.6L, 0, 0, 100), C, T), (V{"m24 "}));
    // The liquid rules of the inlet connections do not apply to the hot side of a condenser.
    EXPECT_EQ(warningTexts(result("T.dat", 0, 0, 30, 0, 10), C, T), (V{}));
}

TEST(CalcDisplay, WarningUnitFollowsThePreset)
{
    EXPECT_EQ(warningVelocityUnit(kPresetKorvanex, 1), 0);
    EXPECT_EQ(warningVelocityUnit(kPresetMetric, 1), 0);
    EXPECT_EQ(warningVelocityUnit(kPresetUs, 0), 1);
    EXPECT_EQ(warningVelocityUnit(kPresetOther, 1), 1);
    EXPECT_EQ(warningVelocityUnit(kPresetOther, 7), 0);
    // 5.5 m/s in ft/h: 5.5 * 3600 / 0.3048 = 64960.63.
    EXPECT_EQ(warningLineText(messages(), {kMsgHotInletConnection, 5.5L, std::nullopt}, 1),
              "m4 64960.6 ft/h");
}

TEST(CalcDisplay, CaptionsAndMessageTexts)
{
    const TListNames m = messages();
    EXPECT_EQ(sideCaption(m, true, "PF20-2.dat", FlowLocation::Tubes), "m19");
    EXPECT_EQ(sideCaption(m, false, "PF20-2.dat", FlowLocation::Shell), "m20");
    EXPECT_EQ(sideCaption(m, true, "M.dat", FlowLocation::Shell), "m19 - m22");
    EXPECT_EQ(sideCaption(m, false, "GV.dat", FlowLocation::Tubes), "m20 - m21");
    EXPECT_EQ(sideCaption(TListNames(), true, "M.dat", FlowLocation::Tubes), std::nullopt);

    EXPECT_EQ(noResultLines(m, "Poland"), (std::vector<std::string>{"m1", "m27", "m28"}));
    EXPECT_EQ(noResultLines(m, "Czech Republic"), (std::vector<std::string>{"m1", "m27", "m29"}));
    EXPECT_EQ(noResultLines(m, "Canada"), (std::vector<std::string>{"m1", "m27"}));

    EXPECT_EQ(vaporNoteText(m, "DN 80"), "m13 DN 80.");
    EXPECT_EQ(vaporNoteText(m, ""), "");
    EXPECT_EQ(vaporNoteText(TListNames(), "DN 80"), "");
}

TEST(CalcDisplay, FamiliesOfTypeFiles)
{
    EXPECT_TRUE(isTubularTypeFile("GT.dat"));
    EXPECT_TRUE(isTubularTypeFile("RUVWD.dat"));
    EXPECT_FALSE(isTubularTypeFile("E12.dat"));
    EXPECT_FALSE(isTubularTypeFile("PF10-2.dat"));
    EXPECT_EQ(designTabFor("RUVWD.dat"), DesignTab::RUVW);
    EXPECT_EQ(designTabFor("TD.dat"), DesignTab::RUV);
    EXPECT_EQ(designTabFor("M.dat"), DesignTab::M);
    EXPECT_EQ(designTabFor("PH150.dat"), DesignTab::P1);
    EXPECT_EQ(designTabFor("PH150-2.dat"), DesignTab::P2);
    EXPECT_EQ(designTabFor("GV.dat"), DesignTab::None);
    EXPECT_EQ(designTabFor("E57.dat"), DesignTab::None);
}

std::vector<TResultTypeB> rated()
{
    // Rating order; B and D tie on oversize, C and A tie on area.
    const struct
    {
        const char* name;
        long double oversize, area;
    } rows[] = {{"A", 10, 3}, {"B", 30, 1}, {"C", 20, 3}, {"D", 30, 2}};
    std::vector<TResultTypeB> out;
    for (const auto& row : rows) {
        TResultTypeB r;
        r.SizeName = row.name;
        r.Oversize = row.oversize;
        r.Area = row.area;
        out.push_back(r);
    }
    return out;
}

using Lines = std::vector<std::string>;

TEST(CalcDisplay, SortsKeepTiesInRatingOrder)
{
    const auto results = rated();
    ResultListState s;
    s.setResults(&results);
    s.ResetSort();
    EXPECT_EQ(s.lines(), (Lines{"A", "B", "C", "D"}));
    EXPECT_FALSE(s.arrowEnabled());

    s.SortByValue(SortItem::Oversize); // descending first
    EXPECT_EQ(s.lines(), (Lines{"B", "D", "C", "A"}));
    EXPECT_TRUE(s.arrowEnabled());
    EXPECT_EQ(s.captionEntry(), 15U);
    EXPECT_EQ(s.checkedOnPopup(), SortItem::Oversize);

    s.SortArrowClick(); // ascending: reversed except the tie B/D
    EXPECT_EQ(s.arrowImage(), 1);
    EXPECT_EQ(s.lines(), (Lines{"A", "C", "B", "D"}));

    s.SortByValue(SortItem::Area);
    EXPECT_EQ(s.lines(), (Lines{"B", "D", "A", "C"}));
    EXPECT_EQ(s.captionEntry(), 16U);
}

TEST(CalcDisplay, SortByTypeRestoresOrderAndKeepsSelection)
{
    const auto results = rated();
    ResultListState s;
    s.setResults(&results);
    s.SortByValue(SortItem::Oversize);
    s.select(1); // "D"
    s.Sortbytype();
    EXPECT_EQ(s.lines(), (Lines{"A", "B", "C", "D"}));
    EXPECT_EQ(s.selectedText(), "D");
    EXPECT_FALSE(s.arrowEnabled());
    EXPECT_EQ(s.captionEntry(), 14U);

    // A value sort keeps the selected size selected too.
    s.SortByValue(SortItem::Oversize);
    EXPECT_EQ(s.selectedText(), "D");

    // The arrow with "Sort by Type" checked only flips the image.
    s.Sortbytype();
    s.SortArrowClick();
    EXPECT_EQ(s.lines(), (Lines{"A", "B", "C", "D"}));
}

TEST(CalcDisplay, FreshListShowsSortByTypeAndEmptyListsDoNotSort)
{
    const auto results = rated();
    ResultListState s;
    s.setResults(&results);
    s.SortByValue(SortItem::Clean);
    s.ResetSort();
    EXPECT_EQ(s.checkedOnPopup(), SortItem::Type);

    const std::vector<TResultTypeB> none;
    s.setResults(&none);
    s.SortByValue(SortItem::Area);
    EXPECT_TRUE(s.lines().empty());
    EXPECT_EQ(s.selected(), -1);
    EXPECT_EQ(s.resultForLine(0), nullptr);
}

} // namespace
} // namespace velor
