#pragma once

#include "alignrig.h"
#include "model/aligner.h"
#include "mount/tests/mountcontrolrig.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

namespace Ko::Test {

// An emulated mount of one mode as the mount factory builds it on connecting, held by the
// application's mount holder, over the real model services. The clock runs kFastSpeedUp times as
// fast as the wall clock from the rig's date, so that a GoTo is over in a second or two and the
// sky turns by a quarter of a degree per second.
struct EmulatedMount : MountControlRig {
    // The names the alignment tests use for the rig's services.
    std::shared_ptr<AstroCalc>& calc = astro;
    std::shared_ptr<ToastManagerUIStub>& toast = toasts;
    std::shared_ptr<PerMountData>& perMount = perMountData;
    std::shared_ptr<SharedAlignmentData>& model = alignmentData;
    std::shared_ptr<Aligner> aligner =
        std::make_shared<Aligner>(container, perMountData, location, clock, astro);
    std::shared_ptr<IMount> mount;

    EmulatedMount(const QString& scratchFolder, MountMode_::E mode)
        : MountControlRig({kRigLatitude, 0, julianDateToMs(kRigJulianDate), scratchFolder, mode}) {
        mount = connectShared(mode);
    }
    ~EmulatedMount() {
        // The mount's task threads report to the holder: let them come to rest first.
        comeToRest();
        holder->disconnect();
        QCoreApplication::processEvents();
    }

    // Stops the mount, tracking too, and waits until it stands still.
    void comeToRest() {
        mendAxes();
        mount->setTrackingEnabled(false);
        mount->abortSlewAsync();
        [[maybe_unused]] const bool rest = QTest::qWaitFor(
            [this] { return !mount->realTracking() && !mount->slewToTarget().hasValue(); }, 10000);
    }
};

} // namespace Ko::Test
