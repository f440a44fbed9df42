#pragma once

#include "base/threadpool.h"
#include "mount/iwificonfig.h"

#include <memory>
#include <mutex>

namespace Ko {

class IMountConnection;
class IWMProgrammerPlanner;

// Runs every job on a pool of one worker, so jobs never overlap and talk to the module in the
// order queued. A job finds the module through the connection when it starts; with none it
// changes nothing. The worker writes the live state while callers on any thread read it: m_mutex
// guards busy, the current and pending settings and the last result; signals and module traffic
// happen with it released. Each change hands the state, taken under the lock, to the shown copy
// the page reads. Destruction runs the jobs still queued, then joins the worker; the copies it
// posted and the main thread has not taken yet are dropped with the object.
// Threads: main thread only for the invokables; the state getters any thread.
class WifiConfig : public IWifiConfig {
    Q_OBJECT
public:
    explicit WifiConfig(std::shared_ptr<IMountConnection> connection);

    bool busy() const override;
    QVariant currentSetting() const override;
    QVariant lastWriteResult() const override;
    bool readFailed() const override;
    bool readRefused() const override;
    void enterPage() override;
    void writeWifiBothAndReadAsync() override;
    void writeAsync(WifiSetting settings) override;
    void proceedNextAsync() override;

private:
    class BusyScope;

    // m_mutex held.
    Shown stateLocked() const;

    void readJob();
    // Reads the module into the current setting; the busy scope is the caller's.
    void read(IWMProgrammerPlanner& planner);
    void modeBothJob();
    void proceedJob();
    // One write step towards target, from the setting last read.
    void writeStep(const WifiSetting& target);

    const std::shared_ptr<IMountConnection> m_connection;
    mutable std::mutex m_mutex;
    bool m_busy = false;
    Nullable<WifiSetting> m_currentSetting;
    // The setting being written step by step; kept after a failed step, so "Next" retries it.
    Nullable<WifiSetting> m_pendingSetting;
    Nullable<WMWriteResult> m_lastWriteResult;
    bool m_readFailed = false;
    bool m_readRefused = false;
    // Last: stopped first, so the jobs it still runs find every other member alive.
    ThreadPool m_pool{1};
};

} // namespace Ko
