#include "mount/tasks/slewtotask.h"

#include "astro/iastrocalc.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/imountaxis.h"
#include "model/ialignment.h"
#include "model/ipae.h"
#include "mount/imountaxisutil.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"

#include <cmath>
#include <utility>

namespace Ko {

SlewToTask::SlewToTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IClock> clock,
                       std::shared_ptr<IMountAxis> axes, std::shared_ptr<IMountAxisUtil> axisUtil,
                       std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAlignment> alignment,
                       std::shared_ptr<SlewToSettings> settings,
                       std::shared_ptr<SlewToTargetMAContainer> targetContainer,
                       std::shared_ptr<IPAE> pae, MountMode_::E mode, U_ASTRO_COORD target)
    : m_cancellable(std::move(cancellable)), m_clock(std::move(clock)), m_axes(std::move(axes)),
      m_axisUtil(std::move(axisUtil)), m_astroCalc(std::move(astroCalc)),
      m_alignment(std::move(alignment)), m_settings(std::move(settings)),
      m_targetContainer(std::move(targetContainer)), m_pae(std::move(pae)), m_mode(mode),
      m_target(target) {
    KO_ASSERT(m_cancellable && m_clock && m_axes && m_axisUtil && m_astroCalc && m_alignment &&
              m_settings && m_targetContainer && m_pae);
}

SlewToTask::AnglePair SlewToTask::skyToAxes(AnglePair observedHaDec, AnglePair reference) const {
    return m_alignment->skyToAxes(m_pae->lookup(observedHaDec), reference);
}

SlewToTask::AnglePair SlewToTask::targetAxes(int64_t offsetMs, AnglePair current) const {
    if (m_fixedAxisTarget.hasValue())
        return m_fixedAxisTarget.value();
    const AnglePair& sky = m_skyTargetOfDate.value();
    const U_ASTRO_COORD hd = m_astroCalc->convertAt(
        U_ASTRO_COORD{sky.first, sky.second, CoordType::RDJNow}, CoordType::HDObsv, offsetMs);
    return skyToAxes({hd.a, hd.b}, current);
}

CmdRetType_::E SlewToTask::prepareTarget() {
    switch (m_target.type) {
    case CoordType::RDJ2000:
    case CoordType::RDJNow: {
        const U_ASTRO_COORD ofDate = m_astroCalc->convertNow(m_target, CoordType::RDJNow);
        m_skyTargetOfDate.set({ofDate.a, ofDate.b});
        return CmdRetType_::Ok;
    }
    case CoordType::AZObsv:
    case CoordType::HDObsv: {
        // Fixed on the ground or in hour angle: the axis angles are worked out once.
        const U_ASTRO_COORD hd = m_astroCalc->convertNow(m_target, CoordType::HDObsv);
        const CmdResp<AnglePair> current = m_axisUtil->readPositionsRetry(giveUp());
        if (!current.isOk())
            return current.type;
        m_fixedAxisTarget.set(skyToAxes({hd.a, hd.b}, current.value()));
        return CmdRetType_::Ok;
    }
    case CoordType::MountAxes:
        m_fixedAxisTarget.set({m_target.a, m_target.b});
        return CmdRetType_::Ok;
    default:
        KO_ASSERT(false);
    }
}

Nullable<double> SlewToTask::distanceToTarget(AnglePair axes) const {
    if (!m_fixedAxisTarget.hasValue() && !m_skyTargetOfDate.hasValue())
        return {};
    const AnglePair target = targetAxes(0, axes);
    return std::fabs(target.first - axes.first) + std::fabs(target.second - axes.second);
}

void SlewToTask::noteProgress() {
    m_progressMs = m_clock->nowMs();
    m_progressAxes = {m_axes->lastPosition(0).angle, m_axes->lastPosition(1).angle};
    m_progressDistance = distanceToTarget(m_progressAxes);
}

bool SlewToTask::moved() {
    // The cached angles follow every read, the mount's periodic ones as well as the GoTo's own.
    const AnglePair now{m_axes->lastPosition(0).angle, m_axes->lastPosition(1).angle};
    const double tolerance = m_settings->toleranceRad.load();
    const Nullable<double> distance = distanceToTarget(now);
    if (!distance.hasValue())
        return std::fabs(now.first - m_progressAxes.first) > tolerance ||
               std::fabs(now.second - m_progressAxes.second) > tolerance;
    if (!m_progressDistance.hasValue()) {
        // The target is known only now: progress is measured from here.
        m_progressDistance = distance;
        return false;
    }
    // Only closing in on the target is progress: an axis that tracks (or a target that moves
    // with the sky) changes the distance by no more than the drift.
    const double drift =
        kMaxDriftRate * static_cast<double>(m_clock->nowMs() - m_progressMs) / 1000.0;
    return distance.value() < m_progressDistance.value() - tolerance - drift;
}

std::function<bool()> SlewToTask::giveUp() {
    return [this] { return stalled(); };
}

bool SlewToTask::stalled() {
    if (moved())
        noteProgress();
    if (m_clock->nowMs() - m_progressMs <= kStallLimitMs)
        return false;
    // A fresh look before giving up: a long slew may be under way with no reading since.
    for (AXISID axis : {AXISID(0), AXISID(1)})
        m_axes->readPosition(axis);
    if (!moved())
        return true;
    noteProgress();
    return false;
}

CmdResp<unsigned> SlewToTask::pass() {
    const CmdResp<AnglePair> read = m_axisUtil->readPositionsRetry(giveUp());
    if (!read.isOk())
        return CmdResp<unsigned>(read.type);
    const AnglePair current = read.value();

    const AnglePair target = targetAxes(0, current);
    const double tolerance = m_settings->toleranceRad.load();
    const double separation = m_astroCalc->angularSeparation(current, target);
    if (separation <= tolerance && std::fabs(current.first - target.first) <= tolerance) {
        Log("GoTo within %.6f rad of its target", separation);
        return CmdResp<unsigned>::ok(Done);
    }

    const AnglePair move = targetAxes(kAheadMs, current);
    const int64_t t0 = m_clock->nowMs();
    m_targetContainer->setTarget(move);
    m_targetContainer->changed();

    const double offset = m_mode == MountMode_::AZ ? kApproachOffsetAZ : kApproachOffsetEQ;
    const double currentOf[2] = {current.first, current.second};
    const double moveOf[2] = {move.first, move.second};
    bool approaching = false;
    for (AXISID axis : {AXISID(1), AXISID(0)}) {
        double aim = moveOf[axis];
        const bool takesOffset = aim - currentOf[axis] < 0 && !m_approached[axis];
        if (takesOffset)
            aim -= offset;
        Log("GoTo axis %u to %.6f rad", axis + 1, aim);
        const CmdRetType_::E r = m_axes->gotoPosition(axis, aim);
        if (r != CmdRetType_::Ok)
            return CmdResp<unsigned>(r);
        if (!std::exchange(m_aimed[axis], true) && m_tookOver)
            m_tookOver(axis);
        if (takesOffset) {
            m_approached[axis] = true;
            approaching = true;
        }
    }

    const CmdRetType_::E stopped = m_axisUtil->waitAxesStopped(false, giveUp());
    if (stopped != CmdRetType_::Ok)
        return CmdResp<unsigned>(stopped);
    if (approaching)
        return CmdResp<unsigned>::ok(Repeat);

    const int64_t remaining = t0 - m_clock->nowMs() + kSettleMs;
    if (remaining <= 0)
        return CmdResp<unsigned>::ok(Again);
    if (m_cancellable->sleep(remaining))
        return CmdResp<unsigned>(CmdRetType_::Cancel);
    return CmdResp<unsigned>::ok(Done);
}

void SlewToTask::setTakeOverListener(std::function<void(uint32_t axis)> listener) {
    m_tookOver = std::move(listener);
}

CmdRetType_::E SlewToTask::run() {
    noteProgress();
    const CmdRetType_::E prepared = prepareTarget();
    if (prepared != CmdRetType_::Ok)
        return prepared;

    int counted = 0;
    for (;;) {
        const CmdResp<unsigned> r = pass();
        if (r.type == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        if (!r.isOk()) {
            if (stalled()) {
                Log("GoTo given up: no progress for %lld ms",
                    static_cast<long long>(kStallLimitMs));
                return CmdRetType_::Timeout;
            }
            if (m_cancellable->sleep(kRetryMs))
                return CmdRetType_::Cancel;
            continue;
        }
        noteProgress();
        if (r.value() == Done)
            break;
        if (r.value() == Again && ++counted >= kMaxCountedPasses)
            break;
    }
    Log("GoTo ended after %d counted passes", counted);
    return m_cancellable->isCancelled() ? CmdRetType_::Cancel : CmdRetType_::Ok;
}

} // namespace Ko
