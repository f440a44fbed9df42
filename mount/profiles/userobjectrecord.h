#pragma once

#include "link/cmdret.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>

namespace Ko {

class IAstroCalc;
class IMount;
class IMountConnection;

using UserObjectPair = std::pair<double, double>;
// Reads the mount on a worker thread; the pair comes in the record's own units.
using UserObjectReader = std::function<CmdResp<UserObjectPair>(IMount&)>;

// The outcome of reading a record's values from the mount: from the mount, failed (zeros), or
// zeros because no mount was connected. Only values from the mount are a position.
struct UserObjectReading {
    UserObjectPair values{0, 0};
    bool fromMount = false;
    bool readError = false;
};

// Runs read against the current mount on a background job of its own, then hands the reading
// to apply on the main thread, unless record has been destroyed by then. record lives on the main
// thread.
void readUserObjectAsync(QObject* record, std::shared_ptr<IMountConnection> mountConnection,
                         UserObjectReader read,
                         std::function<void(const UserObjectReading&)> apply);

// What both kinds of user object share: the name, the two services their factory gave them and
// the filling from the mount. Interface is ITaskProfile_CE or ITaskProfile_TE.
// Threads: main thread only; the reader runs on a background job.
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

    bool hasPosition() const override { return m_hasPosition; }

    void loadCurrentAsync() override {
        m_name = QStringLiteral(QT_TRANSLATE_NOOP("mount", "Current object"));
        readUserObjectAsync(this, m_mountConnection, reader(),
                            [this](const UserObjectReading& reading) {
                                setReading(reading);
                                // Without a mount nothing was read: the zeros are no more a
                                // position than after a failed read, and saving them would
                                // replace a stored object with 0h/0°.
                                setHasPosition(reading.fromMount);
                                if (reading.readError)
                                    emit this->readError();
                                emit this->valueChanged();
                                emit this->loaded();
                            });
    }

protected:
    // Runs on the reading thread: may use only what it captured.
    virtual UserObjectReader reader() const = 0;
    // Writes the values without the setters' signals.
    virtual void setReading(const UserObjectReading& reading) = 0;
    void setHasPosition(bool has) {
        if (std::exchange(m_hasPosition, has) != has)
            emit this->hasPositionChanged();
    }

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    QString m_name;
    bool m_hasPosition = true;
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
