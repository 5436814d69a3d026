// Project files from the main window over the shipped catalogue and fluids: a calculated duty
// saved and opened again after New, Save's file-name rules, saving without results, unreadable
// and unwritable files, and a project opened from the command line.
#include "app/guitext.h"
#include "app/heatbalance.h"
#include "app/mainwindow.h"
#include "app/pages.h"
#include "app/projectcommands.h"
#include "app/projectfile.h"
#include "app/unitboxes.h"
#include "calculations/calculationspanel.h"
#include "catalogue/catalogue.h"
#include "catalogue/exchangertypes.h"
#include "directory/directory.h"
#include "guitestsupport.h"
#include "parameters/parameterspanel.h"
#include "units/extendededit.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <memory>

using namespace velor;
using namespace velor::testing;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> sizesOf(const ProgramFolder& folder, std::string_view code)
{
    const TypeLists names = ReadTypeNames(folder);
    const auto types = exchangerTypes();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].code == code)
            return names[i];
    return {};
}

QString qpath(const fs::path& p)
{
    return QString::fromStdString(p.string());
}

} // namespace

class ProjectTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_errors;
    QStringList m_proposals; // what the save dialog was asked to propose
    QString m_saveAnswer;    // what the save dialog answers (empty: cancelled)

    MainWindow& window() { return *m_window; }
    ProjectCommands& commands() { return *m_window->projectCommands(); }
    fs::path projects() const { return m_folder->path() / "Projects"; }

    void makeWindow()
    {
        m_window.reset();
        StartOptions options;
        options.showSplash = false;
        m_window = std::make_unique<MainWindow>(*m_settings, options);
        m_window->calculationsPanel()->ask = [](const MessageSpec&) { return 0; }; // velocity warnings
        ProjectCommands& c = commands();
        c.reportError = [this](const QString& message) { m_errors << message; };
        c.chooseSaveFile = [this](const QString&, const QString& proposal) {
            m_proposals << proposal;
            return m_saveAnswer;
        };
        c.chooseOpenFile = [](const QString&) { return QString(); };
        m_window->show();
    }

    // Calculates the window's duty over the sizes of type "M".
    void calculate()
    {
        window().parametersPanel()->selection().setSelected(sizesOf(ProgramFolder(m_folder->path()), "M"));
        window().findChild<QAction*>(QStringLiteral("Calculate1"))->trigger();
    }

    QString fieldText(const char* name) const
    {
        return m_window->findChild<QLineEdit*>(QLatin1String(name))->text();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        if (!copyShipped(m_folder->path()))
            QSKIP("the shipped catalogue, fluids and languages are not built");
        m_store = std::make_unique<MemorySettingsStore>();
        m_settings = std::make_unique<Settings>(*m_store, ProgramFolder(m_folder->path()));
        m_errors.clear();
        m_proposals.clear();
        m_saveAnswer.clear();
        makeWindow();
    }
    void cleanup()
    {
        m_window.reset();
        m_settings.reset();
        m_store.reset();
        m_folder.reset();
    }

    // Save As, New, Open: the duty, its units, the fluids, the Project page and the one result
    // come back exactly; the window is titled after the file and shows the Calculations page.
    void calculatedProjectRoundTrip()
    {
        MainWindow& w = window();
        ParametersPanel* parameters = w.parametersPanel();
        QComboBox* heatUnit = parameters->findChild<QComboBox*>(QStringLiteral("cbCapacity"));
        QVERIFY(heatUnit);
        heatUnit->setCurrentIndex(1);
        w.findChild<QLineEdit*>(QStringLiteral("edProjectName"))->setText(QStringLiteral("Plant"));
        w.findChild<QLineEdit*>(QStringLiteral("edCalcNo"))->setText(QStringLiteral("7"));
        w.findChild<QLineEdit*>(QStringLiteral("edCity"))->setText(QStringLiteral("Brno"));
        w.findChild<QComboBox*>(QStringLiteral("cbCustomerName"))->setEditText(QStringLiteral("Acme"));
        calculate();
        CalculationsPanel* calc = w.calculationsPanel();
        QVERIFY(calc->results().size() > 1);
        calc->selectLine(1);
        calc->ListBox2Click();
        const TResultTypeB chosen = *calc->listState().resultForLine(1);
        const HeatBalance& balance = parameters->balance();
        std::array<long double, kDutyFieldCount> duty{};
        for (const DutyFieldInfo& info : dutyFields())
            duty[static_cast<std::size_t>(info.field)] = balance.value(info.field);
        // The file keeps the result's heat-load unit; it becomes the input's unit too.
        QComboBox* heatResultUnit = calc->findChild<QComboBox*>(QStringLiteral("cbCapacityCalc"));
        QVERIFY(heatResultUnit);
        heatResultUnit->setCurrentIndex(2);
        const QString areaText = fieldText("edHeatTranAreaCalc");

        // Save As proposes name and number, cuts the chosen name and keeps the title.
        m_saveAnswer = qpath(projects() / "Plant.v2.dca");
        QVERIFY(commands().SaveAs1Click());
        QCOMPARE(m_proposals, QStringList{QStringLiteral("Plant_7")});
        QVERIFY(fs::exists(projects() / "Plant.dca"));
        QCOMPARE(fs::file_size(projects() / "Plant.dca"), std::uintmax_t(kProjectRecordSize));
        QCOMPARE(w.windowTitle(), QStringLiteral("VELOR 3.4.0 - Plant_7"));
        QCOMPARE(fs::path(m_settings->group(SettingsGroupId::Project).string("Path")), projects());
        QCOMPARE(ReadCustomer(ProgramFolder(m_folder->path()), "Acme").City, std::string("Brno")); // recorded

        // The saved duty rates the saved size to the saved result again.
        const QString cli = QStringLiteral(VELOR_RUNTIME_DIR "/velor-cli");
        if (QFileInfo::exists(cli)) {
            QProcess rate;
            rate.start(cli,
                       {QStringLiteral("project"), QStringLiteral("rate"), qpath(projects() / "Plant.dca"),
                        QStringLiteral("--root"), qpath(m_folder->path())});
            QVERIFY(rate.waitForFinished(60000));
            QVERIFY2(rate.exitCode() == 0, rate.readAllStandardOutput().constData());
        }

        // New ("No" in the prompt) empties the duty and the results.
        answerNextDialog(1, nullptr);
        w.findChild<QAction*>(QStringLiteral("New1"))->trigger();
        QVERIFY(!calc->hasResults());
        QCOMPARE(balance.value(DutyField::Capacity), 0.0L);
        heatUnit->setCurrentIndex(0);
        heatResultUnit->setCurrentIndex(0);

        commands().chooseOpenFile = [this](const QString& folder) {
            m_proposals << folder;
            return qpath(projects() / "Plant.dca");
        };
        answerNextDialog(1, nullptr);
        w.findChild<QAction*>(QStringLiteral("tbOpenProject"))->trigger();
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("VELOR 3.4.0 - Plant"));
        QCOMPARE(w.pageControl()->currentIndex(), 2);
        QVERIFY(!calc->findChild<QToolButton*>(QStringLiteral("tbSortArrow"))->isEnabled());
        QCOMPARE(heatUnit->currentIndex(), 2);
        QCOMPARE(heatResultUnit->currentIndex(), 2);
        for (const DutyFieldInfo& info : dutyFields()) {
            const std::size_t i = static_cast<std::size_t>(info.field);
            if (info.field >= DutyField::InletTempHSideVC && info.field <= DutyField::OutletVolFlowHSideVC)
                continue; // a liquid hot side leaves the condenser's fields alone
            QVERIFY2(balance.value(info.field) == duty[i], info.control.data());
        }
        QCOMPARE(calc->results().size(), std::size_t(1));
        const TResultTypeB& back = calc->results().front();
        QCOMPARE(back.SizeName, chosen.SizeName);
        QCOMPARE(back.TypeFile, chosen.TypeFile);
        QCOMPARE(back.Area, chosen.Area);
        QCOMPARE(back.OHTCFouled, chosen.OHTCFouled);
        QCOMPARE(back.NTUCS, chosen.NTUCS);
        QCOMPARE(fieldText("edHeatTranAreaCalc"), areaText);
        QCOMPARE(fieldText("edCity"), QStringLiteral("Brno"));
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cbCustomerName"))->currentText(),
                 QStringLiteral("Acme"));
        QCOMPARE(parameters->selection().selected(), std::vector<std::string>{chosen.SizeName});
        QVERIFY(w.findChild<QAction*>(QStringLiteral("Preview1"))->isEnabled());
        QVERIFY(!m_proposals.isEmpty());
        QCOMPARE(m_proposals.back(), qpath(projects())); // the open dialog starts in the project folder
    }

    // A condensing project keeps its note and reopens on the condenser page; the liquid hot
    // side's fields stay as they were.
    void condenserProjectReopensOnTheCondenserPage()
    {
        MainWindow& w = window();
        ParametersPanel* parameters = w.parametersPanel();
        auto* hotPages = parameters->findChild<QTabWidget*>(QStringLiteral("pcHotSide"));
        hotPages->setCurrentIndex(1);
        parameters->field(DutyField::InletTempHSideVC)->setValue(150);
        const ProgramFolder folder(m_folder->path());
        std::vector<std::string> sizes;
        for (const char* code : {"T", "TD", "RUV", "GT"}) {
            const auto more = sizesOf(folder, code);
            sizes.insert(sizes.end(), more.begin(), more.end());
        }
        parameters->selection().setSelected(sizes);
        w.findChild<QAction*>(QStringLiteral("Calculate1"))->trigger();
        CalculationsPanel* calc = w.calculationsPanel();
        QVERIFY2(calc->hasResults(), "the condensing duty fits no selected size");
        calc->selectLine(0);
        calc->ListBox2Click();
        const QString note = calc->vaporNote();
        QVERIFY(!note.isEmpty());
        const long double condensate = parameters->balance().value(DutyField::OutletTempHSideVC);
        m_saveAnswer = qpath(projects() / "Cond.dca");
        QVERIFY(commands().SaveAs1Click());
        const auto read = loadProjectFile(projects() / "Cond.dca");
        QVERIFY(read.ok());
        QCOMPARE(read->record.KindHS, kSideVaporCondenser);
        QCOMPARE(qs(read->record.CondenserNote), note);
        QCOMPARE(read->record.FluidHS, parameters->balance().vapor());

        hotPages->setCurrentIndex(0);
        parameters->field(DutyField::InletTempHSide)->setValue(111);
        const long double liquidInlet = parameters->balance().value(DutyField::InletTempHSide);
        calc->showVaporNote(QString());
        QVERIFY(commands().ReadProjectFile(projects() / "Cond.dca"));
        QCOMPARE(hotPages->currentIndex(), 1);
        QVERIFY(parameters->balance().hotSide() == HotSideKind::Condensing);
        QCOMPARE(parameters->balance().value(DutyField::InletTempHSide), liquidInlet);
        QCOMPARE(parameters->balance().value(DutyField::OutletTempHSideVC), condensate);
        QCOMPARE(calc->vaporNote(), note);
        QCOMPARE(calc->results().size(), std::size_t(1));
    }

    // Save's rule for the name in the title, through the real command.
    void saveFollowsTheTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("existing"); // a file present in the project folder, or empty
        QTest::addColumn<QString>("answer");   // the save dialog's answer (file name in the folder)
        QTest::addColumn<QString>("proposal"); // what the dialog proposed (empty: not shown)
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("newTitle");
        QTest::newRow("bare title asks for Project1") << "VELOR 3.4.0"
                                                      << ""
                                                      << "Project1.dca"
                                                      << "Project1"
                                                      << "Project1.dca"
                                                      << "VELOR 3.4.0 - Project1";
        QTest::newRow("existing file is written directly") << "VELOR 3.4.0 - Boiler"
                                                           << "Boiler.dca"
                                                           << ""
                                                           << ""
                                                           << "Boiler.dca"
                                                           << "VELOR 3.4.0 - Boiler";
        QTest::newRow("a name with its own extension") << "VELOR 3.4.0 - Plant 1.2"
                                                       << "Plant 1.2"
                                                       << ""
                                                       << ""
                                                       << "Plant 1.2"
                                                       << "VELOR 3.4.0 - Plant 1";
        QTest::newRow("missing file asks with the name") << "VELOR 3.4.0 - Boiler"
                                                         << ""
                                                         << "abc.v2.dca"
                                                         << "Boiler"
                                                         << "abc.dca"
                                                         << "VELOR 3.4.0 - abc";
    }
    void saveFollowsTheTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, existing);
        QFETCH(QString, answer);
        QFETCH(QString, proposal);
        QFETCH(QString, written);
        QFETCH(QString, newTitle);
        m_settings->group(SettingsGroupId::Project)
            .WriteString(kDefaultsSection, "Path", projects().string());
        if (!existing.isEmpty())
            std::ofstream(projects() / existing.toStdString()) << "old";
        window().setWindowTitle(title);
        if (!answer.isEmpty())
            m_saveAnswer = qpath(projects() / answer.toStdString());
        QVERIFY(commands().Save1Click());
        QCOMPARE(m_proposals, proposal.isEmpty() ? QStringList() : QStringList{proposal});
        const fs::path file = projects() / written.toStdString();
        QVERIFY(fs::exists(file));
        QCOMPARE(fs::file_size(file), std::uintmax_t(kProjectRecordSize));
        QCOMPARE(window().windowTitle(), newTitle);
        QVERIFY(loadProjectFile(file).ok());
    }

    // Before any calculation only the project, units, kinds, numbers of units and oversizing are
    // kept; opening such a file leaves the result list and the result fields empty.
    void saveWithoutResults()
    {
        window().findChild<QLineEdit*>(QStringLiteral("edProjectName"))->setText(QStringLiteral("Empty"));
        m_saveAnswer = qpath(projects() / "Empty.dca");
        QVERIFY(commands().Save1Click());
        const auto read = loadProjectFile(projects() / "Empty.dca");
        QVERIFY(read.ok());
        const TProjectFileRec& rec = read->record;
        QCOMPARE(rec.ProjectName, std::string("Empty"));
        QCOMPARE(rec.HeatLoad, 0.0L);
        QCOMPARE(rec.TempInHS, 0.0L);
        QCOMPARE(rec.FluidHS, std::string());
        QCOMPARE(rec.SizeName, std::string());
        QCOMPARE(rec.Tubular, std::uint8_t(1));
        QCOMPARE(rec.UnitsInSeries, window().parametersPanel()->balance().value(DutyField::NoUnitsSeries));
        QVERIFY(rec.UnitsInSeries > 0);

        window().setWindowTitle(QStringLiteral("VELOR 3.4.0"));
        QVERIFY(commands().ReadProjectFile(projects() / "Empty.dca"));
        QCOMPARE(window().windowTitle(), QStringLiteral("VELOR 3.4.0 - Empty"));
        QCOMPARE(window().pageControl()->currentIndex(), 2);
        QVERIFY(!window().calculationsPanel()->hasResults());
        QVERIFY(fieldText("edLiquidHSideCalc").isEmpty());
        QCOMPARE(window().findChild<TExtendedEdit*>(QStringLiteral("edHeatTranAreaCalc"))->ISOValue(), 0.0L);
    }

    // A short file and an unwritable target are reported; the window, the title and the
    // remembered folder stay as they were.
    void failuresChangeNothing()
    {
        std::ofstream(projects() / "short.dca") << std::string(100, 'x');
        window().setWindowTitle(QStringLiteral("VELOR 3.4.0 - Keep"));
        const long double heat = window().parametersPanel()->balance().value(DutyField::Capacity);
        QVERIFY(!commands().ReadProjectFile(projects() / "short.dca"));
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(window().windowTitle(), QStringLiteral("VELOR 3.4.0 - Keep"));
        QCOMPARE(window().parametersPanel()->balance().value(DutyField::Capacity), heat);

        const std::string pathBefore = m_settings->group(SettingsGroupId::Project).string("Path");
        m_saveAnswer = qpath(m_folder->path() / "missing" / "x.dca");
        QVERIFY(!commands().SaveAs1Click());
        window().setWindowTitle(QStringLiteral("VELOR 3.4.0"));
        QVERIFY(!commands().Save1Click());
        QCOMPARE(m_errors.size(), 3);
        QCOMPARE(window().windowTitle(), QStringLiteral("VELOR 3.4.0"));
        QCOMPARE(m_settings->group(SettingsGroupId::Project).string("Path"), pathBefore);
    }

    // The prompt's "Yes" saves under the title's name; a failed save keeps the window open.
    void promptYesSaves()
    {
        m_settings->group(SettingsGroupId::Project)
            .WriteString(kDefaultsSection, "Path", projects().string());
        window().setWindowTitle(QStringLiteral("VELOR 3.4.0 - Yes"));
        m_saveAnswer = qpath(projects() / "Yes.dca");
        answerNextDialog(0, nullptr);
        QCOMPARE(window().saveChangesPrompt(), PromptAnswer::Yes);
        QVERIFY(fs::exists(projects() / "Yes.dca"));
        m_saveAnswer.clear();
        window().setWindowTitle(QStringLiteral("VELOR 3.4.0 - Other"));
        answerNextDialog(0, nullptr);
        QCOMPARE(window().saveChangesPrompt(), PromptAnswer::Cancel);
    }

    // A project given on the command line is opened on the Calculations page; the first visit to
    // the Parameters page ticks its size again, later visits leave the tree alone.
    void commandLineProject()
    {
        calculate();
        QVERIFY(window().calculationsPanel()->hasResults());
        window().calculationsPanel()->selectLine(0);
        const std::string size = window().calculationsPanel()->listState().resultForLine(0)->SizeName;
        m_saveAnswer = qpath(projects() / "Cmd.dca");
        QVERIFY(commands().SaveAs1Click());

        makeWindow();
        window().openFromCommandLine(qpath(projects() / "Cmd.dca"));
        QCOMPARE(window().pageControl()->currentIndex(), 2);
        QVERIFY(window().findChild<QAction*>(QStringLiteral("tbGotoCalc"))->isChecked());
        QVERIFY(window().openedFromCommandLine());
        window().parametersPanel()->setSelectedSizes({});
        window().findChild<QAction*>(QStringLiteral("tbGotoParam"))->trigger();
        QCOMPARE(window().parametersPanel()->selection().selected(), std::vector<std::string>{size});
        QVERIFY(!window().openedFromCommandLine());
        window().parametersPanel()->setSelectedSizes({});
        window().pageControl()->setCurrentIndex(0);
        window().pageControl()->setCurrentIndex(1);
        QVERIFY(window().parametersPanel()->selection().selected().empty());
    }
};

QTEST_MAIN(ProjectTest)
#include "project_test.moc"
