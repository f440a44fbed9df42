#include "align/alignmentroutine.h"

#include "align/alignpairs.h"
#include "align/alignselectionuistub.h"
#include "align/alignstarlistuistubs.h"
#include "align/centeringuistub.h"
#include "align/ialignstarcalculator.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/backgroundwork.h"
#include "base/ishortmessagesink.h"
#include "base/log.h"
#include "catalog/icatalogsettings.h"
#include "model/ialigner.h"
#include "mount/gotoclaim.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>

#include <exception>
#include <mutex>
#include <utility>

namespace Ko {

namespace {

QString trMount(const char* text) {
    return QCoreApplication::translate("mount", text);
}

const char* previewTitle(AlignmentType_::E type) {
    switch (type) {
    case AlignmentType_::Star2:
        return QT_TRANSLATE_NOOP("mount", "2-Star Alignment");
    case AlignmentType_::Star3:
        return QT_TRANSLATE_NOOP("mount", "3-Star Alignment");
    case AlignmentType_::BrightestStar:
        return QT_TRANSLATE_NOOP("mount", "Brightest Star Alignment");
    case AlignmentType_::NorthLevel:
        return QT_TRANSLATE_NOOP("mount", "North-Level Alignment");
    default:
        return QT_TRANSLATE_NOOP("mount", "1-Star Alignment");
    }
}

U_ASTRO_COORD raDecOf(const ChosenAlignStar& star) {
    return {star.coordNow.a, star.coordNow.b, CoordType::RDJNow};
}

} // namespace

struct AlignmentRoutine::Steps : std::enable_shared_from_this<Steps> {
    // What a measurement needs of its run, taken when the centring button was pressed.
    struct Measure {
        uint64_t run = 0;
        uint32_t index = 0;
        AlignmentType_::E type = AlignmentType_::Star1;
        ChosenAlignStar star;
        bool northLevel = false;
        // Where the page put the mount: the star's GoTo, or the mount as it stood when the user
        // was asked to point it by hand.
        GotoClaim claim;
    };

    std::shared_ptr<IAlignStarCalculator> calculator;
    std::shared_ptr<IMountConnection> mountConnection;
    std::shared_ptr<AlignStarListUIStubs> starListStubs;
    std::shared_ptr<CenteringUIStub> centeringStub;
    std::shared_ptr<AlignSelectionUIStub> selectionStub;
    std::shared_ptr<IAstroFormat> astroFormat;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IAligner> aligner;
    std::shared_ptr<ICatalogSettings> catalogSettings;
    std::shared_ptr<IShortMessageSink> messages;

    // Guards the run state below. Held over a solve, so that a measurement of an outdated run
    // cannot store its model after a newer run has begun; never held while waiting on the mount.
    std::mutex mutex;
    uint64_t run = 0;
    AlignmentType_::E alignmentType = AlignmentType_::Star1;
    std::vector<ChosenAlignStar> stars;
    Nullable<uint32_t> currentIndex;
    bool northLevelPending = false;
    std::vector<ALIGNMENT_PAIR> pairs;
    // What the current star's centring belongs to, and whether its page waits for the press: a
    // second tap before the page has gone measures nothing.
    GotoClaim claim;
    bool awaitingCentre = false;

    void start(AlignmentType_::E type);
    void onStarSelected(int index012, int indexInList);
    void beginAlignment();
    void gotoCurrentStar(uint64_t forRun);
    // Logs the GoTo that did not start and tells the user why.
    void refused(const ChosenAlignStar& star, const QString& why);
    void onGotoFinished(uint64_t forRun, CmdRet ret);
    void onCenterPressed();
    void measureCurrentStar(const Measure& m);
    enum class Next { Stop, NextStar, Done };
    // Solves with the new pair; what follows, Stop also when the run has moved on meanwhile.
    Next measured(const Measure& m, const ALIGNMENT_PAIR& pair);
    // false, and the user is told, when another GoTo has sent the mount away from the star.
    bool stillThere(const Measure& m, const std::shared_ptr<IMount>& mount);
    // The brightest-star run's first centring: the model is reset and the axes synced to the
    // star. false, and the user is told, when the sync did not go through; tracking is then as
    // it was before.
    bool syncToFirstStar(const Measure& m, const std::shared_ptr<IMount>& mount);
    // false, and the user is told, when the mount did not take what the measurement asked.
    bool answered(const Measure& m, CmdRetType_::E ret, const char* what);
    // The claim of the centring that comes next in run forRun.
    void claimFor(uint64_t forRun, const GotoClaim& c);
    // The centring page of run forRun is about to be shown: the press is awaited; its claim.
    GotoClaim awaitCentring(uint64_t forRun);
    int starCount() const { return alignmentStarCount(alignmentType); }
    // The star being aligned in run forRun; empty once a newer run has begun.
    Nullable<ChosenAlignStar> currentStar(uint64_t forRun);
};

void AlignmentRoutine::Steps::claimFor(uint64_t forRun, const GotoClaim& c) {
    std::lock_guard lock(mutex);
    if (forRun == run)
        claim = c;
}

GotoClaim AlignmentRoutine::Steps::awaitCentring(uint64_t forRun) {
    std::lock_guard lock(mutex);
    if (forRun != run)
        return GotoClaim();
    awaitingCentre = true;
    return claim;
}

bool AlignmentRoutine::Steps::stillThere(const Measure& m, const std::shared_ptr<IMount>& mount) {
    if (m.claim.holds(mount))
        return true;
    Log("AlignmentRoutine: %s not measured, the mount was sent elsewhere", m.star.name.c_str());
    messages->sendShortMessage(CenteringUIStub::movedAwayText().toUtf8().constData());
    return false;
}

bool AlignmentRoutine::Steps::answered(const Measure& m, CmdRetType_::E ret, const char* what) {
    if (ret == CmdRetType_::Ok)
        return true;
    // The centring page has closed already: without a word the user would find the run back at
    // its start with no star recorded, and no reason.
    Log("AlignmentRoutine: %s not measured, %s failed: %s", m.star.name.c_str(), what,
        cmdRetTypeText(ret));
    messages->sendShortMessage(IMount::noAnswerText().toUtf8().constData());
    return false;
}

Nullable<ChosenAlignStar> AlignmentRoutine::Steps::currentStar(uint64_t forRun) {
    std::lock_guard lock(mutex);
    if (forRun != run || !currentIndex.hasValue())
        return {};
    return stars.at(currentIndex.value());
}

void AlignmentRoutine::Steps::start(AlignmentType_::E type) {
    const std::weak_ptr<Steps> weak = weak_from_this();
    starListStubs->onSelect = [weak](int index012, int indexInList) {
        if (auto self = weak.lock())
            self->onStarSelected(index012, indexInList);
    };
    selectionStub->onStart = [weak] {
        if (auto self = weak.lock())
            self->beginAlignment();
    };
    centeringStub->onCenter = [weak] {
        if (auto self = weak.lock())
            self->onCenterPressed();
    };
    {
        std::lock_guard lock(mutex);
        ++run;
        alignmentType = type;
        stars.clear();
        currentIndex.reset();
        northLevelPending = false;
        awaitingCentre = false;
        pairs.clear();
    }
    calculator->startLists(type);
    emit starListStubs->shouldShow(0, trMount(QT_TRANSLATE_NOOP("mount", "Choose 1st Star")));
}

void AlignmentRoutine::Steps::onStarSelected(int index012, int indexInList) {
    if (index012 < 0 || index012 > 2)
        return;
    // The page may offer a row of a list that has been rebuilt since it was drawn.
    const Nullable<ChosenAlignStar> chosen = calculator->listItem(index012, indexInList);
    if (!chosen.hasValue()) {
        Log("AlignmentRoutine: no star at row %d of list %d", indexInList, index012);
        return;
    }
    AlignmentType_::E type;
    std::vector<ChosenAlignStar> chosenStars;
    {
        std::lock_guard lock(mutex);
        // A page above the ones chosen so far cannot be open.
        if (static_cast<size_t>(index012) > stars.size())
            return;
        stars.resize(index012 + 1);
        stars[index012] = chosen.value();
        type = alignmentType;
        chosenStars = stars;
    }
    const int n = alignmentStarCount(type);
    if (index012 + 1 >= n) {
        std::vector<AstroListUIItem> rows;
        for (const ChosenAlignStar& star : chosenStars) {
            const U_ASTRO_COORD azAlt = astroCalc->convertNow(raDecOf(star), CoordType::AZTrue);
            AstroListUIItem row;
            row.a = star.name;
            row.b = astroFormat->formatAzAltWholeDegrees(azAlt.a, azAlt.b);
            rows.push_back(std::move(row));
        }
        emit selectionStub->shouldShow(trMount(previewTitle(type)), rows);
    } else if (index012 == 0) {
        const QString title = QString::fromStdString(chosenStars[0].name) + ".  " +
                              trMount(QT_TRANSLATE_NOOP("mount", "Choose 2nd Star"));
        calculator->firstStarChosen(type, chosenStars[0]);
        emit starListStubs->shouldShow(1, title);
    } else {
        const QString title = QString::fromStdString(chosenStars[0].name) + ", " +
                              QString::fromStdString(chosenStars[1].name) + ".  " +
                              trMount(QT_TRANSLATE_NOOP("mount", "Choose 3rd Star"));
        calculator->secondStarChosen(type, chosenStars[0], chosenStars[1]);
        emit starListStubs->shouldShow(2, title);
    }
}

void AlignmentRoutine::Steps::beginAlignment() {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount)
        return;
    uint64_t thisRun;
    AlignmentType_::E type;
    {
        std::lock_guard lock(mutex);
        // A preview left over from an earlier start has no stars behind it any more.
        if (stars.empty() || static_cast<int>(stars.size()) < starCount())
            return;
        thisRun = ++run;
        currentIndex = 0u;
        awaitingCentre = false;
        type = alignmentType;
        northLevelPending = type == AlignmentType_::NorthLevel;
        pairs.clear();
    }
    switch (type) {
    case AlignmentType_::BrightestStar:
        // The user brings the first star into view by hand, with the mount tracking.
        mount->setTrackingEnabled(true);
        claimFor(thisRun, GotoClaim::current(mount));
        onGotoFinished(thisRun, CmdRet(CmdRetType_::Ok));
        break;
    case AlignmentType_::NorthLevel:
        claimFor(thisRun, GotoClaim::current(mount));
        centeringStub->showTarget(
            trMount(QT_TRANSLATE_NOOP("mount", "Level your telescope and point it to north."))
                .toStdString(),
            U_ASTRO_COORD{0, 0, CoordType::AZTrue}, awaitCentring(thisRun));
        break;
    default:
        gotoCurrentStar(thisRun);
        break;
    }
}

void AlignmentRoutine::Steps::gotoCurrentStar(uint64_t forRun) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount)
        return;
    const Nullable<ChosenAlignStar> current = currentStar(forRun);
    if (!current.hasValue())
        return;
    const ChosenAlignStar& star = current.value();
    // The star was chosen a while ago: it may have risen above the upper limit since, and the
    // Sun stays refused while it may not be observed.
    if (const auto why = catalogSettings->slewToProhibition(star.coordNow, {}); why.hasValue()) {
        refused(star, slewToProhibitionText(why.value()));
        return;
    }
    const std::weak_ptr<Steps> weak = weak_from_this();
    const auto subscription = mount->slewToFinished.append([weak, forRun](CmdRet ret) {
        if (auto self = weak.lock())
            self->onGotoFinished(forRun, ret);
    });
    claimFor(forRun, GotoClaim::next(mount));
    if (!mount->slewToAsync(MountTarget{star.name, raDecOf(star), 0})) {
        // Refused at once: the subscription would otherwise answer someone else's next GoTo.
        mount->slewToFinished.remove(subscription);
        // The mount refuses a target outside the altitude limits only.
        refused(star, slewToProhibitionText(SlewToProhibition_::AltitudeOutOfRange));
    }
}

void AlignmentRoutine::Steps::refused(const ChosenAlignStar& star, const QString& why) {
    Log("AlignmentRoutine: GoTo to %s refused: %s", star.name.c_str(), qPrintable(why));
    messages->sendShortMessage(why.toUtf8().constData());
}

void AlignmentRoutine::Steps::onGotoFinished(uint64_t forRun, CmdRet ret) {
    if (!ret.isOk())
        return;
    const Nullable<ChosenAlignStar> star = currentStar(forRun);
    if (star.hasValue())
        centeringStub->showTarget(star.value().name, raDecOf(star.value()), awaitCentring(forRun));
}

void AlignmentRoutine::Steps::onCenterPressed() {
    emit centeringStub->shouldInclusivePop();
    Measure m;
    {
        std::lock_guard lock(mutex);
        if (!currentIndex.hasValue() || !std::exchange(awaitingCentre, false))
            return;
        m = Measure{run,
                    currentIndex.value(),
                    alignmentType,
                    stars.at(currentIndex.value()),
                    northLevelPending,
                    claim};
    }
    runInBackground("alignment star measurement", [self = shared_from_this(), m] {
        try {
            self->measureCurrentStar(m);
        } catch (const std::exception& e) {
            // A read without angles or a frame the chain did not give: the run ends here.
            Log("AlignmentRoutine: measuring %s failed: %s", m.star.name.c_str(), e.what());
        }
    });
}

void AlignmentRoutine::Steps::measureCurrentStar(const Measure& m) {
    const std::shared_ptr<IMount> mount = mountConnection->sharedMount();
    if (!mount)
        return;
    // The page checked the claim at the press; a GoTo may have come since.
    if (!stillThere(m, mount))
        return;
    if (m.northLevel) {
        // The level, north-pointing tube is where both axes read 0.
        if (!answered(m, mount->setAxisPositions(0.0, 0.0), "setting the axes"))
            return;
        {
            std::lock_guard lock(mutex);
            if (m.run != run || !northLevelPending)
                return;
            aligner->reapply();
            northLevelPending = false;
        }
        gotoCurrentStar(m.run);
        return;
    }
    if (m.type == AlignmentType_::BrightestStar && m.index == 0 && !syncToFirstStar(m, mount))
        return;
    const CmdResp<IMount::AnglePair> axes = mount->readAxisPositions();
    if (!answered(m, axes.type, "reading the axes"))
        return;
    // A GoTo accepted while the axes were read may have moved them already.
    if (!stillThere(m, mount))
        return;
    const U_ASTRO_COORD sky = astroCalc->convertNow(raDecOf(m.star), CoordType::HDObsv);
    const ALIGNMENT_PAIR pair{sky.a, sky.b, axes.value().first, axes.value().second};
    switch (measured(m, pair)) {
    case Next::NextStar:
        gotoCurrentStar(m.run);
        break;
    case Next::Done: {
        // Closes the first star-list page and every page above it; the pages and their stub
        // belong to the main thread.
        runOnMainThread([weak = std::weak_ptr(starListStubs)] {
            if (const auto stubs = weak.lock())
                emit stubs->shouldInclusivePop(0);
        });
        break;
    }
    case Next::Stop:
        break;
    }
}

bool AlignmentRoutine::Steps::syncToFirstStar(const Measure& m,
                                              const std::shared_ptr<IMount>& mount) {
    // The axes are set only while they stand, so tracking pauses for the sync. On a link that
    // is known to be down, that pause would be a stop left pending, which ends tracking behind
    // the user's back once the link returns: nothing is touched then.
    if (!mount->linkAnswering())
        return answered(m, CmdRetType_::Timeout, "the sync");
    const bool wasTracking = mount->trackingEnabled();
    mount->setTrackingEnabled(false);
    bool current;
    {
        std::lock_guard lock(mutex);
        current = m.run == run;
        if (current)
            aligner->reapply();
    }
    const U_ASTRO_COORD sky = astroCalc->convertNow(raDecOf(m.star), CoordType::HDObsv);
    const CmdRetType_::E synced = current ? mount->syncPosition(sky.a, sky.b) : CmdRetType_::Cancel;
    // Tracking goes back as it was whatever became of the sync; when the link has gone down
    // meanwhile, the mount keeps asking for it, so that the stop still pending does not end it
    // once the link returns. A sync that went through leaves the star tracked for the next one.
    mount->setTrackingEnabled(synced == CmdRetType_::Ok || wasTracking);
    return current && answered(m, synced, "the sync");
}

AlignmentRoutine::Steps::Next AlignmentRoutine::Steps::measured(const Measure& m,
                                                                const ALIGNMENT_PAIR& pair) {
    std::lock_guard lock(mutex);
    // A second press for the same star, or a press of an earlier run, changes nothing.
    if (m.run != run || !currentIndex.hasValue() || currentIndex.value() != m.index ||
        pairs.size() < m.index)
        return Next::Stop;
    pairs.resize(m.index + 1);
    pairs[m.index] = pair;
    std::vector<std::string> names;
    for (uint32_t i = 0; i <= m.index; ++i)
        names.push_back(stars.at(i).name);
    if (!alignPairs(*aligner, names, pairs)) {
        Log("AlignmentRoutine: the solver rejected star %u (%s)", m.index + 1, m.star.name.c_str());
        pairs.resize(m.index);
        return Next::Stop;
    }
    if (static_cast<int>(m.index) + 1 < starCount()) {
        currentIndex = m.index + 1;
        return Next::NextStar;
    }
    // Nothing left to centre: a late press finds no current star.
    currentIndex.reset();
    return Next::Done;
}

AlignmentRoutine::AlignmentRoutine(std::shared_ptr<IAlignStarCalculator> calculator,
                                   std::shared_ptr<IMountConnection> mountConnection,
                                   std::shared_ptr<AlignStarListUIStubs> starListStubs,
                                   std::shared_ptr<CenteringUIStub> centeringStub,
                                   std::shared_ptr<AlignSelectionUIStub> selectionStub,
                                   std::shared_ptr<IAstroFormat> astroFormat,
                                   std::shared_ptr<IAstroCalc> astroCalc,
                                   std::shared_ptr<IAligner> aligner,
                                   std::shared_ptr<ICatalogSettings> catalogSettings,
                                   std::shared_ptr<IShortMessageSink> messages)
    : m_steps(std::make_shared<Steps>()) {
    m_steps->calculator = std::move(calculator);
    m_steps->mountConnection = std::move(mountConnection);
    m_steps->starListStubs = std::move(starListStubs);
    m_steps->centeringStub = std::move(centeringStub);
    m_steps->selectionStub = std::move(selectionStub);
    m_steps->astroFormat = std::move(astroFormat);
    m_steps->astroCalc = std::move(astroCalc);
    m_steps->aligner = std::move(aligner);
    m_steps->catalogSettings = std::move(catalogSettings);
    m_steps->messages = std::move(messages);
}

AlignmentRoutine::~AlignmentRoutine() = default;

void AlignmentRoutine::start(AlignmentType_::E alignmentType) {
    m_steps->start(alignmentType);
}

} // namespace Ko
