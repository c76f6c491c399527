#include "ReplyBytes.h"

#include <bit>

uint8_t GetReplyByte(const QByteArray& reply, int position)
{
    return ReplyHolds(reply, position, 1) ? static_cast<uint8_t>(reply[position]) : 0;
}

uint16_t GetReplyWord(const QByteArray& reply, int position)
{
    if (!ReplyHolds(reply, position, 2))
        return 0;
    return static_cast<uint16_t>((GetReplyByte(reply, position) << 8) | GetReplyByte(reply, position + 1));
}

uint32_t GetReplyLong(const QByteArray& reply, int position)
{
    if (!ReplyHolds(reply, position, 4))
        return 0;
    return (static_cast<uint32_t>(GetReplyWord(reply, position)) << 16) | GetReplyWord(reply, position + 2);
}

float GetReplyFloat(const QByteArray& reply, int position)
{
    return std::bit_cast<float>(GetReplyLong(reply, position));
}

QChar UnpackAsciiChar(uint8_t code)
{
    code &= 0x3F;
    return QChar((code & 0x20) ? code : (code | 0x40));
}

QString Convert3ByteTo4Char(const QByteArray& reply, int position)
{
    if (!ReplyHolds(reply, position, 3))
        return QString();
    const uint8_t b0 = GetReplyByte(reply, position);
    const uint8_t b1 = GetReplyByte(reply, position + 1);
    const uint8_t b2 = GetReplyByte(reply, position + 2);
    QString text;
    text += UnpackAsciiChar(b0 >> 2);
    text += UnpackAsciiChar(((b0 & 3) << 4) | (b1 >> 4));
    text += UnpackAsciiChar(((b1 & 15) << 2) | (b2 >> 6));
    text += UnpackAsciiChar(b2 & 63);
    return text;
}

QString FromAsciiToString(const QByteArray& reply, int start, int end)
{
    QString text;
    for (int i = std::max(start, 0); i < end && i < reply.size(); ++i)
        text += QChar(GetReplyByte(reply, i)); // one byte, one character (Latin-1)
    return text;
}
