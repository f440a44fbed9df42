#include "base/endingstate.h"

#include <mutex>

namespace Ko {

EndingState::EndingState(QObject* parent) : QObject(parent) {}

bool EndingState::begin() {
    {
        // Waits for the starts already admitted: they reach the mount before the end's stops.
        std::unique_lock lock(m_admissions);
        if (m_ending.exchange(true))
            return false;
    }
    emit endingChanged(true);
    return true;
}

bool EndingState::cancel() {
    if (!m_ending.exchange(false))
        return false;
    emit endingChanged(false);
    return true;
}

EndingState::Admission::Admission(EndingState* state) {
    if (!state)
        return;
    m_lock = std::shared_lock(state->m_admissions);
    if (state->m_ending.load()) {
        m_lock.unlock();
        m_admitted = false;
    }
}

} // namespace Ko
