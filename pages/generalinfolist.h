#pragma once

#include "base/callbacklist.h"
#include "pages/iinformationpage.h"

#include <atomic>
#include <memory>

class QTimer;

namespace Ko {

class IAlignmentDataContainer;
class IAstroCalc;
class IAstroClock;
class IAstroFormat;
class IMountConnection;

// The general information page: where the mount points, the pole star for the polar scope, the
// sidereal and civil clocks, the pointing model's terms and the versions, in fourteen rows that
// never change in number. The rows are rebuilt every 500 ms while the page is shown and on every
// position report of the mount; while shown, the page asks the mount to keep its position fresh,
// so it never talks to the mount itself.
// Threads: main thread only, but for the mount-changed callback (any thread), which only looks at
// the timer and asks the new mount for position keeping.
class GeneralInfoList : public IInformationPage {
    Q_OBJECT
public:
    static constexpr int kUpdateIntervalMs = 500;
    static constexpr int kRowCount = 14;

    GeneralInfoList(std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> format,
                    std::shared_ptr<IMountConnection> connection,
                    std::shared_ptr<IAlignmentDataContainer> alignmentData,
                    std::shared_ptr<IAstroClock> astroClock);
    ~GeneralInfoList() override;

    Q_INVOKABLE void setUpdating(bool value) override;
    QmlSectionListModel* listModel() const override { return m_model.get(); }

    bool isUpdating() const;

private:
    void update();

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_format;
    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<IAlignmentDataContainer> m_alignmentData;
    const std::shared_ptr<IAstroClock> m_astroClock;
    const std::shared_ptr<QTimer> m_timer;
    const std::unique_ptr<QmlSectionListModel> m_model;
    // Mirrors the timer for the mount-changed callback, which may run on another thread.
    std::atomic<bool> m_updating{false};
    eventpp::CallbackList<void()>::Handle m_mountChangedHandle;
};

} // namespace Ko
