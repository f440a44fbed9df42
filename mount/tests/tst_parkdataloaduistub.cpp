#include "mount/parkdataloaduistub.h"

#include "base/tests/onthread.h"

#include <QTest>

#include <memory>

using namespace Ko;
using Option = ParkDataLoadOption_::E;

Q_DECLARE_METATYPE(QList<Ko::ParkDataLoadOption_::E>)

namespace {} // namespace

// The connection side asks on a worker thread; the test stands in for the QML dialog and answers
// on the main thread once the question reaches it through the queued signal.
class TestParkDataLoadUIStub : public QObject {
    Q_OBJECT

private slots:
    // Each row asks twice. The first question gets the row's answers (all of them given as soon as
    // the question shows, as a dialog that answers twice would), and `late` after ask returned;
    // the second question is answered with Cancel, so nothing of the first leaks into it.
    void answers_data() {
        QTest::addColumn<int>("early");
        QTest::addColumn<QList<Option>>("answers");
        QTest::addColumn<int>("late");
        QTest::addColumn<Option>("expected");
        QTest::newRow("Restore loads")
            << -1 << QList<Option>{ParkDataLoadOption_::Load} << -1 << ParkDataLoadOption_::Load;
        QTest::newRow("Clear Data discards") << -1 << QList<Option>{ParkDataLoadOption_::Discard}
                                             << -1 << ParkDataLoadOption_::Discard;
        QTest::newRow("dismissing cancels") << -1 << QList<Option>{ParkDataLoadOption_::Cancel}
                                            << -1 << ParkDataLoadOption_::Cancel;
        QTest::newRow("a second answer is ignored")
            << -1 << QList<Option>{ParkDataLoadOption_::Discard, ParkDataLoadOption_::Load} << -1
            << ParkDataLoadOption_::Discard;
        QTest::newRow("an answer after the question ended is ignored")
            << -1 << QList<Option>{ParkDataLoadOption_::Load} << int(ParkDataLoadOption_::Discard)
            << ParkDataLoadOption_::Load;
        QTest::newRow("an answer while nobody asked is dropped")
            << int(ParkDataLoadOption_::Load) << QList<Option>{ParkDataLoadOption_::Discard} << -1
            << ParkDataLoadOption_::Discard;
    }
    void answers() {
        QFETCH(int, early);
        QFETCH(QList<Option>, answers);
        QFETCH(int, late);
        QFETCH(Option, expected);

        ParkDataLoadUIStub stub;
        QList<Option> pending = answers;
        int shown = 0;
        connect(
            &stub, &ParkDataLoadUIStub::shouldShow, this,
            [&] {
                ++shown;
                for (Option a : pending)
                    stub.setResult(a);
                pending = {ParkDataLoadOption_::Cancel};
            },
            Qt::QueuedConnection);
        if (early >= 0)
            stub.setResult(Option(early));

        auto first = onThread([&] { return stub.ask(); });
        QTRY_VERIFY(isReady(first));
        QCOMPARE(first.get(), expected);
        QCOMPARE(shown, 1);
        if (late >= 0)
            stub.setResult(Option(late));

        auto second = onThread([&] { return stub.ask(); });
        QTRY_VERIFY(isReady(second));
        QCOMPARE(second.get(), ParkDataLoadOption_::Cancel);
        QCOMPARE(shown, 2);
    }

    // At application exit the stub may go while a connection still waits: the wait ends with
    // Cancel instead of blocking that thread for ever.
    void destroyedWhileWaiting() {
        auto stub = std::make_unique<ParkDataLoadUIStub>();
        bool shown = false;
        connect(
            stub.get(), &ParkDataLoadUIStub::shouldShow, this, [&] { shown = true; },
            Qt::QueuedConnection);
        auto result = onThread([s = stub.get()] { return s->ask(); });
        QTRY_VERIFY(shown);
        QVERIFY(!isReady(result));
        stub.reset();
        QCOMPARE(result.get(), ParkDataLoadOption_::Cancel);
    }
};

QTEST_GUILESS_MAIN(TestParkDataLoadUIStub)
#include "tst_parkdataloaduistub.moc"
