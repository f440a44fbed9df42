#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"
#include "mount/profiles/taskprofile_camera.h"
#include "mount/profiles/taskprofile_ce.h"
#include "mount/profiles/taskprofile_te.h"
#include "mount/profiles/taskprofilejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace Ko;

namespace {

// The three codecs over their factories, records made without services.
struct Codecs {
    TaskProfileJSON_CE ce{std::make_shared<TaskProfile_CE_Factory>(nullptr, nullptr, nullptr)};
    TaskProfileJSON_TE te{std::make_shared<TaskProfile_TE_Factory>(nullptr, nullptr)};
    TaskProfileJSON_Camera camera{std::make_shared<TaskProfile_Camera_Factory>()};

    // The list stored under key, read back and written out again as its codec writes it.
    QJsonArray reread(const IKVStore* store, const QString& key) const {
        QJsonArray out;
        if (key == "exp_groups") {
            for (const auto& p : readProfileList(store, key, camera))
                out.append(camera.toJson(p.get()));
        } else {
            const ITaskProfileJSON& codec =
                key == "userobj.radec" ? static_cast<const ITaskProfileJSON&>(ce) : te;
            for (const auto& p : readProfileList(store, key, codec))
                out.append(codec.toJson(p.get()));
        }
        return out;
    }
};

QJsonArray array(const char* json) {
    return QJsonDocument::fromJson(json).array();
}

} // namespace

class TestTaskProfiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;

    QString settingsPath() const { return m_tmp->path() + "/QuorvelPro/Settings.txt"; }
    std::shared_ptr<QtKVStore> newStore() const {
        return openScratchStore(m_tmp->path() + "/data");
    }
    void writeSettings(const QByteArray& text) const {
        QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).path()));
        QFile f(settingsPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

private slots:
    void init() {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    // What a settings file holds under a key, and the records it reads as, written out again.
    void readingAStoredList_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonArray>("records");

        const auto ce = [](const char* name, double ra, double dec, bool j2000) {
            return QJsonObject{{"name", name}, {"ra", ra}, {"dec", dec}, {"j2000", j2000}};
        };
        const auto te = [](const char* name, double axis1, double axis2) {
            return QJsonObject{{"name", name}, {"axis1", axis1}, {"axis2", axis2}};
        };
        const auto cam = [](double exposure, double interval, int photos, bool enabled) {
            return QJsonObject{{"t_exposure", exposure},
                               {"t_interval", interval},
                               {"n_cycles", photos},
                               {"enabled", enabled}};
        };
        for (const char* key : {"userobj.radec", "userobj.axis", "exp_groups"}) {
            QTest::addRow("%s: empty file", key) << QByteArray() << key << QJsonArray();
            QTest::addRow("%s: not an array", key)
                << QByteArray("{\"") + key + "\": {\"name\": \"x\"}}" << key << QJsonArray();
        }
        QTest::newRow("celestial, every field")
            << QByteArray(R"({"userobj.radec": [{"name": "Vega", "ra": 18.6, "dec": 38.8,
                                                 "j2000": false}]})")
            << "userobj.radec" << QJsonArray{ce("Vega", 18.6, 38.8, false)};
        QTest::newRow("celestial, ra as text leaves the default")
            << QByteArray(R"({"userobj.radec": [{"name": "M", "ra": "5"}]})") << "userobj.radec"
            << QJsonArray{ce("M", 0, 0, true)};
        QTest::newRow("celestial, j2000 as 1 and name as number leave defaults")
            << QByteArray(R"({"userobj.radec": [{"name": 7, "dec": -12.5, "j2000": 1}]})")
            << "userobj.radec" << QJsonArray{ce("", 0, -12.5, true)};
        QTest::newRow("celestial, unknown keys ignored, order kept")
            << QByteArray(R"({"userobj.radec": [{"name": "B", "axis1": 3, "x": null},
                                                {"name": "A", "ra": 23.99}]})")
            << "userobj.radec" << QJsonArray{ce("B", 0, 0, true), ce("A", 23.99, 0, true)};
        QTest::newRow("terrestrial, a number element is a record of defaults")
            << QByteArray(R"({"userobj.axis": [5, {"name": "Tower", "axis1": -90.5,
                                                   "axis2": "1"}, null]})")
            << "userobj.axis" << QJsonArray{te("", 0, 0), te("Tower", -90.5, 0), te("", 0, 0)};
        QTest::newRow("camera, every field")
            << QByteArray(R"({"exp_groups": [{"t_exposure": 30, "t_interval": 5,
                                              "n_cycles": 12, "enabled": false}]})")
            << "exp_groups" << QJsonArray{cam(30, 5, 12, false)};
        QTest::newRow("camera, photos truncated toward zero")
            << QByteArray(R"({"exp_groups": [{"n_cycles": 3.9}, {"n_cycles": -2.5}]})")
            << "exp_groups" << QJsonArray{cam(10, 2, 3, true), cam(10, 2, -2, true)};
        QTest::newRow("camera, photos beyond int held at its ends")
            << QByteArray(R"({"exp_groups": [{"n_cycles": 1e300}, {"n_cycles": -1e300}]})")
            << "exp_groups" << QJsonArray{cam(10, 2, INT_MAX, true), cam(10, 2, INT_MIN, true)};
        QTest::newRow("camera, wrong types leave defaults")
            << QByteArray(R"({"exp_groups": [{"t_exposure": "30", "n_cycles": true,
                                              "enabled": 0}, "x"]})")
            << "exp_groups" << QJsonArray{cam(10, 2, 1, true), cam(10, 2, 1, true)};
    }
    void readingAStoredList() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QJsonArray, records);
        writeSettings(file);
        QCOMPARE(Codecs().reread(newStore().get(), key), records);
        QCOMPARE(Codecs().reread(nullptr, key), QJsonArray());
    }

    // Lists written to the settings file come back from a new store in the same order with the
    // same values; other keys, and the other lists, are kept.
    void writtenListsSurviveARestart() {
        Codecs codecs;
        auto store = newStore();
        store->saveInt("other", 4);

        std::vector<std::shared_ptr<IUserObject>> ce;
        for (const auto& [name, ra, dec, j2000] :
             {std::tuple{"Deneb", 20.69, 45.28, true}, {"Mira", 2.32, -2.98, false}}) {
            const auto p = std::static_pointer_cast<ITaskProfile_CE>(codecs.ce.fromJson({}));
            p->setName(name);
            p->setRa(ra);
            p->setDec(dec);
            p->setIsJ2000(j2000);
            ce.push_back(p);
        }
        const auto tower = std::static_pointer_cast<ITaskProfile_TE>(codecs.te.fromJson({}));
        tower->setName(QString::fromUtf8("Kirchturm \xc3\xa4"));
        tower->setAxis1(123.25);
        tower->setAxis2(-7.5);
        std::vector<std::shared_ptr<IUserObject>> te{tower};
        std::vector<std::shared_ptr<ITaskProfile_Camera>> cam{codecs.camera.fromJson({}),
                                                              codecs.camera.fromJson({})};
        cam[1]->setExposureSec(120);
        cam[1]->setPhotoIntervalSec(0);
        cam[1]->setPhotos(40);
        cam[1]->setEnExposure(false);
        cam[1]->setProgress(3, 4, -1);

        writeProfileList(store.get(), "userobj.radec", codecs.ce, ce);
        writeProfileList(store.get(), "userobj.axis", codecs.te, te);
        writeProfileList(store.get(), "exp_groups", codecs.camera, cam);

        const auto reopened = newStore();
        QCOMPARE(reopened->loadInt("other", 0), 4);
        const auto ce2 = readProfileList(reopened.get(), "userobj.radec", codecs.ce);
        QCOMPARE(ce2.size(), size_t(2));
        for (size_t i = 0; i < ce2.size(); ++i) {
            const auto* a = qobject_cast<ITaskProfile_CE*>(ce[i].get());
            const auto* b = qobject_cast<ITaskProfile_CE*>(ce2[i].get());
            QVERIFY(b);
            QCOMPARE(b->name(), a->name());
            QCOMPARE(b->ra(), a->ra());
            QCOMPARE(b->dec(), a->dec());
            QCOMPARE(b->isJ2000(), a->isJ2000());
        }
        const auto te2 = readProfileList(reopened.get(), "userobj.axis", codecs.te);
        QCOMPARE(te2.size(), size_t(1));
        const auto* tower2 = qobject_cast<ITaskProfile_TE*>(te2[0].get());
        QVERIFY(tower2);
        QCOMPARE(tower2->name(), tower->name());
        QCOMPARE(tower2->axis1(), 123.25);
        QCOMPARE(tower2->axis2(), -7.5);
        const auto cam2 = readProfileList(reopened.get(), "exp_groups", codecs.camera);
        QCOMPARE(cam2.size(), size_t(2));
        for (size_t i = 0; i < cam2.size(); ++i) {
            QCOMPARE(cam2[i]->exposureSec(), cam[i]->exposureSec());
            QCOMPARE(cam2[i]->photoIntervalSec(), cam[i]->photoIntervalSec());
            QCOMPARE(cam2[i]->photos(), cam[i]->photos());
            QCOMPARE(cam2[i]->enExposure(), cam[i]->enExposure());
            QCOMPARE(cam2[i]->photosCur(), QString());
            QCOMPARE(cam2[i]->exposureCur(), QString());
        }
        // An object stored without edits says it is of J2000.
        writeProfileList(store.get(), "userobj.radec", codecs.ce,
                         std::vector{codecs.ce.fromJson({})});
        QCOMPARE(newStore()->json().value("userobj.radec").toArray(),
                 array(R"([{"name": "", "ra": 0, "dec": 0, "j2000": true}])"));
        // Without a store nothing is written and nothing fails.
        writeProfileList(nullptr, "exp_groups", codecs.camera, cam);
    }

    void progressTexts_data() {
        QTest::addColumn<int>("photosDone");
        QTest::addColumn<double>("exposureLeft");
        QTest::addColumn<double>("intervalLeft");
        QTest::addColumn<QStringList>("texts"); // exposure, interval, photos

        QTest::newRow("exposing") << 2 << 7.0 << -1.0 << QStringList{"7s", "", "2"};
        QTest::newRow("waiting") << 0 << -1.0 << 3.0 << QStringList{"", "3s", "0"};
        QTest::newRow("fractions truncate") << 1 << 2.9 << -0.5 << QStringList{"2s", "0s", "1"};
        QTest::newRow("beyond int") << 1 << 1e12 << -1.0 << QStringList{"1000000000000s", "", "1"};
        QTest::newRow("done") << -1 << 4.0 << 5.0 << QStringList{"Done", "Done", "Done"};
        QTest::newRow("cleared") << -2 << 4.0 << 5.0 << QStringList{"", "", ""};
    }
    void progressTexts() {
        QFETCH(int, photosDone);
        QFETCH(double, exposureLeft);
        QFETCH(double, intervalLeft);
        QFETCH(QStringList, texts);
        TaskProfile_Camera p;
        p.setProgress(5, 1, 1);
        QSignalSpy changed(&p, &ITaskProfile_Camera::valueCurChanged);
        p.setProgress(photosDone, exposureLeft, intervalLeft);
        QCOMPARE(changed.size(), 1);
        QCOMPARE((QStringList{p.exposureCur(), p.photoIntervalCur(), p.photosCur()}), texts);
    }

    // Copies carry the values and none of the progress; the signals go to the source.
    void copiesOfRecords() {
        TaskProfile_Camera p;
        p.setExposureSec(3);
        p.setPhotos(9);
        p.setEnExposure(false);
        p.setProgress(2, 1, -1);
        QSignalSpy changed(&p, &ITaskProfile_Camera::valueChanged);
        std::unique_ptr<ITaskProfile_Camera> copy(p.clone());
        std::unique_ptr<ITaskProfile_Camera> fresh(p.createDefault());
        QCOMPARE(changed.size(), 2);
        QCOMPARE(copy->parent(), nullptr);
        QCOMPARE((std::tuple{copy->exposureSec(), copy->photoIntervalSec(), copy->photos(),
                             copy->enExposure(), copy->photosCur()}),
                 (std::tuple{3.0, 2.0, 9, false, QString()}));
        QCOMPARE((std::tuple{fresh->exposureSec(), fresh->photoIntervalSec(), fresh->photos(),
                             fresh->enExposure()}),
                 (std::tuple{10.0, 2.0, 1, true}));

        TaskProfile_CE ce(nullptr, nullptr, nullptr);
        ce.setName("X");
        ce.setRa(1.5);
        ce.setDec(-3);
        ce.setIsJ2000(false);
        QSignalSpy ceChanged(&ce, &ITaskProfile_CE::valueChanged);
        std::unique_ptr<IUserObject> ceCopy(ce.clone());
        QCOMPARE(ceChanged.size(), 0);
        QCOMPARE(Codecs().ce.toJson(ceCopy.get()), Codecs().ce.toJson(&ce));
        TaskProfile_TE te(nullptr, nullptr);
        te.setName("Y");
        te.setAxis1(10);
        te.setAxis2(20);
        std::unique_ptr<IUserObject> teCopy(te.clone());
        QCOMPARE(Codecs().te.toJson(teCopy.get()), Codecs().te.toJson(&te));
    }
};

QTEST_GUILESS_MAIN(TestTaskProfiles)
#include "tst_taskprofiles.moc"
