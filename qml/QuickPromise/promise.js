.pragma library

// Promises after the Promises/A+ resolution procedure. Every settlement is deferred to a timer
// of interval 0, so a promise never settles inside the call that resolves it and a handler never
// runs inside the call that attaches it.

// --- Timers -------------------------------------------------------------------------------------

// This library has no QML context of its own, so the timer file is found next to the script by
// the script's own URL (an error object knows the file it was made in).
var _timerUrl = (function () {
    var file = new Error().fileName;
    return file.substring(0, file.lastIndexOf("/") + 1) + "PromiseTimer.qml";
})();
var _timerComponent = null;
var _nextTimerId = 1;
// Each running timer, by id: the table is what keeps a timer without parent alive until it fires.
var _timers = {};

function _makeTimer(interval) {
    if (_timerComponent === null)
        _timerComponent = Qt.createComponent(_timerUrl);
    var timer = _timerComponent.createObject(null, {"interval": interval});
    if (timer === null)
        throw new Error("promise.js: cannot create a timer: " + _timerComponent.errorString());
    return timer;
}

function setTimeout(callback, timeout) {
    var id = _nextTimerId++;
    var timer = _makeTimer(timeout);
    timer.triggered.connect(function () {
        try {
            callback();
        } catch (e) {
            console.warn(e);
        }
        if (_timers[id] === timer) {
            delete _timers[id];
            timer.destroy();
        }
    });
    _timers[id] = timer;
    timer.start();
    return id;
}

function clearTimeout(id) {
    var timer = _timers[id];
    if (timer === undefined)
        return;
    delete _timers[id];
    timer.stop();
    timer.destroy();
}

// --- Recognised values --------------------------------------------------------------------------

function _hasOwn(object, name) {
    return Object.prototype.hasOwnProperty.call(object, name);
}

function _isObjectOrFunction(value) {
    return value !== null && (typeof value === "object" || typeof value === "function");
}

function instanceOfPromiseJS(object) {
    return _isObjectOrFunction(object) && _hasOwn(object, "___promiseSignature___");
}

function instanceOfPromiseItem(object) {
    return _isObjectOrFunction(object) && _hasOwn(object, "___promiseQmlSignature71237___");
}

function instanceOfPromise(object) {
    return instanceOfPromiseJS(object) || instanceOfPromiseItem(object);
}

function _instanceOfSignal(object) {
    return _isObjectOrFunction(object) && typeof object.hasOwnProperty === "function" &&
           typeof object.connect === "function" && typeof object.disconnect === "function";
}

// --- Promise ------------------------------------------------------------------------------------

function QPromise(executor) {
    this.state = "pending";
    this.isSettled = false;
    this.isFulfilled = false;
    this.isRejected = false;
    this._result = undefined;
    this._onFulfilled = [];
    this._onRejected = [];
    this.___promiseSignature___ = true;

    if (typeof executor === "function") {
        var promise = this;
        try {
            executor(function (value) { promise.resolve(value); },
                     function (reason) { promise.reject(reason); });
        } catch (e) {
            promise.reject(e);
        }
    }
}

QPromise.prototype.then = function (onFulfilled, onRejected) {
    var next = new QPromise();

    this._onFulfilled.push(function (value) {
        if (typeof onFulfilled !== "function") {
            next.resolve(value);
            return;
        }
        var x;
        try {
            x = onFulfilled(value);
        } catch (e) {
            console.error(e.stack === undefined ? e : e + "\n" + e.stack);
            next.reject(e);
            return;
        }
        next.resolve(x);
    });

    this._onRejected.push(function (reason) {
        if (typeof onRejected !== "function") {
            next.reject(reason);
            return;
        }
        var x;
        try {
            x = onRejected(reason);
        } catch (e) {
            next.reject(e);
            return;
        }
        // A handled rejection fulfils the next promise.
        next.resolve(x);
    });

    if (this.state !== "pending") {
        var promise = this;
        setTimeout(function () { promise._executeHandlers(); }, 0);
    }
    return next;
};

QPromise.prototype.resolve = function (value) {
    if (this.state !== "pending")
        return;

    var promise = this;
    if (value === promise) {
        // 2.3.1
        promise.reject(new TypeError(
            "Promise.resolve(value) : The value can not be same as the promise object."));
        return;
    }

    if (_instanceOfSignal(value)) {
        var bySignal = new QPromise();
        try {
            value.connect(function () { bySignal.resolve(arguments); });
        } catch (e) {
            console.error(e);
            throw new Error("promise.resolve(object): Failed to call object.connect(). Are you " +
                            "passing the result of Qt.binding()? Please use QML Promise and pass " +
                            "it to resolveWhen property.");
        }
        value = bySignal;
    }

    if (instanceOfPromiseJS(value)) {
        if (value.state === "pending") {
            value._onFulfilled.push(function (result) { promise._fulfilLater(result); });
            value._onRejected.push(function (reason) { promise.reject(reason); });
        } else if (value.state === "fulfilled") {
            promise._fulfilLater(value._result);
        } else {
            promise.reject(value._result);
        }
        return;
    }

    if (_isObjectOrFunction(value)) {
        var then;
        try {
            then = value.then;
        } catch (e) {
            promise.reject(e);
            return;
        }
        if (typeof then === "function") {
            // 2.3.3.3: only the first call of either function counts.
            var called = false;
            try {
                then.call(value, function (y) {
                    if (called)
                        return;
                    called = true;
                    promise.resolve(y);
                }, function (y) {
                    if (called)
                        return;
                    called = true;
                    promise.reject(y);
                });
            } catch (e) {
                if (!called) {
                    called = true;
                    promise.reject(e);
                }
            }
            return;
        }
    }

    promise._fulfilLater(value);
};

QPromise.prototype.reject = function (reason) {
    if (this.state !== "pending")
        return;

    var promise = this;
    if (_instanceOfSignal(reason)) {
        reason.connect(function () { promise.reject(arguments); });
        return;
    }

    setTimeout(function () {
        if (promise.state !== "pending")
            return;
        promise._result = reason;
        promise.state = "rejected";
        promise.isRejected = true;
        promise.isSettled = true;
        promise._executeHandlers();
    }, 0);
};

QPromise.prototype._fulfilLater = function (value) {
    var promise = this;
    setTimeout(function () {
        if (promise.state !== "pending")
            return;
        promise._result = value;
        promise.state = "fulfilled";
        promise.isFulfilled = true;
        promise.isSettled = true;
        promise._executeHandlers();
    }, 0);
};

QPromise.prototype._executeHandlers = function () {
    if (this.state === "pending")
        return;
    var handlers = this.state === "fulfilled" ? this._onFulfilled : this._onRejected;
    // Emptied before the handlers run, so that one attached by a handler is kept for its own
    // deferred run.
    this._onFulfilled = [];
    this._onRejected = [];
    for (var i = 0; i < handlers.length; i++)
        handlers[i](this._result);
};

// --- Combining ----------------------------------------------------------------------------------

// Settles once every added promise has: all() with the list of values or the first reason,
// allSettled() with the list of values or, when any was rejected, the last reason. Each value
// keeps its input's place, already fulfilled inputs included.
function Combinator(promises, allSettled) {
    this.combined = new QPromise();
    this._allSettled = allSettled;
    this._promises = [];
    this._results = [];
    this._count = 0;
    this._rejected = false;
    this._reason = undefined;
    // No settling while the first inputs are added: an input rejected already must not settle
    // allSettled() before the inputs after it are counted.
    this._adding = true;
    this.add(promises);
    this._adding = false;
    this._settle();
}

Combinator.prototype.add = function (promises) {
    if (Array.isArray(promises)) {
        for (var i = 0; i < promises.length; i++)
            this._addOne(promises[i]);
    } else {
        this._addOne(promises);
    }
};

Combinator.prototype._addOne = function (input) {
    var self = this;
    var promise = input;
    if (instanceOfPromiseItem(input)) {
        promise = input._scriptPromise();
    } else if (_instanceOfSignal(input)) {
        promise = new QPromise();
        promise.resolve(input);
    } else if (!instanceOfPromiseJS(input)) {
        promise = resolve(input);
    }

    var index = this._promises.length;
    this._promises.push(promise);
    this._results.push(undefined);

    if (promise.state === "rejected") {
        this._reject(promise._result);
        return;
    }
    if (promise.state === "fulfilled") {
        this._results[index] = promise._result;
        return;
    }
    this._count++;
    promise.then(function (value) {
        self._count--;
        self._results[index] = value;
        self._settle();
    }, function (reason) {
        self._count--;
        self._reject(reason);
    });
};

Combinator.prototype._reject = function (reason) {
    if (!this._allSettled) {
        this.combined.reject(reason);
        return;
    }
    this._rejected = true;
    this._reason = reason;
    this._settle();
};

Combinator.prototype._settle = function () {
    if (this._adding || this._count > 0)
        return;
    if (this._rejected)
        this.combined.reject(this._reason);
    else
        this.combined.resolve(this._results);
};

// --- Library ------------------------------------------------------------------------------------

function promise(executor) {
    return new QPromise(executor);
}

function resolve(value) {
    var p = new QPromise();
    p.resolve(value);
    return p;
}

function reject(reason) {
    var p = new QPromise();
    p.reject(reason);
    return p;
}

var resolved = resolve;
var rejected = reject;

function combinator(promises, allSettled) {
    return new Combinator(promises, allSettled);
}

function all(promises) {
    return combinator(promises, false).combined;
}

function allSettled(promises) {
    return combinator(promises, true).combined;
}

QPromise.all = all;
QPromise.resolve = resolve;
QPromise.reject = reject;
