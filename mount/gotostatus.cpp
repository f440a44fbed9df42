#include "mount/gotostatus.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/koassert.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <numbers>

namespace Ko {

namespace {

// The frames whose targets are places in the sky, shown also as azimuth and altitude.
bool isSkyFrame(CoordType type) {
    return type == CoordType::RDJ2000 || type == CoordType::RDJNow || type == CoordType::HDObsv;
}

// The target of the GoTo in progress; empty without a mount.
Nullable<MountTarget> gotoTarget(const IMountConnection& connection) {
    const auto mount = connection.sharedMount();
    return mount ? mount->slewToTarget() : Nullable<MountTarget>();
}

} // namespace

GotoStatus::GotoStatus(std::shared_ptr<IMountConnection> connection,
                       std::shared_ptr<IAstroFormat> astroFormat,
                       std::shared_ptr<IAstroCalc> astroCalc)
    : m_connection(std::move(connection)), m_astroFormat(std::move(astroFormat)),
      m_astroCalc(std::move(astroCalc)) {
    KO_ASSERT(m_connection && m_astroFormat && m_astroCalc);
    // Queued also when the change is made on this thread: a page that starts or cancels a GoTo
    // finishes its handler before it hears what the GoTo did, never in the middle of it.
    connect(m_connection.get(), &IMountConnection::slewToStateChanged, this,
            &IGotoStatus::valueChanged, Qt::QueuedConnection);
    // A mount that goes away in the middle of a GoTo says nothing more about it.
    connect(m_connection.get(), &IMountConnection::mountChanged_q, this,
            &IGotoStatus::valueChanged);
}

bool GotoStatus::done() const {
    return !gotoTarget(*m_connection).hasValue();
}

QString GotoStatus::targetName() const {
    const auto target = gotoTarget(*m_connection);
    return target.hasValue() ? QString::fromStdString(target.value().name) : QString();
}

QString GotoStatus::targetPosition1() const {
    const auto target = gotoTarget(*m_connection);
    if (!target.hasValue())
        return {};
    const U_ASTRO_COORD& c = target.value().coord;
    if (isSkyFrame(c.type))
        return QString::fromStdString(m_astroFormat->formatRaDec(c.a, c.b));
    if (c.type == CoordType::AZObsv)
        return QString::fromStdString(m_astroFormat->formatAzAltWithCardinal(c.a, c.b));
    if (c.type == CoordType::MountAxes)
        return QString::fromStdString(m_astroFormat->formatSignedPair(c.a, c.b));
    return {};
}

QString GotoStatus::targetPosition2() const {
    const auto target = gotoTarget(*m_connection);
    if (!target.hasValue() || !isSkyFrame(target.value().coord.type))
        return {};
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(target.value().coord, CoordType::AZObsv);
    return QString::fromStdString(m_astroFormat->formatAzAltWithCardinal(azAlt.a, azAlt.b));
}

QString GotoStatus::remainingAngle() const {
    const auto mount = m_connection->sharedMount();
    if (!mount || !mount->slewToTarget().hasValue())
        return {};
    const Nullable<double> remaining = mount->remainingSlewAngle();
    if (!remaining.hasValue())
        return {};
    return QString::number(remaining.value() / std::numbers::pi * 180.0, 'f', 1);
}

bool GotoStatus::arrived() const {
    const auto mount = m_connection->sharedMount();
    return mount && !mount->slewToTarget().hasValue() && mount->lastGotoArrived();
}

} // namespace Ko
