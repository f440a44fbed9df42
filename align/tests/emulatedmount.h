#pragma once

#include "alignrig.h"
#include "link/connectionsettings.h"
#include "link/emlatorkodevic.h"
#include "model/pae.h"
#include "mount/appcore.h"
#include "mount/imount.h"
#include "mount/mountfactory.h"
#include "mount/parkdataloaduistub.h"
#include "mount/tests/fakefastclock.h"
#include "mount/writablemountconnection.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

namespace Ko::Test {

// An emulated mount of one mode as the mount factory builds it on connecting, held by the
// application's mount holder, over the real model services. The clock runs kFastSpeedUp times as
// fast as the wall clock from the rig's date, so that a GoTo is over in a second or two and the
// sky turns by a quarter of a degree per second.
struct EmulatedMount {
    QString folder;
    // The settings folder is the data location's sibling: keep both inside the test's folder.
    std::shared_ptr<QtKVStore> store = std::make_shared<QtKVStore>(
        "Settings.txt",
        std::make_shared<QtFileUtil>("QuorvelPro", (folder + "/data").toStdString()));
    std::shared_ptr<Location2> location = std::make_shared<Location2>(store);
    std::shared_ptr<FakeFastClock> clock =
        std::make_shared<FakeFastClock>(julianDateToMs(kRigJulianDate));
    std::shared_ptr<AstroClock> astroClock = std::make_shared<AstroClock>(clock);
    std::shared_ptr<AstroCalc> calc = std::make_shared<AstroCalc>(location, astroClock);
    std::shared_ptr<AltRange> altRange = std::make_shared<AltRange>(store);
    std::shared_ptr<AppCore> appCore = std::make_shared<AppCore>(store, nullptr);
    std::shared_ptr<ToastManagerUIStub> toast = std::make_shared<ToastManagerUIStub>();
    std::shared_ptr<ParkDataLoadUIStub> parkPrompt = std::make_shared<ParkDataLoadUIStub>();
    std::shared_ptr<PerMountData> perMount = std::make_shared<PerMountData>(store);
    std::shared_ptr<SharedAlignmentData> model = std::make_shared<SharedAlignmentData>();
    std::shared_ptr<Alignment> alignment = std::make_shared<Alignment>(model, nullptr);
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot =
        std::make_shared<ConnectedObjContainer<IMountAxis>>();
    std::shared_ptr<FakeFastTCCancellable> token = std::make_shared<FakeFastTCCancellable>();
    std::shared_ptr<ConnectionSettings> connectionSettings =
        std::make_shared<ConnectionSettings>(store);
    std::shared_ptr<QAstroFormat> format = std::make_shared<QAstroFormat>(nullptr);
    std::shared_ptr<AlignmentDataContainer> container;
    std::shared_ptr<PAE> pae;
    std::shared_ptr<Aligner> aligner;
    std::shared_ptr<MountFactory> factory;
    std::shared_ptr<WritableMountConnection> holder = std::make_shared<WritableMountConnection>();
    std::shared_ptr<EmlatorKoDevic> device;
    std::shared_ptr<IMount> mount;

    EmulatedMount(const QString& scratchFolder, MountMode_::E mode) : folder(scratchFolder) {
        CLocation site = location->location();
        site.latitudeRad = kRigLatitude;
        site.longitudeRad = 0;
        location->setLocation(site);
        // The per-mount data announce the emulated mount, so the model is that mode's.
        perMount->setConnectedMount(mode, EmlatorKoDevic::kVersion, mode == MountMode_::AZ ? 7 : 6);
        container = std::make_shared<AlignmentDataContainer>(location, perMount, model, alignment,
                                                             toast, calc, format);
        pae = std::make_shared<PAE>(container, perMount);
        aligner = std::make_shared<Aligner>(container, perMount, location, clock, calc);
        factory = std::make_shared<MountFactory>(location, clock, calc, altRange, alignment, toast,
                                                 parkPrompt, pae, axisSlot, token, token, perMount,
                                                 appCore, connectionSettings);
        device = std::make_shared<EmlatorKoDevic>();
        auto [m, session] = factory->create(mode, nullptr, device);
        session->commit(true);
        device->initialize(false, 1);
        const auto home = alignment->referenceAxes();
        m->setAxisPositions(home.first, home.second);
        mount = m;
        holder->setMount(m);
    }
    ~EmulatedMount() {
        // The mount's task threads report to the holder: let them come to rest first.
        mount->setTrackingEnabled(false);
        mount->abortSlewAsync();
        [[maybe_unused]] const bool rest = QTest::qWaitFor(
            [this] { return !mount->realTracking() && !mount->slewToTarget().hasValue(); }, 10000);
        holder->disconnect();
        QCoreApplication::processEvents();
    }
};

} // namespace Ko::Test
