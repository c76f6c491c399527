#pragma once

#include "automation/InterfacePtr.h"

#include <QWidget>

class QLineEdit;

// A numeric spin edit placed by dialog templates: up and down arrows, and a
// field showing the value when the control is wide enough for one. The value
// is a double kept as set (70.65 stays 70.65 whatever `Decimals` shows).
// Every real change of the value, by the user or by the program, raises
// valueChanged at once; setValueSilently changes it without a word. Typed text
// counts only when the whole of it is a plain number (anything else puts the
// held value back in the field); with the range check on, a typed value
// beyond the bounds is held to them and the field shows the held value.
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

    // A user's step: `steps` increments up (negative: down), within min..max.
    void stepBy(int steps);
    // A user's page step up or down.
    void pageBy(int pages);

    // The value as the field shows it.
    QString text() const;

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
    void commitTypedText();
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
    QLineEdit* m_field;
};

using ISpinEditBoxPtr = InterfacePtr<SpinEditBox>;
