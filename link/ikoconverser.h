#pragma once

#include "base/cbytes.h"
#include "link/cmdret.h"

#include <cstdint>
#include <memory>

namespace Ko {

class IConverserTimeout;
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
    // The time-out state of the link underneath, where it keeps one; null otherwise.
    virtual std::shared_ptr<IConverserTimeout> linkState() const { return nullptr; }
};

} // namespace Ko
