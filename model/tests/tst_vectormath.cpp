#include "model/matrix3.h"
#include "model/tests/rotations.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace Ko;

Q_DECLARE_METATYPE(Ko::Vector3)
Q_DECLARE_METATYPE(Ko::Matrix3)

namespace {

double maxDiff(const Matrix3& a, const Matrix3& b) {
    double m = 0;
    for (size_t i = 0; i < a.e.size(); ++i)
        m = std::max(m, std::fabs(a.e[i] - b.e[i]));
    return m;
}

} // namespace

class TestVectorMath : public QObject {
    Q_OBJECT

private slots:
    void vectorOperations_data() {
        QTest::addColumn<Vector3>("got");
        QTest::addColumn<Vector3>("want");
        QTest::newRow("cross x y is z") << cross({1, 0, 0}, {0, 1, 0}) << Vector3{0, 0, 1};
        QTest::newRow("normalize zero stays zero") << normalize({0, 0, 0}) << Vector3{};
        QTest::newRow("project onto a long z") << project({1, 2, 3}, {0, 0, 5}) << Vector3{0, 0, 3};
        QTest::newRow("project onto zero") << project({1, 2, 3}, {}) << Vector3{};
        QTest::newRow("matrix times vector applies rows")
            << matrixRows(1, 2, 3, 4, 5, 6, 7, 8, 9) * Vector3{1, 0, -1} << Vector3{-2, -2, -2};
    }
    void vectorOperations() {
        QFETCH(Vector3, got);
        QFETCH(Vector3, want);
        QVERIFY2(norm(got - want) < 1e-15,
                 qPrintable(QString("%1 %2 %3").arg(got.x).arg(got.y).arg(got.z)));
    }

    void anglesOfNearlyUnitPole() {
        // A vector a hair longer than a unit pole still gives a latitude, not NaN.
        QCOMPARE(anglesOf({0, 0, std::nextafter(1.0, 2.0)}).second, std::asin(1.0));
        const auto [lon, lat] = anglesOf(directionOf(-2.5, 0.75));
        QVERIFY(std::fabs(lon + 2.5) < 1e-15 && std::fabs(lat - 0.75) < 1e-15);
    }

    void matrixOperations() {
        // A *= B applies B first: a quarter turn about x, then about z, sends y to z, not to -x.
        Matrix3 a = rotationZ(M_PI / 2);
        a *= rotationX(M_PI / 2);
        QVERIFY(norm(a * Vector3{0, 1, 0} - Vector3{0, 0, 1}) < 1e-15);
        Matrix3 m = matrixRows(1, 2, 3, 4, 5, 6, 7, 8, 10);
        QCOMPARE(det(m), -3.0);
        transpose(m);
        QCOMPARE(m, matrixRows(1, 4, 7, 2, 5, 8, 3, 6, 10));
    }

    void invert_data() {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<Matrix3>("m");
        QTest::addColumn<int>("result");
        QTest::newRow("identity") << diagonal(1) << 0;
        QTest::newRow("mirror diag(1, -1, -1)") << matrixRows(1, 0, 0, 0, -1, 0, 0, 0, -1) << 0;
        QTest::newRow("quarter turn about z needs the row exchange") << rotationZ(M_PI / 2) << 0;
        QTest::newRow("general rotation") << [] {
            Matrix3 r = rotationZ(0.3);
            r *= rotationX(-1.2);
            r *= rotationZ(2.5);
            return r;
        }() << 0;
        QTest::newRow("second pivot from the row exchange")
            << matrixRows(2, 1, 0, 4, 2, 1, 0, 3, 1) << 0;
        QTest::newRow("zero row") << matrixRows(1, 2, 3, 0, 0, 0, 4, 5, 6) << 1;
        QTest::newRow("pivot 1e-7") << matrixRows(1, 0, 0, 0, 1, 0, 0, 0, 1e-7) << 1;
        QTest::newRow("all zero") << Matrix3{} << 1;
        QTest::newRow("not a number") << matrixRows(nan, 0, 0, 0, 1, 0, 0, 0, 1) << 1;
    }
    void invert() {
        QFETCH(Matrix3, m);
        QFETCH(int, result);
        Matrix3 inv = m;
        QCOMPARE(Ko::invert(inv), result);
        if (result != 0) {
            // Refused: left exactly as it was (NaN compares unequal, so compare the bits).
            QVERIFY(std::memcmp(&inv, &m, sizeof m) == 0);
            return;
        }
        Matrix3 p = m;
        p *= inv;
        QVERIFY(maxDiff(p, diagonal(1)) < 1e-15);
        Matrix3 q = inv;
        q *= m;
        QVERIFY(maxDiff(q, diagonal(1)) < 1e-15);
    }
};

QTEST_GUILESS_MAIN(TestVectorMath)
#include "tst_vectormath.moc"
