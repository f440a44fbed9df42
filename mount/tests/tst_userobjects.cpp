#include "astro/angleutil.h"
#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "base/tests/scratchsettings.h"
#include "mount/igotoguard.h"
#include "mount/profiles/cameracontrollist.h"
#include "mount/profiles/taskprofile_ce.h"
#include "mount/profiles/taskprofile_te.h"
#include "mount/profiles/taskprofilejson.h"
#include "mount/profiles/userobjectlist.h"
#include "mount/tests/fakemount.h"
#include "mount/tests/mountstackrig.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <numbers>

using namespace Ko;
using std::numbers::pi;

namespace {

// Refuses every GoTo with its reason while it has one, and keeps the targets it was asked about.
// Main thread only.
struct FakeGoToGuard : IGoToGuard {
    QString reason;
    mutable std::vector<std::pair<double, double>> asked;

    QString goToRefusal(double raNow, double decNow) const override {
        asked.emplace_back(raNow, decNow);
        return reason;
    }
};

// The user-object services as the application builds them, over a real settings file, a real
// mount holder with a recording mount in it, and the real sky conversions on a clock that stands
// still at a site in central Europe.
struct UserObjectsRig : MountControlRig {
    std::shared_ptr<FakeMount> mount = std::make_shared<FakeMount>();
    std::shared_ptr<FakeGoToGuard> guard = std::make_shared<FakeGoToGuard>();
    UserObjectServices services;

    explicit UserObjectsRig(const QStringList& celestialNames = {})
        : MountControlRig({48.1 * kDeg, -11.5 * kDeg, kEpochMs, {}, {}, 0}) {
        QJsonArray stored;
        for (const QString& name : celestialNames)
            stored.append(QJsonObject{{"name", name}, {"ra", stored.size() + 1.0}});
        store->updateJson([&](QJsonObject& o) { o.insert("userobj.radec", stored); });
        holder->setMount(mount);
        services = createUserObjectServices(store, astro, holder, guard);
    }
    std::shared_ptr<QtKVStore> newStore() const { return openScratchStore(dir.path() + "/data"); }
    UserObjectList& list(bool celestial) const {
        return celestial ? *services.celestial : *services.terrestrial;
    }
};

QStringList names(const QList<QObject*>& list) {
    QStringList out;
    for (QObject* o : list)
        out.append(qobject_cast<IUserObject*>(o)->name());
    return out;
}

QStringList storedNames(const QJsonArray& array) {
    QStringList out;
    for (const QJsonValue& v : array)
        out.append(v.toObject().value("name").toString());
    return out;
}

// The record's values: (ra, dec) or (axis1, axis2).
QPointF values(const IUserObject* o) {
    if (const auto* ce = qobject_cast<const ITaskProfile_CE*>(o))
        return {ce->ra(), ce->dec()};
    const auto* te = qobject_cast<const ITaskProfile_TE*>(o);
    return {te->axis1(), te->axis2()};
}

} // namespace

class TestUserObjects : public QObject {
    Q_OBJECT

private slots:
    // Changes to the celestial list, the names it then holds, the same names in the settings
    // file, and a list built anew from that file.
    void editingTheList_data() {
        QTest::addColumn<QStringList>("initial");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("save with a new name goes on top")
            << QStringList{"A", "B"} << "save C" << QStringList{"C", "A", "B"};
        QTest::newRow("save replaces the name letter for letter only")
            << QStringList{"vega", "Vega", "Deneb"} << "save Vega"
            << QStringList{"Vega", "vega", "Deneb"};
        QTest::newRow("save into an empty list") << QStringList{} << "save X" << QStringList{"X"};
        QTest::newRow("save of a record from the list itself")
            << QStringList{"A", "B"} << "resave 1" << QStringList{"B", "A"};
        QTest::newRow("reorder and delete")
            << QStringList{"A", "B", "C"} << "setList 2 0" << QStringList{"C", "A"};
        QTest::newRow("delete everything") << QStringList{"A", "B"} << "setList" << QStringList{};
    }
    void editingTheList() {
        QFETCH(QStringList, initial);
        QFETCH(QString, operation);
        QFETCH(QStringList, expected);
        UserObjectsRig rig(initial);
        UserObjectList& list = *rig.services.celestial;
        QCOMPARE(names(list.list()), initial);
        QSignalSpy changed(&list, &IUserObjectList::listChanged);
        const QStringList words = operation.split(' ', Qt::SkipEmptyParts);
        std::unique_ptr<IUserObject> edited;
        if (words[0] == "save") {
            edited.reset(list.objectLoadCurrent());
            edited->setName(words[1]);
            list.save(edited.get());
            // The list keeps a copy; the record saved stays the caller's.
            QVERIFY(list.list().front() != edited.get());
        } else if (words[0] == "resave") {
            list.save(qobject_cast<IUserObject*>(list.list().at(words[1].toInt())));
        } else {
            QList<QObject*> order;
            for (const QString& w : words.mid(1))
                order.append(list.list().at(w.toInt()));
            list.setList(order);
        }
        QCOMPARE(changed.size(), 1);
        QCOMPARE(names(list.list()), expected);
        QCOMPARE(storedNames(rig.newStore()->json().value("userobj.radec").toArray()), expected);
        const UserObjectList reread(
            std::make_shared<TaskProfileJSON_CE>(
                std::make_shared<TaskProfile_CE_Factory>(rig.astro, rig.holder, rig.guard)),
            rig.newStore(), UserObjectMode_::CE);
        QCOMPARE(names(reread.list()), expected);
    }

    // load hands out copies: 0 or less is the first record, past the end is nothing.
    void loadingCopies_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name"); // empty: null
        QTest::newRow("-3 is the first") << -3 << "A";
        QTest::newRow("0") << 0 << "A";
        QTest::newRow("last") << 2 << "C";
        QTest::newRow("the length is past the end") << 3 << "";
    }
    void loadingCopies() {
        QFETCH(int, index);
        QFETCH(QString, name);
        UserObjectsRig rig({"A", "B", "C"});
        std::unique_ptr<IUserObject> copy(rig.services.celestial->load(index));
        QCOMPARE(copy ? copy->name() : QString(), name);
        if (copy) {
            QVERIFY(!rig.services.celestial->list().contains(copy.get()));
            QCOMPARE(copy->parent(), nullptr);
            QCOMPARE(values(copy.get()).x(),
                     double(QStringList({"A", "B", "C"}).indexOf(name) + 1));
        }
        QCOMPARE(rig.services.terrestrial->load(index), nullptr);
    }

    // Filling a record from the mount: the name, the values and the signals, on the main
    // thread, after the read on a thread of its own.
    void loadingTheCurrentPosition_data() {
        QTest::addColumn<bool>("celestial");
        QTest::addColumn<QString>("mountState");
        QTest::addColumn<bool>("readError");
        for (bool celestial : {true, false}) {
            const char* kind = celestial ? "celestial" : "terrestrial";
            QTest::addRow("%s, no mount", kind) << celestial << "none" << false;
            QTest::addRow("%s, time-out", kind) << celestial << "timeout" << true;
            QTest::addRow("%s, error reply", kind) << celestial << "nak" << true;
            QTest::addRow("%s, read", kind) << celestial << "ok" << false;
        }
    }
    void loadingTheCurrentPosition() {
        QFETCH(bool, celestial);
        QFETCH(QString, mountState);
        QFETCH(bool, readError);
        UserObjectsRig rig;
        // Observed hour angle and declination, and the two axis angles.
        const IMount::AnglePair sky{-0.7, 0.35};
        const IMount::AnglePair axes{0.5, -0.25};
        if (mountState == "none")
            rig.holder->disconnect();
        else if (mountState == "ok")
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::ok(sky),
                                   CmdResp<IMount::AnglePair>::ok(axes));
        else
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(mountState == "nak"
                                                                        ? CmdRetType_::Nak
                                                                        : CmdRetType_::Timeout),
                                   CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout));
        std::unique_ptr<IUserObject> record(rig.list(celestial).objectLoadCurrent());
        record->setName("old");
        if (auto* ce = qobject_cast<ITaskProfile_CE*>(record.get())) {
            ce->setRa(3);
            ce->setIsJ2000(mountState == "ok");
        } else {
            qobject_cast<ITaskProfile_TE*>(record.get())->setAxis1(3);
        }
        QSignalSpy loaded(record.get(), &IUserObject::loaded);
        QSignalSpy nameChanged(record.get(), &IUserObject::nameChanged);
        QSignalSpy valueChanged(record.get(), SIGNAL(valueChanged()));
        QSignalSpy errors(record.get(), SIGNAL(readError()));
        QThread* const mainThread = QThread::currentThread();
        QThread* loadedOn = nullptr;
        connect(
            record.get(), &IUserObject::loaded, this, [&] { loadedOn = QThread::currentThread(); },
            Qt::DirectConnection);
        record->loadCurrentAsync();
        QCOMPARE(record->name(), "Current object");
        QTRY_COMPARE(loaded.size(), 1);
        QCOMPARE(loadedOn, mainThread);
        QCOMPARE(valueChanged.size(), 1);
        QCOMPARE(errors.size(), readError ? 1 : 0);
        QCOMPARE(nameChanged.size(), 0);

        // Only a value read from the mount is a position; zeros without a mount are none.
        QCOMPARE(record->hasPosition(), mountState == "ok");
        const QPointF v = values(record.get());
        if (mountState != "ok") {
            QCOMPARE(v, QPointF(0, 0));
            if (celestial)
                QVERIFY(qobject_cast<ITaskProfile_CE*>(record.get())->isJ2000());
        } else if (celestial) {
            QVERIFY(!qobject_cast<ITaskProfile_CE*>(record.get())->isJ2000());
            // At the same instant, the right ascension and declination of date and the observed
            // pair the mount gave must be one place: compared as true hour angle and declination,
            // each reached through the chain (refraction removed once, on the mount's side), within
            // 0.01".
            const U_ASTRO_COORD fromMount =
                rig.astro
                    ->allFramesNow({sky.first, sky.second, CoordType::HDObsv},
                                   CoordType::HDTrue)[CoordType::HDTrue]
                    .value();
            const U_ASTRO_COORD fromRecord = rig.astro->convertNow(
                {v.x() * pi / 12, v.y() * kDeg, CoordType::RDJNow}, CoordType::HDTrue);
            constexpr double kTolerance = 0.01 / 3600 * kDeg;
            QVERIFY(std::abs(std::remainder(fromRecord.a - fromMount.a, 2 * pi)) < kTolerance);
            QVERIFY(std::abs(fromRecord.b - fromMount.b) < kTolerance);
            QVERIFY(v.x() >= 0 && v.x() < 24);
        } else {
            QCOMPARE(v.x(), axes.first / pi * 180);
            QCOMPARE(v.y(), axes.second / pi * 180);
        }
    }

    // A record that QML destroys while its position is being read is left alone when the reading
    // arrives; a record beside it still gets its own.
    void recordDestroyedDuringTheRead() {
        UserObjectsRig rig;
        rig.mount->setReadings(CmdResp<IMount::AnglePair>::ok({0.1, 0.2}),
                               CmdResp<IMount::AnglePair>::ok({0.3, 0.4}));
        rig.mount->hold();
        auto* doomed = rig.services.terrestrial->objectLoadCurrent();
        std::unique_ptr<IUserObject> kept(rig.services.terrestrial->objectLoadCurrent());
        // The records hold the holder too; the doomed one lets go of it.
        const long idleUses = rig.holder.use_count() - 1;
        QSignalSpy loaded(kept.get(), &IUserObject::loaded);
        doomed->loadCurrentAsync();
        kept->loadCurrentAsync();
        QTRY_COMPARE(rig.mount->readsStarted(), 2);
        delete doomed;
        rig.mount->release();
        QTRY_COMPARE(loaded.size(), 1);
        // Both reading threads have let go of the holder: every reading has been posted.
        QTRY_COMPARE(rig.holder.use_count(), idleUses);
        QCoreApplication::processEvents();
        QCOMPARE(values(kept.get()), QPointF(0.3 / pi * 180, 0.4 / pi * 180));
    }

    // A read that failed leaves zeros that nobody read: the record has no position and a GoTo
    // sends nothing, until a value is set by hand or a later read succeeds. A copy made in
    // between has no position either.
    void goToAfterAFailedRead_data() {
        QTest::addColumn<bool>("celestial");
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("hasPosition");
        QTest::addColumn<int>("positionChanges");
        for (bool celestial : {true, false}) {
            const char* kind = celestial ? "celestial" : "terrestrial";
            QTest::addRow("%s, failed read", kind) << celestial << "" << false << 1;
            QTest::addRow("%s, failed read, copied", kind) << celestial << "copy" << false << 1;
            QTest::addRow("%s, failed read, then typed", kind) << celestial << "type" << true << 2;
            QTest::addRow("%s, failed read twice", kind) << celestial << "fail" << false << 1;
            QTest::addRow("%s, failed read, then read", kind) << celestial << "read" << true << 2;
        }
    }
    void goToAfterAFailedRead() {
        QFETCH(bool, celestial);
        QFETCH(QString, then);
        QFETCH(bool, hasPosition);
        QFETCH(int, positionChanges);
        UserObjectsRig rig;
        rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout),
                               CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout));
        std::unique_ptr<IUserObject> record(rig.list(celestial).objectLoadCurrent());
        QVERIFY(record->hasPosition());
        QSignalSpy changes(record.get(), &IUserObject::hasPositionChanged);
        QSignalSpy loaded(record.get(), &IUserObject::loaded);
        record->loadCurrentAsync();
        QTRY_COMPARE(loaded.size(), 1);
        QVERIFY(!record->hasPosition());

        if (then == "copy") {
            record.reset(record->clone());
        } else if (then == "type") {
            if (auto* ce = qobject_cast<ITaskProfile_CE*>(record.get()))
                ce->setRa(5);
            else
                qobject_cast<ITaskProfile_TE*>(record.get())->setAxis1(5);
        } else if (then == "fail" || then == "read") {
            if (then == "read")
                rig.mount->setReadings(CmdResp<IMount::AnglePair>::ok({0.1, 0.2}),
                                       CmdResp<IMount::AnglePair>::ok({0.3, 0.4}));
            record->loadCurrentAsync();
            QTRY_COMPARE(loaded.size(), 2);
        }
        QCOMPARE(record->hasPosition(), hasPosition);
        if (then != "copy")
            QCOMPARE(changes.size(), positionChanges);
        record->startGoTo();
        QCOMPARE(rig.mount->slews().size(), size_t(hasPosition ? 1 : 0));
    }

    // After a Disconnect (or a failed read), a record filled from the mount has no position, and
    // saving it under a stored object's name leaves that object, in the list and in the settings
    // file, as it was. A read that succeeds replaces it.
    void saveAfterDisconnect_data() {
        QTest::addColumn<bool>("celestial");
        QTest::addColumn<QString>("mountState");
        for (bool celestial : {true, false}) {
            const char* kind = celestial ? "celestial" : "terrestrial";
            QTest::addRow("%s, disconnected", kind) << celestial << "none";
            QTest::addRow("%s, read timed out", kind) << celestial << "timeout";
            QTest::addRow("%s, read", kind) << celestial << "ok";
        }
    }
    void saveAfterDisconnect() {
        QFETCH(bool, celestial);
        QFETCH(QString, mountState);
        UserObjectsRig rig;
        UserObjectList& list = rig.list(celestial);
        const QString key = celestial ? "userobj.radec" : "userobj.axis";
        // Saved once while connected: a position near the pole, of date.
        std::unique_ptr<IUserObject> saved(list.objectLoadCurrent());
        saved->setName("Current object");
        if (auto* ce = qobject_cast<ITaskProfile_CE*>(saved.get())) {
            ce->setRa(22.19);
            ce->setDec(89.43);
            ce->setIsJ2000(false);
        } else {
            auto* te = qobject_cast<ITaskProfile_TE*>(saved.get());
            te->setAxis1(22.19);
            te->setAxis2(89.43);
        }
        list.save(saved.get());
        const QJsonArray before = rig.newStore()->json().value(key).toArray();
        QCOMPARE(before.size(), 1);

        if (mountState == "none")
            rig.holder->disconnect();
        else if (mountState == "ok")
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::ok({-0.7, 0.35}),
                                   CmdResp<IMount::AnglePair>::ok({0.5, -0.25}));
        else
            rig.mount->setReadings(CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout),
                                   CmdResp<IMount::AnglePair>::fail(CmdRetType_::Timeout));
        std::unique_ptr<IUserObject> current(list.objectLoadCurrent());
        QSignalSpy loaded(current.get(), &IUserObject::loaded);
        current->loadCurrentAsync();
        QTRY_COMPARE(loaded.size(), 1);
        QCOMPARE(current->name(), "Current object");
        QSignalSpy changed(&list, &IUserObjectList::listChanged);
        list.save(current.get());

        const bool replaced = mountState == "ok";
        QCOMPARE(changed.size(), replaced ? 1 : 0);
        QCOMPARE(list.list().size(), 1);
        const QPointF kept(22.19, 89.43);
        QCOMPARE(values(qobject_cast<IUserObject*>(list.list().front())) == kept, !replaced);
        const QJsonArray after = rig.newStore()->json().value(key).toArray();
        QCOMPARE(after.size(), 1);
        QCOMPARE(after == before, !replaced);
    }

    // GoTo: the target the mount is given, and the altitude refusal.
    void goTo_data() {
        QTest::addColumn<bool>("celestial");
        QTest::addColumn<QPointF>("values"); // (ra h, dec °) or (axis1 °, axis2 °)
        QTest::addColumn<bool>("j2000");
        QTest::addColumn<bool>("refused");

        QTest::newRow("J2000 object") << true << QPointF(6, 30) << true << false;
        QTest::newRow("object of date, unconverted")
            << true << QPointF(18.5, -20) << false << false;
        QTest::newRow("refused by the altitude limits") << true << QPointF(1, -80) << false << true;
        QTest::newRow("axes (0, 0)") << false << QPointF(0, 0) << false << false;
        QTest::newRow("axes, refusal not reported") << false << QPointF(90, -45) << false << true;
    }
    void goTo() {
        QFETCH(bool, celestial);
        QFETCH(QPointF, values);
        QFETCH(bool, j2000);
        QFETCH(bool, refused);
        UserObjectsRig rig;
        rig.mount->slewAnswer = !refused;
        std::unique_ptr<IUserObject> record(rig.list(celestial).objectLoadCurrent());
        record->setName(QString::fromUtf8("Zie\xc3\x9f"));
        U_ASTRO_COORD expected;
        if (auto* ce = qobject_cast<ITaskProfile_CE*>(record.get())) {
            ce->setRa(values.x());
            ce->setDec(values.y());
            ce->setIsJ2000(j2000);
            const U_ASTRO_COORD given{values.x() * pi / 12, values.y() * kDeg,
                                      j2000 ? CoordType::RDJ2000 : CoordType::RDJNow};
            expected = j2000 ? rig.astro->convertNow(given, CoordType::RDJNow) : given;
        } else {
            auto* te = qobject_cast<ITaskProfile_TE*>(record.get());
            te->setAxis1(values.x());
            te->setAxis2(values.y());
            expected = {values.x() * kDeg, values.y() * kDeg, CoordType::MountAxes};
        }
        QSignalSpy altError(record.get(), SIGNAL(altError()));
        record->startGoTo();
        const auto slews = rig.mount->slews();
        QCOMPARE(slews.size(), size_t(1));
        QCOMPARE(slews[0], (MountTarget{"Zie\xc3\x9f", expected, 0}));
        if (j2000) // precession since 2000 moves it by minutes of arc
            QVERIFY(std::abs(slews[0].coord.a - values.x() * pi / 12) > 1.0 / 60 * kDeg);
        QCOMPARE(altError.size(), refused && celestial ? 1 : 0);

        // Without a mount nothing is sent.
        rig.holder->disconnect();
        record->startGoTo();
        QCOMPARE(rig.mount->slews().size(), size_t(1));
    }

    // A celestial GoTo asks the guard about its target of date before the mount: a refusal
    // reaches neither the mount nor its altitude check and is reported with the guard's words;
    // a pass goes on to the mount. Copies from the list, and objects read from the settings file
    // at start (as after a restart), ask the same guard.
    void goToGuard_data() {
        QTest::addColumn<bool>("j2000");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("mountRefuses");
        QTest::addColumn<QString>("source"); // new, saved (a copy from the list), stored
        const QString sun = "Too close to Sun";
        dataRow("refused, of date", false, sun, false, QString("new"));
        dataRow("refused, J2000 judged of date", true, sun, false, QString("new"));
        dataRow("refused before the altitude check", false, sun, true, QString("new"));
        dataRow("refused, a copy from the list", false, sun, false, QString("saved"));
        dataRow("refused, J2000 read at start", true, sun, false, QString("stored"));
        dataRow("passed, J2000", true, QString(), false, QString("new"));
        dataRow("passed, then the altitude refusal", false, QString(), true, QString("new"));
    }
    void goToGuard() {
        QFETCH(bool, j2000);
        QFETCH(QString, reason);
        QFETCH(bool, mountRefuses);
        QFETCH(QString, source);
        UserObjectsRig rig(source == "stored" ? QStringList{"Stored"} : QStringList{});
        rig.guard->reason = reason;
        rig.mount->slewAnswer = !mountRefuses;
        std::unique_ptr<IUserObject> record(source == "stored"
                                                ? rig.services.celestial->load(0)
                                                : rig.services.celestial->objectLoadCurrent());
        auto* ce = qobject_cast<ITaskProfile_CE*>(record.get());
        ce->setName("Sun");
        ce->setRa(17.0222);
        ce->setDec(-22.75);
        ce->setIsJ2000(j2000);
        if (source == "saved") {
            rig.services.celestial->save(record.get());
            record.reset(rig.services.celestial->load(0));
            ce = qobject_cast<ITaskProfile_CE*>(record.get());
        }
        const U_ASTRO_COORD given{17.0222 * pi / 12, -22.75 * kDeg,
                                  j2000 ? CoordType::RDJ2000 : CoordType::RDJNow};
        const U_ASTRO_COORD ofDate =
            j2000 ? rig.astro->convertNow(given, CoordType::RDJNow) : given;
        QSignalSpy refused(ce, &ITaskProfile_CE::goToRefused);
        QSignalSpy altError(ce, &ITaskProfile_CE::altError);
        record->startGoTo();
        QCOMPARE(rig.guard->asked.size(), size_t(1));
        QCOMPARE(rig.guard->asked[0], std::make_pair(ofDate.a, ofDate.b));
        const bool passed = reason.isEmpty();
        QCOMPARE(refused.size(), passed ? 0 : 1);
        if (!passed)
            QCOMPARE(refused[0][0].toString(), reason);
        QCOMPARE(rig.mount->slews().size(), size_t(passed ? 1 : 0));
        QCOMPARE(altError.size(), passed && mountRefuses ? 1 : 0);
    }

    // The whole road on the emulated mount, connected through the real connection stack: a
    // landmark by its axis angles, then a celestial object of date, then one below the horizon.
    void goToOnTheEmulatedMount() {
        StackRig stack;
        QVERIFY(stack.connectMount());
        const UserObjectServices services = createUserObjectServices(
            stack.store, stack.astro, stack.holder, std::make_shared<FakeGoToGuard>());
        const std::shared_ptr<IMount> mount = stack.holder->sharedMount();
        QVERIFY(mount);
        // Each GoTo's end, with its result.
        std::atomic<int> finished{0};
        std::atomic<bool> allOk{true};
        const auto awaitGoTo = [&](IUserObject& record) {
            const int before = finished.load();
            mount->slewToFinished.append([&](CmdRet r) {
                allOk = allOk && r.isOk();
                ++finished;
            });
            record.startGoTo();
            return QTest::qWaitFor([&] { return finished.load() > before; }, 60000);
        };
        // The emulated axes stop within their goto tolerance; 2' covers it.
        constexpr double kArrival = 2.0 / 60 * kDeg;

        std::unique_ptr<IUserObject> landmark(services.terrestrial->objectLoadCurrent());
        auto* te = qobject_cast<ITaskProfile_TE*>(landmark.get());
        te->setName("Mast");
        te->setAxis1(-70);
        te->setAxis2(75);
        QVERIFY(awaitGoTo(*landmark));
        QVERIFY(allOk);
        const auto axes = mount->readAxisPositions();
        QVERIFY(axes.isOk());
        QVERIFY(std::abs(axes.value().first + 70 * kDeg) < kArrival);
        QVERIFY(std::abs(axes.value().second - 75 * kDeg) < kArrival);
        // Read back into a fresh record, in degrees.
        std::unique_ptr<IUserObject> here(services.terrestrial->objectLoadCurrent());
        QSignalSpy loaded(here.get(), &IUserObject::loaded);
        here->loadCurrentAsync();
        QTRY_COMPARE(loaded.size(), 1);
        QVERIFY(std::abs(values(here.get()).x() + 70) < 2.0 / 60);
        QVERIFY(std::abs(values(here.get()).y() - 75) < 2.0 / 60);

        // A place 30° east of the meridian at declination +30°, given as coordinates of date.
        const U_ASTRO_COORD place = stack.astro
                                        ->allFramesNow({-30 * kDeg, 30 * kDeg, CoordType::HDTrue},
                                                       CoordType::RDJ2000)[CoordType::RDJNow]
                                        .value();
        std::unique_ptr<IUserObject> star(services.celestial->objectLoadCurrent());
        auto* ce = qobject_cast<ITaskProfile_CE*>(star.get());
        ce->setName("Target");
        ce->setRa(place.a * 12 / pi);
        ce->setDec(place.b / kDeg);
        ce->setIsJ2000(false);
        QSignalSpy altError(star.get(), SIGNAL(altError()));
        QVERIFY(awaitGoTo(*star));
        QVERIFY(allOk);
        QCOMPARE(altError.size(), 0);
        // Where the mount points now against where the place is now (it tracks after the GoTo);
        // the check comes a moment after the end, so 3' more are allowed.
        const auto sky = mount->readPosition();
        QVERIFY(sky.isOk());
        const U_ASTRO_COORD expected =
            stack.astro->convertNow({place.a, place.b, CoordType::RDJNow}, CoordType::HDObsv);
        const double off = stack.astro->angularSeparation(
            sky.value(), IAstroCalc::AnglePair{expected.a, expected.b});
        QVERIFY2(off < kArrival + 3.0 / 60 * kDeg, qPrintable(QString::number(off / kDeg * 60)));

        // Below the horizon: refused, reported, nothing moves.
        ce->setDec(-place.b / kDeg);
        ce->setRa(std::fmod(place.a * 12 / pi + 12, 24));
        const int goTos = finished.load();
        star->startGoTo();
        QCOMPARE(altError.size(), 1);
        QVERIFY(!mount->slewToTarget().hasValue());
        QCOMPARE(finished.load(), goTos);
    }
};

QTEST_GUILESS_MAIN(TestUserObjects)
#include "tst_userobjects.moc"
