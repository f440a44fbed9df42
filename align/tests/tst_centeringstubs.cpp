#include "align/instructionstepuistub.h"
#include "align/tests/centeringrig.h"
#include "base/tests/datarow.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

using namespace Ko;
using namespace Ko::Test;

class TestCenteringStubs : public QObject {
    Q_OBJECT

private slots:
    // A page that answers each instruction with "Next" reaches the workflow that assigned the
    // callback last; with none assigned the press throws.
    void instructionStep() {
        InstructionStepUIStub stub;
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("inj_instructionStepUIStub", &stub);
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml
            QtObject {
                property string shown
                property Connections c: Connections {
                    target: inj_instructionStepUIStub
                    function onShouldShow(instruction) {
                        shown = instruction
                        inj_instructionStepUIStub.pressNext()
                    }
                }
            }
        )",
                          QUrl());
        std::unique_ptr<QObject> page(component.create());
        QVERIFY2(page, qPrintable(component.errorString()));

        int first = 0, second = 0;
        stub.onNext = [&] { ++first; };
        stub.onNext = [&] { ++second; };
        emit stub.shouldShow("Turn the azimuth knob");
        QCOMPARE(page->property("shown").toString(), QString("Turn the azimuth knob"));
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);

        stub.onNext = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::bad_function_call, stub.pressNext());
    }

    // The centre button follows the user's last manual move of each axis while the page prompts:
    // a move in the negative direction disables it, a later positive move of that axis enables
    // it again. Buttons: 0 right, 1 left, 2 up, 3 down.
    void centerButtonReady_data() {
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<QList<bool>>("ready");
        QTest::newRow("down, then up again") << QList<int>{3, 2} << QList<bool>{false, true};
        QTest::newRow("left, then right again") << QList<int>{1, 0} << QList<bool>{false, true};
        QTest::newRow("positive moves keep it") << QList<int>{0, 2} << QList<bool>{true, true};
        QTest::newRow("one axis fixed, the other not")
            << QList<int>{1, 3, 0} << QList<bool>{false, false, false};
        QTest::newRow("both fixed")
            << QList<int>{1, 3, 0, 2} << QList<bool>{false, false, false, true};
    }
    void centerButtonReady() {
        QFETCH(QList<int>, buttons);
        QFETCH(QList<bool>, ready);
        CenteringRig rig;
        rig.connect();
        QSignalSpy changed(rig.centering.get(), &CenteringUIStub::centerButtonReadyChanged);
        QSignalSpy shown(rig.centering.get(), &CenteringUIStub::shouldShow);
        const MountTarget target = rig.targetAt("Vega", 120, 40);
        rig.centering->showTarget(target.name, target.coord,
                                  GotoClaim::current(rig.holder->sharedMount()));
        QCOMPARE(shown.count(), 1);
        QVERIFY(rig.centering->centerButtonReady());

        for (qsizetype i = 0; i < buttons.size(); ++i) {
            const auto before = changed.count();
            rig.nudge(size_t(buttons[i]));
            QVERIFY(changed.count() > before);
            QCOMPARE(rig.centering->centerButtonReady(), ready[i]);
        }

        // Leaving the page ends the prompt whatever the axes did.
        rig.centering->onClose();
        QCOMPARE(rig.slewing->promptButton(), (std::vector<bool>{false, false}));
        QVERIFY(rig.centering->centerButtonReady());
    }

    // Workflows show the page from their worker threads; the pad and the page hear of it on the
    // main thread, with the target's whole-degree azimuth and altitude.
    void showTargetFromWorker() {
        CenteringRig rig;
        rig.connect();
        QThread* shownOn = nullptr;
        QString name, coord;
        connect(
            rig.centering.get(), &CenteringUIStub::shouldShow, this,
            [&](const QString& n, const QString& c) {
                shownOn = QThread::currentThread();
                name = n;
                coord = c;
            },
            Qt::DirectConnection);
        const MountTarget target = rig.targetAt("Étoile", 90.2, 45.2);
        std::thread worker([&] {
            rig.centering->showTarget(target.name, target.coord,
                                      GotoClaim::current(rig.holder->sharedMount()));
        });
        worker.join();
        QTRY_VERIFY(shownOn);
        QCOMPARE(shownOn, QThread::currentThread());
        QCOMPARE(name, QString("Étoile"));
        QVERIFY2(coord.contains("90°") && coord.contains("+45°"), qPrintable(coord));

        // The prompt is on: a move down now disables the centre button.
        rig.nudge(3);
        QVERIFY(!rig.centering->centerButtonReady());
    }

    // A GoTo that takes the mount from the page's target closes the page and says why, whether
    // the page is in front or another page covers it; a page the user has left (off the stack)
    // is not closed again, and nothing is said.
    void laterGoToClosesThePage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("closed");
        dataRow("in front", QString("front"), true);
        dataRow("covered by another page", QString("covered"), true);
        dataRow("left by the user", QString("removed"), false);
    }
    void laterGoToClosesThePage() {
        QFETCH(QString, page);
        QFETCH(bool, closed);
        CenteringRig rig;
        IMount* mount = rig.connect();
        QSignalSpy popped(rig.centering.get(), &CenteringUIStub::shouldInclusivePop);
        QSignalSpy toasted(rig.toasts.get(), &ToastManagerUIStub::shouldToast);
        const MountTarget vega = rig.targetAt("Vega", 60, 40);
        rig.centering->showTarget(vega.name, vega.coord,
                                  GotoClaim::current(rig.holder->sharedMount()));
        if (page != "front")
            rig.centering->onClose();
        if (page == "removed")
            rig.centering->onRemoved();
        // Queued after the stub's own handler of the same change: once this has run, so has it.
        // Connected for this row only, so that no later change writes to it.
        bool heard = false;
        QObject row;
        connect(
            rig.holder.get(), &IMountConnection::slewToStateChanged, &row, [&] { heard = true; },
            Qt::QueuedConnection);
        QVERIFY(mount->slewToAsync(rig.targetAt("Elsewhere", 200, 30)));
        QTRY_VERIFY(heard);
        QCOMPARE(popped.count(), closed ? 1 : 0);
        QCOMPARE(toasted.count(), closed ? 1 : 0);
        if (closed)
            QCOMPARE(toasted[0][0].toString(), CenteringUIStub::movedAwayText());
        mount->abortSlewAsync();
        QTRY_VERIFY(!mount->slewToTarget().hasValue());
    }

    // A page claimed while a GoTo is still under way (a star to be centred by hand) shows once
    // that GoTo ends, however it ends; a GoTo that follows it instead takes the page away before
    // it shows, and the user is told why.
    void pageWaitsForTheGotoUnderWay_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("shown");
        dataRow("the GoTo is aborted", QString("abort"), 1);
        dataRow("the GoTo arrives", QString("arrive"), 1);
        dataRow("another GoTo follows", QString("another"), 0);
    }
    void pageWaitsForTheGotoUnderWay() {
        QFETCH(QString, then);
        QFETCH(int, shown);
        CenteringRig rig;
        IMount* mount = rig.connect();
        QSignalSpy showed(rig.centering.get(), &CenteringUIStub::shouldShow);
        QSignalSpy toasted(rig.toasts.get(), &ToastManagerUIStub::shouldToast);
        QVERIFY(mount->slewToAsync(rig.targetAt("Elsewhere", 200, 30)));
        const MountTarget vega = rig.targetAt("Vega", 60, 40);
        rig.centering->showTarget(vega.name, vega.coord,
                                  GotoClaim::current(rig.holder->sharedMount()));
        QCoreApplication::processEvents();
        QCOMPARE(showed.count(), 0);
        if (then == "abort")
            mount->abortSlewAsync();
        else if (then == "another")
            QVERIFY(mount->slewToAsync(rig.targetAt("Further", 100, 50)));
        if (then == "another") {
            QTRY_COMPARE(toasted.count(), 1);
            mount->abortSlewAsync();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mount->slewToTarget().hasValue(), 60000);
        QTRY_COMPARE(showed.count(), shown);
        QCOMPARE(toasted.count(), 1 - shown);
        if (shown)
            QCOMPARE(showed[0][0].toString(), QString("Vega"));
        else
            QCOMPARE(toasted[0][0].toString(), CenteringUIStub::movedAwayText());
    }

    void centerCallsTheLastAssignedCallback() {
        CenteringRig rig;
        int first = 0, second = 0;
        rig.centering->onCenter = [&] { ++first; };
        rig.centering->onCenter = [&] { ++second; };
        rig.centering->center();
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);
        rig.centering->onCenter = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::bad_function_call, rig.centering->center());
    }
};

QTEST_MAIN(TestCenteringStubs)
#include "tst_centeringstubs.moc"
