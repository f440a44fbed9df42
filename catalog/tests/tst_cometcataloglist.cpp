#include "astro/angleutil.h"
#include "catalog/cometcataloglist.h"
#include "catalog/cometfile.h"
#include "catalog/icometfile.h"
#include "catalog/tests/catalogrig.h"
#include "catalog/tests/fakehttpserver.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <libnova/elliptic_motion.h>
#include <libnova/hyperbolic_motion.h>
#include <libnova/julian_day.h>
#include <libnova/parabolic_motion.h>
#include <libnova/parallax.h>
#include <libnova/precession.h>

#include <cmath>
#include <limits>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-12-07 00:00 UT.
constexpr double kJd = 2461381.5;
// Light time for one astronomical unit, days.
constexpr double kLightDaysPerAu = 0.0057755183;
// An age that stands for a timestamp file holding the lowest 64-bit number.
constexpr qint64 kLowestStoredTime = std::numeric_limits<qint64>::min();
// Long enough for the transfer time-out on a loaded sanitizer build.
constexpr int kCometsWithinMs = 15000;

// Lines of the shipped seed file.
const char* const kHalley =
    "0001P         2061 08 12.2783  0.572150  0.967961  112.3878   59.4893  162.1619  20260"
    "103   5.5  3.2  1P/Halley                                                MPEC 2025-W75";
const char* const kEncke =
    "0002P         2027 02 10.2378  0.338838  0.847233  187.2802  334.0174   11.3469  20260"
    "103  11.5  6.0  2P/Encke                                                 MPEC 2025-XC7";

// The elements file stands in a scratch folder; the test sets its download time and finishes
// downloads by hand.
class FakeCometFile : public ICometFile {
public:
    explicit FakeCometFile(QString path) : m_path(std::move(path)) {}
    FILE* openFile() override { return std::fopen(m_path.toUtf8().constData(), "r"); }
    void downloadAsync() override {
        ++downloads;
        running = true;
    }
    bool downloading() const override { return running; }
    QString failure() const override { return {}; }
    int64_t downloadTime() const override { return time; }

    void finish(bool ok) {
        running = false;
        downloadFinished(ok);
    }

    int downloads = 0;
    bool running = false;
    int64_t time = 0;

private:
    QString m_path;
};

QByteArray elementsLine(int year, int month, double day, double q, double e, double argPerihelion,
                        double node, double inclination, double h, double k, const char* name) {
    return QString::asprintf("%-14s%4d %02d %7.4f %9.6f  %8.6f  %8.4f  %8.4f  %8.4f  %8d  %4.1f "
                             "%4.1f  %-56sMPEC 2026-A01",
                             "    CTEST", year, month, day, q, e, argPerihelion, node, inclination,
                             20260103, h, k, name)
        .toLatin1();
}

// The independent place from libnova: its J2000 heliocentric vectors of the orbit and of the
// Earth, with the light time iterated here (the body a light time earlier, seen from the Earth
// now).
struct Oracle {
    CoordPair j2000;
    double delta = 0;
    double r = 0;
};

// libnova's elliptic routines give a heliocentric and a geocentric vector of one body whose sum
// is the Earth's heliocentric vector, whatever the orbit.
ln_rect_posn earthAt(double jd) {
    ln_ell_orbit any{1.5, 0.2, 10, 20, 30, ln_get_ell_mean_motion(1.5), 2451545.0};
    ln_rect_posn helio;
    ln_rect_posn geo;
    ln_get_ell_helio_rect_posn(&any, jd, &helio);
    ln_get_ell_geo_rect_posn(&any, jd, &geo);
    return {helio.X + geo.X, helio.Y + geo.Y, helio.Z + geo.Z};
}

template <class Orbit>
Oracle placeFrom(Orbit orbit, double jd, void (*helioAt)(Orbit*, double, ln_rect_posn*)) {
    const ln_rect_posn earth = earthAt(jd);
    ln_rect_posn helio;
    helioAt(&orbit, jd, &helio);
    Oracle o;
    o.r = std::sqrt(helio.X * helio.X + helio.Y * helio.Y + helio.Z * helio.Z);
    double tau = 0;
    double v[3] = {};
    for (int pass = 0; pass < 4; ++pass) {
        helioAt(&orbit, jd - tau, &helio);
        v[0] = helio.X - earth.X;
        v[1] = helio.Y - earth.Y;
        v[2] = helio.Z - earth.Z;
        o.delta = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        tau = o.delta * kLightDaysPerAu;
    }
    o.j2000 = {wrapTo2Pi(std::atan2(v[1], v[0])), std::asin(v[2] / o.delta)};
    return o;
}

Oracle oracle(const CometElements& el, double jd) {
    if (el.e < 1) {
        ln_ell_orbit orbit{el.q / (1 - el.e), el.e, el.inclination, el.argPerihelion,
                           el.node,           0,    el.perihelionJd};
        orbit.n = ln_get_ell_mean_motion(orbit.a);
        return placeFrom(orbit, jd, ln_get_ell_helio_rect_posn);
    }
    if (el.e == 1) {
        ln_par_orbit orbit{el.q, el.inclination, el.argPerihelion, el.node, el.perihelionJd};
        return placeFrom(orbit, jd, ln_get_par_helio_rect_posn);
    }
    ln_hyp_orbit orbit{el.q, el.e, el.inclination, el.argPerihelion, el.node, el.perihelionJd};
    return placeFrom(orbit, jd, ln_get_hyp_helio_rect_posn);
}

double cometSeparation(const CoordPair& p, const CoordPair& q) {
    return std::acos(std::clamp(std::sin(p.b) * std::sin(q.b) +
                                    std::cos(p.b) * std::cos(q.b) * std::cos(p.a - q.a),
                                -1.0, 1.0));
}

} // namespace

class TestCometCatalogList : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_files = 0;

    struct Rig {
        Sky sky;
        std::shared_ptr<FakeCometFile> file;
        std::shared_ptr<CometCatalogList> comets;
        int changed = 0;

        Rig(const QString& path, double jd)
            : sky(jd, 52 * kDeg, 0), file(std::make_shared<FakeCometFile>(path)),
              comets(std::make_shared<CometCatalogList>(sky.astroClock, sky.location, file,
                                                        sky.clock)) {
            comets->changed.append([this] { ++changed; });
        }
    };

    QString writeElements(const QByteArray& content) {
        const QString path = m_tmp.filePath(QString("CometEls%1.txt").arg(++m_files));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return {};
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    // Every row stands alone: a blank name or a short line never reaches into the next line; the
    // first line that is not a comet ends the list.
    void readsLineByLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        const QByteArray halley = QByteArray(kHalley) + "\n";
        const QByteArray encke = QByteArray(kEncke) + "\n";
        const QByteArray blankName =
            elementsLine(2027, 1, 1.5, 1, 0.5, 10, 20, 30, 9, 4, "") + "\n";
        QTest::newRow("two comets") << halley + encke << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("blank name, then the next comet")
            << blankName + encke << QStringList{"", "2P/Encke"};
        QTest::newRow("line ending after K has an empty name")
            << QByteArray(kHalley).left(100) + "\n" + encke << QStringList{"", "2P/Encke"};
        QTest::newRow("name cut short by the line end")
            << QByteArray(kHalley).left(106) + "\n" + encke << QStringList{"1P/H", "2P/Encke"};
        QTest::newRow("short line ends the list")
            << halley + QByteArray(kEncke).left(60) + "\n" + halley << QStringList{"1P/Halley"};
        QTest::newRow("blank line ends the list")
            << halley + "\n" + encke << QStringList{"1P/Halley"};
        QTest::newRow("letters in a number ends the list")
            << halley + QByteArray(kEncke).replace(34, 1, "x") + "\n" + halley
            << QStringList{"1P/Halley"};
        QTest::newRow("CRLF line ends") << QByteArray(kHalley) + "\r\n" + kEncke + "\r\n"
                                        << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("last line without a line end")
            << halley + kEncke << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("line longer than any buffer")
            << QByteArray(kHalley) + QByteArray(600, '*') + "\n" + encke
            << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("empty file") << QByteArray("") << QStringList();
        QTest::newRow("no file") << QByteArray() << QStringList();
        QTest::newRow("NUL byte in the reference")
            << QByteArray(kHalley).replace(160, 1, "\0", 1) + "\n" + encke
            << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("NUL byte in a number ends the list")
            << halley + QByteArray(kEncke).replace(33, 1, "\0", 1) + "\n" + halley
            << QStringList{"1P/Halley"};
        // Elements that are not finite place a comet nowhere: that line is skipped.
        const double nan = std::nan(""), inf = INFINITY;
        QTest::newRow("q not a number, then the next comet")
            << elementsLine(2027, 1, 1.5, nan, 0.5, 10, 20, 30, 9, 4, "C/nan") + "\n" + encke
            << QStringList{"2P/Encke"};
        QTest::newRow("e infinite, then the next comet")
            << halley + elementsLine(2027, 1, 1.5, 1, inf, 10, 20, 30, 9, 4, "C/inf") + "\n" + encke
            << QStringList{"1P/Halley", "2P/Encke"};
        QTest::newRow("H negative infinite")
            << elementsLine(2027, 1, 1.5, 1, 0.5, 10, 20, 30, -inf, 4, "C/inf") + "\n" + encke
            << QStringList{"2P/Encke"};
    }
    void readsLineByLine() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        Rig rig(content.isNull() ? m_tmp.filePath("absent.txt") : writeElements(content), kJd);
        QStringList loaded;
        for (const AstroObj& o : rig.comets->load())
            loaded << QString::fromStdString(o.name);
        QCOMPARE(loaded, names);
    }

    // The shipped seed file: every line a comet, with the values of its columns.
    void seedFile() {
        Rig rig(QStringLiteral(KO_COMET_SEED), kJd);
        const std::vector<AstroObj> comets = rig.comets->load();
        QCOMPARE(comets.size(), size_t(22));
        QCOMPARE(comets.front().name, std::string("1P/Halley"));
        QCOMPARE(comets.back().name, std::string("240P/NEAT"));
        QCOMPARE(comets.front().get(AstroObjKey::PerihelionDistance), std::string("0.572150"));
        QCOMPARE(comets.front().get(AstroObjKey::Eccentricity), std::string("0.967961"));
        QCOMPARE(comets.front().kind, 0u);
        QVERIFY(rig.comets->usesDsoVmagLimit());

        CometElements halley;
        QVERIFY(CometCatalogList::parseLine(kHalley, halley));
        // 2061 August 12.2783, Gregorian, from libnova's calendar.
        ln_date date{2061, 8, 12, 0, 0, 0};
        QCOMPARE(halley.perihelionJd, ln_get_julian_day(&date) + 0.2783);
        QCOMPARE(halley.argPerihelion, 112.3878);
        QCOMPARE(halley.node, 59.4893);
        QCOMPARE(halley.inclination, 162.1619);
        QCOMPARE(halley.h, 5.5);
        QCOMPARE(halley.k, 3.2);
    }

    // Places against libnova (the oracle above) at 52 deg N, 10 deg E, 300 m: the J2000
    // astrometric place, and the topocentric place of date (libnova's precession and parallax
    // of the oracle's place). Tolerance 1", plus 150 km (1e-6 AU) of the Earth's place in the
    // low-precision solar theory seen from the comet's distance. Magnitude: H + 5 log D + 2.5 K
    // log r with the oracle's distances, within 0.001 mag.
    void positionsAgainstLibnova_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<double>("jd");
        QTest::newRow("2P/Encke, ellipse, 0.94 AU") << QByteArray(kEncke) << kJd;
        QTest::newRow("2P/Encke two months later, 0.63 AU") << QByteArray(kEncke) << kJd + 60;
        QTest::newRow("1P/Halley near aphelion, 34 AU") << QByteArray(kHalley) << kJd;
        QTest::newRow("e 0.99 near perihelion against libnova's ellipse")
            << elementsLine(2026, 12, 17.5, 0.9, 0.99, 80, 10, 20, 8, 4, "C/Near") << kJd;
        QTest::newRow("parabola") << elementsLine(2026, 12, 20.5, 1.2, 1.0, 30, 100, 60, 8, 4,
                                                  "C/Parabola")
                                  << kJd;
        QTest::newRow("hyperbola")
            << elementsLine(2026, 11, 20.5, 1.5, 1.2, 130, 40, 120, 8, 4, "C/Hyperbola") << kJd;
        QTest::newRow("close approach, 0.016 AU, parallax 5'")
            << elementsLine(2026, 12, 7.5, 1.0, 0.7, 0, 75.5, 5, 8, 4, "C/Close") << kJd;
    }
    void positionsAgainstLibnova() {
        QFETCH(QByteArray, line);
        QFETCH(double, jd);
        Rig rig(writeElements(line + "\n"), jd);
        CLocation site = rig.sky.location->location();
        site.longitudeRad = -10 * kDeg;
        site.altitudeMeter = 300;
        rig.sky.location->setLocation(site);
        const std::vector<AstroObj> comets = rig.comets->load();
        QCOMPARE(comets.size(), size_t(1));
        const AstroObj& comet = comets[0];
        CometElements el;
        QVERIFY(CometCatalogList::parseLine(line.constData(), el));
        const Oracle ref = oracle(el, jd);

        ln_equ_posn j2000{ref.j2000.a / kDeg, ref.j2000.b / kDeg};
        ln_equ_posn ofDate;
        ln_equ_posn parallax;
        ln_get_equ_prec2(&j2000, 2451545.0, jd, &ofDate);
        ln_lnlat_posn observer{10, 52};
        ln_get_parallax(&ofDate, ref.delta, &observer, 300, jd, &parallax);
        const CoordPair topocentric{(ofDate.ra + parallax.ra) * kDeg,
                                    (ofDate.dec + parallax.dec) * kDeg};

        const double tolerance = 1 * kArcsec + 1e-6 / ref.delta;
        const double offJ2000 = cometSeparation(comet.coordJ2000, ref.j2000);
        const double offNow = cometSeparation(comet.coordNow, topocentric);
        QVERIFY2(offJ2000 < tolerance, qPrintable(QString("%1\"").arg(offJ2000 / kArcsec)));
        QVERIFY2(offNow < tolerance, qPrintable(QString("%1\"").arg(offNow / kArcsec)));
        QVERIFY(std::abs(std::stod(comet.get(AstroObjKey::Distance)) - ref.delta) < 6e-5);
        const double vmag = el.h + 5 * std::log10(ref.delta) + 2.5 * el.k * std::log10(ref.r);
        QVERIFY2(std::abs(comet.vmag - vmag) < 1e-3, qPrintable(QString::number(comet.vmag)));
    }

    // A file more than three days old is downloaded again; the list hears back when the download
    // ends, also when it failed (it then shows the local file).
    void refresh_data() {
        QTest::addColumn<qint64>("ageSeconds");
        QTest::addColumn<bool>("downloads");
        QTest::addColumn<bool>("downloadOk");
        QTest::newRow("never downloaded, download succeeds") << qint64(-1) << true << true;
        QTest::newRow("never downloaded, download fails") << qint64(-1) << true << false;
        QTest::newRow("three days old") << qint64(259200) << false << false;
        QTest::newRow("three days and a second old") << qint64(259201) << true << true;
        QTest::newRow("from the future (clock set back)") << qint64(-3600) << false << false;
        QTest::newRow("stored as the lowest 64-bit number") << kLowestStoredTime << true << true;
    }
    void refresh() {
        QFETCH(qint64, ageSeconds);
        QFETCH(bool, downloads);
        QFETCH(bool, downloadOk);
        Rig rig(writeElements(QByteArray(kEncke) + "\n"), kJd);
        const int64_t now = rig.sky.clock->nowMs() / 1000;
        rig.file->time = ageSeconds == -1                  ? 0
                         : ageSeconds == kLowestStoredTime ? std::numeric_limits<int64_t>::min()
                                                           : now - ageSeconds;
        rig.comets->refresh();
        QCOMPARE(rig.file->downloads, downloads ? 1 : 0);
        QCOMPARE(rig.changed, downloads ? 0 : 1);
        if (downloads) {
            rig.file->finish(downloadOk);
            QCOMPARE(rig.changed, 1);
        }
    }

    // Automatic downloads of an old file: one per showing of the list, none in the hour after a
    // failed one. Steps: "show", "refresh", "ok"/"fail" (the download ends), "+Nm" (the clock
    // moves N minutes).
    void automaticDownloads_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("downloads");
        QTest::newRow("keystrokes while the download runs") << "show refresh refresh refresh" << 1;
        QTest::newRow("keystrokes after a failure") << "show refresh fail refresh refresh" << 1;
        QTest::newRow("keystrokes after a success") << "show refresh ok refresh refresh" << 1;
        QTest::newRow("shown again 59 minutes after a failure")
            << "show refresh fail +59m show refresh" << 1;
        QTest::newRow("shown again an hour after a failure")
            << "show refresh fail +60m show refresh" << 2;
        QTest::newRow("shown again after a success") << "show refresh ok show refresh" << 2;
        QTest::newRow("each showing after failures an hour apart")
            << "show refresh fail +61m show refresh fail +61m show refresh refresh" << 3;
        QTest::newRow("a success ends the wait after a failure")
            << "show refresh fail +61m show refresh ok show refresh" << 3;
    }
    void automaticDownloads() {
        QFETCH(QString, steps);
        QFETCH(int, downloads);
        Rig rig(writeElements(QByteArray(kEncke) + "\n"), kJd);
        rig.file->time = rig.sky.clock->nowMs() / 1000 - 10 * 86400;
        int refreshes = 0;
        int finished = 0;
        for (const QString& step : steps.split(' ')) {
            if (step == "show") {
                rig.comets->shown();
            } else if (step == "refresh") {
                ++refreshes;
                rig.comets->refresh();
            } else if (step == "ok" || step == "fail") {
                ++finished;
                rig.file->finish(step == "ok");
            } else {
                QVERIFY(step.startsWith('+') && step.endsWith('m'));
                rig.sky.clock->advance(step.mid(1).chopped(1).toLongLong() * 60000);
            }
        }
        QCOMPARE(rig.file->downloads, downloads);
        // Every refresh is answered: at once, or by the end of the download it started.
        QCOMPARE(rig.changed, refreshes - rig.file->downloads + finished);
    }

    // A refresh while a download runs, whoever started it, shows the local file at once and asks
    // for no other transfer; once the download has ended, a later showing may download again.
    // Through the real file and downloader, against a server on loopback. Steps: "show",
    // "refresh", "button" (the download button of the filter popup), "end" (the running download
    // ends), "+61m" (the clock moves 61 minutes).
    void refreshWhileDownloading_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("answeredAtOnce"); // for each refresh
        QTest::newRow("shown again while its download runs")
            << "show refresh show refresh end" << 200 << 1 << "no yes";
        QTest::newRow("shown again while its failing download runs")
            << "show refresh show refresh end" << 404 << 1 << "no yes";
        QTest::newRow("shown while the button's download runs")
            << "button show refresh end" << 200 << 1 << "yes";
        QTest::newRow("shown again after the download failed over an hour ago")
            << "show refresh end +61m show refresh end" << 404 << 2 << "no no";
    }
    void refreshWhileDownloading() {
        QFETCH(QString, steps);
        QFETCH(int, status);
        QFETCH(int, requests);
        QFETCH(QString, answeredAtOnce);
        // A local file without a timestamp: never downloaded, so always old.
        const QString data = m_tmp.filePath(QString("data%1").arg(++m_files));
        QVERIFY(QDir().mkpath(data));
        QFile local(data + "/CometEls.txt");
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.write(QByteArray(kEncke) + "\n");
        local.close();
        FakeHttpServer server;
        server.answer(status, QByteArray(kHalley) + "\n");
        Sky sky(kJd, 52 * kDeg, 0);
        auto file = std::make_shared<CometFile>(std::make_shared<FakeFileUtil>(data.toStdString()),
                                                server.url());
        CometCatalogList comets(sky.astroClock, sky.location, file, sky.clock);
        int changed = 0;
        comets.changed.append([&changed] { ++changed; });
        // Once for each ask to download, dropped or not, and once for each end.
        QSignalSpy downloadingChanged(file.get(), &ICometFile::downloadingChanged);

        QStringList answered;
        int ended = 0;
        for (const QString& step : steps.split(' ')) {
            if (step == "show") {
                comets.shown();
            } else if (step == "refresh") {
                const int before = changed;
                comets.refresh();
                answered << (changed > before ? "yes" : "no");
            } else if (step == "button") {
                file->downloadAsync();
            } else if (step == "end") {
                QVERIFY(file->downloading());
                QTRY_VERIFY_WITH_TIMEOUT(!file->downloading(), kCometsWithinMs);
                ++ended;
            } else {
                QCOMPARE(step, QString("+61m"));
                sky.clock->advance(61 * 60000);
            }
        }
        QCOMPARE(answered.join(' '), answeredAtOnce);
        QCOMPARE(server.requests(), requests);
        // Nobody asked while a download ran.
        QCOMPARE(int(downloadingChanged.size()) - ended, requests);
        // Every refresh is answered, at once or by the end of the download it started, and the
        // end of every download is heard.
        QCOMPARE(changed, int(answered.count("yes")) + ended);
    }

    // The subscription ends with the source, so a download that ends later calls nothing.
    void subscriptionEndsWithTheSource() {
        auto file = std::make_shared<FakeCometFile>(m_tmp.filePath("absent.txt"));
        Sky sky(kJd);
        {
            CometCatalogList comets(sky.astroClock, sky.location, file, sky.clock);
            QVERIFY(!file->downloadFinished.empty());
        }
        QVERIFY(file->downloadFinished.empty());
        file->finish(true);
    }
};

QTEST_GUILESS_MAIN(TestCometCatalogList)
#include "tst_cometcataloglist.moc"
