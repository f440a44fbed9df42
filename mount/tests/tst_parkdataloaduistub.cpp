#include "mount/parkdataloaduistub.h"

#include "base/tests/onthread.h"

#include <QScopeGuard>
#include <QTest>

#include <memory>
#include <optional>

using namespace Ko;
using Option = ParkDataLoadOption_::E;

Q_DECLARE_METATYPE(QList<Ko::ParkDataLoadOption_::E>)

namespace {

// How the program's end reaches the question.
enum class End { Destroy, CloseWhileAsked, CloseBeforeAsked };

} // namespace

Q_DECLARE_METATYPE(End)

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

    // At the program's end a connection may still wait on the question, or ask it while the end
    // is under way: the wait ends with Cancel instead of holding that thread, and a question
    // asked afterwards is neither shown nor waited on. An answer that the closing dialog gives
    // late changes nothing.
    void programEndAnswersCancel_data() {
        QTest::addColumn<End>("end");
        QTest::addColumn<bool>("shown");
        QTest::newRow("destroyed while a question waits") << End::Destroy << true;
        QTest::newRow("closed while a question waits") << End::CloseWhileAsked << true;
        QTest::newRow("asked after the close") << End::CloseBeforeAsked << false;
    }
    void programEndAnswersCancel() {
        QFETCH(End, end);
        QFETCH(bool, shown);
        auto stub = std::make_unique<ParkDataLoadUIStub>();
        int shows = 0;
        connect(
            stub.get(), &ParkDataLoadUIStub::shouldShow, this, [&] { ++shows; },
            Qt::QueuedConnection);
        if (end == End::CloseBeforeAsked)
            stub->closeForExit();
        auto result = onThread([s = stub.get()] { return s->ask(); });
        std::optional<ThreadFuture<Option>> later;
        // A wait left open fails the row instead of hanging it: the stub goes before the threads
        // are joined.
        const auto release = qScopeGuard([&] { stub.reset(); });
        if (shown) {
            QTRY_COMPARE(shows, 1);
            QVERIFY(!isReady(result));
        }
        if (end == End::Destroy) {
            stub.reset();
        } else {
            if (end == End::CloseWhileAsked)
                stub->closeForExit();
            stub->setResult(ParkDataLoadOption_::Load);
        }
        QTRY_VERIFY(isReady(result));
        QCOMPARE(result.get(), ParkDataLoadOption_::Cancel);
        if (stub) {
            later.emplace(onThread([s = stub.get()] { return s->ask(); }));
            QTRY_VERIFY(isReady(*later));
            QCOMPARE(later->get(), ParkDataLoadOption_::Cancel);
        }
        // A show of either question, queued before its ask returned, has arrived by now.
        QCoreApplication::processEvents();
        QCOMPARE(shows, shown ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestParkDataLoadUIStub)
#include "tst_parkdataloaduistub.moc"
