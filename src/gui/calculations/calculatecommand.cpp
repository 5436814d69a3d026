// The Calculate command.
#include "calculations/calculatecommand.h"

#include "app/calcdisplay.h"
#include "app/guitext.h"
#include "calculations/calculationspanel.h"
#include "calculations/progresswindow.h"
#include "engine/run.h"
#include "parameters/parameterspanel.h"

#include <memory>

namespace velor {

CalculateCommand::CalculateCommand(Settings& settings, ProgramFolder folder, HeatBalance& balance,
                                   SizeSelection& selection, CalculationsPanel& panel, QWidget* window)
    : QObject(window), m_settings(settings), m_folder(std::move(folder)), m_balance(balance),
      m_selection(selection), m_panel(panel), m_window(window)
{
}

void markDutyCheck(ParametersPanel& page, CheckMark mark)
{
    const bool condensing = page.balance().hotSide() == HotSideKind::Condensing;
    if (mark == CheckMark::None) {
        for (DutyField f :
             {DutyField::InletTempHSide, DutyField::OutletTempHSide, DutyField::InletTempHSideVC,
              DutyField::OutletTempHSideVC, DutyField::InletTempCSide, DutyField::OutletTempCSide})
            page.setFieldRed(f, false);
        page.selection().clearRed();
        return;
    }
    switch (mark) {
    case CheckMark::ColdOutlet:
        page.setFieldRed(DutyField::OutletTempCSide, true);
        break;
    case CheckMark::ColdInlet:
        page.setFieldRed(DutyField::InletTempCSide, true);
        break;
    case CheckMark::HotOutlet:
        page.setFieldRed(condensing ? DutyField::OutletTempHSideVC : DutyField::OutletTempHSide, true);
        break;
    case CheckMark::HotInlet:
        page.setFieldRed(condensing ? DutyField::InletTempHSideVC : DutyField::InletTempHSide, true);
        break;
    case CheckMark::Selection:
        page.markTreeRed();
        break;
    case CheckMark::None:
        break;
    }
}

void CalculateCommand::Calculate1Click()
{
    m_panel.ResetSort();
    if (showCalculationsPage)
        showCalculationsPage();
    m_panel.showRatingPage();
    CheckAndRun();
}

void CalculateCommand::CalcTabSheetShow(bool tabVisible)
{
    m_panel.ResetSort();
    if (tabVisible)
        CheckAndRun();
}

int CalculateCommand::showMessage(const MessageSpec& spec)
{
    return ask ? ask(spec) : MessageDialog::ask(spec, m_window);
}

void CalculateCommand::CheckAndRun()
{
    const Duty duty = m_balance.runDuty();
    const CheckMark mark = CheckDuty(duty, m_selection.selected().empty());
    const TListNames messages = loadMessages(m_settings);
    if (mark != CheckMark::None) {
        if (auto spec = messageFromFile(messages, kMsgErrorTitle, MessageKind::Error,
                                        {entryText(messages, kMsgWrongTemperatures, QString())}, {kMsgOk}))
            showMessage(*spec);
        if (markRed)
            markRed(mark);
        if (showParametersPage)
            showParametersPage();
        return;
    }
    if (markRed)
        markRed(CheckMark::None);
    if (!automaticCalculate || automaticCalculate()) {
        Calculate(kWallMaterial, kWallConductivity);
        return;
    }
    // Ask before calculating; without the message file there is no question and no run.
    auto spec = messageFromFile(messages, kMsgQuestionTitle, MessageKind::Question,
                                {entryText(messages, kMsgAskCalculate, QString())}, {kMsgOk, kMsgCancel});
    if (spec && showMessage(*spec) == 0)
        Calculate(kWallMaterial, kWallConductivity);
}

void CalculateCommand::noResultMessage(const TListNames& messages)
{
    const std::string contact =
        m_settings.group(SettingsGroupId::PrintContact).ReadString(kDefaultsSection, "Contact", "Poland");
    QStringList lines;
    for (const std::string& line : noResultLines(messages, contact))
        lines << qs(line);
    if (auto spec =
            messageFromFile(messages, kMsgInformationTitle, MessageKind::Information, lines, {kMsgOk}))
        showMessage(*spec);
}

void CalculateCommand::Calculate(std::string_view material, long double wallConductivity)
{
    // 1.-2. A clean Rating page; nothing to rate without a selection.
    m_panel.resetRatingPage();
    const std::vector<std::string>& selected = m_selection.selected();
    if (selected.empty())
        return;
    const TListNames messages = loadMessages(m_settings);
    const Duty duty = m_balance.runDuty();

    // 3.-6. Distribute the selected names over the types the duty allows.
    TypeLists lists = DistributeSizes(selected, ReadTypeNames(m_folder));
    ApplyDutyFilter(lists, duty.hotSide);
    if (allEmpty(lists)) {
        // No size to rate: the old results go with the emptied list box, so that no stale
        // result stays behind the empty page.
        m_panel.setResults({});
        noResultMessage(messages);
        if (showParametersPage)
            showParametersPage();
        return;
    }

    // 7.-10. The run, with the progress window showing the size being rated.
    const auto progress =
        std::make_unique<ProgBCalc>(entryText(messages, kMsgProgressCaption, QString()), m_window);
    progress->show();
    RunOptions options;
    options.wallMaterial = material;
    options.wallConductivity = wallConductivity;
    options.progress = [&progress](const RunProgress& p) { progress->showProgress(p); };
    const FluidFiles files(m_folder.fluids());
    ++m_runs;
    CalculationOutcome outcome = velor::Calculate(m_folder, files, duty, selected, options);
    progress->close();
    if (duty.hotSide == HotSideKind::Condensing)
        m_panel.setVaporConnection(outcome.vaporConnection);

    if (outcome.results.empty()) {
        // 12. The result list is empty; Preview and Print keep their state, the note stays.
        m_panel.setResults({});
        noResultMessage(messages);
        if (showParametersPage)
            showParametersPage();
        return;
    }
    // 11. Results: the list in rating order, the vapor note, the stored duty, line 0 shown.
    if (m_panel.setReportCommandsEnabled)
        m_panel.setReportCommandsEnabled(true);
    m_panel.setResults(std::move(outcome.results));
    if (showCalculationsPage)
        showCalculationsPage();
    if (duty.hotSide == HotSideKind::Condensing) {
        m_panel.showVaporNote(qs(vaporNoteText(messages, outcome.vaporConnection)));
    } else {
        m_panel.showVaporNote(QString());
    }
    m_balance.StoreDuty();
    if (!m_panel.listState().lines().empty()) {
        m_panel.selectLine(0);
        m_panel.ListBox2Click();
    }
}

} // namespace velor
