#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
constexpr std::array<int, 2> Handled { SIGTERM, SIGINT };

// Written by the signal handler, read by the event loop: [write end, read end].
int g_pipe[2] = { -1, -1 };
struct sigaction g_previous[Handled.size()];

void onTermination(int)
{
    // Only what is safe in a signal handler: one write, errno left as it was.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}
} // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : QObject(parent)
    , m_close(std::move(close))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    // A burst of signals must never block the handler, nor the reading of it the event loop.
    for (int fd : g_pipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_pNotifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { onSignal(); });
    struct sigaction action {
    };
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t k = 0; k < Handled.size(); ++k)
        ::sigaction(Handled[k], &action, &g_previous[k]);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_pNotifier)
        return;
    // The window and the rest of the program are still being torn down after
    // this: a default action now would end the program in the middle of it.
    struct sigaction ignore {
    };
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (size_t k = 0; k < Handled.size(); ++k)
        ::sigaction(Handled[k], m_closing ? &ignore : &g_previous[k], nullptr);
    delete m_pNotifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::onSignal()
{
    char bytes[16];
    while (::read(g_pipe[1], bytes, sizeof bytes) > 0) { }
    // One close: a signal that comes while it runs, or after it, would only
    // run the pages' stops a second time.
    if (m_closing)
        return;
    m_closing = true;
    if (m_close)
        m_close();
}
