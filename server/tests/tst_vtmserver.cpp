#include "halfclose.h"
#include "resetclient.h"
#include "vtmserverrig.h"

#include "base/tests/datarow.h"
#include "server/numtext.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

using namespace Ko;

Q_DECLARE_METATYPE(Ko::TrailRecord)

namespace {

using Reply = std::optional<QByteArray>; // nullopt: silence

Reply ask(VtmServerRig& rig, bool tcp, const QByteArray& request) {
    if (!tcp)
        return udpRequest(rig.port, request, kSilenceMs * 3);
    TcpClient client(rig.port);
    const QByteArray got = client.request(request, kSilenceMs * 3);
    return got.isEmpty() ? Reply() : Reply(got);
}

QStringList texts(const std::vector<VtmArgument>& fields) {
    QStringList out;
    for (const auto& f : fields)
        out << QString::fromStdString(f.text);
    return out;
}

} // namespace

class TestVtmServer : public QObject {
    Q_OBJECT

private slots:
    void splitting_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("empty fields stay") << QByteArray("A,,B,") << QStringList{"A", "", "B", ""};
        QTest::newRow("no bytes, no field") << QByteArray() << QStringList{};
        QTest::newRow("a single comma") << QByteArray(",") << QStringList{"", ""};
        QTest::newRow("nothing trimmed") << QByteArray(" x ,y\r\n") << QStringList{" x ", "y\r\n"};
    }
    void splitting() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, fields);
        QCOMPARE(texts(VtmArgument::splitList(input.constData(), size_t(input.size()))), fields);
        QCOMPARE(texts(VtmArgument::splitBytes(CBytes(input.begin(), input.end()))), fields);
    }

    // Which texts each type letter accepts: only finite numbers are numbers, and integers are
    // base 10 within their width.
    void argumentTypes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accepted"); // the letters of "dils" that accept it
        dataRow("3000000000", "3000000000", "dls");
        dataRow("-7", "-7", "dils");
        dataRow("0.5", "0.5", "ds");
        dataRow("spaces around", " 5 ", "dils");
        dataRow("nan", "nan", "s");
        dataRow("inf", "inf", "s");
        dataRow("-inf", "-inf", "s");
        dataRow("1e400", "1e400", "s");
        dataRow("hex", "0x10", "s");
        dataRow("decimal comma", "1,5", "s");
        dataRow("empty", "", "s");
    }
    void argumentTypes() {
        QFETCH(QString, text);
        QFETCH(QString, accepted);
        const VtmArgument arg{text.toStdString()};
        for (char letter : {'d', 'i', 'l', 's', 'x'})
            QVERIFY2(arg.isType(letter) == accepted.contains(QLatin1Char(letter)),
                     qPrintable(QString("letter %1").arg(letter)));
        if (!accepted.contains('d'))
            QVERIFY_THROWS_EXCEPTION(std::logic_error, arg.toDouble());
    }

    void numberTexts() {
        QCOMPARE(NumText::fromDouble(0.5), std::string("0.5"));
        QCOMPARE(NumText::fromDouble(1.0 / 3.0), std::string("0.333333333333"));
        QCOMPARE(NumText::fromDouble(2.0), std::string("2"));
        QCOMPARE(NumText::fromInt(-7), std::string("-7"));
        QCOMPARE(VtmArgument::fromLong(3000000000).toLong(), int64_t(3000000000));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, VtmArgument::fromString("1,5"));
    }

    // Replies over both transports through the real holder: the name as received, "Unknown"
    // for names outside the table, silence for mount methods without a mount, for code 1 and
    // for Timeout, and "Error" when a handler's reading of values throws.
    void replies_data() {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<CmdRetType_::E>("result");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply"); // empty: silence
        for (bool tcp : {true, false}) {
            const char* t = tcp ? "tcp: " : "udp: ";
            const auto row = [&](const char* name) {
                return &(QTest::newRow((QByteArray(t) + name).constData()) << tcp);
            };
            const auto ok = CmdRetType_::Ok;
            *row("unknown name without mount")
                << false << ok << QByteArray("NoSuch,1") << QByteArray("Unknown,NoSuch");
            *row("mount method without mount")
                << false << ok << QByteArray("CanParkGet") << QByteArray();
            *row("name with CR LF") << true << ok << QByteArray("CanParkGet\r\n")
                                    << QByteArray("Unknown,CanParkGet\r\n");
            *row("single comma") << false << ok << QByteArray(",") << QByteArray("Unknown,");
            *row("upload name as text") << true << ok << QByteArray("TrackTrailPoints")
                                        << QByteArray("Unknown,TrackTrailPoints");
            *row("Ok") << true << ok << QByteArray("SyncKoMountClock")
                       << QByteArray("Ok,SyncKoMountClock,0.5");
            *row("Nak") << true << CmdRetType_::Nak << QByteArray("SyncKoMountClock")
                        << QByteArray("Error,SyncKoMountClock");
            *row("Timeout") << true << CmdRetType_::Timeout << QByteArray("SyncKoMountClock")
                            << QByteArray();
            *row("Cancel") << true << CmdRetType_::Cancel << QByteArray("SyncKoMountClock")
                           << QByteArray("Error,SyncKoMountClock");
            *row("Other") << true << CmdRetType_::Other << QByteArray("SyncKoMountClock")
                          << QByteArray("Error,SyncKoMountClock");
            *row("argument not a number") << true << ok << QByteArray("SiteElevationSet,nan")
                                          << QByteArray("Error,SiteElevationSet");
            *row("mount reading failed")
                << true << CmdRetType_::Nak << QByteArray("KoMountClockGet")
                << QByteArray("Error,KoMountClockGet");
            *row("method without mount") << false << ok << QByteArray("ServerDeviceNameGet")
                                         << QByteArray("Ok,ServerDeviceNameGet");
        }
    }
    void replies() {
        QFETCH(bool, tcp);
        QFETCH(bool, connected);
        QFETCH(CmdRetType_::E, result);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        VtmServerRig rig(connected);
        rig.mount->setResult(result);
        VtmServer& server = *rig.server;
        // Handlers of the shapes the methods have: a command's outcome, a reading, an argument.
        server.setHandler("SyncKoMountClock", [&server](const std::vector<VtmArgument>&) {
            VtmServer::MethodRet ret =
                VtmServer::fromCmdRet(server.requestMount()->syncMountClock());
            if (ret.status == "Ok")
                ret.values.push_back(VtmArgument::fromDouble(0.5).text);
            return ret;
        });
        server.setHandler("KoMountClockGet", [&server](const std::vector<VtmArgument>&) {
            const uint64_t ms = server.requestMount()->readMountClock().value();
            return VtmServer::MethodRet{0, "Ok", {VtmArgument::fromLong(int64_t(ms)).text}};
        });
        server.setHandler("SiteElevationSet", [](const std::vector<VtmArgument>& args) {
            args.at(0).toDouble();
            return VtmServer::MethodRet{0, "Ok", {}};
        });
        server.setHandler("ServerDeviceNameGet", [](const std::vector<VtmArgument>&) {
            return VtmServer::MethodRet{0, "Ok", {}};
        });
        server.setHandler("CanParkGet", [](const std::vector<VtmArgument>&) {
            return VtmServer::MethodRet{0, "Ok", {}};
        });
        rig.core->waitPosted();
        const Reply got = ask(rig, tcp, request);
        if (reply.isEmpty())
            QVERIFY2(!got, got ? got->constData() : "");
        else
            QCOMPARE(got.value_or("(silence)"), reply);
    }

    void methodTable() {
        const auto& names = VtmServer::methodNames();
        QCOMPARE(names.size(), size_t(92));
        VtmServerRig rig(false);
        int withoutMount = 0;
        for (const std::string& name : names)
            withoutMount += rig.server->findMethod(name).needsMount ? 0 : 1;
        QCOMPARE(withoutMount, 3);
        QVERIFY(!rig.server->findMethod("ServerVersion").needsMount);
        QVERIFY(!rig.server->findMethod("TrackTrailPoints").handler);
        QVERIFY(!rig.server->findMethod("serverversion").needsMount);
    }

    // Over TCP a request is what one delivery holds, at most 1024 bytes; the rest waits for the
    // next delivery.
    void longDelivery() {
        VtmServerRig rig(false);
        TcpClient client(rig.port);
        const QByteArray sent = "Zz" + QByteArray(1498, 'a');
        client.send(sent);
        QCOMPARE(client.receive(1032), "Unknown," + sent.left(1024));
        client.send("!");
        QCOMPARE(client.receive(485), "Unknown," + sent.mid(1024) + "!");
    }

    // A request keeps the mount it took even when the holder drops it meanwhile.
    void requestHoldsItsMount() {
        VtmServerRig rig(true);
        std::weak_ptr<FakeScriptedMount> watched = rig.mount;
        rig.mount.reset();
        VtmServer& server = *rig.server;
        WritableMountConnection& holder = *rig.holder;
        server.setHandler("SyncKoMountClock", [&](const std::vector<VtmArgument>&) {
            holder.setMount(nullptr);
            return VtmServer::fromCmdRet(server.requestMount()->syncMountClock());
        });
        rig.core->waitPosted();
        QCOMPARE(ask(rig, false, "SyncKoMountClock").value_or("(silence)"),
                 QByteArray("Ok,SyncKoMountClock"));
        QTRY_VERIFY(watched.expired());
    }

    void uploads_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<TrailRecord>("record");
        QTest::addColumn<int>("cut"); // bytes left unsent at the end
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("points"); // reaching the mount; -1: no run
        const TrailRecord plain;
        const QByteArray ok = "Ok,TrackTrailPoints", error = "Error,TrackTrailPoints";
        QTest::newRow("accepted") << true << plain << 0 << ok << 3;
        TrailRecord r = plain;
        r.header[4] = 'X';
        QTest::newRow("header differs") << true << r << 0 << error << -1;
        r = plain;
        r.selector = 4;
        QTest::newRow("selector 4") << true << r << 0 << error << -1;
        r.selector = 3;
        QTest::newRow("selector 3") << true << r << 0 << ok << 3;
        r.selector = 256;
        QTest::newRow("selector 256") << true << r << 0 << ok << 3;
        r = plain;
        r.points.clear();
        QTest::newRow("count 0") << true << r << 0 << ok << 0;
        QTest::newRow("stops half-way") << true << plain << 24 << error << -1;
        r = plain;
        r.points[1].second = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("non-finite point") << true << r << 0 << error << -1;
        r.points[1].second = std::numeric_limits<double>::infinity();
        QTest::newRow("infinite point") << true << r << 0 << error << -1;
        QTest::newRow("no mount") << false << plain << 0 << ok << -1;
        r = plain;
        r.count = VtmServer::kMaxTrailPoints + 1;
        QTest::newRow("count above bound") << true << r << 0 << error << -1;
        r.count = 0xffffffffll;
        QTest::newRow("count at 32-bit maximum") << true << r << 0 << error << -1;
        r = plain;
        r.blockLength = VtmServer::kMaxBlockBytes + 1;
        QTest::newRow("block above bound") << true << r << 0 << error << -1;
        r.blockLength = 0xffffffffll;
        QTest::newRow("block at 32-bit maximum") << true << r << 0 << error << -1;
        r = plain;
        r.month = 2;
        r.day = 30;
        QTest::newRow("calendar carry") << true << r << 0 << ok << 3;
    }
    void uploads() {
        QFETCH(bool, connected);
        QFETCH(TrailRecord, record);
        QFETCH(int, cut);
        QFETCH(QByteArray, reply);
        QFETCH(int, points);
        VtmServerRig rig(connected);
        TcpClient client(rig.port);
        const QByteArray bytes = record.bytes();
        QElapsedTimer timer;
        timer.start();
        client.send(bytes.left(bytes.size() - cut));
        QCOMPARE(client.receive(reply.size()), reply);
        const auto runs = rig.mount->trailPoints();
        QCOMPARE(int(runs.size()), points < 0 ? 0 : 1);
        if (points < 0)
            return;
        const TrailPointsParam& run = runs.front();
        QCOMPARE(int(run.points.size()), points);
        QCOMPARE(run.name, std::string("Comet"));
        QCOMPARE(run.intervalUs, 100000u);
        QVERIFY(run.inRadians);
        QCOMPARE(run.frame, 0u);
        // Every record starts on 2024-03-01 12:00:00.500 UTC, the carried one too.
        QCOMPARE(run.startTimeMs,
                 QDateTime(QDate(2024, 3, 1), QTime(12, 0, 0, 500), Qt::UTC).toMSecsSinceEpoch());
        if (points > 0)
            QCOMPARE(run.points[2], std::make_pair(0.5, 0.6));
    }

    // An upload gets more time the more it announces: with a short request time, a small
    // upload left unfinished is refused once that time is up, while a large one started before
    // it is still taken afterwards.
    void uploadDeadline() {
        NetServer::Limits limits;
        limits.requestDeadlineMs = 300;
        limits.waitMs = 10 * 60 * 1000; // only the request time ends an upload here
        VtmServerRig rig(true, limits);
        TrailRecord small;
        small.points = QList<QPair<double, double>>(10, {0.25, 0.5});
        // 100000 points announce 1.6 MB: twelve seconds more than the 300 ms.
        TrailRecord large;
        large.points = QList<QPair<double, double>>(int(VtmServer::kMaxTrailPoints), {0.25, 0.5});
        const QByteArray smallBytes = small.bytes(), largeBytes = large.bytes();
        TcpClient first(rig.port);
        TcpClient second(rig.port);
        first.send(largeBytes.left(200));
        second.send(smallBytes.left(200));
        QCOMPARE(second.receive(22, 30000), QByteArray("Error,TrackTrailPoints"));
        first.send(largeBytes.mid(200));
        QCOMPARE(first.receive(19, 30000), QByteArray("Ok,TrackTrailPoints"));
        const auto runs = rig.mount->trailPoints();
        QCOMPARE(runs.size(), size_t(1));
        QCOMPARE(runs.front().points.size(), size_t(VtmServer::kMaxTrailPoints));
    }

    // Clients that leave uploads unfinished, and many that have sent only the beginning of one
    // or of a request, hold up nobody: a good client is answered over UDP and TCP while they all
    // still wait, and an upload finished afterwards is taken whole. The limits let an unfinished
    // upload wait ten minutes, so a server that waited for one would not answer within the test's
    // time.
    void slowClientsHoldUpNobody_data() {
        QTest::addColumn<int>("uploads");
        QTest::addColumn<int>("requests");
        QTest::newRow("three unfinished uploads") << 3 << 0;
        QTest::newRow("fifty requests begun") << 0 << 50;
        QTest::newRow("both") << 3 << 50;
    }
    void slowClientsHoldUpNobody() {
        QFETCH(int, uploads);
        QFETCH(int, requests);
        NetServer::Limits limits;
        limits.waitMs = limits.requestDeadlineMs = 10 * 60 * 1000;
        VtmServerRig rig(true, limits);
        TrailRecord record;
        record.points = QList<QPair<double, double>>(1000, {0.25, 0.5});
        const QByteArray upload = record.bytes();
        std::vector<std::unique_ptr<TcpClient>> slow;
        for (int k = 0; k < uploads + requests; ++k) {
            slow.push_back(std::make_unique<TcpClient>(rig.port));
            QVERIFY(slow.back()->connected());
            // Uploads cut at different places; requests that hold only the upload's name and
            // its comma, or the beginning of a name, which is a request of its own.
            const int r = k - uploads;
            slow.back()->send(r < 0       ? upload.left(100 + 50 * k)
                              : r % 2 > 0 ? QByteArray("TrackTrailPoints,")
                                          : QByteArray("Server"));
        }
        for (int k = uploads; k < uploads + requests; k += 2)
            QCOMPARE(slow[size_t(k)]->receive(14), QByteArray("Unknown,Server"));
        QCOMPARE(udpRequest(rig.port, "ServerVersion", 30000).value_or("(silence)"),
                 QByteArray("Ok,ServerVersion,2,1,12"));
        TcpClient good(rig.port);
        QCOMPARE(good.request("ServerVersion", 30000), QByteArray("Ok,ServerVersion,2,1,12"));
        QVERIFY(rig.mount->trailPoints().empty());
        if (uploads == 0)
            return;
        slow.front()->send(upload.mid(100));
        QCOMPARE(slow.front()->receive(19, 30000), QByteArray("Ok,TrackTrailPoints"));
        QCOMPARE(rig.mount->trailPoints().size(), size_t(1));
        QCOMPARE(rig.mount->trailPoints().front().points.size(), size_t(1000));
    }

    // A client that ends its sending once it has sent its requests, and still reads, has every
    // one of them answered, an upload still awaiting its rest included, and then the server
    // closes the connection. The same writes from a client that does not end its sending get
    // the first answer and keep their connection, with the rest waiting for more bytes. The
    // limits let an unfinished upload wait ten minutes, so only the end of sending decides it
    // here. Each row runs many times: whether the end comes with the last bytes or after them
    // is a race.
    void endOfSending_data() {
        QTest::addColumn<QByteArrayList>("writes"); // each once the server holds the one before
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<QByteArray>("openAnswers"); // to the client that goes on
        QTest::addColumn<int>("runs");               // trail-point runs each starts
        const QByteArray upload = TrailRecord().bytes();
        const QByteArray ok = "Ok,TrackTrailPoints", version = "Ok,ServerVersion,2,1,12";
        dataRow("a request", QByteArrayList{"ServerVersion"}, version, version, 0);
        dataRow("an upload in two writes", QByteArrayList{upload.left(100), upload.mid(100)}, ok,
                ok, 1);
        dataRow("a whole upload", QByteArrayList{upload}, ok, ok, 1);
        dataRow("an upload cut short", QByteArrayList{upload.left(100)},
                QByteArray("Error,TrackTrailPoints"), QByteArray(), 0);
        dataRow("an upload and a request behind it", QByteArrayList{upload + "ServerVersion"},
                ok + version, ok, 1);
    }
    void endOfSending() {
        QFETCH(QByteArrayList, writes);
        QFETCH(QByteArray, answers);
        QFETCH(QByteArray, openAnswers);
        QFETCH(int, runs);
        NetServer::Limits limits;
        limits.waitMs = limits.requestDeadlineMs = 10 * 60 * 1000;
        VtmServerRig rig(true, limits);
        const auto sendAll = [&](TcpClient& client) {
            for (const QByteArray& bytes : writes) {
                client.send(bytes);
                if (&bytes != &writes.back())
                    QTRY_COMPARE(rig.core->heldBytes(), qint64(bytes.size()));
            }
        };
        constexpr int kRuns = 30;
        for (int run = 0; run < kRuns; ++run) {
            TcpClient client(rig.port);
            QVERIFY(client.connected());
            sendAll(client);
            const auto [got, closed] = endSendingUntilClosed(client);
            QCOMPARE(got, answers);
            QVERIFY(closed);
            QCOMPARE(int(rig.mount->trailPoints().size()), (run + 1) * runs);
        }
        TcpClient open(rig.port);
        sendAll(open);
        QCOMPARE(answersWhileOpen(open, openAnswers), openAnswers);
        QCOMPARE(open.socket().state(), QAbstractSocket::ConnectedState);
        QCOMPARE(int(rig.mount->trailPoints().size()), (kRuns + 1) * runs);
    }

    // Many clients at once on both transports, each awaiting every reply: each request is
    // answered once, with its own values.
    void load() {
        constexpr int kClients = 32;
        constexpr int kRequests = 500;
        VtmServerRig rig(false);
        rig.server->setHandler("ServerDeviceNameGet", [](const std::vector<VtmArgument>& args) {
            return VtmServer::MethodRet{0, "Ok", {args.at(0).text}};
        });
        rig.core->waitPosted();
        std::atomic<int> answered{0};
        std::atomic<int> wrong{0};
        const auto client = [&](bool tcp, int id) {
            std::optional<TcpClient> stream;
            QUdpSocket udp;
            if (tcp)
                stream.emplace(rig.port);
            else
                udp.bind(QHostAddress::LocalHost, 0);
            for (int k = 0; k < kRequests; ++k) {
                const QByteArray value = QByteArray::number(id) + "-" + QByteArray::number(k);
                const QByteArray expected = "Ok,ServerDeviceNameGet," + value;
                const QByteArray request = "ServerDeviceNameGet," + value;
                QByteArray got;
                if (tcp) {
                    stream->send(request);
                    got = stream->receive(int(expected.size()));
                } else {
                    udp.writeDatagram(request, QHostAddress::LocalHost, rig.port);
                    if (udp.hasPendingDatagrams() || udp.waitForReadyRead(5000))
                        got = udp.receiveDatagram().data();
                }
                if (got == expected)
                    ++answered;
                else
                    ++wrong;
            }
        };
        std::vector<std::thread> threads;
        for (int id = 0; id < 2 * kClients; ++id)
            threads.emplace_back(client, id < kClients, id);
        for (auto& t : threads)
            t.join();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(answered.load(), 2 * kClients * kRequests);
    }

    // More clients than the port admits each ask for the version and go with a reset, or close
    // with replies unread, and as many ask over UDP and go before the reply: a client after
    // them is answered on both transports. The connections' idle time is left at its minutes,
    // so a place that only the idle time freed would still be taken.
    void clientsThatResetLeaveNoPlaceTaken_data() {
        QTest::addColumn<int>("when"); // ResetClient::When
        dataRow("reset with the request", int(ResetClient::AtOnce));
        dataRow("closed with replies unread", int(ResetClient::ClosedWithRepliesUnread));
    }
    void clientsThatResetLeaveNoPlaceTaken() {
        QFETCH(int, when);
        const QByteArray version = "Ok,ServerVersion,2,1,12";
        VtmServerRig rig(false);
        const int clients = NetServer::Limits().maxConnections + 20;
        for (int k = 0; k < clients; ++k) {
            ResetClient client(rig.port);
            QVERIFY(client.connected());
            QVERIFY(client.send("ServerVersion"));
            client.go(ResetClient::When(when));
        }
        for (int k = 0; k < clients; ++k) {
            QUdpSocket client;
            client.bind(QHostAddress::LocalHost, 0);
            client.writeDatagram("ServerVersion", QHostAddress::LocalHost, rig.port);
        }
        QTRY_COMPARE_WITH_TIMEOUT(rig.core->openConnections(), size_t(0), 10000);
        TcpClient good(rig.port);
        QCOMPARE(good.request("ServerVersion"), version);
        QCOMPARE(udpRequest(rig.port, "ServerVersion").value_or("(silence)"), version);
    }

    // Destroying the server while an upload is awaited: it goes at once and answers no more.
    void destroyDuringUpload() {
        NetServer::Limits limits;
        limits.waitMs = limits.requestDeadlineMs = 10 * 60 * 1000;
        VtmServerRig rig(true, limits);
        TcpClient client(rig.port);
        client.send(TrailRecord().bytes().left(40));
        QTRY_COMPARE(rig.core->heldBytes(), 40ll); // the upload is awaited
        QElapsedTimer timer;
        timer.start();
        rig.server.reset();
        // A server that waited for the upload would take the ten minutes of its limits.
        QVERIFY(timer.elapsed() < 30000);
        QVERIFY(!udpRequest(rig.port, "NoSuch", kSilenceMs));
        QVERIFY(rig.mount->trailPoints().empty());
    }
};

QTEST_GUILESS_MAIN(TestVtmServer)
#include "tst_vtmserver.moc"
