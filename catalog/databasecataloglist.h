#pragma once

#include "catalog/icataloglistraw.h"

#include <memory>
#include <mutex>
#include <vector>

class QSqlQuery;

namespace Ko {

class IAstroCalc;
class IAstroDatabase;

// The common part of the sources that read one catalog query of the sky-object database. The rows
// are read at construction and again after each language change, into objects that lack only
// their position of date; load adds that position at the time of the call.
//
// A language change rebuilds the rows on the main thread while load may run on a worker thread:
// the new rows are built aside and published as a whole, so a reader sees either the old rows or
// the new ones, never a mixture.
// Threads: main thread only, but load any thread.
class DatabaseCatalogList : public ICatalogListRaw {
public:
    ~DatabaseCatalogList() override;

    void refresh() override;
    std::vector<AstroObj> load() override;
    bool usesDsoVmagLimit() const override { return m_usesDsoVmagLimit; }

    // Reads the rows of the query again. Does not fire changed: consumers see the new rows at
    // their next load.
    void loadFromDatabase();

protected:
    // Fills obj (all but coordNow) from the current record; false leaves the row out.
    using RowReader = bool (*)(const QSqlQuery& record, bool tonightBest, AstroObj& obj);

    DatabaseCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                        std::shared_ptr<IAstroDatabase> database, int kind, bool tonightBest,
                        bool usesDsoVmagLimit, RowReader reader);

private:
    using Rows = std::vector<AstroObj>;

    std::shared_ptr<const Rows> rows() const;

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroDatabase> m_database;
    const int m_kind;
    const bool m_tonightBest;
    const bool m_usesDsoVmagLimit;
    const RowReader m_reader;
    eventpp::CallbackList<void()>::Handle m_subscription;

    mutable std::mutex m_mutex; // guards m_rows, the pointer; the rows it points to never change
    std::shared_ptr<const Rows> m_rows;
};

} // namespace Ko
