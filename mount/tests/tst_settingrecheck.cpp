#include "base/tests/datarow.h"
#include "mount/settingrecheck.h"

#include <QStringList>
#include <QTest>

#include <memory>

using namespace Ko;

namespace {

using Setting = SettingRecheck::Setting;

CmdRetType_::E outcomeOf(const QString& word) {
    if (word == "ok")
        return CmdRetType_::Ok;
    if (word == "refused")
        return CmdRetType_::Nak;
    return CmdRetType_::Timeout;
}

} // namespace

class TestSettingRecheck : public QObject {
    Q_OBJECT
private slots:
    // writes: "<setting> <outcome> <check name>", in the order they end; the settings are "light"
    // and "speed", the outcomes "ok", "refused" and "unanswered". A check answers as checkAnswer
    // says: "ok", or "unanswered once" (then ok). first and second: the checks the two rechecks
    // after the writes run, in order.
    void checksRunOnceTheLinkIsBack_data() {
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("checkAnswer");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        const QStringList none;
        dataRow("unanswered write checked once", QStringList{"light unanswered a"}, QString("ok"),
                QStringList{"a"}, none);
        dataRow("answered write needs no check", QStringList{"light ok a"}, QString("ok"), none,
                none);
        dataRow("refused write needs no check", QStringList{"light refused a"}, QString("ok"), none,
                none);
        dataRow("a later answered write ends the doubt",
                QStringList{"light unanswered a", "light ok b"}, QString("ok"), none, none);
        dataRow("a later unanswered write replaces the check",
                QStringList{"light unanswered a", "light unanswered b"}, QString("ok"),
                QStringList{"b"}, none);
        dataRow("each setting its own check, oldest first",
                QStringList{"speed unanswered a", "light unanswered b"}, QString("ok"),
                QStringList{"a", "b"}, none);
        dataRow("another setting answered leaves the check",
                QStringList{"light unanswered a", "speed ok b"}, QString("ok"), QStringList{"a"},
                none);
        dataRow("a check unanswered waits on", QStringList{"light unanswered a"},
                QString("unanswered once"), QStringList{"a"}, QStringList{"a"});
    }
    void checksRunOnceTheLinkIsBack() {
        QFETCH(QStringList, writes);
        QFETCH(QString, checkAnswer);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        SettingRecheck recheck;
        QStringList ran;
        for (const QString& w : writes) {
            const QStringList parts = w.split(' ');
            const Setting setting =
                parts[0] == "light" ? Setting::PolarScopeLight : Setting::GuideSpeedAxis1;
            const QString name = parts[2];
            auto calls = std::make_shared<int>(0);
            recheck.written(setting, outcomeOf(parts[1]), [&ran, name, calls, checkAnswer] {
                ran << name;
                const bool unanswered = checkAnswer == "unanswered once" && (*calls)++ == 0;
                return unanswered ? CmdRetType_::Timeout : CmdRetType_::Ok;
            });
        }
        recheck.recheck();
        QCOMPARE(ran, first);
        ran.clear();
        recheck.recheck();
        QCOMPARE(ran, second);
        ran.clear();
        recheck.recheck();
        QCOMPARE(ran, QStringList());
    }
};

QTEST_MAIN(TestSettingRecheck)
#include "tst_settingrecheck.moc"
