// The unit boxes of one screen: each box names a quantity, its settings key and default, and the
// value fields whose triples it sets. Presets, restoring and storing work over the whole set.
#pragma once

#include "app/settings.h"
#include "units/units.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QComboBox;

namespace velor {

class TExtendedEdit;
class TExtendedSpinEdit;

class UnitBoxSet : public QObject
{
    Q_OBJECT
public:
    struct Box
    {
        QComboBox* combo = nullptr;
        Quantity quantity = Quantity::HeatLoad;
        std::string key;      ///< settings key of the box's unit index
        int defaultIndex = 0; ///< used when the stored index selects nothing
        std::vector<TExtendedEdit*> fields;
    };
    /// A field and the precision key of its decimals ("CapacityCalc", "FlowCalc", ...).
    struct DecimalField
    {
        TExtendedEdit* field = nullptr;
        std::string precisionKey;
    };

    UnitBoxSet(PresetScreen screen, SettingsGroupId group, QObject* parent = nullptr);

    PresetScreen screen() const { return m_screen; }
    SettingsGroupId group() const { return m_group; }

    /// Adds a unit box (filled from its quantity's list) and the fields it converts.
    void addBox(QComboBox* combo, Quantity quantity, std::string key, int defaultIndex,
                std::vector<TExtendedEdit*> fields);
    /// Registers a field for the decimals and spin-step set-up.
    void addDecimalField(TExtendedEdit* field, std::string precisionKey);

    const std::vector<Box>& boxes() const { return m_boxes; }
    const std::vector<DecimalField>& decimalFields() const { return m_decimalFields; }

    /// Selects every box's stored index; an index that selects nothing takes the box's default.
    void restore(const Settings& settings);
    /// Stores every box's index under its key.
    void store(Settings& settings) const;
    /// Stores one box's index under its key.
    void storeBox(Settings& settings, int boxIndex) const;
    /// Sets every box to the preset's unit (nothing for "Other") and re-applies the triples.
    void applyPreset(int preset);
    /// Re-applies every box's triple to its fields (base values are kept).
    void reapplyTriples();
    /// Sets the spin step of every input field to `step` (in its last decimal after decimals).
    void applySteps(long double step);
    /// Sets every registered field's decimals from the precision settings and redraws it.
    void applyDecimals(const Settings& settings);

    /// Called before a box's fields are re-applied (the heat balance clears its driver marks).
    std::function<void(const Box&)> beforeReapply;

signals:
    /// The user changed one unit box (not by a preset or a restore).
    void unitChangedByUser(int boxIndex);

private:
    void reapplyBox(const Box& box);
    void boxChanged(int boxIndex);

    PresetScreen m_screen;
    SettingsGroupId m_group;
    std::vector<Box> m_boxes;
    std::vector<DecimalField> m_decimalFields;
    bool m_programmatic = false;
};

} // namespace velor
