#include "TransactionScope.h"

#include <QCoreApplication>
#include <QPointer>

#include <deque>
#include <utility>

namespace
{
struct HeldWork {
    QPointer<QObject> context;
    std::function<void()> work;
};

int g_depth = 0;
bool g_releasePosted = false;

std::deque<HeldWork>& held()
{
    static std::deque<HeldWork> queue;
    return queue;
}

void release()
{
    // Work held while an earlier piece runs (its own transactions) goes
    // behind the pieces already waiting.
    while (g_depth == 0 && !held().empty()) {
        HeldWork next = std::move(held().front());
        held().pop_front();
        if (next.context)
            next.work();
    }
}

void postRelease()
{
    if (g_releasePosted || held().empty())
        return;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) {
        // Without an event loop nothing can have turned inside the transaction.
        release();
        return;
    }
    g_releasePosted = true;
    // Delivered by the event loop; when that happens inside a later
    // transaction's wait, the end of that transaction posts it again.
    QMetaObject::invokeMethod(
        application,
        [] {
            g_releasePosted = false;
            release();
        },
        Qt::QueuedConnection);
}
} // namespace

TransactionScope::TransactionScope()
{
    ++g_depth;
}

TransactionScope::~TransactionScope()
{
    if (--g_depth == 0)
        postRelease();
}

bool TransactionScope::inProgress()
{
    return g_depth > 0;
}

void TransactionScope::runOutside(QObject* context, std::function<void()> work)
{
    // Behind work still held from an earlier transaction, so that
    // everything runs in the order it came.
    if (g_depth == 0 && held().empty()) {
        work();
        return;
    }
    held().push_back(HeldWork { context, std::move(work) });
    if (g_depth == 0)
        postRelease();
}

void TransactionScope::serveWindow()
{
    if (!QCoreApplication::instance())
        return;
    // Timers stay out as well: the widgets' own ones (a held spin arrow's
    // repeat, a button's auto-repeat) would reach page handlers.
    QCoreApplication::processEvents(
        QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
}
