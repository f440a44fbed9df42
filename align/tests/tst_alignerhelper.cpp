// Sequential alignment by sync over the real solver and container: stars read through a mount
// with a known model are synced one after another, the oldest leaving after three, and removed
// again from the newest.
#include "align/alignerhelper.h"
#include "align/alignstarrater.h"
#include "emulatedmount.h"

#include <QSignalSpy>
#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {

using Names = std::vector<std::string>;

} // namespace

class TstAlignerHelper : public QObject {
    Q_OBJECT

    ScratchFolders m_folders;

    struct Rig {
        Sky sky{kRigJulianDate, kRigLatitude};
        SettingsRig settings;
        AlignModel model;
        // An altitude-azimuth mount is connected: its rules rate the synced stars.
        EmulatedMount mount;
        std::shared_ptr<AlignStarRater> rater;
        AlignerHelper helper;
        // An altitude-azimuth mount turned by 3 degrees with an index error on axis 2.
        TrueModel truth{MountMode_::AZ, kRigLatitude, rotationZ(3 * kDeg), 0.4 * kDeg, 0, 0};

        Rig(const QString& folder, const QString& mountFolder)
            : settings(sky, folder), model(sky, settings, MountMode_::AZ),
              mount(mountFolder, MountMode_::AZ),
              rater(std::make_shared<AlignStarRater>(settings.altRange, sky.calc, mount.holder)),
              helper(model.container, model.aligner, rater, model.format, sky.calc) {}

        bool sync(const std::string& name, double az, double alt) {
            return helper.sequentialAlign(name, truth.pairAt(az * kDeg, alt * kDeg));
        }
        ALIGNMENT_DATA data() const { return model.container->get(); }
    };

    std::unique_ptr<Rig> makeRig() {
        const QString folder = m_folders.next();
        return std::make_unique<Rig>(folder, m_folders.next());
    }

private slots:
    void initTestCase() { QVERIFY(m_folders.isValid()); }

    void syncsBuildTheModelAndRemovalsUndoIt() {
        auto rig = makeRig();
        QSignalSpy failed(&rig->helper, &IAlignerHelper::sequentialAlignFailed);
        QVERIFY(rig->sync("s1", 30, 30));
        QVERIFY(rig->sync("s2", 90, 30));
        QVERIFY(rig->sync("s3", 200, 50));
        QCOMPARE(rig->model.names(), (Names{"s1", "s2", "s3"}));
        // Three stars reproduce the mount over the whole sky.
        QVERIFY(worstPointingError(rig->truth, rig->data()) < 1 * kArcmin);

        QVERIFY(rig->sync("s4", 300, 30));
        QCOMPARE(rig->model.names(), (Names{"s2", "s3", "s4"}));
        QCOMPARE(rig->data().pairs.front(), rig->truth.pairAt(90 * kDeg, 30 * kDeg));
        QVERIFY(worstPointingError(rig->truth, rig->data()) < 1 * kArcmin);

        rig->helper.removeLastStar();
        QCOMPARE(rig->model.names(), (Names{"s2", "s3"}));
        rig->helper.removeLastStar();
        QCOMPARE(rig->model.names(), Names{"s2"});
        rig->helper.removeLastStar();
        QCOMPARE(rig->model.container->alignedStarCount(), 0);
        // Nothing left to remove: the request is ignored.
        const ALIGNMENT_DATA empty = rig->data();
        rig->helper.removeLastStar();
        QVERIFY(rig->data() == empty);
        QCOMPARE(failed.count(), 0);
    }

    void rejectedSyncsKeepTheModel() {
        auto rig = makeRig();
        QSignalSpy failed(&rig->helper, &IAlignerHelper::sequentialAlignFailed);
        QVERIFY(rig->sync("s1", 30, 30));
        const ALIGNMENT_DATA one = rig->data();

        // The rater refuses a second star 20 degrees from the first in azimuth.
        QVERIFY(!rig->sync("near", 50, 30));
        QVERIFY(rig->data() == one);
        QCOMPARE(failed.count(), 0);

        // The solver refuses axes that cannot belong to that star.
        ALIGNMENT_PAIR wrong = rig->truth.pairAt(120 * kDeg, 40 * kDeg);
        wrong.axis1 = one.pairs[0].axis1 + 1 * kDeg;
        wrong.axis2 = one.pairs[0].axis2 + 1 * kDeg;
        QVERIFY(!rig->helper.sequentialAlign("wrong", wrong));
        QVERIFY(rig->data() == one);
        QCOMPARE(failed.count(), 1);
        const U_ASTRO_COORD azAlt = rig->sky.calc->convertNow(
            U_ASTRO_COORD{wrong.ha, wrong.dec, CoordType::HDObsv}, CoordType::AZObsv);
        QCOMPARE(
            failed.at(0).at(0).toString(),
            QString::fromStdString(rig->model.format->formatAzAltWholeDegrees(azAlt.a, azAlt.b)));
    }

    // A model from a file or a peer is taken as it comes: a removal the solver rejects, or a
    // model whose names do not match its stars, leaves it as it was.
    void unusableStoredModels() {
        auto rig = makeRig();
        QVERIFY(rig->sync("s1", 30, 30));
        QVERIFY(rig->sync("s2", 90, 30));
        QVERIFY(rig->sync("s3", 200, 50));
        ALIGNMENT_DATA stored = rig->data();
        stored.pairs[1].axis1 = stored.pairs[0].axis1 + 1 * kDeg;
        stored.pairs[1].axis2 = stored.pairs[0].axis2 + 1 * kDeg;
        rig->model.container->setAlignmentData(stored);
        rig->helper.removeLastStar();
        QVERIFY(rig->data() == stored);

        stored.objNames.pop_back();
        rig->model.container->setAlignmentData(stored);
        rig->helper.removeLastStar();
        QVERIFY(rig->data() == stored);
        QVERIFY(!rig->sync("s4", 300, 30));
        QVERIFY(rig->data() == stored);
    }
};

QTEST_GUILESS_MAIN(TstAlignerHelper)
#include "tst_alignerhelper.moc"
