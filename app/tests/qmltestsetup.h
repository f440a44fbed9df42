#pragma once

#include "link/cmdret.h"

#include <QFuture>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <vector>

class QQmlEngine;
class QUdpSocket;

namespace Ko {

class FakeScriptedMount;

// A scripted mount in the real holder, for what the emulated mount cannot do (auto home, PPEC
// training, parking at once). Main thread only.
class ScriptedMountHandle : public QObject {
    Q_OBJECT
public:
    ScriptedMountHandle(std::shared_ptr<FakeScriptedMount> mount, QObject* parent);

    // Sets the named states (parked, duringAutoHome, supportsAutoHome, supportsPpec,
    // lastPpecTraining, lastPpecPlayback, pePeriodSec, linkAnswering, hasPolarScopeLED) and then
    // emits the mount's signal of each that changed, as the mount does when it learns a new state.
    Q_INVOKABLE void set(const QVariantMap& values);
    // How the operation's commands end from now on: a CmdRetType value (Ok, Nak, Timeout...).
    Q_INVOKABLE void setResult(const QString& operation, int type);
    // The numeric arguments of every call of the operation, in order.
    Q_INVOKABLE QVariantList calls(const QString& name) const;

private:
    const std::shared_ptr<FakeScriptedMount> m_mount;
};

class FakeMount;
class IMount;
class ScriptedWifiModule;
class WritableMountConnection;

// What QML tests cannot do themselves, published as "testHelper". Main thread only.
class QmlTestHelper : public QObject {
    Q_OBJECT
public:
    QmlTestHelper(QQmlEngine* engine, QString settingsPath);

    // The settings file as it is stored now, read afresh.
    Q_INVOKABLE QVariantMap storedSettings() const;
    // The settings file's bytes as they are now, in base64, for checks that nothing changed it.
    Q_INVOKABLE QString storedSettingsText() const;
    // Publishes standIn under a service's root-context name (e.g. "inj_trackingUI"), in place of
    // the real service, for the pages created after this call; restore() puts the real one back.
    Q_INVOKABLE void publish(const QString& name, QObject* standIn);
    Q_INVOKABLE void restore(const QString& name);
    // Sends a key event straight to item, as the window would deliver it to its focus item;
    // true when the item accepted it. The event carries timestamp (ms), or without one a time
    // later than that of every event sent before, as events made by hand do.
    Q_INVOKABLE bool sendKey(QObject* item, int key, bool press, bool autoRepeat = false,
                             double timestamp = -1);
    // What the simulated location receiver reports from its next switch-on: one fix per entry,
    // [latitude, longitude] in degrees (longitude positive west), 100 ms apart; none by default.
    Q_INVOKABLE void setLocationFixes(const QVariantList& fixes);
    QByteArray locationSentences() const { return m_locationSentences; }
    // Hands a scripted mount with the given states (see ScriptedMountHandle::set) to the real
    // mount holder, as a connection would; null when the holder is not the program's own.
    Q_INVOKABLE QObject* connectScriptedMount(const QVariantMap& values);
    // Empties the holder, as a disconnection does.
    Q_INVOKABLE void disconnectMount();
    // The finished result of a mount command with the outcome type (a CmdRetType), as a mount's
    // write gives it, for the stand-ins of a mount that QML tests make.
    Q_INVOKABLE QFuture<Ko::CmdRet> commandResult(int type) const;
    // Writes a line to the program's log.
    Q_INVOKABLE void log(const QString& line);
    // Sends one request to the window's remote method server over UDP on loopback, as another
    // application does, and returns at once: the window goes on while the server acts.
    Q_INVOKABLE void sendRemoteRequest(const QString& request);
    // A sync taken as the next alignment star, as a remote client's sync does while sync
    // alignment is on (radians); true when the star joined the model.
    Q_INVOKABLE bool sequentialAlign(const QString& name, double ha, double dec, double axis1,
                                     double axis2);

    // A scripted Wi-Fi module for the mount holder, since the emulated mount has none. reads are
    // answered in order: a map {mode, ap: {ssid, pass, channel, wifiSec}, sta: {ssid, pass,
    // fixedIp}, state}, "-" for a read the module does not answer, or "!" for one it refuses; steps
    // as the fake planner takes them ("step", "done", "fail", "cut AP", "cut STA").
    Q_INVOKABLE void attachWifi(const QVariantList& reads, const QStringList& steps);
    Q_INVOKABLE void detachWifi();
    // While held, the module's reads wait, so the service stays busy.
    Q_INVOKABLE void holdWifi(bool held);
    // The settings the module was asked to reach, in order, as maps without the absent halves.
    Q_INVOKABLE QVariantList wifiTargets() const;
    // How many reads the module attached last has started.
    Q_INVOKABLE int wifiReadCount() const;
    // A recording mount takes the current one's place in the holder until restoreMount().
    Q_INVOKABLE void useRecordingMount();
    Q_INVOKABLE void restoreMount();
    // The camera shutter switches the recording mount was asked for, in order.
    Q_INVOKABLE QVariantList shutterCalls() const;
    // The recording mount's link answers, or goes silent: its shutter switches then time out.
    Q_INVOKABLE void setRecordingMountAnswering(bool answering);
    // What the recording mount's position reads give: [hour angle, declination, axis 1, axis 2]
    // in radians, or an empty list for reads that time out (as they do until this is called).
    Q_INVOKABLE void setRecordingMountPosition(const QVariantList& angles);
    // How many GoTos the recording mount was sent.
    Q_INVOKABLE int recordingMountSlewCount() const;
    // Publishes a UI-settings service built afresh over the program's store in place of the
    // current one, as the next start builds it: it reads what the store holds now, such as a
    // padding saved through inj_kvStore that no slider position gives (11 px). restore() puts
    // the first one back.
    Q_INVOKABLE void reloadUiSetting();

    ~QmlTestHelper() override;

private:
    // The service published under name, as QML sees it now.
    QObject* service(const char* name) const;
    WritableMountConnection* holder() const;

    QPointer<QQmlEngine> m_engine;
    const QString m_settingsPath;
    QHash<QString, QVariant> m_originals;
    QByteArray m_locationSentences;
    std::shared_ptr<ScriptedWifiModule> m_wifi;
    std::vector<std::shared_ptr<ScriptedWifiModule>> m_wifiModules;
    std::shared_ptr<FakeMount> m_recordingMount;
    std::shared_ptr<IMount> m_replacedMount;
    std::unique_ptr<QUdpSocket> m_remote;
};

// The setup of every Qt Quick Test program (ko_add_qml_test): scratch home and data folders, a
// settings file that selects the emulated mount in EQ mode, connects at launch, uses day colours
// and no location sensor (or the test folder's own "Settings.txt"), and the real composition root
// on each test file's engine, released after that engine is gone. The location sensor reads a
// simulated receiver (QmlTestHelper::setLocationFixes), since test machines have no positioning.
class QmlTestSetup : public QObject {
    Q_OBJECT
public:
    // testDir: the folder of the program's test files, which may hold its own "Settings.txt".
    explicit QmlTestSetup(QString testDir);

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine* engine);

private:
    const QString m_testDir;
    QTemporaryDir m_home;
};

} // namespace Ko

// The main function of a ko_add_qml_test program; its build names the test folder. The setup is
// compiled once for all of them, so the folder reaches it here.
#define KO_QUICK_TEST_MAIN(name)                                                                   \
    namespace {                                                                                    \
    struct name##Setup : Ko::QmlTestSetup {                                                        \
        name##Setup() : QmlTestSetup(QStringLiteral(KO_QML_TEST_DIR)) {}                           \
    };                                                                                             \
    }                                                                                              \
    QUICK_TEST_MAIN_WITH_SETUP(name, name##Setup)
