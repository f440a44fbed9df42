#include "app/quitonsignal.h"

#include "base/koassert.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace Ko {

namespace {

// A signal handler may only do async-signal-safe work: it writes one byte that the event loop
// picks up through the socket notifier. Non-blocking, so that a burst of signals can never
// block the handler on a full socket.
int g_sockets[2] = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_old[std::size(kSignals)];

void onSignal(int) {
    const char byte = 1;
    const ssize_t n = ::write(g_sockets[0], &byte, 1);
    (void)n;
}

void restoreHandlers() {
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_old[i], nullptr);
}

} // namespace

QuitOnSignal::QuitOnSignal() {
    KO_ASSERT(g_sockets[0] < 0);
    const int rc = ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_sockets);
    KO_ASSERT(rc == 0);

    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::onReadable);

    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &g_old[i]);
        // A signal ignored by whoever started the program stays ignored: a start under nohup
        // outlives the terminal, a background job of a script is not meant for Ctrl+C.
        if (g_old[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &sa, nullptr);
    }
    // Not at the first signal: its quit may be held back by a close that waits for a stop, and
    // the user may choose to stay, after which a signal must ask again rather than kill. Once the
    // loop ends, nothing asks any more, and a second Ctrl+C ends a teardown that hangs.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &restoreHandlers);
}

QuitOnSignal::~QuitOnSignal() {
    restoreHandlers();
    delete m_notifier;
    ::close(g_sockets[0]);
    ::close(g_sockets[1]);
    g_sockets[0] = g_sockets[1] = -1;
}

void QuitOnSignal::onReadable() {
    char bytes[64];
    while (::read(g_sockets[1], bytes, sizeof bytes) > 0) {
    }
    // Before the windows are asked: a start that comes while the close waits for a stop finds
    // the end as a signal's.
    m_endAsked = true;
    // quit(), not exit(): it closes the windows before the loop ends, so the program leaves as it
    // does when the user closes the window (which keeps its place and size for the next start).
    QCoreApplication::quit();
}

} // namespace Ko
