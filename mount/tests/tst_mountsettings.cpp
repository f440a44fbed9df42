#include "base/tests/scratchsettings.h"
#include "mount/altrange.h"
#include "mount/appcore.h"

#include "astro/qastroformat.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/datarow.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Ko;

namespace {

// One settings object of each kind over the settings file in dir (QuorvelPro/Settings.txt,
// beside the stand-in data location).
struct Objects {
    std::shared_ptr<QtKVStore> store;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<AppCore> appCore;

    explicit Objects(const QString& dir)
        : store(openScratchStore(dir + "/data")), altRange(std::make_shared<AltRange>(store)),
          appCore(std::make_shared<AppCore>(store, std::make_shared<QAstroFormat>(nullptr))) {}

    QObject* object(const QString& kind) const {
        return kind == "alt" ? static_cast<QObject*>(altRange.get()) : appCore.get();
    }
    eventpp::CallbackList<void()>& changed(const QString& kind) const {
        return kind == "alt" ? altRange->changed : appCore->changed;
    }
};

QString settingsFile(const QString& dir) {
    return dir + "/QuorvelPro/Settings.txt";
}

QJsonObject fileContents(const QString& dir) {
    QFile f(settingsFile(dir));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                       : QJsonObject();
}

} // namespace

class TestMountSettings : public QObject {
    Q_OBJECT

private slots:
    // Every stored setting: its default on a fresh file, its key and stored form, the order of
    // the notifications, no rewrite for an unchanged value, and the value back after a restart.
    void settings_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("newValue");
        QTest::addColumn<QJsonValue>("stored");
        dataRow("maxAlt", "alt", "maxAlt", "altitude.max", QVariant(1.3089969389957472),
                QVariant(1.2), QJsonValue(1.2));
        dataRow("minAlt", "alt", "minAlt", "altitude.min", QVariant(0.0), QVariant(-0.1),
                QJsonValue(-0.1));
        dataRow("backlashAxisDefault", "core", "backlashAxisDefault", "backlashDefault",
                QVariant(0.0), QVariant(0.004), QJsonValue(0.004));
        dataRow("backlashAxis1", "core", "backlashAxis1", "backlash1", QVariant(0.0),
                QVariant(0.002), QJsonValue(0.002));
        dataRow("backlashAxis2", "core", "backlashAxis2", "backlash2", QVariant(0.0),
                QVariant(0.003), QJsonValue(0.003));
        dataRow("autoguiderRate1 stored as int", "core", "autoguiderRate1", "ag.rate1",
                QVariant::fromValue(GuidingSpeed_::X5), QVariant::fromValue(GuidingSpeed_::X125),
                QJsonValue(0));
        dataRow("autoguiderRate2 stored as int", "core", "autoguiderRate2", "ag.rate2",
                QVariant::fromValue(GuidingSpeed_::X5),
                QVariant::fromValue(GuidingSpeed_::Sidereal), QJsonValue(4));
        dataRow("pScopeLight", "core", "pScopeLight", "pscope.light", QVariant(0.0), QVariant(0.7),
                QJsonValue(0.7));
    }
    void settings() {
        QFETCH(QString, kind);
        QFETCH(QString, property);
        QFETCH(QString, key);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, newValue);
        QFETCH(QJsonValue, stored);
        QTemporaryDir dir;
        const QByteArray prop = property.toLatin1();
        {
            Objects o(dir.path());
            QObject* obj = o.object(kind);
            QCOMPARE(obj->property(prop), defaultValue);
            QVERIFY(!fileContents(dir.path()).contains(key));

            QSignalSpy spy(obj, SIGNAL(valueChanged_q()));
            // What the signal count was each time the change list fired.
            QList<int> signalsSeenByList;
            o.changed(kind).append([&] { signalsSeenByList << int(spy.count()); });
            QVERIFY(obj->setProperty(prop, newValue));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(signalsSeenByList, QList<int>{0});
            QCOMPARE(obj->property(prop), newValue);
            QCOMPARE(fileContents(dir.path()).value(key), stored);

            // The same value again: no notification and no rewrite (the removed file stays away).
            QVERIFY(QFile::remove(settingsFile(dir.path())));
            obj->setProperty(prop, newValue);
            QCOMPARE(spy.count(), 1);
            QVERIFY(!QFile::exists(settingsFile(dir.path())));
            obj->setProperty(prop, defaultValue);
            obj->setProperty(prop, newValue);
            QCOMPARE(spy.count(), 3);
            QCOMPARE(signalsSeenByList, (QList<int>{0, 1, 2}));
        }
        Objects restarted(dir.path());
        QCOMPARE(restarted.object(kind)->property(prop), newValue);
    }

    // Altitude writes outside their band (or not a number) are dropped; the bounds themselves
    // are accepted.
    void altitudeBands_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("accepted");
        const double nan = std::nan("");
        QTest::newRow("maxAlt 1.6 (above 90)") << "maxAlt" << 1.6 << false;
        QTest::newRow("maxAlt just below 60") << "maxAlt" << 1.047 << false;
        QTest::newRow("maxAlt NaN") << "maxAlt" << nan << false;
        QTest::newRow("maxAlt 60 exactly") << "maxAlt" << AltRange::kMaxAltLowest << true;
        QTest::newRow("maxAlt 90 exactly") << "maxAlt" << AltRange::kMaxAltHighest << true;
        QTest::newRow("minAlt -0.2 (below -10)") << "minAlt" << -0.2 << false;
        QTest::newRow("minAlt just above 30") << "minAlt" << 0.5236 << false;
        QTest::newRow("minAlt NaN") << "minAlt" << nan << false;
        QTest::newRow("minAlt -10 exactly") << "minAlt" << AltRange::kMinAltLowest << true;
        QTest::newRow("minAlt 30 exactly") << "minAlt" << AltRange::kMinAltHighest << true;
    }
    void altitudeBands() {
        QFETCH(QString, property);
        QFETCH(double, value);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        Objects o(dir.path());
        const QByteArray prop = property.toLatin1();
        const double before = o.altRange->property(prop).toDouble();
        QSignalSpy spy(o.altRange.get(), &AltRange::valueChanged_q);
        int fired = 0;
        o.altRange->changed.append([&] { ++fired; });
        o.altRange->setProperty(prop, value);
        QCOMPARE(o.altRange->property(prop).toDouble(), accepted ? value : before);
        QCOMPARE(spy.count(), accepted ? 1 : 0);
        QCOMPARE(fired, accepted ? 1 : 0);
        QCOMPARE(QFile::exists(settingsFile(dir.path())), accepted);
    }

    void autoguiderRateByAxisAndBacklashText() {
        QTemporaryDir dir;
        Objects o(dir.path());
        o.appCore->setAutoguiderRate(0, GuidingSpeed_::X25);
        o.appCore->setAutoguiderRate(3, GuidingSpeed_::X75);
        QCOMPARE(o.appCore->autoguiderRate1(), GuidingSpeed_::X25);
        QCOMPARE(o.appCore->autoguiderRate2(), GuidingSpeed_::X75);
        // The slider's angle, not an axis: half a degree reads as 0 degrees 30 minutes.
        const QString text = o.appCore->backlash_getText(0.5 * M_PI / 180);
        QVERIFY2(text.contains("30") && text.startsWith("0"), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestMountSettings)
#include "tst_mountsettings.moc"
