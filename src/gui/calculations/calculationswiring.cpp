// The Calculations page and the Calculate command in the main window.
#include "calculations/calculationswiring.h"

#include "app/guitext.h"
#include "app/pages.h"
#include "calculations/calculatecommand.h"
#include "calculations/calculationspanel.h"
#include "parameters/parameterspanel.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

namespace velor {

CalculationsParts wireCalculations(const CalculationsWiring& w)
{
    CalculationsPage* page = w.calculationsPage;
    ParametersPanel* parameters = w.parametersPanel;
    auto* panel = new CalculationsPanel(*w.settings, w.settings->programFolder(), page->units(), page);
    page->contentLayout()->addWidget(panel);
    panel->setBalance(&parameters->balance());
    QComboBox* preset = w.unitsStandard;
    panel->unitPreset = [preset] { return preset->currentIndex(); };
    const std::vector<QAction*> reports = w.reportCommands;
    panel->setReportCommandsEnabled = [reports](bool on) {
        for (QAction* command : reports)
            command->setEnabled(on);
    };
    panel->resultsChanged = [page](int count) { page->setResultCount(count); };

    auto* command = new CalculateCommand(*w.settings, w.settings->programFolder(), parameters->balance(),
                                         parameters->selection(), *panel, w.pages->window());
    QAction* automatic = w.automaticCalculate;
    command->automaticCalculate = [automatic] { return automatic->isChecked(); };
    command->markRed = [parameters](CheckMark mark) { markDutyCheck(*parameters, mark); };
    command->showParametersPage = w.showParametersPage;
    QTabWidget* pages = w.pages;
    const int index = w.calculationsIndex;
    const auto pageShown = w.pageShown;
    command->showCalculationsPage = [pages, index, pageShown] {
        pages->setTabVisible(index, true);
        pages->setCurrentIndex(index);
        if (pageShown)
            pageShown();
    };

    for (QAction* action : {w.calculate, w.calculateButton}) {
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, command, &CalculateCommand::Calculate1Click);
    }
    // Entering the page by its tab: once the switch is done, the sort reset and the run again.
    QObject::connect(pages->tabBar(), &QTabBar::tabBarClicked, command, [pages, index, command](int clicked) {
        if (clicked == index && pages->currentIndex() != index)
            QTimer::singleShot(0, command, [pages, index, command] {
                command->CalcTabSheetShow(pages->isTabVisible(index));
            });
    });
    // A double-click in the selected-sizes list shows that size without rating it.
    if (auto* selected = parameters->findChild<QListWidget*>(QStringLiteral("ListBox1")))
        QObject::connect(selected, &QListWidget::itemDoubleClicked, panel,
                         [parameters, panel, command](QListWidgetItem* item) {
                             if (!item || parameters->balance().hotSide() != HotSideKind::Liquid)
                                 return;
                             command->showCalculationsPage();
                             panel->showRatingPage();
                             panel->showUnrated(us(item->text()));
                         });
    return {panel, command};
}

} // namespace velor
