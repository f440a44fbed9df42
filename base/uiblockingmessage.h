#pragma once

#include "base/iuiblockingmessage.h"

#include <QTimer>

#include <cstdint>
#include <memory>

namespace Ko {

class Handover;

// Shows the overlay (showing true) and runs the newest job 2000 ms after the last showBlocking;
// a job that is replaced before its time never runs, and an empty job just shows the overlay
// for that long. The pending job, the showing flag and the timer belong to the main thread: a
// call from another thread is posted there before anything is stored, so a replacement never
// races the expiry.
// Threads: any thread for showBlocking; construction, startTimer and destruction main thread only.
class UiBlockingMessage : public IUiBlockingMessage {
    Q_OBJECT
    Q_PROPERTY(bool showing READ showing NOTIFY showingChanged)
public:
    static constexpr int kDelayMs = 2000;

    UiBlockingMessage();
    ~UiBlockingMessage() override;

    void showBlocking(std::function<void()> callback) override;
    bool showing() const { return m_showing; }

public slots:
    // Starts or restarts the countdown to the pending job.
    void startTimer();

signals:
    void showingChanged();

private:
    void store(std::function<void()> callback);
    void expire();

    QTimer m_timer;
    std::function<void()> m_pending;
    bool m_showing = false;
    // Counts stores, so that expire() can tell whether the job it ran stored a successor.
    std::uint64_t m_stores = 0;
    const std::unique_ptr<Handover> m_handover;
};

} // namespace Ko
