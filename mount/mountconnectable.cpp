#include "mount/mountconnectable.h"

#include "base/backgroundwork.h"
#include "base/log.h"
#include "link/cmdret.h"
#include "link/conversertimeoutforwarder.h"
#include "link/iconnectablehelper.h"
#include "link/iconnectionsettings.h"
#include "link/iconverser.h"
#include "link/ikodevice.h"
#include "link/wifimodule/iwififactory.h"
#include "link/wifimodule/iwmprogrammerplanner.h"
#include "model/ipermountdata.h"
#include "model/mountmodecontainer.h"
#include "mount/appcore.h"
#include "mount/imount.h"
#include "mount/mountmodepopupstub.h"
#include "mount/writablemountconnection.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <exception>
#include <tuple>
#include <utility>

namespace Ko {

namespace {

const QString kConnecting = QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connecting"));
const QString kCannotConnect = QStringLiteral(QT_TRANSLATE_NOOP("mount", "Cannot Connect"));
const QString kRestartedWhileConnecting = QStringLiteral(
    QT_TRANSLATE_NOOP("mount", "The mount restarted while connecting. Connect again."));

// Model ids 8 and 10 answer the version inquiry but are not mounts this program drives.
bool acceptModel(uint8_t modelId) {
    return (modelId & 0xFD) != 8;
}

// The per-mount data tells mounts apart by this code besides version and mode.
int32_t mountKind(ConnectionType_::E type, MountMode_::E mode) {
    if (type == ConnectionType_::Emulator)
        return mode == MountMode_::EQ ? 6 : 7;
    return mode == MountMode_::EQ ? 3 : 2;
}

bool onMainThreadNow() {
    const auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

MountConnectable::MountConnectable(std::shared_ptr<IConnectableHelper> helper,
                                   std::shared_ptr<WritableMountConnection> mountConnection,
                                   std::shared_ptr<ConverserTimeoutForwarder> timeoutForwarder,
                                   std::shared_ptr<IMountFactory> mountFactory,
                                   std::shared_ptr<IWifiFactory> wifiFactory,
                                   std::shared_ptr<MountModeContainer> modeContainer,
                                   std::shared_ptr<MountModePopupStub> modePopup,
                                   std::shared_ptr<IPerMountData> perMountData,
                                   std::shared_ptr<IConnectionSettings> settings,
                                   std::shared_ptr<AppCore> appCore)
    : m_helper(std::move(helper)), m_mountConnection(std::move(mountConnection)),
      m_timeoutForwarder(std::move(timeoutForwarder)), m_mountFactory(std::move(mountFactory)),
      m_wifiFactory(std::move(wifiFactory)), m_modeContainer(std::move(modeContainer)),
      m_modePopup(std::move(modePopup)), m_perMountData(std::move(perMountData)),
      m_settings(std::move(settings)), m_appCore(std::move(appCore)) {
    connect(m_helper.get(), &IConnectableHelper::statusChanged, this,
            &MountConnectable::helperStatusChanged);
    connect(m_helper.get(), &IConnectableHelper::devicesListChanged, this,
            &IConnectable::devicesListChanged);
    // The answer arrives on the main thread, where this session's state lives.
    m_modeAnswerHandle =
        m_modePopup->answered.append([this](Nullable<MountMode_::E> mode) { onModeAnswer(mode); });
}

MountConnectable::~MountConnectable() {
    m_modePopup->answered.remove(m_modeAnswerHandle);
}

bool MountConnectable::busy() const {
    return m_busy;
}

QString MountConnectable::statusText() const {
    return m_statusText;
}

QString MountConnectable::statusDetailText() const {
    return m_statusDetailText;
}

QVariant MountConnectable::devicesList() const {
    return m_helper->devicesList();
}

QString MountConnectable::nextActionText() const {
    return isConnected() ? QStringLiteral(QT_TRANSLATE_NOOP("mount", "Disconnect"))
                         : QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connect"));
}

bool MountConnectable::timeoutIsDisconnect() const {
    return m_timeoutIsDisconnect;
}

void MountConnectable::setTimeoutIsDisconnect(bool on) {
    m_timeoutIsDisconnect = on;
}

bool MountConnectable::isConnected() const {
    return m_mountConnection->connected();
}

void MountConnectable::startSessionWithCallback(std::function<void(bool)> done) {
    m_done = std::move(done);
    if (!isConnected()) {
        startSession();
        return;
    }
    callDone(true);
}

void MountConnectable::startSession() {
    emit sessionStarted();
    if (!isConnected())
        connectProcedure();
}

void MountConnectable::startNextAction() {
    if (isConnected())
        disconnectProcedure();
    else
        connectProcedure();
}

void MountConnectable::selectDevice(int deviceIndex) {
    if (!isConnected())
        m_helper->selectDevice(deviceIndex);
}

void MountConnectable::cancelSession() {
    emit sessionDone();
    callDone(false);
}

void MountConnectable::helperStatusChanged(bool busy, QString status, QString statusDetail) {
    setStatus(busy, status, statusDetail);
}

void MountConnectable::callDone(bool ok) {
    if (auto done = std::exchange(m_done, nullptr))
        done(ok);
}

void MountConnectable::connectProcedure() {
    m_helper->setModelFilter(acceptModel);
    m_helper->setHandler([weak = weak_from_this()](DeviceSetupFinishedData setup) {
        auto self = weak.lock();
        if (!self)
            return;
        auto work = [setup = std::move(setup)](MountConnectable& session) {
            session.handleDeviceSetup(setup);
        };
        if (onMainThreadNow())
            runDetached(std::move(self), std::move(work));
        else
            runGuarded(std::move(self), std::move(work));
    });
    m_helper->startConnect();
}

void MountConnectable::handleDeviceSetup(const DeviceSetupFinishedData& setup) {
    setStatus(true, kConnecting, QString());
    const auto& device = setup.device;
    const bool read = device && device->readVersion(0).isOk();
    const auto features = read ? device->statusEx() : CmdResp<DeviceFeatures>(CmdRetType_::Other);
    if (!features.isOk()) {
        setStatus(false, kCannotConnect,
                  QStringLiteral(QT_TRANSLATE_NOOP("mount", "Cannot detect mount mode")));
        return;
    }
    MountMode_::E mode = (device->modelId() & 0x80) != 0 ? MountMode_::AZ : MountMode_::EQ;
    if (features.value().feature3) {
        switch (m_settings->dualModeChoice()) {
        case DualModeChoice_::PromptMode:
            onMainThread([setup](MountConnectable& session) {
                session.m_pendingSetup.set(setup);
                emit session.m_modePopup->shouldShow();
            });
            return;
        case DualModeChoice_::UseEQ:
            mode = MountMode_::EQ;
            break;
        default:
            mode = MountMode_::AZ;
            break;
        }
    }
    createMount(mode, setup);
}

void MountConnectable::onModeAnswer(const Nullable<MountMode_::E>& mode) {
    // An answer with no question open (a second click, a stale popup) has nothing to act on.
    if (!m_pendingSetup.hasValue())
        return;
    DeviceSetupFinishedData setup = std::move(m_pendingSetup.value());
    m_pendingSetup.reset();
    if (!mode.hasValue()) {
        setStatus(false, kCannotConnect, QString());
        return;
    }
    runDetached(shared_from_this(),
                [m = mode.value(), setup = std::move(setup)](MountConnectable& session) {
                    session.createMount(m, setup);
                });
}

void MountConnectable::createMount(MountMode_::E mode, const DeviceSetupFinishedData& setup) {
    const auto& device = setup.device;
    if (!m_perMountData->setConnectedMount(mode, device->version(0),
                                           mountKind(m_settings->type(), mode))) {
        // Another mount: the preferences tuned for the previous one do not apply.
        m_appCore->setBacklashAxis1(m_appCore->backlashAxisDefault());
        m_appCore->setBacklashAxis2(m_appCore->backlashAxisDefault());
        m_appCore->setAutoguiderRate1(GuidingSpeed_::X5);
        m_appCore->setAutoguiderRate2(GuidingSpeed_::X5);
        m_appCore->setPScopeLight(0.0);
    }

    NewMount created{mode, {}, {}, {}, setup};
    std::tie(created.mount, created.session) =
        m_mountFactory->create(mode, setup.koConverser, device);
    // Its signals and timers belong with the user interface that watches them.
    created.mount->moveToThread(QCoreApplication::instance()->thread());
    if (setup.converser && !setup.deviceName.empty())
        created.wifi = m_wifiFactory->create(setup.converser, setup.deviceName);
    // A controller that restarted no longer knows where it points: the user connects again and
    // sets the position up afresh, as after switching the mount on. Connected before the
    // preparation starts the link watch, so that a restart it sees before the publication is not
    // lost: queued behind the publication, it ends the session the publication starts.
    if (setup.converser)
        connect(created.mount.get(), &IMount::controllerRestarted, this,
                endsThisMount(created.mount), Qt::QueuedConnection);
    // A preparation that failed because the controller restarted is told as such: "unexpected
    // response" would send the user looking for a fault in the link. Set on whichever thread
    // the mount sees the restart.
    const auto restarted = std::make_shared<std::atomic<bool>>(false);
    connect(
        created.mount.get(), &IMount::controllerRestarted, created.mount.get(),
        [restarted] { restarted->store(true); }, Qt::DirectConnection);

    const CmdRetType_::E prepared = created.mount->prepareAfterConnect();
    if (prepared != CmdRetType_::Ok) {
        setStatus(false, kCannotConnect,
                  restarted->load() ? kRestartedWhileConnecting
                                    : QString::fromUtf8(cmdRetTypeText(prepared)));
        return;
    }
    onMainThread(
        [created = std::move(created)](MountConnectable& session) { session.publish(created); });
}

void MountConnectable::publish(NewMount created) {
    m_modeContainer->setMountMode(created.mode);
    m_mountConnection->setMount(created.mount);
    m_mountConnection->setWifi(created.wifi, created.setup.deviceName);
    m_timeoutForwarder->attach(created.setup.converserTimeout);
    m_session = created.session;
    m_session->commit(true);

    setStatus(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connected")), QString());
    emit sessionDone();
    callDone(true);

    if (created.setup.converser) {
        // Queued: the exchange that timed out runs on a mount worker or task thread, which the
        // disconnect must not pull the mount from under. Only this connection's mount is ended
        // by its link; a late report of an earlier link finds another mount, or none.
        const auto endThisMount = endsThisMount(created.mount);
        // A link that is gone ends the session whatever the flag: every command would time out.
        connect(created.setup.converser.get(), &IConverser::linkLost, this, endThisMount,
                Qt::QueuedConnection);
        if (m_timeoutIsDisconnect)
            connect(created.setup.converser.get(), &IConverser::converseTimeout, this, endThisMount,
                    Qt::QueuedConnection);
    }
}

std::function<void()> MountConnectable::endsThisMount(const std::shared_ptr<IMount>& mount) {
    return [this, weakMount = std::weak_ptr<IMount>(mount)] {
        const auto current = weakMount.lock();
        if (current && current == m_mountConnection->sharedMount())
            disconnectProcedure();
    };
}

void MountConnectable::disconnectProcedure() {
    setStatus(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Disconnecting")), QString());
    m_modeContainer->setMountMode({});
    m_mountConnection->setMount(nullptr);
    m_mountConnection->setWifi(nullptr, std::string());
    m_timeoutForwarder->attach(nullptr);
    if (const auto session = std::exchange(m_session, nullptr))
        session->commit(false);
    emit sessionDone();
    callDone(false);
}

void MountConnectable::setStatus(bool busy, const QString& text, const QString& detail) {
    onMainThread([busy, text, detail](MountConnectable& session) {
        session.m_busy = busy;
        session.m_statusText = text;
        session.m_statusDetailText = detail;
        emit session.statusChanged();
    });
}

void MountConnectable::onMainThread(std::function<void(MountConnectable&)> work) {
    if (onMainThreadNow()) {
        work(*this);
        return;
    }
    // Posted to the application object rather than to this session, so that a post still
    // pending at exit is dropped with the application and lets the session go there.
    postToMainThread([self = shared_from_this(), work = std::move(work)] { work(*self); });
}

void MountConnectable::runGuarded(std::shared_ptr<MountConnectable> self,
                                  std::function<void(MountConnectable&)> work) {
    try {
        work(*self);
    } catch (const std::exception& e) {
        // A mount that answers nonsense must not end the program with it.
        Log("connection: %s", e.what());
        self->setStatus(false, kCannotConnect,
                        QString::fromUtf8(cmdRetTypeText(CmdRetType_::Other)));
    }
    // The last reference may be this one: it goes on the main thread, where the session lives.
    self->onMainThread([](MountConnectable&) {});
}

void MountConnectable::runDetached(std::shared_ptr<MountConnectable> self,
                                   std::function<void(MountConnectable&)> work) {
    runInBackground("mount connection step",
                    [self = std::move(self), work = std::move(work)]() mutable {
                        runGuarded(std::move(self), std::move(work));
                    });
}

} // namespace Ko
