#include "base/tests/datarow.h"
#include "model/mountmode.h"
#include "model/tests/modelrig.h"
#include "model/tests/synthetic.h"
#include "model/transportalignmentdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

using namespace Ko;

namespace {

constexpr uint32_t kVersion = 0x010203;
// The five keys of one mount, in the order they are removed.
const std::vector<std::string> kMountKeys = {"mount.speed_fine_factor", "align.axis1",
                                             "align.axis2", "align.data", "align.pae"};
const double kEarthDiameter = 12742017.5428;

// A rig whose EQ mount (version 0x010203, kind 3) is connected at latitude 40, holding a
// two-star model it solved, and a correction point.
std::unique_ptr<ModelRig> alignedRig() {
    auto rig = std::make_unique<ModelRig>();
    rig->perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
    rig->setSite(40 * kDeg, 0.3);
    const TrueModel truth{MountMode_::EQ, 40 * kDeg, rotationZ(5 * kDeg), 0.4 * kDeg};
    rig->aligner->align2({"Vega", "Arcturus"}, truth.pairAt(100 * kDeg, 50 * kDeg),
                         truth.pairAt(250 * kDeg, 40 * kDeg));
    rig->pae->add("M 13", 0.1, 0.5, 0.11, 0.51);
    return rig;
}

} // namespace

class TestPerMountModel : public QObject {
    Q_OBJECT

private slots:
    // Announcing a mount: the same version and mode keep the mount's set (whatever the kind code),
    // anything else removes the five keys in order before the new identity is stored.
    void connectedMount_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("version");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("same");
        QTest::newRow("same mount") << 0 << uint(kVersion) << 3 << true;
        QTest::newRow("same mount, emulated") << 0 << uint(kVersion) << 6 << true;
        QTest::newRow("same version, other mode") << 1 << uint(kVersion) << 2 << false;
        QTest::newRow("other version") << 0 << uint(0x010204) << 3 << false;
    }

    void connectedMount() {
        QFETCH(int, mode);
        QFETCH(uint, version);
        QFETCH(int, kind);
        QFETCH(bool, same);
        auto rig = alignedRig();
        rig->perMount->setSpeedFineAdjustmentFactor(1.5);
        rig->perMount->setParkAxisPositions(std::pair{0.5, -0.25});
        rig->store->removed.clear();
        int fired = 0;
        rig->perMount->changed.append([&] { ++fired; });
        QCOMPARE(rig->perMount->setConnectedMount(mode, version, kind), same);
        QCOMPARE(fired, 1);
        QCOMPARE(rig->store->removed, same ? std::vector<std::string>{} : kMountKeys);
        const QJsonObject file = rig->file();
        for (const auto& key : kMountKeys)
            QCOMPARE(file.contains(QString::fromStdString(key)), same);
        QCOMPARE(file["lastmount.mcv"].toInt(), PerMountData::storedVersion(version));
        QCOMPARE(file["lastmount.mmode"].toInt(), mode);
        QCOMPARE(rig->perMount->lastMotorControllerVersion(), version);
        QCOMPARE(rig->perMount->lastMountKind(), kind);
        QCOMPARE(rig->perMount->parkAxisPositions().hasValue(), same);
        QCOMPARE(rig->perMount->speedFineAdjustmentFactor(), same ? 1.5 : 1.0);
        // The model: the saved one for the very same mount, else the default.
        QCOMPARE(rig->container->alignedStarCount(), same && kind == 3 ? 2 : 0);
        QCOMPARE(rig->pae->points().size(), size_t(same ? 1 : 0));
    }

    // A fresh settings file: the identity no mount has, and the first mount counts as another.
    void freshStart() {
        ModelRig rig;
        QCOMPARE(rig.perMount->lastMountMode(), int(MountMode_::AZ));
        QCOMPARE(rig.perMount->lastMotorControllerVersion(), 0xFFFFFFu);
        QCOMPARE(rig.perMount->lastMountKind(), 7);
        QVERIFY(rig.container->hasValue());
        QCOMPARE(rig.container->alignedStarCount(), 0);
        QCOMPARE(rig.container->get().mountMode.value(), int(MountMode_::AZ));
        QVERIFY(!rig.perMount->setConnectedMount(MountMode_::EQ, kVersion, 3));
        QCOMPARE(rig.file()["lastmount.mcv"].toInt(), 197121);
        QCOMPARE(rig.container->get().mountMode.value(), int(MountMode_::EQ));
    }

    // A later run restores the model made on this mount here, with its site and the toast; the
    // correction table comes back with the next connection of the same mount.
    void restoreAtStart_data() {
        QTest::addColumn<double>("movedMeter");
        QTest::addColumn<bool>("restored");
        QTest::newRow("same site") << 0.0 << true;
        QTest::newRow("199.9 m away") << 199.9 << true;
        QTest::newRow("200.1 m away") << 200.1 << false;
        QTest::newRow("far away") << 5000.0 << false;
    }

    void restoreAtStart() {
        QFETCH(double, movedMeter);
        QFETCH(bool, restored);
        auto rig = alignedRig();
        const ALIGNMENT_DATA solved = rig->container->get();
        const std::string saved = rig->perMount->alignmentData();
        QJsonObject file = rig->file();
        // Northward along the meridian: the distance is the arc.
        const double lat = 40 * kDeg + 2 * movedMeter / kEarthDiameter;
        file["loc.lat"] = lat;
        rig->writeFile(file);
        QSignalSpy toast(rig->toast.get(), &ToastManagerUIStub::shouldToast);
        rig->start();
        QCOMPARE(toast.size(), restored ? 1 : 0);
        if (restored) {
            QCOMPARE(toast.at(0).at(0).toString(), QString("Alignment data and location loaded"));
            QCOMPARE(rig->container->get(), solved);
            QCOMPARE(rig->location->latitudeRad(), 40 * kDeg);
        } else {
            QCOMPARE(rig->container->alignedStarCount(), 0);
            QCOMPARE(rig->location->latitudeRad(), lat);
        }
        // A restore never rewrites the saved model.
        QCOMPARE(rig->perMount->alignmentData(), saved);
        QVERIFY(rig->pae->points().empty());
        rig->perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
        QCOMPARE(rig->pae->points().size(), size_t(1));
    }

    // The match rule: version bytes in order, mode and kind code; the site plays no part.
    void matchRule_data() {
        QTest::addColumn<SavedAlignment>("saved");
        QTest::addColumn<bool>("matches");
        SavedAlignment s;
        s.mcVersion = {3, 2, 1};
        s.mountMode = 0;
        s.mountKind = 3;
        s.location.latitudeRad = -1;
        QTest::newRow("this mount, elsewhere") << s << true;
        SavedAlignment other = s;
        other.mcVersion = {1, 2, 3};
        QTest::newRow("version bytes reversed") << other << false;
        other = s;
        other.mountMode = 1;
        QTest::newRow("other mode") << other << false;
        other = s;
        other.mountKind = 6;
        QTest::newRow("other kind code") << other << false;
    }

    void matchRule() {
        QFETCH(SavedAlignment, saved);
        QFETCH(bool, matches);
        auto rig = alignedRig();
        const ALIGNMENT_DATA before = rig->container->get();
        const std::string text = rig->perMount->alignmentData();
        QCOMPARE(rig->container->isSavedDataForMount(saved), matches);
        saved.data = makeDefaultAlignmentData(0, saved.location);
        saved.data.dtma = 1;
        rig->container->loadSavedData(saved);
        QCOMPARE(rig->container->get().dtma.value(), matches ? 1 : 2);
        QCOMPARE(rig->location->latitudeRad(), matches ? -1.0 : 40 * kDeg);
        // A load is a change by the user: stored, and the correction table goes.
        QCOMPARE(rig->perMount->alignmentData() != text, matches);
        QCOMPARE(rig->pae->points().empty(), matches);
        Q_UNUSED(before);
    }

    // The same mount with another kind code keeps its keys, but its saved model is not applied.
    void sameMountOtherKind() {
        auto rig = alignedRig();
        const std::string text = rig->perMount->alignmentData();
        QSignalSpy toast(rig->toast.get(), &ToastManagerUIStub::shouldToast);
        QVERIFY(rig->perMount->setConnectedMount(MountMode_::EQ, kVersion, 6));
        QCOMPARE(rig->container->alignedStarCount(), 0);
        QCOMPARE(rig->perMount->alignmentData(), text);
        QCOMPARE(toast.size(), 0);
    }

    // Changes by the user are kept at once and clear the correction table; an edited term
    // survives a restart.
    void userChanges() {
        auto rig = alignedRig();
        QSignalSpy changed(rig->container.get(), &IAlignmentDataContainer::valueChanged);
        int modelChanged = 0;
        rig->alignment->alignmentChanged.append([&] { ++modelChanged; });
        rig->container->setChAmin(1.0);
        QCOMPARE(rig->container->get().cpch, 0.0002908882086657216);
        QCOMPARE(rig->container->chAmin(), 1.0);
        rig->container->setNpAmin(-2.5);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(modelChanged, 2);
        QVERIFY(rig->pae->points().empty());
        rig->start();
        QCOMPARE(rig->container->chAmin(), 1.0);
        QCOMPARE(rig->container->npAmin(), -2.5);
        QCOMPARE(rig->container->alignedStarCount(), 2);

        rig->pae->add("M 13", 0.1, 0.5, 0.11, 0.51);
        rig->container->reset();
        QCOMPARE(rig->perMount->alignmentData(), std::string());
        QCOMPARE(rig->file()["align.data"].toString(), QString());
        QVERIFY(rig->pae->points().empty());
        QCOMPARE(rig->container->chAmin(), 0.0);
    }

    // The default model follows the site; a solved one stays as it was made.
    void siteChange() {
        auto rig = alignedRig();
        const ALIGNMENT_DATA solved = rig->container->get();
        rig->setSite(-20 * kDeg, 0.3);
        QCOMPARE(rig->container->get(), solved);
        rig->container->reset();
        rig->container->setNpAmin(3);
        rig->setSite(10 * kDeg, 0.3);
        const ALIGNMENT_DATA d = rig->container->get();
        QCOMPARE(d.location.value().latitudeRad, 10 * kDeg);
        QVERIFY(std::fabs(rig->container->npAmin() - 3) < 1e-12);
    }

    void alignedStarCount_data() {
        QTest::addColumn<int>("dtma");
        QTest::addColumn<int>("count");
        QTest::newRow("none") << -1 << 0;
        for (auto [dtma, count] : {std::pair{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 2}, {5, 2}, {6, 1}})
            QTest::addRow("type %d", dtma) << dtma << count;
    }

    void alignedStarCount() {
        QFETCH(int, dtma);
        QFETCH(int, count);
        auto rig = alignedRig();
        ALIGNMENT_DATA d = rig->container->get();
        d.dtma = dtma < 0 ? Nullable<int32_t>() : Nullable<int32_t>(dtma);
        rig->container->setAlignmentData(d);
        QCOMPARE(rig->container->alignedStarCount(), count);
    }

    void alignStars() {
        auto rig = alignedRig();
        const auto rows = rig->container->alignStars();
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[1].b, std::string("Arcturus"));
        const ALIGNMENT_PAIR p = rig->container->get().pairs[1];
        const U_ASTRO_COORD azAlt =
            rig->astroCalc->convertNow({p.ha, p.dec, CoordType::HDObsv}, CoordType::AZObsv);
        QCOMPARE(rows[1].a, rig->format->formatAzAltWholeDegrees(azAlt.a, azAlt.b));
        QVERIFY(rows[1].isEnableListItem && rows[1].c.empty() && rows[1].d.empty());
    }

    void speedAndPark() {
        ModelRig rig;
        rig.perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
        QSignalSpy speed(rig.perMount.get(), &IPerMountDataBasic::speedChanged);
        rig.perMount->setSpeedFineAdjustmentFactor(1.0);
        QCOMPARE(speed.size(), 0);
        QVERIFY(!rig.file().contains("mount.speed_fine_factor"));
        rig.perMount->setSpeedFineAdjustmentFactor(0.8);
        QCOMPARE(speed.size(), 1);
        QCOMPARE(rig.file()["mount.speed_fine_factor"].toDouble(), 0.8);

        QVERIFY(!rig.perMount->parkAxisPositions().hasValue());
        rig.perMount->setParkAxisPositions(std::pair{0.0, 0.0});
        rig.start();
        QCOMPARE(rig.perMount->parkAxisPositions().value(), (std::pair{0.0, 0.0}));
        rig.perMount->setParkAxisPositions({});
        QVERIFY(!rig.perMount->parkAxisPositions().hasValue());
        QVERIFY(!rig.file().contains("align.axis1") && !rig.file().contains("align.axis2"));
    }

    // A set-up cut on a controller is remembered for that controller's version, across program
    // starts and other mounts' connections, until a set-up of that version completes or another
    // cut one takes its place.
    void unfinishedSetup_data() {
        constexpr uint32_t other = 0x010204;
        constexpr uint32_t both = IPerMountData::kAxis1 | IPerMountData::kAxis2;
        QTest::addColumn<uint>("recorded");    // axes of a set-up of kVersion that was cut
        QTest::addColumn<uint>("thenVersion"); // a later set-up, of this version...
        QTest::addColumn<uint>("thenAxes");    // ...that was cut with these axes, or completed (0)
        QTest::addColumn<bool>("otherMountBetween"); // another mount announced in between
        QTest::addColumn<bool>("newStart");
        QTest::addColumn<uint>("expected");      // the axes still to set on kVersion
        QTest::addColumn<uint>("expectedOther"); // and on the other version
        dataRow("both axes cut", both, kVersion, both, false, false, both, 0u);
        dataRow("axis 2 cut", uint(IPerMountData::kAxis2), kVersion, uint(IPerMountData::kAxis2),
                false, false, uint(IPerMountData::kAxis2), 0u);
        dataRow("cut, then a new start", both, kVersion, both, false, true, both, 0u);
        dataRow("cut, then another mount connects in full", both, other, 0u, true, true, both, 0u);
        dataRow("cut, then completed", both, kVersion, 0u, false, false, 0u, 0u);
        dataRow("cut, then completed, then a new start", both, kVersion, 0u, false, true, 0u, 0u);
        dataRow("cut, then another mount's set-up cut: each keeps its own", both, other,
                uint(IPerMountData::kAxis1), true, true, both, uint(IPerMountData::kAxis1));
    }
    void unfinishedSetup() {
        QFETCH(uint, recorded);
        QFETCH(uint, thenVersion);
        QFETCH(uint, thenAxes);
        QFETCH(bool, otherMountBetween);
        QFETCH(bool, newStart);
        QFETCH(uint, expected);
        QFETCH(uint, expectedOther);
        ModelRig rig;
        QCOMPARE(rig.perMount->unfinishedSetup(kVersion), 0u);
        rig.perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
        rig.perMount->setUnfinishedSetup(kVersion, recorded);
        if (otherMountBetween)
            rig.perMount->setConnectedMount(MountMode_::EQ, thenVersion, 3);
        rig.perMount->setUnfinishedSetup(thenVersion, thenAxes);
        if (newStart)
            rig.start();
        QCOMPARE(rig.perMount->unfinishedSetup(kVersion), expected);
        QCOMPARE(rig.perMount->unfinishedSetup(0x010204), expectedOther);
        // Nothing stays in the file once no set-up is unfinished.
        QCOMPARE(rig.file().contains("lastmount.unfinished_setup"),
                 expected != 0 || expectedOther != 0);
    }

    // Each controller version keeps its own record until a set-up of that version completes,
    // whatever other versions' set-ups do meanwhile, across program starts; only the most recent
    // records are kept. A record an earlier program version left (one number) is read, and
    // whatever in the key is not a record is passed over.
    void unfinishedSetupPerVersion_data() {
        // The key's JSON as an earlier run left it; empty for none.
        QTest::addColumn<QString>("stored");
        // "v:axes" is a set-up of version 0x0102vv about to set those axes (0: completed); "/" is
        // a new start of the program.
        QTest::addColumn<QString>("steps");
        // "v:axes" for each version asked afterwards.
        QTest::addColumn<QString>("expected");
        // Records in the file afterwards.
        QTest::addColumn<int>("kept");
        const QString nineCut = "1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3 9:3";
        dataRow("another mount's set-up cut, then completed, in between", "", "1:3 2:3 2:0",
                "1:3 2:0", 1);
        dataRow("another mount set up in full in between, with new starts", "", "1:1 / 2:0 /",
                "1:1 2:0", 1);
        dataRow("each mount completes its own", "", "1:3 2:2 1:0 /", "1:0 2:2", 1);
        dataRow("an earlier program's record", "33620481", "", "1:2 2:0", 1);
        dataRow("an earlier program's record, then its set-up completes", "33620481", "1:0", "1:0",
                0);
        dataRow("an earlier program's record, then another mount's set-up cut", "33620481", "2:1 /",
                "1:2 2:1", 2);
        dataRow("more set-ups cut than kept: the oldest goes", "", nineCut, "1:0 2:3 8:3 9:3", 8);
        dataRow("as many set-ups cut as kept: all are kept", "", "1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3",
                "1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3", 8);
        dataRow("one more set-up cut than kept: only the oldest goes", "", nineCut,
                "1:0 2:3 3:3 4:3 5:3 6:3 7:3 8:3 9:3", 8);
        dataRow("a file that holds one record more than kept: the oldest is not read",
                "[50397697, 50397698, 50397699, 50397700, 50397701, 50397702, 50397703, 50397704, "
                "50397705]",
                "", "1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3 9:0", 9);
        dataRow("a version cut again counts as the most recent", "",
                "1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3 1:1 9:3", "1:1 2:0 9:3", 8);
        dataRow("what is no record is passed over",
                R"([0, "x", 1.5, -50397697, 4278190080, 50397697, 16843265])", "2:1 /",
                "1:3 2:1 3:0", 2);
    }
    void unfinishedSetupPerVersion() {
        QFETCH(QString, stored);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(int, kept);
        const auto version = [](const QString& step) {
            return 0x010200u + step.section(':', 0, 0).toUInt();
        };
        const auto axes = [](const QString& step) { return step.section(':', 1, 1).toUInt(); };
        ModelRig rig;
        if (!stored.isEmpty()) {
            const auto value = QJsonDocument::fromJson(("[" + stored + "]").toUtf8()).array();
            QVERIFY(!value.isEmpty());
            rig.writeFile({{"lastmount.unfinished_setup", value.first()}});
            rig.start();
        }
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "/")
                rig.start();
            else
                rig.perMount->setUnfinishedSetup(version(step), axes(step));
        }
        for (const QString& step : expected.split(' '))
            QVERIFY2(rig.perMount->unfinishedSetup(version(step)) == axes(step), qPrintable(step));
        const QJsonValue file = rig.file().value("lastmount.unfinished_setup");
        QCOMPARE(file.isArray() ? int(file.toArray().size()) : file.isDouble() ? 1 : 0, kept);
        // What the file holds is what a new start reads.
        rig.start();
        for (const QString& step : expected.split(' '))
            QVERIFY2(rig.perMount->unfinishedSetup(version(step)) == axes(step), qPrintable(step));
    }

    // The park pair is one record. Another step that lands right after the first settings access
    // of a read, park or clear of the pair (on its own thread, given a while to finish) sees the
    // old pair or the new one, never one angle of each or a default for an angle not yet written;
    // afterwards the file holds what a reader is told, both keys or neither. A step that finds
    // no settings access to land at runs after the first one.
    void parkPairIsOneRecord_data() {
        QTest::addColumn<bool>("startParked"); // an earlier run parked at A
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("endParked"); // at B, when parked
        QTest::newRow("read, cleared meanwhile") << true << "read"
                                                 << "clear" << false;
        QTest::newRow("read, parked elsewhere meanwhile") << true << "read"
                                                          << "park" << true;
        QTest::newRow("park over none, read meanwhile") << false << "park"
                                                        << "read" << true;
        QTest::newRow("park over a park, read meanwhile") << true << "park"
                                                          << "read" << true;
        QTest::newRow("clear, read meanwhile") << true << "clear"
                                               << "read" << false;
        QTest::newRow("another mount, read meanwhile") << true << "other mount"
                                                       << "read" << false;
        QTest::newRow("park, cleared meanwhile") << true << "park"
                                                 << "clear" << false;
    }
    void parkPairIsOneRecord() {
        QFETCH(bool, startParked);
        QFETCH(QString, step);
        QFETCH(QString, meanwhile);
        QFETCH(bool, endParked);
        using Park = Nullable<std::pair<double, double>>;
        const Park none;
        const Park a = std::pair{0.5, -0.25};
        const Park b = std::pair{-1.25, 1.5};
        ModelRig rig;
        rig.perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
        if (startParked)
            rig.perMount->setParkAxisPositions(a);
        // A later run: nothing of the pair is cached yet.
        rig.start();

        std::vector<Park> seen;
        std::mutex seenMutex;
        const auto run = [&](const QString& what) {
            if (what == QLatin1String("read")) {
                const Park p = rig.perMount->parkAxisPositions();
                std::lock_guard lock(seenMutex);
                seen.push_back(p);
            } else if (what == QLatin1String("park")) {
                rig.perMount->setParkAxisPositions(b);
            } else if (what == QLatin1String("clear")) {
                rig.perMount->setParkAxisPositions({});
            } else {
                rig.perMount->setConnectedMount(MountMode_::EQ, kVersion + 1, 3);
            }
        };
        std::thread other;
        bool landed = false;
        rig.store->arm({"align.axis1", "align.axis2"}, [&] {
            landed = true;
            std::promise<void> finished;
            auto future = finished.get_future();
            other = std::thread([&, finished = std::move(finished)]() mutable {
                run(meanwhile);
                finished.set_value();
            });
            // Sound code may hold the other step until this one ends (a write behind a write),
            // so this waits a bounded while and lets the step go on. The bound is about 10^4
            // times what a started thread needs to read or write memory here; a slower start
            // only lets the other step land later, which weakens the check but cannot fail it.
            future.wait_for(std::chrono::seconds(1));
        });
        run(step);
        if (other.joinable())
            other.join();
        if (!landed) {
            rig.store->arm({}, {});
            run(meanwhile);
        }

        QCOMPARE(seen.size(),
                 size_t(step == QLatin1String("read") || meanwhile == QLatin1String("read")));
        for (const Park& p : seen) {
            if (p == none || p == a || p == b)
                continue;
            QFAIL(qPrintable(QStringLiteral("read (%1, %2), a pair never stored")
                                 .arg(p.value().first)
                                 .arg(p.value().second)));
        }
        const Park end = rig.perMount->parkAxisPositions();
        QCOMPARE(end, endParked ? b : none);
        const QJsonObject file = rig.file();
        QCOMPARE(file.contains("align.axis1"), endParked);
        QCOMPARE(file.contains("align.axis2"), endParked);
        rig.start();
        QCOMPARE(rig.perMount->parkAxisPositions(), end);
    }

    // Conversions on other threads while the model is replaced over and over: each sees one whole
    // model, never parts of two (under ThreadSanitizer also: no data race).
    void conversionsWhileReplaced() {
        ModelRig rig;
        rig.perMount->setConnectedMount(MountMode_::EQ, kVersion, 3);
        rig.setSite(40 * kDeg, 0.3);
        const TrueModel a{MountMode_::EQ, 40 * kDeg, rotationZ(10 * kDeg), 0.5 * kDeg, kArcmin};
        const TrueModel b{MountMode_::EQ, 40 * kDeg, rotationY(2 * kDeg), -0.5 * kDeg, -kArcmin};
        const std::pair sky{0.4, 0.6};
        const auto expectA = a.transform(FlippingMode_::Auto)->skyToAxes(sky, {});
        const auto expectB = b.transform(FlippingMode_::Auto)->skyToAxes(sky, {});
        rig.container->setAlignmentData(a.record());
        std::atomic<bool> done{false};
        std::atomic<int> torn{0}, conversions{0};
        std::vector<std::thread> readers;
        for (int i = 0; i < 3; ++i)
            readers.emplace_back([&] {
                while (!done) {
                    const auto axes = rig.alignment->skyToAxes(sky, {});
                    if (axes != expectA && axes != expectB)
                        ++torn;
                    ++conversions;
                }
            });
        for (int i = 0; i < 200; ++i)
            rig.container->setAlignmentData(i % 2 ? a.record() : b.record());
        done = true;
        for (auto& t : readers)
            t.join();
        QCOMPARE(torn.load(), 0);
        QVERIFY(conversions > 0);
    }
};

QTEST_GUILESS_MAIN(TestPerMountModel)
#include "tst_permountmodel.moc"
