#pragma once

#include "align/ialignstarcalculator.h"
#include "base/callbacklist.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Ko {

class ICatalogListRaw;
class ISolarSystem;
class IAlignStarRater;
class IAstroCalc;
class ICatalogSettings;
class IAstroFormat;
class IPolarAligner;

// Threads: main thread only.
class AlignStarCalculator : public IAlignStarCalculator {
    Q_OBJECT
public:
    struct Star {
        CoordPair coordNow;
        float vmag = 0;
        std::string name;
        // Hour angle and declination now.
        CoordPair hourAngleDec;
        // Azimuth and altitude now.
        CoordPair azAlt;
        int8_t rating = 0;
    };

    AlignStarCalculator(std::shared_ptr<ICatalogListRaw> namedStars,
                        std::shared_ptr<ISolarSystem> solarSystem,
                        std::shared_ptr<IAlignStarRater> rater,
                        std::shared_ptr<IAstroCalc> astroCalc,
                        std::shared_ptr<ICatalogSettings> catalogSettings,
                        std::shared_ptr<IAstroFormat> astroFormat,
                        std::shared_ptr<IPolarAligner> polarAligner);
    ~AlignStarCalculator() override;

    using IAlignStarCalculator::setSearchText;

    const std::vector<AstroListUIItem>& list0() const override { return m_uiList[0]; }
    const std::vector<AstroListUIItem>& list1() const override { return m_uiList[1]; }
    const std::vector<AstroListUIItem>& list2() const override { return m_uiList[2]; }
    void setDisplayed(int index012, bool displayed) override;
    void setSearchText(int index012, const std::string& text) override;
    void startLists(AlignmentType_::E type) override;
    void firstStarChosen(AlignmentType_::E type, const ChosenAlignStar& first) override;
    void secondStarChosen(AlignmentType_::E type, const ChosenAlignStar& first,
                          const ChosenAlignStar& second) override;
    void refreshVisible() override;
    Nullable<ChosenAlignStar> listItem(int index012, int i_uiList) const override;

private:
    static constexpr int kListCount = 3;

    void addCandidate(std::vector<Star>& list, const AstroObj& object) const;
    void buildCandidates(AlignmentType_::E type);
    CoordPair hourAngleDecNow(const ChosenAlignStar& star) const;
    bool hasThirdStar(const CoordPair& first, const CoordPair& second) const;
    void updateUiList(int i);

    std::shared_ptr<ICatalogListRaw> m_namedStars;
    std::shared_ptr<ISolarSystem> m_solarSystem;
    std::shared_ptr<IAlignStarRater> m_rater;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<ICatalogSettings> m_catalogSettings;
    std::shared_ptr<IAstroFormat> m_astroFormat;
    std::shared_ptr<IPolarAligner> m_polarAligner;

    std::array<bool, kListCount> m_displayed{};
    std::array<std::string, kListCount> m_searchText;
    int m_alignmentType = 0;
    std::vector<Star> m_candidates;
    std::array<std::vector<Star>, kListCount> m_dataList;
    std::array<std::vector<AstroListUIItem>, kListCount> m_uiList;
    std::array<std::vector<uint64_t>, kListCount> m_uiListDataIndex;
    eventpp::CallbackList<void()>::Handle m_settingsHandle;
};

} // namespace Ko
