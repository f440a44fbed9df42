#pragma once

#include "mount/profiles/itaskprofile_ce.h"
#include "mount/profiles/userobjectrecord.h"

#include <memory>

namespace Ko {

class IGoToGuard;

// A GoTo asks goToGuard first, with the target of date, and the mount only when it lets it pass:
// a place near the Sun is refused here as every other GoTo refuses it.
// Threads: main thread only.
class TaskProfile_CE : public UserObjectRecord<ITaskProfile_CE> {
    Q_OBJECT
public:
    // goToGuard may be null only for records that never go anywhere (a codec's own tests).
    TaskProfile_CE(std::shared_ptr<IAstroCalc> astroCalc,
                   std::shared_ptr<IMountConnection> mountConnection,
                   std::shared_ptr<const IGoToGuard> goToGuard);

    void startGoTo() override;
    TaskProfile_CE* clone() const override;
    double ra() const override;
    double dec() const override;
    bool isJ2000() const override;
    void setRa(double hours) override;
    void setDec(double degrees) override;
    void setIsJ2000(bool j2000) override;

protected:
    UserObjectReader reader() const override;
    void setReading(const UserObjectReading& reading) override;

private:
    const std::shared_ptr<const IGoToGuard> m_goToGuard;
    double m_ra = 0;
    double m_dec = 0;
    bool m_isJ2000 = true;
};

// Makes records with the defaults, each given the same three services.
class TaskProfile_CE_Factory : public ITaskProfile_CE_Factory {
public:
    TaskProfile_CE_Factory(std::shared_ptr<IAstroCalc> astroCalc,
                           std::shared_ptr<IMountConnection> mountConnection,
                           std::shared_ptr<const IGoToGuard> goToGuard);

    std::shared_ptr<ITaskProfile_CE> create() const override;

private:
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<const IGoToGuard> m_goToGuard;
};

} // namespace Ko
