#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// What to do with park positions stored by an earlier connection. Seen by QML as
// "ParkDataLoadOption".
struct ParkDataLoadOption_ {
    Q_GADGET
public:
    enum E : int { Discard = 0, Load = 1, Cancel = 2 };
    Q_ENUM(E)
};

// Asks the user whether to restore stored park positions. ask blocks its calling thread until the
// answer arrives, so it must never run on the thread that shows the question.
// Threads: a task's own thread for ask, which blocks until the user answers.
class IParkDataOption {
public:
    virtual ~IParkDataOption() = default;
    virtual ParkDataLoadOption_::E ask() = 0;
};

} // namespace Ko
