#pragma once

#include <QObject>

#include <functional>
#include <mutex>

class QThread;

namespace Ko {

// Runs one function on a thread's event loop and deletes itself afterwards. From another thread
// the call is queued behind what was posted before; on that thread itself it runs at once, inside
// the constructor. Create it with new and leave it to itself.
// Threads: any thread.
class QThreadPoster : public QObject {
    Q_OBJECT
public:
    QThreadPoster(QThread* thread, std::function<void()> function);

public slots:
    void mySlot();

private:
    // Orders the hand-over of the function in a form that race detectors see: the event queue
    // that carries the call to the other thread does so in a form they do not.
    std::mutex m_mutex;
    std::function<void()> m_function;
};

} // namespace Ko
