#pragma once

#include "TimerService.h"

#include <QElapsedTimer>

#include <map>
#include <memory>
#include <utility>

class QTimer;

// The program's timer service: one QTimer per (owner, id).
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

private:
    using Key = std::pair<const void*, int>;
    std::map<Key, QTimer*> m_timers;
    QElapsedTimer m_elapsed;
};
