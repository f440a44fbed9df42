#pragma once

#include "base/publishedrows.h"

#include <memory>

namespace Ko {

// Threads: main thread only.

class AlignSelectionUIStub;
class AlignStarCalculator;
class AlignStarListUIStubs;
class AlignStarRater;
class Aligner;
class AlignerHelper;
class AlignmentRoutine;
class AltRange;
class CenteringUIStub;
class IAlignmentDataContainer;
class IAstroCalc;
class IAstroClock;
class IAstroFormat;
class ICatalogListRaw;
class ICatalogSettings;
class IClock;
class ILocation;
class IMountConnection;
class IPerMountData;
class ISlewingControl;
class ISolarSystem;
class InstructionStepUIStub;
class PAERoutine;
class PolarAligner;
class PolarAlignmentRoutine;
class PolarScopeInfo;
class PolarScopePaintedItem;
class ToastManagerUIStub;

// What the alignment workflows need from below.
struct AlignDeps {
    std::shared_ptr<ILocation> location;
    std::shared_ptr<IClock> clock;
    std::shared_ptr<IAstroClock> astroClock;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IAstroFormat> astroFormat;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<IPerMountData> perMountData;
    std::shared_ptr<IAlignmentDataContainer> alignmentDataContainer;
    std::shared_ptr<IMountConnection> mountConnection;
    std::shared_ptr<ISlewingControl> slewingControl;
    std::shared_ptr<ToastManagerUIStub> toast;
    // The same named-star source as the star list feeds the alignment-star lists.
    std::shared_ptr<ICatalogListRaw> namedStars;
    std::shared_ptr<ISolarSystem> solarSystem;
    std::shared_ptr<ICatalogSettings> catalogSettings;
};

struct AlignServices {
    std::shared_ptr<PolarScopePaintedItem> polarScopePaintedItem;
    std::shared_ptr<PolarScopeInfo> polarScopeInfo;
    std::shared_ptr<Aligner> aligner;
    std::shared_ptr<PolarAligner> polarAligner;
    std::shared_ptr<AlignStarRater> alignStarRater;
    std::shared_ptr<AlignStarCalculator> alignStarCalculator;
    std::shared_ptr<AlignStarListUIStubs> alignStarListUIStubs;
    std::shared_ptr<CenteringUIStub> centeringUIStub;
    std::shared_ptr<AlignSelectionUIStub> alignSelectionUIStub;
    std::shared_ptr<AlignmentRoutine> alignmentRoutine;
    std::shared_ptr<InstructionStepUIStub> instructionStepUIStub;
    std::shared_ptr<PolarAlignmentRoutine> polarAlignmentRoutine;
    std::shared_ptr<AlignerHelper> alignerHelper;
    // Not published: the object information page starts it.
    std::shared_ptr<PAERoutine> paeRoutine;
};

// Main thread only, once. Builds the polar scope, the aligners, the alignment-star lists, the
// pages the routines show and the star-alignment, polar-alignment and pointing-accuracy routines,
// and appends the rows of those the user interface reaches.
AlignServices makeAlignServices(const AlignDeps& deps, PublishedRows& published);

} // namespace Ko
