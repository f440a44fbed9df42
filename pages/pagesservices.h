#pragma once

#include "base/publishedrows.h"
#include "catalog/catalogservices.h"

#include <memory>

namespace Ko {

// Threads: main thread only.

class CatalogList;
class GeneralInfoList;
class IAlignmentDataContainer;
class IAstroFormat;
class IMountConnection;
class IOriSensor;
class IPAERoutine;
class IShortMessageSink;
class IVisibility;
class IdentifyCatalogList;
class ObjectInfoList;
class PointAndGo;
class SearchDSO;

// What the pages need from below; the catalog sources come whole.
struct PagesDeps {
    CatalogServices catalog;
    std::shared_ptr<IAstroClock> astroClock;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IAstroFormat> astroFormat;
    std::shared_ptr<IVisibility> visibility;
    std::shared_ptr<IOriSensor> oriSensor;
    std::shared_ptr<IMountConnection> mountConnection;
    std::shared_ptr<IAlignmentDataContainer> alignmentDataContainer;
    std::shared_ptr<IPAERoutine> paeRoutine;
    std::shared_ptr<IShortMessageSink> messageSink;
};

struct PagesServices {
    // One list per catalog page, each over a source of its own.
    std::shared_ptr<CatalogList> solarSystem;
    std::shared_ptr<CatalogList> namedStars;
    std::shared_ptr<CatalogList> doubleStars;
    std::shared_ptr<CatalogList> deepSky;
    std::shared_ptr<CatalogList> comets;
    std::shared_ptr<CatalogList> solarSystemBest;
    std::shared_ptr<CatalogList> doubleStarsBest;
    std::shared_ptr<CatalogList> deepSkyBest;
    std::shared_ptr<SearchDSO> searchDSO;
    std::shared_ptr<GeneralInfoList> generalInfoList;
    std::shared_ptr<PointAndGo> pointAndGo;
    std::shared_ptr<IdentifyCatalogList> identifyList;
    std::shared_ptr<ObjectInfoList> objectInfoList;
};

// Main thread only, once. Builds the catalog lists, search, the information pages,
// identification and point-and-go, and appends their rows.
PagesServices makePagesServices(const PagesDeps& deps, PublishedRows& published);

} // namespace Ko
