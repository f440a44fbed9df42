#include "link/emlatormountaxis.h"

#include "base/clock.h"
#include "base/koassert.h"
#include "link/ipermountdatabasic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Ko {

EmlatorMountAxis::EmlatorMountAxis(std::shared_ptr<IKoDevice> device,
                                   std::shared_ptr<ITCCancellable> cancellable,
                                   std::shared_ptr<IClock> clock,
                                   std::shared_ptr<MountAxisTimeContainer> container,
                                   std::shared_ptr<ILocation> location,
                                   std::shared_ptr<IPerMountDataBasic> perMountData)
    : m_device(std::move(device)), m_cancellable(std::move(cancellable)), m_clock(std::move(clock)),
      m_container(std::move(container)), m_location(std::move(location)),
      m_perMountData(std::move(perMountData)) {
    KO_ASSERT(m_device && m_clock && m_container && m_perMountData);
}

EmlatorMountAxis::Current EmlatorMountAxis::currentLocked(const AxisState& a, int64_t now) const {
    if (a.held)
        return {a.heldPosition, false};
    // An axis that was never positioned has no position to report.
    const Motion& m = a.motion.value();
    const double position =
        static_cast<double>(now - m.startTimeMs) / 1000.0 * m.rate + m.startPosition;
    if (m.target.hasValue()) {
        const double target = m.target.value();
        if ((m.rate >= 0 && position >= target) || (m.rate < 0 && position <= target))
            return {target, true};
    }
    return {position, false};
}

void EmlatorMountAxis::holdLocked(AxisState& a, double position) {
    a.held = true;
    a.heldPosition = position;
    a.motion.reset();
    a.motionState = Stopped;
}

void EmlatorMountAxis::stopLocked(AxisState& a, int64_t now) {
    // An axis that was never positioned does not move: there is nothing to stop.
    if (a.held || a.motion.hasValue())
        holdLocked(a, currentLocked(a, now).position);
}

AxisAngleTime EmlatorMountAxis::positionStepLocked(AXISID axis, int64_t now) {
    AxisState& a = state(axis);
    const Current c = currentLocked(a, now);
    if (c.arrived)
        holdLocked(a, c.position);
    return {m_device->removeAxisOffset(axis, c.position), now};
}

double EmlatorMountAxis::speedFactor() const {
    const double f = m_perMountData->speedFineAdjustmentFactor();
    return std::isnan(f) ? 1.0 : std::clamp(f, 0.5, 1.5);
}

CmdRetType_::E EmlatorMountAxis::initialize() {
    std::lock_guard lock(m_mutex);
    if (m_initialized)
        return CmdRetType_::Ok;
    if (!m_device->isInitialized())
        return CmdRetType_::Other;
    m_initialized = true;
    return CmdRetType_::Ok;
}

Nullable<double> EmlatorMountAxis::lastRate(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return state(axis).lastRate;
}

void EmlatorMountAxis::assumeRate(AXISID axis, double rate) {
    std::lock_guard lock(m_mutex);
    AxisState& a = state(axis);
    a.lastRate.set(rate);
    if (rate != 0)
        a.direction.set(rate > 0);
}

Nullable<bool> EmlatorMountAxis::lastDirection(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return state(axis).direction;
}

void EmlatorMountAxis::setMotionFault(CmdRetType_::E answer) {
    std::lock_guard lock(m_mutex);
    m_motionFault = answer;
}

CmdRetType_::E EmlatorMountAxis::motionFault() const {
    std::lock_guard lock(m_mutex);
    return m_motionFault;
}

void EmlatorMountAxis::setReadFault(CmdRetType_::E answer) {
    std::lock_guard lock(m_mutex);
    m_readFault = answer;
}

CmdRetType_::E EmlatorMountAxis::readFault() const {
    std::lock_guard lock(m_mutex);
    return m_readFault;
}

void EmlatorMountAxis::holdReads() {
    std::lock_guard lock(m_readGateMutex);
    m_readsHeld = true;
}

void EmlatorMountAxis::releaseReads() {
    {
        std::lock_guard lock(m_readGateMutex);
        m_readsHeld = false;
    }
    m_readsReleased.notify_all();
}

int EmlatorMountAxis::heldReads() const {
    std::lock_guard lock(m_readGateMutex);
    return m_heldReads;
}

void EmlatorMountAxis::awaitReads() {
    std::unique_lock lock(m_readGateMutex);
    if (!m_readsHeld)
        return;
    ++m_heldReads;
    m_readsReleased.wait(lock, [this] { return !m_readsHeld; });
    --m_heldReads;
}

CmdResp<double> EmlatorMountAxis::readPosition(AXISID axis) {
    awaitReads();
    if (const CmdRetType_::E fault = readFault(); fault != CmdRetType_::Ok)
        return CmdResp<double>(fault);
    return CmdResp<double>::ok(stepPosition(axis));
}

double EmlatorMountAxis::stepPosition(AXISID axis) {
    AxisAngleTime reading;
    {
        std::lock_guard lock(m_mutex);
        reading = positionStepLocked(axis, m_clock->nowMs());
    }
    // Outside the lock: the container's listeners may read the axes again.
    m_container->set(axis, reading);
    return reading.angle;
}

CmdResp<std::pair<double, double>> EmlatorMountAxis::readPositions() {
    awaitReads();
    if (const CmdRetType_::E fault = readFault(); fault != CmdRetType_::Ok)
        return CmdResp<std::pair<double, double>>(fault);
    AxisAngleTime first, second;
    {
        std::lock_guard lock(m_mutex);
        const int64_t now = m_clock->nowMs();
        first = positionStepLocked(0, now);
        second = positionStepLocked(1, now);
    }
    m_container->setBoth(first, second);
    return CmdResp<std::pair<double, double>>::ok({first.angle, second.angle});
}

AxisAngleTime EmlatorMountAxis::lastPosition(AXISID axis) const {
    return m_container->get(axis);
}

CmdRetType_::E EmlatorMountAxis::setPosition(AXISID axis, double rad) {
    if (!std::isfinite(rad))
        return CmdRetType_::Other;
    int64_t now = 0;
    {
        std::lock_guard lock(m_mutex);
        holdLocked(state(axis), m_device->applyAxisOffset(axis, rad));
        now = m_clock->nowMs();
    }
    m_container->set(axis, {rad, now});
    return CmdRetType_::Ok;
}

std::pair<double, double> EmlatorMountAxis::positionRange(AXISID) const {
    return {-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
}

CmdResp<MotorStatus> EmlatorMountAxis::readStatus(AXISID axis) {
    stepPosition(axis);
    return CmdResp<MotorStatus>::ok(lastStatus(axis));
}

MotorStatus EmlatorMountAxis::lastStatus(AXISID axis) const {
    MotorStatus s;
    std::lock_guard lock(m_mutex);
    s.motion = state(axis).motionState;
    return s;
}

CmdRetType_::E EmlatorMountAxis::slewAtRate(AXISID axis, double rate) {
    if (!std::isfinite(rate))
        return CmdRetType_::Other;
    if (const CmdRetType_::E fault = motionFault(); fault != CmdRetType_::Ok)
        return fault;
    motionCommanded();
    const double r = std::clamp(speedFactor() * rate, -kMaxSlewRate, kMaxSlewRate);
    std::lock_guard lock(m_mutex);
    AxisState& a = state(axis);
    const int64_t now = m_clock->nowMs();
    stopLocked(a, now);
    if (std::fabs(r) <= kMinSlewRate)
        return CmdRetType_::Ok;
    const double from = currentLocked(a, now).position;
    a.motionState = Slewing;
    a.held = false;
    a.motion.set(Motion{now, from, r, {}});
    a.direction.set(r > 0);
    return CmdRetType_::Ok;
}

CmdRetType_::E EmlatorMountAxis::gotoPosition(AXISID axis, double target) {
    if (!std::isfinite(target))
        return CmdRetType_::Other;
    if (const CmdRetType_::E fault = motionFault(); fault != CmdRetType_::Ok)
        return fault;
    motionCommanded();
    std::lock_guard lock(m_mutex);
    AxisState& a = state(axis);
    const int64_t now = m_clock->nowMs();
    stopLocked(a, now);
    const double from = currentLocked(a, now).position;
    const double to = m_device->applyAxisOffset(axis, target);
    if (to - from == 0.0)
        return CmdRetType_::Ok;
    a.motionState = GoingTo;
    a.held = false;
    a.motion.set(Motion{now, from, to >= from ? kGotoRate : -kGotoRate, to});
    a.lastRate.reset();
    a.direction.set(to - from > 0);
    return CmdRetType_::Ok;
}

CmdRetType_::E EmlatorMountAxis::stop(AXISID axis) {
    std::lock_guard lock(m_mutex);
    stopLocked(state(axis), m_clock->nowMs());
    return CmdRetType_::Ok;
}

bool EmlatorMountAxis::isExtendedPositionMode() const {
    return false;
}

CmdRetType_::E EmlatorMountAxis::gotoPositionAtRate(AXISID, double, double) {
    return CmdRetType_::Other;
}

bool EmlatorMountAxis::supportsAutoHome() const {
    return false;
}

CmdResp<HomeSensorReading> EmlatorMountAxis::readHomeSensorPosition(AXISID) {
    return CmdResp<HomeSensorReading>(CmdRetType_::Cancel);
}

CmdRetType_::E EmlatorMountAxis::resetHomeSensor(AXISID) {
    return CmdRetType_::Ok;
}

} // namespace Ko
