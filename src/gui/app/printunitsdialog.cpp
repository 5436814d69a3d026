// The print-units dialog.
#include "app/printunitsdialog.h"

#include "app/guitext.h"
#include "widgets/dialogbuttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velor {

PrintUnitsDialog::PrintUnitsDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("PrintUnits"));
    if (parent)
        setFont(parent->font());
    const TListNames texts = loadScreenTexts(settings, "UnitsPrev.dat");
    setWindowTitle(entryText(texts, 0, tr("Units")));
    const SettingsGroup& group = settings.group(SettingsGroupId::PrintUnits);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cbUnitsStandard = new QComboBox(this);
    cbUnitsStandard->setObjectName(QStringLiteral("cbUnitsStandard"));
    for (std::string_view name : kUnitPresetNames)
        cbUnitsStandard->addItem(qs(name));
    cbUnitsStandard->setItemText(kPresetOther, entryText(texts, 2, qs(kUnitPresetNames[kPresetOther])));
    cbUnitsStandard->setToolTip(entryText(texts, 2, tr("Other")));
    const int preset = group.integer("UnitsStandard");
    cbUnitsStandard->setCurrentIndex(preset >= 0 && preset < cbUnitsStandard->count() ? preset : -1);
    form->addRow(entryText(texts, 1, tr("Standard")), cbUnitsStandard);

    const struct
    {
        const char* name;
        Quantity quantity;
        const char* key;
        std::size_t entry;
        const char* label;
    } rows[] = {
        {"cbTemperature", Quantity::Temperature, "TempPrintUnit", 4, "Temperature"},
        {"cbPressure", Quantity::SheetPressure, "PressPrintUnit", 3, "Pressure"},
        {"cbLength", Quantity::Length, "LengthPrintUnit", 5, "Length"},
        {"cbArea", Quantity::Area, "AreaPrintUnit", 6, "Area"},
        {"cbVolume", Quantity::Volume, "VolPrintUnit", 7, "Volume"},
        {"cbWeight", Quantity::Mass, "WeightPrintUnit", 8, "Weight"},
    };
    auto* units = new QGroupBox(this);
    units->setObjectName(QStringLiteral("gbUnits"));
    auto* unitsForm = new QFormLayout(units);
    unitsForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const auto& row : rows) {
        auto* combo = new QComboBox(units);
        combo->setObjectName(QLatin1String(row.name));
        for (const UnitDef& unit : unitList(row.quantity))
            combo->addItem(qs(unit.name));
        const int index = group.integer(row.key);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        combo->setMinimumContentsLength(8);
        unitsForm->addRow(entryText(texts, row.entry, tr(row.label)), combo);
        m_boxes.push_back(UnitBox{combo, row.quantity, row.key});
    }
    for (const UnitBox& box : m_boxes)
        connect(box.combo, &QComboBox::currentIndexChanged, this, [this, box] { unitBoxChange(box); });
    connect(cbUnitsStandard, &QComboBox::currentIndexChanged, this, &PrintUnitsDialog::cbUnitsStandardChange);

    const DialogButtons buttons =
        makeDialogButtons(this, entryText(texts, 9, tr("&OK")), entryText(texts, 10, tr("&Cancel")));
    connect(buttons.ok, &QPushButton::clicked, this, &PrintUnitsDialog::btnOKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(units);
    layout->addLayout(buttons.row);
    setMinimumWidth(280);
}

void PrintUnitsDialog::cbUnitsStandardChange(int index)
{
    // A preset sets the six boxes; they are stored by OK.
    m_applyingPreset = true;
    for (const UnitBox& box : m_boxes)
        if (const auto unit = presetUnitIndex(PresetScreen::PrintUnits, box.quantity, index))
            box.combo->setCurrentIndex(*unit);
    m_applyingPreset = false;
}

void PrintUnitsDialog::unitBoxChange(const UnitBox& box)
{
    if (m_applyingPreset)
        return;
    m_settings.group(SettingsGroupId::PrintUnits)
        .WriteInteger(kDefaultsSection, box.key, box.combo->currentIndex());
    const QSignalBlocker blocker(cbUnitsStandard);
    cbUnitsStandard->setCurrentIndex(kPresetOther);
}

void PrintUnitsDialog::btnOKClick()
{
    SettingsGroup& group = m_settings.group(SettingsGroupId::PrintUnits);
    for (const UnitBox& box : m_boxes)
        if (box.combo->currentIndex() >= 0)
            group.WriteInteger(kDefaultsSection, box.key, box.combo->currentIndex());
    if (cbUnitsStandard->currentIndex() >= 0)
        group.WriteInteger(kDefaultsSection, "UnitsStandard", cbUnitsStandard->currentIndex());
    accept();
}

} // namespace velor
