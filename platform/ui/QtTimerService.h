#pragma once

#include "TimerService.h"

#include <QElapsedTimer>

#include <map>
#include <memory>
#include <set>
#include <utility>

class QTimer;

// The program's timer service: one QTimer per (owner, id). A timer that falls
// due while a transaction is in progress is held and fires once after it.
class QtTimerService : public TimerService
{
public:
    QtTimerService();
    ~QtTimerService() override;

    void arm(const void* owner, int id, int ms, Callback callback) override;
    void kill(const void* owner, int id) override;
    void killAll(const void* owner) override;
    bool isArmed(const void* owner, int id) const override;
    QDateTime localNow() const override;
    qint64 elapsedMs() const override;
    void waitInTransaction(qint64 ms) override;

private:
    using Key = std::pair<const void*, int>;
    void fire(const Key& key, QTimer* timer, const Callback& callback);
    void forget(QTimer* timer);

    std::map<Key, QTimer*> m_timers;
    // Timers whose tick waits for the end of a transaction.
    std::set<const QTimer*> m_held;
    QElapsedTimer m_elapsed;
};
