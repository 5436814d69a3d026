// The printout contact dialog ("Poland" or "Czech Republic", stored as `Contact`).
#include "app/contactdialog.h"

#include "app/guitext.h"
#include "widgets/dialogbuttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velor {

ContactDialog::ContactDialog(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("ContactPrev"));
    if (parent)
        setFont(parent->font());
    const TListNames texts = loadScreenTexts(settings, "ContactPrev.dat");
    setWindowTitle(entryText(texts, 0, tr("Contact")));

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("gbContact"));
    rbPoland = new QRadioButton(entryText(texts, 1, tr("Poland")), group);
    rbPoland->setObjectName(QStringLiteral("rbPoland"));
    rbCzechRepublic = new QRadioButton(entryText(texts, 2, tr("Czech Republic")), group);
    rbCzechRepublic->setObjectName(QStringLiteral("rbCzechRepublic"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(rbPoland);
    groupLayout->addWidget(rbCzechRepublic);

    const std::string contact = settings.group(SettingsGroupId::PrintContact).string("Contact");
    rbPoland->setChecked(contact == "Poland");
    rbCzechRepublic->setChecked(contact == "Czech Republic");

    const DialogButtons buttons =
        makeDialogButtons(this, entryText(texts, 3, tr("&OK")), entryText(texts, 4, tr("&Cancel")));
    connect(buttons.ok, &QPushButton::clicked, this, &ContactDialog::btnOKClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    setMinimumWidth(260);
}

void ContactDialog::btnOKClick()
{
    // Nothing chosen (an unknown stored value) keeps what is stored.
    if (rbPoland->isChecked() || rbCzechRepublic->isChecked())
        m_settings.group(SettingsGroupId::PrintContact)
            .WriteString(kDefaultsSection, "Contact", rbPoland->isChecked() ? "Poland" : "Czech Republic");
    accept();
}

} // namespace velor
