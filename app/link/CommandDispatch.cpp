#include "CommandDispatch.h"

#include "AppLog.h"
#include "DeviceData.h"
#include "HartCommandTable.h"
#include "OpcConnection.h"
#include "ReplyParser.h"

#include "automation/DeviceWords.h"
#include "automation/NumberText.h"

#include <bit>

namespace
{

constexpr int LoggedRequestBytes = 25;

// Lays one write request: [count][command][byte count][data...], values
// most significant byte first. Bytes past the request keep what earlier
// requests left there.
class RequestWriter
{
public:
    RequestWriter(std::array<uint8_t, 33>& request, int command, int byteCount)
        : m_request(request)
    {
        m_request[0] = static_cast<uint8_t>(byteCount + 2);
        m_request[1] = static_cast<uint8_t>(command);
        m_request[2] = static_cast<uint8_t>(byteCount);
    }

    RequestWriter& u8(uint8_t value)
    {
        if (m_at < m_request.size())
            m_request[m_at++] = value;
        return *this;
    }
    RequestWriter& u16(uint16_t value) { return u8(value >> 8).u8(value & 0xFF); }
    RequestWriter& u32(uint32_t value)
    {
        const auto bytes = CommandDispatch::GetValueBytes(value);
        return u8(bytes[3]).u8(bytes[2]).u8(bytes[1]).u8(bytes[0]);
    }
    RequestWriter& f32(float value) { return u32(std::bit_cast<uint32_t>(value)); }
    // Exactly `length` characters: longer texts are cut, shorter ones padded
    // with blanks, so the request never carries stale bytes or overruns.
    RequestWriter& text(const QString& value, int length)
    {
        const QByteArray bytes = value.toLatin1().leftJustified(length, ' ', true);
        for (char c : bytes)
            u8(static_cast<uint8_t>(c));
        return *this;
    }
    template <class Array> RequestWriter& bytes(const Array& values, size_t first, size_t count)
    {
        for (size_t i = first; i < first + count; ++i)
            u8(values[i]);
        return *this;
    }
    template <class Array> RequestWriter& words(const Array& values, size_t first, size_t count)
    {
        for (size_t i = first; i < first + count; ++i)
            u16(DeviceWords::saturateU16(values[i]));
        return *this;
    }

private:
    std::array<uint8_t, 33>& m_request;
    size_t m_at = 3;
};

// A stored value scaled for the wire, kept inside the field's range.
uint16_t scaled16(double value, double factor)
{
    return DeviceWords::saturateU16(value * factor);
}

// What a write's reply goes through.
enum class WriteReply { NotDecoded, SigStart, Parse };

} // namespace

CommandDispatch::CommandDispatch(DeviceData& data, OpcConnection& connection, ReplyParser& parser, const AppLog& log)
    : m_data(data)
    , m_connection(connection)
    , m_parser(parser)
    , m_log(log)
{
}

std::array<uint8_t, 4> CommandDispatch::GetValueBytes(uint32_t value)
{
    return { static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
        static_cast<uint8_t>(value >> 24) };
}

std::array<uint8_t, 4> CommandDispatch::GetValueBytes(float value)
{
    return GetValueBytes(std::bit_cast<uint32_t>(value));
}

bool CommandDispatch::DispatchRead(int command)
{
    bool succeeded = false;
    try {
        if (!m_data.Reply)
            m_data.FailureCount += 1;
        if (HartCommandTable::IsReadCommand(command)) {
            if (command != 200) {
                m_data.Request[0] = 1;
                m_data.Request[1] = static_cast<uint8_t>(command);
            }
            succeeded = exchange() && m_parser.ParseReply(command);
            if (command == 200)
                succeeded = succeeded && miscAddressesMatch();
        }
    } catch (...) {
        logFailedRead();
        return false;
    }
    logRequest("<- ");
    return succeeded;
}

std::optional<QByteArray> CommandDispatch::TransactFrame(std::span<const uint8_t> request)
{
    return m_connection.TransactFrame(request);
}

bool CommandDispatch::DispatchWrite(int command)
{
    bool succeeded = false;
    try {
        if (layWriteRequest(command) && exchange())
            succeeded = answerWrite(command);
    } catch (...) {
        logFailedWrite(command);
        return false;
    }
    logRequest("-> ");
    return succeeded;
}

bool CommandDispatch::exchange()
{
    m_data.Reply = m_connection.TransactFrame(m_data.Request);
    return m_data.Reply.has_value();
}

bool CommandDispatch::answerWrite(int command)
{
    const int hart = HartCommandTable::HartNumber(command);
    switch (command) {
    case 233:
        m_parser.ParseSigStartReply();
        break;
    case 167: // the echo check only, against what was sent
    case 1821: // the handshake's reply carries the new trend state
    case 1822:
    case 174:
    case 178:
    case 180:
    case 188:
    case 190:
    case 196:
    case 198:
    case 203:
    case 227:
    case 229:
        return m_parser.ParseReply(hart);
    default:
        break;
    }
    // Not decoded and not counted; the result still tells whether the
    // device answered this command.
    return !m_data.Reply->isEmpty() && static_cast<uint8_t>(m_data.Reply->at(0)) == hart;
}

bool CommandDispatch::layWriteRequest(int command)
{
    DeviceData& dd = m_data;
    auto& request = dd.Request;
    switch (command) {
    case 167:
        RequestWriter(request, 167, 10).bytes(dd.StatusMask, 0, 10);
        return true;
    case 1821:
    case 1822:
        RequestWriter(request, 182, 1).u8(command == 1821 ? 1 : 2);
        return true;
    case 174:
        RequestWriter(request, 174, 30)
            // Every field goes back in the units it was read in (the
            // accumulated travel, the stroke length and the deadbands in
            // hundredths), so a word sent back as read is the device's own.
            .u32(dd.TravelCycle[0])
            .u32(dd.TravelCycle[1])
            .u32(dd.TravelCycle[2])
            .u16(DeviceWords::saturateU16(dd.TravelCycle[4]))
            .u16(DeviceWords::saturateU16(dd.TravelCycle[5]))
            .u32(dd.TravelCycle[6])
            .u32(dd.TravelCycle[7])
            .u32(dd.TravelCycle[8])
            .u16(DeviceWords::saturateU16(dd.TravelCycle[10]));
        return true;
    case 178:
        RequestWriter(request, 178, 4).words(dd.ActRatio, 1, 2);
        return true;
    case 180:
        RequestWriter(request, 180, 17)
            .u32(dd.SpoolInfo[1])
            .u32(dd.SpoolInfo[2])
            .u32(dd.SpoolInfo[5])
            .u32(dd.SpoolInfo[6])
            .u8(dd.SpoolResetSelector);
        return true;
    case 188:
        RequestWriter(request, 188, 4).words(dd.StickValues, 1, 2);
        return true;
    case 190:
        RequestWriter(request, 190, 4).words(dd.LeakValues, 1, 2);
        return true;
    case 196:
        RequestWriter(request, 196, 6).words(dd.SupplySettings, 2, 3);
        return true;
    case 198:
        RequestWriter(request, 198, 8).words(dd.FrictionSettings, 2, 4);
        return true;
    case 201: // the caller laid the Misc record
        return true;
    case 203:
        RequestWriter(request, 203, 3).u8(dd.ControlMode).u16(dd.DigitalCommand);
        return true;
    case 213:
        RequestWriter(request, 213, 20).words(dd.CharactPoints, 0, 10);
        return true;
    case 219:
        // Words 0 to 2 go back as they were read; only the last is scaled,
        // unless it still holds the tenths of the reply.
        RequestWriter(request, 219, 8)
            .words(dd.PositionAlerts, 0, 3)
            .u16(dd.PositionAlertFrameInTenths ? dd.PositionAlerts[3] : scaled16(dd.PositionAlerts[3], 10));
        return true;
    case 221:
        RequestWriter(request, 221, 3).u8(dd.TravelUnit).u8(dd.TemperatureUnit).u8(dd.PressureUnit);
        return true;
    case 225:
        RequestWriter(request, 225, 15).u8(dd.CalState).text(dd.CalText, 14);
        return true;
    case 227:
        RequestWriter(request, 227, 15).u8(dd.CalState).text(dd.LoopCalText, 14);
        return true;
    case 229:
        RequestWriter(request, 229, 1).u8(dd.ErrorHistory[10]);
        return true;
    case 231:
        RequestWriter(request, 231, 6).bytes(dd.ActuatorCodes, 0, 4).u16(dd.ActuatorArea);
        return true;
    case 233:
        laySigStart();
        return true;
    case 235:
        RequestWriter(request, 235, 23).bytes(dd.ValveCodes, 0, 13).text(dd.ValveText, 10);
        return true;
    case 237: {
        RequestWriter writer(request, 237, 20);
        for (float value : dd.ValveTrim)
            writer.f32(value);
        return true;
    }
    case 245:
        RequestWriter(request, 245, 22).words(dd.CharactPoints, 10, 11);
        return true;
    case 247:
        RequestWriter(request, 247, 22).bytes(dd.Config, 0, 22);
        return true;
    default:
        return false;
    }
}

void CommandDispatch::laySigStart()
{
    DeviceData& dd = m_data;
    if (dd.SignatureType != 9)
        dd.SigSettings.Floats[2] = 0.0f;
    if (dd.SignatureType != 1)
        dd.SigSettings.Word = 0;
    const uint8_t type = DeviceSignatureType(dd.SignatureType);
    RequestWriter writer(dd.Request, 233, 20);
    writer.u8(type).u8(15);
    for (float value : dd.SigSettings.Floats)
        writer.f32(value);
    writer.u16(dd.SigSettings.Word);
}

bool CommandDispatch::miscAddressesMatch() const
{
    const DeviceData& dd = m_data;
    return dd.Reply && dd.Reply->size() >= 14 && dd.MiscReplyByteAddr == dd.Request[3]
        && dd.MiscReplyWordAddr == dd.Request[4] && dd.MiscReplyLongAddr == dd.Request[5];
}

void CommandDispatch::logRequest(const char* direction) const
{
    const auto& r = m_data.Request;
    QString line = QString::fromLatin1(direction) + NumberText::format("%-2d  %-4d - ", r[0], r[1]);
    for (int i = 2; i < LoggedRequestBytes; ++i)
        line += NumberText::format("%4d ", r[i]);
    m_log.WriteLog(line);
}

void CommandDispatch::logFailedRead() const
{
    const auto& r = m_data.Request;
    QString line = QStringLiteral("?<- ") + NumberText::format("%-2d  %-3d - ", r[0], r[1]);
    for (int i = 2; i < LoggedRequestBytes; ++i)
        line += NumberText::format(i == 2 ? "%3d" : " %3d", r[i]);
    m_log.WriteLog(line);
}

void CommandDispatch::logFailedWrite(int command) const
{
    const auto& r = m_data.Request;
    const QByteArray name = HartCommandTable::GetCommandName(command).toLatin1();
    QString line = QStringLiteral("?-> ") + NumberText::format("%-3d  %-30s - ", command, name.constData());
    for (int i = 0; i < LoggedRequestBytes; ++i)
        line += NumberText::format(i == 0 ? "%x" : " %x", r[i]);
    m_log.WriteLog(line);
}
