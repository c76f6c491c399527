#include "ReplyWriter.h"

#include <algorithm>
#include <bit>
#include <cmath>

ReplyWriter& ReplyWriter::u8(uint8_t value)
{
    m_data.append(char(value));
    return *this;
}

ReplyWriter& ReplyWriter::u16(uint16_t value)
{
    return u8(uint8_t(value >> 8)).u8(uint8_t(value));
}

ReplyWriter& ReplyWriter::u32(uint32_t value)
{
    return u16(uint16_t(value >> 16)).u16(uint16_t(value));
}

ReplyWriter& ReplyWriter::f32(float value)
{
    return u32(std::bit_cast<uint32_t>(value));
}

ReplyWriter& ReplyWriter::bytes(const QByteArray& value)
{
    m_data.append(value);
    return *this;
}

ReplyWriter& ReplyWriter::text(const QByteArray& value, int length)
{
    QByteArray fixed = value.left(length);
    fixed.append(QByteArray(length - fixed.size(), ' '));
    return bytes(fixed);
}

namespace
{

// Clamped before rounding: a value beyond the range of long has no rounding
// (lround gives an unspecified number), yet must still saturate.
long saturatedHundredths(double value, double low, double high)
{
    return std::isfinite(value) ? std::lround(std::clamp(value * 100.0, low, high)) : 0L;
}

} // namespace

uint16_t ReplyWriter::hundredths(double value)
{
    return uint16_t(saturatedHundredths(value, 0.0, 65535.0));
}

int16_t ReplyWriter::signedHundredths(double value)
{
    return int16_t(saturatedHundredths(value, -32768.0, 32767.0));
}

uint8_t RequestReader::u8(int at) const
{
    return at >= 0 && at < m_data.size() ? uint8_t(m_data.at(at)) : 0;
}

uint16_t RequestReader::u16(int at) const
{
    return uint16_t((u8(at) << 8) | u8(at + 1));
}

uint32_t RequestReader::u32(int at) const
{
    return (uint32_t(u16(at)) << 16) | u16(at + 2);
}

float RequestReader::f32(int at) const
{
    return std::bit_cast<float>(u32(at));
}
