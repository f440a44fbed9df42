#include "align/centeringuistub.h"
#include "align/paeroutine.h"
#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "astro/visibility.h"
#include "base/tests/datarow.h"
#include "base/tests/queuedspy.h"
#include "base/toastmanageruistub.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "mount/slewingcontrol.h"
#include "mount/tests/mountcontrolrig.h"
#include "mount/writablemountconnection.h"
#include "pages/objectinfolist.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-03-20 00:00 UT at Greenwich, 45 degrees north; the clock stands still unless the test
// moves it.
constexpr double kInfoJulianDate = 2461119.5;
constexpr double kInfoLatitude = 45 * kDeg;

// "section|title" of every row, in order.
QStringList layout(const QmlSectionListModel& model) {
    QStringList rows;
    for (const SectionListItem& item : model.items)
        rows.append(item.category + '|' + item.title);
    return rows;
}

QString valueOf(const QmlSectionListModel& model, const QString& title) {
    for (const SectionListItem& item : model.items)
        if (item.title == title)
            return item.value;
    return "<no row " + title + ">";
}

const QStringList kBasic = {"Basic Information|Name", "Basic Information|Magnitude"};
const QStringList kCoordinates = {"Coordinates|R.A./Dec (now)",
                                  "Coordinates|R.A./Dec (J2000)",
                                  "Coordinates|H.A./Dec (apparent)",
                                  "Coordinates|Azimuth/Altitude (apparent)",
                                  "Coordinates|H.A./Dec",
                                  "Coordinates|Azimuth/Altitude"};
const QStringList kRisesAndSets = {"Visibility|Rise Time", "Visibility|Transit Time",
                                   "Visibility|Set Time"};

} // namespace

class TestObjectInfoList : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    // The page over the real coordinate chain, rise-and-set times, catalog settings and
    // pointing-accuracy routine, with no mount connected.
    struct Rig : CatalogSettingsRig {
        std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(language);
        std::shared_ptr<Visibility> visibility =
            std::make_shared<Visibility>(sky.location, sky.calc, sky.clock);
        std::shared_ptr<WritableMountConnection> holder =
            std::make_shared<WritableMountConnection>();
        std::shared_ptr<ToastManagerUIStub> toasts = std::make_shared<ToastManagerUIStub>();
        std::shared_ptr<CenteringUIStub> centering = std::make_shared<CenteringUIStub>(
            std::make_shared<SlewingControl>(holder), sky.calc, format, holder, toasts);
        std::shared_ptr<PAERoutine> routine =
            std::make_shared<PAERoutine>(holder, centering, toasts);
        std::shared_ptr<ObjectInfoList> page = std::make_shared<ObjectInfoList>(
            sky.calc, format, holder, visibility, routine, settings);
        QmlSectionListModel& model = *page->listModel();

        explicit Rig(const QString& folder)
            : CatalogSettingsRig(folder, kInfoJulianDate, kInfoLatitude) {}

        // An object standing at the azimuth and altitude now.
        AstroObj at(const std::string& name, double azDeg, double altDeg) const {
            AstroObj obj;
            obj.name = name;
            obj.vmag = 2.25f;
            const U_ASTRO_COORD raDec = sky.calc->convertNow(
                {azDeg * kDeg, altDeg * kDeg, CoordType::AZTrue}, CoordType::RDJNow);
            obj.coordNow = {raDec.a, raDec.b};
            obj.coordJ2000 = {raDec.a - 0.01, raDec.b - 0.001};
            return obj;
        }
        void moveSite(double latitudeDeg) {
            CLocation site = sky.location->location();
            site.latitudeRad = latitudeDeg * kDeg;
            sky.location->setLocation(site);
        }
    };

    // The page over the emulated mount, whose clock runs ten times as fast as the wall clock.
    struct MountRig : MountControlRig {
        std::shared_ptr<LanguageManager> language =
            std::make_shared<LanguageManager>(nullptr, nullptr);
        std::shared_ptr<SolarSystem> solar =
            std::make_shared<SolarSystem>(astroClock, astro, language);
        std::shared_ptr<CatalogSettings> settings = std::make_shared<CatalogSettings>(
            store, clock, altRange, astro,
            std::make_shared<SunVisibility>(astro, solar, astroClock));
        std::shared_ptr<CenteringUIStub> centering = std::make_shared<CenteringUIStub>(
            std::make_shared<SlewingControl>(holder), astro, format, holder, toasts);
        std::shared_ptr<ObjectInfoList> page = std::make_shared<ObjectInfoList>(
            astro, format, holder, std::make_shared<Visibility>(location, astro, clock),
            std::make_shared<PAERoutine>(holder, centering, toasts), settings);
    };

    QString freshFolder() { return m_dir.filePath(QString("home%1/app").arg(++m_folders)); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // The rows of a shown object: its attribute rows after the magnitude, the coordinates in
    // every frame, and one or three visibility rows by whether it rises and sets.
    void rows_data() {
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<bool>("withAttributes");
        QTest::addColumn<QStringList>("attributeRows");
        QTest::addColumn<QStringList>("visibilityRows");
        QTest::addColumn<QString>("visibilityValue");
        dataRow("rises and sets, with attributes", 10.0, true,
                QStringList{"Basic Information|Type", "Basic Information|Constellation"},
                kRisesAndSets, QString());
        dataRow("circumpolar, no attributes", 80.0, false, QStringList(),
                QStringList{"Visibility|"}, QString("Always above horizon"));
        dataRow("never rises", -80.0, true,
                QStringList{"Basic Information|Type", "Basic Information|Constellation"},
                QStringList{"Visibility|"}, QString("Always below horizon"));
    }
    void rows() {
        QFETCH(double, declinationDeg);
        QFETCH(bool, withAttributes);
        QFETCH(QStringList, attributeRows);
        QFETCH(QStringList, visibilityRows);
        QFETCH(QString, visibilityValue);
        Rig rig(freshFolder());
        AstroObj obj;
        obj.name = "Object 1";
        obj.vmag = 4.44f;
        obj.coordNow = {2.0, declinationDeg * kDeg};
        obj.coordJ2000 = {1.99, declinationDeg * kDeg};
        if (withAttributes) {
            obj.set(AstroObjKey::Constellation, "Lyra");
            obj.set(AstroObjKey::Type, "Star");
        }
        rig.page->astroObjShow(obj);

        QCOMPARE(layout(rig.model), kBasic + attributeRows + kCoordinates + visibilityRows);
        QCOMPARE(valueOf(rig.model, "Name"), QString("Object 1"));
        QCOMPARE(valueOf(rig.model, "Magnitude"), QString("4.4"));
        if (withAttributes) {
            QCOMPARE(valueOf(rig.model, "Type"), QString("Star"));
            QCOMPARE(valueOf(rig.model, "Constellation"), QString("Lyra"));
        }
        if (visibilityValue.isEmpty()) {
            const QRegularExpression clock("^\\d\\d:\\d\\d[AP]M$");
            for (const QString& title : {"Rise Time", "Transit Time", "Set Time"})
                QVERIFY2(clock.match(valueOf(rig.model, title)).hasMatch(), qPrintable(title));
        } else {
            QCOMPARE(rig.model.items.last().value, visibilityValue);
        }
        // The two catalog positions differ; each row shows its own.
        QVERIFY(valueOf(rig.model, "R.A./Dec (now)") != valueOf(rig.model, "R.A./Dec (J2000)"));
    }

    // Before any object is shown, a refresh lists the default object: no name, magnitude 0.0,
    // both catalog positions at zero.
    void defaultObject() {
        Rig rig(freshFolder());
        QVERIFY(rig.model.items.isEmpty());
        rig.page->setUpdating(true);
        QTRY_VERIFY(!rig.model.items.isEmpty());
        QCOMPARE(valueOf(rig.model, "Name"), QString());
        QCOMPARE(valueOf(rig.model, "Magnitude"), QString("0.0"));
        QCOMPARE(valueOf(rig.model, "R.A./Dec (now)"), valueOf(rig.model, "R.A./Dec (J2000)"));
    }

    // Showing an object rebuilds at once; the timer rebuilds only after its 500 ms period, and
    // only while the page is active. The apparent positions follow the clock; a change in the
    // number of rows is a layout change, otherwise each refresh is one data change.
    void refresh() {
        Rig rig(freshFolder());
        QSignalSpy layoutChanged(&rig.model, &QAbstractItemModel::layoutChanged);
        QSignalSpy dataChanged(&rig.model, &QAbstractItemModel::dataChanged);
        rig.page->astroObjShow(rig.at("Rising", 90, 20)); // declination about 14 degrees
        QCOMPARE(layoutChanged.count(), 1);
        QCOMPARE(layout(rig.model), kBasic + kCoordinates + kRisesAndSets);
        const QString hourAngle = valueOf(rig.model, "H.A./Dec");

        rig.page->setUpdating(true);
        QCOMPARE(dataChanged.count(), 0);
        rig.sky.clock->advanceHours(1);
        QTRY_COMPARE(dataChanged.count(), 1);
        QCOMPARE(dataChanged[0][0].value<QModelIndex>().row(), 0);
        QCOMPARE(dataChanged[0][1].value<QModelIndex>().row(), rig.model.rowCount() - 1);
        QVERIFY(valueOf(rig.model, "H.A./Dec") != hourAngle);

        // Far enough north, the object no longer sets.
        rig.moveSite(80);
        QTRY_COMPARE(layoutChanged.count(), 2);
        QCOMPARE(layout(rig.model), kBasic + kCoordinates + QStringList{"Visibility|"});
        QCOMPARE(rig.model.items.last().value, QString("Always above horizon"));

        rig.page->setUpdating(false);
        QVERIFY(!rig.page->isUpdating());
    }

    // Whether a GoTo is refused is decided when the object is shown, and stays so while it
    // rises, until the object is shown again.
    void prohibition() {
        Rig rig(freshFolder());
        QSignalSpy objectChanged(rig.page.get(), &ObjectInfoList::objectChanged_q);
        QVERIFY(!rig.page->property("slewToProhibition").isValid());

        rig.page->astroObjShow(rig.at("High", 180, 50));
        QCOMPARE(objectChanged.count(), 1);
        QVERIFY(!rig.page->property("slewToProhibition").isValid());

        const AstroObj rising = rig.at("Rising", 90, -5);
        rig.page->astroObjShow(rising);
        QCOMPARE(objectChanged.count(), 2);
        QCOMPARE(rig.page->property("slewToProhibition").value<SlewToProhibition_::E>(),
                 SlewToProhibition_::AltitudeOutOfRange);

        rig.page->setUpdating(true);
        rig.sky.clock->advanceHours(2);
        QSignalSpy dataChanged(&rig.model, &QAbstractItemModel::dataChanged);
        QTRY_VERIFY(dataChanged.count() > 0);
        QCOMPARE(rig.page->property("slewToProhibition").value<SlewToProhibition_::E>(),
                 SlewToProhibition_::AltitudeOutOfRange);

        rig.page->astroObjShow(rising);
        QVERIFY(!rig.page->property("slewToProhibition").isValid());
    }

    // From the page to the mount: a GoTo takes the shown object's name, position of date and
    // tracking kind, and when it ends the centering page records the object as a correction
    // point; point-and-track hands the same target to an altitude-azimuth mount's tracking.
    void startOnTheEmulatedMount_data() {
        QTest::addColumn<bool>("pointAndTrack");
        QTest::newRow("GoTo, centre, record") << false;
        QTest::newRow("point and track") << true;
    }
    void startOnTheEmulatedMount() {
        QFETCH(bool, pointAndTrack);
        MountRig rig;
        IMount* mount = rig.connect(pointAndTrack ? MountMode_::AZ : MountMode_::EQ);
        QSignalSpy shown(rig.centering.get(), &CenteringUIStub::shouldShow);
        QueuedSpy popped(rig.centering.get(), &CenteringUIStub::shouldInclusivePop);
        AstroObj moon;
        moon.name = "Moon";
        moon.kind = 1;
        const U_ASTRO_COORD raDec =
            rig.astro->convertNow({150 * kDeg, 35 * kDeg, CoordType::AZTrue}, CoordType::RDJNow);
        moon.coordNow = {raDec.a, raDec.b};
        rig.page->astroObjShow(moon);
        const MountTarget expected{"Moon", {raDec.a, raDec.b, CoordType::RDJNow}, 1};

        if (pointAndTrack) {
            rig.page->startPointAndTrack();
            QVERIFY(mount->trackingTarget().hasValue());
            QCOMPARE(mount->trackingTarget().value(), expected);
            QVERIFY(mount->trackingEnabled());
            QVERIFY(!mount->slewToTarget().hasValue());
            return;
        }
        rig.page->startGoTo();
        QTRY_VERIFY(mount->slewToTarget().hasValue());
        QCOMPARE(mount->slewToTarget().value(), expected);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 20000);
        QCOMPARE(shown[0][0].toString(), QString("Moon"));
        rig.centering->center();
        QTRY_COMPARE(popped.count(), 1);
        QCOMPARE(rig.pae->points().size(), size_t(1));
        QCOMPARE(rig.pae->points()[0].name, std::string("Moon"));
    }
};

QTEST_MAIN(TestObjectInfoList)
#include "tst_objectinfolist.moc"
