#pragma once

// What the connect-helper tests share: settings for a quick link, and a recorder of what a helper
// reports.

#include "base/qtkvstore.h"
#include "link/connectionsettings.h"
#include "link/iconnectablehelper.h"

#include <QObject>
#include <QStringList>
#include <QThread>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Ko {

// Settings in memory with no resends and a short read time-out, so that a silent mount fails
// fast.
inline std::shared_ptr<ConnectionSettings> quickLinkSettings() {
    auto settings =
        std::make_shared<ConnectionSettings>(std::make_shared<QtKVStore>(QString(), nullptr));
    settings->setMaxRetryCount(0);
    settings->setReadTimeoutMs_other(300);
    return settings;
}

// What a helper reported, collected as the connection procedure would: each status as
// "busy|status|detail" with the thread it was taken on, the list changes, and every device
// graph handed to the handler with the thread that handed it over. A report from a worker
// thread is queued to this object's thread, so the test reads statuses without a lock.
class HelperRecorder : public QObject {
public:
    struct Setup {
        DeviceSetupFinishedData data;
        std::thread::id thread;
    };

    void listen(IConnectableHelper* helper) {
        connect(helper, &IConnectableHelper::statusChanged, this,
                [this](bool busy, const QString& status, const QString& detail) {
                    statuses << QStringLiteral("%1|%2|%3").arg(busy ? 1 : 0).arg(status, detail);
                    statusThreads.push_back(QThread::currentThread());
                });
        // Read at once, as the connect popup does: the list may still be changing on a worker.
        connect(helper, &IConnectableHelper::devicesListChanged, this, [this, helper] {
            ++listChanges;
            lastList = helper->devicesList();
        });
    }

    IConnectableHelper::SetupHandler handler() {
        return [this](DeviceSetupFinishedData data) {
            std::lock_guard lock(m_mutex);
            m_setups.push_back({std::move(data), std::this_thread::get_id()});
        };
    }

    std::vector<Setup> setups() {
        std::lock_guard lock(m_mutex);
        return m_setups;
    }
    size_t setupCount() {
        std::lock_guard lock(m_mutex);
        return m_setups.size();
    }
    // The graphs hold their links open; this lets them go.
    void clearSetups() {
        std::lock_guard lock(m_mutex);
        m_setups.clear();
    }

    QStringList statuses;
    std::vector<QThread*> statusThreads;
    int listChanges = 0;
    // The list as read on the last change.
    QVariant lastList;

private:
    std::mutex m_mutex;
    std::vector<Setup> m_setups;
};

} // namespace Ko
