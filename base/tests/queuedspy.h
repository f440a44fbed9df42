#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

namespace Ko::Test {

// Records a signal's arguments on the thread that made the recorder (the test's main thread),
// whatever thread emits it. A QSignalSpy records on the emitting thread, which races with the test
// reading it when the signal comes from a worker; here the test sees a call once its event loop
// (QTRY_*) has delivered it.
class QueuedSpy : public QObject {
public:
    template <class Sender, class... Args>
    QueuedSpy(const Sender* sender, void (Sender::*signal)(Args...)) {
        connect(
            sender, signal, this,
            [this](Args... args) { m_calls.append(QVariantList{QVariant::fromValue(args)...}); },
            Qt::QueuedConnection);
    }

    qsizetype count() const { return m_calls.size(); }
    const QVariantList& operator[](qsizetype i) const { return m_calls[i]; }

private:
    QList<QVariantList> m_calls;
};

} // namespace Ko::Test
