#pragma once

#include <QList>

#include <memory>

class QObject;
class QQmlEngine;

namespace Ko {
struct PDepContainer;
}

// Threads: main thread only.

// Builds every service once, in a fixed order so that each constructor only meets collaborators
// made before it, and publishes the ones QML uses as root-context properties named inj_ + role.
// Each published object is appended to keepAlive right after its property is set, so the list
// ends up in publication order and owns the services until the caller drops it.
void dependencyInjectToQml(QQmlEngine* engine, QList<std::shared_ptr<QObject>>& keepAlive,
                           Ko::PDepContainer& container);
