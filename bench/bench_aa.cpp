// Times single calls of the astronomical library: one complete-series VSOP87 position of the
// Earth (L, B and R of date), the Sun's rectangular coordinates at both precisions, and one
// comet position as the comet catalog computes it (orbit, precession to the date, parallax,
// magnitude), for an elliptical and a near-parabolic orbit.
//   bench_aa [CPU seconds per contender]

#include "astro/aa/aaelliptical.h"
#include "astro/aa/aanearparabolicorbit.h"
#include "astro/aa/aaparallaxcorr.h"
#include "astro/aa/aaprecessioncorr.h"
#include "astro/aa/aasunposition.h"
#include "astro/aa/planets/aaearthposition.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

using namespace Ko;

namespace {

constexpr int kRounds = 5;
constexpr double kJ2000 = 2451545.0;

struct Contender {
    const char* name;
    std::function<double(double)> call; // one call at a Julian Day; returns a checksum
    double best = 1e300;                // microseconds per call, best round
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Each call gets a new date, so nothing can be kept from the call before.
double cometChain(const AAEllipticalObjectDetails& d, double jd) {
    const AA2DCoordinate ofDate = AAPrecessionCorr::PrecessRaDec(
        d.AstrometricGeocentricRA, d.AstrometricGeocentricDeclination, kJ2000, jd);
    const AA2DCoordinate topo = AAParallaxCorr::ToTopocentric(
        ofDate.X, ofDate.Y, d.AstrometricGeocentricDistance, -11.25, 47.8, 500, jd);
    const AA3DCoordinate& h = d.HeliocentricRectangularEcliptical;
    const double r = std::sqrt(h.X * h.X + h.Y * h.Y + h.Z * h.Z);
    return topo.X + topo.Y +
           AAElliptical::CometBrightness(8, d.AstrometricGeocentricDistance, 10, r);
}

} // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::strtod(argv[1], nullptr) : 2.0;
    const AAEllipticalObjectElements encke{2.2091404, 0.8502196, 11.94524, 186.23352,
                                           334.75006, kJ2000,    2460300.5};
    const AANearParabolicObjectElements nearParabolic{0.9,    40.0,      120.0, 200.0,
                                                      kJ2000, 2460100.5, 0.995};
    std::vector<Contender> contenders{
        {"Earth L, B, R of date, complete VSOP87",
         [](double jd) {
             return AAEarthPosition::HelioLongitude(true, jd) +
                    AAEarthPosition::HelioLatitude(true, jd) +
                    AAEarthPosition::HelioRadius(true, jd);
         }},
        {"Earth L, B, R of date, truncated series",
         [](double jd) {
             return AAEarthPosition::HelioLongitude(false, jd) +
                    AAEarthPosition::HelioLatitude(false, jd) +
                    AAEarthPosition::HelioRadius(false, jd);
         }},
        {"Sun EquatorialXYZ, complete VSOP87",
         [](double jd) { return AASunPosition::EquatorialXYZ(jd, kJ2000, true).X; }},
        {"Sun EquatorialXYZ, truncated series",
         [](double jd) { return AASunPosition::EquatorialXYZ(jd, kJ2000, false).X; }},
        {"comet, AAElliptical::Calculate (low precision)",
         [&](double jd) {
             return AAElliptical::Calculate(jd, encke, false).AstrometricGeocentricRA;
         }},
        {"comet, elliptical + precession + parallax + mag",
         [&](double jd) { return cometChain(AAElliptical::Calculate(jd, encke, false), jd); }},
        {"comet, near-parabolic + precession + parallax + mag",
         [&](double jd) {
             return cometChain(AANearParabolicOrbit::Calculate(jd, nearParabolic, false), jd);
         }},
    };

    double checksum = 0;
    double jd = 2460000.5;
    for (Contender& c : contenders)
        checksum += c.call(jd); // warm-up
    for (int r = 0; r < kRounds; ++r) {
        for (Contender& c : contenders) {
            size_t calls = 0;
            const double start = cpuSeconds();
            double elapsed = 0;
            do {
                for (int k = 0; k < 16; ++k, ++calls)
                    checksum += c.call(jd += 0.37);
                elapsed = cpuSeconds() - start;
            } while (elapsed < seconds / kRounds);
            c.best = std::min(c.best, elapsed / static_cast<double>(calls) * 1e6);
        }
    }
    for (const Contender& c : contenders)
        std::printf("%-52s %10.2f us/call\n", c.name, c.best);
    std::printf("(checksum %.6g)\n", checksum);
    return 0;
}
