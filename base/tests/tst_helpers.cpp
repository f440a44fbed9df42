#include "base/callbacklist.h"
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
