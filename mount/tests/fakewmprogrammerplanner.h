#pragma once

#include "link/wifimodule/iwmprogrammerplanner.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <deque>
#include <mutex>
#include <stdexcept>

namespace Ko {

// A Wi-Fi module behind its planner, scripted: reads and write steps answer from queues in
// order, and every call is logged ("read", "mode", "apply 1 A>B": the station flag handed back,
// the access-point name of the current and of the target setting), with a note of calls made on
// the thread that built the fake. Settings are told apart by their access-point name.
class FakeWMProgrammerPlanner : public IWMProgrammerPlanner {
public:
    static WifiSetting setting(const QString& name) {
        WifiSetting s;
        s.mode = WifiMode_::Both;
        s.ap = WifiAPSetting{name.toStdString(), "password", 6, WifiSec_::WPA2_PSK};
        return s;
    }
    static QString name(const WifiSetting& s) {
        return s.ap.hasValue() ? QString::fromStdString(s.ap.value().ssid) : QStringLiteral("?");
    }
    // "-" is a read the module does not answer, "!" one it refuses; "throw" makes the call throw.
    void scriptReads(const QStringList& names) {
        std::lock_guard lock(m_mutex);
        m_reads.insert(m_reads.end(), names.begin(), names.end());
    }
    // "step" (written, more to come), "done", "fail", "sta" (the station written, more to come),
    // "cut STA" and "cut AP" (written, the link is gone: join that network).
    void scriptSteps(const QStringList& steps) {
        std::lock_guard lock(m_mutex);
        m_steps.insert(m_steps.end(), steps.begin(), steps.end());
    }
    void setModeAnswer(bool ok) {
        std::lock_guard lock(m_mutex);
        m_modeOk = ok;
    }
    // A list of its own: a copy sharing the log's buffer would race with the next call.
    QStringList calls() const {
        std::lock_guard lock(m_mutex);
        return QStringList(m_calls.begin(), m_calls.end());
    }
    bool allOnOtherThreads() const {
        std::lock_guard lock(m_mutex);
        return m_onCallerThread == 0;
    }

    Nullable<WifiSetting> readAll() override {
        const QString next = enter(QStringLiteral("read"), m_reads);
        {
            std::lock_guard lock(m_mutex);
            m_readRefused = next == QStringLiteral("!");
        }
        if (next == QStringLiteral("throw"))
            throw std::runtime_error("module gone");
        if (next.isEmpty() || next == QStringLiteral("-") || next == QStringLiteral("!"))
            return {};
        return setting(next);
    }
    bool lastReadRefused() const override {
        std::lock_guard lock(m_mutex);
        return m_readRefused;
    }

    WMWriteResult apply(bool staWritten, const WifiSetting& current,
                        const WifiSetting& finalSetting) override {
        const QString step = enter(QStringLiteral("apply %1 %2>%3")
                                       .arg(int(staWritten))
                                       .arg(name(current), name(finalSetting)),
                                   m_steps);
        WMWriteResult r;
        r.ok = step != QStringLiteral("fail") && !step.isEmpty();
        r.allDone = step == QStringLiteral("done");
        r.staWritten = step == QStringLiteral("sta") || step == QStringLiteral("cut STA");
        if (step == QStringLiteral("cut STA"))
            r.needConnect = WifiMode_::STA;
        if (step == QStringLiteral("cut AP"))
            r.needConnect = WifiMode_::AP;
        return r;
    }

    bool writeMode() override {
        enter(QStringLiteral("mode"), m_none);
        std::lock_guard lock(m_mutex);
        return m_modeOk;
    }

private:
    // Logs the call and takes the next scripted answer ("" when none).
    QString enter(const QString& call, std::deque<QString>& answers) {
        std::lock_guard lock(m_mutex);
        m_calls << call;
        if (QThread::currentThread() == m_callerThread)
            ++m_onCallerThread;
        if (answers.empty())
            return {};
        QString next = answers.front();
        answers.pop_front();
        return next;
    }

    mutable std::mutex m_mutex;
    // All guarded by m_mutex.
    std::deque<QString> m_reads;
    std::deque<QString> m_steps;
    std::deque<QString> m_none;
    bool m_modeOk = true;
    bool m_readRefused = false;
    QStringList m_calls;
    QThread* const m_callerThread = QThread::currentThread();
    int m_onCallerThread = 0;
};

} // namespace Ko
