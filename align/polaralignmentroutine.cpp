#include "align/polaralignmentroutine.h"

#include "align/alignstarlistuistubs.h"
#include "align/centeringuistub.h"
#include "align/ialignstarcalculator.h"
#include "align/instructionstepuistub.h"
#include "align/ipolaraligner.h"
#include "astro/iastrocalc.h"
#include "base/backgroundwork.h"
#include "base/log.h"
#include "base/toastmanageruistub.h"
#include "catalog/icatalogsettings.h"
#include "model/ialignmentdatacontainer.h"
#include "mount/gotoclaim.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>

#include <exception>
#include <functional>
#include <mutex>

namespace Ko {

namespace {

QString trMount(const char* text) {
    return QCoreApplication::translate("mount", text);
}

// The instruction page shows one short paragraph.
constexpr qsizetype kInstructionLength = 198;

} // namespace

QString PolarAlignmentRoutine::instructionText(const QString& pattern, const QString& adjustment) {
    QString text = pattern;
    // Put in as text: a translation may carry other '%' signs, which stay as they are.
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0)
        text.replace(at, 2, adjustment);
    return text.left(kInstructionLength);
}

struct PolarAlignmentRoutine::Steps : std::enable_shared_from_this<Steps> {
    struct Star {
        std::string name;
        double ra = 0;
        double dec = 0;
        MountTarget at(U_ASTRO_COORD raDec) const { return MountTarget{name, raDec, 0}; }
    };

    std::shared_ptr<IAlignStarCalculator> calculator;
    std::shared_ptr<IMountConnection> mountConnection;
    std::shared_ptr<AlignStarListUIStubs> starListStubs;
    std::shared_ptr<CenteringUIStub> centeringStub;
    std::shared_ptr<InstructionStepUIStub> instructionStub;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IPolarAligner> polarAligner;
    std::shared_ptr<IAlignmentDataContainer> container;
    std::shared_ptr<ToastManagerUIStub> toast;

    // Guards the run state below; never held while calling the mount or a stub.
    std::mutex mutex;
    uint64_t run = 0;
    Star star;
    double maz = 0;
    double mel = 0;
    // Right ascension and declination of date where the star was centred first.
    U_ASTRO_COORD measured{0, 0, CoordType::RDJNow};
    // The GoTo the page on screen (centring, or an adjustment) follows.
    GotoClaim claim;
    // The run whose adjustment page is shown (0: none).
    uint64_t adjustingRun = 0;

    void start();
    void onStarSelected(int indexInList);
    void onCentered();
    void measureAndShiftElevation(uint64_t forRun);
    void onLatitudeAdjusted(uint64_t forRun);
    void onAzimuthAdjusted(uint64_t forRun);
    bool applyCorrection(bool isElevation);

    // Each user step moves the run on, so that a second press of the same button finds its run
    // outdated: false when forRun was outdated already.
    bool advance(uint64_t& forRun);
    // The state of run forRun; false when a newer run has begun.
    bool current(uint64_t forRun, Star* s = nullptr, double* az = nullptr, double* el = nullptr,
                 U_ASTRO_COORD* firstCentring = nullptr);
    // GoTo to target; then, if it ends Ok and forRun is still the run, step runs.
    void gotoThen(IMount& mount, uint64_t forRun, const MountTarget& target,
                  void (Steps::*step)(uint64_t));
    void onFirstGotoFinished(uint64_t forRun);
    GotoClaim claimOf(uint64_t forRun);
    // false, and the pages close with a word to the user, when another GoTo has sent the mount
    // away from where the step of run forRun left it.
    bool stillThere(uint64_t forRun, const std::shared_ptr<IMount>& mount);
    // Ends the run: the pages close and the user is told why.
    void dropRun();
    // Main thread, at every change of the GoTo state: an adjustment page whose GoTo another one
    // has followed goes at once, and its Next press finds the run outdated.
    void onGotoStateChanged();
    void showLatitudeStep(uint64_t forRun);
    void showAzimuthStep(uint64_t forRun);
    void showInstruction(uint64_t forRun, void (Steps::*onNext)(uint64_t), const char* word);
    void send(const char* text) { toast->sendShortMessage(trMount(text).toUtf8().constData()); }
};

void PolarAlignmentRoutine::Steps::start() {
    const std::weak_ptr<Steps> weak = weak_from_this();
    starListStubs->onSelect = [weak](int /*index012*/, int indexInList) {
        // Only list 0 is shown for polar alignment.
        if (auto self = weak.lock())
            self->onStarSelected(indexInList);
    };
    centeringStub->onCenter = [weak] {
        if (auto self = weak.lock())
            self->onCentered();
    };
    {
        std::lock_guard lock(mutex);
        ++run;
    }
    const int n = container->alignedStarCount();
    calculator->refreshVisible();
    emit starListStubs->shouldShow(
        0, n < 2 ? trMount(QT_TRANSLATE_NOOP(
                       "mount", "No measured Mel Maz. Please perform alignment with 2 or 3 stars."))
                 : trMount(QT_TRANSLATE_NOOP("mount", "Choose Polar Align Star")));
}

bool PolarAlignmentRoutine::Steps::advance(uint64_t& forRun) {
    std::lock_guard lock(mutex);
    if (forRun != run)
        return false;
    forRun = ++run;
    return true;
}

bool PolarAlignmentRoutine::Steps::current(uint64_t forRun, Star* s, double* az, double* el,
                                           U_ASTRO_COORD* firstCentring) {
    std::lock_guard lock(mutex);
    if (forRun != run)
        return false;
    if (s)
        *s = star;
    if (az)
        *az = maz;
    if (el)
        *el = mel;
    if (firstCentring)
        *firstCentring = measured;
    return true;
}

void PolarAlignmentRoutine::Steps::gotoThen(IMount& mount, uint64_t forRun,
                                            const MountTarget& target,
                                            void (Steps::*step)(uint64_t)) {
    const std::weak_ptr<Steps> weak = weak_from_this();
    const auto subscription = mount.slewToFinished.append([weak, forRun, step](CmdRet ret) {
        auto self = weak.lock();
        if (self && ret.isOk() && self->current(forRun))
            (self.get()->*step)(forRun);
    });
    {
        std::lock_guard lock(mutex);
        if (forRun == run)
            claim = GotoClaim::next(mountConnection->sharedMount());
    }
    if (!mount.slewToAsync(target)) {
        // Refused at once: the subscription would otherwise answer someone else's next GoTo.
        mount.slewToFinished.remove(subscription);
        // The mount refuses a target outside the altitude limits only.
        const QString why = slewToProhibitionText(SlewToProhibition_::AltitudeOutOfRange);
        Log("PolarAlignmentRoutine: GoTo to %s refused: %s", target.name.c_str(), qPrintable(why));
        toast->sendShortMessage(why.toUtf8().constData());
    }
}

void PolarAlignmentRoutine::Steps::onStarSelected(int indexInList) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount)
        return;
    // The page may offer a row of a list that has been rebuilt since it was drawn.
    const Nullable<ChosenAlignStar> chosen = calculator->listItem(0, indexInList);
    if (!chosen.hasValue()) {
        Log("PolarAlignmentRoutine: no star at row %d", indexInList);
        return;
    }
    const auto [az, el] = container->polarAxisError();
    Star s{chosen.value().name, chosen.value().coordNow.a, chosen.value().coordNow.b};
    uint64_t thisRun;
    {
        std::lock_guard lock(mutex);
        thisRun = ++run;
        star = s;
        maz = az;
        mel = el;
    }
    gotoThen(*mount, thisRun, s.at({s.ra, s.dec, CoordType::RDJNow}), &Steps::onFirstGotoFinished);
}

GotoClaim PolarAlignmentRoutine::Steps::claimOf(uint64_t forRun) {
    std::lock_guard lock(mutex);
    return forRun == run ? claim : GotoClaim();
}

bool PolarAlignmentRoutine::Steps::stillThere(uint64_t forRun,
                                              const std::shared_ptr<IMount>& mount) {
    if (claimOf(forRun).holds(mount))
        return true;
    dropRun();
    return false;
}

void PolarAlignmentRoutine::Steps::onGotoStateChanged() {
    uint64_t forRun = 0;
    {
        std::lock_guard lock(mutex);
        if (adjustingRun == 0 || adjustingRun != run)
            return;
        forRun = adjustingRun;
    }
    // A mount that goes away takes the pages with it (they see to that themselves).
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount || claimOf(forRun).holds(mount) || !advance(forRun))
        return;
    dropRun();
}

void PolarAlignmentRoutine::Steps::dropRun() {
    {
        // Whatever of the run is still to come (a second press) finds it outdated.
        std::lock_guard lock(mutex);
        adjustingRun = 0;
        ++run;
    }
    Log("PolarAlignmentRoutine: step dropped, the mount was sent elsewhere");
    // The pages belong to the main thread; the measurement asks from its own.
    runOnMainThread([weak = std::weak_ptr(starListStubs)] {
        if (const auto stubs = weak.lock())
            emit stubs->shouldInclusivePop(0);
    });
    toast->sendShortMessage(CenteringUIStub::movedAwayText().toUtf8().constData());
}

void PolarAlignmentRoutine::Steps::onFirstGotoFinished(uint64_t forRun) {
    Star s;
    if (current(forRun, &s))
        centeringStub->showTarget(s.name, U_ASTRO_COORD{s.ra, s.dec, CoordType::RDJNow},
                                  claimOf(forRun));
}

void PolarAlignmentRoutine::Steps::onCentered() {
    if (!mountConnection->sharedMount())
        return;
    emit centeringStub->shouldInclusivePop();
    uint64_t thisRun;
    {
        // The claim of the GoTo to the star stays for the measurement.
        std::lock_guard lock(mutex);
        thisRun = ++run;
    }
    runInBackground("polar alignment measurement", [self = shared_from_this(), thisRun] {
        try {
            self->measureAndShiftElevation(thisRun);
        } catch (const std::exception& e) {
            // A read that said Ok without a position, or a frame the chain did not give.
            Log("PolarAlignmentRoutine: measuring failed: %s", e.what());
            self->send(QT_TRANSLATE_NOOP("mount", "Error: Cannot read axis coordinates"));
        }
    });
}

void PolarAlignmentRoutine::Steps::measureAndShiftElevation(uint64_t forRun) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount)
        return;
    const CmdResp<IMount::AnglePair> position = mount->readPosition();
    if (!position.isOk()) {
        // The words the other routines and the pages use when the mount stays silent.
        Log("PolarAlignmentRoutine: star not measured, reading the position failed: %s",
            cmdRetTypeText(position.type));
        toast->sendShortMessage(IMount::noAnswerText().toUtf8().constData());
        return;
    }
    // The page checked the claim at the press; a GoTo may have come since, up to the read.
    if (!current(forRun) || !stillThere(forRun, mount))
        return;
    const auto [ha, dec] = position.value();
    const U_ASTRO_COORD raDec =
        astroCalc->convertNow(U_ASTRO_COORD{ha, dec, CoordType::HDObsv}, CoordType::RDJNow);
    Star s;
    double el = 0;
    {
        std::lock_guard lock(mutex);
        if (forRun != run)
            return;
        measured = raDec;
        s = star;
        el = mel;
    }
    const auto [ha2, dec2] = polarAligner->shiftElevation(ha, dec, el);
    const U_ASTRO_COORD target =
        astroCalc->convertNow(U_ASTRO_COORD{ha2, dec2, CoordType::HDObsv}, CoordType::RDJNow);
    gotoThen(*mount, forRun, s.at(target), &Steps::showLatitudeStep);
}

void PolarAlignmentRoutine::Steps::showInstruction(uint64_t forRun, void (Steps::*onNext)(uint64_t),
                                                   const char* word) {
    const std::weak_ptr<Steps> weak = weak_from_this();
    const QString text = PolarAlignmentRoutine::instructionText(
        trMount(
            QT_TRANSLATE_NOOP("mount", "Adjust %s of mount to bring star to center of eyepiece")),
        trMount(word));
    // The Next button is pressed on the main thread: its callback is replaced there too, never
    // while a press of the page before may be reading it.
    runOnMainThread([weak, forRun, onNext, text] {
        const auto self = weak.lock();
        if (!self || !self->current(forRun))
            return;
        self->instructionStub->onNext = [weak, forRun, onNext] {
            if (auto s = weak.lock())
                (s.get()->*onNext)(forRun);
        };
        {
            std::lock_guard lock(self->mutex);
            self->adjustingRun = forRun;
        }
        emit self->instructionStub->shouldShow(text);
    });
}

void PolarAlignmentRoutine::Steps::showLatitudeStep(uint64_t forRun) {
    showInstruction(forRun, &Steps::onLatitudeAdjusted, QT_TRANSLATE_NOOP("mount", "Latitude"));
}

void PolarAlignmentRoutine::Steps::showAzimuthStep(uint64_t forRun) {
    showInstruction(forRun, &Steps::onAzimuthAdjusted, QT_TRANSLATE_NOOP("mount", "Azimuth"));
}

bool PolarAlignmentRoutine::Steps::applyCorrection(bool isElevation) {
    double az = 0;
    double el = 0;
    {
        std::lock_guard lock(mutex);
        az = maz;
        el = mel;
    }
    const bool ok = polarAligner->applyCorrection(el, az, isElevation);
    if (!ok) {
        // Closes the polar-alignment pages.
        emit starListStubs->shouldInclusivePop(0);
        send(QT_TRANSLATE_NOOP("mount", "Failed to update alignment data"));
    }
    return ok;
}

void PolarAlignmentRoutine::Steps::onLatitudeAdjusted(uint64_t forRun) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    // The user adjusted the mount where the elevation GoTo left it.
    if (!mount || !current(forRun) || !stillThere(forRun, mount) || !advance(forRun))
        return;
    if (!applyCorrection(true))
        return;
    Star s;
    double az = 0;
    U_ASTRO_COORD firstCentring;
    if (!current(forRun, &s, &az, nullptr, &firstCentring))
        return;
    const U_ASTRO_COORD q = astroCalc->convertNow(firstCentring, CoordType::HDObsv);
    const auto [ha, dec] = polarAligner->shiftAzimuth(q.a, q.b, az);
    const U_ASTRO_COORD target =
        astroCalc->convertNow(U_ASTRO_COORD{ha, dec, CoordType::HDObsv}, CoordType::RDJNow);
    gotoThen(*mount, forRun, s.at(target), &Steps::showAzimuthStep);
}

void PolarAlignmentRoutine::Steps::onAzimuthAdjusted(uint64_t forRun) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount || !current(forRun) || !stillThere(forRun, mount) || !advance(forRun))
        return;
    if (applyCorrection(false)) {
        emit starListStubs->shouldInclusivePop(0);
        send(QT_TRANSLATE_NOOP("mount", "Polar alignment finished"));
    }
}

PolarAlignmentRoutine::PolarAlignmentRoutine(std::shared_ptr<IAlignStarCalculator> calculator,
                                             std::shared_ptr<IMountConnection> mountConnection,
                                             std::shared_ptr<AlignStarListUIStubs> starListStubs,
                                             std::shared_ptr<CenteringUIStub> centeringStub,
                                             std::shared_ptr<InstructionStepUIStub> instructionStub,
                                             std::shared_ptr<IAstroCalc> astroCalc,
                                             std::shared_ptr<IPolarAligner> polarAligner,
                                             std::shared_ptr<IAlignmentDataContainer> container,
                                             std::shared_ptr<ToastManagerUIStub> toast)
    : m_steps(std::make_shared<Steps>()) {
    m_steps->calculator = std::move(calculator);
    m_steps->mountConnection = std::move(mountConnection);
    m_steps->starListStubs = std::move(starListStubs);
    m_steps->centeringStub = std::move(centeringStub);
    m_steps->instructionStub = std::move(instructionStub);
    m_steps->astroCalc = std::move(astroCalc);
    m_steps->polarAligner = std::move(polarAligner);
    m_steps->container = std::move(container);
    m_steps->toast = std::move(toast);
    // Queued: the GoTo state changes on task and server threads; the pages are the main thread's.
    connect(
        m_steps->mountConnection.get(), &IMountConnection::slewToStateChanged, this,
        [weak = std::weak_ptr(m_steps)] {
            if (const auto steps = weak.lock())
                steps->onGotoStateChanged();
        },
        Qt::QueuedConnection);
}

PolarAlignmentRoutine::~PolarAlignmentRoutine() = default;

void PolarAlignmentRoutine::start() {
    m_steps->start();
}

} // namespace Ko
