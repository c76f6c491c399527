#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

// The physical constants of one simulated actuator and valve, in US units
// (psi, in², in, lbf, s). Defaults per model in one place: k90() and k40().
struct ValveModelParams {
    bool doubleActing = false; // false: spring-return, air to open
    double supplyPsi = 60.0;
    double areaIn2 = 100.0; // effective piston/diaphragm area
    double benchLowPsi = 6.0; // pressure at which the valve starts to open
    double benchHighPsi = 30.0; // pressure at which it reaches full stroke
    double strokeIn = 1.5;
    double staticFrictionLbf = 300.0;
    double dynamicFrictionLbf = 200.0;
    double stribeckInPerS = 0.02; // friction falls from static to dynamic over about this speed
    double relayLagS = 0.3; // pilot relay first-order lag
    double ipLagS = 0.05; // I/P converter first-order lag
    double movingMassLb = 60.0;
    double dampingRatio = 2.0; // viscous damping of the spring-mass, as a ratio of critical
    double relayFlowPerS = 4.0; // fill/exhaust rate of a fully open relay, per second of the pressure gap
    double deadVolumeIn = 0.1; // chamber volume at the travel stop, as a length of the area
    double positionerGain = 0.02; // spool opening per percent of position error
    double positionerRateS = 0.5; // rate feedback: the spool closes as the stem speeds up
    double deadbandPercent = 0.2; // the positioner holds still inside this band
    // Once the stem has been driven across the command, it is driven back only
    // for an error beyond this band (see ValveModel::drives).
    double reversalBandPercent = 1.5;
    double ambientTempC = 24.0;

    static ValveModelParams k90();
    static ValveModelParams k40();

    // For a spring-return actuator the spring is chosen by the bench set.
    double springRateLbfPerIn() const;
    double springPreloadLbf() const;
};

// A pneumatic actuator and valve behind a positioner, integrated with a fixed
// step. The positioner compares the command with the position and drives the
// I/P and the pilot relay, which fill and exhaust the actuator; the stem moves
// against spring, friction (stick-slip) and travel stops.
class ValveModel
{
public:
    static constexpr double StepS = 0.001;

    explicit ValveModel(const ValveModelParams& params = ValveModelParams::k90());

    const ValveModelParams& params() const { return m_params; }
    // New constants; the model starts again at rest, closed and exhausted.
    void setParams(const ValveModelParams& params);
    // At rest where the positioner holds `percent`, with the pressures that
    // hold the stem there: a device that has long been running under that
    // command (a supply too low to hold it leaves the stem where it can).
    void settleAt(double percent);
    void setSupplyPsi(double psi) { m_params.supplyPsi = psi; }

    // The command the positioner follows, in percent of travel.
    void setCommandPercent(double percent) { m_commandPercent = percent; }
    double commandPercent() const { return m_commandPercent; }
    // The positioner's own routines (its calibration) drive the spool
    // directly instead of following the command: 1 fills port 1 fully, -1
    // exhausts it, 0 holds; nullopt hands the valve back to the command.
    void setSpoolOverride(std::optional<double> opening) { m_spoolOverride = opening; }
    const std::optional<double>& spoolOverride() const { return m_spoolOverride; }

    // Integrates `seconds` of simulated time. At rest (the stem stuck, the
    // positioner holding, the spool centred) nothing changes any more, so the
    // rest of the time passes at once, however it was cut into calls.
    void advance(double seconds);
    bool atRest() const;

    double positionPercent() const;
    double positionIn() const { return m_x; }
    double velocityInPerS() const { return m_v; }
    double port1Psi() const { return m_p1; }
    double port2Psi() const { return m_p2; }
    double relayCommandPercent() const; // the spool command, 0..100 (50 = centred)
    double relayPositionPercent() const;
    bool stuck() const { return m_stuck; }
    // The friction the stem saw on its last move, in lbf.
    double lastFrictionLbf() const { return m_lastFriction; }
    double travelAccumulatedPercent() const { return m_travelAccumulated; }
    // Reversals of the stem, counted as cycles at each turn upward: a stroke
    // down and back up.
    uint32_t cycles() const { return m_cycles; }
    // The stem has reversed only once it is back from its last turning point
    // by more than this, in percent of travel: an overshoot or a stick-slip
    // jump within it is no reversal.
    void setCycleDeadbandPercent(double percent) { m_cycleDeadband = std::max(percent, 0.0); }
    double spoolTravelPercent() const { return m_spoolTravel; }
    uint32_t spoolCycles() const { return m_spoolCycles; }

private:
    void step();
    bool drives(double error) const;
    void stepController();
    void stepPneumatics();
    void stepMechanics();
    void countTravel(double oldX);
    void countReversal(double position);
    double chamberVolume(int port) const;
    void restAt(double x, double p1, double p2);

    ValveModelParams m_params;
    double m_commandPercent = 0.0;
    std::optional<double> m_spoolOverride;
    double m_x = 0.0; // stem position, in
    double m_v = 0.0; // stem velocity, in/s
    double m_p1 = 0.0; // port 1 (opening side), psi gauge
    double m_p2 = 0.0; // port 2 (closing side of a double-acting actuator), psi gauge
    double m_gas1 = 0.0; // air in each chamber: absolute pressure times volume
    double m_gas2 = 0.0;
    double m_ip = 0.0; // I/P output, -1..1
    double m_relay = 0.0; // relay spool, -1..1
    bool m_stuck = true;
    double m_lastFriction = 0.0;
    double m_driveCommand = 0.0; // the command the positioner last drove toward
    int m_driveDirection = 0; // the way it last drove the stem toward it (0: not yet)
    double m_travelAccumulated = 0.0;
    int m_lastDirection = 0; // since the last reversal (0: none yet)
    double m_turningPoint = 0.0; // the stem's farthest point since then, percent
    double m_cycleDeadband = 0.0;
    uint32_t m_cycles = 0;
    double m_spoolTravel = 0.0;
    int m_lastSpoolDirection = 0;
    uint32_t m_spoolCycles = 0;
};
