#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "link/ipermountdatabasic.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace Ko {

// The settings that belong to the last connected mount (speed factor, park axes, saved
// alignment, correction table) and the identity of the connected mount. Only one mount's set is
// kept: announcing a different mount removes the old set before the new identity is stored.
// Threads: any thread.
class IPerMountData : public IPerMountDataBasic {
    Q_OBJECT
public:
    using IPerMountDataBasic::IPerMountDataBasic;

    // Fired by setConnectedMount on its caller's thread, after the identity is stored.
    eventpp::CallbackList<void()> changed;

    // A MountMode_::E value.
    virtual int32_t lastMountMode() const = 0;
    // The 24-bit motor-controller version.
    virtual uint32_t lastMotorControllerVersion() const = 0;
    virtual int32_t lastMountKind() const = 0;
    // True when the mount is the one the stored set belongs to (same version and mode).
    virtual bool setConnectedMount(int32_t mode, uint32_t version, int32_t kind) = 0;
    // Axis 1 and axis 2 in radians; empty when none is stored.
    virtual Nullable<std::pair<double, double>> parkAxisPositions() const = 0;
    virtual void setParkAxisPositions(const Nullable<std::pair<double, double>>& axes) = 0;
    // The saved alignment as package text; empty when there is none.
    virtual std::string alignmentData() const = 0;
    virtual void setAlignmentData(const std::string& text) = 0;
    // The correction table as stored text.
    virtual std::string paeData() const = 0;
    virtual void setPaeData(const std::string& text) = 0;

    // The axes, as kAxis1 | kAxis2, that a connection to a motor controller of the version began
    // to set up and did not see through; 0 when there are none. Each version has a record of its
    // own, kept apart from the mount's set: it outlives the program and the connections of other
    // mounts, so that the mount whose set-up was cut is set up afresh whenever it next connects.
    // The version is all that tells controllers apart: two controllers of one version share a
    // record. The kMaxUnfinishedSetups most recent records are kept.
    static constexpr uint32_t kAxis1 = 1;
    static constexpr uint32_t kAxis2 = 2;
    static constexpr size_t kMaxUnfinishedSetups = 8;
    virtual uint32_t unfinishedSetup(uint32_t version) const = 0;
    // Records the axes a set-up is about to set on a controller of the version, in place of that
    // version's earlier record; with none (0), the set-up completed and that version's record
    // goes. The records of other versions stay.
    virtual void setUnfinishedSetup(uint32_t version, uint32_t axes) = 0;
};

} // namespace Ko
