#include "app/appmain.h"
#include "base/tests/datarow.h"

#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stands for a published service: the pages read it, and it records what went, in order.
class Recorder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
public:
    QString name() const { return QStringLiteral("service"); }
    Q_INVOKABLE void gone(const QString& what) { order.append(what); }
    QStringList order;
};

// A page made from a file: it binds to the service and to its stack's size, and says when it
// goes, and whether it was still on its stack then.
const char kPage[] = R"(
    import QtQuick
    import QtQuick.Controls
    Item {
        property string label: inj_recorder.name + " " + (StackView.view ? StackView.view.width : 0)
        implicitWidth: StackView.view ? StackView.view.width / 2 : 10
        // Still on a stack in a window, the page would go inside the stack's own teardown.
        Component.onDestruction: inj_recorder.gone(StackView.view || Window.window ? "page in its window"
                                                                                   : "page")
    }
)";

// A window with a stack, as the program's: pages from files, items that the window owns, and a
// page with a stack of its own.
const char kWindow[] = R"(
    import QtQuick
    import QtQuick.Controls
    ApplicationWindow {
        id: window
        width: 320; height: 480
        property alias stack: stack
        StackView {
            id: stack
            anchors.fill: parent
            initialItem: Item {
                Component.onDestruction: inj_recorder.gone(StackView.view ? "page in its window"
                                                                          : "page")
            }
        }
        Item {
            id: ownPage
            visible: false
            Component.onDestruction: inj_recorder.gone("own page")
        }
        function pushAll(url, count, withOwn, nested) {
            for (let i = 0; i < count; ++i)
                stack.push(url)
            if (withOwn)
                stack.push(ownPage)
            if (nested)
                stack.push(nestedPage, { url: url })
        }
        Component {
            id: nestedPage
            StackView {
                property string url
                initialItem: url
                Component.onDestruction: inj_recorder.gone("page")
            }
        }
        Component.onDestruction: inj_recorder.gone("window")
    }
)";

} // namespace

// The QML tree goes before the engine and the services, and the pages of a stack are taken off it
// before the window that holds them goes: no binding of a page runs inside the stack's teardown.
class TestQmlTeardown : public QObject {
    Q_OBJECT

private slots:
    void pagesLeaveTheirStackBeforeTheWindowGoes_data() {
        QTest::addColumn<int>("filePages");
        QTest::addColumn<bool>("ownPage");
        QTest::addColumn<bool>("nested");
        dataRow("only the first page", 0, false, false);
        dataRow("pages from files left open", 5, false, false);
        dataRow("the window's own page on top", 3, true, false);
        dataRow("a page with a stack of its own", 2, false, true);
    }
    void pagesLeaveTheirStackBeforeTheWindowGoes() {
        QFETCH(int, filePages);
        QFETCH(bool, ownPage);
        QFETCH(bool, nested);
        QTemporaryDir dir;
        QFile page(dir.filePath("Page.qml"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(kPage);
        page.close();

        Recorder recorder;
        QQmlApplicationEngine engine;
        engine.rootContext()->setContextProperty("inj_recorder", &recorder);
        engine.loadData(kWindow);
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject* window = engine.rootObjects().first();
        QMetaObject::invokeMethod(
            window, "pushAll", Q_ARG(QVariant, QUrl::fromLocalFile(page.fileName())),
            Q_ARG(QVariant, filePages), Q_ARG(QVariant, ownPage), Q_ARG(QVariant, nested));

        Ko::takeDownQml(engine);

        QVERIFY(engine.rootObjects().isEmpty());
        // The first page, the pages from files and the nested stack with its own first page: each
        // taken off its stack before it went.
        const int pages = 1 + filePages + (nested ? 2 : 0);
        QCOMPARE(recorder.order.count("page"), pages);
        QCOMPARE(recorder.order.count("page in its window"), 0);
        QCOMPARE(recorder.order.count("window"), 1);
        // The window's own page is handed back to it, and goes with it.
        QCOMPARE(recorder.order.count("own page"), 1);
    }
};

QTEST_MAIN(TestQmlTeardown)
#include "tst_qmlteardown.moc"
