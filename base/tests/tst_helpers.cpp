#include "base/callbacklist.h"
#include "base/callbacksubscriptions.h"
#include "base/nullable.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void nullable() {
        Ko::Nullable<int> n;
        QVERIFY(!n.hasValue());
        try {
            (void)n.value();
            QFAIL("reading an empty Nullable must throw");
        } catch (const std::logic_error& e) {
            QCOMPARE(std::string(e.what()), std::string("Read null Nullable"));
        }
        QCOMPARE(n.valueOr(4), 4);
        n.set(5);
        QCOMPARE(n.value(), 5);
        QVERIFY(n == Ko::Nullable<int>(5));
        n.reset();
        QVERIFY(n == Ko::Nullable<int>());
    }

    void callsInAppendOrderAndRemoves() {
        eventpp::CallbackList<void(int)> list;
        std::vector<int> calls;
        auto a = list.append([&](int v) { calls.push_back(v); });
        list.append([&](int v) { calls.push_back(v * 10); });
        list(1);
        QVERIFY(list.remove(a));
        QVERIFY(!list.remove(a));
        list(2);
        QCOMPARE(calls, (std::vector<int>{1, 10, 20}));
        QVERIFY(!list.empty());
    }

    void callbackMayRemoveItselfOrAppend() {
        eventpp::CallbackList<void()> list;
        int selfCalls = 0, appendedCalls = 0, laterCalls = 0;
        eventpp::CallbackList<void()>::Handle self;
        self = list.append([&] {
            ++selfCalls;
            list.remove(self);
            list.append([&] { ++appendedCalls; });
        });
        eventpp::CallbackList<void()>::Handle later;
        list.append([&] { list.remove(later); });
        later = list.append([&] { ++laterCalls; });
        list();
        list();
        QCOMPARE(selfCalls, 1);
        QCOMPARE(laterCalls, 0);
        QCOMPARE(appendedCalls, 1);
    }

    // The firing thread is held at the two places where a removal could go wrong.
    void removedCallbackNeverRunsAfterRemove() {
        eventpp::CallbackList<void()> list;
        std::atomic<bool> removed{false};
        std::atomic<int> lateCalls{0};

        // Removed while another thread fires a copy of the list that still holds it.
        std::promise<void> copyTaken, resume;
        auto copyTakenF = copyTaken.get_future();
        auto resumeF = resume.get_future().share();
        auto first = list.append([&] {
            copyTaken.set_value();
            resumeF.wait();
        });
        auto h = list.append([&] {
            if (removed)
                ++lateCalls;
        });
        std::thread firer([&] { list(); });
        copyTakenF.wait();
        const bool removedH = list.remove(h);
        // Nothing of the callback runs once remove() has returned.
        removed = true;
        resume.set_value();
        firer.join();
        QVERIFY(removedH);
        QCOMPARE(lateCalls.load(), 0);
        QVERIFY(list.remove(first));

        // Removed while it runs on another thread: remove() returns only after that call ended.
        std::promise<void> running, release;
        auto runningF = running.get_future();
        auto releaseF = release.get_future().share();
        std::atomic<bool> finished{false};
        auto slow = list.append([&] {
            running.set_value();
            releaseF.wait();
            finished = true;
        });
        std::thread firer2([&] { list(); });
        runningF.wait();
        // The pause lets remove() begin waiting before the release, as a rule; should a loaded
        // machine release first, remove() still returns after the call ended and the checks hold.
        std::thread releaser([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            release.set_value();
        });
        const bool removedSlow = list.remove(slow);
        const bool finishedBeforeReturn = finished.load();
        releaser.join();
        firer2.join();
        QVERIFY(removedSlow);
        QVERIFY(finishedBeforeReturn);
    }

    // A keeper removes exactly the subscriptions it made, when it goes or on removeAll; it keeps
    // its owner's list alive; unbound it appends nothing; rebinding drops the old subscriptions.
    void subscriptionKeeper() {
        struct Owner {
            eventpp::CallbackList<void(int)> changed;
        };
        auto owner = std::make_shared<Owner>();
        std::weak_ptr<Owner> ownerAlive = owner;
        int sum = 0, others = 0;
        owner->changed.append([&](int v) { others += v; });
        auto keeper =
            std::make_unique<Ko::CallbackSubscriptions<void(int)>>(owner, &Owner::changed);
        QVERIFY(keeper->isBound());
        QVERIFY(keeper->append([&](int v) { sum += v; }));
        QVERIFY(keeper->append([&](int v) { sum += 10 * v; }));
        owner->changed(1);
        QCOMPARE(sum, 11);

        // The keeper alone keeps the list usable.
        auto& list = owner->changed;
        owner.reset();
        QVERIFY(!ownerAlive.expired());
        list(1);
        QCOMPARE(sum, 22);
        keeper->removeAll();
        list(1);
        QCOMPARE(sum, 22);
        QCOMPARE(others, 3);
        QVERIFY(keeper->append([&](int v) { sum += 100 * v; }));
        list(1);
        QCOMPARE(sum, 122);
        keeper.reset();
        QVERIFY(ownerAlive.expired());

        Ko::CallbackSubscriptions<void()> unbound;
        QVERIFY(!unbound.isBound());
        QVERIFY(!unbound.append([] {}));
        auto a = std::make_shared<eventpp::CallbackList<void()>>();
        auto b = std::make_shared<eventpp::CallbackList<void()>>();
        unbound.bind(a);
        QVERIFY(unbound.append([] {}));
        unbound.bind(b);
        QVERIFY(a->empty());
        QVERIFY(unbound.append([] {}));
        QVERIFY(!b->empty());
    }

    // The handles come in append order and compare equal to the ones append returned; call runs
    // one callback and refuses a removed one.
    void handlesAndSingleCall() {
        eventpp::CallbackList<void(int)> list;
        QList<int> calls;
        auto a = list.append([&](int v) { calls << 10 + v; });
        auto b = list.append([&](int v) { calls << 20 + v; });
        auto handles = list.handles();
        QCOMPARE(handles.size(), size_t(2));
        QVERIFY(handles[0] == a && handles[1] == b && !(handles[0] == b));
        QVERIFY(list.call(b, 1));
        QCOMPARE(calls, QList<int>{21});
        list.remove(b);
        QVERIFY(!list.call(b, 2));
        QVERIFY(!list.call(eventpp::CallbackList<void(int)>::Handle(), 2));
        QCOMPARE(calls, QList<int>{21});
        QCOMPARE(list.handles().size(), size_t(1));
    }

    // Threads append, fire and remove at once. Every fire reaches the callbacks appended before
    // it, and once remove() has returned its callback neither runs nor starts again: a call seen
    // after that point is counted as a violation (its owner could already be gone).
    void concurrentAppendRemoveAndFire() {
        constexpr int kThreads = 4;
        constexpr int kRounds = 2000;
        eventpp::CallbackList<void()> list;
        std::atomic<int> violations{0};
        std::atomic<int> unreached{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&] {
                for (int i = 0; i < kRounds; ++i) {
                    std::atomic<bool> removed{false};
                    std::atomic<int> calls{0};
                    auto h = list.append([&] {
                        if (removed.load())
                            ++violations;
                        ++calls;
                        // Stay inside long enough for a remove on another thread to overlap.
                        std::this_thread::yield();
                        if (removed.load())
                            ++violations;
                    });
                    list();
                    if (calls.load() == 0)
                        ++unreached;
                    if (!list.remove(h))
                        ++violations;
                    removed = true;
                    // Other threads keep firing snapshots that may still hold this callback.
                    std::this_thread::yield();
                }
            });
        for (auto& t : threads)
            t.join();
        QCOMPARE(violations.load(), 0);
        QCOMPARE(unreached.load(), 0);
        QVERIFY(list.empty());
    }
};

QTEST_APPLESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
