#pragma once

#include <QObject>

#include <functional>

namespace Ko {

// The modal "Please wait" overlay: a service hands it a job, the user sees the overlay for a
// moment, then the job runs on the main thread and the overlay closes.
// Threads: any thread.
class IUiBlockingMessage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void showBlocking(std::function<void()> callback) = 0;
};

} // namespace Ko
