#include "app/appversion.h"
#include "app/logpage.h"
#include "app/qmlkvstore.h"
#include "app/tests/scratchhome.h"
#include "base/log.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHostInfo>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace Ko;

namespace {

// Answers only the application's display name, as a catalogue for one language would.
class NameTranslator : public QTranslator {
public:
    explicit NameTranslator(QString name) : m_name(std::move(name)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "mount") == 0 && qstrcmp(sourceText, "Quorvel Pro") == 0)
            return m_name;
        return {};
    }

private:
    QString m_name;
};

} // namespace

class TestFacades : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<ScratchSettings> m_settings;

    std::shared_ptr<IKVStore> makeStore() const { return m_settings->makeStore(); }
    QString settingsPath() const { return m_settings->settingsPath(); }
    QJsonObject settingsOnDisk() const { return m_settings->json(); }
    QByteArray settingsBytes() const { return m_settings->bytes(); }

private slots:
    void initTestCase() {
        // The log file follows the platform data location; keep it inside the test's folder.
        QVERIFY(m_home.isValid());
        useScratchHome(m_home.path());
        QVERIFY(QString::fromStdString(LogFile::path()).startsWith(m_home.path()));
    }

    void init() {
        m_settings = std::make_unique<ScratchSettings>();
        QVERIFY(m_settings->isValid());
    }

    void kvStoreLoadsWithoutWriting() {
        QmlKVStore kv(makeStore());
        QCOMPARE(kv.loadDouble("ui.winrect.width", 428), 428.0);
        QCOMPARE(kv.loadString("ui.missing", "fallback ä"), QString("fallback ä"));
        QCOMPARE(kv.loadBool("night_mode", true), true);
        QCOMPARE(kv.loadInt("ui.winrect.x", -7), -7);
        QVERIFY2(!QFile::exists(settingsPath()), "a first start must not create the settings file");

        const QJsonObject stored{{"ui.winrect.width", 512.5},
                                 {"loc.use_sensor", true},
                                 {"ui.winrect.y", 33},
                                 {"city", QString("Zürich ☆")}};
        QVERIFY(m_settings->write(stored));
        const QByteArray before = settingsBytes();
        QmlKVStore kv2(makeStore());
        QCOMPARE(kv2.loadDouble("ui.winrect.width", 428), 512.5);
        QCOMPARE(kv2.loadBool("loc.use_sensor", false), true);
        QCOMPARE(kv2.loadInt("ui.winrect.y", 0), 33);
        QCOMPARE(kv2.loadString("city", ""), QString("Zürich ☆"));
        QCOMPARE(kv2.loadInt("ui.winrect.height", 800), 800);
        QCOMPARE(settingsBytes(), before);
    }

    void kvStoreSavesAtOnce() {
        QmlKVStore kv(makeStore());
        kv.saveString("city", "Zürich ☆");
        QCOMPARE(settingsOnDisk().value("city").toString(), QString("Zürich ☆"));
        kv.saveBool("night_mode", true);
        QCOMPARE(settingsOnDisk().value("night_mode").toBool(false), true);
        kv.saveInt("ui.winrect.x", -12);
        QCOMPARE(settingsOnDisk().value("ui.winrect.x").toInt(0), -12);
        kv.saveDouble("ui.winrect.width", 430.25);
        QCOMPARE(settingsOnDisk().value("ui.winrect.width").toDouble(0), 430.25);

        // A later run sees every value, the text in its own characters.
        QmlKVStore again(makeStore());
        QCOMPARE(again.loadString("city", ""), QString("Zürich ☆"));
        QCOMPARE(again.loadBool("night_mode", false), true);
        QCOMPARE(again.loadInt("ui.winrect.x", 0), -12);
        QCOMPARE(again.loadDouble("ui.winrect.width", 0), 430.25);
    }

    void logPageReadsClearsAndCopies() {
        LogPage page;
        page.clearLog();
        QCOMPARE(page.logString(), QString());

        Log("first line ä");
        Log("second line %d", 2);
        const QString text = page.logString();
        QVERIFY2(text.contains("first line ä\n"), qPrintable(text));
        QVERIFY(text.indexOf("first line") < text.indexOf("second line 2"));

        page.copyToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);

        page.clearLog();
        QCOMPARE(page.logString(), QString());
        QCOMPARE(QFileInfo(QString::fromStdString(LogFile::path())).size(), 0);
        page.copyToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());

        // Lines written after a clear land in the emptied file.
        Log("after clear");
        QCOMPARE(page.logString(), QString("after clear\n"));
    }

    void appNameFollowsInstalledTranslators() {
        AppVersion version;
        QCOMPARE(version.appName(), QString("Quorvel Pro"));
        QCOMPARE(version.property("appName").toString(), QString("Quorvel Pro"));

        NameTranslator japanese(QString::fromUtf8("クォーベル プロ"));
        QVERIFY(QCoreApplication::installTranslator(&japanese));
        QCOMPARE(version.appName(), QString::fromUtf8("クォーベル プロ"));
        QCOMPARE(AppVersion::appFolderName(), std::string("QuorvelPro"));
        QVERIFY(QCoreApplication::removeTranslator(&japanese));
        QCOMPARE(version.appName(), QString("Quorvel Pro"));

        QCOMPARE(AppVersion::deviceName(), QHostInfo::localHostName().toStdString());
    }
};

QTEST_MAIN(TestFacades)
#include "tst_facades.moc"
