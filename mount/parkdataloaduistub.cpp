#include "mount/parkdataloaduistub.h"

namespace Ko {

ParkDataLoadUIStub::ParkDataLoadUIStub(QObject* parent) : QObject(parent) {}

ParkDataLoadUIStub::~ParkDataLoadUIStub() {
    closeForExit();
}

ParkDataLoadOption_::E ParkDataLoadUIStub::ask() {
    std::future<ParkDataLoadOption_::E> pending;
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return ParkDataLoadOption_::Cancel;
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

void ParkDataLoadUIStub::closeForExit() {
    std::lock_guard lock(m_mutex);
    m_closed = true;
    answerLocked(ParkDataLoadOption_::Cancel);
}

bool ParkDataLoadUIStub::answerLocked(ParkDataLoadOption_::E value) {
    if (m_answered)
        return false;
    m_answered = true;
    m_promise.set_value(value);
    return true;
}

} // namespace Ko
