#pragma once

#include "link/ikomcommand.h"
#include "mount/tests/fakemountaxis.h"

#include <QString>

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace Ko {

// The mount's extended commands with a timed-target queue of a fixed capacity: a target leaves
// the queue once the fake clock reaches its time. Every command first moves the clock on by the
// round-trip latency. The log gets "sync", "free<n>" per status read, "target<ms>" per queued
// target, "lost<ms>" per scripted failure and "stopx"; the scripts answer sendTimedTarget
// (targets) and readTargetStatus (status reads) in order, Ok once empty. A target sent into a
// full queue is refused with Other and logged as "overflow".
class FakeKoMCommand : public IKoMCommand {
public:
    struct Target {
        int64_t timeMs = 0;
        std::pair<double, double> angles;
    };

    FakeKoMCommand(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock,
                   uint16_t capacity)
        : m_log(std::move(log)), m_clock(std::move(clock)), m_capacity(capacity) {}

    void setLatencyMs(int64_t ms) { m_latencyMs = ms; }
    void setSupportsExtended(bool on) { m_extended = on; }
    void scriptTargets(std::deque<CmdRetType_::E> results) {
        std::lock_guard lock(m_mutex);
        m_targetScript = std::move(results);
    }
    void scriptStatus(std::deque<CmdRetType_::E> results) {
        std::lock_guard lock(m_mutex);
        m_statusScript = std::move(results);
    }
    // Runs at the start of every command, outside the fake's lock, e.g. to look at the link's
    // settings meanwhile.
    void setOnCommand(std::function<void()> hook) { m_onCommand = std::move(hook); }
    std::vector<Target> accepted() const {
        std::lock_guard lock(m_mutex);
        return m_accepted;
    }

    CmdRetType_::E initialize() override { return CmdRetType_::Ok; }
    bool lastEnableDualEncoders(AXISID) const override { return false; }
    CmdRetType_::E setEnableDualEncoders(AXISID, bool) override { return CmdRetType_::Ok; }
    CmdRetType_::E setGuidingSpeed(AXISID, GuidingSpeed_::E) override { return CmdRetType_::Ok; }
    CmdRetType_::E setPolarLEDBrightness(double) override { return CmdRetType_::Ok; }
    bool supportsPpec() const override { return false; }
    bool lastPpecTraining() const override { return false; }
    CmdResp<bool> updatePpecTraining() override { return CmdResp<bool>::ok(false); }
    CmdRetType_::E setPpecTraining(bool) override { return CmdRetType_::Ok; }
    bool lastPpecPlayback() const override { return false; }
    CmdResp<bool> updatePpecPlayback() override { return CmdResp<bool>::ok(false); }
    CmdRetType_::E setPpecPlayback(bool) override { return CmdRetType_::Ok; }
    double pePeriodSec() const override { return 0.0; }
    bool supportsExtended() const override { return m_extended; }
    CmdResp<uint64_t> readMountClock() override {
        return CmdResp<uint64_t>::ok(static_cast<uint64_t>(m_clock->nowMs()));
    }
    CmdResp<uint32_t> syncMountClock(const std::shared_ptr<IClock>&) override {
        command("sync");
        return CmdResp<uint32_t>::ok(static_cast<uint32_t>(m_latencyMs));
    }
    CmdResp<std::pair<double, double>> addPositionOffset(std::pair<double, double>) override {
        return CmdResp<std::pair<double, double>>(CmdRetType_::Other);
    }
    CmdRetType_::E sendTimedTarget(int64_t timeMs, std::pair<double, double> angles,
                                   const Nullable<std::pair<double, double>>&,
                                   std::pair<double, double>*, uint64_t*,
                                   uint16_t* outStatus) override {
        if (timeMs == 0)
            return readTargetStatus(outStatus);
        hook();
        std::lock_guard lock(m_mutex);
        beginLocked();
        if (const CmdRetType_::E r = popLocked(m_targetScript); r != CmdRetType_::Ok) {
            m_log->add("lost" + QString::number(timeMs));
            return r;
        }
        if (m_queue.size() >= m_capacity) {
            m_log->add("overflow");
            return CmdRetType_::Other;
        }
        m_queue.push_back({timeMs, angles});
        m_accepted.push_back({timeMs, angles});
        m_log->add("target" + QString::number(timeMs));
        if (outStatus)
            *outStatus = freeLocked();
        return CmdRetType_::Ok;
    }
    CmdRetType_::E readTargetStatus(uint16_t* outStatus) override {
        hook();
        std::lock_guard lock(m_mutex);
        beginLocked();
        if (const CmdRetType_::E r = popLocked(m_statusScript); r != CmdRetType_::Ok) {
            m_log->add("free?");
            return r;
        }
        m_log->add("free" + QString::number(freeLocked()));
        if (outStatus)
            *outStatus = freeLocked();
        return CmdRetType_::Ok;
    }
    uint16_t lastTargetStatus() const override { return m_capacity; }
    CmdRetType_::E stopExtendedMotion() override {
        command("stopx");
        return CmdRetType_::Ok;
    }

private:
    void hook() {
        if (m_onCommand)
            m_onCommand();
    }
    void command(const char* name) {
        hook();
        std::lock_guard lock(m_mutex);
        beginLocked();
        m_log->add(name);
    }
    void beginLocked() {
        m_clock->advance(m_latencyMs);
        // The mount has moved through every target whose time has come.
        while (!m_queue.empty() && m_queue.front().timeMs <= m_clock->nowMs())
            m_queue.pop_front();
    }
    static CmdRetType_::E popLocked(std::deque<CmdRetType_::E>& script) {
        if (script.empty())
            return CmdRetType_::Ok;
        const CmdRetType_::E r = script.front();
        script.pop_front();
        return r;
    }
    uint16_t freeLocked() const { return static_cast<uint16_t>(m_capacity - m_queue.size()); }

    const std::shared_ptr<CallLog> m_log;
    const std::shared_ptr<FakeClock> m_clock;
    const uint16_t m_capacity;
    int64_t m_latencyMs = 0;
    bool m_extended = true;
    std::function<void()> m_onCommand;
    mutable std::mutex m_mutex;
    std::deque<CmdRetType_::E> m_targetScript;
    std::deque<CmdRetType_::E> m_statusScript;
    std::deque<Target> m_queue;
    std::vector<Target> m_accepted;
};

} // namespace Ko
