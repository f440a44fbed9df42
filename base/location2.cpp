#include "base/location2.h"

#include "base/ikvstore.h"

namespace Ko {

namespace {
const char* const kLong = "loc.long";
const char* const kLat = "loc.lat";
const char* const kMockLat = "loc.mock_lat";
const char* const kAlt = "loc.alt";
const char* const kTemp = "loc.temp_cel";
} // namespace

Location2::Location2(std::shared_ptr<IKVStore> kvStore, QObject* parent)
    : ILocation(parent), m_kvStore(std::move(kvStore)) {
    load();
}

void Location2::load() {
    if (!m_kvStore)
        return;
    const CLocation def;
    CLocation l;
    l.longitudeRad = m_kvStore->loadDouble(kLong, def.longitudeRad);
    l.latitudeRad = m_kvStore->loadDouble(kLat, def.latitudeRad);
    l.mockLatitude = m_kvStore->loadBool(kMockLat, def.mockLatitude);
    l.altitudeMeter = m_kvStore->loadDouble(kAlt, def.altitudeMeter);
    l.temperatureCelsius = m_kvStore->loadDouble(kTemp, def.temperatureCelsius);
    {
        std::lock_guard lock(m_mutex);
        m_loc = l;
    }
    changed();
    emit locationChanged_q();
}

void Location2::save(const CLocation& l) {
    if (!m_kvStore)
        return;
    m_kvStore->saveDouble(kLong, l.longitudeRad);
    m_kvStore->saveDouble(kLat, l.latitudeRad);
    m_kvStore->saveBool(kMockLat, l.mockLatitude);
    m_kvStore->saveDouble(kAlt, l.altitudeMeter);
    m_kvStore->saveDouble(kTemp, l.temperatureCelsius);
}

CLocation Location2::location() const {
    std::lock_guard lock(m_mutex);
    return m_loc;
}

void Location2::setLocation(const CLocation& l) {
    {
        std::lock_guard writeLock(m_writeMutex);
        // The same site again (a sensor repeating its fix, a page left unchanged) is no news:
        // a notice would have the default pointing model rebuilt, and every rebuild of the model
        // drops the mount's correction points.
        if (location() == l)
            return;
        {
            std::lock_guard lock(m_mutex);
            m_loc = l;
        }
        save(l);
    }
    changed();
    emit locationChanged_q();
}

double Location2::longitudeRad() const {
    return location().longitudeRad;
}
double Location2::latitudeRad() const {
    return location().latitudeRad;
}
bool Location2::mockLatitude() const {
    return location().mockLatitude;
}
double Location2::altitudeMeter() const {
    return location().altitudeMeter;
}
double Location2::temperatureCelsius() const {
    return location().temperatureCelsius;
}

} // namespace Ko
