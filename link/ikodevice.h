#pragma once

#include "base/callbacklist.h"
#include "link/cmdret.h"

#include <cstddef>
#include <cstdint>

namespace Ko {

// The mount axis: index 0 is axis 1 ('1' on the wire), index 1 is axis 2.
using AXISID = uint32_t;

// The index of an axis in a two-element per-axis array: any index other than 0 is axis 2, as on
// the wire.
constexpr size_t axisSlot(AXISID axis) {
    return axis == 0 ? 0 : 1;
}

// The sidereal rate in rad/s, the reference of the controller's speeds.
inline constexpr double kSiderealRate = 7.292115845221407e-05;

// One axis's state as the controller reports it in its status reply.
struct MotorStatus {
    // 0 stopped, 1 and 2 moving (the two kinds of motion the controller distinguishes).
    uint32_t motion = 0;
    uint8_t dirFlag = 0;
    uint8_t fastFlag = 0;
    // Set while the axis's controller reports itself not initialised.
    uint8_t initFlag = 0;

    bool operator==(const MotorStatus&) const = default;
};

// What the controller says it can do, from its feature inquiry.
struct DeviceFeatures {
    bool dualEncoders = false;
    bool ppec = false;
    // The axes have home sensors.
    bool autoHome = false;
    // The mount can work in both EQ and AZ mode.
    bool feature3 = false;
    bool polarScopeLed = false;
    bool feature5 = false;
    bool feature6 = false;

    bool operator==(const DeviceFeatures&) const = default;

    // The packed form: one byte per field in declaration order, the first field in the lowest byte.
    static constexpr uint64_t DualEncodersBit = 1ull << 0;
    static constexpr uint64_t PpecBit = 1ull << 8;
    static constexpr uint64_t AutoHomeBit = 1ull << 16;
    static constexpr uint64_t DualModeBit = 1ull << 24;
    static constexpr uint64_t PolarScopeLedBit = 1ull << 32;
    static constexpr uint64_t Feature5Bit = 1ull << 40;
    static constexpr uint64_t Feature6Bit = 1ull << 48;

    constexpr uint64_t packed() const {
        return (dualEncoders ? DualEncodersBit : 0) | (ppec ? PpecBit : 0) |
               (autoHome ? AutoHomeBit : 0) | (feature3 ? DualModeBit : 0) |
               (polarScopeLed ? PolarScopeLedBit : 0) | (feature5 ? Feature5Bit : 0) |
               (feature6 ? Feature6Bit : 0);
    }
};

// The mount's motor controller, both axes in one object: identity, gear constants, features,
// status, and the conversions between radians and counts and between rates and step periods.
// Getters of cached values throw std::logic_error "Read null Nullable" before the value was read.
// Threads: a task's own thread for the exchanges (they block on the mount's replies); the cached
// values any thread.
class IKoDevice {
public:
    virtual ~IKoDevice() = default;

    virtual CmdRetType_::E initialize(bool oneAxis, uint32_t offsetMode) = 0;
    virtual bool isInitialized() const = 0;
    // model id << 16 | firmware word.
    virtual CmdResp<uint32_t> readVersion(AXISID axis) = 0;
    virtual uint32_t version(AXISID axis) const = 0;
    virtual uint8_t modelId() const = 0;
    // Read once; a mount that refuses the inquiry has none of the features.
    virtual CmdResp<DeviceFeatures> statusEx() = 0;
    // DeviceFeatures::packed of the cached record: the extended-status fields mount control reads
    // (bit 0 dual encoders, bit 16 home sensors, bit 24 EQ-and-AZ, bit 32 polar-scope LED).
    virtual uint64_t features() const = 0;
    // Always asks the mount; the value is the extended status word (low byte: PPEC training
    // active, high byte: PPEC playback on).
    virtual CmdResp<uint16_t> readStatusEx() = 0;
    virtual uint16_t lastStatusEx() const = 0;
    virtual bool supportsExtended() const = 0;
    virtual CmdResp<MotorStatus> readStatus(AXISID axis) = 0;
    virtual MotorStatus lastStatus(AXISID axis) const = 0;
    virtual CmdRetType_::E initializeAxis(AXISID axis) = 0;
    virtual int32_t radToCounts(AXISID axis, double rad) const = 0;
    virtual int64_t radToCounts64(AXISID axis, double rad) const = 0;
    virtual double countsToRad(AXISID axis, int32_t counts) const = 0;
    virtual double applyAxisOffset(AXISID axis, double rad) const = 0;
    virtual double removeAxisOffset(AXISID axis, double rad) const = 0;
    // Step period of the controller's timer for a rate in rad/s (>= 0).
    virtual int64_t rpsToStride(AXISID axis, double rps) const = 0;
    virtual double strideToRps(AXISID axis, uint32_t period) const = 0;
    // The relative speed step of one timer tick at the sidereal rate, axis 1.
    virtual double speedResolution() const = 0;
    virtual CmdRetType_::E setSerialBaudRate(uint32_t baud) = 0;
    virtual CmdRetType_::E setAuxSwitch(bool on) = 0;

    // Fired after each successful read of the feature record and extended status.
    eventpp::CallbackList<void()> changed;
};

} // namespace Ko
