#pragma once

#include <QObject>

namespace Ko {

// Whether this device serves its pointing model to other devices; asked by the remote-method
// server on its own thread, so serving is an atomic read.
// Threads: any thread.
class IPMSharing : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool serving() const = 0;
};

} // namespace Ko
