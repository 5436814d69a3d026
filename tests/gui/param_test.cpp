// The Parameters page contents over a small program folder: typing a heat load, the condenser's
// saturation coupling, ticking sizes in the type tree, rechecks after duty changes, unit boxes,
// the tube/shell radios and the last duty. With VELOR_PARAM_SHOTS set to a folder, the page is
// also saved there as PNG pictures (liquid and condenser hot side).
#include "../core/heatbalance/balanceworld.h"
#include "app/unitboxes.h"
#include "guitestsupport.h"
#include "parameters/parameterspanel.h"
#include "units/extendededit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

using namespace velor;
using namespace velor::testing;

class ParamPageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<UnitBoxSet> m_units;
    std::unique_ptr<ParametersPanel> m_panel;

    template<typename T>
    T* child(const char* name) const
    {
        T* found = m_panel->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    TExtendedSpinEdit* field(const char* name) const { return child<TExtendedSpinEdit>(name); }
    // The user replaces the text of a field, key by key.
    void type(const char* name, const QString& text)
    {
        TExtendedSpinEdit* edit = field(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QTreeWidgetItem* treeItem(const QString& text) const
    {
        const auto found =
            child<QTreeWidget>("TreeNT1")->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    void tick(const QString& text, bool on = true)
    {
        QTreeWidgetItem* item = treeItem(text);
        QVERIFY(item);
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
    QStringList selected() const
    {
        QStringList names;
        auto* list = child<QListWidget>("ListBox1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    void startPage()
    {
        m_units = std::make_unique<UnitBoxSet>(PresetScreen::Inputs, SettingsGroupId::UnitsInput);
        m_panel =
            std::make_unique<ParametersPanel>(*m_settings, ProgramFolder(m_folder->path()), m_units.get());
        // The main window's order: units, spin steps and decimals, then the page's own start-up.
        m_units->restore(*m_settings);
        m_units->applySteps(5);
        m_units->applyDecimals(*m_settings);
        m_panel->startUp();
        m_panel->resize(1150, 560);
        m_panel->show();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        test::writeBalanceFluids(ProgramFolder(m_folder->path()).fluids());
        test::writeBalanceCatalogue(ProgramFolder(m_folder->path()));
        m_store = std::make_unique<MemorySettingsStore>();
        m_settings = std::make_unique<Settings>(*m_store, ProgramFolder(m_folder->path()));
        startPage();
    }

    void cleanup()
    {
        m_panel.reset();
        m_units.reset();
        m_settings.reset();
        m_store.reset();
        m_folder.reset();
    }

    void startsWithTheLastDutyAndItsFlows()
    {
        QCOMPARE(field("edCapacity")->text(), QStringLiteral("200.00"));
        QCOMPARE(field("edInletTempHSide")->text(), QStringLiteral("120.00"));
        QCOMPARE(child<QComboBox>("cbLiquidHSide")->currentText(), QStringLiteral("Water"));
        QCOMPARE(child<QComboBox>("cbVaporHSide")->currentText(), QStringLiteral("Saturated steam"));
        QVERIFY(child<QRadioButton>("rbSTCTubesHS")->isChecked());
        QVERIFY(child<QRadioButton>("rbSTCShellCS")->isChecked());
        QCOMPARE(child<QTabWidget>("pcHotSide")->tabText(1), QStringLiteral("Vapor Condenser"));
        QCOMPARE(child<QTabWidget>("pcColdSide")->count(), 1);
        for (const char* button : {"btnLiquidHS", "btnLiquidCS", "btnVaporHS"})
            QVERIFY(!child<QPushButton>(button)->isEnabled());
        // 200 kW over water 120 -> 75 deg.C with cp 4.19.
        QVERIFY(qAbs(double(field("edMassFlowHSide")->ISOValue()) - 200 / (4.19 * 45)) < 1e-9);
        // The tree: families, type nodes and the sizes of the type files.
        QVERIFY(treeItem(QStringLiteral("Shell & Coil")));
        QCOMPARE(treeItem(QStringLiteral("T 10"))->parent()->text(0), QStringLiteral("T"));
        QVERIFY(selected().isEmpty());
    }

    void typingAHeatLoadRecomputesBothSides()
    {
        type("edCapacity", QStringLiteral("150"));
        QCOMPARE(field("edCapacity")->ISOValue(), 150.0L);
        QVERIFY(qAbs(double(field("edMassFlowHSide")->ISOValue()) - 150 / (4.19 * 45)) < 1e-9);
        QVERIFY(qAbs(double(field("edMassFlowCSide")->ISOValue()) - 150 / (4.19 * 20)) < 1e-9);
        QVERIFY(qAbs(double(field("edInletVolFlowCSide")->ISOValue()) - 150 / (4.19 * 20) / 977.8) < 1e-12);
        QCOMPARE(field("edMassFlowCSide")->text(), QStringLiteral("1.789976")); // six flow decimals
        QVERIFY(m_panel->balance().driver(Driver::HeatLoad));
    }

    void unitBoxRedisplaysAndRecomputesNothing()
    {
        type("edCapacity", QStringLiteral("150"));
        const long double m = field("edMassFlowHSide")->ISOValue();
        child<QComboBox>("cbInletTempHSide")->setCurrentIndex(1); // deg.F
        QCOMPARE(field("edInletTempHSide")->text(), QStringLiteral("248.00"));
        QCOMPARE(field("edInletTempHSide")->ISOValue(), 120.0L);
        QCOMPARE(field("edMassFlowHSide")->ISOValue(), m);
        QVERIFY(!m_panel->balance().driver(Driver::HeatLoad));
        QVERIFY(!m_panel->balance().UnitChangeActive());
    }

    void condenserInletPressureMovesTheTemperatureToSaturation()
    {
        child<QTabWidget>("pcHotSide")->setCurrentIndex(1);
        QCOMPARE(m_panel->balance().hotSide(), HotSideKind::Condensing);
        type("edOutletTempHSideVC", QStringLiteral("90"));
        type("edInletPressHSideVC", QStringLiteral("101.325"));
        QVERIFY(qAbs(double(field("edInletTempHSideVC")->ISOValue()) - 100) < 1e-9);
        QCOMPARE(field("edInletTempHSideVC")->text(), QStringLiteral("100.00"));
        // The flows follow the heat load: 200 / (4.2 * 10 + 2257).
        QVERIFY(qAbs(double(field("edMassFlowHSideVC")->ISOValue()) - 200 / 2299.0) < 1e-9);
    }

    void tickingFollowsTheArrangementRules()
    {
        child<QTabWidget>("pcHotSide")->setCurrentIndex(1);
        type("edOutletTempHSideVC", QStringLiteral("90"));
        type("edInletTempHSideVC", QStringLiteral("100"));
        // Condensing in the tubes: the type T takes no condensing duty, TW does.
        tick(QStringLiteral("T 10"));
        QCOMPARE(treeItem(QStringLiteral("T 10"))->checkState(0), Qt::Unchecked);
        tick(QStringLiteral("TW 10"));
        QCOMPARE(selected(), QStringList{QStringLiteral("TW 10")});
        // The vapor moves to the shell: only the horizontal condenser arrangement is left.
        child<QRadioButton>("rbSTCShellHS")->click();
        QVERIFY(child<QRadioButton>("rbSTCTubesCS")->isChecked());
        QCOMPARE(m_store->value("Settings\\Device", "Defaults", "HotSide"),
                 std::optional<std::string>("Shell"));
        QVERIFY(selected().isEmpty());
        QCOMPARE(treeItem(QStringLiteral("TW 10"))->checkState(0), Qt::Unchecked);
        tick(QStringLiteral("TW 10"));
        QVERIFY(selected().isEmpty());
        // A type node ticks its sizes; each one is judged on its own.
        child<QRadioButton>("rbSTCTubesHS")->click();
        tick(QStringLiteral("Shell & Coil"));
        QCOMPARE(selected(), (QStringList{QStringLiteral("ND 10"), QStringLiteral("TW 10")}));
    }

    void raisingTheHotInletAboveALimitUnticks()
    {
        type("edInletTempHSide", QStringLiteral("110"));
        tick(QStringLiteral("T 10"));
        tick(QStringLiteral("ND 10"));
        QCOMPARE(selected(), (QStringList{QStringLiteral("T 10"), QStringLiteral("ND 10")}));
        type("edInletTempHSide", QStringLiteral("140"));
        QVERIFY(selected().isEmpty());
        QCOMPARE(treeItem(QStringLiteral("T 10"))->checkState(0), Qt::Unchecked);
        // A loaded selection replaces the list and the ticks as a whole.
        m_panel->setSelectedSizes({"ND 10", "GT 5"});
        QCOMPARE(selected(), (QStringList{QStringLiteral("ND 10"), QStringLiteral("GT 5")}));
        QCOMPARE(treeItem(QStringLiteral("ND 10"))->checkState(0), Qt::Checked);
        m_panel->setSelectedSizes({});
        QCOMPARE(treeItem(QStringLiteral("ND 10"))->checkState(0), Qt::Unchecked);
        // A successful tick clears the red marks of a refused calculation.
        m_panel->markTreeRed();
        type("edInletTempHSide", QStringLiteral("100"));
        tick(QStringLiteral("T 10"));
        QCOMPARE(treeItem(QStringLiteral("T 10"))->foreground(0).color() == QColor(255, 0, 0), false);
        QVERIFY(!m_panel->selection().captionRed());
    }

    void redMarksAndNewProject()
    {
        auto isRed = [](QWidget* w) { return w->palette().color(QPalette::Text) == QColor(255, 0, 0); };
        m_panel->markRed(CheckMark::HotInlet);
        m_panel->markRed(CheckMark::ColdOutlet);
        QVERIFY(isRed(field("edInletTempHSide")));
        QVERIFY(isRed(child<QLabel>("lblInletTempHSide")));
        type("edInletTempHSide", QStringLiteral("110")); // an edit of the field turns it black
        QVERIFY(!isRed(field("edInletTempHSide")));
        QVERIFY(!isRed(child<QLabel>("lblInletTempHSide")));
        QVERIFY(isRed(field("edOutletTempCSide")));
        m_panel->markRed(CheckMark::None);
        QVERIFY(!isRed(field("edOutletTempCSide")));

        m_panel->clearDuty();
        QCOMPARE(field("edCapacity")->text(), QStringLiteral("0.00"));
        QCOMPARE(m_panel->balance().value(DutyField::InletTempHSide), 0.0L);
        QCOMPARE(m_panel->balance().value(DutyField::NoUnitsSeries), 1.0L);
        for (int d = 0; d < kDriverCount; ++d)
            QVERIFY(!m_panel->balance().driver(static_cast<Driver>(d)));
    }

    void translatedFromDataFile()
    {
        std::vector<TListNames::Entry> entries(60);
        entries[2] = {"Shell & Coil", "Wezownice"};
        entries[12] = {"", "Ciecz"};
        entries[13] = {"", "Skraplacz"};
        entries[14] = {"", "Strona gorąca"};
        entries[19] = {"", "Temperatura"};
        entries[43] = {"", "Temp. kondensatu"};
        entries[55] = {"", "Temperatura wlotowa"};
        m_panel->translate(TListNames(entries));
        m_panel->translateTree(TListNames(), TListNames(entries));
        QCOMPARE(child<QTabWidget>("pcHotSide")->tabText(0), QStringLiteral("Ciecz"));
        QCOMPARE(child<QTabWidget>("pcHotSide")->tabText(1), QStringLiteral("Skraplacz"));
        QCOMPARE(child<QPushButton>("btnLiquidCS")->text(), QStringLiteral("Ciecz"));
        QCOMPARE(child<QGroupBox>("gbSTCHotSide")->title(), QStringLiteral("Strona gorąca"));
        QCOMPARE(child<QLabel>("lblOutletTempHSideVC")->text(), QStringLiteral("Temp. kondensatu"));
        QCOMPARE(child<QLabel>("lblInletTempCSide")->text(), QStringLiteral("Temperatura"));
        QCOMPARE(field("edInletTempHSideVC")->toolTip(), QStringLiteral("Temperatura wlotowa"));
        QVERIFY(treeItem(QStringLiteral("Wezownice")));
        // An empty entry is a caption too; entries beyond the file keep the built-in texts.
        QCOMPARE(child<QLabel>("lblSelectedHeatExchangers")->text(), QStringLiteral(""));
        QCOMPARE(child<QRadioButton>("rbSTCTubesHS")->text(), QStringLiteral("in Tubes/Coil"));
        // Family captions change, the size rules work on as before.
        tick(QStringLiteral("T 10"));
        QCOMPARE(selected(), QStringList{QStringLiteral("T 10")});
        // A file long enough translates the series count's caption as well.
        std::vector<TListNames::Entry> full(91);
        full[89] = {"lblNoUnitsSeries", "Liczba jednostek szeregowo"};
        m_panel->translate(TListNames(full));
        QCOMPARE(child<QLabel>("lblNoUnitsSeries")->text(), QStringLiteral("Liczba jednostek szeregowo"));
    }

    void choosingAFluidIsStoredAndRebalances()
    {
        auto* box = child<QComboBox>("cbLiquidCSide");
        const int condensate = box->findText(QStringLiteral("Condensate"));
        QVERIFY(condensate >= 0);
        box->setCurrentIndex(condensate);
        emit box->activated(condensate);
        QCOMPARE(m_store->value("Units\\Fluids", "Defaults", "LiquidCS"),
                 std::optional<std::string>("Condensate"));
        QVERIFY(qAbs(double(field("edMassFlowCSide")->ISOValue()) - 200 / (4.2 * 20)) < 1e-9);
    }

    void lastDutyIsStoredAtShutDown()
    {
        type("edCapacity", QStringLiteral("321"));
        child<QTabWidget>("pcHotSide")->setCurrentIndex(1);
        child<QRadioButton>("rbSTCTubesCS")->click();
        m_panel->shutDown();
        QCOMPARE(m_store->value("Data", "Defaults", "Capacity"), std::optional<std::string>("321"));
        QCOMPARE(m_store->value("Data", "Defaults", "ActivePageHS"), std::optional<std::string>("1"));
        m_panel.reset();
        startPage();
        QCOMPARE(child<QTabWidget>("pcHotSide")->currentIndex(), 1);
        QVERIFY(child<QRadioButton>("rbSTCShellHS")->isChecked());
        QCOMPARE(field("edCapacity")->ISOValue(), 321.0L);
    }

    void screenshots()
    {
        const QByteArray folder = qgetenv("VELOR_PARAM_SHOTS");
        if (folder.isEmpty())
            QSKIP("set VELOR_PARAM_SHOTS to a folder to save pictures of the page");
        tick(QStringLiteral("T 10"));
        QApplication::processEvents();
        m_panel->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/param-liquid.png"));
        child<QTabWidget>("pcHotSide")->setCurrentIndex(1);
        QApplication::processEvents();
        m_panel->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/param-condenser.png"));
    }
};

QTEST_MAIN(ParamPageTest)
#include "param_test.moc"
