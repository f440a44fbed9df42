#include "app/appmain.h"

#include "app/appversion.h"
#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/platformhooks.h"
#include "app/qmlregistration.h"
#include "app/quitonsignal.h"
#include "app/urldelivery.h"
#include "base/backgroundwork.h"
#include "base/qtfileutil.h"
#include "server/urlapiserver.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QTimer>
#include <QUrl>

namespace Ko {

namespace {

// How long the way out waits for background work: long enough for a link's last exchange to
// time out, short enough that a hung one does not keep the program from ending.
constexpr std::chrono::milliseconds kBackgroundWorkWait{5000};

} // namespace

QUrl rootDocumentUrl() {
    const QString other = qEnvironmentVariable(kRootDocumentEnv);
    if (!other.isEmpty())
        return QUrl::fromUserInput(other, QDir::currentPath(), QUrl::AssumeLocalFile);
    return QUrl(QStringLiteral("qrc:/main.qml"));
}

void exitWhenRootNotCreated(QQmlApplicationEngine& engine, QObject* context, const QUrl& url) {
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, context,
        [url](QObject* object, const QUrl& objectUrl) {
            if (!object && objectUrl == url)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
}

int appMain(int argc, char** argv) {
    linkPlatformInit();
    startupNoOp();

    // The declaration order is the reverse of the teardown order: QML goes first, while every
    // service it may still call exists; the services go in publication order; the application
    // object goes last.
    QGuiApplication app(argc, argv);
    // A URL that another application opens arrives as an argument; a running instance on the
    // same data folder takes it, before this process builds anything.
    UrlDelivery urlDelivery(
        QString::fromStdString(QtFileUtil(AppVersion::appFolderName()).appDataDir()),
        QString::fromLatin1(UrlApiServer::kScheme));
    const QStringList urls =
        UrlDelivery::urlsOfScheme(QGuiApplication::arguments().mid(1), UrlApiServer::kScheme);
    if (!urls.isEmpty() && urlDelivery.forward(urls))
        return 0;
    QuitOnSignal quitOnSignal;
    QIcon::setThemeName(QStringLiteral("app"));
    registerQmlModules();
    registerMetaTypes();

    QList<std::shared_ptr<QObject>> keepAlive;
    PDepContainer container;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:///"));
    dependencyInjectToQml(&engine, keepAlive, container);
    // The scheme's handler exists from here on.
    urlDelivery.listen();
    QTimer::singleShot(0, &urlDelivery, [&urlDelivery, urls] { urlDelivery.deliver(urls); });

    const QUrl url = rootDocumentUrl();
    exitWhenRootNotCreated(engine, &app, url);
    engine.load(url);
    const int code = QGuiApplication::exec();
    // Background jobs use the services: they end (or are given up on) before anything goes. What
    // they handed to the main thread is delivered now, while its receivers exist: dropped with
    // the application object instead, a call holding the last reference to a service would
    // destroy it inside Qt's own teardown, where it can no longer post anything.
    finishBackgroundWork(kBackgroundWorkWait);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

} // namespace Ko
