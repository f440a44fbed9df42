#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "link/devicesetupfinisheddata.h"
#include "model/mountmode.h"
#include "mount/iconnectable.h"
#include "mount/imountfactory.h"

#include <memory>

namespace Ko {

class AppCore;
class ConverserTimeoutForwarder;
class IConnectableHelper;
class IConnectionSettings;
class IMount;
class IPerMountData;
class IWMProgrammer;
class IWMProgrammerPlanner;
class IWifiFactory;
class MountModeContainer;
class MountModePopupStub;
class WritableMountConnection;

// The one connection session. Make it with std::make_shared: its worker threads keep it alive.
//
// Threads: main thread only for the IConnectable calls. The state below (status texts, pending
// device setup, kept factory session, done-callback, time-out flag) lives on the main thread and is
// touched nowhere else; work that starts elsewhere posts its results there. Talking to the mount
// (version, extended status, building and preparing the mount) never runs on the main thread: a
// connect helper that hands the device over on the main thread (the emulator's) has it handled on a
// background job, so the park-data question the preparation may ask can be answered by the user
// interface. The mount is published, and the connection ended, on the main thread; a link time-out
// reaches the disconnect queued from the exchange's thread.
class MountConnectable : public IConnectable,
                         public std::enable_shared_from_this<MountConnectable> {
    Q_OBJECT
public:
    MountConnectable(std::shared_ptr<IConnectableHelper> helper,
                     std::shared_ptr<WritableMountConnection> mountConnection,
                     std::shared_ptr<ConverserTimeoutForwarder> timeoutForwarder,
                     std::shared_ptr<IMountFactory> mountFactory,
                     std::shared_ptr<IWifiFactory> wifiFactory,
                     std::shared_ptr<MountModeContainer> modeContainer,
                     std::shared_ptr<MountModePopupStub> modePopup,
                     std::shared_ptr<IPerMountData> perMountData,
                     std::shared_ptr<IConnectionSettings> settings,
                     std::shared_ptr<AppCore> appCore);
    ~MountConnectable() override;

    bool busy() const override;
    QString statusText() const override;
    QString statusDetailText() const override;
    QVariant devicesList() const override;
    QString nextActionText() const override;
    bool timeoutIsDisconnect() const override;
    void setTimeoutIsDisconnect(bool on) override;
    void startSessionWithCallback(std::function<void(bool)> done) override;
    void startSession() override;
    void startNextAction() override;
    void selectDevice(int deviceIndex) override;
    void cancelSession() override;

public slots:
    void helperStatusChanged(bool busy, QString status, QString statusDetail);

private:
    // What mount creation hands to the main thread for publication.
    struct NewMount {
        MountMode_::E mode;
        std::shared_ptr<IMount> mount;
        std::shared_ptr<IMountFactory::ISession> session;
        std::shared_ptr<IWMProgrammerPlanner> wifi;
        DeviceSetupFinishedData setup;
    };

    bool isConnected() const;
    void connectProcedure();
    void disconnectProcedure();
    void onModeAnswer(const Nullable<MountMode_::E>& mode);

    // Off the main thread.
    void handleDeviceSetup(const DeviceSetupFinishedData& setup);
    void createMount(MountMode_::E mode, const DeviceSetupFinishedData& setup);

    // On the main thread.
    void publish(NewMount created);
    // Ends the session when it is still the one of this mount: a late report of an earlier link
    // or mount finds another mount, or none.
    std::function<void()> endsThisMount(const std::shared_ptr<IMount>& mount);
    void callDone(bool ok);

    // Runs work on the main thread: at once when called there, else posted, holding the session.
    void onMainThread(std::function<void(MountConnectable&)> work);
    // From any thread; the texts are written on the main thread.
    void setStatus(bool busy, const QString& text, const QString& detail);
    // Runs work off the main thread: a failure that throws ends the attempt, not the program, and
    // self is let go on the main thread. runDetached starts a background job for it.
    static void runGuarded(std::shared_ptr<MountConnectable> self,
                           std::function<void(MountConnectable&)> work);
    static void runDetached(std::shared_ptr<MountConnectable> self,
                            std::function<void(MountConnectable&)> work);

    const std::shared_ptr<IConnectableHelper> m_helper;
    const std::shared_ptr<WritableMountConnection> m_mountConnection;
    const std::shared_ptr<ConverserTimeoutForwarder> m_timeoutForwarder;
    const std::shared_ptr<IMountFactory> m_mountFactory;
    const std::shared_ptr<IWifiFactory> m_wifiFactory;
    const std::shared_ptr<MountModeContainer> m_modeContainer;
    const std::shared_ptr<MountModePopupStub> m_modePopup;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<AppCore> m_appCore;
    eventpp::CallbackList<void(Nullable<MountMode_::E>)>::Handle m_modeAnswerHandle;

    // Main thread only.
    bool m_busy = false;
    QString m_statusText;
    QString m_statusDetailText;
    bool m_timeoutIsDisconnect = false;
    Nullable<DeviceSetupFinishedData> m_pendingSetup;
    std::shared_ptr<IMountFactory::ISession> m_session;
    std::function<void(bool)> m_done;
};

} // namespace Ko
