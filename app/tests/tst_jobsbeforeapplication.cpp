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

// The program's end in small: the application, the guard, a service that only a background job
// still holds. The job runs until the test closes this process's standard input.
int childMain(int argc, char** argv, int waitMs) {
    {
        QCoreApplication app(argc, argv);
        Ko::JobsBeforeApplication jobsBeforeApplication{std::chrono::milliseconds(waitMs)};
        auto service = std::make_shared<NeedsApplication>();
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
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("expected");
        dataRow("job ends within the wait", true, 60000, 0,
                QByteArray("service gone with application"));
        dataRow("job outlasts the wait", false, 200, 3, QByteArray("job started"));
    }
    void nothingRunsAfterTheApplication() {
        QFETCH(bool, jobEnds);
        QFETCH(int, waitMs);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, expected);
        QProcess child;
        child.start(m_self, {"--child", QString::number(waitMs)});
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
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return childMain(argc, argv, std::atoi(argv[2]));
    QCoreApplication app(argc, argv);
    TestJobsBeforeApplication test(QCoreApplication::applicationFilePath());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jobsbeforeapplication.moc"
