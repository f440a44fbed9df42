#pragma once

#include <QObject>

class QSocketNotifier;

namespace Ko {

// Turns SIGINT, SIGTERM and SIGHUP (the terminal that started the program closes) into an
// orderly quit of the event loop with exit code 0, so that a run without a window (offscreen) can
// be ended from a terminal or by a supervisor and still tears every service down. The windows are
// closed first, as by the user: a close held back for a pending stop holds a signal's quit too,
// and when the user chooses to stay, a later signal asks again in the same way.
// An end that a signal began is not given up for a later start of the program, as a close at
// the quit question is: whoever sent the signal wants this process gone, and the start waits for
// it and then runs as the one program. Only the user's Stay calls it off (endCalledOff()).
// Once the program is on its way out (aboutToQuit), the previous handlers come back, so that a
// further signal ends a teardown that hangs.
// A signal that whoever started the program ignores (nohup) stays ignored.
// One instance at a time; the previous handlers come back when it goes.
// Threads: main thread only.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    QuitOnSignal();
    ~QuitOnSignal() override;

    // A signal has asked the program to end, and the end has not been called off since.
    bool endAsked() const { return m_endAsked; }
    // The program's end was called off (the user stays): a later start may keep it again, and a
    // later signal asks anew.
    void endCalledOff() { m_endAsked = false; }

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
    bool m_endAsked = false;
};

} // namespace Ko
