#include "app/appmain.h"
#include "base/backgroundwork.h"
#include "base/tests/datarow.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// Stands for a service that needs the application object when it goes (a translator to remove):
// says whether it found one.
struct NeedsApplication {
    ~NeedsApplication() {
        std::printf("service gone %s application\n",
                    QCoreApplication::instance() ? "with" : "without");
        std::fflush(stdout);
    }
};

// The same, for an object of the main thread that its last holder hands back to be deleted there.
class NeedsApplicationLater : public QObject {
public:
    ~NeedsApplicationLater() override { NeedsApplication(); }
};

// The program's end in small: the application, the guard, a service that only a background job
// still holds. The job runs until the test closes this process's standard input. deletedLater:
// the job's reference, when it goes, queues the service's deletion on the main thread.
int childMain(int argc, char** argv, int waitMs, bool deletedLater) {
    {
        QCoreApplication app(argc, argv);
        Ko::JobsBeforeApplication jobsBeforeApplication{std::chrono::milliseconds(waitMs)};
        std::shared_ptr<void> service;
        if (deletedLater)
            service.reset(new NeedsApplicationLater,
                          [](QObject* object) { object->deleteLater(); });
        else
            service = std::make_shared<NeedsApplication>();
        Ko::runInBackground("held service", [service] {
            char byte;
            while (::read(STDIN_FILENO, &byte, 1) > 0) {
            }
        });
        service.reset();
        std::printf("job started\n");
        std::fflush(stdout);
        jobsBeforeApplication.setExitCode(3);
    }
    std::printf("application gone\n");
    std::fflush(stdout);
    return 0;
}

} // namespace

// The application object does not go while a background job still holds a service: the service
// goes with the application there, or the process ends before the application goes.
class TestJobsBeforeApplication : public QObject {
    Q_OBJECT

    QString m_self;

public:
    explicit TestJobsBeforeApplication(QString self) : m_self(std::move(self)) {}

private slots:
    void nothingRunsAfterTheApplication_data() {
        QTest::addColumn<bool>("jobEnds");
        QTest::addColumn<bool>("deletedLater");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        dataRow("job ends within the wait", true, false, 60000, 0,
                QByteArray("service gone with application"));
        dataRow("job ends within the wait, its service deleted later", true, true, 60000, 0,
                QByteArray("service gone with application"));
        dataRow("job outlasts the wait", false, false, 200, 3, QByteArray("job started"));
    }
    void nothingRunsAfterTheApplication() {
        QFETCH(bool, jobEnds);
        QFETCH(bool, deletedLater);
        QFETCH(int, waitMs);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, expected);
        QProcess child;
        child.start(m_self, {"--child", QString::number(waitMs), deletedLater ? "later" : "now"});
        QVERIFY(child.waitForStarted());
        QByteArray out;
        const auto said = [&](const QByteArray& text) {
            out += child.readAllStandardOutput();
            return out.contains(text) || child.state() == QProcess::NotRunning;
        };
        QTRY_VERIFY_WITH_TIMEOUT(said("job started"), 60000);
        if (jobEnds)
            child.closeWriteChannel();
        else
            // Should the application go all the same, the job ends after it, as it would then.
            QTRY_VERIFY_WITH_TIMEOUT(said("application gone"), 60000);
        child.closeWriteChannel();
        QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(60000));
        out += child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(out.contains(expected), out.constData());
        QVERIFY2(!out.contains("without application"), out.constData());
        QCOMPARE(child.exitCode(), exitCode);
    }
};

int main(int argc, char** argv) {
    if (argc > 3 && qstrcmp(argv[1], "--child") == 0)
        return childMain(argc, argv, std::atoi(argv[2]), qstrcmp(argv[3], "later") == 0);
    QCoreApplication app(argc, argv);
    TestJobsBeforeApplication test(QCoreApplication::applicationFilePath());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jobsbeforeapplication.moc"
