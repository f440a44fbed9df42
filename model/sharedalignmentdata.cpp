#include "model/sharedalignmentdata.h"

namespace Ko {

SharedAlignmentData::SharedAlignmentData()
    : m_current(std::make_shared<const Nullable<ALIGNMENT_DATA>>()) {}

SharedAlignmentData::SharedAlignmentData(Nullable<ALIGNMENT_DATA> value)
    : m_current(std::make_shared<const Nullable<ALIGNMENT_DATA>>(std::move(value))) {}

SharedAlignmentData::SharedAlignmentData(ALIGNMENT_DATA value)
    : SharedAlignmentData(Nullable<ALIGNMENT_DATA>(std::move(value))) {}

SharedAlignmentData::Snapshot SharedAlignmentData::snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_current;
}

void SharedAlignmentData::set(Nullable<ALIGNMENT_DATA> value) {
    std::lock_guard writing(m_writeMutex);
    install(std::move(value));
}

void SharedAlignmentData::install(Nullable<ALIGNMENT_DATA> value) {
    auto next = std::make_shared<const Nullable<ALIGNMENT_DATA>>(std::move(value));
    std::lock_guard lock(m_mutex);
    // The old record is released outside the lock by whichever holder lets go of it last.
    m_current.swap(next);
}

} // namespace Ko
