#include "mount/profiles/userobjectrecord.h"

#include "base/backgroundwork.h"
#include "base/koassert.h"
#include "base/log.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

#include <QCoreApplication>

#include <exception>

namespace Ko {

void readUserObjectAsync(QObject* record, std::shared_ptr<IMountConnection> mountConnection,
                         UserObjectReader read,
                         std::function<void(const UserObjectReading&)> apply) {
    KO_ASSERT(QCoreApplication::instance() &&
              record->thread() == QCoreApplication::instance()->thread());
    // The record is written on its own thread, where QML reads it, and only while it lives.
    auto handover = std::make_shared<Handover>(record);
    runInBackground("user object position read",
                    [handover = std::move(handover), mountConnection = std::move(mountConnection),
                     read = std::move(read), apply = std::move(apply)]() mutable {
                        UserObjectReading reading;
                        if (const std::shared_ptr<IMount> mount =
                                mountConnection ? mountConnection->sharedMount() : nullptr) {
                            try {
                                const CmdResp<UserObjectPair> r = read(*mount);
                                reading.readError = !r.isOk() || !r.hasValue;
                                if (!reading.readError) {
                                    reading.values = r.value();
                                    reading.fromMount = true;
                                }
                            } catch (const std::exception& e) {
                                // A conversion that cannot be made is reported like a failed read.
                                Log("User object: position not read: %s", e.what());
                                reading.readError = true;
                            }
                        }
                        handover->post([apply = std::move(apply), reading] { apply(reading); });
                    });
}

} // namespace Ko
