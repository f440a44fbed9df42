#include "quickfuture/future.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QQmlComponent>
#include <QSize>
#include <QVariantMap>
#include <QtDebug>

#include <map>
#include <memory>

namespace QuickFuture {

namespace {

using Registry = std::map<int, std::unique_ptr<VariantWrapperBase>>;

Registry& registry() {
    static Registry adapters;
    return adapters;
}

// The adapter of the value's type, or null after the warning "<prefix>: Can not handle input
// data type: <type>".
VariantWrapperBase* adapterOf(const QVariant& future, const char* prefix) {
    const auto it = registry().find(future.userType());
    if (it != registry().end())
        return it->second.get();
    qWarning() << QStringLiteral("%1: Can not handle input data type: %2")
                      .arg(QLatin1String(prefix), QLatin1String(future.typeName()));
    return nullptr;
}

constexpr const char* kCommon = "Future";

// Resolves or rejects a promise of the library when the future ends.
constexpr char kPromiseCreator[] = "import QtQuick 2.0\n"
                                   "import QuickPromise 1.0\n"
                                   "import QuickFuture 1.0\n"
                                   "QtObject { \n"
                                   "function create(future) {\n"
                                   "    var promise = Q.promise();\n"
                                   "    Future.onFinished(future, function(value) {\n"
                                   "        if (Future.isCanceled(future)) {\n"
                                   "            promise.reject();\n"
                                   "        } else {\n"
                                   "            promise.resolve(value);\n"
                                   "        }\n"
                                   "    });\n"
                                   "    return promise;\n"
                                   "}\n"
                                   "}\n";

} // namespace

// A static library keeps this file, and with it the pre-routine, only when the program uses a
// symbol defined here: the program's start-up does, when it registers its own result type.
Q_COREAPP_STARTUP_FUNCTION(init)

void init() {
    // The adapters go with the application object, not at process exit, when Qt is gone.
    auto* guard = new QObject(QCoreApplication::instance());
    QObject::connect(guard, &QObject::destroyed, [] { registry().clear(); });

    qmlRegisterSingletonType<Future>("QuickFuture", 1, 0, "Future", &Future::create);

    Future::registerType<QString>();
    Future::registerType<int>();
    Future::registerType<void>();
    Future::registerType<bool>();
    Future::registerType<qreal>();
    Future::registerType<QByteArray>();
    Future::registerType<QVariant>();
    Future::registerType<QVariantMap>();
    Future::registerType<QSize>();
}

Future::Future(QObject* parent) : QObject(parent) {}

void Future::registerType(int typeId, VariantWrapperBase* wrapper) {
    std::unique_ptr<VariantWrapperBase> owned(wrapper);
    auto& adapters = registry();
    if (adapters.count(typeId)) {
        qWarning() << QStringLiteral("QuickFuture::registerType:It is already registered:%1")
                          .arg(QLatin1String(QMetaType(typeId).name()));
        return;
    }
    adapters.emplace(typeId, std::move(owned));
}

void Future::setEngine(QQmlEngine* engine) {
    m_engine = engine;
    if (!engine)
        return;
    QQmlComponent component(engine);
    component.setData(QByteArray(kPromiseCreator), QUrl());
    QObject* creator = component.create();
    if (!creator)
        return;
    // A created object belongs to its creator; this one lives as long as the engine holds it.
    QJSEngine::setObjectOwnership(creator, QJSEngine::JavaScriptOwnership);
    m_promiseCreator = engine->newQObject(creator);
}

QObject* Future::create(QQmlEngine* engine, QJSEngine*) {
    auto* future = new Future();
    future->setEngine(engine);
    return future;
}

bool Future::isFinished(const QVariant& future) {
    auto* adapter = adapterOf(future, kCommon);
    return adapter && adapter->isFinished(future);
}

bool Future::isRunning(const QVariant& future) {
    auto* adapter = adapterOf(future, kCommon);
    return adapter && adapter->isRunning(future);
}

bool Future::isCanceled(const QVariant& future) {
    auto* adapter = adapterOf(future, "Future.isCanceled");
    return adapter && adapter->isCanceled(future);
}

int Future::progressValue(const QVariant& future) {
    auto* adapter = adapterOf(future, "Future.progressValue");
    return adapter ? adapter->progressValue(future) : 0;
}

int Future::progressMinimum(const QVariant& future) {
    auto* adapter = adapterOf(future, "Future.progressMinimum");
    return adapter ? adapter->progressMinimum(future) : 0;
}

int Future::progressMaximum(const QVariant& future) {
    auto* adapter = adapterOf(future, "Future.progressMaximum");
    return adapter ? adapter->progressMaximum(future) : 0;
}

void Future::onFinished(const QVariant& future, const QJSValue& func, const QJSValue& owner) {
    if (auto* adapter = adapterOf(future, kCommon))
        adapter->onFinished(m_engine, future, func, owner.toQObject());
}

void Future::onFinished(const QVariant& future, const QJSValue& func) {
    onFinished(future, func, QJSValue());
}

void Future::onCanceled(const QVariant& future, const QJSValue& func, const QJSValue& owner) {
    if (auto* adapter = adapterOf(future, kCommon))
        adapter->onCanceled(m_engine, future, func, owner.toQObject());
}

void Future::onCanceled(const QVariant& future, const QJSValue& func) {
    onCanceled(future, func, QJSValue());
}

void Future::onProgressValueChanged(const QVariant& future, const QJSValue& func) {
    if (auto* adapter = adapterOf(future, "Future.onProgressValueChanged"))
        adapter->onProgressValueChanged(m_engine, future, func);
}

QVariant Future::result(const QVariant& future) {
    auto* adapter = adapterOf(future, kCommon);
    return adapter ? adapter->result(future) : QVariant();
}

QVariant Future::results(const QVariant& future) {
    auto* adapter = adapterOf(future, kCommon);
    return adapter ? adapter->results(future) : QVariant();
}

QJSValue Future::promise(const QJSValue& future) {
    const QJSValue create = m_promiseCreator.property(QStringLiteral("create"));
    const QJSValue promise = create.callWithInstance(m_promiseCreator, {future});
    if (promise.isError() || promise.isUndefined()) {
        qWarning("Future.promise: QuickPromise is not installed or setup properly");
        return QJSValue();
    }
    return promise;
}

void Future::sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
                  const QString& propertyInTarget) {
    if (auto* adapter = adapterOf(future, kCommon))
        adapter->sync(future, propertyInFuture, target, propertyInTarget);
}

void Future::sync(const QVariant& future, const QString& propertyInFuture, QObject* target) {
    sync(future, propertyInFuture, target, QString());
}

} // namespace QuickFuture
