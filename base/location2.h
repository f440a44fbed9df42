#pragma once

#include "base/ilocation.h"

#include <memory>
#include <mutex>

namespace Ko {

class IKVStore;

// The site, persisted under "loc.*". Readers on worker threads always see one whole site.
// Threads: any thread.
class Location2 : public ILocation {
    Q_OBJECT
public:
    explicit Location2(std::shared_ptr<IKVStore> kvStore, QObject* parent = nullptr);

    CLocation location() const override;
    void setLocation(const CLocation& l) override;
    double longitudeRad() const override;
    double latitudeRad() const override;
    bool mockLatitude() const override;
    double altitudeMeter() const override;
    double temperatureCelsius() const override;

private:
    void load();
    void save(const CLocation& l);

    const std::shared_ptr<IKVStore> m_kvStore;
    // Serialises whole updates, so the stored keys always belong to one site.
    std::mutex m_writeMutex;
    mutable std::mutex m_mutex;
    CLocation m_loc;
};

} // namespace Ko
