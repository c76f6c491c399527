#pragma once

#include <QByteArray>

#include <cstdint>

// Builds reply data the way the device lays it: every multi-byte value most
// significant byte first, floats as their IEEE single-precision bits.
class ReplyWriter
{
public:
    ReplyWriter& u8(uint8_t value);
    ReplyWriter& u16(uint16_t value);
    ReplyWriter& s16(int16_t value) { return u16(uint16_t(value)); }
    ReplyWriter& u32(uint32_t value);
    ReplyWriter& f32(float value);
    ReplyWriter& bytes(const QByteArray& value);
    // `value` cut or padded with blanks to `length` characters.
    ReplyWriter& text(const QByteArray& value, int length);

    const QByteArray& data() const { return m_data; }

    // Saturating conversions of a physical value into a device word.
    static uint16_t hundredths(double value);
    static int16_t signedHundredths(double value);

private:
    QByteArray m_data;
};

// Reads request data laid the same way; a value past the end reads as 0.
class RequestReader
{
public:
    explicit RequestReader(const QByteArray& data)
        : m_data(data)
    {
    }

    uint8_t u8(int at) const;
    uint16_t u16(int at) const;
    uint32_t u32(int at) const;
    float f32(int at) const;

private:
    QByteArray m_data;
};
