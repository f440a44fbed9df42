#include "app/urldelivery.h"

#include "base/tests/onthread.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Ko;

namespace {

// What the instance on the name does with a request that reaches it.
enum class Peer { Takes, StopsAndGoes, Busy };

const QString kScheme = QStringLiteral("com-halvermoor-quorvel");

} // namespace

Q_DECLARE_METATYPE(Peer)

// A start hands its request over on a thread of its own, as the blocking start-up of a second
// process does; the instance that listens runs on this thread's event loop.
class TestUrlDelivery : public QObject {
    Q_OBJECT

private slots:
    void handOver_data() {
        QTest::addColumn<Peer>("peer");
        QTest::addColumn<bool>("handedOver");
        // The program itself on the name: it answers, and comes to the front.
        QTest::newRow("a running instance takes it") << Peer::Takes << true;
        // An instance on its way out reads nothing and lets the name go when it has written
        // everything: the start runs by itself rather than ending without a window.
        QTest::newRow("an ending instance drops it unanswered") << Peer::StopsAndGoes << false;
        // Busy, it reads the request later from its socket buffer.
        QTest::newRow("a busy instance keeps it") << Peer::Busy << true;
    }
    void handOver() {
        QFETCH(Peer, peer);
        QFETCH(bool, handedOver);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString name = UrlDelivery::socketName(folder.path());

        std::unique_ptr<UrlDelivery> instance;
        std::unique_ptr<QLocalServer> standIn;
        std::unique_ptr<QSignalSpy> activations;
        if (peer == Peer::Takes) {
            instance = std::make_unique<UrlDelivery>(folder.path(), kScheme);
            QVERIFY(instance->listen());
            instance->open();
            activations =
                std::make_unique<QSignalSpy>(instance.get(), &UrlDelivery::activationRequested);
        } else {
            standIn = std::make_unique<QLocalServer>();
            QVERIFY(standIn->listen(name));
        }

        auto forwarded = onThread([path = folder.path()] {
            const UrlDelivery start(path, kScheme);
            return start.forward({});
        });
        if (standIn) {
            QVERIFY(standIn->waitForNewConnection(10000));
            QLocalSocket* const request = standIn->nextPendingConnection();
            QTRY_VERIFY(request->bytesAvailable() > 0);
            if (peer == Peer::StopsAndGoes)
                standIn.reset();
        }
        QTRY_VERIFY_WITH_TIMEOUT(isReady(forwarded), 10000);
        QCOMPARE(forwarded.get(), handedOver);
        if (!instance)
            return;
        QTRY_COMPARE(activations->count(), 1);
        // The instance answers what it took, so that a start need not wait out its time to know.
        QLocalSocket request;
        request.connectToServer(name);
        QVERIFY(request.waitForConnected(10000));
        request.write("\n");
        QTRY_VERIFY(request.bytesAvailable() > 0);
        QCOMPARE(request.readAll(), QByteArray("\n"));
    }
};

QTEST_GUILESS_MAIN(TestUrlDelivery)
#include "tst_urldelivery.moc"
