#include "pages/cataloglist.h"
#include "pages/generalinfotext.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "catalog/icataloglistraw.h"
#include "catalog/icatalogsettings.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Ko {

namespace {

// The azimuth order starts in the northern compass sector, 22.5 degrees west of north, so that
// the objects of one sector stay together.
constexpr double kAzimuthSortOffset = 0.39269908169872414; // pi / 8

// A value that is not a number sorts after every number: compared as it is, it would break the
// ordering that the sort relies on and let it run past the end of the items.
double orderable(double v) {
    return std::isnan(v) ? std::numeric_limits<double>::infinity() : v;
}

double azimuthSortKey(const CatalogList::Item& item) {
    return orderable(wrapTo2Pi(item.azAlt.a + kAzimuthSortOffset));
}

} // namespace

CatalogList::CatalogList(std::shared_ptr<ICatalogListRaw> raw,
                         std::shared_ptr<IAstroCalc> astroCalc,
                         std::shared_ptr<IAstroFormat> astroFormat,
                         std::shared_ptr<ICatalogSettings> catalogSettings)
    : m_raw(std::move(raw)), m_astroCalc(std::move(astroCalc)),
      m_astroFormat(std::move(astroFormat)), m_catalogSettings(std::move(catalogSettings)) {
    m_rawSubscription = m_raw->changed.append([this] { rawLoaded(); });
    m_settingsSubscription = m_catalogSettings->changed.append([this] { settingsChanged(); });
}

CatalogList::~CatalogList() {
    m_raw->changed.remove(m_rawSubscription);
    m_catalogSettings->changed.remove(m_settingsSubscription);
}

AstroObj CatalogList::getAstroObj(int index) const {
    if (index < 0 || size_t(index) >= m_items.size())
        return {};
    return m_items[size_t(index)].obj;
}

void CatalogList::setDisplayed(bool displayed) {
    if (displayed == m_displayed)
        return;
    m_displayed = displayed;
    if (displayed) {
        m_raw->shown();
        reload();
    }
}

void CatalogList::setSearchText(const std::string& text) {
    if (text == m_searchText)
        return;
    m_searchText = foldAscii(text);
    if (m_displayed)
        reload();
}

std::string CatalogList::foldAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

void CatalogList::reload() {
    // The database and solar-system sources fire changed inside refresh, so the state must be
    // cleared and announced before refresh is called.
    m_items.clear();
    m_list.clear();
    m_loadingList = true;
    emit listChanged();
    m_raw->refresh();
}

void CatalogList::settingsChanged() {
    if (m_displayed)
        reload();
}

bool CatalogList::matchesSearch(const AstroObj& obj) const {
    if (m_searchText.empty())
        return true;
    if (foldAscii(obj.name).find(m_searchText) != std::string::npos)
        return true;
    return foldAscii(obj.get(AstroObjKey::Constellation)).find(m_searchText) != std::string::npos;
}

void CatalogList::rawLoaded() {
    std::vector<AstroObj> objects = m_raw->load();
    const bool dsoLimit = m_raw->usesDsoVmagLimit();
    m_items.reserve(objects.size());
    m_items.clear();
    for (AstroObj& obj : objects) {
        const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(
            U_ASTRO_COORD{obj.coordNow.a, obj.coordNow.b, CoordType::RDJNow}, CoordType::AZTrue);
        const CoordPair pair{azAlt.a, azAlt.b};
        if (m_catalogSettings->isFilteredOut(obj, dsoLimit, pair))
            continue;
        if (!matchesSearch(obj))
            continue;
        m_items.push_back(Item{std::move(obj), pair});
    }
    sortItems();

    m_list.reserve(m_items.size());
    m_list.clear();
    for (const Item& item : m_items)
        m_list.push_back(rowOf(item));
    m_loadingList = false;
    emit listChanged();
}

void CatalogList::sortItems() {
    switch (m_catalogSettings->sortOrder()) {
    case CatalogSortOrder_::Name:
        std::sort(m_items.begin(), m_items.end(),
                  [](const Item& x, const Item& y) { return x.obj.name < y.obj.name; });
        break;
    case CatalogSortOrder_::Az:
        std::sort(m_items.begin(), m_items.end(), [](const Item& x, const Item& y) {
            return azimuthSortKey(x) < azimuthSortKey(y);
        });
        break;
    case CatalogSortOrder_::Vmag:
    default: // a stored value of no known order lists the brightest first
        std::sort(m_items.begin(), m_items.end(), [](const Item& x, const Item& y) {
            return orderable(x.obj.vmag) < orderable(y.obj.vmag);
        });
        break;
    }
}

AstroListUIItem CatalogList::rowOf(const Item& item) const {
    AstroListUIItem row;
    row.a = item.obj.name;
    row.b = magnitudeText(item.obj.vmag);
    row.c = m_astroFormat->formatAzAltWholeDegrees(item.azAlt.a, item.azAlt.b);
    const std::string& separation = item.obj.get(AstroObjKey::Separation);
    if (!separation.empty())
        row.d = QCoreApplication::translate("mount", "Separation (arcsec)").toStdString() + ": " +
                separation;
    else
        row.d = item.obj.get(AstroObjKey::Constellation);
    row.isEnableListItem =
        !m_catalogSettings->slewToProhibition(item.obj.coordNow, item.azAlt).hasValue();
    return row;
}

} // namespace Ko
