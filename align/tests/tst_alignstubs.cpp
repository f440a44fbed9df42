// The alignment selection and star-list stubs hand the page's action to whichever routine
// assigned its callback last, and refuse it while none has.
#include "align/alignselectionuistub.h"
#include "align/alignstarlistuistubs.h"

#include <QTest>

#include <vector>

using namespace Ko;

class TstAlignStubs : public QObject {
    Q_OBJECT

private slots:
    void actionsReachTheLastAssignedCallback() {
        AlignStarListUIStubs list;
        std::vector<std::pair<int, int>> selected;
        list.onSelect = [&](int, int) { QFAIL("replaced callback called"); };
        list.onSelect = [&](int index012, int row) { selected.emplace_back(index012, row); };
        QVERIFY(QMetaObject::invokeMethod(&list, "select", Q_ARG(int, 2), Q_ARG(int, 0)));
        QCOMPARE(selected, (std::vector<std::pair<int, int>>{{2, 0}}));

        AlignSelectionUIStub selection;
        int started = 0;
        selection.onStart = [&] { ++started; };
        QVERIFY(QMetaObject::invokeMethod(&selection, "start"));
        QCOMPARE(started, 1);
    }

    void actionsWithoutCallbackThrow() {
        AlignStarListUIStubs list;
        AlignSelectionUIStub selection;
        QVERIFY_THROWS_EXCEPTION(std::bad_function_call, list.select(0, 0));
        QVERIFY_THROWS_EXCEPTION(std::bad_function_call, selection.start());
    }
};

QTEST_GUILESS_MAIN(TstAlignStubs)
#include "tst_alignstubs.moc"
