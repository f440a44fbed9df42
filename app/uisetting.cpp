#include "app/uisetting.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace Ko {

static_assert(std::bit_cast<std::uint64_t>(UISetting::kPaddingStep) == 0x3FCD791C5F888822ULL,
              "the padding step must be the exact double the stored paddings were made with");

UISetting::UISetting(std::shared_ptr<IKVStore> store)
    : m_footerPadding(store, "ui.slew_padding.bottom", 1), m_feedback(store, "ui.vib", true),
      m_keepScreenOn(std::move(store), "screen_on", false) {}

template <class T>
void UISetting::write(KVCachedSetting<T>& item, const T& value) {
    if (item.set(value))
        emit settingsChanged();
}

int UISetting::footerPadding() {
    return m_footerPadding.value();
}

void UISetting::setFooterPadding(int sliderPosition) {
    // QML can write any int: beyond the slider's range the pixels would not fit an int, and
    // converting such a double is undefined, so they stop at the largest int.
    const double pixels = std::ceil(std::exp(sliderPosition * kPaddingStep));
    const double largest = std::numeric_limits<int>::max();
    write(m_footerPadding, static_cast<int>(std::min(pixels, largest)));
}

bool UISetting::feedbackUtil() {
    return m_feedback.value();
}

void UISetting::setFeedbackUtil(bool on) {
    write(m_feedback, on);
}

bool UISetting::keepScreenOn() {
    return m_keepScreenOn.value();
}

void UISetting::setKeepScreenOn(bool on) {
    write(m_keepScreenOn, on);
}

void UISetting::platformFeedback() {
    // A platform with haptics would give its tick here when feedbackUtil() is on.
    feedbackUtil();
}

void UISetting::platformAlert() {
    // A platform with haptics would give its alert here when feedbackUtil() is on.
    feedbackUtil();
}

double UISetting::padding_PxToEx(double px) {
    return std::log(std::max(1.0, px)) / kPaddingStep;
}

} // namespace Ko
