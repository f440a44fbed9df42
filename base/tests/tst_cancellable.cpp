#include "base/cancellable.h"
#include "base/clock.h"

#include <QtTest>

#include <chrono>
#include <thread>

using namespace Ko;
using Clock = std::chrono::steady_clock;

namespace {
qint64 msSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}
} // namespace

class TestCancellable : public QObject {
    Q_OBJECT
private slots:
    void nonPositiveSleepsReturnAtOnce() {
        ControlledCancellable cancelled;
        cancelled.cancel();
        ControlledCancellable fresh;
        NullCancellable null;
        TCCancellable tc(std::make_shared<NullCancellable>());
        const auto t = Clock::now();
        for (int64_t ms : {int64_t(0), int64_t(-5)}) {
            QVERIFY(!cancelled.sleep(ms));
            QVERIFY(!fresh.sleep(ms));
            QVERIFY(!null.sleep(ms));
            QVERIFY(!tc.sleep(ms));
        }
        // At once, not for ever: no measurable time at rest; the bound leaves a loaded machine
        // seconds.
        QVERIFY(msSince(t) < 10000);
    }

    void sleepRunsItsLength() {
        ControlledCancellable token;
        const auto t = Clock::now();
        QVERIFY(!token.sleep(1200));
        QVERIFY(msSince(t) >= 1150);
        QVERIFY(!token.isCancelled());
    }

    void cancelWakesSleeper() {
        ControlledCancellable token;
        // The pause lets the sleep begin before the cancel, as a rule; should a loaded machine
        // run the cancel first, the sleep returns at once and every check below still holds.
        std::thread canceller([&token] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            token.cancel();
        });
        const auto t = Clock::now();
        const bool cancelled = token.sleep(60000);
        const auto took = msSince(t);
        canceller.join();
        QVERIFY(cancelled);
        // Woken, not run to its minute: 100 ms at rest.
        QVERIFY(took < 10000);
        QVERIFY(token.isCancelled());
        token.cancel();
        // A sleep on a cancelled token returns at once rather than running its minute: no
        // measurable time at rest, and the bound leaves a loaded machine seconds.
        const auto t2 = Clock::now();
        QVERIFY(token.sleep(60000));
        QVERIFY(msSince(t2) < 10000);
    }

    void threadContextToken() {
        TCCancellable tc(std::make_shared<NullCancellable>());
        QVERIFY(!tc.isCancelled());
        QVERIFY(!tc.current());
        auto cancelled = std::make_shared<ControlledCancellable>();
        cancelled->cancel();
        tc.setCurrent(cancelled);
        QVERIFY(tc.isCancelled());
        QVERIFY(tc.sleep(5000));
        QCOMPARE(tc.current(), std::shared_ptr<ICancellable>(cancelled));

        bool otherSaw = true;
        TCCancellable second(std::make_shared<NullCancellable>());
        std::thread other([&] { otherSaw = second.isCancelled() || tc.isCancelled(); });
        other.join();
        QVERIFY(!otherSaw);
        // The current token is shared by every instance on this thread.
        QVERIFY(second.isCancelled());
        tc.setCurrent(nullptr);
        QVERIFY(!tc.isCancelled());
    }

    void julianDate_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<double>("jd");
        QTest::newRow("unix epoch") << qint64(0) << 2440587.5;
        QTest::newRow("J2000.0") << qint64(946728000000) << 2451545.0;
        QTest::newRow("before 1970") << qint64(-86400000) << 2440586.5;
    }
    void julianDate() {
        QFETCH(qint64, ms);
        QFETCH(double, jd);
        QCOMPARE(unixMsToJulianDate(ms), jd);
    }

    void astroClockUsesItsClock() {
        struct FakeClock : IClock {
            int64_t nowMs() const override { return 946728000999; }
        };
        AstroClock clock(std::make_shared<FakeClock>());
        QCOMPARE(clock.nowMs(), int64_t(946728000999));
        QCOMPARE(clock.timeT(), time_t(946728000));
        // 999 ms is 1.16e-5 days.
        QVERIFY(qAbs(clock.julianDate() - (2451545.0 + 0.999 / 86400.0)) < 1e-9);
        const int64_t real = CRealClock().nowMs();
        QVERIFY(real > 1600000000000LL);
    }
};

QTEST_APPLESS_MAIN(TestCancellable)
#include "tst_cancellable.moc"
