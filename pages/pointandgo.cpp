#include "pages/pointandgo.h"

#include "astro/iastrocalc.h"
#include "astro/iorisensor.h"
#include "base/ishortmessagesink.h"
#include "catalog/icatalogsettings.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>
#include <QPointer>

namespace Ko {

PointAndGo::PointAndGo(std::shared_ptr<IMountConnection> mountConnection,
                       std::shared_ptr<IOriSensor> oriSensor, std::shared_ptr<IAstroCalc> astroCalc,
                       std::shared_ptr<ICatalogSettings> catalogSettings,
                       std::shared_ptr<IShortMessageSink> messageSink)
    : m_mountConnection(std::move(mountConnection)), m_oriSensor(std::move(oriSensor)),
      m_astroCalc(std::move(astroCalc)), m_catalogSettings(std::move(catalogSettings)),
      m_messageSink(std::move(messageSink)) {}

void PointAndGo::startGoTo() {
    // Without a mount there is nothing to send: the sensors are not even started.
    if (!m_mountConnection->connected())
        return;
    m_oriSensor->readOnce([self = QPointer<PointAndGo>(this)](const U_ASTRO_COORD& pointed) {
        if (self)
            self->onReading(pointed);
    });
}

void PointAndGo::onReading(const U_ASTRO_COORD& pointed) {
    // The mount may have gone between the tap and the reading; the one taken here is the one
    // used.
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    if (!mount)
        return;
    const U_ASTRO_COORD raDec =
        m_astroCalc->convertNow({pointed.a, pointed.b, CoordType::AZObsv}, CoordType::RDJNow);
    const Nullable<SlewToProhibition_::E> prohibition =
        m_catalogSettings->slewToProhibition({raDec.a, raDec.b}, CoordPair{pointed.a, pointed.b});
    if (!prohibition.hasValue()) {
        MountTarget target;
        target.name = QCoreApplication::translate("mount", "Device orientation").toStdString();
        target.coord = {raDec.a, raDec.b, CoordType::RDJNow};
        target.kind = 0;
        // The mount may still refuse, on its own model of the sky; outside the limits only.
        if (!mount->slewToAsync(target))
            m_messageSink->sendShortMessage(
                slewToProhibitionText(SlewToProhibition_::AltitudeOutOfRange).toUtf8().constData());
        return;
    }
    QString message;
    switch (prohibition.value()) {
    case SlewToProhibition_::AltitudeOutOfRange:
        message = QCoreApplication::translate("mount", "Altitude outside of limits");
        break;
    case SlewToProhibition_::TooCloseToSun:
        message = QCoreApplication::translate("mount", "Too close to Sun");
        break;
    }
    m_messageSink->sendShortMessage(message.toUtf8().constData());
}

} // namespace Ko
