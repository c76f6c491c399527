#include "SimulatedPositioner.h"

#include "CalibrationSequencer.h"
#include "ReplyWriter.h"
#include "SignatureRecorder.h"
#include "StatusPriorities.h"
#include "TrendTable.h"
#include "opc/HartFrame.h"
#include "ui/TimerService.h"

#include <QCryptographicHash>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <deque>
#include <functional>
#include <map>

namespace
{

// Misc addresses that mean "no variable" in each slot.
constexpr uint8_t NoByte = 238;
constexpr uint8_t NoWord = 246;
constexpr uint8_t NoLong = 254;

constexpr uint8_t FirstStatusByte = 0x79;
constexpr uint8_t LastStatusByte = 0x81;
constexpr uint8_t TestStatusByte = 0x92;
constexpr uint8_t ConfigByte = 0x28;
constexpr uint8_t BoardsByte = 0x82;
constexpr uint8_t PollAddressByte = 0xCA;

constexpr uint8_t TestRunning = 0x01;
constexpr uint8_t SignatureReadOut = 0x20;

constexpr double PsiPerBar = 14.5037738;
constexpr double PsiPerKgCm2 = 14.2233433;
constexpr double PsiPerKPa = 0.145037738;

enum Unit : uint8_t { Psi = 6, Bar = 7, KgCm2 = 10, KPa = 12, Percent = 57, Celsius = 32, Fahrenheit = 33 };

// Statuses the device raises itself.
enum Status {
    DigitalCommandMode = 2,
    SignatureInProgress = 5,
    PositionDeviationAlarm = 8,
    PositionUpperAlert = 11,
    PositionLowerAlert = 12,
    ActuationRatioWarning = 16,
    FrictionHighWarning = 18,
    FrictionLowWarning = 19,
    FrictionHighAlarm = 20,
    FrictionLowAlarm = 21,
    ValveCyclesAlert = 22,
    ValveTravelAlert = 23,
    StrokeCalibrationMode = 24,
    CommandLoopCalibrationMode = 25,
    PressureCalibrationMode = 26,
    BoardTempHigh = 32,
    BoardTempLow = 33,
    SupplyLowAlarm = 40,
    SupplyHighWarning = 41,
    SupplyLowWarning = 42,
    PneumaticLeakWarning = 47,
    PilotRelayWarning = 48,
    PilotRelayAlarm = 49,
    PilotCyclesAlert = 50,
    PilotTravelAlert = 51,
    PressureBoardPresent = 72,
    AoBoardPresent = 73,
    PressureControlActive = 74,
    PotRotationReversed = 75,
};

uint32_t deviceIdFor(const QString& path)
{
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return (uint32_t(uint8_t(hash[0])) << 16) | (uint32_t(uint8_t(hash[1])) << 8) | uint8_t(hash[2]);
}

QByteArray tagFor(const QString& path)
{
    const QString last = path.section(QLatin1Char('/'), -1);
    return last.toUpper().toLatin1().left(8);
}

} // namespace

struct SimulatedPositioner::Impl {
    using Handler = std::function<QByteArray(const QByteArray& data)>;

    SimModel model;
    QString path;
    uint32_t deviceId;
    uint8_t manufacturerId = 0x26;
    uint8_t pollAddress = 0;
    ValveModel valve;
    double fullScalePsi;
    qint64 lastMs;

    // Command and mode.
    uint8_t controlMode = 0;
    int16_t digitalCommand = 5000;
    double analogCommand = 50.0;

    // Identity.
    QByteArray tag;
    QByteArray descriptor;
    std::array<uint8_t, 3> date { 15, 3, 124 };
    QByteArray message = QByteArray(24, ' ');

    // Tables the program reads and writes, as the reply data lays them.
    std::map<uint8_t, QByteArray> tables;
    // Misc variables by address.
    std::map<uint8_t, uint8_t> miscBytes;
    std::map<uint8_t, uint16_t> miscWords;
    std::map<uint8_t, uint32_t> miscLongs;

    // Counters shown = the model's count + an offset that writes move.
    double travelOffset = 0.0;
    double cycleOffset = 0.0;
    double spoolTravelOffset = 0.0;
    double spoolCycleOffset = 0.0;

    // Statuses.
    std::bitset<StatusCount> forced;
    std::bitset<StatusCount> lastActive;
    std::deque<uint8_t> history;
    uint8_t historyByte = 0;
    qint64 deviationSinceMs = -1;

    SignatureRecorder signature;
    TrendTable trends;
    CalibrationSequencer calibration;
    uint8_t loopState = 0;
    QByteArray loopText = QByteArray(14, ' ');

    std::vector<SimRequest> requests;
    SimFaults faults;
    struct Scripted {
        QByteArray reply;
        int times;
    };
    std::map<uint8_t, Scripted> scripted;
    std::map<uint8_t, Handler> handlers;

    Impl(SimModel m, const QString& p);

    // ---- time and physics
    qint64 nowMs() const { return TimerService::instance().elapsedMs(); }
    void advanceToNow();
    void runSignature(qint64 untilMs);
    double commandPercent() const;
    double characterized(double percent) const;
    SignatureSample sample() const;

    // ---- values
    double portPercent(double psi) const { return fullScalePsi > 0 ? psi / fullScalePsi * 100.0 : 0.0; }
    double supplyPsi() const { return valve.params().supplyPsi; }
    // The supply as 204 and 195 give it: hundredths of a percent of the full scale.
    uint32_t supplyShare() const
    {
        const double share = portPercent(supplyPsi()) * 100.0;
        return std::isfinite(share) ? uint32_t(std::lround(std::clamp(share, 0.0, 4.0e9))) : 0;
    }
    double pressureUnitPerPsi() const;
    double temperatureC() const;
    double frictionLbf() const;
    double actuationRatioPercent() const;
    double relayResponseMs() const;
    uint16_t tableWord(uint8_t command, int index) const;
    uint32_t tableLong(uint8_t command, int offset) const;
    void setTableWord(uint8_t command, int offset, uint16_t value);
    void setTableLong(uint8_t command, int offset, uint32_t value);

    // ---- statuses
    std::bitset<StatusCount> activeStatuses();
    void evaluateStatuses();
    std::array<uint8_t, 10> bitmap();
    uint8_t highestPriority();

    // ---- misc
    uint8_t miscByte(uint8_t address);
    uint16_t miscWord(uint8_t address);
    uint32_t miscLong(uint8_t address);
    void writeMiscByte(uint8_t address, uint8_t value);

    // ---- commands
    void record(uint8_t command, const QByteArray& data, const QByteArray& reply);
    void installHandlers();
    void table(uint8_t read, std::initializer_list<uint8_t> writes, const QByteArray& initial);
    void patch(uint8_t write, uint8_t read, std::vector<std::pair<int, int>> spans);
    QByteArray reply(uint8_t command, const QByteArray& data);
    QByteArray identity() const;
    QByteArray tagDescriptorDate() const;
    QByteArray status();
    QByteArray pressures();
    QByteArray travelCycle();
    QByteArray spool();
    QByteArray supply();
    QByteArray friction();
    QByteArray errorHistory();
    QByteArray readMisc(const QByteArray& data);
    QByteArray writeMisc(const QByteArray& data);
    QByteArray startSignature(const QByteArray& data);
    QByteArray signatureSettings() const;
    QByteArray partialStrokeInfo() const;
    QByteArray calibration224();
    QByteArray loopCalibration() const;
    void writeLoopCalibration(const QByteArray& data);
    void writeUnits(const QByteArray& data);
};

SimulatedPositioner::Impl::Impl(SimModel m, const QString& p)
    : model(m)
    , path(p)
    , deviceId(deviceIdFor(p))
    , valve(m == SimModel::K40 ? ValveModelParams::k40() : ValveModelParams::k90())
    , fullScalePsi(valve.params().supplyPsi)
    , lastMs(TimerService::instance().elapsedMs())
    , tag(tagFor(p))
    , descriptor(m == SimModel::K40 ? "K40 POSITIONER" : "K90 POSITIONER")
{
    installHandlers();
}

// ======================================================================
// Time and physics

void SimulatedPositioner::Impl::advanceToNow()
{
    const qint64 now = nowMs();
    if (now < lastMs) // another clock was installed: start again from it
        lastMs = now;
    if (signature.running())
        runSignature(now);
    if (now > lastMs) {
        valve.setCommandPercent(commandPercent());
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
    const double raw = controlMode == DigitalMode ? digitalCommand / 100.0 : analogCommand;
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
    s.port1 = ReplyWriter::signedHundredths(portPercent(valve.port1Psi()));
    s.port2 = ReplyWriter::signedHundredths(portPercent(model == SimModel::K40 ? supplyPsi() : valve.port2Psi()));
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

// ======================================================================
// Statuses

std::bitset<SimulatedPositioner::StatusCount> SimulatedPositioner::Impl::activeStatuses()
{
    std::bitset<StatusCount> on = forced;
    auto set = [&](int status, bool condition) {
        if (condition)
            on.set(size_t(status));
    };
    const double position = valve.positionPercent();
    const double frictionNow = frictionLbf();
    set(DigitalCommandMode, controlMode == DigitalMode);
    set(SignatureInProgress, signature.running());
    set(PositionDeviationAlarm, deviationSinceMs >= 0 && lastMs - deviationSinceMs > tableWord(218, 3) * 100);
    set(PositionUpperAlert, position * 100.0 > tableWord(218, 0));
    set(PositionLowerAlert, position * 100.0 < tableWord(218, 1));
    set(ActuationRatioWarning, actuationRatioPercent() * 100.0 >= tableWord(177, 1));
    set(FrictionHighAlarm, frictionNow >= tableWord(197, 3));
    set(FrictionHighWarning, frictionNow >= tableWord(197, 2));
    set(FrictionLowAlarm, frictionNow <= tableWord(197, 5));
    set(FrictionLowWarning, frictionNow <= tableWord(197, 4));
    set(ValveTravelAlert, travelOffset + valve.travelAccumulatedPercent() * 100.0 >= tableLong(173, 8));
    set(ValveCyclesAlert, cycleOffset + valve.cycles() >= tableLong(173, 26));
    const auto calibrating = calibration.running(lastMs);
    set(StrokeCalibrationMode, calibrating == CalibrationSequencer::Kind::Stroke);
    set(PressureCalibrationMode, calibrating == CalibrationSequencer::Kind::Actuator);
    set(CommandLoopCalibrationMode, loopState != 0);
    set(BoardTempHigh, temperatureC() > 85.0);
    set(BoardTempLow, temperatureC() < -40.0);
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
    const uint8_t boards = miscBytes[BoardsByte];
    set(PressureBoardPresent, boards & 0x01);
    set(AoBoardPresent, boards & 0x02);
    set(PressureControlActive, boards & 0x04);
    set(PotRotationReversed, boards & 0x08);
    return on;
}

void SimulatedPositioner::Impl::evaluateStatuses()
{
    const double deviation = std::abs(valve.positionPercent() - valve.commandPercent());
    if (deviation * 100.0 <= tableWord(218, 2))
        deviationSinceMs = -1;
    else if (deviationSinceMs < 0)
        deviationSinceMs = lastMs;
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
    for (int n = 0; n < StatusPriorities::FirstDeviceInformation; ++n) {
        if (lastActive.test(size_t(n)) && StatusPriorities::of(n) > bestPriority) {
            best = n;
            bestPriority = StatusPriorities::of(n);
        }
    }
    return uint8_t(best);
}

// ======================================================================
// Misc variables

uint8_t SimulatedPositioner::Impl::miscByte(uint8_t address)
{
    if (address >= FirstStatusByte && address <= LastStatusByte)
        return bitmap()[size_t(address - FirstStatusByte)];
    switch (address) {
    case TestStatusByte:
        return (signature.running() ? TestRunning : 0) | (signature.readOutComplete() ? SignatureReadOut : 0);
    case PollAddressByte:
        return pollAddress;
    default:
        break;
    }
    auto found = miscBytes.find(address);
    return found == miscBytes.end() ? 0 : found->second;
}

uint16_t SimulatedPositioner::Impl::miscWord(uint8_t address)
{
    // A/D counts move between their calibrated low and high counts.
    auto count = [&](uint8_t low, uint8_t high, double fraction) {
        const double lo = miscWords[low];
        const double hi = miscWords[high];
        return uint16_t(std::clamp(std::lround(lo + (hi - lo) * fraction), 0L, 65535L));
    };
    const double fullScale = std::max(fullScalePsi, 0.1);
    switch (address) {
    case 0x12:
        return ReplyWriter::hundredths(valve.relayCommandPercent());
    case 0x34:
        return ReplyWriter::hundredths(valve.relayPositionPercent());
    case 0x58:
        return count(0x55, 0x56, analogCommand / 100.0);
    case 0x62:
        return count(0x5F, 0x60, valve.port1Psi() / fullScale);
    case 0x67:
        return count(0x64, 0x65, (model == SimModel::K40 ? supplyPsi() : valve.port2Psi()) / fullScale);
    default:
        break;
    }
    auto found = miscWords.find(address);
    return found == miscWords.end() ? 0 : found->second;
}

uint32_t SimulatedPositioner::Impl::miscLong(uint8_t address)
{
    auto found = miscLongs.find(address);
    return found == miscLongs.end() ? 0 : found->second;
}

void SimulatedPositioner::Impl::writeMiscByte(uint8_t address, uint8_t value)
{
    if (address >= FirstStatusByte && address <= LastStatusByte)
        return; // the active statuses are the device's own
    if (address == TestStatusByte) {
        if (!(value & TestRunning))
            signature.stop();
        signature.setReadOutComplete(value & SignatureReadOut);
        return;
    }
    miscBytes[address] = value;
}

QByteArray SimulatedPositioner::Impl::readMisc(const QByteArray& data)
{
    const RequestReader in(data);
    const uint8_t byteAddress = data.size() > 0 ? in.u8(0) : NoByte;
    const uint8_t wordAddress = data.size() > 1 ? in.u8(1) : NoWord;
    const uint8_t longAddress = data.size() > 2 ? in.u8(2) : NoLong;
    const uint8_t byteValue = byteAddress == NoByte ? 0 : miscByte(byteAddress);
    const uint16_t wordValue = wordAddress == NoWord ? 0 : miscWord(wordAddress);
    const uint32_t longValue = longAddress == NoLong ? 0 : miscLong(longAddress);
    // A fault can make the reply name other variables than those asked for.
    const uint8_t shift = faults.take(SimFault::MiscOtherAddress, 200) ? 1 : 0;
    ReplyWriter out;
    out.u8(byteAddress + shift).u8(byteValue).u8(wordAddress + shift).u16(wordValue);
    out.u8(longAddress + shift).u32(longValue);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::writeMisc(const QByteArray& data)
{
    const RequestReader in(data);
    if (data.size() >= 2 && in.u8(0) != NoByte)
        writeMiscByte(in.u8(0), in.u8(1));
    if (data.size() >= 5 && in.u8(2) != NoWord)
        miscWords[in.u8(2)] = in.u16(3);
    if (data.size() >= 10 && in.u8(5) != NoLong)
        miscLongs[in.u8(5)] = in.u32(6);
    return data;
}

// ======================================================================
// Commands

void SimulatedPositioner::Impl::table(uint8_t read, std::initializer_list<uint8_t> writes, const QByteArray& initial)
{
    tables[read] = initial;
    if (!handlers.count(read))
        handlers[read] = [this, read](const QByteArray&) { return tables[read]; };
    for (uint8_t write : writes)
        patch(write, read, { { 0, 0 } });
}

// A write that sets byte spans of a read table: each span maps write data
// offset `first` onto the table from offset `second`, in order. Writes
// answer with what they were sent.
void SimulatedPositioner::Impl::patch(uint8_t write, uint8_t read, std::vector<std::pair<int, int>> spans)
{
    handlers[write] = [this, read, spans](const QByteArray& data) {
        QByteArray& t = tables[read];
        for (size_t i = 0; i < spans.size(); ++i) {
            const int from = spans[i].first;
            const int to = spans[i].second;
            const int end = i + 1 < spans.size() ? spans[i + 1].first : int(data.size());
            for (int k = from; k < end && k < data.size() && to + (k - from) < t.size(); ++k)
                t[to + (k - from)] = data[k];
        }
        return data;
    };
}

void SimulatedPositioner::Impl::installHandlers()
{
    const ValveModelParams& p = valve.params();
    const bool k40 = model == SimModel::K40;
    auto words = [](std::initializer_list<uint16_t> values) {
        ReplyWriter out;
        for (uint16_t v : values)
            out.u16(v);
        return out.data();
    };
    auto floats = [](std::initializer_list<float> values) {
        ReplyWriter out;
        for (float v : values)
            out.f32(v);
        return out.data();
    };
    const uint16_t strokeHundredths = ReplyWriter::hundredths(p.strokeIn);

    handlers[0] = [this](const QByteArray&) { return identity(); };
    handlers[13] = [this](const QByteArray&) { return tagDescriptorDate(); };
    handlers[18] = [this](const QByteArray& data) {
        tag = HartPackedAscii::unpack(data.mid(0, 6));
        descriptor = HartPackedAscii::unpack(data.mid(6, 12));
        for (int i = 0; i < 3 && 18 + i < data.size(); ++i)
            date[size_t(i)] = uint8_t(data[18 + i]);
        return data;
    };
    handlers[48] = [](const QByteArray&) { return QByteArray(14, '\0'); };

    table(166, { 167 }, QByteArray(10, char(0xFF)));
    table(173, {},
        ReplyWriter()
            .u32(0)
            .u32(50000000)
            .u32(100000000)
            .u16(0)
            .u16(100)
            .u16(strokeHundredths)
            .u32(0)
            .u32(500000)
            .u32(1000000)
            .u16(0)
            .u16(100)
            .data());
    handlers[173] = [this](const QByteArray&) { return travelCycle(); };
    handlers[174] = [this](const QByteArray& data) {
        const RequestReader in(data);
        QByteArray& t = tables[173];
        const QByteArray copy = data.leftJustified(30, '\0');
        t.replace(0, 12, copy.mid(0, 12));
        t.replace(14, 4, copy.mid(12, 4));
        t.replace(18, 12, copy.mid(16, 12));
        t.replace(32, 2, copy.mid(28, 2));
        travelOffset = double(in.u32(0)) - valve.travelAccumulatedPercent() * 100.0;
        cycleOffset = double(in.u32(16)) - valve.cycles();
        return data;
    };
    table(177, {}, words({ 0, 8000, 9000, 0 }));
    handlers[177] = [this](const QByteArray&) {
        QByteArray t = tables[177];
        t.replace(0, 2, ReplyWriter().u16(ReplyWriter::hundredths(actuationRatioPercent())).data());
        return t;
    };
    patch(178, 177, { { 0, 2 } });
    table(179, {},
        ReplyWriter().u32(0).u32(1000000).u32(2000000).u16(0).u32(0).u32(50000000).u32(100000000).u16(0).data());
    handlers[179] = [this](const QByteArray&) { return spool(); };
    handlers[180] = [this](const QByteArray& data) {
        QByteArray& t = tables[179];
        const QByteArray copy = data.leftJustified(17, '\0');
        t.replace(4, 8, copy.mid(0, 8));
        t.replace(18, 8, copy.mid(8, 8));
        if (copy[16] == 1)
            spoolCycleOffset = -double(valve.spoolCycles());
        else if (copy[16] == 2)
            spoolTravelOffset = -valve.spoolTravelPercent() * 100.0;
        return spool();
    };
    table(187, {}, words({ 0, 600, 1000, 0 }));
    handlers[187] = [this](const QByteArray&) {
        QByteArray t = tables[187];
        t.replace(0, 2, ReplyWriter().u16(uint16_t(std::lround(relayResponseMs()))).data());
        return t;
    };
    patch(188, 187, { { 0, 2 } });
    auto stickReply = handlers[187];
    auto stickWrite = handlers[188];
    handlers[188] = [stickReply, stickWrite](const QByteArray& data) {
        stickWrite(data);
        return stickReply(data);
    };
    table(189, {}, words({ 12, 500, 1000, 0 }));
    patch(190, 189, { { 0, 2 } });
    handlers[194] = [this](const QByteArray&) {
        auto share
            = [](double value, double limit) { return limit > 0 ? std::min(value / limit, 1.0) * 10000.0 : 0.0; };
        const auto on = lastActive;
        const bool valveAlarm = on.test(FrictionHighAlarm) || on.test(FrictionLowAlarm);
        const bool positionerAlarm = on.test(PilotRelayAlarm);
        const bool controlAlarm = on.test(PositionDeviationAlarm);
        ReplyWriter out;
        out.u16(valveAlarm ? 10000 : uint16_t(share(frictionLbf(), tableWord(197, 3))));
        out.u16(uint16_t(share(actuationRatioPercent() * 100.0, tableWord(177, 2))));
        out.u16(positionerAlarm ? 10000 : uint16_t(share(relayResponseMs(), tableWord(187, 2))));
        out.u16(controlAlarm ? 10000
                             : uint16_t(share(std::abs(valve.positionPercent() - valve.commandPercent()) * 100.0,
                                 tableWord(218, 2))));
        return out.data();
    };
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
    handlers[196] = [this](const QByteArray& data) {
        const RequestReader in(data);
        for (int i = 0; i < 3; ++i)
            setTableWord(195, 8 + 2 * i, ReplyWriter::hundredths(in.u16(2 * i) / 10000.0 * fullScalePsi));
        return data;
    };
    table(197, {},
        words({ 0, 0, uint16_t(k40 ? 120 : 400), uint16_t(k40 ? 150 : 500), uint16_t(k40 ? 30 : 100),
            uint16_t(k40 ? 15 : 50), 0, 0 }));
    handlers[197] = [this](const QByteArray&) { return friction(); };
    patch(198, 197, { { 0, 4 } });
    handlers[200] = [this](const QByteArray& data) { return readMisc(data); };
    handlers[201] = [this](const QByteArray& data) { return writeMisc(data); };
    handlers[202] = [this](const QByteArray&) { return status(); };
    handlers[203] = [this](const QByteArray& data) {
        const RequestReader in(data);
        controlMode = in.u8(0);
        digitalCommand = int16_t(in.u16(1));
        evaluateStatuses();
        return status();
    };
    handlers[204] = [this](const QByteArray&) { return pressures(); };
    ReplyWriter points;
    for (int i = 0; i <= 20; ++i)
        points.u16(uint16_t(i * 500));
    table(212, { 213 }, points.data().left(20));
    table(244, { 245 }, points.data().mid(20));
    table(218, { 219 }, words({ 10100, 0, 500, 100 }));
    table(220, { 221 }, QByteArray("\x39\x20\x06", 3));
    handlers[224] = [this](const QByteArray&) { return calibration224(); };
    handlers[225] = [this](const QByteArray& data) {
        calibration.write(RequestReader(data).u8(0), data.mid(1, 14), lastMs);
        return calibration224();
    };
    handlers[226] = [this](const QByteArray&) { return loopCalibration(); };
    handlers[227] = [this](const QByteArray& data) {
        writeLoopCalibration(data);
        return data;
    };
    handlers[228] = [this](const QByteArray&) { return errorHistory(); };
    handlers[229] = [this](const QByteArray& data) {
        historyByte = RequestReader(data).u8(0);
        if (historyByte == 0)
            history.clear();
        return errorHistory();
    };
    table(230, { 231 }, ReplyWriter().u8(1).u8(0).u8(10).u8(1).u16(uint16_t(std::lround(p.areaIn2 * 10))).data());
    table(234, { 235 }, QByteArray::fromHex("00020001000000000100000000") + QByteArray("GLOBE     "));
    table(236, { 237 }, floats({ 2.0f, 1.5f, 0.0f, 0.0f, 0.0f }));
    table(240, {}, floats({ 100.0f, 0.0f, 0.0f, 0.0f }));
    QByteArray config(22, '\0');
    config[10] = 4; // linear
    config[15] = 1; // fails closed
    table(246, { 247 }, config);
    handlers[233] = [this](const QByteArray& data) { return startSignature(data); };
    handlers[252] = [this](const QByteArray&) { return signature.nextBlock(); };
    handlers[253] = [this](const QByteArray&) { return signatureSettings(); };
    handlers[175] = [this](const QByteArray&) { return partialStrokeInfo(); };
    handlers[181] = [this](const QByteArray&) {
        TrendBaseline b;
        b.commandPercent = valve.commandPercent();
        b.positionPercent = valve.positionPercent();
        b.frictionLbf = frictionLbf();
        b.supplyPercent = portPercent(supplyPsi());
        b.temperatureC = temperatureC();
        return trends.nextRow(b);
    };
    handlers[182]
        = [this](const QByteArray& data) { return ReplyWriter().u8(trends.write(RequestReader(data).u8(0))).data(); };
    handlers[184] = [this](const QByteArray&) { return ReplyWriter().u8(trends.state()).data(); };

    miscBytes = { { ConfigByte, p.doubleActing ? 0x00 : 0x20 }, { 0x37, 0x00 }, { 0x38, 0x00 }, { BoardsByte, 0x01 } };
    miscWords = { { 0x01, 2000 }, { 0x11, 5000 }, { 0x50, 2000 }, { 0x51, 30000 }, { 0x55, 6400 }, { 0x56, 32000 },
        { 0x57, 0 }, { 0x5F, 3000 }, { 0x60, 29000 }, { 0x61, 26000 }, { 0x64, 3000 }, { 0x65, 29000 }, { 0x66, 26000 },
        { 0x74, strokeHundredths }, { 0x8E, 0 }, { 0x8F, 0 } };
    miscLongs
        = { { 0x63, uint32_t(std::lround(p.supplyPsi * 100)) }, { 0x69, uint32_t(std::lround(fullScalePsi * 100)) } };
}

QByteArray SimulatedPositioner::Impl::reply(uint8_t command, const QByteArray& data)
{
    uint8_t responseCode = 0;
    QByteArray body;
    auto script = scripted.find(command);
    if (script != scripted.end()) {
        const QByteArray whole = script->second.reply;
        if (script->second.times > 0 && --script->second.times == 0)
            scripted.erase(script);
        return whole;
    }
    auto handler = handlers.find(command);
    if (handler == handlers.end())
        responseCode = CommandNotImplemented;
    else
        body = handler->second(data);
    QByteArray out;
    out.append(char(command));
    out.append(char(uint8_t(std::min<qsizetype>(body.size() + 2, 255))));
    out.append(char(responseCode));
    out.append('\0'); // device status: the program never looks at it
    out.append(body.left(253));
    int length = 0;
    if (faults.take(SimFault::WrongEcho, command))
        out[0] = char(uint8_t(command + 1));
    if (faults.take(SimFault::ShortReply, command, &length))
        out.truncate(std::max(length > 0 ? length : 5, 4));
    return out;
}

QByteArray SimulatedPositioner::Impl::identity() const
{
    ReplyWriter out;
    out.u8(254).u8(manufacturerId).u8(uint8_t(model)).u8(5).u8(5).u8(1).u8(3).u8(0x08).u8(0);
    out.u8(uint8_t(deviceId >> 16)).u8(uint8_t(deviceId >> 8)).u8(uint8_t(deviceId));
    return out.data();
}

QByteArray SimulatedPositioner::Impl::tagDescriptorDate() const
{
    ReplyWriter out;
    out.bytes(HartPackedAscii::pack(tag, 8)).bytes(HartPackedAscii::pack(descriptor, 16));
    out.u8(date[0]).u8(date[1]).u8(date[2]);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::status()
{
    const bool fahrenheit = uint8_t(tables[220].at(1)) == Fahrenheit;
    const double temperature = fahrenheit ? temperatureC() * 9.0 / 5.0 + 32.0 : temperatureC();
    const double analog = std::clamp(analogCommand, 0.0, 100.0);
    ReplyWriter out;
    out.u8(controlMode).u16(uint16_t(digitalCommand)).u16(ReplyWriter::hundredths(valve.commandPercent()));
    out.u16(ReplyWriter::hundredths(analog)).u16(ReplyWriter::hundredths(valve.positionPercent()));
    out.s16(ReplyWriter::signedHundredths(valve.positionPercent() - valve.commandPercent()));
    out.u16(0).f32(float(temperature)).u8(highestPriority());
    return out.data();
}

QByteArray SimulatedPositioner::Impl::pressures()
{
    const double port2 = model == SimModel::K40 ? supplyPsi() : valve.port2Psi();
    ReplyWriter out;
    out.u16(ReplyWriter::hundredths(portPercent(valve.port1Psi())));
    out.u16(ReplyWriter::hundredths(portPercent(port2)));
    out.u32(supplyShare());
    return out.data();
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

QByteArray SimulatedPositioner::Impl::spool()
{
    QByteArray t = tables[179];
    const double cycles = std::max(spoolCycleOffset + valve.spoolCycles(), 0.0);
    const double travel = std::max(spoolTravelOffset + valve.spoolTravelPercent() * 100.0, 0.0);
    t.replace(0, 4, ReplyWriter().u32(uint32_t(std::min(cycles, 4.0e9))).data());
    t.replace(14, 4, ReplyWriter().u32(uint32_t(std::min(travel, 4.0e9))).data());
    return t;
}

QByteArray SimulatedPositioner::Impl::supply()
{
    // The supply and its limits go out as the pressures of 204 do, in
    // hundredths of a percent of the full scale; only the nominal supply is in
    // hundredths of the display unit.
    const double unit = pressureUnitPerPsi();
    ReplyWriter out;
    out.u32(supplyShare());
    out.u32(uint32_t(std::max(std::lround(fullScalePsi * unit * 100.0), 0L)));
    for (int i = 4; i <= 6; ++i)
        out.u16(ReplyWriter::hundredths(portPercent(tableWord(195, i) / 100.0)));
    out.u16(0).u16(0);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::friction()
{
    QByteArray t = tables[197];
    t.replace(0, 2, ReplyWriter().u16(uint16_t(std::lround(frictionLbf()))).data());
    return t;
}

QByteArray SimulatedPositioner::Impl::errorHistory()
{
    ReplyWriter out;
    for (uint8_t b : bitmap())
        out.u8(b);
    out.u8(historyByte).u8(uint8_t(history.size()));
    for (size_t k = 0; k < 8; ++k)
        out.u8(k < history.size() ? history[k] : NoActiveStatus);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::startSignature(const QByteArray& data)
{
    const RequestReader in(data);
    SignatureSettings settings;
    settings.type = in.u8(0);
    settings.mode = in.u8(1);
    for (int i = 0; i < 4; ++i)
        settings.values[size_t(i)] = in.f32(2 + 4 * i);
    settings.timeToTarget = in.u16(18);
    if (settings.type == 0)
        signature.stop();
    else
        signature.start(settings, lastMs, valve.positionPercent());
    evaluateStatuses();
    return ReplyWriter().u8(settings.type).bytes(data.mid(1)).data();
}

QByteArray SimulatedPositioner::Impl::signatureSettings() const
{
    const SignatureSettings& s = signature.settings();
    ReplyWriter out;
    out.u8(s.type).u8(s.mode);
    for (float v : s.values)
        out.f32(v);
    out.u16(s.timeToTarget);
    return out.data();
}

QByteArray SimulatedPositioner::Impl::partialStrokeInfo() const
{
    return ReplyWriter()
        .u16(signature.breakAwayTime())
        .u16(signature.breakAwayPressure())
        .u16(signature.timeToTarget())
        .u8(signature.result())
        .data();
}

QByteArray SimulatedPositioner::Impl::calibration224()
{
    return ReplyWriter().u8(calibration.state(lastMs)).text(calibration.text(), 14).data();
}

QByteArray SimulatedPositioner::Impl::loopCalibration() const
{
    return ReplyWriter().u8(loopState).text(loopText, 14).data();
}

void SimulatedPositioner::Impl::writeLoopCalibration(const QByteArray& data)
{
    const uint8_t code = RequestReader(data).u8(0);
    switch (code) {
    case 3:
        loopState = 11; // waiting for 4 mA
        break;
    case 8:
        loopState = 3; // reference set
        break;
    case 14:
        loopText = data.mid(1, 14);
        loopState = 0;
        break;
    case 51:
        loopState = 0;
        break;
    default:
        loopState = code;
        break;
    }
}

// The record keeps the program's bytes as it wrote them ([command] for a
// read). A program left polling for days must not grow it without end: past
// the limit the older half goes.
void SimulatedPositioner::Impl::record(uint8_t command, const QByteArray& data, const QByteArray& reply)
{
    QByteArray bytes(1, char(command));
    if (!data.isEmpty())
        bytes.append(char(uint8_t(data.size()))).append(data);
    requests.push_back({ lastMs, command, bytes, reply });
    if (requests.size() > MaxRecordedRequests)
        requests.erase(requests.begin(), requests.begin() + MaxRecordedRequests / 2);
}

// ======================================================================
// The device as the server and the tests see it

SimulatedPositioner::SimulatedPositioner(SimModel model, const QString& path)
    : d(std::make_unique<Impl>(model, path))
{
}

SimulatedPositioner::~SimulatedPositioner() = default;

SimModel SimulatedPositioner::model() const
{
    return d->model;
}

const QString& SimulatedPositioner::path() const
{
    return d->path;
}

uint8_t SimulatedPositioner::manufacturerId() const
{
    return d->manufacturerId;
}

uint32_t SimulatedPositioner::deviceId() const
{
    return d->deviceId;
}

uint8_t SimulatedPositioner::pollAddress() const
{
    return d->pollAddress;
}

HartAddress SimulatedPositioner::longAddress() const
{
    return HartAddress::fromIdentity(d->manufacturerId, deviceType(), d->deviceId);
}

QByteArray SimulatedPositioner::respondToFrame(const QByteArray& requestFrame)
{
    const auto decoded = HartFrameCodec::decode(requestFrame);
    if (!decoded.ok() || decoded.frame.kind != HartFrame::Kind::Request)
        return {};
    const HartFrame& request = decoded.frame;
    const HartAddress expected = request.address.isLong ? longAddress() : HartAddress::shortAddress(d->pollAddress);
    if (!(request.address == expected))
        return {};
    const bool silent = d->faults.silent() || d->faults.take(SimFault::NoResponse, request.command);
    const QByteArray reply = silent ? QByteArray() : respond(request.command, request.data);
    if (silent) {
        d->advanceToNow();
        d->record(request.command, request.data, {});
    }
    if (reply.size() < 4)
        return {};
    HartFrame response;
    response.kind = HartFrame::Kind::Response;
    response.address = request.address;
    response.primaryMaster = request.primaryMaster;
    response.command = uint8_t(reply.at(0));
    response.data = reply.mid(2);
    QByteArray frame = HartFrameCodec::encode(response);
    if (d->faults.take(SimFault::CorruptChecksum, request.command))
        frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x01);
    return frame;
}

QByteArray SimulatedPositioner::respond(uint8_t command, const QByteArray& data)
{
    d->advanceToNow();
    const QByteArray reply = d->reply(command, data);
    d->record(command, data, reply);
    return reply;
}

void SimulatedPositioner::advanceToNow()
{
    d->advanceToNow();
}

ValveModelParams SimulatedPositioner::physics() const
{
    return d->valve.params();
}

void SimulatedPositioner::setPhysics(const ValveModelParams& params)
{
    d->advanceToNow();
    d->valve.setParams(params);
    if (d->model == SimModel::K90)
        d->miscBytes[ConfigByte] = uint8_t((d->miscBytes[ConfigByte] & ~0x20) | (params.doubleActing ? 0 : 0x20));
}

const ValveModel& SimulatedPositioner::valve()
{
    d->advanceToNow();
    return d->valve;
}

void SimulatedPositioner::setAnalogCommand(double percent)
{
    d->advanceToNow();
    d->analogCommand = percent;
}

void SimulatedPositioner::setSupplyPsi(double psi)
{
    d->advanceToNow();
    d->valve.setSupplyPsi(psi);
    d->evaluateStatuses();
}

void SimulatedPositioner::setStatus(int status, bool active)
{
    if (status < 0 || status >= StatusCount)
        return;
    d->advanceToNow();
    d->forced.set(size_t(status), active);
    d->evaluateStatuses();
}

bool SimulatedPositioner::statusActive(int status)
{
    d->advanceToNow();
    return status >= 0 && status < StatusCount && d->lastActive.test(size_t(status));
}

std::array<uint8_t, 10> SimulatedPositioner::statusBitmap()
{
    d->advanceToNow();
    return d->bitmap();
}

uint8_t SimulatedPositioner::highestPriorityStatus()
{
    d->advanceToNow();
    return d->highestPriority();
}

uint8_t SimulatedPositioner::miscByte(uint8_t address)
{
    d->advanceToNow();
    return d->miscByte(address);
}

uint16_t SimulatedPositioner::miscWord(uint8_t address)
{
    d->advanceToNow();
    return d->miscWord(address);
}

uint32_t SimulatedPositioner::miscLong(uint8_t address)
{
    return d->miscLong(address);
}

void SimulatedPositioner::setMiscByte(uint8_t address, uint8_t value)
{
    d->miscBytes[address] = value;
}

void SimulatedPositioner::setMiscWord(uint8_t address, uint16_t value)
{
    d->miscWords[address] = value;
}

void SimulatedPositioner::setMiscLong(uint8_t address, uint32_t value)
{
    d->miscLongs[address] = value;
}

void SimulatedPositioner::setTag(const QByteArray& tag)
{
    d->tag = tag;
}

void SimulatedPositioner::setDescriptor(const QByteArray& descriptor)
{
    d->descriptor = descriptor;
}

const std::vector<SimRequest>& SimulatedPositioner::requests() const
{
    return d->requests;
}

void SimulatedPositioner::clearRequests()
{
    d->requests.clear();
}

std::vector<SimRequest> SimulatedPositioner::requestsFor(uint8_t command) const
{
    std::vector<SimRequest> found;
    std::copy_if(d->requests.begin(), d->requests.end(), std::back_inserter(found),
        [command](const SimRequest& r) { return r.command == command; });
    return found;
}

SimFaults& SimulatedPositioner::faults()
{
    return d->faults;
}

void SimulatedPositioner::scriptReply(uint8_t command, const QByteArray& reply, int times)
{
    if (times != 0)
        d->scripted[command] = { reply, times };
}

void SimulatedPositioner::clearScriptedReplies()
{
    d->scripted.clear();
}

void SimulatedPositioner::holdTrendState(int state)
{
    d->trends.hold(state);
}

void SimulatedPositioner::releaseTrendState()
{
    d->trends.release();
}

void SimulatedPositioner::forceCalibrationState(int state)
{
    d->calibration.force(state);
}

bool SimulatedPositioner::signatureRunning()
{
    d->advanceToNow();
    return d->signature.running();
}

int SimulatedPositioner::signatureBlocksRead() const
{
    return d->signature.blocksRead();
}
