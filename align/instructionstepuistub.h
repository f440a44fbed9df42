#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace Ko {

// The page with one instruction text and a "Next" button. A workflow assigns onNext, then emits
// shouldShow; the last workflow to assign onNext receives the press.
// Threads: main thread only.
class InstructionStepUIStub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty until a workflow assigns it; pressNext then throws std::bad_function_call.
    std::function<void()> onNext;

    Q_INVOKABLE void pressNext() { onNext(); }

signals:
    void shouldShow(QString instruction);
};

} // namespace Ko
