#include "CalibrationSequencer.h"

void CalibrationSequencer::write(uint8_t code, const QByteArray& text, qint64 nowMs)
{
    m_forced.reset();
    if (code == StrokeStart || code == ActuatorStart) {
        m_kind = code == StrokeStart ? Kind::Stroke : Kind::Actuator;
        m_startMs = nowMs;
        m_pendingText = text;
    } else if (code == Abort) {
        m_kind = Kind::None;
    }
}

uint8_t CalibrationSequencer::state(qint64 nowMs)
{
    if (m_forced)
        return *m_forced;
    if (m_kind == Kind::None)
        return 0;
    const qint64 step = (nowMs - m_startMs) / StateMs;
    if (step > LastState - FirstState) {
        m_kind = Kind::None;
        m_text = m_pendingText;
        return 0;
    }
    return uint8_t(FirstState + step);
}

CalibrationSequencer::Kind CalibrationSequencer::running(qint64 nowMs)
{
    state(nowMs);
    return m_kind;
}
