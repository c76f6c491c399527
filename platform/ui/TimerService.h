#pragma once

#include <QDateTime>

#include <functional>

// Window timers by id, and the local clock. Every page arms its timers through
// the one installed service: real QTimers in the program, a TestClock in tests
// (simulated time, due timers fired in order, no sleeping).
class TimerService
{
public:
    using Callback = std::function<void()>;

    virtual ~TimerService() = default;

    // Arms timer `id` of `owner` to fire every `ms` until killed; arming an
    // armed id restarts it with the new period and callback.
    virtual void arm(const void* owner, int id, int ms, Callback callback) = 0;
    // Kills it; harmless when it is not armed.
    virtual void kill(const void* owner, int id) = 0;
    virtual void killAll(const void* owner) = 0;
    virtual bool isArmed(const void* owner, int id) const = 0;

    // The local time that file names, report dates and log stamps use.
    virtual QDateTime localNow() const = 0;
    // Milliseconds since the service started, never going back.
    virtual qint64 elapsedMs() const = 0;

    // Keeps the caller for `ms` inside a device transaction, as a blocking
    // exchange with a slow device does: the window is served meanwhile
    // (TransactionScope::serveWindow), and timers that fall due fire after
    // the transaction, once each, in the order they fell due.
    virtual void waitInTransaction(qint64 ms) = 0;

    // The installed service (a QtTimerService until something else is installed).
    static TimerService& instance();
    // Installs a service (not owned); nullptr goes back to the real one.
    static void install(TimerService* service);
};
