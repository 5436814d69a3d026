// The main window: frame, commands, language switch, start-up and shut-down.
#include "app/mainwindow.h"

#include "app/aboutdialog.h"
#include "app/contactdialog.h"
#include "app/fontconv.h"
#include "app/fontsdialog.h"
#include "app/guitext.h"
#include "app/messagedialog.h"
#include "app/pages.h"
#include "app/precisiondialog.h"
#include "app/printunitsdialog.h"
#include "app/projectcommands.h"
#include "app/resources.h"
#include "app/settings_display.h"
#include "calculations/calculationspanel.h"
#include "catalogue/catalogue.h"
#include "fluids/fluidfiles.h"
#include "parameters/parameterspanel.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace velor {

namespace {

constexpr int kProjectPage = 0;
constexpr int kParametersPage = 1;
constexpr int kCalculationsPage = 2;
constexpr int kDesignPage = 3;

// Locations as stored; the menu shows them translated.
constexpr const char* kLocationCanada = "Canada";
constexpr const char* kLocationCzech = "Czech Republic";
constexpr const char* kLocationPoland = "Poland";

QAction* makeAction(QObject* parent, const char* name)
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* makeToolAction(QObject* parent, const char* name, const char* icon)
{
    QAction* action = makeAction(parent, name);
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    return action;
}

} // namespace

MainWindow::MainWindow(Settings& settings, StartOptions options, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_options(std::move(options))
{
    setObjectName(QStringLiteral("Tb"));
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/velor.svg")));
    buildPages();
    buildMenus();
    buildToolBar();
    m_calculations = wireCalculations({&m_settings,
                                       PageControl1,
                                       kCalculationsPage,
                                       m_calculationsPage,
                                       m_parametersPanel,
                                       cbUnitsStandard,
                                       Calculate1,
                                       tbCalculate,
                                       AutomaticCalculate1,
                                       {Preview1, Print1, tbPreview, tbPrint},
                                       [this] { tbGotoParamClick(); },
                                       [this] { PageControl1Change(PageControl1->currentIndex()); }});
    m_projectCommands = new ProjectCommands(*this);
    for (QAction* open : {Open1, tbOpenProject})
        connect(open, &QAction::triggered, m_projectCommands, &ProjectCommands::Open1Click);
    for (QAction* save : {Save1, tbSaveProject})
        connect(save, &QAction::triggered, m_projectCommands, &ProjectCommands::Save1Click);
    connect(SaveAs1, &QAction::triggered, m_projectCommands, &ProjectCommands::SaveAs1Click);
    saveProjectForPrompt = [this] { return m_projectCommands->Save1Click(); };
    startUp();
}

MainWindow::~MainWindow()
{
    m_parametersPanel->shutDown();
    storeUnitsAndPage();
    deleteWorkingCopies();
}

// ---- Building the frame ---------------------------------------------------------------------

void MainWindow::buildPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setDocumentMode(false);
    m_projectPage = new ProjectPage(m_settings, PageControl1);
    m_parametersPage = new ParametersPage(PageControl1);
    m_parametersPanel = new ParametersPanel(m_settings, m_settings.programFolder(), m_parametersPage->units(),
                                            m_parametersPage);
    m_parametersPage->contentLayout()->addWidget(m_parametersPanel);
    m_calculationsPage = new CalculationsPage(PageControl1);
    m_designPage = new DesignPage(PageControl1);
    PageControl1->addTab(m_projectPage, QString());
    PageControl1->addTab(m_parametersPage, QString());
    PageControl1->addTab(m_calculationsPage, QString());
    PageControl1->addTab(m_designPage, QString());
    setCentralWidget(PageControl1);

    connect(m_projectPage, &ProjectPage::titleChanged, this, &MainWindow::updateTitle);
    connect(m_parametersPage->units(), &UnitBoxSet::unitChangedByUser, this, &MainWindow::inputUnitChanged);
    connect(m_calculationsPage->units(), &UnitBoxSet::unitChangedByUser, this,
            &MainWindow::resultUnitChanged);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();

    File1 = bar->addMenu(QString());
    File1->setObjectName(QStringLiteral("File1"));
    New1 = makeAction(this, "New1");
    Open1 = makeAction(this, "Open1");
    Save1 = makeAction(this, "Save1");
    SaveAs1 = makeAction(this, "SaveAs1");
    Preview1 = makeAction(this, "Preview1");
    Print1 = makeAction(this, "Print1");
    Exit1 = makeAction(this, "Exit1");
    New1->setShortcut(QKeySequence::New);
    File1->addActions({New1, Open1, Save1, SaveAs1});
    File1->addSeparator();
    File1->addActions({Preview1, Print1});
    File1->addSeparator();
    File1->addAction(Exit1);
    // Previews and printing come with their own commands; until then the items are shown
    // disabled.
    for (QAction* later : {Preview1, Print1})
        later->setEnabled(false);
    connect(New1, &QAction::triggered, this, &MainWindow::New1Click);
    connect(Exit1, &QAction::triggered, this, &MainWindow::Exit1Click);

    Calculations1 = bar->addMenu(QString());
    Calculations1->setObjectName(QStringLiteral("Calculations1"));
    Calculate1 = makeAction(this, "Calculate1");
    AutomaticCalculate1 = makeAction(this, "AutomaticCalculate1");
    Askbeforecalculate1 = makeAction(this, "Askbeforecalculate1");
    auto* calcGroup = new QActionGroup(this);
    for (QAction* radio : {AutomaticCalculate1, Askbeforecalculate1}) {
        radio->setCheckable(true);
        calcGroup->addAction(radio);
    }
    Askbeforecalculate1->setChecked(true);
    Calculations1->addAction(Calculate1);
    Calculations1->addSeparator();
    Calculations1->addActions({AutomaticCalculate1, Askbeforecalculate1});
    connect(AutomaticCalculate1, &QAction::triggered, this, &MainWindow::AutomaticCalculate1Click);
    connect(Askbeforecalculate1, &QAction::triggered, this, &MainWindow::Askbeforecalculate1Click);

    Settings1 = bar->addMenu(QString());
    Settings1->setObjectName(QStringLiteral("Settings1"));
    Language1 = Settings1->addMenu(QString());
    Language1->setObjectName(QStringLiteral("Language1"));
    m_languageGroup = new QActionGroup(this);
    English1 = makeAction(this, "English1");
    English1->setText(QStringLiteral("English"));
    English1->setData(QStringLiteral("English"));
    English1->setCheckable(true);
    English1->setChecked(true);
    m_languageGroup->addAction(English1);
    Language1->addAction(English1);
    connect(Language1, &QMenu::aboutToShow, this, &MainWindow::Language1Popup);
    connect(m_languageGroup, &QActionGroup::triggered, this, &MainWindow::LanguageItemClick);

    Printouts1 = Settings1->addMenu(QString());
    Printouts1->setObjectName(QStringLiteral("Printouts1"));
    Standard1 = makeAction(this, "Standard1");
    Extended1 = makeAction(this, "Extended1");
    auto* printGroup = new QActionGroup(this);
    for (QAction* radio : {Standard1, Extended1}) {
        radio->setCheckable(true);
        printGroup->addAction(radio);
    }
    Printouts1->addActions({Standard1, Extended1});
    Printouts1->addSeparator();
    TechnicalData1 = Printouts1->addMenu(QString());
    TechnicalData1->setObjectName(QStringLiteral("TechnicalData1"));
    MaterialsAccording1 = TechnicalData1->addMenu(QString());
    MaterialsAccording1->setObjectName(QStringLiteral("Materialsaccordingto1"));
    MaterialsAccording1->setEnabled(false);
    AISI1 = makeAction(this, "AISI1");
    PN1 = makeAction(this, "PN1");
    auto* matGroup = new QActionGroup(this);
    for (QAction* radio : {AISI1, PN1}) {
        radio->setCheckable(true);
        matGroup->addAction(radio);
    }
    MaterialsAccording1->addActions({AISI1, PN1});
    Units1 = makeAction(this, "Units1");
    TechnicalData1->addAction(Units1);
    Contact1 = makeAction(this, "Contact1");
    Printouts1->addAction(Contact1);
    connect(Standard1, &QAction::triggered, this, &MainWindow::Standard1Click);
    connect(Extended1, &QAction::triggered, this, &MainWindow::Extended1Click);
    connect(AISI1, &QAction::triggered, this, &MainWindow::AISI1Click);
    connect(PN1, &QAction::triggered, this, &MainWindow::PN1Click);
    connect(Units1, &QAction::triggered, this, &MainWindow::Units1Click);
    connect(Contact1, &QAction::triggered, this, &MainWindow::Contact1Click);

    Precision1 = makeAction(this, "Precision1");
    Fonts1 = makeAction(this, "Fonts1");
    Settings1->addActions({Precision1, Fonts1});
    connect(Precision1, &QAction::triggered, this, &MainWindow::Precision1Click);
    connect(Fonts1, &QAction::triggered, this, &MainWindow::Fonts1Click);

    NearestLocation1 = Settings1->addMenu(QString());
    NearestLocation1->setObjectName(QStringLiteral("NearestLocation1"));
    Location1 = makeAction(this, "Location1");
    Location2 = makeAction(this, "Location2");
    Location3 = makeAction(this, "Location3");
    Location1->setData(QLatin1String(kLocationCanada));
    Location2->setData(QLatin1String(kLocationCzech));
    Location3->setData(QLatin1String(kLocationPoland));
    auto* locationGroup = new QActionGroup(this);
    for (QAction* radio : {Location1, Location2, Location3}) {
        radio->setCheckable(true);
        locationGroup->addAction(radio);
        NearestLocation1->addAction(radio);
    }
    Location1->setVisible(false);
    Location1->setEnabled(false);
    connect(locationGroup, &QActionGroup::triggered, this, &MainWindow::LocationClick);

    KORVANEX1 = bar->addMenu(QString());
    KORVANEX1->setObjectName(QStringLiteral("KORVANEX1"));
    Online1 = makeAction(this, "Online1");
    UsersManual1 = makeAction(this, "UsersManual1");
    KORVANEXWEB1 = makeAction(this, "KORVANEXWEB1");
    VelorWeb1 = makeAction(this, "VelorWeb1");
    About1 = makeAction(this, "About1");
    KORVANEX1->addActions({Online1, UsersManual1});
    KORVANEX1->addSeparator();
    KORVANEX1->addActions({KORVANEXWEB1, VelorWeb1});
    KORVANEX1->addSeparator();
    KORVANEX1->addAction(About1);
    connect(KORVANEX1, &QMenu::aboutToShow, this, &MainWindow::KORVANEX1Popup);
    connect(Online1, &QAction::triggered, this, &MainWindow::WebItemClick);
    connect(KORVANEXWEB1, &QAction::triggered, this, &MainWindow::WebItemClick);
    connect(VelorWeb1, &QAction::triggered, this, &MainWindow::WebItemClick);
    connect(UsersManual1, &QAction::triggered, this, &MainWindow::UsersManual1Click);
    connect(About1, &QAction::triggered, this, &MainWindow::About1Click);
}

void MainWindow::buildToolBar()
{
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->toggleViewAction()->setEnabled(false);

    tbNewProject = makeToolAction(this, "tbNewProject", "new");
    tbOpenProject = makeToolAction(this, "tbOpenProject", "open");
    tbSaveProject = makeToolAction(this, "tbSaveProject", "save");
    tbGotoProject = makeToolAction(this, "tbGotoProject", "project");
    tbGotoParam = makeToolAction(this, "tbGotoParam", "parameters");
    tbGotoCalc = makeToolAction(this, "tbGotoCalc", "calculations");
    tbCalculate = makeToolAction(this, "tbCalculate", "calculate");
    tbFluids = makeToolAction(this, "tbFluids", "fluids");
    tbPreview = makeToolAction(this, "tbPreview", "preview");
    tbPrint = makeToolAction(this, "tbPrint", "print");
    tbVelorWeb = makeToolAction(this, "tbVelorWeb", "web");
    tbOnline = makeToolAction(this, "tbOnline", "manual");

    ToolBar1->addActions({tbNewProject, tbOpenProject, tbSaveProject});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbGotoProject, tbGotoParam, tbGotoCalc});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbCalculate, tbFluids});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbPreview, tbPrint});
    ToolBar1->addSeparator();
    ToolBar1->addActions({tbVelorWeb, tbOnline});
    ToolBar1->addSeparator();

    // The go-to buttons always show, pressed, the page that is active.
    auto* gotoGroup = new QActionGroup(this);
    for (QAction* button : {tbGotoProject, tbGotoParam, tbGotoCalc}) {
        button->setCheckable(true);
        gotoGroup->addAction(button);
    }
    gotoGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    // The liquid editor and the reports come with their own commands; until then their buttons
    // are shown disabled (Preview and Print also need results).
    for (QAction* later : {tbFluids, tbPreview, tbPrint})
        later->setEnabled(false);

    lblUnitsStandard = new QLabel(ToolBar1);
    lblUnitsStandard->setObjectName(QStringLiteral("lblUnitsStandard"));
    cbUnitsStandard = new QComboBox(ToolBar1);
    cbUnitsStandard->setObjectName(QStringLiteral("cbUnitsStandard"));
    for (std::string_view name : kUnitPresetNames)
        cbUnitsStandard->addItem(qs(name));
    cbUnitsStandard->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ToolBar1->addWidget(lblUnitsStandard);
    ToolBar1->addWidget(cbUnitsStandard);

    connect(tbNewProject, &QAction::triggered, this, &MainWindow::New1Click);
    connect(tbGotoProject, &QAction::triggered, this, &MainWindow::tbGotoProjectClick);
    connect(tbGotoParam, &QAction::triggered, this, &MainWindow::tbGotoParamClick);
    connect(tbGotoCalc, &QAction::triggered, this, &MainWindow::tbGotoCalcClick);
    connect(tbVelorWeb, &QAction::triggered, this, &MainWindow::WebItemClick);
    connect(tbOnline, &QAction::triggered, this, &MainWindow::UsersManual1Click);
    connect(cbUnitsStandard, &QComboBox::currentIndexChanged, this, &MainWindow::cbUnitsStandardChange);
    connect(PageControl1, &QTabWidget::currentChanged, this, &MainWindow::PageControl1Change);
}

// ---- Start-up and shut-down -----------------------------------------------------------------

void MainWindow::startUp()
{
    // 1. Title and the settings root.
    setWindowTitle(QLatin1String(kTitle));
    resize(1000, 720);
    if (!m_settings.store().rootExists())
        m_settings.store().createRoot();

    // 2. Working limits of the catalogue.
    const ProgramFolder& folder = m_settings.programFolder();
    m_workingLimits = ReadWorkingLimits(folder);

    // 3. The system's screen font.
    recordScreenFont(m_settings,
                     fromQFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont), kCharsetWestern));

    // 4. Splash screen, language and the font rule.
    const std::string language = m_settings.ensureLanguage();
    applyCyrillicFontRule(m_settings, m_options.localeId);
    std::unique_ptr<SplashScreen> splash;
    if (m_options.showSplash) {
        splash = std::make_unique<SplashScreen>(m_settings);
        splash->show();
        QApplication::processEvents();
    }

    // 5-6. Scaling is done by the layouts and Qt's high-DPI support; the main-program font.
    applyMainFont();

    // 7-9. Unit boxes are filled by the pages; restore the input units and show the preset.
    m_parametersPage->units()->restore(m_settings);
    {
        const QSignalBlocker blocker(cbUnitsStandard);
        const int preset = m_settings.group(SettingsGroupId::UnitsInput).integer("UnitsStandard");
        cbUnitsStandard->setCurrentIndex(preset >= 0 && preset < cbUnitsStandard->count() ? preset : -1);
    }

    // 10. Calculations tab hidden until a first calculation; today's date.
    PageControl1->setTabVisible(kCalculationsPage, false);
    m_projectPage->setProjectDate(QDate::currentDate());

    // 11. The last fluids, and their working copies rebuilt from the delivered database.
    SettingsGroup& fluids = m_settings.group(SettingsGroupId::UnitsFluids);
    m_liquidHS = fluids.string("LiquidHS");
    m_liquidCS = fluids.string("LiquidCS");
    m_vaporHS = fluids.string("VaporHS");
    deleteWorkingCopies();
    FluidFiles fluidFiles(folder.fluids());
    (void)fluidFiles.CopyLiquidToWork(m_liquidHS);
    if (m_liquidCS != m_liquidHS)
        (void)fluidFiles.CopyLiquidToWork(m_liquidCS);
    (void)fluidFiles.CopyVaporToWork(m_vaporHS);

    // 12. Prepared-by list and the project name from the stored initial.
    m_projectPage->restorePreparedBy();

    // 13. Spin steps of 5 in the last decimal, then the decimals of every field.
    m_parametersPage->units()->applySteps(5);
    m_parametersPage->units()->applyDecimals(m_settings);
    m_calculationsPage->units()->applyDecimals(m_settings);

    // 14-15, 17. The last duty with its fluids and flows, and the exchanger-type tree.
    m_parametersPanel->startUp();

    // 14. The page that was active (0 Project, 1 Parameters).
    const int activePage = static_cast<int>(m_settings.group(SettingsGroupId::Data).real("ActivePage"));

    // 16. Translation (built-in English captions otherwise).
    const TListNames dataTexts = loadScreenTexts(m_settings, "Data.dat");
    translateWith(loadScreenTexts(m_settings, "Menu.dat"), loadScreenTexts(m_settings, "Project.dat"),
                  dataTexts);
    m_parametersPanel->translateTree(TListNames(), dataTexts);
    for (QAction* item : m_languageGroup->actions())
        item->setChecked(item->data().toString() == qs(language));

    // 18-19. Device, printout, material standard and location choices.
    SettingsGroup& device = m_settings.group(SettingsGroupId::Device);
    device.string("HotSide");
    device.string("ColdSide");
    const std::string autoCalc = device.string("AutoCalc");
    if (autoCalc == "Yes")
        AutomaticCalculate1->setChecked(true);
    else if (autoCalc == "No")
        Askbeforecalculate1->setChecked(true);
    const std::string printout = m_settings.group(SettingsGroupId::Printouts).string("Printout");
    Standard1->setChecked(printout == "Standard");
    Extended1->setChecked(printout == "Extended");
    const std::string material = m_settings.group(SettingsGroupId::MaterialStandard).string("MatStd");
    PN1->setChecked(material == "EN");
    AISI1->setChecked(material == "AISI");
    const QString location = qs(m_settings.group(SettingsGroupId::Location).string("Location"));
    for (QAction* item : {Location1, Location2, Location3})
        item->setChecked(item->data().toString() == location);

    // 20. The active page with its go-to button pressed.
    PageControl1->setCurrentIndex(activePage == 1 ? kParametersPage : kProjectPage);
    PageControl1Change(PageControl1->currentIndex());
    splash.reset();

    // 22. The manual's button.
    updateManualCommands();
    updateTitle();
}

void MainWindow::showInStartState()
{
    if (m_settings.group(SettingsGroupId::WindowState).string("WindowState") == "Maximized") {
        showMaximized();
    } else {
        show();
    }
}

void MainWindow::storeUnitsAndPage()
{
    m_parametersPage->units()->store(m_settings);
    m_settings.group(SettingsGroupId::UnitsInput)
        .WriteInteger(kDefaultsSection, "UnitsStandard", cbUnitsStandard->currentIndex());
    m_calculationsPage->units()->store(m_settings);
    const int page = PageControl1->currentIndex();
    SettingsGroup& data = m_settings.group(SettingsGroupId::Data);
    if (page == kProjectPage)
        data.WriteFloat(kDefaultsSection, "ActivePage", 0);
    else if (page == kParametersPage || page == kCalculationsPage)
        data.WriteFloat(kDefaultsSection, "ActivePage", 1);
}

void MainWindow::deleteWorkingCopies()
{
    FluidFiles fluidFiles(m_settings.programFolder().fluids());
    for (std::string_view file : {kLiquidsTmp, kPropLiquidsTmp, kVaporsTmp, kPropVaporsTmp})
        (void)fluidFiles.DeleteFluidFile(file);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const PromptAnswer answer = saveChangesPrompt();
    m_settings.group(SettingsGroupId::WindowState)
        .WriteString(kDefaultsSection, "WindowState", isMaximized() ? "Maximized" : "Normal");
    if (answer == PromptAnswer::Cancel)
        event->ignore();
    else
        event->accept();
}

// ---- Title, prompt, New, Exit ---------------------------------------------------------------

void MainWindow::updateTitle()
{
    const QString name = m_projectPage->projectName();
    const QString number = m_projectPage->calcNumber();
    QString title = QLatin1String(kTitle);
    if (!name.isEmpty() && !number.isEmpty())
        title = QLatin1String(kTitlePrefix) + name + QLatin1Char('_') + number;
    else if (!name.isEmpty() || !number.isEmpty())
        title = QLatin1String(kTitlePrefix) + name + number;
    setWindowTitle(title);
}

QString MainWindow::projectNameFromTitle() const
{
    const QString title = windowTitle();
    const QString prefix = QLatin1String(kTitlePrefix);
    return title.startsWith(prefix) ? title.mid(prefix.size()) : QString();
}

PromptAnswer MainWindow::saveChangesPrompt()
{
    const QString name = projectNameFromTitle();
    const TListNames messages = loadMessages(m_settings);
    const QString question = entryText(messages, 12, QString());
    const QString text =
        name.isEmpty() ? question + QLatin1Char('?') : question + QLatin1Char(' ') + name + QLatin1Char('?');
    const auto spec = messageFromFile(messages, 10, MessageKind::Question, {text}, {25, 26, 11});
    if (!spec)
        return PromptAnswer::None;
    switch (MessageDialog::ask(*spec, this)) {
    case 0:
        // Without a way to save the project the window stays, so nothing is lost silently.
        if (saveProjectForPrompt && saveProjectForPrompt())
            return PromptAnswer::Yes;
        return PromptAnswer::Cancel;
    case 1:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

void MainWindow::New1Click()
{
    if (saveChangesPrompt() == PromptAnswer::Cancel)
        return;
    m_projectPage->newProject();
    m_parametersPanel->beginUnitChange();
    m_parametersPage->clearFields();
    m_parametersPanel->endUnitChange();
    m_parametersPanel->clearDuty();
    m_calculationsPage->clearFields();
    m_calculations.panel->resetRatingPage();
    m_calculations.panel->clearResults();
}

void MainWindow::Exit1Click()
{
    close();
}

// ---- Settings menu --------------------------------------------------------------------------

void MainWindow::AutomaticCalculate1Click()
{
    m_settings.group(SettingsGroupId::Device).WriteString(kDefaultsSection, "AutoCalc", "Yes");
}

void MainWindow::Askbeforecalculate1Click()
{
    m_settings.group(SettingsGroupId::Device).WriteString(kDefaultsSection, "AutoCalc", "No");
}

void MainWindow::Standard1Click()
{
    m_settings.group(SettingsGroupId::Printouts).WriteString(kDefaultsSection, "Printout", "Standard");
}

void MainWindow::Extended1Click()
{
    m_settings.group(SettingsGroupId::Printouts).WriteString(kDefaultsSection, "Printout", "Extended");
}

void MainWindow::AISI1Click()
{
    m_settings.group(SettingsGroupId::MaterialStandard).WriteString(kDefaultsSection, "MatStd", "AISI");
}

void MainWindow::PN1Click()
{
    m_settings.group(SettingsGroupId::MaterialStandard).WriteString(kDefaultsSection, "MatStd", "EN");
}

void MainWindow::LocationClick(QAction* location)
{
    // The location is stored by its English name, whatever language the menu shows.
    m_settings.group(SettingsGroupId::Location)
        .WriteString(kDefaultsSection, "Location", us(location->data().toString()));
}

void MainWindow::Precision1Click()
{
    PrecisionDialog dialog(m_settings, this);
    if (dialog.exec() == QDialog::Accepted)
        reapplyFieldSettings();
}

void MainWindow::reapplyFieldSettings()
{
    UnitBoxSet* inputs = m_parametersPage->units();
    UnitBoxSet* results = m_calculationsPage->units();
    m_parametersPanel->beginUnitChange();
    inputs->applySteps(5);
    inputs->applyDecimals(m_settings);
    results->applyDecimals(m_settings);
    inputs->reapplyTriples();
    m_parametersPanel->endUnitChange();
    results->reapplyTriples();
}

void MainWindow::Fonts1Click()
{
    storeSlotFont(m_settings, FontSlot::MainProgF, fromQFont(font(), screenCharset(m_settings)));
    FontsDialog dialog(m_settings, this);
    if (dialog.exec() == QDialog::Accepted)
        applyMainFont();
}

void MainWindow::applyMainFont()
{
    const QFont mainFont = toQFont(effectiveSlotFont(m_settings, FontSlot::MainProgF));
    setFont(mainFont);
    QApplication::setFont(mainFont);
    const QFont screen = toQFont(screenFont(m_settings));
    lblUnitsStandard->setFont(fontSlotManual(m_settings, FontSlot::MainProgF) ? mainFont : screen);
    cbUnitsStandard->setFont(lblUnitsStandard->font());
}

void MainWindow::Units1Click()
{
    PrintUnitsDialog dialog(m_settings, this);
    dialog.exec();
}

void MainWindow::Contact1Click()
{
    ContactDialog dialog(m_settings, this);
    dialog.exec();
}

// ---- Languages ------------------------------------------------------------------------------

void MainWindow::Language1Popup()
{
    const auto items = buildLanguageMenu(m_settings);
    if (!items)
        return;
    for (QAction* item : m_languageGroup->actions())
        if (item != English1) {
            m_languageGroup->removeAction(item);
            Language1->removeAction(item);
            item->deleteLater();
        }
    bool first = true;
    for (const LanguageMenuItem& entry : *items) {
        QAction* item = first ? English1 : new QAction(this);
        if (!first) {
            item->setObjectName(QStringLiteral("Language_") + qs(entry.folder));
            item->setCheckable(true);
            m_languageGroup->addAction(item);
            Language1->addAction(item);
        }
        item->setText(qs(entry.caption));
        item->setData(qs(entry.folder));
        item->setChecked(entry.checked);
        first = false;
    }
}

void MainWindow::LanguageItemClick(QAction* item)
{
    LanguageMenuItem clicked;
    clicked.folder = us(item->data().toString());
    clicked.caption = us(item->text());
    const LanguageSwitch result = switchLanguage(m_settings, clicked, m_options.localeId);
    const QString stored = qs(m_settings.language());
    for (QAction* entry : m_languageGroup->actions())
        entry->setChecked(entry->data().toString() == stored);
    if (result.changed) {
        applyMainFont();
        translateFrom(result.newLanguage);
        const ProgramFolder& folder = m_settings.programFolder();
        m_parametersPanel->translateTree(loadLanguageFile(folder, result.oldLanguage, "Data.dat"),
                                         loadLanguageFile(folder, result.newLanguage, "Data.dat"));
        emit languageSwitched(qs(result.oldLanguage), qs(result.newLanguage));
    }
    updateManualCommands();
}

void MainWindow::translateFrom(const std::string& language)
{
    const ProgramFolder& folder = m_settings.programFolder();
    translateWith(loadLanguageFile(folder, language, "Menu.dat"),
                  loadLanguageFile(folder, language, "Project.dat"),
                  loadLanguageFile(folder, language, "Data.dat"));
}

void MainWindow::translateWith(const TListNames& menu, const TListNames& project, const TListNames& data)
{
    // Menus (captions) ------------------------------------------------------------------------
    File1->setTitle(entryText(menu, 0, tr("&File")));
    applyMenuCaption(New1, menu, 1, tr("&New"));
    applyMenuCaption(Open1, menu, 2, tr("&Open..."));
    applyMenuCaption(Save1, menu, 3, tr("&Save"));
    applyMenuCaption(SaveAs1, menu, 4, tr("Save &As..."));
    applyMenuCaption(Print1, menu, 5, tr("&Print"));
    applyMenuCaption(Preview1, menu, 6, tr("Pr&eview"));
    applyMenuCaption(Exit1, menu, 7, tr("&Exit"));
    Calculations1->setTitle(entryText(menu, 8, tr("&Calculations")));
    applyMenuCaption(Calculate1, menu, 9, tr("Calculate"));
    applyMenuCaption(AutomaticCalculate1, menu, 11, tr("&Automatic Calculate"));
    applyMenuCaption(Askbeforecalculate1, menu, 12, tr("A&sk Before Calculate"));
    Settings1->setTitle(entryText(menu, 13, tr("&Settings")));
    Language1->setTitle(entryText(menu, 14, tr("&Language")));
    Printouts1->setTitle(entryText(menu, 15, tr("Pri&ntouts")));
    applyMenuCaption(Standard1, menu, 16, tr("St&andard"));
    applyMenuCaption(Extended1, menu, 17, tr("&Extended"));
    applyMenuCaption(Precision1, menu, 18, tr("&Precision"));
    KORVANEX1->setTitle(entryText(menu, 19, tr("&Help")));
    applyMenuCaption(Online1, menu, 20, tr("&Online..."));
    applyMenuCaption(KORVANEXWEB1, menu, 21, tr("KORVANEX Home Page"));
    applyMenuCaption(VelorWeb1, menu, 22, tr("Velor Home Page"));
    applyMenuCaption(About1, menu, 23, tr("&About..."));
    lblUnitsStandard->setText(entryText(menu, 24, tr("Units  ")));
    NearestLocation1->setTitle(entryText(menu, 38, tr("N&earest Location")));
    applyMenuCaption(Location1, menu, 39, tr("Canada"));
    applyMenuCaption(Location2, menu, 40, tr("Czech Republic"));
    applyMenuCaption(Location3, menu, 41, tr("Poland"));
    TechnicalData1->setTitle(entryText(menu, 42, tr("Te&chnical Data")));
    applyMenuCaption(Fonts1, menu, 43, tr("&Fonts"));
    MaterialsAccording1->setTitle(entryText(menu, 46, tr("&Materials according to")));
    applyMenuCaption(Units1, menu, 47, tr("&Units"));
    applyMenuCaption(Contact1, menu, 48, tr("Co&ntact..."));
    applyMenuCaption(UsersManual1, menu, 49, tr("&User's Manual"));
    AISI1->setText(QStringLiteral("AISI"));
    PN1->setText(QStringLiteral("EN"));

    // Toolbar (hints) -------------------------------------------------------------------------
    applyToolbarHint(tbVelorWeb, menu, 22, tr("Velor Home Page"));
    applyToolbarHint(tbNewProject, menu, 25, tr("New project"));
    applyToolbarHint(tbOpenProject, menu, 26, tr("Open project"));
    applyToolbarHint(tbSaveProject, menu, 27, tr("Save project"));
    applyToolbarHint(tbGotoProject, menu, 28, tr("Go to project"));
    applyToolbarHint(tbGotoParam, menu, 29, tr("Go to parameters"));
    applyToolbarHint(tbGotoCalc, menu, 30, tr("Go to calculations"));
    applyToolbarHint(tbCalculate, menu, 31, tr("Calculate"));
    applyToolbarHint(tbPreview, menu, 32, tr("Preview"));
    applyToolbarHint(tbPrint, menu, 33, tr("Print"));
    applyToolbarHint(tbFluids, menu, 35, tr("Fluids"));
    applyToolbarHint(tbOnline, menu, 50, tr("User's Manual"));

    // Pages -----------------------------------------------------------------------------------
    m_projectPage->translate(project);
    m_parametersPanel->translate(data);
    PageControl1->setTabText(kProjectPage, entryText(project, 0, tr("&Project")));
    PageControl1->setTabText(kParametersPage, entryText(data, 0, tr("P&arameters")));
    PageControl1->setTabText(kCalculationsPage, entryText(data, 40, tr("Calc&ulations")));
    m_calculations.panel->translate(data);
    PageControl1->setTabText(kDesignPage, entryText(data, 91, tr("&Design")));
    cbUnitsStandard->setItemText(kPresetOther, entryText(data, 24, qs(kUnitPresetNames[kPresetOther])));
    applyHint(cbUnitsStandard, data, 77, tr("Units standard"));
}

// ---- Help menu ------------------------------------------------------------------------------

void MainWindow::KORVANEX1Popup()
{
    UsersManual1->setEnabled(userManualAvailable(m_settings));
}

void MainWindow::updateManualCommands()
{
    const bool manual = userManualAvailable(m_settings);
    tbOnline->setEnabled(manual);
    UsersManual1->setEnabled(manual);
}

void MainWindow::WebItemClick()
{
    // The program has no web pages of its own: for the two locations with a maker's office the
    // web commands show the About box with the program's address lines; any other location opens
    // nothing.
    const std::string location = m_settings.group(SettingsGroupId::Location).string("Location");
    if (location == kLocationPoland || location == kLocationCzech)
        About1Click();
}

void MainWindow::UsersManual1Click()
{
    if (userManualAvailable(m_settings))
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(QString::fromStdString(userManualPath(m_settings).string())));
}

void MainWindow::About1Click()
{
    AboutDialog dialog(m_settings, this);
    dialog.exec();
}

// ---- Pages and units ------------------------------------------------------------------------

void MainWindow::PageControl1Change(int index)
{
    // The Design page has no go-to button: then none is shown pressed.
    tbGotoProject->setChecked(index == kProjectPage);
    tbGotoParam->setChecked(index == kParametersPage);
    tbGotoCalc->setChecked(index == kCalculationsPage);
    if (index == kParametersPage)
        parametersPageEntered();
}

void MainWindow::parametersPageEntered()
{
    // The first visit after a project was opened from the command line ticks the loaded size.
    if (!m_openedFromCommandLine)
        return;
    m_openedFromCommandLine = false;
    const auto& results = m_calculations.panel->results();
    if (results.size() == 1 && !results.front().SizeName.empty())
        m_parametersPanel->setSelectedSizes({results.front().SizeName});
}

void MainWindow::openFromCommandLine(const QString& path)
{
    PageControl1->setTabVisible(kCalculationsPage, true);
    PageControl1->setCurrentIndex(kCalculationsPage);
    m_calculations.panel->showRatingPage();
    if (auto* arrow = m_calculations.panel->findChild<QToolButton*>(QStringLiteral("tbSortArrow")))
        arrow->setEnabled(false);
    PageControl1Change(PageControl1->currentIndex());
    m_openedFromCommandLine = true;
    m_projectCommands->ReadProjectFile(std::filesystem::path(path.toStdString()));
}

void MainWindow::tbGotoProjectClick()
{
    PageControl1->setCurrentIndex(kProjectPage);
    PageControl1Change(PageControl1->currentIndex());
}

void MainWindow::tbGotoParamClick()
{
    PageControl1->setCurrentIndex(kParametersPage);
    PageControl1Change(PageControl1->currentIndex());
}

void MainWindow::tbGotoCalcClick()
{
    if (m_calculationsPage->hasResults()) {
        PageControl1->setTabVisible(kCalculationsPage, true);
        PageControl1->setCurrentIndex(kCalculationsPage);
    } else if (Calculate1->isEnabled()) {
        Calculate1->trigger();
    }
    PageControl1Change(PageControl1->currentIndex());
}

void MainWindow::cbUnitsStandardChange(int index)
{
    if (index < 0)
        return;
    UnitBoxSet* inputs = m_parametersPage->units();
    UnitBoxSet* results = m_calculationsPage->units();
    if (index != kPresetOther) {
        m_parametersPanel->beginUnitChange();
        inputs->applyPreset(index);
        m_parametersPanel->endUnitChange();
        results->applyPreset(index);
    }
    inputs->store(m_settings);
    m_settings.group(SettingsGroupId::UnitsInput).WriteInteger(kDefaultsSection, "UnitsStandard", index);
    results->store(m_settings);
}

void MainWindow::inputUnitChanged(int boxIndex)
{
    // A single box changed by the user: its unit is stored at once and the preset shows "Other".
    m_parametersPage->units()->storeBox(m_settings, boxIndex);
    if (cbUnitsStandard->currentIndex() != kPresetOther) {
        const QSignalBlocker blocker(cbUnitsStandard);
        cbUnitsStandard->setCurrentIndex(kPresetOther);
    }
}

void MainWindow::resultUnitChanged(int boxIndex)
{
    m_calculationsPage->units()->storeBox(m_settings, boxIndex);
    if (cbUnitsStandard->currentIndex() != kPresetOther) {
        const QSignalBlocker blocker(cbUnitsStandard);
        cbUnitsStandard->setCurrentIndex(kPresetOther);
    }
}

} // namespace velor
