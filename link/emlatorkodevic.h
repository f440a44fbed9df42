#pragma once

#include "base/nullable.h"
#include "link/ikodevice.h"

#include <array>
#include <mutex>

namespace Ko {

// The motor controller of the emulated mount: fixed answers, no traffic. Every axis reports itself
// not initialised, so the mount positions both axes after connecting.
// Threads: any thread.
class EmlatorKoDevic : public IKoDevice {
public:
    EmlatorKoDevic() = default;

    CmdRetType_::E initialize(bool oneAxis, uint32_t offsetMode) override;
    bool isInitialized() const override;
    CmdResp<uint32_t> readVersion(AXISID axis) override;
    uint32_t version(AXISID axis) const override;
    uint8_t modelId() const override;
    CmdResp<DeviceFeatures> statusEx() override;
    uint64_t features() const override;
    CmdResp<uint16_t> readStatusEx() override;
    uint16_t lastStatusEx() const override;
    bool supportsExtended() const override;
    CmdResp<MotorStatus> readStatus(AXISID axis) override;
    MotorStatus lastStatus(AXISID axis) const override;
    CmdRetType_::E initializeAxis(AXISID axis) override;
    int32_t radToCounts(AXISID axis, double rad) const override;
    int64_t radToCounts64(AXISID axis, double rad) const override;
    double countsToRad(AXISID axis, int32_t counts) const override;
    double applyAxisOffset(AXISID axis, double rad) const override;
    double removeAxisOffset(AXISID axis, double rad) const override;
    int64_t rpsToStride(AXISID axis, double rps) const override;
    double strideToRps(AXISID axis, uint32_t period) const override;
    double speedResolution() const override;
    CmdRetType_::E setSerialBaudRate(uint32_t baud) override;
    CmdRetType_::E setAuxSwitch(bool on) override;

    static constexpr uint32_t kVersion = 0xFFFFFF;

private:
    // Offset mode 0 shifts axis 1 by a quarter turn, as the real controller does.
    double axisOffset(AXISID axis) const;

    mutable std::mutex m_mutex;
    bool m_initialized = false;
    Nullable<uint32_t> m_offsetMode;
    std::array<Nullable<uint32_t>, 2> m_versions;
    Nullable<DeviceFeatures> m_statusEx;
};

} // namespace Ko
