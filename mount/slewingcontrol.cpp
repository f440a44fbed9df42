#include "mount/slewingcontrol.h"

#include "base/koassert.h"
#include "link/ikodevice.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <algorithm>
#include <initializer_list>

namespace Ko {

namespace {

bool isHeld(const std::vector<bool>& held, size_t button) {
    return button < held.size() && held[button];
}

std::vector<bool> only(std::initializer_list<size_t> buttons) {
    std::vector<bool> enabled(SlewingControl::kButtonCount, false);
    for (size_t b : buttons)
        enabled[b] = true;
    return enabled;
}

} // namespace

SlewingControl::SlewingControl(std::shared_ptr<IMountConnection> connection)
    : m_connection(std::move(connection)),
      m_slewStateSubscription(
          m_connection, &IMount::axisSlewStateChanged, [this] { notifyPromptChanged(); },
          [this] { notifyPromptChanged(); }) {
    KO_ASSERT(m_connection);
}

void SlewingControl::notifyPromptChanged() {
    changed();
    emit promptButtonChanged_q();
}

int SlewingControl::intRate() const {
    return m_intRate;
}

std::vector<bool> SlewingControl::promptButton() const {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (!mount || !m_promptEnabled)
        return {false, false};
    return {!mount->axisSlewFlag(0), !mount->axisSlewFlag(1)};
}

std::vector<bool> SlewingControl::enButton() const {
    return m_enButton;
}

void SlewingControl::setPromptEnabled(int on) {
    m_promptEnabled = on != 0;
    notifyPromptChanged();
}

void SlewingControl::incrementIntRate(bool add) {
    const int next = std::clamp(m_intRate + (add ? 1 : -1), 0, kRateCount - 1);
    if (next == m_intRate)
        return;
    m_intRate = next;
    emit intRateChanged();
}

std::vector<bool> SlewingControl::enabledFor(const std::vector<bool>& held) {
    const auto h = [&held](size_t b) { return isHeld(held, b); };
    // The first rule that matches: a diagonal, or two neighbouring straight buttons, leaves only
    // that diagonal and its components; a straight button disables its opposite and the two
    // diagonals pointing against it.
    if (h(6) || (h(1) && h(2)))
        return only({1, 2, 6});
    if (h(4) || (h(0) && h(2)))
        return only({0, 2, 4});
    if (h(7) || (h(1) && h(3)))
        return only({1, 3, 7});
    if (h(5) || (h(0) && h(3)))
        return only({0, 3, 5});
    if (h(0))
        return only({0, 2, 3, 4, 5});
    if (h(1))
        return only({1, 2, 3, 6, 7});
    if (h(2))
        return only({0, 1, 2, 4, 6});
    if (h(3))
        return only({0, 1, 3, 5, 7});
    return std::vector<bool>(kButtonCount, true);
}

int SlewingControl::directionFor(const std::vector<bool>& held, int axisIndex) {
    // Buttons that move the axis in its positive and in its negative direction.
    static constexpr size_t kPositive[2][3] = {{0, 4, 5}, {2, 4, 6}};
    static constexpr size_t kNegative[2][3] = {{1, 6, 7}, {3, 5, 7}};
    const auto any = [&held](const size_t(&buttons)[3]) {
        return std::any_of(std::begin(buttons), std::end(buttons),
                           [&held](size_t b) { return isHeld(held, b); });
    };
    const bool positive = any(kPositive[axisIndex]);
    const bool negative = any(kNegative[axisIndex]);
    return positive == negative ? 0 : (positive ? 1 : -1);
}

void SlewingControl::inputButtons(std::vector<bool> buttonDown) {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (!mount)
        return;
    m_enButton = enabledFor(buttonDown);
    const double rate = kSiderealRate * kRateFactors[static_cast<size_t>(m_intRate)];
    for (AXISID axis : {0u, 1u}) {
        const int direction = directionFor(buttonDown, static_cast<int>(axis));
        if (direction != mount->axisSlewState(axis))
            mount->slewAxisAsync(axis, direction * rate);
    }
    emit enButtonChanged();
}

} // namespace Ko
