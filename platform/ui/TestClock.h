#pragma once

#include "TimerService.h"

#include <map>
#include <utility>

// Simulated time for tests: advance() moves the clock forward and fires every
// timer that falls due, in order of due time (ties in order of arming), so a
// test of minutes of device activity runs in milliseconds and never sleeps.
class TestClock : public TimerService
{
public:
    explicit TestClock(QDateTime start = QDateTime(QDate(2024, 2, 3), QTime(9, 5, 0)));

    void arm(const void* owner, int id, int ms, Callback callback) override;
    void kill(const void* owner, int id) override;
    void killAll(const void* owner) override;
    bool isArmed(const void* owner, int id) const override;
    QDateTime localNow() const override;
    qint64 elapsedMs() const override { return m_now; }
    // Serves the window once, then lets the time pass as pass() does.
    void waitInTransaction(qint64 ms) override;

    // Moves simulated time forward by `ms`, firing due timers on the way.
    void advance(qint64 ms);
    // Moves simulated time forward by `ms` without firing timers, as the time
    // a blocking call keeps the program from its event loop: the timers that
    // fell due meanwhile fire once at the next advance(), then keep their period.
    void pass(qint64 ms);
    // The period of an armed timer, or -1.
    int period(const void* owner, int id) const;
    // Milliseconds until the timer next fires, or -1 when it is not armed.
    qint64 dueIn(const void* owner, int id) const;
    void setLocalStart(const QDateTime& start) { m_start = start; }

private:
    struct Entry {
        int period = 0;
        qint64 due = 0;
        quint64 sequence = 0; // arming order, to break ties
        Callback callback;
    };
    using Key = std::pair<const void*, int>;

    std::map<Key, Entry> m_entries;
    QDateTime m_start;
    qint64 m_now = 0;
    quint64 m_nextSequence = 0;
};
