#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The settings of a signature test as the start command lays them.
struct SignatureSettings {
    uint8_t type = 0;
    uint8_t mode = 15;
    std::array<float, 4> values {}; // ramp: start %, stop %, duration s, hold s; PST/step: start, stop, -, time s
    uint16_t timeToTarget = 0; // PST: the allowed time to target, hundredths of s
};

// One recorded sample: hundredths of percent (pressures: of the full scale).
struct SignatureSample {
    int16_t command = 0;
    int16_t position = 0;
    int16_t relayCommand = 0;
    int16_t relayPosition = 0;
    int16_t port1 = 0;
    int16_t port2 = 0;
};

// A signature test run by the device: it drives the command along the test's
// profile, records 208 samples over the test and serves them as 104 blocks of
// two samples, in order, from the first block after each start.
class SignatureRecorder
{
public:
    static constexpr int SampleCount = 208;
    static constexpr int BlockCount = SampleCount / 2;
    static constexpr uint8_t RampType = 9;
    static constexpr uint8_t PartialStrokeType = 1;
    static constexpr uint8_t BlockRunning = 0x01;
    static constexpr uint8_t BlockLast = 0x20;

    void start(const SignatureSettings& settings, qint64 nowMs, double positionPercent);
    // Ends a running test; the samples not yet taken repeat the last one.
    void stop();
    // The start and stop a settings read reports from now on: a stop command
    // carries the ramp's own ends back after a reverse ramp swapped them.
    void keepEnds(float start, float stop);

    bool running() const { return m_running; }
    bool readOutComplete() const { return m_readOutComplete; }
    void setReadOutComplete(bool complete) { m_readOutComplete = complete; }
    const SignatureSettings& settings() const { return m_settings; }

    // The command the running test asks for at `ms`.
    double commandAt(qint64 ms) const;
    // One integration step of the running test: tracks the partial stroke
    // results and takes the samples that fall due; ends the test after the last.
    void observe(qint64 ms, double positionPercent, double port1Percent, const SignatureSample& sample);
    // When the running test ends.
    qint64 endMs() const { return m_startMs + m_durationMs; }

    // The next block's data: 12 words and the status byte.
    QByteArray nextBlock();
    int blocksRead() const { return m_blocksRead; }

    // Partial stroke results: break-away time and time to target in
    // hundredths of s (0xFFFF when none), break-away pressure in hundredths
    // of % of the full scale, and 1 for a pass.
    uint16_t breakAwayTime() const { return m_breakAwayTime; }
    uint16_t breakAwayPressure() const { return m_breakAwayPressure; }
    uint16_t timeToTarget() const { return m_timeToTarget; }
    uint8_t result() const;

private:
    double phaseSeconds() const;
    QByteArray blockData(int block) const;

    SignatureSettings m_settings;
    bool m_running = false;
    bool m_readOutComplete = false;
    qint64 m_startMs = 0;
    qint64 m_durationMs = 0;
    double m_startPosition = 0.0;
    std::vector<SignatureSample> m_samples;
    int m_blocksRead = 0;
    uint16_t m_breakAwayTime = 0xFFFF;
    uint16_t m_breakAwayPressure = 0;
    uint16_t m_timeToTarget = 0xFFFF;
};
