// The OK / Cancel row at the foot of the settings dialogs.
#include "widgets/dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace velor {

DialogButtons makeDialogButtons(QDialog* dialog, const QString& okText, const QString& cancelText)
{
    DialogButtons buttons;
    buttons.ok = new QPushButton(okText, dialog);
    buttons.ok->setObjectName(QStringLiteral("btnOK"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(cancelText, dialog);
    buttons.cancel->setObjectName(QStringLiteral("btnCancel"));
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    return buttons;
}

} // namespace velor
