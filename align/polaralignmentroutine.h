#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

class IAlignStarCalculator;
class IMountConnection;
class AlignStarListUIStubs;
class CenteringUIStub;
class InstructionStepUIStub;
class IAstroCalc;
class IPolarAligner;
class IAlignmentDataContainer;
class ToastManagerUIStub;

// Leads the user through correcting the polar axis of an equatorial mount by the error that a
// two- or three-star alignment measured: the mount goes to a chosen star, the user centres it,
// the mount moves by what the elevation error displaces the star and the user brings it back with
// the latitude adjustment; then the same for azimuth. After each adjustment the stored model is
// re-solved as if the axis had been corrected. A failed GoTo ends the run silently; a centring
// whose position the mount does not give ends it with word that the mount does not answer. Each
// step belongs to the GoTo before it: once another GoTo (from the window or a client) has sent the
// mount elsewhere, the centring or adjustment page in front closes, nothing is measured or
// corrected, and the user is told why.
//
// start and the page callbacks run on the main thread, the GoTo-finished callbacks on the mount's
// task threads and the measurement on a thread of its own. Every step the user takes (a star
// chosen, a centring, an adjustment) begins a new run number: a callback of an earlier step, or a
// second press of the same button, finds its number outdated and does nothing.
// Threads: main thread only for start and the page callbacks; the measurement runs on a task's own
// thread.
class PolarAlignmentRoutine : public QObject {
    Q_OBJECT
public:
    PolarAlignmentRoutine(std::shared_ptr<IAlignStarCalculator> calculator,
                          std::shared_ptr<IMountConnection> mountConnection,
                          std::shared_ptr<AlignStarListUIStubs> starListStubs,
                          std::shared_ptr<CenteringUIStub> centeringStub,
                          std::shared_ptr<InstructionStepUIStub> instructionStub,
                          std::shared_ptr<IAstroCalc> astroCalc,
                          std::shared_ptr<IPolarAligner> polarAligner,
                          std::shared_ptr<IAlignmentDataContainer> container,
                          std::shared_ptr<ToastManagerUIStub> toast);
    ~PolarAlignmentRoutine() override;

    // Opens the list of stars that show the correction; returns at once.
    Q_INVOKABLE void start();

    // The instruction for one adjustment: pattern (the translated instruction) with adjustment
    // (the translated name of the adjustment) put in place of its first "%s", at most 198
    // characters. Nothing else in either text is interpreted.
    static QString instructionText(const QString& pattern, const QString& adjustment);

private:
    // The run's state and steps, shared with the callbacks and threads it starts, which may
    // outlive this object.
    struct Steps;
    const std::shared_ptr<Steps> m_steps;
};

} // namespace Ko
