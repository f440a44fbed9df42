#pragma once

#include <chrono>

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

// A background job that the close gave up waiting for still holds the services it uses. Were the
// last of them to go on the job's thread once the application object is gone, their destructors
// would find no application (translators to remove, timers to stop, deletions to post). So the
// application object waits for the jobs once more, for up to wait, after the services were let
// go; what they handed to the main thread is delivered; and when some still run, the process ends
// there with the exit code, leaving them and what they hold to the system.
// Declared after the application object and before the services, so that it goes between them.
class JobsBeforeApplication {
public:
    explicit JobsBeforeApplication(std::chrono::milliseconds wait);
    ~JobsBeforeApplication();
    JobsBeforeApplication(const JobsBeforeApplication&) = delete;
    JobsBeforeApplication& operator=(const JobsBeforeApplication&) = delete;

    void setExitCode(int code) { m_code = code; }

private:
    const std::chrono::milliseconds m_wait;
    int m_code = 0;
};

// Destroys the engine's root objects and the pages on their stacks, while the engine, its context
// properties and every service still exist: no binding of theirs runs during the engine's own
// teardown. The engine stays, empty.
void takeDownQml(QQmlApplicationEngine& engine);

// The whole program: returns what the event loop returns, -1 when the root document failed.
int appMain(int argc, char** argv);

} // namespace Ko
