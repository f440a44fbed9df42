#pragma once

#include "mount/tasks/imounttaskfactory.h"

namespace Ko {

class IAlignment;
class IAstroCalc;
class IClock;
class ICancellableThreadContext;
class IKoMCommand;
class ILocation;
class IMountAxis;
class IMountAxisUtil;
class IPAE;
class ITCCancellable;
struct SlewToSettings;
class SlewToTargetMAContainer;

// The task factory of one connected mount: its collaborators are fixed at construction and
// shared by every task it makes.
// Threads: any thread.
class MountTaskFactory : public IMountTaskFactory {
public:
    MountTaskFactory(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                     std::shared_ptr<IMountAxisUtil> axisUtil, MountMode_::E mode,
                     std::shared_ptr<IClock> clock, std::shared_ptr<IAstroCalc> astroCalc,
                     std::shared_ptr<IAlignment> alignment,
                     std::shared_ptr<SlewToSettings> slewToSettings,
                     std::shared_ptr<SlewToTargetMAContainer> slewToTargets,
                     std::shared_ptr<ILocation> location, std::shared_ptr<IKoMCommand> command,
                     std::shared_ptr<ICancellableThreadContext> threadContext,
                     std::shared_ptr<IPAE> pae,
                     std::shared_ptr<ITrailPointsSender> trailPointsSender);

    std::shared_ptr<IMountTask> createAxisSlewTask(AXISID axis, bool absoluteRate,
                                                   double rate) override;
    std::shared_ptr<IMountTask> createAxisStopTask(AXISID axis) override;
    std::shared_ptr<IMountTask> createSlewToTask(U_ASTRO_COORD target) override;
    std::shared_ptr<IMountTask> createTrackingTask(MountMode_::E mode, Nullable<TrackingRate> rate,
                                                   Nullable<MountTarget> target) override;
    std::shared_ptr<IMountTask> createAutoHomeTask(double decOffsetRad) override;
    std::shared_ptr<IMountTask> createPulseGuideTask(AXISID axis, double rate,
                                                     uint32_t durationMs) override;
    std::shared_ptr<IMountTask>
    createTrailPointsTask(TrailPointsParam&& param, Nullable<uint32_t> testRunCountDown,
                          ITrailPointsSender::Progress progress) override;

private:
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const MountMode_::E m_mode;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<SlewToSettings> m_slewToSettings;
    const std::shared_ptr<SlewToTargetMAContainer> m_slewToTargets;
    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IKoMCommand> m_command;
    const std::shared_ptr<ICancellableThreadContext> m_threadContext;
    const std::shared_ptr<IPAE> m_pae;
    const std::shared_ptr<ITrailPointsSender> m_trailPointsSender;
};

} // namespace Ko
