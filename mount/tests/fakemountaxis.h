#pragma once

#include "base/cancellable.h"
#include "link/imountaxis.h"
#include "link/tests/fakeclock.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <map>
#include <memory>
#include <mutex>

namespace Ko {

// A record of what the code under test did, in order: the fake axis adds "pos1", "st2",
// "stop1", "slew2+", ... and the fake cancellable adds "sleep100".
class CallLog {
public:
    void add(const QString& entry) {
        std::lock_guard lock(m_mutex);
        m_entries << entry;
    }
    QString text() const {
        std::lock_guard lock(m_mutex);
        return m_entries.join(' ');
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_entries;
};

// The mount's axes as a scripted controller: readPosition, readStatus, stop and slewAtRate answer
// from a queue of results per operation and axis (Ok once the queue is empty). Positions, the
// number of status reads that still report motion, directions and ranges are set by the test.
class FakeMountAxis : public IMountAxis {
public:
    explicit FakeMountAxis(std::shared_ptr<CallLog> log) : m_log(std::move(log)) {}

    // op is "pos", "st", "stop" or "slew"; axis 0 or 1.
    void script(const QString& op, AXISID axis, std::deque<CmdRetType_::E> results) {
        std::lock_guard lock(m_mutex);
        m_scripts[op + QString::number(axis + 1)] = std::move(results);
    }
    void placeAt(AXISID axis, double rad) {
        std::lock_guard lock(m_mutex);
        m_position[axis] = rad;
    }
    // The next n status reads of the axis report it moving.
    void setMovingReads(AXISID axis, int n) {
        std::lock_guard lock(m_mutex);
        m_movingReads[axis] = n;
    }
    void setDirection(AXISID axis, Nullable<bool> positive) {
        std::lock_guard lock(m_mutex);
        m_direction[axis] = positive;
    }
    void setRange(std::pair<double, double> range) {
        std::lock_guard lock(m_mutex);
        m_range = range;
    }

    CmdRetType_::E initialize() override { return CmdRetType_::Ok; }
    Nullable<double> lastRate(AXISID) const override { return {}; }
    void assumeRate(AXISID, double) override {}
    Nullable<bool> lastDirection(AXISID axis) const override {
        std::lock_guard lock(m_mutex);
        return m_direction[axis];
    }
    CmdResp<double> readPosition(AXISID axis) override {
        const CmdRetType_::E r = next("pos", axis);
        std::lock_guard lock(m_mutex);
        return r == CmdRetType_::Ok ? CmdResp<double>::ok(m_position[axis]) : CmdResp<double>(r);
    }
    CmdResp<std::pair<double, double>> readPositions() override {
        return CmdResp<std::pair<double, double>>(CmdRetType_::Other);
    }
    AxisAngleTime lastPosition(AXISID) const override { return {}; }
    CmdRetType_::E setPosition(AXISID, double) override { return CmdRetType_::Other; }
    std::pair<double, double> positionRange(AXISID) const override {
        std::lock_guard lock(m_mutex);
        return m_range;
    }
    CmdResp<MotorStatus> readStatus(AXISID axis) override {
        const CmdRetType_::E r = next("st", axis);
        if (r != CmdRetType_::Ok)
            return CmdResp<MotorStatus>(r);
        std::lock_guard lock(m_mutex);
        MotorStatus s;
        if (m_movingReads[axis] > 0) {
            --m_movingReads[axis];
            s.motion = 1;
        }
        return CmdResp<MotorStatus>::ok(s);
    }
    MotorStatus lastStatus(AXISID) const override { return {}; }
    CmdRetType_::E slewAtRate(AXISID axis, double rate) override {
        const CmdRetType_::E r = next("slew", axis, rate > 0 ? "+" : "-");
        if (r == CmdRetType_::Ok && rate != 0)
            setDirection(axis, rate > 0);
        return r;
    }
    CmdRetType_::E gotoPosition(AXISID, double) override { return CmdRetType_::Other; }
    CmdRetType_::E stop(AXISID axis) override { return next("stop", axis); }
    bool isExtendedPositionMode() const override { return false; }
    CmdRetType_::E gotoPositionAtRate(AXISID, double, double) override {
        return CmdRetType_::Other;
    }
    bool supportsAutoHome() const override { return false; }
    CmdResp<HomeSensorReading> readHomeSensorPosition(AXISID) override {
        return CmdResp<HomeSensorReading>(CmdRetType_::Other);
    }
    CmdRetType_::E resetHomeSensor(AXISID) override { return CmdRetType_::Other; }

private:
    // Logs the call as "<op><axis number><suffix>" and pops the scripted answer of op.
    CmdRetType_::E next(const QString& op, AXISID axis, const QString& suffix = {}) {
        const QString key = op + QString::number(axis + 1);
        m_log->add(key + suffix);
        std::lock_guard lock(m_mutex);
        auto& q = m_scripts[key];
        if (q.empty())
            return CmdRetType_::Ok;
        const CmdRetType_::E r = q.front();
        q.pop_front();
        return r;
    }

    const std::shared_ptr<CallLog> m_log;
    mutable std::mutex m_mutex;
    std::map<QString, std::deque<CmdRetType_::E>> m_scripts;
    double m_position[2] = {0, 0};
    int m_movingReads[2] = {0, 0};
    Nullable<bool> m_direction[2];
    std::pair<double, double> m_range{-1, 1};
};

// The thread's cancellation token as a clock: each sleep is logged, moves the fake clock on by its
// length at once and, from the cancelAtSleep-th sleep on (1-based; 0 never), reports a cancel.
class FakeTCCancellable : public ITCCancellable {
public:
    FakeTCCancellable(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock,
                      int cancelAtSleep = 0)
        : m_log(std::move(log)), m_clock(std::move(clock)), m_cancelAt(cancelAtSleep) {}

    bool isCancelled() override { return m_cancelled; }
    bool sleep(int64_t ms) override {
        m_log->add("sleep" + QString::number(ms));
        m_clock->advance(ms);
        if (++m_sleeps == m_cancelAt)
            m_cancelled = true;
        return m_cancelled;
    }
    std::shared_ptr<ICancellable> current() override { return nullptr; }
    void setCurrent(std::shared_ptr<ICancellable>) override {}

private:
    const std::shared_ptr<CallLog> m_log;
    const std::shared_ptr<FakeClock> m_clock;
    const int m_cancelAt;
    std::atomic<int> m_sleeps{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace Ko
