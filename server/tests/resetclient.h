#pragma once

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>

#include <cstdint>

namespace Ko {

// A client on 127.0.0.1 that goes with a reset, as a program killed mid-conversation does, at a
// chosen point of its request's reply. Blocking, on a bare descriptor, so that nothing reads or
// closes on its behalf: what it has not read is still unread when it goes.
class ResetClient {
public:
    enum When {
        // Once the request is sent, whatever the server has done with it.
        AtOnce,
        // Once the first byte of the reply has come, which is read and nothing more.
        AfterFirstByte,
        // Once the first byte of the reply has come, none of it read.
        WithReplyUnread,
        // Once the first byte of the reply has come, none of it read, after asking the same
        // again, with an ordinary close: the system resets a connection closed with bytes unread
        // all the same, and the second reply finds the connection gone.
        ClosedWithRepliesUnread,
    };

    // Connects at once, as loopback does whether or not the server takes the connection; a wait
    // for a reply gives up after waitMs.
    explicit ResetClient(uint16_t port, int waitMs = 5000) : m_waitMs(waitMs) {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected =
            m_fd >= 0 && ::connect(m_fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0;
    }
    ~ResetClient() { go(AtOnce); }
    ResetClient(const ResetClient&) = delete;
    ResetClient& operator=(const ResetClient&) = delete;

    bool connected() const { return m_connected; }
    // The client's own port; 0 before it connected.
    uint16_t localPort() const {
        sockaddr_in self{};
        socklen_t length = sizeof self;
        if (m_fd < 0 || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&self), &length) != 0)
            return 0;
        return ntohs(self.sin_port);
    }

    // Without waiting: whether a reply has come (Replied), the server closed the connection
    // without one (Closed), or neither yet (Waiting). Nothing is read.
    enum class Reply { Waiting, Replied, Closed };
    Reply reply() const {
        if (m_fd < 0)
            return Reply::Closed;
        char byte = 0;
        const ssize_t n = ::recv(m_fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        if (n == 1)
            return Reply::Replied;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? Reply::Waiting : Reply::Closed;
    }

    bool send(const QByteArray& bytes) {
        m_sent = bytes;
        return m_fd >= 0 && ::send(m_fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) ==
                                ssize_t(bytes.size());
    }

    // Ends the client's sending; it still reads.
    bool endSending() { return m_fd >= 0 && ::shutdown(m_fd, SHUT_WR) == 0; }

    // Goes at the point when says. Waiting for a reply gives up after the client's wait, or at
    // once when the server closed or refused the connection; the client goes all the same.
    // Whether a reply came before it went.
    bool go(When when) {
        if (m_fd < 0)
            return false;
        bool replied = false;
        if (when != AtOnce) {
            pollfd readable{m_fd, POLLIN, 0};
            char byte = 0;
            replied = ::poll(&readable, 1, m_waitMs) == 1 &&
                      ::recv(m_fd, &byte, 1, when == AfterFirstByte ? 0 : MSG_PEEK) == 1;
        }
        if (when == ClosedWithRepliesUnread) {
            ::send(m_fd, m_sent.constData(), size_t(m_sent.size()), MSG_NOSIGNAL);
        } else {
            const linger now{1, 0};
            ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
        }
        ::close(m_fd);
        m_fd = -1;
        return replied;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
    QByteArray m_sent;
    const int m_waitMs;
};

// count clients that connect to port one after another and reset at once, as a burst of killed
// programs does; false when one could not connect.
inline bool resetBurst(uint16_t port, int count) {
    for (int k = 0; k < count; ++k) {
        ResetClient gone(port);
        if (!gone.connected())
            return false;
        gone.go(ResetClient::AtOnce);
    }
    return true;
}

} // namespace Ko
