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
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <atomic>
#include <cstdio>
#include <memory>

namespace Ko {

// The window and what it needs: the engine, a copy of the stored settings held in memory (the
// day or night setting is read from it), and the stored language's catalogues while it shows.
struct StartNotice::Window::Parts {
    QQmlApplicationEngine engine;
    std::shared_ptr<QtKVStore> settings = std::make_shared<QtKVStore>(QString(), nullptr);
    QmlKVStore qmlSettings{settings};
    std::unique_ptr<LanguageManager> language;

    // Destroyed before the engine and the catalogues.
    ~Parts() {
        for (QObject* root : engine.rootObjects())
            delete root;
    }
};

StartNotice::Window::Window(const QString& settingsFile) : m_parts(std::make_unique<Parts>()) {
    QFile file(settingsFile);
    if (file.open(QIODevice::ReadOnly))
        m_parts->settings->setJson(QJsonDocument::fromJson(file.readAll()).object());
    m_parts->language = std::make_unique<LanguageManager>(m_parts->settings, &m_parts->engine);
    m_parts->engine.rootContext()->setContextProperty(QStringLiteral("inj_kvStore"),
                                                      &m_parts->qmlSettings);
    m_parts->engine.setInitialProperties(
        {{QStringLiteral("language"), m_parts->language->languageCode()}});
    m_parts->engine.load(QUrl(QStringLiteral("qrc:/StartNotice.qml")));
}

StartNotice::Window::~Window() = default;

QWindow* StartNotice::Window::window() const {
    const QList<QObject*> roots = m_parts->engine.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QWindow*>(roots.first());
}

void StartNotice::Window::setGaveUp(bool gaveUp) {
    if (QWindow* const shown = window())
        shown->setProperty("gaveUp", gaveUp);
}

void StartNotice::Window::name(const DataFolderLock::Holder& holder, const QString& lockFile) {
    QWindow* const shown = window();
    if (!shown)
        return;
    using Kind = DataFolderLock::Holder::Kind;
    const char* kind = "";
    switch (holder.kind) {
    case Kind::ThisComputer:
        break;
    case Kind::OtherComputer:
        kind = "computer";
        break;
    case Kind::SameName:
        kind = "sameName";
        break;
    case Kind::OtherUser:
        kind = "user";
        break;
    }
    shown->setProperty("holderKind", QString::fromLatin1(kind));
    shown->setProperty("holderName", holder.name);
    shown->setProperty("lockFile", QDir::toNativeSeparators(lockFile));
}

UrlDelivery::Start StartNotice::claim(UrlDelivery& delivery, const QString& dataFolder,
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
    const QString settingsFile = QDir(dataFolder).filePath(QStringLiteral("Settings.txt"));
    const QString lockFile =
        QDir(dataFolder).filePath(QString::fromLatin1(DataFolderLock::kFileName));
    std::unique_ptr<Window> notice;
    QTimer later;
    later.setSingleShot(true);
    // Who holds the folder, as far as the claim's thread has told and the lock file's owner
    // shows; the file is not read here while the claim may take it.
    DataFolderLock::Holder holder;
    const auto nameTheHolder = [&notice, &holder, &lockFile] {
        if (notice)
            notice->name(holder, lockFile);
    };
    QObject::connect(&later, &QTimer::timeout, &loop,
                     [&notice, &settingsFile, &holder, &lockFile, &nameTheHolder] {
                         notice = std::make_unique<Window>(settingsFile);
                         // Whose it is tells without opening it.
                         if (holder.kind == DataFolderLock::Holder::Kind::ThisComputer)
                             holder = DataFolderLock::holderOf(lockFile, false);
                         if (notice->window()) {
                             std::fputs(kShownLine, stderr);
                             std::fflush(stderr);
                             nameTheHolder();
                         }
                     });
    QObject::connect(&delivery, &UrlDelivery::heldOnAnotherMachine, &loop,
                     [&holder, &nameTheHolder](const QString& machine, const QString& file) {
                         // This computer's own name: not this installation.
                         holder = {machine == QSysInfo::machineHostName()
                                       ? DataFolderLock::Holder::Kind::SameName
                                       : DataFolderLock::Holder::Kind::OtherComputer,
                                   machine};
                         // Also for a start without a display, where no window says it.
                         std::fprintf(stderr, kElsewhereLine, qPrintable(machine),
                                      qPrintable(file));
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
        // The holder's lock as it lies now, which this process no longer tries to take.
        holder = DataFolderLock::holderOf(lockFile);
        if (holder.kind == DataFolderLock::Holder::Kind::OtherUser)
            std::fprintf(stderr, kOtherUserLine, qPrintable(holder.name), qPrintable(lockFile));
        if (!notice)
            notice = std::make_unique<Window>(settingsFile);
        nameTheHolder();
        notice->setGaveUp(true);
        if (QWindow* window = notice->window()) {
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
