#pragma once

#include "base/callbacklist.h"
#include "pages/icataloglist.h"

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroFormat;
class ICatalogListRaw;
class ICatalogSettings;

// A catalog list over one raw source.
//
// A reload clears the rows, announces loading and asks the source to refresh; the rows are rebuilt
// whenever the source fires changed, displayed or not (the database and solar-system sources fire
// inside refresh, the comet source when its download ends). While hidden, changes of the search
// text and of the settings are only stored: they take effect at the next reload.
// Threads: main thread only: QML, the catalog settings and the raw source all call in there, so
// nothing is locked.
class CatalogList : public ICatalogList {
    Q_OBJECT
public:
    // One object that passed the filter and the search, with its azimuth (a) and altitude (b)
    // of the last rebuild.
    struct Item {
        AstroObj obj;
        CoordPair azAlt;
    };

    CatalogList(std::shared_ptr<ICatalogListRaw> raw, std::shared_ptr<IAstroCalc> astroCalc,
                std::shared_ptr<IAstroFormat> astroFormat,
                std::shared_ptr<ICatalogSettings> catalogSettings);
    ~CatalogList() override;

    AstroObj getAstroObj(int index) const override;
    void setDisplayed(bool displayed) override;
    using ICatalogList::setSearchText;
    void setSearchText(const std::string& text) override;
    const std::vector<AstroListUIItem>& list() const override { return m_list; }
    bool loadingList() const override { return m_loadingList; }

    const std::vector<Item>& items() const { return m_items; }
    const std::string& searchText() const { return m_searchText; }

    // ASCII letters to lower case; every other byte, multi-byte UTF-8 included, unchanged.
    static std::string foldAscii(std::string text);

private:
    void reload();
    void settingsChanged();
    void rawLoaded();
    bool matchesSearch(const AstroObj& obj) const;
    void sortItems();
    AstroListUIItem rowOf(const Item& item) const;

    const std::shared_ptr<ICatalogListRaw> m_raw;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_astroFormat;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    eventpp::CallbackList<void()>::Handle m_rawSubscription;
    eventpp::CallbackList<void()>::Handle m_settingsSubscription;

    bool m_loadingList = false;
    bool m_displayed = false;
    std::string m_searchText;
    std::vector<Item> m_items;
    std::vector<AstroListUIItem> m_list;
};

} // namespace Ko
