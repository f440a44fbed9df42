#include "link/wifimodule/wmprogrammer.h"

#include "base/koassert.h"
#include "link/iconverser.h"

#include <QString>

namespace Ko {

namespace {

constexpr char kEscape = '/';
constexpr const char* kOK = "OK\r\n";
constexpr size_t kOKLength = 4;
constexpr const char* kLineEnd = "\r\n";

bool ssidInRange(const std::string& ssid) {
    return ssid.size() >= WMLimit_::SsidMin && ssid.size() <= WMLimit_::SsidMax;
}

// The module keeps either no password (an open network) or one within the WPA limits.
bool passInRange(const std::string& pass) {
    return pass.empty() || (pass.size() >= WMLimit_::PassMin && pass.size() <= WMLimit_::PassMax);
}

bool isWifiSec(int v) {
    return v == WifiSec_::Open || v == WifiSec_::WPA_PSK || v == WifiSec_::WPA2_PSK ||
           v == WifiSec_::WPA_WPA2_PSK;
}

} // namespace

WMProgrammer::WMProgrammer(std::shared_ptr<IConverser> converser, std::string peerAddress)
    : m_converser(std::move(converser)), m_peerAddress(std::move(peerAddress)) {}

std::string WMProgrammer::suffix(const char* form) const {
    return m_oldForm ? std::string() : std::string(form);
}

bool WMProgrammer::sendCommand(const std::string& command, std::string& reply, bool requireOK) {
    const CmdResp<CBytes> resp = m_converser->converse(CBytes::fromStdString(command));
    // Anything but silence is a reply: an error frame in place of the module's text too.
    m_lastReplied = resp.type != CmdRetType_::Timeout && resp.type != CmdRetType_::Cancel;
    if (!resp.isOk())
        return false;
    const CBytes& bytes = resp.value();
    std::string text(bytes.begin(), bytes.end());
    if (requireOK) {
        if (text.size() < kOKLength || text.compare(text.size() - kOKLength, kOKLength, kOK) != 0)
            return false;
        text.resize(text.size() - kOKLength);
    }
    reply = std::move(text);
    return true;
}

bool WMProgrammer::escapeParam(const std::string& in, std::string& out) {
    std::string escaped;
    escaped.reserve(in.size());
    for (const char c : in) {
        if (c == '\r' || c == '\n')
            return false;
        if (c == '"' || c == ',' || c == kEscape)
            escaped.push_back(kEscape);
        escaped.push_back(c);
    }
    out = std::move(escaped);
    return true;
}

bool WMProgrammer::PackStr(const std::vector<std::string>& strings,
                           const std::vector<bool>& addDoubleQuotes, std::string& out) {
    KO_ASSERT(strings.size() == addDoubleQuotes.size());
    std::string packed;
    for (size_t i = 0; i < strings.size(); ++i) {
        std::string escaped;
        if (!escapeParam(strings[i], escaped))
            return false;
        if (i > 0)
            packed.push_back(',');
        if (addDoubleQuotes[i])
            packed += '"' + escaped + '"';
        else
            packed += escaped;
    }
    out = std::move(packed);
    return true;
}

bool WMProgrammer::valueAfterPrefix(const std::string& reply, const std::string& prefix,
                                    std::string& value) {
    size_t start = 0;
    for (;;) {
        const size_t end = reply.find(kLineEnd, start);
        if (end == std::string::npos)
            return false;
        if (end - start >= prefix.size() && reply.compare(start, prefix.size(), prefix) == 0) {
            value = reply.substr(start + prefix.size(), end - start - prefix.size());
            return true;
        }
        start = end + 2;
    }
}

bool WMProgrammer::splitParams(const std::string& value, std::vector<std::string>& params) const {
    std::vector<std::string> list;
    std::string field;
    bool inQuotes = false;
    bool escape = false;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (escape) {
            if (c != '"' && c != ',' && c != kEscape)
                return false;
            field.push_back(c);
            escape = false;
        } else if (c == kEscape) {
            escape = true;
        } else if (c == '"' && inQuotes) {
            list.push_back(std::move(field));
            field.clear();
            inQuotes = false;
            if (i + 1 == value.size())
                break;
            if (value[i + 1] != ',') {
                // The old form puts unescaped text after some quoted fields; what precedes it
                // is still sound.
                if (!m_oldForm)
                    return false;
                params = std::move(list);
                return true;
            }
            ++i;
        } else if (c == '"') {
            if (!field.empty())
                return false;
            inQuotes = true;
        } else if (c == ',') {
            if (inQuotes)
                return false;
            list.push_back(std::move(field));
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    if (inQuotes || escape)
        return false;
    if (!field.empty())
        list.push_back(std::move(field));
    params = std::move(list);
    return true;
}

bool WMProgrammer::queryParams(const std::string& command, const std::string& prefix,
                               std::vector<std::string>& params) {
    std::string reply;
    std::string value;
    return sendCommand(command, reply, true) && valueAfterPrefix(reply, prefix, value) &&
           splitParams(value, params);
}

bool WMProgrammer::toInt(const std::string& text, int& value) {
    bool ok = false;
    value = QString::fromUtf8(text.data(), qsizetype(text.size())).toInt(&ok, 10);
    return ok;
}

bool WMProgrammer::isIPv4(const std::string& text) {
    int parts = 0;
    size_t start = 0;
    for (;;) {
        const size_t dot = text.find('.', start);
        const std::string part =
            text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        int v = 0;
        if (++parts > 4 || !toInt(part, v) || v < 0 || v > 255)
            return false;
        if (dot == std::string::npos)
            return parts == 4;
        start = dot + 1;
    }
}

bool WMProgrammer::detectCommandForm() {
    std::string reply;
    if (!sendCommand("AT+CWMODE_CUR?\r\n", reply, false))
        return false;
    m_oldForm = reply.find("ERR") != std::string::npos;
    return true;
}

bool WMProgrammer::readMode(WifiMode_::E& mode, WMState_::E& state) {
    const std::string s = suffix("_CUR");
    std::vector<std::string> p;
    int m = 0;
    if (!queryParams("AT+CWMODE" + s + "?\r\n", "+CWMODE" + s + ":", p) || p.size() != 1 ||
        !toInt(p[0], m) || m < WifiMode_::STA || m > WifiMode_::Both)
        return false;
    WMState_::E st = m == WifiMode_::AP ? WMState_::AA : WMState_::SS;
    if (m == WifiMode_::Both) {
        bool hasAddress = false;
        std::string address;
        if (!readSTAAddress(hasAddress, address))
            return false;
        st = !hasAddress ? WMState_::Ad : address == m_peerAddress ? WMState_::SD : WMState_::AD;
    }
    mode = WifiMode_::E(m);
    state = st;
    return true;
}

bool WMProgrammer::readAPSetting(WifiAPSetting& setting) {
    const std::string s = suffix("_CUR");
    std::vector<std::string> p;
    if (!queryParams("AT+CWSAP" + s + "?\r\n", "+CWSAP" + s + ":", p) || p.size() < 4)
        return false;
    WifiAPSetting read;
    read.ssid = p[0];
    read.pass = p[1];
    int sec = 0;
    if (!ssidInRange(read.ssid) || !passInRange(read.pass) || !toInt(p[2], read.channel) ||
        !toInt(p[3], sec) || !isWifiSec(sec))
        return false;
    read.wifiSec = WifiSec_::E(sec);
    setting = std::move(read);
    return true;
}

bool WMProgrammer::readSTASetting(WifiSTASetting& setting) {
    const std::string s = suffix("_DEF");
    WifiSTASetting read;
    std::string reply;
    if (!sendCommand("AT+CWJAP" + s + "?\r\n", reply, true))
        return false;
    if (reply != "No AP\r\n") {
        std::string value;
        std::vector<std::string> p;
        if (!valueAfterPrefix(reply, "+CWJAP" + s + ":", value) || !splitParams(value, p) ||
            p.empty() || !ssidInRange(p[0]))
            return false;
        read.ssid = p[0];
    }
    std::vector<std::string> p;
    int dhcp = 0;
    if (!queryParams("AT+CWDHCP" + s + "?\r\n", "+CWDHCP" + s + ":", p) || p.empty() ||
        !toInt(p[0], dhcp))
        return false;
    // Bit 1 is the station's DHCP client.
    if ((dhcp & 2) == 0) {
        if (!queryParams("AT+CIPSTA" + s + "?\r\n", "+CIPSTA" + s + ":ip:", p) || p.empty())
            return false;
        read.fixedIp = p[0];
    }
    setting = std::move(read);
    return true;
}

bool WMProgrammer::readAPAddress(std::string& address) {
    const std::string s = suffix("_CUR");
    std::vector<std::string> p;
    if (!queryParams("AT+CIPAP" + s + "?\r\n", "+CIPAP" + s + ":ip:", p) || p.empty() ||
        !isIPv4(p[0]))
        return false;
    address = p[0];
    return true;
}

bool WMProgrammer::readSTAAddress(bool& hasAddress, std::string& address) {
    const std::string s = suffix("_CUR");
    std::vector<std::string> p;
    if (!queryParams("AT+CIPSTA" + s + "?\r\n", "+CIPSTA" + s + ":ip:", p) || p.empty() ||
        !isIPv4(p[0]))
        return false;
    hasAddress = p[0] != "0.0.0.0";
    address = p[0];
    return true;
}

bool WMProgrammer::writeMode(int mode, bool current) {
    std::string reply;
    return sendCommand("AT+CWMODE" + suffix(current ? "_CUR" : "_DEF") + "=" +
                           std::to_string(mode) + "\r\n",
                       reply, true);
}

bool WMProgrammer::writeParams(const char* command, const std::vector<std::string>& strings,
                               const std::vector<bool>& addDoubleQuotes) {
    std::string params;
    if (!PackStr(strings, addDoubleQuotes, params))
        return false;
    std::string reply;
    return sendCommand(command + suffix("_DEF") + "=" + params + "\r\n", reply, true);
}

bool WMProgrammer::writeAPSetting(const std::string& ssid, const std::string& pass, int channel,
                                  int wifiSec) {
    // The two trailing numbers are fixed: the app never changes them.
    return writeParams("AT+CWSAP",
                       {ssid, pass, std::to_string(channel), std::to_string(wifiSec), "4", "0"},
                       {true, true, false, false, false, false});
}

bool WMProgrammer::writeSTASetting(const std::string& ssid, const std::string& pass) {
    return writeParams("AT+CWJAP", {ssid, pass}, {true, true});
}

bool WMProgrammer::writeDHCP() {
    // Switches the station's DHCP client on.
    std::string reply;
    return sendCommand("AT+CWDHCP" + suffix("_DEF") + "=1,1\r\n", reply, true);
}

bool WMProgrammer::writeFixedIp(const std::string& address) {
    return writeParams("AT+CIPSTA", {address}, {true});
}

} // namespace Ko
