#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "model/mountmode.h"

#include <QObject>
#include <QVariant>

namespace Ko {

// The question "EQ or AZ?" for a mount that can work both ways. The connection session emits
// shouldShow; the QML popup answers through setResult, which fires `answered` on the calling
// thread (the main thread). Every answer is delivered, whether or not anyone waits for one; an
// empty answer means the user dismissed the popup.
// Threads: main thread only.
class MountModePopupStub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    eventpp::CallbackList<void(Nullable<MountMode_::E>)> answered;

    // An integer 0 is EQ, 1 is AZ; anything else, and undefined, is an empty answer.
    Q_INVOKABLE void setResult(const QVariant& result);

signals:
    void shouldShow();
};

} // namespace Ko
