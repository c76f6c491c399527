// Trends: the rows (181), the state handshake (182) and the state (184).
#include "SimulatedPositionerImpl.h"

void SimulatedPositioner::Impl::installTrendCommands()
{
    handlers[181] = [this](const QByteArray&) { return trendRow(); };
    handlers[182]
        = [this](const QByteArray& data) { return ReplyWriter().u8(trends.write(RequestReader(data).u8(0))).data(); };
    handlers[184] = [this](const QByteArray&) { return ReplyWriter().u8(trends.state()).data(); };
}

QByteArray SimulatedPositioner::Impl::trendRow()
{
    TrendBaseline b;
    b.commandPercent = valve.commandPercent();
    b.positionPercent = valve.positionPercent();
    b.frictionLbf = frictionLbf();
    b.supplyPercent = portPercent(supplyPsi());
    // The rows carry the temperature in the unit the device shows (220).
    const bool fahrenheit = uint8_t(tables[220].at(1)) == SimDevice::Fahrenheit;
    b.temperature = fahrenheit ? temperatureC() * 9.0 / 5.0 + 32.0 : temperatureC();
    return trends.nextRow(b);
}
