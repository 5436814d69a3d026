// The Calculations page over the shipped catalogue and fluids: the Calculate command with its
// check, red marks and no-result message, the result list and its sorts, the Rating page of a
// liquid and a condensing duty, the velocity warnings, More Results, the Fluid Reference, and
// the agreement of the page's results with "velor-cli rate --json".
#include "app/calcdisplay.h"
#include "app/guitext.h"
#include "app/heatbalance.h"
#include "app/mainwindow.h"
#include "app/pages.h"
#include "app/unitboxes.h"
#include "base/numtext.h"
#include "calculations/calculatecommand.h"
#include "calculations/calculationspanel.h"
#include "calculations/calculationswiring.h"
#include "calculations/fluidreference.h"
#include "calculations/moreresults.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"
#include "fluids/properties.h"
#include "guitestsupport.h"
#include "parameters/parameterspanel.h"
#include "units/extendededit.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace velor;
using namespace velor::testing;
namespace fs = std::filesystem;

namespace {

// The size names of some types, in file order.
std::vector<std::string> sizesOf(const ProgramFolder& folder, std::initializer_list<std::string_view> codes)
{
    const TypeLists names = ReadTypeNames(folder);
    const auto types = exchangerTypes();
    std::vector<std::string> out;
    for (std::string_view code : codes)
        for (std::size_t i = 0; i < types.size(); ++i)
            if (types[i].code == code)
                out.insert(out.end(), names[i].begin(), names[i].end());
    return out;
}

// A value as the command line prints it (17 significant digits) and a JSON reader reads it back.
double asPrinted(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Lg", value);
    return std::strtod(buffer, nullptr);
}

QStringList listLines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The page, the command and the duty behind them, over one program folder.
struct Rig
{
    explicit Rig(const fs::path& root)
        : folder(root), settings(store, folder), files(folder.fluids()), selection(ReadWorkingLimits(folder)),
          balance(files, settings, &selection), units(PresetScreen::Results, SettingsGroupId::UnitsOutput),
          panel(settings, folder, &units)
    {
        selection.BuildTypeTree(folder);
        balance.RestoreFluids();
        balance.RestoreDuty();
        panel.setBalance(&balance);
        panel.ask = [this](const MessageSpec& spec) {
            messages.push_back(spec);
            return answer;
        };
        panel.unitPreset = [this] { return preset; };
        panel.setReportCommandsEnabled = [this](bool on) { reportCommands = on; };
        units.restore(settings);
        units.applyDecimals(settings);
        command = std::make_unique<CalculateCommand>(settings, folder, balance, selection, panel, &panel);
        command->ask = panel.ask;
        command->automaticCalculate = [this] { return automatic; };
        command->markRed = [this](CheckMark m) { marks.push_back(m); };
        command->showParametersPage = [this] { pages << QStringLiteral("Parameters"); };
        command->showCalculationsPage = [this] { pages << QStringLiteral("Calculations"); };
        panel.resize(1000, 640);
    }

    void setValue(DutyField f, long double v)
    {
        balance.setValue(f, v);
        balance.FieldChanged(f);
    }

    template<typename T>
    T* child(const char* name)
    {
        return panel.findChild<T*>(QLatin1String(name));
    }
    QString text(const char* field) { return child<QLineEdit>(field)->text(); }

    ProgramFolder folder;
    MemorySettingsStore store;
    Settings settings;
    FluidFiles files;
    SizeSelection selection;
    HeatBalance balance;
    UnitBoxSet units;
    CalculationsPanel panel;
    std::unique_ptr<CalculateCommand> command;

    std::vector<MessageSpec> messages;
    std::vector<CheckMark> marks;
    QStringList pages;
    int answer = 0;
    int preset = kPresetKorvanex;
    bool automatic = true;
    bool reportCommands = false;
};

} // namespace

class CalcTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<Rig> m_rig;

    Rig& rig() { return *m_rig; }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        if (!copyShipped(m_folder->path()))
            QSKIP("the shipped catalogue, fluids and languages are not built");
        m_rig = std::make_unique<Rig>(m_folder->path());
    }
    void cleanup()
    {
        m_rig.reset();
        m_folder.reset();
    }

    void defaultDutyCalculatesAndListsSizes()
    {
        Rig& r = rig();
        r.selection.setSelected(sizesOf(r.folder, {"M", "PG40", "PH90", "RUV"}));
        r.command->CheckAndRun();
        QCOMPARE(r.command->runCount(), 1);
        QVERIFY(r.marks == std::vector<CheckMark>{CheckMark::None});
        QVERIFY2(r.panel.hasResults(), "the default duty fits no selected size");
        QCOMPARE(r.pages, QStringList{QStringLiteral("Calculations")});
        QVERIFY(r.reportCommands);

        // One line per result in rating order, line 0 selected and shown.
        auto* list = r.child<QListWidget>("ListBox2");
        QStringList names;
        for (const TResultTypeB& res : r.panel.results())
            names << qs(res.SizeName);
        QCOMPARE(listLines(list), names);
        QCOMPARE(list->currentRow(), 0);
        const TResultTypeB& first = r.panel.results().front();
        QCOMPARE(r.text("edHeatTranAreaCalc"), qs(formatFixed(first.Area, 1)));
        QCOMPARE(r.text("edCapacityCalc"), QStringLiteral("200.00"));
        QCOMPARE(r.text("edLiquidHSideCalc"), QStringLiteral("Water"));
        QVERIFY(r.child<QLineEdit>("edPressDropHSideCalc")->isVisibleTo(&r.panel));
        QVERIFY(r.panel.vaporNote().isEmpty());
        QCOMPARE(r.panel.currentSizeName(), first.SizeName);
        QCOMPARE(r.panel.selectionContext(), std::string("Calculations"));
        // The duty was stored after the run.
        QVERIFY(r.settings.group(SettingsGroupId::Data).contains("Capacity"));

        // The group captions say where each side flows for a shell-and-tube size.
        const auto tubular = std::find_if(r.panel.results().begin(), r.panel.results().end(),
                                          [](const TResultTypeB& x) { return x.Tubular == 1; });
        if (tubular != r.panel.results().end()) {
            list->setCurrentRow(static_cast<int>(tubular - r.panel.results().begin()));
            QCOMPARE(r.child<QGroupBox>("gbHotSideCalc")->title(),
                     QStringLiteral("Hot Side - in Tubes/Coil"));
            QCOMPARE(r.child<QGroupBox>("gbColdSideCalc")->title(), QStringLiteral("Cold Side - in Shell"));
        }
    }

    void sortsAndArrowKeepTiesAndSelection()
    {
        Rig& r = rig();
        r.selection.setSelected(sizesOf(r.folder, {"M", "PG40", "PH90", "RUV"}));
        r.command->CheckAndRun();
        const auto& results = r.panel.results();
        QVERIFY(results.size() >= 3);
        auto* list = r.child<QListWidget>("ListBox2");
        auto* arrow = r.child<QToolButton>("tbSortArrow");
        QVERIFY(!arrow->isEnabled());
        auto position = [&](const QString& name) {
            for (std::size_t i = 0; i < results.size(); ++i)
                if (qs(results[i].SizeName) == name)
                    return i;
            return results.size();
        };
        // Each value sort: descending, then the arrow gives ascending; equal keys keep rating order.
        const struct
        {
            const char* action;
            long double TResultTypeB::*key;
        } sorts[] = {{"Sortbyoversize1", &TResultTypeB::Oversize},
                     {"SortbyHTA1", &TResultTypeB::Area},
                     {"SortbyOHTCclean1", &TResultTypeB::OHTCClean},
                     {"SortbyOHTCfouling1", &TResultTypeB::OHTCFouled}};
        auto checkOrder = [&](long double TResultTypeB::*key, bool ascending, const char* what) {
            const QStringList lines = listLines(list);
            QCOMPARE(lines.size(), static_cast<qsizetype>(results.size()));
            for (int i = 1; i < lines.size(); ++i) {
                const std::size_t pa = position(lines[i - 1]);
                const std::size_t pb = position(lines[i]);
                const long double a = results[pa].*key;
                const long double b = results[pb].*key;
                if (a == b)
                    QVERIFY2(pa < pb, what); // ties keep rating order in both directions
                else
                    QVERIFY2(ascending ? a < b : a > b, what);
            }
        };
        for (const auto& sort : sorts) {
            r.child<QAction>(sort.action)->trigger();
            QVERIFY(arrow->isEnabled());
            QVERIFY(r.child<QAction>(sort.action)->isChecked());
            checkOrder(sort.key, arrow->arrowType() == Qt::UpArrow, sort.action);
            arrow->click();
            checkOrder(sort.key, arrow->arrowType() == Qt::UpArrow, sort.action);
        }
        // "Sort by Type" restores rating order and keeps the selected size selected.
        list->setCurrentRow(1);
        const QString chosen = list->currentItem()->text();
        r.child<QAction>("Sortbytype1")->trigger();
        QStringList rating;
        for (const TResultTypeB& res : results)
            rating << qs(res.SizeName);
        QCOMPARE(listLines(list), rating);
        QCOMPARE(list->currentItem()->text(), chosen);
        QVERIFY(!arrow->isEnabled());
        QCOMPARE(r.child<QLabel>("lblTypeSortedList")->text(), QStringLiteral("Sorted by type"));
        // A fresh list shows "Sort by Type" checked when the menu opens.
        r.child<QAction>("SortbyHTA1")->trigger();
        r.panel.ResetSort();
        r.panel.PopupMenu1Popup();
        QVERIFY(r.child<QAction>("Sortbytype1")->isChecked());
        QVERIFY(!r.child<QAction>("SortbyHTA1")->isChecked());
    }

    void inconsistentDutyMarksOneGroupAndShowsParameters_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("mark");
        QTest::newRow("cold outlet above hot inlet")
            << int(DutyField::OutletTempCSide) << 130.0 << int(CheckMark::ColdOutlet);
        QTest::newRow("cold inlet above hot outlet")
            << int(DutyField::InletTempCSide) << 80.0 << int(CheckMark::ColdInlet);
        QTest::newRow("hot outlet above hot inlet")
            << int(DutyField::OutletTempHSide) << 125.0 << int(CheckMark::HotOutlet);
        QTest::newRow("no size selected") << -1 << 0.0 << int(CheckMark::Selection);
    }
    void inconsistentDutyMarksOneGroupAndShowsParameters()
    {
        QFETCH(int, field);
        QFETCH(double, value);
        QFETCH(int, mark);
        Rig& r = rig();
        if (field >= 0) {
            r.selection.setSelected(sizesOf(r.folder, {"PG40"}));
            r.balance.setValue(static_cast<DutyField>(field), value);
        }
        r.command->CheckAndRun();
        QCOMPARE(r.command->runCount(), 0);
        QVERIFY(r.marks == std::vector<CheckMark>{static_cast<CheckMark>(mark)});
        QCOMPARE(r.pages, QStringList{QStringLiteral("Parameters")});
        QCOMPARE(r.messages.size(), std::size_t(1));
        QCOMPARE(r.messages[0].title, QStringLiteral("Warning"));
        QVERIFY(r.messages[0].texts.at(0).startsWith(QStringLiteral("The input data are incomplete")));
    }

    void checkMarksReachTheParametersPage()
    {
        Rig& r = rig();
        UnitBoxSet inputs(PresetScreen::Inputs, SettingsGroupId::UnitsInput);
        ParametersPanel page(r.settings, r.folder, &inputs);
        inputs.restore(r.settings);
        page.startUp();
        auto red = [&](DutyField f) {
            const auto* edit = page.field(f);
            return edit->palette().color(QPalette::Text) == QColor(255, 0, 0);
        };
        const struct
        {
            CheckMark mark;
            HotSideKind side;
            DutyField field;
        } rows[] = {
            {CheckMark::ColdOutlet, HotSideKind::Liquid, DutyField::OutletTempCSide},
            {CheckMark::ColdInlet, HotSideKind::Liquid, DutyField::InletTempCSide},
            {CheckMark::HotOutlet, HotSideKind::Liquid, DutyField::OutletTempHSide},
            {CheckMark::HotInlet, HotSideKind::Liquid, DutyField::InletTempHSide},
            {CheckMark::HotOutlet, HotSideKind::Condensing, DutyField::OutletTempHSideVC},
            {CheckMark::HotInlet, HotSideKind::Condensing, DutyField::InletTempHSideVC},
        };
        for (const auto& row : rows) {
            page.balance().SwitchHotSide(row.side);
            markDutyCheck(page, row.mark);
            QVERIFY(red(row.field));
            int marked = 0;
            for (const DutyFieldInfo& info : dutyFields())
                marked += red(info.field) ? 1 : 0;
            QCOMPARE(marked, 1); // exactly one group
            markDutyCheck(page, CheckMark::None);
            QVERIFY(!red(row.field));
        }
        markDutyCheck(page, CheckMark::Selection);
        QVERIFY(page.selection().captionRed());
        markDutyCheck(page, CheckMark::None);
        QVERIFY(!page.selection().captionRed());
    }

    void pageTranslatesAndReturnsToEnglish()
    {
        Rig& r = rig();
        r.settings.group(SettingsGroupId::Language).WriteString(kDefaultsSection, "Language", "Polish");
        const TListNames polish = LoadLanguageFile(r.settings, "Data.dat");
        QVERIFY(!polish.empty());
        r.panel.translate(polish);
        QCOMPARE(r.child<QPushButton>("btnFluids")->text(), qs(*polish.text(34)));
        QCOMPARE(r.child<QAction>("SortbyHTA1")->text(), qs(*polish.text(80)));
        QCOMPARE(r.child<QLabel>("lblOutletTempCSideCalc")->text(), qs(*polish.text(19)));
        r.panel.translate(TListNames());
        QCOMPARE(r.child<QPushButton>("btnFluids")->text(), QStringLiteral("F&luid Reference"));
        QCOMPARE(r.child<QAction>("SortbyHTA1")->text(), QStringLiteral("Sort by Heat Transfer Area"));
    }

    void calculateFromTheMenuAndTheSelectedList()
    {
        // A frame like the main window's: Parameters and Calculations pages, the commands.
        Rig& r = rig();
        QTabWidget pages;
        auto* project = new QWidget;
        auto* params = new ParametersPage;
        auto* calc = new CalculationsPage;
        pages.addTab(project, QStringLiteral("Project"));
        pages.addTab(params, QStringLiteral("Parameters"));
        pages.addTab(calc, QStringLiteral("Calculations"));
        pages.setTabVisible(2, false);
        auto* page = new ParametersPanel(r.settings, r.folder, params->units(), params);
        params->contentLayout()->addWidget(page);
        params->units()->restore(r.settings);
        page->startUp();
        QComboBox preset;
        for (std::string_view name : kUnitPresetNames)
            preset.addItem(qs(name));
        QAction calculate, button, automatic, preview, print;
        automatic.setCheckable(true);
        automatic.setChecked(true);
        CalculationsWiring wiring;
        wiring.settings = &r.settings;
        wiring.pages = &pages;
        wiring.calculationsPage = calc;
        wiring.parametersPanel = page;
        wiring.unitsStandard = &preset;
        wiring.calculate = &calculate;
        wiring.calculateButton = &button;
        wiring.automaticCalculate = &automatic;
        wiring.reportCommands = {&preview, &print};
        wiring.showParametersPage = [&pages] { pages.setCurrentIndex(1); };
        const CalculationsParts parts = wireCalculations(wiring);
        parts.command->ask = [](const MessageSpec&) { return 0; };
        parts.panel->ask = parts.command->ask;
        QVERIFY(calculate.isEnabled());

        // Nothing selected: the check sends the user to the Parameters page.
        calculate.trigger();
        QCOMPARE(pages.currentIndex(), 1);
        QVERIFY(page->selection().captionRed());

        page->selection().setSelected(sizesOf(r.folder, {"PG40"}));
        button.trigger();
        QVERIFY(parts.panel->hasResults());
        QVERIFY(calc->hasResults());
        QVERIFY(pages.isTabVisible(2));
        QCOMPARE(pages.currentIndex(), 2);
        QVERIFY(preview.isEnabled() && print.isEnabled());
        QVERIFY(!page->selection().captionRed());

        // A double-click on a selected size shows it alone, unrated.
        auto* selected = page->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        pages.setCurrentIndex(1);
        selected->clear(); // the page lists the ticked sizes; one line is enough here
        selected->addItem(QStringLiteral("PG40-40"));
        emit selected->itemDoubleClicked(selected->item(0));
        QCOMPARE(pages.currentIndex(), 2);
        QCOMPARE(parts.panel->results().size(), std::size_t(1));
        QCOMPARE(parts.panel->results()[0].SizeName, std::string("PG40-40"));
    }

    void calculateInTheMainWindow()
    {
        MemorySettingsStore store;
        Settings settings(store, ProgramFolder(m_folder->path()));
        StartOptions options;
        options.showSplash = false;
        MainWindow window(settings, options);
        window.calculationsPanel()->ask = [](const MessageSpec&) { return 0; }; // velocity warnings
        window.show();
        window.parametersPanel()->selection().setSelected(
            sizesOf(ProgramFolder(m_folder->path()), {"PG40", "M"}));
        window.findChild<QAction*>(QStringLiteral("Calculate1"))->trigger();
        QVERIFY(window.calculationsPanel()->hasResults());
        QCOMPARE(window.pageControl()->currentIndex(), 2);
        QVERIFY(window.findChild<QAction*>(QStringLiteral("tbGotoCalc"))->isChecked());
        QVERIFY(window.findChild<QAction*>(QStringLiteral("Preview1"))->isEnabled());
        shoot(window, "main-window-calculations");
        // New empties the result list; Go to calculations then calculates again.
        window.calculationsPanel()->clearResults();
        QVERIFY(!window.calculationsPage()->hasResults());
        window.findChild<QAction*>(QStringLiteral("tbGotoCalc"))->trigger();
        QVERIFY(window.calculationsPanel()->hasResults());
    }

    void askBeforeCalculateRunsOnlyOnTheFirstButton()
    {
        Rig& r = rig();
        r.selection.setSelected(sizesOf(r.folder, {"PG40"}));
        r.automatic = false;
        r.answer = 1; // Cancel
        r.command->CheckAndRun();
        QCOMPARE(r.command->runCount(), 0);
        QCOMPARE(r.messages.at(0).texts, QStringList{QStringLiteral("Start the calculation?")});
        r.answer = 0;
        r.command->CheckAndRun();
        QCOMPARE(r.command->runCount(), 1);
    }

    void noFittingSizeShowsTheNoResultMessage()
    {
        Rig& r = rig();
        r.selection.setSelected(sizesOf(r.folder, {"PG40"}));
        r.command->CheckAndRun();
        QVERIFY(r.panel.hasResults());
        r.messages.clear();
        r.pages.clear();
        // GT is never rated for a liquid hot side: the old results go too.
        r.selection.setSelected(sizesOf(r.folder, {"GT"}));
        r.panel.showVaporNote(QStringLiteral("kept"));
        r.command->CheckAndRun();
        QVERIFY(!r.panel.hasResults());
        QCOMPARE(r.pages, QStringList{QStringLiteral("Parameters")});
        QCOMPARE(r.messages.size(), std::size_t(1));
        QCOMPARE(r.messages[0].title, QStringLiteral("No Result"));
        QCOMPARE(r.messages[0].texts.size(), 3); // with the line of the default contact, Poland
        QVERIFY(r.messages[0].texts[2].contains(QStringLiteral("Poland")));
        QCOMPARE(r.panel.vaporNote(), QStringLiteral("kept"));
        QVERIFY(r.reportCommands); // Preview and Print keep their state
    }

    void condensingDutyShowsNoteAndHidesHotPressureDrop()
    {
        Rig& r = rig();
        r.balance.SwitchHotSide(HotSideKind::Condensing);
        r.setValue(DutyField::InletTempHSideVC, 150); // the saturation pressure follows
        r.selection.setSelected(sizesOf(r.folder, {"T", "TD", "RUV", "GT"}));
        r.command->CheckAndRun();
        QVERIFY2(r.panel.hasResults(), "the condensing duty fits no selected size");
        QVERIFY(!r.panel.vaporConnection().empty());
        QCOMPARE(r.panel.vaporNote(), QStringLiteral("Recommended vapor inlet connection: ") +
                                          qs(r.panel.vaporConnection()) + QLatin1Char('.'));
        QVERIFY(!r.child<QLineEdit>("edPressDropHSideCalc")->isVisibleTo(&r.panel));
        QVERIFY(!r.child<QComboBox>("cbPressDropHSideCalc")->isVisibleTo(&r.panel));
        QCOMPARE(r.child<QLabel>("lblOutletTempHSideCalc")->text(), QStringLiteral("Condensate Temp."));
        QCOMPARE(r.text("edLiquidHSideCalc"), qs(r.balance.vapor()));
        QVERIFY(!r.panel.pageChangeAllowed());
        // The unrated display of a size is for a liquid hot side only.
        const auto before = r.panel.results().size();
        r.panel.showUnrated("PG40-40");
        QCOMPARE(r.panel.results().size(), before);
        shoot(r.panel, "calculations-condensing");
    }

    void velocityWarningsFollowTheirLimitsAndUnits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("internalHot");
        QTest::addColumn<double>("inletHot");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QStringList>("expected");
        const QString internal = QStringLiteral("The internal velocity exceeds the recommended limit. ");
        const QString hotInlet = QStringLiteral("Velocity in the hot-side inlet connection exceeds ");
        QTest::newRow("2.1 m/s inside a plate")
            << "PF10.dat" << 2.1 << 0.0 << kPresetKorvanex << QStringList{internal};
        QTest::newRow("2.1 m/s in a GV coil") << "GV.dat" << 2.1 << 0.0 << kPresetKorvanex << QStringList{};
        QTest::newRow("inlet exactly 5.5") << "M.dat" << 0.0 << 5.5 << kPresetKorvanex << QStringList{};
        QTest::newRow("inlet 5.51") << "M.dat" << 0.0 << 5.51 << kPresetKorvanex
                                    << QStringList{hotInlet + QStringLiteral("5.5 m/s")};
        QTest::newRow("inlet 5.51 under US")
            << "M.dat" << 0.0 << 5.51 << kPresetUs
            << QStringList{hotInlet + qs(formatFixed(5.5L * 3600 / 0.3048L, 1)) + QStringLiteral(" ft/h")};
    }
    void velocityWarningsFollowTheirLimitsAndUnits()
    {
        QFETCH(QString, type);
        QFETCH(double, internalHot);
        QFETCH(double, inletHot);
        QFETCH(int, preset);
        QFETCH(QStringList, expected);
        Rig& r = rig();
        TResultTypeB result;
        result.SizeName = "X 1";
        result.TypeFile = us(type);
        result.VelTubeSpHS = internalHot;
        result.InVelConHS = inletHot;
        r.preset = preset;
        r.panel.setResults({result});
        r.panel.selectLine(0);
        r.panel.ListBox2Click();
        QStringList seen;
        for (const MessageSpec& m : r.messages) {
            QCOMPARE(m.title, QStringLiteral("Warning"));
            QCOMPARE(m.kind, MessageKind::Warning);
            seen << m.texts;
        }
        QCOMPARE(seen, expected);
    }

    void unitBoxesConvertAndPresetsReapply()
    {
        Rig& r = rig();
        TResultTypeB result;
        result.SizeName = "X 1";
        result.TypeFile = "PF10.dat";
        result.LMTD = 10;
        r.panel.setResults({result});
        r.panel.selectLine(0);
        r.panel.ListBox2Click();
        QCOMPARE(r.text("edLMTDCalc"), QStringLiteral("10.00"));
        int stored = -1;
        connect(&r.units, &UnitBoxSet::unitChangedByUser, this, [&](int box) {
            r.units.storeBox(r.settings, box);
            stored = box;
        });
        r.child<QComboBox>("cbLMTDCalc")->setCurrentIndex(1); // deg.F
        QCOMPARE(r.text("edLMTDCalc"), QStringLiteral("18.00"));
        QVERIFY(stored >= 0);
        QCOMPARE(r.settings.group(SettingsGroupId::UnitsOutput).ReadInteger(kDefaultsSection, "CalcLMTD", -1),
                 1);
        // With "Other" the chosen unit stays; with a preset the preset's units come back.
        r.preset = kPresetOther;
        r.panel.ListBox2Click();
        QCOMPARE(r.text("edLMTDCalc"), QStringLiteral("18.00"));
        r.preset = kPresetKorvanex;
        r.panel.ListBox2Click();
        QCOMPARE(r.text("edLMTDCalc"), QStringLiteral("10.00"));
    }

    void moreResultsUnderUsAndCondensingRows()
    {
        Rig& r = rig();
        TResultTypeB result;
        result.InVelConHS = 1;
        result.AlphaCS = 1000;
        result.ReynoldsHS = 12345.4L;
        result.NTUHS = 3;
        SettingsGroup& out = r.settings.group(SettingsGroupId::UnitsOutput);
        {
            TOtherResults first(r.settings, nullptr); // first use: KORVANEX, m/s, W/m2K
            first.Fill(true, result);
            QCOMPARE(first.findChild<QLineEdit*>(QStringLiteral("edInVelConHS"))->text(),
                     QStringLiteral("1.00"));
            QCOMPARE(first.findChild<QComboBox*>(QStringLiteral("cbAlphaTubeSpCS"))->currentText(),
                     QStringLiteral("W/m2K"));
        }
        out.WriteInteger(kDefaultsSection, "UnitsStandardOR", kPresetUs);
        TOtherResults dialog(r.settings, nullptr);
        dialog.Fill(true, result);
        auto field = [&](const char* name) {
            return dialog.findChild<QLineEdit*>(QLatin1String(name))->text();
        };
        QCOMPARE(field("edInVelConHS"), qs(formatFixed(3600 / 0.3048L, 2)));
        QCOMPARE(field("edAlphaTubeSpCS"), qs(formatFixed(1000 / 5.67826L, 2)));
        QCOMPARE(field("edReynTubeSpHS"), QStringLiteral("12345"));
        QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("edNTUHS"))->isVisibleTo(&dialog));
        shoot(dialog, "more-results");
        dialog.btnOKClick();
        for (const char* key :
             {"InVelConHS", "OutVelConHS", "VelTubeSpHS", "InVelConCS", "OutVelConCS", "VelTubeSpCS"})
            QCOMPARE(out.ReadInteger(kDefaultsSection, key, -1), 1);
        QCOMPARE(out.ReadInteger(kDefaultsSection, "AlphaTubeSpHS", -1), 2);
        QCOMPARE(out.ReadInteger(kDefaultsSection, "AlphaTubeSpCS", -1), 2);
        QCOMPARE(out.ReadInteger(kDefaultsSection, "UnitsStandardOR", -1), 3);

        // One unit changed after a preset: "Other", the other fields keep their units.
        dialog.findChild<QComboBox*>(QStringLiteral("cbVelTubeSpCS"))->setCurrentIndex(0);
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cbUnitsStandard"))->currentIndex(),
                 kPresetOther);
        QCOMPARE(field("edInVelConHS"), qs(formatFixed(3600 / 0.3048L, 2)));
        QCOMPARE(out.ReadInteger(kDefaultsSection, "VelTubeSpCS", -1), 0);

        TOtherResults condensing(r.settings, nullptr);
        condensing.Fill(false, result);
        QVERIFY(!condensing.findChild<QLineEdit*>(QStringLiteral("edNTUHS"))->isVisibleTo(&condensing));
        QVERIFY(!condensing.findChild<QLineEdit*>(QStringLiteral("edNTUCS"))->isVisibleTo(&condensing));
    }

    void fluidReferenceShowsMeanTemperatureProperties()
    {
        Rig& r = rig();
        TInfoFluidsCalc dialog(r.settings, FluidFiles(r.folder.fluids()), nullptr);
        dialog.ShowFluids("Water", "Water", "Liquid", 100, 100, 80, 60, 20, 40, 2.6L, 5.1L);
        auto field = [&](const char* name) {
            return dialog.findChild<QLineEdit*>(QLatin1String(name))->text();
        };
        const FluidFiles files(r.folder.fluids());
        const auto row =
            LiquidTable(files, files.LiquidKey("Water", kLiquidsTmp), kPropLiquidsTmp, 70, 70, 1, 100);
        QVERIFY(!row.empty());
        QCOMPARE(field("edRefTempHSideF"), QStringLiteral("70.00"));
        QCOMPARE(field("edRefTempCSideF"), QStringLiteral("30.00"));
        QCOMPARE(field("edDenHSideF"), qs(formatFixed(row[0].density, 4)));
        QCOMPARE(field("edHeatCapHSideF"), qs(formatFixed(row[0].heatCapacity, 4)));
        QCOMPARE(field("edDynViscHSideF"), qs(formatFixed(row[0].viscosity, 4)));
        QCOMPARE(field("edPrandNoHS"), QStringLiteral("3"));
        QVERIFY(dialog.hasData(true));
        shoot(dialog, "fluid-reference");

        // A fluid missing from the working copy: that side says so; the other side is shown.
        TInfoFluidsCalc missing(r.settings, FluidFiles(r.folder.fluids()), nullptr);
        missing.ShowFluids("No such liquid", "Water", "Liquid", 100, 100, 80, 60, 20, 40, 0, 5.1L);
        QVERIFY(!missing.hasData(true));
        QVERIFY(missing.hasData(false));
        QVERIFY(missing.findChild<QLineEdit*>(QStringLiteral("edDenHSideF"))->text().isEmpty());
        QCOMPARE(missing.findChild<QLineEdit*>(QStringLiteral("edRefTempHSideF"))->text(),
                 QStringLiteral("70.00"));
        QVERIFY(!missing.findChild<QLineEdit*>(QStringLiteral("edDenCSideF"))->text().isEmpty());
        QVERIFY(missing.findChild<QLabel*>(QStringLiteral("lblNoDataHS"))->isVisibleTo(&missing));
        shoot(missing, "fluid-reference-no-data");

        // The stored preset "US" decides every unit, whatever single units were stored.
        r.settings.group(SettingsGroupId::UnitsOutput)
            .WriteInteger(kDefaultsSection, "UnitsStandardFC", kPresetUs);
        r.settings.group(SettingsGroupId::UnitsOutput).WriteInteger(kDefaultsSection, "FluidDensityHS", 0);
        TInfoFluidsCalc usDialog(r.settings, FluidFiles(r.folder.fluids()), nullptr);
        usDialog.ShowFluids("Water", "Water", "Liquid", 100, 100, 80, 60, 20, 40, 0, 0);
        QStringList units;
        for (const char* box : {"cbPressHSideF", "cbRefTempHSideF", "cbDenHSideF", "cbHeatCapHSideF",
                                "cbCondHSideF", "cbDynViscHSideF"})
            units << usDialog.findChild<QComboBox*>(QLatin1String(box))->currentText();
        QCOMPARE(units, (QStringList{"psig", "deg.F", "lb/ft3", "BTU/lbF", "BTU/fthF", "cP"}));
    }

    void resultsEqualTheCommandLineRating()
    {
        const QString program = QStringLiteral(VELOR_RUNTIME_DIR "/velor-cli");
        if (!QFileInfo::exists(program))
            QSKIP("velor-cli is not built");
        Rig& r = rig();
        const auto sizes = sizesOf(r.folder, {"M", "PG40", "PH90", "RUV", "E12"});
        r.selection.setSelected(sizes);
        // The command line reads doubles: give the page the same inputs exactly.
        for (int f = 0; f < kDutyFieldCount; ++f)
            r.balance.setValue(static_cast<DutyField>(f),
                               static_cast<double>(r.balance.value(static_cast<DutyField>(f))));
        const Duty d = r.balance.runDuty();
        r.command->CheckAndRun();
        QVERIFY(r.panel.hasResults());
        shoot(r.panel, "calculations-liquid");

        auto num = [](long double v) { return static_cast<double>(v); };
        QJsonObject hot{{"kind", "liquid"},          {"fluid", qs(d.hotFluid)},  {"t_in", num(d.tHotIn)},
                        {"t_out", num(d.tHotOut)},   {"p_in", num(d.pHotIn)},    {"mass_flow", num(d.mHot)},
                        {"dp_min", num(d.dpMinHot)}, {"dp_max", num(d.dpMaxHot)}};
        QJsonObject cold{{"fluid", qs(d.coldFluid)},  {"t_in", num(d.tColdIn)},
                         {"t_out", num(d.tColdOut)},  {"p_in", num(d.pColdIn)},
                         {"mass_flow", num(d.mCold)}, {"dp_min", num(d.dpMinCold)},
                         {"dp_max", num(d.dpMaxCold)}};
        QJsonArray names;
        for (const std::string& s : sizes)
            names.append(qs(s));
        const QJsonObject duty{{"hot", hot},
                               {"cold", cold},
                               {"heat_load", num(d.q)},
                               {"fouling", num(d.fouling)},
                               {"oversize_min", num(d.oversizeMin)},
                               {"series", num(d.nSeries)},
                               {"parallel", num(d.nParallel)},
                               {"hot_location", d.hotLocation == FlowLocation::Tubes ? "Tubes" : "Shell"},
                               {"sizes", names}};
        // The command line rebuilds the working copies in its own program folder.
        TempFolder cliRoot;
        QVERIFY(copyShipped(cliRoot.path()));
        const QString dutyFile = QString::fromStdString((cliRoot.path() / "duty.json").string());
        QFile file(dutyFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(duty).toJson());
        file.close();
        QProcess cli;
        cli.start(program,
                  {QStringLiteral("rate"), QStringLiteral("--duty"), dutyFile, QStringLiteral("--root"),
                   QString::fromStdString(cliRoot.path().string()), QStringLiteral("--json")});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonArray cliResults =
            QJsonDocument::fromJson(cli.readAllStandardOutput()).object()["results"].toArray();

        const auto& gui = r.panel.results();
        QCOMPARE(cliResults.size(), static_cast<qsizetype>(gui.size()));
        for (qsizetype i = 0; i < cliResults.size(); ++i) {
            const QJsonObject c = cliResults[i].toObject();
            const TResultTypeB& g = gui[static_cast<std::size_t>(i)];
            QCOMPARE(c["SizeName"].toString(), qs(g.SizeName));
            QCOMPARE(c["TypeFile"].toString(), qs(g.TypeFile));
            for (const ResultRealField& f : kResultRealFields)
                QVERIFY2(c[qs(f.name)].toDouble() == asPrinted(g.*f.member),
                         qPrintable(qs(g.SizeName) + QLatin1Char(' ') + qs(f.name)));
        }
        // The list box shows the same order.
        QStringList cliNames;
        for (const auto& v : cliResults)
            cliNames << v.toObject()["SizeName"].toString();
        QCOMPARE(listLines(r.child<QListWidget>("ListBox2")), cliNames);
    }

    void unratedDisplayOfASelectedSize()
    {
        Rig& r = rig();
        const auto names = sizesOf(r.folder, {"PG40"});
        QVERIFY(!names.empty());
        r.panel.showUnrated(names.front());
        QCOMPARE(r.panel.results().size(), std::size_t(1));
        QCOMPARE(r.panel.results()[0].TypeFile, std::string("PG40.dat"));
        QCOMPARE(r.panel.results()[0].FoulingFactor, r.balance.value(DutyField::FoulingFactor));
        QCOMPARE(listLines(r.child<QListWidget>("ListBox2")), QStringList{qs(names.front())});
        QVERIFY(r.reportCommands);
        QCOMPARE(r.text("edHeatTranAreaCalc"), QStringLiteral("0.0"));
    }

private:
    // With VELOR_CALC_SCREENSHOTS set, the widget is saved there as a PNG to look at.
    static void shoot(QWidget& widget, const char* name)
    {
        const QByteArray folder = qgetenv("VELOR_CALC_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        widget.show();
        widget.adjustSize();
        QApplication::processEvents();
        widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name) + ".png");
    }
};

QTEST_MAIN(CalcTest)
#include "calc_test.moc"
