#pragma once

#include "mount/tasks/imounttask.h"
#include "mount/trackingrate.h"

#include <memory>
#include <utility>

namespace Ko {

class ILocation;
class IMountAxis;
class IMountAxisUtil;
class ITCCancellable;

// Starts axis 1 of an equatorial mount at the tracking rate (reversed south of the equator),
// taking up backlash first, records the rate and ends. Axis 2 is left alone. While the rate goes
// unanswered, the axis's status is read after each failed try until it reads still (the rate
// command stops the axis before it restarts it), for the rest listener.
// Threads: a task's own thread (run blocks on the mount).
class EQTrackingTask : public IMountTask {
public:
    EQTrackingTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                   std::shared_ptr<IMountAxisUtil> axisUtil, std::shared_ptr<ILocation> location,
                   TrackingRate rate);

    uint32_t type() const override { return MountTaskTag::Tracking; }
    std::set<int> resources() const override { return {MountResource::Axis1}; }
    CmdRetType_::E run() override;

    static constexpr int64_t kRetryMs = 100;

    void setAnswerListener(std::function<void(bool accepted)> listener) override {
        m_answered = std::move(listener);
    }
    void setRestListener(std::function<void()> listener) override {
        m_atRest = std::move(listener);
    }

private:
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const std::shared_ptr<ILocation> m_location;
    const TrackingRate m_rate;
    std::function<void(bool)> m_answered;
    std::function<void()> m_atRest;
};

} // namespace Ko
