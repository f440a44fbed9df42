#include "mount/profiles/taskprofile_te.h"

namespace Ko {

TaskProfile_TE* TaskProfile_TE::clone() const {
    auto* copy = new TaskProfile_TE(m_astroCalc, m_mountConnection);
    copy->m_name = m_name;
    copy->m_axis1 = m_axis1;
    copy->m_axis2 = m_axis2;
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
}

void TaskProfile_TE::setAxis2(double degrees) {
    m_axis2 = degrees;
    emit valueChanged();
}

} // namespace Ko
