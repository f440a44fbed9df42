#include "base/toastmanageruistub.h"
#include "base/uiblockingmessage.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

using namespace Ko;

class TestUserNotifications : public QObject {
    Q_OBJECT

    // Lower bound for the time from a store to its job: the overlay's delay less what the
    // measuring clock may differ from the timer's.
    static constexpr qint64 kMinDelayMs = UiBlockingMessage::kDelayMs - 10;

private slots:
    void toastPassesTextUnchanged_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<bool>("nullPointer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QByteArray("Mount parked.") << false << QString("Mount parked.");
        QTest::newRow("non-ASCII letters")
            << QString::fromUtf8("Étoile « Polaris » über 5° – 北極星").toUtf8() << false
            << QString::fromUtf8("Étoile « Polaris » über 5° – 北極星");
        QTest::newRow("empty") << QByteArray("") << false << QString();
        QTest::newRow("null pointer") << QByteArray() << true << QString();
    }

    void toastPassesTextUnchanged() {
        QFETCH(QByteArray, utf8);
        QFETCH(bool, nullPointer);
        QFETCH(QString, expected);

        ToastManagerUIStub stub;
        QObject* asObject = &stub;
        // Services find the sink through the meta-object system by the interface's name.
        QCOMPARE(stub.qt_metacast("IShortMessageSink"),
                 static_cast<void*>(static_cast<IShortMessageSink*>(&stub)));
        IShortMessageSink* sink = qobject_cast<IShortMessageSink*>(asObject);
        QVERIFY(sink);

        QSignalSpy spy(&stub, &ToastManagerUIStub::shouldToast);
        sink->sendShortMessage(nullPointer ? nullptr : utf8.constData());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toString(), expected);
    }

    void toastFromWorkerReachesMainThread() {
        ToastManagerUIStub stub;
        QStringList texts;
        QList<QThread*> threads;
        connect(&stub, &ToastManagerUIStub::shouldToast, this, [&](const QString& text) {
            texts.append(text);
            threads.append(QThread::currentThread());
        });
        std::thread worker([&stub] { stub.sendShortMessage("GoTo finished."); });
        worker.join();
        QTRY_COMPARE(texts, QStringList{"GoTo finished."});
        QCOMPARE(threads, QList<QThread*>{QThread::currentThread()});
    }

    void secondMessageReplacesPendingJob() {
        UiBlockingMessage message;
        QList<bool> shown;
        connect(&message, &UiBlockingMessage::showingChanged, this,
                [&] { shown.append(message.showing()); });
        QElapsedTimer clock;
        clock.start();
        int firstRuns = 0;
        int secondRuns = 0;
        qint64 secondStoredAt = -1;
        qint64 secondRanAt = -1;
        bool showingWhileRunning = false;

        message.showBlocking([&] { ++firstRuns; });
        QVERIFY(message.showing());
        QTimer::singleShot(1000, this, [&] {
            secondStoredAt = clock.elapsed();
            message.showBlocking([&] {
                ++secondRuns;
                secondRanAt = clock.elapsed();
                showingWhileRunning = message.showing();
            });
        });
        QTRY_VERIFY_WITH_TIMEOUT(secondStoredAt >= 0 && !message.showing(), 10000);

        QCOMPARE(firstRuns, 0);
        QCOMPARE(secondRuns, 1);
        QVERIFY(showingWhileRunning);
        QVERIFY2(secondRanAt - secondStoredAt >= kMinDelayMs,
                 qPrintable(QString::number(secondRanAt - secondStoredAt)));
        QCOMPARE(shown, (QList<bool>{true, true, false}));
    }

    void emptyJobOnlyShowsTheOverlay() {
        UiBlockingMessage message;
        QSignalSpy spy(&message, &UiBlockingMessage::showingChanged);
        QElapsedTimer clock;
        clock.start();
        message.showBlocking({});
        QVERIFY(message.showing());
        QTRY_VERIFY_WITH_TIMEOUT(!message.showing(), 10000);
        QVERIFY(clock.elapsed() >= kMinDelayMs);
        QCOMPARE(spy.size(), 2);
    }

    void callsFromWorkersAreStoredOnMainThread() {
        UiBlockingMessage message;
        QList<QThread*> emitters;
        connect(
            &message, &UiBlockingMessage::showingChanged, this,
            [&] { emitters.append(QThread::currentThread()); }, Qt::DirectConnection);
        // Every job shares this token, so its use count tells how many jobs are still held.
        const auto token = std::make_shared<int>(0);
        std::vector<int> ran;
        QList<QThread*> ranOn;

        constexpr int kWorkers = 8;
        std::vector<std::thread> workers;
        for (int i = 0; i < kWorkers; ++i)
            workers.emplace_back([&, i] {
                message.showBlocking([&, i, token] {
                    ran.push_back(i);
                    ranOn.append(QThread::currentThread());
                });
            });
        for (auto& worker : workers)
            worker.join();
        // Nothing is stored on a worker: the main thread has not run its event loop yet.
        QVERIFY(!message.showing());
        QVERIFY(emitters.isEmpty());

        QTRY_VERIFY(message.showing());
        QTRY_VERIFY_WITH_TIMEOUT(!message.showing(), 10000);
        QCOMPARE(ran.size(), size_t(1));
        QCOMPARE(ranOn, QList<QThread*>{QThread::currentThread()});
        QCOMPARE(emitters.size(), kWorkers + 1);
        for (QThread* emitter : emitters)
            QCOMPARE(emitter, QThread::currentThread());
        // The replaced jobs were dropped, and the job that ran is gone too.
        QCOMPARE(token.use_count(), 1L);
    }

    void jobThatShowsAgainKeepsItsSuccessor() {
        UiBlockingMessage message;
        QList<bool> shown;
        connect(&message, &UiBlockingMessage::showingChanged, this,
                [&] { shown.append(message.showing()); });
        QString afterReplacing;
        bool successorRan = false;
        const QString note = QStringLiteral("first job's own data");

        message.showBlocking([&, note] {
            message.showBlocking([&] { successorRan = true; });
            // The running job is still whole after handing over to its successor.
            afterReplacing = note;
        });
        QTRY_COMPARE_WITH_TIMEOUT(afterReplacing, note, 10000);
        QVERIFY(message.showing());
        QVERIFY(!successorRan);
        QTRY_VERIFY_WITH_TIMEOUT(successorRan && !message.showing(), 10000);
        QCOMPARE(shown, (QList<bool>{true, true, false}));
    }
};

QTEST_GUILESS_MAIN(TestUserNotifications)
#include "tst_usernotifications.moc"
