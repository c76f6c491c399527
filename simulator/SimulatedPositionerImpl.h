#pragma once

// The inside of a simulated positioner, shared by the files that answer its
// command families (identity, status and Misc, health and limits, signatures,
// trends, calibration). Only the simulator's own sources include it.

#include "CalibrationSequencer.h"
#include "PressureSensors.h"
#include "ReplyWriter.h"
#include "SignatureRecorder.h"
#include "SimulatedPositioner.h"
#include "TrendTable.h"
#include "ui/TimerService.h"

#include <QByteArray>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace SimDevice
{

// Misc addresses that mean "no variable" in each slot.
constexpr uint8_t NoByte = 238;
constexpr uint8_t NoWord = 246;
constexpr uint8_t NoLong = 254;

constexpr uint8_t FirstStatusByte = 0x79;
constexpr uint8_t LastStatusByte = 0x81;
constexpr uint8_t TestStatusByte = 0x92;
constexpr uint8_t ConfigByte = 0x28;
constexpr uint8_t AirToOpenBit = 0x01; // DIP switch bytes 0x37/0x38, bit 0
constexpr uint8_t BoardsByte = 0x82;
// The stroke length word is the one 173/174 carry (word 8 of their table).
constexpr uint8_t StrokeLengthWord = 0x74;
constexpr int StrokeLengthTableWord = 8;
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
    LocalInterfaceDisabled = 14,
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
    LoopRangeSmall = 64,
    Loop100SignalOutOfRange = 65,
    Loop0SignalOutOfRange = 66,
    PressureBoardPresent = 72,
    AoBoardPresent = 73,
    PressureControlActive = 74,
    PotRotationReversed = 75,
};

// Reply data of big-endian words or floats, in order.
inline QByteArray words(std::initializer_list<uint16_t> values)
{
    ReplyWriter out;
    for (uint16_t v : values)
        out.u16(v);
    return out.data();
}

inline QByteArray floats(std::initializer_list<float> values)
{
    ReplyWriter out;
    for (float v : values)
        out.f32(v);
    return out.data();
}

} // namespace SimDevice

struct SimulatedPositioner::Impl {
    using Handler = std::function<QByteArray(const QByteArray& data)>;

    SimModel model;
    QString path;
    uint32_t deviceId;
    uint8_t manufacturerId = 0x26;
    uint8_t pollAddress = 0;
    ValveModel valve;
    double fullScalePsi;
    PressureSensors sensors;
    qint64 lastMs;

    // Command and mode.
    uint8_t controlMode = 0;
    int16_t digitalCommand = 5000;
    // The 4-20 mA loop: the current at the input, in mA. The command the
    // device follows is its converter count mapped through the loop
    // calibration in force (words 0x55 at 0 %, 0x56 at 100 %).
    double loopCurrentMa = 12.0;

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
    // When the Tapset button was last pressed with the local interface
    // disabled; status 14 shows for a short time after it.
    qint64 tapsetRefusedMs = -1;
    static constexpr qint64 TapsetRefusalShownMs = 3000;

    SignatureRecorder signature;
    TrendTable trends;
    CalibrationSequencer calibration;
    uint8_t loopState = 0;
    QByteArray loopText = QByteArray(14, ' ');
    // The points of a loop calibration in progress, as converter counts and
    // their currents, and the loop flags it raised (statuses 64-66).
    double loopZeroMa = 0.0;
    double loopSpanMa = 0.0;
    bool loopZeroSet = false;
    bool loopSpanSet = false;
    bool loopRangeSmall = false;
    bool loop100OutOfRange = false;
    bool loop0OutOfRange = false;

    std::vector<SimRequest> requests;
    std::unique_ptr<SimExchangeHooks> hooks = std::make_unique<SimExchangeHooks>();
    std::map<uint8_t, Handler> handlers;

    Impl(SimModel m, const QString& p);

    // ---- time and physics (PositionerPhysics.cpp)
    qint64 nowMs() const { return TimerService::instance().elapsedMs(); }
    void advanceToNow();
    void runSignature(qint64 untilMs);
    double commandPercent() const;
    double characterized(double percent) const;
    SignatureSample sample() const;

    // ---- values (PositionerPhysics.cpp)
    double portPercent(double psi) const { return fullScalePsi > 0 ? psi / fullScalePsi * 100.0 : 0.0; }
    double supplyPsi() const { return valve.params().supplyPsi; }
    // Port 2 as the device reports it: on the K40 that sensor reads the supply.
    double port2Psi() const { return model == SimModel::K40 ? supplyPsi() : valve.port2Psi(); }
    // The supply as 204 and 195 give it: hundredths of a percent of the full scale.
    uint32_t supplyShare() const
    {
        const double share = portPercent(supplyPsi()) * 100.0;
        return std::isfinite(share) ? uint32_t(std::lround(std::clamp(share, 0.0, 4.0e9))) : 0;
    }
    // What the pressure sensors measure (PressureSensors.h): port 1 or 2's
    // raw count, and the pressure the device makes of it with its calibration.
    double sensorCount(int port) const;
    double measuredPsi(int port) const;
    // The supply as 204 and 195 report it: on the K40 what its supply sensor
    // (port 2) measures, on the K90 the supply itself.
    uint32_t reportedSupplyShare() const;
    double pressureUnitPerPsi() const;
    double temperatureC() const;
    double frictionLbf() const;
    double actuationRatioPercent() const;
    double relayResponseMs() const;
    uint16_t tableWord(uint8_t command, int index) const;
    uint32_t tableLong(uint8_t command, int offset) const;
    void setTableWord(uint8_t command, int offset, uint16_t value);
    void setTableLong(uint8_t command, int offset, uint32_t value);

    // ---- statuses (PositionerStatuses.cpp)
    std::bitset<StatusCount> activeStatuses();
    void setHealthStatuses(std::bitset<StatusCount>& on);
    void trackDeviation();
    void evaluateStatuses();
    std::array<uint8_t, 10> bitmap();
    uint8_t highestPriority();

    // ---- the command table (SimulatedPositioner.cpp)
    void record(uint8_t command, const QByteArray& data, const QByteArray& reply);
    void installHandlers();
    void table(uint8_t read, std::initializer_list<uint8_t> writes, const QByteArray& initial);
    void patch(uint8_t write, uint8_t read, std::vector<std::pair<int, int>> spans);
    QByteArray reply(uint8_t command, const QByteArray& data);

    // ---- identity (IdentityCommands.cpp)
    void installIdentityCommands();
    QByteArray identity() const;
    QByteArray tagDescriptorDate() const;
    QByteArray writeTagDescriptorDate(const QByteArray& data);

    // ---- status and Misc (StatusCommands.cpp)
    void installStatusCommands();
    void installMiscVariables();
    QByteArray status();
    QByteArray writeStatus(const QByteArray& data);
    QByteArray pressures();
    QByteArray errorHistory();
    QByteArray writeErrorHistory(const QByteArray& data);
    uint8_t miscByte(uint8_t address);
    uint16_t miscWord(uint8_t address);
    uint32_t miscLong(uint8_t address);
    void writeMiscByte(uint8_t address, uint8_t value);
    // A long variable; the calibration pressure (0x63) sets the pressure full scale too.
    void setLong(uint8_t address, uint32_t value);
    void writeMiscWord(uint8_t address, uint16_t value);
    QByteArray readMisc(const QByteArray& data);
    QByteArray writeMisc(const QByteArray& data);

    // ---- health and limits (HealthCommands.cpp)
    void installHealthCommands();
    void installLimitCommands();
    QByteArray travelCycle();
    QByteArray writeTravelCycle(const QByteArray& data);
    void applyCycleDeadband();
    QByteArray actuationRatio();
    QByteArray spool();
    QByteArray writeSpool(const QByteArray& data);
    QByteArray stickValues();
    QByteArray worstCase();
    QByteArray supply();
    QByteArray writeSupplyLimits(const QByteArray& data);
    QByteArray friction();

    // ---- signatures (SignatureCommands.cpp)
    void installSignatureCommands();
    QByteArray startSignature(const QByteArray& data);
    QByteArray signatureSettings() const;
    QByteArray partialStrokeInfo() const;

    // ---- trends (TrendCommands.cpp)
    void installTrendCommands();
    QByteArray trendRow();

    // ---- calibration (CalibrationCommands.cpp)
    void installCalibrationCommands();
    QByteArray calibration224();
    QByteArray writeCalibration(const QByteArray& data);
    // The actuator and stroke calibration run: the valve driven by the
    // routine up to `untilMs`, and its results stored when it completes.
    void runCalibration(qint64 untilMs);
    CalibrationSequencer::Plant calibrationPlant() const;
    void storeCalibration();
    // The position sensor's count now.
    double feedbackCount() const;
    QByteArray loopCalibration() const;
    void writeLoopCalibration(const QByteArray& data);
    // The converter's fixed characteristic: the count of a loop current.
    static double loopCount(double milliamps);
    static double loopCurrentFor(double count);
    // The loop command in percent, through the calibration in force.
    double analogPercent() const;
    void setAnalogPercent(double percent);
};
