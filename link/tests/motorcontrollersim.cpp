#include "link/tests/motorcontrollersim.h"

#include <cstdio>
#include <utility>

namespace Ko {

namespace {

constexpr uint32_t kPositionOffset = 0x800000;

// Six hex digits, least significant byte first; none when malformed.
Nullable<uint32_t> hex24(const std::string& digits) {
    if (digits.size() != 6)
        return {};
    uint32_t value = 0;
    for (int pair = 2; pair >= 0; --pair) {
        unsigned byte = 0;
        if (std::sscanf(digits.substr(static_cast<size_t>(pair) * 2, 2).c_str(), "%2X", &byte) != 1)
            return {};
        value = value << 8 | byte;
    }
    return value;
}

std::string value24(uint32_t v) {
    char out[16];
    std::snprintf(out, sizeof out, "=%02X%02X%02X\r", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    return out;
}

} // namespace

Nullable<CBytes> MotorControllerSim::answer(const CBytes& request) {
    std::string r(request.begin(), request.end());
    if (!r.empty() && r[0] == ':') {
        std::lock_guard lock(m_mutex);
        if (m_answersBeforeRestart == 0) {
            m_answersBeforeRestart = -1;
            m_lostLeft = m_lostToRestart;
            if (m_restartWhenLost)
                restartLocked();
        }
        if (m_lostLeft > 0) {
            --m_lostLeft;
            return {};
        }
        if (m_answersBeforeRestart > 0)
            --m_answersBeforeRestart;
    }
    if (r.size() < 4 || r[0] != ':' || r.back() != '\r' || (r[2] != '1' && r[2] != '2'))
        return CBytes::fromStdString("!0\r");
    r.pop_back();
    const std::string payload = r.substr(3);
    std::lock_guard lock(m_mutex);
    Axis& a = m_axes[r[2] == '1' ? 0 : 1];
    std::string reply = "=\r";
    switch (r[1]) {
    case 'e':
        reply = m_versionReply;
        break;
    case 'a':
        reply = value24(kCountsPerRev);
        break;
    case 'b':
        reply = "=A0FD00\r";
        break;
    case 'g':
        reply = "=100000\r";
        break;
    case 'q':
        reply = "=000000\r";
        break;
    case 'f':
        reply = statusReply(a);
        break;
    case 'j':
        reply = value24(static_cast<uint32_t>(a.counts) + kPositionOffset);
        break;
    case 'E':
        if (const auto v = hex24(payload); v.hasValue() && !a.moving)
            a.counts = static_cast<int32_t>(v.value() - kPositionOffset);
        else
            reply = "!0\r";
        break;
    case 'F':
        a.initialised = true;
        break;
    case 'G':
        if (payload.size() != 2 || a.moving) {
            reply = "!0\r";
            break;
        }
        a.nextGoto = payload[0] == '0' || payload[0] == '2';
        a.nextPositive = payload[1] == '0' || payload[1] == '2';
        break;
    case 'H':
        if (const auto v = hex24(payload); v.hasValue())
            a.increment = v.value();
        break;
    case 'J':
        if (a.moving) {
            reply = "!0\r";
            break;
        }
        ++m_starts;
        a.moving = true;
        a.gotoMode = a.nextGoto;
        a.positive = a.nextPositive;
        a.target = a.counts + (a.positive ? 1 : -1) * static_cast<int32_t>(a.increment);
        break;
    case 'K':
    case 'L':
        ++m_stops;
        if (a.moving && a.stopping < 0)
            a.stopping = r[1] == 'L' ? 0 : m_stopReads;
        if (a.stopping == 0) {
            a.moving = false;
            a.stopping = -1;
        }
        break;
    case 's':
        reply = "!0\r";
        break;
    default:
        break;
    }
    return CBytes::fromStdString(reply);
}

std::string MotorControllerSim::statusReply(Axis& a) {
    if (a.stopping > 0 && --a.stopping == 0) {
        a.moving = false;
        a.stopping = -1;
    }
    std::string reply = "=000\r";
    reply[1] = static_cast<char>('0' + (a.gotoMode ? 0 : 1) + (a.positive ? 0 : 2));
    reply[2] = a.moving ? '1' : '0';
    reply[3] = a.initialised ? '1' : '0';
    return reply;
}

void MotorControllerSim::powerCycle() {
    std::lock_guard lock(m_mutex);
    restartLocked();
}

void MotorControllerSim::restartLocked() {
    for (Axis& a : m_axes)
        a = Axis{.travelled = a.travelled};
}

void MotorControllerSim::restartAfter(int n, int lost) {
    std::lock_guard lock(m_mutex);
    m_answersBeforeRestart = n;
    m_lostToRestart = lost;
    m_restartWhenLost = true;
}

void MotorControllerSim::falterAfter(int n, int lost) {
    std::lock_guard lock(m_mutex);
    m_answersBeforeRestart = n;
    m_lostToRestart = lost;
    m_restartWhenLost = false;
}

void MotorControllerSim::endBoot() {
    std::lock_guard lock(m_mutex);
    m_lostLeft = 0;
}

void MotorControllerSim::setVersionDigits(const std::string& digits) {
    std::lock_guard lock(m_mutex);
    m_versionReply = "=" + digits + "\r";
}

int64_t MotorControllerSim::travelled(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].travelled;
}

void MotorControllerSim::initialise(AXISID axis, int32_t counts) {
    std::lock_guard lock(m_mutex);
    Axis& a = m_axes[axisSlot(axis)];
    a.initialised = true;
    a.counts = counts;
}

void MotorControllerSim::startSlew(AXISID axis, bool positive) {
    std::lock_guard lock(m_mutex);
    Axis& a = m_axes[axisSlot(axis)];
    a.initialised = true;
    a.moving = true;
    a.gotoMode = false;
    a.positive = positive;
}

void MotorControllerSim::arrive() {
    std::lock_guard lock(m_mutex);
    for (Axis& a : m_axes) {
        if (!a.moving || !a.gotoMode)
            continue;
        a.travelled += a.target - a.counts;
        a.counts = a.target;
        a.moving = false;
        a.stopping = -1;
    }
}

void MotorControllerSim::setStopReads(int reads) {
    std::lock_guard lock(m_mutex);
    m_stopReads = reads;
}

void MotorControllerSim::settle() {
    std::lock_guard lock(m_mutex);
    for (Axis& a : m_axes) {
        if (a.stopping < 0)
            continue;
        a.moving = false;
        a.stopping = -1;
    }
}

bool MotorControllerSim::moving(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].moving;
}

bool MotorControllerSim::initialised(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].initialised;
}

int32_t MotorControllerSim::counts(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axes[axisSlot(axis)].counts;
}

int MotorControllerSim::takeStarts() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_starts, 0);
}

int MotorControllerSim::takeStops() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_stops, 0);
}

} // namespace Ko
