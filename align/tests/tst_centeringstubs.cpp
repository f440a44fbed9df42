#include "align/instructionstepuistub.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace Ko;

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
};

QTEST_MAIN(TestCenteringStubs)
#include "tst_centeringstubs.moc"
