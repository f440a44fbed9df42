#include "mount/mountmodepopupstub.h"

#include <QTest>

#include <vector>

using namespace Ko;

class TestMountModePopupStub : public QObject {
    Q_OBJECT
private slots:
    // -1: an empty answer.
    void answers_data() {
        QTest::addColumn<QVariant>("result");
        QTest::addColumn<int>("mode");
        QTest::newRow("0 is EQ") << QVariant(0) << int(MountMode_::EQ);
        QTest::newRow("1 is AZ") << QVariant(1) << int(MountMode_::AZ);
        QTest::newRow("the popup's AZ button")
            << QVariant::fromValue(MountMode_::AZ) << int(MountMode_::AZ);
        QTest::newRow("2 is no answer") << QVariant(2) << -1;
        QTest::newRow("-1 is no answer") << QVariant(-1) << -1;
        QTest::newRow("undefined (dismissed) is no answer") << QVariant() << -1;
        QTest::newRow("a text that is no number reads as 0")
            << QVariant(QStringLiteral("left")) << 0;
        QTest::newRow("a numeric text") << QVariant(QStringLiteral("1")) << int(MountMode_::AZ);
    }
    void answers() {
        QFETCH(QVariant, result);
        QFETCH(int, mode);
        MountModePopupStub stub;
        std::vector<Nullable<MountMode_::E>> heard;
        stub.answered.append([&](Nullable<MountMode_::E> m) { heard.push_back(m); });

        // Every answer is delivered, asked for or not.
        stub.setResult(result);
        stub.setResult(result);
        QCOMPARE(heard.size(), size_t(2));
        for (const auto& m : heard) {
            QCOMPARE(m.hasValue(), mode >= 0);
            if (mode >= 0)
                QCOMPARE(int(m.value()), mode);
        }
    }
};

QTEST_GUILESS_MAIN(TestMountModePopupStub)
#include "tst_mountmodepopupstub.moc"
