#include "quickfuture/variantwrapperbase.h"

#include "quickfuture/variantwrapper.h"

#include <QtDebug>

namespace QuickFuture {

namespace {

int g_liveWatchers = 0; // main thread only, as the watchers

} // namespace

detail::CountedWatcher::CountedWatcher() {
    ++g_liveWatchers;
}

detail::CountedWatcher::~CountedWatcher() {
    --g_liveWatchers;
}

int liveWatcherCount() {
    return g_liveWatchers;
}

bool futureStatusByName(VariantWrapperBase* wrapper, const QVariant& future, const QString& name) {
    if (name == QLatin1String("isFinished"))
        return wrapper->isFinished(future);
    if (name == QLatin1String("isRunning"))
        return wrapper->isRunning(future);
    if (name == QLatin1String("isPaused"))
        return wrapper->isPaused(future);
    qWarning().noquote() << QStringLiteral("Future: Unknown property: %1").arg(name);
    return false;
}

void printJsException(const QJSValue& error) {
    qWarning() << QStringLiteral("%1:%2: %3: %4")
                      .arg(error.property(QStringLiteral("fileName")).toString(),
                           error.property(QStringLiteral("lineNumber")).toString(),
                           error.property(QStringLiteral("name")).toString(),
                           error.property(QStringLiteral("message")).toString());
}

} // namespace QuickFuture
