#include "link/komountaxis.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "base/ilocation.h"
#include "base/log.h"
#include "link/icmdxutil.h"
#include "link/ikoconverser.h"
#include "link/ipermountdatabasic.h"
#include "link/mountcmd.h"

#include <algorithm>
#include <cmath>

namespace Ko {

namespace {

// The fastest the classic commands are asked to run.
constexpr double kMaxClassicRate = kMaxAxisSlewRate;
// 128 x sidereal: above it the controller runs in its high-speed mode.
constexpr double kFastRate = 0.0093339082818834;
// A thousandth of sidereal: slower than this is a stop.
constexpr double kStopRate = 7.292115845221407e-8;
// 640 x sidereal of travel: longer GoTos run in the high-speed mode.
constexpr double kFastGotoAngle = 0.046669541409417;
constexpr uint32_t kBrakeIncrement = 3500;
constexpr uint32_t kMinPeriod = 6;
constexpr uint32_t kMaxPeriod = 0xFFFFFF;
constexpr uint32_t kClassicPositionOffset = 0x800000;
// A status read older than this is read again before the axis moves.
constexpr int64_t kStatusFreshMs = 2000;
// An axis found moving at connection is given thirty seconds of status polls to come to rest after
// its stop, well beyond the few seconds the slowest deceleration from the fastest slew takes.
constexpr int kConnectStopPolls = 300;

// The signed count of a position on the wire: classic counts are offset by kClassicPositionOffset,
// extended ones are two's complement.
int32_t wireCount(uint32_t value, bool extended) {
    return static_cast<int32_t>(extended ? value : value - kClassicPositionOffset);
}

CmdResp<HomeSensorReading> noPosition(bool flag) {
    HomeSensorReading r;
    r.hasFlag = true;
    r.flag = flag;
    return CmdResp<HomeSensorReading>::ok(r);
}

} // namespace

KoMountAxis::KoMountAxis(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device,
                         std::shared_ptr<ICmdXUtil> cmdXUtil,
                         std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IClock> clock,
                         std::shared_ptr<MountAxisTimeContainer> container,
                         std::shared_ptr<ILocation> location,
                         std::shared_ptr<IPerMountDataBasic> perMountData)
    : m_converser(std::move(converser)), m_device(std::move(device)),
      m_cmdXUtil(std::move(cmdXUtil)), m_cancellable(std::move(cancellable)),
      m_clock(std::move(clock)), m_container(std::move(container)), m_location(std::move(location)),
      m_perMountData(std::move(perMountData)) {}

CmdRetType_::E KoMountAxis::initialize() {
    if (m_initialized.load())
        return CmdRetType_::Ok;
    if (!m_device->isInitialized())
        return CmdRetType_::Other;
    m_extended.store(m_device->supportsExtended());
    // The device read both axes' status while it initialised.
    for (AXISID axis : {0u, 1u}) {
        const MotorStatus status = m_device->lastStatus(axis);
        noteStatus(axis, status);
        if (status.motion != 0)
            if (const auto r = stopFoundMoving(axis); r != CmdRetType_::Ok)
                return r;
    }
    m_initialized.store(true);
    return CmdRetType_::Ok;
}

CmdRetType_::E KoMountAxis::stopFoundMoving(AXISID axis) {
    // Left running by an earlier connection (or by a hand pad): nothing here commanded it, so
    // nothing would show it or ever stop it.
    Log("Axis %u was moving when the mount was connected: stopping it",
        static_cast<unsigned>(axisSlot(axis)) + 1);
    if (const auto r = m_extended.load() ? extendedSlew(axis, 0.0) : sendStop(axis);
        r != CmdRetType_::Ok)
        return r;
    const auto r = waitUntilStill(axis, *m_cancellable, kConnectStopPolls);
    if (r == CmdRetType_::Other)
        Log("Axis %u did not come to rest after its stop",
            static_cast<unsigned>(axisSlot(axis)) + 1);
    return r;
}

void KoMountAxis::noteStatus(AXISID axis, const MotorStatus& status) {
    const size_t slot = axisSlot(axis);
    m_statusStale[slot].store(false);
    m_statusReadMs[slot].store(m_clock->nowMs());
    if (status.initFlag == 0) {
        m_seenInitialised[slot].store(true);
        return;
    }
    // An axis not yet initialised at connection is the preparation's to set up, no restart.
    if (!m_seenInitialised[slot].load() || m_restarted.exchange(true))
        return;
    Log("Axis %u reports itself not initialised: the motor controller restarted",
        static_cast<unsigned>(slot) + 1);
    controllerRestarted();
}

void KoMountAxis::noteExchange(CmdRetType_::E type) {
    // A cancelled exchange may not have reached the link at all.
    if (type != CmdRetType_::Cancel)
        m_lastExchangeMs.store(m_clock->nowMs());
    if (type != CmdRetType_::Timeout)
        return;
    for (auto& stale : m_statusStale)
        stale.store(true);
}

CmdRetType_::E KoMountAxis::checkNotRestarted(AXISID axis) {
    if (m_restarted.load())
        return CmdRetType_::Other;
    const size_t slot = axisSlot(axis);
    // Only an axis seen initialised can tell a restart.
    const bool stale = m_statusStale[slot].load() ||
                       m_clock->nowMs() - m_statusReadMs[slot].load() > kStatusFreshMs;
    if (m_seenInitialised[slot].load() && stale) {
        if (const auto s = readStatus(axis); !s.isOk())
            return s.type;
    }
    return m_restarted.load() ? CmdRetType_::Other : CmdRetType_::Ok;
}

Nullable<double> KoMountAxis::lastRate(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].lastRate;
}

void KoMountAxis::assumeRate(AXISID axis, double rate) {
    std::lock_guard lock(m_mutex);
    auto& a = m_axes[axisSlot(axis)];
    a.lastRate.set(rate);
    a.commandedRate.set(rate);
    if (rate != 0)
        a.direction.set(rate > 0);
}

Nullable<bool> KoMountAxis::lastDirection(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].direction;
}

bool KoMountAxis::isExtendedPositionMode() const {
    return m_extended.load();
}

void KoMountAxis::setInstantStop(bool on) {
    m_instantStop.store(on);
}

CmdRetType_::E KoMountAxis::send(const MountCmd& cmd) {
    const auto type = m_converser->converse(cmd).type;
    noteExchange(type);
    return type;
}

CmdRetType_::E KoMountAxis::sendStop(AXISID axis) {
    return send(MountCmd(axis, m_instantStop.load() ? 'L' : 'K'));
}

double KoMountAxis::speedFactor() const {
    const double f = m_perMountData->speedFineAdjustmentFactor();
    // A corrupt stored factor must not turn into a wild step period.
    if (!std::isfinite(f))
        return 1.0;
    return std::clamp(f, 0.5, 1.5);
}

double KoMountAxis::countsToAngle(AXISID axis, int32_t counts) const {
    return m_device->removeAxisOffset(axis, m_device->countsToRad(axis, counts));
}

CmdResp<AxisAngleTime> KoMountAxis::readAngle(AXISID axis) {
    // Counters back at home are no place in the sky.
    if (const auto t = checkNotRestarted(axis); t != CmdRetType_::Ok)
        return CmdResp<AxisAngleTime>(t);
    const bool extended = m_extended.load();
    const auto r = extended ? m_converser->converseValue32(MountCmd::makeXSub(axis, 0x03))
                            : m_converser->converseValue(MountCmd(axis, 'j'));
    noteExchange(r.type);
    if (!r.isOk())
        return CmdResp<AxisAngleTime>(r.type);
    const double angle = countsToAngle(axis, wireCount(r.value(), extended));
    return CmdResp<AxisAngleTime>::ok(AxisAngleTime{angle, m_clock->nowMs()});
}

CmdResp<double> KoMountAxis::readPosition(AXISID axis) {
    const auto r = readAngle(axis);
    if (!r.isOk())
        return CmdResp<double>(r.type);
    m_container->set(axis, r.value());
    return CmdResp<double>::ok(r.value().angle);
}

CmdResp<std::pair<double, double>> KoMountAxis::readPositions() {
    const auto a1 = readAngle(0);
    if (!a1.isOk())
        return CmdResp<std::pair<double, double>>(a1.type);
    const auto a2 = readAngle(1);
    if (!a2.isOk())
        return CmdResp<std::pair<double, double>>(a2.type);
    m_container->setBoth(a1.value(), a2.value());
    return CmdResp<std::pair<double, double>>::ok({a1.value().angle, a2.value().angle});
}

AxisAngleTime KoMountAxis::lastPosition(AXISID axis) const {
    return m_container->get(axis);
}

CmdRetType_::E KoMountAxis::setPosition(AXISID axis, double rad) {
    if (!std::isfinite(rad))
        return CmdRetType_::Other;
    const int32_t count = m_device->radToCounts(axis, m_device->applyAxisOffset(axis, rad));
    const auto r =
        m_extended.load()
            ? send(MountCmd::makeX(axis, 0x01, MountCmd::hex32(static_cast<uint32_t>(count))))
            : send(
                  MountCmd(axis, 'E',
                           MountCmd::hex24(static_cast<uint32_t>(count) + kClassicPositionOffset)));
    if (r == CmdRetType_::Ok)
        m_container->set(axis, AxisAngleTime{rad, m_clock->nowMs()});
    return r;
}

std::pair<double, double> KoMountAxis::positionRange(AXISID axis) const {
    const bool extended = m_extended.load();
    const int32_t lo = extended ? INT32_MIN : -0x800000;
    const int32_t hi = extended ? INT32_MAX : 0x7FFFFF;
    return {countsToAngle(axis, lo), countsToAngle(axis, hi)};
}

CmdResp<MotorStatus> KoMountAxis::readStatus(AXISID axis) {
    const auto r = m_device->readStatus(axis);
    noteExchange(r.type);
    if (!r.isOk())
        return r;
    const MotorStatus status = m_device->lastStatus(axis);
    noteStatus(axis, status);
    return CmdResp<MotorStatus>::ok(status);
}

int64_t KoMountAxis::lastExchangeMs() const {
    return m_lastExchangeMs.load();
}

MotorStatus KoMountAxis::lastStatus(AXISID axis) const {
    return m_device->lastStatus(axis);
}

CmdRetType_::E KoMountAxis::stopAndWait(AXISID axis) {
    auto s = readStatus(axis);
    if (!s.isOk())
        return s.type;
    if (s.value().motion == 0)
        return CmdRetType_::Ok;
    if (const auto r = sendStop(axis); r != CmdRetType_::Ok)
        return r;
    return waitUntilStill(axis, *m_cancellable);
}

CmdRetType_::E KoMountAxis::setMotionMode(AXISID axis, bool positive, bool fast, bool gotoMode) {
    char mode[3];
    mode[0] = gotoMode ? (fast ? '0' : '2') : (fast ? '3' : '1');
    // A southern site turns the sense of the motor so that positive still means the same way
    // across the sky.
    mode[1] = static_cast<char>((positive ? '0' : '1') + (m_location->latitudeRad() < 0 ? 2 : 0));
    mode[2] = 0;
    return send(MountCmd(axis, 'G', CBytes::fromCString(mode)));
}

CmdResp<uint32_t> KoMountAxis::highSpeedRatio(AXISID axis) {
    {
        std::lock_guard lock(m_mutex);
        const auto& cached = m_axes[axisSlot(axis)].highSpeedRatio;
        if (cached.hasValue())
            return CmdResp<uint32_t>::ok(cached.value());
    }
    auto r = m_converser->converseValue(MountCmd(axis, 'g'));
    noteExchange(r.type);
    if (r.isOk()) {
        std::lock_guard lock(m_mutex);
        m_axes[axisSlot(axis)].highSpeedRatio.set(r.value());
    }
    return r;
}

CmdRetType_::E KoMountAxis::classicSlew(AXISID axis, double rate) {
    const double r = std::clamp(rate, -kMaxClassicRate, kMaxClassicRate);
    double a = std::abs(r);
    const bool fast = a > kFastRate;
    if (a <= kStopRate)
        return sendStop(axis);

    bool keepRunning;
    {
        std::lock_guard lock(m_mutex);
        const auto& commanded = m_axes[axisSlot(axis)].commandedRate;
        keepRunning = commanded.hasValue() && commanded.value() != 0 &&
                      (commanded.value() > 0) == (r > 0) &&
                      std::abs(commanded.value()) <= kFastRate && a <= kFastRate;
    }
    if (!keepRunning) {
        if (const auto s = stopAndWait(axis); s != CmdRetType_::Ok)
            return s;
        // The stop read the status: a restart seen there moves nothing.
        if (m_restarted.load())
            return CmdRetType_::Other;
        if (const auto m = setMotionMode(axis, r > 0, fast, false); m != CmdRetType_::Ok)
            return m;
    }
    const auto ratio = highSpeedRatio(axis);
    if (!ratio.isOk())
        return ratio.type;
    if (fast) {
        // A ratio of 0 would turn any fast slew into the shortest period the controller takes.
        if (ratio.value() == 0)
            return CmdRetType_::Other;
        a /= ratio.value();
    }

    int64_t period = m_device->rpsToStride(axis, a);
    // Boards 0x00 and 0x01 with firmware 06.01 run three ticks slow.
    const uint32_t v = m_device->version(0);
    if (v == 0x000601 || v == 0x010601)
        period -= 3;
    // The 24-bit field would silently wrap a longer period into a much faster rate.
    period = std::clamp<int64_t>(period, kMinPeriod, kMaxPeriod);
    if (const auto p = send(MountCmd(axis, 'I', MountCmd::hex24(static_cast<uint32_t>(period))));
        p != CmdRetType_::Ok)
        return p;
    if (keepRunning)
        return CmdRetType_::Ok;
    return send(MountCmd(axis, 'J'));
}

CmdRetType_::E KoMountAxis::extendedSlew(AXISID axis, double rate) {
    return send(MountCmd::makeX(axis, 0x02, m_cmdXUtil->fixed1024Payload64(axis, rate)));
}

CmdRetType_::E KoMountAxis::slewAtRate(AXISID axis, double rate) {
    if (!std::isfinite(rate))
        return CmdRetType_::Other;
    const double r = rate * speedFactor();
    // A stop always goes out; a motion only on a controller that still knows where it stands.
    auto result = std::abs(r) <= kStopRate ? CmdRetType_::Ok : checkNotRestarted(axis);
    if (result == CmdRetType_::Ok) {
        motionCommanded();
        result = m_extended.load() ? extendedSlew(axis, r) : classicSlew(axis, r);
    }
    std::lock_guard lock(m_mutex);
    auto& a = m_axes[axisSlot(axis)];
    if (result == CmdRetType_::Ok) {
        a.commandedRate.set(rate);
        if (rate != 0)
            a.direction.set(rate > 0);
    } else {
        a.commandedRate.reset();
        if (!(a.direction.hasValue() && a.direction.value() == (rate > 0)))
            a.direction.reset();
    }
    return result;
}

CmdRetType_::E KoMountAxis::classicGoto(AXISID axis, double target) {
    if (const auto s = stopAndWait(axis); s != CmdRetType_::Ok)
        return s;
    if (m_restarted.load())
        return CmdRetType_::Other;
    const auto current = readPosition(axis);
    if (!current.isOk())
        return current.type;
    const double delta = target - current.value();
    const int32_t increment = m_device->radToCounts(axis, std::abs(delta));
    if (increment == 0)
        return CmdRetType_::Ok;
    const bool fast = std::abs(delta) > kFastGotoAngle;
    if (const auto m = setMotionMode(axis, delta > 0, fast, true); m != CmdRetType_::Ok)
        return m;
    if (const auto h = send(MountCmd(axis, 'H', MountCmd::hex24(static_cast<uint32_t>(increment))));
        h != CmdRetType_::Ok)
        return h;
    if (const auto b = send(MountCmd(axis, 'M', MountCmd::hex24(kBrakeIncrement)));
        b != CmdRetType_::Ok)
        return b;
    return send(MountCmd(axis, 'J'));
}

CmdRetType_::E KoMountAxis::extendedGoto(AXISID axis, double target, double rate) {
    CBytes payload = m_cmdXUtil->radToCountsPayload(axis, target);
    payload.appendBytes(m_cmdXUtil->fixed1024Payload64(axis, rate));
    return send(MountCmd::makeX(axis, 0x04, payload));
}

CmdRetType_::E KoMountAxis::gotoPosition(AXISID axis, double target) {
    if (!std::isfinite(target))
        return CmdRetType_::Other;
    auto result = checkNotRestarted(axis);
    if (result == CmdRetType_::Ok) {
        motionCommanded();
        result = m_extended.load() ? extendedGoto(axis, target, 0.0) : classicGoto(axis, target);
    }
    const double p = lastPosition(axis).angle;
    std::lock_guard lock(m_mutex);
    auto& a = m_axes[axisSlot(axis)];
    a.lastRate.reset();
    a.commandedRate.reset();
    if (result == CmdRetType_::Ok)
        a.direction.set(target - p > 0);
    else
        a.direction.reset();
    return result;
}

CmdRetType_::E KoMountAxis::gotoPositionAtRate(AXISID axis, double target, double rate) {
    if (!std::isfinite(target) || !std::isfinite(rate))
        return CmdRetType_::Other;
    const double r = rate * speedFactor();
    auto result = checkNotRestarted(axis);
    if (result == CmdRetType_::Ok) {
        motionCommanded();
        result = extendedGoto(axis, target, r);
    }
    std::lock_guard lock(m_mutex);
    auto& a = m_axes[axisSlot(axis)];
    if (result == CmdRetType_::Ok) {
        a.commandedRate.set(r);
        a.direction.set(r > 0);
    } else {
        a.commandedRate.reset();
        a.direction.reset();
    }
    return result;
}

CmdRetType_::E KoMountAxis::stop(AXISID axis) {
    const auto result = m_extended.load() ? extendedSlew(axis, 0.0) : sendStop(axis);
    std::lock_guard lock(m_mutex);
    auto& a = m_axes[axisSlot(axis)];
    if (result == CmdRetType_::Ok)
        a.commandedRate.set(0.0);
    else
        a.commandedRate.reset();
    return result;
}

bool KoMountAxis::supportsAutoHome() const {
    return (m_device->features() & DeviceFeatures::AutoHomeBit) != 0;
}

CmdResp<HomeSensorReading> KoMountAxis::readHomeSensorPosition(AXISID axis) {
    const bool extended = m_extended.load();
    const auto r = extended ? m_converser->converseValue32(MountCmd::makeXSub(axis, 0x0B))
                            : m_converser->converseValue(MountCmd::makeQ(axis, 0));
    noteExchange(r.type);
    if (!r.isOk())
        return CmdResp<HomeSensorReading>(r.type);
    const uint32_t value = r.value();
    if (extended) {
        if (value == 0x7FFFFFFF)
            return noPosition(true);
        if (value == 0x80000000)
            return noPosition(false);
    } else if (value == 0xFFFFFF) {
        return noPosition(true);
    }
    HomeSensorReading reading;
    reading.position.set(countsToAngle(axis, wireCount(value, extended)));
    return CmdResp<HomeSensorReading>::ok(reading);
}

CmdRetType_::E KoMountAxis::resetHomeSensor(AXISID axis) {
    return send(MountCmd::makeW(axis, 8));
}

} // namespace Ko
