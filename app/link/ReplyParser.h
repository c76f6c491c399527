#pragma once

#include <QByteArray>

#include <functional>

struct DeviceData;
class AppLog;

// Turns the last reply (DeviceData::Reply) into DeviceData fields. The echo
// in byte 0 is checked against the command: a match clears FailureCount, a
// mismatch raises it and logs "reply count :N"; decoding goes on either way.
// A reply too short for a field leaves that field at its last value (and
// logs "short reply <command> <length>"). Response code and device status
// are never examined.
class ReplyParser
{
public:
    // Called after every decoded 202 and 203 reply, whichever page sent it.
    using StatusHook = std::function<void()>;

    ReplyParser(DeviceData& data, const AppLog& log);

    void setStatusHook(StatusHook hook) { m_statusHook = std::move(hook); }

    // Decodes by HART command number (182 is the trend handshake: byte 4 into
    // TrendState). Returns true when the echo matched. Without a reply it
    // does nothing and returns false.
    bool ParseReply(int command);

    // The reply of SendSigStart (233): no echo check; reply byte 4 becomes
    // the SigSettings type byte.
    void ParseSigStartReply();

private:
    class Decoder;
    void decode(int command, const QByteArray& reply);
    void decodeUnits(Decoder& d);

    DeviceData& m_data;
    const AppLog& m_log;
    StatusHook m_statusHook;
};
