#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// The positioner's own actuator and stroke calibrations (224/225). Code 2
// starts the actuator calibration: a pressure phase (the pressure sensors'
// counts with port 1 exhausted and filled), a stroke phase (the valve driven
// closed, then open, the feedback counts at both ends, the inner loop offset
// at mid travel) and a friction phase. Code 1 starts the stroke phase alone.
// Each state is held until the valve has done what the state says, so the
// run takes as long as the valve needs. The run ends at state 0 with the
// results and the text written with the start code; code 0x33 aborts it and
// keeps the text and the results of the last run.
//
// The sequencer only decides: each observation of the valve (`Plant`) may
// move it on, and it says how it wants the valve driven (`drive`). The
// positioner moves the valve and stores the results when the run ends.
class CalibrationSequencer
{
public:
    static constexpr uint8_t StrokeStart = 1;
    static constexpr uint8_t ActuatorStart = 2;
    static constexpr uint8_t Abort = 0x33;
    static constexpr uint8_t FirstState = 20;
    static constexpr uint8_t LastState = 46;
    // A fixed step of the routine (taking a count, detecting, settling) lasts this long.
    static constexpr qint64 StepMs = 500;
    // The valve must stop moving for this long to count as stopped.
    static constexpr qint64 StoppedMs = 300;
    // No motion for this long after the valve is driven: the no-motion time-out.
    static constexpr qint64 NoMotionMs = 15000;
    // A valve that does not settle within this long: the non-settle time-out.
    static constexpr qint64 SettleMs = 30000;
    // A pressure within this of its target counts as reached.
    static constexpr double PressureBandPsi = 0.05;
    // A feedback range below this is too small for the position sensor.
    static constexpr double SmallestFeedbackRange = 4000.0;
    // The error state of a stroke that cannot be made (too little supply).
    static constexpr uint8_t StrokePressureProblem = 97;

    // The stroke calibration flags, statuses 56..61 (error history byte 7).
    enum Flag : uint8_t {
        FeedbackRangeSmall = 0x01,
        ZeroPositionOutOfRange = 0x02,
        FullPositionOutOfRange = 0x04,
        NoMotionTimeOut = 0x08,
        NonSettleTimeOut = 0x10,
        InnerLoopOffsetTimeOut = 0x20,
    };
    static constexpr int FirstFlagStatus = 56;

    enum class Kind { None, Stroke, Actuator };

    // What the routine sees of the valve.
    struct Plant {
        double positionPercent = 0.0;
        double velocityPercentPerS = 0.0;
        bool stuck = true;
        double port1Psi = 0.0;
        double port2Psi = 0.0;
        double supplyPsi = 0.0;
        bool port2IsSupply = false; // the smaller model's second sensor reads the supply
        bool port2InUse = false; // a double-acting actuator on the larger model
        double port1Count = 0.0;
        double port2Count = 0.0;
        double feedbackCount = 0.0;
        double relayPositionPercent = 50.0;
    };

    // How the valve is driven: the spool forced (1 fill, -1 exhaust, 0 hold)
    // or the position loop following a command of the routine's own.
    struct Drive {
        std::optional<double> spool;
        std::optional<double> commandPercent;
    };

    // What a completed run found. Counts are those of the sensors at the
    // moments the routine took them; a pressure count not taken stays empty.
    struct Results {
        double feedbackLow = 0.0;
        double feedbackHigh = 0.0;
        double innerLoopOffsetPercent = 50.0;
        std::optional<double> port1Low, port1High, port2Low, port2High;
    };

    // A calibration code with its text, as 225 carries them.
    void write(uint8_t code, const QByteArray& text, qint64 nowMs);
    // One look at the valve at `nowMs`; the routine moves on when the state's
    // condition is met. True while a run goes on.
    bool observe(const Plant& plant, qint64 nowMs);
    Drive drive() const;

    // The state the device reports (a forced one first).
    uint8_t state() const { return m_forced ? *m_forced : m_state; }
    uint8_t state(qint64) const { return state(); }
    Kind running() const { return m_kind; }
    Kind running(qint64) const { return m_kind; }
    const QByteArray& text() const { return m_text; }
    uint8_t flags() const { return m_flags; }
    const Results& results() const { return m_results; }
    // True once, right after a run ended at state 0 (its results are new).
    bool takeCompleted();
    // The states the run went through, in order (each once, as entered).
    const QByteArray& statesSeen() const { return m_seen; }

    // The state reads `state` until the next code (an error state does not end the run).
    void force(int state) { m_forced = uint8_t(state); }

private:
    void enter(uint8_t state, qint64 nowMs);
    void finish();
    // The state after `state` in this run's order; 0 after the last.
    uint8_t next(uint8_t state) const;

    Kind m_kind = Kind::None;
    uint8_t m_state = 0;
    qint64 m_enteredMs = 0;
    qint64 m_stillSinceMs = -1;
    double m_closedPercent = 0.0;
    int m_frictionLeg = 0; // the friction phase strokes up (0), then back (1)
    uint8_t m_flags = 0;
    bool m_completed = false;
    Results m_results;
    Results m_running;
    QByteArray m_text = QByteArray(14, ' ');
    QByteArray m_pendingText;
    QByteArray m_seen;
    std::optional<uint8_t> m_forced;
};
