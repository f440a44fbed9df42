#include "align/centeringuistub.h"

#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/backgroundwork.h"
#include "base/koassert.h"
#include "mount/islewingcontrol.h"

namespace Ko {

CenteringUIStub::CenteringUIStub(std::shared_ptr<ISlewingControl> slewingControl,
                                 std::shared_ptr<IAstroCalc> astroCalc,
                                 std::shared_ptr<IAstroFormat> format)
    : m_slewingControl(std::move(slewingControl)), m_astroCalc(std::move(astroCalc)),
      m_format(std::move(format)), m_handover(std::make_unique<Handover>(this)) {
    KO_ASSERT(m_slewingControl && m_astroCalc && m_format);
    m_changedHandle = m_slewingControl->changed.append([this] { emit centerButtonReadyChanged(); });
}

CenteringUIStub::~CenteringUIStub() {
    // Waits for a notification running on another thread, so none reaches a destroyed stub.
    m_slewingControl->changed.remove(m_changedHandle);
}

void CenteringUIStub::showTarget(const std::string& name, const U_ASTRO_COORD& coord) {
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(coord, CoordType::AZTrue);
    const std::string text = m_format->formatAzAltWholeDegrees(azAlt.a, azAlt.b);
    // The pad and the page belong to the main thread. A call made there acts at once; one from
    // a worker is posted, and dropped if the stub is gone by then.
    m_handover->run(
        [this, title = QString::fromStdString(name), value = QString::fromStdString(text)] {
            m_slewingControl->setPromptEnabled(true);
            emit shouldShow(title, value);
        });
}

bool CenteringUIStub::centerButtonReady() const {
    const std::vector<bool> prompt = m_slewingControl->promptButton();
    const auto isSet = [&prompt](size_t i) { return i < prompt.size() && prompt[i]; };
    return !isSet(0) && !isSet(1);
}

void CenteringUIStub::center() {
    onCenter();
}

void CenteringUIStub::onClose() {
    m_slewingControl->setPromptEnabled(false);
}

} // namespace Ko
