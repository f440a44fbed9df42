#pragma once

#include "base/backgroundwork.h"
#include "link/wifimodule/wifisetting.h"

#include <QObject>
#include <QVariant>

namespace Ko {

// The native side of the mount's Wi-Fi page: reads the module's settings and writes a new setting
// step by step, since some steps cut the link the app talks over. Every read and write runs in
// the background, one at a time in the order asked; stateChanged follows every change of the
// state below and may be emitted from the background thread. The invokables only queue work.
//
// The page does not read that live state: it reads the shown copy, which the main thread takes
// for each change, in order, and announces with shownChanged there. A page script reads a record
// several times in one go (is there a setting? its state? its access point?), each time through a
// reference that fetches the property again; with the live state the worker could clear the
// record between two of those reads, and the script would dereference a record that is gone. The
// shown copy changes only between two events of the main thread, so within one handler every read
// sees the same records.
// Threads: main thread only for the invokables and the shown state; the live state getters any
// thread.
class IWifiConfig : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ shownBusy NOTIFY shownChanged)
    Q_PROPERTY(bool hasCurrentSetting READ shownHasCurrentSetting NOTIFY shownChanged)
    // A WifiSetting, or undefined.
    Q_PROPERTY(QVariant currentSetting READ shownCurrentSetting NOTIFY shownChanged)
    // A WMWriteResult, or undefined.
    Q_PROPERTY(QVariant lastWriteResult READ shownLastWriteResult NOTIFY shownChanged)
    Q_PROPERTY(bool readFailed READ shownReadFailed NOTIFY shownChanged)
    // With readFailed: the module replied, with an error, rather than not at all.
    Q_PROPERTY(bool readRefused READ shownReadRefused NOTIFY shownChanged)
public:
    using QObject::QObject;

    // A read or write is talking to the module.
    virtual bool busy() const = 0;
    // The module's settings as last read; invalid when not read or changed since.
    virtual QVariant currentSetting() const = 0;
    virtual QVariant lastWriteResult() const = 0;
    // The last read of the module came back without its settings (it did not answer); cleared
    // by the next read that brings them.
    virtual bool readFailed() const = 0;
    // The read that failed was refused by the module, which did reply; false when it failed
    // because nothing came back. Cleared with readFailed.
    virtual bool readRefused() const = 0;
    // Reads the module unless a write result is still waiting for the user.
    Q_INVOKABLE virtual void enterPage() = 0;
    // Puts the module in mode Both, then reads it again.
    Q_INVOKABLE virtual void writeWifiBothAndReadAsync() = 0;
    // Writes the first step towards the setting.
    Q_INVOKABLE virtual void writeAsync(Ko::WifiSetting settings) = 0;
    // After a reported step: reads the module and writes the next step (or the failed one
    // again); when the write is complete, clears the result and reads the module afresh.
    Q_INVOKABLE virtual void proceedNextAsync() = 0;

    bool hasCurrentSetting() const { return currentSetting().isValid(); }

    // The shown copy of busy(), currentSetting(), lastWriteResult(), readFailed() and
    // readRefused(), as of the last shownChanged.
    bool shownBusy() const { return m_shown.busy; }
    bool shownHasCurrentSetting() const { return m_shown.currentSetting.isValid(); }
    QVariant shownCurrentSetting() const { return m_shown.currentSetting; }
    QVariant shownLastWriteResult() const { return m_shown.lastWriteResult; }
    bool shownReadFailed() const { return m_shown.readFailed; }
    bool shownReadRefused() const { return m_shown.readRefused; }

    // Empty values for the page to fill.
    Q_INVOKABLE Ko::WifiSetting newWifiSetting() const { return {}; }
    Q_INVOKABLE Ko::WifiAPSetting newWifiAPSetting() const { return {}; }
    Q_INVOKABLE Ko::WifiSTASetting newWifiSTASetting() const { return {}; }

signals:
    void stateChanged();
    // Main thread only, one for each stateChanged, after the shown copy has taken that change.
    void shownChanged();

protected:
    struct Shown {
        bool busy = false;
        QVariant currentSetting;
        QVariant lastWriteResult;
        bool readFailed = false;
        bool readRefused = false;
    };
    // Hands one state, taken whole at a change, to the main thread. Call it for every change, in
    // the order the changes happened, from any thread.
    void show(Shown state) {
        m_toMainThread.post([this, state = std::move(state)] {
            m_shown = state;
            emit shownChanged();
        });
    }

private:
    // Main thread only.
    Shown m_shown;
    // Made with the object, on the main thread; its calls are dropped once the object is gone.
    Handover m_toMainThread{this};
};

} // namespace Ko
