#include "base/astrolistuiitem.h"
#include "catalog/astroobj.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <vector>

using namespace Ko;

// What a catalog page hands to QML: a list of rows and one object of a row.
class RowSource : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list READ list CONSTANT)
public:
    std::vector<AstroListUIItem> rows;
    AstroObj obj;

    std::vector<AstroListUIItem> list() const { return rows; }
    Q_INVOKABLE Ko::AstroObj getAstroObj(int) const { return obj; }
};

class TestAstroObj : public QObject {
    Q_OBJECT

private slots:
    // Keys are set in the order given; kvList must come out in ascending key order.
    void kvList_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<QStringList>>("expected");
        QTest::newRow("no attributes") << QList<int>{} << QStringList{} << QList<QStringList>{};
        QTest::newRow("ascending whatever the set order")
            << QList<int>{11, 2, 3} << QStringList{"224", "Andromeda", "α And"}
            << QList<QStringList>{{"Constellation", "Andromeda"},
                                  {"Bayer Designation", "α And"},
                                  {"NGC Number", "224"}};
        QTest::newRow("same key twice keeps the last text")
            << QList<int>{9, 9} << QStringList{"31", "32"}
            << QList<QStringList>{{"Messier Number", "32"}};
        QTest::newRow("keys outside the table have an empty label")
            << QList<int>{16, -1, 15} << QStringList{"x", "y", "0.97"}
            << QList<QStringList>{{"", "y"}, {"Eccentricity", "0.97"}, {"", "x"}};
        QTest::newRow("first and last label")
            << QList<int>{0, 14} << QStringList{"", "0.59"}
            << QList<QStringList>{{"Type", ""}, {"Perihelion Distance (AU)", "0.59"}};
    }
    void kvList() {
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, texts);
        QFETCH(QList<QStringList>, expected);
        AstroObj o;
        for (qsizetype i = 0; i < keys.size(); ++i)
            o.set(keys[i], texts[i].toStdString());
        QCOMPARE(o.kvList(), expected);
    }

    void getOfAbsentKeyInsertsNothing() {
        AstroObj o;
        o.set(AstroObjKey::Constellation, std::string("Lyra"));
        QCOMPARE(o.get(AstroObjKey::Separation), std::string());
        QCOMPARE(&o.get(AstroObjKey::Separation), &AstroObj().get(AstroObjKey::NgcNumber));
        QCOMPARE(o.attributes.size(), size_t(1));
        QCOMPARE(o.get(AstroObjKey::Constellation), std::string("Lyra"));
    }

    // Rows and objects cross into QML as plain values whose properties a page reads.
    void readableFromQml() {
        RowSource source;
        source.rows = {{true, "Vega", "0.0", "N 40° +62°", "Lyra"},
                       {false, "Ленточка", "7.1", "S 180° -20°", "Орион"}};
        source.obj.name = "Galaxie d’Andromède";
        source.obj.vmag = 3.4f;
        source.obj.set(AstroObjKey::NgcNumber, std::string("224"));
        source.obj.set(AstroObjKey::MessierNumber, std::string("31"));

        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml
            QtObject {
                required property QtObject source
                readonly property var o: source.getAstroObj(0)
                readonly property string text: source.list.length + "|" + source.list[0].a
                    + "|" + source.list[1].isEnableListItem + "|" + source.list[1].d
                    + "|" + o.name + "|" + o.vmag.toFixed(1) + "|" + o.kvList.length
                    + "|" + o.kvList[0][0] + "=" + o.kvList[0][1]
                    + "|" + o.kvList[1][0] + "=" + o.kvList[1][1]
            })",
                          QUrl());
        std::unique_ptr<QObject> root(
            component.createWithInitialProperties({{"source", QVariant::fromValue(&source)}}));
        QVERIFY2(root, qPrintable(component.errorString()));
        QCOMPARE(root->property("text").toString(),
                 QString("2|Vega|false|Орион|Galaxie d’Andromède|3.4|2|Messier Number=31|NGC "
                         "Number=224"));
    }
};

QTEST_MAIN(TestAstroObj)
#include "tst_astroobj.moc"
