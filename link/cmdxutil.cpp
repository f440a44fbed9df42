#include "link/cmdxutil.h"

#include "base/byteutil.h"
#include "base/log.h"
#include "link/ikoconverser.h"
#include "link/mountcmd.h"

#include <cmath>
#include <stdexcept>
#include <string_view>

namespace Ko {

namespace {

std::string_view asText(const CBytes& b) {
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

} // namespace

CmdXUtil::CmdXUtil(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device)
    : m_converser(std::move(converser)), m_device(std::move(device)) {}

CmdRetType_::E CmdXUtil::readTickRate() {
    if (!m_device->supportsExtended() || m_tickRate.load() >= 0)
        return CmdRetType_::Ok;
    const auto r = m_converser->converseValue32(MountCmd::makeXSub(0, 0x06));
    if (!r.isOk())
        return r.type;
    // Every mount time is divided by it.
    if (r.value() == 0) {
        Log("CmdXUtil: refusing a mount-clock tick rate of 0");
        return CmdRetType_::Other;
    }
    m_tickRate.store(r.value());
    return CmdRetType_::Ok;
}

uint32_t CmdXUtil::tickRate() const {
    const int64_t rate = m_tickRate.load();
    if (rate < 0)
        throw std::logic_error("Read null Nullable");
    return static_cast<uint32_t>(rate);
}

bool CmdXUtil::hasTickRate() const {
    return m_tickRate.load() >= 0;
}

CBytes CmdXUtil::msToTicksPayload(int64_t ms) const {
    return MountCmd::msToTicks(ms, tickRate());
}

CmdResp<int64_t> CmdXUtil::ticksPayloadToMs(const CBytes& text) const {
    int64_t ticks = 0;
    if (text.size() != 16 || !ByteUtil::HexBE_Long(asText(text), ticks))
        return CmdResp<int64_t>(CmdRetType_::Other);
    const double ms = std::round(ticks / (tickRate() * 0.001));
    // A slow clock can hold more milliseconds than the result takes.
    if (!(std::abs(ms) < 9223372036854775807.0))
        return CmdResp<int64_t>(CmdRetType_::Other);
    return CmdResp<int64_t>::ok(static_cast<int64_t>(ms));
}

CBytes CmdXUtil::radToCountsPayload(AXISID axis, double rad) const {
    return MountCmd::hex32(
        static_cast<uint32_t>(m_device->radToCounts(axis, m_device->applyAxisOffset(axis, rad))));
}

CBytes CmdXUtil::fixed1024Payload(AXISID axis, double value) const {
    return MountCmd::hex32(static_cast<uint32_t>(m_device->radToCounts(axis, value * 1024)));
}

CBytes CmdXUtil::fixed1024Payload64(AXISID axis, double value) const {
    return MountCmd::hex64(static_cast<uint64_t>(m_device->radToCounts64(axis, value * 1024)));
}

Nullable<std::pair<double, double>> CmdXUtil::countsPairPayloadToRad(const CBytes& text) const {
    int32_t c1 = 0, c2 = 0;
    if (text.size() != 16 || !ByteUtil::HexBE_Int(asText(text).substr(0, 8), c1) ||
        !ByteUtil::HexBE_Int(asText(text).substr(8), c2))
        return {};
    return std::pair{m_device->removeAxisOffset(0, m_device->countsToRad(0, c1)),
                     m_device->removeAxisOffset(1, m_device->countsToRad(1, c2))};
}

} // namespace Ko
