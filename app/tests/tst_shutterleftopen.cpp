#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "base/tests/scratchsettings.h"
#include "mount/profiles/cameracontrollist.h"
#include "mount/profiles/taskprofile_camera.h"
#include "mount/profiles/taskprofilejson.h"
#include "mount/tests/fakemount.h"
#include "mount/writablemountconnection.h"

#include <QFutureWatcher>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <optional>

using namespace Ko;

// The shutter that the program opened is closed from a thread other than the main one, as the
// watchdog does when the display went away and the main thread does not come back: a close is
// sent, to the mount connected now, only while a shutter of this program may be open, whatever
// opened it (the bulb button, a timed run) and whether or not its own close was taken.
class TestShutterLeftOpen : public QObject {
    Q_OBJECT

private slots:
    // steps, on the main thread before the close from the other thread: open, close (the bulb
    // button), refused (the mount refuses what comes next), run (a timed run of one photo of a
    // one-second exposure starts), second (a second of the run), unplug (the mount is
    // disconnected), hold (the next switch is answered only at "answer"). sent: a close is sent
    // from the other thread; taken: its answer (a mount that refused refuses it too).
    void closesOnlyWhatThisProgramLeftOpen_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("taken");
        dataRow("nothing opened", QStringList(), false, false);
        dataRow("bulb shutter open", QStringList{"open"}, true, true);
        dataRow("bulb shutter closed and taken", QStringList{"open", "close"}, false, false);
        dataRow("bulb close refused", QStringList{"open", "refused", "close"}, true, false);
        dataRow("opened again after a close", QStringList{"open", "close", "open"}, true, true);
        dataRow("a timed run exposing", QStringList{"run", "second"}, true, true);
        dataRow("a timed run's exposure over", QStringList{"run", "second", "second"}, false,
                false);
        dataRow("bulb shutter open, mount gone", QStringList{"open", "unplug"}, true, false);
        // The close taken belongs to the opening before: the shutter is open again.
        dataRow("opened again while a close was on its way",
                QStringList{"open", "hold", "close", "open", "answer"}, true, true);
    }
    void closesOnlyWhatThisProgramLeftOpen() {
        QFETCH(QStringList, steps);
        QFETCH(bool, sent);
        QFETCH(bool, taken);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::shared_ptr<QtKVStore> store = openScratchStore(dir.path() + "/data");
        store->updateJson([](QJsonObject& o) {
            o.insert(
                "exp_groups",
                QJsonArray{QJsonObject{
                    {"t_exposure", 1.0}, {"t_interval", 1.0}, {"n_cycles", 1}, {"enabled", true}}});
        });
        const auto connection = std::make_shared<WritableMountConnection>();
        const auto mount = std::make_shared<FakeMount>();
        connection->setMount(mount);
        // A timer too slow to fire: the test steps the ticks itself.
        CameraControlList list(std::make_shared<TaskProfileJSON_Camera>(
                                   std::make_shared<TaskProfile_Camera_Factory>()),
                               store, connection, 3600 * 1000);
        list.setIsBulb(!steps.contains("run"));
        size_t calls = 0;
        for (const QString& step : steps) {
            if (step == "open" || step == "close") {
                list.shutterOnOff(step == "open");
                ++calls;
            } else if (step == "refused") {
                mount->shutterAnswer = false;
            } else if (step == "run") {
                list.startTask();
            } else if (step == "second") {
                for (int i = 0; i < CameraControlList::kTicksPerStep; ++i)
                    list.tick();
                ++calls;
            } else if (step == "unplug") {
                connection->setMount(nullptr);
            } else if (step == "hold") {
                mount->holdNextShutterAnswer = true;
            } else if (step == "answer") {
                mount->answerHeldShutters();
            }
            // Every answer not held has come back to the list.
            QTRY_COMPARE(list.findChildren<QFutureWatcherBase*>().size(),
                         qsizetype(mount->heldShutterAnswers()));
        }
        QCOMPARE(mount->shutterCalls().size(), calls);

        std::optional<QFuture<CmdRet>> close;
        std::unique_ptr<QThread> other(
            QThread::create([&list, &close] { close = list.closeOpenedShutterFromAnyThread(); }));
        other->start();
        QVERIFY(other->wait());
        QCOMPARE(close.has_value(), sent);
        if (!sent) {
            QCOMPARE(mount->shutterCalls().size(), calls);
            return;
        }
        QVERIFY(close->isFinished());
        QCOMPARE(close->result().isOk(), taken);
        const bool mountThere = !steps.contains("unplug");
        QCOMPARE(mount->shutterCalls().size(), calls + (mountThere ? 1 : 0));
        if (mountThere)
            QVERIFY(!mount->shutterCalls().back().on);
    }
};

QTEST_GUILESS_MAIN(TestShutterLeftOpen)
#include "tst_shutterleftopen.moc"
