#pragma once

#include "link/icmdxutil.h"

#include <atomic>
#include <memory>

namespace Ko {

class IKoConverser;

// Threads: a task's own thread for readTickRate (it blocks on the mount's reply); the builders any
// thread.
class CmdXUtil : public ICmdXUtil {
public:
    CmdXUtil(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device);

    CmdRetType_::E readTickRate() override;
    uint32_t tickRate() const override;
    bool hasTickRate() const override;
    CBytes msToTicksPayload(int64_t ms) const override;
    CmdResp<int64_t> ticksPayloadToMs(const CBytes& text) const override;
    CBytes radToCountsPayload(AXISID axis, double rad) const override;
    CBytes fixed1024Payload(AXISID axis, double value) const override;
    CBytes fixed1024Payload64(AXISID axis, double value) const override;
    Nullable<std::pair<double, double>> countsPairPayloadToRad(const CBytes& text) const override;

private:
    std::shared_ptr<IKoConverser> m_converser;
    std::shared_ptr<IKoDevice> m_device;
    // Negative until read.
    std::atomic<int64_t> m_tickRate{-1};
};

} // namespace Ko
