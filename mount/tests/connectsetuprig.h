#pragma once

// Connections to the simulated controller of SimRig, recorded and checked: the commands of a
// whole set-up, and whether the mount believes its axes where the controller's counters are.

#include "mount/tests/mountstackrig.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace Ko {

// Where an earlier connection left the axes of a controller that stayed on.
inline constexpr int32_t kEarlierCounts[] = {123456, -654321};

inline void initialiseEarlier(MotorControllerSim& sim, AXISID axis) {
    sim.initialise(axis, kEarlierCounts[axisSlot(axis)]);
}

// What a whole connection to the simulated controller does, up to the moment the mount is
// published: its commands in order (the Wi-Fi module's own requests left out), and the counts it
// leaves on the axes.
struct RecordedSetup {
    std::vector<std::string> requests;
    std::array<int32_t, 2> counts{};
};

// A connection to a fresh controller, or to one whose axes an earlier connection set up.
inline RecordedSetup recordSetup(bool initialisedBefore) {
    // Counted when the mount is published: the link watch reads a second after the last exchange
    // at the earliest, however late the test's thread looks. Outlives the rig, which fires once
    // more as it ends the session.
    size_t published = 0;
    SimRig s;
    if (initialisedBefore) {
        initialiseEarlier(s.sim, 0);
        initialiseEarlier(s.sim, 1);
    }
    s.rig->holder->mountChanged.append([&] {
        if (published == 0)
            published = s.fake.requestCount();
    });
    if (s.port == 0 || !s.rig->connectMount())
        return {};
    RecordedSetup setup;
    setup.counts = {s.sim.counts(0), s.sim.counts(1)};
    const auto all = s.fake.requests();
    for (size_t i = 0; i < std::min(published, all.size()); ++i)
        if (text(all[i].bytes).starts_with(':'))
            setup.requests.push_back(text(all[i].bytes));
    return setup;
}

// Whether one of the first count commands is one of the command letters.
inline bool anyCommandOf(const std::vector<std::string>& requests, size_t count,
                         const std::string& letters) {
    return std::any_of(
        requests.begin(), requests.begin() + static_cast<ptrdiff_t>(count),
        [&](const std::string& r) { return letters.find(r[1]) != std::string::npos; });
}

inline double countsToRad(int32_t counts) {
    return counts * 2 * std::numbers::pi / MotorControllerSim::kCountsPerRev;
}

// Whether the connected mount believes its axes where the controller's counters put them, to a
// count.
inline bool heldAsBelieved(const SimRig& s) {
    const auto believed = s.rig->holder->sharedMount()->axisPositions();
    const double countRad = countsToRad(1);
    return std::abs(countsToRad(s.sim.counts(0)) - believed.first) <= countRad &&
           std::abs(countsToRad(s.sim.counts(1)) - believed.second) <= countRad;
}
inline QString heldAsBelievedText(const SimRig& s) {
    const auto believed = s.rig->holder->sharedMount()->axisPositions();
    return QStringLiteral("controller %1, %2 counts; mount %3, %4 counts")
        .arg(s.sim.counts(0))
        .arg(s.sim.counts(1))
        .arg(believed.first / countsToRad(1))
        .arg(believed.second / countsToRad(1));
}

// Lets the main thread run every post queued so far and the posts those make, up to chains of
// ten: a report that travels through a few queued hops has arrived once this returns true.
inline bool runPostedChains() {
    // Shared with the posts: one may still be queued when the wait gives up.
    const auto left = std::make_shared<int>(10);
    const auto hop = std::make_shared<std::function<void()>>();
    *hop = [left, weakHop = std::weak_ptr(hop)] {
        if (--*left > 0)
            if (const auto next = weakHop.lock())
                QMetaObject::invokeMethod(qApp, *next, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(qApp, *hop, Qt::QueuedConnection);
    return QTest::qWaitFor([&] { return *left <= 0; }, 10000);
}

} // namespace Ko
