#pragma once

#include "link/wifimodule/iwififactory.h"

namespace Ko {

// Probes the module's command form once over the link (an unanswered probe keeps the newer
// form) and returns a planner whose waits follow the calling thread's cancellation token.
// Threads: a task's own thread (the probe blocks on the link).
class WifiFactory : public IWifiFactory {
public:
    std::shared_ptr<IWMProgrammerPlanner> create(std::shared_ptr<IConverser> converser,
                                                 const std::string& peerAddress) override;
};

} // namespace Ko
