#pragma once

#include "catalog/databasecataloglist.h"

namespace Ko {

// The named stars of the sky-object database; measured against the star magnitude limit.
// Threads: main thread only, but load any thread.
class NamedStarCatalogList : public DatabaseCatalogList {
public:
    NamedStarCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                         std::shared_ptr<IAstroDatabase> database);
};

} // namespace Ko
