#pragma once

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/location2.h"
#include "link/emkomcommand.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"
#include "link/permountdatabasic.h"
#include "model/alignment.h"
#include "mount/appcore.h"
#include "mount/mountaxisutil.h"
#include "mount/tests/fakefastclock.h"
#include "mount/tests/fakemountaxis.h"

#include <memory>

namespace Ko {

// The thread's token on a stopped fake clock: each sleep is logged and moves the clock on; the
// token reports a cancel once the clock reaches the deadline.
class FakeDeadlineToken : public ITCCancellable {
public:
    FakeDeadlineToken(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock,
                      int64_t deadlineMs)
        : m_log(std::move(log)), m_clock(std::move(clock)), m_deadline(deadlineMs) {}
    bool isCancelled() override { return m_clock->nowMs() >= m_deadline; }
    bool sleep(int64_t ms) override {
        m_log->add("sleep" + QString::number(ms));
        m_clock->advance(ms);
        return isCancelled();
    }
    std::shared_ptr<ICancellable> current() override { return nullptr; }
    void setCurrent(std::shared_ptr<ICancellable>) override {}

private:
    const std::shared_ptr<CallLog> m_log;
    const std::shared_ptr<FakeClock> m_clock;
    const int64_t m_deadline;
};

// The pointing model made when nothing has been aligned, for a site at latDeg.
inline std::shared_ptr<Alignment> defaultAlignment(int mode, double latDeg) {
    CLocation site;
    site.latitudeRad = latDeg * kDeg;
    return std::make_shared<Alignment>(
        std::make_shared<SharedAlignmentData>(makeDefaultAlignmentData(mode, site)), nullptr);
}

// The emulated mount's axes and extended commands with the real axis utilities, coordinate chain
// and default model, on the given clock and thread token. The axes start at startAxes.
struct EmulatedMountRig {
    EmulatedMountRig(std::shared_ptr<IClock> clock_, std::shared_ptr<ITCCancellable> token_,
                     int mode, double latDeg, std::pair<double, double> startAxes)
        : clock(std::move(clock_)), token(std::move(token_)) {
        CLocation site;
        site.latitudeRad = latDeg * kDeg;
        site.longitudeRad = -10 * kDeg;
        location->setLocation(site);
        device->initialize(false, 1);
        axes = std::make_shared<EmlatorMountAxis>(device, token, clock, container, location,
                                                  std::make_shared<PerMountDataBasic>());
        axes->initialize();
        axes->setPosition(0, startAxes.first);
        axes->setPosition(1, startAxes.second);
        util = std::make_shared<MountAxisUtil>(axes, token,
                                               std::make_shared<AppCore>(nullptr, nullptr));
        astro = std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock));
        model = defaultAlignment(mode, latDeg);
        command = std::make_shared<EmKoMCommand>(clock);
    }

    std::shared_ptr<IClock> clock;
    std::shared_ptr<ITCCancellable> token;
    std::shared_ptr<Location2> location = std::make_shared<Location2>(nullptr);
    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<MountAxisTimeContainer> container = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<EmlatorMountAxis> axes;
    std::shared_ptr<MountAxisUtil> util;
    std::shared_ptr<AstroCalc> astro;
    std::shared_ptr<Alignment> model;
    std::shared_ptr<EmKoMCommand> command;
};

} // namespace Ko
