#pragma once

#include "astro/astrocalc.h"
#include "base/clock.h"
#include "base/ifileutil.h"
#include "base/location2.h"
#include "base/tests/fakeclock.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

namespace Ko::Test {

// Resources come from a folder chosen by the test: the data folder unless told otherwise.
class FakeFileUtil : public IFileUtil {
public:
    explicit FakeFileUtil(std::string dataDir, std::string resourceDir = {})
        : m_dir(std::move(dataDir)),
          m_resourceDir(resourceDir.empty() ? m_dir : std::move(resourceDir)) {}
    std::string appDataDir() override { return m_dir; }
    std::string resourceUrl(const std::string& name) override {
        return "file://" + resourcePath(name);
    }
    std::string resourcePath(const std::string& name) override {
        return m_resourceDir + "/" + name;
    }
    bool fileExists(const std::string&) override { return false; }

private:
    std::string m_dir;
    std::string m_resourceDir;
};

// The real coordinate chain at a fixed site (Greenwich, on the equator unless told) and clock.
struct Sky {
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<Location2> location;
    std::shared_ptr<AstroClock> astroClock;
    std::shared_ptr<AstroCalc> calc;

    explicit Sky(double julianDate, double latitudeRad = 0, double westLongitudeRad = 0)
        : clock(std::make_shared<FakeClock>(julianDateToMs(julianDate))),
          location(std::make_shared<Location2>(nullptr)),
          astroClock(std::make_shared<AstroClock>(clock)),
          calc(std::make_shared<AstroCalc>(location, astroClock)) {
        CLocation site = location->location();
        site.latitudeRad = latitudeRad;
        site.longitudeRad = westLongitudeRad;
        location->setLocation(site);
    }
};

// Runs SQL statements on a new SQLite file under its own connection name, then lets it go.
inline QString buildSqlite(const QString& path, const QStringList& statements) {
    const QString connection = QStringLiteral("fixture-builder");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            return db.lastError().text();
        QSqlQuery q(db);
        for (const QString& s : statements) {
            if (!q.exec(s)) {
                error = s + ": " + q.lastError().text();
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace Ko::Test
