#pragma once

#include "base/callbacklist.h"
#include "model/ipae.h"

#include <memory>
#include <mutex>
#include <vector>

namespace Ko {

class IAlignmentDataContainer;
class IPerMountData;

// The correction table: at most one point per 5-degree cell of the sky, each pairing a true
// position with where the model put it. A lookup shifts a position by the point of its own cell,
// or failing that of a neighbouring one. Kept per mount ("align.pae"): reloaded when a mount
// connects, emptied when the user changes the model. Points are added on the pointing routine's
// worker, looked up on mount threads and reloaded where the lists fire: m_mutex guards the points,
// and the store is written under it, so the stored text always follows the latest change.
// Threads: any thread.
class PAE : public IPAE {
public:
    struct Point {
        std::string name;
        double tha = 0;
        double tdec = 0;
        double cha = 0;
        double cdec = 0;
        int32_t cell1 = 0;
        int32_t cell2 = 0;
    };

    PAE(std::shared_ptr<IAlignmentDataContainer> container,
        std::shared_ptr<IPerMountData> perMountData);
    ~PAE() override;

    void add(std::string name, double tha, double tdec, double cha, double cdec) override;
    AnglePair lookup(AnglePair position) override;
    AnglePair lookupShifted(AnglePair position) override;

    void clear();
    std::vector<Point> points() const;

    // Whether v lies in [lo, hi] on the circle; a range of a whole turn or more holds everything.
    static bool inRadRange(double v, double lo, double hi);

private:
    AnglePair find(AnglePair position, bool shifted);
    void reload();
    void storeLocked();

    const std::shared_ptr<IAlignmentDataContainer> m_container;
    const std::shared_ptr<IPerMountData> m_perMountData;
    mutable std::mutex m_mutex;
    std::vector<Point> m_points;
    eventpp::CallbackList<void(bool)>::Handle m_modelSubscription;
    eventpp::CallbackList<void()>::Handle m_mountSubscription;
};

} // namespace Ko
