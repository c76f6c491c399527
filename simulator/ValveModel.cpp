#include "ValveModel.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr double AtmospherePsi = 14.7;
constexpr double GravityInPerS2 = 386.09;
// A valve that has not come to rest after this long under one command (one
// that hunts with the constants it was given) has the rest of the gap
// skipped, so that one query costs bounded work.
constexpr double LongestIntegratedGapS = 120.0;
// The I/P and relay count as centred below this share of their travel.
constexpr double CentredSpool = 1e-9;

int signOf(double v)
{
    return (v > 0) - (v < 0);
}

} // namespace

ValveModelParams ValveModelParams::k90()
{
    return ValveModelParams();
}

ValveModelParams ValveModelParams::k40()
{
    ValveModelParams p;
    p.supplyPsi = 30.0;
    p.areaIn2 = 50.0;
    p.benchLowPsi = 3.0;
    p.benchHighPsi = 15.0;
    p.strokeIn = 0.75;
    p.staticFrictionLbf = 80.0;
    p.dynamicFrictionLbf = 60.0;
    p.relayLagS = 0.2;
    // The same relay on a small actuator: it fills and exhausts it faster for
    // its volume, so a 10 % step settles as quickly as on the K90.
    p.relayFlowPerS = 6.0;
    p.movingMassLb = 30.0;
    return p;
}

double ValveModelParams::springRateLbfPerIn() const
{
    if (doubleActing || strokeIn <= 0)
        return 0.0;
    return (benchHighPsi - benchLowPsi) * areaIn2 / strokeIn;
}

double ValveModelParams::springPreloadLbf() const
{
    return doubleActing ? 0.0 : benchLowPsi * areaIn2;
}

ValveModel::ValveModel(const ValveModelParams& params)
{
    setParams(params);
}

void ValveModel::setParams(const ValveModelParams& params)
{
    m_params = params;
    restAt(0.0, 0.0, m_params.doubleActing ? m_params.supplyPsi : 0.0);
}

void ValveModel::settleAt(double percent)
{
    const ValveModelParams& p = m_params;
    const double supply = std::max(p.supplyPsi, 0.0);
    double x = std::clamp(percent, 0.0, 100.0) / 100.0 * p.strokeIn;
    m_commandPercent = percent;
    if (p.doubleActing) {
        // No spring: the relay holds both sides alike, or one full at a stop.
        const double p1 = x <= 0.0 ? 0.0 : x >= p.strokeIn ? supply : supply / 2;
        restAt(x, p1, x >= p.strokeIn ? 0.0 : supply - p1);
        return;
    }
    const double spring = p.springRateLbfPerIn();
    if (spring > 0 && p.areaIn2 > 0)
        x = std::clamp(std::min(x, (supply * p.areaIn2 - p.springPreloadLbf()) / spring), 0.0, p.strokeIn);
    // Closed, the positioner exhausts the actuator; elsewhere port 1 balances spring and preload.
    const double p1 = x > 0.0 && p.areaIn2 > 0 ? (p.springPreloadLbf() + spring * x) / p.areaIn2 : 0.0;
    restAt(x, p1, 0.0);
}

void ValveModel::restAt(double x, double p1, double p2)
{
    m_x = std::clamp(x, 0.0, m_params.strokeIn);
    m_v = 0.0;
    m_ip = m_relay = 0.0;
    m_stuck = true;
    m_p1 = p1;
    m_p2 = m_params.doubleActing ? p2 : 0.0;
    m_gas1 = (m_p1 + AtmospherePsi) * chamberVolume(1);
    m_gas2 = (m_p2 + AtmospherePsi) * chamberVolume(2);
    m_driveCommand = m_commandPercent;
    m_driveDirection = 0;
    m_lastDirection = 0;
    m_turningPoint = positionPercent();
}

double ValveModel::chamberVolume(int port) const
{
    const double length = port == 1 ? m_x : m_params.strokeIn - m_x;
    return m_params.areaIn2 * (m_params.deadVolumeIn + std::max(length, 0.0));
}

void ValveModel::advance(double seconds)
{
    if (!(seconds > 0))
        return;
    seconds = std::min(seconds, LongestIntegratedGapS);
    const auto steps = static_cast<long long>(std::llround(seconds / StepS));
    for (long long i = 0; i < steps && !atRest(); ++i)
        step();
}

bool ValveModel::atRest() const
{
    if (m_spoolOverride)
        return m_stuck && *m_spoolOverride == 0.0 && std::abs(m_ip) < CentredSpool && std::abs(m_relay) < CentredSpool;
    const double error = std::clamp(m_commandPercent, -1.0, 101.0) - positionPercent();
    return m_stuck && !drives(error) && std::abs(m_ip) < CentredSpool && std::abs(m_relay) < CentredSpool;
}

// Inside the deadband the spool is centred and the stem holds. Once the
// positioner has driven the stem across its command (a stick-slip jump
// carries it over), driving it back for a small error would only start the
// next jump the other way and the valve would hunt: it reverses only for an
// error beyond the reversal band, or for a new command.
bool ValveModel::drives(double error) const
{
    if (std::abs(error) < m_params.deadbandPercent)
        return false;
    const bool newCommand = m_commandPercent != m_driveCommand;
    const bool reversing = !newCommand && m_driveDirection != 0 && signOf(error) != m_driveDirection;
    return !reversing || std::abs(error) >= m_params.reversalBandPercent;
}

void ValveModel::step()
{
    stepController();
    stepPneumatics();
    stepMechanics();
}

void ValveModel::stepController()
{
    if (m_commandPercent != m_driveCommand) {
        m_driveCommand = m_commandPercent;
        m_driveDirection = 0;
    }
    const double error = std::clamp(m_commandPercent, -1.0, 101.0) - positionPercent();
    const double speedPercent = m_v / m_params.strokeIn * 100.0;
    double target = 0.0;
    // Driving, the spool opens in proportion to the error, less as the stem speeds up.
    if (m_spoolOverride) {
        target = std::clamp(*m_spoolOverride, -1.0, 1.0);
    } else if (drives(error)) {
        target = std::clamp(m_params.positionerGain * (error - m_params.positionerRateS * speedPercent), -1.0, 1.0);
        m_driveDirection = signOf(error);
    }
    m_ip += (target - m_ip) * std::min(StepS / std::max(m_params.ipLagS, StepS), 1.0);
    const double oldRelay = m_relay;
    m_relay += (m_ip - m_relay) * std::min(StepS / std::max(m_params.relayLagS, StepS), 1.0);
    m_spoolTravel += std::abs(m_relay - oldRelay) * 50.0;
    const int direction = signOf(m_relay - oldRelay);
    if (direction != 0 && direction != m_lastSpoolDirection) {
        if (m_lastSpoolDirection != 0 && direction > 0)
            ++m_spoolCycles;
        m_lastSpoolDirection = direction;
    }
}

void ValveModel::stepPneumatics()
{
    const double supplyAbs = std::max(m_params.supplyPsi, 0.0) + AtmospherePsi;
    const double referenceVolume = m_params.areaIn2 * (m_params.deadVolumeIn + m_params.strokeIn / 2);
    auto flow = [&](double gas, double volume, double opening) {
        const double pressureAbs = gas / volume;
        const double gap = opening > 0 ? supplyAbs - pressureAbs : pressureAbs - AtmospherePsi;
        return gas + m_params.relayFlowPerS * opening * std::max(gap, 0.0) * referenceVolume * StepS;
    };
    m_gas1 = flow(m_gas1, chamberVolume(1), m_relay);
    if (m_params.doubleActing)
        m_gas2 = flow(m_gas2, chamberVolume(2), -m_relay);
}

void ValveModel::stepMechanics()
{
    const ValveModelParams& p = m_params;
    m_p1 = std::max(m_gas1 / chamberVolume(1) - AtmospherePsi, 0.0);
    m_p2 = p.doubleActing ? std::max(m_gas2 / chamberVolume(2) - AtmospherePsi, 0.0) : 0.0;
    const double mass = std::max(p.movingMassLb, 1.0) / GravityInPerS2;
    const double spring = p.springRateLbfPerIn();
    const double stiffness = std::max(spring, 1000.0);
    const double damping = 2.0 * p.dampingRatio * std::sqrt(stiffness * mass);
    const double drive = (m_p1 - m_p2) * p.areaIn2 - (spring * m_x + p.springPreloadLbf());

    if (m_stuck) {
        const bool pinnedLow = m_x <= 0.0 && drive < 0;
        const bool pinnedHigh = m_x >= p.strokeIn && drive > 0;
        if (std::abs(drive) <= p.staticFrictionLbf || pinnedLow || pinnedHigh)
            return;
        m_stuck = false;
        m_lastFriction = p.staticFrictionLbf;
        m_v = 0.0;
    }
    const int moving = m_v != 0.0 ? signOf(m_v) : signOf(drive);
    // Friction eases from its static to its dynamic value as the stem speeds up.
    const double weakening = p.stribeckInPerS > 0 ? std::exp(-std::abs(m_v) / p.stribeckInPerS) : 0.0;
    const double friction = (p.dynamicFrictionLbf + (p.staticFrictionLbf - p.dynamicFrictionLbf) * weakening) * moving;
    const double oldV = m_v;
    m_v += (drive - damping * m_v - friction) / mass * StepS;
    const double oldX = m_x;
    if (oldV != 0.0 && signOf(m_v) != signOf(oldV)) {
        m_v = 0.0;
        m_stuck = true;
        m_lastFriction = p.dynamicFrictionLbf;
    }
    m_x += m_v * StepS;
    if (m_x <= 0.0 || m_x >= p.strokeIn) {
        m_x = std::clamp(m_x, 0.0, p.strokeIn);
        m_v = 0.0;
        m_stuck = true;
    }
    countTravel(oldX);
}

void ValveModel::countTravel(double oldX)
{
    const double moved = (m_x - oldX) / m_params.strokeIn * 100.0;
    m_travelAccumulated += std::abs(moved);
    if (moved != 0.0)
        countReversal(positionPercent());
}

void ValveModel::countReversal(double position)
{
    const double fromTurn = position - m_turningPoint;
    if (m_lastDirection != 0 && fromTurn * m_lastDirection >= 0) {
        m_turningPoint = position; // further the same way
        return;
    }
    if (std::abs(fromTurn) <= m_cycleDeadband)
        return;
    if (m_lastDirection != 0 && fromTurn > 0)
        ++m_cycles;
    m_lastDirection = signOf(fromTurn);
    m_turningPoint = position;
}

double ValveModel::positionPercent() const
{
    return m_params.strokeIn > 0 ? m_x / m_params.strokeIn * 100.0 : 0.0;
}

double ValveModel::relayCommandPercent() const
{
    return 50.0 + 50.0 * m_ip;
}

double ValveModel::relayPositionPercent() const
{
    return 50.0 + 50.0 * m_relay;
}
