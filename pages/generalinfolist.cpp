#include "pages/generalinfolist.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "model/ialignmentdatacontainer.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"
#include "pages/generalinfotext.h"
#include "pages/pagetext.h"

#include <QTimer>

#include <ctime>

namespace Ko {

namespace {

// "ID=02.5′   CH=00.0′   NP=-01.2′": translated term names, the rest as it stands.
QString termsText(std::initializer_list<std::pair<const char*, double>> terms) {
    QString text;
    for (const auto& [name, arcminutes] : terms) {
        if (!text.isEmpty())
            text += QStringLiteral("   ");
        text += trMount(name) + QLatin1Char('=') + fromUtf8(formatArcminutes(arcminutes));
    }
    return text;
}

} // namespace

GeneralInfoList::GeneralInfoList(std::shared_ptr<IAstroCalc> astroCalc,
                                 std::shared_ptr<IAstroFormat> format,
                                 std::shared_ptr<IMountConnection> connection,
                                 std::shared_ptr<IAlignmentDataContainer> alignmentData,
                                 std::shared_ptr<IAstroClock> astroClock)
    : m_astroCalc(std::move(astroCalc)), m_format(std::move(format)),
      m_connection(std::move(connection)), m_alignmentData(std::move(alignmentData)),
      m_astroClock(std::move(astroClock)), m_timer(std::make_shared<QTimer>()),
      m_model(std::make_unique<QmlSectionListModel>()) {
    KO_ASSERT(m_astroCalc && m_format && m_connection && m_alignmentData && m_astroClock);
    m_timer->setInterval(kUpdateIntervalMs);
    connect(m_timer.get(), &QTimer::timeout, this, &GeneralInfoList::update);
    connect(m_connection.get(), &IMountConnection::positionChanged, this, &GeneralInfoList::update);
    // Runs on the thread that replaces the mount: a mount that connects while the page is shown
    // keeps its position fresh without another setUpdating.
    m_mountChangedHandle = m_connection->mountChanged.append([this] {
        const std::shared_ptr<IMount> mount = m_connection->sharedMount();
        if (mount && isUpdating())
            mount->setPositionUpdating(true);
    });
    update();
}

GeneralInfoList::~GeneralInfoList() {
    m_connection->mountChanged.remove(m_mountChangedHandle);
}

bool GeneralInfoList::isUpdating() const {
    return m_updating;
}

void GeneralInfoList::setUpdating(bool value) {
    m_updating = value;
    if (value) {
        m_timer->start();
        update();
    } else {
        m_timer->stop();
    }
    if (const std::shared_ptr<IMount> mount = m_connection->sharedMount())
        mount->setPositionUpdating(value);
}

void GeneralInfoList::update() {
    QString azAlt, haDec, raDec, axes, motorBoard;
    if (const std::shared_ptr<IMount> mount = m_connection->sharedMount()) {
        const auto axisAngles = mount->axisPositions();
        const auto position = mount->lastPosition();
        const CoordFrames frames = m_astroCalc->allFramesNow(
            {position.first, position.second, CoordType::HDObsv}, CoordType::RDJNow);
        const U_ASTRO_COORD& observed = frames[CoordType::AZObsv].value();
        const U_ASTRO_COORD& ofDate = frames[CoordType::RDJNow].value();
        azAlt = fromUtf8(m_format->formatAzAlt(observed.a, observed.b));
        haDec = fromUtf8(m_format->formatRaDec(position.first, position.second));
        raDec = fromUtf8(m_format->formatRaDec(ofDate.a, ofDate.b));
        axes = fromUtf8(m_format->formatSignedPair(axisAngles.first, axisAngles.second));
        motorBoard = fromUtf8(motorControllerVersionText(mount->motorControllerVersion(0)));
    }

    const std::time_t now = m_astroClock->timeT();
    std::tm local{};
    std::tm utc{};
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);

    QList<SectionListItem>& rows = m_model->items;
    rows.clear();
    const QString coordinates = trMount(QT_TRANSLATE_NOOP("mount", "Coordinates"));
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "Azimuth/Altitude")), azAlt});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "H.A./Dec")), haDec});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "R.A./Dec")), raDec});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "Axis")), axes});
    const QString polaris = trMount(QT_TRANSLATE_NOOP("mount", "Polaris"));
    rows.append({polaris, trMount(QT_TRANSLATE_NOOP("mount", "Clock Position")),
                 fromUtf8(m_format->formatClockPosition(m_astroCalc->poleStarHourAngle()))});
    rows.append({polaris, trMount(QT_TRANSLATE_NOOP("mount", "Hour Angle")),
                 fromUtf8(m_format->formatHourMin(m_astroCalc->poleStarHourAngleAt()))});
    const QString time = trMount(QT_TRANSLATE_NOOP("mount", "Time"));
    rows.append({time, trMount(QT_TRANSLATE_NOOP("mount", "LMST")),
                 fromUtf8(m_format->formatHourMinSec(m_astroCalc->localSiderealRad()))});
    rows.append({time, trMount(QT_TRANSLATE_NOOP("mount", "GMST")),
                 fromUtf8(m_format->formatHourMinSec(m_astroCalc->greenwichSiderealRad()))});
    rows.append({time, trMount(QT_TRANSLATE_NOOP("mount", "Local Time")),
                 fromUtf8(m_format->formatDateTimeWithZone(local))});
    rows.append({time, trMount(QT_TRANSLATE_NOOP("mount", "Greenwich Time")),
                 fromUtf8(m_format->formatTime(utc))});
    const QString alignment = trMount(QT_TRANSLATE_NOOP("mount", "Alignment"));
    rows.append({alignment, QString(),
                 termsText({{QT_TRANSLATE_NOOP("mount", "ID"), m_alignmentData->idAmin()},
                            {QT_TRANSLATE_NOOP("mount", "CH"), m_alignmentData->chAmin()},
                            {QT_TRANSLATE_NOOP("mount", "NP"), m_alignmentData->npAmin()}})});
    rows.append({alignment, QString(),
                 termsText({{QT_TRANSLATE_NOOP("mount", "Mel"), m_alignmentData->melAmin()},
                            {QT_TRANSLATE_NOOP("mount", "Maz"), m_alignmentData->mazAmin()},
                            {QT_TRANSLATE_NOOP("mount", "Tilt"), m_alignmentData->tiltAmin()}})});
    const QString version = trMount(QT_TRANSLATE_NOOP("mount", "Version"));
    rows.append({version, trMount(QT_TRANSLATE_NOOP("mount", "App")), fromUtf8(appVersionText())});
    rows.append({version, trMount(QT_TRANSLATE_NOOP("mount", "Motor Board")), motorBoard});
    m_model->setItems();
}

} // namespace Ko
