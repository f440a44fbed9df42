#pragma once

#include <QObject>

class QSocketNotifier;

namespace Ko {

// Turns SIGINT and SIGTERM into an orderly quit of the event loop with exit code 0, so that a
// run without a window (offscreen) can be ended from a terminal or by a supervisor and still
// tears every service down. The windows are closed first, as by the user.
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
