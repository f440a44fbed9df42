#pragma once

#include "app/iuisetting.h"
#include "base/kvcachedsetting.h"

#include <memory>

namespace Ko {

class IKVStore;

// The three preferences, each loaded at its first read and saved at once when it changes; a
// write of the stored value saves nothing and signals nothing. The padding grows exponentially
// with the slider: position e stores ceil(exp(e * kPaddingStep)) pixels, so the slider's 0 to 20
// cover 1 to 100 pixels. This desktop build has no haptics and no screen lock to hold off: the
// feedback calls and keepScreenOn are stored preferences only.
// Threads: main thread only.
class UISetting : public IUISetting {
    Q_OBJECT
public:
    // One unit in the last place below the double nearest ln(10) / 10, so that positions 10 and
    // 20 give exactly 10 and 100 pixels instead of 11 and 101.
    static constexpr double kPaddingStep = 0.23025850929940456;

    explicit UISetting(std::shared_ptr<IKVStore> store);

    int footerPadding() override;
    void setFooterPadding(int sliderPosition) override;
    bool feedbackUtil() override;
    void setFeedbackUtil(bool on) override;
    bool keepScreenOn() override;
    void setKeepScreenOn(bool on) override;
    void platformFeedback() override;
    void platformAlert() override;
    double padding_PxToEx(double px) override;

private:
    template <class T>
    void write(KVCachedSetting<T>& item, const T& value);

    KVCachedSetting<int> m_footerPadding;
    KVCachedSetting<bool> m_feedback;
    KVCachedSetting<bool> m_keepScreenOn;
};

} // namespace Ko
