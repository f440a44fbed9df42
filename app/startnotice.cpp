#include "app/startnotice.h"

#include "base/languagemanager.h"

#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <optional>

namespace Ko {

namespace {

// The window and what it needs: the engine, and the system language's catalogues while it shows.
struct NoticeWindow {
    QQmlApplicationEngine engine;
    std::unique_ptr<LanguageManager> language;

    NoticeWindow() {
        language = std::make_unique<LanguageManager>(nullptr, &engine);
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

UrlDelivery::Start StartNotice::claim(UrlDelivery& delivery, const QStringList& urls,
                                      std::chrono::milliseconds limit,
                                      std::chrono::milliseconds noticeAfter,
                                      std::chrono::milliseconds closeAfter) {
    QThread* const home = QThread::currentThread();
    // Written by the claim's thread, read once it has ended.
    std::optional<UrlDelivery::Start> start;
    std::unique_ptr<QThread> claiming(QThread::create([&delivery, &start, &urls, limit, home] {
        start = delivery.claimOrHandOver(urls, limit);
        delivery.moveToThread(home);
    }));
    delivery.moveToThread(claiming.get());

    QEventLoop loop;
    QObject::connect(claiming.get(), &QThread::finished, &loop, &QEventLoop::quit);
    std::unique_ptr<NoticeWindow> notice;
    QTimer later;
    later.setSingleShot(true);
    QObject::connect(&later, &QTimer::timeout, &loop, [&notice] {
        notice = std::make_unique<NoticeWindow>();
        if (notice->window()) {
            std::fputs(kShownLine, stderr);
            std::fflush(stderr);
        }
    });
    later.start(noticeAfter);
    claiming->start();
    loop.exec();
    claiming->wait();
    later.stop();

    if (*start == UrlDelivery::Start::GaveUp) {
        if (!notice)
            notice = std::make_unique<NoticeWindow>();
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
    return *start;
}

} // namespace Ko
