#pragma once

#include "base/cbytes.h"

#include <cstdint>
#include <functional>
#include <list>
#include <string>

namespace Ko {

// One datagram that came back to a broadcast, tagged with the network it arrived on.
struct UDPBroadcasterResult {
    std::string localAddress;
    std::string senderAddress;
    std::string broadcastAddress;
    CBytes data;
};

// Sends probes to the broadcast address of every usable IPv4 network of this machine and hands
// back what answers. Knows nothing of what the probes mean.
// Threads: a task's own thread: every call runs on the calling thread and blocks.
class IUDPBroadcaster {
public:
    virtual ~IUDPBroadcaster() = default;

    // The probe goes out three times 200 ms apart to the mount port; replies in reading order.
    virtual std::list<UDPBroadcasterResult> broadcast(const CBytes& probe) = 0;
    // Sends every probe, asks isDone, delivers what arrived to onResult, and starts over until
    // isDone says so. isDone sets the pace. Empty callbacks are refused: nothing is sent.
    virtual void broadcastUntil(uint16_t port, const std::list<CBytes>& probes,
                                std::function<bool()> isDone,
                                std::function<bool(const UDPBroadcasterResult&)> onResult) = 0;
    // A diagnostic text listing every network interface, its flags and addresses.
    virtual std::string interfaceReport() = 0;
};

} // namespace Ko
