#include "astro/angleutil.h"
#include "base/tests/datarow.h"
#include "catalog/astrodatabase.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "pages/searchdso.h"
#include "pages/tests/pagesrig.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-12-07 21:00 UT at 45 degrees north on the Greenwich meridian.
constexpr double kSearchJd = 2461381.5 + 21.0 / 24;
constexpr double kSearchLatitude = 45 * kDeg;

using Attributes = QMap<int, QString>;

} // namespace

class TestSearchDSO : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_folders = 0;

    // The search over the shipped database, with the real catalog settings.
    struct Rig : CatalogSettingsRig {
        std::shared_ptr<QAstroFormat> format = englishFormat();
        std::shared_ptr<AstroDatabase> database = std::make_shared<AstroDatabase>(
            language, std::make_shared<FakeFileUtil>(
                          QFileInfo(QStringLiteral(KO_SKYOBJ_DB)).absolutePath().toStdString()));
        std::shared_ptr<WritableMountConnection> mounts =
            std::make_shared<WritableMountConnection>();
        std::shared_ptr<FakeMount> mount = std::make_shared<FakeMount>();
        std::shared_ptr<FakeMessageSink> messages = std::make_shared<FakeMessageSink>();
        SearchDSO search{database, format, sky.calc, mounts, settings, messages};

        explicit Rig(const QString& folder)
            : CatalogSettingsRig(folder, kSearchJd, kSearchLatitude) {}
    };

private slots:
    void initTestCase() {
        QVERIFY(m_tmp.isValid());
        QLocale::setDefault(QLocale(QStringLiteral("en")));
    }

    // The shipped database by catalog and number; an object without a name of its own is named
    // by the catalog searched.
    void lookup_data() {
        QTest::addColumn<int>("catalog");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("magnitude");
        QTest::addColumn<QString>("constellation");
        QTest::addColumn<Attributes>("numbers");
        dataRow("M31", int(DeepSkyCatalog_::IdM), 31, "Andromeda Galaxy", "Magnitude: 3.4",
                "Andromeda",
                Attributes{{AstroObjKey::MessierNumber, "31"}, {AstroObjKey::NgcNumber, "224"}});
        dataRow("M31 through NGC 224 carries both numbers", int(DeepSkyCatalog_::IdNgc), 224,
                "Andromeda Galaxy", "Magnitude: 3.4", "Andromeda",
                Attributes{{AstroObjKey::MessierNumber, "31"}, {AstroObjKey::NgcNumber, "224"}});
        dataRow("C20 is NGC 7000", int(DeepSkyCatalog_::IdC), 20, "North America Nebula",
                "Magnitude: 4.0", "Cygnus",
                Attributes{{AstroObjKey::CaldwellNumber, "20"}, {AstroObjKey::NgcNumber, "7000"}});
        dataRow("C14 outside NGC and IC", int(DeepSkyCatalog_::IdC), 14, "Double Cluster",
                "Magnitude: 3.7", "Perseus", Attributes{{AstroObjKey::CaldwellNumber, "14"}});
        dataRow("IC 434 without a name", int(DeepSkyCatalog_::IdIc), 434, "IC434", "Magnitude: 7.3",
                "Orion", Attributes{{AstroObjKey::IcNumber, "434"}});
        dataRow("NGC 16 without a name", int(DeepSkyCatalog_::IdNgc), 16, "NGC16",
                "Magnitude: 12.0", "Pegasus", Attributes{{AstroObjKey::NgcNumber, "16"}});
        dataRow("NGC 31 unknown", int(DeepSkyCatalog_::IdNgc), 31, QString(), QString(), QString(),
                Attributes());
        dataRow("M111 unknown", int(DeepSkyCatalog_::IdM), 111, QString(), QString(), QString(),
                Attributes());
        // 0 marks every object outside a catalog: none of them is found as number 0.
        dataRow("M 0", int(DeepSkyCatalog_::IdM), 0, QString(), QString(), QString(), Attributes());
        dataRow("C 0", int(DeepSkyCatalog_::IdC), 0, QString(), QString(), QString(), Attributes());
        dataRow("IC 0", int(DeepSkyCatalog_::IdIc), 0, QString(), QString(), QString(),
                Attributes());
        dataRow("NGC 0", int(DeepSkyCatalog_::IdNgc), 0, QString(), QString(), QString(),
                Attributes());
        dataRow("empty number field", int(DeepSkyCatalog_::IdM), -1, QString(), QString(),
                QString(), Attributes());
    }
    void lookup() {
        QFETCH(int, catalog);
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, magnitude);
        QFETCH(QString, constellation);
        QFETCH(Attributes, numbers);
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        QSignalSpy changed(&rig.search, &ISearchDSO::valueChanged);
        rig.search.setDsoType(DeepSkyCatalog_::E(catalog));
        rig.search.setNumberID(number);
        QCOMPARE(changed.size(), 2);

        const bool found = !name.isEmpty();
        QCOMPARE(rig.search.searchSuccess(), found);
        const AstroListUIItem row = rig.search.show();
        QCOMPARE(QString::fromStdString(row.a), name);
        QCOMPARE(QString::fromStdString(row.b), magnitude);
        QCOMPARE(QString::fromStdString(row.d), constellation);
        QCOMPARE(row.c.empty(), !found);
        QVERIFY(row.isEnableListItem);

        const AstroObj obj = rig.search.getAstroObj();
        QCOMPARE(QString::fromStdString(obj.name), name);
        QCOMPARE(obj.kind, 0u);
        Attributes catalogNumbers;
        for (const auto& [key, text] : obj.attributes)
            if (key != AstroObjKey::Constellation)
                catalogNumbers.insert(key, QString::fromStdString(text));
        QCOMPARE(catalogNumbers, numbers);
        if (!found) {
            QCOMPARE(obj.coordJ2000, CoordPair());
            QVERIFY(!rig.search.slewToOk());
            return;
        }
        // The row shows where the object stands now, in the horizontal frame.
        const U_ASTRO_COORD azAlt = rig.sky.calc->convertNow(
            {obj.coordNow.a, obj.coordNow.b, CoordType::RDJNow}, CoordType::AZTrue);
        QCOMPARE(row.c, rig.format->formatAzAlt(azAlt.a, azAlt.b));
    }

    void everyWriteSearchesAgain() {
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        QSignalSpy changed(&rig.search, &ISearchDSO::valueChanged);
        rig.search.setNumberID(31);
        rig.search.setNumberID(31);
        QCOMPARE(changed.size(), 2);
        QVERIFY(rig.search.searchSuccess());
        // The number stays; the catalog changes what it means.
        rig.search.setDsoType(DeepSkyCatalog_::IdNgc);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(rig.search.numberID(), 31);
        QVERIFY(!rig.search.searchSuccess());
        QCOMPARE(rig.search.show().a, std::string());
    }

    // An object below the lower altitude limit is found, but not offered for a GoTo.
    void slewToOkFollowsTheLimits_data() {
        QTest::addColumn<int>("messier");
        QTest::addColumn<bool>("minimum"); // which limit is moved next to the object
        QTest::addColumn<double>("limitAboveObjectDeg");
        QTest::addColumn<bool>("slewToOk");
        // M42 stands about 21 degrees high, M31 about 75.
        QTest::newRow("M42 1 degree above the minimum") << 42 << true << -1.0 << true;
        QTest::newRow("M42 1 degree below the minimum") << 42 << true << 1.0 << false;
        QTest::newRow("M31 1 degree below the maximum") << 31 << false << 1.0 << true;
        QTest::newRow("M31 1 degree above the maximum") << 31 << false << -1.0 << false;
    }
    void slewToOkFollowsTheLimits() {
        QFETCH(int, messier);
        QFETCH(bool, minimum);
        QFETCH(double, limitAboveObjectDeg);
        QFETCH(bool, slewToOk);
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        rig.search.setNumberID(messier);
        const CoordPair now = rig.search.getAstroObj().coordNow;
        const double limit =
            rig.sky.calc->convertNow({now.a, now.b, CoordType::RDJNow}, CoordType::AZTrue).b +
            limitAboveObjectDeg * kDeg;
        if (minimum)
            rig.altRange->setMinAlt(limit);
        else
            rig.altRange->setMaxAlt(limit);
        QCOMPARE(minimum ? rig.altRange->minAlt() : rig.altRange->maxAlt(), limit);
        rig.search.refresh();
        // Found all the same: the information page stays open to it.
        QVERIFY(rig.search.searchSuccess());
        QCOMPARE(rig.search.slewToOk(), slewToOk);
    }

    // The GoTo goes to the position of the last search; without an object or a mount nothing
    // is sent. A GoTo the mount refuses tells the user why.
    void startGoTo_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("mountAccepts");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("found, mount connected") << 31 << true << true << true << QStringList();
        QTest::newRow("found, the mount refuses")
            << 31 << true << false << true << QStringList{"Altitude outside of limits"};
        QTest::newRow("nothing found") << 111 << true << true << false << QStringList();
        QTest::newRow("no mount") << 31 << false << true << false << QStringList();
    }
    void startGoTo() {
        QFETCH(int, number);
        QFETCH(bool, connected);
        QFETCH(bool, mountAccepts);
        QFETCH(bool, sent);
        QFETCH(QStringList, messages);
        Rig rig(m_tmp.filePath(QString::number(++m_folders)));
        rig.mount->slewAnswer = mountAccepts;
        if (connected)
            rig.mounts->setMount(rig.mount);
        rig.search.setNumberID(number);
        const AstroObj obj = rig.search.getAstroObj();
        rig.sky.clock->advanceHours(1); // the target is not computed again
        rig.search.startGoTo();
        QCOMPARE(rig.mount->slews().size(), size_t(sent ? 1 : 0));
        QCOMPARE(rig.messages->messages, messages);
        if (!sent)
            return;
        MountTarget expected;
        expected.name = "Andromeda Galaxy";
        expected.coord = {obj.coordNow.a, obj.coordNow.b, CoordType::RDJNow};
        expected.kind = 0;
        QCOMPARE(rig.mount->slews()[0], expected);
    }
};

QTEST_GUILESS_MAIN(TestSearchDSO)
#include "tst_searchdso.moc"
