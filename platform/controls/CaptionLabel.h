#pragma once

#include <QLabel>

#include <cstdint>

// A caption placed by dialog templates: unit captions, and the coloured
// "WARNING" and "NOTE" banners. Colours are Windows colour values.
class CaptionLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(uint BackGroundColor READ backGroundColor WRITE setBackGroundColor)
    Q_PROPERTY(uint FontColor READ fontColor WRITE setFontColor)

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    uint32_t backGroundColor() const { return m_backGroundColor; }
    void setBackGroundColor(uint32_t color);
    uint32_t fontColor() const { return m_fontColor; }
    void setFontColor(uint32_t color);

    // Black bold text on red.
    void applyWarningLook();
    // White bold text on blue.
    void applyNoteLook();

private:
    void applyColours();

    uint32_t m_backGroundColor;
    uint32_t m_fontColor = 0x000000;
};
