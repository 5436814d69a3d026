// The Fonts dialog.
#include "app/fontsdialog.h"

#include "app/fontconv.h"
#include "app/guitext.h"
#include "widgets/dialogbuttons.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velor {

FontsDialog::FontsDialog(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("SetFonts"));
    setFont(toQFont(effectiveSlotFont(settings, FontSlot::MainProgF)));
    const TListNames texts = loadScreenTexts(settings, "SetFont.dat");
    setWindowTitle(entryText(texts, 0, tr("Fonts")));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcFonts"));
    auto* mainSheet = new QWidget(tabs);
    mainSheet->setObjectName(QStringLiteral("MainProgramTabSheet"));
    auto* printSheet = new QWidget(tabs);
    printSheet->setObjectName(QStringLiteral("PrintoutsTabSheet"));
    auto* mainLayout = new QVBoxLayout(mainSheet);
    auto* printLayout = new QVBoxLayout(printSheet);

    struct SlotDef
    {
        FontSlot slot;
        std::size_t captionEntry; // 0: no group caption
        const char* caption;
    };
    const SlotDef defs[] = {
        {FontSlot::MainProgF, 0, ""},
        {FontSlot::PrintTF, 3, "Printout Title"},
        {FontSlot::SectTF, 4, "Section Title"},
        {FontSlot::HeatExchTF, 7, "Heat Exchanger Type (Technical Data Printout)"},
        {FontSlot::ParamNF, 5, "Parameter Name"},
        {FontSlot::DataUnitsF, 6, "Data + Units"},
    };
    const QString defaultCaption = entryText(texts, 8, tr("Default"));
    const QString changeCaption = entryText(texts, 9, tr("Change"));
    m_slots.reserve(std::size(defs));
    for (const SlotDef& def : defs) {
        const bool isMain = def.slot == FontSlot::MainProgF;
        const QString prefix = qs(fontSlotDef(def.slot).prefix);
        auto* group = new QGroupBox(isMain ? QString() : entryText(texts, def.captionEntry, tr(def.caption)),
                                    isMain ? mainSheet : printSheet);
        group->setObjectName(QStringLiteral("gb") + prefix);
        auto* cbDefault = new QCheckBox(defaultCaption, group);
        cbDefault->setObjectName(QStringLiteral("cbDefault") + prefix);
        cbDefault->setChecked(!fontSlotManual(settings, def.slot));
        auto* btnChange = new QPushButton(changeCaption, group);
        btnChange->setObjectName(QStringLiteral("btnChange") + prefix);
        auto* sample = new QLabel(group);
        sample->setObjectName(QStringLiteral("lblSample") + prefix);
        sample->setMinimumWidth(220);
        auto* row = new QHBoxLayout(group);
        row->addWidget(cbDefault);
        row->addWidget(btnChange);
        row->addSpacing(12);
        row->addWidget(sample, 1);
        (isMain ? mainLayout : printLayout)->addWidget(group);
        m_slots.push_back(SlotControls{def.slot, cbDefault, btnChange, sample});
    }
    mainLayout->addStretch(1);
    printLayout->addStretch(1);
    tabs->addTab(mainSheet, entryText(texts, 1, tr("&Main Program")));
    tabs->addTab(printSheet, entryText(texts, 2, tr("&Printouts")));

    for (SlotControls& controls : m_slots) {
        connect(controls.cbDefault, &QCheckBox::clicked, this,
                [this, &controls] { cbDefaultClick(controls); });
        connect(controls.btnChange, &QPushButton::clicked, this,
                [this, &controls] { btnChangeClick(controls); });
        showSample(controls);
    }

    const DialogButtons buttons =
        makeDialogButtons(this, entryText(texts, 10, tr("&OK")), entryText(texts, 11, tr("&Cancel")));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons.row);
}

QCheckBox* FontsDialog::defaultBox(FontSlot slot) const
{
    for (const SlotControls& controls : m_slots)
        if (controls.slot == slot)
            return controls.cbDefault;
    return nullptr;
}

QPushButton* FontsDialog::changeButton(FontSlot slot) const
{
    for (const SlotControls& controls : m_slots)
        if (controls.slot == slot)
            return controls.btnChange;
    return nullptr;
}

void FontsDialog::cbDefaultClick(SlotControls& controls)
{
    setFontSlotManual(m_settings, controls.slot, !controls.cbDefault->isChecked());
    showSample(controls);
}

void FontsDialog::btnChangeClick(SlotControls& controls)
{
    const FontSpec stored = storedSlotFont(m_settings, controls.slot);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, toQFont(stored), this);
    if (!ok)
        return;
    if (controls.cbDefault->isChecked()) {
        controls.cbDefault->setChecked(false);
        setFontSlotManual(m_settings, controls.slot, true);
    }
    storeSlotFont(m_settings, controls.slot, fromQFont(chosen, stored.charset));
    showSample(controls);
}

void FontsDialog::showSample(const SlotControls& controls)
{
    const FontSpec spec = effectiveSlotFont(m_settings, controls.slot);
    QFont font = toQFont(spec);
    controls.lblSample->setFont(font);
    controls.lblSample->setText(QStringLiteral("%1, %2").arg(qs(spec.name)).arg(spec.size));
}

} // namespace velor
