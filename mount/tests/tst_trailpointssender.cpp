#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "link/connectionsettings.h"
#include "link/mountaxistimecontainer.h"
#include "mount/tasks/trailpointssender_absolute.h"
#include "mount/tasks/trailpointssender_emulator.h"
#include "mount/tests/fakekomcommand.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace Ko;

namespace {

constexpr int64_t kNow = 1000000;
constexpr uint64_t kFirstIndex = 40;
constexpr int kStoredResends = 3;

// Points 100 ms apart from kNow + offsetMs; point j is at axis angles (j/1000, -j/1000).
TrailPointsSegment segmentAt(int64_t offsetMs, int count, uint32_t intervalUs = 100000) {
    TrailPointsSegment s{intervalUs, kFirstIndex, kNow + offsetMs, {}};
    for (int j = 0; j < count; ++j)
        s.points.emplace_back(j / 1000.0, -j / 1000.0);
    return s;
}

QStringList entries(const CallLog& log) {
    return log.text().split(' ', Qt::SkipEmptyParts);
}

} // namespace

class TstTrailPointsSender : public QObject {
    Q_OBJECT
private slots:
    void absoluteStreamsWaitsAndDrains_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("offsetMs");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<QList<int>>("targetScript");
        QTest::addColumn<QList<int>>("statusScript");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("sent"); // indices in the segment
        QTest::addColumn<QString>("mustLog"); // a run of log entries that must appear, or ""

        QList<int> all;
        for (int j = 0; j < 20; ++j)
            all << j;
        const int ok = CmdRetType_::Ok, timeout = CmdRetType_::Timeout, nak = CmdRetType_::Nak;
        dataRow("room for all, then drain", 30, 500, 0, QList<int>{}, QList<int>{}, 0, ok, all, "");
        dataRow("full queue waits 1.5 intervals", 3, 500, 0, QList<int>{}, QList<int>{}, 0, ok, all,
                "target1000700 sleep150 free0");
        dataRow("passed points are skipped", 30, -1000, 0, QList<int>{}, QList<int>{}, 0, ok,
                all.mid(10), "");
        dataRow("from the start index", 30, 500, 5, QList<int>{}, QList<int>{}, 0, ok, all.mid(5),
                "");
        // The drain ends at the first reading of one target left, without another wait.
        dataRow("one target left to drain", 30, 500, 19, QList<int>{}, QList<int>{}, 0, ok,
                all.mid(19), "target1002400 free29 stopx");
        dataRow("a lost reply drops that point", 30, 500, 0, QList<int>{ok, timeout}, QList<int>{},
                0, ok, (QList<int>{0} + all.mid(2)), "target1000500 lost1000600 target1000700");
        dataRow("a refusal ends the send", 30, 500, 0, QList<int>{ok, nak}, QList<int>{}, 0, nak,
                QList<int>{0}, "");
        dataRow("status time-outs ask again", 30, 500, 0, QList<int>{},
                QList<int>{timeout, timeout}, 0, ok, all, "free? free? free30 target1000500");
        dataRow("cancel while the queue is full", 2, 500, 0, QList<int>{}, QList<int>{}, 1,
                int(CmdRetType_::Cancel), QList<int>{0, 1}, "target1000600 sleep150");
    }
    void absoluteStreamsWaitsAndDrains() {
        QFETCH(int, capacity);
        QFETCH(int, offsetMs);
        QFETCH(int, startIndex);
        QFETCH(QList<int>, targetScript);
        QFETCH(QList<int>, statusScript);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QList<int>, sent);
        QFETCH(QString, mustLog);

        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kNow);
        const auto store = std::make_shared<QtKVStore>("", nullptr);
        const auto settings = std::make_shared<ConnectionSettings>(store);
        settings->setMaxRetryCount(kStoredResends);
        const QJsonObject storedBefore = store->json();
        const auto command =
            std::make_shared<FakeKoMCommand>(log, clock, static_cast<uint16_t>(capacity));
        command->setLatencyMs(5);
        std::deque<CmdRetType_::E> targets, status;
        for (int r : targetScript)
            targets.push_back(static_cast<CmdRetType_::E>(r));
        for (int r : statusScript)
            status.push_back(static_cast<CmdRetType_::E>(r));
        command->scriptTargets(targets);
        command->scriptStatus(status);
        QStringList resendsSeen;
        command->setOnCommand([&] { resendsSeen << QString::number(settings->resendCount()); });

        const TrailPointsSegment segment = segmentAt(offsetMs, 20);
        TrailPointsSender_Absolute sender(
            clock, settings, std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep),
            command);
        QList<TrailPointsProgress> progress;
        const CmdRetType_::E r = sender.send(segment, static_cast<uint32_t>(startIndex),
                                             [&](const TrailPointsProgress& p) { progress << p; });
        QCOMPARE(int(r), result);

        const QStringList logged = entries(*log);
        const QString text = logged.join(' ');
        QVERIFY2(!logged.contains("overflow"), qPrintable(text));
        if (!mustLog.isEmpty())
            QVERIFY2(text.contains(mustLog), qPrintable(text));

        // Each queued target is the segment's point at its own time.
        QList<int> sentIndices;
        for (const auto& t : command->accepted()) {
            const int j = static_cast<int>((t.timeMs - segment.startTimeMs) / 100);
            QCOMPARE(t.timeMs, segment.startTimeMs + j * 100);
            QCOMPARE(t.angles, segment.points[j]);
            sentIndices << j;
        }
        QCOMPARE(sentIndices, sent);
        QCOMPARE(progress.size(), sent.size());
        for (qsizetype n = 0; n < progress.size(); ++n)
            QCOMPARE(progress[n], (TrailPointsProgress{TrailPointsDetailedState_::Tracking,
                                                       unsigned(kFirstIndex + sent[n] + 1)}));

        // No resends while sending; the user's count is back afterwards and was never stored.
        const bool stopped = logged.last() == "stopx";
        QCOMPARE(stopped, result == CmdRetType_::Ok);
        for (qsizetype n = 0; n < resendsSeen.size() - (stopped ? 1 : 0); ++n)
            QCOMPARE(resendsSeen[n], QStringLiteral("0"));
        if (stopped)
            QCOMPARE(resendsSeen.last(), QString::number(kStoredResends));
        QCOMPARE(settings->resendCount(), kStoredResends);
        QCOMPARE(store->json(), storedBefore);

        if (stopped) {
            // The drain: after the last target, every status read short of capacity - 1 free slots
            // is followed by a wait of max(queued, 2) intervals; the one that reaches it ends it.
            const qsizetype lastTarget = logged.lastIndexOf(QRegularExpression("target\\d+"));
            for (qsizetype n = lastTarget + 1; n < logged.size() - 1; ++n) {
                if (!logged[n].startsWith("free"))
                    continue;
                const int queued = capacity - logged[n].mid(4).toInt();
                if (n == logged.size() - 2) {
                    QVERIFY2(queued <= 1, qPrintable(text));
                } else {
                    QVERIFY2(queued > 1, qPrintable(text));
                    QCOMPARE(logged[n + 1],
                             QStringLiteral("sleep%1").arg(std::max(queued, 2) * 100));
                }
            }
        }
    }

    // Points all due at once still leave the mount time between two questions about its queue.
    void absoluteNeverPollsOnAZeroInterval() {
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kNow);
        const auto command = std::make_shared<FakeKoMCommand>(log, clock, 2);
        TrailPointsSender_Absolute sender(clock, std::make_shared<ConnectionSettings>(nullptr),
                                          std::make_shared<FakeTCCancellable>(log, clock), command);
        QCOMPARE(sender.send(segmentAt(500, 5, 0), 0, {}), CmdRetType_::Ok);
        QCOMPARE(command->accepted().size(), size_t(5));
        const QStringList logged = entries(*log);
        QVERIFY(logged.count("sleep10") > 0);
        for (const QString& e : logged)
            QVERIFY2(!e.startsWith("sleep") || e == "sleep10", qPrintable(log->text()));
    }

    void emulatorPublishesAtPointTimes_data() {
        QTest::addColumn<int>("offsetMs");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("published");
        QTest::addColumn<QString>("sleeps");
        // 5 points 200 ms apart.
        dataRow("sleeps until each point", 1000, 0, int(CmdRetType_::Ok), QList<int>{0, 1, 2, 3, 4},
                "sleep1000 sleep100 sleep100 sleep100 sleep100 "
                "sleep100 sleep100 sleep100 sleep100 sleep100");
        dataRow("due within 20 ms: at once", 15, 0, int(CmdRetType_::Ok), QList<int>{0, 1, 2, 3, 4},
                "sleep100 sleep115 sleep100 sleep100 sleep100 "
                "sleep100 sleep100 sleep100 sleep100");
        dataRow("passed points are skipped", -500, 0, int(CmdRetType_::Ok), QList<int>{2, 3, 4},
                "sleep100 sleep100 sleep100 sleep100");
        dataRow("cancel while waiting", 1000, 1, int(CmdRetType_::Cancel), QList<int>{},
                "sleep1000");
        dataRow("cancel in the pause", 1000, 2, int(CmdRetType_::Cancel), QList<int>{0},
                "sleep1000 sleep100");
    }
    void emulatorPublishesAtPointTimes() {
        QFETCH(int, offsetMs);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QList<int>, published);
        QFETCH(QString, sleeps);
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kNow);
        const auto container = std::make_shared<MountAxisTimeContainer>();
        const TrailPointsSegment segment = segmentAt(offsetMs, 5, 200000);
        QList<int> seen;
        container->changed.append([&] {
            const AxisAngleTime a1 = container->get(0), a2 = container->get(1);
            const int j = static_cast<int>(std::lround(a1.angle * 1000));
            // Both axes carry the point and the time it was published, no earlier than 20 ms before
            // the point's time.
            QCOMPARE(a2.angle, segment.points[j].second);
            QCOMPARE(a1.timeMs, clock->nowMs());
            QCOMPARE(a2.timeMs, clock->nowMs());
            QVERIFY(a1.timeMs >= segment.startTimeMs + j * 200 - 20);
            seen << j;
        });
        QList<unsigned> done;
        TrailPointsSender_Emulator sender(
            clock, std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep), container);
        const CmdRetType_::E r =
            sender.send(segment, 0, [&](const TrailPointsProgress& p) { done << p.donePoints; });
        QCOMPARE(int(r), result);
        QCOMPARE(seen, published);
        QCOMPARE(log->text(), sleeps);
        QList<unsigned> expectedDone;
        for (int j : published)
            expectedDone << unsigned(kFirstIndex + j + 1);
        QCOMPARE(done, expectedDone);
    }
};

QTEST_GUILESS_MAIN(TstTrailPointsSender)
#include "tst_trailpointssender.moc"
