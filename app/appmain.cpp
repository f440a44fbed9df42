#include "app/appmain.h"

#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/platformhooks.h"
#include "app/qmlregistration.h"
#include "app/quitonsignal.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QUrl>

namespace Ko {

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
    QuitOnSignal quitOnSignal;
    QIcon::setThemeName(QStringLiteral("app"));
    registerQmlModules();
    registerMetaTypes();

    QList<std::shared_ptr<QObject>> keepAlive;
    PDepContainer container;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:///"));
    dependencyInjectToQml(&engine, keepAlive, container);

    const QUrl url = rootDocumentUrl();
    exitWhenRootNotCreated(engine, &app, url);
    engine.load(url);
    return QGuiApplication::exec();
}

} // namespace Ko
