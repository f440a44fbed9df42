#include "server/peerreset.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace Ko {

bool peerHasReset(qintptr descriptor) {
    if (descriptor < 0)
        return false;
    // The connection's state, unlike its pending error, can be read without clearing anything
    // that the owner's own read would report.
    tcp_info info{};
    socklen_t length = sizeof info;
    if (::getsockopt(int(descriptor), IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return false;
    return info.tcpi_state == TCP_CLOSE;
}

ResetWatch::ResetWatch() : m_fd(::epoll_create1(EPOLL_CLOEXEC)) {}

ResetWatch::~ResetWatch() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void ResetWatch::add(qintptr descriptor) {
    if (m_fd < 0 || descriptor < 0)
        return;
    // No event asked for: the system reports an error (a reset) and a hang-up of both directions
    // always, and a peer's end of sending, or the bytes of a live client, not at all. Edge
    // triggered, so that a connection is told of once per change, not at every question while it
    // waits for its owner to close it. The registration goes when the descriptor is closed.
    epoll_event event{};
    event.events = EPOLLET;
    event.data.fd = int(descriptor);
    if (::epoll_ctl(m_fd, EPOLL_CTL_ADD, int(descriptor), &event) != 0) {
        // A connection left unwatched would never be told of: from now on every question is
        // answered with a possible reset.
        ::close(m_fd);
        m_fd = -1;
    }
}

bool ResetWatch::anyReset() {
    if (m_fd < 0)
        return true;
    // Every connection told of is taken at once, so that none is told of again at a later
    // question.
    constexpr int kBatch = 64;
    epoll_event events[kBatch];
    bool any = false;
    for (;;) {
        const int n = ::epoll_wait(m_fd, events, kBatch, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return true;
        any = any || n > 0;
        if (n < kBatch)
            return any;
    }
}

} // namespace Ko
