#include "mount/trailpointsstatus.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/koassert.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

namespace Ko {

namespace {

// The mount's pointing converted now to the frame; empty without a mount or, since the sky
// position comes through it, without a pointing model.
Nullable<U_ASTRO_COORD> pointingNow(const IMountConnection& connection, const IAstroCalc& calc,
                                    CoordType frame) {
    const auto mount = connection.sharedMount();
    if (!mount || !mount->alignment())
        return {};
    const auto [ha, dec] = mount->lastPosition();
    return calc.convertNow(U_ASTRO_COORD{ha, dec, CoordType::HDObsv}, frame);
}

} // namespace

TrailPointsStatus::TrailPointsStatus(std::shared_ptr<IMountConnection> connection,
                                     std::shared_ptr<IAstroFormat> astroFormat,
                                     std::shared_ptr<IAstroCalc> astroCalc)
    : m_connection(std::move(connection)), m_astroFormat(std::move(astroFormat)),
      m_astroCalc(std::move(astroCalc)) {
    KO_ASSERT(m_connection && m_astroFormat && m_astroCalc);
    connect(m_connection.get(), &IMountConnection::positionChanged, this,
            &TrailPointsStatus::valueChanged);
    connect(m_connection.get(), &IMountConnection::mountChanged_q, this,
            &TrailPointsStatus::valueChanged);
}

QString TrailPointsStatus::targetPosition1() const {
    const auto c = pointingNow(*m_connection, *m_astroCalc, CoordType::RDJNow);
    return c.hasValue()
               ? QString::fromStdString(m_astroFormat->formatRaDec(c.value().a, c.value().b))
               : QString();
}

QString TrailPointsStatus::targetPosition2() const {
    const auto c = pointingNow(*m_connection, *m_astroCalc, CoordType::AZObsv);
    return c.hasValue() ? QString::fromStdString(
                              m_astroFormat->formatAzAltWithCardinal(c.value().a, c.value().b))
                        : QString();
}

} // namespace Ko
