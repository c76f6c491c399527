#pragma once

#include <functional>

class QObject;

// A device transaction in progress, for the lifetime of the object (scopes
// nest; the outermost one counts). Every transaction completes before its
// caller goes on, and none of the program's handlers may run inside one: a
// handler that ran there would send its requests between the caller's, or
// act on a page the caller has half refreshed. The window may still repaint
// while a transaction waits for the device (serveWindow); whatever would have
// run meanwhile (a timer falling due, a focus change reaching a page) is
// handed to runOutside and runs once the event loop turns with no transaction
// in progress, in the order it came.
class TransactionScope
{
public:
    TransactionScope();
    ~TransactionScope();
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    static bool inProgress();

    // Runs `work` at once when no transaction is in progress and nothing is
    // held; otherwise holds it until the event loop turns outside every
    // transaction. Held work whose `context` is destroyed meanwhile is dropped.
    static void runOutside(QObject* context, std::function<void()> work);

    // Serves the window while a transaction waits: posted events (repaints,
    // layouts) and the window system's own events (expose, resize,
    // activation) are processed once; user input, socket notifiers and timers
    // stay queued for the event loop after the transaction.
    static void serveWindow();
};
