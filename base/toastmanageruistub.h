#pragma once

#include "base/ishortmessagesink.h"

#include <QObject>
#include <QString>

Q_DECLARE_INTERFACE(Ko::IShortMessageSink, "IShortMessageSink")

namespace Ko {

// The one short-message sink of the whole program: every service that tells the user something
// in one line hands the text here, and the QML toaster shows what shouldToast carries. Texts
// arrive translated; they are passed on unchanged. Safe to call from any thread: the signal
// reaches QML queued when it is emitted off the main thread.
// Threads: any thread.
class ToastManagerUIStub : public QObject, public IShortMessageSink {
    Q_OBJECT
    Q_INTERFACES(Ko::IShortMessageSink)
public:
    using QObject::QObject;

    // text is UTF-8; a null pointer shows as an empty text.
    void sendShortMessage(const char* text) override;

signals:
    void shouldToast(QString textLoc);
};

} // namespace Ko
