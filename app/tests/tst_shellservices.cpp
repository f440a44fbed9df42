#include "app/helpfile.h"
#include "app/platformurl.h"
#include "app/uisetting.h"
#include "base/languagemanager.h"
#include "base/log.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest>

#include <bit>
#include <climits>
#include <memory>

using namespace Ko;

namespace {

// The file system under a resources folder of the test's choosing instead of the one beside the
// program.
class FakeFileUtil : public QtFileUtil {
public:
    explicit FakeFileUtil(QString resources) : QtFileUtil("QuorvelPro"), m_resources(resources) {}
    std::string resourcePath(const std::string& name) override {
        return QDir(m_resources).filePath(QString::fromStdString(name)).toStdString();
    }

private:
    QString m_resources;
};

// Stands in for the desktop's handler of a scheme, so that no test starts a real application.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html></html>\n");
}

} // namespace

class TestShellServices : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchSettings> m_dir;

    std::shared_ptr<IKVStore> makeStore() const { return m_dir->makeStore(); }
    QString settingsPath() const { return m_dir->settingsPath(); }
    QByteArray settingsBytes() const { return m_dir->bytes(); }

    // A URL of a scheme nobody claims goes to the platform; only offscreen is it sure that no
    // real application starts.
    static bool platformOpensNothing() { return QGuiApplication::platformName() == "offscreen"; }

private slots:
    void init() {
        m_dir = std::make_unique<ScratchSettings>();
        QVERIFY(m_dir->isValid());
    }

    void claimedSchemeReceivesWholeUrl_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("path and query") << "com-ko-test://mount/goto?ra=1.5&dec=-0.3";
        QTest::newRow("without authority") << "com-ko-test:connect?return=other-app://x";
        QTest::newRow("non-ASCII name") << QString::fromUtf8("com-ko-test://obj?name=Étoile");
    }

    void claimedSchemeReceivesWholeUrl() {
        QFETCH(QString, url);
        PlatformUrl platformUrl;
        QStringList received;
        platformUrl.registerUrlHandler("com-ko-test", [&](std::string text) {
            received.append(QString::fromStdString(text));
        });
        QVERIFY(QDesktopServices::openUrl(QUrl(url)));
        QCOMPARE(received, QStringList{url});
    }

    void registrationsComeAndGo() {
        if (!platformOpensNothing())
            QSKIP("unclaimed URLs would reach the desktop");
        UrlRecorder other;
        {
            PlatformUrl platformUrl;
            QStringList first;
            QStringList second;
            platformUrl.registerUrlHandler("com-ko-a", [&](std::string) { first.append("a"); });
            platformUrl.registerUrlHandler("com-ko-a", [&](std::string) { second.append("a"); });
            platformUrl.registerUrlHandler("com-ko-b", [&](std::string) { second.append("b"); });
            QVERIFY(QDesktopServices::openUrl(QUrl("com-ko-a:1")));
            QCOMPARE(first, QStringList());
            QCOMPARE(second, QStringList{"a"});

            platformUrl.unregisterUrlHandler("com-ko-a");
            QVERIFY(!QDesktopServices::openUrl(QUrl("com-ko-a:2")));
            platformUrl.dispatchUrl(QUrl("com-ko-a:3"));
            QCOMPARE(second, QStringList{"a"});

            // A scheme this object never claimed is released all the same.
            QDesktopServices::setUrlHandler("com-ko-c", &other, "open");
            platformUrl.unregisterUrlHandler("com-ko-c");
            QVERIFY(!QDesktopServices::openUrl(QUrl("com-ko-c:1")));
            QVERIFY(other.urls.isEmpty());

            // A handler may release its own scheme while it runs.
            platformUrl.registerUrlHandler("com-ko-d", [&](std::string text) {
                platformUrl.unregisterUrlHandler("com-ko-d");
                second.append(QString::fromStdString(text));
            });
            QVERIFY(QDesktopServices::openUrl(QUrl("com-ko-d:once")));
            QVERIFY(!QDesktopServices::openUrl(QUrl("com-ko-d:twice")));
            QCOMPARE(second, (QStringList{"a", "com-ko-d:once"}));
        }
        QVERIFY(!QDesktopServices::openUrl(QUrl("com-ko-b:after")));
    }

    void openUrlReachesDesktop() {
        UrlRecorder files;
        QDesktopServices::setUrlHandler("file", &files, "open");
        PlatformUrl platformUrl;
        platformUrl.openUrl("file:///tmp/Hilfe Seite/über.html");
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(files.urls.size(), 1);
        QCOMPARE(files.urls[0].toLocalFile(), QString::fromUtf8("/tmp/Hilfe Seite/über.html"));
    }

    void helpPageRule_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English starts at its index")
            << "en" << QStringList{"en/index.html", "en/help-menu.html"} << "en/index.html";
        QTest::newRow("German menu")
            << "de" << QStringList{"de/help-menu.html"} << "de/help-menu.html";
        QTest::newRow("German without menu")
            << "de" << QStringList{"en/index.html", "de/index.html"} << "en/index.html";
        QTest::newRow("English missing too") << "de" << QStringList() << "en/index.html";
        QTest::newRow("EN is a language of its own")
            << "EN" << QStringList{"EN/help-menu.html"} << "EN/help-menu.html";
        QTest::newRow("EN without menu")
            << "EN" << QStringList{"en/help-menu.html"} << "en/index.html";
    }

    void helpPageRule() {
        QFETCH(QString, code);
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        const QString resources = m_dir->filePath("Resources");
        for (const QString& page : present)
            touch(resources + "/help/" + page);
        const auto fileUtil = std::make_shared<FakeFileUtil>(resources);
        const QString url = QString::fromStdString(Ko::helpPageRule(fileUtil, code.toStdString()));
        QCOMPARE(url, "file://" + resources + "/help/" + expected);
    }

    void helpFollowsLanguage() {
        const QString resources = m_dir->filePath("Resources dir");
        touch(resources + "/help/en/index.html");
        touch(resources + "/help/de/help-menu.html");
        auto languageManager = std::make_shared<LanguageManager>(nullptr, nullptr);
        languageManager->setLanguage("en");
        UrlRecorder files;
        QDesktopServices::setUrlHandler("file", &files, "open");
        HelpFile help(std::make_shared<FakeFileUtil>(resources), languageManager,
                      std::make_shared<PlatformUrl>(), &Ko::helpPageRule);
        QSignalSpy changed(&help, &IHelpFile::helpUrlChanged);

        const QList<QPair<QString, QString>> steps = {
            {"de", "de/help-menu.html"}, {"it", "en/index.html"}, {"en", "en/index.html"}};
        for (const auto& [code, page] : steps) {
            const qsizetype before = changed.size();
            languageManager->setLanguage(code);
            QCOMPARE(changed.size(), before + 1);
            const QUrl url = help.property("helpUrl").toUrl();
            QCOMPARE(url.toLocalFile(), resources + "/help/" + page);
            help.openInExternalApp();
            QCOMPARE(files.urls.last(), url);
        }
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(files.urls.size(), steps.size());
    }

    // Whether the desktop took the page reaches the caller: the user is told it opens only
    // when it does, and the log names the page that could not be opened.
    void helpSaysWhetherTaken_data() {
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a program opens the page") << true << true;
        QTest::newRow("nothing here opens it") << false << false;
    }

    void helpSaysWhetherTaken() {
        QFETCH(bool, handled);
        QFETCH(bool, taken);
        if (!handled && !platformOpensNothing())
            QSKIP("an unclaimed page would reach the desktop");
        const QString resources = m_dir->filePath("Resources");
        touch(resources + "/help/en/index.html");
        UrlRecorder files;
        if (handled)
            QDesktopServices::setUrlHandler("file", &files, "open");
        QStringList logged;
        const int listener = LogAddListener([&](const char* line) {
            if (QString::fromUtf8(line).contains("help"))
                logged.append(QString::fromUtf8(line));
        });
        HelpFile help(std::make_shared<FakeFileUtil>(resources), nullptr,
                      std::make_shared<PlatformUrl>(), &Ko::helpPageRule);
        bool result = !taken;
        QVERIFY(QMetaObject::invokeMethod(&help, "openInExternalApp", Q_RETURN_ARG(bool, result)));
        LogRemoveListener(listener);
        if (handled)
            QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(result, taken);
        QCOMPARE(files.urls.size(), handled ? 1 : 0);
        QCOMPARE(logged.size(), taken ? 0 : 1);
        if (!taken)
            QVERIFY2(logged[0].contains(resources + "/help/en/index.html"), qPrintable(logged[0]));
    }

    void shippedHelpPagesHold() {
        // The pages beside the program, as the build lays them out, through the real rule.
        QtFileUtil fileUtil("QuorvelPro", m_dir->filePath("app").toStdString());
        const QString helpDir = QString::fromStdString(fileUtil.resourcePath("help"));
        QVERIFY2(QFileInfo::exists(helpDir + "/en/index.html"), qPrintable(helpDir));

        LanguageManager languageManager(nullptr, nullptr);
        QStringList offered;
        for (const auto& entry : languageManager.availableLanguages())
            offered.append(entry.languageCode);

        const QRegularExpression lang("<html lang=\"([^\"]+)\"");
        const QRegularExpression href("href=\"([^\"#:]+)(#[^\"]*)?\"");
        int pages = 0;
        QDirIterator it(helpDir, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo page(it.next());
            const QString code = page.dir().dirName();
            QVERIFY2(offered.contains(code), qPrintable(page.filePath()));
            QFile f(page.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            QCOMPARE(lang.match(html).captured(1), code);
            // Every page-relative link leads to a shipped file, and to a section it has.
            for (auto m = href.globalMatch(html); m.hasNext();) {
                const auto link = m.next();
                const QString target = page.dir().filePath(link.captured(1));
                QFile targetFile(target);
                QVERIFY2(targetFile.open(QIODevice::ReadOnly),
                         qPrintable(page.filePath() + " → " + target));
                const QString fragment = link.captured(2).mid(1);
                if (!fragment.isEmpty())
                    QVERIFY2(targetFile.readAll().contains("id=\"" + fragment.toUtf8() + "\""),
                             qPrintable(page.filePath() + " → " + link.captured(0)));
            }
            if (page.fileName() == "help-menu.html") {
                const std::string chosen =
                    Ko::helpPageRule(std::make_shared<QtFileUtil>(fileUtil), code.toStdString());
                QCOMPARE(QUrl(QString::fromStdString(chosen)).toLocalFile(), page.filePath());
            }
            ++pages;
        }
        QVERIFY(pages >= 2);
    }

    void footerPaddingStoresPixels_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("pixels");
        const int steps[] = {1,  2,  2,  2,  3,  4,  4,  6,  7,  8,  10,
                             13, 16, 20, 26, 32, 40, 51, 64, 80, 100};
        for (int e = 0; e <= 20; ++e)
            QTest::addRow("slider %d", e) << e << steps[e];
        QTest::newRow("below the slider") << -3 << 1;
        QTest::newRow("far beyond the slider") << 1000 << INT_MAX;
    }

    void footerPaddingStoresPixels() {
        QFETCH(int, position);
        QFETCH(int, pixels);
        UISetting setting(makeStore());
        QSignalSpy changed(&setting, &IUISetting::settingsChanged);
        setting.setProperty("footerPadding", position);
        QCOMPARE(setting.footerPadding(), pixels);
        // The default, 1 pixel, is not written again.
        QCOMPARE(changed.size(), pixels == 1 ? 0 : 1);
        QCOMPARE(QFile::exists(settingsPath()), pixels != 1);
        QCOMPARE(UISetting(makeStore()).footerPadding(), pixels);
    }

    void paddingPixelsToSliderPosition_data() {
        QTest::addColumn<double>("px");
        QTest::addColumn<double>("position");
        QTest::newRow("no padding") << 0.0 << 0.0;
        QTest::newRow("negative") << -7.0 << 0.0;
        QTest::newRow("half a pixel") << 0.5 << 0.0;
        QTest::newRow("one pixel") << 1.0 << 0.0;
        QTest::newRow("ten pixels") << 10.0 << 10.000000000000002;
        QTest::newRow("a hundred pixels") << 100.0 << 20.000000000000004;
    }

    void paddingPixelsToSliderPosition() {
        QFETCH(double, px);
        QFETCH(double, position);
        UISetting setting(nullptr);
        const double result = setting.padding_PxToEx(px);
        // Bit for bit: the slider must land exactly on the stored step.
        QCOMPARE(std::bit_cast<quint64>(result), std::bit_cast<quint64>(position));
    }

    void flagsLoadLazilyAndPersist() {
        {
            UISetting setting(makeStore());
            QSignalSpy changed(&setting, &IUISetting::settingsChanged);
            QCOMPARE(setting.property("footerPadding").toInt(), 1);
            QCOMPARE(setting.property("feedbackUtil").toBool(), true);
            QCOMPARE(setting.property("keepScreenOn").toBool(), false);
            setting.platformFeedback();
            setting.platformAlert();
            setting.setFeedbackUtil(true);
            setting.setKeepScreenOn(false);
            QVERIFY2(!QFile::exists(settingsPath()), "a first start writes nothing");
            QCOMPARE(changed.size(), 0);

            setting.setProperty("feedbackUtil", false);
            setting.setProperty("keepScreenOn", true);
            QCOMPARE(changed.size(), 2);
            const QJsonObject onDisk = m_dir->json();
            QCOMPARE(onDisk.value("ui.vib"), QJsonValue(false));
            QCOMPARE(onDisk.value("screen_on"), QJsonValue(true));

            // Feedback calls with vibration off change nothing.
            const QByteArray before = settingsBytes();
            setting.platformAlert();
            setting.platformFeedback();
            QCOMPARE(changed.size(), 2);
            QCOMPARE(settingsBytes(), before);
        }
        UISetting again(makeStore());
        QCOMPARE(again.feedbackUtil(), false);
        QCOMPARE(again.keepScreenOn(), true);
        QCOMPARE(again.footerPadding(), 1);
    }
};

QTEST_MAIN(TestShellServices)
#include "tst_shellservices.moc"
