#include "SimulatedPositionerImpl.h"

#include <algorithm>
#include <cmath>

using namespace SimDevice;

// ======================================================================
// Time and physics

void SimulatedPositioner::Impl::advanceToNow()
{
    const qint64 now = nowMs();
    if (now < lastMs) // another clock was installed: start again from it
        lastMs = now;
    if (signature.running())
        runSignature(now);
    if (calibration.running() != CalibrationSequencer::Kind::None)
        runCalibration(now);
    if (now > lastMs) {
        valve.setCommandPercent(commandPercent());
        // A deviation counts from when the command that caused it was given,
        // not from whenever the device was next asked.
        trackDeviation();
        valve.advance(double(now - lastMs) / 1000.0);
        lastMs = now;
    }
    evaluateStatuses();
}

void SimulatedPositioner::Impl::runSignature(qint64 untilMs)
{
    // A running test is followed step by step: its command changes and its
    // samples fall due between any two requests.
    const qint64 end = std::min(untilMs, signature.endMs());
    for (qint64 t = lastMs; t < end; ++t) {
        valve.setCommandPercent(characterized(signature.commandAt(t)));
        valve.advance(ValveModel::StepS);
        signature.observe(t + 1, valve.positionPercent(), portPercent(valve.port1Psi()), sample());
    }
    lastMs = std::max(lastMs, end);
    if (untilMs >= signature.endMs())
        signature.observe(signature.endMs(), valve.positionPercent(), portPercent(valve.port1Psi()), sample());
}

double SimulatedPositioner::Impl::commandPercent() const
{
    // The loop's command is worked on at the resolution the device reports
    // it in, hundredths of a percent, as the digital one is: the same percent
    // from either source is the same command to the valve.
    const double raw
        = controlMode == DigitalMode ? digitalCommand / 100.0 : ReplyWriter::signedHundredths(analogPercent()) / 100.0;
    return characterized(raw);
}

double SimulatedPositioner::Impl::characterized(double percent) const
{
    const QByteArray& config = tables.at(246);
    const uint8_t curve = uint8_t(config.at(10));
    const double x = std::clamp(percent, 0.0, 100.0);
    double y = x;
    if (curve == 8) {
        constexpr double Rangeability = 50.0;
        y = (std::pow(Rangeability, x / 100.0) - 1.0) / (Rangeability - 1.0) * 100.0;
    } else if (curve == 0) {
        const int segment = std::min(int(x / 5.0), 19);
        const double a = int16_t(tableWord(segment < 10 ? 212 : 244, segment < 10 ? segment : segment - 10)) / 100.0;
        const int next = segment + 1;
        const double b = int16_t(tableWord(next < 10 ? 212 : 244, next < 10 ? next : next - 10)) / 100.0;
        y = a + (b - a) * (x - segment * 5.0) / 5.0;
    }
    // Soft limits bound what the positioner will follow.
    const QByteArray& limits = tables.at(240);
    const double high = RequestReader(limits).f32(0);
    const double low = RequestReader(limits).f32(4);
    if (std::isfinite(high) && std::isfinite(low) && high > low)
        y = std::clamp(y, low, high);
    return y;
}

SignatureSample SimulatedPositioner::Impl::sample() const
{
    SignatureSample s;
    s.command = ReplyWriter::signedHundredths(valve.commandPercent());
    s.position = ReplyWriter::signedHundredths(valve.positionPercent());
    s.relayCommand = ReplyWriter::signedHundredths(valve.relayCommandPercent());
    s.relayPosition = ReplyWriter::signedHundredths(valve.relayPositionPercent());
    s.port1 = ReplyWriter::signedHundredths(portPercent(measuredPsi(1)));
    s.port2 = ReplyWriter::signedHundredths(portPercent(measuredPsi(2)));
    return s;
}

// ======================================================================
// Values

double SimulatedPositioner::Impl::pressureUnitPerPsi() const
{
    switch (uint8_t(tables.at(220).at(2))) {
    case Bar:
        return 1.0 / PsiPerBar;
    case KgCm2:
        return 1.0 / PsiPerKgCm2;
    case KPa:
        return 1.0 / PsiPerKPa;
    case Percent:
        return fullScalePsi > 0 ? 100.0 / fullScalePsi : 1.0;
    default:
        return 1.0;
    }
}

double SimulatedPositioner::Impl::temperatureC() const
{
    // The electronics warm and cool a little over the hours.
    return valve.params().ambientTempC + 1.5 * std::sin(double(lastMs) / 3600000.0 * 2.0 * M_PI);
}

double SimulatedPositioner::Impl::frictionLbf() const
{
    return valve.params().dynamicFrictionLbf;
}

double SimulatedPositioner::Impl::actuationRatioPercent() const
{
    const ValveModelParams& p = valve.params();
    const double available = std::max(p.supplyPsi, 0.1) * p.areaIn2;
    const double needed = p.springPreloadLbf() + p.springRateLbfPerIn() * p.strokeIn + p.staticFrictionLbf;
    return std::min(needed / available * 100.0, 655.0);
}

double SimulatedPositioner::Impl::relayResponseMs() const
{
    return (valve.params().relayLagS + valve.params().ipLagS) * 1000.0;
}

uint16_t SimulatedPositioner::Impl::tableWord(uint8_t command, int index) const
{
    return RequestReader(tables.at(command)).u16(index * 2);
}

uint32_t SimulatedPositioner::Impl::tableLong(uint8_t command, int offset) const
{
    return RequestReader(tables.at(command)).u32(offset);
}

void SimulatedPositioner::Impl::setTableWord(uint8_t command, int offset, uint16_t value)
{
    QByteArray& t = tables[command];
    t[offset] = char(value >> 8);
    t[offset + 1] = char(value);
}

void SimulatedPositioner::Impl::setTableLong(uint8_t command, int offset, uint32_t value)
{
    setTableWord(command, offset, uint16_t(value >> 16));
    setTableWord(command, offset + 2, uint16_t(value));
}
