#pragma once

#include "base/cbytes.h"
#include "link/cmdret.h"

#include <cstdint>

namespace Ko {

struct MountCmd;

// The exchange in command records: encodes requests, classifies replies ('=' Ok, '!' Nak,
// anything else Other) and parses values.
// Threads: a task's own thread (an exchange blocks until the reply or the time-out).
class IKoConverser {
public:
    virtual ~IKoConverser() = default;
    virtual CmdResp<CBytes> converse(const MountCmd& cmd) = 0;
    virtual CmdResp<CBytes> converseBytes(const CBytes& request) = 0;
    virtual CmdResp<uint32_t> converseValue(const MountCmd& cmd) = 0;
    virtual CmdResp<uint32_t> converseValue32(const MountCmd& cmd) = 0;
    virtual CmdResp<uint32_t> converseBytesValue32(const CBytes& request) = 0;
};

} // namespace Ko
