#pragma once

#include "base/callbacklist.h"
#include "catalog/astroobj.h"

#include <vector>

namespace Ko {

// One raw catalog source.
// Threads: main thread only for construction, refresh and the notifications; load any thread, as it
// only reads what the source holds.
class ICatalogListRaw {
public:
    virtual ~ICatalogListRaw() = default;

    // Fires when the objects should be read again; consumers append in their constructors.
    eventpp::CallbackList<void()> changed;

    // The list of this source has come into view; the refreshes that follow, until the next
    // call, belong to this showing.
    virtual void shown() {}
    // Makes fresh data available and, once it is, fires changed.
    virtual void refresh() = 0;
    // Every object of the source, with coordNow computed at the call.
    virtual std::vector<AstroObj> load() = 0;
    // True: the catalog settings measure these objects against the deep-sky magnitude limit;
    // false: against the star limit.
    virtual bool usesDsoVmagLimit() const = 0;
};

} // namespace Ko
