#include "link/cmdret.h"

#include <QDebug>

namespace Ko {

const char* cmdRetTypeText(CmdRetType_::E type) {
    switch (type) {
    case CmdRetType_::Ok:
        return "Successful";
    case CmdRetType_::Nak:
        return "Negative response";
    case CmdRetType_::Timeout:
        return "Communication error";
    case CmdRetType_::Cancel:
        return "Operation canceled";
    case CmdRetType_::Other:
        break;
    }
    return "Unexpected response";
}

QDebug operator<<(QDebug debug, const CmdRet& ret) {
    QDebugStateSaver saver(debug);
    debug.nospace() << (ret.isOk() ? "true" : "false");
    return debug;
}

} // namespace Ko
