#pragma once

#include "astro/coordtype.h"
#include "base/callbacklist.h"
#include "mount/gotoclaim.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ko {

class Handover;
class IAstroCalc;
class IAstroFormat;
class IMountConnection;
class IShortMessageSink;
class ISlewingControl;

// The "Manually Center" page: it shows a target's name with its azimuth and altitude, blinks the
// direction buttons the user should finish with, and hands the press of its centre button to the
// workflow that assigned onCenter last (alignment, polar alignment and pointing accuracy take
// turns). Workflows call showTarget and emit shouldInclusivePop from their worker and task
// threads; showTarget does its page work on the stub's own (main) thread, and the signals reach
// QML queued. The stub holds no lock: onCenter is assigned before the page is shown.
//
// The page belongs to the GoTo that brought the mount to its target (its claim): once any other
// GoTo has taken the mount elsewhere, the target on the page is not where the mount points, and
// a press would sync or measure the wrong object. The page then closes at the other GoTo's start,
// whether it is in front or covered by another page, and the user is told why; a press that
// comes before the news of that GoTo closes it too and does not reach the workflow.
// A page whose claim waits for a GoTo still under way (a star to be brought into view by hand, a
// level tube, while the mount is still moving) is shown when that GoTo ends, or, if another GoTo
// follows it, not at all, and the user is told why.
// Threads: any thread for showTarget and the signals; the rest main thread only.
class CenteringUIStub : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool centerButtonReady READ centerButtonReady NOTIFY centerButtonReadyChanged)
public:
    CenteringUIStub(std::shared_ptr<ISlewingControl> slewingControl,
                    std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> format,
                    std::shared_ptr<IMountConnection> connection,
                    std::shared_ptr<IShortMessageSink> messages);
    ~CenteringUIStub() override;

    // What the user is told when a step that followed a GoTo finds the mount sent elsewhere.
    static QString movedAwayText();

    // Empty until a workflow assigns it; center() then throws std::bad_function_call.
    std::function<void()> onCenter;

    // Any thread. Switches the pad's prompt on and shows the page with the target's azimuth and
    // altitude as they are when it shows, for as long as claim holds; where the claim waits for
    // a GoTo under way, once that GoTo has ended.
    void showTarget(const std::string& name, const U_ASTRO_COORD& coord, const GotoClaim& claim);

    // Centring ends with the positive direction buttons: the centre button is ready while no
    // axis was last moved in its negative direction (or while nothing is prompted).
    bool centerButtonReady() const;

    // Any thread: closes the page, whose GoTo another one has followed, and tells the user why.
    void dropPage();

    // Hands the press to the workflow while the page's claim holds; otherwise closes the page.
    Q_INVOKABLE void center();
    // The page was left, or another page covers it: the pad stops prompting.
    Q_INVOKABLE void onClose();
    // The page left the page stack: a GoTo from now on has no page to close.
    Q_INVOKABLE void onRemoved();

signals:
    void centerButtonReadyChanged();
    void shouldShow(QString targetName, QString coord);
    void shouldInclusivePop();

private:
    struct Target {
        QString name;
        U_ASTRO_COORD coord;
        GotoClaim claim;
    };

    // A GoTo started or ended: the page goes when its claim no longer holds, and a page that
    // waited for the GoTo under way shows.
    void onGotoStateChanged();
    // Main thread: shows the page of target, whose claim holds.
    void show(const Target& target);

    const std::shared_ptr<ISlewingControl> m_slewingControl;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_format;
    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<IShortMessageSink> m_messages;
    eventpp::CallbackList<void()>::Handle m_changedHandle;
    // Main thread: the claim of the page shown last, and whether that page is still on the stack
    // (until a workflow closes it or the user leaves it), in front or covered.
    GotoClaim m_claim;
    bool m_shown = false;
    // Main thread: the page to show when the GoTo under way ends.
    std::optional<Target> m_waiting;
    const std::unique_ptr<Handover> m_handover;
};

} // namespace Ko
