#include "astro/magneticdeclination.h"

#include "astro/geomag.h"
#include "base/clock.h"
#include "base/ilocation.h"

#include <numbers>

namespace Ko {

MagneticDeclination::MagneticDeclination(std::shared_ptr<IClock> clock,
                                         std::shared_ptr<ILocation> location)
    : m_clock(std::move(clock)), m_location(std::move(location)) {
    m_subscription = m_location->changed.append([this] {
        std::lock_guard lock(m_mutex);
        m_hasCached = false;
    });
}

MagneticDeclination::~MagneticDeclination() {
    m_location->changed.remove(m_subscription);
}

double MagneticDeclination::declination() {
    std::lock_guard lock(m_mutex);
    if (m_hasCached)
        return m_cached;
    const CLocation site = m_location->location();
    const auto latitudeDeg = static_cast<float>(site.latitudeRad * 180.0 / std::numbers::pi);
    const auto eastLongitudeDeg =
        static_cast<float>(-(site.longitudeRad * 180.0 / std::numbers::pi));
    GeoMagField field;
    GeoMag::computeField(field, m_clock->nowMs(), latitudeDeg, eastLongitudeDeg,
                         static_cast<float>(site.altitudeMeter));
    m_cached = GeoMag::declinationDeg(field);
    m_hasCached = true;
    return m_cached;
}

} // namespace Ko
