#include "astro/angleutil.h"
#include "base/tests/datarow.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "pages/pointandgo.h"
#include "pages/tests/pagesrig.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-12-07 12:00 UT at 45 degrees north on the Greenwich meridian: the Sun stands about
// 22 degrees high in the south.
constexpr double kPointJd = 2461381.5 + 0.5;
constexpr double kPointLatitude = 45 * kDeg;
// 10 arcseconds.
constexpr double kRoundTrip = 10.0 / 3600 * kDeg;

} // namespace

class TestPointAndGo : public QObject {
    Q_OBJECT

public:
    // Only the fake backends: the platform's sensor plugins stay out of the test.
    static void initMain() { qputenv("QT_SENSORS_LOAD_PLUGINS", "0"); }

private:
    QTemporaryDir m_tmp;
    int m_folders = 0;

    struct Rig : CatalogSettingsRig {
        std::shared_ptr<QAstroFormat> format = englishFormat();
        DeviceSensors device{sky, format};
        std::shared_ptr<WritableMountConnection> mounts =
            std::make_shared<WritableMountConnection>();
        std::shared_ptr<FakeMount> mount = std::make_shared<FakeMount>();
        std::shared_ptr<FakeMessageSink> toasts = std::make_shared<FakeMessageSink>();
        PointAndGo pointAndGo{mounts, device.sensor, sky.calc, settings, toasts};

        explicit Rig(const QString& folder) : CatalogSettingsRig(folder, kPointJd, kPointLatitude) {
            mounts->setMount(mount);
        }

        // The Sun's observed azimuth and altitude now.
        CoordPair sun() const {
            const CoordPair raDec = solar->getObject(ISolarSystem::Sun).coordNow;
            const U_ASTRO_COORD azAlt =
                sky.calc->convertNow({raDec.a, raDec.b, CoordType::RDJNow}, CoordType::AZObsv);
            return {azAlt.a, azAlt.b};
        }
    };

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    // Where the device points decides: a GoTo there, or a toast that says why not.
    void pointedDirection_data() {
        QTest::addColumn<QString>("pointAt");
        QTest::addColumn<double>("offsetDeg"); // added to the altitude of what is pointed at
        QTest::addColumn<bool>("observeSun");
        QTest::addColumn<QString>("toast");
        QTest::addColumn<bool>("mountAccepts");
        QTest::newRow("within the limits") << "east" << 0.0 << false << QString() << true;
        QTest::newRow("within the limits, the mount refuses")
            << "east" << 0.0 << false << "Altitude outside of limits" << false;
        dataRow("2 degrees below the minimum altitude", "minimum", -2.0, false,
                "Altitude outside of limits", true);
        QTest::newRow("just above the minimum altitude")
            << "minimum" << 0.5 << false << QString() << true;
        dataRow("above the maximum altitude", "maximum", 1.0, false, "Altitude outside of limits",
                true);
        QTest::newRow("3 degrees from the Sun")
            << "sun" << 3.0 << false << "Too close to Sun" << true;
        dataRow("3 degrees from the Sun, observing the Sun", "sun", 3.0, true, QString(), true);
        QTest::newRow("8 degrees from the Sun") << "sun" << 8.0 << false << QString() << true;
    }
    void pointedDirection() {
        QFETCH(QString, pointAt);
        QFETCH(double, offsetDeg);
        QFETCH(bool, observeSun);
        QFETCH(QString, toast);
        QFETCH(bool, mountAccepts);
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        rig.mount->slewAnswer = mountAccepts;
        rig.settings->setEnableObserveSun(observeSun);
        CoordPair pointed{90 * kDeg, 40 * kDeg};
        if (pointAt == "minimum")
            pointed.b = rig.altRange->minAlt();
        if (pointAt == "maximum")
            pointed.b = rig.altRange->maxAlt();
        if (pointAt == "sun")
            pointed = rig.sun();
        pointed.b += offsetDeg * kDeg;

        rig.pointAndGo.startGoTo();
        QVERIFY(rig.device.started());
        rig.device.point(pointed.a, pointed.b);

        if (!toast.isEmpty()) {
            QCOMPARE(rig.toasts->messages, QStringList{toast});
            // Refused before the mount is asked, or by the mount itself.
            QCOMPARE(rig.mount->slews().size(), size_t(mountAccepts ? 0 : 1));
            return;
        }
        QVERIFY(rig.toasts->messages.isEmpty());
        QCOMPARE(rig.mount->slews().size(), size_t(1));
        const MountTarget target = rig.mount->slews()[0];
        QCOMPARE(target.name, std::string("Device orientation"));
        QCOMPARE(target.kind, 0u);
        QCOMPARE(target.coord.type, CoordType::RDJNow);
        // The target is the reading carried to right ascension and declination of date: carried
        // back through the chain it is the reading again, within what the two refraction
        // formulas of the chain (one each way) differ by near the horizon.
        const U_ASTRO_COORD read = rig.device.sensor->reading();
        const U_ASTRO_COORD back = rig.sky.calc->convertNow(target.coord, CoordType::AZObsv);
        QVERIFY(std::abs(wrapToPi(back.a - read.a)) * std::cos(read.b) < kRoundTrip);
        QVERIFY(std::abs(back.b - read.b) < kRoundTrip);
    }

    // Nothing happens without a mount, at the tap or when the reading comes, nor without a
    // reading.
    void nothingHappens_data() {
        QTest::addColumn<QString>("why");
        QTest::newRow("no mount at the tap") << "no mount";
        QTest::newRow("mount gone between the tap and the reading") << "disconnected";
        QTest::newRow("sensors cannot start") << "sensors";
    }
    void nothingHappens() {
        QFETCH(QString, why);
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        if (why == "sensors")
            rig.device.backends.compassFails = true;
        if (why == "no mount")
            rig.mounts->disconnect();
        rig.pointAndGo.startGoTo();
        if (why == "no mount")
            QVERIFY(!rig.device.backends.compass); // never started
        if (why == "disconnected") {
            rig.mounts->disconnect();
            rig.device.point(90 * kDeg, 40 * kDeg); // a direction the settings allow
        }
        QVERIFY(!rig.device.started());
        QVERIFY(rig.toasts->messages.isEmpty());
        QVERIFY(rig.mount->slews().empty());
    }

    // Each tap before the reading arrives gets its own GoTo from that reading.
    void tapsQueue() {
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        rig.pointAndGo.startGoTo();
        rig.pointAndGo.startGoTo();
        rig.device.point(90 * kDeg, 40 * kDeg);
        QCOMPARE(rig.mount->slews().size(), size_t(2));
        QCOMPARE(rig.mount->slews()[0], rig.mount->slews()[1]);
    }
};

QTEST_GUILESS_MAIN(TestPointAndGo)

#include "tst_pointandgo.moc"
