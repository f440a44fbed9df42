#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

namespace Ko {

// The connection session behind the connect popup: searches, connects, asks what it must, and
// publishes the mount; reports its progress as a busy flag, a status line and a detail line, all
// untranslated (the popup translates them in the context "mount").
// Threads: main thread only.
class IConnectable : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(QString statusDetailText READ statusDetailText NOTIFY statusChanged)
    Q_PROPERTY(QVariant devicesList READ devicesList NOTIFY devicesListChanged)
    Q_PROPERTY(QString nextActionText READ nextActionText NOTIFY statusChanged)
    Q_PROPERTY(bool timeoutIsDisconnect READ timeoutIsDisconnect WRITE setTimeoutIsDisconnect)
public:
    using QObject::QObject;

    virtual bool busy() const = 0;
    virtual QString statusText() const = 0;
    virtual QString statusDetailText() const = 0;
    // The current connect helper's list, or an invalid QVariant when it keeps none.
    virtual QVariant devicesList() const = 0;
    // "Disconnect" while a mount is connected, else "Connect".
    virtual QString nextActionText() const = 0;
    // Whether a link whose exchange timed out through all its resends ends the connection; read
    // when a connection completes.
    virtual bool timeoutIsDisconnect() const = 0;
    virtual void setTimeoutIsDisconnect(bool on) = 0;
    // done is called once: true when a mount has been published (at once when one already is),
    // false on cancelSession or disconnect. A callback kept from an earlier call is dropped
    // uncalled.
    virtual void startSessionWithCallback(std::function<void(bool)> done) = 0;
    Q_INVOKABLE virtual void startSession() = 0;
    // Connects when not connected, disconnects when connected.
    Q_INVOKABLE virtual void startNextAction() = 0;
    Q_INVOKABLE virtual void selectDevice(int deviceIndex) = 0;
    // Closes the popup; a search or connection under way goes on.
    Q_INVOKABLE virtual void cancelSession() = 0;

signals:
    void statusChanged();
    void devicesListChanged();
    void sessionStarted();
    void sessionDone();
};

} // namespace Ko
