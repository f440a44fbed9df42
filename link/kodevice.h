#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"
#include "link/ikodevice.h"

#include <array>
#include <memory>
#include <mutex>

namespace Ko {

class IKoConverser;

// The motor controller reached through the link's converser. The cached values are guarded by a
// lock of their own so that any thread may read them; exchanges are serialised by the converser.
// Threads: a task's own thread for the exchanges; the cached values any thread.
class KoDevice : public IKoDevice {
public:
    explicit KoDevice(std::shared_ptr<IKoConverser> converser);

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

    // Parses the three status characters of an 'f' reply of at least 5 bytes.
    static MotorStatus parseMotorStatus(const CBytes& reply);

private:
    struct Version {
        uint16_t firmware = 0;
        uint8_t model = 0;

        uint32_t word() const { return uint32_t(model) << 16 | firmware; }
    };
    struct AxisState {
        Nullable<Version> version;
        Nullable<uint32_t> countsPerRev;
        Nullable<MotorStatus> status;
    };

    CmdRetType_::E readCountsPerRev(AXISID axis);
    uint32_t countsPerRev(AXISID axis) const;
    bool offsetApplies(AXISID axis) const;

    std::shared_ptr<IKoConverser> m_converser;
    mutable std::mutex m_mutex;
    bool m_initialized = false;
    Nullable<uint32_t> m_offsetMode;
    std::array<AxisState, 2> m_axes;
    Nullable<DeviceFeatures> m_features;
    Nullable<uint16_t> m_statusEx;
    Nullable<uint32_t> m_timerFrequency;
};

// The device's arithmetic for callers that hold the gear constants themselves.
// Counts round half away from zero and saturate at the limits of the result type.
int32_t radToCounts(uint32_t countsPerRev, double rad);
int64_t radToCounts64(uint32_t countsPerRev, double rad);
double countsToRad(uint32_t countsPerRev, int32_t counts);
// Throws std::logic_error for a negative rate.
int64_t rpsToStride(uint32_t countsPerRev, uint32_t timerFrequency, double rps);
double strideToRps(uint32_t countsPerRev, uint32_t timerFrequency, uint32_t period);

} // namespace Ko
