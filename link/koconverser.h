#pragma once

#include "link/ikoconverser.h"

#include <memory>

namespace Ko {

class IConverser;

// Threads: a task's own thread (an exchange blocks until the reply or the time-out).
class KoConverser : public IKoConverser {
public:
    explicit KoConverser(std::shared_ptr<IConverser> converser);

    CmdResp<CBytes> converse(const MountCmd& cmd) override;
    CmdResp<CBytes> converseBytes(const CBytes& request) override;
    CmdResp<uint32_t> converseValue(const MountCmd& cmd) override;
    CmdResp<uint32_t> converseValue32(const MountCmd& cmd) override;
    CmdResp<uint32_t> converseBytesValue32(const CBytes& request) override;
    // The serialising converser below, which keeps the link's time-out state.
    std::shared_ptr<IConverserTimeout> linkState() const override;

private:
    std::shared_ptr<IConverser> m_converser;
    std::shared_ptr<IConverserTimeout> m_linkState;
};

} // namespace Ko
