// The polar clock page's two services: the facts table and the reticle painted into a 968 x 968
// image, probed at the positions the reticle geometry puts its marks.
#include "align/polarscopeinfo.h"
#include "align/polarscopepainteditem.h"
#include "astro/angleutil.h"
#include "astro/qastroformat.h"
#include "catalog/tests/catalogrig.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <numbers>

using namespace Ko;

namespace {

// 2024-03-20 18:37:50 UTC: the seconds must not reach the local-time row.
constexpr double kJulianDate = 2460390.2762731481;
constexpr int kSide = 968;

enum class Ink { Red, Grey, Empty };

Ink inkAt(const QImage& image, QPointF p) {
    const QColor c = image.pixelColor(int(std::lround(p.x())), int(std::lround(p.y())));
    if (c.alpha() < 40)
        return Ink::Empty;
    if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
        return Ink::Red;
    if (std::abs(c.red() - 0x60) < 16 && std::abs(c.green() - 0x60) < 16)
        return Ink::Grey;
    return Ink::Empty;
}

QPointF reticle(double angle, double radius) {
    return {kSide / 2.0 + radius * std::sin(angle), kSide / 2.0 - radius * std::cos(angle)};
}

// Whether any pixel in the square of half-width half about p carries ink.
bool inkNear(const QImage& image, QPointF p, int half) {
    for (int dx = -half; dx <= half; ++dx)
        for (int dy = -half; dy <= half; ++dy)
            if (image.pixelColor(int(p.x()) + dx, int(p.y()) + dy).alpha() > 100)
                return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Ink)

class TstPolarScope : public QObject {
    Q_OBJECT

    Test::Sky m_sky{kJulianDate, 48 * kDeg, -11 * kDeg};
    std::shared_ptr<QAstroFormat> m_format = std::make_shared<QAstroFormat>(nullptr);

    QImage render(bool north) {
        PolarScopePaintedItem item(m_sky.calc);
        item.setNorth(north);
        item.setSize(QSizeF(kSide, kSide));
        QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        item.paint(&painter);
        return image;
    }

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void infoRows_data() {
        QTest::addColumn<bool>("north");
        QTest::addColumn<QString>("thirdLabel");
        QTest::addColumn<bool>("thirdHasValue");
        QTest::newRow("north shows the pole star's clock position")
            << true << QStringLiteral("Polaris Position ") << true;
        QTest::newRow("south leaves the third value empty")
            << false << QStringLiteral("Octans Position") << false;
    }
    void infoRows() {
        QFETCH(bool, north);
        QFETCH(QString, thirdLabel);
        QFETCH(bool, thirdHasValue);
        PolarScopeInfo info(m_sky.calc, m_format, m_sky.location, m_sky.astroClock);
        QSignalSpy listSpy(&info, &PolarScopeInfo::infoListChanged);
        info.setNorth(north);
        QCOMPARE(listSpy.count(), north ? 0 : 1);
        const auto rows = info.infoList();
        QCOMPARE(rows.size(), 3);
        const auto value = [&](int i) { return rows[i][QStringLiteral("fieldValue")].toString(); };
        QCOMPARE(rows[0][QStringLiteral("field")].toString(), QStringLiteral("Local longitude"));
        QCOMPARE(value(0), QString::fromStdString(m_format->formatLongitude(-11 * kDeg)));
        QCOMPARE(rows[1][QStringLiteral("field")].toString(), QStringLiteral("Local time"));
        QCOMPARE(value(1), QString::fromStdString(m_format->formatTimeOfDay12h(18 + 37 / 60.0)));
        QCOMPARE(rows[2][QStringLiteral("field")].toString(), thirdLabel);
        const QString expected =
            thirdHasValue ? QString::fromStdString(
                                m_format->formatClockPosition(m_sky.calc->poleStarHourAngle()))
                          : QString();
        QCOMPARE(value(2), expected);
        QVERIFY(value(2).isEmpty() != thirdHasValue);
    }

    void northSwitchesOnlyOnChange() {
        PolarScopeInfo info(m_sky.calc, m_format, m_sky.location, m_sky.astroClock);
        PolarScopePaintedItem item(m_sky.calc);
        QSignalSpy infoNorth(&info, &PolarScopeInfo::northChanged);
        QSignalSpy infoList(&info, &PolarScopeInfo::infoListChanged);
        QSignalSpy itemNorth(&item, &PolarScopePaintedItem::northChanged);
        info.setNorth(true);
        item.setNorth(true);
        QCOMPARE(infoNorth.count() + infoList.count() + itemNorth.count(), 0);
        info.setNorth(false);
        item.setNorth(false);
        QCOMPARE(infoNorth.count(), 1);
        QCOMPARE(infoList.count(), 1);
        QCOMPARE(itemNorth.count(), 1);
        QVERIFY(!item.north());
    }

    // The north reticle at k = 1: angles clockwise from the top, radii in pixels.
    void northReticle_data() {
        QTest::addColumn<double>("angleDeg");
        QTest::addColumn<double>("radius");
        QTest::addColumn<Ink>("ink");
        QTest::newRow("outer ring") << 47.5 << 345.0 << Ink::Red;
        QTest::newRow("middle ring") << 47.5 << 328.0 << Ink::Red;
        QTest::newRow("inner ring") << 47.5 << 311.0 << Ink::Red;
        QTest::newRow("between outer and middle ring") << 47.5 << 336.5 << Ink::Empty;
        QTest::newRow("inside the rings off the marks") << 47.5 << 200.0 << Ink::Empty;
        QTest::newRow("quarter mark runs from the centre") << 0.0 << 200.0 << Ink::Red;
        QTest::newRow("quarter mark ends at 405") << 180.0 << 400.0 << Ink::Red;
        QTest::newRow("past the quarter mark") << 270.0 << 412.0 << Ink::Empty;
        QTest::newRow("30-degree mark inside") << 30.0 << 280.0 << Ink::Red;
        QTest::newRow("30-degree mark outside") << 30.0 << 380.0 << Ink::Red;
        QTest::newRow("30-degree mark starts at 255") << 30.0 << 240.0 << Ink::Empty;
        QTest::newRow("5-degree mark inside") << 5.0 << 302.0 << Ink::Red;
        QTest::newRow("5-degree mark is short inside") << 5.0 << 280.0 << Ink::Empty;
        QTest::newRow("5-degree mark outside") << 5.0 << 355.0 << Ink::Red;
        QTest::newRow("5-degree mark is short outside") << 5.0 << 380.0 << Ink::Empty;
        QTest::newRow("arc beside the 3 o'clock mark") << 91.5 << 320.0 << Ink::Red;
        QTest::newRow("arc spans 6 degrees only") << 94.5 << 320.0 << Ink::Empty;
        QTest::newRow("arc on the inner radius") << 271.5 << 303.0 << Ink::Red;
        QTest::newRow("no arc beside a 30-degree mark") << 31.5 << 320.0 << Ink::Empty;
    }
    void northReticle() {
        QFETCH(double, angleDeg);
        QFETCH(double, radius);
        QFETCH(Ink, ink);
        const QImage image = render(true);
        QCOMPARE(inkAt(image, reticle(angleDeg * kDeg, radius)), ink);
    }

    void northLabelsAndPoleStar() {
        const QImage image = render(true);
        for (int quarter = 0; quarter < 4; ++quarter) {
            QVERIFY2(inkNear(image, reticle(quarter * 90 * kDeg, 438), 12),
                     qPrintable(QStringLiteral("label %1").arg(quarter * 3)));
            QVERIFY(!inkNear(image, reticle((quarter * 90 + 45) * kDeg, 438), 12));
        }
        const double pole = m_sky.calc->poleStarHourAngle();
        QCOMPARE(inkAt(image, reticle(pole, 328)), Ink::Grey);
        QCOMPARE(inkAt(image, reticle(pole, 328 + 9)), Ink::Grey);
        QCOMPARE(inkAt(image, reticle(pole + 20 * kDeg, 328)), Ink::Red);
    }

    // The south view of the same item has k = 968 / 2 / 1600 = 0.3025.
    void southReticle() {
        const QImage image = render(false);
        constexpr double k = 0.3025;
        const auto stars = m_sky.calc->southPoleStars();
        double clearAngle = 0;
        for (double candidate = 0; candidate < 360; candidate += 10) {
            bool clear = true;
            for (const auto& [angle, distance] : stars)
                clear &= std::abs(std::remainder(candidate * kDeg - angle, 2 * std::numbers::pi)) >
                         40 * kDeg;
            if (clear) {
                clearAngle = candidate * kDeg;
                break;
            }
        }
        QCOMPARE(inkAt(image, reticle(clearAngle, 328 * k)), Ink::Red);
        QCOMPARE(inkAt(image, reticle(clearAngle, 1500 * k)), Ink::Red);
        QCOMPARE(inkAt(image, reticle(clearAngle, 700 * k)), Ink::Empty);
        std::array<QPointF, 4> points;
        for (size_t j = 0; j < 4; ++j) {
            points[j] = reticle(stars[j].first, stars[j].second * 28000 * k);
            QCOMPARE(inkAt(image, points[j]), Ink::Red);
        }
        for (size_t j = 0; j < 3; ++j)
            QCOMPARE(inkAt(image, (points[j] + points[j + 1]) / 2), Ink::Red);
        // The north view's pole star and quarter marks are absent.
        QCOMPARE(inkAt(image, reticle(m_sky.calc->poleStarHourAngle() + 0.5, 200)), Ink::Empty);
    }
};

QTEST_MAIN(TstPolarScope)
#include "tst_polarscope.moc"
