#pragma once

#include "catalog/icataloglistraw.h"

#include <memory>

namespace Ko {

class ISolarSystem;

// The nine solar-system bodies as a catalog source, in body order; with tonightBest only those
// of magnitude 7.0 or brighter. Measured against the star magnitude limit.
// Threads: main thread only, but load any thread.
class SolarSystemCatalogList : public ICatalogListRaw {
public:
    SolarSystemCatalogList(std::shared_ptr<ISolarSystem> solarSystem, bool tonightBest);

    void refresh() override;
    std::vector<AstroObj> load() override;
    bool usesDsoVmagLimit() const override { return false; }

private:
    const std::shared_ptr<ISolarSystem> m_solarSystem;
    const bool m_tonightBest;
};

} // namespace Ko
