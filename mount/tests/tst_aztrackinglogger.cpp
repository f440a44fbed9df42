#include "mount/tasks/aztrackinglogger.h"
#include "mount/testaztracking.h"

#include <QSignalSpy>
#include <QTest>

#include <thread>

using namespace Ko;

// Sample n carries n on every channel, scaled per channel and negated on axis 2, so that a read
// tells which sample, channel and axis it came from.
static void logNumbered(IAZTrackingLogger& logger, int n) {
    logger.log(n, 1 * n, -1 * n, 10 * n, -10 * n, 100 * n, -100 * n, {1000.0 * n, -1000.0 * n});
}

class TstAZTrackingLogger : public QObject {
    Q_OBJECT
private slots:
    void ringReadsNewestFirst_data() {
        QTest::addColumn<int>("logged");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("axis");
        QTest::addColumn<double>("expected");
        QTest::newRow("nothing logged reads 0") << 0 << 0 << 0 << 0 << 0.0;
        QTest::newRow("nothing logged, last slot") << 0 << 3 << 7 << 1 << 0.0;
        QTest::newRow("one sample, index 0") << 1 << 0 << 0 << 0 << 1.0;
        QTest::newRow("one sample, older slots empty") << 1 << 0 << 1 << 0 << 0.0;
        QTest::newRow("three samples, index 2 is the first") << 3 << 1 << 2 << 1 << -10.0;
        QTest::newRow("nine samples, index 0 is the ninth") << 9 << 0 << 0 << 0 << 9.0;
        QTest::newRow("nine samples, index 7 is the second") << 9 << 0 << 7 << 0 << 2.0;
        QTest::newRow("nine samples, err D axis 2") << 9 << 2 << 1 << 1 << -800.0;
        QTest::newRow("nine samples, pidOut") << 9 << 3 << 0 << 0 << 9000.0;
        QTest::newRow("index 8 wraps to the newest") << 9 << 0 << 8 << 0 << 9.0;
        QTest::newRow("negative index wraps too") << 9 << 0 << -1 << 0 << 2.0;
        QTest::newRow("channel 4 reads 0") << 9 << 4 << 0 << 0 << 0.0;
        QTest::newRow("channel -1 reads 0") << 9 << -1 << 0 << 0 << 0.0;
        QTest::newRow("axis 2 reads 0") << 9 << 0 << 0 << 2 << 0.0;
    }
    void ringReadsNewestFirst() {
        QFETCH(int, logged);
        QFETCH(int, channel);
        QFETCH(int, index);
        QFETCH(int, axis);
        QFETCH(double, expected);
        AZTrackingLogger logger;
        for (int n = 1; n <= logged; ++n)
            logNumbered(logger, n);
        QCOMPARE(logger.sample(channel, index, axis), expected);
    }

    void resetClearsButKeepsWritePosition() {
        AZTrackingLogger logger;
        for (int n = 1; n <= 3; ++n)
            logNumbered(logger, n);
        logger.reset(5.0, 0.05, 0.05, 0.0);
        for (int c = 0; c < AZTrackingLogger::kChannels; ++c)
            for (int k = 0; k < AZTrackingLogger::kRingSize; ++k)
                QCOMPARE(logger.sample(c, k, 0), 0.0);
        // Had the position gone back to slot 0, eight new samples would leave the oldest (slot 3..)
        // holding the fifth sample; continuing at slot 3 puts the first new one at index 7.
        for (int n = 1; n <= 8; ++n)
            logNumbered(logger, 10 + n);
        QCOMPARE(logger.sample(0, 7, 0), 11.0);
        logNumbered(logger, 30);
        QCOMPARE(logger.sample(0, 0, 0), 30.0);
        QCOMPARE(logger.sample(0, 7, 0), 12.0);
    }

    void pageGainsAndSignals() {
        TestAZTracking page;
        QCOMPARE(page.streamLength(), 4);
        QCOMPARE(page.streamChannels(),
                 QVariantList({QStringLiteral("err P"), QStringLiteral("err I"),
                               QStringLiteral("err D"), QStringLiteral("pidOut")}));
        QSignalSpy p(&page, &TestAZTracking::pChanged);
        QSignalSpy i(&page, &TestAZTracking::iChanged);
        QSignalSpy d(&page, &TestAZTracking::dChanged);
        const double oldP = page.p();
        page.setP(oldP); // unchanged still announces
        page.setP(0.2);
        page.setI(0.3);
        page.setD(0.4);
        QCOMPARE(p.count(), 2);
        QCOMPARE(i.count(), 1);
        QCOMPARE(d.count(), 1);
        // The gains are the process's: what the tracking loop reads.
        QCOMPARE(AZTrackingTuning::p(), 0.2);
        QCOMPARE(AZTrackingTuning::i(), 0.3);
        QCOMPARE(AZTrackingTuning::d(), 0.4);
        QCOMPARE(page.property("p").toDouble(), 0.2);
        page.setP(AZTrackingTuning::kDefaultP);
        page.setI(AZTrackingTuning::kDefaultI);
        page.setD(AZTrackingTuning::kDefaultD);
    }

    void pageRelaysSamplesFromTaskThread() {
        TestAZTracking page;
        QSignalSpy stream(&page, &TestAZTracking::streamChanged);
        // The page makes the process's logger; the tracking task finds it there.
        const auto logger = AZTrackingTuning::logger();
        QVERIFY(logger);
        std::thread task([&] {
            logger->reset(5.0, 0.05, 0.05, 0.0);
            for (int n = 1; n <= 5; ++n)
                logNumbered(*logger, n);
        });
        task.join();
        QTRY_COMPARE(stream.count(), 5);
        QCOMPARE(page.streamValue(3, 0, 1), -5000.0);
        QCOMPARE(page.streamValue(1, 4, 0), 10.0);
        TestAZTracking second;
        QCOMPARE(AZTrackingTuning::logger(), logger);
    }

    void pageDestroyedStopsNotifying() {
        auto page = std::make_unique<TestAZTracking>();
        const auto logger = AZTrackingTuning::logger();
        page.reset();
        // With the callback left behind, this would emit from a destroyed page (ASan reports it).
        logNumbered(*logger, 1);
        QCOMPARE(AZTrackingTuning::ensureLogger()->sample(0, 0, 0), 1.0);
    }
};

QTEST_GUILESS_MAIN(TstAZTrackingLogger)
#include "tst_aztrackinglogger.moc"
