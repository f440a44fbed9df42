import QtQuick 2.0
import QtTest 1.2
import QuickPromise 1.0

TestCase {
    name: "Promise"

    QtObject {
        id: emitter
        signal fired(var a, var b)
    }

    Component {
        id: element
        Promise {}
    }

    // Declared with its binding: the first value of resolveWhen counts too.
    Promise {
        id: declared
        resolveWhen: emitter.fired
    }

    // The state a promise settles in, with its value or reason, once it has settled.
    function outcome(p) {
        tryVerify(function () { return p.isSettled; }, 5000, "never settled");
        return {state: p.state, value: p._result};
    }

    // Runs the event loop until every step deferred before now has run.
    function turn() {
        outcome(Q.resolve(0));
    }

    function fulfilledNow(value) {
        var p = Q.resolve(value);
        outcome(p);
        return p;
    }

    function rejectedNow(reason) {
        var p = Q.reject(reason);
        outcome(p);
        return p;
    }

    function test_settlement_data() {
        return [
            {tag: "value", make: function () { return Q.resolve(5); }, state: "fulfilled",
             value: 5},
            {tag: "chained handlers", state: "fulfilled", value: 7, make: function () {
                return Q.resolve(2).then(function (v) { return v * 3; })
                                   .then(function (v) { return v + 1; });
            }},
            {tag: "rejection passes handlers without onRejected", state: "rejected",
             value: "no", make: function () {
                 return Q.reject("no").then(function (v) { return v; })
                                      .then(function (v) { return v; });
             }},
            {tag: "handled rejection fulfils", state: "fulfilled", value: "no!",
             make: function () {
                 return Q.reject("no").then(null, function (r) { return r + "!"; });
             }},
            {tag: "throwing handler rejects", state: "rejected", value: "bad", make: function () {
                return Q.resolve(1).then(function () { throw "bad"; });
            }},
            {tag: "throwing executor rejects", state: "rejected", value: "bad",
             make: function () { return Q.promise(function () { throw "bad"; }); }},
            {tag: "thenable", state: "fulfilled", value: 9, make: function () {
                return Q.resolve({then: function (ok) { ok(9); }});
            }},
            {tag: "thenable: only the first call counts", state: "fulfilled", value: 1,
             make: function () {
                 return Q.resolve({then: function (ok, fail) { ok(1); fail(2); ok(3); }});
             }},
            {tag: "thenable that throws", state: "rejected", value: "t", make: function () {
                return Q.resolve({then: function () { throw "t"; }});
            }},
            {tag: "pending promise", state: "fulfilled", value: 4, make: function () {
                var inner = Q.promise();
                var p = Q.resolve(inner);
                inner.resolve(4);
                return p;
            }},
            {tag: "rejected promise", state: "rejected", value: "r", make: function () {
                return Q.resolve(rejectedNow("r"));
            }},
            {tag: "first of two resolutions wins", state: "rejected", value: "first",
             make: function () {
                 var p = Q.promise();
                 p.reject("first");
                 p.resolve("second");
                 return p;
             }},
            {tag: "resolving with itself", state: "rejected",
             value: "Promise.resolve(value) : The value can not be same as the promise object.",
             read: function (e) { return e instanceof TypeError ? e.message : e; },
             make: function () {
                 var p = Q.promise();
                 p.resolve(p);
                 return p;
             }},
            {tag: "signal resolves", state: "fulfilled", value: [3, "x"],
             read: function (args) { return [args[0], args[1]]; }, make: function () {
                 var p = Q.promise();
                 p.resolve(emitter.fired);
                 turn();
                 verify(!p.isSettled, "pending until the signal fires");
                 emitter.fired(3, "x");
                 return p;
             }},
            {tag: "signal rejects", state: "rejected", value: [4, "y"],
             read: function (args) { return [args[0], args[1]]; }, make: function () {
                 var p = Q.promise();
                 p.reject(emitter.fired);
                 turn();
                 verify(!p.isSettled, "pending until the signal fires");
                 emitter.fired(4, "y");
                 return p;
             }},
        ];
    }
    function test_settlement(data) {
        var p = data.make();
        compare(p.state, "pending", "never settled within the call");
        var got = outcome(p);
        var read = data.read || function (v) { return v; };
        compare(got.state, data.state);
        compare(read(got.value), data.value);

        // A handler attached to a settled promise runs later, once.
        var calls = 0;
        p.then(function () { calls++; }, function () { calls++; });
        compare(calls, 0, "never within then()");
        outcome(p.then(null, function () {}));
        compare(calls, 1);
    }

    // Inputs in the order given; those fulfilled before they were added keep their place.
    function test_combine_data() {
        return [
            {tag: "all of nothing", settled: false, state: "fulfilled", value: [],
             inputs: function () { return []; }},
            {tag: "all of pending inputs", settled: false, state: "fulfilled", value: [1, 2],
             inputs: function () {
                 var a = Q.promise(), b = Q.promise();
                 b.resolve(2);
                 a.resolve(1);
                 return [a, b];
             }},
            {tag: "all keeps fulfilled inputs in place", settled: false, state: "fulfilled",
             value: [1, 2, 3], inputs: function () {
                 var b = Q.promise();
                 Q.resolve(null).then(function () { b.resolve(2); });
                 return [fulfilledNow(1), b, fulfilledNow(3)];
             }},
            {tag: "all of plain values and a signal", settled: false, state: "fulfilled",
             value: [5, 6], read: function (v) { return [v[0], v[1][0]]; },
             inputs: function () {
                 Q.setTimeout(function () { emitter.fired(6, 0); }, 0);
                 return [5, emitter.fired];
             }},
            {tag: "all rejects while another is pending", settled: false, state: "rejected",
             value: "r", inputs: function () { return [Q.promise(), Q.reject("r")]; }},
            {tag: "allSettled of fulfilled inputs", settled: true, state: "fulfilled",
             value: [1, 2], inputs: function () { return [fulfilledNow(1), Q.resolve(2)]; }},
            {tag: "allSettled waits for a pending input", settled: true, state: "rejected",
             value: "r", inputs: function () { return [late, Q.reject("r")]; }, release: true},
            {tag: "allSettled waits after an input rejected already", settled: true,
             state: "rejected", value: "r", release: true,
             inputs: function () { return [rejectedNow("r"), late]; }},
        ];
    }
    // An input that a row settles only once the combination has had its chance to settle early.
    property var late
    function test_combine(data) {
        late = Q.promise();
        var inputs = data.inputs();
        var combined = data.settled ? Q.allSettled(inputs) : Q.all(inputs);
        if (data.release) {
            turn();
            turn();
            compare(combined.state, "pending", "settled before every input had");
            late.resolve(1);
        }
        var got = outcome(combined);
        var read = data.read || function (v) { return v; };
        compare(got.state, data.state);
        compare(read(got.value), data.value);
        if (data.settled) {
            for (var i = 0; i < inputs.length; i++)
                verify(inputs[i].isSettled, "settled only after input " + i);
        }
    }

    function test_element_data() {
        return [
            {tag: "resolveWhen signal", fulfilled: true, value: 1,
             read: function (args) { return args[0]; }, act: function (p) {
                 p.resolveWhen = emitter.fired;
                 emitter.fired(1, 2);
             }},
            {tag: "resolveWhen true", fulfilled: true, value: true,
             act: function (p) { p.resolveWhen = true; }},
            {tag: "resolveWhen another element", fulfilled: true, value: 8, act: function (p) {
                var other = element.createObject(null);
                p.resolveWhen = other;
                other.resolve(8);
            }},
            {tag: "resolveWhen a script promise", fulfilled: true, value: 9,
             act: function (p) { p.resolveWhen = Q.resolve(9); }},
            {tag: "rejectWhen true", fulfilled: false, value: true,
             act: function (p) { p.rejectWhen = true; }},
            {tag: "rejectWhen signal", fulfilled: false, value: 3,
             read: function (args) { return args[0]; }, act: function (p) {
                 p.rejectWhen = emitter.fired;
                 emitter.fired(3, 4);
             }},
        ];
    }
    function test_element(data) {
        var p = element.createObject(null);
        var signals = [];
        p.fulfilled.connect(function (v) { signals.push(["fulfilled", v]); });
        p.rejected.connect(function (r) { signals.push(["rejected", r]); });
        p.settled.connect(function (v) { signals.push(["settled", v]); });
        data.act(p);
        var read = data.read || function (v) { return v; };
        tryVerify(function () { return p.isSettled; });
        compare([p.isFulfilled, p.isRejected], [data.fulfilled, !data.fulfilled]);
        compare(signals.map(function (s) { return [s[0], read(s[1])]; }),
                [[data.fulfilled ? "fulfilled" : "rejected", data.value],
                 ["settled", data.value]]);
    }

    function test_elementDeclared() {
        emitter.fired("d", 0);
        tryVerify(function () { return declared.isFulfilled; });
    }

    function test_elementTimers() {
        var p = element.createObject(null);
        var fired = [];
        p.setTimeout(function () { fired.push("a"); }, 1);
        var cleared = Q.setTimeout(function () { fired.push("cleared"); }, 0);
        Q.clearTimeout(cleared);
        Q.clearTimeout(-5);
        p.setTimeout(function () { throw new Error("ignored"); }, 0);
        p.setTimeout(function () { fired.push("b"); }, 20);
        tryCompare(fired, "length", 2);
        compare(fired, ["a", "b"]);
    }
}
