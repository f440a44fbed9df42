#pragma once

// Work that leaves its caller's thread, in one place. Every background job runs on a thread of
// its own and is counted until it returns, so that the program, on its way out, waits for all of
// them (bounded) before the services they use are destroyed; no thread is ever left unaccounted.
// Results travel back to the thread that owns their receiver and are dropped when the receiver
// is gone, and objects that worker threads may hold last are destroyed on their owner's thread.
//
// Each header of the tree names which threads may call it, by one of three rules: "main thread
// only", "any thread", or "a task's own thread" (a background job or a mount task, never the
// main thread, because it blocks).
// Threads: any thread, except that a Handover is made on its receiver's thread.

#include <QMetaObject>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace Ko {

// Any thread. Starts job on a new thread and counts it until it returns; name says, in the log
// line of a shutdown that gave up waiting, what did not end. stop, when given, asks the job to
// end early (a cancellation); shutdown calls it, from its own thread, while the job runs, and at
// once for a job started while shutdown waits. An
// exception leaving the job is logged and ends only the job. Throws std::system_error when no
// thread can be made.
void runInBackground(std::string name, std::function<void()> job, std::function<void()> stop = {});

// Any thread. Asks every running job that can be stopped to stop, then waits until no
// background job runs or timeout has passed. Returns true when none runs; otherwise logs the
// names of those still running and returns false. A job that calls it does not wait for itself.
bool finishBackgroundWork(std::chrono::milliseconds timeout);

// Any thread. How many background jobs run now.
int backgroundJobCount();

// Hands calls from any thread to one receiver's thread. A call runs later on that thread, never
// inside post(); a call posted after the receiver is destroyed, or still queued when it is, is
// dropped (with whatever it captured, on the receiver's thread or at exit). A call is handed
// over under a lock of this class's own, which race detectors see; the event that tells the
// receiver's thread to take it carries nothing. Made on the receiver's thread (it gives the
// receiver a child object); post() and destruction from any thread. Calls posted before a
// Handover goes still run; then its child and its hook on the receiver go too, so a long-lived
// receiver that is handed one per request carries no trace of the requests that are over.
class Handover {
public:
    explicit Handover(QObject* receiver);
    ~Handover();
    Handover(const Handover&) = delete;
    Handover& operator=(const Handover&) = delete;

    void post(std::function<void()> call);
    // At once when called on the receiver's thread (while it lives), otherwise as post().
    void run(std::function<void()> call);

private:
    void handOver(std::function<void()> call, bool atOnceOnItsThread);

    struct State;
    const std::shared_ptr<State> m_state;
    QMetaObject::Connection m_destroyedHook;
};

// Any thread. Runs call later on the main thread; dropped when there is no application object
// (or it goes before the call runs).
void postToMainThread(std::function<void()> call);

// Any thread. Runs call at once when called on the main thread, otherwise as postToMainThread.
void runOnMainThread(std::function<void()> call);

// The owner's thread: runs report later on it, never inside the callback that detected the event;
// dropped when owner is destroyed first.
template <class F>
void reportLater(QObject* owner, F report) {
    QMetaObject::invokeMethod(owner, std::move(report), Qt::QueuedConnection);
}

// Destroys an object on the thread it lives on: at once when called there (or when that thread
// has ended), otherwise queued to that thread's event loop. For objects whose destructor talks
// to their thread's platform objects or waits for threads that may hold the last reference.
struct OwnerThreadDeleter {
    void operator()(QObject* object) const;
};

template <class T, class... Args>
std::shared_ptr<T> makeOnOwnerThread(Args&&... args) {
    return std::shared_ptr<T>(new T(std::forward<Args>(args)...), OwnerThreadDeleter{});
}

// Always deletes through the owner thread's event loop, even on that thread: for an object that
// may be the one reporting right now.
struct LaterDeleter {
    void operator()(QObject* object) const { object->deleteLater(); }
};

} // namespace Ko
