#pragma once

#include "base/nullable.h"
#include "link/iudpbroadcaster.h"

#include <string>
#include <vector>

namespace Ko {

// One network to search: the local IPv4 address to send from and the address to send to.
struct UDPBroadcastEntry {
    std::string localAddress;
    std::string broadcastAddress;
};

// The broadcaster over Qt's UDP sockets. Each call builds its sockets, one per local address,
// and destroys them before it returns; no event loop is needed.
// Threads: a task's own thread: every call blocks.
class QtUDPBroadcaster : public IUDPBroadcaster {
public:
    static constexpr uint16_t kMountPort = 11880;

    // Searches every IPv4 network of this machine that has a broadcast address.
    QtUDPBroadcaster();
    // Searches only the given networks, and broadcast() aims at searchPort instead of the mount
    // port, so that a search can be kept on loopback.
    explicit QtUDPBroadcaster(std::vector<UDPBroadcastEntry> entries,
                              uint16_t searchPort = kMountPort);

    std::list<UDPBroadcasterResult> broadcast(const CBytes& probe) override;
    void broadcastUntil(uint16_t port, const std::list<CBytes>& probes,
                        std::function<bool()> isDone,
                        std::function<bool(const UDPBroadcasterResult&)> onResult) override;
    std::string interfaceReport() override;

    // The local addresses a search would send from, in search order.
    std::vector<std::string> usableAddresses() const;

private:
    std::vector<UDPBroadcastEntry> usableEntries() const;

    const Nullable<std::vector<UDPBroadcastEntry>> m_entries{};
    const uint16_t m_searchPort = kMountPort;
};

} // namespace Ko
