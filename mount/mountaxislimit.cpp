#include "mount/mountaxislimit.h"

#include "link/imountaxis.h"

#include <limits>

namespace Ko {

MountAxisLimit::MountAxisLimit(std::shared_ptr<ConnectedObjContainer<IMountAxis>> axes)
    : m_axes(std::move(axes)) {}

std::pair<double, double> MountAxisLimit::limits(AXISID axis) const {
    if (const auto a = m_axes->get())
        return a->positionRange(axis);
    return {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};
}

} // namespace Ko
