#pragma once

#include <QColor>

#include <cstdint>

// Colours arrive as Windows colour values: 0x00BBGGRR, or a system colour
// 0x800000nn. System colours map to fixed values so pages look the same on
// every desktop theme.
namespace WinColor
{

constexpr uint32_t ButtonFace = 0x8000000Fu;
constexpr uint32_t ActiveBorder = 0x8000000Au;

QColor toQColor(uint32_t value);
// The Windows value of an opaque colour (0x00BBGGRR).
uint32_t fromQColor(const QColor& color);
constexpr uint32_t rgb(int r, int g, int b)
{
    return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8)
        | (static_cast<uint32_t>(b & 0xFF) << 16);
}

} // namespace WinColor
