// Polar-alignment geometry over the real solver and model container: models solved from stars
// read through a mount whose polar axis is off by a known elevation and azimuth error.
#include "align/polaraligner.h"
#include "alignrig.h"
#include "base/tests/datarow.h"

#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {} // namespace

class TstPolarAligner : public QObject {
    Q_OBJECT

    ScratchFolders m_folders;

    struct Rig {
        Sky sky;
        SettingsRig settings;
        AlignModel model;
        PolarAligner aligner;

        Rig(double latitude, const QString& folder)
            : sky(kRigJulianDate, latitude), settings(sky, folder), model(sky, settings),
              aligner(settings.altRange, sky.location, sky.calc, model.container, model.aligner) {}

        TrueModel truth(double melArcmin, double mazArcmin) const {
            return polarErrorTruth(sky.location->latitudeRad(), melArcmin, mazArcmin);
        }
        bool alignOn(const TrueModel& t, int stars) {
            const auto p1 = t.pairAt(100 * kDeg, 40 * kDeg);
            const auto p2 = t.pairAt(200 * kDeg, 50 * kDeg);
            return stars == 1 ? model.aligner->align1({"one"}, p1)
                              : model.aligner->align2({"one", "two"}, p1, p2);
        }
    };

    std::unique_ptr<Rig> makeRig(double latitude = kRigLatitude) {
        return std::make_unique<Rig>(latitude, m_folders.next());
    }

private slots:
    void initTestCase() { QVERIFY(m_folders.isValid()); }

    // Stars by azimuth and altitude; the errors in arcminutes.
    void rateStar_data() {
        QTest::addColumn<int>("stars");
        QTest::addColumn<double>("mel");
        QTest::addColumn<double>("maz");
        QTest::addColumn<double>("az");
        QTest::addColumn<double>("alt");
        QTest::addColumn<int>("rating");
        dataRow("one aligned star: no measured error", 1, 10.0, 0.0, 180.0, 40.0, 0);
        dataRow("elevation error: the meridian star moves in declination", 2, 10.0, 0.0, 180.0,
                40.0, 5);
        dataRow("elevation error: a star due east near the equator barely moves", 2, 10.0, 0.0,
                90.0, 4.0, 0);
        dataRow("an elevation error too low counts by its size", 2, -10.0, 0.0, 90.0, 4.0, 0);
        dataRow("errors under 4': every star is suitable", 2, 3.0, 3.0, 90.0, 4.0, 5);
        dataRow("azimuth error: a star near the zenith barely moves", 2, 0.0, 10.0, 0.0, 89.5, 0);
        dataRow("azimuth error: a low eastern star moves", 2, 0.0, 10.0, 90.0, 20.0, 5);
    }
    void rateStar() {
        QFETCH(int, stars);
        QFETCH(double, mel);
        QFETCH(double, maz);
        QFETCH(double, az);
        QFETCH(double, alt);
        QFETCH(int, rating);
        auto rig = makeRig();
        QVERIFY(rig->alignOn(rig->truth(mel, maz), stars));
        QCOMPARE(rig->model.container->alignedStarCount(), stars);
        const auto [ha, dec] = rig->sky.calc->azAltToHourAngleDec(az * kDeg, alt * kDeg);
        QCOMPARE(int(rig->aligner.rateStar(ha, dec)), rating);
    }

    // After the user's correction the re-solved model shows no error left (the first-order shift
    // leaves a few arcseconds).
    void correctionRemovesTheError_data() {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("mel");
        QTest::addColumn<double>("maz");
        QTest::addColumn<bool>("isElevation");
        QTest::newRow("north, axis too high") << 45.0 << 10.0 << 0.0 << true;
        QTest::newRow("north, axis too low") << 45.0 << -10.0 << 0.0 << true;
        QTest::newRow("north, azimuth") << 45.0 << 0.0 << 10.0 << false;
        QTest::newRow("south, axis too high") << -35.0 << 10.0 << 0.0 << true;
        QTest::newRow("south, azimuth") << -35.0 << 0.0 << -10.0 << false;
    }
    void correctionRemovesTheError() {
        QFETCH(double, latitudeDeg);
        QFETCH(double, mel);
        QFETCH(double, maz);
        QFETCH(bool, isElevation);
        auto rig = makeRig(latitudeDeg * kDeg);
        const TrueModel truth = rig->truth(mel, maz);
        const auto p1 = truth.pairAt(100 * kDeg, 40 * kDeg);
        const auto p2 = truth.pairAt(250 * kDeg, 50 * kDeg);
        QVERIFY(rig->model.aligner->align2({"one", "two"}, p1, p2));
        const auto [mazBefore, melBefore] = rig->model.container->polarAxisError();
        QVERIFY(std::max(std::abs(mazBefore), std::abs(melBefore)) > 8 * kArcmin);

        QVERIFY(rig->aligner.applyCorrection(melBefore, mazBefore, isElevation));
        const auto [mazAfter, melAfter] = rig->model.container->polarAxisError();
        const double corrected = isElevation ? melAfter : mazAfter;
        QVERIFY2(std::abs(corrected) < 0.2 * kArcmin,
                 qPrintable(QString::number(corrected / kArcmin)));
        QCOMPARE(rig->model.names(), (std::vector<std::string>{"one", "two"}));
    }

    void correctionWithoutStarsStoresNothing() {
        auto rig = makeRig();
        const ALIGNMENT_DATA before = rig->model.container->get();
        QVERIFY(before.pairs.empty());
        QVERIFY(!rig->aligner.applyCorrection(10 * kArcmin, 0, true));
        QVERIFY(!rig->aligner.applyCorrection(0, 10 * kArcmin, false));
        QVERIFY(rig->model.container->get() == before);
    }
};

QTEST_GUILESS_MAIN(TstPolarAligner)
#include "tst_polaraligner.moc"
