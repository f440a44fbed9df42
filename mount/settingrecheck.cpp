#include "mount/settingrecheck.h"

#include <algorithm>

namespace Ko {

void SettingRecheck::written(Setting setting, CmdRetType_::E result, Check check) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_waiting, [setting](const auto& w) { return w.first == setting; });
    if (result == CmdRetType_::Timeout && check)
        m_waiting.emplace_back(setting, std::move(check));
}

void SettingRecheck::recheck() {
    std::vector<std::pair<Setting, Check>> due;
    {
        std::lock_guard lock(m_mutex);
        due.swap(m_waiting);
    }
    for (auto& [setting, check] : due) {
        if (check() != CmdRetType_::Timeout)
            continue;
        std::lock_guard lock(m_mutex);
        m_waiting.emplace_back(setting, std::move(check));
    }
}

} // namespace Ko
