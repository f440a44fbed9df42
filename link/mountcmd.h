#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"

#include <cstdint>

namespace Ko {

// One request to the motor controller: the axis, the command letter and its ASCII payload.
// Holds no state beyond the record and does no input or output.
// Threads: any thread (a value type).
struct MountCmd {
    // 0 is axis 1; any other value is axis 2.
    uint32_t axis = 0;
    uint8_t letter = 0;
    CBytes payload;

    MountCmd() = default;
    MountCmd(uint32_t axisIndex, char commandLetter)
        : axis(axisIndex), letter(static_cast<uint8_t>(commandLetter)) {}
    MountCmd(uint32_t axisIndex, char commandLetter, CBytes data)
        : axis(axisIndex), letter(static_cast<uint8_t>(commandLetter)), payload(std::move(data)) {}

    static MountCmd makeW(uint32_t axisIndex, uint32_t value);
    static MountCmd makeQ(uint32_t axisIndex, uint32_t value);
    static MountCmd makeX(uint32_t axisIndex, uint8_t subCommand, const CBytes& data);
    static MountCmd makeXSub(uint32_t axisIndex, uint8_t item);
    static MountCmd makeXSub5(uint32_t axisIndex, uint8_t value);

    // Classic numbers: 24 bits, least significant byte first.
    static CBytes hex24(uint32_t value);
    // Extended numbers: most significant byte first.
    static CBytes hex32(uint32_t value);
    static CBytes hex64(uint64_t value);
    static CBytes msToTicks(int64_t ms, uint32_t tickRate);
    static int64_t msToTicksValue(int64_t ms, uint32_t tickRate);

    static CBytes encode(const MountCmd& cmd);

    // The parsers take a reply that starts with '=' and ends with a carriage return.
    static Nullable<uint32_t> parseValue(const CBytes& reply);
    static Nullable<uint32_t> parseValue32(const CBytes& reply);
    // The version word with bit 24 set, or 0 for an invalid reply.
    static uint32_t parseVersion(const CBytes& reply);
};

} // namespace Ko
