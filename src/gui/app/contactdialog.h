// The printout contact dialog: which of the maker's two contact blocks the printouts carry.
#pragma once

#include "app/settings.h"

#include <QDialog>

class QRadioButton;

namespace velor {

class ContactDialog : public QDialog
{
    Q_OBJECT
public:
    ContactDialog(Settings& settings, QWidget* parent);

private:
    void btnOKClick();

    Settings& m_settings;
    QRadioButton* rbPoland;
    QRadioButton* rbCzechRepublic;
};

} // namespace velor
