#pragma once

#include "catalog/databasecataloglist.h"

namespace Ko {

// The double stars of the sky-object database; with tonightBest only those split by at least
// 10 arcseconds. Measured against the deep-sky magnitude limit.
// Threads: main thread only, but load any thread.
class DoubleStarCatalogList : public DatabaseCatalogList {
public:
    DoubleStarCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                          std::shared_ptr<IAstroDatabase> database, bool tonightBest);
};

} // namespace Ko
