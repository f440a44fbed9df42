#pragma once

#include <QJSValue>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QVariant>

class QObject;

namespace QuickFuture {

// What QML can do with a future of one result type: the singleton Future keeps one adapter per
// QFuture<T> type and forwards each call, with the future wrapped in a QVariant, to the adapter
// of that type. Adapters hold no state; what a callback or a sync needs lives in the watcher or
// the closure that the call creates.
//
// Threads: main thread only (the QML thread). Futures may be completed on any thread: status reads
// use QFuture's thread-safe accessors and callbacks arrive through watchers that live on the main
// thread.
class VariantWrapperBase {
public:
    virtual ~VariantWrapperBase() = default;

    // Suspending or suspended.
    virtual bool isPaused(const QVariant& future) = 0;
    virtual bool isFinished(const QVariant& future) = 0;
    virtual bool isRunning(const QVariant& future) = 0;
    virtual bool isCanceled(const QVariant& future) = 0;
    virtual int progressValue(const QVariant& future) = 0;
    virtual int progressMinimum(const QVariant& future) = 0;
    virtual int progressMaximum(const QVariant& future) = 0;

    // Result 0, or an invalid QVariant with a warning while it is not ready. Never blocks.
    virtual QVariant result(const QVariant& future) = 0;
    // Every result as a list, or an invalid QVariant with a warning while there is none yet.
    // Once one result is ready this BLOCKS the calling thread, the user-interface thread, until
    // the future has finished: use it only on futures that are finished or known to be short.
    virtual QVariant results(const QVariant& future) = 0;

    // Calls func with result 0 (undefined without one) once the future has finished (has been
    // canceled), always on a later turn of the event loop, never within this call. With an
    // owner, destroying the owner first drops the callback silently.
    virtual void onFinished(QPointer<QQmlEngine> engine, const QVariant& future,
                            const QJSValue& func, QObject* owner) = 0;
    virtual void onCanceled(QPointer<QQmlEngine> engine, const QVariant& future,
                            const QJSValue& func, QObject* owner) = 0;
    // Calls func with each progress value the future reports until it finishes.
    virtual void onProgressValueChanged(QPointer<QQmlEngine> engine, const QVariant& future,
                                        const QJSValue& func) = 0;
    // Writes the status named propertyInFuture ("isFinished", "isRunning", "isPaused") to the
    // target's property propertyInTarget (propertyInFuture when empty), now and at each change
    // until the future has finished.
    virtual void sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
                      const QString& propertyInTarget) = 0;
};

// The status of future named name, read through wrapper; an unknown name warns and gives false.
bool futureStatusByName(VariantWrapperBase* wrapper, const QVariant& future, const QString& name);

// Writes a JavaScript error value as one warning line: "file:line: name: message".
void printJsException(const QJSValue& error);

// How many watchers the adapters have made that still exist; for diagnostics and tests.
int liveWatcherCount();

} // namespace QuickFuture
