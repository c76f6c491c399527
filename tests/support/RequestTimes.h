#pragma once

#include "SimulatedPositioner.h"

#include <QString>

#include <vector>

// A request as one short text: the command ("202"), or for a Misc read the
// variable it asked for ("200 byte 0x79", "200 word 0x12", "200 long 0x69").
inline QString requestKind(const SimRequest& request)
{
    if (request.command != 200 || request.bytes.size() < 5)
        return QString::number(request.command);
    const auto byteAt = [&](int k) { return uint8_t(request.bytes[k]); };
    if (byteAt(2) != 238)
        return QStringLiteral("200 byte 0x%1").arg(byteAt(2), 2, 16, QLatin1Char('0'));
    if (byteAt(3) != 246)
        return QStringLiteral("200 word 0x%1").arg(byteAt(3), 2, 16, QLatin1Char('0'));
    return QStringLiteral("200 long 0x%1").arg(byteAt(4), 2, 16, QLatin1Char('0'));
}

// When the device received requests of one kind, in milliseconds after
// `since`, leaving out those sent at `since` itself (the reads of an
// activation or a button) and those after `until`.
inline std::vector<qint64> requestTimes(
    const SimulatedPositioner& device, const QString& kind, qint64 since, qint64 until)
{
    std::vector<qint64> times;
    for (const SimRequest& request : device.requests()) {
        const qint64 at = request.timeMs - since;
        if (at > 0 && at <= until && requestKind(request) == kind)
            times.push_back(at);
    }
    return times;
}
