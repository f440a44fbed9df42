#include "link/unixudp.h"

#include "base/log.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace Ko {

UnixUDP::UnixUDP(const std::string& localAddress, const UDPAddress& remote, uint16_t remotePort,
                 uint32_t timeoutMs)
    : m_remotePort(remotePort), m_timeoutMs(timeoutMs), m_parsedRemote(parseIPv4(remote.address)),
      m_parsedLocal(parseIPv4(localAddress)) {
    open();
}

UnixUDP::~UnixUDP() {
    close();
}

Nullable<uint32_t> UnixUDP::parseIPv4(const std::string& text) {
    std::istringstream in(text);
    uint32_t address = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            char dot = 0;
            if (!(in >> dot) || dot != '.')
                return {};
        }
        // Read as a wider signed number so that "-1" or "300" are refused, not wrapped.
        long part = -1;
        if (!(in >> part) || part < 0 || part > 255)
            return {};
        address = (address << 8) | static_cast<uint32_t>(part);
    }
    char trailing = 0;
    if (in >> trailing)
        return {};
    return address;
}

bool UnixUDP::open() {
    if (!m_parsedRemote.hasValue())
        return false;
    const uint32_t local = m_parsedLocal.valueOr(INADDR_ANY);

    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;

    // A zero time-out would mean "wait for ever" to the socket layer and hang the link with its
    // mutex held; the shortest real wait stands in for it.
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(m_timeoutMs / 1000);
    tv.tv_usec = static_cast<suseconds_t>((m_timeoutMs % 1000) * 1000);
    if (m_timeoutMs == 0)
        tv.tv_usec = 1000;
    const int on = 1;
    sockaddr_in bindAddr{};
    bindAddr.sin_family = AF_INET;
    bindAddr.sin_port = 0;
    bindAddr.sin_addr.s_addr = htonl(local);
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0 ||
        ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0 ||
        ::bind(fd, reinterpret_cast<const sockaddr*>(&bindAddr), sizeof bindAddr) != 0) {
        ::close(fd);
        return false;
    }
    m_socket = fd;
    return true;
}

void UnixUDP::close() {
    if (m_socket.hasValue())
        ::close(m_socket.value());
    m_socket.reset();
}

bool UnixUDP::isOpen() {
    return m_socket.hasValue();
}

bool UnixUDP::write(const CBytes& data) {
    const int fd = m_socket.value();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(m_remotePort);
    to.sin_addr.s_addr = htonl(m_parsedRemote.value());
    const ssize_t sent = ::sendto(fd, data.data(), data.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent < 0) {
        Log("UnixUDP::write() error: %s", std::strerror(errno));
        return false;
    }
    return sent > 0;
}

CBytes UnixUDP::read() {
    const int fd = m_socket.value();
    const uint32_t remote = m_parsedRemote.value();
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(std::max<uint32_t>(m_timeoutMs, 1));
    for (;;) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(fd, m_buffer.data(), m_buffer.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0)
            return {};
        // Another host must not answer for the mount. The port is not compared: a module may
        // answer from another port than the one it listens on.
        if (from.sin_family == AF_INET && ntohl(from.sin_addr.s_addr) == remote)
            return n == 0 ? CBytes() : CBytes(m_buffer.begin(), m_buffer.begin() + n);
        // What is left of the time-out, so that a stream of foreign datagrams cannot hold the
        // read for ever.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return {};
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return {};
    }
}

void UnixUDP::drain() {
    const int fd = m_socket.value();
    // Until the queue is empty, not until the first empty datagram: a stray zero-length datagram
    // must not shield the stale replies queued behind it.
    while (::recv(fd, m_buffer.data(), m_buffer.size(), MSG_DONTWAIT) >= 0) {
    }
}

bool UnixUDP::reopen() {
    close();
    return open();
}

} // namespace Ko
