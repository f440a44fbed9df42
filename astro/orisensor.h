#pragma once

#include "astro/iorisensor.h"
#include "base/nullable.h"

#include <memory>
#include <vector>

class QTimer;
class QTiltSensor;
class QCompass;

namespace Ko {

class IAstroFormat;
class IMagneticDeclination;

// The compass azimuth is turned to true north with the site's magnetic declination; the tilt
// sensor's x rotation is the altitude. The sensors run only while someone waits for a reading:
// until the first complete reading after readOnce, or for as long as periodic updates are on.
// A reading is complete once both sensors have reported since the last readOnce or
// requestPeriodicUpdate.
// Threads: main thread only.
class OriSensor : public IOriSensor {
    Q_OBJECT
public:
    OriSensor(std::shared_ptr<IAstroFormat> format,
              std::shared_ptr<IMagneticDeclination> declination);
    ~OriSensor() override;

    bool readOnce(Callback callback) override;
    void requestPeriodicUpdate(bool value) override;
    bool hasReading() const override;
    U_ASTRO_COORD reading() const override;
    std::string azAltText() const override;
    QString azAltString() const override;

private:
    void onCompassReading();
    void onTiltReading();
    void deliver();
    // Compass first, then tilt; a failed tilt start stops the compass again.
    bool startSensors();
    void stopSensors();

    std::shared_ptr<IAstroFormat> m_format;
    std::shared_ptr<IMagneticDeclination> m_declination;
    std::shared_ptr<QTimer> m_timer;
    std::shared_ptr<QTiltSensor> m_tilt;
    std::shared_ptr<QCompass> m_compass;
    std::vector<Callback> m_pending;
    bool m_periodic = false;
    Nullable<double> m_azimuthDeg;
    Nullable<double> m_tiltDeg;
};

} // namespace Ko
