#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "catalog/cometcataloglist.h"
#include "catalog/cometfile.h"
#include "catalog/tests/catalogsettingsrig.h"
#include "catalog/tests/fakehttpserver.h"
#include "pages/cataloglist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-12-07 21:00 UT at 45 degrees north.
constexpr double kCometJulianDate = 2461381.5 + 21.0 / 24;
constexpr double kCometLatitude = 45 * kDeg;
// Long enough for a refused connection or a 404 on a loaded sanitizer build.
constexpr int kFinishWithinMs = 15000;

} // namespace

// The comet page over the real comet file and source: whatever the download does, the page
// stops loading and shows the comets of the file it has.
class TestCometList : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_folders = 0;

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    void downloadOutcome_data() {
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("comets");
        QTest::addColumn<QString>("oneOfThem");
        QTest::newRow("fresh file: the local comets at once")
            << 1 << 200 << 0 << 22 << "67P/Churyumov-Gerasimenko";
        QTest::newRow("old file, download fails: the local comets")
            << 10 << 404 << 1 << 22 << "67P/Churyumov-Gerasimenko";
        QTest::newRow("old file, download brings new elements")
            << 10 << 200 << 1 << 1 << "2P/Encke";
    }
    void downloadOutcome() {
        QFETCH(int, ageDays);
        QFETCH(int, status);
        QFETCH(int, requests);
        QFETCH(int, comets);
        QFETCH(QString, oneOfThem);
        const QString folder = m_tmp.filePath(QString::number(++m_folders));
        CatalogSettingsRig rig(folder, kCometJulianDate, kCometLatitude);
        rig.settings->setEnableVmagFilter(false);
        rig.settings->setEnableAltRangeViewFilter(false);

        const QString data = folder + "/data";
        QVERIFY(QDir().mkpath(data));
        QVERIFY(QFile::copy(QStringLiteral(KO_COMET_SEED), data + "/CometEls.txt"));
        QFile timestamp(data + "/CometEls.ts.txt");
        QVERIFY(timestamp.open(QIODevice::WriteOnly));
        timestamp.write(
            QByteArray::number(rig.sky.clock->nowMs() / 1000 - qint64(ageDays) * 86400));
        timestamp.close();
        QFile seed(QStringLiteral(KO_COMET_SEED));
        QVERIFY(seed.open(QIODevice::ReadOnly));
        const QByteArray encke = seed.readAll().split('\n').at(1) + "\n";

        FakeHttpServer server;
        server.answer(status, encke);
        auto file = std::make_shared<CometFile>(std::make_shared<FakeFileUtil>(data.toStdString()),
                                                server.url());
        auto source = std::make_shared<CometCatalogList>(rig.sky.astroClock, rig.sky.location, file,
                                                         rig.sky.clock);
        auto format =
            std::make_shared<QAstroFormat>(std::make_shared<LanguageManager>(nullptr, nullptr));
        CatalogList list(source, rig.sky.calc, format, rig.settings);

        list.setDisplayed(true);
        QTRY_VERIFY_WITH_TIMEOUT(!list.loadingList(), kFinishWithinMs);
        QCOMPARE(server.requests(), requests);
        QCOMPARE(int(list.list().size()), comets);
        QStringList names;
        for (const AstroListUIItem& row : list.list())
            names << QString::fromStdString(row.a);
        QVERIFY2(names.contains(oneOfThem), qPrintable(names.join(", ")));
    }

    // Without a network: showing the list tries once, typing a search does not try again, nor
    // does showing it again within the hour; the Update button always tries; the failure is
    // there to be shown.
    void failedDownloadsAreNotRepeated() {
        const QString folder = m_tmp.filePath(QString::number(++m_folders));
        CatalogSettingsRig rig(folder, kCometJulianDate, kCometLatitude);
        rig.settings->setEnableVmagFilter(false);
        rig.settings->setEnableAltRangeViewFilter(false);
        const QString data = folder + "/data";
        QVERIFY(QDir().mkpath(data));
        QVERIFY(QFile::copy(QStringLiteral(KO_COMET_SEED), data + "/CometEls.txt"));
        QFile timestamp(data + "/CometEls.ts.txt");
        QVERIFY(timestamp.open(QIODevice::WriteOnly));
        timestamp.write(QByteArray::number(rig.sky.clock->nowMs() / 1000 - 10 * 86400));
        timestamp.close();
        FakeHttpServer server;
        server.answer(503, "down");
        auto file = std::make_shared<CometFile>(std::make_shared<FakeFileUtil>(data.toStdString()),
                                                server.url());
        auto source = std::make_shared<CometCatalogList>(rig.sky.astroClock, rig.sky.location, file,
                                                         rig.sky.clock);
        auto format =
            std::make_shared<QAstroFormat>(std::make_shared<LanguageManager>(nullptr, nullptr));
        CatalogList list(source, rig.sky.calc, format, rig.settings);
        const auto settled = [&] { return !list.loadingList() && !file->downloading(); };

        list.setDisplayed(true);
        QTRY_VERIFY_WITH_TIMEOUT(settled(), kFinishWithinMs);
        QCOMPARE(server.requests(), 1);
        QVERIFY(!file->failure().isEmpty());
        for (const char* typed : {"c", "ch", "chu"}) {
            list.setSearchText(std::string(typed));
            QVERIFY(!file->downloading());
            QTRY_VERIFY_WITH_TIMEOUT(settled(), kFinishWithinMs);
        }
        // The local file's comets, narrowed by the search.
        QCOMPARE(int(list.list().size()), 1);
        QCOMPARE(QString::fromStdString(list.list().front().a),
                 QStringLiteral("67P/Churyumov-Gerasimenko"));
        list.setDisplayed(false);
        rig.sky.clock->advanceHours(0.5);
        list.setDisplayed(true);
        QTRY_VERIFY_WITH_TIMEOUT(settled(), kFinishWithinMs);
        QCOMPARE(server.requests(), 1);

        file->downloadAsync();
        QVERIFY(file->downloading());
        QTRY_VERIFY_WITH_TIMEOUT(settled(), kFinishWithinMs);
        QCOMPARE(server.requests(), 2);

        list.setDisplayed(false);
        rig.sky.clock->advanceHours(1.01);
        list.setDisplayed(true);
        QTRY_VERIFY_WITH_TIMEOUT(settled(), kFinishWithinMs);
        QCOMPARE(server.requests(), 3);
    }
};

QTEST_GUILESS_MAIN(TestCometList)
#include "tst_cometlist.moc"
