#include "SimulatedPositionerImpl.h"

#include "StatusPriorities.h"

#include <cmath>

using namespace SimDevice;

std::bitset<SimulatedPositioner::StatusCount> SimulatedPositioner::Impl::activeStatuses()
{
    std::bitset<StatusCount> on = forced;
    auto set = [&](int status, bool condition) {
        if (condition)
            on.set(size_t(status));
    };
    const double position = valve.positionPercent();
    set(DigitalCommandMode, controlMode == DigitalMode);
    set(SignatureInProgress, signature.running());
    set(PositionDeviationAlarm, deviationSinceMs >= 0 && lastMs - deviationSinceMs > tableWord(218, 3) * 100);
    set(PositionUpperAlert, position * 100.0 > tableWord(218, 0));
    set(PositionLowerAlert, position * 100.0 < tableWord(218, 1));
    set(LocalInterfaceDisabled, tapsetRefusedMs >= 0 && lastMs - tapsetRefusedMs < TapsetRefusalShownMs);
    const auto calibrating = calibration.running(lastMs);
    set(StrokeCalibrationMode, calibrating == CalibrationSequencer::Kind::Stroke);
    set(PressureCalibrationMode, calibrating == CalibrationSequencer::Kind::Actuator);
    set(CommandLoopCalibrationMode, loopState != 0);
    for (int k = 0; k < 6; ++k)
        set(CalibrationSequencer::FirstFlagStatus + k, calibration.flags() & (1u << k));
    set(LoopRangeSmall, loopRangeSmall);
    set(Loop100SignalOutOfRange, loop100OutOfRange);
    set(Loop0SignalOutOfRange, loop0OutOfRange);
    set(BoardTempHigh, temperatureC() > 85.0);
    set(BoardTempLow, temperatureC() < -40.0);
    const uint8_t boards = miscBytes[BoardsByte];
    set(PressureBoardPresent, boards & 0x01);
    set(AoBoardPresent, boards & 0x02);
    set(PressureControlActive, boards & 0x04);
    set(PotRotationReversed, boards & 0x08);
    setHealthStatuses(on);
    return on;
}

// The alerts, warnings and alarms that compare a measured value with the
// limits the program wrote.
void SimulatedPositioner::Impl::setHealthStatuses(std::bitset<StatusCount>& on)
{
    auto set = [&](int status, bool condition) {
        if (condition)
            on.set(size_t(status));
    };
    const double frictionNow = frictionLbf();
    set(ActuationRatioWarning, actuationRatioPercent() * 100.0 >= tableWord(177, 1));
    set(FrictionHighAlarm, frictionNow >= tableWord(197, 3));
    set(FrictionHighWarning, frictionNow >= tableWord(197, 2));
    set(FrictionLowAlarm, frictionNow <= tableWord(197, 5));
    set(FrictionLowWarning, frictionNow <= tableWord(197, 4));
    set(ValveTravelAlert, travelOffset + valve.travelAccumulatedPercent() * 100.0 >= tableLong(173, 8));
    set(ValveCyclesAlert, cycleOffset + valve.cycles() >= tableLong(173, 26));
    // Supply thresholds are kept in hundredths of psi.
    const double supplyHundredths = supplyPsi() * 100.0;
    set(SupplyLowAlarm, supplyHundredths < tableWord(195, 6));
    set(SupplyLowWarning, supplyHundredths < tableWord(195, 5));
    set(SupplyHighWarning, supplyHundredths > tableWord(195, 4));
    set(PneumaticLeakWarning, tableWord(189, 0) >= tableWord(189, 1));
    set(PilotRelayAlarm, relayResponseMs() >= tableWord(187, 2));
    set(PilotRelayWarning, relayResponseMs() >= tableWord(187, 1));
    set(PilotCyclesAlert, spoolCycleOffset + valve.spoolCycles() >= tableLong(179, 8));
    set(PilotTravelAlert, spoolTravelOffset + valve.spoolTravelPercent() * 100.0 >= tableLong(179, 22));
}

void SimulatedPositioner::Impl::trackDeviation()
{
    const double deviation = std::abs(valve.positionPercent() - valve.commandPercent());
    if (deviation * 100.0 <= tableWord(218, 2))
        deviationSinceMs = -1;
    else if (deviationSinceMs < 0)
        deviationSinceMs = lastMs;
}

void SimulatedPositioner::Impl::evaluateStatuses()
{
    trackDeviation();
    const auto now = activeStatuses();
    // The history keeps the alerts, warnings and alarms as they come on.
    for (int n = 0; n < StatusPriorities::FirstDeviceInformation; ++n) {
        if (now.test(size_t(n)) && !lastActive.test(size_t(n)) && StatusPriorities::of(n) >= 27) {
            history.push_front(uint8_t(n));
            if (history.size() > 8)
                history.pop_back();
        }
    }
    lastActive = now;
}

std::array<uint8_t, 10> SimulatedPositioner::Impl::bitmap()
{
    std::array<uint8_t, 10> bytes {};
    for (int n = 0; n < StatusCount; ++n) {
        if (lastActive.test(size_t(n)))
            bytes[size_t(n / 8)] |= uint8_t(1u << (n % 8));
    }
    return bytes;
}

uint8_t SimulatedPositioner::Impl::highestPriority()
{
    int best = NoActiveStatus;
    int bestPriority = 0;
    // A status whose mask bit is clear is left out of the status byte; 228
    // and the Misc status bytes still show it active.
    const QByteArray& mask = tables[166];
    auto enabled = [&](int n) { return n / 8 < mask.size() && (uint8_t(mask[n / 8]) >> (n % 8)) & 1u; };
    for (int n = 0; n < StatusPriorities::FirstDeviceInformation; ++n) {
        if (lastActive.test(size_t(n)) && enabled(n) && StatusPriorities::of(n) > bestPriority) {
            best = n;
            bestPriority = StatusPriorities::of(n);
        }
    }
    return uint8_t(best);
}
