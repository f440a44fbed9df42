#include "catalog/catalogservices.h"

#include "catalog/astrodatabase.h"
#include "catalog/catalogsettings.h"
#include "catalog/cometcataloglist.h"
#include "catalog/cometfile.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/solarsystem.h"
#include "catalog/solarsystemcataloglist.h"
#include "catalog/sunvisibility.h"

namespace Ko {

CatalogServices makeCatalogServices(const CatalogDeps& deps, PublishedRows& published) {
    CatalogServices s;
    s.cometFile = deps.cometUrl.empty() ? std::make_shared<CometFile>(deps.fileUtil)
                                        : std::make_shared<CometFile>(deps.fileUtil, deps.cometUrl);
    published.emplace_back("inj_cometFile", s.cometFile);
    s.solarSystem =
        std::make_shared<SolarSystem>(deps.astroClock, deps.astroCalc, deps.languageManager);
    s.sunVisibility =
        std::make_shared<SunVisibility>(deps.astroCalc, s.solarSystem, deps.astroClock);
    published.emplace_back("inj_sunVisibility", s.sunVisibility);
    s.catalogSettings = std::make_shared<CatalogSettings>(deps.kvStore, deps.clock, deps.altRange,
                                                          deps.astroCalc, s.sunVisibility);
    published.emplace_back("inj_catalogSettings", s.catalogSettings);
    // The database follows the language; the sources read their rows once here and again on
    // each language change, which reaches the database first because it subscribed first.
    s.astroDatabase = std::make_shared<AstroDatabase>(deps.languageManager, deps.fileUtil);
    s.solarSystemList = std::make_shared<SolarSystemCatalogList>(s.solarSystem, false);
    s.namedStarList = std::make_shared<NamedStarCatalogList>(deps.astroCalc, s.astroDatabase);
    s.doubleStarList =
        std::make_shared<DoubleStarCatalogList>(deps.astroCalc, s.astroDatabase, false);
    s.dsoList = std::make_shared<NamedDsoCatalogList>(deps.astroCalc, s.astroDatabase, false);
    s.cometList =
        std::make_shared<CometCatalogList>(deps.astroClock, deps.location, s.cometFile, deps.clock);
    s.solarSystemBestList = std::make_shared<SolarSystemCatalogList>(s.solarSystem, true);
    s.doubleStarBestList =
        std::make_shared<DoubleStarCatalogList>(deps.astroCalc, s.astroDatabase, true);
    s.dsoBestList = std::make_shared<NamedDsoCatalogList>(deps.astroCalc, s.astroDatabase, true);
    return s;
}

} // namespace Ko
