#pragma once

#include <QObject>

class QSocketNotifier;

namespace Ko {

// Turns SIGINT, SIGTERM and SIGHUP (the terminal that started the program closes) into an
// orderly quit of the event loop with exit code 0, so that a run without a window (offscreen) can
// be ended from a terminal or by a supervisor and still tears every service down. The windows are
// closed first, as by the user: a close held back for a pending stop holds a signal's quit too,
// and when the user chooses to stay, a later signal asks again in the same way.
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

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Ko
