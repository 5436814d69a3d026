// The type tree and the rules of the selected-sizes list.
#include "catalogue/exchangertypes.h"
#include "catalogue/sizeselection.h"

#include <gtest/gtest.h>
#include <limits>

namespace velor {
namespace {

constexpr auto L = HotSideKind::Liquid;
constexpr auto C = HotSideKind::Condensing;
constexpr auto Tb = FlowLocation::Tubes;
constexpr auto Sh = FlowLocation::Shell;

using Names = std::vector<std::string>;

SelectionDuty duty(HotSideKind kind, FlowLocation hot = Tb, FlowLocation cold = Sh)
{
    SelectionDuty d;
    d.hotSide = kind;
    d.tHotIn = 120;
    d.tHotOut = 80;
    d.tColdIn = 10;
    d.tColdOut = 60;
    d.pHotIn = 500;  // kPa = 5 bar
    d.pColdIn = 300; // kPa = 3 bar
    d.hotLocation = hot;
    d.coldLocation = cold;
    return d;
}

TParamRec limits(std::string name, long double maxTempHot = 150, long double maxPressHot = 10)
{
    return TParamRec{std::move(name), maxTempHot, 110, -10, -10, maxPressHot, 6};
}

TEST(ArrangementTest, HotSideKindArrangementAndParentTable)
{
    struct Case
    {
        HotSideKind kind;
        FlowLocation hot, cold;
        const char* parent;
        const char* size;
        bool admitted;
    };
    const Case cases[] = {
        // Liquid: everything but GT, whatever the arrangement.
        {L, Tb, Sh, "M", "M 10.1000-2", true},
        {L, Sh, Tb, "T", "T 16.480", true},
        {L, Sh, Tb, "PH150-2", "PH150-2-60", true},
        {L, Sh, Tb, "GT", "GT 15.1000", false},
        {L, Tb, Sh, "GT", "GT 15.1000", false},
        // Condensing in the tubes/coil.
        {C, Tb, Sh, "ND", "ND 11.250", true},
        {C, Tb, Sh, "TW", "TW 21.480", true},
        {C, Tb, Sh, "TWD", "TWD 21.480", true},
        {C, Tb, Sh, "RUV W", "RUV W 26.480", true},
        {C, Tb, Sh, "RUV WD", "RUV WD 26.480", true},
        {C, Tb, Sh, "T", "T 16.480", false},
        {C, Tb, Sh, "TD", "TD 16.480", false},
        {C, Tb, Sh, "M", "M 10.1000-2", false},
        {C, Tb, Sh, "GV", "GV 20.2000", false},
        {C, Tb, Sh, "E57", "E57-21", false},
        {C, Tb, Sh, "PF30", "PF30-20", false},
        {C, Tb, Sh, "PG55-2", "PG55-2-20", false},
        {C, Tb, Sh, "RUV", "RUV 21.480", false},
        {C, Tb, Sh, "RUV", "RUV 26.480", true},
        {C, Tb, Sh, "RUV D", "RUV D 26.640", false},
        {C, Tb, Sh, "RUV D", "RUV D 26.480", true},
        {C, Tb, Sh, "GT", "GT 15.1000", false},
        // Condensing in the shell: only GT, with the cold side in the tubes.
        {C, Sh, Tb, "GT", "GT 15.1000", true},
        {C, Sh, Sh, "GT", "GT 15.1000", false},
        {C, Sh, Tb, "ND", "ND 11.250", false},
        {C, Sh, Tb, "RUV", "RUV 26.480", false},
        {C, Sh, Tb, "TW", "TW 21.480", false},
        {C, Tb, Tb, "ND", "ND 11.250", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arrangementAdmits(duty(c.kind, c.hot, c.cold), c.parent, c.size), c.admitted)
            << (c.kind == L ? "liquid " : "condensing ") << (c.hot == Tb ? "hot tubes " : "hot shell ")
            << (c.cold == Tb ? "cold tubes " : "cold shell ") << c.parent << " / " << c.size;
}

TEST(TypeTreeTest, FixedPartAndItemOrder)
{
    const TypeTree tree;
    std::vector<std::string> order;
    for (int id : tree.itemOrder())
        order.push_back(tree.node(id).text);
    ASSERT_EQ(order.size(), 1u + 3u + 26u);
    EXPECT_EQ(order[0], "All");
    EXPECT_EQ(order[1], "Shell & Tube");
    EXPECT_EQ(order[2], "M");
    EXPECT_EQ(order[3], "Shell & Coil");
    EXPECT_EQ(order[13], "Brazed Plate");
    // The tree shows PG55 before PH90.
    EXPECT_EQ(order[24], "PG55");
    EXPECT_EQ(order[26], "PH90");
    for (const ExchangerType& t : exchangerTypes())
        EXPECT_EQ(tree.typeNodes(t.code).size(), t.inTree ? 1u : 0u) << t.code;
}

class SelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path() /
               ("velor-selection-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        const ProgramFolder folder(root);
        for (const auto& [file, names] : std::vector<std::pair<std::string, Names>>{
                 {"T.dat", {"T 16.480", "T 21.480"}},
                 {"ND.dat", {"ND 11.250", "ND 16.320"}},
                 {"RUV.dat", {"RUV 21.480", "RUV 26.480"}},
                 {"GT.dat", {"GT 15.1000"}},
                 {"PH90.dat", {"PH90-20"}},
                 {"PG55.dat", {"PG55-20"}},
             }) {
            std::vector<TSizeRecord> records;
            for (const std::string& n : names) {
                TSizeRecord r;
                r.Id = static_cast<std::int32_t>(records.size() + 1);
                r.Name = n;
                records.push_back(r);
            }
            ASSERT_TRUE(writeTypeFile(folder, file, records));
        }
        TParamRecList list;
        for (const char* n : {"T 16.480.A", "T 21.480.A", "ND 11.250.A", "ND 16.320.A", "RUV 21.480.A",
                              "RUV 26.480.A", "PH90-20.A", "PG55-20.A", "GT 15.1000.A"})
            list.push_back(limits(n));
        sel.setWorkingLimits(list);
        sel.setDuty(duty(L));
        sel.BuildTypeTree(folder);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    int leaf(std::string_view text) const
    {
        const int id = sel.tree().findFirst(text);
        EXPECT_GE(id, 0) << text;
        return id;
    }
    void tick(std::string_view text) { sel.setChecked(leaf(text), true); }
    bool ticked(std::string_view text) const { return sel.tree().node(leaf(text)).checked; }

    std::filesystem::path root;
    SizeSelection sel;
};

TEST_F(SelectionTest, BuildPutsSizesUnderTheirTypeNodesOnly)
{
    const TypeTree& tree = sel.tree();
    EXPECT_EQ(tree.findFirst("GT 15.1000"), -1); // GT has no node
    const int t = tree.typeNodes("T").front();
    ASSERT_EQ(tree.node(t).children.size(), 2u);
    EXPECT_EQ(tree.node(tree.node(t).children[0]).text, "T 16.480");
    EXPECT_EQ(tree.node(tree.node(t).children[1]).text, "T 21.480");
    EXPECT_TRUE(tree.node(tree.typeNodes("TD").front()).children.empty());

    // Rebuilding replaces the leaves instead of adding them twice.
    sel.BuildTypeTree(ProgramFolder(root));
    EXPECT_EQ(tree.node(t).children.size(), 2u);
    EXPECT_EQ(tree.itemOrder().size(), 30u + 8u);
}

TEST_F(SelectionTest, TickingAddsOnceAndUntickingRemoves)
{
    tick("T 16.480");
    tick("ND 11.250");
    sel.setChecked(leaf("T 16.480"), false);
    sel.setChecked(leaf("T 16.480"), true);
    sel.TreeNT1Checked(leaf("T 16.480")); // a repeated report of the same tick
    EXPECT_EQ(sel.selected(), (Names{"ND 11.250", "T 16.480"}));

    sel.setChecked(leaf("ND 11.250"), false);
    EXPECT_EQ(sel.selected(), (Names{"T 16.480"}));

    // Type and family nodes never enter the list; ticking one ticks the sizes below it.
    sel.setChecked(sel.tree().findFirst("Shell & Coil"), true);
    EXPECT_EQ(sel.selected(),
              (Names{"T 16.480", "ND 11.250", "ND 16.320", "T 21.480", "RUV 21.480", "RUV 26.480"}));
    sel.setChecked(sel.tree().findFirst("RUV"), false);
    EXPECT_EQ(sel.selected(), (Names{"T 16.480", "ND 11.250", "ND 16.320", "T 21.480"}));
}

TEST_F(SelectionTest, CondensingDutyAdmitsOnlySteamTypesInTheCoil)
{
    sel.setDuty(duty(C));
    sel.setChecked(sel.tree().root(), true);
    EXPECT_EQ(sel.selected(), (Names{"ND 11.250", "ND 16.320", "RUV 26.480"}));
    EXPECT_FALSE(ticked("T 16.480"));
    EXPECT_FALSE(ticked("PG55-20"));
    EXPECT_TRUE(ticked("RUV 26.480"));
}

TEST_F(SelectionTest, WorkingLimitsDecideAndSizesWithoutLimitsAreRefused)
{
    TParamRecList list = sel.workingLimits();
    list.push_back(limits("T 16.480-2.A")); // not a variant of "T 16.480"
    // "ND 11.250" gets a second record: only that one admits a hot inlet of 170 deg.C.
    list.push_back(limits("ND 11.250.B", 180));
    std::erase_if(list, [](const TParamRec& r) { return r.Name == "T 21.480.A"; });
    sel.setWorkingLimits(list);
    SelectionDuty d = duty(L);
    d.tHotIn = 170;
    sel.setDuty(d);

    EXPECT_TRUE(sel.SizeWithinLimits("ND 11.250"));
    EXPECT_FALSE(sel.SizeWithinLimits("ND 16.320"));
    EXPECT_FALSE(sel.SizeWithinLimits("T 21.480")); // no record at all
    tick("ND 11.250");
    tick("ND 16.320");
    tick("T 21.480");
    EXPECT_EQ(sel.selected(), (Names{"ND 11.250"}));
    EXPECT_FALSE(ticked("T 21.480"));

    // Pressures are compared in bar: 1000 kPa is exactly the 10 bar limit.
    d = duty(L);
    d.pHotIn = 1000;
    sel.setDuty(d);
    EXPECT_TRUE(sel.SizeWithinLimits("T 16.480"));
    d.pHotIn = 1000.5L;
    sel.setDuty(d);
    EXPECT_FALSE(sel.SizeWithinLimits("T 16.480"));

    sel.setWorkingLimits({});
    sel.setDuty(duty(L));
    EXPECT_FALSE(sel.SizeWithinLimits("T 16.480"));
}

TEST_F(SelectionTest, RecheckLimitsUnticksSizesWhoseMaxTempHotIsExceeded)
{
    TParamRecList list = sel.workingLimits();
    for (TParamRec& r : list)
        if (r.Name == "ND 11.250.A")
            r.MaxTempHot = 125;
    sel.setWorkingLimits(list);
    tick("T 16.480");
    tick("ND 11.250");
    sel.setSelected({"T 16.480", "GT 15.1000", "ND 11.250", "T 16.480"}); // as loaded, with a repeat
    EXPECT_EQ(sel.selected(), (Names{"T 16.480", "GT 15.1000", "ND 11.250"}));

    SelectionDuty d = duty(L);
    d.tHotIn = 130;
    sel.setDuty(d);
    sel.RecheckLimits();
    EXPECT_EQ(sel.selected(), (Names{"T 16.480", "GT 15.1000"})); // GT has no node and stays
    EXPECT_FALSE(ticked("ND 11.250"));
    EXPECT_TRUE(ticked("T 16.480"));

    d.tHotIn = std::numeric_limits<long double>::quiet_NaN();
    sel.setDuty(d);
    sel.RecheckLimits();
    EXPECT_EQ(sel.selected(), (Names{"GT 15.1000"}));
}

TEST_F(SelectionTest, RecheckArrangementFollowsHotSideAndRadioButtons)
{
    sel.setChecked(sel.tree().root(), true);
    ASSERT_EQ(sel.selected().size(), 8u);

    sel.setDuty(duty(C));
    sel.RecheckArrangement();
    EXPECT_EQ(sel.selected(), (Names{"ND 11.250", "ND 16.320", "RUV 26.480"}));
    EXPECT_FALSE(ticked("PH90-20"));

    sel.setDuty(duty(C, Sh, Tb));
    sel.RecheckArrangement();
    EXPECT_TRUE(sel.selected().empty());
}

TEST_F(SelectionTest, RedMarksClearWhenTheListIsNoLongerEmpty)
{
    std::vector<std::pair<int, bool>> changes;
    sel.onCheckChanged = [&](int id, bool checked) { changes.emplace_back(id, checked); };
    sel.markAllRed();
    sel.setDuty(duty(C));
    tick("T 16.480"); // refused: the list stays empty, the marks stay
    EXPECT_TRUE(sel.captionRed());
    EXPECT_TRUE(sel.tree().node(leaf("M")).red);
    EXPECT_EQ(changes,
              (std::vector<std::pair<int, bool>>{{leaf("T 16.480"), true}, {leaf("T 16.480"), false}}));

    tick("ND 11.250");
    EXPECT_FALSE(sel.captionRed());
    EXPECT_FALSE(sel.tree().node(leaf("M")).red);
    EXPECT_FALSE(sel.tree().node(leaf("ND 11.250")).red);
}

} // namespace
} // namespace velor
