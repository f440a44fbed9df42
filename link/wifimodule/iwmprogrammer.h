#pragma once

#include "link/wifimodule/wifisetting.h"

#include <string>

namespace Ko {

// Reads and writes the mount's Wi-Fi module configuration. Every operation returns true on
// success and writes its outputs only then. mode and wifiSec are passed as the module's numbers
// (WifiMode_::E and WifiSec_::E values).
// Threads: a task's own thread (every command blocks on the link).
class IWMProgrammer {
public:
    virtual ~IWMProgrammer() = default;
    // Learns whether the module knows the running ("_CUR") and stored ("_DEF") command forms.
    virtual bool detectCommandForm() = 0;
    virtual bool readMode(WifiMode_::E& mode, WMState_::E& state) = 0;
    virtual bool readAPSetting(WifiAPSetting& setting) = 0;
    // The stored station setting; its password cannot be read back and stays empty.
    virtual bool readSTASetting(WifiSTASetting& setting) = 0;
    virtual bool readAPAddress(std::string& address) = 0;
    virtual bool readSTAAddress(bool& hasAddress, std::string& address) = 0;
    // current writes the running mode, otherwise the stored one.
    virtual bool writeMode(int mode, bool current) = 0;
    virtual bool writeAPSetting(const std::string& ssid, const std::string& pass, int channel,
                                int wifiSec) = 0;
    virtual bool writeSTASetting(const std::string& ssid, const std::string& pass) = 0;
    virtual bool writeDHCP() = 0;
    virtual bool writeFixedIp(const std::string& address) = 0;
    // Whether the module replied to the last command, even if only to refuse it: a failed
    // command that went unanswered says nothing about what the module would have said.
    virtual bool lastReplied() const = 0;
};

} // namespace Ko
