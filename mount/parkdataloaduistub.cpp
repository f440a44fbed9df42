#include "mount/parkdataloaduistub.h"

namespace Ko {

ParkDataLoadUIStub::ParkDataLoadUIStub(QObject* parent) : QObject(parent) {}

ParkDataLoadUIStub::~ParkDataLoadUIStub() {
    // A connection still waiting (only at application exit) gives up instead of hanging.
    std::lock_guard lock(m_mutex);
    answerLocked(ParkDataLoadOption_::Cancel);
}

ParkDataLoadOption_::E ParkDataLoadUIStub::ask() {
    std::future<ParkDataLoadOption_::E> pending;
    {
        std::lock_guard lock(m_mutex);
        // An answer given while nobody asked stays in the old promise and is dropped with it.
        m_promise = std::promise<ParkDataLoadOption_::E>();
        m_answered = false;
        pending = m_promise.get_future();
    }
    emit shouldShow();
    try {
        return pending.get();
    } catch (const std::future_error&) {
        // The promise went away unanswered.
        return ParkDataLoadOption_::Cancel;
    }
}

void ParkDataLoadUIStub::setResult(ParkDataLoadOption_::E value) {
    std::lock_guard lock(m_mutex);
    answerLocked(value);
}

bool ParkDataLoadUIStub::answerLocked(ParkDataLoadOption_::E value) {
    if (m_answered)
        return false;
    m_answered = true;
    m_promise.set_value(value);
    return true;
}

} // namespace Ko
