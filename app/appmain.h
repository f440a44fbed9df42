#pragma once

class QObject;
class QQmlApplicationEngine;
class QUrl;

namespace Ko {

// Threads: main thread only.

// Names another root document (a URL or a file path) in place of "qrc:/main.qml"; for tests.
inline constexpr char kRootDocumentEnv[] = "KO_ROOT_QML";

QUrl rootDocumentUrl();

// Ends the event loop with -1 once it runs when the engine reports that the root document at url
// was not created. Queued, because the engine reports during load, before the loop starts.
void exitWhenRootNotCreated(QQmlApplicationEngine& engine, QObject* context, const QUrl& url);

// Destroys the engine's root objects and the pages on their stacks, while the engine, its context
// properties and every service still exist: no binding of theirs runs during the engine's own
// teardown. The engine stays, empty.
void takeDownQml(QQmlApplicationEngine& engine);

// The whole program: returns what the event loop returns, -1 when the root document failed.
int appMain(int argc, char** argv);

} // namespace Ko
