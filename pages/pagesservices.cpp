#include "pages/pagesservices.h"

#include "catalog/astrodatabase.h"
#include "catalog/catalogsettings.h"
#include "catalog/cometcataloglist.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/solarsystemcataloglist.h"
#include "pages/cataloglist.h"
#include "pages/generalinfolist.h"
#include "pages/identifycataloglist.h"
#include "pages/objectinfolist.h"
#include "pages/pointandgo.h"
#include "pages/searchdso.h"

namespace Ko {

PagesServices makePagesServices(const PagesDeps& deps, PublishedRows& published) {
    const CatalogServices& catalog = deps.catalog;
    PagesServices s;
    // Each catalog page lists one source of its own, all over the same settings and formats.
    const auto list = [&](const char* name, std::shared_ptr<ICatalogListRaw> raw) {
        auto made = std::make_shared<CatalogList>(std::move(raw), deps.astroCalc, deps.astroFormat,
                                                  catalog.catalogSettings);
        published.emplace_back(name, made);
        return made;
    };
    s.solarSystem = list("inj_astroList_ss", catalog.solarSystemList);
    s.namedStars = list("inj_astroList_star", catalog.namedStarList);
    s.doubleStars = list("inj_astroList_double", catalog.doubleStarList);
    s.deepSky = list("inj_astroList_dso", catalog.dsoList);
    s.comets = list("inj_astroList_comet", catalog.cometList);
    s.solarSystemBest = list("inj_astroList_ss_bt", catalog.solarSystemBestList);
    s.doubleStarsBest = list("inj_astroList_double_bt", catalog.doubleStarBestList);
    s.deepSkyBest = list("inj_astroList_dso_bt", catalog.dsoBestList);
    s.generalInfoList =
        std::make_shared<GeneralInfoList>(deps.astroCalc, deps.astroFormat, deps.mountConnection,
                                          deps.alignmentDataContainer, deps.astroClock);
    published.emplace_back("inj_generalInfoList", s.generalInfoList);
    s.pointAndGo =
        std::make_shared<PointAndGo>(deps.mountConnection, deps.oriSensor, deps.astroCalc,
                                     catalog.catalogSettings, deps.messageSink);
    published.emplace_back("inj_pointAndGo", s.pointAndGo);
    s.searchDSO = std::make_shared<SearchDSO>(catalog.astroDatabase, deps.astroFormat,
                                              deps.astroCalc, deps.mountConnection,
                                              catalog.catalogSettings, deps.messageSink);
    published.emplace_back("inj_searchDSO", s.searchDSO);
    // Searches the very sources of the star, planet and deep-sky pages, not copies of them.
    s.identifyList = std::make_shared<IdentifyCatalogList>(
        catalog.namedStarList, catalog.solarSystemList, catalog.dsoList, deps.astroCalc,
        deps.astroFormat, deps.oriSensor, deps.mountConnection);
    published.emplace_back("inj_identifyList", s.identifyList);
    // Keeps the pointing-accuracy routine alive: nothing else holds it.
    s.objectInfoList =
        std::make_shared<ObjectInfoList>(deps.astroCalc, deps.astroFormat, deps.mountConnection,
                                         deps.visibility, deps.paeRoutine, catalog.catalogSettings);
    published.emplace_back("inj_objectInfoList", s.objectInfoList);
    return s;
}

} // namespace Ko
