#include "catalog/databasecataloglist.h"

#include "catalog/iastrodatabase.h"

#include <QSqlQuery>

namespace Ko {

DatabaseCatalogList::DatabaseCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                                         std::shared_ptr<IAstroDatabase> database, int kind,
                                         bool tonightBest, bool usesDsoVmagLimit, RowReader reader)
    : m_astroCalc(std::move(astroCalc)), m_database(std::move(database)), m_kind(kind),
      m_tonightBest(tonightBest), m_usesDsoVmagLimit(usesDsoVmagLimit), m_reader(reader),
      m_rows(std::make_shared<const Rows>()) {
    m_subscription = m_database->changed.append([this] { loadFromDatabase(); });
    loadFromDatabase();
}

DatabaseCatalogList::~DatabaseCatalogList() {
    m_database->changed.remove(m_subscription);
}

void DatabaseCatalogList::loadFromDatabase() {
    auto fresh = std::make_shared<Rows>();
    QSqlQuery query = m_database->queryCatalog(m_kind);
    while (query.isValid()) {
        AstroObj obj;
        if (m_reader(query, m_tonightBest, obj))
            fresh->push_back(std::move(obj));
        query.next();
    }
    std::lock_guard lock(m_mutex);
    m_rows = std::move(fresh);
}

std::shared_ptr<const DatabaseCatalogList::Rows> DatabaseCatalogList::rows() const {
    std::lock_guard lock(m_mutex);
    return m_rows;
}

void DatabaseCatalogList::refresh() {
    changed();
}

std::vector<AstroObj> DatabaseCatalogList::load() {
    const std::shared_ptr<const Rows> held = rows();
    std::vector<AstroObj> objects;
    objects.reserve(held->size());
    for (const AstroObj& row : *held) {
        AstroObj& obj = objects.emplace_back(row);
        obj.coordNow = positionOfDate(*m_astroCalc, row.coordJ2000);
    }
    return objects;
}

} // namespace Ko
