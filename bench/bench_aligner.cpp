// The three-star solve on seeded synthetic triples, read exactly and with centring noise: how
// often it solves, how well the solved model points, and how long a solve takes. Prints its
// figures; not a test.
#include "model/alignersteps.h"
#include "model/mountmode.h"
#include "model/tests/modelrig.h"
#include "model/tests/synthetic.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <random>

using namespace Ko;

namespace {

constexpr int kTriples = 500;
constexpr double kMinSeparation = 30 * kDeg;

double percentile(const std::vector<double>& sorted, double f) {
    return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, size_t(f * sorted.size()))];
}

// noise: the standard deviation of the centring error on each axis, radians.
void run(ModelRig& rig, double noise) {
    const double latitude = 45 * kDeg;
    std::mt19937_64 rng(14);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution(lo, hi)(rng);
    };
    std::normal_distribution<double> centring(0, noise > 0 ? noise : 1);

    int solved = 0, worseThan1 = 0;
    std::vector<double> errors, micros, searchMicros;
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
            if (noise > 0) {
                p[i].axis1 += centring(rng);
                p[i].axis2 += centring(rng);
            }
            ++i;
        }

        // The search alone, as the solver runs it: the partner and the first ID from the default
        // axes of the working model.
        const Alignment work(
            std::make_shared<SharedAlignmentData>(TrueModel{MountMode_::EQ, latitude}.record()),
            nullptr);
        double cosA2[3], offA2[3];
        for (int i = 0; i < 3; ++i) {
            const double a2 = work.uncorrectedSkyToAxes(sky[i], FlippingMode_::Auto).second;
            cosA2[i] = std::cos(a2);
            offA2[i] = a2 - p[i].axis2;
        }
        const auto searchBegin = std::chrono::steady_clock::now();
        AlignerSteps::fixedPointTerms(p, AlignerSteps::chPartner(p, cosA2), 0,
                                      (offA2[0] + offA2[1]) * 0.5);
        searchMicros.push_back(std::chrono::duration<double, std::micro>(
                                   std::chrono::steady_clock::now() - searchBegin)
                                   .count());

        rig.container->setChAmin(0);
        rig.container->setNpAmin(0);
        const auto begin = std::chrono::steady_clock::now();
        const bool ok = rig.aligner->align3({"1", "2", "3"}, p[0], p[1], p[2]);
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin)
                .count());
        if (!ok)
            continue;
        ++solved;
        const double worst = worstPointingError(truth, rig.container->get());
        errors.push_back(worst);
        worseThan1 += worst > 60 * kArcsec;
    }
    std::sort(errors.begin(), errors.end());
    std::sort(micros.begin(), micros.end());
    std::sort(searchMicros.begin(), searchMicros.end());
    std::printf(
        "centring noise %.0f\" per axis: solved %d of %d (%.1f %%); pointing error median "
        "%.2f\", 90th percentile %.2f\", worst %.1f\", %d beyond 1'\n  time per align3 (the "
        "model stored in the settings file included) median %.0f us, 90th percentile %.0f "
        "us, worst %.0f us; of which the fixed-point search median %.0f us, 90th "
        "percentile %.0f us, worst %.0f us\n",
        noise / kArcsec, solved, kTriples, 100.0 * solved / kTriples,
        percentile(errors, 0.5) / kArcsec, percentile(errors, 0.9) / kArcsec,
        errors.empty() ? 0 : errors.back() / kArcsec, worseThan1, percentile(micros, 0.5),
        percentile(micros, 0.9), micros.back(), percentile(searchMicros, 0.5),
        percentile(searchMicros, 0.9), searchMicros.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ModelRig rig;
    rig.perMount->setConnectedMount(MountMode_::EQ, 0x030201, 3);
    rig.setSite(45 * kDeg, 0.3);
    std::printf("triples %d (latitude 45, altitude 25-70, >= 30 deg apart, polar error <= 0.5 deg, "
                "|ID| <= 1 deg, |CH| <= 10', NP 0; seed 14)\n",
                kTriples);
    run(rig, 0);
    run(rig, 10 * kArcsec);
    return 0;
}
