#pragma once

#include "base/nullable.h"
#include "link/iudp.h"

#include <array>
#include <cstdint>
#include <string>

namespace Ko {

// The mount's address as the connect helpers find it; the broadcast text travels along but the
// transport only aims at the address.
struct UDPAddress {
    std::string address;
    std::string broadcast;
};

// An IPv4 UDP socket bound locally, aimed at one remote address and port, with a receive time-out
// so that a silent mount costs at most one time-out per read. Not locked: the converser stack
// serialises its use.
// Threads: a task's own thread (a receive blocks up to the time-out).
class UnixUDP : public IUDP {
public:
    UnixUDP(const std::string& localAddress, const UDPAddress& remote, uint16_t remotePort,
            uint32_t timeoutMs);
    ~UnixUDP() override;
    UnixUDP(const UnixUDP&) = delete;
    UnixUDP& operator=(const UnixUDP&) = delete;

    bool isOpen() override;
    bool write(const CBytes& data) override;
    CBytes read() override;
    void drain() override;
    bool reopen() override;

    // Dotted-quad text to a host-order address, first number most significant.
    static Nullable<uint32_t> parseIPv4(const std::string& text);

    static constexpr size_t kMaxDatagram = 1500;

private:
    bool open();
    void close();

    uint16_t m_remotePort;
    uint32_t m_timeoutMs;
    // Parsed once: the texts never change, and a reopen should cost only the socket calls.
    Nullable<uint32_t> m_parsedRemote;
    Nullable<uint32_t> m_parsedLocal;
    // Present while open.
    Nullable<int> m_socket;
    std::array<uint8_t, kMaxDatagram> m_buffer{};
};

} // namespace Ko
