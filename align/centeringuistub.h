#pragma once

#include "astro/coordtype.h"
#include "base/callbacklist.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace Ko {

class Handover;
class IAstroCalc;
class IAstroFormat;
class ISlewingControl;

// The "Manually Center" page: it shows a target's name with its azimuth and altitude, blinks the
// direction buttons the user should finish with, and hands the press of its centre button to the
// workflow that assigned onCenter last (alignment, polar alignment and pointing accuracy take
// turns). Workflows call showTarget and emit shouldInclusivePop from their worker and task
// threads; showTarget does its page work on the stub's own (main) thread, and the signals reach
// QML queued. The stub holds no lock: onCenter is assigned before the page is shown.
// Threads: any thread for showTarget and the signals; the rest main thread only.
class CenteringUIStub : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool centerButtonReady READ centerButtonReady NOTIFY centerButtonReadyChanged)
public:
    CenteringUIStub(std::shared_ptr<ISlewingControl> slewingControl,
                    std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> format);
    ~CenteringUIStub() override;

    // Empty until a workflow assigns it; center() then throws std::bad_function_call.
    std::function<void()> onCenter;

    // Any thread. Switches the pad's prompt on and shows the page with the target's azimuth and
    // altitude as they are at the call.
    void showTarget(const std::string& name, const U_ASTRO_COORD& coord);

    // Centring ends with the positive direction buttons: the centre button is ready while no
    // axis was last moved in its negative direction (or while nothing is prompted).
    bool centerButtonReady() const;

    Q_INVOKABLE void center();
    // The page was left: the pad stops prompting.
    Q_INVOKABLE void onClose();

signals:
    void centerButtonReadyChanged();
    void shouldShow(QString targetName, QString coord);
    void shouldInclusivePop();

private:
    const std::shared_ptr<ISlewingControl> m_slewingControl;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_format;
    eventpp::CallbackList<void()>::Handle m_changedHandle;
    const std::unique_ptr<Handover> m_handover;
};

} // namespace Ko
