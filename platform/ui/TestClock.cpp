#include "TestClock.h"

#include "TransactionScope.h"

#include <algorithm>

TestClock::TestClock(QDateTime start)
    : m_start(std::move(start))
{
}

void TestClock::arm(const void* owner, int id, int ms, Callback callback)
{
    const int period = std::max(ms, 1); // a zero period must not spin forever
    m_entries[{ owner, id }] = Entry { period, m_now + period, m_nextSequence++, std::move(callback) };
}

void TestClock::kill(const void* owner, int id)
{
    m_entries.erase({ owner, id });
}

void TestClock::killAll(const void* owner)
{
    std::erase_if(m_entries, [owner](const auto& item) { return item.first.first == owner; });
}

bool TestClock::isArmed(const void* owner, int id) const
{
    return m_entries.count({ owner, id }) != 0;
}

QDateTime TestClock::localNow() const
{
    return m_start.addMSecs(m_now);
}

int TestClock::period(const void* owner, int id) const
{
    auto it = m_entries.find({ owner, id });
    return it == m_entries.end() ? -1 : it->second.period;
}

qint64 TestClock::dueIn(const void* owner, int id) const
{
    auto it = m_entries.find({ owner, id });
    return it == m_entries.end() ? -1 : it->second.due - m_now;
}

void TestClock::advance(qint64 ms)
{
    const qint64 target = m_now + std::max<qint64>(ms, 0);
    for (;;) {
        auto next = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->second.due > target)
                continue;
            if (next == m_entries.end() || it->second.due < next->second.due
                || (it->second.due == next->second.due && it->second.sequence < next->second.sequence))
                next = it;
        }
        if (next == m_entries.end())
            break;
        // A timer that fell due while time passed without ticks fires now.
        m_now = std::max(m_now, next->second.due);
        // Schedule the next tick before running the handler, so a handler that
        // kills or re-arms its own timer has the last word.
        next->second.due = m_now + next->second.period;
        next->second.sequence = m_nextSequence++;
        Callback callback = next->second.callback;
        callback();
    }
    // A handler may have let time pass beyond the target; time never goes back.
    m_now = std::max(m_now, target);
}

void TestClock::pass(qint64 ms)
{
    m_now += std::max<qint64>(ms, 0);
}

void TestClock::waitInTransaction(qint64 ms)
{
    TransactionScope transaction;
    TransactionScope::serveWindow();
    pass(ms);
}
