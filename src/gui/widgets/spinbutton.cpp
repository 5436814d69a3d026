// Up/down buttons with auto-repeat for the input value fields.
#include "widgets/spinbutton.h"

#include <QToolButton>

namespace velor {

namespace {
QToolButton* makeArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(TSpinButton::kFirstRepeatMs);
    button->setAutoRepeatInterval(TSpinButton::kRepeatMs);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    button->setIconSize(QSize(7, 5));
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; margin: 0px; }"));
    return button;
}
} // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), m_up(makeArrowButton(this, Qt::UpArrow, "upButton")),
      m_down(makeArrowButton(this, Qt::DownArrow, "downButton"))
{
    setObjectName(QStringLiteral("SpinButton"));
    setCursor(Qt::ArrowCursor);
    resize(kWidth, 17);
    connect(m_up, &QToolButton::pressed, this, &TSpinButton::focusField);
    connect(m_down, &QToolButton::pressed, this, &TSpinButton::focusField);
    // clicked() is emitted on release and by every auto-repeat step while the button is held.
    connect(m_up, &QToolButton::clicked, this, &TSpinButton::OnUpClick);
    connect(m_down, &QToolButton::clicked, this, &TSpinButton::OnDownClick);
}

void TSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

void TSpinButton::focusField()
{
    if (m_focusControl && m_focusControl->isEnabled() && m_focusControl->focusPolicy() != Qt::NoFocus)
        m_focusControl->setFocus(Qt::MouseFocusReason);
}

} // namespace velor
