#pragma once

#include "link/iconverser.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace Ko {

// Serialises the exchanges of one link, optionally logs them, and keeps the link's time-out state.
// Threads: a task's own thread for the exchanges; the logging switch and the time-out state any
// thread.
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
    // Counts exchanges under m_mutex, so that the time-out state follows the last one.
    uint64_t m_exchanges = 0;
    std::mutex m_stateMutex;
    uint64_t m_stateExchange = 0;
    std::atomic<bool> m_log{false};
    std::atomic<bool> m_timedout{false};
};

} // namespace Ko
