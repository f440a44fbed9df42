#include "astro/angleutil.h"
#include "base/tests/datarow.h"

#include <QTest>

#include <array>
#include <clocale>
#include <cmath>
#include <limits>
#include <tuple>

using namespace Ko;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double dms(double d, double m, double s) {
    return (d + m / 60.0 + s / 3600.0) * kDeg;
}

} // namespace

class TestAngleUtil : public QObject {
    Q_OBJECT

private slots:
    void wrap_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("to2Pi");
        QTest::addColumn<double>("toPi");
        QTest::newRow("zero") << 0.0 << 0.0 << 0.0;
        QTest::newRow("-0.1") << -0.1 << k2Pi - 0.1 << -0.1;
        QTest::newRow("3pi/2") << 1.5 * kPi << 1.5 * kPi << -0.5 * kPi;
        QTest::newRow("pi") << kPi << kPi << -kPi;
        QTest::newRow("-pi") << -kPi << kPi << -kPi;
        QTest::newRow("2pi") << k2Pi << 0.0 << 0.0;
        QTest::newRow("many turns") << 10 * k2Pi + 0.5 << 0.5 << 0.5;
        QTest::newRow("many turns back") << -10 * k2Pi - 0.5 << k2Pi - 0.5 << -0.5;
        // Rounds to exactly 2pi in the formula; the range is [0, 2pi).
        QTest::newRow("tiny negative") << -1e-17 << 0.0 << 0.0;
    }

    void wrap() {
        QFETCH(double, a);
        QFETCH(double, to2Pi);
        QFETCH(double, toPi);
        const double r2 = wrapTo2Pi(a);
        const double r1 = wrapToPi(a);
        QVERIFY2(std::fabs(r2 - to2Pi) < 1e-12, qPrintable(QString::number(r2, 'g', 17)));
        QVERIFY2(std::fabs(r1 - toPi) < 1e-12, qPrintable(QString::number(r1, 'g', 17)));
        QVERIFY(r2 >= 0 && r2 < k2Pi);
        QVERIFY(r1 >= -kPi && r1 < kPi);
    }

    // Far beyond any real angle the formula's quotient is rounded; the results must still keep
    // to their ranges (about one input in sixteen above 1e16 used to come out negative).
    void wrapKeepsItsRangeForHugeInputs() {
        int outside = 0;
        for (double a = 1e15; a < 1e300; a *= 1.0137) {
            for (const double x : {a, -a}) {
                const double r2 = wrapTo2Pi(x);
                const double r1 = wrapToPi(x);
                if (!(r2 >= 0 && r2 < k2Pi) || !(r1 >= -kPi && r1 < kPi)) {
                    if (++outside <= 3)
                        qWarning("%.17g -> %.17g, %.17g", x, r2, r1);
                }
            }
        }
        QCOMPARE(outside, 0);
    }

    void wrapDiff_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("target");
        QTest::addColumn<double>("expected");
        QTest::newRow("past the turn") << 6.0 << 0.1 << 6.0 + (0.1 - 6.0 + k2Pi);
        QTest::newRow("ahead") << 1.0 << 2.0 << 2.0;
        QTest::newRow("same") << 1.0 << 1.0 + k2Pi << 1.0;
        QTest::newRow("identical") << 2.5 << 2.5 << 2.5;
        QTest::newRow("just behind") << 0.5 << 0.4 << 0.4 + k2Pi;
        QTest::newRow("negative base") << -1.0 << 1.0 << 1.0;
        QTest::newRow("base several turns on") << 3 * k2Pi + 1.0 << 0.5 << 4 * k2Pi + 0.5;
    }

    void wrapDiff() {
        QFETCH(double, base);
        QFETCH(double, target);
        QFETCH(double, expected);
        const double r = wrapDiffTo2Pi(base, target);
        QVERIFY2(std::fabs(r - expected) < 1e-12, qPrintable(QString::number(r, 'g', 17)));
        QVERIFY(r >= base && r < base + k2Pi);
    }

    void roundHalfAway_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5") << 2.5 << qint64(3);
        QTest::newRow("-2.5") << -2.5 << qint64(-3);
        QTest::newRow("0") << 0.0 << qint64(0);
        QTest::newRow("2.4") << 2.4 << qint64(2);
        QTest::newRow("-2.6") << -2.6 << qint64(-3);
        QTest::newRow("-0.4") << -0.4 << qint64(0);
        QTest::newRow("big") << 4e15 + 0.5 << qint64(4000000000000001);
        QTest::newRow("NaN") << kNaN << qint64(0);
        QTest::newRow("too big") << 1e30 << std::numeric_limits<qint64>::max();
        QTest::newRow("too small") << -1e30 << std::numeric_limits<qint64>::min();
    }

    void roundHalfAway() {
        QFETCH(double, x);
        QFETCH(qint64, expected);
        QCOMPARE(Ko::roundHalfAway(x), expected);
    }

    void split_data() {
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("whole");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<double>("seconds");
        // One radian is 57 deg 17 min 44.806 s, or 3 h 49 min 10.987 s.
        QTest::newRow("1 rad deg m1") << true << 1 << 1.0 << 1 << 57.0 << 17.0 << 44.8;
        QTest::newRow("1 rad deg m2") << true << 2 << 1.0 << 1 << 57.0 << 17.0 << 45.0;
        QTest::newRow("1 rad deg m3") << true << 3 << 1.0 << 1 << 57.0 << 17.7 << 0.0;
        QTest::newRow("1 rad deg m4") << true << 4 << 1.0 << 1 << 57.0 << 18.0 << 0.0;
        QTest::newRow("1 rad deg m5") << true << 5 << 1.0 << 1 << 57.3 << 0.0 << 0.0;
        QTest::newRow("1 rad deg m6") << true << 6 << 1.0 << 1 << 57.0 << 0.0 << 0.0;
        QTest::newRow("1 rad hours m2") << false << 2 << 1.0 << 1 << 3.0 << 49.0 << 11.0;
        QTest::newRow("1 rad hours m1") << false << 1 << 1.0 << 1 << 3.0 << 49.0 << 11.0;
        dataRow("seconds and minutes carry", true, 2, dms(29, 59, 59.7), 1, 30.0, 0.0, 0.0);
        dataRow("tenth seconds carry", true, 1, dms(29, 59, 59.96), 1, 30.0, 0.0, 0.0);
        QTest::newRow("minutes carry") << true << 4 << dms(29, 59.96, 0) << 1 << 30.0 << 0.0 << 0.0;
        dataRow("tenth minutes carry", true, 3, dms(29, 59.96, 0), 1, 30.0, 0.0, 0.0);
        QTest::newRow("negative") << true << 2 << -10.5 * kDeg << -1 << 10.0 << 30.0 << 0.0;
        dataRow("no wrap of degrees", true, 6, 359.99 * kDeg, 1, 360.0, 0.0, 0.0);
        dataRow("no wrap of hours", false, 4, (23.0 + 59.7 / 60.0) * kPi / 12.0, 1, 24.0, 0.0, 0.0);
        QTest::newRow("mode 0") << true << 0 << -1.0 << -1 << 0.0 << 0.0 << 0.0;
        QTest::newRow("mode 7") << true << 7 << 1.0 << 1 << 0.0 << 0.0 << 0.0;
    }

    void split() {
        QFETCH(bool, degrees);
        QFETCH(int, mode);
        QFETCH(double, angle);
        QFETCH(int, sign);
        QFETCH(double, whole);
        QFETCH(double, minutes);
        QFETCH(double, seconds);
        const SexagesimalParts p = splitAngleSexagesimal(degrees, mode, angle);
        QCOMPARE(p.sign, sign);
        QVERIFY2(std::fabs(p.whole - whole) < 1e-9, qPrintable(QString::number(p.whole)));
        QVERIFY2(std::fabs(p.minutes - minutes) < 1e-9, qPrintable(QString::number(p.minutes)));
        QVERIFY2(std::fabs(p.seconds - seconds) < 1e-9, qPrintable(QString::number(p.seconds)));
    }

    void zeroInEveryMode() {
        for (int mode = 1; mode <= 6; ++mode) {
            for (bool degrees : {true, false}) {
                const SexagesimalParts p = splitAngleSexagesimal(degrees, mode, 0.0);
                QCOMPARE(p.sign, 0);
                QCOMPARE(p.whole, 0.0);
                QCOMPARE(p.minutes, 0.0);
                QCOMPARE(p.seconds, 0.0);
            }
        }
    }

    void nonFiniteAnglesDoNotPoseAsNumbers() {
        const SexagesimalParts p = splitAngleSexagesimal(true, 2, kNaN);
        QCOMPARE(p.sign, 0);
        QVERIFY(std::isnan(p.whole));
        const SexagesimalText t =
            formatAngleText(true, 2, -std::numeric_limits<double>::infinity());
        QCOMPARE(t.sign, -1);
        QCOMPARE(t.whole, std::string("inf"));
    }

    void text_data() {
        QTest::addColumn<bool>("degrees");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        dataRow("m1", true, 1, 1.0, 1, "57", "17", "44.8");
        dataRow("m2", true, 2, 1.0, 1, "57", "17", "45");
        dataRow("m3", true, 3, 1.0, 1, "57", "17.7", "");
        dataRow("m4", true, 4, 1.0, 1, "57", "18", "");
        dataRow("m5", true, 5, 1.0, 1, "57.3", "", "");
        dataRow("m6", true, 6, 1.0, 1, "57", "", "");
        dataRow("hours m2", false, 2, 1.0, 1, "3", "49", "11");
        dataRow("padding", true, 1, -dms(5, 3, 2.04), -1, "5", "03", "02.0");
        dataRow("three digits", true, 2, dms(123, 4, 5), 1, "123", "04", "05");
        dataRow("zero", true, 3, 0.0, 0, "0", "00.0", "");
        dataRow("bad mode", true, 9, 1.0, 1, "", "", "");
        // Just below zero, by 0.4 of the last digit: what reads as zero has no sign; by 0.6 it
        // keeps its minus. Texts: whole, minutes, seconds.
        using Texts = std::array<const char*, 3>;
        const auto below = [](const char* name, bool degrees, int mode, double unit, Texts zero,
                              Texts away) {
            for (const auto& [f, sign, t] : {std::tuple{0.4, 0, zero}, std::tuple{0.6, -1, away}})
                QTest::addRow("%s -%.1f", name, f)
                    << degrees << mode << -f * unit << sign << QString(t[0]) << QString(t[1])
                    << QString(t[2]);
        };
        below("m1", true, 1, dms(0, 0, 0.1), {"0", "00", "00.0"}, {"0", "00", "00.1"});
        below("m2", true, 2, dms(0, 0, 1), {"0", "00", "00"}, {"0", "00", "01"});
        below("m3", true, 3, dms(0, 0.1, 0), {"0", "00.0", ""}, {"0", "00.1", ""});
        below("m4", true, 4, dms(0, 1, 0), {"0", "00", ""}, {"0", "01", ""});
        below("m5", true, 5, 0.1 * kDeg, {"0.0", "", ""}, {"0.1", "", ""});
        below("m6", true, 6, kDeg, {"0", "", ""}, {"1", "", ""});
        below("hours m2", false, 2, kPi / 12 / 3600, {"0", "00", "00"}, {"0", "00", "01"});
        dataRow("m2 smallest negative", true, 2, -4.9e-324, 0, "0", "00", "00");
        // Whole units alone do not decide: minutes or seconds that show keep the sign.
        dataRow("m2 -59s", true, 2, -dms(0, 0, 59), -1, "0", "00", "59");
        dataRow("m4 -1deg", true, 4, -1.0 * kDeg, -1, "1", "00", "");
    }

    void text() {
        QFETCH(bool, degrees);
        QFETCH(int, mode);
        QFETCH(double, angle);
        QFETCH(int, sign);
        QFETCH(QString, whole);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        const SexagesimalText t = formatAngleText(degrees, mode, angle);
        QCOMPARE(t.sign, sign);
        QCOMPARE(QString::fromStdString(t.whole), whole);
        QCOMPARE(QString::fromStdString(t.minutes), minutes);
        QCOMPARE(QString::fromStdString(t.seconds), seconds);
    }

    void formatFixed_data() {
        QTest::addColumn<uint>("minInt");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("07") << 2u << 0 << 7.0 << "07";
        QTest::newRow("07.5") << 2u << 1 << 7.5 << "07.5";
        QTest::newRow("12") << 0u << 0 << 12.0 << "12";
        QTest::newRow("never shortens") << 2u << 0 << 123.0 << "123";
        QTest::newRow("rounds") << 2u << 1 << 9.96 << "10.0";
        QTest::newRow("wide") << 5u << 2 << 3.14159 << "00003.14";
        QTest::newRow("zero decimals rounds") << 0u << 0 << 0.6 << "1";
        QTest::newRow("negative value rounding to zero has no sign") << 0u << 1 << -0.04 << "0.0";
        QTest::newRow("negative zero has no sign") << 0u << 0 << -0.0 << "0";
        QTest::newRow("negative zero padded") << 2u << 1 << -0.01 << "00.0";
        QTest::newRow("negative value keeps its sign") << 0u << 1 << -0.05 << "-0.1";
    }

    void formatFixed() {
        QFETCH(uint, minInt);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Ko::formatFixed(minInt, decimals, value)), expected);
    }

    // The process locale may use a decimal comma; the texts must not follow it.
    void formatFixedIgnoresProcessLocale() {
        const char* previous = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = previous ? previous : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no German locale installed");
        const std::string text = Ko::formatFixed(2, 1, 7.5);
        std::setlocale(LC_NUMERIC, saved.c_str());
        QCOMPARE(QString::fromStdString(text), QStringLiteral("07.5"));
    }
};

QTEST_APPLESS_MAIN(TestAngleUtil)
#include "tst_angleutil.moc"
