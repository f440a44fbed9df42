#pragma once

#include "mount/igotostatus.h"

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroFormat;
class IMountConnection;

// Holds no state of its own: a GoTo starting, progressing or ending and a mount coming or going
// make QML read the values again.
// Threads: main thread only.
class GotoStatus : public IGotoStatus {
    Q_OBJECT
public:
    GotoStatus(std::shared_ptr<IMountConnection> connection,
               std::shared_ptr<IAstroFormat> astroFormat, std::shared_ptr<IAstroCalc> astroCalc);

    bool done() const override;
    QString targetName() const override;
    QString targetPosition1() const override;
    QString targetPosition2() const override;
    QString remainingAngle() const override;
    bool arrived() const override;

private:
    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<IAstroFormat> m_astroFormat;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
};

} // namespace Ko
