#include "align/paeroutine.h"

#include "align/centeringuistub.h"
#include "base/backgroundwork.h"
#include "base/ishortmessagesink.h"
#include "base/koassert.h"
#include "base/log.h"
#include "catalog/icatalogsettings.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>

#include <exception>

namespace Ko {

PAERoutine::PAERoutine(std::shared_ptr<IMountConnection> connection,
                       std::shared_ptr<CenteringUIStub> centering,
                       std::shared_ptr<IShortMessageSink> messages)
    : m_connection(std::move(connection)), m_centering(std::move(centering)),
      m_messages(std::move(messages)) {
    KO_ASSERT(m_connection && m_centering && m_messages);
}

void PAERoutine::start(const MountTarget& target) {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    const GotoClaim claim = GotoClaim::next(mount);
    {
        std::lock_guard lock(m_mutex);
        m_target = target;
        m_claim = claim;
    }
    if (!mount)
        return;
    std::weak_ptr<PAERoutine> weak = weak_from_this();
    const auto handle = mount->slewToFinished.append([weak, target, claim](CmdRet ret) {
        if (!ret.isOk())
            return;
        if (auto self = weak.lock())
            self->onGotoFinished(target, claim);
    });
    // A refused target starts no GoTo: the subscription would otherwise wait for the next
    // GoTo that someone else starts, and show the centering page for this target after it.
    if (!mount->slewToAsync(target)) {
        mount->slewToFinished.remove(handle);
        // The mount refuses a target outside the altitude limits only.
        const QString why = slewToProhibitionText(SlewToProhibition_::AltitudeOutOfRange);
        Log("PAERoutine: GoTo to %s refused: %s", target.name.c_str(), qPrintable(why));
        m_messages->sendShortMessage(why.toUtf8().constData());
    }
}

void PAERoutine::onGotoFinished(const MountTarget& target, const GotoClaim& claim) {
    // The centre button is pressed on the main thread: the callback is assigned there too, so the
    // press never reads it while this GoTo's thread writes it.
    std::weak_ptr<PAERoutine> weak = weak_from_this();
    runOnMainThread([weak, stub = std::weak_ptr(m_centering), target, claim] {
        const auto centering = stub.lock();
        if (!centering)
            return;
        centering->onCenter = [weak] {
            if (auto self = weak.lock())
                self->onCenterPressed();
        };
        centering->showTarget(target.name, target.coord, claim);
    });
}

void PAERoutine::onCenterPressed() {
    runInBackground("pointing-accuracy point", [self = shared_from_this()] { self->addPoint(); });
}

std::pair<MountTarget, GotoClaim> PAERoutine::lastTarget() const {
    std::lock_guard lock(m_mutex);
    return {m_target, m_claim};
}

void PAERoutine::addPoint() {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (!mount)
        return;
    const auto [target, claim] = lastTarget();
    // The page checked the claim at the press; a GoTo may have come since.
    if (!claim.holds(mount)) {
        Log("pointing-accuracy point for %s dropped: the mount was sent elsewhere",
            target.name.c_str());
        m_centering->dropPage();
        return;
    }
    CmdRetType_::E ret = CmdRetType_::Other;
    // Nothing may escape the measuring job: a malformed reply or a mount without a model ends up
    // as the same failure as an unanswered read.
    try {
        ret = mount->addPaePoint(target.name, target.coord);
    } catch (const std::exception& e) {
        Log("pointing-accuracy point failed: %s", e.what());
    }
    if (ret == CmdRetType_::Ok) {
        emit m_centering->shouldInclusivePop();
        return;
    }
    m_messages->sendShortMessage(
        QCoreApplication::translate("mount", "Communication error").toUtf8().constData());
}

} // namespace Ko
