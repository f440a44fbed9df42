#include "base/log.h"
#include "base/tests/datarow.h"
#include "catalog/cometfile.h"
#include "catalog/httpdownloader.h"
#include "catalog/tests/catalogrig.h"
#include "catalog/tests/fakehttpserver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

using namespace Ko;
using namespace Ko::Test;

Q_DECLARE_METATYPE(Ko::Test::FakeHttpServer::Mode)

namespace {

using Mode = FakeHttpServer::Mode;

// Long enough for the 4 s transfer time-out on a loaded sanitizer build.
constexpr int kFinishWithinMs = 15000;
const QByteArray kSeedTimestamp = "1767398400";

bool writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// Null when the file does not exist.
QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = f.readAll();
    return content.isNull() ? QByteArray("") : content;
}

// The log lines written while it lives.
class LogRecorder {
public:
    LogRecorder() {
        m_id = LogAddListener([this](const char* line) {
            std::lock_guard lock(m_mutex);
            m_text += line;
            m_text += '\n';
        });
    }
    ~LogRecorder() { LogRemoveListener(m_id); }
    QString text() const {
        std::lock_guard lock(m_mutex);
        return QString::fromStdString(m_text);
    }

private:
    int m_id = -1;
    mutable std::mutex m_mutex;
    std::string m_text;
};

} // namespace

class TestCometFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_startDir;
    int m_cases = 0;

    // A fresh case folder: "seeds", the shipped data folder, and "data", the app data folder. The
    // current directory is a third folder, "run": the seeds are not looked up from there.
    struct Folders {
        QString seeds;
        QString data;
        std::shared_ptr<FakeFileUtil> fileUtil;
    };
    Folders makeFolders() {
        const QString root = m_tmp.filePath(QString::number(++m_cases));
        Folders f{root + "/seeds", root + "/data", nullptr};
        QDir().mkpath(f.seeds);
        QDir().mkpath(root + "/run");
        QDir().mkpath(f.data);
        QDir::setCurrent(root + "/run");
        f.fileUtil = std::make_shared<FakeFileUtil>(f.data.toStdString(), f.seeds.toStdString());
        return f;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_tmp.isValid());
        m_startDir = QDir::currentPath();
    }
    void cleanup() { QDir::setCurrent(m_startDir); }

    // The downloader against a local server: only a whole body replaces the file; every failure
    // leaves what was there and is logged with its reason.
    void download_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("logged");
        const QByteArray good = "good elements\n";
        const QByteArray fresh = "fresh elements\n";
        dataRow("200 with a body replaces the file", Mode::Answer, 200, fresh, good, true, fresh,
                QString());
        dataRow("200 with a body makes a missing file", Mode::Answer, 200, fresh, QByteArray(),
                true, fresh, QString());
        dataRow("200 with an empty body empties the file", Mode::Answer, 200, QByteArray(), good,
                true, QByteArray(""), QString());
        dataRow("404 leaves the file", Mode::Answer, 404, QByteArray("not here"), good, false, good,
                "CometFile: download failed. Error code: 203");
        dataRow("404 makes no file", Mode::Answer, 404, QByteArray("not here"), QByteArray(), false,
                QByteArray(), "CometFile: download failed. Error code: 203");
        dataRow("500 leaves the file", Mode::Answer, 500, QByteArray("broken"), good, false, good,
                "CometFile: download failed. Error code: 401");
        dataRow("stall before the headers ends by the time-out", Mode::StallBeforeHeaders, 200,
                QByteArray(), good, false, good, "CometFile: download failed. Error code: 5");
        dataRow("stall part-way through the body ends by the time-out", Mode::StallInBody, 200,
                QByteArray("0001P  partial"), good, false, good,
                "CometFile: download failed. Error code: 5");
    }
    void download() {
        QFETCH(Mode, mode);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, before);
        QFETCH(bool, ok);
        QFETCH(QByteArray, after);
        QFETCH(QString, logged);
        const Folders folders = makeFolders();
        const QString target = folders.data + "/CometEls.txt";
        if (!before.isNull())
            QVERIFY(writeFile(target, before));
        FakeHttpServer server;
        if (mode == Mode::Answer)
            server.answer(status, body);
        else
            server.stall(mode, body);
        LogRecorder log;
        HttpDownloader downloader;
        std::vector<std::pair<bool, bool>> results; // (ok, busy while reporting)
        downloader.completion = [&](bool result) {
            results.emplace_back(result, downloader.isBusy());
        };

        downloader.download(server.url().c_str(), target.toUtf8().constData());
        QVERIFY(downloader.isBusy());
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), size_t(1), kFinishWithinMs);
        QCOMPARE(results[0].first, ok);
        QCOMPARE(results[0].second, false);
        // A failure says why; a success leaves nothing to say.
        QCOMPARE(downloader.failure().empty(), ok);
        QCOMPARE(server.lastRequestLine(), QByteArray("GET /iau/MPCORB/CometEls.txt HTTP/1.1"));
        QCOMPARE(readFile(target), after);
        // No temporary file is left beside the target.
        QCOMPARE(QDir(folders.data).entryList(QDir::Files).size(), after.isNull() ? 0 : 1);
        if (logged.isEmpty())
            QVERIFY2(!log.text().contains("CometFile"), qPrintable(log.text()));
        else
            QVERIFY2(log.text().contains(logged), qPrintable(log.text()));
    }

    void unwritableTargetFolder() {
        const Folders folders = makeFolders();
        const QString target = folders.data + "/missing/CometEls.txt";
        FakeHttpServer server;
        server.answer(200, "elements");
        LogRecorder log;
        HttpDownloader downloader;
        std::vector<bool> results;
        downloader.completion = [&](bool result) { results.push_back(result); };
        downloader.download(server.url().c_str(), target.toUtf8().constData());
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), size_t(1), kFinishWithinMs);
        QCOMPARE(results[0], false);
        QVERIFY(log.text().contains("Warning: cannot open output file: " + target));
    }

    // A second request while one runs is dropped; once it ended, the next one goes out.
    void oneRequestAtATime() {
        const Folders folders = makeFolders();
        const QByteArray target = (folders.data + "/CometEls.txt").toUtf8();
        FakeHttpServer server;
        server.answer(200, "elements");
        HttpDownloader downloader;
        int finished = 0;
        downloader.completion = [&](bool) { ++finished; };
        downloader.download(server.url().c_str(), target.constData());
        downloader.download(server.url().c_str(), target.constData());
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1, kFinishWithinMs);
        QCOMPARE(server.requests(), 1);
        downloader.download(server.url().c_str(), target.constData());
        QTRY_COMPARE_WITH_TIMEOUT(finished, 2, kFinishWithinMs);
        QCOMPARE(server.requests(), 2);
    }

    // First start copies the seeds of the shipped data folder; a local file already there keeps
    // everything as it is.
    void seeding_data() {
        QTest::addColumn<bool>("localExists");
        QTest::addColumn<bool>("seedElements");
        QTest::addColumn<bool>("seedTimestamp");
        QTest::addColumn<QByteArray>("elements");
        QTest::addColumn<qint64>("downloadTime");
        QTest::addColumn<QStringList>("warnings");
        const QByteArray seed = "seed elements\n";
        const QByteArray local = "local elements\n";
        const QString missingElements = "CometFile: local file not exist: %1/CometEls.txt";
        const QString missingTimestamp = "CometFile: local file not exist: %1/CometEls.ts.txt";
        dataRow("first start with both seeds", false, true, true, seed, qint64(1767398400),
                QStringList());
        dataRow("first start without the timestamp seed", false, true, false, seed, qint64(0),
                QStringList{missingTimestamp});
        dataRow("first start without seeds", false, false, false, QByteArray(), qint64(0),
                QStringList{missingElements, missingTimestamp});
        dataRow("local file present", true, true, true, local, qint64(0), QStringList());
    }
    void seeding() {
        QFETCH(bool, localExists);
        QFETCH(bool, seedElements);
        QFETCH(bool, seedTimestamp);
        QFETCH(QByteArray, elements);
        QFETCH(qint64, downloadTime);
        QFETCH(QStringList, warnings);
        const Folders folders = makeFolders();
        if (localExists)
            QVERIFY(writeFile(folders.data + "/CometEls.txt", "local elements\n"));
        if (seedElements)
            QVERIFY(writeFile(folders.seeds + "/CometEls.txt", "seed elements\n"));
        if (seedTimestamp)
            QVERIFY(writeFile(folders.seeds + "/CometEls.ts.txt", kSeedTimestamp));
        for (const QString& w : warnings)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(w.arg(folders.seeds)));
        QTest::failOnWarning(QRegularExpression("local file not exist"));

        CometFile file(folders.fileUtil, "http://127.0.0.1:9/unused");
        FILE* stream = file.openFile();
        QCOMPARE(stream != nullptr, !elements.isNull());
        if (stream)
            std::fclose(stream);
        QCOMPARE(readFile(folders.data + "/CometEls.txt"), elements);
        QCOMPARE(file.downloadTime(), downloadTime);
        QCOMPARE(file.property("downloadTime").toDateTime(),
                 QDateTime::fromSecsSinceEpoch(downloadTime));
        QCOMPARE(file.property("downloadTime").toDateTime().timeSpec(), Qt::LocalTime);
    }

    void downloadTimeReadsOneNumber_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("number without line end") << QByteArray("1767398400") << qint64(1767398400);
        QTest::newRow("number with line end") << QByteArray("1767398400\n") << qint64(1767398400);
        QTest::newRow("empty") << QByteArray("") << qint64(0);
        QTest::newRow("no number") << QByteArray("yesterday") << qint64(0);
    }
    void downloadTimeReadsOneNumber() {
        QFETCH(QByteArray, content);
        QFETCH(qint64, seconds);
        const Folders folders = makeFolders();
        QVERIFY(writeFile(folders.data + "/CometEls.txt", "local"));
        QVERIFY(writeFile(folders.data + "/CometEls.ts.txt", content));
        CometFile file(folders.fileUtil, "http://127.0.0.1:9/unused");
        QCOMPARE(file.downloadTime(), seconds);
    }

    // The order the comet page and the comet source rely on: downloading reads false when the
    // closing downloadingChanged arrives; a new file is announced to the service side before
    // QML; a failure announces only the end. Read-only seeds (an installed package) must not
    // stop the first download from replacing the file and its timestamp.
    void downloadThroughCometFile_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("events");
        dataRow("success", 200,
                QStringList{"downloadingChanged 1", "downloadingChanged 0", "finished 1",
                            "fileChanged_q"});
        dataRow("failure", 404,
                QStringList{"downloadingChanged 1", "downloadingChanged 0", "finished 0"});
    }
    void downloadThroughCometFile() {
        QFETCH(int, status);
        QFETCH(QStringList, events);
        const Folders folders = makeFolders();
        const QByteArray seed = "seed elements\n";
        const QByteArray fresh = "fresh elements\n";
        for (const auto& [name, content] :
             {std::pair{"/CometEls.txt", seed}, std::pair{"/CometEls.ts.txt", kSeedTimestamp}}) {
            QVERIFY(writeFile(folders.seeds + name, content));
            QVERIFY(QFile::setPermissions(folders.seeds + name, QFileDevice::ReadOwner));
        }
        FakeHttpServer server;
        server.answer(status, fresh);
        CometFile file(folders.fileUtil, server.url());
        for (const char* name : {"/CometEls.txt", "/CometEls.ts.txt"})
            QVERIFY(QFile::permissions(folders.data + name) & QFileDevice::WriteOwner);
        QStringList seen;
        connect(&file, &ICometFile::downloadingChanged, this,
                [&] { seen << QString("downloadingChanged %1").arg(int(file.downloading())); });
        connect(&file, &ICometFile::fileChanged_q, this, [&] { seen << "fileChanged_q"; });
        file.downloadFinished.append([&](bool ok) { seen << QString("finished %1").arg(int(ok)); });

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        file.downloadAsync();
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), events.size(), kFinishWithinMs);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        QCOMPARE(seen, events);
        if (status == 200) {
            QCOMPARE(readFile(folders.data + "/CometEls.txt"), fresh);
            QVERIFY(file.downloadTime() >= before && file.downloadTime() <= after);
            // The timestamp has no line end.
            QCOMPARE(readFile(folders.data + "/CometEls.ts.txt"),
                     QByteArray::number(file.downloadTime()));
            QCOMPARE(file.failure(), QString());
        } else {
            QCOMPARE(readFile(folders.data + "/CometEls.txt"), seed);
            QCOMPARE(file.downloadTime(), kSeedTimestamp.toLongLong());
            // The failure stands until the next download starts, which clears it at once.
            QVERIFY(!file.failure().isEmpty());
            server.answer(200, fresh);
            file.downloadAsync();
            QCOMPARE(file.failure(), QString());
            QTRY_VERIFY_WITH_TIMEOUT(!file.downloading(), kFinishWithinMs);
            QCOMPARE(file.failure(), QString());
        }
    }

    void twoQuickDownloads() {
        const Folders folders = makeFolders();
        QVERIFY(writeFile(folders.data + "/CometEls.txt", "local"));
        FakeHttpServer server;
        server.answer(200, "fresh");
        CometFile file(folders.fileUtil, server.url());
        QSignalSpy downloadingChanged(&file, &ICometFile::downloadingChanged);
        QSignalSpy fileChanged(&file, &ICometFile::fileChanged_q);
        file.downloadAsync();
        file.downloadAsync();
        QCOMPARE(downloadingChanged.size(), 2);
        QVERIFY(file.downloading());
        QTRY_COMPARE_WITH_TIMEOUT(fileChanged.size(), 1, kFinishWithinMs);
        QCOMPARE(server.requests(), 1);
        QCOMPARE(downloadingChanged.size(), 3);
        QVERIFY(!file.downloading());
    }
};

QTEST_GUILESS_MAIN(TestCometFile)
#include "tst_cometfile.moc"
