import QtQml 2.0
import "promise.js" as Q

// A promise as a QML element: it settles from code (resolve, reject) or from what its
// resolveWhen and rejectWhen properties are bound to, and reports through its flags and signals.
QtObject {
    id: root

    default property list<QtObject> data

    property bool isFulfilled: false
    property bool isRejected: false
    readonly property bool isSettled: isFulfilled || isRejected

    // true, a promise (element or script) or a signal resolves the element with it.
    property var resolveWhen
    // true rejects the element; a signal rejects it when it fires.
    property var rejectWhen

    signal fulfilled(var value)
    signal rejected(var reason)
    signal settled(var value)

    readonly property bool ___promiseQmlSignature71237___: true

    property var _promise: null
    property bool _complete: false

    function _scriptPromise() {
        if (_promise === null)
            _promise = Q.promise();
        return _promise;
    }

    function then(onFulfilled, onRejected) {
        return _scriptPromise().then(onFulfilled, onRejected);
    }

    function resolve(value) {
        if (Q.instanceOfPromiseItem(value))
            value = value._scriptPromise();
        _scriptPromise().resolve(value);
    }

    function reject(reason) {
        _scriptPromise().reject(reason);
    }

    function all(promises) {
        return Q.all(promises);
    }

    function allSettled(promises) {
        return Q.allSettled(promises);
    }

    function instanceOfPromise(object) {
        return Q.instanceOfPromise(object);
    }

    function setTimeout(callback, interval) {
        return Q.setTimeout(callback, interval);
    }

    function _applyResolveWhen() {
        if (resolveWhen === true)
            resolve(true);
        else if (Q.instanceOfPromise(resolveWhen) || Q._instanceOfSignal(resolveWhen))
            resolve(resolveWhen);
    }

    function _applyRejectWhen() {
        if (rejectWhen === true)
            reject(true);
        else if (Q._instanceOfSignal(rejectWhen))
            reject(rejectWhen);
    }

    onResolveWhenChanged: if (_complete) _applyResolveWhen()
    onRejectWhenChanged: if (_complete) _applyRejectWhen()

    Component.onCompleted: {
        _scriptPromise().then(function (value) {
            isFulfilled = true;
            fulfilled(value);
            settled(value);
        }, function (reason) {
            isRejected = true;
            rejected(reason);
            settled(reason);
        });
        _complete = true;
        // A binding's first value comes before the element is complete.
        _applyResolveWhen();
        _applyRejectWhen();
    }
}
