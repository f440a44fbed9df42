#pragma once

#include "mount/profiles/itaskprofile_ce.h"
#include "mount/profiles/userobjectrecord.h"

#include <memory>

namespace Ko {

// Threads: main thread only.
class TaskProfile_CE : public UserObjectRecord<ITaskProfile_CE> {
    Q_OBJECT
public:
    using UserObjectRecord::UserObjectRecord;

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
    double m_ra = 0;
    double m_dec = 0;
    bool m_isJ2000 = true;
};

class TaskProfile_CE_Factory
    : public UserObjectRecordFactory<ITaskProfile_CE_Factory, TaskProfile_CE> {
public:
    using UserObjectRecordFactory::UserObjectRecordFactory;
};

} // namespace Ko
