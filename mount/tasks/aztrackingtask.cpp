#include "mount/tasks/aztrackingtask.h"

#include "astro/iastrocalc.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/ilocation.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/ikomcommand.h"
#include "link/imountaxis.h"
#include "model/ialignment.h"
#include "mount/imountaxisutil.h"
#include "mount/tasks/axisstoptask.h"
#include "mount/tasks/aztrackinglogger.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace Ko {

namespace {

// Near the zenith an open-loop azimuth rate grows without bound; no axis can follow it, and
// what no axis can follow is not sent.
double axisRateLimit(double rate) {
    if (std::isnan(rate))
        return 0.0;
    return std::clamp(rate, -kMaxAxisSlewRate, kMaxAxisSlewRate);
}

std::array<double, 2> asArray(const std::pair<double, double>& p) {
    return {p.first, p.second};
}
std::pair<double, double> asPair(const std::array<double, 2>& a) {
    return {a[0], a[1]};
}

} // namespace

AZTrackingTask::AZTrackingTask(
    std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
    std::shared_ptr<IMountAxisUtil> axisUtil, std::shared_ptr<ILocation> location,
    std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IClock> clock,
    std::shared_ptr<IAlignment> alignment, Nullable<TrackingRate> trackingRate,
    Nullable<MountTarget> mountTarget, std::shared_ptr<IKoMCommand> command)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)),
      m_axisUtil(std::move(axisUtil)), m_location(std::move(location)),
      m_astroCalc(std::move(astroCalc)), m_clock(std::move(clock)),
      m_alignment(std::move(alignment)), m_trackingRate(std::move(trackingRate)),
      m_mountTarget(std::move(mountTarget)), m_command(std::move(command)),
      m_baseRate(trackingBaseRate(m_trackingRate.hasValue()
                                      ? m_trackingRate.value()
                                      : static_cast<TrackingRate>(m_mountTarget.hasValue()
                                                                      ? m_mountTarget.value().kind
                                                                      : 0))) {
    KO_ASSERT(m_trackingRate.hasValue() != m_mountTarget.hasValue());
    KO_ASSERT(m_cancellable && m_axes && m_axisUtil && m_location && m_astroCalc && m_clock &&
              m_alignment && m_command);
    m_alignmentSubscription =
        m_alignment->alignmentChanged.append([this] { m_referenceStale.store(true); });
}

AZTrackingTask::~AZTrackingTask() {
    m_alignment->alignmentChanged.remove(m_alignmentSubscription);
}

bool AZTrackingTask::sleep(int64_t ms) {
    return m_cancellable->sleep(ms);
}

CmdRetType_::E AZTrackingTask::run() {
    const LogIndentScope indent;
    const bool extended = m_command->supportsExtended();
    Log("AZ tracking starts: %s", rateMode() ? "rate" : m_mountTarget.value().name.c_str());
    if (rateMode() && extended) {
        if (const CmdRetType_::E r = m_command->stopExtendedMotion(); r != CmdRetType_::Ok)
            return r;
    }
    // A stop whose reply was lost counts once the axis reports itself still.
    for (AXISID axis : {AXISID{0}, AXISID{1}})
        if (const CmdResp<bool> r = stopUntilTaken(*m_axes, *m_cancellable, axis, kRetryMs);
            !r.isOk())
            return r.type;
    if (const CmdRetType_::E r = m_axisUtil->waitAxesStopped(false); r != CmdRetType_::Ok)
        return r;
    // The axes stand: what ran before is over, and the tracking is taken only once the first
    // pass has set them going.
    if (m_atRest)
        m_atRest();
    if (rateMode()) {
        // A failed reference is taken again by a later pass.
        if (takeReference() == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        m_firstPass = true;
        if (extended) {
            if (const CmdRetType_::E r = m_command->syncMountClock(m_clock).type;
                r != CmdRetType_::Ok)
                return r;
        }
    }
    if (const auto logger = AZTrackingTuning::logger())
        logger->reset(kPassMs / 1000.0, AZTrackingTuning::p(), AZTrackingTuning::i(),
                      AZTrackingTuning::d());

    for (;;) {
        const int64_t t0 = m_clock->nowMs();
        m_rateUnanswered = false;
        CmdRetType_::E r;
        {
            const LogIndentScope passIndent;
            r = rateMode() && extended ? timedTargetPass() : ratePass();
        }
        if (r == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        if (r == CmdRetType_::Ok) {
            // Taken, or taken again after a rate that went unanswered.
            if (!std::exchange(m_motionTaken, true) || std::exchange(m_rateInDoubt, false)) {
                if (m_answered)
                    m_answered(true);
            }
        } else if (!m_motionTaken) {
            noteUnanswered();
        } else if (m_rateUnanswered && !std::exchange(m_rateInDoubt, true)) {
            // A lost read leaves the axes at their rates, but a rate command may stop an axis
            // before it restarts it: until a pass is taken again, the mount may stand.
            if (m_answered)
                m_answered(false);
        }
        if (sleep(std::max<int64_t>(0, t0 + kPassMs - m_clock->nowMs())))
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E AZTrackingTask::readAxisUntilOk(AXISID axis) {
    for (;;) {
        const CmdResp<double> r = m_axes->readPosition(axis);
        if (r.isOk()) {
            r.value();
            return CmdRetType_::Ok;
        }
        if (r.type == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        noteUnanswered();
        // A link that fails at once is not hammered.
        if (sleep(kRetryMs))
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E AZTrackingTask::readAxesAtOneTime(Reading* out) {
    for (AXISID axis : {AXISID{0}, AXISID{1}})
        if (const CmdRetType_::E r = readAxisUntilOk(axis); r != CmdRetType_::Ok)
            return r;
    for (;;) {
        const AxisAngleTime a1 = m_axes->lastPosition(0);
        const AxisAngleTime a2 = m_axes->lastPosition(1);
        if (std::llabs(a1.timeMs - a2.timeMs) <= kMaxReadSkewMs) {
            out->axes = {a1.angle, a2.angle};
            out->timeMs = (a1.timeMs + a2.timeMs) / 2;
            return CmdRetType_::Ok;
        }
        if (const CmdRetType_::E r = readAxisUntilOk(a1.timeMs < a2.timeMs ? 0 : 1);
            r != CmdRetType_::Ok)
            return r;
    }
}

CmdRetType_::E AZTrackingTask::takeReference() {
    Reading reading;
    if (const CmdRetType_::E r = readAxesAtOneTime(&reading); r != CmdRetType_::Ok)
        return r;
    const AnglePair sky = m_alignment->axesToSky(reading.axes);
    const U_ASTRO_COORD hdTrue =
        m_astroCalc->convertNow({sky.first, sky.second, CoordType::HDObsv}, CoordType::HDTrue);
    m_reference = {hdTrue.a, hdTrue.b};
    m_referenceTimeMs = reading.timeMs;
    m_previousTimeMs = reading.timeMs;
    m_previousAxes = reading.axes;
    m_referenceStale.store(false);
    m_previousRates = m_alignment->axisRates(sky, m_baseRate);
    m_integral = {0.0, 0.0};
    m_previousError = {0.0, 0.0};
    Log("AZ tracking reference: HA %.6f Dec %.6f", m_reference.first, m_reference.second);
    return CmdRetType_::Ok;
}

AZTrackingTask::Prediction AZTrackingTask::predict(int64_t timeMs) const {
    const double ha =
        m_reference.first + static_cast<double>(timeMs - m_referenceTimeMs) / 1000.0 * m_baseRate;
    const U_ASTRO_COORD observed =
        m_astroCalc->convertNow({ha, m_reference.second, CoordType::HDTrue}, CoordType::HDObsv);
    const AnglePair sky{observed.a, observed.b};
    const AnglePair cached{m_axes->lastPosition(0).angle, m_axes->lastPosition(1).angle};
    return {m_alignment->skyToAxes(sky, cached), m_alignment->axisRates(sky, m_baseRate)};
}

CmdResp<AZTrackingTask::AnglePair> AZTrackingTask::targetRates() const {
    const U_ASTRO_COORD azAlt =
        m_astroCalc->convertNow(m_mountTarget.value().coord, CoordType::AZTrue);
    const double phi = m_location->latitudeRad();
    const double w = m_baseRate;
    return CmdResp<AnglePair>::ok(
        {w * (std::sin(phi) - std::cos(phi) * std::cos(azAlt.a) * std::tan(azAlt.b)),
         w * std::cos(phi) * std::sin(azAlt.a)});
}

CmdResp<AZTrackingTask::AnglePair> AZTrackingTask::pidRates() {
    Reading measured;
    if (const CmdRetType_::E r = readAxesAtOneTime(&measured); r != CmdRetType_::Ok)
        return CmdResp<AnglePair>(r);
    Prediction predicted = predict(measured.timeMs);
    if (m_astroCalc->angularSeparation(measured.axes, predicted.axes) > kReReferenceRad) {
        if (const CmdRetType_::E r = takeReference(); r != CmdRetType_::Ok)
            return CmdResp<AnglePair>(r);
        m_firstPass = true;
        if (const CmdRetType_::E r = readAxesAtOneTime(&measured); r != CmdRetType_::Ok)
            return CmdResp<AnglePair>(r);
        predicted = predict(measured.timeMs);
        // Still far off right after a new reference: the model cannot place this position.
        // The next pass tries again rather than this one re-reading in a loop.
        if (m_astroCalc->angularSeparation(measured.axes, predicted.axes) > kReReferenceRad)
            return CmdResp<AnglePair>(CmdRetType_::Other);
    }

    double dt = static_cast<double>(measured.timeMs - m_previousTimeMs) / 1000.0;
    if (dt == 0.0)
        dt = kMinSampleSec;
    const double gains[3] = {AZTrackingTuning::p(), AZTrackingTuning::i(), AZTrackingTuning::d()};
    // Per axis: measured speed against the mean of the last two predicted rates.
    const auto now = asArray(measured.axes), before = asArray(m_previousAxes);
    const auto rateNow = asArray(predicted.rates), rateBefore = asArray(m_previousRates);
    const auto integralBefore = asArray(m_integral), errorBefore = asArray(m_previousError);
    std::array<double, 2> error{}, integral{}, derivative{}, output{}, commanded{};
    for (size_t k = 0; k < 2; ++k) {
        const double speed = (now[k] - before[k]) / dt;
        error[k] = speed - (rateBefore[k] + rateNow[k]) / 2;
        integral[k] = integralBefore[k] + error[k] * dt;
        derivative[k] = (error[k] - errorBefore[k]) / dt;
        output[k] = gains[0] * error[k] + gains[1] * integral[k] + gains[2] * derivative[k];
        commanded[k] = rateNow[k] - output[k];
    }
    if (const auto logger = AZTrackingTuning::logger())
        logger->log(static_cast<double>(measured.timeMs - m_referenceTimeMs) / 1000.0, error[0],
                    error[1], integral[0], integral[1], derivative[0], derivative[1],
                    asPair(output));
    m_previousTimeMs = measured.timeMs;
    m_previousAxes = measured.axes;
    m_previousRates = predicted.rates;
    m_integral = asPair(integral);
    m_previousError = asPair(error);
    return CmdResp<AnglePair>::ok(asPair(commanded));
}

CmdResp<AZTrackingTask::AnglePair> AZTrackingTask::rates() {
    return rateMode() ? pidRates() : targetRates();
}

CmdRetType_::E AZTrackingTask::ratePass() {
    CmdResp<AnglePair> r = rates();
    if (!r.isOk())
        return r.type;
    while (!rateMode() || m_firstPass) {
        const CmdResp<bool> takeUp =
            m_axisUtil->takeUpBacklashBoth(r.value().first, r.value().second);
        if (!takeUp.isOk())
            return takeUp.type;
        m_firstPass = false;
        if (!takeUp.value())
            break;
        // The take-up moved the axes: start from where they are now.
        if (rateMode()) {
            if (const CmdRetType_::E ref = takeReference(); ref != CmdRetType_::Ok)
                return ref;
            m_firstPass = false;
        }
        r = rates();
        if (!r.isOk())
            return r.type;
    }
    const AnglePair commanded{axisRateLimit(r.value().first), axisRateLimit(r.value().second)};
    // Both axes are given their rate even when the first refuses; the pass counts as taken only
    // when both took it.
    CmdRetType_::E result = CmdRetType_::Ok;
    for (AXISID axis : {AXISID{0}, AXISID{1}}) {
        const double rate = axis == 0 ? commanded.first : commanded.second;
        const CmdRetType_::E slew = m_axes->slewAtRate(axis, rate);
        if (slew == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        if (slew == CmdRetType_::Ok) {
            m_axes->assumeRate(axis, rate);
        } else {
            m_rateUnanswered = true;
            result = slew;
        }
    }
    return result;
}

void AZTrackingTask::noteUnanswered() {
    if (m_motionTaken || m_unansweredTold)
        return;
    m_unansweredTold = true;
    if (m_answered)
        m_answered(false);
}

CmdRetType_::E AZTrackingTask::timedTargetPass() {
    for (;;) {
        CmdResp<AnglePair> read = m_axes->readPositions();
        while (!read.isOk()) {
            if (read.type == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
            noteUnanswered();
            if (sleep(kRetryMs))
                return CmdRetType_::Cancel;
            read = m_axes->readPositions();
        }
        const Prediction now = predict(m_clock->nowMs());
        if (m_astroCalc->angularSeparation(read.value(), now.axes) > kReReferenceRad ||
            m_referenceStale.load()) {
            if (const CmdRetType_::E r = takeReference(); r != CmdRetType_::Ok)
                return r;
        }
        const CmdResp<bool> takeUp =
            m_axisUtil->takeUpBacklashBoth(now.rates.first, now.rates.second);
        if (!takeUp.isOk())
            return takeUp.type;
        if (takeUp.value()) {
            if (const CmdRetType_::E r = takeReference(); r != CmdRetType_::Ok)
                return r;
            if (sleep(kRetryMs))
                return CmdRetType_::Cancel;
            continue;
        }
        // The mount answers how many targets it can take: spread that many over the next pass.
        uint16_t freeSlots = 0;
        const CmdRetType_::E count = m_command->readTargetStatus(&freeSlots);
        if (count == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        if (count != CmdRetType_::Ok || freeSlots == 0) {
            if (count != CmdRetType_::Ok)
                noteUnanswered();
            if (sleep(kRetryMs))
                return CmdRetType_::Cancel;
            continue;
        }
        const int64_t stepMs = std::max<int64_t>(kPassMs / freeSlots, kMinTargetSpacingMs);
        const int64_t targets = kPassMs / stepMs;
        const int64_t base = m_clock->nowMs();
        bool sent = false;
        for (int64_t j = 1; j <= targets; ++j) {
            const int64_t t = base + j * stepMs;
            if (m_lastTargetTimeMs.hasValue() && t <= m_lastTargetTimeMs.value())
                continue;
            const Prediction at = predict(t);
            if (const CmdRetType_::E r =
                    m_command->sendTimedTarget(t, at.axes, {}, nullptr, nullptr, nullptr);
                r != CmdRetType_::Ok) {
                m_rateUnanswered = r != CmdRetType_::Cancel;
                return r;
            }
            m_lastTargetTimeMs.set(t);
            if (!sent) {
                m_axes->assumeRate(0, now.rates.first);
                m_axes->assumeRate(1, now.rates.second);
                sent = true;
            }
        }
        return CmdRetType_::Ok;
    }
}

} // namespace Ko
