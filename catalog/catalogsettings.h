#pragma once

#include "base/kvcachedsetting.h"
#include "catalog/icatalogsettings.h"
#include "mount/igotoguard.h"

#include <memory>

namespace Ko {

class AltRange;
class IAstroCalc;
class IClock;
class IKVStore;
class ISunVisibility;

// The catalog settings over the settings store, with the GoTo altitude limits of AltRange and the
// Sun guard. Permission to observe the Sun holds until a whole UTC hour 11 to 12 hours after it
// was given and lapses by itself, without a write or a signal. Values load on first read. As the
// mount's GoTo guard it refuses what slewToProhibition refuses near the Sun.
// Threads: any thread.
class CatalogSettings : public ICatalogSettings, public IGoToGuard {
    Q_OBJECT
public:
    CatalogSettings(std::shared_ptr<IKVStore> kvStore, std::shared_ptr<IClock> clock,
                    std::shared_ptr<AltRange> altRange, std::shared_ptr<IAstroCalc> astroCalc,
                    std::shared_ptr<ISunVisibility> sunVisibility);
    ~CatalogSettings() override;

    CatalogSortOrder_::E sortOrder() const override;
    void setSortOrder(CatalogSortOrder_::E v) override;
    bool enableVmagFilter() const override;
    void setEnableVmagFilter(bool v) override;
    float maxStarVmag() const override;
    void setMaxStarVmag(float v) override;
    float maxDsoVmag() const override;
    void setMaxDsoVmag(float v) override;
    bool enableAltRangeViewFilter() const override;
    void setEnableAltRangeViewFilter(bool v) override;
    bool enableObserveSun() const override;
    void setEnableObserveSun(bool v) override;

    bool isFilteredOut(const AstroObj& obj, bool useDsoVmagLimit,
                       const Nullable<CoordPair>& azAlt) const override;
    Nullable<SlewToProhibition_::E>
    slewToProhibition(const CoordPair& raDecNow, const Nullable<CoordPair>& azAlt) const override;

    QString goToRefusal(double raNow, double decNow) const override;

private:
    template <class T>
    void write(KVCachedSetting<T>& setting, const T& v);
    void announce();
    int currentUnixHour() const;
    double altitudeOf(const CoordPair& raDecNow, const Nullable<CoordPair>& azAlt) const;

    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<AltRange> m_altRange;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<ISunVisibility> m_sunVisibility;
    KVCachedSetting<CatalogSortOrder_::E> m_sortOrder;
    KVCachedSetting<bool> m_vmagFilter;
    KVCachedSetting<float> m_maxStarVmag;
    KVCachedSetting<float> m_maxDsoVmag;
    KVCachedSetting<bool> m_altRangeViewFilter;
    KVCachedSetting<bool> m_observeSun;
    KVCachedSetting<int> m_observeSunExpiryUnixHour;
    eventpp::CallbackList<void()>::Handle m_altRangeSubscription;
};

} // namespace Ko
