#pragma once

#include "base/callbacklist.h"

#include <QObject>

#include <vector>

namespace Ko {

// The eight-way direction pad: the held buttons become one slew per axis of the current mount at
// the chosen rate, the pad's enabled buttons follow what is held, and while a workflow waits for
// the user to push the mount the pad blinks the button to use.
//
// Pad buttons by index: 0 right, 1 left, 2 up, 3 down, 4 up-right, 5 down-right, 6 up-left,
// 7 down-left. Right and up are the positive directions of axis 1 and axis 2.
// Threads: main thread only; promptButton and the change list any thread.
class ISlewingControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(int intRate READ intRate NOTIFY intRateChanged)
    Q_PROPERTY(std::vector<bool> promptButton READ promptButton NOTIFY promptButtonChanged_q)
    Q_PROPERTY(std::vector<bool> enButton READ enButton NOTIFY enButtonChanged)
public:
    using QObject::QObject;

    // Fired whenever the prompt may have changed: the prompt switch, the current mount or that
    // mount's manual-slew state. Runs on the thread of the change.
    eventpp::CallbackList<void()> changed;

    // Index into the rate table, 0 to 9.
    virtual int intRate() const = 0;
    // [0] blink the right button, [1] blink the up button.
    virtual std::vector<bool> promptButton() const = 0;
    virtual std::vector<bool> enButton() const = 0;
    virtual void setPromptEnabled(int on) = 0;
    // One step up (add) or down the rate table; no command reaches the mount.
    Q_INVOKABLE virtual void incrementIntRate(bool add) = 0;
    // The pad's held flags, by button index.
    Q_INVOKABLE virtual void inputButtons(std::vector<bool> buttonDown) = 0;

signals:
    void intRateChanged();
    void promptButtonChanged_q();
    void enButtonChanged();
};

} // namespace Ko
