#include "catalog/nameddsocataloglist.h"

#include "catalog/dbrecord.h"
#include "catalog/iastrodatabase.h"

namespace Ko {

namespace {

// Objects a small telescope shows on an ordinary night.
constexpr float kTonightBestFaintestVmag = 7.0f;

void setCatalogNumber(AstroObj& obj, int key, const QSqlQuery& q, const char* column) {
    std::string number = recordText(q, column);
    if (number != "0")
        obj.set(key, std::move(number));
}

bool readDso(const QSqlQuery& q, bool tonightBest, AstroObj& obj) {
    // A magnitude that is not a number stays in the list.
    if (tonightBest && recordFloat(q, "vmag") > kTonightBestFaintestVmag)
        return false;
    NamedDsoCatalogList::fillFromRecord(q, obj);
    return true;
}

} // namespace

void NamedDsoCatalogList::fillFromRecord(const QSqlQuery& q, AstroObj& obj) {
    obj.name = recordText(q, "nameLoc");
    obj.vmag = recordFloat(q, "vmag");
    obj.set(AstroObjKey::Constellation, recordText(q, "constNameLoc"));
    setCatalogNumber(obj, AstroObjKey::MessierNumber, q, "idM");
    setCatalogNumber(obj, AstroObjKey::CaldwellNumber, q, "idC");
    setCatalogNumber(obj, AstroObjKey::NgcNumber, q, "idNgc");
    setCatalogNumber(obj, AstroObjKey::IcNumber, q, "idIc");
    obj.coordJ2000 = {recordDouble(q, "j2kRaRad"), recordDouble(q, "j2kDecRad")};
}

NamedDsoCatalogList::NamedDsoCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                                         std::shared_ptr<IAstroDatabase> database, bool tonightBest)
    : DatabaseCatalogList(std::move(astroCalc), std::move(database), CatalogKind::Dso, tonightBest,
                          true, &readDso) {}

} // namespace Ko
