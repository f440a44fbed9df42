#pragma once

#include <QObject>

#include <functional>

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
    std::function<void()> m_function;
};

} // namespace Ko
