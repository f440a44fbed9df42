#pragma once

#include "mount/tests/fakeidlemount.h"

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Ko {

// A mount whose answers the test scripts: every command ends with one outcome (Ok, Nak, Timeout,
// Cancel or Other; per operation if the test says so), readings carry the scripted values when
// the outcome is Ok, and every operation is recorded with its numeric arguments. Servers that
// turn mount results into replies are tested against it. Any thread may call it.
class FakeScriptedMount : public FakeIdleMount {
public:
    struct Call {
        std::string name;
        std::vector<double> args;
        bool operator==(const Call&) const = default;
    };

    // What the readings and states answer. Set them through values() under the lock, or through
    // setValues before the mount is used.
    struct Values {
        MountMode_::E mountMode = MountMode_::EQ;
        bool isAZ = false;
        AnglePair sky{0.0, 0.0};
        AnglePair axes{0.0, 0.0};
        bool trackingEnabled = false;
        bool realTracking = false;
        Nullable<TrackingRate> trackingRate;
        Nullable<MountTarget> trackingTarget;
        Nullable<MountTarget> slewToTarget;
        Nullable<double> remainingSlewAngle;
        int32_t slewState[2] = {0, 0};
        bool slewFlag[2] = {false, false};
        bool parked = false;
        bool duringAutoHome = false;
        bool supportsAutoHome = true;
        bool supportsPpec = true;
        bool lastPpecTraining = false;
        bool lastPpecPlayback = false;
        double pePeriodSec = 0.0;
        bool hasDualEncoders = false;
        bool lastEnableDualEncoders = false;
        bool hasPolarScopeLED = false;
        double guideRate[2] = {0.0, 0.0};
        double speedFineAdjustmentPrecision = 0.0;
        // Per axis, so that a reading of the wrong axis shows.
        uint32_t motorControllerVersion[2] = {0, 0};
        FlippingMode_::E flippingMode = FlippingMode_::Auto;
        bool isPulseGuiding = false;
        bool stopPending = false;
        // The motions the pending stops were given to; any makes the stop pending.
        std::set<StoppedMotion> stoppingMotions;
        // Tracking as the mount took it, when the test scripts it: a change of tracking then
        // reaches it only when that operation's outcome is Ok (Timeout: it never arrived; Nak or
        // Other: refused). Empty: every change is taken as asked.
        Nullable<AcknowledgedTracking> acknowledgedTracking;
        bool linkAnswering = true;
        bool canTrackTrailPoints = true;
        bool trailPointsTracking = false;
        Nullable<TrailPointsTaskInfo> trailPointsTaskInfo;
        uint64_t mountClock = 0;
        // true = normal side.
        bool sideOfPier = true;
        bool destinationSideOfPier = true;
        AnglePair trailPointsOffset{0.0, 0.0};
        bool positionUpdating = false;
    };

    explicit FakeScriptedMount(CmdRetType_::E result = CmdRetType_::Ok) : m_result(result) {}

    // The outcome of every command without an outcome of its own.
    void setResult(CmdRetType_::E result) {
        std::lock_guard lock(m_mutex);
        m_result = result;
    }
    // The outcome of the operation named as its member function is.
    void setResult(const std::string& operation, CmdRetType_::E result) {
        std::lock_guard lock(m_mutex);
        m_results[operation] = result;
    }
    void setValues(const Values& values) {
        std::lock_guard lock(m_mutex);
        m_values = values;
    }
    Values values() const {
        std::lock_guard lock(m_mutex);
        return m_values;
    }
    std::vector<Call> calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    // The calls of one operation, in order.
    std::vector<Call> calls(const std::string& name) const {
        std::lock_guard lock(m_mutex);
        std::vector<Call> out;
        for (const Call& c : m_calls)
            if (c.name == name)
                out.push_back(c);
        return out;
    }
    void clearCalls() {
        std::lock_guard lock(m_mutex);
        m_calls.clear();
        m_names.clear();
        m_targets.clear();
        m_trailPoints.clear();
    }
    // The text arguments (names of points, targets, runs), in order of the calls.
    std::vector<std::string> names() const {
        std::lock_guard lock(m_mutex);
        return m_names;
    }
    std::vector<MountTarget> targets() const {
        std::lock_guard lock(m_mutex);
        return m_targets;
    }
    std::vector<TrailPointsParam> trailPoints() const {
        std::lock_guard lock(m_mutex);
        return m_trailPoints;
    }

    MountMode_::E mountMode() const override { return values().mountMode; }
    uint32_t motorControllerVersion(AXISID axis) const override {
        return axis < 2 ? values().motorControllerVersion[axis] : 0;
    }
    AnglePair axisPositions() const override { return values().axes; }
    AnglePair lastPosition() const override { return values().sky; }
    CmdResp<AnglePair> readAxisPositions() override {
        return answer("readAxisPositions", {}, values().axes);
    }
    CmdResp<AnglePair> readPosition() override { return answer("readPosition", {}, values().sky); }
    bool positionUpdating() const override { return values().positionUpdating; }
    void setPositionUpdating(bool on) override {
        record("setPositionUpdating", {double(on)});
        std::lock_guard lock(m_mutex);
        m_values.positionUpdating = on;
    }
    CmdRetType_::E setAxisPositions(double axis1, double axis2) override {
        return command("setAxisPositions", {axis1, axis2});
    }
    CmdRetType_::E setAxisPosition(AXISID axis, double angle) override {
        return command("setAxisPosition", {double(axis), angle});
    }
    CmdRetType_::E syncPosition(double a, double b) override {
        return command("syncPosition", {a, b});
    }
    CmdRetType_::E addPaePoint(std::string name, U_ASTRO_COORD target) override {
        named(name);
        return command("addPaePoint", {target.a, target.b});
    }

    bool realTracking() override { return values().realTracking; }
    bool trackingEnabled() const override { return values().trackingEnabled; }
    void setTrackingEnabled(bool on) override {
        const bool taken = command("setTrackingEnabled", {double(on)}) == CmdRetType_::Ok;
        std::lock_guard lock(m_mutex);
        m_values.trackingEnabled = on;
        acknowledgeLocked(taken);
    }
    Nullable<TrackingRate> trackingRate() const override { return values().trackingRate; }
    void setTrackingRate(TrackingRate rate) override {
        const bool taken = command("setTrackingRate", {double(rate)}) == CmdRetType_::Ok;
        std::lock_guard lock(m_mutex);
        m_values.trackingRate = rate;
        m_values.trackingTarget.reset();
        acknowledgeLocked(taken);
    }
    bool isAZ() const override { return values().isAZ; }
    Nullable<MountTarget> trackingTarget() const override { return values().trackingTarget; }
    void setTrackingTarget(const MountTarget& target) override {
        targeted("setTrackingTarget", target);
        const bool taken = resultOf("setTrackingTarget") == CmdRetType_::Ok;
        std::lock_guard lock(m_mutex);
        if (m_values.isAZ) {
            m_values.trackingTarget = target;
            m_values.trackingRate.reset();
        }
        acknowledgeLocked(taken);
    }
    AcknowledgedTracking acknowledgedTracking() const override {
        const Values v = values();
        if (v.acknowledgedTracking.hasValue())
            return v.acknowledgedTracking.value();
        return {v.trackingEnabled, v.trackingRate, v.trackingTarget};
    }
    bool linkAnswering() const override { return values().linkAnswering; }

    void abortSlewAsync() override {
        record("abortSlewAsync", {});
        moved(0);
        moved(1);
    }
    void stopAxisAsync(AXISID axis) override {
        record("stopAxisAsync", {double(axis)});
        moved(axis);
    }
    void slewAxisAsync(AXISID axis, double rate) override {
        record("slewAxisAsync", {double(axis), rate});
        moved(axis);
    }
    void slewAxisAsyncFlagged(AXISID axis, double rate) override {
        record("slewAxisAsyncFlagged", {double(axis), rate});
        moved(axis);
    }
    // Recorded as the slewAxisAsync it makes; the count is this slew's while no other thread
    // moves the axis meanwhile.
    uint64_t slewAxisCounted(AXISID axis, double rate) override {
        slewAxisAsync(axis, rate);
        std::lock_guard lock(m_mutex);
        return m_motions[axisSlot(axis)];
    }
    // Recorded as the stopAxisAsync it makes, when it makes one.
    bool stopAxisIfLatest(AXISID axis, uint64_t count) override {
        {
            std::lock_guard lock(m_mutex);
            if (m_motions[axisSlot(axis)] != count)
                return false;
        }
        stopAxisAsync(axis);
        return true;
    }
    int32_t axisSlewState(AXISID axis) const override { return values().slewState[axisSlot(axis)]; }
    bool axisSlewFlag(AXISID axis) const override { return values().slewFlag[axisSlot(axis)]; }
    Nullable<MountTarget> slewToTarget() const override { return values().slewToTarget; }
    Nullable<double> remainingSlewAngle() const override { return values().remainingSlewAngle; }
    bool slewToAsync(const MountTarget& target) override {
        targeted("slewToAsync", target);
        const bool accepted = resultOf("slewToAsync") == CmdRetType_::Ok;
        if (accepted) {
            ++m_gotoGeneration;
            moved(0);
            moved(1);
        }
        return accepted;
    }
    // The GoTos accepted so far.
    uint64_t gotoGeneration() const override { return m_gotoGeneration; }

    QFuture<CmdRet> setCameraShutterAsync(bool on) override {
        return QtFuture::makeReadyFuture(CmdRet(command("setCameraShutter", {double(on)})));
    }
    bool hasDualEncoders() const override { return values().hasDualEncoders; }
    bool lastEnableDualEncoders() const override { return values().lastEnableDualEncoders; }
    // The writes below end at once with their scripted outcome; one taken (Ok) changes the
    // confirmed state the mount reports, and announces it as the mount does.
    QFuture<CmdRet> setEnableDualEncodersAsync(bool on) override {
        const bool taken = command("setEnableDualEncodersAsync", {double(on)}) == CmdRetType_::Ok;
        if (taken) {
            std::lock_guard lock(m_mutex);
            m_values.lastEnableDualEncoders = on;
        }
        emit dualEncodersChanged();
        return outcome(taken, "setEnableDualEncodersAsync");
    }
    bool hasPolarScopeLED() const override { return values().hasPolarScopeLED; }
    QFuture<CmdRet> setGuidingSpeed(bool isAxis1, GuidingSpeed_::E speed) override {
        return QtFuture::makeReadyFuture(
            CmdRet(command("setGuidingSpeed", {double(isAxis1), double(speed)})));
    }
    bool setGuideRate(AXISID axis, double rate) override {
        return command("setGuideRate", {double(axis), rate}) == CmdRetType_::Ok;
    }
    double guideRate(AXISID axis) const override { return values().guideRate[axisSlot(axis)]; }
    QFuture<CmdRet> setPolarLEDBrightness(double brightness) override {
        return QtFuture::makeReadyFuture(CmdRet(command("setPolarLEDBrightness", {brightness})));
    }
    double speedFineAdjustmentPrecision() const override {
        return values().speedFineAdjustmentPrecision;
    }

    bool supportsAutoHome() const override { return values().supportsAutoHome; }
    bool duringAutoHome() override { return values().duringAutoHome; }
    void autoHomeAsync(double decOffsetRad) override { record("autoHomeAsync", {decOffsetRad}); }

    bool supportsPpec() const override { return values().supportsPpec; }
    bool lastPpecTraining() const override { return values().lastPpecTraining; }
    void updatePpecTrainingAsync() override { record("updatePpecTrainingAsync", {}); }
    void setPpecTrainingAsync(bool start) override {
        record("setPpecTrainingAsync", {double(start)});
    }
    bool lastPpecPlayback() const override { return values().lastPpecPlayback; }
    void updatePpecPlaybackAsync() override { record("updatePpecPlaybackAsync", {}); }
    QFuture<CmdRet> setPpecPlaybackAsync(bool on) override {
        const bool taken = command("setPpecPlaybackAsync", {double(on)}) == CmdRetType_::Ok;
        bool changed = false;
        if (taken) {
            std::lock_guard lock(m_mutex);
            changed = std::exchange(m_values.lastPpecPlayback, on) != on;
        }
        if (changed)
            emit lastPpecPlaybackChanged();
        return outcome(taken, "setPpecPlaybackAsync");
    }
    double pePeriodSec() const override { return values().pePeriodSec; }

    bool parked() const override { return values().parked; }
    void parkAsync(bool atHome) override {
        record("parkAsync", {double(atHome)});
        moved(0);
        moved(1);
    }
    void unparkAsync() override { record("unparkAsync", {}); }
    CmdRetType_::E unparkNow() override { return command("unparkNow", {}); }

    FlippingMode_::E flippingMode() const override { return values().flippingMode; }
    void setFlippingMode(FlippingMode_::E mode) override {
        record("setFlippingMode", {double(mode)});
        std::lock_guard lock(m_mutex);
        m_values.flippingMode = mode;
    }

    void pulseGuideAxisAsync(AXISID axis, bool direction, int durationMs) override {
        record("pulseGuideAxisAsync", {double(axis), double(direction), double(durationMs)});
    }
    bool isPulseGuiding() override { return values().isPulseGuiding; }
    bool stopPending() const override {
        const Values v = values();
        return v.stopPending || !v.stoppingMotions.empty();
    }
    bool stopPendingOf(StoppedMotion motion) const override {
        return values().stoppingMotions.count(motion) > 0;
    }

    bool canTrackTrailPoints() const override { return values().canTrackTrailPoints; }
    void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) override {
        record("setTrailPointsTestRunCountDown",
               countDown.hasValue() ? std::vector<double>{double(countDown.value())}
                                    : std::vector<double>{});
    }
    void trackTrailPointsAsync(TrailPointsParam&& param) override {
        record("trackTrailPointsAsync", {double(param.points.size())});
        std::lock_guard lock(m_mutex);
        m_trailPoints.push_back(std::move(param));
    }
    CmdResp<AnglePair> addTrailPointsOffset(double axis1, double axis2) override {
        return answer("addTrailPointsOffset", {axis1, axis2}, values().trailPointsOffset);
    }
    bool trailPointsTracking() override { return values().trailPointsTracking; }
    Nullable<TrailPointsTaskInfo> trailPointsTaskInfo() const override {
        return values().trailPointsTaskInfo;
    }

    CmdResp<uint64_t> readMountClock() override {
        return answer("readMountClock", {}, values().mountClock);
    }
    CmdRetType_::E syncMountClock() override { return command("syncMountClock", {}); }
    bool destinationSideOfPier(AnglePair raDec) override {
        record("destinationSideOfPier", {raDec.first, raDec.second});
        return values().destinationSideOfPier;
    }
    CmdResp<bool> sideOfPier() override { return answer("sideOfPier", {}, values().sideOfPier); }
    CmdRetType_::E setSideOfPier(int side) override {
        return command("setSideOfPier", {double(side)});
    }

private:
    QFuture<CmdRet> outcome(bool taken, const std::string& name) const {
        return QtFuture::makeReadyFuture(CmdRet(taken ? CmdRetType_::Ok : resultOf(name)));
    }
    CmdRetType_::E resultOf(const std::string& name) const {
        std::lock_guard lock(m_mutex);
        auto it = m_results.find(name);
        return it == m_results.end() ? m_result : it->second;
    }
    // A scripted acknowledgement follows the wish once the mount has taken a change.
    void acknowledgeLocked(bool taken) {
        if (taken && m_values.acknowledgedTracking.hasValue())
            m_values.acknowledgedTracking = AcknowledgedTracking{
                m_values.trackingEnabled, m_values.trackingRate, m_values.trackingTarget};
    }
    // A motion of the axis, as the mount counts them.
    void moved(AXISID axis) {
        std::lock_guard lock(m_mutex);
        ++m_motions[axisSlot(axis)];
    }
    void record(const std::string& name, std::vector<double> args) {
        std::lock_guard lock(m_mutex);
        m_calls.push_back({name, std::move(args)});
    }
    void named(const std::string& text) {
        std::lock_guard lock(m_mutex);
        m_names.push_back(text);
    }
    void targeted(const std::string& name, const MountTarget& target) {
        record(name, {target.coord.a, target.coord.b, double(target.kind)});
        std::lock_guard lock(m_mutex);
        m_targets.push_back(target);
        m_names.push_back(target.name);
    }
    CmdRetType_::E command(const std::string& name, std::vector<double> args) {
        record(name, std::move(args));
        return resultOf(name);
    }
    template <class T>
    CmdResp<T> answer(const std::string& name, std::vector<double> args, T value) {
        const CmdRetType_::E result = command(name, std::move(args));
        return result == CmdRetType_::Ok ? CmdResp<T>::ok(std::move(value))
                                         : CmdResp<T>::fail(result);
    }

    mutable std::mutex m_mutex;
    CmdRetType_::E m_result;
    std::atomic<uint64_t> m_gotoGeneration{0};
    uint64_t m_motions[2] = {0, 0};
    std::map<std::string, CmdRetType_::E> m_results;
    Values m_values;
    std::vector<Call> m_calls;
    std::vector<std::string> m_names;
    std::vector<MountTarget> m_targets;
    std::vector<TrailPointsParam> m_trailPoints;
};

} // namespace Ko
