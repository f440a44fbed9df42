#include "astro/angleutil.h"
#include "base/languagemanager.h"
#include "base/log.h"
#include "base/tests/datarow.h"
#include "catalog/astrodatabase.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/tests/catalogrig.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <libnova/precession.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-03-20 00:00 UT.
constexpr double kJulianDate = 2461119.5;

// A small database in the shipped schema, with English and German names only.
const QStringList kFixture = {
    "CREATE TABLE tblConstellation (constId INTEGER PRIMARY KEY, constAbbr TEXT, "
    "constNameEn TEXT, constName_de TEXT)",
    "INSERT INTO tblConstellation VALUES (1, 'Lyr', 'Lyra', 'Leier'), "
    "(2, 'And', 'Andromeda', 'Andromeda'), (3, 'Cyg', 'Cygnus', 'Schwan')",
    "CREATE TABLE tblNamedStar (constId INTEGER, saoVMag REAL, saoJ2kRaRad REAL, "
    "saoJ2kDecRad REAL, constGreekSymbol TEXT, nameEn TEXT, name_de TEXT)",
    "INSERT INTO tblNamedStar VALUES (1, 0.03, 4.87356539, 0.67690388, 'α', 'Vega', 'Wega'), "
    "(3, 1.25, 5.41676887, 0.79029251, 'α', 'Deneb', 'Deneb')",
    "CREATE TABLE tblDoubleStar (constId INTEGER, j2kRaRad REAL, j2kDecRad REAL, vmag REAL, "
    "sepArcsec REAL, posAngle REAL, nameEn TEXT, name_de TEXT)",
    "INSERT INTO tblDoubleStar VALUES (3, 5.1, 0.5, 3.1, 9.9, 120, 'Close', 'Eng'), "
    "(3, 5.2, 0.6, 4.2, 10.0, 34.5, 'Wide', 'Weit')",
    "CREATE TABLE tblDso (idStel INTEGER PRIMARY KEY, constId INTEGER, idNgc INTEGER, "
    "idIc INTEGER, idM INTEGER, idC INTEGER, j2kRaRad REAL, j2kDecRad REAL, vmag REAL)",
    "INSERT INTO tblDso VALUES (224, 2, 224, 0, 31, 0, 0.18648479, 0.72028090, 3.4), "
    "(11234, 3, 0, 1234, 0, 0, 5.5, 0.7, 7.0), (7100, 3, 7100, 0, 0, 0, 5.6, 0.7, 7.1), "
    "(20040, 1, 0, 0, 40, 0, 3.2, 1.0, 8.4)",
    "CREATE TABLE tblDsoName (idStel INTEGER, nameEn TEXT, name_de TEXT)",
    "INSERT INTO tblDsoName VALUES (224, 'Andromeda Galaxy', 'Andromedagalaxie'), "
    "(11234, 'Seven', 'Sieben'), (7100, 'Faint', 'Schwach')",
};

QStringList names(const std::vector<AstroObj>& objects) {
    QStringList list;
    for (const AstroObj& o : objects)
        list.append(o.qmlName());
    return list;
}

const AstroObj* find(const std::vector<AstroObj>& objects, const QString& name) {
    for (const AstroObj& o : objects)
        if (o.qmlName() == name)
            return &o;
    return nullptr;
}

} // namespace

class TestAstroDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_fixtureDir;
    QString m_shippedDir;

    // The pieces a catalog page would be built from, over one database file.
    struct Rig {
        Sky sky{kJulianDate};
        std::shared_ptr<LanguageManager> language =
            std::make_shared<LanguageManager>(nullptr, nullptr);
        std::shared_ptr<AstroDatabase> db;
        std::shared_ptr<NamedStarCatalogList> stars;
        std::shared_ptr<DoubleStarCatalogList> doubles, doublesBest;
        std::shared_ptr<NamedDsoCatalogList> dsos, dsosBest;

        Rig(const QString& resourceDir, const QString& code) {
            language->setLanguage(code);
            db = std::make_shared<AstroDatabase>(
                language, std::make_shared<FakeFileUtil>(resourceDir.toStdString()));
            stars = std::make_shared<NamedStarCatalogList>(sky.calc, db);
            doubles = std::make_shared<DoubleStarCatalogList>(sky.calc, db, false);
            doublesBest = std::make_shared<DoubleStarCatalogList>(sky.calc, db, true);
            dsos = std::make_shared<NamedDsoCatalogList>(sky.calc, db, false);
            dsosBest = std::make_shared<NamedDsoCatalogList>(sky.calc, db, true);
        }
        ~Rig() {
            stars.reset();
            doubles.reset();
            doublesBest.reset();
            dsos.reset();
            dsosBest.reset();
            db.reset();
            // The next rig opens its own file on the default connection.
            QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        }

        ICatalogListRaw& source(const QString& which) {
            if (which == "star")
                return *stars;
            if (which == "double")
                return *doubles;
            if (which == "double_bt")
                return *doublesBest;
            if (which == "dso")
                return *dsos;
            return *dsosBest;
        }
    };

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_fixtureDir = m_dir.filePath("fixture");
        QVERIFY(QDir().mkpath(m_fixtureDir));
        QCOMPARE(buildSqlite(m_fixtureDir + "/skyobj.sqlite", kFixture), QString());
        m_shippedDir = QFileInfo(QStringLiteral(KO_SKYOBJ_DB)).absolutePath();
    }

    void sources_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("usesDsoLimit");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("constellations");
        dataRow("stars in English", "en", "star", false, QStringList{"Vega", "Deneb"},
                QStringList{"Lyra", "Cygnus"});
        dataRow("stars in German", "de", "star", false, QStringList{"Wega", "Deneb"},
                QStringList{"Leier", "Schwan"});
        dataRow("doubles", "en", "double", true, QStringList{"Close", "Wide"},
                QStringList{"Cygnus", "Cygnus"});
        dataRow("tonight's-best doubles keep 10.0 arcsec, drop 9.9", "en", "double_bt", true,
                QStringList{"Wide"}, QStringList{"Cygnus"});
        dataRow("deep sky", "en", "dso", true, QStringList{"Andromeda Galaxy", "Seven", "Faint"},
                QStringList{"Andromeda", "Cygnus", "Cygnus"});
        dataRow("tonight's-best deep sky keeps 7.0, drops 7.1", "en", "dso_bt", true,
                QStringList{"Andromeda Galaxy", "Seven"}, QStringList{"Andromeda", "Cygnus"});
        dataRow("deep sky in German", "de", "dso", true,
                QStringList{"Andromedagalaxie", "Sieben", "Schwach"},
                QStringList{"Andromeda", "Schwan", "Schwan"});
        dataRow("a language the file has no columns for", "ja", "star", false, QStringList{},
                QStringList{});
    }
    void sources() {
        QFETCH(QString, language);
        QFETCH(QString, source);
        QFETCH(bool, usesDsoLimit);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, constellations);
        Rig rig(m_fixtureDir, language);
        ICatalogListRaw& raw = rig.source(source);
        const std::vector<AstroObj> objects = raw.load();
        QCOMPARE(names(objects), expected);
        QStringList consts;
        for (const AstroObj& o : objects) {
            consts.append(QString::fromStdString(o.get(AstroObjKey::Constellation)));
            QCOMPARE(o.kind, 0u);
        }
        QCOMPARE(consts, constellations);
        QCOMPARE(raw.usesDsoVmagLimit(), usesDsoLimit);
    }

    void attributes_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("vmag");
        QTest::addColumn<QList<QStringList>>("kvList");
        dataRow("Bayer text: letter, one blank, abbreviation", "star", "Vega", 0.03f,
                QList<QStringList>{{"Constellation", "Lyra"}, {"Bayer Designation", "α Lyr"}});
        dataRow("separation and position angle as the database renders them", "double", "Wide",
                4.2f,
                QList<QStringList>{{"Constellation", "Cygnus"},
                                   {"Separation (arcsec)", "10"},
                                   {"Position (deg)", "34.5"}});
        dataRow("catalog numbers other than 0, in key order", "dso", "Andromeda Galaxy", 3.4f,
                QList<QStringList>{{"Constellation", "Andromeda"},
                                   {"Messier Number", "31"},
                                   {"NGC Number", "224"}});
        dataRow("IC number only", "dso", "Seven", 7.0f,
                QList<QStringList>{{"Constellation", "Cygnus"}, {"IC Number", "1234"}});
    }
    void attributes() {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QFETCH(float, vmag);
        QFETCH(QList<QStringList>, kvList);
        Rig rig(m_fixtureDir, "en");
        const std::vector<AstroObj> objects = rig.source(source).load();
        const AstroObj* o = find(objects, name);
        QVERIFY(o);
        QCOMPARE(o->vmag, vmag);
        QCOMPARE(o->kvList(), kvList);
    }

    // The position of date against libnova's rigorous precession (an independent
    // implementation); the chain's annual rates agree within 1 arcminute over 26 years.
    void positionOfDate() {
        Rig rig(m_fixtureDir, "en");
        for (const AstroObj& o : rig.stars->load()) {
            QCOMPARE(o.coordJ2000.a, o.qmlName() == "Vega" ? 4.87356539 : 5.41676887);
            ln_equ_posn mean{o.coordJ2000.a / kDeg, o.coordJ2000.b / kDeg};
            ln_equ_posn ofDate{};
            ln_get_equ_prec2(&mean, JD2000, kJulianDate, &ofDate);
            const double arcmin = kDeg / 60;
            QVERIFY2(std::abs(o.coordNow.a - ofDate.ra * kDeg) * std::cos(o.coordNow.b) < arcmin,
                     qPrintable(o.qmlName()));
            QVERIFY2(std::abs(o.coordNow.b - ofDate.dec * kDeg) < arcmin, qPrintable(o.qmlName()));
            // 26 years of precession move these stars by more than 10 arcminutes.
            QVERIFY(std::abs(o.coordNow.a - o.coordJ2000.a) > 10 * arcmin);
        }
    }

    void queryDso_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("name");
        dataRow("Messier 31", "idM", "31", true, "Andromeda Galaxy");
        dataRow("NGC 224", "idNgc", "224", true, "Andromeda Galaxy");
        dataRow("IC 1234", "idIc", "1234", true, "Seven");
        dataRow("an object without a name row", "idM", "40", true, "");
        dataRow("no such number", "idC", "31", false, "");
        dataRow("the number is a value, not SQL", "idM", "0 OR 1=1", false, "");
        dataRow("a column outside the four", "idStel", "224", false, "");
        dataRow("a column that carries SQL", "idM = 31 OR idM", "1", false, "");
        // 0 stands for "not in this catalog" in every number column.
        for (const char* column : {"idM", "idNgc", "idIc", "idC"})
            QTest::addRow("%s 0", column) << column << "0" << false << "";
        dataRow("a negative number", "idM", "-31", false, "");
        // Texts that SQLite would compare as the number 0.
        for (const char* zero : {"0.0", "0e1", ".0", "-0"})
            QTest::addRow("Caldwell \"%s\"", zero) << "idC" << zero << false << "";
        dataRow("a number with a fraction", "idM", "31.0", false, "");
    }
    void queryDso() {
        QFETCH(QString, column);
        QFETCH(QString, number);
        QFETCH(bool, found);
        QFETCH(QString, name);
        Rig rig(m_fixtureDir, "en");
        QSqlQuery q = rig.db->queryDso(column, number);
        QCOMPARE(q.isValid(), found);
        if (found) {
            QCOMPARE(q.value("nameLoc").toString(), name);
            QVERIFY(!q.next());
        }
    }

    void unknownKindHasNoRecord() {
        Rig rig(m_fixtureDir, "en");
        for (int kind : {-1, 3}) {
            const QSqlQuery q = rig.db->queryCatalog(kind);
            QVERIFY(!q.isActive());
            QVERIFY(!q.isValid());
        }
    }

    // One notification per switch, after both columns changed; the next load speaks the new
    // language without a restart.
    void languageSwitch() {
        Rig rig(m_fixtureDir, "en");
        int fired = 0;
        std::string seen;
        rig.db->changed.append([&] {
            ++fired;
            seen = rig.db->nameColumn() + "," + rig.db->constNameColumn();
        });
        rig.language->setLanguage("de");
        QCOMPARE(fired, 1);
        QCOMPARE(seen, std::string("name_de,constName_de"));
        QCOMPARE(names(rig.dsos->load()), (QStringList{"Andromedagalaxie", "Sieben", "Schwach"}));
        rig.language->setLanguage("en");
        QCOMPARE(fired, 2);
        QCOMPARE(seen, std::string("nameEn,constNameEn"));
        QCOMPARE(names(rig.stars->load()), (QStringList{"Vega", "Deneb"}));
    }

    // A reader on another thread sees the whole old list or the whole new one.
    void loadDuringLanguageSwitch() {
        Rig rig(m_fixtureDir, "en");
        const QStringList english{"Andromeda Galaxy", "Seven", "Faint"};
        const QStringList german{"Andromedagalaxie", "Sieben", "Schwach"};
        std::atomic<bool> stop{false};
        std::atomic<int> loads{0};
        std::atomic<int> mixed{0};
        std::thread reader([&] {
            while (!stop) {
                const QStringList got = names(rig.dsos->load());
                if (got != english && got != german)
                    ++mixed;
                ++loads;
            }
        });
        for (int i = 0; i < 60 || loads < 20; ++i)
            rig.language->setLanguage(i % 2 ? "en" : "de");
        stop = true;
        reader.join();
        QCOMPARE(mixed.load(), 0);
    }

    void missingFile() {
        std::string logged;
        const int listener = LogAddListener([&](const char* line) { logged += line; });
        Rig rig(m_dir.filePath("nowhere"), "en");
        LogRemoveListener(listener);
        QVERIFY2(logged.find("Database: open failed: ") != std::string::npos, logged.c_str());
        for (int kind : {0, 1, 2})
            QVERIFY(!rig.db->queryCatalog(kind).isValid());
        QVERIFY(!rig.db->queryDso("idM", "31").isValid());
        int fired = 0;
        rig.stars->changed.append([&] { ++fired; });
        rig.stars->refresh();
        QCOMPARE(fired, 1);
        for (const char* s : {"star", "double", "double_bt", "dso", "dso_bt"})
            QVERIFY(rig.source(s).load().empty());
    }

    // The shipped file, in every shipped language.
    void shippedDatabase_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("brightest");
        QTest::addColumn<QString>("m31");
        const char* rows[][3] = {
            {"en", "Sirius", "Andromeda Galaxy"},    {"de", "Sirius", "Andromeda-Galaxie"},
            {"es", "Sirio", "Galaxia Andrómeda"},    {"fr", "Sirius", "Galaxie d'Andromède"},
            {"hr", "Sirius", "Andromeda Galaxy"},    {"it", "Sirio", "Galassia di Andromeda"},
            {"hu", "Sirius", "Andromeda Galaxy"},    {"nl", "Sirius", "Andromeda Galaxy"},
            {"pt", "Sirius", "Andromeda Galaxy"},    {"ro", "Sirius", "Andromeda Galaxy"},
            {"ru", "Сириус", "Галактика Андромеды"}, {"zh", "天狼", "仙女座星系"},
            {"ja", "シリウス", "アンドロメダ銀河"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2]);
    }
    void shippedDatabase() {
        QFETCH(QString, language);
        QFETCH(QString, brightest);
        QFETCH(QString, m31);
        Rig rig(m_shippedDir, language);
        QCOMPARE(rig.language->languageCode(), language);
        const std::vector<AstroObj> stars = rig.stars->load();
        QCOMPARE(stars.size(), size_t(342));
        QCOMPARE(stars.front().qmlName(), brightest);
        QCOMPARE(rig.doubles->load().size(), size_t(74));
        QCOMPARE(rig.dsos->load().size(), size_t(497));
        for (const char* s : {"star", "double", "double_bt", "dso", "dso_bt"}) {
            const std::vector<AstroObj> objects = rig.source(s).load();
            QVERIFY2(!objects.empty(), s);
            for (const AstroObj& o : objects) {
                QVERIFY2(!o.name.empty(), s);
                QVERIFY2(!o.get(AstroObjKey::Constellation).empty(), o.name.c_str());
                QVERIFY2(std::isfinite(o.vmag), o.name.c_str());
            }
        }
        QVERIFY(rig.doublesBest->load().size() < 74);
        QVERIFY(rig.dsosBest->load().size() < 497);

        // Every Messier and Caldwell object is found by its number.
        for (const auto& [column, count] : {std::pair{"idM", 110}, std::pair{"idC", 109}}) {
            for (int n = 1; n <= count; ++n) {
                QSqlQuery q = rig.db->queryDso(column, QString::number(n));
                QVERIFY2(q.isValid(), qPrintable(QStringLiteral("%1 %2").arg(column).arg(n)));
                QCOMPARE(q.value(column).toInt(), n);
            }
        }
        QSqlQuery q = rig.db->queryDso("idM", "31");
        QCOMPARE(q.value("nameLoc").toString(), m31);
        QCOMPARE(q.value("idNgc").toString(), QString("224"));
    }
};

QTEST_MAIN(TestAstroDatabase)
#include "tst_astrodatabase.moc"
