// A pair of small up/down buttons at the right edge of an input field; held down, a button
// repeats its step after 400 ms and then every 100 ms while it stays pressed under the mouse.
#pragma once

#include <QWidget>

class QToolButton;

namespace velor {

class TSpinButton : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;
    static constexpr int kWidth = 15; // px

    explicit TSpinButton(QWidget* parent = nullptr);

    /// The field that takes the focus when a button is pressed (it may be none).
    void setFocusControl(QWidget* control) { m_focusControl = control; }
    QWidget* focusControl() const { return m_focusControl; }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void focusField();

    QToolButton* m_up;
    QToolButton* m_down;
    QWidget* m_focusControl = nullptr;
};

} // namespace velor
