// The alignment-star lists over a fixture sky: named stars and solar-system bodies laid out by
// hour angle and declination (or azimuth and altitude) at a site 45 degrees north, rated by the
// rater with an equatorial mount connected, filtered and sorted by the real catalog settings.
#include "align/alignstarcalculator.h"
#include "align/alignstarrater.h"
#include "align/polaraligner.h"
#include "astro/qastroformat.h"
#include "emulatedmount.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Ko;
using namespace Ko::Test;

class TstAlignStarCalculator : public QObject {
    Q_OBJECT

    ScratchFolders m_folders;

    struct Rig {
        Sky sky{kRigJulianDate, kRigLatitude};
        SettingsRig settings;
        std::shared_ptr<FixtureStarSource> stars = std::make_shared<FixtureStarSource>();
        std::shared_ptr<FixtureSolarSystem> solar = std::make_shared<FixtureSolarSystem>(sky);
        // The ratings follow the connected mount's mode; the mount's own clock plays no part.
        EmulatedMount mount;
        std::shared_ptr<AlignStarRater> rater;
        AlignModel model;
        std::shared_ptr<PolarAligner> polarAligner;
        std::shared_ptr<AlignStarCalculator> calculator;

        Rig(const QString& folder, const QString& mountFolder)
            : settings(sky, folder), mount(mountFolder, MountMode_::EQ),
              rater(std::make_shared<AlignStarRater>(settings.altRange, sky.calc, mount.holder)),
              model(sky, settings),
              polarAligner(std::make_shared<PolarAligner>(settings.altRange, sky.location, sky.calc,
                                                          model.container, model.aligner)) {
            calculator = std::make_shared<AlignStarCalculator>(
                stars, solar, rater, sky.calc, settings.settings,
                std::make_shared<QAstroFormat>(nullptr), polarAligner);
        }
        void star(const std::string& name, float vmag, double ha, double dec) {
            stars->objects.push_back(placedAt(sky, name, vmag, ha, dec));
        }
        ChosenAlignStar chosen(const std::string& name) const {
            for (const AstroObj& o : stars->objects)
                if (o.name == name)
                    return {o.name, o.coordNow};
            return {};
        }
        // Row names of list i, sorted, so a case states membership only.
        QStringList names(int i) const {
            const auto& rows = i == 0   ? calculator->list0()
                               : i == 1 ? calculator->list1()
                                        : calculator->list2();
            QStringList out;
            for (const auto& row : rows)
                out << QString::fromStdString(row.a);
            return out;
        }
        QStringList sortedNames(int i) const {
            QStringList out = names(i);
            out.sort();
            return out;
        }
    };

    // West of the meridian: Westa, Westb, Polar (far north), Lonely (no partner 30 degrees
    // away); east: Easta, Border (magnitude 2.99), Jupiter. Faint (magnitude 3.0) and Low
    // (below the horizon) never enter the pool; the Moon stands high in the east, the Sun and the
    // other planets below the horizon.
    void layOut(Rig& rig) {
        rig.star("Westa", 1.0f, 60, 20);
        rig.star("Westb", 2.0f, 20, 20);
        rig.star("Polar", 2.5f, 70, 70);
        rig.star("Lonely", 2.2f, 45, -10);
        rig.star("Easta", 1.2f, -50, 20);
        rig.star("Border", 2.99f, -15, 20);
        rig.star("Faint", 3.0f, 40, 20);
        rig.star("Low", 0.5f, 150, 0);
        rig.solar->bodies[ISolarSystem::Jupiter] = placedAt(rig.sky, "Jupiter", -2.0f, -75, 10);
        rig.solar->bodies[ISolarSystem::Moon] = placedAt(rig.sky, "Moon", -10.0f, -10, 10);
    }

    std::unique_ptr<Rig> makeRig() {
        const QString folder = m_folders.next();
        auto rig = std::make_unique<Rig>(folder, m_folders.next());
        rig->settings.settings->setSortOrder(CatalogSortOrder_::Name);
        return rig;
    }

private slots:
    void initTestCase() { QVERIFY(m_folders.isValid()); }

    void firstStarList_data() {
        QTest::addColumn<AlignmentType_::E>("type");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one star: every rated star, Moon added, Sun below the horizon")
            << AlignmentType_::Star1 << QStringList{"Border", "Easta", "Jupiter", "Lonely",
                                                    "Moon",   "Polar", "Westa",   "Westb"};
        QTest::newRow("two stars: only stars with a second star")
            << AlignmentType_::Star2
            << QStringList{"Border", "Easta", "Jupiter", "Polar", "Westa", "Westb"};
        QTest::newRow("north-level: as two stars")
            << AlignmentType_::NorthLevel
            << QStringList{"Border", "Easta", "Jupiter", "Polar", "Westa", "Westb"};
        QTest::newRow("brightest star: magnitude 1.5 or brighter, planets included")
            << AlignmentType_::BrightestStar << QStringList{"Easta", "Jupiter", "Westa"};
        QTest::newRow("three stars: a same-declination second and a third star needed")
            << AlignmentType_::Star3 << QStringList{"Border", "Easta", "Jupiter", "Westa", "Westb"};
    }
    void firstStarList() {
        QFETCH(AlignmentType_::E, type);
        QFETCH(QStringList, expected);
        auto rig = makeRig();
        layOut(*rig);
        QSignalSpy spy(rig->calculator.get(), &IAlignStarCalculator::list0Changed);
        rig->calculator->startLists(type);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(rig->sortedNames(0), expected);

        rig->mount.holder->disconnect();
        rig->calculator->startLists(type);
        QCOMPARE(rig->names(0), QStringList());
    }

    void laterLists() {
        auto rig = makeRig();
        layOut(*rig);
        // A second star at another declination grades lower for three stars.
        rig->star("Tilted", 1.8f, 15, 40);
        auto& calc = *rig->calculator;
        QSignalSpy spy1(&calc, &IAlignStarCalculator::list1Changed);
        QSignalSpy spy2(&calc, &IAlignStarCalculator::list2Changed);

        calc.firstStarChosen(AlignmentType_::Star2, rig->chosen("Westa"));
        QCOMPARE(rig->sortedNames(1), (QStringList{"Tilted", "Westb"}));
        calc.firstStarChosen(AlignmentType_::Star3, rig->chosen("Westa"));
        QCOMPARE(rig->sortedNames(1), (QStringList{"Tilted", "Westb"}));
        QCOMPARE(calc.list1()[0].d, "Quality: 4");
        QCOMPARE(calc.list1()[1].d, "Quality: 5");
        QCOMPARE(spy1.count(), 2);

        // A one-star alignment has no second list: the rows stay and nothing is emitted.
        calc.firstStarChosen(AlignmentType_::Star1, rig->chosen("Westa"));
        QCOMPARE(spy1.count(), 2);
        QCOMPARE(rig->sortedNames(1), (QStringList{"Tilted", "Westb"}));

        calc.secondStarChosen(AlignmentType_::Star3, rig->chosen("Westa"), rig->chosen("Westb"));
        QCOMPARE(rig->sortedNames(2), (QStringList{"Border", "Easta", "Jupiter"}));
        QCOMPARE(spy2.count(), 1);
        calc.secondStarChosen(AlignmentType_::Star2, rig->chosen("Westa"), rig->chosen("Westb"));
        QCOMPARE(spy2.count(), 1);

        // Equal magnitudes sort by descending rating.
        rig->settings.settings->setSortOrder(CatalogSortOrder_::Vmag);
        rig->stars->objects.back().vmag = 2.0f;
        calc.firstStarChosen(AlignmentType_::Star3, rig->chosen("Westa"));
        QCOMPARE(rig->names(1), (QStringList{"Westb", "Tilted"}));
    }

    void rowsAndSelection() {
        auto rig = makeRig();
        layOut(*rig);
        auto& calc = *rig->calculator;
        calc.startLists(AlignmentType_::BrightestStar);
        const AstroListUIItem& row = calc.list0()[0];
        QCOMPARE(row.a, "Easta");
        QCOMPARE(row.b, "Magnitude: 1.2");
        QVERIFY(!row.c.empty());
        QCOMPARE(row.d, "Quality: 5");
        QVERIFY(row.isEnableListItem);

        const Nullable<ChosenAlignStar> picked = calc.listItem(0, 2);
        QVERIFY(picked.hasValue());
        QCOMPARE(picked.value().name, "Westa");
        QCOMPARE(picked.value().coordNow, rig->chosen("Westa").coordNow);
        // A row index from a list that has since been narrowed is refused, not read.
        calc.setSearchText(0, QStringLiteral("EAST"));
        QCOMPARE(rig->names(0), QStringList{"Easta"});
        QVERIFY(!calc.listItem(0, 2).hasValue());
        QVERIFY(!calc.listItem(3, 0).hasValue());
        QVERIFY(!calc.listItem(-1, 0).hasValue());
        QVERIFY(!calc.listItem(1, 0).hasValue());
    }

    // A star the GoTo would refuse stays in the list but cannot be chosen, and its row says
    // why; the others can be chosen as before.
    void rowsTheGoToWouldRefuse_data() {
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<double>("upperLimitDeg");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("77 degrees up under a 75 degree limit")
            << 77.0 << 75.0 << "Altitude outside of limits";
        QTest::newRow("74 degrees up under a 75 degree limit") << 74.0 << 75.0 << "";
        QTest::newRow("77 degrees up under an 80 degree limit") << 77.0 << 80.0 << "";
    }
    void rowsTheGoToWouldRefuse() {
        QFETCH(double, altitudeDeg);
        QFETCH(double, upperLimitDeg);
        QFETCH(QString, refusal);
        auto rig = makeRig();
        layOut(*rig);
        rig->settings.altRange->setMaxAlt(upperLimitDeg * kDeg);
        QCOMPARE(rig->settings.altRange->maxAlt(), upperLimitDeg * kDeg);
        rig->stars->objects.push_back(placedAtAzAlt(rig->sky, "High", 1.5f, 180, altitudeDeg));
        auto& calc = *rig->calculator;
        calc.startLists(AlignmentType_::Star1);
        const auto& rows = calc.list0();
        const auto high = std::find_if(rows.begin(), rows.end(),
                                       [](const AstroListUIItem& r) { return r.a == "High"; });
        QVERIFY2(high != rows.end(), qPrintable(rig->names(0).join(", ")));
        QCOMPARE(QString::fromStdString(high->refusal), refusal);
        QCOMPARE(high->isEnableListItem, refusal.isEmpty());
        // Every other star of the layout stands well below 60 degrees.
        for (const AstroListUIItem& row : rows) {
            if (row.a != "High") {
                QVERIFY2(row.isEnableListItem, row.a.c_str());
                QVERIFY(row.refusal.empty());
            }
        }
    }

    void searchText() {
        auto rig = makeRig();
        layOut(*rig);
        auto& calc = *rig->calculator;
        calc.startLists(AlignmentType_::Star1);
        QSignalSpy spy(&calc, &IAlignStarCalculator::list0Changed);
        calc.setSearchText(0, QStringLiteral("WeSt"));
        QCOMPARE(rig->names(0), (QStringList{"Westa", "Westb"}));
        calc.setSearchText(0, QStringLiteral("west"));
        QCOMPARE(spy.count(), 1);
        calc.setSearchText(0, QStringLiteral("nothing"));
        QCOMPARE(rig->names(0), QStringList());
        calc.setSearchText(3, QStringLiteral("x"));
        QCOMPARE(spy.count(), 2);
        calc.setSearchText(0, QString());
        QCOMPARE(rig->names(0).size(), 8);
    }

    void sortOrder_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("magnitude") << int(CatalogSortOrder_::Vmag)
                                   << QStringList{"north10", "east30", "North350", "nw300"};
        QTest::newRow("name, byte order") << int(CatalogSortOrder_::Name)
                                          << QStringList{"North350", "east30", "north10", "nw300"};
        QTest::newRow("azimuth from 337.5 deg")
            << int(CatalogSortOrder_::Az) << QStringList{"North350", "north10", "east30", "nw300"};
    }
    void sortOrder() {
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        auto rig = makeRig();
        rig->stars->objects = {placedAtAzAlt(rig->sky, "east30", 1.0f, 30, 20),
                               placedAtAzAlt(rig->sky, "north10", 0.5f, 10, 20),
                               placedAtAzAlt(rig->sky, "nw300", 2.5f, 300, 20),
                               placedAtAzAlt(rig->sky, "North350", 2.0f, 350, 20)};
        rig->settings.settings->setSortOrder(CatalogSortOrder_::E(order));
        rig->calculator->startLists(AlignmentType_::Star1);
        QCOMPARE(rig->names(0), expected);
    }

    // With a 10' elevation error measured, a star due east near the equator would not show the
    // correction; one on the meridian would.
    void polarAlignmentStars() {
        auto rig = makeRig();
        rig->stars->objects = {placedAtAzAlt(rig->sky, "Meridian", 1.0f, 180, 40),
                               placedAtAzAlt(rig->sky, "East", 1.0f, 90, 16)};
        const TrueModel truth = polarErrorTruth(kRigLatitude, 10, 0);
        QVERIFY(rig->model.aligner->align1({"one"}, truth.pairAt(100 * kDeg, 40 * kDeg)));
        rig->calculator->refreshVisible();
        QCOMPARE(rig->names(0), QStringList());
        QVERIFY(rig->model.aligner->align2({"one", "two"}, truth.pairAt(100 * kDeg, 40 * kDeg),
                                           truth.pairAt(200 * kDeg, 50 * kDeg)));
        rig->calculator->refreshVisible();
        QCOMPARE(rig->names(0), QStringList{"Meridian"});
    }

    void settingsChangeRefreshesShownLists() {
        auto rig = makeRig();
        layOut(*rig);
        auto& calc = *rig->calculator;
        calc.startLists(AlignmentType_::Star1);
        calc.firstStarChosen(AlignmentType_::Star2, rig->chosen("Westa"));
        QSignalSpy spy0(&calc, &IAlignStarCalculator::list0Changed);
        QSignalSpy spy1(&calc, &IAlignStarCalculator::list1Changed);
        calc.setDisplayed(0, true);
        QCOMPARE(spy0.count(), 1);
        calc.setDisplayed(0, true);
        QCOMPARE(spy0.count(), 1);
        // Only the shown list follows the settings: a magnitude limit hides faint stars.
        rig->settings.settings->setMaxStarVmag(1.5f);
        rig->settings.settings->setEnableVmagFilter(true);
        QCOMPARE(spy1.count(), 0);
        QCOMPARE(rig->sortedNames(0), (QStringList{"Easta", "Jupiter", "Moon", "Westa"}));
        QCOMPARE(rig->names(1), QStringList{"Westb"});
        calc.setDisplayed(0, false);
        calc.setDisplayed(1, true);
        QCOMPARE(rig->names(1), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstAlignStarCalculator)
#include "tst_alignstarcalculator.moc"
