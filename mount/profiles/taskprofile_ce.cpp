#include "mount/profiles/taskprofile_ce.h"

#include "astro/iastrocalc.h"
#include "base/koassert.h"
#include "mount/igotoguard.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <numbers>

namespace Ko {

using std::numbers::pi;

TaskProfile_CE::TaskProfile_CE(std::shared_ptr<IAstroCalc> astroCalc,
                               std::shared_ptr<IMountConnection> mountConnection,
                               std::shared_ptr<const IGoToGuard> goToGuard)
    : UserObjectRecord(std::move(astroCalc), std::move(mountConnection)),
      m_goToGuard(std::move(goToGuard)) {}

void TaskProfile_CE::startGoTo() {
    const std::shared_ptr<IMount> mount =
        m_mountConnection ? m_mountConnection->sharedMount() : nullptr;
    if (!mount || !m_hasPosition)
        return;
    KO_ASSERT(m_goToGuard);
    U_ASTRO_COORD coord{m_ra * pi / 12, m_dec / 180 * pi, CoordType::RDJ2000};
    if (m_isJ2000)
        coord = m_astroCalc->convertNow(coord, CoordType::RDJNow);
    coord.type = CoordType::RDJNow;
    if (const QString reason = m_goToGuard->goToRefusal(coord.a, coord.b); !reason.isEmpty()) {
        emit goToRefused(reason);
        return;
    }
    if (!mount->slewToAsync(MountTarget{m_name.toStdString(), coord, 0}))
        emit altError();
}

UserObjectReader TaskProfile_CE::reader() const {
    return [astroCalc = m_astroCalc](IMount& mount) -> CmdResp<UserObjectPair> {
        const CmdResp<IMount::AnglePair> observed = mount.readPosition();
        if (!observed.isOk() || !observed.hasValue)
            return CmdResp<UserObjectPair>(observed.isOk() ? CmdRetType_::Other : observed.type);
        const auto [hourAngle, dec] = observed.value();
        const U_ASTRO_COORD ofDate = astroCalc
                                         ->allFramesNow({hourAngle, dec, CoordType::HDObsv},
                                                        CoordType::RDJNow)[CoordType::RDJNow]
                                         .value();
        return CmdResp<UserObjectPair>::ok({ofDate.a * 12 / pi, ofDate.b / pi * 180});
    };
}

void TaskProfile_CE::setReading(const UserObjectReading& reading) {
    m_ra = reading.values.first;
    m_dec = reading.values.second;
    // Zeros stand for J2000; a position read from the mount is of date.
    m_isJ2000 = !reading.fromMount;
}

TaskProfile_CE* TaskProfile_CE::clone() const {
    auto* copy = new TaskProfile_CE(m_astroCalc, m_mountConnection, m_goToGuard);
    copy->m_name = m_name;
    copy->m_ra = m_ra;
    copy->m_dec = m_dec;
    copy->m_isJ2000 = m_isJ2000;
    copy->m_hasPosition = m_hasPosition;
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
    setHasPosition(true);
}

void TaskProfile_CE::setDec(double degrees) {
    m_dec = degrees;
    emit valueChanged();
    setHasPosition(true);
}

void TaskProfile_CE::setIsJ2000(bool j2000) {
    m_isJ2000 = j2000;
    emit valueChanged();
}

TaskProfile_CE_Factory::TaskProfile_CE_Factory(std::shared_ptr<IAstroCalc> astroCalc,
                                               std::shared_ptr<IMountConnection> mountConnection,
                                               std::shared_ptr<const IGoToGuard> goToGuard)
    : m_astroCalc(std::move(astroCalc)), m_mountConnection(std::move(mountConnection)),
      m_goToGuard(std::move(goToGuard)) {}

std::shared_ptr<ITaskProfile_CE> TaskProfile_CE_Factory::create() const {
    return std::make_shared<TaskProfile_CE>(m_astroCalc, m_mountConnection, m_goToGuard);
}

} // namespace Ko
