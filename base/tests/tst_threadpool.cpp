#include "base/threadpool.h"

#include <QtTest>

#include <atomic>
#include <chrono>

class TestThreadPool : public QObject {
    Q_OBJECT
private slots:
    void runsInSubmissionOrder() {
        std::vector<int> order;
        std::vector<std::future<int>> futures;
        {
            ThreadPool pool(1);
            for (int i = 0; i < 3; ++i)
                futures.push_back(pool.enqueue([&order, i] {
                    order.push_back(i);
                    return i * 10;
                }));
            QCOMPARE(futures[0].get(), 0);
        }
        QCOMPARE(order, (std::vector<int>{0, 1, 2}));
        QCOMPARE(futures[1].get(), 10);
        QCOMPARE(futures[2].get(), 20);
    }

    void argumentsAreBound() {
        ThreadPool pool(2);
        auto f = pool.enqueue([](int a, std::string b) { return b + std::to_string(a); }, 7,
                              std::string("x"));
        QCOMPARE(f.get(), std::string("x7"));
    }

    void destructionDrainsQueue() {
        std::atomic<int> ran{0};
        {
            ThreadPool pool(1);
            std::promise<void> gate;
            auto opened = gate.get_future().share();
            pool.enqueue([opened] { opened.wait(); });
            for (int i = 0; i < 5; ++i)
                pool.enqueue([&ran] { ++ran; });
            gate.set_value();
        }
        QCOMPARE(ran.load(), 5);
    }

    void exceptionsReachTheFuture() {
        ThreadPool pool(1);
        auto bad = pool.enqueue([]() -> int { throw std::invalid_argument("boom"); });
        auto good = pool.enqueue([] { return 3; });
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, bad.get());
        QCOMPARE(good.get(), 3);
    }

    void enqueueDuringDestructionThrows() {
        std::promise<std::string> message;
        auto got = message.get_future();
        {
            auto pool = std::make_unique<ThreadPool>(1);
            ThreadPool* raw = pool.get();
            std::promise<void> started;
            auto startedF = started.get_future();
            pool->enqueue([raw, &message, &started] {
                started.set_value();
                // Waits until the destructor has set the stop flag, which shows only as a refused
                // enqueue: the pause between tries spares the core, and however late the flag
                // comes the loop ends on it, so no pause length can fail the test.
                for (;;) {
                    try {
                        raw->enqueue([] {});
                    } catch (const std::runtime_error& e) {
                        message.set_value(e.what());
                        return;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
            });
            startedF.wait();
            pool.reset();
        }
        QCOMPARE(got.get(), std::string("enqueue on stopped ThreadPool"));
    }
};

QTEST_APPLESS_MAIN(TestThreadPool)
#include "tst_threadpool.moc"
