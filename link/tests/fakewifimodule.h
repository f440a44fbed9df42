#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"

#include <mutex>
#include <string>
#include <vector>

namespace Ko {

// A scripted stand-in for the mount's Wi-Fi module at the far end of the UDP link. It answers the
// AT commands of the module's configuration, one datagram per reply, and keeps what they write.
// A module of the old form knows only the commands without the "_CUR"/"_DEF" suffixes and one of
// the new form only those with them; the other form is answered "ERROR". Parameters are kept as
// the raw text that was written and replayed as such by the reads. Install answer() as the
// handler of a FakeMotorController; it runs on that fake's thread and every member is guarded by
// one lock.
class FakeWifiModule {
public:
    struct Config {
        bool oldForm = false;
        int mode = 2;
        int storedMode = 2;
        std::string apParams = "\"KoMount\",\"\",6,0,4,0";
        // Empty: no network joined.
        std::string staParams;
        // Bit 1: the station's DHCP client.
        int dhcp = 3;
        std::string staFixedParams = "\"0.0.0.0\"";
        // The station's running address, "0.0.0.0" when it has none.
        std::string staAddress = "0.0.0.0";
    };

    void setConfig(Config config);
    Config config() const;
    // Requests that start with commandPrefix get no reply, as when the write cuts the link.
    void silence(std::string commandPrefix);

    Nullable<CBytes> answer(const CBytes& request);

private:
    std::string reply(const std::string& command);

    mutable std::mutex m_mutex;
    Config m_config;
    std::vector<std::string> m_silenced;
};

} // namespace Ko
