#include "align/centeringuistub.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/backgroundwork.h"
#include "base/ishortmessagesink.h"
#include "base/koassert.h"
#include "base/log.h"
#include "mount/imountconnection.h"
#include "mount/islewingcontrol.h"

#include <QCoreApplication>

#include <functional>

namespace Ko {

CenteringUIStub::CenteringUIStub(std::shared_ptr<ISlewingControl> slewingControl,
                                 std::shared_ptr<IAstroCalc> astroCalc,
                                 std::shared_ptr<IAstroFormat> format,
                                 std::shared_ptr<IMountConnection> connection,
                                 std::shared_ptr<IShortMessageSink> messages)
    : m_slewingControl(std::move(slewingControl)), m_astroCalc(std::move(astroCalc)),
      m_format(std::move(format)), m_connection(std::move(connection)),
      m_messages(std::move(messages)), m_handover(std::make_unique<Handover>(this)) {
    KO_ASSERT(m_slewingControl && m_astroCalc && m_format && m_connection && m_messages);
    m_changedHandle = m_slewingControl->changed.append([this] { emit centerButtonReadyChanged(); });
    // Queued: the GoTo state changes on task and server threads; the page is the main thread's.
    connect(m_connection.get(), &IMountConnection::slewToStateChanged, this,
            &CenteringUIStub::onGotoStateChanged, Qt::QueuedConnection);
    // Closed by its workflow: a later press (a second tap) goes to the workflow, which knows
    // whether it still waits for one.
    connect(this, &CenteringUIStub::shouldInclusivePop, this, [this] { m_shown = false; });
}

QString CenteringUIStub::movedAwayText() {
    return QCoreApplication::translate("mount",
                                       "The mount was sent elsewhere: nothing was recorded");
}

CenteringUIStub::~CenteringUIStub() {
    // Waits for a notification running on another thread, so none reaches a destroyed stub.
    m_slewingControl->changed.remove(m_changedHandle);
}

void CenteringUIStub::showTarget(const std::string& name, const U_ASTRO_COORD& coord,
                                 const GotoClaim& claim) {
    // The pad and the page belong to the main thread. A call made there acts at once; one from
    // a worker is posted, and dropped if the stub is gone by then.
    m_handover->run([this, target = Target{QString::fromStdString(name), coord, claim}] {
        const std::shared_ptr<IMount> mount = m_connection->sharedMount();
        if (target.claim.holds(mount)) {
            m_waiting.reset();
            show(target);
        } else if (target.claim.awaitsEnd(mount)) {
            Log("Centering: %s shown once the GoTo under way ends", qPrintable(target.name));
            m_waiting = target;
        } else {
            // The mount may have been sent elsewhere while this was on its way.
            Log("Centering: %s not shown, the mount was sent elsewhere", qPrintable(target.name));
        }
    });
}

void CenteringUIStub::show(const Target& target) {
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(target.coord, CoordType::AZTrue);
    const QString value =
        QString::fromStdString(m_format->formatAzAltWholeDegrees(azAlt.a, azAlt.b));
    m_claim = target.claim;
    m_shown = true;
    m_slewingControl->setPromptEnabled(true);
    emit shouldShow(target.name, value);
}

void CenteringUIStub::onGotoStateChanged() {
    // A mount that goes away takes the page with it (the page sees to that itself).
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (m_waiting && !m_waiting->claim.awaitsEnd(mount)) {
        const Target target = *std::exchange(m_waiting, std::nullopt);
        if (target.claim.holds(mount)) {
            show(target);
        } else if (mount) {
            Log("Centering: %s not shown, the mount was sent elsewhere", qPrintable(target.name));
            m_messages->sendShortMessage(movedAwayText().toUtf8().constData());
        }
    }
    if (mount && m_shown && !m_claim.holds(mount))
        dropPage();
}

void CenteringUIStub::dropPage() {
    emit shouldInclusivePop();
    m_messages->sendShortMessage(movedAwayText().toUtf8().constData());
}

bool CenteringUIStub::centerButtonReady() const {
    const std::vector<bool> prompt = m_slewingControl->promptButton();
    const auto isSet = [&prompt](size_t i) { return i < prompt.size() && prompt[i]; };
    return !isSet(0) && !isSet(1);
}

void CenteringUIStub::center() {
    if (!onCenter)
        throw std::bad_function_call();
    if (m_shown && !m_claim.holds(m_connection->sharedMount())) {
        dropPage();
        return;
    }
    onCenter();
}

void CenteringUIStub::onClose() {
    m_slewingControl->setPromptEnabled(false);
}

void CenteringUIStub::onRemoved() {
    m_shown = false;
}

} // namespace Ko
