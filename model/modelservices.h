#pragma once

#include "base/publishedrows.h"

#include <memory>

namespace Ko {

// Threads: main thread only.

class Alignment;
class AlignmentDataContainer;
class IAstroCalc;
class IAstroFormat;
class IMountAxisLimit;
class IShortMessageSink;
class ILocation;
class MountModeContainer;
class PAE;
class IPerMountData;
class SharedAlignmentData;

// What the pointing model needs from below. The axis limits may be null: the model then lets
// every position through.
struct ModelDeps {
    std::shared_ptr<ILocation> location;
    std::shared_ptr<IPerMountData> perMountData;
    std::shared_ptr<IShortMessageSink> toast;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IAstroFormat> astroFormat;
    std::shared_ptr<IMountAxisLimit> axisLimit;
};

// The pointing model: the one current model, the conversions that read it, and its stored copy.
struct ModelServices {
    std::shared_ptr<MountModeContainer> modeContainer;
    std::shared_ptr<SharedAlignmentData> alignmentData;
    std::shared_ptr<Alignment> alignment;
    std::shared_ptr<AlignmentDataContainer> alignmentDataContainer;
    std::shared_ptr<PAE> pae;
};

// Main thread only, once per program. Restores the saved model at once, so the site and the
// per-mount data must be ready.
ModelServices makeModelServices(const ModelDeps& deps, PublishedRows& published);

} // namespace Ko
