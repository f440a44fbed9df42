#include "server/qthreadposter.h"

#include <QMetaObject>
#include <QThread>

namespace Ko {

QThreadPoster::QThreadPoster(QThread* thread, std::function<void()> function)
    : m_function(std::move(function)) {
    moveToThread(thread);
    QMetaObject::invokeMethod(this, "mySlot", Qt::AutoConnection);
}

void QThreadPoster::mySlot() {
    // Deleted first, so that a throwing function leaves no poster behind.
    deleteLater();
    if (!m_function)
        throw std::bad_function_call();
    m_function();
}

} // namespace Ko
