#include "app/tests/qmltestsetup.h"

#include <algorithm>

#include "align/ialignerhelper.h"
#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/qmlkvstore.h"
#include "app/qmlregistration.h"
#include "app/tests/scratchhome.h"
#include "app/tests/testports.h"
#include "app/uisetting.h"
#include "base/log.h"
#include "base/qtlocationsensor.h"
#include "mount/tests/fakemount.h"
#include "mount/tests/fakescriptedmount.h"
#include "mount/tests/fakewmprogrammerplanner.h"
#include "mount/writablemountconnection.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QNmeaPositionInfoSource>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUdpSocket>

#include <cmath>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace Ko {

// The fake planner with whole settings to read, reads that can be held, and a record of the
// settings each write step was asked to reach. Reads and steps run on the service's worker.
class ScriptedWifiModule : public FakeWMProgrammerPlanner {
public:
    // An absent setting with refused: the module replied with an error; without: no reply.
    void queueRead(Nullable<WifiSetting> setting, bool refused = false) {
        std::lock_guard lock(m_mutex);
        m_reads.push_back({std::move(setting), refused});
    }
    void hold(bool held) {
        {
            std::lock_guard lock(m_mutex);
            m_held = held;
        }
        m_released.notify_all();
    }
    std::vector<WifiSetting> targets() const {
        std::lock_guard lock(m_mutex);
        return m_targets;
    }
    int readCount() const {
        std::lock_guard lock(m_mutex);
        return m_readCount;
    }

    Nullable<WifiSetting> readAll() override {
        {
            std::unique_lock lock(m_mutex);
            m_released.wait(lock, [this] { return !m_held; });
            ++m_readCount;
            m_refused = false;
            if (!m_reads.empty()) {
                auto [next, refused] = m_reads.front();
                m_reads.pop_front();
                m_refused = refused;
                return next;
            }
        }
        return FakeWMProgrammerPlanner::readAll();
    }
    bool lastReadRefused() const override {
        std::lock_guard lock(m_mutex);
        return m_refused || FakeWMProgrammerPlanner::lastReadRefused();
    }
    WMWriteResult apply(bool staWritten, const WifiSetting& current,
                        const WifiSetting& finalSetting) override {
        {
            std::lock_guard lock(m_mutex);
            m_targets.push_back(finalSetting);
        }
        return FakeWMProgrammerPlanner::apply(staWritten, current, finalSetting);
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::deque<std::pair<Nullable<WifiSetting>, bool>> m_reads;
    bool m_refused = false;
    std::vector<WifiSetting> m_targets;
    bool m_held = false;
    int m_readCount = 0;
};

namespace {

// Emulated mount (connection type 1) in EQ mode (dual-mode choice 1), connected at launch, day
// colours (night mode 0), no location sensor: nothing is looked for on the network.
const char kDefaultSettings[] = R"({
    "cxn.commtype": 1,
    "connect_multi_mountmode": 1,
    "connect_at_start": true,
    "night_mode": 0,
    "loc.use_sensor": false
})";

QByteArray settingsForTest(const QString& testDir) {
    QFile own(testDir + QStringLiteral("/Settings.txt"));
    if (own.open(QIODevice::ReadOnly))
        return own.readAll();
    return kDefaultSettings;
}

// One RMC sentence with its checksum, at the given time of day in tenths of a second.
QByteArray rmcSentence(int tenths, double latDeg, double lonDegWest) {
    const auto dm = [](double deg, int width) {
        const double a = std::abs(deg);
        const int whole = static_cast<int>(a);
        return QByteArray::number(whole).rightJustified(width, '0') +
               QByteArray::number((a - whole) * 60, 'f', 4).rightJustified(7, '0');
    };
    const QByteArray time =
        QByteArray::number(120000 + tenths / 10) + "." + QByteArray::number(tenths % 10) + "00";
    const QByteArray body = "GPRMC," + time + ",A," + dm(latDeg, 2) + "," +
                            (latDeg < 0 ? "S" : "N") + "," + dm(lonDegWest, 3) + "," +
                            (lonDegWest > 0 ? "W" : "E") + ",0.0,0.0,010124,,,A";
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" +
           QByteArray::number(static_cast<uchar>(sum), 16).toUpper().rightJustified(2, '0') +
           "\r\n";
}

// One test file's services, in the order appMain tears them down: the container first, then
// the published services.
struct Roots {
    QList<std::shared_ptr<QObject>> keepAlive;
    PDepContainer container;
};

Nullable<WifiSetting> settingFromMap(const QVariant& v) {
    if (v.typeId() != QMetaType::QVariantMap)
        return {};
    const QVariantMap m = v.toMap();
    WifiSetting s;
    s.mode = WifiMode_::E(m.value("mode", int(WifiMode_::Both)).toInt());
    if (m.contains("ap")) {
        const QVariantMap ap = m.value("ap").toMap();
        s.ap =
            WifiAPSetting{ap.value("ssid").toString().toStdString(),
                          ap.value("pass").toString().toStdString(), ap.value("channel", 6).toInt(),
                          WifiSec_::E(ap.value("wifiSec", int(WifiSec_::WPA2_PSK)).toInt())};
    }
    if (m.contains("sta")) {
        const QVariantMap sta = m.value("sta").toMap();
        s.sta = WifiSTASetting{sta.value("ssid").toString().toStdString(),
                               sta.value("pass").toString().toStdString(),
                               sta.value("fixedIp").toString().toStdString()};
    }
    if (m.contains("state"))
        s.state = WMState_::E(m.value("state").toInt());
    return s;
}

QVariantMap mapFromSetting(const WifiSetting& s) {
    QVariantMap m{{"mode", int(s.mode)}};
    if (s.ap.hasValue()) {
        const WifiAPSetting& ap = s.ap.value();
        m.insert("ap", QVariantMap{{"ssid", QString::fromStdString(ap.ssid)},
                                   {"pass", QString::fromStdString(ap.pass)},
                                   {"channel", ap.channel},
                                   {"wifiSec", int(ap.wifiSec)}});
    }
    if (s.sta.hasValue()) {
        const WifiSTASetting& sta = s.sta.value();
        m.insert("sta", QVariantMap{{"ssid", QString::fromStdString(sta.ssid)},
                                    {"pass", QString::fromStdString(sta.pass)},
                                    {"fixedIp", QString::fromStdString(sta.fixedIp)}});
    }
    return m;
}

} // namespace

QmlTestHelper::QmlTestHelper(QQmlEngine* engine, QString settingsPath)
    : m_engine(engine), m_settingsPath(std::move(settingsPath)) {}

QVariantMap QmlTestHelper::storedSettings() const {
    QFile f(m_settingsPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object().toVariantMap();
}

QString QmlTestHelper::storedSettingsText() const {
    QFile f(m_settingsPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll().toBase64());
}

void QmlTestHelper::publish(const QString& name, QObject* standIn) {
    QQmlContext* context = m_engine->rootContext();
    if (!m_originals.contains(name))
        m_originals.insert(name, context->contextProperty(name));
    context->setContextProperty(name, standIn);
}

void QmlTestHelper::restore(const QString& name) {
    if (m_originals.contains(name))
        m_engine->rootContext()->setContextProperty(name, m_originals.take(name));
}

bool QmlTestHelper::sendKey(QObject* item, int key, bool press, bool autoRepeat, double timestamp) {
    static quint64 clock = 0;
    clock = timestamp >= 0 ? std::max(clock, static_cast<quint64>(timestamp)) : clock + 1;
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(),
                    autoRepeat);
    event.setTimestamp(timestamp >= 0 ? static_cast<quint64>(timestamp) : clock);
    event.setAccepted(false);
    QCoreApplication::sendEvent(item, &event);
    return event.isAccepted();
}

void QmlTestHelper::setLocationFixes(const QVariantList& fixes) {
    m_locationSentences.clear();
    for (int i = 0; i < fixes.size(); ++i) {
        const QVariantList fix = fixes.at(i).toList();
        m_locationSentences += rmcSentence(i, fix.value(0).toDouble(), fix.value(1).toDouble());
    }
}

ScriptedMountHandle::ScriptedMountHandle(std::shared_ptr<FakeScriptedMount> mount, QObject* parent)
    : QObject(parent), m_mount(std::move(mount)) {}

bool QmlTestHelper::sequentialAlign(const QString& name, double ha, double dec, double axis1,
                                    double axis2) {
    auto* helper =
        qobject_cast<IAlignerHelper*>(m_engine->rootContext()
                                          ->contextProperty(QStringLiteral("inj_alignerHelper"))
                                          .value<QObject*>());
    return helper && helper->sequentialAlign(name.toStdString(), {ha, dec, axis1, axis2});
}

void ScriptedMountHandle::set(const QVariantMap& values) {
    FakeScriptedMount::Values v = m_mount->values();
    const FakeScriptedMount::Values before = v;
    v.parked = values.value("parked", v.parked).toBool();
    v.duringAutoHome = values.value("duringAutoHome", v.duringAutoHome).toBool();
    v.supportsAutoHome = values.value("supportsAutoHome", v.supportsAutoHome).toBool();
    v.supportsPpec = values.value("supportsPpec", v.supportsPpec).toBool();
    v.lastPpecTraining = values.value("lastPpecTraining", v.lastPpecTraining).toBool();
    v.pePeriodSec = values.value("pePeriodSec", v.pePeriodSec).toDouble();
    v.lastPpecPlayback = values.value("lastPpecPlayback", v.lastPpecPlayback).toBool();
    v.hasPolarScopeLED = values.value("hasPolarScopeLED", v.hasPolarScopeLED).toBool();
    v.linkAnswering = values.value("linkAnswering", v.linkAnswering).toBool();
    m_mount->setValues(v);
    if (v.parked != before.parked)
        emit m_mount->parkChanged();
    if (v.duringAutoHome != before.duringAutoHome)
        emit m_mount->duringAutoHomeChanged();
    if (v.lastPpecTraining != before.lastPpecTraining)
        emit m_mount->lastPpecTrainingChanged();
    if (v.lastPpecPlayback != before.lastPpecPlayback)
        emit m_mount->lastPpecPlaybackChanged();
    if (v.linkAnswering != before.linkAnswering)
        emit m_mount->linkAnsweringChanged();
}

void ScriptedMountHandle::setResult(const QString& operation, int type) {
    m_mount->setResult(operation.toStdString(), CmdRetType_::E(type));
}

QVariantList ScriptedMountHandle::calls(const QString& name) const {
    QVariantList out;
    for (const FakeScriptedMount::Call& call : m_mount->calls(name.toStdString())) {
        QVariantList args;
        for (double arg : call.args)
            args << arg;
        out << QVariant(args);
    }
    return out;
}

QObject* QmlTestHelper::service(const char* name) const {
    return m_engine->rootContext()->contextProperty(QString::fromLatin1(name)).value<QObject*>();
}

QObject* QmlTestHelper::connectScriptedMount(const QVariantMap& values) {
    auto* holder = qobject_cast<WritableMountConnection*>(service("inj_mountConnection"));
    if (!holder)
        return nullptr;
    auto mount = std::make_shared<FakeScriptedMount>();
    auto* handle = new ScriptedMountHandle(mount, this);
    handle->set(values);
    holder->setMount(mount);
    return handle;
}

void QmlTestHelper::disconnectMount() {
    if (auto* holder = qobject_cast<WritableMountConnection*>(service("inj_mountConnection")))
        holder->disconnect();
}

QFuture<CmdRet> QmlTestHelper::commandResult(int type) const {
    return QtFuture::makeReadyFuture(CmdRet(CmdRetType_::E(type)));
}

void QmlTestHelper::log(const QString& line) {
    Log("%s", qPrintable(line));
}

void QmlTestHelper::sendRemoteRequest(const QString& request) {
    if (!m_remote)
        m_remote = std::make_unique<QUdpSocket>();
    m_remote->writeDatagram(request.toUtf8(), QHostAddress::LocalHost, envPort(kRpcPortEnv, 0));
}

QmlTestHelper::~QmlTestHelper() {
    // A held read would keep the service's worker, and with it the service's end, waiting.
    for (const auto& module : m_wifiModules)
        module->hold(false);
}

WritableMountConnection* QmlTestHelper::holder() const {
    auto* holder = qobject_cast<WritableMountConnection*>(
        m_engine->rootContext()->contextProperty("inj_mountConnection").value<QObject*>());
    if (!holder)
        qFatal("inj_mountConnection is not the writable holder");
    return holder;
}

void QmlTestHelper::attachWifi(const QVariantList& reads, const QStringList& steps) {
    m_wifi = std::make_shared<ScriptedWifiModule>();
    // The service's worker may still be inside an earlier module: keep them all.
    m_wifiModules.push_back(m_wifi);
    for (const QVariant& read : reads)
        m_wifi->queueRead(settingFromMap(read), read.toString() == QStringLiteral("!"));
    m_wifi->scriptSteps(steps);
    holder()->setWifi(m_wifi, "scripted module");
}

void QmlTestHelper::detachWifi() {
    holder()->setWifi(nullptr, {});
}

void QmlTestHelper::holdWifi(bool held) {
    if (m_wifi)
        m_wifi->hold(held);
}

int QmlTestHelper::wifiReadCount() const {
    return m_wifi ? m_wifi->readCount() : 0;
}

QVariantList QmlTestHelper::wifiTargets() const {
    QVariantList out;
    if (m_wifi)
        for (const WifiSetting& s : m_wifi->targets())
            out << mapFromSetting(s);
    return out;
}

void QmlTestHelper::useRecordingMount() {
    m_replacedMount = holder()->sharedMount();
    m_recordingMount = std::make_shared<FakeMount>();
    holder()->setMount(m_recordingMount);
}

void QmlTestHelper::restoreMount() {
    holder()->setMount(m_replacedMount);
    m_replacedMount.reset();
}

void QmlTestHelper::reloadUiSetting() {
    auto* kvStore = qobject_cast<QmlKVStore*>(service("inj_kvStore"));
    if (!kvStore)
        qFatal("no settings store to build the UI settings over");
    auto* fresh = new UISetting(kvStore->store());
    fresh->setParent(this);
    publish(QStringLiteral("inj_uiSetting"), fresh);
}

QVariantList QmlTestHelper::shutterCalls() const {
    QVariantList out;
    if (m_recordingMount)
        for (const FakeMount::ShutterCall& call : m_recordingMount->shutterCalls())
            out << call.on;
    return out;
}

void QmlTestHelper::setRecordingMountPosition(const QVariantList& angles) {
    if (!m_recordingMount)
        return;
    using Reading = CmdResp<IMount::AnglePair>;
    if (angles.size() < 4) {
        m_recordingMount->setReadings(Reading::fail(CmdRetType_::Timeout),
                                      Reading::fail(CmdRetType_::Timeout));
        return;
    }
    m_recordingMount->setReadings(Reading::ok({angles[0].toDouble(), angles[1].toDouble()}),
                                  Reading::ok({angles[2].toDouble(), angles[3].toDouble()}));
}

int QmlTestHelper::recordingMountSlewCount() const {
    return m_recordingMount ? int(m_recordingMount->slews().size()) : 0;
}

void QmlTestHelper::setRecordingMountAnswering(bool answering) {
    if (!m_recordingMount)
        return;
    m_recordingMount->shutterAnswer = answering;
    m_recordingMount->shutterFailure = CmdRetType_::Timeout;
    m_recordingMount->setLinkAnswering(answering);
}

QmlTestSetup::QmlTestSetup(QString testDir) : m_testDir(std::move(testDir)) {
    useScratchHome(m_home.path());
    useTestServerPorts();
}

void QmlTestSetup::applicationAvailable() {
    QIcon::setThemeName(QStringLiteral("app"));
    registerQmlModules();
    registerMetaTypes();
}

void QmlTestSetup::qmlEngineAvailable(QQmlEngine* engine) {
    // Each test file starts from the same stored settings.
    const QString settingsPath = m_home.filePath("data/QuorvelPro/Settings.txt");
    QDir().mkpath(QFileInfo(settingsPath).path());
    QFile file(settingsPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(settingsForTest(m_testDir)) < 0)
        qFatal("cannot write %s", qPrintable(settingsPath));
    file.close();

    engine->addImportPath(QStringLiteral("qrc:///"));
    auto roots = std::make_shared<Roots>();
    dependencyInjectToQml(engine, roots->keepAlive, roots->container);
    auto* helper = new QmlTestHelper(engine, settingsPath);
    helper->setParent(engine);
    engine->rootContext()->setContextProperty(QStringLiteral("testHelper"), helper);
    // Each switch-on replays the helper's fixes from a fresh simulated receiver.
    QPointer<QmlTestHelper> fixes(helper);
    auto sensor = std::make_shared<QtLocationSensor>([fixes](QObject* parent) {
        auto* source = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode, parent);
        auto* buffer = new QBuffer(source);
        buffer->setData(fixes ? fixes->locationSentences() : QByteArray());
        source->setDevice(buffer);
        return source;
    });
    roots->keepAlive.append(sensor);
    engine->rootContext()->setContextProperty(QStringLiteral("inj_locationSensor"), sensor.get());
    // The services outlive the file's QML and go once its engine has gone; otherwise roots pile
    // up and their ports stay held.
    connect(engine, &QObject::destroyed, this, [roots]() mutable {
        roots->container = {};
        roots->keepAlive.clear();
    });
}

} // namespace Ko
