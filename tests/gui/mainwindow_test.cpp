// The main window over an in-memory settings store and a temporary program folder: start-up
// defaults, presets on the unit boxes, the save-changes prompt, New, switching language, and the
// Precision and print-units dialogs.
#include "app/contactdialog.h"
#include "app/fontsdialog.h"
#include "app/mainwindow.h"
#include "app/pages.h"
#include "app/precisiondialog.h"
#include "app/printunitsdialog.h"
#include "app/projectcommands.h"
#include "app/settings_display.h"
#include "guitestsupport.h"
#include "units/extendededit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>
#include <memory>

using namespace velor;
using namespace velor::testing;

namespace {

// Message entries the window uses: 10 question title, 11 Cancel, 12 save question, 25/26 Yes/No.
Entries englishMessages()
{
    return entriesAt(
        31, {{10, "Question"}, {11, "Cancel"}, {12, "Save changes to the project"}, {25, "Yes"}, {26, "No"}});
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;

    std::unique_ptr<MainWindow> makeWindow()
    {
        StartOptions options;
        options.showSplash = false;
        options.localeId = "00000415";
        auto window = std::make_unique<MainWindow>(*m_settings, options);
        window->show();
        return window;
    }

    template<typename T>
    static T* child(QObject* parent, const char* name)
    {
        T* found = parent->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    std::string stored(SettingsGroupId group, const char* name) const
    {
        return m_store->value(settingsGroupPath(group), kDefaultsSection, name).value_or("<missing>");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_store = std::make_unique<MemorySettingsStore>();
        m_settings = std::make_unique<Settings>(*m_store, ProgramFolder(m_folder->path()));
    }

    void cleanup()
    {
        m_settings.reset();
        m_store.reset();
        m_folder.reset();
    }

    // A fresh store: Project page, Calculations tab hidden, the documented choices ticked and
    // written back, commands of later features disabled, the bare title.
    void freshStoreStartsWithDefaults()
    {
        auto window = makeWindow();
        QTabWidget* pages = window->pageControl();
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("ProjectTabSheet"));
        QVERIFY(!pages->isTabVisible(2));
        QCOMPARE(pages->tabText(0), QStringLiteral("&Project"));
        QCOMPARE(pages->tabText(1), QStringLiteral("P&arameters"));
        QCOMPARE(pages->tabText(3), QStringLiteral("&Design"));
        QVERIFY(child<QAction>(window.get(), "tbGotoProject")->isChecked());
        QVERIFY(child<QAction>(window.get(), "AutomaticCalculate1")->isChecked());
        QVERIFY(child<QAction>(window.get(), "Standard1")->isChecked());
        QVERIFY(child<QAction>(window.get(), "PN1")->isChecked());
        QVERIFY(!child<QAction>(window.get(), "AISI1")->isChecked());
        QVERIFY(child<QAction>(window.get(), "Location3")->isChecked());
        QVERIFY(!child<QAction>(window.get(), "Location1")->isVisible());
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->windowTitle(), QStringLiteral("VELOR 3.4.0"));
        QCOMPARE(child<QComboBox>(window.get(), "cbUnitsStandard")->currentText(),
                 QStringLiteral("KORVANEX"));
        QCOMPARE(child<QAction>(window.get(), "New1")->text(), QStringLiteral("&New"));
        QCOMPARE(child<QAction>(window.get(), "tbCalculate")->toolTip(), QStringLiteral("Calculate"));
        for (const char* later :
             {"Preview1", "Print1", "tbPreview", "tbPrint", "tbOnline", "UsersManual1", "tbFluids"})
            QVERIFY2(!child<QAction>(window.get(), later)->isEnabled(), later);
        for (const char* project : {"Open1", "Save1", "SaveAs1", "tbOpenProject", "tbSaveProject"})
            QVERIFY2(child<QAction>(window.get(), project)->isEnabled(), project);

        QCOMPARE(stored(SettingsGroupId::Language, "Language"), std::string("English"));
        QCOMPARE(stored(SettingsGroupId::UnitsFluids, "LiquidHS"), std::string("Water"));
        QCOMPARE(stored(SettingsGroupId::UnitsFluids, "LiquidCS"), std::string("Water"));
        QCOMPARE(stored(SettingsGroupId::UnitsFluids, "VaporHS"), std::string("Saturated steam"));
        QCOMPARE(stored(SettingsGroupId::Device, "AutoCalc"), std::string("Yes"));
        QCOMPARE(stored(SettingsGroupId::Device, "HotSide"), std::string("Tubes"));
        QCOMPARE(stored(SettingsGroupId::Device, "ColdSide"), std::string("Shell"));
        QVERIFY(m_store->rootExists());

        // A stored "Parameters" page and "Ask" choice are restored.
        window.reset();
        QCOMPARE(stored(SettingsGroupId::Data, "ActivePage"), std::string("0"));
        m_settings->group(SettingsGroupId::Data).WriteFloat(kDefaultsSection, "ActivePage", 1);
        m_settings->group(SettingsGroupId::Device).WriteString(kDefaultsSection, "AutoCalc", "No");
        window = makeWindow();
        QCOMPARE(window->pageControl()->currentWidget()->objectName(), QStringLiteral("DataTabSheet"));
        QVERIFY(child<QAction>(window.get(), "tbGotoParam")->isChecked());
        QVERIFY(child<QAction>(window.get(), "Askbeforecalculate1")->isChecked());
    }

    // The toolbar preset switches every unit box of both pages and stores them; a single box
    // changed afterwards turns the preset to "Other", which itself changes nothing.
    void presetsSwitchEveryUnitBox()
    {
        auto window = makeWindow();
        UnitBoxSet* inputs = window->parametersPage()->units();
        UnitBoxSet* results = window->calculationsPage()->units();
        auto* page = window->parametersPage();
        auto* capacity = new TExtendedSpinEdit(page);
        capacity->setPrecision(2);
        capacity->setISOValue(1);
        auto* boxCapacity = new QComboBox(page);
        auto* boxPress = new QComboBox(page);
        auto* boxDrop = new QComboBox(page);
        auto* boxTemp = new QComboBox(page);
        auto* boxResultFlow = new QComboBox(window->calculationsPage());
        inputs->addBox(boxCapacity, Quantity::HeatLoad, "Capacity", 0, {capacity});
        inputs->addBox(boxPress, Quantity::Pressure, "InletPress_HotSide", 0, {});
        inputs->addBox(boxDrop, Quantity::PressureDrop, "MaxPressDrop_HotSide", 0, {});
        inputs->addBox(boxTemp, Quantity::Temperature, "InletTemp_HotSide", 0, {});
        results->addBox(boxResultFlow, Quantity::VolumeFlow, "CalcInletVolumeFlow_HotSide", 2, {});

        auto* preset = child<QComboBox>(window.get(), "cbUnitsStandard");
        const struct
        {
            int preset;
            const char *heatLoad, *pressure, *drop, *temperature, *flow, *capacityText;
        } cases[] = {
            {kPresetUs, "BTU/h", "psig", "psi", "deg.F", "USGal/min", "3412.14"},
            {kPresetIso, "W", "Pa", "Pa", "deg.K", "l/min", "1000.00"},
            {kPresetMetric, "GJ/h", "bar", "bar", "deg.C", "m3/h", "0.00"},
            {kPresetKorvanex, "kW", "kPa", "kPa", "deg.C", "m3/h", "1.00"},
        };
        for (const auto& c : cases) {
            preset->setCurrentIndex(c.preset);
            QCOMPARE(boxCapacity->currentText(), QLatin1String(c.heatLoad));
            QCOMPARE(boxPress->currentText(), QLatin1String(c.pressure));
            QCOMPARE(boxDrop->currentText(), QLatin1String(c.drop));
            QCOMPARE(boxTemp->currentText(), QLatin1String(c.temperature));
            QCOMPARE(boxResultFlow->currentText(), QLatin1String(c.flow));
            QCOMPARE(capacity->text(), QLatin1String(c.capacityText));
            QCOMPARE(double(capacity->ISOValue()), 1.0);
            QCOMPARE(stored(SettingsGroupId::UnitsInput, "UnitsStandard"), std::to_string(c.preset));
            QCOMPARE(stored(SettingsGroupId::UnitsInput, "Capacity"),
                     std::to_string(boxCapacity->currentIndex()));
            QCOMPARE(stored(SettingsGroupId::UnitsOutput, "CalcInletVolumeFlow_HotSide"),
                     std::to_string(boxResultFlow->currentIndex()));
        }

        boxPress->setCurrentIndex(3); // bar, chosen by hand
        QCOMPARE(preset->currentIndex(), kPresetOther);
        QCOMPARE(stored(SettingsGroupId::UnitsInput, "InletPress_HotSide"), std::string("3"));
        QCOMPARE(boxCapacity->currentText(), QStringLiteral("kW"));
        preset->setCurrentIndex(kPresetOther);
        QCOMPARE(boxPress->currentText(), QStringLiteral("bar"));
        QCOMPARE(boxCapacity->currentText(), QStringLiteral("kW"));

        // Restoring at start-up: a stored index that selects nothing takes the box's default.
        m_settings->group(SettingsGroupId::UnitsOutput)
            .WriteInteger(kDefaultsSection, "CalcInletVolumeFlow_HotSide", 9);
        m_settings->group(SettingsGroupId::UnitsInput).WriteInteger(kDefaultsSection, "Capacity", 5);
        results->restore(*m_settings);
        inputs->restore(*m_settings);
        QCOMPARE(boxResultFlow->currentText(), QStringLiteral("m3/h"));
        QCOMPARE(boxCapacity->currentText(), QStringLiteral("GJ/h"));
    }

    // The prompt: Cancel keeps the window (the window state is stored anyway), No closes it; the
    // question names the project from the title, or none for the bare title.
    void saveChangesPromptAnswers()
    {
        writeLanguageFile(m_folder->path(), "English", "MsgData.dat", englishMessages());
        auto window = makeWindow();

        SeenDialog seen;
        answerNextDialog(2, &seen);
        QVERIFY(!window->close());
        QVERIFY(seen.shown);
        QVERIFY(window->isVisible());
        QCOMPARE(seen.title, QStringLiteral("Question"));
        QCOMPARE(seen.text, QStringLiteral("\n    Save changes to the project?    "));
        QCOMPARE(seen.buttons, (QStringList{"Yes", "No", "Cancel"}));
        QCOMPARE(stored(SettingsGroupId::WindowState, "WindowState"), std::string("Normal"));

        // "Yes" saves; a save dialog that is cancelled keeps the window.
        bool asked = false;
        window->projectCommands()->chooseSaveFile = [&asked](const QString&, const QString&) {
            asked = true;
            return QString();
        };
        answerNextDialog(0, nullptr);
        QVERIFY(!window->close());
        QVERIFY(asked);

        child<QLineEdit>(window.get(), "edProjectName")->setText(QStringLiteral("Boiler"));
        child<QLineEdit>(window.get(), "edCalcNo")->setText(QStringLiteral("7"));
        QCOMPARE(window->windowTitle(), QStringLiteral("VELOR 3.4.0 - Boiler_7"));
        child<QLineEdit>(window.get(), "edCalcNo")->clear();
        QCOMPARE(window->windowTitle(), QStringLiteral("VELOR 3.4.0 - Boiler"));
        seen = {};
        answerNextDialog(1, &seen);
        QVERIFY(window->close());
        QCOMPARE(seen.text, QStringLiteral("\n    Save changes to the project Boiler?    "));
    }

    // Without a message file no prompt is shown: New and Close go on.
    void missingMessageFileSuppressesThePrompt()
    {
        auto window = makeWindow();
        child<QLineEdit>(window.get(), "edCalcNo")->setText(QStringLiteral("12"));
        child<QAction>(window.get(), "New1")->trigger();
        QCOMPARE(child<QLineEdit>(window.get(), "edCalcNo")->text(), QString());
        QVERIFY(window->close());
    }

    // New: Cancel keeps everything; otherwise the project fields and every value field clear.
    void newProjectClearsFieldsUnlessCancelled()
    {
        writeLanguageFile(m_folder->path(), "English", "MsgData.dat", englishMessages());
        auto window = makeWindow();
        auto* field = new TExtendedSpinEdit(window->parametersPage());
        field->setValue(42);
        window->parametersPage()->units()->addDecimalField(field, "CapacityCalc");
        window->calculationsPage()->setResultCount(3);
        auto* calcNo = child<QLineEdit>(window.get(), "edCalcNo");
        auto* street = child<QLineEdit>(window.get(), "edStreet");
        calcNo->setText(QStringLiteral("12"));
        street->setText(QStringLiteral("Main Street 1"));

        answerNextDialog(2, nullptr);
        child<QAction>(window.get(), "tbNewProject")->trigger();
        QCOMPARE(calcNo->text(), QStringLiteral("12"));
        QCOMPARE(field->text(), QStringLiteral("42"));

        answerNextDialog(1, nullptr);
        child<QAction>(window.get(), "New1")->trigger();
        QCOMPARE(calcNo->text(), QString());
        QCOMPARE(street->text(), QString());
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(!window->calculationsPage()->hasResults());
    }

    // Switching to Polish re-translates menus, toolbar hints and tabs from the Polish files;
    // switching back restores English, from the English files or the built-in captions.
    void switchingLanguageRetranslatesTheMenus()
    {
        const auto root = m_folder->path();
        writeLanguageFile(root, "English", "Lang.dat", {{"English", "English"}, {"Polish", "Polish"}});
        writeLanguageFile(root, "Polish", "Lang.dat", {{"English", "Angielski"}, {"Polish", "Polski"}});
        writeLanguageFile(root, "Polish", "Menu.dat",
                          entriesAt(51, {{0, "&Plik"},
                                         {1, "&Nowy"},
                                         {7, "&Zakończ"},
                                         {13, "&Ustawienia"},
                                         {25, "Nowy projekt"},
                                         {24, "Jednostki  "},
                                         {41, "Polska"}}));
        writeLanguageFile(root, "Polish", "Project.dat",
                          entriesAt(41, {{0, "&Projekt"}, {1, "Nazwa projektu"}}));
        writeLanguageFile(root, "Polish", "Data.dat", entriesAt(105, {{0, "P&arametry"}, {24, "Inne"}}));
        auto window = makeWindow();
        auto* menu = child<QMenu>(window.get(), "Language1");
        auto* file = child<QMenu>(window.get(), "File1");

        QSignalSpy switched(window.get(), &MainWindow::languageSwitched);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("English"));
        QVERIFY(menu->actions().at(0)->isChecked());
        menu->actions().at(1)->trigger();
        QCOMPARE(stored(SettingsGroupId::Language, "Language"), std::string("Polish"));
        QCOMPARE(switched.count(), 1);
        QCOMPARE(switched.at(0).at(0).toString(), QStringLiteral("English"));
        QCOMPARE(switched.at(0).at(1).toString(), QStringLiteral("Polish"));
        menu->actions().at(1)->trigger(); // the ticked language again: nothing changes
        QCOMPARE(switched.count(), 1);
        QCOMPARE(stored(SettingsGroupId::Language, "Language"), std::string("Polish"));
        QCOMPARE(file->title(), QStringLiteral("&Plik"));
        QCOMPARE(child<QAction>(window.get(), "Exit1")->text(), QStringLiteral("&Zakończ"));
        QCOMPARE(child<QAction>(window.get(), "tbNewProject")->toolTip(), QStringLiteral("Nowy projekt"));
        QCOMPARE(child<QAction>(window.get(), "Open1")->text(), QString()); // an empty entry blanks it
        QCOMPARE(window->pageControl()->tabText(0), QStringLiteral("&Projekt"));
        QCOMPARE(window->pageControl()->tabText(1), QStringLiteral("P&arametry"));
        QCOMPARE(child<QComboBox>(window.get(), "cbUnitsStandard")->itemText(kPresetOther),
                 QStringLiteral("Inne"));

        // The location keeps its stored name whatever the menu shows.
        auto* poland = child<QAction>(window.get(), "Location3");
        QCOMPARE(poland->text(), QStringLiteral("Polska"));
        child<QAction>(window.get(), "Location2")->trigger();
        poland->trigger();
        QCOMPARE(stored(SettingsGroupId::Location, "Location"), std::string("Poland"));

        // The menu now shows the Polish display names, Polski ticked; back to English.
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Angielski"));
        QVERIFY(menu->actions().at(1)->isChecked());
        menu->actions().at(0)->trigger();
        QCOMPARE(stored(SettingsGroupId::Language, "Language"), std::string("English"));
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(child<QAction>(window.get(), "Open1")->text(), QStringLiteral("&Open..."));
        QCOMPARE(child<QAction>(window.get(), "tbNewProject")->toolTip(), QStringLiteral("New project"));
        QCOMPARE(window->pageControl()->tabText(0), QStringLiteral("&Project"));

        // Starting with Polish stored translates at start-up.
        window.reset();
        m_settings->group(SettingsGroupId::Language).WriteString(kDefaultsSection, "Language", "Polish");
        window = makeWindow();
        QCOMPARE(child<QMenu>(window.get(), "File1")->title(), QStringLiteral("&Plik"));
        QVERIFY(child<QAction>(window.get(), "Location3")->isChecked());
    }

    // Precision: "All" with 4 decimals is written by OK and every field then shows 4 decimals;
    // the boxes follow the All/Custom choice.
    void precisionDialogReappliesDecimals()
    {
        auto window = makeWindow();
        auto* flow = new TExtendedSpinEdit(window->parametersPage());
        window->parametersPage()->units()->addDecimalField(flow, "FlowCalc");
        window->reapplyFieldSettings();
        flow->setISOValue(0.5);
        QCOMPARE(flow->text(), QStringLiteral("0.500000"));

        // With English stored the dialog keeps its built-in captions, whatever the English folder holds.
        writeLanguageFile(m_folder->path(), "English", "Precision.dat", {{"", "Digits"}});
        PrecisionDialog dialog(*m_settings, window.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Precision"));
        auto* all = child<QRadioButton>(&dialog, "rbAllCalc");
        auto* allBox = dialog.box("AllCalc");
        QVERIFY(!allBox->isEnabled());
        QVERIFY(dialog.box("FlowCalc")->isEnabled());
        all->click();
        QVERIFY(allBox->isEnabled());
        QVERIFY(!dialog.box("FlowCalc")->isEnabled());
        allBox->setValue(4);
        QCOMPARE(dialog.box("FlowCalc")->maximum(), 6);
        child<QPushButton>(&dialog, "btnOK")->click();
        QCOMPARE(stored(SettingsGroupId::DecimalsCalc, "OptionCalc"), std::string("1"));
        QCOMPARE(stored(SettingsGroupId::DecimalsCalc, "AllCalc"), std::string("4"));
        QCOMPARE(stored(SettingsGroupId::DecimalsPrint, "AllPrint"), std::string("1"));
        window->reapplyFieldSettings();
        QCOMPARE(flow->text(), QStringLiteral("0.5000"));
        QCOMPARE(double(flow->Increment()), 0.0005);
    }

    // Print units: a preset sets the six boxes without storing; a single box is stored at once
    // and turns the preset to "Other"; OK stores all.
    void printUnitsDialogPresetsAndStorage()
    {
        PrintUnitsDialog dialog(*m_settings, nullptr);
        auto* preset = child<QComboBox>(&dialog, "cbUnitsStandard");
        QCOMPARE(preset->currentIndex(), kPresetOther);
        QCOMPARE(child<QComboBox>(&dialog, "cbPressure")->currentText(), QStringLiteral("bar"));
        preset->setCurrentIndex(kPresetUs);
        QCOMPARE(child<QComboBox>(&dialog, "cbPressure")->currentText(), QStringLiteral("psig"));
        QCOMPARE(child<QComboBox>(&dialog, "cbLength")->currentText(), QStringLiteral("inch"));
        QCOMPARE(child<QComboBox>(&dialog, "cbWeight")->currentText(), QStringLiteral("lb"));
        QCOMPARE(stored(SettingsGroupId::PrintUnits, "LengthPrintUnit"), std::string("<missing>"));
        child<QComboBox>(&dialog, "cbTemperature")->setCurrentIndex(2);
        QCOMPARE(stored(SettingsGroupId::PrintUnits, "TempPrintUnit"), std::string("2"));
        QCOMPARE(preset->currentIndex(), kPresetOther);
        child<QPushButton>(&dialog, "btnOK")->click();
        QCOMPARE(stored(SettingsGroupId::PrintUnits, "LengthPrintUnit"), std::string("1"));
        QCOMPARE(stored(SettingsGroupId::PrintUnits, "PressPrintUnit"), std::string("6"));
        QCOMPARE(stored(SettingsGroupId::PrintUnits, "UnitsStandard"), std::string("4"));
    }

    // Go to calculations switches pages when results exist and calculates otherwise; the go-to
    // buttons follow the page; the web commands show the About box for the two office locations,
    // nothing otherwise.
    void navigationAndWebCommands()
    {
        auto window = makeWindow();
        auto* gotoCalc = child<QAction>(window.get(), "tbGotoCalc");
        // Without results it calculates: with no size selected the check ends on the Parameters page.
        gotoCalc->trigger();
        QCOMPARE(window->pageControl()->currentIndex(), 1);
        QVERIFY(child<QAction>(window.get(), "tbGotoParam")->isChecked());
        QVERIFY(!gotoCalc->isChecked());
        window->calculationsPage()->setResultCount(1);
        gotoCalc->trigger();
        QCOMPARE(window->pageControl()->currentIndex(), 2);
        QVERIFY(window->pageControl()->isTabVisible(2));
        QVERIFY(gotoCalc->isChecked());
        window->pageControl()->setCurrentIndex(1);
        QVERIFY(child<QAction>(window.get(), "tbGotoParam")->isChecked());
        window->pageControl()->setCurrentIndex(3);
        QVERIFY(!child<QAction>(window.get(), "tbGotoParam")->isChecked());

        SeenDialog seen;
        answerNextDialog(0, &seen);
        child<QAction>(window.get(), "VelorWeb1")->trigger();
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("About VELOR"));

        m_settings->group(SettingsGroupId::Location).WriteString(kDefaultsSection, "Location", "Canada");
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(300, [opened] { // closes a box should one open by mistake
            if (QWidget* modal = QApplication::activeModalWidget()) {
                *opened = true;
                modal->close();
            }
        });
        child<QAction>(window.get(), "tbVelorWeb")->trigger();
        child<QAction>(window.get(), "Online1")->trigger();
        QTest::qWait(400);
        QVERIFY(!*opened);
    }

    // Fonts: "Default" stores the slot's mode at once; opening the dialog from the window stores
    // the window's font as the manual main-program font. Contact: OK stores the choice.
    void fontsAndContactDialogsStoreAtOnce()
    {
        auto window = makeWindow();
        answerNextDialog(1, nullptr);
        child<QAction>(window.get(), "Fonts1")->trigger();
        QCOMPARE(stored(SettingsGroupId::Fonts, "MainProgFName"), window->font().family().toStdString());

        FontsDialog fonts(*m_settings, nullptr);
        QCheckBox* title = fonts.defaultBox(FontSlot::PrintTF);
        QVERIFY(title->isChecked());
        title->click();
        QCOMPARE(stored(SettingsGroupId::Fonts, "PrintTF"), std::string("Manual"));
        title->click();
        QCOMPARE(stored(SettingsGroupId::Fonts, "PrintTF"), std::string("Automatic"));

        ContactDialog contact(*m_settings, nullptr);
        QVERIFY(child<QRadioButton>(&contact, "rbPoland")->isChecked());
        child<QRadioButton>(&contact, "rbCzechRepublic")->click();
        child<QPushButton>(&contact, "btnCancel")->click();
        QCOMPARE(stored(SettingsGroupId::PrintContact, "Contact"), std::string("<missing>"));
        ContactDialog again(*m_settings, nullptr);
        child<QRadioButton>(&again, "rbCzechRepublic")->click();
        child<QPushButton>(&again, "btnOK")->click();
        QCOMPARE(stored(SettingsGroupId::PrintContact, "Contact"), std::string("Czech Republic"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
