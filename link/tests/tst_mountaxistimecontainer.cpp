#include "link/mountaxistimecontainer.h"

#include <QTest>

#include <atomic>
#include <latch>
#include <thread>

using namespace Ko;

class TestMountAxisTimeContainer : public QObject {
    Q_OBJECT

private slots:
    void startsAtZeroAndKeepsAxesApart() {
        MountAxisTimeContainer c;
        QCOMPARE(c.get(0), AxisAngleTime{});
        QCOMPARE(c.get(1), AxisAngleTime{});

        c.set(1, {-1.25, 42});
        QCOMPARE(c.get(0), AxisAngleTime{});
        QCOMPARE(c.get(1), (AxisAngleTime{-1.25, 42}));
        c.setBoth({0.5, 7}, {0.75, 8});
        QCOMPARE(c.get(0), (AxisAngleTime{0.5, 7}));
        QCOMPARE(c.get(1), (AxisAngleTime{0.75, 8}));
    }

    void firesOncePerWrite() {
        MountAxisTimeContainer c;
        int fired = 0;
        AxisAngleTime seen;
        // A listener sees the value already in place.
        c.changed.append([&] {
            ++fired;
            seen = c.get(1);
        });
        c.set(0, {1.0, 1});
        QCOMPARE(fired, 1);
        c.setBoth({2.0, 2}, {3.0, 3});
        QCOMPARE(fired, 2);
        QCOMPARE(seen, (AxisAngleTime{3.0, 3}));
    }

    // A writer replaces each axis with pairs whose angle encodes its time; readers on other threads
    // must only ever see such pairs.
    void readerNeverSeesATornPair() {
        MountAxisTimeContainer c;
        c.setBoth({0.0, 0}, {1.0, 0});
        constexpr int64_t kWrites = 200000;
        std::atomic<bool> done{false};
        std::atomic<int64_t> torn{0};
        std::atomic<int64_t> reads{0};
        // The writer starts only once both readers run, so the two overlap.
        std::latch started(3);

        auto reader = [&] {
            int64_t lastTime[2] = {0, 0};
            started.count_down();
            while (!done.load(std::memory_order_acquire)) {
                for (AXISID axis : {0u, 1u}) {
                    const AxisAngleTime v = c.get(axis);
                    const double expected = static_cast<double>(v.timeMs) * 0.5 + axis;
                    if (v.angle != expected || v.timeMs < lastTime[axis])
                        torn.fetch_add(1);
                    lastTime[axis] = v.timeMs;
                    reads.fetch_add(1, std::memory_order_relaxed);
                }
            }
        };
        std::thread r1(reader);
        std::thread r2(reader);
        started.arrive_and_wait();
        for (int64_t k = 1; k <= kWrites; ++k) {
            if (k % 2)
                c.set(k % 4 == 1 ? 0 : 1, {k * 0.5 + (k % 4 == 1 ? 0 : 1), k});
            else
                c.setBoth({k * 0.5, k}, {k * 0.5 + 1, k});
        }
        done.store(true, std::memory_order_release);
        r1.join();
        r2.join();

        QCOMPARE(torn.load(), int64_t(0));
        QVERIFY(reads.load() > 0);
        QCOMPARE(c.get(0), (AxisAngleTime{kWrites * 0.5, kWrites}));
        QCOMPARE(c.get(1), (AxisAngleTime{kWrites * 0.5 + 1, kWrites}));
    }
};

QTEST_GUILESS_MAIN(TestMountAxisTimeContainer)
#include "tst_mountaxistimecontainer.moc"
