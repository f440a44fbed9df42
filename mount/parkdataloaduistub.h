#pragma once

#include "mount/iparkdataoption.h"

#include <QObject>

#include <future>
#include <mutex>

namespace Ko {

// The bridge between a connecting mount, which needs a plain blocking question, and the QML
// dialog that answers it on the main thread: ask emits shouldShow (queued to QML) and waits until
// setResult delivers the choice. Each question gets a fresh promise, so an answer never leaks into
// a later question. Only the first answer to a question counts: a second one, or one that arrives
// after the wait has ended, is ignored. Once the program ends (closeForExit, or the stub's
// destruction) the open question and every later one answer Cancel at once, unseen: the window
// that would answer is gone, and a connection left waiting would hold the program's exit until
// its background work is given up on. Cancel keeps the stored park data for the next start.
// m_mutex guards the promise and the two flags.
// Threads: a task's own thread for ask; any thread for closeForExit; the rest main thread only.
class ParkDataLoadUIStub : public QObject, public IParkDataOption {
    Q_OBJECT
public:
    explicit ParkDataLoadUIStub(QObject* parent = nullptr);
    ~ParkDataLoadUIStub() override;

    // A task's own thread, never the one that runs QML; no time-out.
    ParkDataLoadOption_::E ask() override;

    Q_INVOKABLE void setResult(Ko::ParkDataLoadOption_::E value);

    // Any thread; for good. Answers the open question with Cancel, and every later one at once.
    void closeForExit();

signals:
    void shouldShow();

private:
    // false when the current promise already holds a value.
    bool answerLocked(ParkDataLoadOption_::E value);

    std::mutex m_mutex;
    std::promise<ParkDataLoadOption_::E> m_promise;
    bool m_answered = false;
    bool m_closed = false;
};

} // namespace Ko
