#include "pages/generalinfolist.h"

#include "model/tests/rotations.h"
#include "model/tests/synthetic.h"
#include "mount/tests/mountcontrolrig.h"
#include "pages/generalinfotext.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QString>
#include <QTest>

#include <memory>

using namespace Ko;

namespace {

// Every row as "section|title", in order.
const QStringList kLayout = {"Coordinates|Azimuth/Altitude",
                             "Coordinates|H.A./Dec",
                             "Coordinates|R.A./Dec",
                             "Coordinates|Axis",
                             "Polaris|Clock Position",
                             "Polaris|Hour Angle",
                             "Time|LMST",
                             "Time|GMST",
                             "Time|Local Time",
                             "Time|Greenwich Time",
                             "Alignment|",
                             "Alignment|",
                             "Version|App",
                             "Version|Motor Board"};

// Rows filled only while a mount is connected (0-based).
const QList<int> kMountRows = {0, 1, 2, 3, 13};

} // namespace

class TestGeneralInfoList : public QObject {
    Q_OBJECT

    // The page over the emulated mount's site, clock and pointing model.
    struct Rig : MountControlRig {
        std::shared_ptr<GeneralInfoList> page =
            std::make_shared<GeneralInfoList>(astro, format, holder, container, astroClock);
        QmlSectionListModel& model = *page->listModel();

        QStringList layout() const {
            QStringList rows;
            for (const SectionListItem& item : model.items)
                rows.append(item.category + '|' + item.title);
            return rows;
        }
    };

private slots:
    // Fourteen rows in five sections whether or not a mount is connected; the rows of the mount
    // are empty without one and filled with one, the others are always filled.
    void rows_data() {
        QTest::addColumn<bool>("connected");
        QTest::newRow("no mount") << false;
        QTest::newRow("emulated mount") << true;
    }
    void rows() {
        QFETCH(bool, connected);
        Rig rig;
        if (connected)
            rig.connect();
        rig.page->setUpdating(true);
        QCOMPARE(rig.layout(), kLayout);
        for (int row = 0; row < kLayout.size(); ++row) {
            const bool empty = rig.model.items[row].value.isEmpty();
            QVERIFY2(empty == (!connected && kMountRows.contains(row)),
                     qPrintable(QString("row %1: '%2'").arg(row).arg(rig.model.items[row].value)));
        }
        QCOMPARE(rig.model.items[12].value, QString("Pro 2.1.12"));
        if (connected) {
            // Major and minor firmware version in decimal, the board's model in hex.
            QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.[0-9A-F]{2}$")
                        .match(rig.model.items[13].value)
                        .hasMatch());
        }
    }

    // The model terms in arcminutes, each by the arcminute text rule, three to a row, each
    // beside its own name: on models whose terms all differ, every number is the model's own.
    void alignmentTerms_data() {
        QTest::addColumn<double>("turnX");
        QTest::addColumn<double>("turnY");
        QTest::addColumn<double>("ch");
        QTest::addColumn<double>("np");
        QTest::newRow("polar axis off in both directions") << 0.8 << -0.3 << 75.3 << -0.04;
        QTest::newRow("polar axis off the other way") << -0.2 << 0.6 << -12.0 << 3.5;
    }
    void alignmentTerms() {
        QFETCH(double, turnX);
        QFETCH(double, turnY);
        QFETCH(double, ch);
        QFETCH(double, np);
        Rig rig;
        TrueModel truth{int(MountMode_::EQ), rig.setup.latitudeRad};
        truth.turn = rotationX(turnX * kDeg);
        truth.turn *= rotationY(turnY * kDeg);
        rig.container->setAlignmentData(truth.record());
        rig.container->setChAmin(ch);
        rig.container->setNpAmin(np);
        rig.page->setUpdating(true);

        const auto text = [](double arcmin) {
            return QString::fromStdString(formatArcminutes(arcmin));
        };
        const IAlignmentDataContainer& model = *rig.container;
        // A swap of two names would go unseen if their numbers read the same.
        QVERIFY(text(model.melAmin()) != text(model.mazAmin()));
        QVERIFY(text(model.chAmin()) != text(model.npAmin()));
        QCOMPARE(rig.model.items[10].value,
                 QString("ID=%1   CH=%2   NP=%3").arg(text(model.idAmin()), text(ch), text(np)));
        QCOMPARE(rig.model.items[11].value,
                 QString("Mel=%1   Maz=%2   Tilt=%3")
                     .arg(text(model.melAmin()), text(model.mazAmin()), text(model.tiltAmin())));
    }

    // The first pass (at construction) is a layout change; every later one, by the timer, by
    // setUpdating or by a position report of the mount, is one data change over all fourteen
    // rows. A position report refreshes the page even while it is hidden.
    void refresh() {
        Rig rig;
        QCOMPARE(rig.model.rowCount(), 14);
        QSignalSpy layoutChanged(&rig.model, &QAbstractItemModel::layoutChanged);
        QSignalSpy dataChanged(&rig.model, &QAbstractItemModel::dataChanged);

        rig.page->setUpdating(true);
        QCOMPARE(dataChanged.count(), 1);
        QCOMPARE(dataChanged[0][0].value<QModelIndex>().row(), 0);
        QCOMPARE(dataChanged[0][1].value<QModelIndex>().row(), 13);
        QTRY_COMPARE(dataChanged.count(), 2);
        // Asking again restarts the period and refreshes at once.
        rig.page->setUpdating(true);
        QCOMPARE(dataChanged.count(), 3);

        rig.page->setUpdating(false);
        QVERIFY(!rig.page->isUpdating());
        const auto before = dataChanged.count();
        emit rig.holder->positionChanged();
        QCOMPARE(dataChanged.count(), before + 1);
        QCOMPARE(layoutChanged.count(), 0);
    }

    // The mount keeps its position fresh while the page is shown: setUpdating passes its value
    // on, and a mount that connects while the page is shown is asked without another call; one
    // that connects while it is hidden is left alone.
    void positionKeeping() {
        Rig rig;
        rig.page->setUpdating(false); // no mount: nothing to ask
        IMount* mount = rig.connect();
        QVERIFY(!mount->positionUpdating());
        rig.page->setUpdating(true);
        QVERIFY(mount->positionUpdating());
        rig.page->setUpdating(false);
        QVERIFY(!mount->positionUpdating());

        rig.page->setUpdating(true);
        rig.holder->setMount(nullptr);
        mount = rig.connect();
        QVERIFY(mount->positionUpdating());
    }

    // The coordinate rows follow the mount's position reports.
    void followsTheMount() {
        Rig rig;
        IMount* mount = rig.connect();
        rig.page->setUpdating(true);
        const QString axes = rig.model.items[3].value;
        mount->setAxisPositions(0.5, 0.7);
        rig.page->setUpdating(true);
        QVERIFY(rig.model.items[3].value != axes);
        QVERIFY(rig.model.items[3].value.contains("+28°") &&
                rig.model.items[3].value.contains("+40°"));
    }
};

QTEST_MAIN(TestGeneralInfoList)
#include "tst_generalinfolist.moc"
