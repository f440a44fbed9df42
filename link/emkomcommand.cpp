#include "link/emkomcommand.h"

#include "base/clock.h"
#include "base/koassert.h"

namespace Ko {

EmKoMCommand::EmKoMCommand(std::shared_ptr<IClock> clock) : m_clock(std::move(clock)) {
    KO_ASSERT(m_clock);
}

CmdRetType_::E EmKoMCommand::initialize() {
    return CmdRetType_::Ok;
}

bool EmKoMCommand::lastEnableDualEncoders(AXISID) const {
    return false;
}

CmdRetType_::E EmKoMCommand::setEnableDualEncoders(AXISID, bool) {
    return CmdRetType_::Ok;
}

CmdRetType_::E EmKoMCommand::setGuidingSpeed(AXISID, GuidingSpeed_::E) {
    return CmdRetType_::Ok;
}

CmdRetType_::E EmKoMCommand::setPolarLEDBrightness(double) {
    return CmdRetType_::Ok;
}

bool EmKoMCommand::supportsPpec() const {
    return true;
}

bool EmKoMCommand::lastPpecTraining() const {
    std::lock_guard lock(m_mutex);
    return m_ppecTraining;
}

CmdResp<bool> EmKoMCommand::updatePpecTraining() {
    bool ended = false;
    bool training = false;
    {
        std::lock_guard lock(m_mutex);
        if (m_trainingStartMs.hasValue() &&
            m_clock->nowMs() > m_trainingStartMs.value() + kTrainingMs) {
            m_trainingStartMs.reset();
            m_ppecTraining = false;
            ended = true;
        }
        training = m_ppecTraining;
    }
    if (ended)
        ppecTrainingChanged();
    return CmdResp<bool>::ok(training);
}

CmdRetType_::E EmKoMCommand::setPpecTraining(bool start) {
    {
        std::lock_guard lock(m_mutex);
        if (m_ppecTraining == start)
            return CmdRetType_::Ok;
        // A training stopped by hand must not "end" again later and announce a change.
        if (start)
            m_trainingStartMs.set(m_clock->nowMs());
        else
            m_trainingStartMs.reset();
        m_ppecTraining = start;
    }
    ppecTrainingChanged();
    return CmdRetType_::Ok;
}

bool EmKoMCommand::lastPpecPlayback() const {
    std::lock_guard lock(m_mutex);
    return m_ppecPlayback;
}

CmdResp<bool> EmKoMCommand::updatePpecPlayback() {
    std::lock_guard lock(m_mutex);
    return CmdResp<bool>::ok(m_ppecPlayback);
}

CmdRetType_::E EmKoMCommand::setPpecPlayback(bool on) {
    {
        std::lock_guard lock(m_mutex);
        if (m_ppecPlayback == on)
            return CmdRetType_::Ok;
        m_ppecPlayback = on;
    }
    ppecPlaybackChanged();
    return CmdRetType_::Ok;
}

double EmKoMCommand::pePeriodSec() const {
    return kPePeriodSec;
}

bool EmKoMCommand::supportsExtended() const {
    return false;
}

CmdResp<uint64_t> EmKoMCommand::readMountClock() {
    return CmdResp<uint64_t>::ok(static_cast<uint64_t>(m_clock->nowMs()));
}

CmdResp<uint32_t> EmKoMCommand::syncMountClock(const std::shared_ptr<IClock>&) {
    return CmdResp<uint32_t>(CmdRetType_::Ok);
}

CmdResp<std::pair<double, double>>
EmKoMCommand::addPositionOffset(std::pair<double, double> offsets) {
    std::lock_guard lock(m_mutex);
    m_offsetSum.first += offsets.first;
    m_offsetSum.second += offsets.second;
    return CmdResp<std::pair<double, double>>::ok(m_offsetSum);
}

CmdRetType_::E EmKoMCommand::sendTimedTarget(int64_t, std::pair<double, double>,
                                             const Nullable<std::pair<double, double>>&,
                                             std::pair<double, double>*, uint64_t*, uint16_t*) {
    return CmdRetType_::Cancel;
}

CmdRetType_::E EmKoMCommand::readTargetStatus(uint16_t*) {
    return CmdRetType_::Cancel;
}

uint16_t EmKoMCommand::lastTargetStatus() const {
    return 0;
}

CmdRetType_::E EmKoMCommand::stopExtendedMotion() {
    return CmdRetType_::Cancel;
}

} // namespace Ko
