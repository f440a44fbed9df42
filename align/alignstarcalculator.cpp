#include "align/alignstarcalculator.h"

#include "align/ialignstarrater.h"
#include "align/ipolaraligner.h"
#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/log.h"
#include "catalog/icataloglistraw.h"
#include "catalog/icatalogsettings.h"
#include "catalog/isolarsystem.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <functional>
#include <numbers>

namespace Ko {

namespace {

// Fainter objects are hard to find and centre in the finder.
constexpr float kFaintestCandidate = 3.0f;
// The brightest-star alignment centres its first star by eye.
constexpr float kFaintestBrightStar = 1.5f;
// The azimuth order starts a half sector west of north, so the whole north sector comes first.
constexpr double kAzimuthSortOffset = std::numbers::pi / 8;

std::string lowerCased(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string translated(const char* text) {
    return QCoreApplication::translate("mount", text).toStdString();
}

using StarOrder =
    std::function<bool(const AlignStarCalculator::Star&, const AlignStarCalculator::Star&)>;

StarOrder starOrder(CatalogSortOrder_::E order) {
    using Star = AlignStarCalculator::Star;
    switch (order) {
    case CatalogSortOrder_::Vmag:
        return [](const Star& a, const Star& b) {
            if (a.vmag != b.vmag)
                return a.vmag < b.vmag;
            return a.rating > b.rating;
        };
    case CatalogSortOrder_::Name:
        return [](const Star& a, const Star& b) { return a.name < b.name; };
    case CatalogSortOrder_::Az:
        return [](const Star& a, const Star& b) {
            return wrapTo2Pi(a.azAlt.a + kAzimuthSortOffset) <
                   wrapTo2Pi(b.azAlt.a + kAzimuthSortOffset);
        };
    }
    // An unknown stored order keeps the build order.
    return {};
}

} // namespace

int alignmentStarCount(AlignmentType_::E type) {
    switch (type) {
    case AlignmentType_::Star2:
    case AlignmentType_::BrightestStar:
    case AlignmentType_::NorthLevel:
        return 2;
    case AlignmentType_::Star3:
        return 3;
    default:
        return 1;
    }
}

AlignStarCalculator::AlignStarCalculator(std::shared_ptr<ICatalogListRaw> namedStars,
                                         std::shared_ptr<ISolarSystem> solarSystem,
                                         std::shared_ptr<IAlignStarRater> rater,
                                         std::shared_ptr<IAstroCalc> astroCalc,
                                         std::shared_ptr<ICatalogSettings> catalogSettings,
                                         std::shared_ptr<IAstroFormat> astroFormat,
                                         std::shared_ptr<IPolarAligner> polarAligner)
    : m_namedStars(std::move(namedStars)), m_solarSystem(std::move(solarSystem)),
      m_rater(std::move(rater)), m_astroCalc(std::move(astroCalc)),
      m_catalogSettings(std::move(catalogSettings)), m_astroFormat(std::move(astroFormat)),
      m_polarAligner(std::move(polarAligner)) {
    // Filters and order change; positions and ratings stay those of the last build.
    m_settingsHandle = m_catalogSettings->changed.append([this] {
        for (int i = 0; i < kListCount; ++i)
            if (m_displayed[i])
                updateUiList(i);
    });
}

AlignStarCalculator::~AlignStarCalculator() {
    m_catalogSettings->changed.remove(m_settingsHandle);
}

void AlignStarCalculator::setDisplayed(int index012, bool displayed) {
    if (index012 < 0 || index012 >= kListCount || m_displayed[index012] == displayed)
        return;
    m_displayed[index012] = displayed;
    if (displayed)
        updateUiList(index012);
}

void AlignStarCalculator::setSearchText(int index012, const std::string& text) {
    if (index012 < 0 || index012 >= kListCount)
        return;
    std::string lower = lowerCased(text);
    if (lower == m_searchText[index012])
        return;
    m_searchText[index012] = std::move(lower);
    updateUiList(index012);
}

void AlignStarCalculator::addCandidate(std::vector<Star>& list, const AstroObj& object) const {
    if (object.vmag >= kFaintestCandidate)
        return;
    const CoordFrames frames = m_astroCalc->allFramesNow(
        U_ASTRO_COORD{object.coordNow.a, object.coordNow.b, CoordType::RDJNow}, CoordType::AZTrue);
    const U_ASTRO_COORD& hd = frames[CoordType::HDTrue].value();
    const U_ASTRO_COORD& az = frames[CoordType::AZTrue].value();
    const CoordPair hourAngleDec{hd.a, hd.b};
    const int8_t rating = m_rater->rateFirstStar(hourAngleDec);
    if (rating == 0)
        return;
    list.push_back(
        Star{object.coordNow, object.vmag, object.name, hourAngleDec, {az.a, az.b}, rating});
}

void AlignStarCalculator::buildCandidates(AlignmentType_::E type) {
    m_alignmentType = type;
    m_candidates.clear();
    for (int body : {ISolarSystem::Mercury, ISolarSystem::Venus, ISolarSystem::Mars,
                     ISolarSystem::Jupiter, ISolarSystem::Saturn})
        addCandidate(m_candidates, m_solarSystem->getObject(body));
    for (const AstroObj& object : m_namedStars->load())
        addCandidate(m_candidates, object);
}

CoordPair AlignStarCalculator::hourAngleDecNow(const ChosenAlignStar& star) const {
    const U_ASTRO_COORD hd = m_astroCalc->convertNow(
        U_ASTRO_COORD{star.coordNow.a, star.coordNow.b, CoordType::RDJNow}, CoordType::HDTrue);
    return {hd.a, hd.b};
}

bool AlignStarCalculator::hasThirdStar(const CoordPair& first, const CoordPair& second) const {
    return std::any_of(m_candidates.begin(), m_candidates.end(), [&](const Star& u) {
        return m_rater->rateThirdStar(first, second, u.hourAngleDec) > 0;
    });
}

void AlignStarCalculator::startLists(AlignmentType_::E type) {
    buildCandidates(type);
    std::vector<Star>& list = m_dataList[0];
    switch (type) {
    case AlignmentType_::Star1:
        list = m_candidates;
        addCandidate(list, m_solarSystem->getObject(ISolarSystem::Sun));
        addCandidate(list, m_solarSystem->getObject(ISolarSystem::Moon));
        break;
    case AlignmentType_::Star2:
    case AlignmentType_::BrightestStar:
    case AlignmentType_::NorthLevel: {
        const int count = alignmentStarCount(type);
        list.clear();
        for (const Star& s : m_candidates) {
            if (type == AlignmentType_::BrightestStar && s.vmag > kFaintestBrightStar)
                continue;
            if (std::any_of(m_candidates.begin(), m_candidates.end(), [&](const Star& t) {
                    return m_rater->rateSecondStar(s.hourAngleDec, t.hourAngleDec, count) > 0;
                }))
                list.push_back(s);
        }
        break;
    }
    case AlignmentType_::Star3:
        list.clear();
        for (const Star& s : m_candidates) {
            if (std::any_of(m_candidates.begin(), m_candidates.end(), [&](const Star& t) {
                    return m_rater->rateSecondStar(s.hourAngleDec, t.hourAngleDec, 3) > 0 &&
                           hasThirdStar(s.hourAngleDec, t.hourAngleDec);
                }))
                list.push_back(s);
        }
        break;
    }
    updateUiList(0);
}

void AlignStarCalculator::firstStarChosen(AlignmentType_::E type, const ChosenAlignStar& first) {
    buildCandidates(type);
    const CoordPair f = hourAngleDecNow(first);
    std::vector<Star>& list = m_dataList[1];
    switch (type) {
    case AlignmentType_::Star1:
        return;
    case AlignmentType_::Star2:
    case AlignmentType_::BrightestStar:
    case AlignmentType_::NorthLevel:
    case AlignmentType_::Star3:
        list.clear();
        for (const Star& t : m_candidates) {
            const int8_t r = m_rater->rateSecondStar(f, t.hourAngleDec, alignmentStarCount(type));
            if (r <= 0)
                continue;
            if (type == AlignmentType_::Star3 && !hasThirdStar(f, t.hourAngleDec))
                continue;
            list.push_back(t);
            list.back().rating = r;
        }
        break;
    }
    updateUiList(1);
}

void AlignStarCalculator::secondStarChosen(AlignmentType_::E type, const ChosenAlignStar& first,
                                           const ChosenAlignStar& second) {
    buildCandidates(type);
    const CoordPair f = hourAngleDecNow(first);
    const CoordPair s = hourAngleDecNow(second);
    if (type != AlignmentType_::Star3)
        return;
    std::vector<Star>& list = m_dataList[2];
    list.clear();
    for (const Star& u : m_candidates) {
        const int8_t r = m_rater->rateThirdStar(f, s, u.hourAngleDec);
        if (r <= 0)
            continue;
        list.push_back(u);
        list.back().rating = r;
    }
    updateUiList(2);
}

void AlignStarCalculator::refreshVisible() {
    buildCandidates(AlignmentType_::Star1);
    std::vector<Star>& list = m_dataList[0];
    list.clear();
    for (const Star& s : m_candidates)
        if (m_polarAligner->rateStar(s.hourAngleDec.a, s.hourAngleDec.b) != 0)
            list.push_back(s);
    updateUiList(0);
}

Nullable<ChosenAlignStar> AlignStarCalculator::listItem(int index012, int i_uiList) const {
    // A selection may arrive after the list it was made in has been rebuilt or filtered anew.
    if (index012 < 0 || index012 >= kListCount || i_uiList < 0 ||
        static_cast<size_t>(i_uiList) >= m_uiListDataIndex[index012].size()) {
        Log("AlignStarCalculator: no row %d in list %d", i_uiList, index012);
        return {};
    }
    const uint64_t i_dataList = m_uiListDataIndex[index012][static_cast<size_t>(i_uiList)];
    if (i_dataList >= m_dataList[index012].size()) {
        Log("AlignStarCalculator: row %d of list %d names no star", i_uiList, index012);
        return {};
    }
    const Star& star = m_dataList[index012][i_dataList];
    return ChosenAlignStar{star.name, star.coordNow};
}

void AlignStarCalculator::updateUiList(int i) {
    std::vector<Star>& data = m_dataList[i];
    if (const StarOrder order = starOrder(m_catalogSettings->sortOrder()))
        std::sort(data.begin(), data.end(), order);
    std::vector<AstroListUIItem>& rows = m_uiList[i];
    std::vector<uint64_t>& index = m_uiListDataIndex[i];
    rows.clear();
    index.clear();
    const std::string magnitude = translated(QT_TRANSLATE_NOOP("mount", "Magnitude"));
    const std::string quality = translated(QT_TRANSLATE_NOOP("mount", "Quality"));
    for (size_t k = 0; k < data.size(); ++k) {
        const Star& star = data[k];
        AstroObj object;
        object.coordNow = star.coordNow;
        object.vmag = star.vmag;
        if (m_catalogSettings->isFilteredOut(object, false, Nullable<CoordPair>(star.azAlt)))
            continue;
        if (!m_searchText[i].empty() &&
            lowerCased(star.name).find(m_searchText[i]) == std::string::npos)
            continue;
        AstroListUIItem row;
        // A star the GoTo would refuse (above the upper altitude limit, or the Sun while it may
        // not be observed) stays in view but cannot be chosen; the page says why.
        if (const auto why = m_catalogSettings->slewToProhibition(star.coordNow,
                                                                  Nullable<CoordPair>(star.azAlt));
            why.hasValue()) {
            row.isEnableListItem = false;
            row.refusal = slewToProhibitionText(why.value()).toStdString();
        }
        row.a = star.name;
        row.b = magnitude + ": " + m_astroFormat->formatOneDecimal(star.vmag);
        row.c = m_astroFormat->formatAzAltWholeDegrees(star.azAlt.a, star.azAlt.b);
        row.d = quality + ": " + std::to_string(star.rating);
        rows.push_back(std::move(row));
        index.push_back(k);
    }
    switch (i) {
    case 0:
        emit list0Changed();
        break;
    case 1:
        emit list1Changed();
        break;
    default:
        emit list2Changed();
        break;
    }
}

} // namespace Ko
