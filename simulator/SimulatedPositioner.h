#pragma once

#include "SimHooks.h"
#include "ValveModel.h"
#include "opc/HartFrame.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

enum class SimModel : uint8_t { K90 = 5, K40 = 6 };

// One request as the device received it: [command][byte count][data...] as
// the program wrote it, the simulated time it arrived, and the reply the
// device gave ([command][byte count][response code][device status][data...];
// empty when it gave none).
struct SimRequest {
    qint64 timeMs = 0;
    uint8_t command = 0;
    QByteArray bytes;
    QByteArray reply;
};

// A simulated K90 or K40 positioner: answers every command the program sends,
// keeps what writes set, and moves a physical actuator and valve over
// simulated time (the program's timer-service clock).
class SimulatedPositioner
{
public:
    static constexpr int StatusCount = 80;
    static constexpr uint8_t NoActiveStatus = 255;
    static constexpr uint8_t CommandNotImplemented = 64;
    static constexpr uint8_t DigitalMode = 64;
    // The request record keeps at most this many; past it the older half goes.
    static constexpr size_t MaxRecordedRequests = 100000;

    SimulatedPositioner(SimModel model, const QString& path);
    ~SimulatedPositioner();
    SimulatedPositioner(const SimulatedPositioner&) = delete;
    SimulatedPositioner& operator=(const SimulatedPositioner&) = delete;

    SimModel model() const;
    const QString& path() const;
    uint8_t deviceType() const { return uint8_t(model()); }
    uint8_t manufacturerId() const;
    uint32_t deviceId() const;
    uint8_t pollAddress() const;
    HartAddress longAddress() const;

    // The device side of one exchange: a request frame in, the response frame
    // out; empty when the frame is not for this device or is damaged.
    QByteArray respondToFrame(const QByteArray& requestFrame);
    // Without framing: [command][byte count][data...] in,
    // [command][byte count][response code][device status][data...] out.
    QByteArray respond(uint8_t command, const QByteArray& data);

    // ---- The device's surroundings and what an observer sees -------------
    // What the loop, the supply and the plant do to the device, conditions
    // it raises without a modelled cause, and its state as read from outside.
    // Faults and scripted replies are not here: they go through the
    // exchange hooks, which only the testing target sets.

    // Runs the physics up to the clock's now (every query does it itself).
    void advanceToNow();

    ValveModelParams physics() const;
    // New constants; the valve starts again at rest at its command.
    void setPhysics(const ValveModelParams& params);
    const ValveModel& valve(); // advanced to now
    // The 4-20 mA loop command, in percent (followed in analog mode): sets
    // the loop current that the device's loop calibration maps to `percent`.
    void setAnalogCommand(double percent);
    // The loop current at the input, in mA; the device converts it to its
    // command A/D count (word 0x58) and maps that through its loop calibration.
    void setLoopCurrent(double milliamps);
    double loopCurrent() const;
    void setSupplyPsi(double psi);
    // Shifts the zero of pressure sensor `port` (1, or 2: the supply sensor
    // on the K40) by `counts`: the device reads wrong pressures from it until
    // its calibration words are written anew (PressureSensors.h).
    void setSensorZeroShift(int port, double counts);

    // The local interface (the Tapset button): enabled while configuration
    // byte 0 (246/247) is 0, as a device comes from the factory; the PC
    // disables it by writing the byte nonzero.
    bool localInterfaceEnabled() const;
    // Someone presses the Tapset button: with the local interface enabled a
    // stroke calibration starts; disabled, nothing starts and status 14
    // ("Local Interface Disabled/Enabled") shows for a short time.
    void pressTapsetButton();

    // Statuses a test forces on (beside those the device raises itself).
    void setStatus(int status, bool active);
    bool statusActive(int status);
    std::array<uint8_t, 10> statusBitmap();
    // The number of the highest-priority active status, or 255.
    uint8_t highestPriorityStatus();

    uint8_t miscByte(uint8_t address);
    uint16_t miscWord(uint8_t address);
    uint32_t miscLong(uint8_t address);
    void setMiscByte(uint8_t address, uint8_t value);
    void setMiscWord(uint8_t address, uint16_t value);
    void setMiscLong(uint8_t address, uint32_t value);

    void setTag(const QByteArray& tag);
    void setDescriptor(const QByteArray& descriptor);
    // The travel unit code the device reports (220) until the program writes
    // another (221): 47 inches (as it starts), 49 mm, 57 %, 143 degrees.
    void setTravelUnit(uint8_t code);

    const std::vector<SimRequest>& requests() const;
    void clearRequests();
    // Requests of one command, in order.
    std::vector<SimRequest> requestsFor(uint8_t command) const;

    // Where a test steps into the exchanges (SimTestHooks sets them); without
    // them the device answers as itself.
    SimExchangeHooks& exchangeHooks();
    void setExchangeHooks(std::unique_ptr<SimExchangeHooks> hooks);

    // The trend state stays `state` whatever 182 writes (3: "waiting").
    void holdTrendState(int state);
    void releaseTrendState();
    // The calibration state reads `state` (for example an error state 48)
    // until the next calibration code is written.
    void forceCalibrationState(int state);

    // Signature test state, as 0x92 shows it.
    bool signatureRunning();
    int signatureBlocksRead() const;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};
