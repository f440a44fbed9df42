#include "server/qthreadposter.h"

#include <QMetaObject>
#include <QThread>

namespace Ko {

QThreadPoster::QThreadPoster(QThread* thread, std::function<void()> function) {
    {
        std::lock_guard lock(m_mutex);
        m_function = std::move(function);
    }
    moveToThread(thread);
    QMetaObject::invokeMethod(this, "mySlot", Qt::AutoConnection);
}

void QThreadPoster::mySlot() {
    // Deleted first, so that a throwing function leaves no poster behind.
    deleteLater();
    std::function<void()> function;
    {
        std::lock_guard lock(m_mutex);
        function = std::move(m_function);
    }
    if (!function)
        throw std::bad_function_call();
    function();
}

} // namespace Ko
