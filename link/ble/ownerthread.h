#pragma once

// The Bluetooth LE objects live on the thread that made them (the user-interface thread), yet
// worker threads hold them and may drop the last reference. These keep every teardown and every
// completion report on the owner's thread.

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <memory>
#include <utility>

namespace Ko {

// Deletes at once on the owner's thread, otherwise leaves it to the owner's event loop.
struct OwnerThreadDeleter {
    void operator()(QObject* object) const {
        if (object->thread() == QThread::currentThread())
            delete object;
        else
            object->deleteLater();
    }
};

template <class T, class... Args>
std::shared_ptr<T> makeOnOwnerThread(Args&&... args) {
    return std::shared_ptr<T>(new T(std::forward<Args>(args)...), OwnerThreadDeleter{});
}

// Runs report later on owner's thread, never inside the callback that detected the event; the
// call is dropped when owner is destroyed first.
template <class F>
void reportLater(QObject* owner, F report) {
    QMetaObject::invokeMethod(owner, std::move(report), Qt::QueuedConnection);
}

} // namespace Ko
