#include "app/tests/qmltestsetup.h"

#include "align/ialignerhelper.h"
#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/qmlregistration.h"
#include "app/tests/scratchhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QQmlContext>
#include <QQmlEngine>

#include <memory>

namespace Ko {

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

QByteArray settingsForTest() {
    QFile own(QStringLiteral(KO_QML_TEST_DIR "/Settings.txt"));
    if (own.open(QIODevice::ReadOnly))
        return own.readAll();
    return kDefaultSettings;
}

// One test file's services, in the order appMain tears them down: the container first, then
// the published services.
struct Roots {
    QList<std::shared_ptr<QObject>> keepAlive;
    PDepContainer container;
};

} // namespace

QmlTestHelper::QmlTestHelper(QQmlEngine* engine, QString settingsPath)
    : m_engine(engine), m_settingsPath(std::move(settingsPath)) {}

QVariantMap QmlTestHelper::storedSettings() const {
    QFile f(m_settingsPath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object().toVariantMap();
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

bool QmlTestHelper::sendKey(QObject* item, int key, bool press, bool autoRepeat) {
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, QString(),
                    autoRepeat);
    event.setAccepted(false);
    QCoreApplication::sendEvent(item, &event);
    return event.isAccepted();
}

bool QmlTestHelper::sequentialAlign(const QString& name, double ha, double dec, double axis1,
                                    double axis2) {
    auto* helper =
        qobject_cast<IAlignerHelper*>(m_engine->rootContext()
                                          ->contextProperty(QStringLiteral("inj_alignerHelper"))
                                          .value<QObject*>());
    return helper && helper->sequentialAlign(name.toStdString(), {ha, dec, axis1, axis2});
}

QmlTestSetup::QmlTestSetup() {
    useScratchHome(m_home.path());
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(settingsForTest()) < 0)
        qFatal("cannot write %s", qPrintable(settingsPath));
    file.close();

    engine->addImportPath(QStringLiteral("qrc:///"));
    auto roots = std::make_shared<Roots>();
    dependencyInjectToQml(engine, roots->keepAlive, roots->container);
    auto* helper = new QmlTestHelper(engine, settingsPath);
    helper->setParent(engine);
    engine->rootContext()->setContextProperty(QStringLiteral("testHelper"), helper);
    // The services outlive the file's QML and go once its engine has gone; otherwise roots pile
    // up and their ports stay held.
    connect(engine, &QObject::destroyed, this, [roots]() mutable {
        roots->container = {};
        roots->keepAlive.clear();
    });
}

} // namespace Ko
