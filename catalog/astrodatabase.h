#pragma once

#include "catalog/iastrodatabase.h"

#include <QSqlDatabase>

#include <memory>
#include <string>

namespace Ko {

class IFileUtil;
class ILanguageManager;

// The shipped file "skyobj.sqlite" in the resources folder, opened read-only once for the whole
// run on the application's default connection. A file that does not open leaves every query
// without records; nothing here throws.
// Threads: main thread only: the database handle belongs to that thread.
class AstroDatabase : public IAstroDatabase {
public:
    AstroDatabase(std::shared_ptr<ILanguageManager> languageManager,
                  std::shared_ptr<IFileUtil> fileUtil);
    ~AstroDatabase() override;

    QSqlQuery queryCatalog(int kind) override;
    QSqlQuery queryDso(const QString& column, const QString& number) override;

    const std::string& nameColumn() const { return m_nameColumn; }
    const std::string& constNameColumn() const { return m_constNameColumn; }

private:
    void updateNameColumns();
    void open();
    QSqlQuery run(const QString& text);

    std::shared_ptr<ILanguageManager> m_languageManager;
    std::shared_ptr<IFileUtil> m_fileUtil;
    QSqlDatabase m_db;
    std::string m_nameColumn;
    std::string m_constNameColumn;
    eventpp::CallbackList<void()>::Handle m_languageSubscription;
};

} // namespace Ko
