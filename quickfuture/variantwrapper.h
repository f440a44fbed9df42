#pragma once

#include "quickfuture/variantwrapperbase.h"

#include <QCoreApplication>
#include <QFuture>
#include <QFutureWatcher>
#include <QJSEngine>
#include <QMetaObject>
#include <QVariantList>
#include <QtDebug>

#include <type_traits>

namespace QuickFuture {

namespace detail {

// Counts itself in liveWatcherCount() while it exists.
class CountedWatcher {
public:
    CountedWatcher();
    ~CountedWatcher();
    CountedWatcher(const CountedWatcher&) = delete;
    CountedWatcher& operator=(const CountedWatcher&) = delete;
};

template <typename T>
class Watcher : public QFutureWatcher<T>, private CountedWatcher {
public:
    explicit Watcher(QObject* parent = nullptr) : QFutureWatcher<T>(parent) {}
};

} // namespace detail

// The adapter for futures of T.
// Threads: main thread only, as its base.
template <typename T>
class VariantWrapper : public VariantWrapperBase {
public:
    bool isPaused(const QVariant& future) override {
        const QFuture<T> f = futureOf(future);
        return f.isSuspending() || f.isSuspended();
    }
    bool isFinished(const QVariant& future) override { return futureOf(future).isFinished(); }
    bool isRunning(const QVariant& future) override { return futureOf(future).isRunning(); }
    bool isCanceled(const QVariant& future) override { return futureOf(future).isCanceled(); }
    int progressValue(const QVariant& future) override { return futureOf(future).progressValue(); }
    int progressMinimum(const QVariant& future) override {
        return futureOf(future).progressMinimum();
    }
    int progressMaximum(const QVariant& future) override {
        return futureOf(future).progressMaximum();
    }

    QVariant result(const QVariant& future) override {
        if constexpr (std::is_void_v<T>) {
            return {};
        } else {
            const QFuture<T> f = futureOf(future);
            if (!f.isResultReadyAt(0)) {
                qWarning("Future.result(): The result is not ready!");
                return {};
            }
            return wrap(f.resultAt(0));
        }
    }

    // Blocks until the future has finished once it holds a result; see the base.
    QVariant results(const QVariant& future) override {
        if constexpr (std::is_void_v<T>) {
            return {};
        } else {
            const QFuture<T> f = futureOf(future);
            if (f.resultCount() == 0) {
                qWarning("Future.results(): The result is not ready!");
                return {};
            }
            QVariantList list;
            for (const T& value : f.results())
                list.append(wrap(value));
            return list;
        }
    }

    void onFinished(QPointer<QQmlEngine> engine, const QVariant& future, const QJSValue& func,
                    QObject* owner) override {
        callWhen(engine, futureOf(future), func, owner, false);
    }
    void onCanceled(QPointer<QQmlEngine> engine, const QVariant& future, const QJSValue& func,
                    QObject* owner) override {
        callWhen(engine, futureOf(future), func, owner, true);
    }

    void onProgressValueChanged(QPointer<QQmlEngine> engine, const QVariant& future,
                                const QJSValue& func) override {
        if (!func.isCallable()) {
            qWarning("Future.onProgressValueChanged: Callback is not callable");
            return;
        }
        auto* watcher = new detail::Watcher<T>();
        QObject::connect(watcher, &QFutureWatcherBase::progressValueChanged, watcher,
                         [engine, func](int value) {
                             if (!engine)
                                 return;
                             const QJSValue ret = func.call({QJSValue(value)});
                             if (ret.isError())
                                 printJsException(ret);
                         });
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher] {
            watcher->disconnect();
            watcher->deleteLater();
        });
        watcher->setFuture(futureOf(future));
    }

    void sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
              const QString& propertyInTarget) override {
        const QPointer<QObject> weakTarget(target);
        const QByteArray property =
            (propertyInTarget.isEmpty() ? propertyInFuture : propertyInTarget).toUtf8();
        const auto update = [weakTarget, this, future, propertyInFuture, property] {
            if (weakTarget)
                weakTarget->setProperty(property.constData(), QVariant(futureStatusByName(
                                                                  this, future, propertyInFuture)));
        };
        update();
        const QFuture<T> f = futureOf(future);
        if (f.isFinished())
            return;
        auto* watcher = new detail::Watcher<T>();
        QObject::connect(watcher, &QFutureWatcherBase::canceled, watcher, update);
        QObject::connect(watcher, &QFutureWatcherBase::suspending, watcher, update);
        QObject::connect(watcher, &QFutureWatcherBase::suspended, watcher, update);
        QObject::connect(watcher, &QFutureWatcherBase::resumed, watcher, update);
        QObject::connect(watcher, &QFutureWatcherBase::started, watcher, update);
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, update] {
            update();
            watcher->deleteLater();
        });
        watcher->setFuture(f);
    }

private:
    static QFuture<T> futureOf(const QVariant& future) { return future.value<QFuture<T>>(); }

    template <typename V>
    static QVariant wrap(const V& value) {
        if constexpr (std::is_same_v<V, QVariant>)
            return value;
        else
            return QVariant::fromValue(value);
    }

    // Calls func with result 0, or with nothing at all for a future without results.
    static void callBack(const QPointer<QQmlEngine>& engine, const QFuture<T>& f, QJSValue func) {
        if (!engine)
            return;
        QJSValueList args;
        if constexpr (!std::is_void_v<T>)
            args.append(f.isResultReadyAt(0) ? engine->toScriptValue(f.resultAt(0)) : QJSValue());
        const QJSValue ret = func.call(args);
        if (ret.isError())
            printJsException(ret);
    }

    // onFinished (canceled false) and onCanceled (canceled true).
    static void callWhen(QPointer<QQmlEngine> engine, const QFuture<T>& f, const QJSValue& func,
                         QObject* owner, bool canceled) {
        if (!func.isCallable()) {
            if (canceled)
                qWarning("Future.onCanceled: Callback is not callable");
            else
                qWarning("Future.onFinished: Callback is not callable");
            return;
        }
        if (canceled ? f.isCanceled() : f.isFinished()) {
            // Posted even now, so that a caller never sees its callback run inside the call.
            const bool hasOwner = owner != nullptr;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [hasOwner, weakOwner = QPointer<QObject>(owner), engine, func, f] {
                    if (hasOwner && !weakOwner)
                        return;
                    callBack(engine, f, func);
                },
                Qt::QueuedConnection);
            return;
        }
        auto* watcher = new detail::Watcher<T>(owner);
        const auto signal =
            canceled ? &QFutureWatcherBase::canceled : &QFutureWatcherBase::finished;
        QObject::connect(watcher, signal, watcher, [watcher, engine, func, f] {
            watcher->disconnect();
            callBack(engine, f, func);
            watcher->deleteLater();
        });
        if (canceled) {
            // A future that ends without being canceled never sends canceled: the watcher goes
            // when it finishes instead of waiting for its owner, or for the end of the process.
            QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher] {
                watcher->disconnect();
                watcher->deleteLater();
            });
        }
        watcher->setFuture(f);
    }
};

} // namespace QuickFuture
