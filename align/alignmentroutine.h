#pragma once

#include "model/alignmenttype.h"

#include <QObject>

#include <memory>

namespace Ko {

class IAlignStarCalculator;
class IMountConnection;
class AlignStarListUIStubs;
class CenteringUIStub;
class AlignSelectionUIStub;
class IAstroFormat;
class IAstroCalc;
class IAligner;
class ICatalogSettings;
class IShortMessageSink;

// Leads the user through a star alignment of the connected mount: the stars are picked on the
// star-list pages, the mount goes to each (or the user points it by hand), the user centres it,
// the axes are read and the model is solved from the stars so far. A failed GoTo or solve ends
// the run silently; a read, sync or setting of the axes that the mount did not take ends it with
// word that the mount does not answer (the centring page is gone by then, and nothing else would
// say why no star was recorded). The model stays as the solver last stored it, and tracking, which
// pauses for the brightest-star run's sync, as it was before. A centring belongs to where its step
// left the mount: once another GoTo has sent the mount elsewhere, nothing is measured or synced
// and the user is told why.
//
// start and the page callbacks run on the main thread, the GoTo-finished callbacks on the mount's
// task threads and each measurement on a thread of its own. Every run (start, or Begin pressed
// again) has a number: a callback or measurement of an earlier run finds its number outdated and
// leaves the newer run alone.
// Threads: main thread only for start and the page callbacks; each measurement runs on a task's own
// thread.
class AlignmentRoutine : public QObject {
    Q_OBJECT
public:
    AlignmentRoutine(std::shared_ptr<IAlignStarCalculator> calculator,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<AlignStarListUIStubs> starListStubs,
                     std::shared_ptr<CenteringUIStub> centeringStub,
                     std::shared_ptr<AlignSelectionUIStub> selectionStub,
                     std::shared_ptr<IAstroFormat> astroFormat,
                     std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAligner> aligner,
                     std::shared_ptr<ICatalogSettings> catalogSettings,
                     std::shared_ptr<IShortMessageSink> messages);
    ~AlignmentRoutine() override;

    // Begins a new run with the star list of the first star; returns at once.
    Q_INVOKABLE void start(Ko::AlignmentType_::E alignmentType);

private:
    // The run's state and steps, shared with the callbacks and threads it starts, which may
    // outlive this object.
    struct Steps;
    const std::shared_ptr<Steps> m_steps;
};

} // namespace Ko
