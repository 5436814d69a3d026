// The "More Results" window.
#include "calculations/moreresults.h"

#include "app/guitext.h"
#include "app/settings_display.h"
#include "units/extendededit.h"
#include "units/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velor {

namespace {

// The NTU decimals: "NtuCalc" (default 0), or "AllCalc" when one value serves every field.
int ntuDecimals(const Settings& settings)
{
    const SettingsGroup& group = settings.group(SettingsGroupId::DecimalsCalc);
    if (group.ReadInteger(kDefaultsSection, "OptionCalc", 0) == kPrecisionOptionAll)
        return decimals(settings, "AllCalc");
    return group.ReadInteger(kDefaultsSection, "NtuCalc", 0);
}

} // namespace

TOtherResults::TOtherResults(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("TOtherResults"));
    setWindowTitle(tr("More Results"));
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    sides->addWidget(buildSide(true));
    sides->addWidget(buildSide(false));
    layout->addLayout(sides);

    auto* bar = new QHBoxLayout;
    cbUnitsStandard = new QComboBox(this);
    cbUnitsStandard->setObjectName(QStringLiteral("cbUnitsStandard"));
    for (std::string_view name : kUnitPresetNames)
        cbUnitsStandard->addItem(qs(name));
    cbUnitsStandard->setToolTip(tr("Units standard"));
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setFocus();
    bar->addWidget(cbUnitsStandard);
    bar->addStretch(1);
    bar->addWidget(btnOK);
    layout->addLayout(bar);
    connect(cbUnitsStandard, &QComboBox::currentIndexChanged, this, &TOtherResults::cbUnitsStandardChange);
    connect(btnOK, &QPushButton::clicked, this, &TOtherResults::btnOKClick);
}

TExtendedEdit* TOtherResults::addRow(QGridLayout* grid, int row, QLabel** label, const QString& caption,
                                     const char* field, const char* box, const char* key,
                                     std::optional<Quantity> quantity)
{
    QWidget* parent = grid->parentWidget();
    *label = new QLabel(caption, parent);
    auto* edit = new TExtendedEdit(parent);
    edit->setObjectName(QLatin1String(field));
    edit->setReadOnly(true);
    edit->setMinimumWidth(90);
    grid->addWidget(*label, row, 0);
    grid->addWidget(edit, row, 1);
    if (quantity) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QLatin1String(box));
        for (const UnitDef& unit : unitList(*quantity))
            combo->addItem(qs(unit.name));
        const std::size_t index = m_units.size();
        m_units.push_back({combo, edit, *quantity, key});
        connect(combo, &QComboBox::currentIndexChanged, this, [this, index] { unitBoxChange(index); });
        grid->addWidget(combo, row, 2);
    } else {
        auto* unit = new QLabel(QStringLiteral("[ - ]"), parent);
        unit->setObjectName(QLatin1String(box));
        grid->addWidget(unit, row, 2);
        m_plain.push_back(edit);
    }
    return edit;
}

QGroupBox* TOtherResults::buildSide(bool hot)
{
    Side& s = hot ? m_hot : m_cold;
    const bool h = hot;
    s.group = new QGroupBox(hot ? tr("Hot Side") : tr("Cold Side"), this);
    s.group->setObjectName(hot ? QStringLiteral("gbHotSide") : QStringLiteral("gbColdSide"));
    auto* column = new QVBoxLayout(s.group);

    s.connections = new QGroupBox(tr("Connections"), s.group);
    auto* con = new QGridLayout(s.connections);
    s.edInVel =
        addRow(con, 0, &s.inVel, tr("Inlet Velocity"), h ? "edInVelConHS" : "edInVelConCS",
               h ? "cbInVelConHS" : "cbInVelConCS", h ? "InVelConHS" : "InVelConCS", Quantity::Velocity);
    s.edOutVel =
        addRow(con, 1, &s.outVel, tr("Outlet Velocity"), h ? "edOutVelConHS" : "edOutVelConCS",
               h ? "cbOutVelConHS" : "cbOutVelConCS", h ? "OutVelConHS" : "OutVelConCS", Quantity::Velocity);
    column->addWidget(s.connections);

    s.internal = new QGroupBox(tr("Internal"), s.group);
    auto* in = new QGridLayout(s.internal);
    s.edVel =
        addRow(in, 0, &s.vel, tr("Velocity"), h ? "edVelTubeSpHS" : "edVelTubeSpCS",
               h ? "cbVelTubeSpHS" : "cbVelTubeSpCS", h ? "VelTubeSpHS" : "VelTubeSpCS", Quantity::Velocity);
    s.edReyn = addRow(in, 1, &s.reyn, tr("Reynolds No."), h ? "edReynTubeSpHS" : "edReynTubeSpCS",
                      h ? "lblReynUnitHS" : "lblReynUnitCS", nullptr, std::nullopt);
    column->addWidget(s.internal);

    s.transfer = new QGroupBox(tr("Heat Transfer"), s.group);
    auto* tr_ = new QGridLayout(s.transfer);
    s.edAlpha = addRow(tr_, 0, &s.htc, tr("HTC"), h ? "edAlphaTubeSpHS" : "edAlphaTubeSpCS",
                       h ? "cbAlphaTubeSpHS" : "cbAlphaTubeSpCS", h ? "AlphaTubeSpHS" : "AlphaTubeSpCS",
                       Quantity::HeatTransferCoefficient);
    s.edNuss = addRow(tr_, 1, &s.nuss, tr("Nusselt No."), h ? "edNussTubeSpHS" : "edNussTubeSpCS",
                      h ? "lblNussUnitHS" : "lblNussUnitCS", nullptr, std::nullopt);
    s.edNTU = addRow(tr_, 2, &s.ntu, tr("NTU"), h ? "edNTUHS" : "edNTUCS",
                     h ? "lblNTUUnitHS" : "lblNTUUnitCS", nullptr, std::nullopt);
    s.ntuUnit =
        s.transfer->findChild<QLabel*>(h ? QStringLiteral("lblNTUUnitHS") : QStringLiteral("lblNTUUnitCS"));
    column->addWidget(s.transfer);
    return s.group;
}

void TOtherResults::Fill(bool hotLiquid, const TResultTypeB& r)
{
    // 1. Units and the preset from the settings.
    const SettingsGroup& group = m_settings.group(SettingsGroupId::UnitsOutput);
    m_loading = true;
    for (const UnitRow& row : m_units) {
        const int index = group.ReadInteger(kDefaultsSection, row.key, 0);
        const QSignalBlocker blocker(row.combo);
        row.combo->setCurrentIndex(index >= 0 && index < row.combo->count() ? index : 0);
    }
    int preset = group.ReadInteger(kDefaultsSection, "UnitsStandardOR", 0);
    if (preset < 0 || preset > kPresetOther)
        preset = 0;
    {
        const QSignalBlocker blocker(cbUnitsStandard);
        cbUnitsStandard->setCurrentIndex(preset);
    }
    m_loading = false;
    // 2. A preset other than "Other" is applied (and stored) as when it is chosen.
    if (preset != kPresetOther)
        cbUnitsStandardChange(preset);

    // 3. Decimals.
    const int velocity = decimals(m_settings, "VelocityCalc");
    for (TExtendedEdit* e :
         {m_hot.edInVel, m_hot.edOutVel, m_hot.edVel, m_cold.edInVel, m_cold.edOutVel, m_cold.edVel})
        e->setPrecision(velocity);
    for (TExtendedEdit* e : {m_hot.edAlpha, m_cold.edAlpha})
        e->setPrecision(decimals(m_settings, "AlphaCalc"));
    for (TExtendedEdit* e : {m_hot.edReyn, m_cold.edReyn})
        e->setPrecision(decimals(m_settings, "ReynNoCalc"));
    for (TExtendedEdit* e : {m_hot.edNuss, m_cold.edNuss})
        e->setPrecision(decimals(m_settings, "NussNoCalc"));
    for (TExtendedEdit* e : {m_hot.edNTU, m_cold.edNTU})
        e->setPrecision(ntuDecimals(m_settings));

    // 4. Values in base units, each shown in its box's unit.
    m_hot.edInVel->setISOValue(r.InVelConHS);
    m_hot.edOutVel->setISOValue(r.OutVelConHS);
    m_hot.edVel->setISOValue(r.VelTubeSpHS);
    m_hot.edAlpha->setISOValue(r.AlphaHS);
    m_cold.edInVel->setISOValue(r.InVelConCS);
    m_cold.edOutVel->setISOValue(r.OutVelConCS);
    m_cold.edVel->setISOValue(r.VelTubeSpCS);
    m_cold.edAlpha->setISOValue(r.AlphaCS);
    for (const UnitRow& row : m_units)
        if (const auto triple = unitTriple(row.quantity, row.combo->currentIndex()))
            row.field->applyTriple(*triple);
    m_hot.edReyn->setISOValue(r.ReynoldsHS);
    m_cold.edReyn->setISOValue(r.ReynoldsCS);
    m_hot.edNuss->setISOValue(r.NusseltHS);
    m_cold.edNuss->setISOValue(r.NusseltCS);

    // 5. NTU: shown for a liquid hot side only.
    m_hot.edNTU->setISOValue(r.NTUHS);
    m_cold.edNTU->setISOValue(r.NTUCS);
    for (Side* s : {&m_hot, &m_cold}) {
        s->ntu->setVisible(hotLiquid);
        s->edNTU->setVisible(hotLiquid);
        s->ntuUnit->setVisible(hotLiquid);
    }
}

void TOtherResults::unitBoxChange(std::size_t index)
{
    if (m_loading)
        return;
    const UnitRow& row = m_units[index];
    if (const auto triple = unitTriple(row.quantity, row.combo->currentIndex()))
        row.field->applyTriple(*triple);
    m_settings.group(SettingsGroupId::UnitsOutput)
        .WriteInteger(kDefaultsSection, row.key, row.combo->currentIndex());
    if (cbUnitsStandard->currentIndex() != kPresetOther) {
        const QSignalBlocker blocker(cbUnitsStandard);
        cbUnitsStandard->setCurrentIndex(kPresetOther);
    }
}

void TOtherResults::cbUnitsStandardChange(int index)
{
    if (m_loading || index < 0 || index == kPresetOther)
        return;
    m_loading = true;
    for (const UnitRow& row : m_units)
        if (const auto unit = presetUnitIndex(PresetScreen::MoreResults, row.quantity, index))
            row.combo->setCurrentIndex(*unit);
    m_loading = false;
    for (const UnitRow& row : m_units)
        if (const auto triple = unitTriple(row.quantity, row.combo->currentIndex()))
            row.field->applyTriple(*triple);
    storeAll();
}

void TOtherResults::storeAll()
{
    SettingsGroup& group = m_settings.group(SettingsGroupId::UnitsOutput);
    for (const UnitRow& row : m_units)
        group.WriteInteger(kDefaultsSection, row.key, row.combo->currentIndex());
    group.WriteInteger(kDefaultsSection, "UnitsStandardOR", cbUnitsStandard->currentIndex());
}

void TOtherResults::btnOKClick()
{
    storeAll();
    accept();
}

void TOtherResults::translate(const TListNames& texts)
{
    if (texts.empty())
        return;
    setWindowTitle(entryText(texts, 0, windowTitle()));
    for (Side* s : {&m_hot, &m_cold}) {
        const bool hot = s == &m_hot;
        s->group->setTitle(entryText(texts, hot ? 1 : 2, s->group->title()));
        s->connections->setTitle(entryText(texts, 3, s->connections->title()));
        s->internal->setTitle(entryText(texts, 6, s->internal->title()));
        s->transfer->setTitle(entryText(texts, 9, s->transfer->title()));
        applyCaption(s->inVel, texts, 4, s->inVel->text());
        applyCaption(s->outVel, texts, 5, s->outVel->text());
        applyCaption(s->vel, texts, 7, s->vel->text());
        applyCaption(s->reyn, texts, 8, s->reyn->text());
        applyCaption(s->ntu, texts, 10, s->ntu->text());
        applyCaption(s->htc, texts, 11, s->htc->text());
        applyCaption(s->nuss, texts, 12, s->nuss->text());
        applyHint(s->edInVel, texts, hot ? 15 : 16, s->edInVel->toolTip());
        applyHint(s->edOutVel, texts, hot ? 17 : 18, s->edOutVel->toolTip());
        applyHint(s->edVel, texts, hot ? 19 : 20, s->edVel->toolTip());
        applyHint(s->edReyn, texts, hot ? 21 : 22, s->edReyn->toolTip());
        applyHint(s->edNTU, texts, hot ? 23 : 24, s->edNTU->toolTip());
        applyHint(s->edAlpha, texts, hot ? 25 : 26, s->edAlpha->toolTip());
        applyHint(s->edNuss, texts, hot ? 27 : 28, s->edNuss->toolTip());
    }
    applyCaption(btnOK, texts, 13, btnOK->text());
    applyHint(cbUnitsStandard, texts, 14, cbUnitsStandard->toolTip());
    const QSignalBlocker blocker(cbUnitsStandard);
    cbUnitsStandard->setItemText(kPresetOther, entryText(texts, 29, cbUnitsStandard->itemText(kPresetOther)));
}

} // namespace velor
