// Polar alignment end to end on the emulated mount: a two-star model measured on a mount whose
// polar axis is off, the chosen star centred, and the user's latitude and azimuth adjustments
// played by correcting the true model; the instruction texts as the translations may write them.
#include "align/polaralignmentroutine.h"
#include "base/tests/datarow.h"
#include "base/tests/queuedspy.h"
#include "mountrig.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {

constexpr double kMel = 20;
constexpr double kMaz = 15;
// A GoTo ends within 2' of its target; the first-order shifts add a few arcseconds.
constexpr double kPolarGotoTolerance = 5 * kArcmin;
const QString kLatitudeStep = "Adjust Latitude of mount to bring star to center of eyepiece";
const QString kAzimuthStep = "Adjust Azimuth of mount to bring star to center of eyepiece";
const QString kPolarMovedAway = "The mount was sent elsewhere: nothing was recorded";

} // namespace

class TstPolarAlignmentRoutine : public QObject {
    Q_OBJECT

    ScratchFolders m_folders;

    struct Rig : MountRig {
        PolarAlignmentRoutine& routine = *align.polarAlignmentRoutine;
        QSignalSpy pages{listStubs.get(), &AlignStarListUIStubs::shouldShow};
        QSignalSpy closed{listStubs.get(), &AlignStarListUIStubs::shouldInclusivePop};
        QSignalSpy centerings{centering.get(), &CenteringUIStub::shouldShow};
        QSignalSpy steps{instructions.get(), &InstructionStepUIStub::shouldShow};
        // The measurement's messages come from its own thread.
        QueuedSpy toasts{toast.get(), &ToastManagerUIStub::shouldToast};

        explicit Rig(const QString& folder) : MountRig(folder, MountMode_::EQ) {
            truth = polarErrorTruth(kRigLatitude, kMel, kMaz);
            stars->objects = {star("Alpha", 0.5f, 60, 20), star("Beta", 1.0f, -30, 50)};
        }

        // The model of two stars read through the true model.
        bool alignTwoStars() {
            return aligner->align2({"one", "two"}, truth.pairAt(100 * kDeg, 40 * kDeg),
                                   truth.pairAt(250 * kDeg, 50 * kDeg));
        }
        QStringList messages() const {
            QStringList m;
            for (qsizetype i = 0; i < toasts.count(); ++i)
                m << toasts[i].at(0).toString();
            return m;
        }
        // A message or the run's end: nothing the next step waits for comes after either.
        bool wentWrong() const { return toasts.count() > 0 || closed.count() > 0; }
        void chooseAndCentre(const std::string& name) {
            routine.start();
            const int row = rowOf(0, name);
            QVERIFY(row >= 0);
            listStubs->select(0, row);
            awaitStep([&] { return centerings.count() >= 1; }, [&] { return wentWrong(); });
            QCOMPARE(centerings.count(), 1);
            QCOMPARE(centerings.at(0).at(0).toString(), QString::fromStdString(name));
            centre(name);
            centering->center();
            awaitStep([&] { return steps.count() >= 1; }, [&] { return wentWrong(); });
            QCOMPARE(steps.count(), 1);
        }
    };

    std::unique_ptr<Rig> makeRig() { return std::make_unique<Rig>(m_folders.next()); }

private slots:
    void initTestCase() { QVERIFY(m_folders.isValid()); }

    void instructionText_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("text");
        dataRow("as written", "Adjust %s of mount to bring star to center of eyepiece", "Latitude",
                kLatitudeStep);
        dataRow("other directives of a translation stay text", "%d%% %n: stelle %s ein (%s)",
                "Breite", "%d%% %n: stelle Breite ein (%s)");
        dataRow("a directive in the word is not read", "Turn %s.", "%s%n", "Turn %s%n.");
        dataRow("no place for the word", "Turn the knob.", "Azimuth", "Turn the knob.");
        dataRow("cut at 198 characters", QString("%s") + QString(300, 'x'), "Az",
                "Az" + QString(196, 'x'));
    }
    void instructionText() {
        QFETCH(QString, pattern);
        QFETCH(QString, word);
        QFETCH(QString, text);
        QCOMPARE(PolarAlignmentRoutine::instructionText(pattern, word), text);
    }

    // The whole sequence; Next pressed twice at the latitude step corrects once.
    void latitudeThenAzimuth() {
        auto rig = makeRig();
        QVERIFY(rig->alignTwoStars());
        const auto [maz0, mel0] = rig->container->polarAxisError();
        QVERIFY(std::abs(maz0 - kMaz * kArcmin) < 0.2 * kArcmin);
        QVERIFY(std::abs(mel0 - kMel * kArcmin) < 0.2 * kArcmin);
        rig->routine.start();
        QCOMPARE(rig->pages.count(), 1);
        QCOMPARE(rig->pages.at(0).at(1).toString(), QString("Choose Polar Align Star"));
        QCOMPARE(rig->calculator->list0().size(), size_t(2));

        rig->chooseAndCentre("Alpha");
        QCOMPARE(rig->steps.at(0).at(0).toString(), kLatitudeStep);
        // The mount went where the star shows once the axis is raised by the error: the user
        // turns the latitude knob until the star is centred there.
        rig->truth = polarErrorTruth(kRigLatitude, 0, kMaz);
        QVERIFY2(rig->pointingError("Alpha") < kPolarGotoTolerance,
                 qPrintable(QString::number(rig->pointingError("Alpha") / kArcmin)));
        rig->instructions->pressNext();
        rig->instructions->pressNext();
        awaitStep([&] { return rig->steps.count() >= 2; }, [&] { return rig->wentWrong(); });
        QCOMPARE(rig->steps.count(), 2);
        QCOMPARE(rig->steps.at(1).at(0).toString(), kAzimuthStep);
        // The elevation is corrected once; the first-order shift of the two stars leaves some
        // azimuth term behind, which the azimuth step does not take out.
        const auto [maz1, mel1] = rig->container->polarAxisError();
        QVERIFY2(std::abs(mel1) < 1 * kArcmin, qPrintable(QString::number(mel1 / kArcmin)));

        rig->instructions->pressNext();
        QTRY_COMPARE(rig->messages(), QStringList{"Polar alignment finished"});
        QCOMPARE(rig->closed.count(), 1);
        QCOMPARE(rig->closed.at(0).at(0).toInt(), 0);
        // The azimuth step takes out the error measured when the star was chosen.
        const auto [maz2, mel2] = rig->container->polarAxisError();
        QVERIFY2(std::abs(maz2 - (maz1 - maz0)) < 0.2 * kArcmin,
                 qPrintable(QString::number(maz2 / kArcmin)));
        QVERIFY(std::abs(mel2 - mel1) < 0.2 * kArcmin);
        QCOMPARE(rig->container->get().objNames, (std::vector<std::string>{"one", "two"}));
        rig->instructions->pressNext();
        QCoreApplication::processEvents();
        QCOMPARE(rig->messages().size(), 1);
        QCOMPARE(rig->steps.count(), 2);
    }

    // Each step belongs to the GoTo before it: the centring to the GoTo to the star, each
    // adjustment to the GoTo that showed the error. A client that sends the mount elsewhere
    // meanwhile closes the page in front with a word why: the centring page at once, and a press
    // that still reaches the run measures nothing and ends it; an adjustment page at once with
    // the whole run, and its Next corrects nothing. The model stays as the last step left it.
    // A Next pressed before the window has heard of the other GoTo ends the run the same way.
    void anotherGotoEndsTheRun_data() {
        QTest::addColumn<int>("atStep");
        QTest::addColumn<bool>("nextAtOnce");
        dataRow("centring", 0, false);
        dataRow("latitude adjustment", 1, false);
        dataRow("azimuth adjustment", 2, false);
        dataRow("latitude adjustment, Next at once", 1, true);
    }
    void anotherGotoEndsTheRun() {
        QFETCH(int, atStep);
        QFETCH(bool, nextAtOnce);
        auto rig = makeRig();
        QSignalSpy centringClosed(rig->centering.get(), &CenteringUIStub::shouldInclusivePop);
        QVERIFY(rig->alignTwoStars());
        if (atStep == 0) {
            rig->routine.start();
            rig->listStubs->select(0, rig->rowOf(0, "Alpha"));
            awaitStep([&] { return rig->centerings.count() >= 1; },
                      [&] { return rig->wentWrong(); });
            QCOMPARE(rig->centerings.count(), 1);
        } else {
            rig->chooseAndCentre("Alpha");
        }
        if (atStep == 2) {
            rig->instructions->pressNext();
            awaitStep([&] { return rig->steps.count() >= 2; }, [&] { return rig->wentWrong(); });
            QCOMPARE(rig->steps.count(), 2);
        }
        const ALIGNMENT_DATA before = rig->container->get();
        const qsizetype shownSteps = rig->steps.count();
        const qsizetype centringsClosed = centringClosed.count();

        if (nextAtOnce) {
            rig->mount->abortSlewAsync();
            QVERIFY(rig->mount->slewToAsync(rig->elsewhere()));
            rig->instructions->pressNext();
            QTRY_VERIFY_WITH_TIMEOUT(!rig->mount->slewToTarget().hasValue(), kStepTimeoutMs);
        } else {
            QVERIFY(rig->sendElsewhere().isOk());
        }
        QTRY_COMPARE(rig->messages(), QStringList{kPolarMovedAway});
        if (atStep == 0) {
            QCOMPARE(centringClosed.count(), centringsClosed + 1);
            QCOMPARE(rig->closed.count(), 0);
            rig->centre("Alpha");
            rig->centering->center();
            QTRY_COMPARE(rig->messages(), (QStringList{kPolarMovedAway, kPolarMovedAway}));
        } else {
            QTRY_COMPARE(rig->closed.count(), 1);
            rig->instructions->pressNext();
            QCoreApplication::processEvents();
            QCOMPARE(rig->messages(), QStringList{kPolarMovedAway});
        }
        QTRY_COMPARE(rig->closed.count(), 1);
        QCOMPARE(rig->closed.at(0).at(0).toInt(), 0);
        QVERIFY(rig->container->get() == before);
        QCOMPARE(rig->steps.count(), shownSteps);
        QVERIFY(!rig->mount->slewToTarget().hasValue());
    }

    void withoutMeasuredErrorNoStarIsOffered() {
        auto rig = makeRig();
        rig->routine.start();
        QCOMPARE(rig->pages.count(), 1);
        QCOMPARE(rig->pages.at(0).at(0).toInt(), 0);
        QCOMPARE(rig->pages.at(0).at(1).toString(),
                 QString("No measured Mel Maz. Please perform alignment with 2 or 3 stars."));
        QVERIFY(rig->calculator->list0().empty());
    }

    // The model lost its stars while the user adjusted: the pages close with a message and the
    // run ends there.
    void modelWithoutStarsCannotBeCorrected() {
        auto rig = makeRig();
        QVERIFY(rig->alignTwoStars());
        rig->chooseAndCentre("Beta");
        rig->container->reset();
        const ALIGNMENT_DATA reset = rig->container->get();
        rig->instructions->pressNext();
        QTRY_COMPARE(rig->messages(), QStringList{"Failed to update alignment data"});
        QCOMPARE(rig->closed.count(), 1);
        QVERIFY(rig->container->get() == reset);
        rig->instructions->pressNext();
        QCoreApplication::processEvents();
        QCOMPARE(rig->messages().size(), 1);
        QCOMPARE(rig->steps.count(), 1);
    }

    // A centring whose position the mount does not give (the link no longer answers, or it
    // refuses the read) shifts nothing, shows no adjustment and leaves the model alone; the user
    // hears what the other routines say then. The same press with the link answering goes on to
    // the latitude step.
    void centringOnADeadLink_data() {
        QTest::addColumn<CmdRetType_::E>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("steps");
        const QStringList noAnswer{"The mount does not answer."};
        dataRow("link dead", CmdRetType_::Timeout, noAnswer, 0);
        dataRow("read refused", CmdRetType_::Nak, noAnswer, 0);
        dataRow("link answering", CmdRetType_::Ok, QStringList{}, 1);
    }
    void centringOnADeadLink() {
        QFETCH(CmdRetType_::E, fault);
        QFETCH(QStringList, messages);
        QFETCH(int, steps);
        auto rig = makeRig();
        QVERIFY(rig->alignTwoStars());
        const ALIGNMENT_DATA before = rig->container->get();
        const std::shared_ptr<EmlatorMountAxis> axes = rig->emulatedAxes();
        QVERIFY(axes);
        const auto mend = qScopeGuard([&] { axes->setReadFault(CmdRetType_::Ok); });
        rig->routine.start();
        const int row = rig->rowOf(0, "Alpha");
        QVERIFY(row >= 0);
        rig->listStubs->select(0, row);
        awaitStep([&] { return rig->centerings.count() >= 1; }, [&] { return rig->wentWrong(); });
        QCOMPARE(rig->centerings.count(), 1);
        rig->centre("Alpha");
        axes->setReadFault(fault);
        rig->centering->center();
        awaitStep([&] { return rig->steps.count() >= 1 || rig->toasts.count() > 0; },
                  [&] { return rig->closed.count() > 0; });

        QCOMPARE(rig->messages(), messages);
        QCOMPARE(rig->steps.count(), steps);
        QVERIFY(rig->container->get() == before);
        QCOMPARE(rig->closed.count(), 0);
        if (steps == 0)
            QVERIFY(!rig->mount->slewToTarget().hasValue());
    }

    // With no mount the user's steps do nothing.
    void withoutMountNothingMoves() {
        auto rig = makeRig();
        QVERIFY(rig->alignTwoStars());
        rig->routine.start();
        const int row = rig->rowOf(0, "Alpha");
        QVERIFY(row >= 0);
        rig->holder->disconnect();
        rig->listStubs->select(0, row);
        rig->routine.start();
        rig->centering->center();
        QCoreApplication::processEvents();
        QCOMPARE(rig->centerings.count(), 0);
        QCOMPARE(rig->steps.count(), 0);
        QCOMPARE(rig->toasts.count(), 0);
    }
};

QTEST_MAIN(TstPolarAlignmentRoutine)
#include "tst_polaralignmentroutine.moc"
