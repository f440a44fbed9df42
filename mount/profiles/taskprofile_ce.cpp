#include "mount/profiles/taskprofile_ce.h"

namespace Ko {

TaskProfile_CE* TaskProfile_CE::clone() const {
    auto* copy = new TaskProfile_CE(m_astroCalc, m_mountConnection);
    copy->m_name = m_name;
    copy->m_ra = m_ra;
    copy->m_dec = m_dec;
    copy->m_isJ2000 = m_isJ2000;
    return copy;
}

double TaskProfile_CE::ra() const {
    return m_ra;
}

double TaskProfile_CE::dec() const {
    return m_dec;
}

bool TaskProfile_CE::isJ2000() const {
    return m_isJ2000;
}

void TaskProfile_CE::setRa(double hours) {
    m_ra = hours;
    emit valueChanged();
}

void TaskProfile_CE::setDec(double degrees) {
    m_dec = degrees;
    emit valueChanged();
}

void TaskProfile_CE::setIsJ2000(bool j2000) {
    m_isJ2000 = j2000;
    emit valueChanged();
}

} // namespace Ko
