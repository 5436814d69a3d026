// The value-field widgets driven by real key and mouse events: key filter with beep, leaving
// the field, stepping with keys and spin buttons (with auto-repeat), paste rules, read-only.
#include "units/extendededit.h"
#include "widgets/beep.h"
#include "widgets/spinbutton.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace velor;

class ValueFieldsTest : public QObject
{
    Q_OBJECT

private:
    QWidget* m_window = nullptr;
    TExtendedSpinEdit* m_spin = nullptr;
    TExtendedEdit* m_plain = nullptr;
    QLineEdit* m_other = nullptr;
    int m_beeps = 0;

    // Types `keys` into the field (replacing its text) and leaves it by moving the focus.
    void typeAndLeave(TExtendedEdit* field, const QString& keys)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, keys);
        m_other->setFocus(Qt::TabFocusReason);
    }

    static UnitTriple unit(Quantity quantity, std::string_view name)
    {
        return *unitTriple(quantity, *unitIndex(quantity, name));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        setBeepHookForTesting([this] { ++m_beeps; });
    }

    void init()
    {
        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        m_spin = new TExtendedSpinEdit(m_window);
        m_plain = new TExtendedEdit(m_window);
        m_other = new QLineEdit(m_window);
        layout->addWidget(m_spin);
        layout->addWidget(m_plain);
        layout->addWidget(m_other);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_beeps = 0;
    }

    void cleanup() { delete m_window; }

    // Leaving a field clamps to its bounds in the display unit, and an emptied field shows the
    // lower bound.
    void leavingClampsAndFillsEmptyFields_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("unitName");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("flow above bound in l/min")
            << int(Quantity::VolumeFlow) << "l/min" << 0.0 << 10000.0 << "10000000000"
            << "600000000.00";
        QTest::newRow("emptied temperature") << int(Quantity::Temperature) << "deg.C" << -1e10 << 1e10 << ""
                                             << "-10000000000.00";
        QTest::newRow("emptied flow") << int(Quantity::VolumeFlow) << "m3/h" << 0.0 << 10000.0 << ""
                                      << "0.00";
        QTest::newRow("unreadable text") << int(Quantity::Pressure) << "kPa" << 0.0 << 1e5 << "1-2"
                                         << "0.00";
        QTest::newRow("below lower bound") << int(Quantity::Pressure) << "bar" << 50.0 << 1e5 << "0.1"
                                           << "0.50";
    }

    void leavingClampsAndFillsEmptyFields()
    {
        QFETCH(int, quantity);
        QFETCH(QString, unitName);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        m_spin->setISOMinValue(minimum);
        m_spin->setISOMaxValue(maximum);
        m_spin->setPrecision(2);
        m_spin->applyTriple(unit(static_cast<Quantity>(quantity), unitName.toStdString()));
        typeAndLeave(m_spin, typed);
        QCOMPARE(m_spin->text(), shown);
    }

    // After the main window's set-up (step 5, then two decimals) a field steps by 0.05.
    void arrowKeysAndSpinButtonsStepInTheLastDecimal()
    {
        m_spin->setIncrement(5);
        m_spin->setPrecision(2);
        m_spin->setValue(20);
        QCOMPARE(m_spin->text(), QStringLiteral("20.00"));
        m_spin->setFocus();
        QTest::keyClick(m_spin, Qt::Key_Up);
        QCOMPARE(m_spin->text(), QStringLiteral("20.05"));
        QTest::keyClick(m_spin, Qt::Key_Down);
        QTest::keyClick(m_spin, Qt::Key_Down);
        QCOMPARE(m_spin->text(), QStringLiteral("19.95"));

        QTest::mouseClick(m_spin->spinButton()->upButton(), Qt::LeftButton);
        QCOMPARE(m_spin->text(), QStringLiteral("20.00"));
        QTest::mouseClick(m_spin->spinButton()->downButton(), Qt::LeftButton);
        QCOMPARE(m_spin->text(), QStringLiteral("19.95"));

        // A typed number is taken over before the step.
        m_spin->selectAll();
        QTest::keyClicks(m_spin, QStringLiteral("7"));
        QTest::keyClick(m_spin, Qt::Key_Up);
        QCOMPARE(m_spin->text(), QStringLiteral("7.05"));
        QCOMPARE(m_beeps, 0);
    }

    // A held spin button repeats: nothing before 400 ms, then a step every 100 ms.
    void heldSpinButtonRepeats()
    {
        m_spin->setIncrement(1);
        m_spin->setValue(0);
        QToolButton* up = m_spin->spinButton()->upButton();
        QCOMPARE(up->autoRepeatDelay(), 400);
        QCOMPARE(up->autoRepeatInterval(), 100);
        QTest::mousePress(up, Qt::LeftButton);
        QTest::qWait(250);
        QCOMPARE(m_spin->text(), QStringLiteral("0"));
        QTest::qWait(600); // repeats at about 400, 500, ... 800 ms
        const int repeated = m_spin->text().toInt();
        QVERIFY2(repeated >= 2 && repeated <= 6, qPrintable(m_spin->text()));
        QTest::mouseRelease(up, Qt::LeftButton);
        const int released = m_spin->text().toInt();
        QTest::qWait(300);
        QCOMPARE(m_spin->text().toInt(), released);
    }

    // A value typed with more digits than shown keeps them: 12.345 shows 12.3, and a unit
    // switch and back recomputes 12.3 from the kept base value.
    void keptBaseValueCarriesAllDigits()
    {
        m_spin->setPrecision(1);
        m_spin->applyTriple(unit(Quantity::Pressure, "bar"));
        typeAndLeave(m_spin, QStringLiteral("12.345"));
        QCOMPARE(m_spin->text(), QStringLiteral("12.3"));
        QCOMPARE(double(m_spin->ISOValue()), 1234.5);
        m_spin->applyTriple(unit(Quantity::Pressure, "kPa"));
        QCOMPARE(m_spin->text(), QStringLiteral("1234.5"));
        m_spin->applyTriple(unit(Quantity::Pressure, "bar"));
        QCOMPARE(m_spin->text(), QStringLiteral("12.3"));
    }

    // The base value is read without parsing; reading Value takes the typed number over.
    void isoValueIgnoresTextUntilTakenOver()
    {
        m_spin->setPrecision(0);
        m_spin->applyTriple(unit(Quantity::Pressure, "bar"));
        m_spin->setISOValue(100);
        QCOMPARE(m_spin->text(), QStringLiteral("1"));
        m_spin->setFocus();
        m_spin->selectAll();
        QTest::keyClicks(m_spin, QStringLiteral("3"));
        QCOMPARE(double(m_spin->ISOValue()), 100.0);
        QCOMPARE(double(m_spin->Value()), 3.0);
        QCOMPARE(double(m_spin->ISOValue()), 300.0);
    }

    // Refused characters are dropped with a beep: letters, Enter, and with the editor disabled
    // digits and Backspace, while stepping still works.
    void keyFilterBeepsOnRefusedCharacters()
    {
        m_spin->setIncrement(1);
        m_spin->setValue(4);
        m_spin->setFocus();
        m_spin->end(false);
        QTest::keyClicks(m_spin, QStringLiteral("a5"));
        QTest::keyClick(m_spin, Qt::Key_Return);
        QCOMPARE(m_spin->text(), QStringLiteral("45"));
        QCOMPARE(m_beeps, 2);
        QTest::keyClicks(m_spin, QStringLiteral("-.+"));
        QCOMPARE(m_spin->text(), QStringLiteral("45-.+"));
        QCOMPARE(m_beeps, 2);

        m_spin->setValue(4);
        m_spin->setEditorEnabled(false);
        m_spin->end(false);
        QTest::keyClicks(m_spin, QStringLiteral("7"));
        QTest::keyClick(m_spin, Qt::Key_Backspace);
        QCOMPARE(m_spin->text(), QStringLiteral("4"));
        QCOMPARE(m_beeps, 4);
        QTest::keyClick(m_spin, Qt::Key_Up);
        QCOMPARE(m_spin->text(), QStringLiteral("5"));
    }

    // Paste and cut work only while typing is allowed and the field is writable.
    void pasteAndCutFollowEditorAndReadOnly()
    {
        QApplication::clipboard()->setText(QStringLiteral("55"));
        m_spin->setValue(1);
        m_spin->setFocus();
        m_spin->selectAll();
        QTest::keySequence(m_spin, QKeySequence::Paste);
        QCOMPARE(m_spin->text(), QStringLiteral("55"));

        m_spin->setValue(1);
        m_spin->setEditorEnabled(false);
        m_spin->selectAll();
        QTest::keySequence(m_spin, QKeySequence::Paste);
        QTest::keySequence(m_spin, QKeySequence::Cut);
        QCOMPARE(m_spin->text(), QStringLiteral("1"));

        m_plain->setReadOnly(true);
        m_plain->setValue(2);
        m_plain->setFocus();
        m_plain->selectAll();
        QTest::keySequence(m_plain, QKeySequence::Cut);
        QCOMPARE(m_plain->text(), QStringLiteral("2"));
    }

    // A read-only spin field beeps at a step and keeps its value; a result field (equal bounds)
    // never clamps, also below zero.
    void readOnlyFieldsBeepAndResultsNeverClamp()
    {
        m_spin->setIncrement(1);
        m_spin->setValue(3);
        m_spin->setReadOnly(true);
        m_spin->setFocus();
        QTest::keyClick(m_spin, Qt::Key_Up);
        QTest::mouseClick(m_spin->spinButton()->downButton(), Qt::LeftButton);
        QCOMPARE(m_spin->text(), QStringLiteral("3"));
        QCOMPARE(m_beeps, 2);

        m_plain->setReadOnly(true);
        m_plain->setPrecision(2);
        m_plain->applyTriple(unit(Quantity::Temperature, "deg.C"));
        m_plain->setISOValue(-273.5);
        QCOMPARE(m_plain->text(), QStringLiteral("-273.50"));
    }

    // Every change of the text raises the edit's change signal, by the user or by the field.
    void textChangesAreSignalled()
    {
        QSignalSpy changes(m_spin, &QLineEdit::textChanged);
        m_spin->setPrecision(1);
        m_spin->setValue(2);
        QCOMPARE(changes.count(), 1);
        m_spin->setFocus();
        m_spin->selectAll();
        QTest::keyClicks(m_spin, QStringLiteral("3"));
        QCOMPARE(changes.count(), 2);
        m_other->setFocus(Qt::TabFocusReason);
        QCOMPARE(m_spin->text(), QStringLiteral("3.0"));
        QCOMPARE(changes.count(), 3);
    }
};

QTEST_MAIN(ValueFieldsTest)
#include "valuefields_test.moc"
