#include "sharingrig.h"

using namespace Ko;

class TestPMSharingPeers : public QObject {
    Q_OBJECT

private slots:
    // Peers that answer with scripted bytes: only whole model answers of the right method
    // become rows, and the search goes on after the others.
    void onlyWholeModelAnswersBecomeRows() {
        const std::string package =
            TransportAlignmentData::pack(savedModel(0, {3, 2, 1}, 3, kModelMs));
        const std::vector<std::string> answers = {
            "Ok,AlignmentDataGet,%%not base64%%",
            "Error,AlignmentDataGet," + package,
            "Ok,AlignmentDataGetX," + package,
            "Ok,AlignmentDataGet",
            "Ok,AlignmentDataGet," + package + ",more",
            "Ok,AlignmentDataGet,bm90IGEgcGFja2FnZQ==",
            "Ok,ServerDeviceNameGet,name-only",
            "Ok,AlignmentDataGet," + package,
            "Ok,AlignmentDataGet," +
                TransportAlignmentData::pack(savedModel(1, {0xFF, 0xFF, 0xFF}, 7, {}))};
        std::vector<FakeMountNetwork::Mount> peers;
        for (const std::string& a : answers)
            peers.push_back({"127.0.0." + std::to_string(peers.size() + 2), answer(a)});
        FakeMountNetwork net(peers);
        QVERIFY(net.isOpen());
        Device searcher(net.port());
        searcher.sharing->setActive(true);
        // Arrival order between peers is the network's.
        const QStringList rows{"AZ|127.0.0.10|255.255.FF|",
                               "EQ|127.0.0.9|3.2.01|" + localTimeText(kModelMs)};
        const auto sortedRows = [&] {
            QStringList r = rowTexts(*searcher.sharing);
            r.sort();
            return r;
        };
        QTRY_COMPARE_WITH_TIMEOUT(sortedRows(), rows, 10000);
        // Every probe reaches the peers through the broadcast listener, two per round: once the
        // third round is out, the answers to the second have been taken.
        QVERIFY(net.waitForReceived(6, 10000));
        QCOMPARE(sortedRows(), rows);
    }

    // More peers than rows: the first rows stay, later ones are refused until the page is shown
    // again, and Load takes the row that was read.
    void listIsBoundedAndRowsStay() {
        std::vector<FakeMountNetwork::Mount> peers;
        const size_t count = PMSharing::kMaxRows + 6;
        for (size_t i = 0; i < count; ++i)
            peers.push_back({"127.0.1." + std::to_string(i + 1),
                             modelAnswer(savedModel(0, {1, 2, 3}, 3, kModelMs + int64_t(i)))});
        FakeMountNetwork net(peers);
        QVERIFY(net.isOpen());
        Device searcher(net.port());
        searcher.sharing->setActive(true);
        QTRY_COMPARE_WITH_TIMEOUT(searcher.sharing->list().size(), PMSharing::kMaxRows, 10000);
        const auto rows = searcher.sharing->list();
        QVERIFY(net.waitForReceived(6, 10000));
        QCOMPARE(searcher.sharing->list(), rows);

        const int pick = 17;
        const std::string address = rows[pick].b;
        const int peer = std::stoi(address.substr(address.rfind('.') + 1)) - 1;
        searcher.sharing->loadItem(pick);
        QCOMPARE(searcher.stack.container->get().muta.value(), kModelMs + peer);

        searcher.sharing->setActive(false);
        // Changes the stopped search announced are counted first.
        QCoreApplication::processEvents();
        const int changesBefore = searcher.listChanges;
        searcher.sharing->setActive(true);
        QTRY_COMPARE(searcher.listChanges, changesBefore + 1);
        QVERIFY(searcher.sharing->list().empty());
        QTRY_COMPARE_WITH_TIMEOUT(searcher.sharing->list().size(), PMSharing::kMaxRows, 10000);
    }
};

QTEST_MAIN(TestPMSharingPeers)
#include "tst_pmsharingpeers.moc"
