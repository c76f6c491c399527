#pragma once

#include "InstrumentWidget.h"

#include "automation/InterfacePtr.h"

// A text display box: its Value on its Color, or, while ErrorActive is on, its
// ErrorText on its ErrorBackGroundColor. The status strip and the alarm
// annunciator boxes are made of it; it takes no input.
class NumEdit : public InstrumentWidget
{
    Q_OBJECT

public:
    // The name it is registered and created by.
    static constexpr const char* ProgId = "AnalogLib.NumEdit";
    Q_PROPERTY(QString Value READ value WRITE setValue)
    Q_PROPERTY(uint Color READ color WRITE setColor)
    Q_PROPERTY(bool ErrorActive READ errorActive WRITE setErrorActive)
    Q_PROPERTY(QString ErrorText READ errorText WRITE setErrorText)
    Q_PROPERTY(uint ErrorBackGroundColor READ errorBackGroundColor WRITE setErrorBackGroundColor)

public:
    enum Alignment { Left = 0, Right = 1, Centre = 2 };

    explicit NumEdit(QWidget* parent = nullptr);

    QString value() const { return m_value; }
    void setValue(const QString& value);
    uint32_t color() const { return backgroundColor(); }
    void setColor(uint32_t color) { setBackgroundColor(color); }

    bool errorActive() const { return m_errorActive; }
    void setErrorActive(bool active);
    QString errorText() const { return m_errorText; }
    void setErrorText(const QString& text);
    uint32_t errorBackGroundColor() const { return m_errorBackGroundColor; }
    void setErrorBackGroundColor(uint32_t color);

    uint32_t textColor() const { return m_textColor; }
    void setTextColor(uint32_t color);
    // Left, Right or Centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // 0 draws no frame; other values a sunken one.
    int frameStyle() const { return m_frameStyle; }
    void setFrameStyle(int style);

    void applyFactoryDefaults() override;

    // What the box shows now, and on which colour.
    QString shownText() const;
    QColor shownBackground() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fittedFont(const QString& text, int room) const;

    QString m_value;
    bool m_errorActive = false;
    QString m_errorText;
    uint32_t m_errorBackGroundColor = 0x00FFFF;
    uint32_t m_textColor = 0x000000;
    int m_alignment = Centre;
    int m_frameStyle = 1;
};

using INumEditPtr = InterfacePtr<NumEdit>;
