// Health and limits: travel and cycle counts (173/174), actuation ratio
// (177/178), the pilot relay's spool (179/180), stick values (187/188), leak
// values (189/190), the worst-case words (194), supply (195/196), friction
// (197/198), position alerts (218/219) and the soft limits (240).
#include "SimulatedPositionerImpl.h"

#include <algorithm>
#include <cmath>

using namespace SimDevice;

void SimulatedPositioner::Impl::installHealthCommands()
{
    const ValveModelParams& p = valve.params();
    const bool k40 = model == SimModel::K40;
    const uint16_t strokeHundredths = ReplyWriter::hundredths(p.strokeIn);
    table(173, {},
        ReplyWriter().u32(0).u32(50000000).u32(100000000).u16(0).u16(100).u16(strokeHundredths).data()
            + ReplyWriter().u32(0).u32(500000).u32(1000000).u16(0).u16(1000).data());
    handlers[173] = [this](const QByteArray&) { return travelCycle(); };
    applyCycleDeadband();
    handlers[174] = [this](const QByteArray& data) { return writeTravelCycle(data); };
    table(177, {}, words({ 0, 8000, 9000, 0 }));
    handlers[177] = [this](const QByteArray&) { return actuationRatio(); };
    patch(178, 177, { { 0, 2 } });
    table(179, {},
        ReplyWriter().u32(0).u32(1000000).u32(2000000).u16(0).u32(0).u32(50000000).u32(100000000).u16(0).data());
    handlers[179] = [this](const QByteArray&) { return spool(); };
    handlers[180] = [this](const QByteArray& data) { return writeSpool(data); };
    table(187, {}, words({ 0, 600, 1000, 0 }));
    handlers[187] = [this](const QByteArray&) { return stickValues(); };
    patch(188, 187, { { 0, 2 } });
    auto stickWrite = handlers[188];
    handlers[188] = [this, stickWrite](const QByteArray& data) {
        stickWrite(data);
        return stickValues();
    };
    table(189, {}, words({ 12, 500, 1000, 0 }));
    patch(190, 189, { { 0, 2 } });
    handlers[194] = [this](const QByteArray&) { return worstCase(); };
    table(195, {},
        ReplyWriter()
            .u32(0)
            .u32(0)
            .u16(ReplyWriter::hundredths(p.supplyPsi * 1.1))
            .u16(ReplyWriter::hundredths(p.supplyPsi * 5.0 / 6.0))
            .u16(ReplyWriter::hundredths(p.supplyPsi * 2.0 / 3.0))
            .u16(0)
            .u16(0)
            .data());
    handlers[195] = [this](const QByteArray&) { return supply(); };
    handlers[196] = [this](const QByteArray& data) { return writeSupplyLimits(data); };
    table(197, {},
        words({ 0, 0, uint16_t(k40 ? 120 : 400), uint16_t(k40 ? 150 : 500), uint16_t(k40 ? 30 : 100),
            uint16_t(k40 ? 15 : 50), 0, 0 }));
    handlers[197] = [this](const QByteArray&) { return friction(); };
    patch(198, 197, { { 0, 4 } });
}

void SimulatedPositioner::Impl::installLimitCommands()
{
    table(218, { 219 }, words({ 10100, 0, 500, 100 }));
    table(240, {}, floats({ 100.0f, 0.0f, 0.0f, 0.0f }));
}

QByteArray SimulatedPositioner::Impl::travelCycle()
{
    QByteArray t = tables[173];
    const double travel = std::max(travelOffset + valve.travelAccumulatedPercent() * 100.0, 0.0);
    const double cycles = std::max(cycleOffset + valve.cycles(), 0.0);
    t.replace(0, 4, ReplyWriter().u32(uint32_t(std::min(travel, 4.0e9))).data());
    t.replace(18, 4, ReplyWriter().u32(uint32_t(std::min(cycles, 4.0e9))).data());
    return t;
}

QByteArray SimulatedPositioner::Impl::writeTravelCycle(const QByteArray& data)
{
    const RequestReader in(data);
    QByteArray& t = tables[173];
    const QByteArray copy = data.leftJustified(30, '\0');
    t.replace(0, 12, copy.mid(0, 12));
    t.replace(14, 4, copy.mid(12, 4));
    t.replace(18, 12, copy.mid(16, 12));
    t.replace(32, 2, copy.mid(28, 2));
    travelOffset = double(in.u32(0)) - valve.travelAccumulatedPercent() * 100.0;
    cycleOffset = double(in.u32(16)) - valve.cycles();
    applyCycleDeadband();
    return data;
}

// The cycle deadband is the last word of 173, in hundredths of a percent of
// travel, as the valve health page writes it (3.5 % is 350).
void SimulatedPositioner::Impl::applyCycleDeadband()
{
    valve.setCycleDeadbandPercent(tableWord(173, 16) / 100.0);
}

QByteArray SimulatedPositioner::Impl::actuationRatio()
{
    QByteArray t = tables[177];
    t.replace(0, 2, ReplyWriter().u16(ReplyWriter::hundredths(actuationRatioPercent())).data());
    return t;
}

QByteArray SimulatedPositioner::Impl::spool()
{
    QByteArray t = tables[179];
    const double cycles = std::max(spoolCycleOffset + valve.spoolCycles(), 0.0);
    const double travel = std::max(spoolTravelOffset + valve.spoolTravelPercent() * 100.0, 0.0);
    t.replace(0, 4, ReplyWriter().u32(uint32_t(std::min(cycles, 4.0e9))).data());
    t.replace(14, 4, ReplyWriter().u32(uint32_t(std::min(travel, 4.0e9))).data());
    return t;
}

QByteArray SimulatedPositioner::Impl::writeSpool(const QByteArray& data)
{
    QByteArray& t = tables[179];
    const QByteArray copy = data.leftJustified(17, '\0');
    t.replace(4, 8, copy.mid(0, 8));
    t.replace(18, 8, copy.mid(8, 8));
    if (copy[16] == 1)
        spoolCycleOffset = -double(valve.spoolCycles());
    else if (copy[16] == 2)
        spoolTravelOffset = -valve.spoolTravelPercent() * 100.0;
    return spool();
}

QByteArray SimulatedPositioner::Impl::stickValues()
{
    QByteArray t = tables[187];
    t.replace(0, 2, ReplyWriter().u16(uint16_t(std::lround(relayResponseMs()))).data());
    return t;
}

namespace
{

// How near `value` is to its alarm `limit`, in hundredths of a percent of the
// limit. The limit itself (10000) is what lights the alarm lamp, so a word
// reaches it only while the alarm is active: a deviation past its limit for
// less than the alarm's time, or a ratio with no alarm of its own, stops just
// below.
uint16_t nearness(double value, double limit, bool alarmActive)
{
    if (alarmActive)
        return 10000;
    const double share = limit > 0 && value > 0 ? std::min(value / limit, 1.0) * 10000.0 : 0.0;
    return uint16_t(std::min(share, 9999.0));
}

} // namespace

QByteArray SimulatedPositioner::Impl::worstCase()
{
    const auto on = lastActive;
    const double deviation = std::abs(valve.positionPercent() - valve.commandPercent());
    ReplyWriter out;
    out.u16(nearness(frictionLbf(), tableWord(197, 3), on.test(FrictionHighAlarm) || on.test(FrictionLowAlarm)));
    out.u16(nearness(actuationRatioPercent() * 100.0, tableWord(177, 2), false));
    out.u16(nearness(relayResponseMs(), tableWord(187, 2), on.test(PilotRelayAlarm)));
    out.u16(nearness(deviation * 100.0, tableWord(218, 2), on.test(PositionDeviationAlarm)));
    return out.data();
}

QByteArray SimulatedPositioner::Impl::supply()
{
    // The supply and its limits go out as the pressures of 204 do, in
    // hundredths of a percent of the full scale; only the nominal supply is in
    // hundredths of the display unit.
    const double unit = pressureUnitPerPsi();
    ReplyWriter out;
    out.u32(reportedSupplyShare());
    out.u32(uint32_t(std::max(std::lround(fullScalePsi * unit * 100.0), 0L)));
    for (int i = 4; i <= 6; ++i)
        out.u16(ReplyWriter::hundredths(portPercent(tableWord(195, i) / 100.0)));
    out.u16(0).u16(0);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeSupplyLimits(const QByteArray& data)
{
    const RequestReader in(data);
    for (int i = 0; i < 3; ++i)
        setTableWord(195, 8 + 2 * i, ReplyWriter::hundredths(in.u16(2 * i) / 10000.0 * fullScalePsi));
    return data;
}

QByteArray SimulatedPositioner::Impl::friction()
{
    QByteArray t = tables[197];
    t.replace(0, 2, ReplyWriter().u16(uint16_t(std::lround(frictionLbf()))).data());
    return t;
}
