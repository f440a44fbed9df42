#include "base/log.h"

#include <QtTest>

#include <mutex>
#include <thread>
#include <vector>

using namespace Ko;

class TestLog : public QObject {
    Q_OBJECT

    std::mutex m_mutex;
    std::vector<std::string> m_lines;
    int m_id = -1;

    std::vector<std::string> lines() {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

private slots:
    void init() {
        {
            std::lock_guard lock(m_mutex);
            m_lines.clear();
        }
        m_id = LogAddListener([this](const char* text) {
            std::lock_guard lock(m_mutex);
            m_lines.emplace_back(text);
        });
        QVERIFY(m_id >= 0);
    }
    void cleanup() { QCOMPARE(LogRemoveListener(m_id), 1); }

    void indentation() {
        Log("a%d", 0);
        LogIndentPush();
        LogIndentPush();
        LogIndentPush();
        Log("b");
        LogIndentPop();
        LogIndentPop();
        LogIndentPop();
        LogIndentPop();
        LogIndentPop();
        Log("c");
        LogIndentPush();
        Log("d");
        LogIndentPush();
        LogIndentPush();
        Log("e");
        LogIndentPop();
        LogIndentPop();
        LogIndentPush();
        Log("f");
        QCOMPARE(lines(), (std::vector<std::string>{"a0", "      b", "c", "d", "  e", "f"}));
    }

    void indentationIsPerThread() {
        LogIndentPush();
        std::thread other([] {
            LogIndentPush();
            LogIndentPush();
            Log("worker");
            LogIndentPop();
            LogIndentPop();
        });
        other.join();
        Log("main");
        LogIndentPop();
        const auto got = lines();
        QCOMPARE(got.size(), size_t(2));
        QCOMPARE(got[0], std::string("    worker"));
        QCOMPARE(got[1], std::string("  main"));
    }

    void listenerBufferTruncates() {
        const std::string big(6000, 'x');
        Log("%s", big.c_str());
        const auto got = lines();
        QCOMPARE(got.size(), size_t(1));
        QCOMPARE(got[0].size(), size_t(4999));
    }

    void listenerRegistry() {
        QCOMPARE(LogAddListener({}), -1);
        const int a = LogAddListener([](const char*) {});
        const int b = LogAddListener([](const char*) {});
        QCOMPARE(b, a + 1);
        QCOMPARE(LogRemoveListener(a), 1);
        QCOMPARE(LogRemoveListener(a), 0);
        QCOMPARE(LogRemoveListener(b), 1);
    }

    void listenersUnderConcurrentLogging() {
        constexpr int kLines = 500;
        std::thread logger([] {
            for (int i = 0; i < kLines; ++i)
                Log("spin %d", i);
        });
        for (int i = 0; i < 200; ++i)
            LogRemoveListener(LogAddListener([](const char*) {}));
        logger.join();
        // The fixture's listener stayed registered throughout and saw every line.
        QCOMPARE(lines().size(), size_t(kLines));
    }

    void stringAppendGrowsForLongText() {
        std::string s = "Interface: ";
        s.shrink_to_fit();
        const std::string longPiece(1000, 'q');
        StringAppendF(&s, "[%s] %i", longPiece.c_str(), 42);
        QCOMPARE(s, "Interface: [" + longPiece + "] 42");
        StringAppendF(&s, "%s", "");
        QCOMPARE(s.size(), size_t(11 + 1002 + 3));
    }

    void logFileReadClear() {
        LogFile::clear();
        QCOMPARE(LogFile::readAll(), std::string());
        QVERIFY(LogFile::write("line %d", 1));
        Log("from the log");
        const std::string text = LogFile::readAll();
        QVERIFY(text.find("line 1\n") != std::string::npos);
        QVERIFY(text.find("from the log\n") != std::string::npos);
        LogFile::clear();
        QCOMPARE(LogFile::readAll(), std::string());
    }

    void logFileFolderIsCreated() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString data = dir.filePath(QStringLiteral("fresh/data"));
        qputenv("XDG_DATA_HOME", data.toUtf8());
        int argc = 1;
        char name[] = "tst_log";
        char* argv[] = {name, nullptr};
        {
            QCoreApplication app(argc, argv);
            LogFile::clear();
            QVERIFY(QString::fromStdString(LogFile::path()).startsWith(data));
            Log("first line on a fresh machine");
            QVERIFY(LogFile::readAll().find("first line on a fresh machine") != std::string::npos);
            QVERIFY(QFile::exists(QString::fromStdString(LogFile::path())));
            LogFile::clear();
        }
    }

    void logFileStartsAfreshWhenLarge() {
        LogFile::clear();
        const std::string chunk(64 * 1024, 'z');
        for (long written = 0; written <= LogFile::kMaxBytes; written += long(chunk.size()) + 1)
            QVERIFY(LogFile::write("%s", chunk.c_str()));
        Log("after the limit");
        const std::string text = LogFile::readAll();
        QVERIFY(text.size() < size_t(LogFile::kMaxBytes));
        QVERIFY(text.find("after the limit") != std::string::npos);
        LogFile::clear();
    }
};

QTEST_APPLESS_MAIN(TestLog)
#include "tst_log.moc"
