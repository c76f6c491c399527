#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Result codes, value types and data sources of our OPC Data Access
// stand-in. A call returns one result for the call itself and, for calls on
// items, one result per item: the device link treats "the call failed" and
// "the call went through but this item failed" differently, so the two are
// never folded together.
namespace Opc
{

using Result = int32_t;

constexpr Result Ok = 0;
// The call went through but at least one item failed: look at the item errors.
constexpr Result SomeItemsFailed = 1;
constexpr Result Failure = int32_t(0x80004005u);
constexpr Result NoInterface = int32_t(0x80004002u);
constexpr Result InvalidArgument = int32_t(0x80070057u);
// Per-item errors.
constexpr Result InvalidHandle = int32_t(0xC0040001u);
constexpr Result BadType = int32_t(0xC0040004u);
constexpr Result UnknownItemId = int32_t(0xC0040007u);
constexpr Result InvalidItemId = int32_t(0xC0040008u);
// The device did not answer, or its answer failed the frame checks.
constexpr Result DeviceNoReply = int32_t(0xC0040010u);

constexpr bool succeeded(Result r)
{
    return r >= 0;
}
constexpr bool failed(Result r)
{
    return r < 0;
}

// Requested and canonical item types. The HART frame item holds an array of
// unsigned bytes.
enum class VarType : uint16_t {
    Empty = 0,
    UnsignedByteArray = 0x2011,
};

enum class DataSource { Cache = 1, Device = 2 };

constexpr uint16_t QualityGood = 0xC0;
constexpr uint16_t QualityBad = 0x00;

// "0xC0040007": the form used in log lines.
inline QString resultText(Result r)
{
    return QStringLiteral("0x") + QString::number(uint32_t(r), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

} // namespace Opc
