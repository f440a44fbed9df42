#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "base/languagemanager.h"
#include "base/tests/datarow.h"

#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <limits>
#include <map>

using namespace Ko;

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::tm timeOfDay(int h, int m, int s, long gmtOffset) {
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 2;
    t.tm_mday = 9;
    t.tm_hour = h;
    t.tm_min = m;
    t.tm_sec = s;
    t.tm_gmtoff = gmtOffset;
    return t;
}

} // namespace

class TestAstroFormat : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<LanguageManager> m_language;
    std::unique_ptr<QAstroFormat> m_format;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        m_language = std::make_shared<LanguageManager>(nullptr, nullptr);
        m_format = std::make_unique<QAstroFormat>(m_language);
    }

    void init() { m_language->setLanguage("en"); }

    void timeOfDay12h_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("expected");
        QTest::newRow("afternoon") << 13.5 << "01:30PM";
        QTest::newRow("after midnight") << 0.25 << "12:15AM";
        QTest::newRow("noon") << 12.0 << "12:00PM";
        QTest::newRow("midnight") << 0.0 << "12:00AM";
        QTest::newRow("next day") << 25.5 << "01:30AM";
        QTest::newRow("day before") << -1.0 << "11:00PM";
        QTest::newRow("carry into the hour") << 10.0 + 59.7 / 60 << "11:00AM";
        QTest::newRow("carry into noon") << 11.0 + 59.7 / 60 << "12:00PM";
        // Rounds up to 24:00, which is the next midnight, not noon.
        QTest::newRow("carry into midnight") << 23.0 + 59.7 / 60 << "12:00AM";
        QTest::newRow("last minute") << 23.0 + 59.4 / 60 << "11:59PM";
        QTest::newRow("NaN") << kNotANumber << "";
    }

    void timeOfDay12h() {
        QFETCH(double, hours);
        QFETCH(QString, expected);
        QCOMPARE(q(m_format->formatTimeOfDay12h(hours)), expected);
    }

    void clockPosition_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top") << 0.0 << "12:00";
        QTest::newRow("quarter") << kPi / 2 << "03:00";
        QTest::newRow("half") << kPi << "06:00";
        QTest::newRow("negative quarter") << -kPi / 2 << "09:00";
        QTest::newRow("just before the top") << k2Pi - 0.0001 << "12:00";
        QTest::newRow("two turns on") << 2 * k2Pi + kPi / 6 << "01:00";
    }

    void clockPosition() {
        QFETCH(double, angle);
        QFETCH(QString, expected);
        QCOMPARE(q(m_format->formatClockPosition(angle)), expected);
    }

    // Angles far beyond a turn still give a dial text, never a cast of an unbounded value.
    void clockPositionOfHugeAngles() {
        const QRegularExpression dial(QStringLiteral("^(0[1-9]|1[0-2]):[0-5][0-9]$"));
        for (const double angle : {2.33e17, -2.33e17, 3.79e28, 1e300}) {
            const QString text = q(m_format->formatClockPosition(angle));
            QVERIFY2(dial.match(text).hasMatch(), qPrintable(QString::number(angle) + " " + text));
        }
        for (double angle = 1e15; angle < 1e300; angle *= 1.0731) {
            const QString text = q(m_format->formatTimeOfDay12h(angle));
            QVERIFY2(text.size() == 7, qPrintable(QString::number(angle) + " " + text));
        }
    }

    void timeTexts() {
        QCOMPARE(q(m_format->formatTime(timeOfDay(13, 5, 9, 3600))), QStringLiteral("13:05:09"));
        QCOMPARE(q(m_format->formatDateTimeWithZone(timeOfDay(13, 5, 9, 3600))),
                 QStringLiteral("13:05:09 GMT+0100"));
        QCOMPARE(q(m_format->formatDateTimeWithZone(timeOfDay(0, 0, 0, -5 * 3600 - 1800))),
                 QStringLiteral("00:00:00 GMT-0530"));
        // Without a language service the classic locale is used.
        const QAstroFormat bare(nullptr);
        QCOMPARE(q(bare.formatTime(timeOfDay(23, 59, 59, 0))), QStringLiteral("23:59:59"));
    }

    void oneDecimal() {
        QCOMPARE(q(m_format->formatOneDecimal(2.25f)), QStringLiteral("2.2"));
        QCOMPARE(q(m_format->formatOneDecimal(-0.06f)), QStringLiteral("-0.1"));
        QCOMPARE(q(m_format->formatOneDecimal(1234.5f)), QStringLiteral("1234.5"));
    }

    // Exact texts with the degree (U+00B0), minute (U+2032) and second (U+2033) signs.
    void angleTexts() {
        QCOMPARE(q(m_format->formatRaDec(1.0, 1.0)), QStringLiteral("3h49m11s +57°17′45″"));
        QCOMPARE(q(m_format->formatRaDec(0, 0)), QStringLiteral("0h00m00s  0°00′00″"));
        QCOMPARE(q(m_format->formatRaDec(-kPi / 12, -0.5)), QStringLiteral("23h00m00s -28°38′52″"));
        QCOMPARE(q(m_format->formatAzAltWholeDegrees(1.0, 0.5)), QStringLiteral("NE 57° +29°"));
        QCOMPARE(q(m_format->formatAzAlt(1.0, 0.5)), QStringLiteral("57°17′45″ +28°38′52″"));
        QCOMPARE(q(m_format->formatAzAltWithCardinal(1.0, 0.5)),
                 QStringLiteral("NE 57°17′45″ +28°38′52″"));
        QCOMPARE(q(m_format->formatSignedPair(-1.0, 0.5)), QStringLiteral("-57°17′45″ +28°38′52″"));
        QCOMPARE(q(m_format->formatLatitude(0.5)), QStringLiteral("28°39′N"));
        QCOMPARE(q(m_format->formatLatitude(-0.5)), QStringLiteral("28°39′S"));
        QCOMPARE(q(m_format->formatLongitude(-0.5)), QStringLiteral("28°39′E"));
        QCOMPARE(q(m_format->formatLongitude(0.5)), QStringLiteral("28°39′W"));
        QCOMPARE(q(m_format->formatHourMin(1.0)), QStringLiteral("3h49.2m"));
        QCOMPARE(q(m_format->formatHourMinSec(1.0)), QStringLiteral("3h49m11s"));
        QCOMPARE(q(m_format->formatDegMin(1.0)), QStringLiteral("57°17′"));
    }

    void edgeCases() {
        // 359.94 degrees is north on the compass and rounds to the whole degree 0, not 360.
        QCOMPARE(q(m_format->formatAzAltWholeDegrees(k2Pi - 0.001, 0)), QStringLiteral("N 0°  0°"));
        QCOMPARE(q(m_format->formatAzAltWholeDegrees(k2Pi - 0.01, 0)),
                 QStringLiteral("N 359°  0°"));
        // A magnitude that rounds to zero has no sign.
        QCOMPARE(q(m_format->formatOneDecimal(-0.04f)), QStringLiteral("0.0"));
        // A negative azimuth is reduced before printing.
        QCOMPARE(q(m_format->formatAzAltWithCardinal(-kPi / 2, -0.1)),
                 QStringLiteral("W 270°00′00″ -5°43′46″"));
        QCOMPARE(q(m_format->formatLongitude(0)), QStringLiteral("0°00′"));
        QCOMPARE(q(m_format->formatLatitude(0)), QStringLiteral("0°00′"));
        // Minutes are truncated in the degrees-and-minutes text.
        QCOMPARE(q(m_format->formatDegMin((1.5 - 1.0 / 3600) * kDeg)), QStringLiteral("1°29′"));
        QCOMPARE(q(m_format->formatHourMinSec(-0.0001)), QStringLiteral("23h59m59s"));
        QCOMPARE(q(m_format->formatHourMin(k2Pi + 1.0)), QStringLiteral("3h49.2m"));
        QCOMPARE(m_format->formatAzAltWholeDegrees(kNotANumber, 0).substr(0, 1), std::string(" "));
    }

    // Every text that carries a sign or reduces to one turn, at its own precision: a value just
    // below zero that reads as zero has no minus sign (and no southern or eastern letter), one
    // just below a full turn reads as its start, and a value a step further keeps its sign.
    void zeroHasNoSign_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("want");
        // Rows at 0.4 and 0.6 of the text's last digit below zero (in a, b or both): the first
        // reads as zero, the second as the signed text, where one is given.
        const auto below = [](const char* name, const char* format, double unitA, double unitB,
                              const char* zero, const char* away) {
            const auto at = [&](double f, const char* want) {
                // 0 stays +0 where the row does not move that value.
                QTest::addRow("%s -%.1f", name, f) << QString(format) << (unitA ? -f * unitA : 0.0)
                                                   << (unitB ? -f * unitB : 0.0) << QString(want);
            };
            at(0.4, zero);
            if (*away)
                at(0.6, away);
        };
        const double arcsec = kDeg / 3600;
        const double arcmin = kDeg / 60;
        const double timeSec = kPi / 12 / 3600;
        const double tenthTimeMin = kPi / 12 / 600;
        below("dec", "raDec", 0, arcsec, "0h00m00s  0°00′00″", "0h00m00s -0°00′01″");
        below("ra", "raDec", timeSec, 0, "0h00m00s  0°00′00″", "23h59m59s  0°00′00″");
        below("hms", "hourMinSec", timeSec, 0, "0h00m00s", "");
        below("hm", "hourMin", tenthTimeMin, 0, "0h00.0m", "23h59.9m");
        below("alt", "azAlt", 0, arcsec, "0°00′00″  0°00′00″", "0°00′00″ -0°00′01″");
        below("az", "azAlt", arcsec, 0, "0°00′00″  0°00′00″", "359°59′59″  0°00′00″");
        below("cardinal alt", "azAltWithCardinal", 0, arcsec, "N 0°00′00″  0°00′00″", "");
        below("axes", "signedPair", arcsec, arcsec, " 0°00′00″  0°00′00″", "-0°00′01″ -0°00′01″");
        below("whole alt", "azAltWholeDegrees", 0, kDeg, "N 0°  0°", "N 0° -1°");
        below("whole az", "azAltWholeDegrees", kDeg, 0, "N 0°  0°", "");
        below("latitude", "latitude", arcmin, 0, "0°00′", "0°01′S");
        below("longitude", "longitude", arcmin, 0, "0°00′", "0°01′E");
        // Just above zero, nothing changes either.
        dataRow("axes +0.4", "signedPair", 0.4 * arcsec, 0.4 * arcsec, " 0°00′00″  0°00′00″");
        dataRow("longitude +0.4", "longitude", 0.4 * arcmin, 0.0, "0°00′");
    }

    void zeroHasNoSign() {
        QFETCH(QString, format);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, want);
        const std::map<QString, std::function<std::string()>> formats{
            {"raDec", [&] { return m_format->formatRaDec(a, b); }},
            {"hourMinSec", [&] { return m_format->formatHourMinSec(a); }},
            {"hourMin", [&] { return m_format->formatHourMin(a); }},
            {"azAlt", [&] { return m_format->formatAzAlt(a, b); }},
            {"azAltWithCardinal", [&] { return m_format->formatAzAltWithCardinal(a, b); }},
            {"signedPair", [&] { return m_format->formatSignedPair(a, b); }},
            {"azAltWholeDegrees", [&] { return m_format->formatAzAltWholeDegrees(a, b); }},
            {"latitude", [&] { return m_format->formatLatitude(a); }},
            {"longitude", [&] { return m_format->formatLongitude(a); }},
        };
        QCOMPARE(q(formats.at(format)()), want);
    }

    void compass_data() {
        QTest::addColumn<double>("azimuthDeg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0.0 << "N";
        QTest::newRow("22.4") << 22.4 << "N";
        QTest::newRow("22.6") << 22.6 << "NE";
        QTest::newRow("90") << 90.0 << "E";
        QTest::newRow("135") << 135.0 << "SE";
        QTest::newRow("180") << 180.0 << "S";
        QTest::newRow("-180") << -180.0 << "S";
        QTest::newRow("225") << 225.0 << "SW";
        QTest::newRow("-90") << -90.0 << "W";
        QTest::newRow("-45") << -45.0 << "NW";
        QTest::newRow("337.6") << 337.6 << "N";
        QTest::newRow("NaN") << kNotANumber << "";
    }

    void compass() {
        QFETCH(double, azimuthDeg);
        QFETCH(QString, expected);
        QCOMPARE(q(QAstroFormat::cardinalDirection(azimuthDeg * kDeg)), expected);
    }

    void translated_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("azAlt");
        QTest::addColumn<QString>("southWest");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        dataRow("de", "de", "NO 57° +29°", "SW", "28°39′S", "28°39′O");
        dataRow("es", "es", "NE 57° +29°", "SO", "28°39′S", "28°39′E");
        dataRow("fr", "fr", "NE 57° +29°", "SO", "28°39′S", "28°39′E");
        dataRow("hr", "hr", "SI 57° +29°", "JZ", "28°39′J", "28°39′I");
        dataRow("it", "it", "NE 57° +29°", "SO", "28°39′S", "28°39′E");
        dataRow("hu", "hu", "ÉK 57° +29°", "DNy", "28°39′D", "28°39′K");
        dataRow("nl", "nl", "NO 57° +29°", "ZW", "28°39′Z", "28°39′O");
        dataRow("pt", "pt", "NE 57° +29°", "SO", "28°39′S", "28°39′L");
        dataRow("ro", "ro", "NE 57° +29°", "SV", "28°39′S", "28°39′E");
        dataRow("ru", "ru", "СВ 57° +29°", "ЮЗ", "28°39′Ю", "28°39′В");
        dataRow("zh", "zh", "东北 57° +29°", "西南", "28°39′南", "28°39′东");
        dataRow("ja", "ja", "北東 57° +29°", "南西", "28°39′南", "28°39′東");
    }

    // Compass letters and the coordinate pattern follow the current language.
    void translated() {
        QFETCH(QString, code);
        QFETCH(QString, azAlt);
        QFETCH(QString, southWest);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        m_language->setLanguage(code);
        QCOMPARE(q(m_format->formatAzAltWholeDegrees(1.0, 0.5)), azAlt);
        QCOMPARE(q(QAstroFormat::cardinalDirection(225 * kDeg)), southWest);
        QCOMPARE(q(m_format->formatLatitude(-0.5)), latitude);
        QCOMPARE(q(m_format->formatLongitude(-0.5)), longitude);
        // AM and PM are not translated.
        QCOMPARE(q(m_format->formatTimeOfDay12h(13.5)), QStringLiteral("01:30PM"));
    }

    void doubleLengthShowsInCompassTexts() {
        m_language->setDoubleLength(true);
        QCOMPARE(q(QAstroFormat::cardinalDirection(0)), QStringLiteral("[N N]"));
        QCOMPARE(q(m_format->formatLatitude(0.5)), QStringLiteral("[28°39′[N N] _1°_2′_3]"));
        m_language->setDoubleLength(false);
        QCOMPARE(q(m_format->formatLatitude(0.5)), QStringLiteral("28°39′N"));
    }
};

QTEST_GUILESS_MAIN(TestAstroFormat)
#include "tst_astroformat.moc"
