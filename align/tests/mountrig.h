#pragma once

#include "align/alignselectionuistub.h"
#include "align/alignservices.h"
#include "align/alignstarcalculator.h"
#include "align/alignstarlistuistubs.h"
#include "align/alignstarrater.h"
#include "align/centeringuistub.h"
#include "align/instructionstepuistub.h"
#include "align/polaraligner.h"
#include "base/backgroundwork.h"
#include "emulatedmount.h"
#include "mount/imount.h"
#include "mount/slewingcontrol.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <memory>
#include <mutex>

namespace Ko::Test {

// How long one step of a routine (a GoTo and the page after it) may take.
constexpr int kStepTimeoutMs = 15000;

// Waits until reached() holds or, sooner, until wentWrong() does: a run that takes another turn
// fails its row at once, naming it, instead of waiting out the step's bound.
template <class Reached, class WentWrong>
void awaitStep(Reached reached, WentWrong wentWrong) {
    [[maybe_unused]] const bool settled =
        QTest::qWaitFor([&] { return reached() || wentWrong(); }, kStepTimeoutMs);
}

// The alignment services from their assembly over the emulated mount, the real catalog settings
// and fixture stars and Solar System.
struct MountRig : EmulatedMount {
    std::shared_ptr<LanguageManager> language = std::make_shared<LanguageManager>(nullptr, nullptr);
    std::shared_ptr<SolarSystem> realSolar =
        std::make_shared<SolarSystem>(astroClock, calc, language);
    std::shared_ptr<SunVisibility> sun =
        std::make_shared<SunVisibility>(calc, realSolar, astroClock);
    std::shared_ptr<CatalogSettings> catalogSettings =
        std::make_shared<CatalogSettings>(store, clock, altRange, calc, sun);
    std::shared_ptr<FixtureStarSource> stars = std::make_shared<FixtureStarSource>();
    std::shared_ptr<FixtureSolarSystem> solar = std::make_shared<FixtureSolarSystem>(*calc);
    std::shared_ptr<SlewingControl> slewingControl = std::make_shared<SlewingControl>(holder);
    AlignServices align = makeAlignServices({location, clock, astroClock, astro, format, altRange,
                                             perMountData, container, holder, slewingControl,
                                             toasts, stars, solar, catalogSettings},
                                            published);
    std::shared_ptr<AlignStarCalculator>& calculator = align.alignStarCalculator;
    std::shared_ptr<AlignStarListUIStubs>& listStubs = align.alignStarListUIStubs;
    std::shared_ptr<AlignSelectionUIStub>& selectionStub = align.alignSelectionUIStub;
    std::shared_ptr<CenteringUIStub>& centering = align.centeringUIStub;
    std::shared_ptr<InstructionStepUIStub>& instructions = align.instructionStepUIStub;

    // Where the mount really points for given axes; the default model unless the test says.
    TrueModel truth;

    MountRig(const QString& scratchFolder, MountMode_::E mode)
        : EmulatedMount(scratchFolder, mode), truth{mode, kRigLatitude} {
        // The test's own solving goes through the routines' solver.
        aligner = align.aligner;
    }
    ~MountRig() {
        // A measuring job, or a task thread that reports a GoTo's end to a routine, may hold a
        // routine last, and a routine holds its pages' stubs: both end before the services go,
        // so that these go on this thread.
        comeToRest();
        [[maybe_unused]] const bool ended = finishBackgroundWork(std::chrono::seconds(10));
    }

    AstroObj star(const std::string& name, float vmag, double haDeg, double decDeg) const {
        return placedAt(*calc, name, vmag, haDeg, decDeg);
    }

    // Observed hour angle and declination of a position of date, now.
    IAstroCalc::AnglePair observed(const CoordPair& raDec) const {
        const U_ASTRO_COORD hd =
            calc->convertNow({raDec.a, raDec.b, CoordType::RDJNow}, CoordType::HDObsv);
        return {hd.a, hd.b};
    }
    CoordPair raDecOf(const std::string& name) const {
        for (const AstroObj& s : stars->objects)
            if (s.name == name)
                return s.coordNow;
        return {};
    }

    // The row of list index012 that shows the star.
    int rowOf(int index012, const std::string& name) const {
        const auto& rows = index012 == 0   ? calculator->list0()
                           : index012 == 1 ? calculator->list1()
                                           : calculator->list2();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].a == name)
                return static_cast<int>(i);
        return -1;
    }

    // The user centres the star: the axes read what the true model gives for it now.
    void centre(const std::string& name) {
        const auto t = truth.transform(FlippingMode_::Auto);
        const auto axes = t->skyToAxes(observed(raDecOf(name)), mount->axisPositions());
        mount->setAxisPositions(axes.first, axes.second);
    }
    // How far the mount points from the star, as the true model sees it.
    double pointingError(const std::string& name) const {
        const auto t = truth.transform(FlippingMode_::Auto);
        return separationOf(t->axesToSky(mount->axisPositions()), observed(raDecOf(name)));
    }

    // A client sends the mount elsewhere as the remote servers do (a stop, then a GoTo) and the
    // GoTo runs to its end: to hour angle -40 degrees, declination 30, clear of the rig's stars.
    CmdRet sendElsewhere() {
        mount->abortSlewAsync();
        return gotoAndWait(elsewhere());
    }
    MountTarget elsewhere() const {
        const AstroObj place = star("Elsewhere", 0, -40, 30);
        return {place.name, {place.coordNow.a, place.coordNow.b, CoordType::RDJNow}, 0};
    }

    // Runs a GoTo of the test's own and waits for its end.
    CmdRet gotoAndWait(const MountTarget& target) {
        auto result = std::make_shared<std::pair<std::mutex, Nullable<CmdRet>>>();
        mount->slewToFinished.append([result](CmdRet r) {
            std::lock_guard lock(result->first);
            result->second = r;
        });
        if (!mount->slewToAsync(target))
            return CmdRet(CmdRetType_::Other);
        const auto ended = [result] {
            std::lock_guard lock(result->first);
            return result->second.hasValue();
        };
        if (!QTest::qWaitFor(ended, 30000))
            return CmdRet(CmdRetType_::Timeout);
        std::lock_guard lock(result->first);
        return result->second.value();
    }
};

} // namespace Ko::Test
