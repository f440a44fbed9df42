#pragma once

#include "mount/currentmountsubscription.h"
#include "mount/islewingcontrol.h"

#include <array>
#include <atomic>
#include <memory>

namespace Ko {

class IMountConnection;

// A held pad sends one command per axis when its direction changes and none while it stays the
// same, so a change of rate while a button is held takes effect at the next change of direction.
// intRate and the enable entries belong to the main thread; the prompt switch is atomic.
// Threads: main thread only; promptButton and the change list any thread.
class SlewingControl : public ISlewingControl {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 8;
    static constexpr int kRateCount = 10;
    static constexpr int kInitialRate = 5;
    // Multiples of the sidereal rate, by intRate: fine centring at the bottom, the fastest slews
    // the controllers run at the top.
    static constexpr std::array<double, kRateCount> kRateFactors = {0.5, 1,   8,   16,  32,
                                                                    64,  128, 400, 600, 800};

    explicit SlewingControl(std::shared_ptr<IMountConnection> connection);

    int intRate() const override;
    std::vector<bool> promptButton() const override;
    std::vector<bool> enButton() const override;
    void setPromptEnabled(int on) override;
    void incrementIntRate(bool add) override;
    void inputButtons(std::vector<bool> buttonDown) override;

    // The enabled buttons for a held set, and the direction (-1, 0, +1) it gives axis 1 or 2.
    static std::vector<bool> enabledFor(const std::vector<bool>& held);
    static int directionFor(const std::vector<bool>& held, int axisIndex);

private:
    void notifyPromptChanged();

    const std::shared_ptr<IMountConnection> m_connection;
    int m_intRate = kInitialRate;
    std::atomic<bool> m_promptEnabled{false};
    std::vector<bool> m_enButton = std::vector<bool>(kButtonCount, true);
    // Last: ended first, so no notification reaches a control that is being destroyed.
    CurrentMountSubscription m_slewStateSubscription;
};

} // namespace Ko
