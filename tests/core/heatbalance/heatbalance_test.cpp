// Heat balance tests over a small fluid database: specific duties and examples, driver marks,
// unit changes, saturation coupling, hot-side switch, fluid choice, arrangement, restore/store.
#include "app/heatbalance.h"
#include "balanceworld.h"

#include <gtest/gtest.h>
#include <map>

namespace velor {
namespace {

using F = DutyField;

class HeatBalanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() /
               (std::string("velor-balance-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(root);
        test::writeBalanceFluids(ProgramFolder(root).fluids());
        test::writeBalanceCatalogue(ProgramFolder(root));
        files = std::make_unique<FluidFiles>(ProgramFolder(root).fluids());
        settings = std::make_unique<Settings>(store, ProgramFolder(root));
        selection = std::make_unique<SizeSelection>(ReadWorkingLimits(ProgramFolder(root)));
        selection->BuildTypeTree(ProgramFolder(root));
        balance = std::make_unique<HeatBalance>(*files, *settings, selection.get());
        balance->onWrite = [this](DutyField f, long double) { ++writes[f]; };
        balance->RestoreFluids();
        // Liquid hot side 80 -> 60, cold 20 -> 40, 100 kPa, 100 kW; marks clear.
        set(F::InletTempHSide, 80);
        set(F::OutletTempHSide, 60);
        set(F::InletTempCSide, 20);
        set(F::OutletTempCSide, 40);
        set(F::Capacity, 100);
        writes.clear();
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void set(F f, long double v) { balance->setValue(f, v); }
    // The user types a new value into a field.
    void type(F f, long double v)
    {
        balance->setValue(f, v);
        balance->FieldChanged(f);
    }
    long double v(F f) const { return balance->value(f); }
    int writeCount() const
    {
        int n = 0;
        for (const auto& [f, count] : writes)
            n += count;
        return n;
    }

    std::filesystem::path root;
    MemorySettingsStore store;
    std::unique_ptr<FluidFiles> files;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<SizeSelection> selection;
    std::unique_ptr<HeatBalance> balance;
    std::map<DutyField, int> writes;
};

TEST_F(HeatBalanceTest, FixtureRestoresFluidsAndWorkingCopies)
{
    EXPECT_EQ(balance->liquidHot(), "Water");
    EXPECT_EQ(balance->liquidCold(), "Water");
    EXPECT_EQ(balance->vapor(), "Saturated steam");
    EXPECT_EQ(balance->fluidList(FluidList::LiquidHot).names, (TTableS{"Condensate", "Water"}));
    // The vapor's condensate sits in the liquid working copy beside the chosen liquids.
    EXPECT_EQ(files->LiquidNames(kLiquidsTmp), (TTableS{"Water", "Condensate"}));
    EXPECT_EQ(files->VaporNames(kVaporsTmp), (TTableS{"Saturated steam"}));
}

// The heat load drives both sides: liquid and condensing hot sides, with and without a span.
TEST_F(HeatBalanceTest, HeatLoadDrivesMassAndVolumeFlows)
{
    struct Case
    {
        const char* name;
        HotSideKind hot;
        long double tIn, tOut;
        long double m, vIn, vOut; // expected hot side, base units
    };
    const Case cases[] = {
        // m = 100 / (4.19 * 20); VIn = m / 971.8; VOut = m / 983.2
        {"liquid 80 -> 60", HotSideKind::Liquid, 80, 60, 1.193317L, 0.00122795L, 0.00121371L},
        {"liquid without span", HotSideKind::Liquid, 70, 70, 0, 0, 0},
        // m = 100 / (4.2 * 10 + 2257); VIn from the steam density at (100, 101.325), VOut = m / 965.3
        {"condenser 100 -> 90", HotSideKind::Condensing, 100, 90, 0.0434972L, -1, 0.0434972L / 965.3L},
        // m = Q / r
        {"condenser without span", HotSideKind::Condensing, 100, 100, 100.0L / 2257, -1,
         100.0L / 2257 / 958.4L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (balance->hotSide() != c.hot)
            balance->SwitchHotSide(c.hot);
        const bool liquid = c.hot == HotSideKind::Liquid;
        set(liquid ? F::InletTempHSide : F::InletTempHSideVC, c.tIn);
        set(liquid ? F::OutletTempHSide : F::OutletTempHSideVC, c.tOut);
        set(F::InletPressHSideVC, 101.325L);
        balance->setDriver(Driver::HeatLoad, true);
        balance->CapacityChange();
        EXPECT_NEAR(v(liquid ? F::MassFlowHSide : F::MassFlowHSideVC), c.m, 5e-7);
        if (c.vIn >= 0)
            EXPECT_NEAR(v(F::InletVolFlowHSide), c.vIn, 5e-9); // the example's six digits
        else // steam at 100 deg.C and 1 atm: about 0.6 kg/m3
            EXPECT_NEAR(v(F::InletVolFlowHSideVC) / v(F::MassFlowHSideVC), 1 / 0.59L, 0.1);
        EXPECT_NEAR(v(liquid ? F::OutletVolFlowHSide : F::OutletVolFlowHSideVC), c.vOut, 5e-9);
        // Cold side 20 -> 40 with cp 4.19: the same as the hot liquid example.
        EXPECT_NEAR(v(F::MassFlowCSide), 1.193317L, 5e-7);
        EXPECT_NEAR(v(F::InletVolFlowCSide), 1.193317L / 998.2L, 1e-9);
    }
}

TEST_F(HeatBalanceTest, FirstKeystrokeOnlyMakesTheFlowTheDriver)
{
    type(F::MassFlowHSide, 2);
    EXPECT_TRUE(balance->driver(Driver::MassFlowHot));
    EXPECT_EQ(writeCount(), 0);
    EXPECT_EQ(v(F::Capacity), 100);

    type(F::MassFlowHSide, 2.5L);
    // Q = 2.5 * 4.19 * 20 = 209.5 kW; the cold side follows from that heat load.
    EXPECT_NEAR(v(F::Capacity), 209.5L, 1e-9);
    EXPECT_NEAR(v(F::InletVolFlowHSide), 2.5L / 971.8L, 1e-12);
    EXPECT_NEAR(v(F::OutletVolFlowHSide), 2.5L / 983.2L, 1e-12);
    EXPECT_NEAR(v(F::MassFlowCSide), 2.5L, 1e-9);
    EXPECT_EQ(writes[F::MassFlowHSide], 0); // the driver itself is not rewritten
    EXPECT_TRUE(balance->driver(Driver::MassFlowHot));
    EXPECT_FALSE(balance->driver(Driver::HeatLoad)); // cleared by the write of the heat load
    EXPECT_FALSE(balance->driver(Driver::MassFlowCold));
}

// Each flow driver derives the heat load on its side and the other side from it.
TEST_F(HeatBalanceTest, FlowDriversOfBothSides)
{
    struct Case
    {
        F field;
        long double typed;
        long double q; // expected heat load, kW
    };
    const Case cases[] = {
        {F::MassFlowCSide, 1, 4.19L * 20},
        {F::InletVolFlowCSide, 0.001L, 0.001L * 998.2L * 4.19L * 20},
        {F::OutletVolFlowCSide, 0.001L, 0.001L * 992.2L * 4.19L * 20},
        {F::InletVolFlowHSide, 0.002L, 0.002L * 971.8L * 4.19L * 20},
        {F::OutletVolFlowHSide, 0.002L, 0.002L * 983.2L * 4.19L * 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(dutyFieldInfo(c.field).control);
        balance->clearDrivers();
        type(c.field, c.typed / 2); // makes it the driver
        type(c.field, c.typed);
        EXPECT_NEAR(v(F::Capacity), c.q, 1e-9);
        // Both sides carry the same heat load, so the mass flows agree (same cp and span).
        EXPECT_NEAR(v(F::MassFlowHSide), v(F::MassFlowCSide), 1e-12);
    }
}

TEST_F(HeatBalanceTest, TemperatureEditAfterFlowEditFirstRestoresTheHeatLoadDriver)
{
    type(F::MassFlowHSide, 2);
    type(F::MassFlowHSide, 2.5L);
    const long double q = v(F::Capacity);
    writes.clear();

    type(F::OutletTempHSide, 50); // only makes the heat load the driver again
    EXPECT_TRUE(balance->driver(Driver::HeatLoad));
    EXPECT_EQ(writeCount(), 0);

    type(F::OutletTempHSide, 40); // now the flows follow the heat load, never the reverse
    EXPECT_EQ(v(F::Capacity), q);
    EXPECT_EQ(writes[F::Capacity], 0);
    EXPECT_NEAR(v(F::MassFlowHSide), q / (4.19L * 40), 1e-12);
}

TEST_F(HeatBalanceTest, UnitChangeRecomputesNothing)
{
    balance->setDriver(Driver::HeatLoad, true);
    balance->setDriver(Driver::MassFlowCold, true);
    for (F f : {F::InletTempHSide, F::Capacity, F::InletPressCSide, F::InletTempHSideVC, F::MassFlowCSide,
                F::FoulingFactor}) {
        SCOPED_TRACE(dutyFieldInfo(f).control);
        balance->UnitBoxChanged(f);
        EXPECT_EQ(writeCount(), 0);
        EXPECT_FALSE(balance->UnitChangeActive());
    }
    EXPECT_FALSE(balance->driver(Driver::HeatLoad));
    EXPECT_FALSE(balance->driver(Driver::MassFlowCold));
    // The next temperature change only re-marks the heat load.
    type(F::InletTempCSide, 25);
    EXPECT_EQ(writeCount(), 0);
    EXPECT_TRUE(balance->driver(Driver::HeatLoad));

    balance->BeginPreset();
    type(F::Capacity, 300); // a redisplay during a preset sets no mark
    balance->EndPreset();
    EXPECT_FALSE(balance->driver(Driver::HeatLoad));
    EXPECT_EQ(writeCount(), 0);
}

TEST_F(HeatBalanceTest, SwitchingToCondenserClearsFlowMarks)
{
    for (int d = 0; d < kDriverCount; ++d)
        balance->setDriver(static_cast<Driver>(d), true);
    set(F::InletTempHSideVC, 100);
    set(F::OutletTempHSideVC, 90);
    set(F::InletPressHSideVC, 101.325L);
    balance->SwitchHotSide(HotSideKind::Condensing);
    EXPECT_TRUE(balance->driver(Driver::HeatLoad));
    for (int d = 1; d < kDriverCount; ++d)
        EXPECT_FALSE(balance->driver(static_cast<Driver>(d))) << d;
    EXPECT_NEAR(v(F::MassFlowHSideVC), 0.0434972L, 5e-7);
    EXPECT_FALSE(balance->UnitChangeActive());

    // Back to the liquid page: the liquid hot side is recomputed from the heat load.
    balance->SwitchHotSide(HotSideKind::Liquid);
    EXPECT_NEAR(v(F::MassFlowHSide), 1.193317L, 5e-7);
}

TEST_F(HeatBalanceTest, ChangedVaporRefetchesCondenserProperties)
{
    set(F::InletTempHSideVC, 100);
    set(F::OutletTempHSideVC, 90);
    set(F::InletPressHSideVC, 101.325L);
    balance->SwitchHotSide(HotSideKind::Condensing);
    EXPECT_EQ(balance->CondenserCache()[0].FluidName, "Saturated steam");
    const long double steamDensity = balance->CondenserCache()[0].Density;

    const auto& vapors = balance->fluidList(FluidList::VaporHot).names;
    const int light =
        static_cast<int>(std::find(vapors.begin(), vapors.end(), "Light vapor") - vapors.begin());
    balance->SelectFluid(FluidList::VaporHot, light);
    EXPECT_EQ(balance->vapor(), "Light vapor");
    EXPECT_EQ(store.value("Units\\Fluids", "Defaults", "VaporHS"), "Light vapor");
    EXPECT_EQ(balance->CondenserCache()[0].FluidName, "Light vapor");
    EXPECT_NE(balance->CondenserCache()[0].Density, steamDensity);
    EXPECT_EQ(balance->latentHeat(), 1000);
    EXPECT_NEAR(v(F::MassFlowHSideVC), 100 / (42 + 1000.0L), 1e-9);
}

TEST_F(HeatBalanceTest, CondenserInletFollowsTheSaturationLine)
{
    set(F::InletTempHSideVC, 150);
    set(F::OutletTempHSideVC, 90);
    balance->SwitchHotSide(HotSideKind::Condensing);
    writes.clear();
    balance->setDriver(Driver::MassFlowHot, true);

    type(F::InletPressHSideVC, 101.325L);
    EXPECT_NEAR(v(F::InletTempHSideVC), 100, 1e-9);
    EXPECT_EQ(v(F::InletPressHSideVC), 101.325L); // the temperature's coupling did not echo back
    EXPECT_TRUE(balance->driver(Driver::HeatLoad));
    EXPECT_FALSE(balance->SatFromPressureActive());
    EXPECT_NEAR(v(F::MassFlowHSideVC), 0.0434972L, 5e-7);
    EXPECT_EQ(writes[F::Capacity], 0);

    type(F::InletTempHSideVC, 90);
    EXPECT_NEAR(v(F::InletPressHSideVC), 70.14L, 1e-9);
    EXPECT_FALSE(balance->SatFromTemperatureActive());
}

TEST_F(HeatBalanceTest, MissingFluidKeepsTheSideAndTheCoupledField)
{
    // A vapor that the working copy does not hold: no saturation, no condenser section.
    balance->SwitchHotSide(HotSideKind::Condensing);
    (void)files->DeleteFluidFile(kVaporsTmp);
    set(F::InletTempHSideVC, 120);
    set(F::MassFlowHSideVC, 0.5L);
    type(F::InletPressHSideVC, 300);
    EXPECT_EQ(v(F::InletTempHSideVC), 120);
    type(F::Capacity, 150);
    type(F::Capacity, 160);
    EXPECT_EQ(v(F::MassFlowHSideVC), 0.5L);
    EXPECT_NEAR(v(F::MassFlowCSide), 160 / (4.19L * 20), 1e-12); // the cold side still runs
}

TEST_F(HeatBalanceTest, ChoosingALiquidKeepsTheCondensateInTheWorkingCopy)
{
    set(F::InletTempHSideVC, 100);
    set(F::OutletTempHSideVC, 90);
    set(F::InletPressHSideVC, 101.325L);
    balance->SwitchHotSide(HotSideKind::Condensing);
    balance->SelectFluid(FluidList::LiquidCold, 1); // "Water" again: the liquid files are rebuilt
    EXPECT_EQ(store.value("Units\\Fluids", "Defaults", "LiquidCS"), "Water");
    EXPECT_NE(files->LiquidKey("Condensate", kLiquidsTmp), 0);
    EXPECT_NEAR(v(F::MassFlowHSideVC), 0.0434972L, 5e-7);
}

TEST_F(HeatBalanceTest, EditedFluidsAreRefetchedAfterTheEditors)
{
    balance->setDriver(Driver::HeatLoad, true);
    balance->CapacityChange();
    // The editor gives water a heat capacity of 5 kJ/kgK under the same name.
    FluidFiles master(ProgramFolder(root).fluids());
    TTableAllPropL rows;
    for (long double t : {20.0L, 40.0L, 60.0L, 80.0L})
        rows.push_back(TLiquidRow{t, 980, 5, 0.6L, 0.0005L});
    ASSERT_TRUE(master.WriteLiquidRows(1, rows, 100, true, kPropLiquidsDat));

    balance->LiquidEditorClosed(FluidList::LiquidHot, false);
    EXPECT_NEAR(v(F::MassFlowHSide), 1.193317L, 5e-7); // page not active: nothing recomputed
    balance->LiquidEditorClosed(std::nullopt, true);
    EXPECT_NEAR(v(F::MassFlowHSide), 100 / (5 * 20.0L), 1e-12);
    EXPECT_NEAR(v(F::InletVolFlowCSide), 100 / (5 * 20.0L) / 980, 1e-12);

    // A deleted liquid leaves its side without a selection; the side then keeps its values.
    ASSERT_TRUE(master.DeleteLiquid(1, kLiquidsDat));
    balance->LiquidEditorClosed(FluidList::LiquidCold, true);
    EXPECT_EQ(balance->liquidCold(), "");
    EXPECT_EQ(files->LiquidNames(kLiquidsTmp), (TTableS{"Condensate"}));

    balance->SwitchHotSide(HotSideKind::Condensing);
    ASSERT_TRUE(master.SetVaporLink(1, 1, kVaporsDat)); // steam now condenses to the deleted water
    balance->VaporEditorClosed(true);
    EXPECT_EQ(balance->vapor(), "Saturated steam");
    EXPECT_EQ(files->ReadVapor(1, kVaporsTmp).condensateKey, 1);
}

TEST_F(HeatBalanceTest, TubesAndShellStayOppositeAndAreStored)
{
    struct Case
    {
        bool hotClicked;
        FlowLocation clicked;
        FlowLocation hot;
        const char* hotText;
        const char* coldText;
    };
    const Case cases[] = {
        {false, FlowLocation::Shell, FlowLocation::Tubes, "Tubes", "Shell"},
        {true, FlowLocation::Shell, FlowLocation::Shell, "Shell", "Tubes"},
        {false, FlowLocation::Tubes, FlowLocation::Shell, "Shell", "Tubes"},
        {true, FlowLocation::Tubes, FlowLocation::Tubes, "Tubes", "Shell"},
    };
    for (const Case& c : cases) {
        balance->SelectLocation(c.hotClicked, c.clicked);
        EXPECT_EQ(balance->hotLocation(), c.hot);
        EXPECT_NE(balance->coldLocation(), c.hot);
        EXPECT_EQ(store.value("Settings\\Device", "Defaults", "HotSide"), c.hotText);
        EXPECT_EQ(store.value("Settings\\Device", "Defaults", "ColdSide"), c.coldText);
    }
}

TEST_F(HeatBalanceTest, DutyChangesRecheckTheSelectedSizes)
{
    auto tick = [this](const char* name) { selection->setChecked(selection->tree().findFirst(name), true); };
    set(F::OutletTempCSide, 60);
    selection->setDuty(balance->selectionDuty());
    tick("T 10");
    tick("TW 10");
    ASSERT_EQ(selection->selected(), (std::vector<std::string>{"T 10", "TW 10"}));

    type(F::InletTempHSide, 140); // above the limit of 130
    EXPECT_TRUE(selection->selected().empty());

    type(F::InletTempHSide, 90);
    tick("T 10");
    tick("TW 10");
    balance->SwitchHotSide(HotSideKind::Condensing); // T takes no condensing duty
    EXPECT_EQ(selection->selected(), (std::vector<std::string>{"TW 10"}));
    balance->SelectLocation(true, FlowLocation::Shell); // vapor in the shell: only GT
    EXPECT_TRUE(selection->selected().empty());
}

TEST_F(HeatBalanceTest, DutyIsStoredAndRestored)
{
    // A fresh store gives the documented last duty, and the flows follow from its heat load.
    HeatBalance fresh(*files, *settings, nullptr);
    fresh.RestoreFluids();
    fresh.RestoreDuty();
    EXPECT_EQ(fresh.value(F::Capacity), 200);
    EXPECT_EQ(fresh.value(F::InletTempHSide), 120);
    EXPECT_EQ(fresh.value(F::OutletTempCSide), 90);
    EXPECT_EQ(fresh.value(F::MaxPressDropCSide), 25);
    EXPECT_EQ(fresh.hotSide(), HotSideKind::Liquid);
    EXPECT_EQ(fresh.hotLocation(), FlowLocation::Tubes);
    EXPECT_NEAR(fresh.value(F::MassFlowHSide), 200 / (4.19L * 45), 1e-12);
    for (int d = 0; d < kDriverCount; ++d)
        EXPECT_FALSE(fresh.driver(static_cast<Driver>(d)));

    balance->SwitchHotSide(HotSideKind::Condensing);
    balance->SelectLocation(true, FlowLocation::Shell);
    set(F::FoulingFactor, 0.05L);
    set(F::Oversurfacing, 12.5L);
    balance->StoreDuty();
    EXPECT_EQ(store.value("Data", "Defaults", "ActiveTubesS"), "0");
    HeatBalance again(*files, *settings, nullptr);
    again.RestoreFluids();
    again.RestoreDuty();
    EXPECT_EQ(again.hotSide(), HotSideKind::Condensing);
    EXPECT_EQ(again.hotLocation(), FlowLocation::Shell);
    EXPECT_EQ(again.value(F::Capacity), 100);
    EXPECT_EQ(again.value(F::InletTempHSide), 80);
    EXPECT_NEAR(again.value(F::FoulingFactor), 0.05L, 1e-15);
    EXPECT_EQ(again.value(F::Oversurfacing), 12.5L);
}

TEST_F(HeatBalanceTest, ValuesAreClampedToTheFieldRange)
{
    set(F::MassFlowCSide, -3);
    EXPECT_EQ(v(F::MassFlowCSide), 0);
    set(F::FoulingFactor, 5);
    EXPECT_EQ(v(F::FoulingFactor), 2);
    set(F::NoUnitsSeries, 0);
    EXPECT_EQ(v(F::NoUnitsSeries), 1);
    set(F::InletTempHSide, -40);
    EXPECT_EQ(v(F::InletTempHSide), -40);
}

} // namespace
} // namespace velor
