#include "link/emlatorkodevic.h"

namespace Ko {

namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

// Dual encoders, both EQ and AZ mode and a polar-scope LED; no PPEC, no home sensors.
DeviceFeatures fixedFeatures() {
    DeviceFeatures f;
    f.dualEncoders = true;
    f.feature3 = true;
    f.polarScopeLed = true;
    return f;
}

} // namespace

CmdRetType_::E EmlatorKoDevic::initialize(bool oneAxis, uint32_t offsetMode) {
    {
        std::lock_guard lock(m_mutex);
        if (m_initialized)
            return CmdRetType_::Ok;
        m_offsetMode.set(offsetMode);
    }
    // readVersion stores a version only for an axis that has none yet.
    readVersion(0);
    if (!oneAxis)
        readVersion(1);
    std::lock_guard lock(m_mutex);
    m_initialized = true;
    return CmdRetType_::Ok;
}

bool EmlatorKoDevic::isInitialized() const {
    std::lock_guard lock(m_mutex);
    return m_initialized;
}

CmdResp<uint32_t> EmlatorKoDevic::readVersion(AXISID axis) {
    std::lock_guard lock(m_mutex);
    auto& v = m_versions[axisSlot(axis)];
    if (!v.hasValue())
        v.set(kVersion);
    return CmdResp<uint32_t>::ok(v.value());
}

uint32_t EmlatorKoDevic::version(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_versions[axisSlot(axis)].value();
}

uint8_t EmlatorKoDevic::modelId() const {
    std::lock_guard lock(m_mutex);
    return static_cast<uint8_t>(m_versions[0].value() >> 16);
}

CmdResp<DeviceFeatures> EmlatorKoDevic::statusEx() {
    bool known = false;
    {
        std::lock_guard lock(m_mutex);
        known = m_statusEx.hasValue();
    }
    if (!known)
        readStatusEx();
    std::lock_guard lock(m_mutex);
    return CmdResp<DeviceFeatures>::ok(m_statusEx.value());
}

uint64_t EmlatorKoDevic::features() const {
    std::lock_guard lock(m_mutex);
    return m_statusEx.value().packed();
}

CmdResp<uint16_t> EmlatorKoDevic::readStatusEx() {
    {
        std::lock_guard lock(m_mutex);
        m_statusEx.set(fixedFeatures());
    }
    changed();
    return CmdResp<uint16_t>::ok(0);
}

uint16_t EmlatorKoDevic::lastStatusEx() const {
    // The emulated controller never trains or plays back on its own: the extended commands
    // emulate that. Its status word is therefore always the empty one.
    return 0;
}

bool EmlatorKoDevic::supportsExtended() const {
    return true;
}

CmdResp<MotorStatus> EmlatorKoDevic::readStatus(AXISID) {
    return CmdResp<MotorStatus>::ok(MotorStatus{});
}

MotorStatus EmlatorKoDevic::lastStatus(AXISID) const {
    MotorStatus s;
    s.initFlag = 1;
    return s;
}

CmdRetType_::E EmlatorKoDevic::initializeAxis(AXISID) {
    return CmdRetType_::Ok;
}

int32_t EmlatorKoDevic::radToCounts(AXISID, double) const {
    return 0;
}

int64_t EmlatorKoDevic::radToCounts64(AXISID, double) const {
    return 0;
}

double EmlatorKoDevic::countsToRad(AXISID, int32_t) const {
    return 0.0;
}

double EmlatorKoDevic::axisOffset(AXISID axis) const {
    if (axis != 0)
        return 0.0;
    std::lock_guard lock(m_mutex);
    return m_offsetMode.value() == 0 ? kQuarterTurn : 0.0;
}

double EmlatorKoDevic::applyAxisOffset(AXISID axis, double rad) const {
    return rad + axisOffset(axis);
}

double EmlatorKoDevic::removeAxisOffset(AXISID axis, double rad) const {
    return rad - axisOffset(axis);
}

int64_t EmlatorKoDevic::rpsToStride(AXISID, double) const {
    return 0;
}

double EmlatorKoDevic::strideToRps(AXISID, uint32_t) const {
    return 0.0;
}

double EmlatorKoDevic::speedResolution() const {
    return 1e-6;
}

CmdRetType_::E EmlatorKoDevic::setSerialBaudRate(uint32_t) {
    return CmdRetType_::Ok;
}

CmdRetType_::E EmlatorKoDevic::setAuxSwitch(bool) {
    return CmdRetType_::Ok;
}

} // namespace Ko
