// Altitude-azimuth tracking of a star on the emulated mount, in real time: the tracking task runs
// on its own thread as the task manager would run it. Prints the process CPU time (user + system)
// used while tracking as a share of one core (target: under 1 %), the number of controller steps,
// and the angle between where the axes are at the end and where the star is.
//   bench_aztracking [seconds, default 60]

#include "mount/tasks/aztrackinglogger.h"
#include "mount/tasks/aztrackingtask.h"
#include "mount/tests/emulatedmountrig.h"

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

using namespace Ko;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const auto clock = std::make_shared<CRealClock>();
    const auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    constexpr double kLatDeg = 48.0;
    const auto model = defaultAlignment(1, kLatDeg);
    // A star 25 degrees east of the meridian at declination 30.
    const EmulatedMountRig rig(clock, tc, 1, kLatDeg,
                               model->skyToAxes({-25 * kDeg, 30 * kDeg}, model->referenceAxes()));
    const auto startSky =
        rig.model->axesToSky({rig.axes->lastPosition(0).angle, rig.axes->lastPosition(1).angle});
    const U_ASTRO_COORD start = rig.astro->convertNow(
        {startSky.first, startSky.second, CoordType::HDObsv}, CoordType::HDTrue);

    std::atomic<int> steps{0};
    AZTrackingTuning::ensureLogger()->setNotify([&] { ++steps; });
    AZTrackingTask task(tc, rig.axes, rig.util, rig.location, rig.astro, clock, rig.model,
                        TrackingRate::Sidereal, {}, rig.command);
    const auto token = std::make_shared<ControlledCancellable>();
    const int64_t t0 = clock->nowMs();
    const double cpu0 = cpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    std::thread thread([&] {
        tc->setCurrent(token);
        task.run();
        tc->setCurrent(nullptr);
    });
    // The main thread waits as the user interface would: asleep.
    NullCancellable().sleep(seconds * 1000);
    token->cancel();
    thread.join();
    const double cpu = cpuSeconds() - cpu0;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    AZTrackingTuning::ensureLogger()->setNotify({});

    const auto read = rig.axes->readPositions().value();
    const int64_t t = rig.axes->lastPosition(0).timeMs;
    const double ha = start.a + (t - t0) / 1000.0 * kSiderealRate;
    const U_ASTRO_COORD observed =
        rig.astro->convertNow({ha, start.b, CoordType::HDTrue}, CoordType::HDObsv);
    const auto expected = rig.model->skyToAxes({observed.a, observed.b}, read);
    const double errorArcsec = rig.astro->angularSeparation(read, expected) / kDeg * 3600;

    std::printf("tracked %.1f s: CPU %.3f s = %.3f %% of one core, %d controller steps, "
                "final error %.2f arcsec\n",
                wall, cpu, 100 * cpu / wall, steps.load(), errorArcsec);
    return cpu / wall < 0.01 ? 0 : 1;
}
