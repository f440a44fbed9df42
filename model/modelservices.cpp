#include "model/modelservices.h"

#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/mountmodecontainer.h"
#include "model/pae.h"
#include "model/sharedalignmentdata.h"

namespace Ko {

ModelServices makeModelServices(const ModelDeps& deps, PublishedRows& published) {
    ModelServices s;
    s.modeContainer = std::make_shared<MountModeContainer>();
    // The one current pointing model: the container writes it, every conversion reads it.
    s.alignmentData = std::make_shared<SharedAlignmentData>();
    s.alignment = std::make_shared<Alignment>(s.alignmentData, deps.axisLimit);
    s.alignmentDataContainer = std::make_shared<AlignmentDataContainer>(
        deps.location, deps.perMountData, s.alignmentData, s.alignment, deps.toast, deps.astroCalc,
        deps.astroFormat);
    published.emplace_back("inj_alignmentDataContainer", s.alignmentDataContainer);
    // Joins the container's and the per-mount data's lists after the container, so a mount
    // connection restores the model before the correction table reloads.
    s.pae = std::make_shared<PAE>(s.alignmentDataContainer, deps.perMountData);
    return s;
}

} // namespace Ko
