#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// What the trend rows are made from: the device's averages around now.
struct TrendBaseline {
    double commandPercent = 50.0;
    double positionPercent = 50.0;
    double frictionLbf = 0.0;
    double supplyPercent = 100.0; // of the pressure full scale
    double temperature = 24.0; // in the device's temperature unit
};

// The device's trend memory: 91 rows (24 hourly, 30 daily, 12 monthly, 25
// yearly averages) read out one row per request in read mode. The state
// handshake: 1 resets to idle (0), 2 enters read mode (1) from the first
// row, 4 clears the memory.
class TrendTable
{
public:
    static constexpr int RowCount = 91;
    static constexpr uint8_t Idle = 0;
    static constexpr uint8_t ReadMode = 1;

    uint8_t state() const { return m_held ? *m_held : m_state; }
    // Applies a state write and gives the new state.
    uint8_t write(uint8_t request);
    // The reply data of one row read: the row index, 6 unused bytes, then
    // command, position, friction, supply and temperature.
    QByteArray nextRow(const TrendBaseline& baseline);

    void hold(int state) { m_held = uint8_t(state); }
    void release() { m_held.reset(); }

private:
    QByteArray row(int index, const TrendBaseline& baseline) const;

    uint8_t m_state = Idle;
    std::optional<uint8_t> m_held;
    int m_next = 0;
    bool m_cleared = false;
};
