// Parameters page contents: building the controls, forwarding their events to the heat balance
// and the size selection, and showing the values, lists and tree those hold.
#include "parameters/parameterspanel.h"

#include "app/guitext.h"
#include "app/unitboxes.h"
#include "catalogue/catalogue.h"
#include "units/extendededit.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velor {

namespace {

constexpr int kNodeRole = Qt::UserRole;
const QColor kRed(255, 0, 0); // colour 255 of the input check

QString latin(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Red text, or back to the inherited (black) text.
void setRed(QWidget* widget, bool red)
{
    if (!red) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, kRed);
    palette.setColor(QPalette::Text, kRed);
    widget->setPalette(palette);
}

} // namespace

void FluidComboBox::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

struct ParametersPanel::Guard
{
    explicit Guard(ParametersPanel* panel) : p(panel) { ++p->m_silent; }
    ~Guard() { --p->m_silent; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    ParametersPanel* p;
};

ParametersPanel::ParametersPanel(Settings& settings, ProgramFolder folder, UnitBoxSet* units, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_folder(std::move(folder)), m_units(units),
      m_files(m_folder.fluids()), m_selection(ReadWorkingLimits(m_folder))
{
    setObjectName(QStringLiteral("ParametersPanel"));
    m_balance = std::make_unique<HeatBalance>(m_files, m_settings, &m_selection);
    m_balance->onWrite = [this](DutyField f, long double v) { showValue(f, v); };
    m_balance->onFluidListChanged = [this](FluidList list) { showFluidList(list); };
    m_balance->onSidesChanged = [this] { showSides(); };
    // A unit box re-applied without a change of its unit (a preset, a restore) clears the marks
    // its field drives, as a changed box does.
    m_units->beforeReapply = [this](const UnitBoxSet::Box& box) {
        for (TExtendedEdit* edit : box.fields)
            for (const DutyFieldInfo& info : dutyFields())
                if (field(info.field) == edit) {
                    const auto mark = driverOf(info.field);
                    if (mark)
                        m_balance->setDriver(*mark, false);
                    else if (info.quantity == Quantity::Temperature || info.quantity == Quantity::Pressure)
                        m_balance->setDriver(Driver::HeatLoad, false);
                }
    };
    m_selection.onCheckChanged = [this](int node, bool checked) {
        if (node < 0 || node >= static_cast<int>(m_items.size()) || !m_items[static_cast<std::size_t>(node)])
            return;
        const QSignalBlocker blocker(TreeNT1);
        m_items[static_cast<std::size_t>(node)]->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    };

    auto* row = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildGeneral());
    left->addWidget(buildArrangement());
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    pcHotSide = new QTabWidget(this);
    pcHotSide->setObjectName(QStringLiteral("pcHotSide"));
    pcHotSide->addTab(buildLiquidPage(true), tr("Liquid"));
    pcHotSide->addTab(buildCondenserPage(), tr("Vapor Condenser"));
    auto* hotBox = new QGroupBox(tr("Hot Side"), this);
    hotBox->setObjectName(QStringLiteral("gbHotSide"));
    m_hotGroups.push_back(hotBox);
    (new QVBoxLayout(hotBox))->addWidget(pcHotSide);
    pcColdSide = new QTabWidget(this);
    pcColdSide->setObjectName(QStringLiteral("pcColdSide"));
    pcColdSide->addTab(buildLiquidPage(false), tr("Liquid"));
    auto* coldBox = new QGroupBox(tr("Cold Side"), this);
    coldBox->setObjectName(QStringLiteral("gbColdSide"));
    m_coldGroups.push_back(coldBox);
    (new QVBoxLayout(coldBox))->addWidget(pcColdSide);
    middle->addWidget(hotBox);
    middle->addWidget(coldBox);
    middle->addStretch(1);
    row->addLayout(left);
    row->addLayout(middle);
    row->addWidget(buildTree(), 1);

    connect(pcHotSide, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_silent)
            pcHotSideChange(index);
    });
    // Every initial value in its field (base units; the units follow with the unit boxes).
    for (const DutyFieldInfo& info : dutyFields())
        showValue(info.field, m_balance->value(info.field));
    showSides();
}

ParametersPanel::~ParametersPanel()
{
    m_selection.onCheckChanged = nullptr;
    if (m_units)
        m_units->beforeReapply = nullptr;
}

// ---- Building ----

void ParametersPanel::addFieldRow(QGridLayout* grid, int row, DutyField f, const QString& caption)
{
    const DutyFieldInfo& info = dutyFieldInfo(f);
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + latin(info.control).mid(2));
    auto* edit = new TExtendedSpinEdit(this);
    edit->setObjectName(latin(info.control));
    edit->setISOMinValue(info.minValue);
    edit->setISOMaxValue(info.maxValue);
    edit->setMinimumWidth(110);
    label->setBuddy(edit);
    m_fields[static_cast<std::size_t>(f)] = edit;
    m_labels[static_cast<std::size_t>(f)] = label;
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    connect(edit, &QLineEdit::textChanged, this, [this, f] {
        if (!m_silent)
            edFieldChange(f);
    });

    if (!info.quantity) {
        if (f == DutyField::Oversurfacing) {
            grid->addWidget(new QLabel(QStringLiteral("[%]"), this), row, 2);
            m_units->addDecimalField(edit, std::string(info.precisionKey));
        } else {
            edit->setIncrement(1); // unit counts step by one
        }
        return;
    }
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("cb") + latin(info.control).mid(2));
    box->setMinimumWidth(90);
    grid->addWidget(box, row, 2);
    // The balance hears of a unit change before the field is redisplayed; the redisplay itself
    // is the program's own write.
    connect(box, &QComboBox::currentIndexChanged, this, [this, f] {
        ++m_silent;
        if (m_silent == 1)
            m_balance->UnitBoxChanged(f);
    });
    const SettingKey* key = findSettingKey(SettingsGroupId::UnitsInput, info.unitKey);
    m_units->addBox(box, *info.quantity, std::string(info.unitKey), key ? key->intDefault : 0, {edit});
    connect(box, &QComboBox::currentIndexChanged, this, [this] { --m_silent; });
    m_units->addDecimalField(edit, std::string(info.precisionKey));
}

QWidget* ParametersPanel::buildGeneral()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("gbGeneral"));
    auto* grid = new QGridLayout(group);
    addFieldRow(grid, 0, DutyField::Capacity, tr("Heat Load"));
    addFieldRow(grid, 1, DutyField::Oversurfacing, tr("Min. Oversizing"));
    addFieldRow(grid, 2, DutyField::NoUnitsSeries, tr("No. of Units in Series"));
    addFieldRow(grid, 3, DutyField::NoUnitsParallel, tr("No. of Units Parallel"));
    addFieldRow(grid, 4, DutyField::FoulingFactor, tr("Fouling Factor"));
    return group;
}

FluidComboBox* ParametersPanel::makeFluidBox(const char* name, FluidList list)
{
    auto* box = new FluidComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(180);
    m_fluidBoxes[static_cast<std::size_t>(list)] = box;
    connect(box, &FluidComboBox::dropDown, this, [this, list] {
        switch (list) {
        case FluidList::LiquidHot:
            cbLiquidHSideDropDown();
            break;
        case FluidList::LiquidCold:
            cbLiquidCSideDropDown();
            break;
        case FluidList::VaporHot:
            cbVaporHSideDropDown();
            break;
        }
    });
    connect(box, &QComboBox::activated, this, [this, list](int index) {
        switch (list) {
        case FluidList::LiquidHot:
            cbLiquidHSideChange(index);
            break;
        case FluidList::LiquidCold:
            cbLiquidCSideChange(index);
            break;
        case FluidList::VaporHot:
            cbVaporHSideChange(index);
            break;
        }
    });
    return box;
}

QPushButton* ParametersPanel::makeEditorButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false); // the fluid editors are not part of this program yet
    return button;
}

QWidget* ParametersPanel::buildLiquidPage(bool hot)
{
    using F = DutyField;
    auto* page = new QWidget(this);
    page->setObjectName(hot ? QStringLiteral("LiquidHotSide") : QStringLiteral("LiquidColdSide"));
    auto* layout = new QVBoxLayout(page);
    auto* fluidRow = new QHBoxLayout;
    fluidRow->addWidget(makeFluidBox(hot ? "cbLiquidHSide" : "cbLiquidCSide",
                                     hot ? FluidList::LiquidHot : FluidList::LiquidCold),
                        1);
    QPushButton* button = makeEditorButton(hot ? "btnLiquidHS" : "btnLiquidCS", tr("Liquid"));
    (hot ? btnLiquidHS : btnLiquidCS) = button;
    fluidRow->addWidget(button);
    layout->addLayout(fluidRow);

    auto* pressure = new QGridLayout;
    addFieldRow(pressure, 0, hot ? F::InletPressHSide : F::InletPressCSide, tr("Pressure"));
    layout->addLayout(pressure);

    auto* ends = new QHBoxLayout;
    auto* inlet = new QGroupBox(tr("Inlet"), page);
    m_inletGroups.push_back(inlet);
    auto* inletGrid = new QGridLayout(inlet);
    addFieldRow(inletGrid, 0, hot ? F::InletTempHSide : F::InletTempCSide, tr("Temperature"));
    addFieldRow(inletGrid, 1, hot ? F::MassFlowHSide : F::MassFlowCSide, tr("Mass Flow"));
    addFieldRow(inletGrid, 2, hot ? F::InletVolFlowHSide : F::InletVolFlowCSide, tr("Volume Flow"));
    auto* outlet = new QGroupBox(tr("Outlet"), page);
    m_outletGroups.push_back(outlet);
    auto* outletGrid = new QGridLayout(outlet);
    addFieldRow(outletGrid, 0, hot ? F::OutletTempHSide : F::OutletTempCSide, tr("Temperature"));
    addFieldRow(outletGrid, 1, hot ? F::OutletVolFlowHSide : F::OutletVolFlowCSide, tr("Volume Flow"));
    outletGrid->setRowStretch(2, 1);
    ends->addWidget(inlet);
    ends->addWidget(outlet);
    layout->addLayout(ends);

    auto* drops = new QGridLayout;
    addFieldRow(drops, 0, hot ? F::MinPressDropHSide : F::MinPressDropCSide, tr("Min. Press. Drop"));
    addFieldRow(drops, 1, hot ? F::MaxPressDropHSide : F::MaxPressDropCSide, tr("Max. Press. Drop"));
    drops->setColumnStretch(3, 1);
    pressure->setColumnStretch(3, 1);
    layout->addLayout(drops);
    (hot ? LiquidHotSide : LiquidColdSide) = page;
    return page;
}

QWidget* ParametersPanel::buildCondenserPage()
{
    using F = DutyField;
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("VaporCondHotSide"));
    auto* layout = new QVBoxLayout(page);
    auto* fluidRow = new QHBoxLayout;
    fluidRow->addWidget(makeFluidBox("cbVaporHSide", FluidList::VaporHot), 1);
    btnVaporHS = makeEditorButton("btnVaporHS", tr("Vapor"));
    fluidRow->addWidget(btnVaporHS);
    layout->addLayout(fluidRow);

    auto* ends = new QHBoxLayout;
    auto* inlet = new QGroupBox(tr("Inlet"), page);
    m_inletGroups.push_back(inlet);
    auto* inletGrid = new QGridLayout(inlet);
    addFieldRow(inletGrid, 0, F::InletTempHSideVC, tr("Temperature"));
    addFieldRow(inletGrid, 1, F::InletPressHSideVC, tr("Pressure"));
    addFieldRow(inletGrid, 2, F::MassFlowHSideVC, tr("Mass Flow"));
    addFieldRow(inletGrid, 3, F::InletVolFlowHSideVC, tr("Volume Flow"));
    auto* outlet = new QGroupBox(tr("Outlet"), page);
    m_outletGroups.push_back(outlet);
    auto* outletGrid = new QGridLayout(outlet);
    addFieldRow(outletGrid, 0, F::OutletTempHSideVC, tr("Condensate Temp."));
    addFieldRow(outletGrid, 1, F::OutletVolFlowHSideVC, tr("Volume Flow"));
    outletGrid->setRowStretch(2, 1);
    ends->addWidget(inlet);
    ends->addWidget(outlet);
    layout->addLayout(ends);
    layout->addStretch(1);
    VaporCondHotSide = page;
    return page;
}

QWidget* ParametersPanel::buildArrangement()
{
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto pair = [&](const char* groupName, const QString& caption, QRadioButton*& tubes, QRadioButton*& shell,
                    const char* tubesName, const char* shellName) {
        auto* group = new QGroupBox(caption, box);
        group->setObjectName(QLatin1String(groupName));
        (&tubes == &rbSTCTubesHS ? m_hotGroups : m_coldGroups).push_back(group);
        auto* v = new QVBoxLayout(group);
        tubes = new QRadioButton(tr("in Tubes/Coil"), group);
        tubes->setObjectName(QLatin1String(tubesName));
        shell = new QRadioButton(tr("in Shell"), group);
        shell->setObjectName(QLatin1String(shellName));
        v->addWidget(tubes);
        v->addWidget(shell);
        layout->addWidget(group);
    };
    pair("gbSTCHotSide", tr("Hot Side"), rbSTCTubesHS, rbSTCShellHS, "rbSTCTubesHS", "rbSTCShellHS");
    pair("gbSTCColdSide", tr("Cold Side"), rbSTCTubesCS, rbSTCShellCS, "rbSTCTubesCS", "rbSTCShellCS");
    connect(rbSTCTubesHS, &QRadioButton::clicked, this, &ParametersPanel::rbSTCTubesHSClick);
    connect(rbSTCShellHS, &QRadioButton::clicked, this, &ParametersPanel::rbSTCShellHSClick);
    connect(rbSTCTubesCS, &QRadioButton::clicked, this, &ParametersPanel::rbSTCTubesCSClick);
    connect(rbSTCShellCS, &QRadioButton::clicked, this, &ParametersPanel::rbSTCShellCSClick);
    return box;
}

QWidget* ParametersPanel::buildTree()
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    lblHeatExchangers = new QLabel(tr("Heat Exchangers"), box);
    lblHeatExchangers->setObjectName(QStringLiteral("lblHeatExchangers"));
    TreeNT1 = new QTreeWidget(box);
    TreeNT1->setObjectName(QStringLiteral("TreeNT1"));
    TreeNT1->setHeaderHidden(true);
    TreeNT1->setRootIsDecorated(true);
    TreeNT1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeNT1->setMinimumWidth(200);
    lblSelectedHeatExchangers = new QLabel(tr("Selected Heat Exchangers"), box);
    lblSelectedHeatExchangers->setObjectName(QStringLiteral("lblSelectedHeatExchangers"));
    ListBox1 = new QListWidget(box);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setMaximumHeight(140);
    layout->addWidget(lblHeatExchangers);
    layout->addWidget(TreeNT1, 1);
    layout->addWidget(lblSelectedHeatExchangers);
    layout->addWidget(ListBox1);
    connect(TreeNT1, &QTreeWidget::itemChanged, this, &ParametersPanel::TreeNT1Checked);
    buildTreeItems();
    return box;
}

void ParametersPanel::buildTreeItems()
{
    const QSignalBlocker blocker(TreeNT1);
    TreeNT1->clear();
    const TypeTree& tree = m_selection.tree();
    m_items.assign(tree.size(), nullptr);
    for (int id : tree.itemOrder()) {
        const TypeTreeNode& node = tree.node(id);
        QTreeWidgetItem* item = node.parent < 0
                                    ? new QTreeWidgetItem(TreeNT1)
                                    : new QTreeWidgetItem(m_items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, qs(node.text));
        item->setData(0, kNodeRole, id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, node.checked ? Qt::Checked : Qt::Unchecked);
        m_items[static_cast<std::size_t>(id)] = item;
    }
    TreeNT1->expandAll();
}

// ---- Start-up and shut-down ----

void ParametersPanel::startUp()
{
    {
        const Guard guard(this);
        m_balance->RestoreFluids();
        m_balance->RestoreDuty();
        m_selection.BuildTypeTree(m_folder);
        m_selection.setDuty(m_balance->selectionDuty());
        buildTreeItems();
        showSelection();
    }
    if (m_silent > 0)
        --m_silent; // the page starts forwarding user changes
}

void ParametersPanel::shutDown()
{
    m_balance->StoreDuty();
}

// ---- Showing the model ----

void ParametersPanel::showValue(DutyField f, long double baseValue)
{
    const Guard guard(this);
    if (TExtendedSpinEdit* edit = field(f))
        edit->setISOValue(baseValue);
}

void ParametersPanel::showFluidList(FluidList list)
{
    FluidComboBox* box = m_fluidBoxes[static_cast<std::size_t>(list)];
    if (!box)
        return;
    const FluidChoice& choice = m_balance->fluidList(list);
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& name : choice.names)
        box->addItem(qs(name));
    box->setCurrentIndex(choice.selected);
}

void ParametersPanel::showSides()
{
    const Guard guard(this);
    {
        const QSignalBlocker blocker(pcHotSide);
        pcHotSide->setCurrentIndex(m_balance->hotSide() == HotSideKind::Liquid ? 0 : 1);
    }
    const bool hotInTubes = m_balance->hotLocation() == FlowLocation::Tubes;
    rbSTCTubesHS->setChecked(hotInTubes);
    rbSTCShellHS->setChecked(!hotInTubes);
    rbSTCTubesCS->setChecked(!hotInTubes);
    rbSTCShellCS->setChecked(hotInTubes);
}

void ParametersPanel::showSelection()
{
    ListBox1->clear();
    for (const std::string& name : m_selection.selected())
        ListBox1->addItem(qs(name));
    const QSignalBlocker blocker(TreeNT1);
    const TypeTree& tree = m_selection.tree();
    for (std::size_t id = 0; id < m_items.size() && id < tree.size(); ++id)
        if (QTreeWidgetItem* item = m_items[id])
            item->setForeground(0, tree.node(static_cast<int>(id)).red ? QBrush(kRed) : QBrush());
    setRed(lblHeatExchangers, m_selection.captionRed());
}

void ParametersPanel::setFieldRed(DutyField f, bool red)
{
    if (TExtendedSpinEdit* edit = field(f))
        setRed(edit, red);
    if (QLabel* label = m_labels[static_cast<std::size_t>(f)])
        setRed(label, red);
}

void ParametersPanel::setSelectedSizes(const std::vector<std::string>& names)
{
    m_selection.setSelected(names);
    showSelection();
}

void ParametersPanel::markTreeRed()
{
    m_selection.markAllRed();
    showSelection();
}

void ParametersPanel::markRed(CheckMark mark)
{
    const bool liquid = m_balance->hotSide() == HotSideKind::Liquid;
    switch (mark) {
    case CheckMark::None:
        for (const DutyFieldInfo& info : dutyFields())
            setFieldRed(info.field, false);
        m_selection.clearRed();
        showSelection();
        return;
    case CheckMark::ColdOutlet:
        setFieldRed(DutyField::OutletTempCSide, true);
        return;
    case CheckMark::ColdInlet:
        setFieldRed(DutyField::InletTempCSide, true);
        return;
    case CheckMark::HotOutlet:
        setFieldRed(liquid ? DutyField::OutletTempHSide : DutyField::OutletTempHSideVC, true);
        return;
    case CheckMark::HotInlet:
        setFieldRed(liquid ? DutyField::InletTempHSide : DutyField::InletTempHSideVC, true);
        return;
    case CheckMark::Selection:
        markTreeRed();
        return;
    }
}

void ParametersPanel::beginUnitChange()
{
    ++m_silent;
    m_balance->BeginPreset();
}

void ParametersPanel::endUnitChange()
{
    m_balance->EndPreset();
    --m_silent;
}

void ParametersPanel::clearDuty()
{
    const Guard guard(this);
    for (const DutyFieldInfo& info : dutyFields()) {
        TExtendedSpinEdit* edit = field(info.field);
        edit->setValue(0);
        m_balance->setValue(info.field, edit->ISOValue());
    }
    m_balance->clearDrivers();
}

void ParametersPanel::translate(const TListNames& data)
{
    using F = DutyField;
    if (data.empty())
        return;
    auto text = [&](std::size_t k, auto apply) {
        if (const auto t = data.text(k))
            apply(qs(*t));
    };
    auto caption = [&](std::size_t k, std::initializer_list<QWidget*> controls) {
        text(k, [&](const QString& t) {
            for (QWidget* c : controls) {
                if (auto* label = qobject_cast<QLabel*>(c))
                    label->setText(t);
                else if (auto* button = qobject_cast<QAbstractButton*>(c))
                    button->setText(t);
                else if (auto* group = qobject_cast<QGroupBox*>(c))
                    group->setTitle(t);
            }
        });
    };
    auto groups = [&](std::size_t k, const std::vector<QGroupBox*>& list) {
        text(k, [&](const QString& t) {
            for (QGroupBox* g : list)
                g->setTitle(t);
        });
    };
    auto labels = [&](std::size_t k, std::initializer_list<F> fields) {
        text(k, [&](const QString& t) {
            for (F f : fields)
                m_labels[static_cast<std::size_t>(f)]->setText(t);
        });
    };
    auto hint = [&](std::size_t k, std::initializer_list<QWidget*> controls) {
        text(k, [&](const QString& t) {
            for (QWidget* c : controls)
                c->setToolTip(t);
        });
    };
    auto fieldHint = [&](std::size_t k, std::initializer_list<F> fields) {
        text(k, [&](const QString& t) {
            for (F f : fields)
                field(f)->setToolTip(t);
        });
    };

    caption(1, {lblHeatExchangers});
    caption(7, {lblSelectedHeatExchangers});
    labels(8, {F::Capacity});
    labels(9, {F::NoUnitsParallel});
    labels(10, {F::Oversurfacing});
    labels(11, {F::FoulingFactor});
    text(12, [&](const QString& t) {
        pcHotSide->setTabText(0, t);
        pcColdSide->setTabText(0, t);
        btnLiquidHS->setText(t);
        btnLiquidCS->setText(t);
    });
    text(13, [&](const QString& t) { pcHotSide->setTabText(1, t); });
    groups(14, m_hotGroups);
    groups(15, m_coldGroups);
    groups(16, m_inletGroups);
    groups(17, m_outletGroups);
    labels(18, {F::InletPressHSide, F::InletPressCSide, F::InletPressHSideVC});
    labels(19, {F::InletTempHSide, F::OutletTempHSide, F::InletTempCSide, F::OutletTempCSide,
                F::InletTempHSideVC});
    labels(20, {F::MassFlowHSide, F::MassFlowCSide, F::MassFlowHSideVC});
    labels(21, {F::InletVolFlowHSide, F::OutletVolFlowHSide, F::InletVolFlowCSide, F::OutletVolFlowCSide,
                F::InletVolFlowHSideVC, F::OutletVolFlowHSideVC});
    labels(22, {F::MinPressDropHSide, F::MinPressDropCSide});
    labels(23, {F::MaxPressDropHSide, F::MaxPressDropCSide});
    labels(43, {F::OutletTempHSideVC});
    caption(83, {rbSTCTubesHS, rbSTCTubesCS});
    caption(84, {rbSTCShellHS, rbSTCShellCS});
    caption(86, {btnVaporHS});
    // The series count's caption has its own entry beside its hint (90), as on the Calculations
    // page; without it the label would stay English in every language.
    labels(89, {F::NoUnitsSeries});

    fieldHint(45, {F::Capacity});
    fieldHint(46, {F::NoUnitsParallel});
    fieldHint(47, {F::Oversurfacing});
    fieldHint(48, {F::FoulingFactor});
    hint(49, {btnLiquidHS, btnLiquidCS});
    hint(51, {m_fluidBoxes[0], m_fluidBoxes[2]});
    hint(52, {m_fluidBoxes[1]});
    fieldHint(53, {F::InletPressHSide});
    fieldHint(54, {F::InletPressCSide});
    fieldHint(55, {F::InletTempHSide, F::InletTempHSideVC});
    fieldHint(56, {F::InletTempCSide});
    fieldHint(57, {F::OutletTempHSide, F::OutletTempHSideVC});
    fieldHint(58, {F::OutletTempCSide});
    fieldHint(59, {F::MassFlowHSide, F::MassFlowHSideVC});
    fieldHint(60, {F::MassFlowCSide});
    fieldHint(61, {F::InletVolFlowHSide, F::InletVolFlowHSideVC});
    fieldHint(62, {F::InletVolFlowCSide});
    fieldHint(63, {F::OutletVolFlowHSide, F::OutletVolFlowHSideVC});
    fieldHint(64, {F::OutletVolFlowCSide});
    fieldHint(65, {F::MinPressDropHSide});
    fieldHint(66, {F::MinPressDropCSide});
    fieldHint(67, {F::MaxPressDropHSide});
    fieldHint(68, {F::MaxPressDropCSide});
    hint(86, {btnVaporHS});
    fieldHint(87, {F::InletPressHSideVC});
    fieldHint(90, {F::NoUnitsSeries});
}

void ParametersPanel::translateTree(const TListNames& oldData, const TListNames& newData)
{
    const QSignalBlocker blocker(TreeNT1);
    for (std::size_t k = 2; k <= 6; ++k) {
        const auto to = newData.text(k);
        const auto from = oldData.empty() ? newData.key(k) : oldData.text(k);
        if (!to || !from)
            continue;
        // Only the captions change: the selection rules work on type codes and size names.
        for (QTreeWidgetItem* item : m_items)
            if (item && item->text(0) == qs(*from))
                item->setText(0, qs(*to));
    }
}

void ParametersPanel::afterDutyChange()
{
    showSelection();
}

// ---- Handlers ----

void ParametersPanel::edFieldChange(DutyField f)
{
    TExtendedSpinEdit* edit = field(f);
    edit->Value(); // takes the typed text over as the base value
    m_balance->setValue(f, edit->ISOValue());
    const auto& quantity = dutyFieldInfo(f).quantity;
    if (quantity == Quantity::Temperature && edit->palette().color(QPalette::Text) == kRed)
        setFieldRed(f, false);
    m_balance->FieldChanged(f);
    afterDutyChange();
}

void ParametersPanel::edCapacityChange()
{
    edFieldChange(DutyField::Capacity);
}

void ParametersPanel::pcHotSideChange(int index)
{
    m_balance->SwitchHotSide(index == 1 ? HotSideKind::Condensing : HotSideKind::Liquid);
    afterDutyChange();
}

void ParametersPanel::rbSTCTubesHSClick()
{
    m_balance->SelectLocation(true, FlowLocation::Tubes);
    showSides();
    afterDutyChange();
}

void ParametersPanel::rbSTCShellHSClick()
{
    m_balance->SelectLocation(true, FlowLocation::Shell);
    showSides();
    afterDutyChange();
}

void ParametersPanel::rbSTCTubesCSClick()
{
    m_balance->SelectLocation(false, FlowLocation::Tubes);
    showSides();
    afterDutyChange();
}

void ParametersPanel::rbSTCShellCSClick()
{
    m_balance->SelectLocation(false, FlowLocation::Shell);
    showSides();
    afterDutyChange();
}

void ParametersPanel::cbLiquidHSideDropDown()
{
    m_balance->DropDownList(FluidList::LiquidHot);
}

void ParametersPanel::cbLiquidCSideDropDown()
{
    m_balance->DropDownList(FluidList::LiquidCold);
}

void ParametersPanel::cbVaporHSideDropDown()
{
    m_balance->DropDownList(FluidList::VaporHot);
}

void ParametersPanel::cbLiquidHSideChange(int index)
{
    m_balance->SelectFluid(FluidList::LiquidHot, index);
    afterDutyChange();
}

void ParametersPanel::cbLiquidCSideChange(int index)
{
    m_balance->SelectFluid(FluidList::LiquidCold, index);
    afterDutyChange();
}

void ParametersPanel::cbVaporHSideChange(int index)
{
    m_balance->SelectFluid(FluidList::VaporHot, index);
    afterDutyChange();
}

void ParametersPanel::TreeNT1Checked(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const int id = item->data(0, kNodeRole).toInt();
    if (id < 0 || id >= static_cast<int>(m_selection.tree().size()))
        return;
    m_selection.setDuty(m_balance->selectionDuty());
    m_selection.setChecked(id, item->checkState(0) == Qt::Checked);
    showSelection();
}

} // namespace velor
