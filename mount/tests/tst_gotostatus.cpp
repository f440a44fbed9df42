#include "mount/gotostatus.h"
#include "mount/trailpointsstatus.h"

#include "mount/tests/mountcontrolrig.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>

using namespace Ko;

namespace {

// The GoTo target of the tests: south-east, 45 degrees up, seen from 40 degrees north.
const U_ASTRO_COORD kSouthEast{135 * kDeg, 45 * kDeg, CoordType::AZObsv};

// Whether a pair as the formats write it ("3h49m11s +57°17′45″", "NE 57°17′45″ +28°38′52″",
// "-57°17′45″ +28°38′52″") lies within tolerance of (a, b), a modulo a full turn.
bool near(const QString& text, double a, double b, double tolerance) {
    static const QRegularExpression part(QStringLiteral("([+-]?)(\\d+)([h°])(\\d+)[m′](\\d+)[s″]"));
    std::vector<double> angles;
    for (auto it = part.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const double value = (m.captured(2).toDouble() + m.captured(4).toDouble() / 60 +
                              m.captured(5).toDouble() / 3600) *
                             (m.captured(3) == QStringLiteral("h") ? 15 * kDeg : kDeg);
        angles.push_back(m.captured(1) == QStringLiteral("-") ? -value : value);
    }
    return angles.size() == 2 && std::abs(std::remainder(angles[0] - a, 2 * M_PI)) <= tolerance &&
           std::abs(angles[1] - b) <= tolerance;
}

QString degrees(const Nullable<double>& rad) {
    return rad.hasValue() ? QString::number(rad.value() / M_PI * 180, 'f', 1) : QString();
}

// What the GoTo popup shows at one moment, with what the mount itself says just before and after.
struct Snapshot {
    explicit Snapshot(const GotoStatus& status, const IMount& mount, const IAstroCalc& astro) {
        const auto target = mount.slewToTarget();
        if (target.hasValue() && target.value().coord.type != CoordType::MountAxes)
            azAltNow = astro.convertNow(target.value().coord, CoordType::AZObsv);
        texts = {status.targetName(), status.targetPosition1(), status.targetPosition2()};
        remainingBefore = degrees(mount.remainingSlewAngle());
        texts << status.remainingAngle();
        remainingAfter = degrees(mount.remainingSlewAngle());
        done = status.done();
    }
    bool done;
    QStringList texts;
    QString remainingBefore, remainingAfter;
    U_ASTRO_COORD azAltNow;
};

} // namespace

class TestGotoStatus : public QObject {
    Q_OBJECT
private slots:
    // Targets in each frame a GoTo takes, at the same place in the sky (for the axes: 1 and -0.6
    // rad from the reference position).
    void duringAndAfterGoto_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("skyFrame");
        QTest::newRow("RA/Dec J2000") << int(CoordType::RDJ2000) << true;
        QTest::newRow("RA/Dec of date") << int(CoordType::RDJNow) << true;
        QTest::newRow("hour angle") << int(CoordType::HDObsv) << true;
        QTest::newRow("azimuth and altitude") << int(CoordType::AZObsv) << false;
        QTest::newRow("mount axes") << int(CoordType::MountAxes) << false;
    }
    void duringAndAfterGoto() {
        QFETCH(int, frame);
        QFETCH(bool, skyFrame);
        MountControlRig rig;
        GotoStatus status(rig.holder, rig.format, rig.astro);
        QVERIFY(status.done());
        QVERIFY(!status.arrived());
        IMount* mount = rig.connect();
        QCOMPARE(Snapshot(status, *mount, *rig.astro).texts, QStringList(4));
        // No GoTo has come anywhere yet.
        QVERIFY(!status.arrived());
        const auto home = rig.alignment->referenceAxes();
        const U_ASTRO_COORD coord =
            CoordType(frame) == CoordType::MountAxes
                ? U_ASTRO_COORD{home.first + 1.0, home.second - 0.6, CoordType::MountAxes}
                : rig.astro->convertNow(kSouthEast, CoordType(frame));
        const MountTarget target{"Zubeneschamali \u03b2 Lib", coord, 0};

        // The time stands still while the test reads the popup and the mount: the axes the mount
        // reads and the sky the popup turns are those of one moment. A reading begun before the
        // time stopped may still land; once a snapshot finds the mount's reading the same before
        // and after the popup's, and a second one finds the same again, every reading is of the
        // moment.
        std::vector<Snapshot> seen;
        bool snapshotting = false;
        // The time stops already on the thread that reports a change: a loaded machine may take
        // long to bring the change here, and the GoTo would run on meanwhile, as far as its end.
        // The context goes before the rig, and the connection with it.
        QObject reportContext;
        connect(
            rig.holder.get(), &IMountConnection::slewToStateChanged, &reportContext,
            [clock = rig.clock] { clock->freeze(); }, Qt::DirectConnection);
        connect(&status, &IGotoStatus::valueChanged, this, [&] {
            if (snapshotting)
                return;
            snapshotting = true;
            rig.clock->freeze();
            Snapshot s(status, *mount, *rig.astro);
            // A snapshot that never settles is kept as last read; the checks below judge it.
            (void)QTest::qWaitFor(
                [&] {
                    const Snapshot again(status, *mount, *rig.astro);
                    const bool steady = again.texts == s.texts &&
                                        again.remainingBefore == s.remainingBefore &&
                                        again.remainingBefore == again.remainingAfter;
                    s = again;
                    return steady;
                },
                5000);
            seen.push_back(s);
            rig.clock->resume();
            snapshotting = false;
        });
        QVERIFY(mount->slewToAsync(target));
        QTRY_VERIFY_WITH_TIMEOUT(!seen.empty() && seen.back().done, 30000);

        std::vector<Snapshot> during;
        std::copy_if(seen.begin(), seen.end(), std::back_inserter(during),
                     [](const Snapshot& s) { return !s.done; });
        // The start and several axis readings each made the popup read again.
        QVERIFY2(during.size() >= 3, qPrintable(QString::number(during.size())));
        for (const Snapshot& s : during) {
            QCOMPARE(s.texts[0], QString::fromStdString(target.name));
            // Right ascension and hour angle are written to the second of time.
            QVERIFY2(near(s.texts[1], coord.a, coord.b, 15 * kArcsec), qPrintable(s.texts[1]));
            // Azimuth and altitude are written to the second of arc.
            QVERIFY2(skyFrame ? near(s.texts[2], s.azAltNow.a, s.azAltNow.b, 1 * kArcsec)
                              : s.texts[2].isEmpty(),
                     qPrintable(s.texts[2]));
            QCOMPARE(s.remainingBefore, s.remainingAfter);
            QCOMPARE(s.texts[3], s.remainingBefore);
        }
        // The remaining angle, known once the first pass has its axis target, shrinks on the way.
        // How much of the way lies behind the first snapshot that knows it depends on how soon the
        // queued change reaches this thread, so only its presence is asked here; its value is the
        // mount's own, compared above.
        const auto first = std::find_if(during.begin(), during.end(),
                                        [](const Snapshot& s) { return !s.texts[3].isEmpty(); });
        QVERIFY(first != during.end() && first->texts[3].toDouble() > 0);
        QVERIFY(during.back().texts[3].toDouble() < first->texts[3].toDouble());
        QCOMPARE(seen.back().texts, QStringList(4));
        QVERIFY(status.arrived());
    }

    // A GoTo reads as under way the moment it is accepted, and as over the moment it is aborted,
    // without arriving; the popup hears of either only after the call that made it has returned,
    // so its own handler (Cancel, which marks the GoTo as cancelled after asking the mount) is
    // never overtaken.
    void startAndAbortHeardAfterTheCall() {
        MountControlRig rig;
        GotoStatus status(rig.holder, rig.format, rig.astro);
        IMount* mount = rig.connect();
        QSignalSpy changes(&status, &IGotoStatus::valueChanged);
        QVERIFY(mount->slewToAsync(MountTarget{"south-east", kSouthEast, 0}));
        QVERIFY(!status.done());
        QCOMPARE(status.targetName(), QStringLiteral("south-east"));
        QCOMPARE(changes.count(), 0);
        QTRY_VERIFY(changes.count() > 0);

        changes.clear();
        mount->abortSlewAsync();
        QVERIFY(status.done());
        QVERIFY(!status.arrived());
        QCOMPARE(changes.count(), 0);
        QTRY_VERIFY(changes.count() > 0);
        QVERIFY(status.done());
        QVERIFY(!status.arrived());
    }

    // A GoTo that the controller fails is over without arriving, also after one that arrived: the
    // popup plays no arrival alert for it.
    void failedGotoIsNoArrival() {
        MountControlRig rig;
        GotoStatus status(rig.holder, rig.format, rig.astro);
        IMount* mount = rig.connect();
        // A subscription hears the GoTo started next.
        std::atomic<int> first{-1}, second{-1};
        mount->slewToFinished.append([&first](CmdRet r) { first = r.type; });
        QVERIFY(mount->slewToAsync(MountTarget{"south-east", kSouthEast, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(first.load(), int(CmdRetType_::Ok), 30000);
        QVERIFY(status.arrived());

        rig.emulatedAxes()->setMotionFault(CmdRetType_::Cancel);
        mount->slewToFinished.append([&second](CmdRet r) { second = r.type; });
        QVERIFY(mount->slewToAsync(MountTarget{"back", {0, 60 * kDeg, CoordType::AZObsv}, 0}));
        QVERIFY(!status.arrived());
        QTRY_COMPARE_WITH_TIMEOUT(second.load(), int(CmdRetType_::Cancel), 30000);
        QVERIFY(status.done());
        QVERIFY(!status.arrived());
    }

    // After a GoTo to an azimuth and altitude (which leaves tracking off) the trail-points popup
    // shows where the mount stands, within the GoTo's tolerance of 2' and the rounding of the text.
    // A mount that goes in the middle of the next GoTo empties both popups at once.
    void trailPointsAndDisconnect() {
        MountControlRig rig;
        GotoStatus status(rig.holder, rig.format, rig.astro);
        TrailPointsStatus trail(rig.holder, rig.format, rig.astro);
        QCOMPARE(trail.targetPosition1() + trail.targetPosition2(), QString());
        QSignalSpy trailChanges(&trail, &TrailPointsStatus::valueChanged);
        QSignalSpy statusChanges(&status, &IGotoStatus::valueChanged);
        IMount* mount = rig.connect();
        QCOMPARE(trailChanges.count(), 1);

        std::atomic<int> result{-1};
        mount->slewToFinished.append([&result](CmdRet r) { result = r.type; });
        QVERIFY(mount->slewToAsync(MountTarget{"south-east", kSouthEast, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(result.load(), int(CmdRetType_::Ok), 30000);
        // Every axis reading reaches the popup: those of the GoTo, and this one.
        const int readings = trailChanges.count();
        QVERIFY2(readings > 3, qPrintable(QString::number(readings)));
        mount->readPositionAsync();
        QTRY_VERIFY(trailChanges.count() > readings);
        const double tolerance = 3.0 / 60 * kDeg;
        const U_ASTRO_COORD raDec = rig.astro->convertNow(kSouthEast, CoordType::RDJNow);
        QVERIFY2(near(trail.targetPosition1(), raDec.a, raDec.b, tolerance),
                 qPrintable(trail.targetPosition1()));
        QVERIFY2(near(trail.targetPosition2(), kSouthEast.a, kSouthEast.b, tolerance),
                 qPrintable(trail.targetPosition2()));
        QVERIFY(trail.targetPosition2().startsWith(QStringLiteral("SE ")));

        QVERIFY(mount->slewToAsync(MountTarget{"back", {0, 60 * kDeg, CoordType::AZObsv}, 0}));
        QTRY_VERIFY(!status.done());
        const int trailBefore = trailChanges.count();
        const int statusBefore = statusChanges.count();
        rig.holder->disconnect();
        QCOMPARE(trailChanges.count(), trailBefore + 1);
        QCOMPARE(statusChanges.count(), statusBefore + 1);
        QVERIFY(status.done());
        QCOMPARE(status.targetName() + status.targetPosition1() + status.remainingAngle(),
                 QString());
        QCOMPARE(trail.targetPosition1() + trail.targetPosition2(), QString());
    }
};

QTEST_MAIN(TestGotoStatus)
#include "tst_gotostatus.moc"
