#include "base/endingstate.h"

namespace Ko {

EndingState::EndingState(QObject* parent) : QObject(parent) {}

bool EndingState::begin() {
    if (m_ending.exchange(true))
        return false;
    emit endingChanged(true);
    return true;
}

bool EndingState::cancel() {
    if (!m_ending.exchange(false))
        return false;
    emit endingChanged(false);
    return true;
}

} // namespace Ko
