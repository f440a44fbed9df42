#include "mount/tasks/aztrackinglogger.h"
#include "mount/tasks/aztrackingtask.h"
#include "mount/tests/emulatedmountrig.h"
#include "mount/tests/fakekomcommand.h"

#include "base/log.h"
#include "base/tests/datarow.h"

#include <QTest>

#include <atomic>

using namespace Ko;

namespace {

// 2026-03-20 22:00 UTC.
constexpr int64_t kStartMs = 1774044000000;

// Counts the log lines that start with the prefix while it lives.
class LogCounter {
public:
    explicit LogCounter(QByteArray prefix) : m_prefix(std::move(prefix)) {
        m_id = LogAddListener([this](const char* line) {
            if (QByteArray(line).trimmed().startsWith(m_prefix))
                ++m_count;
        });
    }
    ~LogCounter() { LogRemoveListener(m_id); }
    int count() const { return m_count.load(); }

private:
    const QByteArray m_prefix;
    int m_id = -1;
    std::atomic<int> m_count{0};
};

bool near(double actual, double expected) {
    return std::abs(actual - expected) <= 1e-4 * std::abs(expected);
}

std::pair<double, double> axesFor(const IAlignment& model, double haDeg, double decDeg) {
    return model.skyToAxes({haDeg * kDeg, decDeg * kDeg}, model.referenceAxes());
}

// The true hour angle and declination the model reads from a pair of axis angles.
std::pair<double, double> trueSkyOf(const EmulatedMountRig& rig, std::pair<double, double> axes) {
    const auto sky = rig.model->axesToSky(axes);
    const U_ASTRO_COORD c =
        rig.astro->convertNow({sky.first, sky.second, CoordType::HDObsv}, CoordType::HDTrue);
    return {c.a, c.b};
}

std::shared_ptr<AZTrackingTask> rateTask(const EmulatedMountRig& rig, uint32_t rate,
                                         std::shared_ptr<IKoMCommand> command) {
    return std::make_shared<AZTrackingTask>(rig.token, rig.axes, rig.util, rig.location, rig.astro,
                                            rig.clock, rig.model,
                                            Nullable<TrackingRate>(static_cast<TrackingRate>(rate)),
                                            Nullable<MountTarget>(), std::move(command));
}

// Scripted axes whose position reads of the azimuth axis stray from the nth on: each lands 10
// degrees further than the one before, as from an encoder that slips. No model places such a
// reading.
class StrayingAxes : public FakeMountAxis {
public:
    StrayingAxes(std::shared_ptr<CallLog> log, int strayFrom)
        : FakeMountAxis(std::move(log)), m_strayFrom(strayFrom) {}
    CmdResp<double> readPosition(AXISID axis) override {
        if (axis == 0 && m_strayFrom > 0 && ++m_reads >= m_strayFrom)
            placeAt(0, positionNow(0) + 10 * kDeg);
        return FakeMountAxis::readPosition(axis);
    }

private:
    const int m_strayFrom;
    int m_reads = 0;
};

} // namespace

class TstAZTrackingTask : public QObject {
    Q_OBJECT
private slots:
    void rateModeFollowsTheSky_data() {
        QTest::addColumn<double>("latDeg");
        QTest::addColumn<double>("haDeg");
        QTest::addColumn<double>("decDeg");
        QTest::addColumn<uint32_t>("rate");
        QTest::newRow("sidereal, north, east of the meridian") << 40.0 << -30.0 << 20.0 << 0u;
        QTest::newRow("lunar, south, west of the meridian") << -33.0 << 40.0 << -50.0 << 1u;
        QTest::newRow("solar, high in the north") << 52.0 << 10.0 << 60.0 << 2u;
        QTest::newRow("unknown rate holds the position") << 40.0 << -30.0 << 20.0 << 7u;
    }
    // The emulated AZ mount tracks for a minute; the axes end where the star has gone, within 15
    // arcseconds (the loop corrects every 5 s from measured speeds only). The clock moves only
    // while the task sleeps: on a clock that runs with the wall clock, a thread held back between
    // reading the axes and setting their rates lets the axes run on at the old rates, and a loaded
    // machine turns that into an error of its own.
    void rateModeFollowsTheSky() {
        QFETCH(double, latDeg);
        QFETCH(double, haDeg);
        QFETCH(double, decDeg);
        QFETCH(uint32_t, rate);
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const int64_t t0 = clock->nowMs();
        const auto token =
            std::make_shared<FakeDeadlineToken>(std::make_shared<CallLog>(), clock, t0 + 61000);
        const EmulatedMountRig rig(clock, token, 1, latDeg,
                                   axesFor(*defaultAlignment(1, latDeg), haDeg, decDeg));
        const auto start =
            trueSkyOf(rig, {rig.axes->lastPosition(0).angle, rig.axes->lastPosition(1).angle});
        const auto task = rateTask(rig, rate, rig.command);
        int samples = 0;
        AZTrackingTuning::ensureLogger()->setNotify([&] { ++samples; });
        const CmdRetType_::E result = task->run();
        AZTrackingTuning::ensureLogger()->setNotify({});
        QCOMPARE(result, CmdRetType_::Cancel);
        // One PID step per 5 s pass: 13 in 61 s.
        QCOMPARE(samples, 13);

        const auto read = rig.axes->readPositions().value();
        const int64_t t = rig.axes->lastPosition(0).timeMs;
        const double w = trackingBaseRate(static_cast<TrackingRate>(rate));
        const double ha = start.first + (t - t0) / 1000.0 * w;
        const U_ASTRO_COORD observed =
            rig.astro->convertNow({ha, start.second, CoordType::HDTrue}, CoordType::HDObsv);
        const auto expected = rig.model->skyToAxes({observed.a, observed.b}, read);
        const double error = rig.astro->angularSeparation(read, expected);
        QVERIFY2(error < 15 * kArcsec,
                 qPrintable(QStringLiteral("%1 arcsec").arg(error / kArcsec)));
        if (rate == 7)
            QVERIFY(rig.axes->lastRate(0).value() == 0.0 && rig.axes->lastRate(1).value() == 0.0);
    }

    // The first PID step comes at the reference's own time on a stopped clock: the minimum interval
    // stands in for a zero one, and each axis gets the predicted rate less p*e + i*I + d*D.
    void pidStepFromTheReference() {
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const auto token = std::make_shared<FakeDeadlineToken>(log, clock, kStartMs + 1);
        const EmulatedMountRig rig(clock, token, 1, 40.0,
                                   axesFor(*defaultAlignment(1, 40.0), -20.0, 10.0));
        const auto axes =
            std::make_pair(rig.axes->lastPosition(0).angle, rig.axes->lastPosition(1).angle);
        const auto logger = AZTrackingTuning::ensureLogger();
        AZTrackingTuning::setD(0.5);
        const CmdRetType_::E r = rateTask(rig, 0, rig.command)->run();
        AZTrackingTuning::setD(AZTrackingTuning::kDefaultD);
        QCOMPARE(r, CmdRetType_::Cancel);
        QCOMPARE(log->text(), QStringLiteral("sleep5000"));

        const auto rates = rig.model->axisRates(rig.model->axesToSky(axes), kSiderealRate);
        const double dt = AZTrackingTask::kMinSampleSec;
        for (int k = 0; k < 2; ++k) {
            const double R = k == 0 ? rates.first : rates.second;
            // The axes have not moved: the measured speed is 0.
            const double e = -R, I = e * dt, D = e / dt;
            const double u = 0.05 * e + 0.05 * I + 0.5 * D;
            // The prediction's rates come from the position after a round trip through the true
            // frame, so they differ from the reference's in the sixth digit.
            QVERIFY(near(logger->sample(0, 0, k), e));
            QVERIFY(near(logger->sample(1, 0, k), I));
            QVERIFY(near(logger->sample(2, 0, k), D));
            QVERIFY(near(logger->sample(3, 0, k), u));
            const double commanded = std::clamp(R - u, -kMaxAxisSlewRate, kMaxAxisSlewRate);
            QVERIFY(near(rig.axes->lastRate(k).value(), commanded));
        }
    }

    void timedTargetSchedule_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<bool>("changeModel");
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<int>("perPass");
        QTest::addColumn<int>("references");
        QTest::newRow("100 free: every 100 ms") << 100 << false << 100 << 50 << 1;
        QTest::newRow("3 free: every 1666 ms") << 3 << false << 1666 << 3 << 1;
        QTest::newRow("60 free: every 100 ms, 50 a pass") << 60 << false << 100 << 50 << 1;
        QTest::newRow("none free: wait 100 ms and ask again") << 0 << false << 0 << 0 << 1;
        QTest::newRow("model changed: a new reference") << 3 << true << 1666 << 3 << 2;
    }
    // Rate mode on firmware with timed targets, against a mount queue that empties as the fake
    // clock passes the targets' times: the next 5 s of the path stay queued, no time goes out
    // twice.
    void timedTargetSchedule() {
        QFETCH(int, capacity);
        QFETCH(bool, changeModel);
        QFETCH(int, stepMs);
        QFETCH(int, perPass);
        QFETCH(int, references);
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const auto token = std::make_shared<FakeDeadlineToken>(log, clock, kStartMs + 14000);
        const EmulatedMountRig rig(clock, token, 1, 40.0,
                                   axesFor(*defaultAlignment(1, 40.0), -45.0, 30.0));
        const auto start =
            trueSkyOf(rig, {rig.axes->lastPosition(0).angle, rig.axes->lastPosition(1).angle});
        const auto command =
            std::make_shared<FakeKoMCommand>(log, clock, static_cast<uint16_t>(capacity));
        command->setLatencyMs(3);
        bool changed = false;
        if (changeModel)
            command->setOnCommand([&] {
                if (!changed && !command->accepted().empty()) {
                    changed = true;
                    rig.model->alignmentChanged();
                }
            });
        const LogCounter referenceLines("AZ tracking reference");
        QCOMPARE(rateTask(rig, 0, command)->run(), CmdRetType_::Cancel);
        const QString text = log->text();
        QVERIFY2(text.startsWith("stopx sync"), qPrintable(text));
        QCOMPARE(referenceLines.count(), references);

        const auto targets = command->accepted();
        if (perPass == 0) {
            QVERIFY(targets.empty());
            QVERIFY2(text.contains("free0 sleep100 free0 sleep100"), qPrintable(text));
            return;
        }
        // Three passes; the first one's targets follow at the mount's spacing.
        QVERIFY2(text.count("sleep") >= 3, qPrintable(text));
        for (int j = 1; j < perPass; ++j)
            QCOMPARE(targets[j].timeMs - targets[j - 1].timeMs, int64_t(stepMs));
        QVERIFY(targets.size() > size_t(perPass) &&
                targets[perPass].timeMs - targets[0].timeMs >= 5000);
        for (size_t j = 1; j < targets.size(); ++j)
            QVERIFY(targets[j].timeMs - targets[j - 1].timeMs >=
                    AZTrackingTask::kMinTargetSpacingMs);
        // Every target lies on the star's path at its own time (1 arcsecond); the reference was
        // taken within the first 10 ms. A new reference re-anchors the path where the (unmoved)
        // axes stand, so only the first pass is checked then.
        const size_t onPath = references == 1 ? targets.size() : size_t(perPass);
        for (size_t n = 0; n < onPath; ++n) {
            const auto& target = targets[n];
            const auto sky = trueSkyOf(rig, target.angles);
            const double ha = start.first + (target.timeMs - kStartMs) / 1000.0 * kSiderealRate;
            QVERIFY2(std::abs(wrapToPi(sky.first - ha)) < kArcsec &&
                         std::abs(sky.second - start.second) < kArcsec,
                     qPrintable(QString::number(target.timeMs)));
        }
    }

    void targetModeRates_data() {
        QTest::addColumn<double>("azDeg");
        QTest::addColumn<double>("altDeg");
        QTest::addColumn<uint32_t>("kind");
        QTest::addColumn<double>("rate1");
        QTest::addColumn<double>("rate2");
        const double w = kSiderealRate, phi = 40 * kDeg;
        const double lunar = trackingBaseRate(TrackingRate::Lunar);
        auto r1 = [&](double az, double alt, double wr) {
            return wr *
                   (std::sin(phi) - std::cos(phi) * std::cos(az * kDeg) * std::tan(alt * kDeg));
        };
        auto r2 = [&](double az, double wr) { return wr * std::cos(phi) * std::sin(az * kDeg); };
        QTest::newRow("rising in the east") << 90.0 << 30.0 << 0u << r1(90, 30, w) << r2(90, w);
        QTest::newRow("on the meridian, south")
            << 180.0 << 50.0 << 0u << r1(180, 50, w) << r2(180, w);
        QTest::newRow("lunar, north-west")
            << 300.0 << 20.0 << 1u << r1(300, 20, lunar) << r2(300, lunar);
        QTest::newRow("near the zenith: at most the axis's fastest")
            << 180.0 << 89.99999 << 0u << kMaxAxisSlewRate << r2(180, w);
        QTest::newRow("unknown kind stands still") << 90.0 << 30.0 << 5u << 0.0 << 0.0;
    }
    // A named target drives open-loop rates from its azimuth and altitude; the pointing model (here
    // empty: any use would throw) is never read and no reference is taken.
    void targetModeRates() {
        QFETCH(double, azDeg);
        QFETCH(double, altDeg);
        QFETCH(uint32_t, kind);
        QFETCH(double, rate1);
        QFETCH(double, rate2);
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const auto token = std::make_shared<FakeDeadlineToken>(log, clock, kStartMs + 1);
        const EmulatedMountRig rig(clock, token, 1, 40.0, {0.5, 0.3});
        const auto noModel =
            std::make_shared<Alignment>(std::make_shared<SharedAlignmentData>(), nullptr);
        const LogCounter referenceLines("AZ tracking reference");
        AZTrackingTask task(
            token, rig.axes, rig.util, rig.location, rig.astro, clock, noModel, {},
            MountTarget{"target", {azDeg * kDeg, altDeg * kDeg, CoordType::AZTrue}, kind},
            rig.command);
        QCOMPARE(task.run(), CmdRetType_::Cancel);
        QCOMPARE(referenceLines.count(), 0);
        QVERIFY(std::abs(rig.axes->lastRate(0).value() - rate1) < 1e-12);
        QVERIFY(std::abs(rig.axes->lastRate(1).value() - rate2) < 1e-12);
    }

    // What a tracking start tells whoever waits for it, pass by pass: the axes at rest, then
    // taken once a pass has given both axes their rates. A pass in which either rate went
    // unanswered is not taken; on controllers with the extended commands, a timed target that went
    // unanswered counts as such a rate. Once taken, a lost read tells nothing (the axes keep their
    // rates), nor does a pass that sends nothing because its reading cannot be placed, while a
    // rate that went unanswered tells that the mount may stand, until a pass is taken again.
    // script: the fake axes' scripted answers; targets: the extended commands' answers to the
    // timed targets, three to a pass (empty: a controller without them); strayFrom: from this
    // position read of the azimuth axis on, each lands 10 degrees further (0: never); told: what
    // was heard in that many passes.
    void answersFollowTheRates_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("targets");
        QTest::addColumn<int>("strayFrom");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QString>("told");
        dataRow("every pass taken", "", "", 0, 3, "rest taken");
        dataRow("azimuth rate of the first pass unanswered", "slew1=T", "", 0, 3,
                "rest unanswered taken");
        dataRow("altitude rate of the first pass unanswered", "slew2=T", "", 0, 3,
                "rest unanswered taken");
        dataRow("a read of the second pass lost", "pos1=KKT", "", 0, 3, "rest taken");
        dataRow("a read of every pass after the first lost", "pos1=KKTKTK", "", 0, 3, "rest taken");
        dataRow("azimuth rate of the second pass unanswered", "slew1=KT", "", 0, 3,
                "rest taken unanswered taken");
        dataRow("azimuth rates of the last two passes unanswered", "slew1=KTT", "", 0, 3,
                "rest taken unanswered");
        dataRow("the reading of the third pass cannot be placed", "", "", 4, 3, "rest taken");
        dataRow("the reading of the fourth pass cannot be placed, after a rate went unanswered "
                "and was taken again",
                "slew1=KT", "", 5, 4, "rest taken unanswered taken");
        dataRow("timed targets: every pass taken", "", "K", 0, 3, "rest taken");
        dataRow("timed targets: the first target of the second pass unanswered", "", "KKKT", 0, 3,
                "rest taken unanswered taken");
        dataRow("timed targets: the last target of the second pass unanswered", "", "KKKKKT", 0, 3,
                "rest taken unanswered taken");
        dataRow("timed targets: a read of the second pass lost", "pos1=KKKT", "K", 0, 3,
                "rest taken");
    }
    void answersFollowTheRates() {
        QFETCH(QString, script);
        QFETCH(QString, targets);
        QFETCH(int, strayFrom);
        QFETCH(int, passes);
        QFETCH(QString, told);
        const auto calls = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const auto token = std::make_shared<FakeTCCancellable>(calls, clock);
        // Cancelled in the wait after the last pass.
        std::atomic<int> passesRun{0};
        token->cancelWhen([&](int64_t ms) { return ms >= 1000 && ++passesRun == passes; });
        const EmulatedMountRig rig(clock, token, 1, 40.0, {0.0, 0.0});
        const auto axes = std::make_shared<StrayingAxes>(calls, strayFrom);
        axes->scriptAll(script);
        const auto util = std::make_shared<MountAxisUtil>(
            axes, token, std::make_shared<AppCore>(nullptr, nullptr));
        std::shared_ptr<IKoMCommand> command = rig.command;
        if (!targets.isEmpty()) {
            const auto extended = std::make_shared<FakeKoMCommand>(calls, clock, 3);
            std::deque<CmdRetType_::E> answers;
            for (QChar c : targets)
                answers.push_back(FakeMountAxis::resultCode(c));
            extended->scriptTargets(answers);
            command = extended;
        }
        AZTrackingTask task(token, axes, util, rig.location, rig.astro, clock, rig.model,
                            TrackingRate::Sidereal, {}, command);
        QStringList heard;
        task.setRestListener([&] { heard << "rest"; });
        task.setAnswerListener([&](bool taken) { heard << (taken ? "taken" : "unanswered"); });
        QCOMPARE(task.run(), CmdRetType_::Cancel);
        QCOMPARE(passesRun.load(), passes);
        QVERIFY2(targets.isEmpty() || calls->text().contains("target"), qPrintable(calls->text()));
        QCOMPARE(heard.join(' '), told);
    }

    void failedReadsPauseBeforeTheNextTry_data() {
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<QString>("log");
        QTest::newRow("two failed reads") << 3
                                          << "stop1 stop2 st1 st2 pos1 sleep100 pos1 sleep100 "
                                             "pos1 pos2";
        QTest::newRow("cancel while waiting to read again")
            << 1 << "stop1 stop2 st1 st2 pos1 sleep100";
    }
    // A link that fails at once is asked again only after a cancellable pause; a cancel there ends
    // the run.
    void failedReadsPauseBeforeTheNextTry() {
        QFETCH(int, cancelAtSleep);
        QFETCH(QString, log);
        const auto calls = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kStartMs);
        const auto token = std::make_shared<FakeTCCancellable>(calls, clock, cancelAtSleep);
        const EmulatedMountRig rig(clock, token, 1, 40.0, {0.0, 0.0});
        const auto axes = std::make_shared<FakeMountAxis>(calls);
        axes->script("pos", 0, {CmdRetType_::Timeout, CmdRetType_::Nak});
        const auto util = std::make_shared<MountAxisUtil>(
            axes, token, std::make_shared<AppCore>(nullptr, nullptr));
        AZTrackingTask task(token, axes, util, rig.location, rig.astro, clock, rig.model,
                            TrackingRate::Sidereal, {}, rig.command);
        QCOMPARE(task.run(), CmdRetType_::Cancel);
        QVERIFY2(calls->text().startsWith(log), qPrintable(calls->text()));
    }
};

QTEST_GUILESS_MAIN(TstAZTrackingTask)
#include "tst_aztrackingtask.moc"
