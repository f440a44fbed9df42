#include "base/uiblockingmessage.h"

#include "base/backgroundwork.h"

#include <utility>

namespace Ko {

UiBlockingMessage::UiBlockingMessage() : m_handover(std::make_unique<Handover>(this)) {
    m_timer.setSingleShot(true);
    // A coarse timer may fire a little early; the overlay promises at least its full delay.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &UiBlockingMessage::expire);
}

UiBlockingMessage::~UiBlockingMessage() = default;

void UiBlockingMessage::showBlocking(std::function<void()> callback) {
    // A call from another thread is dropped if the overlay is gone by the time it would run.
    m_handover->run(
        [this, callback = std::move(callback)]() mutable { store(std::move(callback)); });
}

void UiBlockingMessage::startTimer() {
    m_timer.start(kDelayMs);
}

void UiBlockingMessage::store(std::function<void()> callback) {
    m_pending = std::move(callback);
    m_showing = true;
    ++m_stores;
    emit showingChanged();
    startTimer();
}

void UiBlockingMessage::expire() {
    if (!m_showing)
        return;
    // The job is moved out before it runs: a job that shows a new message itself must neither
    // destroy its own running code by the store nor have its successor dropped afterwards.
    const std::uint64_t storesBefore = m_stores;
    const std::function<void()> job = std::exchange(m_pending, {});
    if (job)
        job();
    if (m_stores != storesBefore)
        return;
    m_showing = false;
    emit showingChanged();
}

} // namespace Ko
