// The OK / Cancel row at the foot of the settings dialogs.
#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace velor {

struct DialogButtons
{
    QPushButton* ok = nullptr;     ///< objectName "btnOK", the default button
    QPushButton* cancel = nullptr; ///< objectName "btnCancel", rejects the dialog
    QHBoxLayout* row = nullptr;    ///< the two buttons right-aligned, to add to the dialog's layout
};

/// Creates the OK and Cancel buttons of `dialog` in a right-aligned row. Cancel rejects the
/// dialog; what OK does is the caller's to connect.
DialogButtons makeDialogButtons(QDialog* dialog, const QString& okText, const QString& cancelText);

} // namespace velor
