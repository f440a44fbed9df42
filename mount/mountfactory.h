#pragma once

#include "link/connectedobjcontainer.h"
#include "mount/imountfactory.h"

namespace Ko {

class AltRange;
class AppCore;
class IAlignment;
class IAstroCalc;
class ICancellableThreadContext;
class IClock;
class IConnectionSettings;
class ILocation;
class IMountAxis;
class IPAE;
class IParkDataOption;
class IPerMountData;
class IShortMessageSink;
class ITCCancellable;

// Holds the application-wide collaborators that every mount shares and builds, per connection,
// everything else: task manager, axis-time container, axis and command objects (the emulator's
// when there is no converser), axis utilities, GoTo settings and target, trail-points sender,
// task factory, periodic position read and the mount. Keeps none of what it builds: the graph
// lives as long as the mount and whatever still holds parts of it. Stateless between calls.
// Threads: any thread (the connection calls create from its background job).
class MountFactory : public IMountFactory {
public:
    MountFactory(std::shared_ptr<ILocation> location, std::shared_ptr<IClock> clock,
                 std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<AltRange> altRange,
                 std::shared_ptr<IAlignment> alignment,
                 std::shared_ptr<IShortMessageSink> messageSink,
                 std::shared_ptr<IParkDataOption> parkDataOption, std::shared_ptr<IPAE> pae,
                 std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot,
                 std::shared_ptr<ICancellableThreadContext> threadContext,
                 std::shared_ptr<ITCCancellable> cancellable,
                 std::shared_ptr<IPerMountData> perMountData, std::shared_ptr<AppCore> appCore,
                 std::shared_ptr<IConnectionSettings> connectionSettings);

    std::pair<std::shared_ptr<IMount>, std::shared_ptr<ISession>>
    create(MountMode_::E mode, std::shared_ptr<IKoConverser> converser,
           std::shared_ptr<IKoDevice> device) override;

private:
    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<AltRange> m_altRange;
    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<IShortMessageSink> m_messageSink;
    const std::shared_ptr<IParkDataOption> m_parkDataOption;
    const std::shared_ptr<IPAE> m_pae;
    const std::shared_ptr<ConnectedObjContainer<IMountAxis>> m_axisSlot;
    const std::shared_ptr<ICancellableThreadContext> m_threadContext;
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<AppCore> m_appCore;
    const std::shared_ptr<IConnectionSettings> m_connectionSettings;
};

// Hands the new mount's axes to the application-wide slot that the axis limits read.
class MountFactory_Session : public IMountFactory::ISession {
public:
    MountFactory_Session(std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot,
                         std::shared_ptr<IMountAxis> axis);

    // true: the slot holds this mount's axes (replacing the previous connection's); false: the
    // slot is emptied.
    void commit(bool ok) override;

private:
    const std::shared_ptr<ConnectedObjContainer<IMountAxis>> m_axisSlot;
    const std::shared_ptr<IMountAxis> m_axis;
};

} // namespace Ko
