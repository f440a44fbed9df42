#pragma once

#include <QObject>

#include <memory>

namespace Ko {

class IAstroCalc;
class ICatalogSettings;
class IMountConnection;
class IOriSensor;
class IShortMessageSink;
struct U_ASTRO_COORD;

// Sends the mount to where the device points: one reading of the orientation sensors, refused
// with a notification when the catalog settings prohibit the direction.
// Threads: main thread only.
class PointAndGo : public QObject {
    Q_OBJECT
public:
    PointAndGo(std::shared_ptr<IMountConnection> mountConnection,
               std::shared_ptr<IOriSensor> oriSensor, std::shared_ptr<IAstroCalc> astroCalc,
               std::shared_ptr<ICatalogSettings> catalogSettings,
               std::shared_ptr<IShortMessageSink> messageSink);

    // Returns at once; the GoTo or the refusal follows the reading, if a mount is still connected
    // then. Does nothing without a mount; sensors that cannot start give neither.
    Q_INVOKABLE void startGoTo();

private:
    void onReading(const U_ASTRO_COORD& pointed);

    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<IOriSensor> m_oriSensor;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    const std::shared_ptr<IShortMessageSink> m_messageSink;
};

} // namespace Ko
