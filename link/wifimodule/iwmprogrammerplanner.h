#pragma once

#include "link/wifimodule/wifisetting.h"

namespace Ko {

// Reads the Wi-Fi module's whole setting and writes a requested one in an order that keeps the
// app's own link up as long as possible.
// Threads: a task's own thread, always one worker's, never two at once.
class IWMProgrammerPlanner {
public:
    virtual ~IWMProgrammerPlanner() = default;
    // Absent when any part could not be read.
    virtual Nullable<WifiSetting> readAll() = 0;
    // After a readAll that came back absent: the module replied, but with an error or without
    // the settings, rather than not at all.
    virtual bool lastReadRefused() const = 0;
    // Runs the steps that lead from current (as read, with its state) to finalSetting (without a
    // state). A write that cuts the link stops there and names the network to reconnect to; the
    // caller then reads the setting again and calls apply once more with the same finalSetting
    // and the previous result's staWritten, until a result is allDone.
    virtual WMWriteResult apply(bool staWritten, const WifiSetting& current,
                                const WifiSetting& finalSetting) = 0;
    // Stores mode Both.
    virtual bool writeMode() = 0;
};

} // namespace Ko
