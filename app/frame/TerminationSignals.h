#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// SIGTERM and SIGINT end the program the way the user's close does: the
// handler only writes a byte to a pipe, and the event loop, reading it, runs
// the given close. Only one instance is live at a time; it puts the previous
// handlers back when it goes, unless the close has begun, by a signal or by
// the window's own close: then the program is on its way out, and every
// further signal is absorbed until it has exited, so it ends as the close
// ends it.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The program has begun to close some other way (the user closed the
    // window): signals from now on change nothing.
    void closeBegun() { m_closing = true; }

private:
    void onSignal();

    std::function<void()> m_close;
    QSocketNotifier* m_pNotifier = nullptr;
    bool m_closing = false;
};
