.pragma library
.import QuickFuture 1.0 as QuickFuture
.import QuickPromise 1.0 as QuickPromise
.import Ko.AstroBase 1.0 as AstroBase

// Mount-command results as promises that fail with a reason a user can read.

var CmdRetType = AstroBase.CmdRetType;

// The English name of a command outcome; not translated.
function cmdRetType_string(type) {
    switch (type) {
    case CmdRetType.Ok:
        return "Successful";
    case CmdRetType.Nak:
        return "Rejected";
    case CmdRetType.Timeout:
        return "Communication error";
    case CmdRetType.Cancel:
        return "Canceled";
    default:
        return "Unknown error";
    }
}

// qfuture: a future of a command result, or of a map with the keys "type" and "value". The
// promise fulfils with the result's value or rejects with the name of its outcome.
function get(qfuture) {
    return QuickFuture.Future.promise(qfuture).then(function (result) {
        if (result.type === CmdRetType.Ok)
            return QuickPromise.Q.resolve(result.value);
        return QuickPromise.Q.reject(cmdRetType_string(result.type));
    });
}
