#pragma once

#include "mount/profiles/itaskprofile_te.h"
#include "mount/profiles/userobjectrecord.h"

#include <memory>

namespace Ko {

// Threads: main thread only.
class TaskProfile_TE : public UserObjectRecord<ITaskProfile_TE> {
    Q_OBJECT
public:
    using UserObjectRecord::UserObjectRecord;

    void startGoTo() override;
    TaskProfile_TE* clone() const override;
    double axis1() const override;
    double axis2() const override;
    void setAxis1(double degrees) override;
    void setAxis2(double degrees) override;

protected:
    UserObjectReader reader() const override;
    void setReading(const UserObjectReading& reading) override;

private:
    double m_axis1 = 0;
    double m_axis2 = 0;
};

class TaskProfile_TE_Factory
    : public UserObjectRecordFactory<ITaskProfile_TE_Factory, TaskProfile_TE> {
public:
    using UserObjectRecordFactory::UserObjectRecordFactory;
};

} // namespace Ko
