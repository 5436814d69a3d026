// The main window `Tb`: menu bar, toolbar with the units-standard box, the four bottom pages and
// the go-to buttons, the title rules, the save-changes prompt, New and Exit, the Language menu,
// and the start-up and shut-down sequences. The pages carry their own contents; the window only
// composes them and routes commands.
#pragma once

#include "app/language.h"
#include "app/settings.h"
#include "calculations/calculationswiring.h"
#include "catalogue/catalogrecords.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace velor {

class ProjectPage;
class ParametersPage;
class ParametersPanel;
class CalculationsPage;
class DesignPage;
class ProjectCommands;

/// Answer of the save-changes prompt; `None` when no prompt could be shown.
enum class PromptAnswer
{
    None,
    Yes,
    No,
    Cancel,
};

struct StartOptions
{
    /// The user's locale identifier for the font rule (nullopt: unknown, the rule does nothing).
    std::optional<std::string> localeId;
    bool showSplash = true;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr const char* kTitle = "VELOR 3.4.0";
    static constexpr const char* kTitlePrefix = "VELOR 3.4.0 - ";

    MainWindow(Settings& settings, StartOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Shows the window as the stored window state says (maximised or normal).
    void showInStartState();

    Settings& settings() const { return m_settings; }
    ProjectPage* projectPage() const { return m_projectPage; }
    ParametersPage* parametersPage() const { return m_parametersPage; }
    ParametersPanel* parametersPanel() const { return m_parametersPanel; }
    CalculationsPage* calculationsPage() const { return m_calculationsPage; }
    CalculationsPanel* calculationsPanel() const { return m_calculations.panel; }
    DesignPage* designPage() const { return m_designPage; }
    QTabWidget* pageControl() const { return PageControl1; }

    /// The working limits read at start-up (for the type tree).
    const TParamRecList& workingLimits() const { return m_workingLimits; }
    /// The fluids restored at start-up (hot liquid, cold liquid, vapor).
    const std::string& liquidHS() const { return m_liquidHS; }
    const std::string& liquidCS() const { return m_liquidCS; }
    const std::string& vaporHS() const { return m_vaporHS; }

    /// The project name held in the title (empty for the bare title).
    QString projectNameFromTitle() const;

    /// The save-changes prompt (shown every time; no prompt without "MsgData.dat").
    PromptAnswer saveChangesPrompt();
    /// Saving the project for the prompt's "Yes" (Save); returns false when the project was not
    /// saved, and the prompt then answers Cancel so that nothing is lost silently.
    std::function<bool()> saveProjectForPrompt;

    /// Open, Save and Save As of project files.
    ProjectCommands* projectCommands() const { return m_projectCommands; }
    /// The project file named on the command line: the Calculations page is shown, the project
    /// is loaded and the first visit to the Parameters page ticks its size in the tree.
    void openFromCommandLine(const QString& path);
    bool openedFromCommandLine() const { return m_openedFromCommandLine; }

    /// Re-applies spin steps, decimals and unit triples to every field of both pages.
    void reapplyFieldSettings();
    /// Applies the main-program font slot (manual: stored font; automatic: screen font).
    void applyMainFont();
    /// Menus, toolbar and pages from the language files (empty files: built-in English).
    void translateFrom(const std::string& language);

signals:
    /// The language was switched from the menu (after menus, toolbar and Project page were
    /// translated): the pages re-translate their own contents, tree nodes and labels.
    void languageSwitched(const QString& oldLanguage, const QString& newLanguage);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Handlers, named after their controls.
    void New1Click();
    void Exit1Click();
    void AutomaticCalculate1Click();
    void Askbeforecalculate1Click();
    void Standard1Click();
    void Extended1Click();
    void AISI1Click();
    void PN1Click();
    void LocationClick(QAction* location);
    void Precision1Click();
    void Fonts1Click();
    void Units1Click();
    void Contact1Click();
    void Language1Popup();
    void LanguageItemClick(QAction* item);
    void KORVANEX1Popup();
    void WebItemClick();
    void UsersManual1Click();
    void About1Click();
    void tbGotoProjectClick();
    void tbGotoParamClick();
    void tbGotoCalcClick();
    void parametersPageEntered();
    void PageControl1Change(int index);
    void cbUnitsStandardChange(int index);
    void inputUnitChanged(int boxIndex);
    void resultUnitChanged(int boxIndex);
    void updateTitle();
    void updateManualCommands();

    void buildMenus();
    void buildToolBar();
    void buildPages();
    void startUp();
    void translateWith(const TListNames& menu, const TListNames& project, const TListNames& data);
    void storeUnitsAndPage();
    void deleteWorkingCopies();

    Settings& m_settings;
    StartOptions m_options;
    TParamRecList m_workingLimits;
    std::string m_liquidHS, m_liquidCS, m_vaporHS;

    QTabWidget* PageControl1 = nullptr;
    ProjectPage* m_projectPage = nullptr;
    ParametersPage* m_parametersPage = nullptr;
    ParametersPanel* m_parametersPanel = nullptr;
    CalculationsPage* m_calculationsPage = nullptr;
    DesignPage* m_designPage = nullptr;
    CalculationsParts m_calculations; // the Calculations page contents and the Calculate command
    ProjectCommands* m_projectCommands = nullptr;
    bool m_openedFromCommandLine = false;

    QToolBar* ToolBar1 = nullptr;
    QLabel* lblUnitsStandard = nullptr;
    QComboBox* cbUnitsStandard = nullptr;

    QMenu *File1 = nullptr, *Calculations1 = nullptr, *Settings1 = nullptr, *Language1 = nullptr,
          *Printouts1 = nullptr, *TechnicalData1 = nullptr, *MaterialsAccording1 = nullptr,
          *NearestLocation1 = nullptr, *KORVANEX1 = nullptr;
    QAction *New1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr, *Preview1 = nullptr,
            *Print1 = nullptr, *Exit1 = nullptr, *Calculate1 = nullptr, *AutomaticCalculate1 = nullptr,
            *Askbeforecalculate1 = nullptr, *English1 = nullptr, *Standard1 = nullptr, *Extended1 = nullptr,
            *AISI1 = nullptr, *PN1 = nullptr, *Units1 = nullptr, *Contact1 = nullptr, *Precision1 = nullptr,
            *Fonts1 = nullptr, *Location1 = nullptr, *Location2 = nullptr, *Location3 = nullptr,
            *Online1 = nullptr, *UsersManual1 = nullptr, *KORVANEXWEB1 = nullptr, *VelorWeb1 = nullptr,
            *About1 = nullptr;
    QAction *tbNewProject = nullptr, *tbOpenProject = nullptr, *tbSaveProject = nullptr,
            *tbGotoProject = nullptr, *tbGotoParam = nullptr, *tbGotoCalc = nullptr, *tbCalculate = nullptr,
            *tbFluids = nullptr, *tbPreview = nullptr, *tbPrint = nullptr, *tbVelorWeb = nullptr,
            *tbOnline = nullptr;
    QActionGroup* m_languageGroup = nullptr;
};

} // namespace velor
