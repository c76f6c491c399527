#include "SignatureRecorder.h"

#include "ReplyWriter.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr double DefaultPhaseS = 10.0;
constexpr double LongestPhaseS = 3600.0;
// The stem has broken away once it moved this far from where it started.
constexpr double BreakAwayPercent = 0.5;
// ... and reached the target once it is this close to it.
constexpr double TargetBandPercent = 1.0;

double phase(double seconds)
{
    return std::isfinite(seconds) && seconds > 0 ? std::min(seconds, LongestPhaseS) : DefaultPhaseS;
}

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

uint16_t hundredthsOfSeconds(qint64 ms)
{
    return uint16_t(std::clamp<qint64>(ms / 10, 0, 0xFFFE));
}

} // namespace

void SignatureRecorder::start(const SignatureSettings& settings, qint64 nowMs, double positionPercent)
{
    m_settings = settings;
    m_running = true;
    m_readOutComplete = false;
    m_startMs = nowMs;
    m_startPosition = positionPercent;
    m_samples.clear();
    m_blocksRead = 0;
    m_breakAwayTime = 0xFFFF;
    m_breakAwayPressure = 0;
    m_timeToTarget = 0xFFFF;
    // A ramp ramps from its first sample for its duration, then holds at its
    // stop for the hold time and one second more; the step and partial stroke
    // tests step to the stop at once and are recorded for their time and one
    // second more.
    const double seconds = settings.type == RampType
        ? phase(settings.values[2]) + std::max(finiteOrZero(settings.values[3]), 0.0) + 1.0
        : phase(settings.values[3]) + 1.0;
    m_durationMs = std::max<qint64>(qint64(std::min(seconds, 3 * LongestPhaseS) * 1000.0), SampleCount);
}

void SignatureRecorder::keepEnds(float start, float stop)
{
    m_settings.values[0] = start;
    m_settings.values[1] = stop;
}

void SignatureRecorder::stop()
{
    if (!m_running)
        return;
    const SignatureSample last = m_samples.empty() ? SignatureSample() : m_samples.back();
    m_samples.resize(SampleCount, last);
    m_running = false;
}

double SignatureRecorder::phaseSeconds() const
{
    return m_settings.type == RampType ? phase(m_settings.values[2]) : phase(m_settings.values[3]);
}

double SignatureRecorder::commandAt(qint64 ms) const
{
    const double stop = finiteOrZero(m_settings.values[1]);
    if (m_settings.type == RampType) {
        const double start = finiteOrZero(m_settings.values[0]);
        const double t = double(ms - m_startMs) / 1000.0;
        const double fraction = std::clamp(t / phaseSeconds(), 0.0, 1.0);
        return start + (stop - start) * fraction;
    }
    return stop;
}

void SignatureRecorder::observe(qint64 ms, double positionPercent, double port1Percent, const SignatureSample& sample)
{
    if (!m_running)
        return;
    const qint64 elapsed = ms - m_startMs;
    if (m_breakAwayTime == 0xFFFF && std::abs(positionPercent - m_startPosition) >= BreakAwayPercent) {
        m_breakAwayTime = hundredthsOfSeconds(elapsed);
        m_breakAwayPressure = ReplyWriter::hundredths(port1Percent);
    }
    if (m_timeToTarget == 0xFFFF && elapsed < qint64(phaseSeconds() * 1000.0)
        && std::abs(positionPercent - finiteOrZero(m_settings.values[1])) <= TargetBandPercent)
        m_timeToTarget = hundredthsOfSeconds(elapsed);
    while (int(m_samples.size()) < SampleCount && elapsed >= qint64(m_samples.size()) * m_durationMs / SampleCount)
        m_samples.push_back(sample);
    if (elapsed >= m_durationMs)
        stop();
}

uint8_t SignatureRecorder::result() const
{
    if (m_timeToTarget == 0xFFFF)
        return 0;
    return m_settings.timeToTarget == 0 || m_timeToTarget <= m_settings.timeToTarget ? 1 : 0;
}

QByteArray SignatureRecorder::nextBlock()
{
    if (m_running || m_samples.empty()) {
        QByteArray data(24, '\0');
        data.append(char(m_running ? BlockRunning : 0));
        return data;
    }
    const int block = std::min(m_blocksRead, BlockCount - 1);
    m_blocksRead = std::min(m_blocksRead + 1, BlockCount);
    const bool last = block == BlockCount - 1;
    if (last)
        m_readOutComplete = true;
    QByteArray data = blockData(block);
    data.append(char(last ? BlockLast : 0));
    return data;
}

QByteArray SignatureRecorder::blockData(int block) const
{
    ReplyWriter out;
    for (int k = 0; k < 2; ++k) {
        const SignatureSample& s = m_samples[size_t(block * 2 + k)];
        out.s16(s.command).s16(s.position).s16(s.relayCommand).s16(s.relayPosition).s16(s.port1).s16(s.port2);
    }
    return out.data();
}
