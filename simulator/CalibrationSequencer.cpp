#include "CalibrationSequencer.h"

#include <cmath>

namespace
{
// The order of each run's states.
constexpr uint8_t ActuatorOrder[] = { 20, 21, 26, 32, 35, 36, 37, 40, 41, 22, 23, 24, 25, 28, 29, 43, 45, 60 };
constexpr uint8_t StrokeOrder[] = { 22, 23, 24, 25, 28, 29, 43, 45 };

constexpr double Fill = 1.0;
constexpr double Exhaust = -1.0;
constexpr double Hold = 0.0;
// Where the stroke phase leaves the valve, and where the friction phase strokes it to.
constexpr double MidTravelPercent = 50.0;
constexpr double FrictionStrokePercent = 60.0;
constexpr double FrictionReturnPercent = 40.0;
// Each way of the friction stroke lasts at least this many steps.
constexpr int FrictionLegSteps = 6;
// The valve has begun to move when it is this far from where it stood.
constexpr double MovedPercent = 1.0;
// Moving, for the routine: faster than this.
constexpr double MovingPercentPerS = 0.1;
// Closed, for the routine: within this of the closed stop.
constexpr double ClosedPercent = 0.5;
// The spool counts as settled within this of centre.
constexpr double SettledSpoolPercent = 0.5;
} // namespace

void CalibrationSequencer::write(uint8_t code, const QByteArray& text, qint64 nowMs)
{
    m_forced.reset();
    if (code == StrokeStart || code == ActuatorStart) {
        m_kind = code == StrokeStart ? Kind::Stroke : Kind::Actuator;
        m_pendingText = text;
        // A new run starts with its flags clear.
        m_flags = 0;
        m_running = Results();
        m_seen.clear();
        m_completed = false;
        enter(code == StrokeStart ? StrokeOrder[0] : ActuatorOrder[0], nowMs);
    } else if (code == Abort) {
        m_kind = Kind::None;
        m_state = 0;
    }
}

void CalibrationSequencer::enter(uint8_t state, qint64 nowMs)
{
    m_state = state;
    m_enteredMs = nowMs;
    m_stillSinceMs = -1;
    m_frictionLeg = 0;
    if (state != 0)
        m_seen.append(char(state));
}

uint8_t CalibrationSequencer::next(uint8_t state) const
{
    const uint8_t* order = m_kind == Kind::Actuator ? ActuatorOrder : StrokeOrder;
    const size_t count = m_kind == Kind::Actuator ? std::size(ActuatorOrder) : std::size(StrokeOrder);
    for (size_t k = 0; k + 1 < count; ++k) {
        if (order[k] == state)
            return order[k + 1];
    }
    return 0;
}

void CalibrationSequencer::finish()
{
    m_results = m_running;
    m_text = m_pendingText;
    m_kind = Kind::None;
    m_state = 0;
    m_completed = true;
}

bool CalibrationSequencer::takeCompleted()
{
    const bool completed = m_completed;
    m_completed = false;
    return completed;
}

CalibrationSequencer::Drive CalibrationSequencer::drive() const
{
    switch (m_state) {
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
        return { Exhaust, std::nullopt };
    case 26:
    case 32:
    case 35:
    case 36:
    case 37:
    case 40:
    case 41:
    case 25:
    case 28:
    case 29:
        return { Fill, std::nullopt };
    case 43:
    case 45:
        return { std::nullopt, MidTravelPercent };
    case 60:
        return { std::nullopt, m_frictionLeg == 0 ? FrictionStrokePercent : FrictionReturnPercent };
    default:
        return { Hold, std::nullopt };
    }
}

bool CalibrationSequencer::observe(const Plant& plant, qint64 nowMs)
{
    if (m_kind == Kind::None)
        return false;
    const qint64 inState = nowMs - m_enteredMs;
    const bool moving = !plant.stuck && std::abs(plant.velocityPercentPerS) > MovingPercentPerS;
    if (moving)
        m_stillSinceMs = -1;
    else if (m_stillSinceMs < 0)
        m_stillSinceMs = nowMs;
    const bool stopped = m_stillSinceMs >= 0 && nowMs - m_stillSinceMs >= StoppedMs;
    const bool stepDone = inState >= StepMs;
    const auto near = [](double value, double target) { return std::abs(value - target) < PressureBandPsi; };
    const auto moveOn = [&] {
        const uint8_t following = next(m_state);
        if (following == 0)
            finish();
        else
            enter(following, nowMs);
    };
    const auto noMotion = [&] {
        m_flags |= NoMotionTimeOut;
        enter(StrokePressureProblem, nowMs);
    };

    switch (m_state) {
    case 20: // port 1 exhausted (and a second port full)
        if ((stepDone && near(plant.port1Psi, 0.0) && (!plant.port2InUse || near(plant.port2Psi, plant.supplyPsi)))
            || inState >= SettleMs)
            moveOn();
        break;
    case 21: // the counts at no pressure
        if (stepDone) {
            m_running.port1Low = plant.port1Count;
            if (plant.port2InUse)
                m_running.port2High = plant.port2Count;
            moveOn();
        }
        break;
    case 26:
        if (stepDone)
            moveOn();
        break;
    case 32: // port 1 filled to the supply
        if ((stepDone && near(plant.port1Psi, plant.supplyPsi) && (!plant.port2InUse || near(plant.port2Psi, 0.0)))
            || inState >= SettleMs)
            moveOn();
        break;
    case 35: // the counts at full pressure
        if (stepDone) {
            m_running.port1High = plant.port1Count;
            if (plant.port2InUse)
                m_running.port2Low = plant.port2Count;
            moveOn();
        }
        break;
    case 36: // the supply sensor's count at the supply
        if (stepDone) {
            if (plant.port2IsSupply)
                m_running.port2High = plant.port2Count;
            moveOn();
        }
        break;
    case 22: // waiting for the valve to start closing: moving down, or closed already
        if ((moving && plant.velocityPercentPerS < 0) || (plant.positionPercent < ClosedPercent && stopped))
            moveOn();
        else if (inState >= NoMotionMs)
            noMotion();
        break;
    case 23: // closing until it stops
        if (stopped) {
            moveOn();
        } else if (inState >= SettleMs) {
            m_flags |= NonSettleTimeOut;
            moveOn();
        }
        break;
    case 24: // the feedback count at the closed end
        if (stepDone) {
            m_running.feedbackLow = plant.feedbackCount;
            m_closedPercent = plant.positionPercent;
            moveOn();
        }
        break;
    case 25: // waiting for the valve to begin opening
        if (plant.positionPercent > m_closedPercent + MovedPercent)
            moveOn();
        else if (inState >= NoMotionMs)
            noMotion();
        break;
    case 28: // opening until it stops; the feedback count at the open end
        if (stopped || inState >= SettleMs) {
            if (!stopped)
                m_flags |= NonSettleTimeOut;
            m_running.feedbackHigh = plant.feedbackCount;
            if (m_running.feedbackHigh - m_running.feedbackLow < SmallestFeedbackRange)
                m_flags |= FeedbackRangeSmall;
            moveOn();
        }
        break;
    case 43: // to mid travel under the position loop
        if ((stepDone && stopped) || inState >= SettleMs)
            moveOn();
        break;
    case 60: // stroked up and back down under the position loop: the friction it meets both ways
        if (m_frictionLeg == 0 && ((inState >= FrictionLegSteps * StepMs && stopped) || inState >= SettleMs)) {
            m_frictionLeg = 1;
            m_stillSinceMs = -1;
        } else if (m_frictionLeg == 1
            && ((inState >= 2 * FrictionLegSteps * StepMs && stopped) || inState >= 2 * SettleMs)) {
            moveOn();
        }
        break;
    case 45: // the spool position that holds the valve still, once the spool has settled
        if ((inState >= 2 * StepMs && stopped && std::abs(plant.relayPositionPercent - 50.0) < SettledSpoolPercent)
            || inState >= SettleMs) {
            if (inState >= SettleMs)
                m_flags |= InnerLoopOffsetTimeOut;
            m_running.innerLoopOffsetPercent = plant.relayPositionPercent;
            moveOn();
        }
        break;
    case StrokePressureProblem: // held until the abort code
        break;
    default: // 29, 37, 40, 41: one step each
        if (stepDone)
            moveOn();
        break;
    }
    return m_kind != Kind::None;
}
