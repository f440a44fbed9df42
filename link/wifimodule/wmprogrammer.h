#pragma once

#include "link/wifimodule/iwmprogrammer.h"

#include <memory>
#include <vector>

namespace Ko {

class IConverser;

// Talks to the Wi-Fi module with AT commands, each one request over the mount link's byte-level
// converser, whose reply bytes are the module's whole answer. The link serialises these exchanges
// against the motor-controller traffic; this object has no lock and keeps no state but the
// command form, which detectCommandForm sets once before any other call.
//
// String parameters travel inside double quotes with '"', ',' and '/' escaped by a '/'; a CR or LF
// in a parameter cannot be sent, and the write fails before anything goes out.
// Threads: a task's own thread (every command blocks on the link).
class WMProgrammer : public IWMProgrammer {
public:
    WMProgrammer(std::shared_ptr<IConverser> converser, std::string peerAddress);

    bool detectCommandForm() override;
    bool readMode(WifiMode_::E& mode, WMState_::E& state) override;
    bool readAPSetting(WifiAPSetting& setting) override;
    bool readSTASetting(WifiSTASetting& setting) override;
    bool readAPAddress(std::string& address) override;
    bool readSTAAddress(bool& hasAddress, std::string& address) override;
    bool writeMode(int mode, bool current) override;
    bool writeAPSetting(const std::string& ssid, const std::string& pass, int channel,
                        int wifiSec) override;
    bool writeSTASetting(const std::string& ssid, const std::string& pass) override;
    bool writeDHCP() override;
    bool writeFixedIp(const std::string& address) override;
    bool lastReplied() const override { return m_lastReplied; }

    bool oldForm() const { return m_oldForm; }

    static bool escapeParam(const std::string& in, std::string& out);
    // Escapes each string, quotes those flagged and joins them with commas.
    static bool PackStr(const std::vector<std::string>& strings,
                        const std::vector<bool>& addDoubleQuotes, std::string& out);
    // The rest of the first whole (CR LF ended) line of reply that starts with prefix.
    static bool valueAfterPrefix(const std::string& reply, const std::string& prefix,
                                 std::string& value);
    // Splits a parameter list; a closing quote followed by anything but a comma ends the list in
    // the old form and is malformed in the new one.
    bool splitParams(const std::string& value, std::vector<std::string>& params) const;
    static bool toInt(const std::string& text, int& value);
    static bool isIPv4(const std::string& text);

private:
    // requireOK: the reply must end with "OK\r\n", which is stripped.
    bool sendCommand(const std::string& command, std::string& reply, bool requireOK);
    bool queryParams(const std::string& command, const std::string& prefix,
                     std::vector<std::string>& params);
    // "_CUR" or "_DEF" in the new form, nothing in the old one.
    std::string suffix(const char* form) const;
    bool writeParams(const char* command, const std::vector<std::string>& strings,
                     const std::vector<bool>& addDoubleQuotes);

    bool m_oldForm = false;
    bool m_lastReplied = false;
    std::shared_ptr<IConverser> m_converser;
    std::string m_peerAddress;
};

} // namespace Ko
