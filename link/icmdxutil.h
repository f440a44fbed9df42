#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"
#include "link/cmdret.h"
#include "link/ikodevice.h"

#include <cstdint>
#include <utility>

namespace Ko {

// Payload fields of the extended 'X' commands: times in controller ticks, positions as signed
// 32-bit counts, rates as counts per second with 10 fractional bits; all big-endian upper-case
// hexadecimal. Builders throw "Read null Nullable" when a needed cached value is missing.
// Threads: a task's own thread for readTickRate (it blocks on the mount's reply); the builders any
// thread.
class ICmdXUtil {
public:
    virtual ~ICmdXUtil() = default;

    // Reads and caches the controller's tick rate; Ok without traffic on classic firmware.
    virtual CmdRetType_::E readTickRate() = 0;
    // Throws "Read null Nullable" until readTickRate has read it: only extended firmware has one.
    virtual uint32_t tickRate() const = 0;
    virtual bool hasTickRate() const = 0;
    // 16 digits.
    virtual CBytes msToTicksPayload(int64_t ms) const = 0;
    // Exactly 16 hex digits, else Other.
    virtual CmdResp<int64_t> ticksPayloadToMs(const CBytes& text) const = 0;
    // 8 digits: the axis count of the angle, with the axis offset applied.
    virtual CBytes radToCountsPayload(AXISID axis, double rad) const = 0;
    // 8 digits.
    virtual CBytes fixed1024Payload(AXISID axis, double value) const = 0;
    // 16 digits: the rate field of the extended slew and GoTo.
    virtual CBytes fixed1024Payload64(AXISID axis, double value) const = 0;
    // Exactly 16 hex digits: the counts of axis 1 and axis 2 as angles; empty otherwise.
    virtual Nullable<std::pair<double, double>>
    countsPairPayloadToRad(const CBytes& text) const = 0;
};

} // namespace Ko
