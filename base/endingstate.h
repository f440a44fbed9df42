#pragma once

#include <QObject>

#include <atomic>

namespace Ko {

// Whether the program has begun to end: from a window close, a quitting signal or the display's
// loss, until the process ends, or until the user chooses to stay after all. While it is set,
// nothing that a remote client asks starts a new motion of the mount, so that nothing can cancel
// the end's stops or outlive the program; what the user holds was let go when the end began.
// Threads: any thread may read it and change it; endingChanged is emitted on the thread that
// changed it, once per change.
class EndingState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ending READ ending NOTIFY endingChanged)
public:
    explicit EndingState(QObject* parent = nullptr);

    bool ending() const { return m_ending.load(); }
    // The end has begun; true if it had not already.
    Q_INVOKABLE bool begin();
    // The user chose to stay: what was refused while ending is taken again.
    Q_INVOKABLE bool cancel();

signals:
    void endingChanged(bool ending);

private:
    std::atomic<bool> m_ending{false};
};

} // namespace Ko
