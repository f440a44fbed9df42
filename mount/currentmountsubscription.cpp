#include "mount/currentmountsubscription.h"

#include "base/koassert.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

namespace Ko {

CurrentMountSubscription::CurrentMountSubscription(std::shared_ptr<IMountConnection> connection,
                                                   List IMount::*list,
                                                   std::function<void()> onMountEvent,
                                                   std::function<void()> onMountChanged)
    : m_connection(std::move(connection)), m_list(list), m_onMountEvent(std::move(onMountEvent)),
      m_connectionSubscription(m_connection, &IMountConnection::mountChanged) {
    KO_ASSERT(m_connection && m_list && m_onMountEvent && onMountChanged);
    m_connectionSubscription.append([this, onMountChanged = std::move(onMountChanged)] {
        bindToMount();
        onMountChanged();
    });
    bindToMount();
}

void CurrentMountSubscription::bindToMount() {
    std::lock_guard lock(m_rebindMutex);
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    m_mountSubscription.bind(mount ? std::shared_ptr<List>(mount, &((*mount).*m_list)) : nullptr);
    m_mountSubscription.append(m_onMountEvent);
}

} // namespace Ko
