#include "QtTimerService.h"

#include <QTimer>

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
    QObject::connect(timer, &QTimer::timeout, timer, [callback = std::move(callback)] { callback(); });
    m_timers[{ owner, id }] = timer;
    timer->start();
}

void QtTimerService::kill(const void* owner, int id)
{
    auto it = m_timers.find({ owner, id });
    if (it == m_timers.end())
        return;
    it->second->stop();
    // The handler being run may be the one killing its own timer.
    it->second->deleteLater();
    m_timers.erase(it);
}

void QtTimerService::killAll(const void* owner)
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == owner) {
            it->second->stop();
            it->second->deleteLater();
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
