#pragma once

#include "base/publishedrows.h"

#include <memory>
#include <string>

namespace Ko {

// Threads: main thread only.

class AltRange;
class AstroDatabase;
class CatalogSettings;
class CometCatalogList;
class CometFile;
class DoubleStarCatalogList;
class IAstroCalc;
class IAstroClock;
class IClock;
class IFileUtil;
class IKVStore;
class ILanguageManager;
class ILocation;
class NamedDsoCatalogList;
class NamedStarCatalogList;
class SolarSystem;
class SolarSystemCatalogList;
class SunVisibility;

// What the catalogs need from below.
struct CatalogDeps {
    std::shared_ptr<IFileUtil> fileUtil;
    std::shared_ptr<IKVStore> kvStore;
    std::shared_ptr<ILanguageManager> languageManager;
    std::shared_ptr<ILocation> location;
    std::shared_ptr<IClock> clock;
    std::shared_ptr<IAstroClock> astroClock;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<AltRange> altRange;
    // Where the comet elements are downloaded from; empty for the public service.
    std::string cometUrl;
};

struct CatalogServices {
    std::shared_ptr<CometFile> cometFile;
    std::shared_ptr<SolarSystem> solarSystem;
    std::shared_ptr<SunVisibility> sunVisibility;
    std::shared_ptr<CatalogSettings> catalogSettings;
    std::shared_ptr<AstroDatabase> astroDatabase;
    // The sources of the catalog pages; identification and the alignment-star lists search these
    // very ones, not copies.
    std::shared_ptr<SolarSystemCatalogList> solarSystemList;
    std::shared_ptr<NamedStarCatalogList> namedStarList;
    std::shared_ptr<DoubleStarCatalogList> doubleStarList;
    std::shared_ptr<NamedDsoCatalogList> dsoList;
    std::shared_ptr<CometCatalogList> cometList;
    // The sources of the "Tonight's Best" page feed nothing else.
    std::shared_ptr<SolarSystemCatalogList> solarSystemBestList;
    std::shared_ptr<DoubleStarCatalogList> doubleStarBestList;
    std::shared_ptr<NamedDsoCatalogList> dsoBestList;
};

// Main thread only, once. Builds the sky-object database, the catalog settings and every catalog
// source, and appends the rows of those the user interface reaches.
CatalogServices makeCatalogServices(const CatalogDeps& deps, PublishedRows& published);

} // namespace Ko
