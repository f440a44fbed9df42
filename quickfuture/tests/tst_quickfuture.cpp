// The QML tests of the future bridge, the promise library and the command-result promises, on the
// program's own resources. QML gets "futures": feeds that hand it futures of each result type,
// which a worker thread of the rig starts, fills and finishes, and a position read of an emulated
// mount.

#include "quickfuture/future.h"

#include "base/threadpool.h"
#include "link/cmdret.h"
#include "link/linkqmltypes.h"
#include "mount/tests/mountcontrolrig.h"

#include <QFutureInterface>
#include <QJSValue>
#include <QPoint>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSize>
#include <QtQuickTest>

#include <functional>
#include <memory>

// One future for QML, of any result type: each call is queued to the rig's worker thread, in
// order, which reports to the future from there.
class FutureFeed : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariant future READ future CONSTANT)
public:
    template <typename T>
    static FutureFeed* make(ThreadPool* worker, QObject* parent) {
        auto state = std::make_shared<QFutureInterface<T>>();
        state->reportStarted();
        const auto report = [state](const QVariant& value) {
            if constexpr (std::is_same_v<T, Ko::CmdRet>)
                state->reportResult(Ko::CmdRet(Ko::CmdRetType_::E(value.toInt())));
            else if constexpr (!std::is_void_v<T>)
                state->reportResult(value.value<T>());
        };
        return new FutureFeed(state, report, QVariant::fromValue(state->future()), worker, parent);
    }

    QVariant future() const { return m_future; }

    Q_INVOKABLE void report(const QVariant& value) {
        // A value made in QML arrives as a script value, which only the engine's own thread may
        // read: it is turned into plain data here, before the worker sees it.
        const QVariant plain = value.metaType() == QMetaType::fromType<QJSValue>()
                                   ? value.value<QJSValue>().toVariant()
                                   : value;
        m_worker->enqueue([report = m_report, plain] { report(plain); });
    }
    Q_INVOKABLE void range(int minimum, int maximum) {
        run([=](QFutureInterfaceBase& f) { f.setProgressRange(minimum, maximum); });
    }
    Q_INVOKABLE void progress(int value) {
        run([=](QFutureInterfaceBase& f) { f.setProgressValue(value); });
    }
    Q_INVOKABLE void suspend() {
        run([](QFutureInterfaceBase& f) { f.setSuspended(true); });
    }
    Q_INVOKABLE void resume() {
        run([](QFutureInterfaceBase& f) { f.setSuspended(false); });
    }
    Q_INVOKABLE void cancel() {
        run([](QFutureInterfaceBase& f) {
            f.cancel();
            f.reportFinished();
        });
    }
    Q_INVOKABLE void finish() {
        run([](QFutureInterfaceBase& f) { f.reportFinished(); });
    }

private:
    FutureFeed(std::shared_ptr<QFutureInterfaceBase> state,
               std::function<void(const QVariant&)> report, QVariant future, ThreadPool* worker,
               QObject* parent)
        : QObject(parent), m_state(std::move(state)), m_report(std::move(report)),
          m_future(std::move(future)), m_worker(worker) {}

    template <class Step>
    void run(Step step) {
        m_worker->enqueue([state = m_state, step] { step(*state); });
    }

    std::shared_ptr<QFutureInterfaceBase> m_state;
    std::function<void(const QVariant&)> m_report;
    QVariant m_future;
    ThreadPool* m_worker;
};

// An adapter that answers every progress read with -1, to show which adapter a type has.
class MarkedIntWrapper : public QuickFuture::VariantWrapper<int> {
public:
    int progressValue(const QVariant&) override { return -1; }
};

class FutureFeeds : public QObject {
    Q_OBJECT
    Q_PROPERTY(int liveWatchers READ liveWatchers)
public:
    ~FutureFeeds() override { shutDown(); }

    int liveWatchers() const { return QuickFuture::liveWatcherCount(); }

    // A running future of type, fed by the worker.
    Q_INVOKABLE QObject* make(const QString& type) {
        using Make = FutureFeed* (*)(ThreadPool*, QObject*);
        static const QHash<QString, Make> makers{
            {"QString", &FutureFeed::make<QString>},
            {"int", &FutureFeed::make<int>},
            {"void", &FutureFeed::make<void>},
            {"bool", &FutureFeed::make<bool>},
            {"qreal", &FutureFeed::make<qreal>},
            {"QByteArray", &FutureFeed::make<QByteArray>},
            {"QVariant", &FutureFeed::make<QVariant>},
            {"QVariantMap", &FutureFeed::make<QVariantMap>},
            {"QSize", &FutureFeed::make<QSize>},
            {"CmdRet", &FutureFeed::make<Ko::CmdRet>},
            {"QPoint", &FutureFeed::make<QPoint>}, // no adapter
        };
        return makers.value(type)(&m_worker, this);
    }
    // Waits until the worker has done every step queued so far.
    Q_INVOKABLE void settle() {
        m_worker.enqueue([] {}).wait();
    }
    // A future of type that the worker has filled with values and finished.
    Q_INVOKABLE QVariant finished(const QString& type, const QVariantList& values) {
        auto* feed = static_cast<FutureFeed*>(make(type));
        for (const QVariant& value : values)
            feed->report(value);
        feed->finish();
        settle();
        return feed->future();
    }

    // An object that QML can hand as an owner and that goes at once when deleted.
    Q_INVOKABLE QObject* newOwner() { return new QObject(this); }
    Q_INVOKABLE void deleteOwner(QObject* owner) { delete owner; }

    Q_INVOKABLE void registerIntAgain() {
        QuickFuture::Future::registerType(qMetaTypeId<QFuture<int>>(), new MarkedIntWrapper());
    }

    // A position read of an emulated mount, connected on first use.
    Q_INVOKABLE QVariant readMountPosition() {
        if (!m_mountRig) {
            m_mountRig = std::make_unique<Ko::MountControlRig>();
            m_mount = m_mountRig->connect();
        }
        return QVariant::fromValue(m_mount->readPositionAsync());
    }

    void shutDown() {
        settle();
        qDeleteAll(findChildren<FutureFeed*>(Qt::FindDirectChildrenOnly));
        m_mount = nullptr;
        m_mountRig.reset();
    }

private:
    // One worker: the steps run in the order QML queued them.
    ThreadPool m_worker{1};
    std::unique_ptr<Ko::MountControlRig> m_mountRig;
    Ko::IMount* m_mount = nullptr;
};

class Setup : public QObject {
    Q_OBJECT
public slots:
    void applicationAvailable() {
        Ko::registerLinkQmlTypes("Ko.AstroBase");
        QuickFuture::Future::registerType<Ko::CmdRet>();
    }
    void qmlEngineAvailable(QQmlEngine* engine) {
        // The program's own modules, from its resources, as the program finds them.
        engine->addImportPath(QStringLiteral("qrc:///"));
        engine->rootContext()->setContextProperty(QStringLiteral("futures"), &m_feeds);
    }
    void cleanupTestCase() { m_feeds.shutDown(); }

private:
    FutureFeeds m_feeds;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_quickfuture, Setup)

#include "tst_quickfuture.moc"
