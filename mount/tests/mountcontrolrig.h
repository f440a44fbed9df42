#pragma once

// An emulated mount as the mount factory builds it, published through the real mount holder,
// on application-wide services of its own: the site 40 degrees north, 75 west, a clock that runs
// ten times as fast as the wall clock, the coordinate chain, settings in a scratch folder, and
// the default pointing model of the mode.

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "astro/qastroformat.h"
#include "base/location2.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/toastmanageruistub.h"
#include "link/connectionsettings.h"
#include "link/emlatorkodevic.h"
#include "link/imountaxis.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/pae.h"
#include "model/permountdata.h"
#include "model/sharedalignmentdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/imount.h"
#include "mount/mountfactory.h"
#include "mount/parkdataloaduistub.h"
#include "mount/tests/fakefastclock.h"
#include "mount/writablemountconnection.h"

#include <QTemporaryDir>

#include <memory>

namespace Ko {

struct MountControlRig {
    // 2024-03-20 00:00 UTC.
    static constexpr int64_t kEpochMs = 1710892800000;

    MountControlRig() {
        CLocation site;
        site.latitudeRad = 40 * kDeg;
        site.longitudeRad = 75 * kDeg;
        location->setLocation(site);
    }

    // Builds the emulated mount of the mode, its axes at the model's reference position, and
    // publishes it; the raw pointer stays valid while the holder or the test keeps the mount.
    IMount* connect(MountMode_::E mode = MountMode_::EQ) {
        perMountData->setConnectedMount(mode, EmlatorKoDevic::kVersion,
                                        mode == MountMode_::AZ ? 7 : 6);
        auto device = std::make_shared<EmlatorKoDevic>();
        auto [m, session] = factory->create(mode, nullptr, device);
        session->commit(true);
        device->initialize(false, 1);
        const auto home = alignment->referenceAxes();
        m->setAxisPositions(home.first, home.second);
        holder->setMount(m);
        return m.get();
    }
    // The connected mount's axes.
    std::shared_ptr<IMountAxis> axes() const { return axisSlot->get(); }

    QTemporaryDir dir;
    std::shared_ptr<QtKVStore> store = std::make_shared<QtKVStore>(
        "Settings.txt",
        std::make_shared<QtFileUtil>("QuorvelPro", (dir.path() + "/data").toStdString()));
    std::shared_ptr<Location2> location = std::make_shared<Location2>(store);
    std::shared_ptr<FakeFastClock> clock = std::make_shared<FakeFastClock>(kEpochMs);
    std::shared_ptr<FakeFastTCCancellable> token = std::make_shared<FakeFastTCCancellable>();
    std::shared_ptr<AstroCalc> astro =
        std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock));
    std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(nullptr);
    std::shared_ptr<AltRange> altRange = std::make_shared<AltRange>(store);
    std::shared_ptr<AppCore> appCore = std::make_shared<AppCore>(store, format);
    std::shared_ptr<ToastManagerUIStub> toasts = std::make_shared<ToastManagerUIStub>();
    std::shared_ptr<ParkDataLoadUIStub> parkPrompt = std::make_shared<ParkDataLoadUIStub>();
    std::shared_ptr<PerMountData> perMountData = std::make_shared<PerMountData>(store);
    std::shared_ptr<SharedAlignmentData> alignmentData = std::make_shared<SharedAlignmentData>();
    std::shared_ptr<Alignment> alignment = std::make_shared<Alignment>(alignmentData, nullptr);
    std::shared_ptr<AlignmentDataContainer> container = std::make_shared<AlignmentDataContainer>(
        location, perMountData, alignmentData, alignment, toasts, astro, format);
    std::shared_ptr<PAE> pae = std::make_shared<PAE>(container, perMountData);
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot =
        std::make_shared<ConnectedObjContainer<IMountAxis>>();
    std::shared_ptr<ConnectionSettings> connectionSettings =
        std::make_shared<ConnectionSettings>(store);
    std::shared_ptr<MountFactory> factory = std::make_shared<MountFactory>(
        location, clock, astro, altRange, alignment, toasts, parkPrompt, pae, axisSlot, token,
        token, perMountData, appCore, connectionSettings);
    std::shared_ptr<WritableMountConnection> holder = std::make_shared<WritableMountConnection>();
};

} // namespace Ko
