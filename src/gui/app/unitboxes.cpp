// Unit boxes of a screen: filling, presets, restoring and storing their unit indexes.
#include "app/unitboxes.h"

#include "app/guitext.h"
#include "app/settings_display.h"
#include "units/extendededit.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace velor {

UnitBoxSet::UnitBoxSet(PresetScreen screen, SettingsGroupId group, QObject* parent)
    : QObject(parent), m_screen(screen), m_group(group)
{
}

void UnitBoxSet::addBox(QComboBox* combo, Quantity quantity, std::string key, int defaultIndex,
                        std::vector<TExtendedEdit*> fields)
{
    {
        const QSignalBlocker blocker(combo);
        combo->clear();
        for (const UnitDef& unit : unitList(quantity))
            combo->addItem(qs(unit.name));
        combo->setCurrentIndex(defaultIndex);
    }
    const int index = static_cast<int>(m_boxes.size());
    m_boxes.push_back(Box{combo, quantity, std::move(key), defaultIndex, std::move(fields)});
    connect(combo, &QComboBox::currentIndexChanged, this, [this, index] { boxChanged(index); });
}

void UnitBoxSet::addDecimalField(TExtendedEdit* field, std::string precisionKey)
{
    m_decimalFields.push_back(DecimalField{field, std::move(precisionKey)});
}

void UnitBoxSet::boxChanged(int boxIndex)
{
    const Box& box = m_boxes[static_cast<std::size_t>(boxIndex)];
    reapplyBox(box);
    if (!m_programmatic)
        emit unitChangedByUser(boxIndex);
}

void UnitBoxSet::reapplyBox(const Box& box)
{
    const auto triple = unitTriple(box.quantity, box.combo->currentIndex());
    if (!triple)
        return; // no selection leaves the fields' triples as they are
    if (beforeReapply)
        beforeReapply(box);
    for (TExtendedEdit* field : box.fields)
        field->applyTriple(*triple);
}

void UnitBoxSet::restore(const Settings& settings)
{
    const SettingsGroup& group = settings.group(m_group);
    m_programmatic = true;
    for (const Box& box : m_boxes) {
        int index = group.ReadInteger(kDefaultsSection, box.key, box.defaultIndex);
        if (index < 0 || index >= box.combo->count())
            index = box.defaultIndex;
        if (box.combo->currentIndex() == index)
            reapplyBox(box);
        else
            box.combo->setCurrentIndex(index);
    }
    m_programmatic = false;
}

void UnitBoxSet::store(Settings& settings) const
{
    SettingsGroup& group = settings.group(m_group);
    for (const Box& box : m_boxes)
        group.WriteInteger(kDefaultsSection, box.key, box.combo->currentIndex());
}

void UnitBoxSet::storeBox(Settings& settings, int boxIndex) const
{
    if (boxIndex < 0 || boxIndex >= static_cast<int>(m_boxes.size()))
        return;
    const Box& box = m_boxes[static_cast<std::size_t>(boxIndex)];
    settings.group(m_group).WriteInteger(kDefaultsSection, box.key, box.combo->currentIndex());
}

void UnitBoxSet::applyPreset(int preset)
{
    m_programmatic = true;
    for (const Box& box : m_boxes) {
        const auto index = presetUnitIndex(m_screen, box.quantity, preset);
        if (!index)
            continue;
        if (box.combo->currentIndex() == *index)
            reapplyBox(box);
        else
            box.combo->setCurrentIndex(*index);
    }
    m_programmatic = false;
}

void UnitBoxSet::reapplyTriples()
{
    for (const Box& box : m_boxes)
        reapplyBox(box);
}

void UnitBoxSet::applySteps(long double step)
{
    for (const DecimalField& entry : m_decimalFields)
        if (auto* spin = qobject_cast<TExtendedSpinEdit*>(entry.field))
            spin->setIncrement(step);
}

void UnitBoxSet::applyDecimals(const Settings& settings)
{
    for (const DecimalField& entry : m_decimalFields) {
        entry.field->setPrecision(decimals(settings, entry.precisionKey));
        entry.field->setISOValue(entry.field->ISOValue()); // redraw with the new decimals
    }
}

} // namespace velor
