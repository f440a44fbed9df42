#pragma once

#include "mount/imount.h"

namespace Ko {

// A mount that does nothing: every operation returns at once, with a failure or an empty value
// where it has a result. Tests of the services above the mount derive from it and record the few
// operations they look at.
class FakeIdleMount : public IMount {
public:
    IAlignment* alignment() const override { return nullptr; }
    void init(std::shared_ptr<IMount> self) override {}
    CmdRetType_::E prepareAfterConnect() override { return CmdRetType_::Other; }
    MountMode_::E mountMode() const override { return MountMode_::EQ; }
    uint32_t motorControllerVersion(AXISID axis) const override { return 0; }
    AnglePair axisPositions() const override { return {}; }
    AnglePair lastPosition() const override { return {}; }
    QFuture<CmdRet> readPositionAsync() override { return {}; }
    CmdResp<AnglePair> readAxisPositions() override {
        return CmdResp<AnglePair>(CmdRetType_::Other);
    }
    CmdResp<AnglePair> readPosition() override { return CmdResp<AnglePair>(CmdRetType_::Other); }
    bool positionUpdating() const override { return false; }
    void setPositionUpdating(bool on) override {}
    CmdRetType_::E setAxisPositions(double axis1, double axis2) override {
        return CmdRetType_::Other;
    }
    CmdRetType_::E setAxisPosition(AXISID axis, double angle) override {
        return CmdRetType_::Other;
    }
    CmdRetType_::E syncPosition(double a, double b) override { return CmdRetType_::Other; }
    CmdRetType_::E addPaePoint(std::string name, U_ASTRO_COORD target) override {
        return CmdRetType_::Other;
    }
    bool realTracking() override { return false; }
    bool trackingEnabled() const override { return false; }
    void setTrackingEnabled(bool on) override {}
    Nullable<TrackingRate> trackingRate() const override { return {}; }
    void setTrackingRate(TrackingRate rate) override {}
    bool isAZ() const override { return false; }
    Nullable<MountTarget> trackingTarget() const override { return {}; }
    void setTrackingTarget(const MountTarget& target) override {}
    void abortSlewAsync() override {}
    void stopAxisAsync(AXISID axis) override {}
    void slewAxisAsync(AXISID axis, double rate) override {}
    void slewAxisAsyncFlagged(AXISID axis, double rate) override {}
    int32_t axisSlewState(AXISID axis) const override { return 0; }
    bool axisSlewFlag(AXISID axis) const override { return false; }
    uint64_t slewAxisCounted(AXISID axis, double rate) override { return 0; }
    bool stopAxisIfLatest(AXISID axis, uint64_t count) override { return false; }
    Nullable<MountTarget> slewToTarget() const override { return {}; }
    Nullable<double> remainingSlewAngle() const override { return {}; }
    bool slewToAsync(const MountTarget& target) override { return false; }
    uint64_t gotoGeneration() const override { return 0; }
    bool lastGotoArrived() const override { return false; }
    QFuture<CmdRet> setCameraShutterAsync(bool on) override {
        return QtFuture::makeReadyFuture(CmdRet(CmdRetType_::Other));
    }
    bool hasDualEncoders() const override { return false; }
    bool lastEnableDualEncoders() const override { return false; }
    QFuture<CmdRet> setEnableDualEncodersAsync(bool on) override { return failed(); }
    bool hasPolarScopeLED() const override { return false; }
    QFuture<CmdRet> setGuidingSpeed(bool isAxis1, GuidingSpeed_::E speed) override {
        return failed();
    }
    bool setGuideRate(AXISID axis, double rate) override { return false; }
    double guideRate(AXISID axis) const override { return 0.0; }
    QFuture<CmdRet> setPolarLEDBrightness(double brightness) override { return failed(); }
    double speedFineAdjustmentPrecision() const override { return 0.0; }
    bool supportsAutoHome() const override { return false; }
    bool duringAutoHome() override { return false; }
    void autoHomeAsync(double decOffsetRad) override {}
    bool supportsPpec() const override { return false; }
    bool lastPpecTraining() const override { return false; }
    void updatePpecTrainingAsync() override {}
    void setPpecTrainingAsync(bool start) override {}
    bool lastPpecPlayback() const override { return false; }
    void updatePpecPlaybackAsync() override {}
    QFuture<CmdRet> setPpecPlaybackAsync(bool on) override { return failed(); }
    double pePeriodSec() const override { return 0.0; }
    bool parked() const override { return false; }
    void parkAsync(bool atHome) override {}
    void unparkAsync() override {}
    CmdRetType_::E unparkNow() override { return CmdRetType_::Other; }
    FlippingMode_::E flippingMode() const override { return FlippingMode_::Auto; }
    void setFlippingMode(FlippingMode_::E mode) override {}
    void pulseGuideAxisAsync(AXISID axis, bool direction, int durationMs) override {}
    bool isPulseGuiding() override { return false; }
    bool canTrackTrailPoints() const override { return false; }
    void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) override {}
    void trackTrailPointsAsync(TrailPointsParam&& param) override {}
    CmdResp<AnglePair> addTrailPointsOffset(double axis1, double axis2) override {
        return CmdResp<AnglePair>(CmdRetType_::Other);
    }
    bool trailPointsTracking() override { return false; }
    Nullable<TrailPointsTaskInfo> trailPointsTaskInfo() const override { return {}; }
    CmdResp<uint64_t> readMountClock() override { return CmdResp<uint64_t>(CmdRetType_::Other); }
    CmdRetType_::E syncMountClock() override { return CmdRetType_::Other; }
    bool destinationSideOfPier(AnglePair raDec) override { return false; }
    CmdResp<bool> sideOfPier() override { return CmdResp<bool>(CmdRetType_::Other); }
    CmdRetType_::E setSideOfPier(int side) override { return CmdRetType_::Other; }

protected:
    static QFuture<CmdRet> failed() {
        return QtFuture::makeReadyFuture(CmdRet(CmdRetType_::Other));
    }
};

} // namespace Ko
