// Puts the Calculations page contents and the Calculate command into the main window: the page's
// panel, the Calculate menu item and toolbar button, the Calculations tab, Preview and Print, and
// the double-click display from the selected-sizes list of the Parameters page.
#pragma once

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QTabWidget;

namespace velor {

class CalculateCommand;
class CalculationsPage;
class CalculationsPanel;
class ParametersPanel;
class Settings;

/// What the main window lends to the Calculations page.
struct CalculationsWiring
{
    Settings* settings = nullptr;
    QTabWidget* pages = nullptr; // the main window's page control
    int calculationsIndex = 2;   // the Calculations page's position in it
    CalculationsPage* calculationsPage = nullptr;
    ParametersPanel* parametersPanel = nullptr;
    QComboBox* unitsStandard = nullptr; // the window's preset box
    QAction* calculate = nullptr;       // menu item "Calculate"
    QAction* calculateButton = nullptr; // toolbar button
    QAction* automaticCalculate = nullptr;
    std::vector<QAction*> reportCommands; // Preview and Print, menu and toolbar
    /// Shows the Parameters page (and presses its go-to button).
    std::function<void()> showParametersPage;
    /// Called after the page control changed page by the program (presses the go-to button).
    std::function<void()> pageShown;
};

struct CalculationsParts
{
    CalculationsPanel* panel = nullptr;
    CalculateCommand* command = nullptr;
};

/// Builds the page's panel into the Calculations page and the command, and connects them.
CalculationsParts wireCalculations(const CalculationsWiring& wiring);

} // namespace velor
