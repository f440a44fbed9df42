#include "mount/profiles/taskprofile_te.h"

#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <numbers>

namespace Ko {

using std::numbers::pi;

void TaskProfile_TE::startGoTo() {
    const std::shared_ptr<IMount> mount =
        m_mountConnection ? m_mountConnection->sharedMount() : nullptr;
    if (!mount || !m_hasPosition)
        return;
    // Axis targets are driven to directly: no sky conversion and no altitude limits, so the
    // result needs no answer.
    mount->slewToAsync(MountTarget{
        m_name.toStdString(), {m_axis1 * pi / 180, m_axis2 * pi / 180, CoordType::MountAxes}, 0});
}

UserObjectReader TaskProfile_TE::reader() const {
    return [](IMount& mount) -> CmdResp<UserObjectPair> {
        const CmdResp<IMount::AnglePair> axes = mount.readAxisPositions();
        if (!axes.isOk() || !axes.hasValue)
            return CmdResp<UserObjectPair>(axes.isOk() ? CmdRetType_::Other : axes.type);
        return CmdResp<UserObjectPair>::ok(
            {axes.value().first / pi * 180, axes.value().second / pi * 180});
    };
}

void TaskProfile_TE::setReading(const UserObjectReading& reading) {
    m_axis1 = reading.values.first;
    m_axis2 = reading.values.second;
}

TaskProfile_TE* TaskProfile_TE::clone() const {
    auto* copy = new TaskProfile_TE(m_astroCalc, m_mountConnection);
    copy->m_name = m_name;
    copy->m_axis1 = m_axis1;
    copy->m_axis2 = m_axis2;
    copy->m_hasPosition = m_hasPosition;
    return copy;
}

double TaskProfile_TE::axis1() const {
    return m_axis1;
}

double TaskProfile_TE::axis2() const {
    return m_axis2;
}

void TaskProfile_TE::setAxis1(double degrees) {
    m_axis1 = degrees;
    emit valueChanged();
    setHasPosition(true);
}

void TaskProfile_TE::setAxis2(double degrees) {
    m_axis2 = degrees;
    emit valueChanged();
    setHasPosition(true);
}

} // namespace Ko
