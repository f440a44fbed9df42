#pragma once

#include "base/callbacklist.h"

class QSqlQuery;
class QString;

namespace Ko {

// The queries of the sky-object database by kind.
struct CatalogKind {
    enum E : int { NamedStar = 0, DoubleStar = 1, Dso = 2 };
};

// Read-only access to the sky-object database, in the current user-interface language.
// Threads: main thread only: the database handle belongs to that thread.
class IAstroDatabase {
public:
    virtual ~IAstroDatabase() = default;

    // Fires after a language change has switched the name columns; the rows must be read again.
    eventpp::CallbackList<void()> changed;

    // The rows of a catalog, positioned on the first one (forward only); inactive for an unknown
    // kind. A query that failed comes back without records.
    virtual QSqlQuery queryCatalog(int kind) = 0;
    // The deep-sky object whose catalog number in column ("idM", "idC", "idIc" or "idNgc") is
    // number, named or not; the caller tests isValid() before reading. Any other column gives an
    // inactive query.
    virtual QSqlQuery queryDso(const QString& column, const QString& number) = 0;
};

} // namespace Ko
