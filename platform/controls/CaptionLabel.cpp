#include "CaptionLabel.h"

#include "OleFont.h"
#include "WinColor.h"

#include "ui/ControlRegistry.h"

namespace
{
const ControlRegistration registration(
    QStringLiteral("TiLabel"), [](QWidget* parent) { return new CaptionLabel(parent); });

void useBanner(CaptionLabel& label, const QString& caption, uint32_t background, uint32_t text)
{
    label.setText(caption);
    label.setBackGroundColor(background);
    label.setFontColor(text);
    label.setFont(OleFont::toQFont(QStringLiteral("Arial"), 100000, true));
    label.setAlignment(Qt::AlignCenter);
}
} // namespace

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent)
    , m_backGroundColor(WinColor::ButtonFace)
{
    setAutoFillBackground(true);
    applyColours();
}

void CaptionLabel::setBackGroundColor(uint32_t color)
{
    m_backGroundColor = color;
    applyColours();
}

void CaptionLabel::setFontColor(uint32_t color)
{
    m_fontColor = color;
    applyColours();
}

void CaptionLabel::applyWarningLook()
{
    useBanner(*this, QStringLiteral("WARNING"), 0x0000FF, 0x000000);
}

void CaptionLabel::applyNoteLook()
{
    useBanner(*this, QStringLiteral("NOTE"), 0xFF0000, 0xFFFFFF);
}

void CaptionLabel::applyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, WinColor::toQColor(m_backGroundColor));
    colours.setColor(QPalette::WindowText, WinColor::toQColor(m_fontColor));
    setPalette(colours);
}
