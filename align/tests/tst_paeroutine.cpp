#include "align/paeroutine.h"
#include "align/tests/centeringrig.h"
#include "base/tests/datarow.h"
#include "base/tests/queuedspy.h"
#include "mount/tests/fakescriptedmount.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>
#include <memory>

using namespace Ko;
using namespace Ko::Test;

namespace {

// A GoTo on the emulated mount ends within a few seconds of wall time.
constexpr int kGotoTimeoutMs = 20000;

// The result of the next GoTo to end, from a subscription of the test's own.
struct GotoEnd {
    explicit GotoEnd(IMount& mount) {
        mount.slewToFinished.append([this](CmdRet ret) {
            type = ret.type;
            ended = true;
        });
    }
    std::atomic<bool> ended{false};
    std::atomic<CmdRetType_::E> type{CmdRetType_::Other};
};

const QString kPaeMovedAway = "The mount was sent elsewhere: nothing was recorded";

} // namespace

class TestPAERoutine : public QObject {
    Q_OBJECT

    struct Rig : CenteringRig {
        std::shared_ptr<PAERoutine> routine =
            std::make_shared<PAERoutine>(holder, centering, toasts);
        // The page is shown on the main thread; the point's outcome comes from its worker.
        QSignalSpy shown{centering.get(), &CenteringUIStub::shouldShow};
        QueuedSpy popped{centering.get(), &CenteringUIStub::shouldInclusivePop};
        QueuedSpy toasted{toasts.get(), &ToastManagerUIStub::shouldToast};
    };

private slots:
    // The road of a GoTo: the mount goes to the target, the centering page shows it, and the
    // press of the centre button records the target as a correction point and closes the page.
    void gotoCentreAndRecord() {
        Rig rig;
        IMount* mount = rig.connect();
        const MountTarget target = rig.targetAt("Arcturus", 120, 40);
        // The time stands still until the GoTo's target has been read: the emulated axes move by
        // the clock, so the GoTo cannot end (and clear its target) while a loaded machine keeps
        // this thread waiting.
        rig.clock->freeze();
        rig.routine->start(target);
        QTRY_VERIFY(mount->slewToTarget().hasValue());
        QCOMPARE(mount->slewToTarget().value().name, target.name);
        rig.clock->resume();

        QTRY_COMPARE_WITH_TIMEOUT(rig.shown.count(), 1, kGotoTimeoutMs);
        QCOMPARE(rig.shown[0][0].toString(), QString("Arcturus"));
        // A GoTo that ended Ok leaves both axes counted positive: the button is ready.
        QVERIFY(rig.centering->centerButtonReady());
        QVERIFY(rig.pae->points().empty());

        rig.centering->center();
        QTRY_COMPARE(rig.popped.count(), 1);
        const auto points = rig.pae->points();
        QCOMPARE(points.size(), size_t(1));
        QCOMPARE(points[0].name, target.name);
        // The true position is the target's; refraction at 40 degrees moves it by well under a
        // tenth of a degree.
        QVERIFY(std::abs(points[0].tdec - target.coord.b) < 0.1 * kDeg);
        QCOMPARE(rig.toasted.count(), 0);
    }

    // A GoTo that does not end Ok (the user aborts it) shows no centering page.
    void abortedGotoShowsNoPage() {
        Rig rig;
        IMount* mount = rig.connect();
        GotoEnd end(*mount);
        // The time stands still until the abort is asked: the GoTo cannot reach its target first,
        // however late this thread runs.
        rig.clock->freeze();
        rig.routine->start(rig.targetAt("Deneb", 300, 60));
        QTRY_VERIFY(mount->slewToTarget().hasValue());
        mount->abortSlewAsync();
        rig.clock->resume();
        QTRY_VERIFY_WITH_TIMEOUT(end.ended, kGotoTimeoutMs);
        QVERIFY(end.type != CmdRetType_::Ok);
        QCoreApplication::processEvents();
        QCOMPARE(rig.shown.count(), 0);
    }

    // A target the altitude limits refuse starts no GoTo, and the routine does not wait for the
    // next GoTo that someone else starts: that one ends without a centering page.
    void refusedGotoLeavesNoSubscription() {
        Rig rig;
        IMount* mount = rig.connect();
        rig.routine->start(rig.targetAt("Below", 200, -20));
        QVERIFY(!mount->slewToTarget().hasValue());
        // The user is told why nothing moves.
        QTRY_COMPARE(rig.toasted.count(), 1);
        QCOMPARE(rig.toasted[0][0].toString(), QString("Altitude outside of limits"));

        GotoEnd end(*mount);
        QVERIFY(mount->slewToAsync(rig.targetAt("Elsewhere", 100, 30)));
        QTRY_VERIFY_WITH_TIMEOUT(end.ended, kGotoTimeoutMs);
        QCOMPARE(end.type.load(), CmdRetType_::Ok);
        QCoreApplication::processEvents();
        QCOMPARE(rig.shown.count(), 0);
    }

    // A point that fails (a read the mount refuses, or one that times out) is reported as a
    // communication error; the page stays open, and the next press retries the same target.
    void failedPointRetries_data() {
        QTest::addColumn<int>("failure");
        dataRow("refused", int(CmdRetType_::Nak));
        dataRow("unanswered", int(CmdRetType_::Timeout));
    }
    void failedPointRetries() {
        QFETCH(int, failure);
        Rig rig;
        auto mount = std::make_shared<FakeScriptedMount>();
        rig.holder->setMount(mount);
        const MountTarget target = rig.targetAt("Capella", 60, 35);
        rig.routine->start(target);
        QCOMPARE(mount->targets().size(), size_t(1));
        // The scripted mount arrives at once.
        mount->slewToFinished(CmdRet(CmdRetType_::Ok));
        QTRY_COMPARE(rig.shown.count(), 1);

        mount->setResult("addPaePoint", CmdRetType_::E(failure));
        rig.centering->center();
        QTRY_COMPARE(rig.toasted.count(), 1);
        QCOMPARE(rig.toasted[0][0].toString(), QString("Communication error"));
        QCOMPARE(rig.popped.count(), 0);

        mount->setResult("addPaePoint", CmdRetType_::Ok);
        rig.centering->center();
        QTRY_COMPARE(rig.popped.count(), 1);
        // The GoTo's target, then both points: all of the same object.
        QCOMPARE(mount->calls("addPaePoint").size(), size_t(2));
        QCOMPARE(mount->names(), std::vector<std::string>(3, target.name));
        QCOMPARE(rig.toasted.count(), 1);
        rig.holder->disconnect();
    }

    // The page belongs to its GoTo and to the mount that made it. Another GoTo sends the mount
    // elsewhere after the page has come (a client stopping the mount and then sending it on, as
    // the remote servers do, or a GoTo started straight away, as the window's other pages do):
    // the page closes at once, says why, and a press that still reaches it records nothing. With
    // another mount in its place (the same emulated mount without a pointing model) the press
    // records nothing, closes the page and says why; the mount that made the GoTo, back in its
    // place, takes the point. (With neither, the press records it: gotoCentreAndRecord.)
    void somethingElseDropsThePage_data() {
        QTest::addColumn<QString>("other");
        dataRow("stop, then GoTo", QString("server"));
        dataRow("GoTo at once", QString("page"));
        dataRow("another mount", QString("mount"));
    }
    void somethingElseDropsThePage() {
        QFETCH(QString, other);
        Rig rig;
        IMount* mount = rig.connect();
        const std::shared_ptr<IMount> good = rig.holder->sharedMount();
        const MountTarget target = rig.targetAt("Venus", 130, 30);
        rig.routine->start(target);
        QTRY_COMPARE_WITH_TIMEOUT(rig.shown.count(), 1, kGotoTimeoutMs);

        std::pair<std::shared_ptr<IMount>, std::shared_ptr<IMountFactory::ISession>> broken;
        if (other == "mount") {
            MountFactory modelless(rig.location, rig.clock, rig.astro, rig.altRange, nullptr,
                                   rig.toasts, rig.parkPrompt, rig.pae, rig.axisSlot, rig.token,
                                   rig.token, rig.perMountData, rig.appCore,
                                   rig.connectionSettings);
            broken = modelless.create(MountMode_::EQ, nullptr, std::make_shared<EmlatorKoDevic>());
            rig.holder->setMount(broken.first);
        } else {
            GotoEnd end(*mount);
            if (other == "server")
                mount->abortSlewAsync();
            QVERIFY(mount->slewToAsync(rig.targetAt("Elsewhere", 220, 50)));
            QTRY_COMPARE(rig.popped.count(), 1);
            QTRY_COMPARE(rig.toasted.count(), 1);
            QTRY_VERIFY_WITH_TIMEOUT(end.ended, kGotoTimeoutMs);
            QCOMPARE(end.type.load(), CmdRetType_::Ok);
        }
        rig.centering->center();
        const qsizetype toasts = other == "mount" ? 1 : 2;
        QTRY_COMPARE(rig.toasted.count(), toasts);
        for (qsizetype i = 0; i < toasts; ++i)
            QCOMPARE(rig.toasted[i][0].toString(), kPaeMovedAway);
        QVERIFY(rig.pae->points().empty());
        // The centring of the other GoTo never shows.
        QCOMPARE(rig.shown.count(), 1);
        if (other == "mount") {
            QCOMPARE(rig.popped.count(), 1);
            rig.holder->setMount(good);
            rig.centering->center();
            QTRY_COMPARE(rig.popped.count(), 2);
            QCOMPARE(rig.pae->points().size(), size_t(1));
            QCOMPARE(rig.pae->points()[0].name, target.name);
            QCOMPARE(rig.toasted.count(), 1);
        }
    }
};

QTEST_MAIN(TestPAERoutine)
#include "tst_paeroutine.moc"
