#include "catalog/catalogsettings.h"

#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "catalog/isunvisibility.h"
#include "mount/altrange.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace Ko {

namespace {

// A permission to point near the Sun is meant for one session, not for the next night.
constexpr int kObserveSunHours = 12;

} // namespace

CatalogSettings::CatalogSettings(std::shared_ptr<IKVStore> kvStore, std::shared_ptr<IClock> clock,
                                 std::shared_ptr<AltRange> altRange,
                                 std::shared_ptr<IAstroCalc> astroCalc,
                                 std::shared_ptr<ISunVisibility> sunVisibility)
    : m_clock(std::move(clock)), m_altRange(std::move(altRange)), m_astroCalc(std::move(astroCalc)),
      m_sunVisibility(std::move(sunVisibility)),
      m_sortOrder(kvStore, "cat.order", CatalogSortOrder_::Vmag),
      m_vmagFilter(kvStore, "filter.vmag.on", false),
      m_maxStarVmag(kvStore, "filter.vmag.dimmest", 2.0f),
      m_maxDsoVmag(kvStore, "filter.vmag.dimmest_dso", 7.0f),
      m_altRangeViewFilter(kvStore, "filter.altitude", true),
      m_observeSun(kvStore, "observe.sun", false),
      m_observeSunExpiryUnixHour(kvStore, "observe.sun.expiryUnixHour", 0) {
    // A change of the altitude limits changes what the lists show and what GoTo refuses.
    m_altRangeSubscription = m_altRange->changed.append([this] { announce(); });
}

CatalogSettings::~CatalogSettings() {
    m_altRange->changed.remove(m_altRangeSubscription);
}

void CatalogSettings::announce() {
    changed();
    emit settingsChanged_q();
}

template <class T>
void CatalogSettings::write(KVCachedSetting<T>& setting, const T& v) {
    if (setting.set(v))
        announce();
}

CatalogSortOrder_::E CatalogSettings::sortOrder() const {
    return m_sortOrder.value();
}

void CatalogSettings::setSortOrder(CatalogSortOrder_::E v) {
    write(m_sortOrder, v);
}

bool CatalogSettings::enableVmagFilter() const {
    return m_vmagFilter.value();
}

void CatalogSettings::setEnableVmagFilter(bool v) {
    write(m_vmagFilter, v);
}

float CatalogSettings::maxStarVmag() const {
    return m_maxStarVmag.value();
}

void CatalogSettings::setMaxStarVmag(float v) {
    write(m_maxStarVmag, v);
}

float CatalogSettings::maxDsoVmag() const {
    return m_maxDsoVmag.value();
}

void CatalogSettings::setMaxDsoVmag(float v) {
    write(m_maxDsoVmag, v);
}

bool CatalogSettings::enableAltRangeViewFilter() const {
    return m_altRangeViewFilter.value();
}

void CatalogSettings::setEnableAltRangeViewFilter(bool v) {
    write(m_altRangeViewFilter, v);
}

int CatalogSettings::currentUnixHour() const {
    return static_cast<int>(static_cast<double>(m_clock->nowMs()) / 1000.0 / 3600.0);
}

bool CatalogSettings::enableObserveSun() const {
    if (!m_observeSun.value())
        return false;
    return m_observeSunExpiryUnixHour.value() > currentUnixHour();
}

void CatalogSettings::setEnableObserveSun(bool v) {
    if (enableObserveSun() == v)
        return;
    // The stored switch may already read true while its permission has lapsed.
    m_observeSun.set(v);
    if (v)
        m_observeSunExpiryUnixHour.set(currentUnixHour() + kObserveSunHours);
    announce();
}

QString slewToProhibitionText(SlewToProhibition_::E why) {
    return why == SlewToProhibition_::TooCloseToSun
               ? QCoreApplication::translate("mount", "Too close to Sun")
               : QCoreApplication::translate("mount", "Altitude outside of limits");
}

// The chain always yields a horizontal position; were it ever not to, the altitude is unknown:
// no list hides the object, and every GoTo to it is refused.
double CatalogSettings::altitudeOf(const CoordPair& raDecNow,
                                   const Nullable<CoordPair>& azAlt) const {
    if (azAlt.hasValue())
        return azAlt.value().b;
    try {
        return m_astroCalc
            ->convertNow(U_ASTRO_COORD{raDecNow.a, raDecNow.b, CoordType::RDJNow},
                         CoordType::AZTrue)
            .b;
    } catch (const std::logic_error&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

bool CatalogSettings::isFilteredOut(const AstroObj& obj, bool useDsoVmagLimit,
                                    const Nullable<CoordPair>& azAlt) const {
    if (enableVmagFilter()) {
        const float limit = useDsoVmagLimit ? maxDsoVmag() : maxStarVmag();
        if (obj.vmag > limit)
            return true;
    }
    if (!enableAltRangeViewFilter())
        return false;
    return m_altRange->minAlt() > altitudeOf(obj.coordNow, azAlt);
}

Nullable<SlewToProhibition_::E>
CatalogSettings::slewToProhibition(const CoordPair& raDecNow,
                                   const Nullable<CoordPair>& azAlt) const {
    const double altitude = altitudeOf(raDecNow, azAlt);
    // Written so that an altitude that is not a number fails both tests.
    if (!(altitude >= m_altRange->minAlt()) || !(altitude <= m_altRange->maxAlt()))
        return SlewToProhibition_::AltitudeOutOfRange;
    if (enableObserveSun())
        return {};
    if (m_sunVisibility->isTooCloseToSun(raDecNow).hasValue())
        return SlewToProhibition_::TooCloseToSun;
    return {};
}

QString CatalogSettings::goToRefusal(double raNow, double decNow) const {
    // The same decision, in the same order, as the pages that show a refusal: a target outside
    // the limits is not called too close to the Sun.
    const Nullable<SlewToProhibition_::E> why = slewToProhibition({raNow, decNow}, {});
    if (!why.hasValue() || why.value() == SlewToProhibition_::AltitudeOutOfRange)
        return {};
    return slewToProhibitionText(why.value());
}

} // namespace Ko
