#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Ko {

// Mounts on a loopback network, for search tests at the process boundary. Every mount has a
// loopback address of its own and all share one port; a listener on the loopback broadcast
// address hands each broadcast probe to every mount, which answers from its own address as a
// mount on a real network would. A mount also answers requests sent to its own address. Nothing
// here sends anywhere but to the loopback sender of a request.
class FakeMountNetwork {
public:
    static constexpr const char* kBroadcastAddress = "127.255.255.255";

    struct Mount {
        std::string address;
        // The answer to every request; none keeps the mount silent. May be empty.
        Nullable<CBytes> reply;
    };
    struct Received {
        // The mount's address, or kBroadcastAddress for a broadcast.
        std::string to;
        std::string from;
        CBytes bytes;
    };

    // Port 0 picks a free one.
    explicit FakeMountNetwork(std::vector<Mount> mounts, uint16_t port = 0);
    ~FakeMountNetwork();
    FakeMountNetwork(const FakeMountNetwork&) = delete;
    FakeMountNetwork& operator=(const FakeMountNetwork&) = delete;

    // False when a socket could not be bound.
    bool isOpen() const { return m_open; }
    uint16_t port() const { return m_port; }

    std::vector<Received> received() const;
    bool waitForReceived(size_t n, int timeoutMs) const;
    // Waits until the mounts have sent at least n replies in all.
    bool waitForReplied(size_t n, int timeoutMs) const;

private:
    struct Socket {
        int fd = -1;
        std::string address;
        Nullable<CBytes> reply;
    };

    void run();
    static int bindUdp(const std::string& address, uint16_t port);

    uint16_t m_port = 0;
    bool m_open = false;
    Socket m_listener;
    std::vector<Socket> m_mounts;
    int m_wakeFd = -1;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cv;
    std::vector<Received> m_received;
    size_t m_replied = 0;
    std::thread m_thread;
};

} // namespace Ko
