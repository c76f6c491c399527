#pragma once

#include <QGroupBox>

// A group box as dialog templates draw it: the title sits on the top frame
// line, which runs through the middle of the title's height, so controls the
// template places just below the group's top edge lie inside the frame. The
// frame is an etched line in the palette's shades, whatever the style.
class TemplateGroupBox : public QGroupBox
{
public:
    explicit TemplateGroupBox(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont titleFont() const;
    // Where the title is drawn, and the rectangle of the frame line, in the
    // box's own pixels.
    QRect titleRect() const;
    QRect frameRect() const;
};
