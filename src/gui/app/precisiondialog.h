// The Precision dialog: decimals of the calculation, fluid and printout quantities, each page
// with an "All" value and the choice between "All" and "Custom".
#pragma once

#include "app/settings.h"

#include <QDialog>
#include <string>
#include <vector>

class QRadioButton;
class QSpinBox;

namespace velor {

class PrecisionDialog : public QDialog
{
    Q_OBJECT
public:
    PrecisionDialog(Settings& settings, QWidget* parent);

    /// The spin box of a precision key ("AllCalc", "FlowCalc", ...), or null.
    QSpinBox* box(const std::string& key) const;

private:
    struct Page
    {
        SettingsGroupId group;
        std::string optionKey;
        QRadioButton* rbAll = nullptr;
        QRadioButton* rbCustom = nullptr;
        QSpinBox* allBox = nullptr;
        std::vector<std::pair<std::string, QSpinBox*>> boxes; // the "All" box first
    };
    void rbOptionClick(Page& page);
    void btnOKClick();

    Settings& m_settings;
    std::vector<Page> m_pages;
};

} // namespace velor
