// The print-units dialog: units of the technical data sheets with their preset box.
#pragma once

#include "app/settings.h"
#include "units/units.h"

#include <QDialog>
#include <vector>

class QComboBox;

namespace velor {

class PrintUnitsDialog : public QDialog
{
    Q_OBJECT
public:
    PrintUnitsDialog(Settings& settings, QWidget* parent);

private:
    struct UnitBox
    {
        QComboBox* combo;
        Quantity quantity;
        const char* key;
    };
    void cbUnitsStandardChange(int index);
    void unitBoxChange(const UnitBox& box);
    void btnOKClick();

    Settings& m_settings;
    QComboBox* cbUnitsStandard;
    std::vector<UnitBox> m_boxes;
    bool m_applyingPreset = false;
};

} // namespace velor
