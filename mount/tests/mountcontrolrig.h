#pragma once

// An emulated mount as the mount factory builds it, published through the real mount holder,
// on application-wide services of its own: by default the site 40 degrees north, 75 west, a
// clock that runs ten times as fast as the wall clock, the coordinate chain, settings in a
// scratch folder, and the default pointing model of the mode. The one place the tests wire the
// mount factory.

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "astro/qastroformat.h"
#include "base/location2.h"
#include "base/tests/scratchsettings.h"
#include "base/toastmanageruistub.h"
#include "link/connectionsettings.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"
#include "link/imountaxis.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/modelservices.h"
#include "model/mountmodecontainer.h"
#include "model/pae.h"
#include "model/permountdata.h"
#include "model/sharedalignmentdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/imount.h"
#include "mount/mountaxislimit.h"
#include "mount/mountfactory.h"
#include "mount/parkdataloaduistub.h"
#include "mount/tests/fakefastclock.h"
#include "mount/writablemountconnection.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <tuple>

namespace Ko {

// Where and when the rig stands, and where its settings live.
struct MountControlRigSetup {
    double latitudeRad = 40 * kDeg;
    double longitudeRad = 75 * kDeg;
    // 2024-03-20 00:00 UTC.
    int64_t epochMs = 1710892800000;
    // Empty: a scratch folder of the rig's own.
    QString folder;
    // When set, the per-mount data announce the emulated mount of this mode before the model is
    // first restored, so the model is that mode's from the start.
    std::optional<MountMode_::E> announced;
    // How many times as fast as the wall clock the rig's clock runs.
    int64_t clockScale = kFastSpeedUp;
    // Whether the model keeps the axes within the connected mount's limits.
    bool axisLimits = false;
};

struct MountControlRig {
    using Setup = MountControlRigSetup;
    // 2024-03-20 00:00 UTC.
    static constexpr int64_t kEpochMs = 1710892800000;

    MountControlRig() : MountControlRig(Setup{}) {}
    explicit MountControlRig(Setup s) : setup(std::move(s)) {
        CLocation site = location->location();
        site.latitudeRad = setup.latitudeRad;
        site.longitudeRad = setup.longitudeRad;
        location->setLocation(site);
        if (setup.announced)
            announce(*setup.announced);
        ModelServices m = makeModelServices(
            {location, perMountData, toasts, astro, format,
             setup.axisLimits ? std::make_shared<MountAxisLimit>(axisSlot) : nullptr},
            published);
        std::tie(modeContainer, alignmentData, alignment, container, pae) = std::tuple(
            m.modeContainer, m.alignmentData, m.alignment, m.alignmentDataContainer, m.pae);
        factory = std::make_shared<MountFactory>(location, clock, astro, altRange, alignment,
                                                 toasts, parkPrompt, pae, axisSlot, token, token,
                                                 perMountData, appCore, connectionSettings);
    }

    // The per-mount data say the emulated mount of the mode is connected.
    void announce(MountMode_::E mode) {
        perMountData->setConnectedMount(mode, EmlatorKoDevic::kVersion,
                                        mode == MountMode_::AZ ? 7 : 6);
    }

    // Builds the emulated mount of the mode, its axes at the model's reference position, and
    // publishes it; the raw pointer stays valid while the holder or the test keeps the mount.
    IMount* connect(MountMode_::E mode = MountMode_::EQ) { return connectShared(mode).get(); }
    std::shared_ptr<IMount> connectShared(MountMode_::E mode = MountMode_::EQ) {
        announce(mode);
        device = std::make_shared<EmlatorKoDevic>();
        auto [m, session] = factory->create(mode, nullptr, device);
        session->commit(true);
        device->initialize(false, 1);
        const auto home = alignment->referenceAxes();
        m->setAxisPositions(home.first, home.second);
        holder->setMount(m);
        return m;
    }
    // The connected mount's axes.
    std::shared_ptr<IMountAxis> axes() const { return axisSlot->get(); }
    // The same, with the emulated controller's switches (a failing motion, a held read).
    std::shared_ptr<EmlatorMountAxis> emulatedAxes() const {
        return std::dynamic_pointer_cast<EmlatorMountAxis>(axes());
    }
    // Undoes what the switches did, so that no read waits for ever and the mount can come to
    // rest; a test that set them may have ended early.
    void mendAxes() const {
        if (const auto emulated = emulatedAxes()) {
            emulated->setMotionFault(CmdRetType_::Ok);
            emulated->releaseReads();
        }
    }
    ~MountControlRig() { mendAxes(); }

    const Setup setup;
    QTemporaryDir dir;
    std::shared_ptr<QtKVStore> store =
        openScratchStore((setup.folder.isEmpty() ? dir.path() : setup.folder) + "/data");
    std::shared_ptr<Location2> location = std::make_shared<Location2>(store);
    std::shared_ptr<FakeFastClock> clock =
        std::make_shared<FakeFastClock>(setup.epochMs, setup.clockScale);
    std::shared_ptr<FakeFastTCCancellable> token = std::make_shared<FakeFastTCCancellable>();
    std::shared_ptr<AstroClock> astroClock = std::make_shared<AstroClock>(clock);
    std::shared_ptr<AstroCalc> astro = std::make_shared<AstroCalc>(location, astroClock);
    std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(nullptr);
    std::shared_ptr<AltRange> altRange = std::make_shared<AltRange>(store);
    std::shared_ptr<AppCore> appCore = std::make_shared<AppCore>(store, format);
    std::shared_ptr<ToastManagerUIStub> toasts = std::make_shared<ToastManagerUIStub>();
    std::shared_ptr<ParkDataLoadUIStub> parkPrompt = std::make_shared<ParkDataLoadUIStub>();
    std::shared_ptr<PerMountData> perMountData = std::make_shared<PerMountData>(store);
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot =
        std::make_shared<ConnectedObjContainer<IMountAxis>>();
    std::shared_ptr<ConnectionSettings> connectionSettings =
        std::make_shared<ConnectionSettings>(store);
    // The pointing model from its assembly; the rows it publishes go nowhere.
    PublishedRows published;
    std::shared_ptr<MountModeContainer> modeContainer;
    std::shared_ptr<SharedAlignmentData> alignmentData;
    std::shared_ptr<Alignment> alignment;
    std::shared_ptr<AlignmentDataContainer> container;
    std::shared_ptr<PAE> pae;
    std::shared_ptr<MountFactory> factory;
    std::shared_ptr<WritableMountConnection> holder = std::make_shared<WritableMountConnection>();
    // The device of the last connect.
    std::shared_ptr<EmlatorKoDevic> device;
};

} // namespace Ko
