#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// The device's actuator and stroke calibrations: code 2 (actuator) or 1
// (stroke) starts one; it runs through the states 20..46, one a second, and
// ends at 0, keeping the text written with the start code. Code 0x33 aborts.
class CalibrationSequencer
{
public:
    static constexpr uint8_t StrokeStart = 1;
    static constexpr uint8_t ActuatorStart = 2;
    static constexpr uint8_t Abort = 0x33;
    static constexpr uint8_t FirstState = 20;
    static constexpr uint8_t LastState = 46;
    static constexpr qint64 StateMs = 1000;

    enum class Kind { None, Stroke, Actuator };

    void write(uint8_t code, const QByteArray& text, qint64 nowMs);
    uint8_t state(qint64 nowMs);
    Kind running(qint64 nowMs);
    const QByteArray& text() const { return m_text; }

    // The state reads `state` until the next code (an error state does not end the run).
    void force(int state) { m_forced = uint8_t(state); }

private:
    Kind m_kind = Kind::None;
    qint64 m_startMs = 0;
    QByteArray m_text = QByteArray(14, ' ');
    QByteArray m_pendingText;
    std::optional<uint8_t> m_forced;
};
