#pragma once

#include "mount/tasks/imounttask.h"

#include <memory>

namespace Ko {

class IClock;
class IMountAxis;
class ITCCancellable;

// Keeps the cached axis positions no older than kMaxAgeMs: reads when the older one has reached
// that age and otherwise sleeps until it will. Runs until cancelled and then returns Cancel. A
// read that fails is tried again after kRetryMs, so a dead link does not keep a core busy.
// Threads: a task's own thread (run blocks on the mount).
class PeriodicPositionReadTask : public IMountTask {
public:
    // firstAxisOnly: read and watch axis 1 alone.
    PeriodicPositionReadTask(std::shared_ptr<ITCCancellable> cancellable,
                             std::shared_ptr<IClock> clock, std::shared_ptr<IMountAxis> axes,
                             bool firstAxisOnly);

    uint32_t type() const override { return MountTaskTag::PositionRead; }
    std::set<int> resources() const override { return {MountResource::PositionReading}; }
    CmdRetType_::E run() override;

    static constexpr int64_t kMaxAgeMs = 500;
    static constexpr int64_t kRetryMs = 100;

private:
    // Until the older watched reading reaches kMaxAgeMs; may be 0 or negative.
    int64_t msUntilStale() const;

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IMountAxis> m_axes;
    const bool m_firstAxisOnly;
};

} // namespace Ko
