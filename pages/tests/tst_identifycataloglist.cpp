#include "astro/angleutil.h"
#include "base/tests/datarow.h"
#include "catalog/icataloglistraw.h"
#include "pages/identifycataloglist.h"
#include "pages/tests/pagesrig.h"

#include <QMap>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-12-07 21:00 UT, at 45 degrees north on the Greenwich meridian.
constexpr double kIdentifyJd = 2461381.5 + 21.0 / 24;
constexpr double kIdentifyLatitude = 45 * kDeg;
constexpr double kLimit = 0.3490658503988659;
// Far below any rounding of the separation, far above the precision that matters.
constexpr double kHair = 1e-9;
// Where the mount reports it points: observed hour angle and declination.
constexpr double kMountHa = 0.4;
constexpr double kMountDec = 0.6;

// A catalog source whose objects the test places.
class FakeSource : public ICatalogListRaw {
public:
    void refresh() override { changed(); }
    std::vector<AstroObj> load() override { return objects; }
    bool usesDsoVmagLimit() const override { return false; }
    std::vector<AstroObj> objects;
};

// An object `offset` radians north of (ra, dec), with the magnitude in its name's row.
AstroObj objectNear(const CoordPair& p, double offset, const char* name, float vmag = 1) {
    AstroObj o;
    o.name = name;
    o.vmag = vmag;
    o.coordNow = {p.a, p.b + offset};
    o.coordJ2000 = o.coordNow;
    return o;
}

struct PlacedStar {
    int source; // 0 named stars, 1 deep sky, 2 solar system
    double offset;
    QString name;
};

// The real coordinate chain, but a separation within far less than a hair of the limit reads as
// the limit itself: the cosine formula cannot land on it to the last bit.
class LimitSnappingCalc : public AstroCalc {
public:
    using AstroCalc::angularSeparation;
    using AstroCalc::AstroCalc;
    double angularSeparation(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q) const override {
        const double separation = AstroCalc::angularSeparation(p, q);
        return std::abs(separation - kLimit) < kHair / 1000 ? kLimit : separation;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::vector<PlacedStar>)

class TestIdentifyCatalogList : public QObject {
    Q_OBJECT

public:
    // Only the fake backends: the platform's sensor plugins stay out of the test.
    static void initMain() { qputenv("QT_SENSORS_LOAD_PLUGINS", "0"); }

private:
    struct Rig {
        Sky sky{kIdentifyJd, kIdentifyLatitude};
        std::shared_ptr<QAstroFormat> format = englishFormat();
        DeviceSensors device{sky, format};
        std::shared_ptr<FakeSource> stars = std::make_shared<FakeSource>();
        std::shared_ptr<FakeSource> solar = std::make_shared<FakeSource>();
        std::shared_ptr<FakeSource> dso = std::make_shared<FakeSource>();
        std::shared_ptr<WritableMountConnection> mounts =
            std::make_shared<WritableMountConnection>();
        std::shared_ptr<FakeMount> mount = std::make_shared<FakeMount>();
        std::shared_ptr<LimitSnappingCalc> pageCalc =
            std::make_shared<LimitSnappingCalc>(sky.location, sky.astroClock);
        IdentifyCatalogList identify{stars, solar, dso, pageCalc, format, device.sensor, mounts};

        Rig() { mount->setReadings(CmdResp<IMount::AnglePair>::ok({kMountHa, kMountDec}), {}); }

        // The direction of date of the mount's reading.
        CoordPair mountPointing() const {
            const U_ASTRO_COORD c =
                sky.calc->convertNow({kMountHa, kMountDec, CoordType::HDObsv}, CoordType::RDJNow);
            return {c.a, c.b};
        }
        void place(const std::vector<PlacedStar>& placed, const CoordPair& around) {
            std::shared_ptr<FakeSource> sources[] = {stars, dso, solar};
            for (const PlacedStar& p : placed)
                sources[p.source]->objects.push_back(
                    objectNear(around, p.offset, p.name.toUtf8().constData()));
        }
        QStringList names() const {
            QStringList out;
            for (const AstroListUIItem& row : identify.list())
                out << QString::fromStdString(row.a);
            return out;
        }
    };

private slots:
    // Stars, deep-sky objects and solar-system bodies within 20 degrees of the mount's
    // direction, nearest first, whatever their source.
    void nearbyObjects_data() {
        QTest::addColumn<std::vector<PlacedStar>>("placed");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("kinds");
        dataRow(
            "a hair inside 20 degrees is listed, a hair outside is not",
            std::vector<PlacedStar>{{0, kLimit - kHair, "inside"}, {1, kLimit + kHair, "outside"}},
            QStringList{"inside"}, QStringList{"Star"});
        dataRow("exactly 20 degrees is listed",
                std::vector<PlacedStar>{{1, kLimit, "at the limit"}}, QStringList{"at the limit"},
                QStringList{"DSO"});
        dataRow("nearest first across the sources",
                std::vector<PlacedStar>{{0, 5 * kDeg, "Vega"},
                                        {2, 3 * kDeg, "Sun"},
                                        {1, 1 * kDeg, "M57"},
                                        {0, -2 * kDeg, "Sheliak"}},
                QStringList{"M57", "Sheliak", "Sun", "Vega"},
                QStringList{"DSO", "Star", "Solar System", "Star"});
        dataRow("the Moon after a nearer star",
                std::vector<PlacedStar>{{2, 4 * kDeg, "Moon"}, {0, 3.9 * kDeg, "Altair"}},
                QStringList{"Altair", "Moon"}, QStringList{"Star", "Solar System"});
        dataRow("nothing within 20 degrees",
                std::vector<PlacedStar>{{0, 25 * kDeg, "far"}, {1, -21 * kDeg, "farther"}},
                QStringList(), QStringList());
    }
    void nearbyObjects() {
        QFETCH(std::vector<PlacedStar>, placed);
        QFETCH(QStringList, names);
        QFETCH(QStringList, kinds);
        Rig rig;
        const CoordPair pointing = rig.mountPointing();
        rig.place(placed, pointing);
        rig.mounts->setMount(rig.mount);
        QSignalSpy listChanged(&rig.identify, &IIdentifyCatalogList::listChanged);

        rig.identify.refresh();
        QCOMPARE(listChanged.size(), 1); // emptied at once
        QVERIFY(rig.identify.list().empty());
        QVERIFY(rig.identify.azAlt().isEmpty());
        QTRY_COMPARE(listChanged.size(), 2);

        QCOMPARE(rig.names(), names);
        QMap<QString, double> separations;
        for (const PlacedStar& p : placed)
            separations.insert(p.name, std::abs(p.offset));
        const std::vector<AstroListUIItem> rows = rig.identify.list();
        for (size_t i = 0; i < rows.size(); ++i) {
            // Objects placed due north or south of the direction: the offset is the separation.
            QCOMPARE(rows[i].b, rig.format->formatDegMin(separations[names[int(i)]]));
            QCOMPARE(QString::fromStdString(rows[i].c), kinds[int(i)]);
            QCOMPARE(rows[i].d, std::string("Magnitude 1.0"));
            QVERIFY(rows[i].isEnableListItem);
            QCOMPARE(QString::fromStdString(rig.identify.getAstroObj(int(i)).name), names[int(i)]);
        }
        QCOMPARE(rig.identify.getAstroObj(int(rows.size())).name, std::string());
        // The direction is shown even with nothing near it: the refracted azimuth and altitude
        // of the mount's position, and the position of date.
        const U_ASTRO_COORD azAlt =
            rig.sky.calc->convertNow({kMountHa, kMountDec, CoordType::HDObsv}, CoordType::AZObsv);
        QCOMPARE(rig.identify.azAltText(), rig.format->formatAzAltWholeDegrees(azAlt.a, azAlt.b));
        QCOMPARE(rig.identify.raDecText(), rig.format->formatRaDec(pointing.a, pointing.b));
    }

    // The device's own reading is the direction: its azimuth and altitude are shown as read.
    void deviceDirection() {
        Rig rig;
        const double az = 135 * kDeg;
        const double alt = 30 * kDeg;
        const U_ASTRO_COORD raDec =
            rig.sky.calc->convertNow({az, alt, CoordType::AZObsv}, CoordType::RDJNow);
        rig.place({{0, 2 * kDeg, "near"}, {0, 30 * kDeg, "far"}}, {raDec.a, raDec.b});
        QSignalSpy settingChanged(&rig.identify, &IIdentifyCatalogList::settingChanged);
        QSignalSpy listChanged(&rig.identify, &IIdentifyCatalogList::listChanged);

        rig.identify.setUseDeviceOri(true);
        QVERIFY(rig.identify.useDeviceOri());
        QCOMPARE(settingChanged.size(), 0);
        QCOMPARE(listChanged.size(), 1);
        QVERIFY(rig.device.started());
        rig.device.point(az, alt);
        QCOMPARE(listChanged.size(), 2);
        QCOMPARE(rig.names(), QStringList{"near"});
        const U_ASTRO_COORD read = rig.device.sensor->reading();
        QCOMPARE(rig.identify.azAltText(), rig.format->formatAzAltWholeDegrees(read.a, read.b));

        // The value it already has starts nothing.
        const int starts = rig.device.backends.compass->starts;
        rig.identify.setUseDeviceOri(true);
        QCOMPARE(rig.device.backends.compass->starts, starts);
        QCOMPARE(listChanged.size(), 2);
    }

    // Whatever fails, the page stays empty; only a failed mount read says so.
    void nothingToShow_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("readError");
        QTest::newRow("no mount") << "no mount" << false;
        QTest::newRow("mount read times out") << "timeout" << true;
        QTest::newRow("mount read Ok without a position") << "no position" << true;
        QTest::newRow("sensors cannot start") << "sensors" << false;
    }
    void nothingToShow() {
        QFETCH(QString, failure);
        QFETCH(bool, readError);
        Rig rig;
        rig.place({{0, 1 * kDeg, "near"}}, rig.mountPointing());
        if (failure != "no mount")
            rig.mounts->setMount(rig.mount);
        if (failure == "timeout")
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout), {});
        if (failure == "no position")
            rig.mount->setReadings(CmdResp<IMount::AnglePair>(CmdRetType_::Ok), {});
        if (failure == "sensors")
            rig.device.backends.tiltFails = true;
        QSignalSpy listChanged(&rig.identify, &IIdentifyCatalogList::listChanged);
        QSignalSpy errors(&rig.identify, &IIdentifyCatalogList::readError);

        if (failure == "sensors")
            rig.identify.setUseDeviceOri(true);
        else
            rig.identify.refresh();
        if (readError)
            QTRY_COMPARE(errors.size(), 1);
        // Let a worker that was started finish and deliver, then look.
        QTRY_COMPARE(rig.mount.use_count(), failure == "no mount" ? 1L : 2L);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(errors.size(), readError ? 1 : 0);
        QCOMPARE(listChanged.size(), 1);
        QVERIFY(rig.identify.list().empty());
        QVERIFY(rig.identify.raDec().isEmpty());
    }

    // A mount read still on its way when the page is refreshed again is dropped, result or
    // error.
    void supersededReadIsDropped_data() {
        QTest::addColumn<bool>("failing");
        QTest::newRow("late result") << false;
        QTest::newRow("late error") << true;
    }
    void supersededReadIsDropped() {
        QFETCH(bool, failing);
        Rig rig;
        const double az = 200 * kDeg;
        const double alt = 40 * kDeg;
        const U_ASTRO_COORD raDec =
            rig.sky.calc->convertNow({az, alt, CoordType::AZObsv}, CoordType::RDJNow);
        rig.place({{0, 1 * kDeg, "by the mount"}}, rig.mountPointing());
        rig.place({{0, 1 * kDeg, "by the device"}}, {raDec.a, raDec.b});
        if (failing)
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(CmdRetType_::Nak), {});
        rig.mounts->setMount(rig.mount);
        QSignalSpy errors(&rig.identify, &IIdentifyCatalogList::readError);

        rig.mount->hold();
        rig.identify.refresh();
        QTRY_COMPARE(rig.mount->readsStarted(), 1);
        rig.identify.setUseDeviceOri(true);
        rig.device.point(az, alt);
        QCOMPARE(rig.names(), QStringList{"by the device"});

        rig.mount->release();
        QTRY_COMPARE(rig.mount.use_count(), 2L);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(rig.names(), QStringList{"by the device"});
        QCOMPARE(errors.size(), 0);
    }

    // A read that ends after the list is gone posts nothing to it: the worker's result, error
    // or exception has nowhere to go and is dropped.
    void readOutlivesTheList_data() {
        QTest::addColumn<int>("outcome");
        QTest::newRow("result") << int(CmdRetType_::Ok);
        QTest::newRow("error") << int(CmdRetType_::Timeout);
        QTest::newRow("exception") << -1;
    }
    void readOutlivesTheList() {
        QFETCH(int, outcome);
        Rig rig;
        rig.place({{0, 1 * kDeg, "near"}}, rig.mountPointing());
        if (outcome == CmdRetType_::Timeout)
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout), {});
        if (outcome == -1)
            rig.mount->setReadings(CmdResp<IMount::AnglePair>(CmdRetType_::Ok), {});
        rig.mounts->setMount(rig.mount);
        auto identify = std::make_unique<IdentifyCatalogList>(
            rig.stars, rig.solar, rig.dso, rig.sky.calc, rig.format, rig.device.sensor, rig.mounts);

        rig.mount->hold();
        identify->refresh();
        QTRY_COMPARE(rig.mount->readsStarted(), 1);
        identify.reset();
        rig.mount->release();
        QTRY_COMPARE(rig.mount.use_count(), 2L);
        QCoreApplication::sendPostedEvents();
    }
};

QTEST_GUILESS_MAIN(TestIdentifyCatalogList)

#include "tst_identifycataloglist.moc"
