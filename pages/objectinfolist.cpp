#include "pages/objectinfolist.h"
#include "pages/generalinfotext.h"

#include "align/ipaeroutine.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "astro/ivisibility.h"
#include "base/koassert.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"
#include "pages/pagetext.h"

namespace Ko {

ObjectInfoList::ObjectInfoList(std::shared_ptr<IAstroCalc> astroCalc,
                               std::shared_ptr<IAstroFormat> format,
                               std::shared_ptr<IMountConnection> connection,
                               std::shared_ptr<IVisibility> visibility,
                               std::shared_ptr<IPAERoutine> paeRoutine,
                               std::shared_ptr<ICatalogSettings> catalogSettings)
    : m_astroCalc(std::move(astroCalc)), m_format(std::move(format)),
      m_connection(std::move(connection)), m_visibility(std::move(visibility)),
      m_paeRoutine(std::move(paeRoutine)), m_catalogSettings(std::move(catalogSettings)),
      m_model(std::make_unique<QmlSectionListModel>()) {
    KO_ASSERT(m_astroCalc && m_format && m_connection && m_visibility && m_paeRoutine &&
              m_catalogSettings);
    m_updateTimer.setInterval(kUpdateIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &ObjectInfoList::update);
}

ObjectInfoList::~ObjectInfoList() = default;

void ObjectInfoList::setUpdating(bool value) {
    if (value)
        m_updateTimer.start();
    else
        m_updateTimer.stop();
}

void ObjectInfoList::astroObjShow(AstroObj ao) {
    m_shownObject = std::move(ao);
    update();
    m_slewToProhibition = m_catalogSettings->slewToProhibition(m_shownObject.coordNow, {});
    emit objectChanged_q();
}

QVariant ObjectInfoList::slewToProhibitionVariant() const {
    if (!m_slewToProhibition.hasValue())
        return {};
    return QVariant::fromValue(m_slewToProhibition.value());
}

void ObjectInfoList::update() {
    const AstroObj& obj = m_shownObject;
    const CoordFrames frames = m_astroCalc->allFramesNow(
        {obj.coordNow.a, obj.coordNow.b, CoordType::RDJNow}, CoordType::HDObsv);
    const RiseTransitSetResult rts =
        m_visibility->riseTransitSet({obj.coordJ2000.a, obj.coordJ2000.b, CoordType::RDJ2000});

    QList<SectionListItem>& rows = m_model->items;
    rows.clear();
    const QString basic = trMount(QT_TRANSLATE_NOOP("mount", "Basic Information"));
    rows.append({basic, trMount(QT_TRANSLATE_NOOP("mount", "Name")), fromUtf8(obj.name)});
    rows.append({basic, trMount(QT_TRANSLATE_NOOP("mount", "Magnitude")),
                 fromUtf8(magnitudeText(obj.vmag))});
    for (const QStringList& kv : obj.kvList())
        rows.append({basic, kv.value(0), kv.value(1)});

    const QString coordinates = trMount(QT_TRANSLATE_NOOP("mount", "Coordinates"));
    const auto raDec = [this](double a, double b) { return fromUtf8(m_format->formatRaDec(a, b)); };
    const auto azAlt = [this](const U_ASTRO_COORD& c) {
        return fromUtf8(m_format->formatAzAlt(c.a, c.b));
    };
    const U_ASTRO_COORD& hdObsv = frames[CoordType::HDObsv].value();
    const U_ASTRO_COORD& hdTrue = frames[CoordType::HDTrue].value();
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "R.A./Dec (now)")),
                 raDec(obj.coordNow.a, obj.coordNow.b)});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "R.A./Dec (J2000)")),
                 raDec(obj.coordJ2000.a, obj.coordJ2000.b)});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "H.A./Dec (apparent)")),
                 raDec(hdObsv.a, hdObsv.b)});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "Azimuth/Altitude (apparent)")),
                 azAlt(frames[CoordType::AZObsv].value())});
    rows.append(
        {coordinates, trMount(QT_TRANSLATE_NOOP("mount", "H.A./Dec")), raDec(hdTrue.a, hdTrue.b)});
    rows.append({coordinates, trMount(QT_TRANSLATE_NOOP("mount", "Azimuth/Altitude")),
                 azAlt(frames[CoordType::AZTrue].value())});

    const QString visibility = trMount(QT_TRANSLATE_NOOP("mount", "Visibility"));
    const auto time = [this](double hours) {
        return fromUtf8(m_format->formatTimeOfDay12h(hours));
    };
    if (rts.state == RisesAndSets) {
        rows.append(
            {visibility, trMount(QT_TRANSLATE_NOOP("mount", "Rise Time")), time(rts.riseHours)});
        rows.append({visibility, trMount(QT_TRANSLATE_NOOP("mount", "Transit Time")),
                     time(rts.transitHours)});
        rows.append(
            {visibility, trMount(QT_TRANSLATE_NOOP("mount", "Set Time")), time(rts.setHours)});
    } else if (rts.state == Circumpolar) {
        rows.append(
            {visibility, QString(), trMount(QT_TRANSLATE_NOOP("mount", "Always above horizon"))});
    } else {
        rows.append(
            {visibility, QString(), trMount(QT_TRANSLATE_NOOP("mount", "Always below horizon"))});
    }
    m_model->setItems();
}

void ObjectInfoList::startSlewToShownObject(bool pointAndTrack) {
    if (!m_connection->connected())
        return;
    const MountTarget target{
        m_shownObject.name,
        {m_shownObject.coordNow.a, m_shownObject.coordNow.b, CoordType::RDJNow},
        m_shownObject.kind};
    if (!pointAndTrack) {
        m_paeRoutine->start(target);
        return;
    }
    IMount* const mount = m_connection->mount();
    if (!mount)
        return;
    mount->setTrackingTarget(target);
    mount->setTrackingEnabled(true);
}

} // namespace Ko
