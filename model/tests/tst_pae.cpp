#include "model/mountmode.h"
#include "model/tests/modelrig.h"

#include "astro/angleutil.h"
#include "base/base64.h"
#include "base/tlvrecord.h"

#include <QTest>

#include <atomic>
#include <cmath>
#include <thread>
#include <tuple>

using namespace Ko;
using AnglePair = IPAE::AnglePair;

namespace {

// A rig with a connected mount whose table is empty.
std::unique_ptr<ModelRig> connectedRig() {
    auto rig = std::make_unique<ModelRig>();
    rig->perMount->setConnectedMount(MountMode_::EQ, 0x010203, 3);
    return rig;
}

std::string encoded(const TlvRecord& r) {
    const CBytes b = r.serialize();
    return Base64::encodeBytes(b.data(), b.size(), false);
}

} // namespace

class TestPAE : public QObject {
    Q_OBJECT

private slots:
    // Reference: the table laid out by hand (tagged entries, doubles little-endian) and encoded
    // with an independent base64 encoder.
    void storedText() {
        auto rig = connectedRig();
        rig->pae->add("M 13", 0.1, 0.5, 0.11, 0.51);
        rig->pae->add("NGC 7000", 0.2, -0.2, 0.19, -0.21);
        QCOMPARE(rig->file()["align.pae"].toString(),
                 QString("/////wVMAABlbWFuBgQAAE0gMTMgYWh0BAgAAJqZmZmZmbk/Y2VkdAQIAAAAAAAAAADgPyBh"
                         "aGMECAAAKVyPwvUovD9jZWRjBAgAAFK4HoXrUeA//////wVQAABlbWFuBggAAE5HQyA3MDAw"
                         "IGFodAQIAACamZmZmZnJP2NlZHQECAAAmpmZmZmZyb8gYWhjBAgAAFK4HoXrUcg/Y2VkYwQI"
                         "AADhehSuR+HKvw=="));
        // Read back on the next connection of the same mount.
        rig->start();
        QVERIFY(rig->pae->points().empty());
        rig->perMount->setConnectedMount(MountMode_::EQ, 0x010203, 3);
        const auto points = rig->pae->points();
        QCOMPARE(points.size(), size_t(2));
        QCOMPARE(points[1].name, std::string("NGC 7000"));
        QCOMPARE(points[1].cdec, -0.21);
        rig->pae->clear();
        QCOMPARE(rig->file()["align.pae"].toString(), QString());
    }

    void cells_data() {
        QTest::addColumn<double>("tha");
        QTest::addColumn<double>("tdec");
        QTest::addColumn<int>("cell1");
        QTest::addColumn<int>("cell2");
        QTest::newRow("0.1, 0.5 rad") << 0.1 << 0.5 << 1 << 5;
        QTest::newRow("declination -10 degrees") << 0.0 << -10 * kDeg << 0 << 70;
        QTest::newRow("just below a turn") << -1e-9 << 359.9 * kDeg << 71 << 71;
        QTest::newRow("one turn and 0.1") << k2Pi + 0.1 << 0.0 << 1 << 0;
        QTest::newRow("a hair below 0") << -1e-16 << -1e-300 << 71 << 71;
        // No meaningful cell, but one inside the table.
        QTest::newRow("huge") << 1e300 << -1e300 << -1 << -1;
    }

    void cells() {
        QFETCH(double, tha);
        QFETCH(double, tdec);
        QFETCH(int, cell1);
        QFETCH(int, cell2);
        auto rig = connectedRig();
        rig->pae->add("x", tha, tdec, tha, tdec);
        const PAE::Point p = rig->pae->points().at(0);
        QVERIFY(p.cell1 >= 0 && p.cell1 < 72 && p.cell2 >= 0 && p.cell2 < 72);
        if (cell1 >= 0) {
            QCOMPARE(p.cell1, cell1);
            QCOMPARE(p.cell2, cell2);
        }
    }

    // One point per cell: the latest replaces the one in its cell, another cell appends.
    void onePointPerCell() {
        auto rig = connectedRig();
        rig->pae->add("a", 0.1, 0.5, 0.11, 0.51);
        rig->pae->add("b", 0.11, 0.52, 0.12, 0.53);
        QCOMPARE(rig->pae->points().size(), size_t(1));
        QCOMPARE(rig->pae->points()[0].name, std::string("b"));
        rig->pae->add("c", 0.2, 0.5, 0.21, 0.51);
        QCOMPARE(rig->pae->points().size(), size_t(2));
    }

    void lookup_data() {
        QTest::addColumn<AnglePair>("position");
        QTest::addColumn<AnglePair>("shift");
        // The point at (0.1, 0.5) rad, cells (1, 5): its correction is (+0.01, -0.02).
        const AnglePair none{0, 0}, shift{0.01, -0.02};
        QTest::newRow("own cell") << AnglePair{0.12, 0.47} << shift;
        QTest::newRow("neighbouring cell") << AnglePair{0.18, 0.40} << shift;
        QTest::newRow("two cells away") << AnglePair{0.30, 0.5} << none;
        QTest::newRow("two cells away in declination") << AnglePair{0.1, 0.7} << none;
        QTest::newRow("a turn away") << AnglePair{0.12 + k2Pi, 0.47} << shift;
    }

    void lookup() {
        QFETCH(AnglePair, position);
        QFETCH(AnglePair, shift);
        auto rig = connectedRig();
        QCOMPARE(rig->pae->lookup(position), position);
        QCOMPARE(rig->pae->lookupShifted(position), position);
        rig->pae->add("M 13", 0.1, 0.5, 0.11, 0.48);
        const AnglePair sent = rig->pae->lookup(position);
        QVERIFY(std::fabs(sent.first - position.first - shift.first) < 1e-15);
        QVERIFY(std::fabs(sent.second - position.second - shift.second) < 1e-15);
        // Where the model put the mount maps back to the true position.
        const AnglePair back = rig->pae->lookupShifted(sent);
        QVERIFY(std::fabs(back.first - position.first) < 1e-15);
        QVERIFY(std::fabs(back.second - position.second) < 1e-15);
    }

    // A range that passes through 0 holds what lies outside its normalised bounds, which are
    // excluded; one that does not includes its bounds.
    void ranges_data() {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<bool>("inside");
        // The widened hour-angle test of a point in cell 71: 350 to 365 degrees.
        for (auto [v, in] : {std::pair{351.0, true},
                             {0.0, true},
                             {4.9, true},
                             {350.0, false},
                             {5.0, false},
                             {5.1, false},
                             {180.0, false},
                             {349.9, false}})
            QTest::addRow("cell 71 widened, %g", v) << v << 350.0 << 365.0 << in;
        QTest::newRow("plain, lower bound") << 10.0 << 10.0 << 20.0 << true;
        QTest::newRow("plain, upper bound") << 20.0 << 10.0 << 20.0 << true;
        QTest::newRow("plain, outside") << 25.0 << 10.0 << 20.0 << false;
        QTest::newRow("negative start") << -2.0 << -5.0 << 10.0 << true;
        QTest::newRow("a whole turn") << 200.0 << -5.0 << 355.0 << true;
    }

    void ranges() {
        QFETCH(double, v);
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(bool, inside);
        QCOMPARE(PAE::inRadRange(v * kDeg, lo * kDeg, hi * kDeg), inside);
    }

    // What a connection reads from "align.pae": entries up to the first that is not a point;
    // text that does not decode or parse leaves the table as it was.
    void reload_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        TlvRecord point;
        point.setDouble(TlvRecord::tagOf("tha "), 1.0);
        TlvRecord table;
        table.setRecord(TlvRecord::kRepeatableTag, point);
        table.setRecord(TlvRecord::kRepeatableTag, point);
        table.setInt32(TlvRecord::kRepeatableTag, 7);
        table.setRecord(TlvRecord::kRepeatableTag, point);
        QTest::newRow("stops at the first entry that is no point")
            << QString::fromStdString(encoded(table)) << 2;
        QTest::newRow("empty text") << QString() << 0;
        QTest::newRow("not base64") << QString("#!") << 1;
        QTest::newRow("not a record") << QString("AAAA") << 1;
        // Points that are not finite are dropped; the rest are read.
        const double nan = std::nan(""), inf = INFINITY;
        for (const auto& [name, t, value] :
             {std::tuple{"correction not a number", TlvRecord::tagOf("cha "), nan},
              {"declination correction infinite", TlvRecord::tagOf("cdec"), -inf},
              {"position not a number", TlvRecord::tagOf("tha "), nan},
              {"position infinite", TlvRecord::tagOf("tdec"), inf}}) {
            TlvRecord bad;
            bad.setDouble(TlvRecord::tagOf("tha "), 0.5);
            bad.setDouble(t, value);
            TlvRecord stored;
            stored.setRecord(TlvRecord::kRepeatableTag, point);
            stored.setRecord(TlvRecord::kRepeatableTag, bad);
            stored.setRecord(TlvRecord::kRepeatableTag, point);
            QTest::addRow("%s", name) << QString::fromStdString(encoded(stored)) << 2;
        }
    }

    void reload() {
        QFETCH(QString, text);
        QFETCH(int, points);
        auto rig = connectedRig();
        rig->pae->add("kept", 0.3, 0.3, 0.3, 0.3);
        rig->perMount->setPaeData(text.toStdString());
        rig->perMount->setConnectedMount(MountMode_::EQ, 0x010203, 3);
        QCOMPARE(int(rig->pae->points().size()), points);
        if (points == 2) {
            QCOMPARE(rig->pae->points()[1].tha, 1.0);
            QCOMPARE(rig->pae->points()[1].cha, 0.0);
        }
        // Reading writes nothing back.
        QCOMPARE(rig->file()["align.pae"].toString(), text);
        // Every lookup still finds a finite answer or none.
        for (const double a : {0.0, 0.5, 1.0, 3.0}) {
            const AnglePair p = rig->pae->lookupShifted({a, a});
            QVERIFY(std::isfinite(p.first) && std::isfinite(p.second));
        }
        // Nor is a point that is not finite taken when added.
        rig->pae->add("bad", 2.0, std::nan(""), 2.0, 2.0);
        rig->pae->add("bad", 2.0, 2.0, INFINITY, 2.0);
        QCOMPARE(int(rig->pae->points().size()), points);
    }

    // Points added on one thread while others look up: a lookup sees the table before or after
    // an addition, never in between (under ThreadSanitizer also: no data race).
    void addWhileLookingUp() {
        auto rig = connectedRig();
        rig->pae->add("first", 0.1, 0.5, 0.11, 0.51);
        std::atomic<bool> done{false};
        std::atomic<int> wrong{0};
        std::vector<std::thread> readers;
        for (int i = 0; i < 3; ++i)
            readers.emplace_back([&] {
                while (!done) {
                    const AnglePair r = rig->pae->lookup({0.12, 0.52});
                    // The cell's point is always either the first or a later one.
                    const double d = r.first - 0.12;
                    if (std::fabs(d - 0.01) > 1e-12 && std::fabs(d - 0.02) > 1e-12)
                        ++wrong;
                }
            });
        for (int i = 0; i < 100; ++i) {
            rig->pae->add("later", 0.1, 0.5, 0.12, 0.52);
            rig->pae->add("far " + std::to_string(i), 1.0 + 0.1 * (i % 40), -0.5, 1.0, -0.5);
        }
        done = true;
        for (auto& t : readers)
            t.join();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(rig->pae->points().size(), size_t(41));
    }
};

QTEST_GUILESS_MAIN(TestPAE)
#include "tst_pae.moc"
