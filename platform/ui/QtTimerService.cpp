#include "QtTimerService.h"

#include "TransactionScope.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace
{
// How often a transaction's wait serves the window: well inside a frame a
// user would notice as a stall.
constexpr qint64 ServeWindowEveryMs = 10;
}

QtTimerService::QtTimerService()
{
    m_elapsed.start();
}

QtTimerService::~QtTimerService()
{
    for (auto& [key, timer] : m_timers)
        delete timer;
}

void QtTimerService::arm(const void* owner, int id, int ms, Callback callback)
{
    kill(owner, id);
    auto* timer = new QTimer;
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(ms < 0 ? 0 : ms);
    const Key key { owner, id };
    QObject::connect(timer, &QTimer::timeout, timer,
        [this, key, timer, callback = std::move(callback)] { fire(key, timer, callback); });
    m_timers[key] = timer;
    timer->start();
}

void QtTimerService::fire(const Key& key, QTimer* timer, const Callback& callback)
{
    if (!TransactionScope::inProgress()) {
        callback();
        return;
    }
    // Falling due again before the transaction ends still makes one tick, as
    // for a timer whose event loop was blocked.
    if (!m_held.insert(timer).second)
        return;
    TransactionScope::runOutside(timer, [this, key, timer, callback] {
        m_held.erase(timer);
        // Killed or armed anew meanwhile: the held tick is void.
        auto it = m_timers.find(key);
        if (it != m_timers.end() && it->second == timer)
            callback();
    });
}

void QtTimerService::forget(QTimer* timer)
{
    timer->stop();
    m_held.erase(timer);
    // The handler being run may be the one killing its own timer.
    timer->deleteLater();
}

void QtTimerService::kill(const void* owner, int id)
{
    auto it = m_timers.find({ owner, id });
    if (it == m_timers.end())
        return;
    forget(it->second);
    m_timers.erase(it);
}

void QtTimerService::killAll(const void* owner)
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == owner) {
            forget(it->second);
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

bool QtTimerService::isArmed(const void* owner, int id) const
{
    return m_timers.count({ owner, id }) != 0;
}

QDateTime QtTimerService::localNow() const
{
    return QDateTime::currentDateTime();
}

qint64 QtTimerService::elapsedMs() const
{
    return m_elapsed.elapsed();
}

void QtTimerService::waitInTransaction(qint64 ms)
{
    TransactionScope transaction;
    const QDeadlineTimer deadline(std::max<qint64>(ms, 0), Qt::PreciseTimer);
    for (;;) {
        TransactionScope::serveWindow();
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            break;
        QThread::msleep(static_cast<unsigned long>(std::min(left, ServeWindowEveryMs)));
    }
}
