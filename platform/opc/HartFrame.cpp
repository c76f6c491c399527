#include "HartFrame.h"

namespace
{

constexpr uint8_t Preamble = 0xFF;
constexpr uint8_t LongAddressBit = 0x80;
constexpr uint8_t ExpansionMask = 0x60;
constexpr uint8_t FrameTypeMask = 0x07;
constexpr uint8_t MasterBit = 0x80;
constexpr uint8_t BurstBit = 0x40;
constexpr uint8_t ShortPollMask = 0x3F;

bool knownKind(uint8_t type)
{
    return type == uint8_t(HartFrame::Kind::Burst) || type == uint8_t(HartFrame::Kind::Request)
        || type == uint8_t(HartFrame::Kind::Response);
}

uint8_t at(const QByteArray& bytes, int i)
{
    return uint8_t(bytes.at(i));
}

} // namespace

HartAddress HartAddress::shortAddress(uint8_t poll)
{
    HartAddress address;
    address.pollAddress = poll & ShortPollMask;
    return address;
}

HartAddress HartAddress::fromIdentity(uint8_t manufacturerId, uint8_t deviceType, uint32_t deviceId)
{
    HartAddress address;
    address.isLong = true;
    address.longAddress = { uint8_t(manufacturerId & ShortPollMask), deviceType, uint8_t(deviceId >> 16),
        uint8_t(deviceId >> 8), uint8_t(deviceId) };
    return address;
}

bool HartAddress::operator==(const HartAddress& other) const
{
    if (isLong != other.isLong)
        return false;
    return isLong ? longAddress == other.longAddress : pollAddress == other.pollAddress;
}

namespace HartFrameCodec
{

uint8_t checksum(const QByteArray& bytes, int from, int to)
{
    uint8_t parity = 0;
    for (int i = from; i < to && i < bytes.size(); ++i)
        parity ^= at(bytes, i);
    return parity;
}

QByteArray encode(const HartFrame& frame, int preambles)
{
    QByteArray out(qMax(preambles, MinimumPreambles), char(Preamble));
    const int start = out.size();
    const uint8_t flags = (frame.primaryMaster ? MasterBit : 0) | (frame.burstMode ? BurstBit : 0);
    out.append(char(uint8_t(frame.kind) | (frame.address.isLong ? LongAddressBit : 0)));
    if (frame.address.isLong) {
        out.append(char(flags | (frame.address.longAddress[0] & ShortPollMask)));
        for (int i = 1; i < 5; ++i)
            out.append(char(frame.address.longAddress[size_t(i)]));
    } else {
        out.append(char(flags | (frame.address.pollAddress & ShortPollMask)));
    }
    const QByteArray data = frame.data.left(MaxDataBytes);
    out.append(char(frame.command));
    out.append(char(uint8_t(data.size())));
    out.append(data);
    out.append(char(checksum(out, start, out.size())));
    return out;
}

Decoded decode(const QByteArray& bytes, const std::optional<HartAddress>& expected)
{
    Decoded result;
    int i = 0;
    while (i < bytes.size() && at(bytes, i) == Preamble)
        ++i;
    if (i < MinimumPreambles) {
        result.error = HartFrameError::NoPreamble;
        return result;
    }
    if (i >= bytes.size()) {
        result.error = HartFrameError::Truncated;
        return result;
    }
    const int start = i;
    const uint8_t delimiter = at(bytes, i++);
    if ((delimiter & ExpansionMask) != 0 || !knownKind(delimiter & FrameTypeMask)) {
        result.error = HartFrameError::BadDelimiter;
        return result;
    }
    HartFrame& frame = result.frame;
    frame.kind = HartFrame::Kind(delimiter & FrameTypeMask);
    frame.address.isLong = (delimiter & LongAddressBit) != 0;
    const int addressBytes = frame.address.isLong ? 5 : 1;
    // address, command, byte count
    if (bytes.size() < i + addressBytes + 2) {
        result.error = HartFrameError::Truncated;
        return result;
    }
    const uint8_t first = at(bytes, i);
    frame.primaryMaster = (first & MasterBit) != 0;
    frame.burstMode = (first & BurstBit) != 0;
    if (frame.address.isLong) {
        frame.address.longAddress[0] = first & ShortPollMask;
        for (int k = 1; k < 5; ++k)
            frame.address.longAddress[size_t(k)] = at(bytes, i + k);
    } else {
        frame.address.pollAddress = first & ShortPollMask;
    }
    i += addressBytes;
    frame.command = at(bytes, i++);
    const int count = at(bytes, i++);
    if (bytes.size() < i + count + 1) {
        result.error = HartFrameError::Truncated;
        return result;
    }
    frame.data = bytes.mid(i, count);
    i += count;
    if (checksum(bytes, start, i) != at(bytes, i)) {
        result.error = HartFrameError::BadChecksum;
        return result;
    }
    if (i + 1 != bytes.size()) {
        result.error = HartFrameError::TrailingBytes;
        return result;
    }
    if (expected && !(frame.address == *expected))
        result.error = HartFrameError::WrongAddress;
    return result;
}

const char* errorText(HartFrameError error)
{
    switch (error) {
    case HartFrameError::None:
        return "ok";
    case HartFrameError::NoPreamble:
        return "no preamble";
    case HartFrameError::BadDelimiter:
        return "bad delimiter";
    case HartFrameError::Truncated:
        return "truncated frame";
    case HartFrameError::TrailingBytes:
        return "bytes after the checksum";
    case HartFrameError::BadChecksum:
        return "bad checksum";
    case HartFrameError::WrongAddress:
        return "wrong address";
    }
    return "unknown";
}

} // namespace HartFrameCodec

namespace HartPackedAscii
{

namespace
{

uint8_t codeOf(char c)
{
    const auto u = uint8_t(c >= 'a' && c <= 'z' ? c - 32 : c);
    // The 6-bit set holds 0x20..0x5F: blanks, digits, punctuation, '@' and capitals.
    return u >= 0x20 && u <= 0x5F ? u & 0x3F : uint8_t('?') & 0x3F;
}

char charOf(uint8_t code)
{
    return char((code & 0x20) ? code : code | 0x40);
}

} // namespace

QByteArray pack(const QByteArray& text, int characters)
{
    const int groups = characters / 4;
    QByteArray padded = text.left(groups * 4);
    padded.append(QByteArray(groups * 4 - padded.size(), ' '));
    QByteArray out;
    for (int g = 0; g < groups; ++g) {
        uint32_t bits = 0;
        for (int k = 0; k < 4; ++k)
            bits = (bits << 6) | codeOf(padded.at(g * 4 + k));
        out.append(char(bits >> 16));
        out.append(char(bits >> 8));
        out.append(char(bits));
    }
    return out;
}

QByteArray unpack(const QByteArray& packed)
{
    QByteArray out;
    for (int g = 0; g + 3 <= packed.size(); g += 3) {
        const uint32_t bits = (uint32_t(uint8_t(packed.at(g))) << 16) | (uint32_t(uint8_t(packed.at(g + 1))) << 8)
            | uint8_t(packed.at(g + 2));
        for (int shift = 18; shift >= 0; shift -= 6)
            out.append(charOf((bits >> shift) & 0x3F));
    }
    return out;
}

} // namespace HartPackedAscii
