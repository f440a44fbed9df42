#include "catalog/namedstarcataloglist.h"

#include "catalog/dbrecord.h"
#include "catalog/iastrodatabase.h"

namespace Ko {

namespace {

bool readNamedStar(const QSqlQuery& q, bool, AstroObj& obj) {
    obj.name = recordText(q, "nameLoc");
    obj.vmag = recordFloat(q, "vmag");
    obj.set(AstroObjKey::Constellation, recordText(q, "constNameLoc"));
    obj.set(AstroObjKey::BayerDesignation,
            recordText(q, "constGreekSymbol") + " " + recordText(q, "constAbbr"));
    obj.coordJ2000 = {recordDouble(q, "saoJ2kRaRad"), recordDouble(q, "saoJ2kDecRad")};
    return true;
}

} // namespace

NamedStarCatalogList::NamedStarCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                                           std::shared_ptr<IAstroDatabase> database)
    : DatabaseCatalogList(std::move(astroCalc), std::move(database), CatalogKind::NamedStar, false,
                          false, &readNamedStar) {}

} // namespace Ko
