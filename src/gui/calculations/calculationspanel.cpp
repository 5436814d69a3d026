// The Calculations page: result list, sorts, and the Rating page of the selected size.
#include "calculations/calculationspanel.h"

#include "app/guitext.h"
#include "app/unitboxes.h"
#include "calculations/fluidreference.h"
#include "calculations/moreresults.h"
#include "catalogue/catalogue.h"
#include "units/extendededit.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velor {

namespace {

constexpr int kPressureBar = 3; // "bar" in the pressure list

QComboBox* makeBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

} // namespace

CalculationsPanel::CalculationsPanel(Settings& settings, ProgramFolder folder, UnitBoxSet* units,
                                     QWidget* parent)
    : QWidget(parent), m_settings(settings), m_folder(std::move(folder)), m_units(units)
{
    setObjectName(QStringLiteral("CalculationsPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildResultList());
    layout->addWidget(buildRatingPage(), 1);
    ResetSort();
    showSortState();
    recordBuiltInTexts();
}

namespace {

// What a "Data.dat" entry translates on this page: a caption (labels, buttons, group boxes,
// actions, the tab) or a hint, found by the control's name.
struct TextEntry
{
    const char* control;
    std::size_t entry;
    bool hint;
};
constexpr TextEntry kTexts[] = {
    {"lblCapacityCalc", 8, false},
    {"lblNoUnitsParallelCalc", 9, false},
    {"lblFoulingFactorCalc", 11, false},
    {"gbHotSideCalc", 14, false},
    {"gbColdSideCalc", 15, false},
    {"gbInletHSideCalc", 16, false},
    {"gbInletCSideCalc", 16, false},
    {"gbOutletHSideCalc", 17, false},
    {"gbOutletCSideCalc", 17, false},
    {"lblInletPressHSideCalc", 18, false},
    {"lblInletPressCSideCalc", 18, false},
    {"lblInletTempHSideCalc", 19, false},
    {"lblInletTempCSideCalc", 19, false},
    {"lblOutletTempCSideCalc", 19, false},
    {"lblMassFlowHSideCalc", 20, false},
    {"lblMassFlowCSideCalc", 20, false},
    {"lblInletVolFlowHSideCalc", 21, false},
    {"lblInletVolFlowCSideCalc", 21, false},
    {"lblOutletVolFlowHSideCalc", 21, false},
    {"lblOutletVolFlowCSideCalc", 21, false},
    {"lblOversurfacingCalc", 27, false},
    {"lblHeatTranAreaCalc", 28, false},
    {"lblLMTDCalc", 29, false},
    {"lblHeatTranCoeffCalc", 30, false},
    {"lblHeatTranCoeffFoulCalc", 31, false},
    {"lblLiquidHSideCalc", 32, false},
    {"lblLiquidCSideCalc", 32, false},
    {"lblPressDropHSideCalc", 33, false},
    {"lblPressDropCSideCalc", 33, false},
    {"btnFluids", 34, false},
    {"btnMoreResults", 35, false},
    {"Sortbytype1", 78, false},
    {"Sortbyoversize1", 79, false},
    {"SortbyHTA1", 80, false},
    {"SortbyOHTCclean1", 81, false},
    {"SortbyOHTCfouling1", 82, false},
    {"lblNoUnitsSeriesCalc", 89, false},
    {"edCapacityCalc", 45, true},
    {"edNoUnitsParallelCalc", 46, true},
    {"edFoulingFactorCalc", 48, true},
    {"edLiquidHSideCalc", 51, true},
    {"edLiquidCSideCalc", 52, true},
    {"edInletPressHSideCalc", 53, true},
    {"edInletPressCSideCalc", 54, true},
    {"edInletTempHSideCalc", 55, true},
    {"edInletTempCSideCalc", 56, true},
    {"edOutletTempHSideCalc", 57, true},
    {"edOutletTempCSideCalc", 58, true},
    {"edMassFlowHSideCalc", 59, true},
    {"edMassFlowCSideCalc", 60, true},
    {"edInletVolFlowHSideCalc", 61, true},
    {"edInletVolFlowCSideCalc", 62, true},
    {"edOutletVolFlowHSideCalc", 63, true},
    {"edOutletVolFlowCSideCalc", 64, true},
    {"edOversurfacingCalc", 69, true},
    {"edHeatTranAreaCalc", 70, true},
    {"edLMTDCalc", 71, true},
    {"edHeatTranCoeffCalc", 72, true},
    {"edHeatTranCoeffFoulCalc", 73, true},
    {"edPressDropHSideCalc", 74, true},
    {"edPressDropCSideCalc", 75, true},
    {"edNoUnitsSeriesCalc", 90, true},
};

constexpr std::size_t kDataRatingTab = 25;
constexpr std::size_t kDataTemperature = 19;
constexpr std::size_t kDataCondensateTemp = 43;

QString textOf(QObject* o)
{
    if (auto* label = qobject_cast<QLabel*>(o))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(o))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(o))
        return group->title();
    if (auto* action = qobject_cast<QAction*>(o))
        return action->text();
    return {};
}

void setTextOf(QObject* o, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(o))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(o))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(o))
        group->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(o))
        action->setText(text);
}

} // namespace

void CalculationsPanel::recordBuiltInTexts()
{
    for (const TextEntry& t : kTexts) {
        QObject* o = findChild<QObject*>(QLatin1String(t.control));
        m_builtIn.push_back(!o ? QString() : t.hint ? qobject_cast<QWidget*>(o)->toolTip() : textOf(o));
    }
    m_builtInTab = pcCalc->tabText(0);
}

void CalculationsPanel::translate(const TListNames& data)
{
    // An empty list (English, or no file) puts the built-in English texts back.
    m_dataTexts = data;
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        const TextEntry& t = kTexts[i];
        QObject* o = findChild<QObject*>(QLatin1String(t.control));
        if (!o)
            continue;
        const QString text = entryText(data, t.entry, m_builtIn[i]);
        if (t.hint)
            qobject_cast<QWidget*>(o)->setToolTip(text);
        else
            setTextOf(o, text);
    }
    pcCalc->setTabText(0, entryText(data, kDataRatingTab, m_builtInTab));
    showSortState();
}

QWidget* CalculationsPanel::buildResultList()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* head = new QHBoxLayout;
    lblTypeSortedList = new QLabel(tr("Sorted by Type"), box);
    lblTypeSortedList->setObjectName(QStringLiteral("lblTypeSortedList"));
    tbSortArrow = new QToolButton(box);
    tbSortArrow->setObjectName(QStringLiteral("tbSortArrow"));
    tbSortArrow->setArrowType(Qt::DownArrow);
    tbSortArrow->setToolTip(tr("Sort direction"));
    head->addWidget(lblTypeSortedList, 1);
    head->addWidget(tbSortArrow);
    column->addLayout(head);

    ListBox2 = new QListWidget(box);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox2->setMinimumWidth(150);
    ListBox2->setMaximumWidth(220);
    column->addWidget(ListBox2, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto addSort = [this](const char* name, const QString& caption, void (CalculationsPanel::*handler)()) {
        auto* action = PopupMenu1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    Sortbytype1 = addSort("Sortbytype1", tr("Sort by Type"), &CalculationsPanel::Sortbytype1Click);
    Sortbyoversize1 =
        addSort("Sortbyoversize1", tr("Sort by Oversize"), &CalculationsPanel::Sortbyoversize1Click);
    SortbyHTA1 = addSort("SortbyHTA1", tr("Sort by Heat Transfer Area"), &CalculationsPanel::SortbyHTA1Click);
    SortbyOHTCclean1 =
        addSort("SortbyOHTCclean1", tr("Sort by OHTC Clean"), &CalculationsPanel::SortbyOHTCclean1Click);
    SortbyOHTCfouling1 = addSort("SortbyOHTCfouling1", tr("Sort by OHTC Fouling"),
                                 &CalculationsPanel::SortbyOHTCfouling1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &CalculationsPanel::PopupMenu1Popup);
    connect(ListBox2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ListBox2->viewport()->mapToGlobal(at)); });
    connect(tbSortArrow, &QToolButton::clicked, this, &CalculationsPanel::tbSortArrowClick);
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling)
            return;
        m_list.select(row);
        ListBox2Click();
    });
    return box;
}

TExtendedEdit* CalculationsPanel::addValueRow(QGridLayout* grid, int row, const QString& caption,
                                              const char* field, const char* box,
                                              std::optional<Quantity> quantity, const char* unitKey,
                                              const char* precisionKey, QLabel** labelOut, QWidget** boxOut)
{
    auto* parent = grid->parentWidget();
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(field + 2)); // "edX" is labelled by "lblX"
    auto* edit = new TExtendedEdit(parent);
    edit->setObjectName(QLatin1String(field));
    edit->setReadOnly(true);
    edit->setMinimumWidth(90);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    QWidget* unit = nullptr;
    if (quantity) {
        QComboBox* combo = makeBox(parent, box);
        m_units->addBox(combo, *quantity, unitKey, 0, {edit});
        unit = combo;
    } else if (box) {
        unit = new QLabel(QLatin1String(box), parent); // "%" or "[ - ]"
    }
    if (unit)
        grid->addWidget(unit, row, 2);
    m_units->addDecimalField(edit, precisionKey);
    if (labelOut)
        *labelOut = label;
    if (boxOut)
        *boxOut = unit;
    return edit;
}

QGroupBox* CalculationsPanel::buildSide(bool hot)
{
    auto* group = new QGroupBox(hot ? tr("Hot Side") : tr("Cold Side"), RatingTabSheet);
    group->setObjectName(hot ? QStringLiteral("gbHotSideCalc") : QStringLiteral("gbColdSideCalc"));
    auto* grid = new QGridLayout(group);
    SideFields& s = hot ? m_hot : m_cold;
    auto* nameLabel = new QLabel(tr("Fluid"), group);
    nameLabel->setObjectName(hot ? QStringLiteral("lblLiquidHSideCalc")
                                 : QStringLiteral("lblLiquidCSideCalc"));
    auto* name = new QLineEdit(group);
    name->setObjectName(hot ? QStringLiteral("edLiquidHSideCalc") : QStringLiteral("edLiquidCSideCalc"));
    name->setReadOnly(true);
    (hot ? edLiquidHSideCalc : edLiquidCSideCalc) = name;
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name, 0, 1, 1, 2);
    // Names of one side: "HSide" or "CSide" inside the control names, "_HotSide" in the keys.
    const bool h = hot;
    s.press = addValueRow(grid, 1, tr("Pressure"), h ? "edInletPressHSideCalc" : "edInletPressCSideCalc",
                          h ? "cbInletPressHSideCalc" : "cbInletPressCSideCalc", Quantity::Pressure,
                          h ? "CalcInletPress_HotSide" : "CalcInletPress_ColdSide", "PressCalc");
    s.drop = addValueRow(
        grid, 2, tr("Calc. Press. Drop"), h ? "edPressDropHSideCalc" : "edPressDropCSideCalc",
        h ? "cbPressDropHSideCalc" : "cbPressDropCSideCalc", Quantity::PressureDrop,
        h ? "CalcPressDrop_HotSide" : "CalcPressDrop_ColdSide", "DropPressCalc", &s.dropLabel, &s.dropBox);

    auto* inlet = new QGroupBox(tr("Inlet"), group);
    inlet->setObjectName(h ? QStringLiteral("gbInletHSideCalc") : QStringLiteral("gbInletCSideCalc"));
    auto* inGrid = new QGridLayout(inlet);
    s.inTemp = addValueRow(inGrid, 0, tr("Temperature"), h ? "edInletTempHSideCalc" : "edInletTempCSideCalc",
                           h ? "cbInletTempHSideCalc" : "cbInletTempCSideCalc", Quantity::Temperature,
                           h ? "CalcInletTemp_HotSide" : "CalcInletTemp_ColdSide", "TempCalc");
    s.mass = addValueRow(inGrid, 1, tr("Mass Flow"), h ? "edMassFlowHSideCalc" : "edMassFlowCSideCalc",
                         h ? "cbMassFlowHSideCalc" : "cbMassFlowCSideCalc", Quantity::MassFlow,
                         h ? "CalcMassFlow_HotSide" : "CalcMassFlow_ColdSide", "FlowCalc");
    s.inVol =
        addValueRow(inGrid, 2, tr("Volume Flow"), h ? "edInletVolFlowHSideCalc" : "edInletVolFlowCSideCalc",
                    h ? "cbInletVolFlowHSideCalc" : "cbInletVolFlowCSideCalc", Quantity::VolumeFlow,
                    h ? "CalcInletVolumeFlow_HotSide" : "CalcInletVolumeFlow_ColdSide", "FlowCalc");
    grid->addWidget(inlet, 3, 0, 1, 3);

    auto* outlet = new QGroupBox(tr("Outlet"), group);
    outlet->setObjectName(h ? QStringLiteral("gbOutletHSideCalc") : QStringLiteral("gbOutletCSideCalc"));
    auto* outGrid = new QGridLayout(outlet);
    s.outTemp =
        addValueRow(outGrid, 0, tr("Temperature"), h ? "edOutletTempHSideCalc" : "edOutletTempCSideCalc",
                    h ? "cbOutletTempHSideCalc" : "cbOutletTempCSideCalc", Quantity::Temperature,
                    h ? "CalcOutletTemp_HotSide" : "CalcOutletTemp_ColdSide", "TempCalc", &s.outTempLabel);
    s.outVol = addValueRow(outGrid, 1, tr("Volume Flow"),
                           h ? "edOutletVolFlowHSideCalc" : "edOutletVolFlowCSideCalc",
                           h ? "cbOutletVolFlowHSideCalc" : "cbOutletVolFlowCSideCalc", Quantity::VolumeFlow,
                           h ? "CalcOutletVolumeFlow_HotSide" : "CalcOutletVolumeFlow_ColdSide", "FlowCalc");
    grid->addWidget(outlet, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    return group;
}

QWidget* CalculationsPanel::buildRatingPage()
{
    pcCalc = new QTabWidget(this);
    pcCalc->setObjectName(QStringLiteral("pcCalc"));
    RatingTabSheet = new QWidget(pcCalc);
    RatingTabSheet->setObjectName(QStringLiteral("RatingTabSheet"));
    pcCalc->addTab(RatingTabSheet, tr("&Rating"));
    auto* page = new QVBoxLayout(RatingTabSheet);

    auto* general = new QWidget(RatingTabSheet);
    auto* left = new QGridLayout;
    auto* right = new QGridLayout;
    auto* generalLayout = new QHBoxLayout(general);
    generalLayout->setContentsMargins(0, 0, 0, 0);
    auto* leftBox = new QWidget(general);
    auto* rightBox = new QWidget(general);
    leftBox->setLayout(left);
    rightBox->setLayout(right);
    generalLayout->addWidget(leftBox);
    generalLayout->addWidget(rightBox);
    edCapacityCalc = addValueRow(left, 0, tr("Heat Load"), "edCapacityCalc", "cbCapacityCalc",
                                 Quantity::HeatLoad, "CalcCapacity", "CapacityCalc");
    edOversurfacingCalc = addValueRow(left, 1, tr("Oversize"), "edOversurfacingCalc", "%", std::nullopt,
                                      nullptr, "OversurfCalc");
    // The numbers of units are whole numbers: a key of no precision group gives 0 decimals.
    edNoUnitsSeriesCalc = addValueRow(left, 2, tr("No. of Units in Series"), "edNoUnitsSeriesCalc", nullptr,
                                      std::nullopt, nullptr, "");
    edNoUnitsParallelCalc = addValueRow(left, 3, tr("No. of Units Parallel"), "edNoUnitsParallelCalc",
                                        nullptr, std::nullopt, nullptr, "");
    edFoulingFactorCalc =
        addValueRow(left, 4, tr("Fouling Factor"), "edFoulingFactorCalc", "cbFoulingFactorCalc",
                    Quantity::Fouling, "CalcFoulingFactor", "FoulFactCalc");
    edHeatTranAreaCalc = addValueRow(right, 0, tr("Heat Transfer Area"), "edHeatTranAreaCalc",
                                     "cbHeatTranAreaCalc", Quantity::Area, "CalcHTA", "HTACalc");
    edLMTDCalc = addValueRow(right, 1, tr("LMTD"), "edLMTDCalc", "cbLMTDCalc",
                             Quantity::TemperatureDifference, "CalcLMTD", "TempCalc");
    edHeatTranCoeffCalc =
        addValueRow(right, 2, tr("OHTC Clean"), "edHeatTranCoeffCalc", "cbHeatTranCoeffCalc",
                    Quantity::HeatTransferCoefficient, "CalcOHTC", "OHTCCalc");
    edHeatTranCoeffFoulCalc =
        addValueRow(right, 3, tr("OHTC Fouling"), "edHeatTranCoeffFoulCalc", "cbHeatTranCoeffFoulCalc",
                    Quantity::HeatTransferCoefficient, "CalcOHTCFoul", "OHTCCalc");
    page->addWidget(general);

    auto* sides = new QHBoxLayout;
    gbHotSideCalc = buildSide(true);
    gbColdSideCalc = buildSide(false);
    sides->addWidget(gbHotSideCalc);
    sides->addWidget(gbColdSideCalc);
    page->addLayout(sides, 1);

    auto* buttons = new QHBoxLayout;
    btnFluids = new QPushButton(tr("F&luid Reference"), RatingTabSheet);
    btnFluids->setObjectName(QStringLiteral("btnFluids"));
    btnMoreResults = new QPushButton(tr("&More Results..."), RatingTabSheet);
    btnMoreResults->setObjectName(QStringLiteral("btnMoreResults"));
    lblVapNote = new QLabel(RatingTabSheet);
    lblVapNote->setObjectName(QStringLiteral("lblVapNote"));
    lblVapNote->setWordWrap(true);
    lblVapNote->hide();
    buttons->addWidget(btnFluids);
    buttons->addWidget(btnMoreResults);
    buttons->addWidget(lblVapNote, 1);
    page->addLayout(buttons);
    connect(btnFluids, &QPushButton::clicked, this, &CalculationsPanel::btnFluidsClick);
    connect(btnMoreResults, &QPushButton::clicked, this, &CalculationsPanel::btnMoreResultsClick);
    // With a condensing hot side the sub-page stays where it is.
    connect(pcCalc, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != m_pageIndex && !pageChangeAllowed()) {
            const QSignalBlocker blocker(pcCalc);
            pcCalc->setCurrentIndex(m_pageIndex);
            return;
        }
        m_pageIndex = index;
        // The Rating page shown again: the arrow follows the sort, the selection is shown.
        if (ratingPageActive()) {
            tbSortArrow->setEnabled(m_list.checked() != SortItem::Type);
            ListBox2Click();
        }
    });
    return pcCalc;
}

// ---- State ----

HotSideKind CalculationsPanel::hotSide() const
{
    return m_balance ? m_balance->hotSide() : HotSideKind::Liquid;
}

bool CalculationsPanel::pageChangeAllowed() const
{
    return hotSide() == HotSideKind::Liquid;
}

bool CalculationsPanel::ratingPageActive() const
{
    return pcCalc->currentWidget() == RatingTabSheet;
}

void CalculationsPanel::showRatingPage()
{
    pcCalc->setCurrentWidget(RatingTabSheet);
}

int CalculationsPanel::presetNow() const
{
    return unitPreset ? unitPreset() : kPresetKorvanex;
}

int CalculationsPanel::showMessage(const MessageSpec& spec)
{
    return ask ? ask(spec) : MessageDialog::ask(spec, this);
}

void CalculationsPanel::setResults(std::vector<TResultTypeB> results)
{
    m_results = std::move(results);
    m_list.setResults(&m_results);
    m_list.select(-1);
    showLines();
    if (resultsChanged)
        resultsChanged(static_cast<int>(m_results.size()));
}

void CalculationsPanel::clearResults()
{
    m_results.clear();
    m_list.setResults(&m_results);
    showLines();
    if (resultsChanged)
        resultsChanged(0);
}

void CalculationsPanel::selectLine(int line)
{
    m_list.select(line);
    showLines();
}

void CalculationsPanel::resetRatingPage()
{
    for (const UnitBoxSet::DecimalField& entry : m_units->decimalFields())
        entry.field->setISOValue(0);
    edLiquidHSideCalc->clear();
    edLiquidCSideCalc->clear();
    m_list.setResults(nullptr);
    showLines();
}

void CalculationsPanel::showLines()
{
    ++m_filling;
    ListBox2->clear();
    for (const std::string& line : m_list.lines())
        ListBox2->addItem(qs(line));
    ListBox2->setCurrentRow(m_list.selected());
    --m_filling;
    ListBox2->repaint();
}

void CalculationsPanel::showVaporNote(const QString& text)
{
    lblVapNote->setText(text);
    lblVapNote->setVisible(!text.isEmpty());
}

QString CalculationsPanel::vaporNote() const
{
    return lblVapNote->isHidden() ? QString() : lblVapNote->text();
}

// ---- Sorting ----

void CalculationsPanel::showSortState()
{
    const TListNames messages = loadMessages(m_settings);
    static const char* const kBuiltIn[] = {"Sorted by Type", "Sorted by Oversize",
                                           "Sorted by Heat Transfer Area", "Sorted by OHTC Clean",
                                           "Sorted by OHTC Fouling"};
    const std::size_t entry = m_list.captionEntry();
    lblTypeSortedList->setText(entryText(messages, entry, tr(kBuiltIn[entry - kMsgSortedByType])));
    tbSortArrow->setEnabled(m_list.arrowEnabled());
    tbSortArrow->setArrowType(m_list.arrowImage() == 0 ? Qt::DownArrow : Qt::UpArrow);
    const SortItem checked = m_list.checked();
    Sortbytype1->setChecked(checked == SortItem::Type);
    Sortbyoversize1->setChecked(checked == SortItem::Oversize);
    SortbyHTA1->setChecked(checked == SortItem::Area);
    SortbyOHTCclean1->setChecked(checked == SortItem::Clean);
    SortbyOHTCfouling1->setChecked(checked == SortItem::Fouled);
}

void CalculationsPanel::ResetSort()
{
    m_list.ResetSort();
    showSortState();
}

void CalculationsPanel::Sortbytype1Click()
{
    m_list.Sortbytype();
    showSortState();
    showLines();
}

void CalculationsPanel::valueSort(SortItem item)
{
    m_list.SortByValue(item);
    showSortState();
    showLines();
}

void CalculationsPanel::Sortbyoversize1Click()
{
    valueSort(SortItem::Oversize);
}
void CalculationsPanel::SortbyHTA1Click()
{
    valueSort(SortItem::Area);
}
void CalculationsPanel::SortbyOHTCclean1Click()
{
    valueSort(SortItem::Clean);
}
void CalculationsPanel::SortbyOHTCfouling1Click()
{
    valueSort(SortItem::Fouled);
}

void CalculationsPanel::tbSortArrowClick()
{
    m_list.SortArrowClick();
    showSortState();
    showLines();
}

void CalculationsPanel::PopupMenu1Popup()
{
    const SortItem checked = m_list.checkedOnPopup();
    Sortbytype1->setChecked(checked == SortItem::Type);
    Sortbyoversize1->setChecked(checked == SortItem::Oversize);
    SortbyHTA1->setChecked(checked == SortItem::Area);
    SortbyOHTCclean1->setChecked(checked == SortItem::Clean);
    SortbyOHTCfouling1->setChecked(checked == SortItem::Fouled);
}

// ---- Showing the selected result ----

void CalculationsPanel::ListBox2Click()
{
    // 1. Commands.
    if (m_results.empty()) {
        if (setReportCommandsEnabled)
            setReportCommandsEnabled(false);
        return;
    }
    if (setReportCommandsEnabled)
        setReportCommandsEnabled(true);
    const int line = m_list.selected();
    if (line < 0)
        return;
    const TResultTypeB* record = m_list.resultForLine(line);
    if (!record)
        return;

    // 2. Technical-data candidates for the size and the duty's working conditions.
    m_techData.clear();
    if (m_balance) {
        const bool liquid = hotSide() == HotSideKind::Liquid;
        const HeatBalance& b = *m_balance;
        const long double pHot = b.value(liquid ? DutyField::InletPressHSide : DutyField::InletPressHSideVC);
        m_techData = TechDataForDuty(
            m_folder, record->SizeName,
            b.value(liquid ? DutyField::InletTempHSide : DutyField::InletTempHSideVC),
            b.value(liquid ? DutyField::OutletTempHSide : DutyField::OutletTempHSideVC),
            b.value(DutyField::InletTempCSide), b.value(DutyField::OutletTempCSide),
            convertFromBase(Quantity::Pressure, kPressureBar, pHot),
            convertFromBase(Quantity::Pressure, kPressureBar, b.value(DutyField::InletPressCSide)));
    }

    // 3. Selection memory.
    m_currentTypeFile = record->TypeFile;
    m_currentSizeName = record->SizeName;
    m_selectionContext = "Calculations";

    // 6. Display, only while the Rating page is the active page.
    if (!ratingPageActive())
        return;
    showVelocityWarnings(*record);
    const TListNames messages = loadMessages(m_settings);
    const FlowLocation hotLocation = m_balance ? m_balance->hotLocation() : FlowLocation::Tubes;
    const FlowLocation coldLocation =
        hotLocation == FlowLocation::Tubes ? FlowLocation::Shell : FlowLocation::Tubes;
    if (const auto caption = sideCaption(messages, true, record->TypeFile, hotLocation))
        gbHotSideCalc->setTitle(qs(*caption));
    if (const auto caption = sideCaption(messages, false, record->TypeFile, coldLocation))
        gbColdSideCalc->setTitle(qs(*caption));
    fillRating(*record);
    const int preset = presetNow();
    if (preset == kPresetOther)
        m_units->reapplyTriples();
    else
        m_units->applyPreset(preset);
}

void CalculationsPanel::fillRating(const TResultTypeB& r)
{
    const bool liquid = hotSide() == HotSideKind::Liquid;
    const QString builtIn = liquid ? entryText(m_dataTexts, kDataTemperature, tr("Temperature"))
                                   : entryText(m_dataTexts, kDataCondensateTemp, tr("Condensate Temp."));
    m_hot.outTempLabel->setText(hotOutletCaption ? hotOutletCaption(hotSide()) : builtIn);
    m_hot.dropLabel->setVisible(liquid);
    m_hot.drop->setVisible(liquid);
    m_hot.dropBox->setVisible(liquid);

    if (m_balance) {
        const HeatBalance& b = *m_balance;
        using F = DutyField;
        edLiquidHSideCalc->setText(qs(liquid ? b.liquidHot() : b.vapor()));
        edLiquidCSideCalc->setText(qs(b.liquidCold()));
        edCapacityCalc->setISOValue(b.value(F::Capacity));
        edNoUnitsSeriesCalc->setISOValue(b.value(F::NoUnitsSeries));
        edNoUnitsParallelCalc->setISOValue(b.value(F::NoUnitsParallel));
        m_hot.press->setISOValue(b.value(liquid ? F::InletPressHSide : F::InletPressHSideVC));
        m_hot.inTemp->setISOValue(b.value(liquid ? F::InletTempHSide : F::InletTempHSideVC));
        m_hot.mass->setISOValue(b.value(liquid ? F::MassFlowHSide : F::MassFlowHSideVC));
        m_hot.inVol->setISOValue(b.value(liquid ? F::InletVolFlowHSide : F::InletVolFlowHSideVC));
        m_hot.outTemp->setISOValue(b.value(liquid ? F::OutletTempHSide : F::OutletTempHSideVC));
        m_hot.outVol->setISOValue(b.value(liquid ? F::OutletVolFlowHSide : F::OutletVolFlowHSideVC));
        m_cold.press->setISOValue(b.value(F::InletPressCSide));
        m_cold.inTemp->setISOValue(b.value(F::InletTempCSide));
        m_cold.mass->setISOValue(b.value(F::MassFlowCSide));
        m_cold.inVol->setISOValue(b.value(F::InletVolFlowCSide));
        m_cold.outTemp->setISOValue(b.value(F::OutletTempCSide));
        m_cold.outVol->setISOValue(b.value(F::OutletVolFlowCSide));
    }
    edOversurfacingCalc->setISOValue(r.Oversize);
    edHeatTranAreaCalc->setISOValue(r.Area);
    edLMTDCalc->setISOValue(r.LMTD);
    edFoulingFactorCalc->setISOValue(r.FoulingFactor);
    edHeatTranCoeffCalc->setISOValue(r.OHTCClean);
    edHeatTranCoeffFoulCalc->setISOValue(r.OHTCFouled);
    m_hot.drop->setISOValue(r.PressDropHS);
    m_cold.drop->setISOValue(r.PressDropCS);
}

void CalculationsPanel::showVelocityWarnings(const TResultTypeB& record)
{
    const TListNames messages = loadMessages(m_settings);
    if (messages.empty())
        return; // without the message file no warning is shown
    const FlowLocation hotLocation = m_balance ? m_balance->hotLocation() : FlowLocation::Tubes;
    const int stored =
        m_settings.group(SettingsGroupId::UnitsOutput).ReadInteger(kDefaultsSection, "InVelConHS", 0);
    const int unit = warningVelocityUnit(presetNow(), stored);
    for (const VelocityWarning& warning : VelocityWarnings(record, hotSide(), hotLocation)) {
        QStringList lines;
        for (const WarningLine& line : warning)
            lines << qs(warningLineText(messages, line, unit));
        if (auto spec = messageFromFile(messages, kMsgErrorTitle, MessageKind::Warning, lines, {kMsgOk}))
            showMessage(*spec);
    }
}

// ---- The unrated display of a selected size ----

void CalculationsPanel::showUnrated(const std::string& sizeName)
{
    if (hotSide() != HotSideKind::Liquid || sizeName.empty())
        return;
    ResetSort();
    const long double fouling = m_balance ? m_balance->value(DutyField::FoulingFactor) : 0;
    std::vector<TResultTypeB> one{UnratedDisplay(sizeName, fouling, ReadTypeNames(m_folder))};
    setResults(std::move(one));
    if (setReportCommandsEnabled)
        setReportCommandsEnabled(true);
    selectLine(0);
    ListBox2Click();
}

// ---- Dialogs ----

void CalculationsPanel::btnFluidsClick()
{
    if (!ratingPageActive() || m_list.selected() < 0)
        return;
    const TResultTypeB* record = m_list.resultForLine(m_list.selected());
    TInfoFluidsCalc dialog(m_settings, FluidFiles(m_folder.fluids()), this);
    if (m_settings.language() != "English")
        dialog.translate(LoadLanguageFile(m_settings, "CalcFluids.dat"));
    const bool liquid = hotSide() == HotSideKind::Liquid;
    dialog.ShowFluids(us(edLiquidHSideCalc->text()), us(edLiquidCSideCalc->text()),
                      liquid ? "Liquid" : "Vapor", m_hot.press->ISOValue(), m_cold.press->ISOValue(),
                      m_hot.inTemp->ISOValue(), m_hot.outTemp->ISOValue(), m_cold.inTemp->ISOValue(),
                      m_cold.outTemp->ISOValue(), record ? record->PrandtlHS : 0,
                      record ? record->PrandtlCS : 0);
    dialog.exec();
}

void CalculationsPanel::btnMoreResultsClick()
{
    if (!ratingPageActive() || m_list.selected() < 0)
        return;
    const TResultTypeB* record = m_list.resultForLine(m_list.selected());
    if (!record)
        return;
    TOtherResults dialog(m_settings, this);
    if (m_settings.language() != "English")
        dialog.translate(LoadLanguageFile(m_settings, "OtherRes.dat"));
    dialog.Fill(hotSide() == HotSideKind::Liquid, *record);
    dialog.exec();
}

} // namespace velor
