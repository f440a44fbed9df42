#include "base/tests/datarow.h"
#include "pages/qmlsectionlistmodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Ko;

namespace {

void fill(QmlSectionListModel& model, const QStringList& categories) {
    model.items.clear();
    for (const QString& c : categories)
        model.items.append({c, c + " title", c + " value"});
}

// The view may hold an index whose row the model no longer has; index() would refuse to make one.
struct RawIndexModel : QmlSectionListModel {
    QModelIndex rawIndex(int row) const { return createIndex(row, 0); }
};

} // namespace

class TestQmlSectionListModel : public QObject {
    Q_OBJECT

private slots:
    void firstItemInSection_data() {
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QList<bool>>("first");
        dataRow("one section", QStringList{"A", "A", "A"}, QList<bool>{true, false, false});
        dataRow("a category that comes back opens a new run", QStringList{"A", "A", "B", "A"},
                QList<bool>{true, false, true, true});
        dataRow("letter case makes another category", QStringList{"Time", "time"},
                QList<bool>{true, true});
        dataRow("a prefix is another category", QStringList{"Time", "Time zone", "Time zone"},
                QList<bool>{true, true, false});
        dataRow("empty categories form one run", QStringList{"", "", "A"},
                QList<bool>{true, false, true});
    }
    void firstItemInSection() {
        QFETCH(QStringList, categories);
        QFETCH(QList<bool>, first);
        QmlSectionListModel model;
        fill(model, categories);
        model.setItems();
        QCOMPARE(model.rowCount(), categories.size());
        for (int row = 0; row < categories.size(); ++row) {
            const QModelIndex i = model.index(row);
            QCOMPARE(model.data(i, QmlSectionListModel::FirstItemInSectionRole),
                     QVariant(first[row]));
            QCOMPARE(model.data(i, QmlSectionListModel::CategoryRole), QVariant(categories[row]));
            QCOMPARE(model.data(i, QmlSectionListModel::TitleRole),
                     QVariant(categories[row] + " title"));
            QCOMPARE(model.data(i, QmlSectionListModel::ValueRole),
                     QVariant(categories[row] + " value"));
        }
    }

    void dataOutsideRowsAndRoles_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        for (int role : {int(Qt::DisplayRole), 256, 257, 258, 259, 260, 261}) {
            QTest::addRow("row -1, role %d", role) << -1 << role << QVariant();
            QTest::addRow("row 2 of 2, role %d", role) << 2 << role << QVariant();
        }
        QTest::newRow("role 256 on a valid row") << 1 << 256 << QVariant(QStringLiteral("?"));
        QTest::newRow("role 261 on a valid row") << 1 << 261 << QVariant(QStringLiteral("?"));
        dataRow("display role on a valid row", 0, int(Qt::DisplayRole),
                QVariant(QStringLiteral("?")));
    }
    void dataOutsideRowsAndRoles() {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        RawIndexModel model;
        fill(model, {"A", "B"});
        model.setItems();
        const QVariant got = model.data(model.rawIndex(row), role);
        QCOMPARE(got.isValid(), expected.isValid());
        QCOMPARE(got, expected);
    }

    void roleNames() {
        const QHash<int, QByteArray> expected{
            {257, "category"}, {258, "title"}, {259, "value"}, {260, "firstItemInSection"}};
        QCOMPARE(QmlSectionListModel().roleNames(), expected);
    }

    // Refreshes of the same length update the rows in place; a change of length is a layout
    // change, recorded so that the next refresh of that length is a data change again.
    void notifications_data() {
        QTest::addColumn<QList<int>>("refreshCounts");
        QTest::addColumn<QList<int>>("layoutChanges"); // after each refresh, cumulative
        QTest::addColumn<QList<int>>("dataChanges");
        dataRow("fourteen, fourteen, thirteen", QList<int>{14, 14, 13}, QList<int>{1, 1, 2},
                QList<int>{0, 1, 1});
        dataRow("steady fourteen", QList<int>{14, 14, 14, 14}, QList<int>{1, 1, 1, 1},
                QList<int>{0, 1, 2, 3});
        dataRow("back to an earlier count", QList<int>{3, 5, 3, 3}, QList<int>{1, 2, 3, 3},
                QList<int>{0, 0, 0, 1});
        dataRow("empty stays silent", QList<int>{0, 0}, QList<int>{0, 0}, QList<int>{0, 0});
        dataRow("emptied", QList<int>{2, 0, 0}, QList<int>{1, 2, 2}, QList<int>{0, 0, 0});
    }
    void notifications() {
        QFETCH(QList<int>, refreshCounts);
        QFETCH(QList<int>, layoutChanges);
        QFETCH(QList<int>, dataChanges);
        QmlSectionListModel model;
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        for (int i = 0; i < refreshCounts.size(); ++i) {
            QStringList categories;
            for (int r = 0; r < refreshCounts[i]; ++r)
                categories.append(r < 4 ? "Coordinates" : "Time");
            fill(model, categories);
            const int dataBefore = int(data.size());
            model.setItems();
            QCOMPARE(layout.size(), layoutChanges[i]);
            QCOMPARE(data.size(), dataChanges[i]);
            if (data.size() > dataBefore) {
                const QList<QVariant> args = data.last();
                QCOMPARE(args[0].toModelIndex(), model.index(0));
                QCOMPARE(args[1].toModelIndex(), model.index(refreshCounts[i] - 1));
                QVERIFY(args[2].value<QList<int>>().isEmpty());
            }
            if (layout.size() > 0) {
                QVERIFY(layout.last()[0].value<QList<QPersistentModelIndex>>().isEmpty());
                QCOMPARE(layout.last()[1].value<QAbstractItemModel::LayoutChangeHint>(),
                         QAbstractItemModel::NoLayoutChangeHint);
            }
        }
        QCOMPARE(reset.size() + inserted.size() + removed.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestQmlSectionListModel)
#include "tst_qmlsectionlistmodel.moc"
