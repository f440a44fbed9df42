#pragma once

#include <memory>
#include <string>

namespace Ko {

class IConverser;
class IWMProgrammerPlanner;

// Builds the Wi-Fi module's programmer and planner for a freshly connected link.
// Threads: a task's own thread (the probe blocks on the link).
class IWifiFactory {
public:
    virtual ~IWifiFactory() = default;
    // peerAddress: the address through which the app reaches the module; not empty.
    virtual std::shared_ptr<IWMProgrammerPlanner> create(std::shared_ptr<IConverser> converser,
                                                         const std::string& peerAddress) = 0;
};

} // namespace Ko
