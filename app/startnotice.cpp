#include "app/startnotice.h"

#include "app/qmlkvstore.h"
#include "base/languagemanager.h"
#include "base/qtkvstore.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <atomic>
#include <cstdio>
#include <memory>

namespace Ko {

namespace {

// The window and what it needs: the engine, a copy of the stored settings held in memory (the
// day or night setting is read from it), and the stored language's catalogues while it shows.
struct NoticeWindow {
    QQmlApplicationEngine engine;
    std::shared_ptr<QtKVStore> settings = std::make_shared<QtKVStore>(QString(), nullptr);
    QmlKVStore qmlSettings{settings};
    std::unique_ptr<LanguageManager> language;

    explicit NoticeWindow(const QString& settingsFile) {
        QFile file(settingsFile);
        if (file.open(QIODevice::ReadOnly))
            settings->setJson(QJsonDocument::fromJson(file.readAll()).object());
        language = std::make_unique<LanguageManager>(settings, &engine);
        engine.rootContext()->setContextProperty(QStringLiteral("inj_kvStore"), &qmlSettings);
        engine.setInitialProperties({{QStringLiteral("language"), language->languageCode()}});
        engine.load(QUrl(QStringLiteral("qrc:/StartNotice.qml")));
    }
    // Destroyed before the engine and the catalogues.
    ~NoticeWindow() {
        for (QObject* root : engine.rootObjects())
            delete root;
    }
    QWindow* window() const {
        const QList<QObject*> roots = engine.rootObjects();
        return roots.isEmpty() ? nullptr : qobject_cast<QWindow*>(roots.first());
    }
};

} // namespace

UrlDelivery::Start StartNotice::claim(UrlDelivery& delivery, const QString& settingsFile,
                                      const QStringList& urls, std::chrono::milliseconds limit,
                                      std::chrono::milliseconds noticeAfter,
                                      std::chrono::milliseconds closeAfter) {
    QThread* const home = QThread::currentThread();
    // Stored by the claim's thread once it is done with delivery, read once it has ended: what it
    // did to delivery is seen here too.
    std::atomic<int> start{-1};
    std::unique_ptr<QThread> claiming(QThread::create([&delivery, &start, &urls, limit, home] {
        const UrlDelivery::Start claimed = delivery.claimOrHandOver(urls, limit);
        delivery.moveToThread(home);
        start.store(int(claimed), std::memory_order_release);
    }));
    delivery.moveToThread(claiming.get());

    QEventLoop loop;
    QObject::connect(claiming.get(), &QThread::finished, &loop, &QEventLoop::quit);
    std::unique_ptr<NoticeWindow> notice;
    QTimer later;
    later.setSingleShot(true);
    // The holder on another machine, from the claim's thread once it knows.
    QString machine;
    QString lockFile;
    const auto nameTheHolder = [&notice, &machine, &lockFile] {
        QWindow* const window = notice ? notice->window() : nullptr;
        if (!window || machine.isEmpty())
            return;
        window->setProperty("holderMachine", machine);
        window->setProperty("lockFile", QDir::toNativeSeparators(lockFile));
    };
    QObject::connect(&later, &QTimer::timeout, &loop, [&notice, &settingsFile, &nameTheHolder] {
        notice = std::make_unique<NoticeWindow>(settingsFile);
        if (notice->window()) {
            std::fputs(kShownLine, stderr);
            std::fflush(stderr);
            nameTheHolder();
        }
    });
    QObject::connect(&delivery, &UrlDelivery::heldOnAnotherMachine, &loop,
                     [&machine, &lockFile, &nameTheHolder](const QString& m, const QString& f) {
                         machine = m;
                         lockFile = f;
                         // Also for a start without a display, where no window says it.
                         std::fprintf(stderr, kElsewhereLine, qPrintable(machine),
                                      qPrintable(lockFile));
                         std::fflush(stderr);
                         nameTheHolder();
                     });
    // Only the end of the holder is awaited, and it is under way.
    QObject::connect(&delivery, &UrlDelivery::holderEnding, &loop, [&later] { later.stop(); });
    later.start(noticeAfter);
    claiming->start();
    loop.exec();
    claiming->wait();
    later.stop();
    const auto claimed = UrlDelivery::Start(start.load(std::memory_order_acquire));

    if (claimed == UrlDelivery::Start::GaveUp) {
        if (!notice) {
            notice = std::make_unique<NoticeWindow>(settingsFile);
            nameTheHolder();
        }
        if (QWindow* window = notice->window()) {
            window->setProperty("gaveUp", true);
            // Until the user has read it, but not for ever: nobody may be looking.
            QObject::connect(window, &QWindow::visibleChanged, &loop, [&loop](bool visible) {
                if (!visible)
                    loop.quit();
            });
            QTimer::singleShot(closeAfter, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    return claimed;
}

} // namespace Ko
