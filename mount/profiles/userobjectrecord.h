#pragma once

#include <QString>

#include <memory>
#include <utility>

namespace Ko {

class IAstroCalc;
class IMountConnection;

// What both kinds of user object share: the name and the two services their factory gave them.
// Interface is ITaskProfile_CE or ITaskProfile_TE.
template <class Interface>
class UserObjectRecord : public Interface {
public:
    UserObjectRecord(std::shared_ptr<IAstroCalc> astroCalc,
                     std::shared_ptr<IMountConnection> mountConnection)
        : m_astroCalc(std::move(astroCalc)), m_mountConnection(std::move(mountConnection)) {}

    QString name() const override { return m_name; }
    void setName(const QString& name) override {
        m_name = name;
        emit this->nameChanged();
    }

protected:
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    QString m_name;
};

// Makes records of kind Record with the defaults, each given the same two services.
template <class FactoryInterface, class Record>
class UserObjectRecordFactory : public FactoryInterface {
public:
    UserObjectRecordFactory(std::shared_ptr<IAstroCalc> astroCalc,
                            std::shared_ptr<IMountConnection> mountConnection)
        : m_astroCalc(std::move(astroCalc)), m_mountConnection(std::move(mountConnection)) {}

    decltype(std::declval<const FactoryInterface&>().create()) create() const override {
        return std::make_shared<Record>(m_astroCalc, m_mountConnection);
    }

private:
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IMountConnection> m_mountConnection;
};

} // namespace Ko
