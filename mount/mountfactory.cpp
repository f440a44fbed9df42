#include "mount/mountfactory.h"

#include "base/cancellable.h"
#include "link/cmdxutil.h"
#include "link/emkomcommand.h"
#include "link/emlatormountaxis.h"
#include "link/komcommand.h"
#include "link/komountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "model/ipermountdata.h"
#include "mount/mount.h"
#include "mount/mountaxisutil.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/mounttaskfactory.h"
#include "mount/tasks/mounttaskmanager.h"
#include "mount/tasks/periodicpositionreadtask.h"
#include "mount/tasks/trailpointssender_absolute.h"
#include "mount/tasks/trailpointssender_emulator.h"

namespace Ko {

MountFactory::MountFactory(
    std::shared_ptr<ILocation> location, std::shared_ptr<IClock> clock,
    std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<AltRange> altRange,
    std::shared_ptr<IAlignment> alignment, std::shared_ptr<IShortMessageSink> messageSink,
    std::shared_ptr<IParkDataOption> parkDataOption, std::shared_ptr<IPAE> pae,
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot,
    std::shared_ptr<ICancellableThreadContext> threadContext,
    std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IPerMountData> perMountData,
    std::shared_ptr<AppCore> appCore, std::shared_ptr<IConnectionSettings> connectionSettings)
    : m_location(std::move(location)), m_clock(std::move(clock)), m_astroCalc(std::move(astroCalc)),
      m_altRange(std::move(altRange)), m_alignment(std::move(alignment)),
      m_messageSink(std::move(messageSink)), m_parkDataOption(std::move(parkDataOption)),
      m_pae(std::move(pae)), m_axisSlot(std::move(axisSlot)),
      m_threadContext(std::move(threadContext)), m_cancellable(std::move(cancellable)),
      m_perMountData(std::move(perMountData)), m_appCore(std::move(appCore)),
      m_connectionSettings(std::move(connectionSettings)) {}

std::pair<std::shared_ptr<IMount>, std::shared_ptr<IMountFactory::ISession>>
MountFactory::create(MountMode_::E mode, std::shared_ptr<IKoConverser> converser,
                     std::shared_ptr<IKoDevice> device) {
    auto taskManager = std::make_shared<MountTaskManager>(m_threadContext);
    taskManager->init(taskManager);
    auto axisTimes = std::make_shared<MountAxisTimeContainer>();
    auto cmdXUtil = std::make_shared<CmdXUtil>(converser, device);

    std::shared_ptr<IMountAxis> axis;
    std::shared_ptr<IKoMCommand> command;
    std::shared_ptr<KoMCommand> realCommand;
    if (converser) {
        axis = std::make_shared<KoMountAxis>(converser, device, cmdXUtil, m_cancellable, m_clock,
                                             axisTimes, m_location, m_perMountData);
        realCommand = std::make_shared<KoMCommand>(converser, device, cmdXUtil, m_clock,
                                                   m_cancellable, axisTimes);
        command = realCommand;
    } else {
        axis = std::make_shared<EmlatorMountAxis>(device, m_cancellable, m_clock, axisTimes,
                                                  m_location, m_perMountData);
        command = std::make_shared<EmKoMCommand>(m_clock);
    }
    auto axisUtil = std::make_shared<MountAxisUtil>(axis, m_cancellable, m_appCore);

    auto slewToSettings = std::make_shared<SlewToSettings>();
    auto slewToTargets = std::make_shared<SlewToTargetMAContainer>();
    std::shared_ptr<ITrailPointsSender> trailPointsSender;
    if (converser)
        trailPointsSender = std::make_shared<TrailPointsSender_Absolute>(
            m_clock, m_connectionSettings, m_cancellable, realCommand);
    else
        trailPointsSender =
            std::make_shared<TrailPointsSender_Emulator>(m_clock, m_cancellable, axisTimes);

    auto taskFactory = std::make_shared<MountTaskFactory>(
        m_cancellable, axis, axisUtil, mode, m_clock, m_astroCalc, m_alignment, slewToSettings,
        slewToTargets, m_location, command, m_threadContext, m_pae, trailPointsSender);
    auto positionReadTask =
        std::make_shared<PeriodicPositionReadTask>(m_cancellable, m_clock, axis, false);

    auto mount = Mount::create(mode, converser, device, axis, axisTimes, m_alignment, taskManager,
                               taskFactory, positionReadTask, m_astroCalc, m_altRange,
                               slewToSettings, slewToTargets, command, m_appCore, m_perMountData,
                               m_messageSink, m_parkDataOption, m_pae, m_clock);
    auto session = std::make_shared<MountFactory_Session>(m_axisSlot, axis);
    return {std::move(mount), std::move(session)};
}

MountFactory_Session::MountFactory_Session(
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot, std::shared_ptr<IMountAxis> axis)
    : m_axisSlot(std::move(axisSlot)), m_axis(std::move(axis)) {}

void MountFactory_Session::commit(bool ok) {
    if (!m_axisSlot)
        return;
    if (ok)
        m_axisSlot->set(m_axis);
    else
        m_axisSlot->reset();
}

} // namespace Ko
