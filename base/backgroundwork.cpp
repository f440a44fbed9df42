#include "base/backgroundwork.h"

#include "base/log.h"

#include <QCoreApplication>
#include <QThread>

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <list>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace Ko {

namespace {

// Threads are joined, never detached: a finished one is joined by the next start or wait, so a
// thread's end is ordered before whatever follows the join.
struct Job {
    std::string name;
    std::function<void()> stop;
    std::thread thread;
    bool done = false;
};

struct Registry {
    std::mutex mutex;
    std::condition_variable changed;
    // Guarded by mutex.
    std::map<uint64_t, Job> jobs;
    uint64_t nextId = 1;
    // How many calls of finishBackgroundWork are waiting: a job started meanwhile (a task that
    // follows a cancelled one) is asked to stop at once.
    int finishing = 0;

    // Takes the finished threads out under the lock; the caller joins them after unlocking.
    std::vector<std::thread> takeFinishedLocked() {
        std::vector<std::thread> finished;
        for (auto it = jobs.begin(); it != jobs.end();) {
            if (it->second.done) {
                finished.push_back(std::move(it->second.thread));
                it = jobs.erase(it);
            } else {
                ++it;
            }
        }
        return finished;
    }
};

// How long the process, on its way out, waits for jobs nobody waited for (a test's last task
// threads): their threads are joined before it ends.
constexpr std::chrono::milliseconds kExitWait{5000};

// Never destroyed: a thread still running at exit keeps its entry, and destroying a joinable
// std::thread would end the process.
Registry& registry() {
    static Registry* const r = [] {
        auto* made = new Registry;
        std::atexit([] { finishBackgroundWork(kExitWait); });
        return made;
    }();
    return *r;
}

thread_local uint64_t t_currentJob = 0;

void joinAll(std::vector<std::thread>& threads) {
    for (auto& t : threads)
        t.join();
}

void jobMain(uint64_t id, const std::string& name, std::function<void()> job) {
    t_currentJob = id;
    try {
        job();
    } catch (const std::exception& e) {
        Log("Background job %s failed: %s", name.c_str(), e.what());
    } catch (...) {
        Log("Background job %s failed", name.c_str());
    }
    // What the job captured goes before it counts as done.
    job = nullptr;
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        r.jobs.at(id).done = true;
    }
    r.changed.notify_all();
}

} // namespace

void runInBackground(std::string name, std::function<void()> job, std::function<void()> stop) {
    Registry& r = registry();
    std::vector<std::thread> finished;
    bool stopNow = false;
    {
        std::lock_guard lock(r.mutex);
        finished = r.takeFinishedLocked();
        const uint64_t id = r.nextId++;
        Job& entry = r.jobs[id];
        entry.name = name;
        entry.stop = stop;
        stopNow = stop && r.finishing > 0;
        try {
            // The new thread marks its entry done under this lock, so it finds it in place.
            entry.thread = std::thread(jobMain, id, std::move(name), std::move(job));
        } catch (...) {
            r.jobs.erase(id);
            throw;
        }
    }
    if (stopNow)
        stop();
    joinAll(finished);
}

bool finishBackgroundWork(std::chrono::milliseconds timeout) {
    Registry& r = registry();
    std::vector<std::function<void()>> stops;
    {
        std::lock_guard lock(r.mutex);
        ++r.finishing;
        for (const auto& [id, job] : r.jobs) {
            if (!job.done && job.stop && id != t_currentJob)
                stops.push_back(job.stop);
        }
    }
    // Outside the lock: a stop may start or end jobs itself.
    for (const auto& stop : stops)
        stop();

    const auto othersDone = [&] {
        for (const auto& [id, job] : r.jobs) {
            if (!job.done && id != t_currentJob)
                return false;
        }
        return true;
    };
    std::vector<std::thread> finished;
    std::string running;
    bool allDone = false;
    {
        std::unique_lock lock(r.mutex);
        allDone = r.changed.wait_for(lock, timeout, othersDone);
        --r.finishing;
        finished = r.takeFinishedLocked();
        for (const auto& [id, job] : r.jobs) {
            if (!job.done && id != t_currentJob)
                running += (running.empty() ? "" : ", ") + job.name;
        }
    }
    joinAll(finished);
    if (!allDone)
        Log("Background work still running after %lld ms: %s",
            static_cast<long long>(timeout.count()), running.c_str());
    return allDone;
}

int backgroundJobCount() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    int count = 0;
    for (const auto& [id, job] : r.jobs)
        count += job.done ? 0 : 1;
    return count;
}

// The calls wait here, under a lock of this code's own, and the event posted to the receiver's
// thread carries nothing: it only says "take the next one". The hand-over is then ordered by that
// lock, which race detectors see, not by Qt's event queue, which they do not (a closure posted
// through the queue would be written on one thread and read on the other with no order they see).
struct Handover::State {
    std::mutex mutex;
    // Guarded by mutex; null once the receiver began its destruction.
    QObject* receiver = nullptr;
    // Guarded by mutex; a child of the receiver, null with it.
    QObject* pump = nullptr;
    // Guarded by mutex; the Handover has gone: once the calls it posted have run, the pump goes.
    bool orphaned = false;
    std::deque<std::function<void()>> calls;

    void runNext() {
        std::function<void()> call;
        {
            std::lock_guard lock(mutex);
            if (calls.empty())
                return;
            call = std::move(calls.front());
            calls.pop_front();
        }
        call();
        std::lock_guard lock(mutex);
        if (orphaned && calls.empty())
            retirePump();
    }

    // With mutex held. The pump cannot finish its destruction meanwhile: its destructor first
    // takes this mutex, so deleteLater() reaches a whole object.
    void retirePump() {
        if (pump)
            pump->deleteLater();
        pump = nullptr;
    }
};

namespace {

QEvent::Type takeNextEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Lives on the receiver's thread, as its child; each event it gets runs the next call. It never
// reads the event, which the posting thread made. Says when it goes, should the receiver's own
// destructor delete its children before the receiver announces its end.
class HandoverPump : public QObject {
public:
    HandoverPump(QObject* receiver, std::function<void()> takeNext, std::function<void()> gone)
        : QObject(receiver), m_takeNext(std::move(takeNext)), m_gone(std::move(gone)) {}
    ~HandoverPump() override { m_gone(); }

protected:
    void customEvent(QEvent*) override { m_takeNext(); }

private:
    const std::function<void()> m_takeNext;
    const std::function<void()> m_gone;
};

} // namespace

Handover::Handover(QObject* receiver) : m_state(std::make_shared<State>()) {
    const std::weak_ptr<State> weak = m_state;
    // The pump holds the state: calls posted before the Handover goes still find it.
    auto* pump = new HandoverPump(
        receiver, [state = m_state] { state->runNext(); },
        [weak] {
            if (const auto state = weak.lock()) {
                std::lock_guard lock(state->mutex);
                state->pump = nullptr;
            }
        });
    {
        std::lock_guard lock(m_state->mutex);
        m_state->receiver = receiver;
        m_state->pump = pump;
    }
    // Direct: runs in the receiver's destructor, before Qt drops the events still queued to it,
    // so a post either lands before that or sees no receiver; what waits is dropped here, on the
    // receiver's thread.
    m_destroyedHook = QObject::connect(receiver, &QObject::destroyed, [weak] {
        const auto state = weak.lock();
        if (!state)
            return;
        std::deque<std::function<void()>> dropped;
        std::lock_guard lock(state->mutex);
        state->receiver = nullptr;
        state->pump = nullptr;
        dropped.swap(state->calls);
    });
}

// The hook and the pump go with the Handover: left in place, every Handover ever made for a
// receiver would stay attached to it until it is destroyed, and that teardown would run them
// all. Qt's disconnect by handle is safe from any thread, also while the receiver is being
// destroyed: it rechecks the connection under the receiver's own lock.
Handover::~Handover() {
    QObject::disconnect(m_destroyedHook);
    std::lock_guard lock(m_state->mutex);
    m_state->orphaned = true;
    if (m_state->calls.empty())
        m_state->retirePump();
}

void Handover::post(std::function<void()> call) {
    handOver(std::move(call), false);
}

void Handover::run(std::function<void()> call) {
    handOver(std::move(call), true);
}

void Handover::handOver(std::function<void()> call, bool atOnceOnItsThread) {
    {
        std::lock_guard lock(m_state->mutex);
        if (!m_state->receiver || !m_state->pump)
            return;
        if (!atOnceOnItsThread || m_state->receiver->thread() != QThread::currentThread()) {
            m_state->calls.push_back(std::move(call));
            QCoreApplication::postEvent(m_state->pump, new QEvent(takeNextEvent()));
            return;
        }
    }
    // Outside the lock: the call may hand over more.
    call();
}

namespace {

// The main thread's hand-over, made with each application object on its thread. Guarded by
// mainHandoverMutex.
std::mutex mainHandoverMutex;
Handover* mainHandover = nullptr;

void makeMainHandover() {
    auto* made = new Handover(QCoreApplication::instance());
    std::lock_guard lock(mainHandoverMutex);
    // One of an earlier application object: that receiver is gone, and so are its calls.
    delete std::exchange(mainHandover, made);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(makeMainHandover)

void postToMainThread(std::function<void()> call) {
    std::lock_guard lock(mainHandoverMutex);
    if (mainHandover)
        mainHandover->post(std::move(call));
}

void runOnMainThread(std::function<void()> call) {
    const QCoreApplication* const app = QCoreApplication::instance();
    if (app && app->thread() == QThread::currentThread()) {
        call();
        return;
    }
    postToMainThread(std::move(call));
}

namespace {

// Takes one object to its own thread and deletes it there, then itself. As with Handover, the
// pointer waits under a lock of this class's own and the event that wakes the courier carries
// nothing, so race detectors see the hand-over.
class DeletionCourier : public QObject {
public:
    explicit DeletionCourier(QObject* object) {
        std::lock_guard lock(m_mutex);
        m_object = object;
    }

protected:
    void customEvent(QEvent*) override {
        QObject* object = nullptr;
        {
            std::lock_guard lock(m_mutex);
            object = std::exchange(m_object, nullptr);
        }
        delete object;
        delete this;
    }

private:
    std::mutex m_mutex;
    QObject* m_object = nullptr;
};

} // namespace

void OwnerThreadDeleter::operator()(QObject* object) const {
    QThread* const home = object->thread();
    if (!home || home == QThread::currentThread() || home->isFinished()) {
        delete object;
        return;
    }
    // Not deleteLater: that waits for the event loop level it was called at, which a nested
    // loop on the owner thread may never return to.
    auto* const courier = new DeletionCourier(object);
    courier->moveToThread(home);
    QCoreApplication::postEvent(courier, new QEvent(takeNextEvent()));
}

} // namespace Ko
