#include "align/polarscopeinfo.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/clock.h"
#include "base/ilocation.h"

#include <QCoreApplication>

#include <ctime>

namespace Ko {

namespace {

QVariantMap row(const QString& field, const std::string& value) {
    return QVariantMap{{QStringLiteral("field"), field},
                       {QStringLiteral("fieldValue"), QString::fromStdString(value)}};
}

} // namespace

PolarScopeInfo::PolarScopeInfo(std::shared_ptr<IAstroCalc> astroCalc,
                               std::shared_ptr<IAstroFormat> astroFormat,
                               std::shared_ptr<ILocation> location,
                               std::shared_ptr<IAstroClock> astroClock)
    : m_astroCalc(std::move(astroCalc)), m_astroFormat(std::move(astroFormat)),
      m_location(std::move(location)), m_astroClock(std::move(astroClock)) {
    update();
}

void PolarScopeInfo::setNorth(bool north) {
    if (north == m_north)
        return;
    m_north = north;
    emit northChanged();
    update();
}

void PolarScopeInfo::update() {
    const time_t now = m_astroClock->timeT();
    std::tm local{};
    localtime_r(&now, &local);

    QList<QVariantMap> rows;
    rows.append(row(QCoreApplication::translate("mount", "Local longitude"),
                    m_astroFormat->formatLongitude(m_location->longitudeRad())));
    rows.append(row(QCoreApplication::translate("mount", "Local time"),
                    m_astroFormat->formatTimeOfDay12h(local.tm_hour + local.tm_min / 60.0)));
    if (m_north)
        rows.append(row(QCoreApplication::translate("mount", "Polaris Position "),
                        m_astroFormat->formatClockPosition(m_astroCalc->poleStarHourAngle())));
    else
        rows.append(row(QCoreApplication::translate("mount", "Octans Position"), std::string()));
    m_infoList = std::move(rows);
    emit infoListChanged();
}

} // namespace Ko
