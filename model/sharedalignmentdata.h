#pragma once

#include "base/nullable.h"
#include "model/alignmentdata.h"

#include <memory>
#include <mutex>

namespace Ko {

// The one current pointing model of the program: the transform reads it at every conversion, on
// any thread, while the alignment data container replaces it. A reader takes a snapshot, a record
// that nobody changes while the reader holds it, so a conversion never sees half of an old model
// and half of a new one; a write installs a new record and never touches one already handed out.
// m_mutex guards only the pointer to the current record, so neither side waits on the other's
// arithmetic.
// Threads: any thread.
class SharedAlignmentData {
public:
    using Snapshot = std::shared_ptr<const Nullable<ALIGNMENT_DATA>>;

    // Empty: no model yet.
    SharedAlignmentData();
    explicit SharedAlignmentData(Nullable<ALIGNMENT_DATA> value);
    explicit SharedAlignmentData(ALIGNMENT_DATA value);
    SharedAlignmentData(const SharedAlignmentData&) = delete;
    SharedAlignmentData& operator=(const SharedAlignmentData&) = delete;

    // Never null; reading an empty one throws "Read null Nullable" as any Nullable does.
    Snapshot snapshot() const;
    bool hasValue() const { return snapshot()->hasValue(); }
    // A copy of the current record; throws "Read null Nullable" when there is none.
    ALIGNMENT_DATA value() const { return snapshot()->value(); }

    void set(Nullable<ALIGNMENT_DATA> value);
    // Read, change and write back as one step, so that two writers never lose each other's change.
    // change receives the current value and may throw; the stored value is then left as it was.
    template <class F>
    void update(F&& change) {
        std::lock_guard writing(m_writeMutex);
        Nullable<ALIGNMENT_DATA> next = *snapshot();
        change(next);
        install(std::move(next));
    }

private:
    void install(Nullable<ALIGNMENT_DATA> value);

    mutable std::mutex m_mutex;
    // Held by every writer from its read to its write, so a set() never falls between the read
    // and the write of an update().
    std::mutex m_writeMutex;
    Snapshot m_current;
};

} // namespace Ko
