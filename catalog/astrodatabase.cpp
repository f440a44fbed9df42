#include "catalog/astrodatabase.h"

#include "base/ifileutil.h"
#include "base/ilanguagemanager.h"
#include "base/log.h"
#include "base/vectorstate.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <array>

namespace Ko {

namespace {

// The columns a deep-sky object can be looked up by; nothing else reaches the query text.
constexpr std::array<const char*, 4> kNumberColumns = {"idM", "idC", "idIc", "idNgc"};

// The name columns derive from the language code, which comes from the settings file: quoted as
// identifiers, a strange code names a missing column (the query fails) and can never change the
// statement.
QString identifier(const std::string& column) {
    QString quoted = QString::fromStdString(column);
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + quoted + QLatin1Char('`');
}

} // namespace

AstroDatabase::AstroDatabase(std::shared_ptr<ILanguageManager> languageManager,
                             std::shared_ptr<IFileUtil> fileUtil)
    : m_languageManager(std::move(languageManager)), m_fileUtil(std::move(fileUtil)) {
    m_languageSubscription = m_languageManager->changed.append([this] {
        updateNameColumns();
        changed();
    });
    updateNameColumns();
    open();
}

AstroDatabase::~AstroDatabase() {
    m_languageManager->changed.remove(m_languageSubscription);
}

void AstroDatabase::updateNameColumns() {
    const std::string code = m_languageManager->language();
    if (code == "en") {
        m_nameColumn = "nameEn";
        m_constNameColumn = "constNameEn";
    } else {
        m_nameColumn = "name_" + code;
        m_constNameColumn = "constName_" + code;
    }
}

void AstroDatabase::open() {
    m_db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), true);
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(QString::fromStdString(m_fileUtil->resourcePath("skyobj.sqlite")));
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    const bool opened = m_db.open();
    // The driver's set-up leaves this thread's wide registers dirty; every list computed on it
    // after this would run several times slower.
    clearUpperVectorState();
    if (opened && m_db.isValid() && m_db.isOpen() && !m_db.isOpenError())
        return;
    Log("Database: open failed: %s", m_db.lastError().text().toUtf8().constData());
}

QSqlQuery AstroDatabase::run(const QString& text) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (query.exec(text))
        query.first();
    return query;
}

QSqlQuery AstroDatabase::queryCatalog(int kind) {
    const QString name = identifier(m_nameColumn);
    const QString constName = identifier(m_constNameColumn);
    switch (kind) {
    case CatalogKind::NamedStar:
        return run(
            QStringLiteral("SELECT saoVMag as vmag, saoJ2kRaRad, saoJ2kDecRad, constGreekSymbol, "
                           "constAbbr, %1 as nameLoc, %2 as constNameLoc FROM tblNamedStar as tns "
                           "INNER JOIN tblConstellation as tc ON tns.constId = tc.constId ;")
                .arg(name, constName));
    case CatalogKind::DoubleStar:
        return run(QStringLiteral("SELECT j2kRaRad, j2kDecRad, vmag, sepArcsec, posAngle, "
                                  "%1 as nameLoc, %2 as constNameLoc FROM tblDoubleStar "
                                  "JOIN tblConstellation on tblDoubleStar.constId = "
                                  "tblConstellation.constId ;")
                       .arg(name, constName));
    case CatalogKind::Dso:
        return run(QStringLiteral("SELECT idNgc, idIc, idM, idC, j2kRaRad, j2kDecRad, vmag, "
                                  "%1 as nameLoc, %2 as constNameLoc FROM tblDsoName as N "
                                  "JOIN tblDso as D on D.idStel = N.idStel "
                                  "JOIN tblConstellation as C ON D.constId = C.constId ;")
                       .arg(name, constName));
    default: {
        QSqlQuery inactive(m_db);
        inactive.setForwardOnly(true);
        return inactive;
    }
    }
}

QSqlQuery AstroDatabase::queryDso(const QString& column, const QString& number) {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const auto known = std::find_if(kNumberColumns.begin(), kNumberColumns.end(),
                                    [&](const char* c) { return column == QLatin1String(c); });
    if (known == kNumberColumns.end())
        return query;
    // The column name is one of the fixed texts above; the number travels as a parameter.
    if (!query.prepare(
            QStringLiteral(
                "SELECT idNgc, idIc, idM, idC, j2kRaRad, j2kDecRad, vmag, %1 AS nameLoc, "
                "%2 AS constNameLoc FROM tblDso AS D LEFT JOIN tblDsoName AS N "
                "ON D.idStel = N.idStel JOIN tblConstellation AS C "
                "ON D.constId = C.constId WHERE %3 = ? ;")
                .arg(identifier(m_nameColumn), identifier(m_constNameColumn),
                     QLatin1String(*known))))
        return query;
    bool isNumber = false;
    const qlonglong value = number.toLongLong(&isNumber);
    // Catalog numbers start at 1: 0 marks an object that is not in that catalog. Only a whole
    // number is looked up: SQLite compares a text such as "0.0" or "0e1" with a number column as
    // the number it spells, which would find every object outside the catalog.
    if (!isNumber || value < 1)
        return query;
    query.addBindValue(QVariant(value));
    if (query.exec())
        query.first();
    return query;
}

} // namespace Ko
