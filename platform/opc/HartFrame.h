#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

// The address of a HART field device: a one-byte polling address (short
// frames, used by command 0 before the long address is known) or the 5-byte
// long address taken from command 0's reply.
struct HartAddress {
    bool isLong = false;
    uint8_t pollAddress = 0; // short frames: 0..63
    std::array<uint8_t, 5> longAddress {}; // without the master and burst bits

    static HartAddress shortAddress(uint8_t poll);
    // Manufacturer id (low 6 bits kept), device type, 3-byte device id.
    static HartAddress fromIdentity(uint8_t manufacturerId, uint8_t deviceType, uint32_t deviceId);

    bool operator==(const HartAddress& other) const;
};

// One HART frame. For a response the first two data bytes are the response
// code and the device status, as on the wire.
struct HartFrame {
    enum class Kind : uint8_t { Burst = 1, Request = 2, Response = 6 };

    Kind kind = Kind::Request;
    HartAddress address;
    bool primaryMaster = true;
    bool burstMode = false;
    uint8_t command = 0;
    QByteArray data;
};

enum class HartFrameError {
    None,
    NoPreamble, // fewer than two 0xFF before the delimiter
    BadDelimiter, // unknown frame type or expansion bytes
    Truncated, // the frame ends before its byte count says
    TrailingBytes, // bytes after the checksum
    BadChecksum, // longitudinal parity does not match
    WrongAddress, // not the address that was expected
};

// Encodes and checks HART frames: preambles, delimiter, short or long
// address, command, byte count, data, longitudinal parity.
namespace HartFrameCodec
{

constexpr int DefaultPreambles = 5;
constexpr int MinimumPreambles = 2;
constexpr int MaxDataBytes = 255;

// Data longer than 255 bytes is cut to 255 (the byte count is one byte).
QByteArray encode(const HartFrame& frame, int preambles = DefaultPreambles);

struct Decoded {
    HartFrame frame;
    HartFrameError error = HartFrameError::None;
    bool ok() const { return error == HartFrameError::None; }
};

// Decodes one frame; when `expected` is given, a frame for another address
// is WrongAddress.
Decoded decode(const QByteArray& bytes, const std::optional<HartAddress>& expected = std::nullopt);

// XOR of every byte from the delimiter through the last data byte.
uint8_t checksum(const QByteArray& bytes, int from, int to);

const char* errorText(HartFrameError error);

} // namespace HartFrameCodec

// HART packed ASCII: four 6-bit characters in three bytes.
namespace HartPackedAscii
{

// `text` is upper-cased, padded with blanks or cut to `characters` (a
// multiple of 4); characters outside the 6-bit set become '?'.
QByteArray pack(const QByteArray& text, int characters);
QByteArray unpack(const QByteArray& packed);

} // namespace HartPackedAscii
