#include "base/log.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Ko;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

// Collects log lines while alive.
// Keeps file sizes small for the process, so a write fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = m_old;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestKVStore : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_location; // stands in for the platform's per-application data location
    QString m_dataDir;  // where the settings file must end up

    std::shared_ptr<QtFileUtil> fileUtil() {
        return std::make_shared<QtFileUtil>("QuorvelPro", m_location.toStdString());
    }
    std::shared_ptr<QtKVStore> newStore() {
        return std::make_shared<QtKVStore>("Settings.txt", fileUtil());
    }
    QString settingsPath() const { return m_dataDir + "/Settings.txt"; }

private slots:
    void init() {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_location = m_tmp->path() + "/Application Support/Org/App";
        m_dataDir = m_tmp->path() + "/Application Support/Org/QuorvelPro";
    }

    void dataFolderIsSiblingAndStableFromFirstRun() {
        // First run: neither the location nor its parent exists yet.
        QVERIFY(!QDir(m_tmp->path() + "/Application Support").exists());
        const std::string first = fileUtil()->appDataDir();
        QCOMPARE(QString::fromStdString(first), m_dataDir);
        QVERIFY(QDir(m_dataDir).exists());
        QVERIFY(!QDir(m_location).exists());
        // Later run: the parent exists now, the answer must not move.
        QCOMPARE(fileUtil()->appDataDir(), first);
        QDir().mkpath(m_location);
        QCOMPARE(fileUtil()->appDataDir(), first);
    }

    void dataFolderKeepsLocationWithoutFolderName() {
        QtFileUtil util("", (m_location + "/").toStdString());
        QCOMPARE(QString::fromStdString(util.appDataDir()), m_location);
    }

    void dataFolderFollowsPlatformLocation() {
        QStandardPaths::setTestModeEnabled(true);
        const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString dir = QString::fromStdString(QtFileUtil("QuorvelPro").appDataDir());
        QStandardPaths::setTestModeEnabled(false);
        QCOMPARE(QFileInfo(dir).fileName(), QString("QuorvelPro"));
        QCOMPARE(QFileInfo(dir).path(), QFileInfo(QDir::cleanPath(location)).path());
        QVERIFY(QDir(dir).exists());
        QDir(dir).removeRecursively();
    }

    void fileExists_data() {
        QTest::addColumn<QString>("pathOrUrl");
        QTest::addColumn<bool>("exists");
        const QString file = QDir::cleanPath(QCoreApplication::applicationFilePath());
        const QString dir = QCoreApplication::applicationDirPath();
        QTest::newRow("plain file") << file << true;
        QTest::newRow("plain directory") << dir << true;
        QTest::newRow("plain missing") << file + ".missing" << false;
        QTest::newRow("file url") << "file://" + file << true;
        QTest::newRow("file url missing") << "file://" + file + ".missing" << false;
        QTest::newRow("qrc url") << "qrc:/kvstore/probe.txt" << true;
        QTest::newRow("qrc url missing") << "qrc:/kvstore/none.txt" << false;
        QTest::newRow("resource path") << ":/kvstore/probe.txt" << true;
        QTest::newRow("android asset") << "file:///android_asset/nothing/here" << true;
        QTest::newRow("prefix is case-sensitive") << "FILE://" + file << false;
    }
    void fileExists() {
        QFETCH(QString, pathOrUrl);
        QFETCH(bool, exists);
        QCOMPARE(fileUtil()->fileExists(pathOrUrl.toStdString()), exists);
    }

    void freshInstallationWarnsOnceAndCreatesFileOnFirstSave() {
        LogCapture log;
        auto store = newStore();
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first(), "Warning: cannot open input file: " + settingsPath());
        QCOMPARE(store->loadString("a", "def"), std::string("def"));
        QCOMPARE(store->loadInt("a", 7), 7);
        QVERIFY(!QFile::exists(settingsPath()));
        store->saveInt("a", 1);
        QVERIFY(QFile::exists(settingsPath()));
    }

    void savedValuesSurviveRestart() {
        {
            auto store = newStore();
            store->saveString("lang_code", "de");
            store->saveBool("connect_at_start", true);
            store->saveInt("cxn.commtype", 2);
            store->saveDouble("loc.lat", 0.8552113334772214);
            store->saveString("text", "äö€ \"quoted\"\n");
        }
        auto again = newStore();
        QCOMPARE(again->loadString("lang_code", ""), std::string("de"));
        QCOMPARE(again->loadBool("connect_at_start", false), true);
        QCOMPARE(again->loadInt("cxn.commtype", 0), 2);
        QCOMPARE(again->loadDouble("loc.lat", 0), 0.8552113334772214);
        QCOMPARE(again->loadString("text", ""), std::string("äö€ \"quoted\"\n"));
    }

    void fileTextIsIndentedAndSortedByKey() {
        auto store = newStore();
        store->saveString("b.text", "x");
        store->saveDouble("d", 2.5);
        store->saveInt("a", 3);
        store->saveBool("c", true);
        store->saveInt("b.neg", -4);
        QCOMPARE(readFile(settingsPath()), QByteArray("{\n"
                                                      "    \"a\": 3,\n"
                                                      "    \"b.neg\": -4,\n"
                                                      "    \"b.text\": \"x\",\n"
                                                      "    \"c\": true,\n"
                                                      "    \"d\": 2.5\n"
                                                      "}\n"));
    }

    void typedReadsAreStrict_data() {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("int as double") << QJsonValue(3) << "double" << QVariant(3.0);
        QTest::newRow("double as int") << QJsonValue(2.5) << "int" << QVariant(7);
        QTest::newRow("whole double as int") << QJsonValue(4.0) << "int" << QVariant(4);
        QTest::newRow("int above range") << QJsonValue(2147483648.0) << "int" << QVariant(7);
        QTest::newRow("int at max") << QJsonValue(2147483647.0) << "int" << QVariant(2147483647);
        dataRow("int at min", QJsonValue(-2147483648.0), "int", QVariant(-2147483647 - 1));
        QTest::newRow("int below range") << QJsonValue(-2147483649.0) << "int" << QVariant(7);
        QTest::newRow("string as bool") << QJsonValue("true") << "bool" << QVariant(false);
        QTest::newRow("number as bool") << QJsonValue(1) << "bool" << QVariant(false);
        QTest::newRow("number as string") << QJsonValue(5) << "string" << QVariant("def");
        QTest::newRow("bool as int") << QJsonValue(true) << "int" << QVariant(7);
        QTest::newRow("string as double") << QJsonValue("1.5") << "double" << QVariant(0.0);
        dataRow("null as string", QJsonValue(QJsonValue::Null), "string", QVariant("def"));
        dataRow("array as string", QJsonValue(QJsonArray{1}), "string", QVariant("def"));
        QTest::newRow("bool as bool") << QJsonValue(true) << "bool" << QVariant(true);
        QTest::newRow("string as string") << QJsonValue("v") << "string" << QVariant("v");
    }
    void typedReadsAreStrict() {
        QFETCH(QJsonValue, stored);
        QFETCH(QString, read);
        QFETCH(QVariant, expected);
        auto store = newStore();
        store->setJson(QJsonObject{{"k", stored}});
        // Read through a fresh object too, so the file round trip is covered.
        for (const auto& s : {store, newStore()}) {
            if (read == "double")
                QCOMPARE(s->loadDouble("k", 0.0), expected.toDouble());
            else if (read == "int")
                QCOMPARE(s->loadInt("k", 7), expected.toInt());
            else if (read == "bool")
                QCOMPARE(s->loadBool("k", false), expected.toBool());
            else
                QCOMPARE(QString::fromStdString(s->loadString("k", "def")), expected.toString());
        }
    }

    void saveReplacesValueOfAnyType() {
        auto store = newStore();
        store->saveString("k", "text");
        store->saveInt("k", 5);
        QCOMPARE(store->loadString("k", "def"), std::string("def"));
        QCOMPARE(store->loadInt("k", 0), 5);
        QCOMPARE(store->json().size(), 1);
    }

    void containsAndRemove() {
        auto store = newStore();
        store->setJson(QJsonObject{{"n", QJsonValue::Null}, {"a", 1}});
        QVERIFY(store->contains("n"));
        QVERIFY(store->contains("a"));
        QVERIFY(!store->contains("b"));
        store->remove("a");
        QVERIFY(!store->contains("a"));
        QVERIFY(!newStore()->contains("a"));

        // Removing an absent key still rewrites the file.
        QVERIFY(QFile::remove(settingsPath()));
        store->remove("absent");
        QVERIFY(QFile::exists(settingsPath()));
        QVERIFY(newStore()->contains("n"));
    }

    void jsonIsACopyAndSetJsonReplacesAll() {
        auto store = newStore();
        store->saveInt("old", 1);
        QJsonObject copy = store->json();
        copy.insert("extra", 2);
        QVERIFY(!store->contains("extra"));
        store->setJson(QJsonObject{{"new", "v"}});
        QVERIFY(!store->contains("old"));
        QCOMPARE(newStore()->json(), (QJsonObject{{"new", "v"}}));
    }

    void unreadableContentStartsEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("corrupt") << QByteArray("{\"a\": 1,");
        QTest::newRow("array") << QByteArray("[1, 2]");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe", 3);
    }
    void unreadableContentStartsEmpty() {
        QFETCH(QByteArray, content);
        QVERIFY(QDir().mkpath(m_dataDir));
        writeFile(settingsPath(), content);
        LogCapture log;
        auto store = newStore();
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(store->json(), QJsonObject());
        QCOMPARE(store->loadInt("a", 9), 9);
        store->saveInt("b", 2);
        QCOMPARE(QJsonDocument::fromJson(readFile(settingsPath())).object(),
                 (QJsonObject{{"b", 2}}));
    }

    void memoryOnlyStoreNeverTouchesDisk() {
        QtKVStore store("", fileUtil());
        store.saveInt("a", 1);
        store.remove("a");
        store.setJson(QJsonObject{{"b", true}});
        QCOMPARE(store.loadBool("b", false), true);
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void unwritableFolderKeepsValueInMemory() {
        // A plain file where the data folder should be: nothing can be created inside it.
        QVERIFY(QDir().mkpath(QFileInfo(m_dataDir).path()));
        writeFile(m_dataDir, "not a folder");
        LogCapture log;
        auto store = newStore();
        store->saveString("k", "v");
        QCOMPARE(store->loadString("k", ""), std::string("v"));
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "Warning: cannot open input file: " + settingsPath());
        QCOMPARE(lines[1], "Warning: cannot open output file: " + settingsPath());
    }

    void saveReplacesFileInsteadOfRewritingIt() {
        auto store = newStore();
        store->saveString("k", "old");
        const QByteArray before = readFile(settingsPath());
        // A second name for the old file: an in-place rewrite would change what it shows.
        const QString link = m_dataDir + "/old-settings";
        QCOMPARE(::link(settingsPath().toUtf8().constData(), link.toUtf8().constData()), 0);
        store->saveString("k", "new");
        QCOMPARE(readFile(link), before);
        QCOMPARE(newStore()->loadString("k", ""), std::string("new"));
        QCOMPARE(QDir(m_dataDir).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void failedWriteKeepsOldFile() {
        auto store = newStore();
        store->saveString("k", "old");
        const QByteArray before = readFile(settingsPath());
        LogCapture log;
        {
            FileSizeLimit limit(rlim_t(before.size()) + 16);
            store->saveString("k", std::string(4096, 'x'));
        }
        QCOMPARE(readFile(settingsPath()), before);
        QCOMPARE(log.lines(), QStringList{"Warning: cannot open output file: " + settingsPath()});
        QCOMPARE(store->loadString("k", "").size(), size_t(4096));
        // No half-written temporary file is left behind.
        QCOMPARE(QDir(m_dataDir).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Settings.txt"});
    }

    void concurrentUseKeepsEveryChange() {
        auto store = newStore();
        constexpr int kThreads = 4;
        constexpr int kKeys = 25;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([store, t] {
                for (int i = 0; i < kKeys; ++i) {
                    const std::string key = "t" + std::to_string(t) + ".k" + std::to_string(i);
                    store->saveInt(key, i);
                    if (store->loadInt(key, -1) != i)
                        store->saveString("error", key);
                    store->json();
                    store->contains(key);
                }
            });
        }
        for (auto& th : threads)
            th.join();
        QVERIFY(!store->contains("error"));
        const QJsonObject reloaded = newStore()->json();
        QCOMPARE(reloaded.size(), kThreads * kKeys);
        QCOMPARE(reloaded, store->json());
    }

    // Each thread appends to one shared array while others save keys of their own: a
    // read-modify-write outside the lock would drop appends and keys.
    void updateJsonKeepsConcurrentChanges() {
        auto store = newStore();
        constexpr int kThreads = 4;
        constexpr int kRounds = 25;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([store, t] {
                for (int i = 0; i < kRounds; ++i) {
                    store->updateJson([&](QJsonObject& o) {
                        QJsonArray a = o.value("list").toArray();
                        a.append(t * kRounds + i);
                        o.insert("list", a);
                    });
                    store->saveInt("t" + std::to_string(t) + ".k" + std::to_string(i), i);
                }
            });
        }
        for (auto& th : threads)
            th.join();
        const QJsonObject reloaded = newStore()->json();
        QCOMPARE(reloaded.value("list").toArray().size(), kThreads * kRounds);
        QCOMPARE(reloaded.size(), kThreads * kRounds + 1);
        QCOMPARE(reloaded, store->json());
    }
};

QTEST_GUILESS_MAIN(TestKVStore)
#include "tst_kvstore.moc"
