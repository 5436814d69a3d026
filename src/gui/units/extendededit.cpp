// Qt event wiring of the value-field widgets: key filter with beep, paste and cut rules,
// leaving and entering, arrow-key and spin-button stepping.
#include "units/extendededit.h"

#include "widgets/beep.h"
#include "widgets/spinbutton.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>

namespace velor {

namespace {

// The system's decimal separator (a single ASCII character; '.' otherwise).
char systemDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

bool isPasteOrCut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
           (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier) ||
           (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ShiftModifier);
}

// Keys that type a character into the edit (and so pass the key filter). Editing and
// navigation keys other than Backspace and Enter never reach the filter.
bool typesCharacter(QKeyEvent* event, char32_t& ch)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ch = 13;
        return true;
    case Qt::Key_Backspace:
        ch = 8;
        return true;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // shortcuts (copy, select all, ...) are not typed characters
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QList<uint> codes = text.toUcs4();
    if (codes.isEmpty())
        return false;
    ch = codes.front();
    return true;
}

} // namespace

TExtendedEdit::TExtendedEdit(QWidget* parent) : TExtendedEdit(ValueField::Kind::Plain, parent) {}

TExtendedEdit::TExtendedEdit(ValueField::Kind kind, QWidget* parent)
    : QLineEdit(parent), m_field(kind, systemDecimalSeparator())
{
    m_field.onTextChanged = [this] { syncFromField(); };
    QLineEdit::setText(QString::fromStdString(m_field.text()));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &TExtendedEdit::textEditedByUser);
}

void TExtendedEdit::syncFromField()
{
    const QString text = QString::fromStdString(m_field.text());
    if (text == QLineEdit::text())
        return;
    m_syncing = true;
    QLineEdit::setText(text);
    m_syncing = false;
}

void TExtendedEdit::textEditedByUser(const QString& text)
{
    if (!m_syncing)
        m_field.setText(text.toStdString());
}

long double TExtendedEdit::Value()
{
    m_field.setText(text().toStdString());
    return m_field.value();
}

void TExtendedEdit::setValue(long double displayValue)
{
    m_field.setValue(displayValue);
    syncFromField();
}

void TExtendedEdit::setISOValue(long double baseValue)
{
    m_field.setIsoValue(baseValue);
    syncFromField();
}

void TExtendedEdit::setISOMultiply(long double m)
{
    m_field.setIsoMultiply(m);
    syncFromField();
}

void TExtendedEdit::setISODivision(long double d)
{
    m_field.setIsoDivision(d);
    syncFromField();
}

void TExtendedEdit::setISODisplacement(long double s)
{
    m_field.setIsoDisplacement(s);
    syncFromField();
}

void TExtendedEdit::applyTriple(const UnitTriple& triple)
{
    m_field.applyTriple(triple);
    syncFromField();
}

void TExtendedEdit::setPrecision(int decimals)
{
    m_field.setPrecision(decimals);
}

void TExtendedEdit::setReadOnly(bool readOnly)
{
    QLineEdit::setReadOnly(readOnly);
    m_field.setReadOnly(readOnly);
    setAcceptDrops(m_field.allowsPasteAndCut());
}

void TExtendedEdit::keyPressEvent(QKeyEvent* event)
{
    if (isPasteOrCut(event)) {
        if (m_field.allowsPasteAndCut())
            QLineEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    char32_t ch = 0;
    if (typesCharacter(event, ch) && !m_field.acceptsCharacter(ch)) {
        event->accept();
        systemBeep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TExtendedEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (QApplication::mouseButtons() == Qt::NoButton)
        selectAll();
}

void TExtendedEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking the focus does not leave the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    m_field.setText(text().toStdString());
    m_field.leave();
    syncFromField();
}

void TExtendedEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!m_field.allowsPasteAndCut()) {
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == QLatin1String("edit-paste") || name == QLatin1String("edit-cut"))
                action->setEnabled(false);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TExtendedEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_field.allowsPasteAndCut()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void TExtendedEdit::dropEvent(QDropEvent* event)
{
    if (!m_field.allowsPasteAndCut()) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void TExtendedEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on X11: a paste like any other.
    if (event->button() == Qt::MiddleButton && !m_field.allowsPasteAndCut()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------

TExtendedSpinEdit::TExtendedSpinEdit(QWidget* parent)
    : TExtendedEdit(ValueField::Kind::Spin, parent), m_button(new TSpinButton(this))
{
    m_button->setFocusControl(this);
    setTextMargins(0, 0, TSpinButton::kWidth + 2, 0);
    connect(m_button, &TSpinButton::OnUpClick, this, &TExtendedSpinEdit::stepUp);
    connect(m_button, &TSpinButton::OnDownClick, this, &TExtendedSpinEdit::stepDown);
}

void TExtendedSpinEdit::stepUp()
{
    if (!mutableField().stepUp())
        systemBeep();
    syncFromField();
}

void TExtendedSpinEdit::stepDown()
{
    if (!mutableField().stepDown())
        systemBeep();
    syncFromField();
}

void TExtendedSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up && !(event->modifiers() & ~Qt::KeypadModifier)) {
        mutableField().setText(text().toStdString());
        stepUp();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down && !(event->modifiers() & ~Qt::KeypadModifier)) {
        mutableField().setText(text().toStdString());
        stepDown();
        event->accept();
        return;
    }
    TExtendedEdit::keyPressEvent(event);
}

void TExtendedSpinEdit::resizeEvent(QResizeEvent* event)
{
    TExtendedEdit::resizeEvent(event);
    const int frame = 2;
    m_button->setGeometry(width() - TSpinButton::kWidth - frame, frame, TSpinButton::kWidth,
                          height() - 2 * frame);
}

} // namespace velor
