#include "mount/tasks/eqtrackingtask.h"

#include "base/cancellable.h"
#include "base/ilocation.h"
#include "base/koassert.h"
#include "link/imountaxis.h"
#include "mount/imountaxisutil.h"
#include "mount/tasks/axisslewtask.h"

#include <utility>

namespace Ko {

EQTrackingTask::EQTrackingTask(std::shared_ptr<ITCCancellable> cancellable,
                               std::shared_ptr<IMountAxis> axes,
                               std::shared_ptr<IMountAxisUtil> axisUtil,
                               std::shared_ptr<ILocation> location, TrackingRate rate)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)),
      m_axisUtil(std::move(axisUtil)), m_location(std::move(location)), m_rate(rate) {
    KO_ASSERT(m_cancellable && m_axes && m_axisUtil && m_location);
}

CmdRetType_::E EQTrackingTask::run() {
    double rate = trackingBaseRate(m_rate);
    // South of the equator the polar axis turns the other way to follow the sky.
    if (m_location->location().latitudeRad < 0)
        rate = -rate;
    const CmdResp<bool> takeUp = m_axisUtil->takeUpBacklashAxis(0, rate);
    if (!takeUp.isOk())
        return takeUp.type;
    // A change of rate stops the axis before it restarts it: a failed attempt may have left the
    // axis at rest, so whoever waits for the rate hears of it once. Whoever waits for the axis to
    // stand (a cancelled GoTo that tracking takes over) hears of it once the axis is seen still,
    // although the restart is still being asked for.
    bool unansweredTold = false;
    bool restTold = false;
    const CmdRetType_::E r = slewAtRateUntilOk(*m_axes, *m_cancellable, 0, rate, kRetryMs, [&] {
        if (m_answered && !std::exchange(unansweredTold, true))
            m_answered(false);
        if (!m_atRest || restTold)
            return;
        const CmdResp<MotorStatus> status = m_axes->readStatus(0);
        if (status.isOk() && status.value().motion == 0) {
            restTold = true;
            m_atRest();
        }
    });
    if (r != CmdRetType_::Ok)
        return r;
    m_axes->assumeRate(0, rate);
    if (m_answered)
        m_answered(true);
    return CmdRetType_::Ok;
}

} // namespace Ko
