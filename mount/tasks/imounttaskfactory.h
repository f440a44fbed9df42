#pragma once

#include "astro/coordtype.h"
#include "base/nullable.h"
#include "link/ikodevice.h"
#include "model/mountmode.h"
#include "mount/mounttarget.h"
#include "mount/tasks/itrailpointssender.h"
#include "mount/trackingrate.h"

#include <cstdint>
#include <memory>

namespace Ko {

class IMountTask;

class IBaseMountTaskFactory {
public:
    virtual ~IBaseMountTaskFactory() = default;
};

// Makes every task the mount starts, from the task's own parameters; the factory holds the rest
// (one per connected mount). Each call returns a new task that has not been started.
// Threads: any thread.
class IMountTaskFactory : public IBaseMountTaskFactory {
public:
    virtual std::shared_ptr<IMountTask> createAxisSlewTask(AXISID axis, bool absoluteRate,
                                                           double rate) = 0;
    virtual std::shared_ptr<IMountTask> createAxisStopTask(AXISID axis) = 0;
    virtual std::shared_ptr<IMountTask> createSlewToTask(U_ASTRO_COORD target) = 0;
    // AZ: exactly one of rate and target. EQ: the rate; without one it throws "Read null
    // Nullable".
    virtual std::shared_ptr<IMountTask> createTrackingTask(MountMode_::E mode,
                                                           Nullable<TrackingRate> rate,
                                                           Nullable<MountTarget> target) = 0;
    // Axis 1 homes with no offset, axis 2 with decOffsetRad.
    virtual std::shared_ptr<IMountTask> createAutoHomeTask(double decOffsetRad) = 0;
    virtual std::shared_ptr<IMountTask> createPulseGuideTask(AXISID axis, double rate,
                                                             uint32_t durationMs) = 0;
    // The run starts at the request's own start time, or, with a test-run count-down, at now
    // plus count-down / 1000 ms.
    virtual std::shared_ptr<IMountTask>
    createTrailPointsTask(TrailPointsParam&& param, Nullable<uint32_t> testRunCountDown,
                          ITrailPointsSender::Progress progress) = 0;
};

} // namespace Ko
