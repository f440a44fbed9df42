#include "link/kodevice.h"

#include "base/byteutil.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/ikoconverser.h"
#include "link/mountcmd.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace Ko {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Firmware words at or above this (bytes in reading order) understand the 'X' commands.
constexpr uint16_t kExtendedFirmware = 0x0327;

// Half away from zero; a result beyond the type saturates so that no out-of-range conversion
// can happen, whatever angle or rate a caller passes.
template <class I>
I roundHalfAway(double x) {
    const double r = std::trunc(x + std::copysign(0.49999999999999994, x));
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<I>::max()))
        return std::numeric_limits<I>::max();
    if (r <= static_cast<double>(std::numeric_limits<I>::min()))
        return std::numeric_limits<I>::min();
    return static_cast<I>(r);
}

} // namespace

int32_t radToCounts(uint32_t countsPerRev, double rad) {
    return roundHalfAway<int32_t>(countsPerRev * rad / kTwoPi);
}

int64_t radToCounts64(uint32_t countsPerRev, double rad) {
    return roundHalfAway<int64_t>(countsPerRev * rad / kTwoPi);
}

// A zero constant is refused at set-up; here it gives 0 so that no conversion is ever infinite.
double countsToRad(uint32_t countsPerRev, int32_t counts) {
    if (countsPerRev == 0)
        return 0.0;
    return counts * kTwoPi / countsPerRev;
}

int64_t rpsToStride(uint32_t countsPerRev, uint32_t timerFrequency, double rps) {
    if (rps < 0)
        throw std::logic_error("rpsToStride: expected positive rps");
    if (rps == 0 || countsPerRev == 0)
        return 0;
    return roundHalfAway<int64_t>(timerFrequency * (kTwoPi / countsPerRev) / rps);
}

double strideToRps(uint32_t countsPerRev, uint32_t timerFrequency, uint32_t period) {
    if (period == 0 || countsPerRev == 0)
        return 0.0;
    return (kTwoPi / countsPerRev) * timerFrequency / period;
}

KoDevice::KoDevice(std::shared_ptr<IKoConverser> converser) : m_converser(std::move(converser)) {}

CmdRetType_::E KoDevice::initialize(bool oneAxis, uint32_t offsetMode) {
    {
        std::lock_guard lock(m_mutex);
        if (m_initialized)
            return CmdRetType_::Ok;
        m_offsetMode.set(offsetMode);
    }
    const AXISID last = oneAxis ? 0 : 1;
    for (AXISID axis = 0; axis <= last; ++axis) {
        // A version read by an earlier, failed attempt comes from the cache without traffic.
        if (const auto v = readVersion(axis); !v.isOk())
            return v.type;
        if (const auto r = readCountsPerRev(axis); r != CmdRetType_::Ok)
            return r;
        if (const auto s = readStatus(axis); !s.isOk())
            return s.type;
    }
    const auto freq = m_converser->converseValue(MountCmd(0, 'b'));
    if (!freq.isOk())
        return freq.type;
    // Every rate and period is a multiple of it: a zero would make them all meaningless.
    if (freq.value() == 0) {
        Log("KoDevice: refusing a step-timer frequency of 0");
        return CmdRetType_::Other;
    }
    std::lock_guard lock(m_mutex);
    m_timerFrequency.set(freq.value());
    m_initialized = true;
    return CmdRetType_::Ok;
}

bool KoDevice::isInitialized() const {
    std::lock_guard lock(m_mutex);
    return m_initialized;
}

CmdResp<uint32_t> KoDevice::readVersion(AXISID axis) {
    {
        std::lock_guard lock(m_mutex);
        const auto& cached = m_axes[axisSlot(axis)].version;
        if (cached.hasValue())
            return CmdResp<uint32_t>::ok(cached.value().word());
    }
    const auto reply = m_converser->converse(MountCmd(axis, 'e'));
    if (!reply.isOk())
        return CmdResp<uint32_t>(reply.type);
    const uint32_t word = MountCmd::parseVersion(reply.value());
    if (word == 0)
        return CmdResp<uint32_t>(CmdRetType_::Other);
    const Version v{static_cast<uint16_t>(word & 0xFFFF), static_cast<uint8_t>(word >> 16)};
    std::lock_guard lock(m_mutex);
    m_axes[axisSlot(axis)].version.set(v);
    return CmdResp<uint32_t>::ok(v.word());
}

uint32_t KoDevice::version(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].version.value().word();
}

uint8_t KoDevice::modelId() const {
    std::lock_guard lock(m_mutex);
    return m_axes[0].version.value().model;
}

CmdResp<DeviceFeatures> KoDevice::statusEx() {
    {
        std::lock_guard lock(m_mutex);
        if (m_features.hasValue())
            return CmdResp<DeviceFeatures>::ok(m_features.value());
    }
    const auto r = readStatusEx();
    std::lock_guard lock(m_mutex);
    if (r.type == CmdRetType_::Nak) {
        m_features.set(DeviceFeatures{});
        m_statusEx.set(0);
    } else if (!r.isOk()) {
        return CmdResp<DeviceFeatures>(r.type);
    }
    return CmdResp<DeviceFeatures>::ok(m_features.value());
}

uint64_t KoDevice::features() const {
    std::lock_guard lock(m_mutex);
    return m_features.value().packed();
}

CmdResp<uint16_t> KoDevice::readStatusEx() {
    const auto reply = m_converser->converse(MountCmd::makeQ(0, 1));
    if (!reply.isOk())
        return CmdResp<uint16_t>(reply.type);
    const CBytes& text = reply.value();
    if (text.size() < 8)
        return CmdResp<uint16_t>(CmdRetType_::Other);
    uint8_t d[6];
    for (int i = 0; i < 6; ++i) {
        if (!ByteUtil::HexDigitValue(static_cast<char>(text[1 + i]), d[i]))
            return CmdResp<uint16_t>(CmdRetType_::Other);
    }
    DeviceFeatures f;
    f.dualEncoders = d[1] & 1;
    f.ppec = d[1] & 2;
    f.autoHome = d[1] & 4;
    f.feature3 = d[1] & 8;
    f.polarScopeLed = d[2] & 1;
    f.feature5 = d[2] & 2;
    f.feature6 = d[2] & 4;
    const uint16_t status = static_cast<uint16_t>((d[0] & 1) | ((d[0] >> 1) & 1) << 8);
    {
        std::lock_guard lock(m_mutex);
        m_features.set(f);
        m_statusEx.set(status);
    }
    changed();
    return CmdResp<uint16_t>::ok(status);
}

uint16_t KoDevice::lastStatusEx() const {
    std::lock_guard lock(m_mutex);
    return m_statusEx.value();
}

bool KoDevice::supportsExtended() const {
    std::lock_guard lock(m_mutex);
    const uint16_t fw = m_axes[0].version.value().firmware;
    return static_cast<uint16_t>((fw & 0xFF) << 8 | fw >> 8) >= kExtendedFirmware;
}

MotorStatus KoDevice::parseMotorStatus(const CBytes& reply) {
    const uint8_t c1 = reply[1], c2 = reply[2], c3 = reply[3];
    MotorStatus s;
    s.motion = (c2 & 1) == 0 ? 0 : ((c1 & 1) ? 1 : 2);
    s.dirFlag = (c1 & 2) ? 0 : 1;
    s.fastFlag = (c1 >> 2) & 1;
    s.initFlag = (c3 & 1) ? 0 : 1;
    return s;
}

CmdResp<MotorStatus> KoDevice::readStatus(AXISID axis) {
    const auto reply = m_converser->converse(MountCmd(axis, 'f'));
    if (!reply.isOk())
        return CmdResp<MotorStatus>(reply.type);
    if (reply.value().size() < 5)
        return CmdResp<MotorStatus>(CmdRetType_::Other);
    const MotorStatus s = parseMotorStatus(reply.value());
    std::lock_guard lock(m_mutex);
    m_axes[axisSlot(axis)].status.set(s);
    return CmdResp<MotorStatus>::ok(s);
}

MotorStatus KoDevice::lastStatus(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].status.value();
}

CmdRetType_::E KoDevice::initializeAxis(AXISID axis) {
    return m_converser->converse(MountCmd(axis, 'F')).type;
}

CmdRetType_::E KoDevice::readCountsPerRev(AXISID axis) {
    uint32_t counts;
    if (supportsExtended()) {
        const auto r = m_converser->converseValue32(MountCmd::makeXSub(axis, 0x02));
        if (!r.isOk())
            return r.type;
        counts = r.value();
    } else {
        const auto r = m_converser->converseValue(MountCmd(axis, 'a'));
        if (!r.isOk())
            return r.type;
        counts = r.value();
        // These boards report a gear constant that does not match their gearing.
        const uint8_t model = modelId();
        if (model == 0x80)
            counts = 1452951;
        else if (model == 0x82)
            counts = 2118424;
    }
    // Positions and rates divide by it.
    if (counts == 0) {
        Log("KoDevice: refusing 0 counts per revolution on axis %u", unsigned(axis) + 1);
        return CmdRetType_::Other;
    }
    std::lock_guard lock(m_mutex);
    m_axes[axisSlot(axis)].countsPerRev.set(counts);
    return CmdRetType_::Ok;
}

uint32_t KoDevice::countsPerRev(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].countsPerRev.value();
}

int32_t KoDevice::radToCounts(AXISID axis, double rad) const {
    return Ko::radToCounts(countsPerRev(axis), rad);
}

int64_t KoDevice::radToCounts64(AXISID axis, double rad) const {
    return Ko::radToCounts64(countsPerRev(axis), rad);
}

double KoDevice::countsToRad(AXISID axis, int32_t counts) const {
    return Ko::countsToRad(countsPerRev(axis), counts);
}

bool KoDevice::offsetApplies(AXISID axis) const {
    if (axis != 0)
        return false;
    std::lock_guard lock(m_mutex);
    return m_offsetMode.value() == 0;
}

double KoDevice::applyAxisOffset(AXISID axis, double rad) const {
    return offsetApplies(axis) ? rad + std::numbers::pi / 2 : rad;
}

double KoDevice::removeAxisOffset(AXISID axis, double rad) const {
    return offsetApplies(axis) ? rad - std::numbers::pi / 2 : rad;
}

int64_t KoDevice::rpsToStride(AXISID axis, double rps) const {
    uint32_t counts, freq;
    {
        std::lock_guard lock(m_mutex);
        counts = m_axes[axisSlot(axis)].countsPerRev.value();
        freq = m_timerFrequency.value();
    }
    return Ko::rpsToStride(counts, freq, rps);
}

double KoDevice::strideToRps(AXISID axis, uint32_t period) const {
    if (period == 0)
        return 0.0;
    std::lock_guard lock(m_mutex);
    return Ko::strideToRps(m_axes[axisSlot(axis)].countsPerRev.value(), m_timerFrequency.value(),
                           period);
}

double KoDevice::speedResolution() const {
    // Bounded so that one tick either way stays a period the conversion takes.
    const int64_t p = std::clamp<int64_t>(rpsToStride(0, kSiderealRate), 1,
                                          std::numeric_limits<uint32_t>::max() - 1);
    const double up = std::abs(strideToRps(0, static_cast<uint32_t>(p + 1)) / kSiderealRate - 1);
    const double down = std::abs(strideToRps(0, static_cast<uint32_t>(p - 1)) / kSiderealRate - 1);
    return std::min(up, down);
}

CmdRetType_::E KoDevice::setSerialBaudRate(uint32_t baud) {
    KO_ASSERT((baud % 100) == 0);
    return m_converser->converse(MountCmd::makeW(0, (baud / 100) * 256 + 0x0D)).type;
}

CmdRetType_::E KoDevice::setAuxSwitch(bool on) {
    return m_converser->converse(MountCmd(0, 'O', CBytes::fromCString(on ? "1" : "0"))).type;
}

} // namespace Ko
