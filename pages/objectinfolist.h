#pragma once

#include "base/nullable.h"
#include "catalog/astroobj.h"
#include "catalog/icatalogsettings.h"
#include "pages/iinformationpage.h"

#include <QTimer>
#include <QVariant>

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroFormat;
class IMountConnection;
class IPAERoutine;
class IVisibility;

// The object information page: the shown object's names, coordinates in every frame and today's
// rise, transit and set as sectioned rows, rebuilt every 500 ms while the page is active so the
// apparent positions move with the sky, and the start of a GoTo (through the pointing-accuracy
// routine) or of point-and-track. Whether a GoTo is refused is decided once per shown object, when
// it is shown.
// Threads: main thread only.
class ObjectInfoList : public IInformationPage {
    Q_OBJECT
    Q_PROPERTY(QVariant slewToProhibition READ slewToProhibitionVariant NOTIFY objectChanged_q)
public:
    static constexpr int kUpdateIntervalMs = 500;

    ObjectInfoList(std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> format,
                   std::shared_ptr<IMountConnection> connection,
                   std::shared_ptr<IVisibility> visibility, std::shared_ptr<IPAERoutine> paeRoutine,
                   std::shared_ptr<ICatalogSettings> catalogSettings);
    ~ObjectInfoList() override;

    Q_INVOKABLE void setUpdating(bool value) override;
    QmlSectionListModel* listModel() const override { return m_model.get(); }
    Q_INVOKABLE virtual void astroObjShow(Ko::AstroObj ao);
    Q_INVOKABLE void startGoTo() { startSlewToShownObject(false); }
    Q_INVOKABLE void startPointAndTrack() { startSlewToShownObject(true); }

    const AstroObj& shownObject() const { return m_shownObject; }
    const Nullable<SlewToProhibition_::E>& slewToProhibition() const { return m_slewToProhibition; }
    bool isUpdating() const { return m_updateTimer.isActive(); }

signals:
    void objectChanged_q();

private:
    void update();
    void startSlewToShownObject(bool pointAndTrack);
    // Undefined in QML while no GoTo is refused.
    QVariant slewToProhibitionVariant() const;

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroFormat> m_format;
    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<IVisibility> m_visibility;
    const std::shared_ptr<IPAERoutine> m_paeRoutine;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    AstroObj m_shownObject;
    Nullable<SlewToProhibition_::E> m_slewToProhibition;
    QTimer m_updateTimer;
    const std::unique_ptr<QmlSectionListModel> m_model;
};

} // namespace Ko
