#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "base/tests/datarow.h"
#include "catalog/icataloglistraw.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "pages/cataloglist.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-03-20 00:00 UT at Greenwich, 45 degrees north: the Sun stands about 45 degrees below the
// horizon, so no object above it is near the Sun.
constexpr double kJulianDate = 2461119.5;
constexpr double kLatitude = 45 * kDeg;

// A raw source whose objects the test sets; it fires changed inside refresh, as the database
// sources do, unless told to wait like the comet source before its download has ended.
class FakeCatalogListRaw : public ICatalogListRaw {
public:
    std::vector<AstroObj> objects;
    bool firesOnRefresh = true;
    bool dso = false;
    int refreshes = 0;

    void refresh() override {
        ++refreshes;
        if (firesOnRefresh)
            changed();
    }
    std::vector<AstroObj> load() override { return objects; }
    bool usesDsoVmagLimit() const override { return dso; }
};

struct Placed {
    QString name;
    double azDeg;
    double altDeg;
    float vmag;
    QString constellation;
    QString separation;
};

} // namespace

Q_DECLARE_METATYPE(Placed)
Q_DECLARE_METATYPE(QList<Placed>)

class TestCatalogList : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    // One list over a fake source with the real coordinate chain, catalog settings (over a
    // settings file of its own), altitude limits (0 to 75 degrees) and text formats.
    struct Rig : CatalogSettingsRig {
        std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(language);
        std::shared_ptr<FakeCatalogListRaw> raw = std::make_shared<FakeCatalogListRaw>();
        std::shared_ptr<CatalogList> list =
            std::make_shared<CatalogList>(raw, sky.calc, format, settings);

        explicit Rig(const QString& folder) : CatalogSettingsRig(folder, kJulianDate, kLatitude) {}

        AstroObj at(const Placed& p) const {
            AstroObj obj;
            obj.name = p.name.toStdString();
            obj.vmag = p.vmag;
            const U_ASTRO_COORD raDec = sky.calc->convertNow(
                U_ASTRO_COORD{p.azDeg * kDeg, p.altDeg * kDeg, CoordType::AZTrue},
                CoordType::RDJNow);
            obj.coordNow = {raDec.a, raDec.b};
            if (!p.constellation.isEmpty())
                obj.set(AstroObjKey::Constellation, p.constellation.toStdString());
            if (!p.separation.isEmpty())
                obj.set(AstroObjKey::Separation, p.separation.toStdString());
            return obj;
        }
        void place(const QList<Placed>& objects) {
            raw->objects.clear();
            for (const Placed& p : objects)
                raw->objects.push_back(at(p));
        }
        QStringList names() const {
            QStringList n;
            for (const AstroListUIItem& row : list->list())
                n.append(QString::fromStdString(row.a));
            return n;
        }
    };

    QString freshFolder() { return m_dir.filePath(QString("home%1/app").arg(++m_folders)); }

    // Objects high in the sky, apart from each other.
    static QList<Placed> searchSky() {
        return {{"Betelgeuse", 100, 40, 0.5f, "Orion", ""},
                {"Rigel", 110, 28, 0.1f, "orion", ""},
                {"M42 ORION NEBULA", 120, 35, 4.0f, "", ""},
                {"Meissa", 130, 45, 3.4f, "Ori", ""},
                {"Vega", 300, 20, 0.0f, "Lyra", ""},
                {"Étoile du berger", 200, 10, 1.5f, "", ""},
                {"étoile polaire", 0, 44, 2.0f, "Petite Ourse", ""},
                {"Albireo", 280, 50, 3.1f, "Cygnus", "34.6"}};
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qRegisterMetaType<QList<Placed>>();
    }

    void search_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("names"); // in magnitude order
        dataRow("empty keeps every object", "", "",
                QStringList{"Vega", "Rigel", "Betelgeuse", "Étoile du berger", "étoile polaire",
                            "Albireo", "Meissa", "M42 ORION NEBULA"});
        dataRow("ORI folds and finds name and constellation", "ORI", "ori",
                QStringList{"Rigel", "Betelgeuse", "Meissa", "M42 ORION NEBULA"});
        dataRow("constellation only when the name does not match", "lyr", "lyr",
                QStringList{"Vega"});
        dataRow("inside a word", "ebul", "ebul", QStringList{"M42 ORION NEBULA"});
        dataRow("two letters", "ri", "ri",
                QStringList{"Rigel", "Betelgeuse", "Meissa", "M42 ORION NEBULA"});
        dataRow("non-ASCII capital matches only itself", "É", "É", QStringList{"Étoile du berger"});
        dataRow("non-ASCII small letter matches only itself", "é", "é",
                QStringList{"étoile polaire"});
        dataRow("ASCII part folds, the rest stays", "ÉTOILE", "Étoile",
                QStringList{"Étoile du berger"});
        dataRow("a substring of nothing", "xyz", "xyz", QStringList{});
        dataRow("words in another order", "nebula orion", "nebula orion", QStringList{});
    }
    void search() {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QFETCH(QStringList, names);
        Rig rig(freshFolder());
        rig.place(searchSky());
        rig.list->setDisplayed(true);
        rig.list->setSearchText(text.toStdString());
        QCOMPARE(QString::fromStdString(rig.list->searchText()), stored);
        QCOMPARE(rig.names(), names);
        QVERIFY(!rig.list->loadingList());
    }

    void sortOrder_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QList<Placed>>("objects");
        QTest::addColumn<QStringList>("names");
        const QList<Placed> compass = {{"south", 180, 30, 3, "", ""},
                                       {"north-west", 330, 30, 1, "", ""},
                                       {"north by east", 10, 30, 4, "", ""},
                                       {"north sector start", 337.5, 30, 5, "", ""},
                                       {"north by west", 350, 30, 2, "", ""}};
        dataRow("azimuth from 337.5 degrees clockwise", int(CatalogSortOrder_::Az), compass,
                QStringList{"north sector start", "north by west", "north by east", "south",
                            "north-west"});
        dataRow("magnitude, brightest first", int(CatalogSortOrder_::Vmag), compass,
                QStringList{"north-west", "north by west", "south", "north by east",
                            "north sector start"});
        dataRow("name byte-wise: capitals, prefixes, non-ASCII last", int(CatalogSortOrder_::Name),
                QList<Placed>{{"alpha", 10, 30, 1, "", ""},
                              {"Zeta", 20, 30, 1, "", ""},
                              {"Ålfa", 30, 30, 1, "", ""},
                              {"alphard", 40, 30, 1, "", ""},
                              {"Beta", 50, 30, 1, "", ""}},
                QStringList{"Beta", "Zeta", "alpha", "alphard", "Ålfa"});
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QList<Placed> unknownMagnitudes;
        for (int i = 0; i < 40; ++i)
            unknownMagnitudes.append(
                {QString("o%1").arg(i), double(i), 30, i % 3 == 0 ? nan : float(40 - i), "", ""});
        QStringList byMagnitude;
        for (int i = 39; i > 0; --i)
            if (i % 3 != 0)
                byMagnitude.append(QString("o%1").arg(i));
        dataRow("magnitudes that are not numbers come last", int(CatalogSortOrder_::Vmag),
                unknownMagnitudes, byMagnitude);
        dataRow("a stored order of no known value sorts by magnitude", 7, compass,
                QStringList{"north-west", "north by west", "south", "north by east",
                            "north sector start"});
    }
    void sortOrder() {
        QFETCH(int, order);
        QFETCH(QList<Placed>, objects);
        QFETCH(QStringList, names);
        Rig rig(freshFolder());
        rig.place(objects);
        rig.settings->setSortOrder(CatalogSortOrder_::E(order));
        rig.list->setDisplayed(true);
        QStringList got = rig.names();
        // Objects of unknown magnitude are in no particular order among themselves.
        if (got.size() > names.size())
            got = got.mid(0, names.size());
        QCOMPARE(got, names);
        QCOMPARE(rig.list->list().size(), size_t(objects.size()));
        // The azimuth and altitude of each row are those the object was placed at.
        for (const CatalogList::Item& item : rig.list->items()) {
            const auto it = std::find_if(objects.begin(), objects.end(), [&](const Placed& p) {
                return p.name.toStdString() == item.obj.name;
            });
            QVERIFY(it != objects.end());
            QVERIFY(std::abs(wrapToPi(item.azAlt.a - it->azDeg * kDeg)) < 1e-6);
            QVERIFY(std::abs(item.azAlt.b - it->altDeg * kDeg) < 1e-6);
        }
    }

    // What a row says, with the altitude filter off so that every object is listed.
    void rows_data() {
        QTest::addColumn<Placed>("object");
        QTest::addColumn<bool>("doubleLength");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("d");
        QTest::addColumn<bool>("enabled");
        dataRow("constellation in d", Placed{"Vega", 90, 30, 0.03f, "Lyra", ""}, false, "0.0",
                "E 90° +30°", "Lyra", true);
        dataRow("separation before constellation",
                Placed{"Albireo", 225, 45, 3.06f, "Cygnus", "34.6"}, false, "3.1", "SW 225° +45°",
                "Separation (arcsec): 34.6", true);
        dataRow("separation label is translated",
                Placed{"Albireo", 225, 45, 3.06f, "Cygnus", "34.6"}, true, "3.1",
                "[SW SW] 225° +45°", "[Separation (arcsec) Separation (arcsec)]: 34.6", true);
        dataRow("neither separation nor constellation", Placed{"M1", 0, 10, 8.4f, "", ""}, false,
                "8.4", "N 0° +10°", "", true);
        // A comet's brightness law far from the Sun: no false precision beyond what is seen.
        dataRow("fainter than 20 reads > 20",
                Placed{"41P/Tuttle-Giacobini-Kresak", 90, 30, 36.1f, "", ""}, false, "> 20",
                "E 90° +30°", "", true);
        dataRow("20 itself is a number", Placed{"Faint", 90, 30, 20.0f, "", ""}, false, "20.0",
                "E 90° +30°", "", true);
        dataRow("a magnitude rounding to zero has no sign", Placed{"Vega", 90, 30, -0.03f, "", ""},
                false, "0.0", "E 90° +30°", "", true);
        dataRow("below the minimum altitude is disabled", Placed{"Low", 200, -5, 1, "", ""}, false,
                "1.0", "S 200° -5°", "", false);
        dataRow("above the maximum altitude is disabled", Placed{"High", 20, 80, 1, "", ""}, false,
                "1.0", "N 20° +80°", "", false);
    }
    void rows() {
        QFETCH(Placed, object);
        QFETCH(bool, doubleLength);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, d);
        QFETCH(bool, enabled);
        Rig rig(freshFolder());
        rig.settings->setEnableAltRangeViewFilter(false);
        rig.language->setDoubleLength(doubleLength);
        rig.place({object});
        rig.list->setDisplayed(true);
        QCOMPARE(rig.list->list().size(), size_t(1));
        const AstroListUIItem& row = rig.list->list()[0];
        QCOMPARE(QString::fromStdString(row.a), object.name);
        QCOMPARE(QString::fromStdString(row.b), b);
        QCOMPARE(QString::fromStdString(row.c), c);
        QCOMPARE(QString::fromStdString(row.d), d);
        QCOMPARE(row.isEnableListItem, enabled);
        rig.language->setDoubleLength(false);
    }

    // The filter drops objects before the search and the sort; the source's choice of magnitude
    // limit is passed on.
    void filter_data() {
        QTest::addColumn<bool>("altitudeFilter");
        QTest::addColumn<bool>("vmagFilter");
        QTest::addColumn<bool>("dso");
        QTest::addColumn<QStringList>("names");
        dataRow("filters off", false, false, false, QStringList{"bright low", "bright", "faint"});
        dataRow("below the horizon dropped", true, false, false, QStringList{"bright", "faint"});
        dataRow("star limit 2.0", false, true, false, QStringList{"bright low", "bright"});
        dataRow("deep-sky limit 7.0", false, true, true,
                QStringList{"bright low", "bright", "faint"});
    }
    void filter() {
        QFETCH(bool, altitudeFilter);
        QFETCH(bool, vmagFilter);
        QFETCH(bool, dso);
        QFETCH(QStringList, names);
        Rig rig(freshFolder());
        rig.settings->setEnableAltRangeViewFilter(altitudeFilter);
        rig.settings->setEnableVmagFilter(vmagFilter);
        rig.raw->dso = dso;
        rig.place({{"faint", 90, 30, 5.0f, "", ""},
                   {"bright", 100, 30, 1.0f, "", ""},
                   {"bright low", 110, -10, 0.5f, "", ""}});
        rig.list->setDisplayed(true);
        QCOMPARE(rig.names(), names);
    }

    // When the list reloads, what a reload announces, and what is kept while hidden.
    void reloads() {
        Rig rig(freshFolder());
        rig.place(searchSky());
        QSignalSpy changed(rig.list.get(), &ICatalogList::listChanged);
        QList<std::pair<bool, size_t>> seen; // loadingList and row count at each listChanged
        connect(rig.list.get(), &ICatalogList::listChanged, this, [&] {
            seen.append({rig.list->loadingList(), rig.list->list().size()});
        });

        // Built and hidden: nothing loaded, search text stored only.
        rig.list->setSearchText(std::string("ORI"));
        QCOMPARE(rig.raw->refreshes, 0);
        QVERIFY(!rig.list->loadingList());
        QVERIFY(rig.list->list().empty());

        rig.list->setDisplayed(true);
        rig.list->setDisplayed(true);
        QCOMPARE(rig.raw->refreshes, 1);
        QCOMPARE(seen, (QList<std::pair<bool, size_t>>{{true, 0}, {false, 4}}));

        // The same folded text does nothing; a capital always proceeds, to the same folded text.
        rig.list->setSearchText(std::string("ori"));
        QCOMPARE(rig.raw->refreshes, 1);
        rig.list->setSearchText(std::string("m"));
        QCOMPARE(rig.raw->refreshes, 2);
        rig.list->setSearchText(std::string("M"));
        QCOMPARE(rig.raw->refreshes, 3);
        QCOMPARE(rig.list->searchText(), std::string("m"));

        rig.list->setSearchText(std::string("e"));
        QCOMPARE(rig.raw->refreshes, 4);

        // Settings changes reload while shown, only.
        rig.settings->setSortOrder(CatalogSortOrder_::Name);
        QCOMPARE(rig.raw->refreshes, 5);
        QCOMPARE(rig.names(), (QStringList{"Albireo", "Betelgeuse", "M42 ORION NEBULA", "Meissa",
                                           "Rigel", "Vega", "Étoile du berger", "étoile polaire"}));
        rig.altRange->setMinAlt(30 * kDeg);
        QCOMPARE(rig.raw->refreshes, 6);
        QCOMPARE(rig.names(), (QStringList{"Albireo", "Betelgeuse", "M42 ORION NEBULA", "Meissa",
                                           "étoile polaire"}));

        // Hidden: the rows stay; settings and text wait for the next showing.
        rig.list->setDisplayed(false);
        rig.settings->setSortOrder(CatalogSortOrder_::Vmag);
        rig.list->setSearchText(std::string("ri"));
        QCOMPARE(rig.raw->refreshes, 6);
        QCOMPARE(rig.list->list().size(), size_t(5));
        QCOMPARE(changed.size(), 12);

        // A source that fires by itself (another user refreshed it) rebuilds the hidden rows.
        rig.raw->changed();
        QCOMPARE(rig.names(), (QStringList{"Betelgeuse", "Meissa", "M42 ORION NEBULA"}));
        QVERIFY(!rig.list->loadingList());
        QCOMPARE(changed.size(), 13);
    }

    // A source that answers later (the comet download) leaves the list loading and empty until
    // it fires, even while hidden.
    void sourceThatAnswersLater() {
        Rig rig(freshFolder());
        rig.place(searchSky());
        rig.raw->firesOnRefresh = false;
        rig.list->setDisplayed(true);
        QVERIFY(rig.list->loadingList());
        QVERIFY(rig.list->list().empty());
        rig.list->setDisplayed(false);
        QVERIFY(rig.list->loadingList());
        rig.raw->changed();
        QVERIFY(!rig.list->loadingList());
        QCOMPARE(rig.list->list().size(), size_t(8));
    }

    void getAstroObj_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first row") << 0 << "Vega";
        QTest::newRow("last row") << 7 << "M42 ORION NEBULA";
        QTest::newRow("past the rows is an empty object") << 8 << "";
        QTest::newRow("far past the rows") << 1000000 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void getAstroObj() {
        QFETCH(int, index);
        QFETCH(QString, name);
        Rig rig(freshFolder());
        rig.place(searchSky());
        rig.list->setDisplayed(true);
        const AstroObj obj = rig.list->getAstroObj(index);
        QCOMPARE(QString::fromStdString(obj.name), name);
        if (name.isEmpty()) {
            QVERIFY(obj.attributes.empty());
            QCOMPARE(obj.coordNow, CoordPair{});
        } else {
            QCOMPARE(obj.coordNow, rig.list->items()[size_t(index)].obj.coordNow);
        }
    }

    // A page reads the rows and the object of a row, and passes its search text as a string.
    void qmlPage() {
        Rig rig(freshFolder());
        rig.place(searchSky());
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("inj_astroList_star", rig.list.get());
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml
            QtObject {
                property int rows: inj_astroList_star.list.length
                property bool loading: inj_astroList_star.loadingList
                property string second: rows > 1 ? inj_astroList_star.list[1].a : ""
                property string picked
                function show(text) {
                    inj_astroList_star.setDisplayed(true)
                    inj_astroList_star.setSearchText(text)
                    picked = inj_astroList_star.getAstroObj(0).name
                }
            }
        )",
                          QUrl());
        std::unique_ptr<QObject> page(component.create());
        QVERIFY2(page, qPrintable(component.errorString()));
        QCOMPARE(page->property("rows").toInt(), 0);
        QMetaObject::invokeMethod(page.get(), "show", Q_ARG(QVariant, QVariant("ORI")));
        QCOMPARE(page->property("rows").toInt(), 4);
        QCOMPARE(page->property("second").toString(), QString("Betelgeuse"));
        QCOMPARE(page->property("picked").toString(), QString("Rigel"));
        QCOMPARE(page->property("loading").toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestCatalogList)
#include "tst_cataloglist.moc"
