#include "link/tests/fakewifimodule.h"

namespace Ko {

namespace {

constexpr const char* kError = "ERROR\r\n";
constexpr const char* kOK = "OK\r\n";

std::string queryReply(const std::string& lines) {
    return lines + "\r\n\r\n" + kOK;
}

} // namespace

void FakeWifiModule::setConfig(Config config) {
    std::lock_guard lock(m_mutex);
    m_config = std::move(config);
}

FakeWifiModule::Config FakeWifiModule::config() const {
    std::lock_guard lock(m_mutex);
    return m_config;
}

void FakeWifiModule::silence(std::string commandPrefix) {
    std::lock_guard lock(m_mutex);
    m_silenced.push_back(std::move(commandPrefix));
}

Nullable<CBytes> FakeWifiModule::answer(const CBytes& request) {
    const std::string command(request.begin(), request.end());
    std::lock_guard lock(m_mutex);
    for (const auto& prefix : m_silenced) {
        if (command.compare(0, prefix.size(), prefix) == 0)
            return {};
    }
    return CBytes::fromStdString(reply(command));
}

std::string FakeWifiModule::reply(const std::string& command) {
    if (command.size() < 5 || command.compare(0, 3, "AT+") != 0 ||
        command.compare(command.size() - 2, 2, "\r\n") != 0)
        return kError;
    const std::string body = command.substr(3, command.size() - 5);
    const size_t sep = body.find_first_of("?=");
    if (sep == std::string::npos)
        return kError;
    const bool query = body[sep] == '?';
    if (query && sep + 1 != body.size())
        return kError;
    const std::string params = query ? std::string() : body.substr(sep + 1);
    std::string name = body.substr(0, sep);
    std::string form;
    if (name.size() > 4 && (name.ends_with("_CUR") || name.ends_with("_DEF"))) {
        form = name.substr(name.size() - 4);
        name.resize(name.size() - 4);
    }
    if (m_config.oldForm != form.empty())
        return kError;
    const std::string head = "+" + name + form + ":";
    Config& c = m_config;

    if (name == "CWMODE") {
        if (query)
            return queryReply(head + std::to_string(c.mode));
        if (params.size() != 1 || params[0] < '1' || params[0] > '3')
            return kError;
        if (form != "_DEF")
            c.mode = params[0] - '0';
        if (form != "_CUR")
            c.storedMode = params[0] - '0';
        return kOK;
    }
    if (name == "CWSAP") {
        if (query)
            return queryReply(head + c.apParams);
        c.apParams = params;
        return kOK;
    }
    if (name == "CWJAP") {
        if (query)
            return c.staParams.empty() ? std::string("No AP\r\n") + kOK
                                       : queryReply(head + c.staParams);
        c.staParams = params;
        return kOK;
    }
    if (name == "CWDHCP") {
        if (query)
            return queryReply(head + std::to_string(c.dhcp));
        if (params != "1,1")
            return kError;
        c.dhcp |= 2;
        return kOK;
    }
    if (name == "CIPSTA") {
        if (query) {
            const std::string ip = form == "_DEF" ? c.staFixedParams : '"' + c.staAddress + '"';
            return queryReply(head + "ip:" + ip + "\r\n" + head + "gateway:\"0.0.0.0\"\r\n" + head +
                              "netmask:\"0.0.0.0\"");
        }
        c.staFixedParams = params;
        c.dhcp &= ~2;
        return kOK;
    }
    if (name == "CIPAP" && query)
        return queryReply(head + "ip:\"192.168.4.1\"\r\n" + head + "netmask:\"255.255.255.0\"");
    return kError;
}

} // namespace Ko
