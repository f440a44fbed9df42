#pragma once

#include "link/connectedobjcontainer.h"
#include "link/imountaxislimit.h"

#include <memory>

namespace Ko {

class IMountAxis;

// The travel limits of the connected mount's axes, read through the holder that the connection
// fills; every finite angle while no mount is connected.
// Threads: any thread.
class MountAxisLimit : public IMountAxisLimit {
public:
    explicit MountAxisLimit(std::shared_ptr<ConnectedObjContainer<IMountAxis>> axes);

    std::pair<double, double> limits(AXISID axis) const override;

private:
    const std::shared_ptr<ConnectedObjContainer<IMountAxis>> m_axes;
};

} // namespace Ko
