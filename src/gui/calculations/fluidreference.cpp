// The "Fluid Reference" dialog.
#include "calculations/fluidreference.h"

#include "app/guitext.h"
#include "app/settings_display.h"
#include "fluids/properties.h"
#include "units/extendededit.h"
#include "units/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velor {

namespace {

struct RowDef
{
    const char* caption;
    const char* stem; // control stem: "Press" gives edPressHSideF / cbPressHSideF
    Quantity quantity;
    const char* precisionKey;
    const char* storeKey; // stored under this key + "HS" / "CS"
};
constexpr RowDef kRows[] = {
    {"Pressure", "Press", Quantity::Pressure, "PressFluids", "FluidPress"},
    {"Ref. Temperature", "RefTemp", Quantity::Temperature, "TempFluids", "FluidRefTemp"},
    {"Density", "Den", Quantity::Density, "DensityFluids", "FluidDensity"},
    {"Heat Capacity", "HeatCap", Quantity::HeatCapacity, "HeatCapFluids", "FluidHeatCap"},
    {"Therm. Conductivity", "Cond", Quantity::Conductivity, "ConductFluids", "FluidCond"},
    {"Dynamic Viscosity", "DynVisc", Quantity::Viscosity, "DynViscFluids", "FluidDynVisc"},
};

// The key a box is loaded from. Pressure and temperature open in the units of the Calculations
// page's inlet pressure and temperature of the side; the other boxes in their own stored unit.
std::string loadKey(int row, bool hot)
{
    if (row == 0)
        return hot ? "CalcInletPress_HotSide" : "CalcInletPress_ColdSide";
    if (row == 1)
        return hot ? "CalcInletTemp_HotSide" : "CalcInletTemp_ColdSide";
    return std::string(kRows[row].storeKey) + (hot ? "HS" : "CS");
}

std::string storeKey(int row, bool hot)
{
    return std::string(kRows[row].storeKey) + (hot ? "HS" : "CS");
}

} // namespace

TInfoFluidsCalc::TInfoFluidsCalc(Settings& settings, FluidFiles files, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_files(std::move(files))
{
    setObjectName(QStringLiteral("TInfoFluidsCalc"));
    setWindowTitle(tr("Fluid Reference"));
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    sides->addWidget(buildSide(true));
    sides->addWidget(buildSide(false));
    layout->addLayout(sides);
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setFocus();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch(1);
    okRow->addWidget(btnOK);
    okRow->addStretch(1);
    layout->addLayout(okRow);
    auto* bar = new QHBoxLayout;
    cbUnitsStandard = new QComboBox(this);
    cbUnitsStandard->setObjectName(QStringLiteral("cbUnitsStandard"));
    for (std::string_view name : kUnitPresetNames)
        cbUnitsStandard->addItem(qs(name));
    bar->addWidget(new QLabel(tr("Units"), this));
    bar->addWidget(cbUnitsStandard);
    bar->addStretch(1);
    layout->addLayout(bar);
    connect(cbUnitsStandard, &QComboBox::currentIndexChanged, this, &TInfoFluidsCalc::cbUnitsStandardChange);
    connect(btnOK, &QPushButton::clicked, this, &TInfoFluidsCalc::btnOKClick);
}

QGroupBox* TInfoFluidsCalc::buildSide(bool hot)
{
    Side& s = hot ? m_hot : m_cold;
    const QString side = hot ? QStringLiteral("HSideF") : QStringLiteral("CSideF");
    s.group = new QGroupBox(hot ? tr("Hot Side") : tr("Cold Side"), this);
    s.group->setObjectName(hot ? QStringLiteral("gbHotSide") : QStringLiteral("gbColdSide"));
    auto* grid = new QGridLayout(s.group);
    auto* nameLabel = new QLabel(tr("Fluid Name"), s.group);
    nameLabel->setObjectName(QStringLiteral("lblLiquid") + side);
    s.name = new QLineEdit(s.group);
    s.name->setObjectName(QStringLiteral("edLiquid") + side);
    s.name->setReadOnly(true);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(s.name, 0, 1, 1, 2);
    for (int row = 0; row < kUnitRows; ++row) {
        const RowDef& def = kRows[row];
        auto* label = new QLabel(tr(def.caption), s.group);
        auto* field = new TExtendedEdit(s.group);
        field->setObjectName(QStringLiteral("ed") + QLatin1String(def.stem) + side);
        field->setReadOnly(true);
        field->setMinimumWidth(100);
        auto* box = new QComboBox(s.group);
        box->setObjectName(QStringLiteral("cb") + QLatin1String(def.stem) + side);
        for (const UnitDef& unit : unitList(def.quantity))
            box->addItem(qs(unit.name));
        connect(box, &QComboBox::currentIndexChanged, this, [this, hot, row] { unitBoxChange(hot, row); });
        grid->addWidget(label, row + 1, 0);
        grid->addWidget(field, row + 1, 1);
        grid->addWidget(box, row + 1, 2);
        s.labels[static_cast<std::size_t>(row)] = label;
        s.fields[static_cast<std::size_t>(row)] = field;
        s.boxes[static_cast<std::size_t>(row)] = box;
    }
    auto* prLabel = new QLabel(tr("Prandtl No."), s.group);
    prLabel->setObjectName(hot ? QStringLiteral("lblPrandNoHS") : QStringLiteral("lblPrandNoCS"));
    s.prandtl = new TExtendedEdit(s.group);
    s.prandtl->setObjectName(hot ? QStringLiteral("edPrandNoHS") : QStringLiteral("edPrandNoCS"));
    s.prandtl->setReadOnly(true);
    grid->addWidget(prLabel, kUnitRows + 1, 0);
    grid->addWidget(s.prandtl, kUnitRows + 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("[ - ]"), s.group), kUnitRows + 1, 2);
    s.labels[kUnitRows] = prLabel;
    s.noData = new QLabel(tr("No property data: the fluid is not\nin the current fluid list."), s.group);
    s.noData->setObjectName(hot ? QStringLiteral("lblNoDataHS") : QStringLiteral("lblNoDataCS"));
    s.noData->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0)"));
    s.noData->hide();
    grid->addWidget(s.noData, kUnitRows + 2, 0, 1, 3);
    return s.group;
}

void TInfoFluidsCalc::ShowFluids(const std::string& hotName, const std::string& coldName,
                                 const std::string& hotKind, long double pHotIn, long double pColdIn,
                                 long double tHotIn, long double tHotOut, long double tColdIn,
                                 long double tColdOut, long double prandtlHS, long double prandtlCS)
{
    // 1. Units and preset.
    const SettingsGroup& group = m_settings.group(SettingsGroupId::UnitsOutput);
    m_loading = true;
    for (bool hot : {true, false}) {
        Side& s = hot ? m_hot : m_cold;
        for (int row = 0; row < kUnitRows; ++row) {
            QComboBox* box = s.boxes[static_cast<std::size_t>(row)];
            const int index = group.ReadInteger(kDefaultsSection, loadKey(row, hot), 0);
            box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
        }
    }
    int preset = group.ReadInteger(kDefaultsSection, "UnitsStandardFC", 0);
    if (preset < 0 || preset > kPresetOther)
        preset = 0;
    cbUnitsStandard->setCurrentIndex(preset);
    m_loading = false;
    if (preset != kPresetOther)
        cbUnitsStandardChange(preset);

    // 2. Hot side: a liquid at its mean temperature, a vapor at its inlet temperature.
    std::optional<TLiquidRow> hotRow;
    long double tH = 0;
    long double hotDensity = 0;
    if (hotKind == "Liquid") {
        tH = (tHotIn + tHotOut) / 2;
        const std::int32_t key = m_files.LiquidKey(hotName, kLiquidsTmp);
        if (key > 0) {
            const TTableAllPropL rows = LiquidTable(m_files, key, kPropLiquidsTmp, tH, tH, 1, pHotIn);
            if (!rows.empty())
                hotRow = rows.front();
        }
        if (hotRow)
            hotDensity = hotRow->density;
    } else {
        tH = tHotIn;
        const std::int32_t key = m_files.VaporKey(hotName, kVaporsTmp);
        if (key > 0) {
            if (const auto v = VaporRow(m_files, key, kPropVaporsTmp, tH)) {
                hotRow = TLiquidRow{tH, 0, v->heatCapacity, v->conductivity, v->viscosity};
                hotDensity = VaporDensity(m_files, key, kVaporsTmp, tH, pHotIn).value_or(0);
            }
        }
    }
    // 3. Cold side: always a liquid at its mean temperature.
    const long double tC = (tColdIn + tColdOut) / 2;
    std::optional<TLiquidRow> coldRow;
    if (const std::int32_t key = m_files.LiquidKey(coldName, kLiquidsTmp); key > 0) {
        const TTableAllPropL rows = LiquidTable(m_files, key, kPropLiquidsTmp, tC, tC, 1, pColdIn);
        if (!rows.empty())
            coldRow = rows.front();
    }

    // 4. Names and decimals.
    m_hot.name->setText(qs(hotName));
    m_cold.name->setText(qs(coldName));
    for (Side* s : {&m_hot, &m_cold}) {
        for (int row = 0; row < kUnitRows; ++row)
            s->fields[static_cast<std::size_t>(row)]->setPrecision(
                decimals(m_settings, kRows[row].precisionKey));
        s->prandtl->setPrecision(decimals(m_settings, "PrandNoFluids"));
    }

    // 5. Values in base units.
    m_hot.fields[Pressure]->setISOValue(pHotIn);
    m_hot.fields[RefTemp]->setISOValue(tH);
    m_hot.fields[Density]->setISOValue(hotDensity);
    m_hot.fields[HeatCap]->setISOValue(hotRow ? hotRow->heatCapacity : 0);
    m_hot.fields[Cond]->setISOValue(hotRow ? hotRow->conductivity : 0);
    m_hot.fields[DynVisc]->setISOValue(hotRow ? hotRow->viscosity : 0);
    m_cold.fields[Pressure]->setISOValue(pColdIn);
    m_cold.fields[RefTemp]->setISOValue(tC);
    m_cold.fields[Density]->setISOValue(coldRow ? coldRow->density : 0);
    m_cold.fields[HeatCap]->setISOValue(coldRow ? coldRow->heatCapacity : 0);
    m_cold.fields[Cond]->setISOValue(coldRow ? coldRow->conductivity : 0);
    m_cold.fields[DynVisc]->setISOValue(coldRow ? coldRow->viscosity : 0);
    m_hot.prandtl->setISOValue(prandtlHS);
    m_cold.prandtl->setISOValue(prandtlCS);
    applyUnits();
    showSide(m_hot, hotRow.has_value());
    showSide(m_cold, coldRow.has_value());
}

void TInfoFluidsCalc::showSide(Side& side, bool found)
{
    // A side without property rows shows its pressure and temperature, empty property fields and
    // the reason, instead of zeros that read like values.
    side.found = found;
    side.noData->setVisible(!found);
    if (found)
        return;
    for (int row = Density; row <= DynVisc; ++row)
        side.fields[static_cast<std::size_t>(row)]->QLineEdit::setText(QString());
}

void TInfoFluidsCalc::applyUnits()
{
    for (Side* s : {&m_hot, &m_cold}) {
        for (int row = 0; row < kUnitRows; ++row)
            if (const auto triple =
                    unitTriple(kRows[row].quantity, s->boxes[static_cast<std::size_t>(row)]->currentIndex()))
                s->fields[static_cast<std::size_t>(row)]->applyTriple(*triple);
        if (!s->found && s->noData->isVisibleTo(this))
            showSide(*s, false);
    }
}

void TInfoFluidsCalc::unitBoxChange(bool hot, int row)
{
    if (m_loading)
        return;
    Side& s = hot ? m_hot : m_cold;
    QComboBox* box = s.boxes[static_cast<std::size_t>(row)];
    if (const auto triple = unitTriple(kRows[row].quantity, box->currentIndex()))
        s.fields[static_cast<std::size_t>(row)]->applyTriple(*triple);
    if (!s.found && s.noData->isVisibleTo(this))
        showSide(s, false);
    m_settings.group(SettingsGroupId::UnitsOutput)
        .WriteInteger(kDefaultsSection, storeKey(row, hot), box->currentIndex());
    if (cbUnitsStandard->currentIndex() != kPresetOther) {
        const QSignalBlocker blocker(cbUnitsStandard);
        cbUnitsStandard->setCurrentIndex(kPresetOther);
    }
}

void TInfoFluidsCalc::cbUnitsStandardChange(int index)
{
    if (m_loading || index < 0 || index == kPresetOther)
        return;
    m_loading = true;
    for (Side* s : {&m_hot, &m_cold})
        for (int row = 0; row < kUnitRows; ++row)
            if (const auto unit = presetUnitIndex(PresetScreen::FluidTables, kRows[row].quantity, index))
                s->boxes[static_cast<std::size_t>(row)]->setCurrentIndex(*unit);
    m_loading = false;
    applyUnits();
    storeAll();
}

void TInfoFluidsCalc::storeAll()
{
    SettingsGroup& group = m_settings.group(SettingsGroupId::UnitsOutput);
    for (bool hot : {true, false}) {
        const Side& s = hot ? m_hot : m_cold;
        for (int row = 0; row < kUnitRows; ++row)
            group.WriteInteger(kDefaultsSection, storeKey(row, hot),
                               s.boxes[static_cast<std::size_t>(row)]->currentIndex());
    }
    group.WriteInteger(kDefaultsSection, "UnitsStandardFC", cbUnitsStandard->currentIndex());
}

void TInfoFluidsCalc::btnOKClick()
{
    storeAll();
    accept();
}

void TInfoFluidsCalc::translate(const TListNames& texts)
{
    // Entries: 0 title, 1 hot side, 2 cold side, 3 fluid name, 4..9 the six property rows,
    // 10 Prandtl number, 11 OK, 12 the preset entry "Other", 13 hint of the preset box.
    if (texts.empty())
        return;
    setWindowTitle(entryText(texts, 0, windowTitle()));
    m_hot.group->setTitle(entryText(texts, 1, m_hot.group->title()));
    m_cold.group->setTitle(entryText(texts, 2, m_cold.group->title()));
    for (Side* s : {&m_hot, &m_cold}) {
        if (auto* name = s->group->findChild<QLabel*>(
                QStringLiteral("lblLiquid") +
                (s == &m_hot ? QStringLiteral("HSideF") : QStringLiteral("CSideF"))))
            applyCaption(name, texts, 3, name->text());
        for (std::size_t row = 0; row < s->labels.size(); ++row)
            applyCaption(s->labels[row], texts, 4 + row, s->labels[row]->text());
    }
    applyCaption(btnOK, texts, 11, btnOK->text());
    const QSignalBlocker blocker(cbUnitsStandard);
    cbUnitsStandard->setItemText(kPresetOther, entryText(texts, 12, cbUnitsStandard->itemText(kPresetOther)));
    applyHint(cbUnitsStandard, texts, 13, cbUnitsStandard->toolTip());
}

} // namespace velor
