// The alignment-star rating rules of both mount modes at a site 45 degrees north. Stars are given
// by hour angle and declination in degrees, or by azimuth and altitude where the rule looks at
// the horizon; the table rows name the rule each case exercises.
#include "align/alignstarrater.h"
#include "align/alignstarrules.h"
#include "emulatedmount.h"

#include <QTest>

#include <cmath>

using namespace Ko;
using namespace Ko::Test;

namespace {

struct Stars {
    QList<CoordPair> list;
};

} // namespace

Q_DECLARE_METATYPE(Stars)
Q_DECLARE_METATYPE(MountMode_::E)

class TstAlignStarRater : public QObject {
    Q_OBJECT

    Sky m_sky{kRigJulianDate, kRigLatitude};
    ScratchFolders m_folders;

    static CoordPair hd(double haDeg, double decDeg) { return {haDeg * kDeg, decDeg * kDeg}; }
    CoordPair azAlt(double azDeg, double altDeg) const {
        const auto [ha, dec] = m_sky.calc->azAltToHourAngleDec(azDeg * kDeg, altDeg * kDeg);
        return {ha, dec};
    }
    // West of the meridian when west, at the given altitude and declination.
    CoordPair atAltitude(double altDeg, double decDeg, bool west) const {
        const double phi = kRigLatitude;
        const double d = decDeg * kDeg;
        const double h = std::acos((std::sin(altDeg * kDeg) - std::sin(phi) * std::sin(d)) /
                                   (std::cos(phi) * std::cos(d)));
        return {west ? h : -h, d};
    }

    // stars: the candidate last, after the first (and second) star; starCount for second stars.
    void addRow(const char* name, MountMode_::E mode, QList<CoordPair> stars, int starCount,
                int rating) {
        QTest::newRow(name) << mode << Stars{std::move(stars)} << starCount << rating;
    }

private slots:
    void rating_data() {
        QTest::addColumn<MountMode_::E>("mode");
        QTest::addColumn<Stars>("stars");
        QTest::addColumn<int>("starCount");
        QTest::addColumn<int>("rating");
        const auto EQ = MountMode_::EQ;
        const auto AZ = MountMode_::AZ;

        addRow("first: 15.01 deg altitude passes", EQ, {atAltitude(15.01, 40, true)}, 0, 5);
        addRow("first: 14.99 deg altitude fails", EQ, {atAltitude(14.99, 40, true)}, 0, 0);
        addRow("first: 15.01 deg altitude passes on AZ", AZ, {atAltitude(15.01, 40, false)}, 0, 5);
        addRow("first EQ: declination 75 fails high in the sky", EQ, {hd(0, 75)}, 0, 0);
        addRow("first EQ: declination 74.9 passes", EQ, {hd(0, 74.9)}, 0, 5);
        addRow("first AZ: declination 75 at 30 deg altitude passes", AZ, {hd(180, 75)}, 0, 5);
        addRow("first AZ: above 60 deg altitude fails", AZ, {hd(0, 70)}, 0, 0);
        addRow("first AZ: 59.9 deg altitude passes", AZ, {atAltitude(59.9, 30, true)}, 0, 5);

        addRow("second EQ: other side of the meridian", EQ, {hd(10, 20), hd(-40, 20)}, 2, 0);
        addRow("second EQ: declinations sum to 5 deg", EQ, {hd(80, 20), hd(40, -15)}, 2, 0);
        addRow("second EQ: declinations sum to 15 deg", EQ, {hd(80, 20), hd(40, -5)}, 2, 5);
        addRow("second EQ: hour angles 20 deg apart", EQ, {hd(40, 20), hd(60, 20)}, 2, 0);
        addRow("second EQ: hour angles 35 deg apart", EQ, {hd(40, 20), hd(75, 20)}, 2, 5);
        addRow("second EQ: failed candidate test", EQ, {hd(40, 20), hd(150, 0)}, 2, 0);
        addRow("second EQ three stars: same declination", EQ, {hd(70, 20), hd(20, 20)}, 3, 5);
        addRow("second EQ three stars: s = 0.414 grades 3", EQ, {hd(60, 0), hd(10, 45)}, 3, 3);
        addRow("second EQ two stars: same pair grades 5", EQ, {hd(60, 0), hd(10, 45)}, 2, 5);
        addRow("second EQ three stars: s = 0.24 grades 4", EQ, {hd(60, 20), hd(15, 40)}, 3, 4);
        addRow("second EQ three stars: s = 1.86 grades 0", EQ, {hd(20, 20), hd(70, 70)}, 3, 0);

        addRow("second AZ: azimuths 20 deg apart", AZ, {azAlt(100, 40), azAlt(120, 40)}, 2, 0);
        addRow("second AZ: azimuths 40 deg apart", AZ, {azAlt(100, 40), azAlt(140, 40)}, 2, 5);
        addRow("second AZ three stars: same altitude", AZ, {azAlt(100, 40), azAlt(140, 40)}, 3, 5);
        addRow("second AZ three stars: s = 0.24 grades 4", AZ, {azAlt(100, 40), azAlt(140, 20)}, 3,
               4);
        addRow("second AZ: sides of the meridian do not matter", AZ,
               {azAlt(100, 40), azAlt(260, 40)}, 2, 5);

        addRow("third EQ: same side as the first star", EQ, {hd(60, 20), hd(20, 20), hd(30, 20)}, 0,
               0);
        addRow("third EQ: both at 69 deg give m = 5.58", EQ, {hd(60, 69), hd(20, 69), hd(-60, 69)},
               0, 5);
        addRow("third EQ: on the equator m = 2 grades 2", EQ, {hd(60, 0), hd(20, 0), hd(-40, 0)}, 0,
               2);
        addRow("third EQ: near the equator grades 3", EQ, {hd(60, 10), hd(20, 10), hd(-40, 10)}, 0,
               3);
        addRow("third EQ: neither star in the window", EQ, {hd(60, 60), hd(50, 60), hd(-120, 60)},
               0, 0);

        addRow("third AZ: spread 0.40 grades 3", AZ, {azAlt(0, 30), azAlt(90, 30), azAlt(210, 50)},
               0, 3);
        addRow("third AZ: spread 0.73 grades 4", AZ, {azAlt(0, 30), azAlt(90, 30), azAlt(210, 58)},
               0, 4);
        addRow("third AZ: spread 0.19 grades 2", AZ, {azAlt(0, 30), azAlt(90, 30), azAlt(210, 42)},
               0, 2);
        addRow("third AZ: spread 0.07 grades 0, never 1", AZ,
               {azAlt(0, 30), azAlt(90, 30), azAlt(210, 35)}, 0, 0);
        addRow("third AZ: within 30 deg of the reference star", AZ,
               {azAlt(0, 20), azAlt(90, 50), azAlt(115, 55)}, 0, 0);
        addRow("third AZ: above 60 deg fails the candidate test", AZ,
               {azAlt(0, 30), azAlt(90, 30), azAlt(210, 65)}, 0, 0);
    }
    void rating() {
        QFETCH(MountMode_::E, mode);
        QFETCH(Stars, stars);
        QFETCH(int, starCount);
        QFETCH(int, rating);
        const AlignStarRules rules(*m_sky.calc, mode);
        const auto& s = stars.list;
        int got = -1;
        switch (s.size()) {
        case 1:
            got = rules.rateFirstStar(s[0]);
            break;
        case 2:
            got = rules.rateSecondStar(s[0], s[1], starCount);
            break;
        case 3:
            got = rules.rateThirdStar(s[0], s[1], s[2]);
            break;
        }
        QCOMPARE(got, rating);
    }

    // The rater answers with the rules of the mode of the mount connected at the call, and 0
    // with none.
    void raterFollowsTheMount_data() {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<MountMode_::E>("mode");
        QTest::newRow("no mount") << false << MountMode_::EQ;
        QTest::newRow("equatorial mount") << true << MountMode_::EQ;
        QTest::newRow("altitude-azimuth mount") << true << MountMode_::AZ;
    }
    void raterFollowsTheMount() {
        QFETCH(bool, connected);
        QFETCH(MountMode_::E, mode);
        QVERIFY(m_folders.isValid());
        EmulatedMount rig(m_folders.next(), mode);
        const AlignStarRater rater(rig.altRange, rig.calc, rig.holder);
        if (!connected)
            rig.holder->disconnect();
        QCOMPARE(rater.canRate(), connected);
        const AlignStarRules rules(*rig.calc, mode);
        // Stars where the two rule sets differ, and where they agree.
        const QList<QList<CoordPair>> cases = {
            {hd(180, 75)},
            {hd(60, 20)},
            {hd(0, 70)},
            {hd(80, 20), hd(40, -5)},
            {hd(60, 20), hd(20, 20)},
            {hd(60, 20), hd(20, 20), hd(-60, 20)},
            {hd(60, 69), hd(20, 69), hd(-60, 69)},
        };
        int differing = 0;
        for (const auto& s : cases) {
            int got = -1;
            int want = -1;
            if (s.size() == 1) {
                got = rater.rateFirstStar(s[0]);
                want = rules.rateFirstStar(s[0]);
            } else if (s.size() == 2) {
                got = rater.rateSecondStar(s[0], s[1], 2);
                want = rules.rateSecondStar(s[0], s[1], 2);
            } else {
                got = rater.rateThirdStar(s[0], s[1], s[2]);
                want = rules.rateThirdStar(s[0], s[1], s[2]);
            }
            QCOMPARE(got, connected ? want : 0);
            const AlignStarRules other(*rig.calc,
                                       mode == MountMode_::EQ ? MountMode_::AZ : MountMode_::EQ);
            if (s.size() == 1 && other.rateFirstStar(s[0]) != want)
                ++differing;
        }
        // The cases tell the modes apart.
        QVERIFY(differing > 0);
    }
};

QTEST_GUILESS_MAIN(TstAlignStarRater)
#include "tst_alignstarrater.moc"
