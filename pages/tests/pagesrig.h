#pragma once

// The pages' collaborators as the application builds them, on a fixed clock and site, with the
// real mount holder; the device's sensors and the mount are the fakes at the edge.

#include "astro/angleutil.h"
#include "astro/magneticdeclination.h"
#include "astro/orisensor.h"
#include "astro/qastroformat.h"
#include "astro/tests/fakesensorbackends.h"
#include "base/ishortmessagesink.h"
#include "base/languagemanager.h"
#include "catalog/tests/catalogrig.h"
#include "mount/tests/fakemount.h"
#include "mount/writablemountconnection.h"

#include <QStringList>

#include <memory>

namespace Ko::Test {

// The real orientation sensor over fake compass and tilt backends.
struct DeviceSensors {
    FakeSensorBackends backends;
    std::shared_ptr<MagneticDeclination> declination;
    std::shared_ptr<OriSensor> sensor;

    DeviceSensors(const Sky& sky, std::shared_ptr<IAstroFormat> format)
        : declination(std::make_shared<MagneticDeclination>(sky.clock, sky.location)) {
        backends.registerBoth();
        sensor = std::make_shared<OriSensor>(std::move(format), declination);
    }
    ~DeviceSensors() {
        sensor.reset();
        backends.unregisterBoth();
    }

    bool started() const {
        return backends.compass && backends.compass->running && backends.tilt &&
               backends.tilt->running;
    }
    // The device points at true azimuth and altitude (radians): the compass reads magnetic
    // north.
    void point(double azimuth, double altitude) {
        backends.compass->push(azimuth / kDeg - declination->declination());
        backends.tilt->push(altitude / kDeg);
    }
};

// The toasts that reach the user.
class FakeMessageSink : public IShortMessageSink {
public:
    void sendShortMessage(const char* text) override { messages << QString::fromUtf8(text); }
    QStringList messages;
};

inline std::shared_ptr<QAstroFormat> englishFormat() {
    return std::make_shared<QAstroFormat>(std::make_shared<LanguageManager>(nullptr, nullptr));
}

} // namespace Ko::Test
