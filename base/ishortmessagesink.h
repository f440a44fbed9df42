#pragma once

namespace Ko {

// One-line notifications to the user (toasts). The mount and the alignment code send texts that
// are already translated, as UTF-8; showing one never fails and never blocks the sender, which may
// be on any thread.
// Threads: any thread.
class IShortMessageSink {
public:
    virtual ~IShortMessageSink() = default;

    virtual void sendShortMessage(const char* text) = 0;
};

} // namespace Ko
