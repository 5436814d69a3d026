// The value-field widgets: `TExtendedEdit` (a plain field, read-only for results) and
// `TExtendedSpinEdit` (an input field with spin buttons and arrow-key stepping). Both wrap the
// core's value-field logic and only route Qt events to it; the text shown is always the core's.
#pragma once

#include "units/valuefield.h"

#include <QLineEdit>

namespace velor {

class TSpinButton;

class TExtendedEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TExtendedEdit(QWidget* parent = nullptr);

    /// The shown number in the display unit; reading takes typed text over as the base value.
    long double Value();
    void setValue(long double displayValue);
    /// The kept value in the base unit of the field's quantity; the text is not parsed.
    long double ISOValue() const { return m_field.isoValue(); }
    void setISOValue(long double baseValue);

    long double ISOMultiply() const { return m_field.isoMultiply(); }
    long double ISODivision() const { return m_field.isoDivision(); }
    long double ISODisplacement() const { return m_field.isoDisplacement(); }
    void setISOMultiply(long double m);
    void setISODivision(long double d);
    void setISODisplacement(long double s);
    /// Applies a display unit (multiplier, divisor, offset); the base value is kept.
    void applyTriple(const UnitTriple& triple);

    int Precision() const { return m_field.precision(); }
    void setPrecision(int decimals);

    long double ISOMinValue() const { return m_field.isoMinValue(); }
    long double ISOMaxValue() const { return m_field.isoMaxValue(); }
    /// Bounds in the base unit; equal bounds mean no bounds.
    void setISOMinValue(long double v) { m_field.setIsoMinValue(v); }
    void setISOMaxValue(long double v) { m_field.setIsoMaxValue(v); }

    void setReadOnly(bool readOnly);

    /// The value-field state behind the widget.
    const ValueField& field() const { return m_field; }

protected:
    TExtendedEdit(ValueField::Kind kind, QWidget* parent);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    ValueField& mutableField() { return m_field; }
    /// Shows the core's text in the edit (without touching the core again).
    void syncFromField();

private:
    void textEditedByUser(const QString& text);

    ValueField m_field;
    bool m_syncing = false;
};

class TExtendedSpinEdit : public TExtendedEdit
{
    Q_OBJECT
public:
    explicit TExtendedSpinEdit(QWidget* parent = nullptr);

    /// Step of the spin buttons and arrow keys, in display units.
    long double Increment() const { return field().increment(); }
    void setIncrement(long double step) { mutableField().setIncrement(step); }
    /// Whether typing is allowed (stepping still works when it is not).
    bool EditorEnabled() const { return field().editorEnabled(); }
    void setEditorEnabled(bool enabled) { mutableField().setEditorEnabled(enabled); }

    TSpinButton* spinButton() const { return m_button; }

    /// One step up or down; a read-only field beeps and keeps its value.
    void stepUp();
    void stepDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TSpinButton* m_button;
};

} // namespace velor
