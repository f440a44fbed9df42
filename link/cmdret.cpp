#include "link/cmdret.h"

#include <QDebug>

namespace Ko {

const char* cmdRetTypeText(CmdRetType_::E type) {
    switch (type) {
    case CmdRetType_::Ok:
        return QT_TRANSLATE_NOOP("mount", "Successful");
    case CmdRetType_::Nak:
        return QT_TRANSLATE_NOOP("mount", "Negative response");
    case CmdRetType_::Timeout:
        return QT_TRANSLATE_NOOP("mount", "Communication error");
    case CmdRetType_::Cancel:
        return QT_TRANSLATE_NOOP("mount", "Operation canceled");
    case CmdRetType_::Other:
        break;
    }
    return QT_TRANSLATE_NOOP("mount", "Unexpected response");
}

QDebug operator<<(QDebug debug, const CmdRet& ret) {
    QDebugStateSaver saver(debug);
    debug.nospace() << (ret.isOk() ? "true" : "false");
    return debug;
}

} // namespace Ko
