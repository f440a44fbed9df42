#pragma once

#include <QObject>

#include <atomic>
#include <shared_mutex>

namespace Ko {

// Whether the program has begun to end: from a window close, a quitting signal or the display's
// loss, until the process ends, or until the user chooses to stay after all. While it is set,
// nothing that a remote client asks starts a new motion of the mount, so that nothing can cancel
// the end's stops or outlive the program; what the user holds was let go when the end began.
//
// A remote motion starts inside an Admission: once begin() has returned, every motion admitted
// before it has been handed to the mount, so the stops that the end sends next find it, and no
// later one is admitted. An admission is held only while a motion is handed over, never across a
// wait, since begin() waits for it on the main thread.
// Threads: any thread may read it, change it and hold an admission; endingChanged is emitted on
// the thread that changed it, once per change.
class EndingState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ending READ ending NOTIFY endingChanged)
public:
    explicit EndingState(QObject* parent = nullptr);

    bool ending() const { return m_ending.load(); }
    // The end has begun; true if it had not already. Returns once no admitted start runs.
    Q_INVOKABLE bool begin();
    // The user chose to stay: what was refused while ending is taken again.
    Q_INVOKABLE bool cancel();

    // Holds off begin() while a motion is handed to the mount; false (and holds nothing) once
    // the end has begun. Without a state (a server made without the program around it, which
    // never ends) every motion is admitted.
    class Admission {
    public:
        explicit Admission(EndingState* state);
        explicit operator bool() const { return m_admitted; }

    private:
        std::shared_lock<std::shared_mutex> m_lock;
        bool m_admitted = true;
    };

signals:
    void endingChanged(bool ending);

private:
    std::shared_mutex m_admissions;
    std::atomic<bool> m_ending{false};
};

} // namespace Ko
