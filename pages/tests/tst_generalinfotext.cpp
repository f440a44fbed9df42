#include "pages/generalinfotext.h"

#include <QTest>

using namespace Ko;

class TestGeneralInfoText : public QObject {
    Q_OBJECT

private slots:
    void formatArcminutes_data() {
        QTest::addColumn<double>("arcminutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "00.0′";
        QTest::newRow("below ten minutes is zero-padded") << 2.5 << "02.5′";
        QTest::newRow("rounded to a tenth") << 12.34 << "12.3′";
        QTest::newRow("a half goes away from zero") << 12.35 << "12.4′";
        QTest::newRow("59.9 stays in minutes") << 59.9 << "59.9′";
        QTest::newRow("59.95 rounds to 60 and carries") << 59.95 << "1°00.0′";
        QTest::newRow("59.96 carries") << 59.96 << "1°00.0′";
        QTest::newRow("exactly one degree") << 60.0 << "1°00.0′";
        QTest::newRow("past one degree") << 75.3 << "1°15.3′";
        QTest::newRow("negative past one degree") << -75.3 << "-1°15.3′";
        QTest::newRow("ten degrees") << 600.0 << "10°00.0′";
        QTest::newRow("a negative value rounding to zero has no sign") << -0.04 << "00.0′";
        QTest::newRow("a negative tenth keeps its sign") << -0.06 << "-00.1′";
        QTest::newRow("negative below a degree") << -2.5 << "-02.5′";
    }
    void formatArcminutes() {
        QFETCH(double, arcminutes);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Ko::formatArcminutes(arcminutes)), text);
    }

    void magnitudeText_data() {
        QTest::addColumn<float>("vmag");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 3.06f << "3.1";
        QTest::newRow("bright and negative") << -1.46f << "-1.5";
        QTest::newRow("rounding to zero has no sign") << -0.04f << "0.0";
        QTest::newRow("the faintest number shown") << 20.0f << "20.0";
        QTest::newRow("fainter reads > 20") << 20.05f << "> 20";
        QTest::newRow("a comet far from the Sun") << 36.1f << "> 20";
    }
    void magnitudeText() {
        QFETCH(float, vmag);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Ko::magnitudeText(vmag)), text);
    }

    void appVersionText() { QCOMPARE(Ko::appVersionText(), std::string("Pro 2.1.12")); }

    void motorControllerVersionText_data() {
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("text");
        QTest::newRow("major 3, minor 39, model A5") << 0xA52703u << "3.39.A5";
        QTest::newRow("model below 16 has two digits") << 0x050102u << "2.1.05";
        QTest::newRow("widest fields") << 0xFFFFFFu << "255.255.FF";
        QTest::newRow("bits above 24 are not read") << 0x7FA52703u << "3.39.A5";
        QTest::newRow("all zero") << 0u << "0.0.00";
    }
    void motorControllerVersionText() {
        QFETCH(uint, version);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Ko::motorControllerVersionText(version)), text);
    }
};

QTEST_GUILESS_MAIN(TestGeneralInfoText)
#include "tst_generalinfotext.moc"
