#pragma once

#include <QWidget>

#include <cstdint>

// The common ground of the painted instruments: a background colour given as
// a Windows colour value, an active switch that greys the instrument out, and
// sizing in pixels as the control factories set it.
class InstrumentWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InstrumentWidget(QWidget* parent = nullptr);

    void setWidth(int width);
    void setHeight(int height);

    uint32_t backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(uint32_t color);

    // An inactive instrument is drawn greyed and ignores the mouse.
    bool active() const { return m_active; }
    void setActive(bool active);

    // The purely cosmetic settings the factories apply after creation.
    virtual void applyFactoryDefaults() { }

protected:
    // Stores a new setting and repaints, only when it really changes.
    template <class T> bool assign(T& member, const T& value)
    {
        if (member == value)
            return false;
        member = value;
        update();
        return true;
    }

    // A Windows colour as drawn: greyed while the instrument is inactive.
    QColor shown(uint32_t color) const;
    QColor shown(const QColor& color) const;
    void paintBackground(class QPainter& painter) const;

private:
    uint32_t m_backgroundColor;
    bool m_active = true;
};
