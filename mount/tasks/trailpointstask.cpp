#include "mount/tasks/trailpointstask.h"

#include "base/clock.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/ikomcommand.h"
#include "link/imountaxis.h"
#include "mount/imountaxisutil.h"
#include "mount/tasks/trailpointslistmaker.h"

#include <algorithm>
#include <cmath>

namespace Ko {

TrailPointsTask::TrailPointsTask(std::shared_ptr<IClock> clock,
                                 std::shared_ptr<IMountAxisUtil> axisUtil,
                                 std::shared_ptr<IMountAxis> axes,
                                 std::shared_ptr<IKoMCommand> command,
                                 std::shared_ptr<ITrailPointsSender> sender,
                                 std::unique_ptr<TrailPointsListMaker> listMaker,
                                 ITrailPointsSender::Progress progress)
    : m_clock(std::move(clock)), m_axisUtil(std::move(axisUtil)), m_axes(std::move(axes)),
      m_command(std::move(command)), m_sender(std::move(sender)), m_listMaker(std::move(listMaker)),
      m_progress(std::move(progress)) {
    KO_ASSERT(m_clock && m_axisUtil && m_axes && m_command && m_sender && m_listMaker);
}

TrailPointsTask::~TrailPointsTask() = default;

void TrailPointsTask::report(TrailPointsDetailedState_::E state, uint64_t donePoints) const {
    if (m_progress)
        m_progress({state, static_cast<unsigned>(donePoints)});
}

CmdRetType_::E TrailPointsTask::run() {
    const LogIndentScope indent;
    if (const CmdRetType_::E r = m_command->syncMountClock(m_clock).type; r != CmdRetType_::Ok)
        return r;
    const auto& segments = m_listMaker->segments();
    Log("Trail points: %zu points in %zu segments", m_listMaker->param().points.size(),
        segments.size());
    for (const TrailPointsSegment& segment : segments) {
        report(TrailPointsDetailedState_::SlewTo, segment.firstIndex);
        const Start start = slewToReachableStart(segment);
        if (start.result != CmdRetType_::Ok)
            return start.result;
        const uint64_t s = start.index.hasValue() ? start.index.value() : segment.points.size() - 1;
        report(TrailPointsDetailedState_::Waiting, segment.firstIndex + s + 1);
        if (!start.index.hasValue()) {
            Log("Trail points: segment at %llu cannot be reached in time",
                static_cast<unsigned long long>(segment.firstIndex));
            // The path is not followed to its end: whoever waits for the run must not read it as
            // done.
            return CmdRetType_::Other;
        }
        if (const CmdRetType_::E r = m_sender->send(segment, start.index.value(), m_progress);
            r != CmdRetType_::Ok)
            return r;
    }
    return CmdRetType_::Ok;
}

TrailPointsTask::Start TrailPointsTask::slewToReachableStart(const TrailPointsSegment& segment) {
    // A path with points more than 2 s apart tries every point.
    const uint64_t spacing =
        segment.intervalUs == 0
            ? 1
            : std::max<uint64_t>(1, std::llround(kCandidateSpacingSec * 1e6 / segment.intervalUs));
    for (int attempt = 0;; ++attempt) {
        const CmdResp<std::pair<double, double>> read = m_axisUtil->readPositionsRetry();
        if (!read.isOk())
            return {read.type, {}};
        const auto [axis1, axis2] = read.value();
        const int64_t now = m_clock->nowMs();
        Nullable<uint32_t> chosen;
        for (uint64_t j = 0; j < segment.points.size(); j += spacing) {
            const auto& p = segment.points[j];
            const double moveMs = std::max(m_axisUtil->moveTimeoutMs(std::fabs(axis1 - p.first)),
                                           m_axisUtil->moveTimeoutMs(std::fabs(axis2 - p.second)));
            const auto needMs = static_cast<int64_t>(moveMs * (1 + kMarginPerAttempt * attempt));
            if (segment.pointTimeMs(j) - now >= needMs) {
                chosen.set(static_cast<uint32_t>(j));
                break;
            }
        }
        if (!chosen.hasValue())
            return {CmdRetType_::Ok, {}};
        const auto& target = segment.points[chosen.value()];
        for (AXISID axis : {AXISID{0}, AXISID{1}})
            if (const CmdRetType_::E r =
                    m_axes->gotoPosition(axis, axis == 0 ? target.first : target.second);
                r != CmdRetType_::Ok)
                return {r, {}};
        if (const CmdRetType_::E r = m_axisUtil->waitAxesStopped(true); r != CmdRetType_::Ok)
            return {r, {}};
        if (segment.pointTimeMs(chosen.value()) > m_clock->nowMs())
            return {CmdRetType_::Ok, chosen};
        Log("Trail points: arrived late at point %u, attempt %d", chosen.value(), attempt + 1);
    }
}

} // namespace Ko
