#pragma once

#include "HartCommandTable.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

struct DeviceData;
class AppLog;
class OpcConnection;
class ReplyParser;

// The two dispatchers every device exchange goes through: they lay the HART
// request in DeviceData::Request, run one transaction, hand the reply to the
// parser and write one log line with the request bytes. Each returns whether
// the exchange succeeded: a reply came, its echo matched and, for Read_Misc,
// the slot addresses it carries are the ones asked for. Nothing else depends
// on that result: fields, counting and logging are the same either way.
class CommandDispatch
{
public:
    CommandDispatch(DeviceData& data, OpcConnection& connection, ReplyParser& parser, const AppLog& log);

    // A previous exchange without reply is counted here first. 200 sends the
    // request as the caller laid it. Unknown numbers send nothing.
    bool DispatchRead(int command);
    // 201 sends the request as the caller laid it. Unknown numbers send
    // nothing. Never touches FailureCount itself.
    bool DispatchWrite(int command);

    // One raw exchange of a request laid by the caller ([count][command][byte
    // count][data...]): the reply as it came, or none. Not decoded, not
    // logged, not counted, and DeviceData::Reply is left as it was.
    std::optional<QByteArray> TransactFrame(std::span<const uint8_t> request);

    bool DispatchRead(HartCommand command) { return DispatchRead(static_cast<int>(command)); }
    bool DispatchWrite(HartCommand command) { return DispatchWrite(static_cast<int>(command)); }

    // The four bytes of a 32-bit value (or a float's bits), least significant first.
    static std::array<uint8_t, 4> GetValueBytes(uint32_t value);
    static std::array<uint8_t, 4> GetValueBytes(float value);

private:
    bool layWriteRequest(int command);
    void laySigStart();
    bool exchange();
    bool answerWrite(int command);
    void logRequest(const char* direction) const;
    void logFailedRead() const;
    void logFailedWrite(int command) const;
    bool miscAddressesMatch() const;

    DeviceData& m_data;
    OpcConnection& m_connection;
    ReplyParser& m_parser;
    const AppLog& m_log;
};
