#include "catalog/doublestarcataloglist.h"

#include "catalog/dbrecord.h"
#include "catalog/iastrodatabase.h"

namespace Ko {

namespace {

// Closer pairs are left to nights of good seeing.
constexpr float kTonightBestMinSeparationArcsec = 10.0f;

bool readDoubleStar(const QSqlQuery& q, bool tonightBest, AstroObj& obj) {
    // A separation that is not a number stays in the list.
    if (tonightBest && recordFloat(q, "sepArcsec") < kTonightBestMinSeparationArcsec)
        return false;
    obj.name = recordText(q, "nameLoc");
    obj.vmag = recordFloat(q, "vmag");
    obj.set(AstroObjKey::Constellation, recordText(q, "constNameLoc"));
    obj.set(AstroObjKey::Separation, recordText(q, "sepArcsec"));
    obj.set(AstroObjKey::PositionAngle, recordText(q, "posAngle"));
    obj.coordJ2000 = {recordDouble(q, "j2kRaRad"), recordDouble(q, "j2kDecRad")};
    return true;
}

} // namespace

DoubleStarCatalogList::DoubleStarCatalogList(std::shared_ptr<IAstroCalc> astroCalc,
                                             std::shared_ptr<IAstroDatabase> database,
                                             bool tonightBest)
    : DatabaseCatalogList(std::move(astroCalc), std::move(database), CatalogKind::DoubleStar,
                          tonightBest, true, &readDoubleStar) {}

} // namespace Ko
