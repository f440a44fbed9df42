#include "sharingrig.h"

using namespace Ko;

class TestPMSharing : public QObject {
    Q_OBJECT

private slots:
    // The system proxy lookup of Qt's sockets runs a library thread of its own that races them;
    // nothing here may go through a proxy anyway.
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    // Two programs on one machine: one serves the model of its emulated mount, the other finds
    // it and loads it onto whatever it has.
    void findsAndLoadsAServedModel_data() {
        QTest::addColumn<bool>("servesLate");
        QTest::addColumn<int>("searcherMount"); // 0 none, else a DualModeChoice_
        QTest::addColumn<QStringList>("toasts");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("lastMountMode");
        QTest::newRow("named before it serves, matching mount")
            << true << int(DualModeChoice_::UseEQ) << QStringList{"Pointing model loaded"} << true
            << int(MountMode_::EQ);
        QTest::newRow("mismatching mount")
            << false << int(DualModeChoice_::UseAZ)
            << QStringList{"Pointing model does not match mount"} << false << int(MountMode_::AZ);
        // The model's mount becomes the last connected one.
        QTest::newRow("no mount") << false << 0 << QStringList{} << true << int(MountMode_::EQ);
    }
    void findsAndLoadsAServedModel() {
        QFETCH(bool, servesLate);
        QFETCH(int, searcherMount);
        QFETCH(QStringList, toasts);
        QFETCH(bool, loaded);
        QFETCH(int, lastMountMode);
        const uint16_t port = freePort();
        QVERIFY(port != 0);
        Device server(port);
        Device searcher(port);
        QVERIFY(server.stack.connectMount());
        ALIGNMENT_DATA model = server.stack.container->get();
        model.dtma = 1;
        model.muta = kModelMs;
        server.stack.container->setAlignmentData(model);
        server.serve(port);
        server.sharing->setServing(!servesLate);
        if (searcherMount != 0) {
            searcher.stack.connectionSettings->setDualModeChoice(DualModeChoice_::E(searcherMount));
            QVERIFY(searcher.stack.connectMount());
        }
        const Nullable<int64_t> searcherModelTime = searcher.stack.container->get().muta;

        searcher.sharing->setActive(true);
        const QString row =
            "EQ|127.0.0.1 " + QHostInfo::localHostName() + "|255.255.FF|" + localTimeText(kModelMs);
        if (servesLate) {
            // Its name comes back, its model does not.
            QTRY_VERIFY_WITH_TIMEOUT(searcher.listChanges >= 2, 10000);
            QVERIFY(searcher.sharing->list().empty());
            server.sharing->setServing(true);
        }
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(*searcher.sharing), QStringList{row}, 10000);

        searcher.sharing->loadItem(0);
        QStringList shown;
        for (const auto& args : searcher.toasts)
            shown << args.at(0).toString();
        QCOMPARE(shown, toasts);
        const ALIGNMENT_DATA now = searcher.stack.container->get();
        QCOMPARE(now.muta, loaded ? Nullable<int64_t>(kModelMs) : searcherModelTime);
        if (loaded)
            QCOMPARE(now.pairs, model.pairs);
        QCOMPARE(searcher.stack.perMountData->lastMountMode(), lastMountMode);
        searcher.sharing->setActive(false);
    }

    // The search ends at once, not after its pause, however it is ended; indices outside the
    // list load nothing.
    void searchEndsAtOnce_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("page left") << 0;
        QTest::newRow("serving switched on") << 1;
        QTest::newRow("service destroyed") << 2;
    }
    void searchEndsAtOnce() {
        QFETCH(int, how);
        FakeMountNetwork net({{"127.0.0.2", modelAnswer(savedModel(0, {1, 2, 3}, 3, kModelMs))}});
        QVERIFY(net.isOpen());
        Device searcher(net.port());
        QSignalSpy values(searcher.sharing.get(), &PMSharing::valueChanged);
        searcher.sharing->setActive(true);
        // Both requests out: the client thread is in its pause now.
        QVERIFY(net.waitForReceived(2, 10000));
        for (int index : {-1, 0})
            searcher.sharing->loadItem(index);
        QVERIFY(!searcher.stack.container->get().muta.hasValue());
        QElapsedTimer timer;
        timer.start();
        if (how == 0)
            searcher.sharing->setActive(false);
        else if (how == 1)
            searcher.sharing->setServing(true);
        else
            searcher.sharing.reset();
        // At once (a few milliseconds at rest, joining the client thread), not after the rest
        // of the 3 s pause it is in: the bound leaves a loaded machine a second, a hundred times
        // the figure at rest, and stays below what a pause run to its end would take.
        QVERIFY2(timer.elapsed() < PMSharing::kCycleMs / 3,
                 qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(values.count(), how == 1 ? 1 : 0);
        if (how != 2)
            QVERIFY(searcher.sharing->list().empty());
    }
};

QTEST_MAIN(TestPMSharing)
#include "tst_pmsharing.moc"
