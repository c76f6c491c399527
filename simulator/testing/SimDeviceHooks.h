#pragma once

#include "SimFaults.h"
#include "SimHooks.h"

#include <map>

// What a test puts on one simulated device's exchanges: its faults and the
// replies it gives instead of its own.
class SimDeviceHooks : public SimExchangeHooks
{
public:
    SimFaults& faults() { return m_faults; }

    // Answer `reply` (the whole [command][byte count]... reply) to `command`,
    // `times` times (-1 until cleared). A reply needs its response code and
    // device status: one shorter than four bytes cannot be framed and reaches
    // the program as no reply.
    void scriptReply(uint8_t command, const QByteArray& reply, int times);
    void clearScriptedReplies() { m_scripted.clear(); }

    void beginExchange() override { m_faults.beginExchange(); }
    bool take(SimFault fault, int command, int* argument) override { return m_faults.take(fault, command, argument); }
    bool takeOnMiscLong(SimFault fault, uint8_t address) override { return m_faults.takeOnMiscLong(fault, address); }
    bool silent() const override { return m_faults.silent(); }
    std::optional<QByteArray> scriptedReply(uint8_t command) override;

private:
    struct Scripted {
        QByteArray reply;
        int times;
    };
    SimFaults m_faults;
    std::map<uint8_t, Scripted> m_scripted;
};
