// The QML tests of the future bridge, the promise library and the command-result promises, on the
// program's own resources. QML gets "futures": feeds that hand it futures of each result type,
// which a worker thread of the rig starts, fills and finishes, and a position read of an emulated
// mount.

#include "quickfuture/future.h"

#include "link/cmdret.h"
#include "link/linkqmltypes.h"
#include "mount/tests/mountcontrolrig.h"

#include <QPoint>
#include <QPromise>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSize>
#include <QThreadPool>
#include <QtQuickTest>

#include <memory>

namespace {

// The producer side of one future, whatever its result type; every call runs on the worker.
class Producer {
public:
    virtual ~Producer() = default;
    virtual QVariant future() const = 0;
    virtual void report(const QVariant& value) = 0;
    virtual void range(int minimum, int maximum) = 0;
    virtual void progress(int value) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void cancel() = 0;
    virtual void finish() = 0;
};

template <typename T>
class TypedProducer : public Producer {
public:
    TypedProducer() : m_future(m_promise.future()) { m_promise.start(); }
    QVariant future() const override { return QVariant::fromValue(m_future); }
    void report(const QVariant& value) override {
        if constexpr (std::is_same_v<T, Ko::CmdRet>)
            m_promise.addResult(Ko::CmdRet(Ko::CmdRetType_::E(value.toInt())));
        else if constexpr (!std::is_void_v<T>)
            m_promise.addResult(value.value<T>());
    }
    void range(int minimum, int maximum) override { m_promise.setProgressRange(minimum, maximum); }
    void progress(int value) override { m_promise.setProgressValue(value); }
    void suspend() override { m_future.suspend(); }
    void resume() override { m_future.resume(); }
    void cancel() override {
        m_future.cancel();
        m_promise.finish();
    }
    void finish() override { m_promise.finish(); }

private:
    QPromise<T> m_promise;
    QFuture<T> m_future;
};

std::shared_ptr<Producer> makeProducer(const QString& type) {
    if (type == "QString")
        return std::make_shared<TypedProducer<QString>>();
    if (type == "int")
        return std::make_shared<TypedProducer<int>>();
    if (type == "void")
        return std::make_shared<TypedProducer<void>>();
    if (type == "bool")
        return std::make_shared<TypedProducer<bool>>();
    if (type == "qreal")
        return std::make_shared<TypedProducer<qreal>>();
    if (type == "QByteArray")
        return std::make_shared<TypedProducer<QByteArray>>();
    if (type == "QVariant")
        return std::make_shared<TypedProducer<QVariant>>();
    if (type == "QVariantMap")
        return std::make_shared<TypedProducer<QVariantMap>>();
    if (type == "QSize")
        return std::make_shared<TypedProducer<QSize>>();
    if (type == "CmdRet")
        return std::make_shared<TypedProducer<Ko::CmdRet>>();
    if (type == "QPoint") // no adapter
        return std::make_shared<TypedProducer<QPoint>>();
    qFatal("no producer for %s", qPrintable(type));
}

} // namespace

// One future for QML: each call is queued to the rig's worker thread, in order.
class FutureFeed : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariant future READ future CONSTANT)
public:
    FutureFeed(std::shared_ptr<Producer> producer, QThreadPool* worker, QObject* parent)
        : QObject(parent), m_producer(std::move(producer)), m_worker(worker) {}
    QVariant future() const { return m_producer->future(); }

    Q_INVOKABLE void report(const QVariant& value) {
        run([value](Producer& p) { p.report(value); });
    }
    Q_INVOKABLE void range(int minimum, int maximum) {
        run([=](Producer& p) { p.range(minimum, maximum); });
    }
    Q_INVOKABLE void progress(int value) {
        run([=](Producer& p) { p.progress(value); });
    }
    Q_INVOKABLE void suspend() {
        run([](Producer& p) { p.suspend(); });
    }
    Q_INVOKABLE void resume() {
        run([](Producer& p) { p.resume(); });
    }
    Q_INVOKABLE void cancel() {
        run([](Producer& p) { p.cancel(); });
    }
    Q_INVOKABLE void finish() {
        run([](Producer& p) { p.finish(); });
    }

private:
    template <class Step>
    void run(Step step) {
        m_worker->start([producer = m_producer, step] { step(*producer); });
    }

    std::shared_ptr<Producer> m_producer;
    QThreadPool* m_worker;
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
    FutureFeeds() { m_worker.setMaxThreadCount(1); }
    ~FutureFeeds() override { shutDown(); }

    int liveWatchers() const { return QuickFuture::liveWatcherCount(); }

    // A running future of type, fed by the worker.
    Q_INVOKABLE QObject* make(const QString& type) {
        return new FutureFeed(makeProducer(type), &m_worker, this);
    }
    // Waits until the worker has done every step queued so far.
    Q_INVOKABLE void settle() { m_worker.waitForDone(); }
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
        // The feeds go first: an unfinished future is canceled and finished by its producer.
        qDeleteAll(findChildren<FutureFeed*>(Qt::FindDirectChildrenOnly));
        m_mount = nullptr;
        m_mountRig.reset();
    }

private:
    QThreadPool m_worker;
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
