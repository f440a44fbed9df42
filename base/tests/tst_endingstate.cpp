#include "base/endingstate.h"
#include "base/tests/datarow.h"

#include <QtTest>

namespace Ko {

// What the program's parts learn of its end: each change is announced once, with the state
// already changed, and a call that changes nothing announces nothing; a remote start is admitted
// exactly while no end is under way. A listener told of an end but not of the Stay that called it
// off (a later start's requests, left to that start while ending) would go on acting as if the
// program were ending.
class TestEndingState : public QObject {
    Q_OBJECT

private slots:
    void eachChangeIsAnnouncedOnce_data() {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QList<bool>>("changed");
        QTest::addColumn<QList<bool>>("announced");
        dataRow("an end", QStringList{"begin"}, QList<bool>{true}, QList<bool>{true});
        dataRow("an end begun twice", QStringList{"begin", "begin"}, QList<bool>{true, false},
                QList<bool>{true});
        dataRow("Stay", QStringList{"begin", "stay"}, QList<bool>{true, true},
                QList<bool>{true, false});
        dataRow("Stay twice", QStringList{"begin", "stay", "stay"}, QList<bool>{true, true, false},
                QList<bool>{true, false});
        dataRow("Stay without an end", QStringList{"stay"}, QList<bool>{false}, QList<bool>{});
        dataRow("an end after Stay", QStringList{"begin", "stay", "begin"},
                QList<bool>{true, true, true}, QList<bool>{true, false, true});
    }
    void eachChangeIsAnnouncedOnce() {
        QFETCH(QStringList, calls);
        QFETCH(QList<bool>, changed);
        QFETCH(QList<bool>, announced);
        EndingState state;
        QList<bool> heard;
        QList<bool> readInListener;
        connect(&state, &EndingState::endingChanged, this, [&](bool ending) {
            heard.append(ending);
            readInListener.append(state.ending());
        });
        QList<bool> returned;
        for (const QString& call : calls)
            returned.append(call == "begin" ? state.begin() : state.cancel());
        QCOMPARE(returned, changed);
        QCOMPARE(heard, announced);
        QCOMPARE(readInListener, announced);
        const bool ending = !announced.isEmpty() && announced.back();
        QCOMPARE(state.ending(), ending);
        QCOMPARE(bool(EndingState::Admission(&state)), !ending);
    }
};

} // namespace Ko

QTEST_GUILESS_MAIN(Ko::TestEndingState)
#include "tst_endingstate.moc"
