// Calibration: the actuator and stroke calibrations (224/225), the command
// loop calibration (226/227), the characterization points (212/213,
// 244/245) and the configuration that picks the curve (246/247).
#include "SimulatedPositionerImpl.h"

#include <algorithm>
#include <cmath>

using namespace SimDevice;

void SimulatedPositioner::Impl::installCalibrationCommands()
{
    ReplyWriter points;
    for (int i = 0; i <= 20; ++i)
        points.u16(uint16_t(i * 500));
    table(212, { 213 }, points.data().left(20));
    table(244, { 245 }, points.data().mid(20));
    QByteArray config(22, '\0');
    config[10] = 4; // linear
    config[15] = 1; // fails closed
    table(246, { 247 }, config);
    handlers[224] = [this](const QByteArray&) { return calibration224(); };
    handlers[225] = [this](const QByteArray& data) { return writeCalibration(data); };
    handlers[226] = [this](const QByteArray&) { return loopCalibration(); };
    handlers[227] = [this](const QByteArray& data) {
        writeLoopCalibration(data);
        return data;
    };
}

QByteArray SimulatedPositioner::Impl::calibration224()
{
    return ReplyWriter().u8(calibration.state(lastMs)).text(calibration.text(), 14).data();
}

QByteArray SimulatedPositioner::Impl::writeCalibration(const QByteArray& data)
{
    calibration.write(RequestReader(data).u8(0), data.mid(1, 14), lastMs);
    if (calibration.running() == CalibrationSequencer::Kind::None)
        valve.setSpoolOverride(std::nullopt); // aborted: the valve follows its command again
    evaluateStatuses();
    return calibration224();
}

namespace
{
// The position sensor's characteristic: the feedback arm turns by a fixed
// count per inch of stem travel from its count at the closed stop.
constexpr double FeedbackClosedCount = 2000.0;
constexpr double FeedbackCountsPerInch = 28000.0 / 1.5;
// The calibration routine looks at the valve this often.
constexpr qint64 CalibrationLookMs = 10;

uint16_t roundedWord(double value)
{
    return uint16_t(std::clamp(std::lround(value), 0L, 65535L));
}
} // namespace

double SimulatedPositioner::Impl::feedbackCount() const
{
    return FeedbackClosedCount + valve.positionIn() * FeedbackCountsPerInch;
}

CalibrationSequencer::Plant SimulatedPositioner::Impl::calibrationPlant() const
{
    CalibrationSequencer::Plant plant;
    const double stroke = valve.params().strokeIn;
    plant.positionPercent = valve.positionPercent();
    plant.velocityPercentPerS = stroke > 0 ? valve.velocityInPerS() / stroke * 100.0 : 0.0;
    plant.stuck = valve.stuck();
    plant.port1Psi = valve.port1Psi();
    plant.port2Psi = port2Psi();
    plant.supplyPsi = supplyPsi();
    plant.port2IsSupply = model == SimModel::K40;
    plant.port2InUse = model != SimModel::K40 && valve.params().doubleActing;
    plant.port1Count = sensorCount(1);
    plant.port2Count = sensorCount(2);
    plant.feedbackCount = feedbackCount();
    plant.relayPositionPercent = valve.relayPositionPercent();
    return plant;
}

// A running calibration drives the valve itself and looks at it every few
// milliseconds of simulated time, so each state lasts as long as the valve
// takes to do what the state waits for.
void SimulatedPositioner::Impl::runCalibration(qint64 untilMs)
{
    while (lastMs < untilMs && calibration.running() != CalibrationSequencer::Kind::None) {
        const CalibrationSequencer::Drive drive = calibration.drive();
        valve.setSpoolOverride(drive.spool);
        valve.setCommandPercent(drive.commandPercent ? *drive.commandPercent : commandPercent());
        const qint64 step = std::min(CalibrationLookMs, untilMs - lastMs);
        valve.advance(double(step) / 1000.0);
        lastMs += step;
        calibration.observe(calibrationPlant(), lastMs);
    }
    if (calibration.running() == CalibrationSequencer::Kind::None)
        valve.setSpoolOverride(std::nullopt);
    if (calibration.takeCompleted())
        storeCalibration();
}

// The results of a completed run become the device's calibration.
void SimulatedPositioner::Impl::storeCalibration()
{
    const CalibrationSequencer::Results& found = calibration.results();
    miscWords[0x50] = roundedWord(found.feedbackLow);
    miscWords[0x51] = roundedWord(found.feedbackHigh);
    miscWords[0x11] = roundedWord(found.innerLoopOffsetPercent * 100.0);
    const auto store
        = [this](const PressureSensors::PortWords& at, std::optional<double> low, std::optional<double> high) {
              if (!high)
                  return;
              const uint16_t lowWord = low ? PressureSensors::countWord(*low) : miscWords[at.low];
              const uint16_t highWord = PressureSensors::countWord(*high);
              miscWords[at.low] = lowWord;
              miscWords[at.high] = highWord;
              miscWords[at.range] = uint16_t(highWord - lowWord);
          };
    store(PressureSensors::Port1, found.port1Low, found.port1High);
    // The smaller model's supply sensor keeps the zero its zero supply capture took.
    store(PressureSensors::Port2, found.port2Low, found.port2High);
}

QByteArray SimulatedPositioner::Impl::loopCalibration() const
{
    return ReplyWriter().u8(loopState).text(loopText, 14).data();
}

namespace
{
// The converter's characteristic: a fixed count per mA.
constexpr double CountsPerMilliamp = 1600.0;
// Where the loop calibration accepts a point, and how far apart its points must be.
constexpr double LowestPointMa = 3.5;
constexpr double HighestPointMa = 20.5;
constexpr double SmallestRangeMa = 2.0;

bool outOfRange(double milliamps)
{
    return milliamps < LowestPointMa || milliamps > HighestPointMa;
}

uint16_t countWord(double count)
{
    return uint16_t(std::clamp(std::lround(count), 0L, 65535L));
}
}

double SimulatedPositioner::Impl::loopCount(double milliamps)
{
    return milliamps * CountsPerMilliamp;
}

double SimulatedPositioner::Impl::loopCurrentFor(double count)
{
    return count / CountsPerMilliamp;
}

double SimulatedPositioner::Impl::analogPercent() const
{
    const auto word = [this](uint8_t address) {
        const auto found = miscWords.find(address);
        return found == miscWords.end() ? 0.0 : double(found->second);
    };
    const double zero = word(0x55);
    const double span = word(0x56) - zero;
    if (span == 0.0)
        return 0.0;
    return (loopCount(loopCurrentMa) - zero) / span * 100.0;
}

void SimulatedPositioner::Impl::setAnalogPercent(double percent)
{
    const double zero = miscWords[0x55];
    const double span = double(miscWords[0x56]) - zero;
    loopCurrentMa = loopCurrentFor(zero + span * percent / 100.0);
}

// The device's side of the loop calibration: the program writes a code for
// what the user just did, the device takes the point at the loop current
// of that moment and reports its progress as the state.
void SimulatedPositioner::Impl::writeLoopCalibration(const QByteArray& data)
{
    const uint8_t code = RequestReader(data).u8(0);
    switch (code) {
    case 3:
        loopState = 11; // waiting for 4 mA
        loopRangeSmall = loop100OutOfRange = loop0OutOfRange = false;
        break;
    case 8:
        miscWords[0x57] = countWord(loopCount(loopCurrentMa)); // the 4 mA reference
        loopState = 3; // reference set
        break;
    case 12:
        // From "waiting for 0 %" it takes the 0 % point; from "waiting for
        // the previous command" (the last step went back) it only waits for
        // the 100 % point again.
        if (loopState == 11) {
            loopZeroMa = loopCurrentMa;
            loopZeroSet = true;
            loop0OutOfRange = outOfRange(loopZeroMa);
        }
        loopState = 12;
        break;
    case 13:
        loopSpanMa = loopCurrentMa;
        loopSpanSet = true;
        loop100OutOfRange = outOfRange(loopSpanMa);
        loopRangeSmall = loopZeroSet && std::abs(loopSpanMa - loopZeroMa) < SmallestRangeMa;
        loopState = 13;
        break;
    case 14:
        if (loopZeroSet && loopSpanSet) {
            loopRangeSmall = std::abs(loopSpanMa - loopZeroMa) < SmallestRangeMa;
            if (!loopRangeSmall) {
                miscWords[0x55] = countWord(loopCount(loopZeroMa));
                miscWords[0x56] = countWord(loopCount(loopSpanMa));
            }
        }
        loopZeroSet = loopSpanSet = false;
        loopText = data.mid(1, 14);
        loopState = 0;
        break;
    case 51:
        loopZeroSet = loopSpanSet = false;
        loopState = 0;
        break;
    default:
        loopState = code;
        break;
    }
    evaluateStatuses();
}
