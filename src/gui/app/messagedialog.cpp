// The message dialog: icon, padded lines and a row of buttons answered by position.
#include "app/messagedialog.h"

#include "app/guitext.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velor {

QStringList MessageDialog::messageLines(const QStringList& texts)
{
    QStringList lines{QString()};
    const QString pad(4, QLatin1Char(' '));
    for (const QString& text : texts)
        lines << pad + text + pad;
    return lines;
}

MessageDialog::MessageDialog(const MessageSpec& spec, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(spec.title);
    setModal(true);
    if (parent)
        setFont(parent->font());

    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
    switch (spec.kind) {
    case MessageKind::Information:
        pixmap = QStyle::SP_MessageBoxInformation;
        break;
    case MessageKind::Warning:
        pixmap = QStyle::SP_MessageBoxWarning;
        break;
    case MessageKind::Error:
        pixmap = QStyle::SP_MessageBoxCritical;
        break;
    case MessageKind::Question:
        pixmap = QStyle::SP_MessageBoxQuestion;
        break;
    }
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("lblIcon"));
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(messageLines(spec.texts).join(QLatin1Char('\n')), this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int i = 0; i < spec.buttons.size(); ++i) {
        auto* button = new QPushButton(spec.buttons.at(i), this);
        button->setObjectName(QStringLiteral("btnAnswer%1").arg(i));
        button->setMinimumWidth(80);
        if (i == 0) {
            button->setDefault(true);
            button->setFocus();
        }
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_answer = i;
            accept();
        });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int MessageDialog::ask(const MessageSpec& spec, QWidget* parent)
{
    MessageDialog dialog(spec, parent);
    dialog.exec();
    return dialog.answer();
}

TListNames loadMessages(const Settings& settings)
{
    return LoadLanguageFile(settings, "MsgData.dat");
}

std::optional<MessageSpec> messageFromFile(const TListNames& messages, std::size_t titleEntry,
                                           MessageKind kind, const QStringList& texts,
                                           const std::vector<std::size_t>& buttonEntries)
{
    if (messages.empty())
        return std::nullopt;
    MessageSpec spec;
    spec.title = entryText(messages, titleEntry, QString());
    spec.kind = kind;
    spec.texts = texts;
    for (std::size_t entry : buttonEntries)
        spec.buttons << entryText(messages, entry, QString());
    return spec;
}

} // namespace velor
