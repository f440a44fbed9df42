#include "pages/searchdso.h"
#include "pages/generalinfotext.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/ishortmessagesink.h"
#include "catalog/dbrecord.h"
#include "catalog/iastrodatabase.h"
#include "catalog/icatalogsettings.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <array>

namespace Ko {

namespace {

struct CatalogColumn {
    const char* column;
    const char* prefix;
    int attribute;
};

// In the order the attributes are set; indexed by DeepSkyCatalog_::E.
constexpr std::array<CatalogColumn, 4> kCatalogs = {{
    {"idM", "M", AstroObjKey::MessierNumber},
    {"idC", "C", AstroObjKey::CaldwellNumber},
    {"idIc", "IC", AstroObjKey::IcNumber},
    {"idNgc", "NGC", AstroObjKey::NgcNumber},
}};

const CatalogColumn& catalogOf(DeepSkyCatalog_::E type) {
    const auto i = static_cast<size_t>(type);
    return i < kCatalogs.size() ? kCatalogs[i] : kCatalogs[DeepSkyCatalog_::IdNgc];
}

} // namespace

SearchDSO::SearchDSO(std::shared_ptr<IAstroDatabase> database, std::shared_ptr<IAstroFormat> format,
                     std::shared_ptr<IAstroCalc> astroCalc,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<ICatalogSettings> catalogSettings,
                     std::shared_ptr<IShortMessageSink> messages)
    : m_database(std::move(database)), m_format(std::move(format)),
      m_astroCalc(std::move(astroCalc)), m_mountConnection(std::move(mountConnection)),
      m_catalogSettings(std::move(catalogSettings)), m_messages(std::move(messages)) {}

Nullable<SearchDSO::Result> SearchDSO::lookup() const {
    // The database refuses numbers below 1 (0 marks the objects outside a catalog), so that
    // one guard, which the search's own tests reach, covers the empty field (-1) too.
    const CatalogColumn& catalog = catalogOf(m_dsoType);
    const QSqlQuery row =
        m_database->queryDso(QLatin1String(catalog.column), QString::number(m_numberID));
    if (!row.isValid())
        return {};
    Result r;
    bool numeric = false;
    r.obj.vmag = row.value(QStringLiteral("vmag")).toFloat(&numeric);
    if (!numeric)
        r.obj.vmag = 0;
    r.obj.name = recordText(row, "nameLoc");
    if (r.obj.name.empty())
        r.obj.name = catalog.prefix + std::to_string(m_numberID);
    r.obj.set(AstroObjKey::Constellation, recordText(row, "constNameLoc"));
    for (const CatalogColumn& c : kCatalogs) {
        if (row.value(QLatin1String(c.column)).toLongLong() != 0)
            r.obj.set(c.attribute, recordText(row, c.column));
    }
    r.obj.coordJ2000 = {recordDouble(row, "J2kRaRad"), recordDouble(row, "J2kDecRad")};
    r.obj.coordNow = positionOfDate(*m_astroCalc, r.obj.coordJ2000);
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(
        {r.obj.coordNow.a, r.obj.coordNow.b, CoordType::RDJNow}, CoordType::AZTrue);
    r.azAlt = {azAlt.a, azAlt.b};
    r.prohibition = m_catalogSettings->slewToProhibition(r.obj.coordNow, r.azAlt);
    return r;
}

void SearchDSO::refresh() {
    // A failed conversion throws out of here and leaves the last result as it was.
    m_found = lookup();
    m_show = {};
    if (m_found.hasValue()) {
        const Result& r = m_found.value();
        m_show.a = r.obj.name;
        m_show.b = QCoreApplication::translate("mount", "Magnitude").toStdString() + ": " +
                   magnitudeText(r.obj.vmag);
        m_show.c = m_format->formatAzAlt(r.azAlt.a, r.azAlt.b);
        m_show.d = r.obj.get(AstroObjKey::Constellation);
    }
    emit valueChanged();
}

AstroObj SearchDSO::getAstroObj() {
    return m_found.hasValue() ? m_found.value().obj : AstroObj();
}

void SearchDSO::startGoTo() {
    if (!m_found.hasValue())
        return;
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    if (!mount)
        return;
    const AstroObj& obj = m_found.value().obj;
    MountTarget target;
    target.name = obj.name;
    target.coord = {obj.coordNow.a, obj.coordNow.b, CoordType::RDJNow};
    target.kind = obj.kind;
    // The object has moved since the search; the mount refuses a target outside the altitude
    // limits only.
    if (!mount->slewToAsync(target))
        m_messages->sendShortMessage(
            slewToProhibitionText(SlewToProhibition_::AltitudeOutOfRange).toUtf8().constData());
}

void SearchDSO::setDsoType(DeepSkyCatalog_::E type) {
    m_dsoType = type;
    refresh();
}

void SearchDSO::setNumberID(int number) {
    m_numberID = number;
    refresh();
}

bool SearchDSO::slewToOk() const {
    return m_found.hasValue() && !m_found.value().prohibition.hasValue();
}

QVariant SearchDSO::slewToProhibitionVariant() const {
    if (!m_found.hasValue() || !m_found.value().prohibition.hasValue())
        return {};
    return QVariant::fromValue(m_found.value().prohibition.value());
}

} // namespace Ko
