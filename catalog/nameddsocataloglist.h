#pragma once

#include "catalog/databasecataloglist.h"

namespace Ko {

// The named deep-sky objects of the sky-object database; with tonightBest only those of
// magnitude 7.0 or brighter. Measured against the deep-sky magnitude limit.
// Threads: main thread only, but load any thread.
class NamedDsoCatalogList : public DatabaseCatalogList {
public:
    NamedDsoCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                        std::shared_ptr<IAstroDatabase> database, bool tonightBest);

    // Name, magnitude, constellation, catalog numbers other than "0" and the J2000 position of
    // the current record of a deep-sky query; coordNow is left to the caller.
    static void fillFromRecord(const QSqlQuery& record, AstroObj& obj);
};

} // namespace Ko
