#pragma once

#include "quickfuture/variantwrapper.h"

#include <QFuture>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QVariant>

class QJSEngine;

namespace QuickFuture {

// The QML singleton "Future" of the module "QuickFuture" 1.0: QML code hands it a QFuture of any
// registered type, wrapped in a QVariant, and it forwards the call to the adapter registered for
// that type. A value of a type without an adapter gets a warning naming its type and a neutral
// answer (false, 0, undefined or nothing).
//
// The registry of adapters is process-wide and owns them: filled at start-up, it is emptied when
// the application object is destroyed, after which Future must not be called.
//
// Threads: main thread only (the QML thread), registration included.
class Future : public QObject {
    Q_OBJECT
public:
    explicit Future(QObject* parent = nullptr);

    // Stores wrapper, taking ownership, as the adapter of the metatype typeId. A type that
    // already has one keeps it, with a warning; wrapper is then deleted.
    static void registerType(int typeId, VariantWrapperBase* wrapper);

    // Registers QFuture<T> as a metatype and a VariantWrapper<T> as its adapter.
    template <typename T>
    static void registerType() {
        registerType(qRegisterMetaType<QFuture<T>>(), new VariantWrapper<T>());
    }

    // Builds the promise creator, which Future.promise() uses, on engine; without the module
    // "QuickPromise" it is left unbuilt.
    void setEngine(QQmlEngine* engine);

    // The singleton provider: a new Future on the QML engine, owned by that engine.
    static QObject* create(QQmlEngine* engine, QJSEngine* scriptEngine);

public slots:
    bool isFinished(const QVariant& future);
    bool isRunning(const QVariant& future);
    bool isCanceled(const QVariant& future);
    int progressValue(const QVariant& future);
    int progressMinimum(const QVariant& future);
    int progressMaximum(const QVariant& future);
    // owner: a QObject whose destruction drops the callback; anything else means none.
    void onFinished(const QVariant& future, const QJSValue& func, const QJSValue& owner);
    void onFinished(const QVariant& future, const QJSValue& func);
    void onCanceled(const QVariant& future, const QJSValue& func, const QJSValue& owner);
    void onCanceled(const QVariant& future, const QJSValue& func);
    void onProgressValueChanged(const QVariant& future, const QJSValue& func);
    QVariant result(const QVariant& future);
    // Blocks the user-interface thread until the future has finished once it holds a result:
    // use it only on futures that are finished or known to be short.
    QVariant results(const QVariant& future);
    // A promise of the library "QuickPromise", fulfilled with result 0 when the future finishes
    // and rejected without a reason when it is canceled.
    QJSValue promise(const QJSValue& future);
    void sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
              const QString& propertyInTarget);
    void sync(const QVariant& future, const QString& propertyInFuture, QObject* target);

private:
    QPointer<QQmlEngine> m_engine;
    QJSValue m_promiseCreator;
};

// Registers the singleton and the adapters of the built-in result types. Runs by itself inside
// the constructor of the application object, as a pre-routine of this library.
void init();

} // namespace QuickFuture
