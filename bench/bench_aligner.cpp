// The three-star solve on seeded synthetic triples: how often it solves, how well the solved
// model points, and whether the true terms are a fixed point of its ID/CH alternation where it
// fails. Prints its figures; not a test.
#include "model/alignersteps.h"
#include "model/mountmode.h"
#include "model/tests/modelrig.h"
#include "model/tests/synthetic.h"

#include <QCoreApplication>

#include <cstdio>
#include <random>

using namespace Ko;

namespace {

constexpr double kArcmin = kDeg / 60;
constexpr double kArcsec = kDeg / 3600;
constexpr int kTriples = 500;
constexpr double kMinSeparation = 30 * kDeg;

enum class Outcome { Solved, NoIdSolution, NoChSolution, NoConvergence };

// The alternation as the solver runs it, to tell why a triple fails.
Outcome alternate(const ALIGNMENT_PAIR (&p)[3], const ALIGNMENT_PAIR& partner, double np) {
    AlignerSteps::Terms t{0, 0, np};
    for (int round = 0; round < Aligner::kMaxRounds; ++round) {
        const auto id = AlignerSteps::solveId(p[0], p[1], t);
        if (!id.hasValue())
            return Outcome::NoIdSolution;
        const double idMoved = std::fabs(id.value() - t.id);
        t.id = id.value();
        const auto ch = AlignerSteps::solveCh(partner, p[2], t);
        if (!ch.hasValue())
            return Outcome::NoChSolution;
        const double chMoved = std::fabs(ch.value() - t.ch);
        t.ch = ch.value();
        if (idMoved < Aligner::kSettled && chMoved < Aligner::kSettled)
            return Outcome::Solved;
    }
    return Outcome::NoConvergence;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::mt19937_64 rng(14);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution(lo, hi)(rng);
    };

    ModelRig rig;
    const double latitude = 45 * kDeg;
    rig.perMount->setConnectedMount(MountMode_::EQ, 0x030201, 3);
    rig.setSite(latitude, 0.3);

    int solved = 0, within10 = 0, within60 = 0, failed = 0, fixedPoint = 0;
    int noId = 0, noCh = 0, noConvergence = 0, mixedSides = 0, mixedFailed = 0;
    std::vector<double> errors;
    for (int n = 0; n < kTriples; ++n) {
        TrueModel truth;
        truth.mode = MountMode_::EQ;
        truth.latitude = latitude;
        const double polar = uniform(0, 0.5 * kDeg), direction = uniform(0, k2Pi);
        Matrix3 turn = rotationX(polar * std::cos(direction));
        turn *= rotationY(polar * std::sin(direction));
        turn *= rotationZ(uniform(-kPi, kPi));
        truth.turn = turn;
        truth.id = uniform(-1 * kDeg, 1 * kDeg);
        truth.ch = uniform(-10 * kArcmin, 10 * kArcmin);
        truth.np = 0;

        ALIGNMENT_PAIR p[3];
        std::pair<double, double> sky[3];
        for (int i = 0; i < 3;) {
            const double az = uniform(0, k2Pi), alt = uniform(25 * kDeg, 70 * kDeg);
            sky[i] = AstroCalc::azAltToHourAngleDecStep(az, alt, latitude);
            bool apart = true;
            for (int k = 0; k < i; ++k)
                apart = apart && separationOf(sky[i], sky[k]) >= kMinSeparation;
            if (!apart)
                continue;
            p[i] = truth.pairAt(az, alt);
            ++i;
        }
        const bool mixed = (p[0].axis2 > kPi / 2) != (p[1].axis2 > kPi / 2) ||
                           (p[0].axis2 > kPi / 2) != (p[2].axis2 > kPi / 2);
        mixedSides += mixed;

        rig.container->setChAmin(0);
        rig.container->setNpAmin(0);
        const bool ok = rig.aligner->align3({"1", "2", "3"}, p[0], p[1], p[2]);
        const Alignment work(std::make_shared<SharedAlignmentData>(truth.record()), nullptr);
        double cosA2[3];
        for (int i = 0; i < 3; ++i)
            cosA2[i] = std::cos(work.uncorrectedSkyToAxes(sky[i], FlippingMode_::Auto).second);
        const ALIGNMENT_PAIR& partner = p[AlignerSteps::chPartner(p, cosA2)];
        if (ok) {
            ++solved;
            const double worst = worstPointingError(truth, rig.container->get());
            errors.push_back(worst);
            within10 += worst <= 10 * kArcsec;
            within60 += worst <= 60 * kArcsec;
            continue;
        }
        ++failed;
        mixedFailed += mixed;
        switch (alternate(p, partner, 0)) {
        case Outcome::NoIdSolution:
            ++noId;
            break;
        case Outcome::NoChSolution:
            ++noCh;
            break;
        case Outcome::NoConvergence:
            ++noConvergence;
            break;
        case Outcome::Solved:
            break;
        }
        // Started at the true terms, does one round give them back?
        const AlignerSteps::Terms t{truth.id, truth.ch, 0};
        const auto id = AlignerSteps::solveId(p[0], p[1], t);
        const auto ch = AlignerSteps::solveCh(partner, p[2], t);
        fixedPoint += id.hasValue() && ch.hasValue() &&
                      std::fabs(id.value() - t.id) < 0.01 * kArcsec &&
                      std::fabs(ch.value() - t.ch) < 0.01 * kArcsec;
    }
    std::sort(errors.begin(), errors.end());
    std::printf("triples %d (latitude 45, altitude 25-70, >= 30 deg apart, polar error <= 0.5 deg, "
                "|ID| <= 1 deg, |CH| <= 10', NP 0; seed 14)\n",
                kTriples);
    std::printf("solved %d (%.1f %%), failed %d: no ID solution %d, no CH solution %d, no "
                "convergence in %d rounds %d\n",
                solved, 100.0 * solved / kTriples, failed, noId, noCh, Aligner::kMaxRounds,
                noConvergence);
    std::printf("of the solved: within 10\" %d (%.1f %%), within 1' %d (%.1f %%); median %.2f\", "
                "worst %.1f\"\n",
                within10, 100.0 * within10 / std::max(solved, 1), within60,
                100.0 * within60 / std::max(solved, 1),
                errors.empty() ? 0 : errors[errors.size() / 2] / kArcsec,
                errors.empty() ? 0 : errors.back() / kArcsec);
    std::printf("stars on both sides of the pier: %d triples, %d of them failed\n", mixedSides,
                mixedFailed);
    std::printf("failed triples whose true terms are a fixed point of one ID/CH round: %d of %d\n",
                fixedPoint, failed);
    return 0;
}
