#include "link/tests/fakemountnetwork.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Ko {

namespace {

bool isLoopback(const sockaddr_in& address) {
    return (ntohl(address.sin_addr.s_addr) >> 24) == 127;
}

std::string addressText(const sockaddr_in& peer) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
    return text;
}

} // namespace

int FakeMountNetwork::bindUdp(const std::string& address, uint16_t port) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1 || !isLoopback(local))
        return -1;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

FakeMountNetwork::FakeMountNetwork(std::vector<Mount> mounts, uint16_t port) {
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC);
    m_listener.address = kBroadcastAddress;
    m_listener.fd = bindUdp(kBroadcastAddress, port);
    if (m_wakeFd < 0 || m_listener.fd < 0)
        return;
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    ::getsockname(m_listener.fd, reinterpret_cast<sockaddr*>(&bound), &length);
    m_port = ntohs(bound.sin_port);
    for (auto& mount : mounts) {
        Socket socket{bindUdp(mount.address, m_port), mount.address, std::move(mount.reply)};
        if (socket.fd < 0)
            return;
        m_mounts.push_back(std::move(socket));
    }
    m_open = true;
    m_thread = std::thread([this] { run(); });
}

FakeMountNetwork::~FakeMountNetwork() {
    if (m_thread.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] const auto n = ::write(m_wakeFd, &one, sizeof one);
        m_thread.join();
    }
    for (const auto& mount : m_mounts)
        ::close(mount.fd);
    if (m_listener.fd >= 0)
        ::close(m_listener.fd);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

std::vector<FakeMountNetwork::Received> FakeMountNetwork::received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

bool FakeMountNetwork::waitForReceived(size_t n, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                         [&] { return m_received.size() >= n; });
}

bool FakeMountNetwork::waitForReplied(size_t n, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                         [&] { return m_replied >= n; });
}

void FakeMountNetwork::run() {
    std::vector<pollfd> fds;
    fds.push_back({m_wakeFd, POLLIN, 0});
    fds.push_back({m_listener.fd, POLLIN, 0});
    for (const auto& mount : m_mounts)
        fds.push_back({mount.fd, POLLIN, 0});

    uint8_t buffer[1500];
    for (;;) {
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents)
            return;
        for (size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            const Socket& receiver = i == 1 ? m_listener : m_mounts[i - 2];
            sockaddr_in peer{};
            socklen_t peerLength = sizeof peer;
            const ssize_t n = ::recvfrom(receiver.fd, buffer, sizeof buffer, 0,
                                         reinterpret_cast<sockaddr*>(&peer), &peerLength);
            if (n < 0)
                continue;
            {
                std::lock_guard lock(m_mutex);
                m_received.push_back({receiver.address, addressText(peer),
                                      CBytes::fromData(buffer, static_cast<size_t>(n))});
            }
            m_cv.notify_all();
            if (!isLoopback(peer))
                continue;
            auto answer = [&](const Socket& mount) {
                if (!mount.reply.hasValue())
                    return;
                const CBytes& reply = mount.reply.value();
                ::sendto(mount.fd, reply.data(), reply.size(), 0,
                         reinterpret_cast<const sockaddr*>(&peer), peerLength);
                {
                    std::lock_guard lock(m_mutex);
                    ++m_replied;
                }
                m_cv.notify_all();
            };
            if (i == 1) {
                for (const auto& mount : m_mounts)
                    answer(mount);
            } else {
                answer(receiver);
            }
        }
    }
}

} // namespace Ko
