#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reading values out of a reply: multi-byte values most significant byte
// first. A position past the end of the reply reads as 0 (callers check the
// length first; these never read outside the bytes).
uint8_t GetReplyByte(const QByteArray& reply, int position);
uint16_t GetReplyWord(const QByteArray& reply, int position);
uint32_t GetReplyLong(const QByteArray& reply, int position);
float GetReplyFloat(const QByteArray& reply, int position);

// HART packed ASCII: a 6-bit code with bit 0x20 set stands for itself, any
// other code gets bit 0x40 added.
QChar UnpackAsciiChar(uint8_t code);
// Four characters from the three packed bytes at position (missing bytes
// give no characters).
QString Convert3ByteTo4Char(const QByteArray& reply, int position);
// The bytes from start up to end (excluded), one character per byte, nothing
// trimmed; bytes past the reply are not taken.
QString FromAsciiToString(const QByteArray& reply, int start, int end);

// True when `width` bytes at `position` lie wholly inside the reply.
inline bool ReplyHolds(const QByteArray& reply, int position, int width)
{
    return position >= 0 && width >= 0 && position + width <= reply.size();
}
