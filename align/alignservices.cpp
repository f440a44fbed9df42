#include "align/alignservices.h"

#include "align/alignerhelper.h"
#include "align/alignmentroutine.h"
#include "align/alignselectionuistub.h"
#include "align/alignstarcalculator.h"
#include "align/alignstarlistuistubs.h"
#include "align/alignstarrater.h"
#include "align/centeringuistub.h"
#include "align/instructionstepuistub.h"
#include "align/paeroutine.h"
#include "align/polaraligner.h"
#include "align/polaralignmentroutine.h"
#include "align/polarscopeinfo.h"
#include "align/polarscopepainteditem.h"
#include "base/backgroundwork.h"
#include "base/toastmanageruistub.h"
#include "model/aligner.h"

namespace Ko {

AlignServices makeAlignServices(const AlignDeps& deps, PublishedRows& published) {
    AlignServices s;
    // The QML page re-parents the reticle item into its drawing area.
    s.polarScopePaintedItem = std::make_shared<PolarScopePaintedItem>(deps.astroCalc);
    published.emplace_back("inj_polarScopePaintedItem", s.polarScopePaintedItem);
    s.polarScopeInfo = std::make_shared<PolarScopeInfo>(deps.astroCalc, deps.astroFormat,
                                                        deps.location, deps.astroClock);
    published.emplace_back("inj_polarScopeInfo", s.polarScopeInfo);
    s.aligner = std::make_shared<Aligner>(deps.alignmentDataContainer, deps.perMountData,
                                          deps.location, deps.clock, deps.astroCalc);
    s.polarAligner = std::make_shared<PolarAligner>(deps.altRange, deps.location, deps.astroCalc,
                                                    deps.alignmentDataContainer, s.aligner);
    // Rates by the rules of whichever mount the holder has at the moment of each call.
    s.alignStarRater =
        std::make_shared<AlignStarRater>(deps.altRange, deps.astroCalc, deps.mountConnection);
    s.alignStarCalculator = std::make_shared<AlignStarCalculator>(
        deps.namedStars, deps.solarSystem, s.alignStarRater, deps.astroCalc, deps.catalogSettings,
        deps.astroFormat, s.polarAligner);
    published.emplace_back("inj_alignStarCalculator", s.alignStarCalculator);
    s.alignStarListUIStubs = std::make_shared<AlignStarListUIStubs>();
    published.emplace_back("inj_alignStarListUIStubs", s.alignStarListUIStubs);
    // The centering page serves the alignment, polar-alignment and pointing-accuracy routines
    // in turn, so it is made before all three. A routine's background measurement may hold the
    // last reference to it; destroyed there, its timers and signals would leave their thread.
    s.centeringUIStub = makeOnOwnerThread<CenteringUIStub>(
        deps.slewingControl, deps.astroCalc, deps.astroFormat, deps.mountConnection, deps.toast);
    published.emplace_back("inj_centeringUIStub", s.centeringUIStub);
    s.alignSelectionUIStub = std::make_shared<AlignSelectionUIStub>();
    published.emplace_back("inj_alignSelectionUIStub", s.alignSelectionUIStub);
    s.alignmentRoutine = std::make_shared<AlignmentRoutine>(
        s.alignStarCalculator, deps.mountConnection, s.alignStarListUIStubs, s.centeringUIStub,
        s.alignSelectionUIStub, deps.astroFormat, deps.astroCalc, s.aligner, deps.catalogSettings,
        deps.toast);
    published.emplace_back("inj_alignmentRoutine", s.alignmentRoutine);
    s.instructionStepUIStub = std::make_shared<InstructionStepUIStub>();
    published.emplace_back("inj_instructionStepUIStub", s.instructionStepUIStub);
    s.polarAlignmentRoutine = std::make_shared<PolarAlignmentRoutine>(
        s.alignStarCalculator, deps.mountConnection, s.alignStarListUIStubs, s.centeringUIStub,
        s.instructionStepUIStub, deps.astroCalc, s.polarAligner, deps.alignmentDataContainer,
        deps.toast);
    published.emplace_back("inj_polarAlignmentRoutine", s.polarAlignmentRoutine);
    s.alignerHelper = std::make_shared<AlignerHelper>(
        deps.alignmentDataContainer, s.aligner, s.alignStarRater, deps.astroFormat, deps.astroCalc);
    published.emplace_back("inj_alignerHelper", s.alignerHelper);
    s.paeRoutine =
        std::make_shared<PAERoutine>(deps.mountConnection, s.centeringUIStub, deps.toast);
    return s;
}

} // namespace Ko
