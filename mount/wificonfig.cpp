#include "mount/wificonfig.h"

#include "base/koassert.h"
#include "link/wifimodule/iwmprogrammerplanner.h"
#include "mount/imountconnection.h"

namespace Ko {

// Marks a job as talking to the module for as long as it lives, announcing both edges. Ending
// in the destructor clears busy also when the module's code throws, which would otherwise leave
// the page behind a busy indicator for good.
class WifiConfig::BusyScope {
public:
    explicit BusyScope(WifiConfig& config) : m_config(config) { set(true); }
    ~BusyScope() { set(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    void set(bool busy) {
        Shown state;
        {
            std::lock_guard lock(m_config.m_mutex);
            m_config.m_busy = busy;
            // Taken with the change, under the same lock: the page is shown this state whole.
            state = m_config.stateLocked();
        }
        m_config.show(std::move(state));
        emit m_config.stateChanged();
    }

    WifiConfig& m_config;
};

WifiConfig::WifiConfig(std::shared_ptr<IMountConnection> connection)
    : m_connection(std::move(connection)) {
    KO_ASSERT(m_connection);
}

IWifiConfig::Shown WifiConfig::stateLocked() const {
    Shown state;
    state.busy = m_busy;
    if (m_currentSetting.hasValue())
        state.currentSetting = QVariant::fromValue(m_currentSetting.value());
    if (m_lastWriteResult.hasValue())
        state.lastWriteResult = QVariant::fromValue(m_lastWriteResult.value());
    state.readFailed = m_readFailed;
    state.readRefused = m_readRefused;
    return state;
}

bool WifiConfig::busy() const {
    std::lock_guard lock(m_mutex);
    return m_busy;
}

QVariant WifiConfig::currentSetting() const {
    std::lock_guard lock(m_mutex);
    return stateLocked().currentSetting;
}

QVariant WifiConfig::lastWriteResult() const {
    std::lock_guard lock(m_mutex);
    return stateLocked().lastWriteResult;
}

bool WifiConfig::readFailed() const {
    std::lock_guard lock(m_mutex);
    return m_readFailed;
}

bool WifiConfig::readRefused() const {
    std::lock_guard lock(m_mutex);
    return m_readRefused;
}

void WifiConfig::enterPage() {
    {
        std::lock_guard lock(m_mutex);
        if (m_lastWriteResult.hasValue())
            return;
    }
    m_pool.enqueue([this] { readJob(); });
}

void WifiConfig::writeWifiBothAndReadAsync() {
    m_pool.enqueue([this] { modeBothJob(); });
}

void WifiConfig::writeAsync(WifiSetting settings) {
    m_pool.enqueue([this, target = std::move(settings)] { writeStep(target); });
}

void WifiConfig::proceedNextAsync() {
    bool pending = false;
    {
        std::lock_guard lock(m_mutex);
        pending = m_pendingSetting.hasValue();
        // The write is complete (or none was made): the editor comes back after a fresh read.
        if (!pending)
            m_lastWriteResult.reset();
    }
    if (pending)
        m_pool.enqueue([this] { proceedJob(); });
    else
        m_pool.enqueue([this] { readJob(); });
}

void WifiConfig::readJob() {
    const std::shared_ptr<IWMProgrammerPlanner> planner = m_connection->sharedWifi();
    if (!planner)
        return;
    BusyScope busy(*this);
    read(*planner);
}

void WifiConfig::read(IWMProgrammerPlanner& planner) {
    Nullable<WifiSetting> setting = planner.readAll();
    const bool refused = !setting.hasValue() && planner.lastReadRefused();
    std::lock_guard lock(m_mutex);
    // Without its settings the page offers the read again, and says why it came to nothing: a
    // module that refused is there and may need another mode or a restart, while silence points
    // at the link.
    m_readFailed = !setting.hasValue();
    m_readRefused = refused;
    m_currentSetting = std::move(setting);
}

void WifiConfig::modeBothJob() {
    const std::shared_ptr<IWMProgrammerPlanner> planner = m_connection->sharedWifi();
    if (!planner)
        return;
    BusyScope busy(*this);
    if (!planner->writeMode())
        return;
    read(*planner);
}

void WifiConfig::proceedJob() {
    readJob();
    Nullable<WifiSetting> pending;
    {
        std::lock_guard lock(m_mutex);
        if (!m_currentSetting.hasValue())
            return;
        pending = m_pendingSetting;
    }
    if (pending.hasValue())
        writeStep(pending.value());
}

void WifiConfig::writeStep(const WifiSetting& target) {
    const std::shared_ptr<IWMProgrammerPlanner> planner = m_connection->sharedWifi();
    Nullable<WifiSetting> current;
    bool staWritten = false;
    {
        std::lock_guard lock(m_mutex);
        current = m_currentSetting;
        staWritten = m_lastWriteResult.hasValue() && m_lastWriteResult.value().staWritten;
    }
    if (!planner || !current.hasValue())
        return;
    Nullable<WifiMode_::E> needConnect;
    {
        BusyScope busy(*this);
        const WMWriteResult result = planner->apply(staWritten, current.value(), target);
        std::lock_guard lock(m_mutex);
        // The module has changed: it is read again before the next step.
        m_currentSetting.reset();
        m_readFailed = false;
        m_readRefused = false;
        if (result.ok && result.allDone)
            m_pendingSetting.reset();
        else
            m_pendingSetting = target;
        m_lastWriteResult = result;
        needConnect = result.needConnect;
    }
    // The step took the module off the network the app talks over: the user must join the named
    // one and connect again.
    if (needConnect.hasValue())
        m_connection->disconnect();
}

} // namespace Ko
