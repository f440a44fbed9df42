#include "catalog/solarsystemcataloglist.h"

#include "catalog/isolarsystem.h"

namespace Ko {

namespace {

// Fainter bodies (Neptune) need a chart to be found.
constexpr float kTonightBestFaintestBodyVmag = 7.0f;

} // namespace

SolarSystemCatalogList::SolarSystemCatalogList(std::shared_ptr<ISolarSystem> solarSystem,
                                               bool tonightBest)
    : m_solarSystem(std::move(solarSystem)), m_tonightBest(tonightBest) {}

void SolarSystemCatalogList::refresh() {
    changed();
}

std::vector<AstroObj> SolarSystemCatalogList::load() {
    std::vector<AstroObj> objects;
    objects.reserve(ISolarSystem::kBodyCount);
    for (int body = 0; body < ISolarSystem::kBodyCount; ++body) {
        AstroObj obj = m_solarSystem->getObject(body);
        // A magnitude that is not a number stays in the list.
        if (m_tonightBest && obj.vmag > kTonightBestFaintestBodyVmag)
            continue;
        objects.push_back(std::move(obj));
    }
    return objects;
}

} // namespace Ko
