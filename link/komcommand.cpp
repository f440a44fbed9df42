#include "link/komcommand.h"

#include "base/byteutil.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "link/icmdxutil.h"
#include "link/ikoconverser.h"
#include "link/mountaxistimecontainer.h"
#include "link/mountcmd.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace Ko {

namespace {

std::string_view textOf(const CBytes& b, size_t first, size_t last) {
    return {reinterpret_cast<const char*>(b.data()) + first, last - first};
}

// The extended status word keeps the training state in its low byte, playback in its high byte.
bool trainingOf(uint16_t status) {
    return (status & 0x00FF) != 0;
}
bool playbackOf(uint16_t status) {
    return (status & 0xFF00) != 0;
}

// True when the cache held another value, or none.
bool assign(Nullable<bool>& cache, bool value) {
    if (cache.hasValue() && cache.value() == value)
        return false;
    cache.set(value);
    return true;
}

// The mount's 16-bit tick counter wraps every 0x10000 ticks; a synchronisation sent in the last
// 0x10000 - 0xD900 ticks before a wrap could be applied after it and land a whole period off.
constexpr int64_t kTickWrapGuard = 0xD900;
constexpr int64_t kTickWrapLate = 60544;

} // namespace

struct KoMCommand::DeviceLink {
    std::recursive_mutex mutex;
    KoMCommand* owner = nullptr;
};

KoMCommand::KoMCommand(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device,
                       std::shared_ptr<ICmdXUtil> cmdXUtil, std::shared_ptr<IClock> clock,
                       std::shared_ptr<ITCCancellable> cancellable,
                       std::shared_ptr<MountAxisTimeContainer> axisTimeContainer)
    : m_converser(std::move(converser)), m_device(std::move(device)),
      m_cmdXUtil(std::move(cmdXUtil)), m_clock(std::move(clock)),
      m_cancellable(std::move(cancellable)), m_axisTimeContainer(std::move(axisTimeContainer)) {
    KO_ASSERT(m_converser && m_device && m_cmdXUtil && m_clock && m_cancellable &&
              m_axisTimeContainer);
    // The user interface shows the PPEC state from the start, so it is taken from what the
    // device already knows, without a command.
    const uint16_t status = m_device->lastStatusEx();
    m_ppecTraining.set(trainingOf(status));
    m_ppecPlayback.set(playbackOf(status));

    m_deviceLink = std::make_shared<DeviceLink>();
    m_deviceLink->owner = this;
    m_deviceHandle = m_device->changed.append([link = std::weak_ptr<DeviceLink>(m_deviceLink)] {
        const auto l = link.lock();
        if (!l)
            return;
        std::lock_guard lock(l->mutex);
        if (l->owner)
            l->owner->onDeviceChanged();
    });
}

KoMCommand::~KoMCommand() {
    m_device->changed.remove(m_deviceHandle);
    std::lock_guard lock(m_deviceLink->mutex);
    m_deviceLink->owner = nullptr;
}

void KoMCommand::onDeviceChanged() {
    const uint16_t status = m_device->lastStatusEx();
    bool trainingChanged = false;
    bool playbackChanged = false;
    {
        std::lock_guard lock(m_mutex);
        trainingChanged = assign(m_ppecTraining, trainingOf(status));
        playbackChanged = assign(m_ppecPlayback, playbackOf(status));
    }
    if (trainingChanged)
        ppecTrainingChanged();
    if (playbackChanged)
        ppecPlaybackChanged();
}

CmdRetType_::E KoMCommand::send(const MountCmd& cmd) {
    return m_converser->converse(cmd).type;
}

CmdRetType_::E KoMCommand::initialize() {
    const auto period = m_converser->converseValue(MountCmd(0, 's'));
    double periodSec = 0.0;
    // One periodic-error period is one worm turn at the sidereal rate.
    if (period.isOk())
        periodSec = m_device->countsToRad(0, static_cast<int32_t>(period.value())) / kSiderealRate;
    else if (period.type != CmdRetType_::Nak)
        return period.type;
    {
        std::lock_guard lock(m_mutex);
        m_pePeriodSec.set(periodSec);
    }

    const bool hasDualEncoders = (m_device->features() & DeviceFeatures::DualEncodersBit) != 0;
    for (AXISID axis : {AXISID(0), AXISID(1)}) {
        if (hasDualEncoders) {
            const auto r = setEnableDualEncoders(axis, false);
            if (r != CmdRetType_::Ok)
                return r;
        } else {
            std::lock_guard lock(m_mutex);
            m_dualEncoders[axisSlot(axis)].set(false);
        }
    }

    if (!supportsExtended())
        return CmdRetType_::Ok;
    if (const auto r = m_cmdXUtil->readTickRate(); r != CmdRetType_::Ok)
        return r;
    if (const auto r = stopExtendedMotion(); r != CmdRetType_::Ok)
        return r;
    uint16_t status = 0;
    if (const auto r = readTargetStatus(&status); r != CmdRetType_::Ok)
        return r;
    std::lock_guard lock(m_mutex);
    m_targetStatus.set(status);
    return CmdRetType_::Ok;
}

bool KoMCommand::lastEnableDualEncoders(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_dualEncoders[axisSlot(axis)].value();
}

CmdRetType_::E KoMCommand::setEnableDualEncoders(AXISID axis, bool on) {
    const auto r = send(MountCmd::makeW(axis, on ? 4 : 5));
    if (r == CmdRetType_::Ok) {
        std::lock_guard lock(m_mutex);
        m_dualEncoders[axisSlot(axis)].set(on);
    }
    return r;
}

CmdRetType_::E KoMCommand::setGuidingSpeed(AXISID axis, GuidingSpeed_::E speed) {
    const char* digit = "4";
    switch (speed) {
    case GuidingSpeed_::X125:
        digit = "4";
        break;
    case GuidingSpeed_::X25:
        digit = "3";
        break;
    case GuidingSpeed_::X5:
        digit = "2";
        break;
    case GuidingSpeed_::X75:
        digit = "1";
        break;
    case GuidingSpeed_::Sidereal:
        digit = "0";
        break;
    }
    return send(MountCmd(axis, 'W', CBytes::fromCString(digit)));
}

CmdRetType_::E KoMCommand::setPolarLEDBrightness(double brightness) {
    // NaN would survive the clamp and make the conversion below undefined.
    const double x = std::isnan(brightness) ? 0.0 : std::clamp(brightness, 0.0, 1.0);
    const auto value = static_cast<int32_t>(std::ceil(x * 255.0));
    const CBytes payload = CBytes::fromStdString(ByteUtil::IntHexLE(value, 1));
    const auto r = send(MountCmd(0, 'V', payload));
    if (r != CmdRetType_::Ok)
        return r;
    return send(MountCmd(1, 'V', payload));
}

bool KoMCommand::supportsPpec() const {
    return (m_device->features() & DeviceFeatures::PpecBit) != 0;
}

bool KoMCommand::lastPpecTraining() const {
    std::lock_guard lock(m_mutex);
    return m_ppecTraining.value();
}

CmdResp<bool> KoMCommand::readStatusFlag(bool (*flagOf)(uint16_t)) {
    const auto r = m_device->readStatusEx();
    if (!r.isOk())
        return CmdResp<bool>(r.type);
    return CmdResp<bool>::ok(flagOf(r.value()));
}

CmdRetType_::E KoMCommand::setPpecFlag(uint32_t code, bool on, Nullable<bool>& cache,
                                       eventpp::CallbackList<void()>& changed) {
    const auto r = send(MountCmd::makeW(0, code));
    if (r != CmdRetType_::Ok)
        return r;
    {
        std::lock_guard lock(m_mutex);
        cache.set(on);
    }
    changed();
    return r;
}

CmdResp<bool> KoMCommand::updatePpecTraining() {
    return readStatusFlag(trainingOf);
}

CmdRetType_::E KoMCommand::setPpecTraining(bool start) {
    return setPpecFlag(start ? 0 : 1, start, m_ppecTraining, ppecTrainingChanged);
}

bool KoMCommand::lastPpecPlayback() const {
    std::lock_guard lock(m_mutex);
    return m_ppecPlayback.value();
}

CmdResp<bool> KoMCommand::updatePpecPlayback() {
    return readStatusFlag(playbackOf);
}

CmdRetType_::E KoMCommand::setPpecPlayback(bool on) {
    return setPpecFlag(on ? 2 : 3, on, m_ppecPlayback, ppecPlaybackChanged);
}

double KoMCommand::pePeriodSec() const {
    std::lock_guard lock(m_mutex);
    return m_pePeriodSec.value();
}

bool KoMCommand::supportsExtended() const {
    return m_device->supportsExtended();
}

CmdResp<uint64_t> KoMCommand::readMountClock() {
    if (!m_cmdXUtil->hasTickRate())
        return CmdResp<uint64_t>(CmdRetType_::Other);
    const auto r = m_converser->converse(MountCmd::makeX(0, 0x0F, MountCmd::hex32(0)));
    if (!r.isOk())
        return CmdResp<uint64_t>(r.type);
    const CBytes& reply = r.value();
    CBytes decoded;
    if (reply.size() != 34 || !ByteUtil::HexToBytes(textOf(reply, 1, 33), decoded))
        return CmdResp<uint64_t>(CmdRetType_::Other);
    if (!m_cmdXUtil->countsPairPayloadToRad(CBytes::slice(reply, 1, 17)).hasValue())
        return CmdResp<uint64_t>(CmdRetType_::Other);
    const auto time = m_cmdXUtil->ticksPayloadToMs(CBytes::slice(reply, 17, 33));
    if (!time.isOk())
        return CmdResp<uint64_t>(CmdRetType_::Other);
    return CmdResp<uint64_t>::ok(static_cast<uint64_t>(time.value()));
}

CmdResp<uint32_t> KoMCommand::syncMountClock(const std::shared_ptr<IClock>& appClock) {
    KO_ASSERT(appClock);
    if (!m_cmdXUtil->hasTickRate())
        return CmdResp<uint32_t>(CmdRetType_::Other);
    // The second pass runs on a warmed-up link, so its round trip is the one worth reporting.
    const auto first = syncStep(*appClock);
    if (!first.isOk())
        return first;
    return syncStep(*appClock);
}

CmdResp<uint32_t> KoMCommand::syncStep(const IClock& appClock) {
    const uint32_t tickRate = m_cmdXUtil->tickRate();
    for (;;) {
        const int64_t t = appClock.nowMs();
        const int64_t ticks = MountCmd::msToTicksValue(t, tickRate);
        if ((ticks & 0xFFFF) > kTickWrapGuard) {
            const auto waitMs = static_cast<int64_t>((0x10000 - kTickWrapGuard) /
                                                     (static_cast<double>(tickRate) * 0.001));
            if (m_cancellable->sleep(waitMs))
                return CmdResp<uint32_t>(CmdRetType_::Cancel);
            continue;
        }
        const int64_t before = m_clock->nowMs();
        const auto r = sendClockSync(t);
        const int64_t after = m_clock->nowMs();
        if (r != CmdRetType_::Ok)
            return CmdResp<uint32_t>(r);
        return CmdResp<uint32_t>::ok(static_cast<uint32_t>(after - before));
    }
}

CmdRetType_::E KoMCommand::sendClockSync(int64_t timeMs) {
    int64_t ticks = MountCmd::msToTicksValue(timeMs, m_cmdXUtil->tickRate());
    const int64_t low = ticks & 0xFFFF;
    if (low > kTickWrapGuard) {
        if (low < kTickWrapLate)
            ticks = (ticks & ~int64_t(0xFFFF)) | kTickWrapGuard;
        else
            ticks = (ticks & ~int64_t(0xFFFF)) + 0x10000;
    }
    const auto payload = CBytes::fromStdString(ByteUtil::LongHexLE(ticks, 8));
    const auto r = send(MountCmd::makeX(0, 0x0B, payload));
    // Only a broken exchange fails the synchronisation; a refusal does not.
    return r == CmdRetType_::Nak ? CmdRetType_::Ok : r;
}

CmdResp<std::pair<double, double>>
KoMCommand::addPositionOffset(std::pair<double, double> offsets) {
    using Result = CmdResp<std::pair<double, double>>;
    const int32_t c1 = m_device->radToCounts(0, offsets.first);
    const int32_t c2 = m_device->radToCounts(1, offsets.second);
    const auto payload =
        CBytes::fromStdString(ByteUtil::IntHexLE(c1, 4) + ByteUtil::IntHexLE(c2, 4));
    const auto r = m_converser->converse(MountCmd::makeX(0, 0x0A, payload));
    if (!r.isOk())
        return Result(r.type);
    const CBytes& reply = r.value();
    int32_t n1 = 0, n2 = 0;
    if (reply.size() != 19 || !ByteUtil::HexBE_Int(textOf(reply, 1, 9), n1) ||
        !ByteUtil::HexBE_Int(textOf(reply, 10, 18), n2))
        return Result(CmdRetType_::Other);
    return Result::ok({m_device->countsToRad(0, n1), m_device->countsToRad(1, n2)});
}

CmdRetType_::E KoMCommand::sendTimedTarget(int64_t timeMs, std::pair<double, double> angles,
                                           const Nullable<std::pair<double, double>>& rates,
                                           std::pair<double, double>* outAngles, uint64_t* outTime,
                                           uint16_t* outStatus) {
    if (!m_cmdXUtil->hasTickRate())
        return CmdRetType_::Other;
    CBytes payload = m_cmdXUtil->msToTicksPayload(timeMs);
    payload.appendBytes(m_cmdXUtil->radToCountsPayload(0, angles.first));
    payload.appendBytes(m_cmdXUtil->radToCountsPayload(1, angles.second));
    if (rates.hasValue()) {
        payload.appendBytes(m_cmdXUtil->fixed1024Payload(0, rates.value().first));
        payload.appendBytes(m_cmdXUtil->fixed1024Payload(1, rates.value().second));
    }
    const uint8_t sub = rates.hasValue() ? 0x0D : 0x0E;
    const auto r = m_converser->converse(MountCmd::makeX(0, sub, payload));
    if (!r.isOk())
        return r.type;
    const CBytes& reply = r.value();
    CBytes decoded;
    if (reply.size() != 38 || !ByteUtil::HexToBytes(textOf(reply, 1, 37), decoded))
        return CmdRetType_::Other;
    const auto replyAngles = m_cmdXUtil->countsPairPayloadToRad(CBytes::slice(reply, 1, 17));
    if (!replyAngles.hasValue())
        return CmdRetType_::Other;
    const auto& a = replyAngles.value();
    const int64_t now = m_clock->nowMs();
    m_axisTimeContainer->setBoth({a.first, now}, {a.second, now});
    if (outAngles)
        *outAngles = a;
    if (outTime) {
        const auto t = m_cmdXUtil->ticksPayloadToMs(CBytes::slice(reply, 17, 33));
        if (!t.isOk())
            return t.type;
        *outTime = static_cast<uint64_t>(t.value());
    }
    if (outStatus)
        *outStatus = static_cast<uint16_t>(decoded[16] << 8 | decoded[17]);
    return CmdRetType_::Ok;
}

CmdRetType_::E KoMCommand::readTargetStatus(uint16_t* outStatus) {
    return sendTimedTarget(0, {0.0, 0.0}, {}, nullptr, nullptr, outStatus);
}

uint16_t KoMCommand::lastTargetStatus() const {
    std::lock_guard lock(m_mutex);
    return m_targetStatus.value();
}

CmdRetType_::E KoMCommand::stopExtendedMotion() {
    return send(MountCmd::makeXSub5(0, 3));
}

} // namespace Ko
