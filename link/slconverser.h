#pragma once

#include "link/iconverser.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace Ko {

// Serialises the exchanges of one link, optionally logs them, and keeps the link's time-out state.
class SLConverser : public IConverser, public IConverserTimeout {
    Q_OBJECT
public:
    explicit SLConverser(std::shared_ptr<IConverser> inner);

    CmdResp<CBytes> converse(const CBytes& request) override;
    bool timedout() override;

    // Off after construction; when on, every exchange writes one "KoConv" line.
    void setLogEnabled(bool on);
    bool logEnabled() const;

private:
    std::shared_ptr<IConverser> m_inner;
    std::mutex m_mutex;
    std::atomic<bool> m_log{false};
    std::atomic<bool> m_timedout{false};
};

} // namespace Ko
