// Open, Save and Save As of project files, and the window read into and out of a project record.
#include "app/projectcommands.h"

#include "app/guitext.h"
#include "app/mainwindow.h"
#include "app/messagedialog.h"
#include "app/pages.h"
#include "app/projectdate.h"
#include "app/projectnames.h"
#include "app/projectresult.h"
#include "app/unitboxes.h"
#include "calculations/calculationspanel.h"
#include "directory/directory.h"
#include "parameters/parameterspanel.h"
#include "units/extendededit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <optional>
#include <vector>

namespace velor {

namespace {

constexpr int kCalculationsPageIndex = 2;
constexpr std::size_t kMsgCondenserNote = 13; // "MsgData.dat": the vapor connection note

QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

/// The unit box of `set` that converts `field`, or null.
QComboBox* boxOf(const UnitBoxSet* set, const TExtendedEdit* field)
{
    if (!set || !field)
        return nullptr;
    for (const UnitBoxSet::Box& box : set->boxes())
        for (const TExtendedEdit* f : box.fields)
            if (f == field)
                return box.combo;
    return nullptr;
}

std::int32_t unitOf(const UnitBoxSet* set, const TExtendedEdit* field)
{
    const QComboBox* box = boxOf(set, field);
    return box ? box->currentIndex() : 0;
}

/// Selects a stored unit index; an index outside the list leaves the box without a selection.
void setUnit(const UnitBoxSet* set, const TExtendedEdit* field, std::int32_t index)
{
    QComboBox* box = boxOf(set, field);
    if (!box)
        return;
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// The duty fields a side's stored values and units go to, in file order: pressure, inlet
// temperature, mass flow, inlet volume flow, outlet temperature, outlet volume flow, then the
// minimum and maximum pressure drops of a liquid side.
const std::vector<DutyField>& hotLiquidFields()
{
    static const std::vector<DutyField> f{DutyField::InletPressHSide,   DutyField::InletTempHSide,
                                          DutyField::MassFlowHSide,     DutyField::InletVolFlowHSide,
                                          DutyField::OutletTempHSide,   DutyField::OutletVolFlowHSide,
                                          DutyField::MinPressDropHSide, DutyField::MaxPressDropHSide};
    return f;
}

const std::vector<DutyField>& condenserFields()
{
    static const std::vector<DutyField> f{DutyField::InletPressHSideVC, DutyField::InletTempHSideVC,
                                          DutyField::MassFlowHSideVC,   DutyField::InletVolFlowHSideVC,
                                          DutyField::OutletTempHSideVC, DutyField::OutletVolFlowHSideVC};
    return f;
}

const std::vector<DutyField>& coldFields()
{
    static const std::vector<DutyField> f{DutyField::InletPressCSide,   DutyField::InletTempCSide,
                                          DutyField::MassFlowCSide,     DutyField::InletVolFlowCSide,
                                          DutyField::OutletTempCSide,   DutyField::OutletVolFlowCSide,
                                          DutyField::MinPressDropCSide, DutyField::MaxPressDropCSide};
    return f;
}

// The Calculations page's fields of a side in the same order (six, no pressure-drop window).
std::vector<const char*> calcSideFields(bool hot)
{
    if (hot)
        return {"edInletPressHSideCalc",   "edInletTempHSideCalc",  "edMassFlowHSideCalc",
                "edInletVolFlowHSideCalc", "edOutletTempHSideCalc", "edOutletVolFlowHSideCalc"};
    return {"edInletPressCSideCalc",   "edInletTempCSideCalc",  "edMassFlowCSideCalc",
            "edInletVolFlowCSideCalc", "edOutletTempCSideCalc", "edOutletVolFlowCSideCalc"};
}

// Project-page text fields and their record members.
struct TextField
{
    const char* control;
    std::string TProjectFileRec::*member;
};

constexpr TextField kTextFields[] = {
    {"edProjectName", &TProjectFileRec::ProjectName},
    {"edCalcNo", &TProjectFileRec::CalcNo},
    {"edDescription", &TProjectFileRec::Description},
    {"edStreet", &TProjectFileRec::Street},
    {"edZip", &TProjectFileRec::Zip},
    {"edCity", &TProjectFileRec::City},
    {"edState", &TProjectFileRec::State},
    {"edCountry", &TProjectFileRec::Country},
    {"edPhone", &TProjectFileRec::Phone},
    {"edFax", &TProjectFileRec::Fax},
    {"edEmail", &TProjectFileRec::Email},
    {"edHomePage", &TProjectFileRec::HomePage},
    {"edLastName", &TProjectFileRec::ContactLastName},
    {"edFirstName", &TProjectFileRec::ContactFirstName},
    {"edContactPhone", &TProjectFileRec::ContactPhone},
    {"edMobile", &TProjectFileRec::ContactMobile},
    {"edContactEmail", &TProjectFileRec::ContactEmail},
};

} // namespace

ProjectCommands::ProjectCommands(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("ProjectCommands"));
    chooseSaveFile = [this](const QString& folder, const QString& proposal) {
        return QFileDialog::getSaveFileName(&m_window, QString(), QDir(folder).filePath(proposal),
                                            tr("Project files (*.dca)"));
    };
    chooseOpenFile = [this](const QString& folder) {
        return QFileDialog::getOpenFileName(&m_window, QString(), folder, tr("Project files (*.dca)"));
    };
    reportError = [this](const QString& message) {
        QMessageBox::critical(&m_window, QLatin1String(MainWindow::kTitle), message);
    };
}

std::filesystem::path ProjectCommands::projectFolder() const
{
    const std::string stored = m_window.settings().group(SettingsGroupId::Project).string("Path");
    return stored.empty() ? m_window.settings().programFolder().projects() : std::filesystem::path(stored);
}

std::filesystem::path ProjectCommands::dialogFolder() const
{
    return dialogStartFolder(projectFolder(), m_window.settings().programFolder().projects());
}

// ---- The record and the window --------------------------------------------------------------

TProjectFileRec ProjectCommands::buildRecord() const
{
    TProjectFileRec rec;
    ProjectPage* project = m_window.projectPage();
    ParametersPanel* parameters = m_window.parametersPanel();
    CalculationsPanel* calc = m_window.calculationsPanel();
    const UnitBoxSet* inputs = m_window.parametersPage()->units();
    const UnitBoxSet* outputs = m_window.calculationsPage()->units();
    const HeatBalance& balance = parameters->balance();

    // Project page.
    if (const auto* date = project->findChild<QDateEdit*>(QStringLiteral("dtpDate"))) {
        const QDate d = date->date();
        rec.Date = oleDateFromCivil(CivilDateTime{d.year(), d.month(), d.day()});
    }
    for (const TextField& text : kTextFields)
        if (const auto* edit = project->findChild<QLineEdit*>(QLatin1String(text.control)))
            rec.*text.member = us(edit->text());
    if (const auto* box = project->findChild<QComboBox*>(QStringLiteral("cbPreparedBy")))
        rec.PreparedBy = us(box->currentText());
    if (const auto* box = project->findChild<QComboBox*>(QStringLiteral("cbCustomerName")))
        rec.CustomerName = us(box->currentText());

    // Duty as entered: the side kinds, window of pressure drops, numbers of units, oversizing.
    const bool condensing = balance.hotSide() == HotSideKind::Condensing;
    rec.KindHS = condensing ? kSideVaporCondenser : kSideLiquid;
    rec.KindCS = kSideLiquid;
    rec.UnitsInSeries = balance.value(DutyField::NoUnitsSeries);
    rec.UnitsInParallel = balance.value(DutyField::NoUnitsParallel);
    rec.MinOversizing = balance.value(DutyField::Oversurfacing);
    rec.FoulingFactor = balance.value(DutyField::FoulingFactor);
    rec.PressDropMinHS = balance.value(DutyField::MinPressDropHSide);
    rec.PressDropMaxHS = balance.value(DutyField::MaxPressDropHSide);
    rec.PressDropMinCS = balance.value(DutyField::MinPressDropCSide);
    rec.PressDropMaxCS = balance.value(DutyField::MaxPressDropCSide);

    // Units: the results' where the result shows the quantity, the inputs' for the input
    // fouling factor and the pressure-drop window.
    auto calcField = [calc](const char* name) {
        return calc->findChild<TExtendedEdit*>(QLatin1String(name));
    };
    rec.UnitHeatLoad = unitOf(outputs, calcField("edCapacityCalc"));
    rec.UnitFoulingInput = unitOf(inputs, parameters->field(DutyField::FoulingFactor));
    rec.UnitFoulingResult = unitOf(outputs, calcField("edFoulingFactorCalc"));
    const auto hotCalc = calcSideFields(true);
    const auto coldCalc = calcSideFields(false);
    std::int32_t* hotUnits[] = {&rec.UnitPressureHS,  &rec.UnitTempInHS,  &rec.UnitMassFlowHS,
                                &rec.UnitVolFlowInHS, &rec.UnitTempOutHS, &rec.UnitVolFlowOutHS};
    std::int32_t* coldUnits[] = {&rec.UnitPressureCS,  &rec.UnitTempInCS,  &rec.UnitMassFlowCS,
                                 &rec.UnitVolFlowInCS, &rec.UnitTempOutCS, &rec.UnitVolFlowOutCS};
    for (std::size_t i = 0; i < hotCalc.size(); ++i) {
        *hotUnits[i] = unitOf(outputs, calcField(hotCalc[i]));
        *coldUnits[i] = unitOf(outputs, calcField(coldCalc[i]));
    }
    rec.UnitPressDropMinHS = unitOf(inputs, parameters->field(DutyField::MinPressDropHSide));
    rec.UnitPressDropMaxHS = unitOf(inputs, parameters->field(DutyField::MaxPressDropHSide));
    rec.UnitPressDropMinCS = unitOf(inputs, parameters->field(DutyField::MinPressDropCSide));
    rec.UnitPressDropMaxCS = unitOf(inputs, parameters->field(DutyField::MaxPressDropCSide));

    // The selected result; a list without a selected line saves its first line.
    const TResultTypeB* result = nullptr;
    if (calc->hasResults()) {
        const int line = calc->listState().selected();
        result = calc->listState().resultForLine(line >= 0 ? line : 0);
        if (!result)
            result = &calc->results().front();
    }
    if (!result)
        return withoutResult(rec);

    if (calc->setReportCommandsEnabled)
        calc->setReportCommandsEnabled(true);
    storeResult(rec, *result);
    if (const auto* name = calc->findChild<QLineEdit*>(QStringLiteral("edLiquidHSideCalc")))
        rec.FluidHS = us(name->text());
    if (const auto* name = calc->findChild<QLineEdit*>(QStringLiteral("edLiquidCSideCalc")))
        rec.FluidCS = us(name->text());
    auto calcValue = [&](const char* name) {
        const TExtendedEdit* f = calcField(name);
        return f ? f->ISOValue() : 0.0L;
    };
    rec.HeatLoad = calcValue("edCapacityCalc");
    rec.UnitsInSeries = calcValue("edNoUnitsSeriesCalc");
    rec.UnitsInParallel = calcValue("edNoUnitsParallelCalc");
    long double* hotValues[] = {&rec.PressureHS,  &rec.TempInHS,  &rec.MassFlowHS,
                                &rec.VolFlowInHS, &rec.TempOutHS, &rec.VolFlowOutHS};
    long double* coldValues[] = {&rec.PressureCS,  &rec.TempInCS,  &rec.MassFlowCS,
                                 &rec.VolFlowInCS, &rec.TempOutCS, &rec.VolFlowOutCS};
    for (std::size_t i = 0; i < hotCalc.size(); ++i) {
        *hotValues[i] = calcValue(hotCalc[i]);
        *coldValues[i] = calcValue(coldCalc[i]);
    }
    const bool hotInTubes = balance.hotLocation() == FlowLocation::Tubes;
    rec.SideHS = hotInTubes ? kSideTubes : kSideShell;
    rec.SideCS = hotInTubes ? kSideShell : kSideTubes;
    // The Design page has no exchanger-type text of a chosen variant yet: no designation.
    rec.TechDataName.clear();
    if (condensing) {
        const TListNames messages = loadMessages(m_window.settings());
        rec.CondenserNote =
            condenserNote(messages.text(kMsgCondenserNote).value_or(std::string()), calc->vaporConnection());
    }
    return rec;
}

void ProjectCommands::restoreRecord(const TProjectFileRec& rec)
{
    ProjectPage* project = m_window.projectPage();
    ParametersPanel* parameters = m_window.parametersPanel();
    CalculationsPanel* calc = m_window.calculationsPanel();
    const UnitBoxSet* inputs = m_window.parametersPage()->units();
    const UnitBoxSet* outputs = m_window.calculationsPage()->units();
    HeatBalance& balance = parameters->balance();

    // The Calculations page with its Rating page; the sort direction cannot be turned.
    QTabWidget* pages = m_window.pageControl();
    pages->setTabVisible(kCalculationsPageIndex, true);
    pages->setCurrentIndex(kCalculationsPageIndex);
    calc->showRatingPage();
    if (auto* arrow = calc->findChild<QToolButton*>(QStringLiteral("tbSortArrow")))
        arrow->setEnabled(false);

    // Project page; the Prepared-by list becomes the one stored entry.
    if (auto* date = project->findChild<QDateEdit*>(QStringLiteral("dtpDate")))
        if (const auto civil = civilFromOleDate(rec.Date))
            date->setDate(QDate(civil->year, civil->month, civil->day));
    for (const TextField& text : kTextFields)
        if (auto* edit = project->findChild<QLineEdit*>(QLatin1String(text.control)))
            edit->setText(qs(rec.*text.member));
    if (auto* box = project->findChild<QComboBox*>(QStringLiteral("cbPreparedBy"))) {
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItem(qs(rec.PreparedBy));
        box->setCurrentIndex(0);
    }
    if (auto* box = project->findChild<QComboBox*>(QStringLiteral("cbCustomerName")))
        box->setEditText(qs(rec.CustomerName));

    // Parameters page. Every write below is the program's own: no recalculation follows it and
    // every driver mark is clear afterwards.
    parameters->beginUnitChange();
    if (rec.SideHS == kSideTubes)
        parameters->rbSTCTubesHSClick();
    else if (rec.SideHS == kSideShell)
        parameters->rbSTCShellHSClick();
    if (rec.SideCS == kSideTubes)
        parameters->rbSTCTubesCSClick();
    else if (rec.SideCS == kSideShell)
        parameters->rbSTCShellCSClick();
    setUnit(inputs, parameters->field(DutyField::Capacity), rec.UnitHeatLoad);
    setUnit(inputs, parameters->field(DutyField::FoulingFactor), rec.UnitFoulingInput);

    // Fluids: the stored name is selected and its working copies rebuilt; a name the database
    // does not hold leaves its list as it is.
    auto chooseFluid = [&](FluidList list, const std::string& name, std::string_view key) {
        if (name.empty())
            return;
        m_window.settings().group(SettingsGroupId::UnitsFluids).WriteString(kDefaultsSection, key, name);
        balance.DropDownList(list);
        const FluidChoice& choice = balance.fluidList(list);
        for (std::size_t i = 0; i < choice.names.size(); ++i)
            if (choice.names[i] == name) {
                balance.SelectFluid(list, static_cast<int>(i));
                return;
            }
    };
    const bool condensing = rec.KindHS == kSideVaporCondenser;
    if (condensing)
        chooseFluid(FluidList::VaporHot, rec.FluidHS, "VaporHS");
    else
        chooseFluid(FluidList::LiquidHot, rec.FluidHS, "LiquidHS");
    chooseFluid(FluidList::LiquidCold, rec.FluidCS, "LiquidCS");

    // The hot-side page, then its units and values.
    if (auto* hotPages = parameters->findChild<QTabWidget*>(QStringLiteral("pcHotSide"))) {
        const QSignalBlocker blocker(hotPages);
        hotPages->setCurrentIndex(condensing ? 1 : 0);
    }
    const HotSideKind kind = condensing ? HotSideKind::Condensing : HotSideKind::Liquid;
    if (balance.hotSide() != kind)
        parameters->pcHotSideChange(condensing ? 1 : 0);

    auto put = [&](DutyField f, long double value) {
        balance.setValue(f, value);
        parameters->field(f)->setISOValue(balance.value(f));
    };
    const std::int32_t hotUnits[] = {rec.UnitPressureHS,     rec.UnitTempInHS,      rec.UnitMassFlowHS,
                                     rec.UnitVolFlowInHS,    rec.UnitTempOutHS,     rec.UnitVolFlowOutHS,
                                     rec.UnitPressDropMinHS, rec.UnitPressDropMaxHS};
    const long double hotValues[] = {rec.PressureHS,     rec.TempInHS,      rec.MassFlowHS,
                                     rec.VolFlowInHS,    rec.TempOutHS,     rec.VolFlowOutHS,
                                     rec.PressDropMinHS, rec.PressDropMaxHS};
    const std::int32_t coldUnits[] = {rec.UnitPressureCS,     rec.UnitTempInCS,      rec.UnitMassFlowCS,
                                      rec.UnitVolFlowInCS,    rec.UnitTempOutCS,     rec.UnitVolFlowOutCS,
                                      rec.UnitPressDropMinCS, rec.UnitPressDropMaxCS};
    const long double coldValues[] = {rec.PressureCS,     rec.TempInCS,      rec.MassFlowCS,
                                      rec.VolFlowInCS,    rec.TempOutCS,     rec.VolFlowOutCS,
                                      rec.PressDropMinCS, rec.PressDropMaxCS};
    const auto& hotFields = condensing ? condenserFields() : hotLiquidFields();
    for (std::size_t i = 0; i < hotFields.size(); ++i) {
        setUnit(inputs, parameters->field(hotFields[i]), hotUnits[i]);
        put(hotFields[i], hotValues[i]);
    }
    const auto& cold = coldFields();
    for (std::size_t i = 0; i < cold.size(); ++i) {
        setUnit(inputs, parameters->field(cold[i]), coldUnits[i]);
        put(cold[i], coldValues[i]);
    }
    put(DutyField::Capacity, rec.HeatLoad);
    put(DutyField::NoUnitsSeries, rec.UnitsInSeries);
    put(DutyField::NoUnitsParallel, rec.UnitsInParallel);
    put(DutyField::Oversurfacing, rec.MinOversizing);
    put(DutyField::FoulingFactor, rec.FoulingFactor);
    balance.clearDrivers();
    parameters->endUnitChange();
    parameters->selection().setDuty(balance.selectionDuty());

    // The result list: the saved result alone, or nothing.
    calc->clearResults();
    parameters->setSelectedSizes(rec.SizeName.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{rec.SizeName});
    auto calcField = [calc](const char* name) {
        return calc->findChild<TExtendedEdit*>(QLatin1String(name));
    };
    if (rec.SizeName.empty()) {
        calc->resetRatingPage();
        calc->showVaporNote(QString());
        if (calc->setReportCommandsEnabled)
            calc->setReportCommandsEnabled(false);
    } else {
        calc->setResults({restoredResult(rec)});
        if (calc->setReportCommandsEnabled)
            calc->setReportCommandsEnabled(true);
        if (const auto inTubes = hotSideInTubes(rec.SideHS, rec.SideCS)) {
            if (*inTubes)
                parameters->rbSTCTubesHSClick();
            else
                parameters->rbSTCShellHSClick();
        }
        calc->selectLine(0);
        calc->ListBox2Click();
        // The result fields show what the file holds, also where the duty could not take it.
        if (auto* name = calc->findChild<QLineEdit*>(QStringLiteral("edLiquidHSideCalc")))
            name->setText(qs(rec.FluidHS));
        if (auto* name = calc->findChild<QLineEdit*>(QStringLiteral("edLiquidCSideCalc")))
            name->setText(qs(rec.FluidCS));
        if (TExtendedEdit* fouling = calcField("edFoulingFactorCalc"))
            fouling->setISOValue(rec.FoulingFactor);
        calc->showVaporNote(condensing ? qs(rec.CondenserNote) : QString());
    }

    // Result units: from the file, except area, coefficients and LMTD, which keep their stored
    // settings.
    setUnit(outputs, calcField("edCapacityCalc"), rec.UnitHeatLoad);
    setUnit(outputs, calcField("edFoulingFactorCalc"), rec.UnitFoulingResult);
    const auto hotCalc = calcSideFields(true);
    const auto coldCalc = calcSideFields(false);
    for (std::size_t i = 0; i < hotCalc.size(); ++i) {
        setUnit(outputs, calcField(hotCalc[i]), hotUnits[i]);
        setUnit(outputs, calcField(coldCalc[i]), coldUnits[i]);
    }
    setUnit(outputs, calcField("edPressDropHSideCalc"), rec.UnitPressDropMaxHS);
    setUnit(outputs, calcField("edPressDropCSideCalc"), rec.UnitPressDropMaxCS);
}

// ---- Reading and writing --------------------------------------------------------------------

bool ProjectCommands::WriteProjectFile(const std::filesystem::path& path)
{
    const TProjectFileRec rec = buildRecord();
    if (!rec.CustomerName.empty())
        (void)RecordCustomer(m_window.settings().programFolder(), customerOf(rec));
    const Status status = saveProjectFile(path, rec);
    if (!status) {
        if (reportError)
            reportError(qs(status.error().message));
        return false;
    }
    return true;
}

bool ProjectCommands::ReadProjectFile(const std::filesystem::path& path)
{
    const Result<ProjectFileContents> contents = loadProjectFile(path);
    if (!contents) {
        if (reportError)
            reportError(qs(contents.error().message));
        return false;
    }
    restoreRecord(contents->record);
    // After the Project page is filled: its edits retitle the window, but the title carries the
    // name of the file that Save writes.
    m_window.setWindowTitle(qs(titleForOpenedFile(path)));
    return true;
}

// ---- Commands -------------------------------------------------------------------------------

void ProjectCommands::Open1Click()
{
    if (m_window.saveChangesPrompt() == PromptAnswer::Cancel)
        return;
    const QString chosen = chooseOpenFile ? chooseOpenFile(pathText(dialogFolder())) : QString();
    if (!chosen.isEmpty())
        ReadProjectFile(toPath(chosen));
}

bool ProjectCommands::Save1Click()
{
    const SavePlan plan =
        planSave(us(m_window.windowTitle()), projectFolder(), [](const std::filesystem::path& p) {
            std::error_code ignored;
            return std::filesystem::is_regular_file(p, ignored);
        });
    if (plan.action == SavePlan::Action::WriteExisting) {
        if (!WriteProjectFile(plan.file))
            return false;
        m_window.setWindowTitle(qs(plan.title));
        return true;
    }
    return saveThroughDialog(qs(plan.proposal), true);
}

bool ProjectCommands::SaveAs1Click()
{
    ProjectPage* project = m_window.projectPage();
    return saveThroughDialog(qs(joinNameAndNumber(us(project->projectName()), us(project->calcNumber()))),
                             false);
}

bool ProjectCommands::saveThroughDialog(const QString& proposal, bool retitle)
{
    const QString chosen = chooseSaveFile ? chooseSaveFile(pathText(dialogFolder()), proposal) : QString();
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen);
    const std::filesystem::path folder = toPath(info.absolutePath());
    const auto file = chosenProjectFile(folder, us(info.fileName()));
    if (!file) {
        if (reportError)
            reportError(tr("The project needs a file name: %1").arg(chosen));
        return false;
    }
    if (!WriteProjectFile(file->file))
        return false;
    if (retitle)
        m_window.setWindowTitle(qs(file->title));
    m_window.settings()
        .group(SettingsGroupId::Project)
        .WriteString(kDefaultsSection, "Path", folder.string());
    return true;
}

} // namespace velor
