#include "app/displayloss.h"
#include "base/tests/datarow.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

namespace Ko {

using namespace DisplayLoss;

// The rule of the way out when the display goes: whichever threads meet the loss, and in which
// order, the ending runs once, on the main thread, and the process ends there with the code of a
// lost display; every other thread that meets it stops, and none ends the process. Xlib's
// handlers are stood in for by the calls it would make; the process end and the stopped threads
// by recorders.
class TestDisplayLoss : public QObject {
    Q_OBJECT

    struct Record {
        std::mutex mutex;
        std::vector<QThread*> endingThreads;
        std::vector<QThread*> processEnds;
        std::vector<int> codes;
        std::atomic<int> stopped{0};
        QSemaphore release;
    };
    std::shared_ptr<Record> m_record;

private slots:
    void init() {
        m_record = std::make_shared<Record>();
        const auto record = m_record;
        Detail::reset([record] {
            std::lock_guard lock(record->mutex);
            record->endingThreads.push_back(QThread::currentThread());
        });
        Detail::setEndings(
            [record](int code) {
                std::lock_guard lock(record->mutex);
                record->processEnds.push_back(QThread::currentThread());
                record->codes.push_back(code);
            },
            [record] {
                ++record->stopped;
                record->release.acquire();
            });
    }
    void cleanup() {
        Detail::setEndings({}, {});
        Detail::reset({});
    }

    void theMainThreadAloneEnds_data() {
        QTest::addColumn<bool>("mainFirst");
        QTest::addColumn<int>("workers");
        QTest::addColumn<bool>("workersReachExit");
        dataRow("render thread meets it while the main thread waits", false, 1, true);
        dataRow("two threads meet it at once", false, 2, true);
        dataRow("main thread meets it first, then the render thread", true, 1, true);
        dataRow("main thread alone", true, 0, false);
        // Without an exit handler to reach, the error handler's note alone wakes the main thread.
        dataRow("a thread's error handler only", false, 1, false);
    }
    void theMainThreadAloneEnds() {
        QFETCH(bool, mainFirst);
        QFETCH(int, workers);
        QFETCH(bool, workersReachExit);
        QThread* const mainThread = QThread::currentThread();

        if (mainFirst) {
            Detail::exitRequested();
            QVERIFY(Detail::lost());
        }
        std::vector<std::unique_ptr<QThread>> threads;
        std::atomic<int> returned{0};
        for (int i = 0; i < workers; ++i) {
            threads.emplace_back(QThread::create([&returned, workersReachExit] {
                if (workersReachExit)
                    Detail::exitRequested();
                else
                    Detail::connectionLost();
                ++returned;
            }));
            threads.back()->start();
        }
        const int expectedStops = workersReachExit ? workers : 0;
        QTRY_COMPARE(m_record->stopped.load(), expectedStops);
        // Every worker that met the exit is still held where it stopped.
        QTRY_COMPARE(returned.load(), workers - expectedStops);
        QTRY_VERIFY(!m_record->processEnds.empty());
        // Later wake-ups of the main thread find the ending done.
        QCoreApplication::processEvents();

        {
            std::lock_guard lock(m_record->mutex);
            QCOMPARE(m_record->endingThreads.size(), size_t(1));
            QCOMPARE(m_record->endingThreads.front(), mainThread);
            QCOMPARE(m_record->processEnds.size(), size_t(1));
            QCOMPARE(m_record->processEnds.front(), mainThread);
            QCOMPARE(m_record->codes.front(), kExitCode);
        }
        QCOMPARE(returned.load(), workers - expectedStops);
        m_record->release.release(expectedStops);
        for (auto& thread : threads)
            QVERIFY(thread->wait(30000));
    }

    // The main thread may be the one waiting, for the very thread that met the loss (the render
    // loop waits for its frame): that thread goes on after the hold, and the main thread, free
    // again, ends the program. A main thread that comes in time stops it for good.
    void aHeldThreadGoesOnWhenTheMainThreadWaitsForIt_data() {
        QTest::addColumn<bool>("mainWaitsForIt");
        dataRow("main thread waits for the frame", true);
        dataRow("main thread free", false);
    }
    void aHeldThreadGoesOnWhenTheMainThreadWaitsForIt() {
        QFETCH(bool, mainWaitsForIt);
        const auto record = m_record;
        Detail::setEndings(
            [record](int code) {
                std::lock_guard lock(record->mutex);
                record->processEnds.push_back(QThread::currentThread());
                record->codes.push_back(code);
            },
            [record] {
                ++record->stopped;
                record->release.acquire();
            },
            // Short where it must run out, long where it must not.
            mainWaitsForIt ? std::chrono::milliseconds(200) : std::chrono::milliseconds(60000));
        std::atomic<bool> returned{false};
        std::unique_ptr<QThread> render(QThread::create([&returned] {
            Detail::exitRequested();
            returned = true;
        }));
        render->start();
        if (mainWaitsForIt) {
            // No event is taken meanwhile: the thread must come back by itself.
            QVERIFY(render->wait(30000));
            QVERIFY(returned.load());
            QCOMPARE(m_record->stopped.load(), 0);
        }
        QTRY_VERIFY(!m_record->processEnds.empty());
        QCOMPARE(m_record->processEnds.front(), QThread::currentThread());
        if (!mainWaitsForIt) {
            QTRY_COMPARE(m_record->stopped.load(), 1);
            QVERIFY(!returned.load());
            m_record->release.release(1);
            QVERIFY(render->wait(30000));
        }
    }
};

} // namespace Ko

QTEST_GUILESS_MAIN(Ko::TestDisplayLoss)
#include "tst_displayloss.moc"
