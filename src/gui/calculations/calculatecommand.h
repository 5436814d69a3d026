// The Calculate command: the temperature and selection check with its red marks, the question
// of "A&sk Before Calculate", the run over the selected sizes with the progress window, and what
// follows a run (the result list, the vapor note, the stored duty, or the no-result message).
#pragma once

#include "app/heatbalance.h"
#include "app/messagedialog.h"
#include "base/programfolder.h"
#include "catalogue/sizeselection.h"

#include <QObject>
#include <functional>
#include <string_view>

class QWidget;

namespace velor {

class CalculationsPanel;
class ParametersPanel;

/// Marks on the Parameters page what the duty check found wrong: the temperature label and
/// field of the group (the condenser's fields for a condensing hot side), or the caption "Heat
/// Exchangers" and every tree node; `CheckMark::None` sets the temperature fields and the tree
/// back to black.
void markDutyCheck(ParametersPanel& page, CheckMark mark);

class CalculateCommand : public QObject
{
    Q_OBJECT
public:
    /// `window` parents the dialogs and the progress window.
    CalculateCommand(Settings& settings, ProgramFolder folder, HeatBalance& balance, SizeSelection& selection,
                     CalculationsPanel& panel, QWidget* window);

    // ---- Hooks to the main window and the Parameters page ----
    /// Whether "&Automatic Calculate" is checked (otherwise "A&sk Before Calculate" is).
    std::function<bool()> automaticCalculate;
    /// Marks a group red; `CheckMark::None` sets every red mark back to black.
    std::function<void(CheckMark)> markRed;
    std::function<void()> showParametersPage;
    std::function<void()> showCalculationsPage;
    /// Shows a message and answers the position of the chosen button (a modal dialog by default).
    std::function<int(const MessageSpec&)> ask;

    /// The Calculate command of the menu and the toolbar: the sort reset to "Sort by Type", the
    /// Calculations page with its "&Rating" page shown, then the check and the run.
    void Calculate1Click();
    /// Entering the Calculations page by its tab: the sort reset and, while the tab is visible,
    /// the check and the run again.
    void CalcTabSheetShow(bool tabVisible);

    /// The check of the duty's temperatures and the selection, then the run (at once or after the
    /// question).
    void CheckAndRun();
    /// Rates the selected sizes against the duty and shows the outcome.
    void Calculate(std::string_view material, long double wallConductivity);

    /// How many runs reached the engine (tests).
    int runCount() const { return m_runs; }

private:
    int showMessage(const MessageSpec& spec);
    void noResultMessage(const TListNames& messages);

    Settings& m_settings;
    ProgramFolder m_folder;
    HeatBalance& m_balance;
    SizeSelection& m_selection;
    CalculationsPanel& m_panel;
    QWidget* m_window;
    int m_runs = 0;
};

} // namespace velor
