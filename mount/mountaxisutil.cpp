#include "mount/mountaxisutil.h"

#include "base/cancellable.h"
#include "base/log.h"
#include "link/imountaxis.h"
#include "mount/appcore.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Ko {

namespace {

constexpr std::array<AXISID, 2> kAxes = {0, 1};
// The GoTo estimate: 16 s per radian plus 5 s to start and settle.
constexpr double kMoveMsPerRad = 16000;
constexpr double kMoveBaseMs = 5000;

} // namespace

MountAxisUtil::MountAxisUtil(std::shared_ptr<IMountAxis> axis,
                             std::shared_ptr<ITCCancellable> cancellable,
                             std::shared_ptr<AppCore> appCore)
    : m_axis(std::move(axis)), m_cancellable(std::move(cancellable)),
      m_appCore(std::move(appCore)) {}

bool MountAxisUtil::sleep(int64_t ms) {
    return m_cancellable->sleep(ms);
}

CmdRetType_::E MountAxisUtil::repeatUntilOk(const std::function<CmdRetType_::E()>& command) {
    for (;;) {
        const CmdRetType_::E r = command();
        if (r == CmdRetType_::Ok || r == CmdRetType_::Cancel)
            return r;
        if (sleep(kPollMs))
            return CmdRetType_::Cancel;
    }
}

CmdResp<std::pair<double, double>>
MountAxisUtil::readPositionsRetry(const std::function<bool()>& giveUp) {
    std::array<Nullable<double>, 2> angles;
    for (;;) {
        for (AXISID axis : kAxes) {
            if (angles[axis].hasValue())
                continue;
            const CmdResp<double> r = m_axis->readPosition(axis);
            if (r.type == CmdRetType_::Cancel)
                return CmdResp<std::pair<double, double>>::fail(CmdRetType_::Cancel);
            if (r.isOk())
                angles[axis] = r.value();
        }
        if (angles[0].hasValue() && angles[1].hasValue())
            return CmdResp<std::pair<double, double>>::ok({angles[0].value(), angles[1].value()});
        if (giveUp && giveUp())
            return CmdResp<std::pair<double, double>>::fail(CmdRetType_::Timeout);
        if (sleep(kPollMs))
            return CmdResp<std::pair<double, double>>::fail(CmdRetType_::Cancel);
    }
}

CmdRetType_::E MountAxisUtil::waitAxesStopped(bool readPositions,
                                              const std::function<bool()>& giveUp) {
    std::array<bool, 2> stopped{};
    for (;;) {
        for (AXISID axis : kAxes) {
            if (stopped[axis])
                continue;
            const CmdResp<MotorStatus> status = m_axis->readStatus(axis);
            if (status.type == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
            if (status.isOk())
                stopped[axis] = status.value().motion == 0;
            if (readPositions && m_axis->readPosition(axis).type == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
        }
        if (stopped[0] && stopped[1])
            return CmdRetType_::Ok;
        if (giveUp && giveUp())
            return CmdRetType_::Timeout;
        if (sleep(kPollMs))
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E MountAxisUtil::stopAxes() {
    for (AXISID axis : kAxes)
        if (repeatUntilOk([&] { return m_axis->stop(axis); }) != CmdRetType_::Ok)
            return CmdRetType_::Cancel;
    return CmdRetType_::Ok;
}

int64_t MountAxisUtil::moveTimeoutMs(double angle) {
    return static_cast<int64_t>(std::fabs(angle) * kMoveMsPerRad + kMoveBaseMs);
}

int64_t MountAxisUtil::backlashDurationMs(double backlash) {
    return static_cast<int64_t>(backlash * 1000 / kBacklashRate);
}

CmdResp<bool> MountAxisUtil::takeUpBacklashAxis(AXISID axis, double rate) {
    return axis == 0 ? takeUpBacklash(rate, {}) : takeUpBacklash({}, rate);
}

CmdResp<bool> MountAxisUtil::takeUpBacklashBoth(double rate1, double rate2) {
    return takeUpBacklash(rate1, rate2);
}

CmdResp<bool> MountAxisUtil::takeUpBacklash(Nullable<double> rate1, Nullable<double> rate2) {
    struct TakeUp {
        AXISID axis;
        double rate;
        int64_t ms;
    };
    const std::array<Nullable<double>, 2> rates = {rate1, rate2};
    const std::array<double, 2> backlash = {m_appCore->backlashAxis1(), m_appCore->backlashAxis2()};
    std::vector<TakeUp> needed;
    for (AXISID axis : kAxes) {
        if (!rates[axis].hasValue())
            continue;
        const double rate = rates[axis].value();
        const int64_t ms = backlashDurationMs(backlash[axis]);
        const Nullable<bool> lastPositive = m_axis->lastDirection(axis);
        // Only a slow motion that reverses the last one has the gear gap to close first.
        if (ms > kMinTakeUpMs && rate != 0 && lastPositive.hasValue() &&
            (rate > 0) != lastPositive.value() && std::fabs(rate) < kBacklashRate)
            needed.push_back({axis, rate, ms});
    }
    const LogIndentScope indent;
    if (needed.empty())
        return CmdResp<bool>::ok(false);

    const auto cancelled = CmdResp<bool>::fail(CmdRetType_::Cancel);
    auto stop = [&](AXISID axis) { return repeatUntilOk([&] { return m_axis->stop(axis); }); };
    for (const TakeUp& t : needed) {
        Log("Backlash take-up axis %u: %lld ms", t.axis + 1, static_cast<long long>(t.ms));
        const double rate = std::copysign(kBacklashRate, t.rate);
        if (repeatUntilOk([&] { return m_axis->slewAtRate(t.axis, rate); }) != CmdRetType_::Ok)
            return cancelled;
    }
    if (needed.size() == 1) {
        if (sleep(needed[0].ms))
            return cancelled;
        // With one axis asked for, its next command replaces the take-up motion.
        if (rate1.hasValue() && rate2.hasValue() && stop(needed[0].axis) != CmdRetType_::Ok)
            return cancelled;
        return CmdResp<bool>::ok(true);
    }
    // The shorter take-up ends first (axis 1 on a tie), the other after the difference.
    std::stable_sort(needed.begin(), needed.end(),
                     [](const TakeUp& a, const TakeUp& b) { return a.ms < b.ms; });
    if (sleep(needed[0].ms) || stop(needed[0].axis) != CmdRetType_::Ok)
        return cancelled;
    if (sleep(needed[1].ms - needed[0].ms) || stop(needed[1].axis) != CmdRetType_::Ok)
        return cancelled;
    return CmdResp<bool>::ok(true);
}

} // namespace Ko
