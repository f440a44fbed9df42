#pragma once

#include "base/cancellable.h"
#include "base/tests/fakeclock.h"
#include "link/imountaxis.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <deque>
#include <functional>
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

// The mount's axes as a scripted controller: every command answers from a queue of results per
// operation and axis (Ok once the queue is empty) and is logged as "<op><axis number>" ("pos1",
// "st2", "stop1", "slew2+", "goto1", "set2", "reset1", "home2"). Positions, the number of status
// reads that still report motion, directions and ranges are set by the test. Given a clock, the
// axes also move: a GoTo runs at kGotoRate and a rate slew at its rate on that clock, so waits and
// sweeps take the time they would on a mount. An optional sensor band, repeated every turn, makes
// the home sensor: its state is on inside the band, and a re-armed sensor captures the first band
// edge the axis crosses.
class FakeMountAxis : public IMountAxis {
public:
    static constexpr double kGotoRate = 0.17453292519943295; // 10 degrees per second

    explicit FakeMountAxis(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock = {})
        : m_log(std::move(log)), m_clock(std::move(clock)) {}

    // op is "pos", "st", "stop", "slew", "goto", "set", "reset" or "home"; axis 0 or 1.
    void script(const QString& op, AXISID axis, std::deque<CmdRetType_::E> results) {
        std::lock_guard lock(m_mutex);
        m_scripts[op + QString::number(axis + 1)] = std::move(results);
    }
    // "pos2=TN st1=C moving1=2": per operation and axis the answers before the endless Oks (N Nak,
    // T Timeout, C Cancel, O Other, K Ok), and how many status reads report motion.
    void scriptAll(const QString& text) {
        for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
            const QString name = item.section('=', 0, 0), value = item.section('=', 1);
            const AXISID a = name.back() == '1' ? 0 : 1;
            if (name.startsWith("moving")) {
                setMovingReads(a, value.toInt());
                continue;
            }
            std::deque<CmdRetType_::E> results;
            for (QChar c : value)
                results.push_back(resultCode(c));
            script(name.chopped(1), a, results);
        }
    }
    static CmdRetType_::E resultCode(QChar c) {
        switch (c.toLatin1()) {
        case 'N':
            return CmdRetType_::Nak;
        case 'T':
            return CmdRetType_::Timeout;
        case 'C':
            return CmdRetType_::Cancel;
        case 'K':
            return CmdRetType_::Ok;
        default:
            return CmdRetType_::Other;
        }
    }
    void placeAt(AXISID axis, double rad) {
        std::lock_guard lock(m_mutex);
        m_axes[axis].position = rad;
        m_axes[axis].motion.reset();
    }
    double positionNow(AXISID axis) {
        std::lock_guard lock(m_mutex);
        return currentLocked(axis);
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
    // Every GoTo of the axis ends this far from its aim.
    void setGotoError(AXISID axis, double rad) {
        std::lock_guard lock(m_mutex);
        m_axes[axis].gotoError = rad;
    }
    // Each command takes this long on the clock.
    void setLatencyMs(int64_t ms) { m_latencyMs = ms; }
    void setSensorBand(AXISID axis, double low, double high) {
        std::lock_guard lock(m_mutex);
        m_axes[axis].band = std::make_pair(low, high);
    }
    // Every GoTo aim and every commanded rate of the axis, in order.
    QList<double> aims(AXISID axis) const {
        std::lock_guard lock(m_mutex);
        return m_axes[axis].aims;
    }
    QList<double> rates(AXISID axis) const {
        std::lock_guard lock(m_mutex);
        return m_axes[axis].rates;
    }

    CmdRetType_::E initialize() override { return CmdRetType_::Ok; }
    Nullable<double> lastRate(AXISID axis) const override {
        std::lock_guard lock(m_mutex);
        return m_axes[axis].lastRate;
    }
    void assumeRate(AXISID axis, double rate) override {
        std::lock_guard lock(m_mutex);
        m_axes[axis].lastRate = rate;
        if (rate != 0)
            m_direction[axis] = rate > 0;
    }
    Nullable<bool> lastDirection(AXISID axis) const override {
        std::lock_guard lock(m_mutex);
        return m_direction[axis];
    }
    CmdResp<double> readPosition(AXISID axis) override { return read(axis, true); }
    // Axis 1, then axis 2, storing nothing unless both succeed, as the mount link does.
    CmdResp<std::pair<double, double>> readPositions() override {
        const CmdResp<double> first = read(0, false);
        if (!first.isOk())
            return CmdResp<std::pair<double, double>>(first.type);
        const CmdResp<double> second = read(1, false);
        if (!second.isOk())
            return CmdResp<std::pair<double, double>>(second.type);
        std::lock_guard lock(m_mutex);
        const int64_t now = m_clock ? m_clock->nowMs() : 0;
        m_axes[0].lastRead = {first.value(), now};
        m_axes[1].lastRead = {second.value(), now};
        return CmdResp<std::pair<double, double>>::ok({first.value(), second.value()});
    }
    AxisAngleTime lastPosition(AXISID axis) const override {
        std::lock_guard lock(m_mutex);
        return m_axes[axis].lastRead;
    }
    CmdRetType_::E setPosition(AXISID axis, double rad) override {
        const CmdRetType_::E r = next("set", axis);
        if (r == CmdRetType_::Ok)
            placeAt(axis, rad);
        return r;
    }
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
        currentLocked(axis);
        if (m_axes[axis].motion.hasValue())
            s.motion = 1;
        return CmdResp<MotorStatus>::ok(s);
    }
    MotorStatus lastStatus(AXISID) const override { return {}; }
    CmdRetType_::E slewAtRate(AXISID axis, double rate) override {
        const CmdRetType_::E r = next("slew", axis, rate > 0 ? "+" : "-");
        if (r != CmdRetType_::Ok)
            return r;
        std::lock_guard lock(m_mutex);
        Axis& a = m_axes[axis];
        a.rates << rate;
        a.lastRate = rate;
        if (rate != 0)
            m_direction[axis] = rate > 0;
        startLocked(axis, rate, {});
        return r;
    }
    CmdRetType_::E gotoPosition(AXISID axis, double target) override {
        const CmdRetType_::E r = next("goto", axis);
        if (r != CmdRetType_::Ok)
            return r;
        std::lock_guard lock(m_mutex);
        Axis& a = m_axes[axis];
        a.aims << target;
        a.lastRate.reset();
        const double from = currentLocked(axis);
        const double to = target + a.gotoError;
        if (to != from)
            m_direction[axis] = to > from;
        if (m_clock)
            startLocked(axis, to >= from ? kGotoRate : -kGotoRate, to);
        else
            a.position = to;
        return r;
    }
    CmdRetType_::E stop(AXISID axis) override {
        const CmdRetType_::E r = next("stop", axis);
        if (r == CmdRetType_::Ok) {
            std::lock_guard lock(m_mutex);
            startLocked(axis, 0, {});
        }
        return r;
    }
    bool isExtendedPositionMode() const override { return false; }
    CmdRetType_::E gotoPositionAtRate(AXISID, double, double) override {
        return CmdRetType_::Other;
    }
    bool supportsAutoHome() const override { return true; }
    CmdResp<HomeSensorReading> readHomeSensorPosition(AXISID axis) override {
        const CmdRetType_::E r = next("home", axis);
        if (r != CmdRetType_::Ok)
            return CmdResp<HomeSensorReading>(r);
        std::lock_guard lock(m_mutex);
        Axis& a = m_axes[axis];
        const double p = currentLocked(axis);
        if (a.armed && !a.captured.hasValue() && a.band.hasValue()) {
            for (double edge : {a.band.value().first, a.band.value().second}) {
                const double turnBefore = std::floor((a.lastSample - edge) / kTurn);
                const double turnNow = std::floor((p - edge) / kTurn);
                if (turnBefore != turnNow)
                    a.captured = edge + kTurn * std::max(turnBefore, turnNow);
            }
        }
        a.lastSample = p;
        HomeSensorReading reading;
        reading.position = a.captured;
        if (!a.captured.hasValue()) {
            reading.hasFlag = true;
            reading.flag = a.band.hasValue() && inBand(a.band.value(), p);
        }
        return CmdResp<HomeSensorReading>::ok(reading);
    }
    // The clock time of the last command, whatever its answer.
    int64_t lastExchangeMs() const override { return m_lastExchangeMs.load(); }
    CmdRetType_::E resetHomeSensor(AXISID axis) override {
        const CmdRetType_::E r = next("reset", axis);
        if (r == CmdRetType_::Ok) {
            std::lock_guard lock(m_mutex);
            Axis& a = m_axes[axis];
            a.armed = true;
            a.captured.reset();
            a.lastSample = currentLocked(axis);
        }
        return r;
    }

private:
    CmdResp<double> read(AXISID axis, bool store) {
        const CmdRetType_::E r = next("pos", axis);
        std::lock_guard lock(m_mutex);
        if (r != CmdRetType_::Ok)
            return CmdResp<double>(r);
        const double p = currentLocked(axis);
        if (store)
            m_axes[axis].lastRead = {p, m_clock ? m_clock->nowMs() : 0};
        return CmdResp<double>::ok(p);
    }
    // Logs the call as "<op><axis number><suffix>" and pops the scripted answer of op.
    CmdRetType_::E next(const QString& op, AXISID axis, const QString& suffix = {}) {
        if (m_clock) {
            m_clock->advance(m_latencyMs);
            m_lastExchangeMs.store(m_clock->nowMs());
        }
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

    struct Motion {
        int64_t startMs = 0;
        double from = 0;
        double rate = 0;
        Nullable<double> target;
    };
    struct Axis {
        double position = 0;
        Nullable<Motion> motion;
        Nullable<double> lastRate;
        AxisAngleTime lastRead;
        QList<double> aims;
        QList<double> rates;
        double gotoError = 0;
        // The home sensor: on inside the band (nowhere by default).
        Nullable<std::pair<double, double>> band;
        bool armed = false;
        Nullable<double> captured;
        double lastSample = 0;
    };

    static constexpr double kTurn = 6.283185307179586;
    static bool inBand(std::pair<double, double> band, double p) {
        const double d = p - band.first - kTurn * std::floor((p - band.first) / kTurn);
        return d <= band.second - band.first;
    }

    // Brings the axis up to the clock's time; a GoTo that has arrived ends there.
    double currentLocked(AXISID axis) {
        Axis& a = m_axes[axis];
        if (!a.motion.hasValue() || !m_clock)
            return a.position;
        const Motion& m = a.motion.value();
        double p = m.from + m.rate * static_cast<double>(m_clock->nowMs() - m.startMs) / 1000;
        if (m.target.hasValue() && (m.rate >= 0 ? p >= m.target.value() : p <= m.target.value())) {
            p = m.target.value();
            a.motion.reset();
        }
        a.position = p;
        return p;
    }
    // A rate of 0 without a target stops the axis where it is.
    void startLocked(AXISID axis, double rate, Nullable<double> target) {
        Axis& a = m_axes[axis];
        a.position = currentLocked(axis);
        a.motion.reset();
        if (m_clock && (rate != 0 || target.hasValue()))
            a.motion = Motion{m_clock->nowMs(), a.position, rate, target};
    }

    const std::shared_ptr<CallLog> m_log;
    const std::shared_ptr<FakeClock> m_clock;
    mutable std::mutex m_mutex;
    std::map<QString, std::deque<CmdRetType_::E>> m_scripts;
    Axis m_axes[2];
    int m_movingReads[2] = {0, 0};
    Nullable<bool> m_direction[2];
    std::pair<double, double> m_range{-1, 1};
    std::atomic<int64_t> m_latencyMs{0};
    std::atomic<int64_t> m_lastExchangeMs{0};
};

// The thread's cancellation token as a clock: each sleep is logged, moves the fake clock on by its
// length at once and, from the cancelAtSleep-th sleep on (1-based; 0 never), or from the first
// sleep that cancelWhen accepts, reports a cancel.
class FakeTCCancellable : public ITCCancellable {
public:
    FakeTCCancellable(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock,
                      int cancelAtSleep = 0)
        : m_log(std::move(log)), m_clock(std::move(clock)), m_cancelAt(cancelAtSleep) {}

    // Set before the code under test runs.
    void cancelWhen(std::function<bool(int64_t ms)> when) { m_cancelWhen = std::move(when); }

    bool isCancelled() override { return m_cancelled; }
    bool sleep(int64_t ms) override {
        m_log->add("sleep" + QString::number(ms));
        m_clock->advance(ms);
        if (++m_sleeps == m_cancelAt || (m_cancelWhen && m_cancelWhen(ms)))
            m_cancelled = true;
        return m_cancelled;
    }
    std::shared_ptr<ICancellable> current() override { return nullptr; }
    void setCurrent(std::shared_ptr<ICancellable>) override {}

private:
    const std::shared_ptr<CallLog> m_log;
    const std::shared_ptr<FakeClock> m_clock;
    const int m_cancelAt;
    std::function<bool(int64_t)> m_cancelWhen;
    std::atomic<int> m_sleeps{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace Ko
