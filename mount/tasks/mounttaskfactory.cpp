#include "mount/tasks/mounttaskfactory.h"

#include "base/clock.h"
#include "mount/tasks/autohometask.h"
#include "mount/tasks/axisautohometask.h"
#include "mount/tasks/axisslewtask.h"
#include "mount/tasks/axisstoptask.h"
#include "mount/tasks/aztrackingtask.h"
#include "mount/tasks/eqtrackingtask.h"
#include "mount/tasks/pulseguidetask.h"
#include "mount/tasks/slewtotask.h"
#include "mount/tasks/trailpointslistmaker.h"
#include "mount/tasks/trailpointstask.h"

namespace Ko {

MountTaskFactory::MountTaskFactory(
    std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
    std::shared_ptr<IMountAxisUtil> axisUtil, MountMode_::E mode, std::shared_ptr<IClock> clock,
    std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAlignment> alignment,
    std::shared_ptr<SlewToSettings> slewToSettings,
    std::shared_ptr<SlewToTargetMAContainer> slewToTargets, std::shared_ptr<ILocation> location,
    std::shared_ptr<IKoMCommand> command, std::shared_ptr<ICancellableThreadContext> threadContext,
    std::shared_ptr<IPAE> pae, std::shared_ptr<ITrailPointsSender> trailPointsSender)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)),
      m_axisUtil(std::move(axisUtil)), m_mode(mode), m_clock(std::move(clock)),
      m_astroCalc(std::move(astroCalc)), m_alignment(std::move(alignment)),
      m_slewToSettings(std::move(slewToSettings)), m_slewToTargets(std::move(slewToTargets)),
      m_location(std::move(location)), m_command(std::move(command)),
      m_threadContext(std::move(threadContext)), m_pae(std::move(pae)),
      m_trailPointsSender(std::move(trailPointsSender)) {}

std::shared_ptr<IMountTask> MountTaskFactory::createAxisSlewTask(AXISID axis, bool absoluteRate,
                                                                 double rate) {
    return std::make_shared<AxisSlewTask>(m_cancellable, m_axes, m_axisUtil, axis, rate,
                                          absoluteRate);
}

std::shared_ptr<IMountTask> MountTaskFactory::createAxisStopTask(AXISID axis) {
    return std::make_shared<AxisStopTask>(m_cancellable, m_axes, axis);
}

std::shared_ptr<IMountTask> MountTaskFactory::createSlewToTask(U_ASTRO_COORD target) {
    return std::make_shared<SlewToTask>(m_cancellable, m_clock, m_axes, m_axisUtil, m_astroCalc,
                                        m_alignment, m_slewToSettings, m_slewToTargets, m_pae,
                                        m_mode, target);
}

std::shared_ptr<IMountTask> MountTaskFactory::createTrackingTask(MountMode_::E mode,
                                                                 Nullable<TrackingRate> rate,
                                                                 Nullable<MountTarget> target) {
    if (mode == MountMode_::AZ)
        return std::make_shared<AZTrackingTask>(m_cancellable, m_axes, m_axisUtil, m_location,
                                                m_astroCalc, m_clock, m_alignment, std::move(rate),
                                                std::move(target), m_command);
    return std::make_shared<EQTrackingTask>(m_cancellable, m_axes, m_axisUtil, m_location,
                                            rate.value());
}

std::shared_ptr<IMountTask> MountTaskFactory::createAutoHomeTask(double decOffsetRad) {
    return std::make_shared<AutoHomeTask>(
        m_cancellable, m_threadContext,
        std::make_shared<AxisAutoHomeTask>(m_cancellable, m_axes, m_command, m_alignment, 0, 0.0),
        std::make_shared<AxisAutoHomeTask>(m_cancellable, m_axes, m_command, m_alignment, 1,
                                           decOffsetRad));
}

std::shared_ptr<IMountTask> MountTaskFactory::createPulseGuideTask(AXISID axis, double rate,
                                                                   uint32_t durationMs) {
    return std::make_shared<PulseGuideTask>(m_cancellable, m_axes, m_clock, axis, rate, durationMs);
}

std::shared_ptr<IMountTask>
MountTaskFactory::createTrailPointsTask(TrailPointsParam&& param,
                                        Nullable<uint32_t> testRunCountDown,
                                        ITrailPointsSender::Progress progress) {
    const int64_t runStartMs = testRunCountDown.hasValue()
                                   ? m_clock->nowMs() + testRunCountDown.value() / 1000
                                   : param.startTimeMs;
    auto listMaker = std::make_unique<TrailPointsListMaker>(m_alignment, m_astroCalc,
                                                            std::move(param), runStartMs);
    return std::make_shared<TrailPointsTask>(m_clock, m_axisUtil, m_axes, m_command,
                                             m_trailPointsSender, std::move(listMaker),
                                             std::move(progress));
}

} // namespace Ko
