#include "mount/tasks/autohometask.h"
#include "mount/tasks/axisautohometask.h"

#include "astro/angleutil.h"
#include "base/cancellable.h"
#include "base/tests/datarow.h"
#include "link/emkomcommand.h"
#include "model/alignment.h"
#include "mount/tasks/mounttaskmanager.h"
#include "mount/tests/fakemountaxis.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Ko;

namespace {

using Angles = QList<double>;

constexpr double kStep = AxisAutoHomeTask::kProbeStep;
constexpr double kSweep = AxisAutoHomeTask::kSweepRate;
constexpr double kMargin = AxisAutoHomeTask::kApproachMargin;

// The mount's extended commands with the dual encoders switched on; switching them is logged as
// "enc<axis><+|->".
class HomingCommand : public EmKoMCommand {
public:
    HomingCommand(std::shared_ptr<IClock> clock, std::shared_ptr<CallLog> log, bool encodersOn)
        : EmKoMCommand(std::move(clock)), m_log(std::move(log)), m_on{encodersOn, encodersOn} {}
    bool lastEnableDualEncoders(AXISID axis) const override { return m_on[axis]; }
    CmdRetType_::E setEnableDualEncoders(AXISID axis, bool on) override {
        m_log->add(QString("enc%1%2").arg(axis + 1).arg(on ? '+' : '-'));
        m_on[axis] = on;
        return CmdRetType_::Ok;
    }

private:
    const std::shared_ptr<CallLog> m_log;
    std::atomic<bool> m_on[2];
};

// An axis search that ends with its scripted result, or with Cancel once its thread's token is
// cancelled; it notes which token its thread had.
class ScriptedAxisHome : public IAxisAutoHomeTask {
public:
    ScriptedAxisHome(std::shared_ptr<TCCancellable> tc, Nullable<CmdRetType_::E> result)
        : m_tc(std::move(tc)), m_result(result) {}
    CmdRetType_::E run() override {
        m_token = m_tc->current();
        while (!m_result.hasValue()) {
            if (m_tc->sleep(1000))
                return CmdRetType_::Cancel;
        }
        return m_result.value();
    }
    std::shared_ptr<ICancellable> token() const { return m_token; }

private:
    const std::shared_ptr<TCCancellable> m_tc;
    const Nullable<CmdRetType_::E> m_result;
    std::shared_ptr<ICancellable> m_token;
};

} // namespace

class TestAutoHomeTask : public QObject {
    Q_OBJECT

private slots:
    // One axis's search against a scripted axis whose home sensor is on inside a band (repeated
    // every turn): the probe's moves, the sweeps' rates, where the axis is finally sent and how the
    // search ends. A successful search leaves the axis's counter at the model's reference angle.
    // The band's lower edge is home: the positive sweep ends on the sensor, and the negative sweep
    // captures the edge it leaves by.
    void axisSearch_data() {
        QTest::addColumn<int>("axis");
        QTest::addColumn<double>("bandLow");
        QTest::addColumn<double>("bandHigh");
        QTest::addColumn<double>("offset");
        QTest::addColumn<bool>("encodersOn");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("result");
        // Every GoTo, in order, and every commanded rate.
        QTest::addColumn<Angles>("aims");
        QTest::addColumn<Angles>("rates");

        // The probe: up 5 degrees, down 10, then its chosen steps back up.
        const Angles probe{kStep, -kStep};
        dataRow("all off: back to the start, sweep up, then down", 0, 0.3, 1.0, 0.0, false, "", 0,
                (probe + Angles{0.0, 0.3}), Angles{kSweep, -kSweep});
        dataRow("all on: back to the start, only the downward sweep; axis 2 below goes 1 "
                "degree further first",
                1, -1.0, 1.0, -0.02, false, "", 0, (probe + Angles{0.0, -1.02 - kMargin, -1.02}),
                Angles{-kSweep});
        dataRow("on only above: stays 5 degrees below, sweeps up, then down; axis 2 offset", 1,
                0.05, 1.0, 0.1, false, "", 0, (probe + Angles{0.15}), Angles{kSweep, -kSweep});
        dataRow("on above and at the start: goes 5 degrees up and sweeps down only", 0, -0.05, 1.0,
                0.0, false, "", 0, (probe + Angles{kStep, -0.05}), Angles{-kSweep});
        dataRow("on below and at the start: stays 5 degrees below and sweeps down only", 0, -1.0,
                0.05, 0.0, false, "", 0, (probe + Angles{-1.0}), Angles{-kSweep});
        dataRow("on only below: up 5 degrees and round the turn to the band's lower edge", 0, -0.3,
                -0.05, 0.0, false, "", 0, (probe + Angles{kStep, -0.3 + 2 * kPi}),
                Angles{kSweep, -kSweep});
        dataRow("on only at the start: readings that contradict end with Other", 0, -0.01, 0.01,
                0.0, false, "", 4, (probe + Angles{}), Angles{});
        dataRow("on only above and below: also Other", 0, 0.05, 2 * kPi - 0.05, 0.0, false, "", 4,
                (probe + Angles{}), Angles{});
        dataRow("dual encoders are switched off on both axes first", 1, 0.3, 1.0, 0.0, true, "", 0,
                (probe + Angles{0.0, 0.3}), Angles{kSweep, -kSweep});
        dataRow("failed commands are repeated", 0, 0.3, 1.0, 0.0, false,
                "stop1=T goto1=N reset1=T slew1=O set1=T pos1=T", 0, (probe + Angles{0.0, 0.3}),
                Angles{kSweep, -kSweep});
        dataRow("five failed sensor reads in a row are tolerated", 0, 0.3, 1.0, 0.0, false,
                "home1=KKKTTTTTK", 0, (probe + Angles{0.0, 0.3}), Angles{kSweep, -kSweep});
        dataRow("the sixth ends the sweep with its result", 0, 0.3, 1.0, 0.0, false,
                "home1=KKKKTTTTTN", 1, (probe + Angles{0.0}), Angles{kSweep});
        dataRow("Cancel from a sensor read ends it", 0, 0.3, 1.0, 0.0, false, "home1=C", 3,
                Angles{}, Angles{});
    }
    void axisSearch() {
        QFETCH(int, axis);
        QFETCH(double, bandLow);
        QFETCH(double, bandHigh);
        QFETCH(double, offset);
        QFETCH(bool, encodersOn);
        QFETCH(QString, script);
        QFETCH(int, result);
        QFETCH(Angles, aims);
        QFETCH(Angles, rates);

        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>();
        auto fake = std::make_shared<FakeMountAxis>(log, clock);
        auto token = std::make_shared<FakeTCCancellable>(log, clock);
        fake->setSensorBand(axis, bandLow, bandHigh);
        fake->scriptAll(script);
        CLocation site;
        site.latitudeRad = 40 * kDeg;
        auto model = std::make_shared<Alignment>(
            std::make_shared<SharedAlignmentData>(makeDefaultAlignmentData(0, site)), nullptr);
        AxisAutoHomeTask task(token, fake, std::make_shared<HomingCommand>(clock, log, encodersOn),
                              model, axis, offset);

        QCOMPARE(int(task.run()), result);
        const Angles got = fake->aims(axis);
        QCOMPARE(got.size(), aims.size());
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(std::fabs(got[i] - aims[i]) < 1e-12,
                     qPrintable(QString("aim %1: %2").arg(i).arg(got[i])));
        QCOMPARE(fake->rates(axis), rates);
        const QString calls = log->text();
        QCOMPARE(calls.startsWith("enc1- enc2- "), encodersOn);
        if (result == 0) {
            // The upward sweep runs on past the capture onto the sensor.
            QCOMPARE(calls.contains("sleep500"), rates.contains(kSweep));
            const auto reference = model->referenceAxes();
            QCOMPARE(fake->positionNow(axis), axis == 0 ? reference.first : reference.second);
        } else {
            QVERIFY(!calls.contains(QRegularExpression("\\bset")));
        }
    }

    // Both searches run at once on the task's token; their results are kept but the task ends Ok,
    // also when cancelled, which ends both searches.
    void bothAxes() {
        auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        auto manager = std::make_shared<MountTaskManager>(tc);
        manager->init(manager);

        for (bool cancel : {false, true}) {
            Nullable<CmdRetType_::E> first = CmdRetType_::Other, second = CmdRetType_::Ok;
            if (cancel)
                first.reset(), second.reset();
            auto axis1 = std::make_shared<ScriptedAxisHome>(tc, first);
            auto axis2 = std::make_shared<ScriptedAxisHome>(tc, second);
            auto task = std::make_shared<AutoHomeTask>(tc, tc, axis1, axis2);
            QCOMPARE(QString::fromStdString(mountTaskTagText(task->type())), "home");
            QCOMPARE(task->resources(), std::set<int>({0, 1}));
            std::atomic<int> result{-1};
            auto handle = manager->start(task, nullptr, [&](CmdRet r) { result = r.type; });
            if (cancel)
                handle->cancel();
            QTRY_COMPARE(result.load(), int(CmdRetType_::Ok));
            QVERIFY(axis1->token() && axis1->token() == axis2->token());
            QCOMPARE(task->axisResult(0).value(),
                     cancel ? CmdRetType_::Cancel : CmdRetType_::Other);
            QCOMPARE(task->axisResult(1).value(), cancel ? CmdRetType_::Cancel : CmdRetType_::Ok);
            QCOMPARE(manager->taskType(0), mountTaskTag("home"));
        }
    }
};

QTEST_GUILESS_MAIN(TestAutoHomeTask)
#include "tst_autohometask.moc"
