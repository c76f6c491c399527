#pragma once

#include "automation/InterfacePtr.h"

#include <QWidget>

#include <optional>

class QLineEdit;

// A numeric spin edit placed by dialog templates: up and down arrows, and a
// field showing the value when the control is wide enough for one. The value
// is a double kept as set (70.65 stays 70.65 whatever `Decimals` shows).
// Every real change of the value, by the user or by the program, raises
// valueChanged at once; setValueSilently changes it without a word. Typed text
// is marked as it is typed while it is not a value the spin takes (no plain
// number, a fraction where whole numbers are asked, or, with the range check
// on, beyond the bounds), and taken when the user leaves the field, steps or
// a page asks for it: a value of the kind asked (a whole number where whole
// numbers are asked) beyond the bounds is then held to them, which the field
// shows. Anything else the spin does not take, a fraction beyond the bounds
// where whole numbers are asked included, leaves the value
// held and stays in the field as typed, still marked, until the user types
// again or steps (a step then starts from the value held) or the program
// sets a value: a page reads the value only while the field is not marked.
class SpinEditBox : public QWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "TSpinEditBox";
    Q_PROPERTY(bool AllowKeyEdit READ allowKeyEdit WRITE setAllowKeyEdit)
    Q_PROPERTY(bool CheckRange READ checkRange WRITE setCheckRange)
    Q_PROPERTY(int Decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(double Increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool IntegersOnly READ integersOnly WRITE setIntegersOnly)
    Q_PROPERTY(double Max READ max WRITE setMax)
    Q_PROPERTY(double Min READ min WRITE setMin)
    Q_PROPERTY(double PageSize READ pageSize WRITE setPageSize)
    Q_PROPERTY(bool StepsLandOnIncrements READ stepsLandOnIncrements WRITE setStepsLandOnIncrements)
    Q_PROPERTY(double Value READ value WRITE setValue)

public:
    explicit SpinEditBox(QWidget* parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    void setValueSilently(double value);
    // The value as a whole number, rounded to the nearest.
    int intValue() const;
    void setIntValue(int value) { setValue(value); }

    double min() const { return m_min; }
    void setMin(double min);
    double max() const { return m_max; }
    void setMax(double max);
    // With the range check on, values outside min..max are clamped to it;
    // off, the spin holds whatever it is given (the arrows still stop there).
    bool checkRange() const { return m_checkRange; }
    void setCheckRange(bool check);

    double increment() const { return m_increment; }
    void setIncrement(double increment);
    double pageSize() const { return m_pageSize; }
    void setPageSize(double pageSize);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    bool allowKeyEdit() const { return m_allowKeyEdit; }
    void setAllowKeyEdit(bool allow);
    bool integersOnly() const { return m_integersOnly; }
    void setIntegersOnly(bool integersOnly);
    // On, a step or page from a value that is not a whole number of
    // increments (a device's 15.75 with whole steps) lands on the multiple of
    // the increment that way (16 up, 15 down; 6 a page of ten down) rather than
    // on another value between them. Off, a step adds to the value as it is.
    bool stepsLandOnIncrements() const { return m_stepsLandOnIncrements; }
    void setStepsLandOnIncrements(bool land) { m_stepsLandOnIncrements = land; }

    // A user's step: `steps` increments up (negative: down), within min..max.
    void stepBy(int steps);
    // A user's page step up or down.
    void pageBy(int pages);

    // The value as the field shows it.
    QString text() const;
    // What the field shows now, typed or not.
    QString shownText() const;
    // Whether the field shows typed text the spin does not take, and the tip
    // that then names what it takes: "Please enter whole numbers between 1
    // and 60".
    bool typedTextMarked() const { return m_marked; }
    QString markTip() const;
    // Takes what was typed into the field, as leaving it does; a page calls
    // it before it reads the value for a run. Text the spin does not take
    // stays marked.
    void commitTypedText();

signals:
    // Dispatch id 202: the value changed; the argument is its whole-number view.
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool store(double value);
    double accepted(double value) const;
    void moveBy(double delta);
    bool stepKey(int key);
    // The typed value the spin takes; none for any other text.
    std::optional<double> typedValue(const QString& text) const;
    void markTypedText();
    void setMarked(bool marked);
    void showHeldOverRefusedText();
    void layoutField();
    void refreshText();
    QRect arrowStrip() const;

    double m_value = 0.0;
    double m_min = 0.0;
    double m_max = 100.0;
    double m_increment = 1.0;
    double m_pageSize = 10.0;
    int m_decimals = 0;
    bool m_checkRange = false;
    bool m_allowKeyEdit = false;
    bool m_integersOnly = true;
    bool m_stepsLandOnIncrements = false;
    bool m_marked = false;
    QLineEdit* m_field;
};

using ISpinEditBoxPtr = InterfacePtr<SpinEditBox>;
