import QtQuick 2.0
import QtTest 1.2
import QuickFuture 1.0
import Ko.AstroBase 1.0

TestCase {
    name: "Future"

    QtObject {
        id: target
        property bool isFinished: false
        property bool isRunning: false
        property bool isPaused: true
        property bool running: false
        property bool isCanceled: true
    }

    function bytes(buffer) {
        var codes = new Uint8Array(buffer);
        var text = "";
        for (var i = 0; i < codes.length; i++)
            text += String.fromCharCode(codes[i]);
        return text;
    }

    // Runs posted calls until one posted now has run: a call posted earlier has run too.
    function drainPosted() {
        var drained = false;
        Future.onFinished(futures.finished("void", []), function () { drained = true; });
        tryVerify(function () { return drained; });
    }

    // Watchers left by an earlier failure do not fail the next test.
    property int watchersBefore: 0
    function init() {
        watchersBefore = futures.liveWatchers;
    }

    function watchersGone() {
        tryVerify(function () { return futures.liveWatchers === watchersBefore; }, 5000,
                  "live watchers: " + futures.liveWatchers);
    }

    // Each result type: what a worker reports, as result, results and the callback's value.
    function test_results_data() {
        var same = function (v) { return v; };
        return [
            {tag: "QString", type: "QString", values: ["a", "b"], read: same, expected: ["a", "b"]},
            {tag: "int", type: "int", values: [3, -4], read: same, expected: [3, -4]},
            {tag: "bool", type: "bool", values: [true, false], read: same, expected: [true, false]},
            {tag: "qreal", type: "qreal", values: [1.5, -2.25], read: same, expected: [1.5, -2.25]},
            {tag: "QByteArray", type: "QByteArray", values: ["ab", "c"], read: bytes,
             expected: ["ab", "c"]},
            {tag: "QVariant", type: "QVariant", values: [7, "x"], read: same, expected: [7, "x"]},
            {tag: "QVariantMap", type: "QVariantMap", values: [{a: 1}, {b: "c"}], read: same,
             expected: [{a: 1}, {b: "c"}]},
            {tag: "QSize", type: "QSize", values: [Qt.size(2, 3), Qt.size(4, 5)],
             read: function (s) { return [s.width, s.height]; }, expected: [[2, 3], [4, 5]]},
            {tag: "CmdRet", type: "CmdRet", values: [CmdRetType.Nak, CmdRetType.Ok],
             read: function (r) { return r.type; }, expected: [CmdRetType.Nak, CmdRetType.Ok]},
            {tag: "int without results", type: "int", values: [], read: same, expected: []},
            {tag: "void", type: "void", values: [], read: same, expected: []},
        ];
    }
    function test_results(data) {
        var isVoid = data.type === "void";
        var feed = futures.make(data.type);
        var f = feed.future;
        var calls = [];
        Future.onFinished(f, function () { calls.push(Array.prototype.slice.call(arguments)); });
        feed.range(0, 10);
        feed.progress(4);
        for (var i = 0; i < data.values.length; i++)
            feed.report(data.values[i]);
        futures.settle();
        compare([Future.isRunning(f), Future.isFinished(f), Future.isCanceled(f)],
                [true, false, false]);
        compare([Future.progressMinimum(f), Future.progressValue(f), Future.progressMaximum(f)],
                [0, 4, 10]);
        if (data.values.length > 0) {
            compare(data.read(Future.result(f)), data.expected[0]);
        } else {
            if (!isVoid)
                ignoreWarning("Future.result(): The result is not ready!");
            compare(Future.result(f), undefined);
        }

        feed.finish();
        futures.settle();
        compare([Future.isRunning(f), Future.isFinished(f)], [false, true]);
        if (data.values.length > 0) {
            compare(Future.results(f).map(data.read), data.expected);
        } else {
            if (!isVoid)
                ignoreWarning("Future.results(): The result is not ready!");
            compare(Future.results(f), undefined);
        }
        tryCompare(calls, "length", 1);
        if (isVoid)
            compare(calls[0].length, 0, "no argument at all");
        else if (data.values.length === 0)
            compare(calls[0], [undefined]);
        else
            compare(calls[0].map(data.read), [data.expected[0]]);
        watchersGone();
    }

    // onFinished and onCanceled: when the callback runs, how often, and what its owner changes.
    function test_callbacks_data() {
        return [
            {tag: "finished before the call", on: "finished", end: "finish", before: true,
             owner: "none", calls: 1},
            {tag: "finished after the call", on: "finished", end: "finish", before: false,
             owner: "none", calls: 1},
            {tag: "kept owner", on: "finished", end: "finish", before: true, owner: "kept",
             calls: 1},
            {tag: "owner gone before the posted call", on: "finished", end: "finish",
             before: true, owner: "deleted", calls: 0},
            {tag: "owner gone before the future finishes", on: "finished", end: "finish",
             before: false, owner: "deleted", calls: 0},
            {tag: "canceled future finishes too", on: "finished", end: "cancel", before: false,
             owner: "none", calls: 1},
            {tag: "canceled before the call", on: "canceled", end: "cancel", before: true,
             owner: "none", calls: 1},
            {tag: "canceled after the call", on: "canceled", end: "cancel", before: false,
             owner: "kept", calls: 1},
            {tag: "onCanceled of a future that finishes", on: "canceled", end: "finish",
             before: false, owner: "none", calls: 0},
            {tag: "onCanceled of a finished future", on: "canceled", end: "finish",
             before: true, owner: "none", calls: 0},
        ];
    }
    function test_callbacks(data) {
        var feed = futures.make("int");
        var f = feed.future;
        feed.report(42);
        var end = function () {
            if (data.end === "finish")
                feed.finish();
            else
                feed.cancel();
            futures.settle();
        };
        if (data.before)
            end();
        var owner = data.owner === "none" ? undefined : futures.newOwner();
        var calls = [];
        var callback = function (value) { calls.push(value); };
        if (data.on === "finished")
            Future.onFinished(f, callback, owner);
        else
            Future.onCanceled(f, callback, owner);
        compare(calls.length, 0, "never within the call");
        if (data.owner === "deleted")
            futures.deleteOwner(owner);
        if (!data.before)
            end();
        drainPosted();
        watchersGone();
        compare(calls, data.calls === 1 ? [42] : []);
    }

    // A callback that throws writes one line; the next callback still runs.
    function test_throwingCallback() {
        var f = futures.finished("int", [1]);
        var later = false;
        ignoreWarning(new RegExp('^"file://.*/tst_future\\.qml:\\d+: Error: boom"$'));
        Future.onFinished(f, function () { throw new Error("boom"); });
        Future.onFinished(f, function () { later = true; });
        tryVerify(function () { return later; });
    }

    function test_progress() {
        var feed = futures.make("int");
        var seen = [];
        Future.onProgressValueChanged(feed.future, function (value) { seen.push(value); });
        feed.range(0, 100);
        for (var v = 10; v <= 100; v += 10)
            feed.progress(v);
        feed.finish();
        watchersGone();
        // The watcher may leave out values in between, never the last one.
        verify(seen.length > 0);
        compare(seen[seen.length - 1], 100);
        for (var i = 1; i < seen.length; i++)
            verify(seen[i - 1] < seen[i], seen);
    }

    // Each state name kept in step with the future until it has finished.
    // states: what the target holds while running, suspended, resumed and after finishing.
    function test_sync_data() {
        return [
            {tag: "isRunning", name: "isRunning", into: "", states: [true, true, true, false]},
            {tag: "isRunning into another property", name: "isRunning", into: "running",
             states: [true, true, true, false]},
            {tag: "isPaused", name: "isPaused", into: "", states: [false, true, false, false]},
            {tag: "isFinished", name: "isFinished", into: "", states: [false, false, false, true]},
        ];
    }
    function test_sync(data) {
        var property = data.into || data.name;
        target[property] = !data.states[0];
        var feed = futures.make("QString");
        if (data.into)
            Future.sync(feed.future, data.name, target, data.into);
        else
            Future.sync(feed.future, data.name, target);
        compare(target[property], data.states[0], "running");
        feed.suspend();
        tryCompare(target, property, data.states[1]);
        feed.resume();
        tryCompare(target, property, data.states[2]);
        feed.finish();
        tryCompare(target, property, data.states[3]);
        watchersGone();

        // A finished future gets one write and no watcher.
        target[property] = !data.states[3];
        Future.sync(feed.future, data.name, target, data.into);
        compare(target[property], data.states[3], "finished");
        compare(futures.liveWatchers, watchersBefore);
    }

    function test_syncUnknownName() {
        target.isCanceled = true;
        ignoreWarning("Future: Unknown property: isCanceled");
        Future.sync(futures.finished("int", []), "isCanceled", target);
        compare(target.isCanceled, false);
    }

    // A value Future has no adapter for: each call warns with the value's type and gives a
    // neutral answer; no callback ever runs.
    function test_unsupportedInput_data() {
        return [
            {tag: "number", value: 5, typeName: "int"},
            {tag: "string", value: "text", typeName: "QString"},
            {tag: "undefined", value: undefined, typeName: ""},
            {tag: "future of an unregistered type", value: futures.finished("QPoint", []),
             typeName: "QFuture<QPoint>"},
        ];
    }
    function test_unsupportedInput(data) {
        var v = data.value;
        var warn = function (prefix) {
            ignoreWarning('"' + prefix + ': Can not handle input data type: ' + data.typeName +
                          '"');
        };
        var reads = [["Future", "isFinished", false], ["Future", "isRunning", false],
                     ["Future.isCanceled", "isCanceled", false],
                     ["Future.progressValue", "progressValue", 0],
                     ["Future.progressMinimum", "progressMinimum", 0],
                     ["Future.progressMaximum", "progressMaximum", 0],
                     ["Future", "result", undefined], ["Future", "results", undefined]];
        for (var i = 0; i < reads.length; i++) {
            warn(reads[i][0]);
            compare(Future[reads[i][1]](v), reads[i][2], reads[i][1]);
        }
        var called = false;
        var callback = function () { called = true; };
        warn("Future");
        Future.onFinished(v, callback);
        warn("Future");
        Future.onCanceled(v, callback, target);
        warn("Future.onProgressValueChanged");
        Future.onProgressValueChanged(v, callback);
        warn("Future");
        Future.sync(v, "isFinished", target);
        drainPosted();
        verify(!called);
        compare(futures.liveWatchers, watchersBefore);
    }

    // A second adapter for a registered type is refused; the first one stays.
    function test_secondRegistration() {
        var f = futures.finished("int", [5]);
        verify(Future.progressValue(f) !== -1);
        ignoreWarning('"QuickFuture::registerType:It is already registered:QFuture<int>"');
        var progress = Future.progressValue(f);
        futures.registerIntAgain();
        compare(Future.progressValue(f), progress);
        compare(Future.result(f), 5);
    }

    function test_promise_data() {
        return [
            {tag: "finished", end: "finish", fulfilled: true, value: "v"},
            {tag: "canceled", end: "cancel", fulfilled: false, value: undefined},
        ];
    }
    function test_promise(data) {
        var feed = futures.make("QString");
        feed.report("v");
        var p = Future.promise(feed.future);
        var got = {};
        p.then(function (v) { got = {fulfilled: true, value: v}; },
               function (r) { got = {fulfilled: false, value: r}; });
        if (data.end === "finish")
            feed.finish();
        else
            feed.cancel();
        tryVerify(function () { return got.fulfilled !== undefined; });
        compare(got.fulfilled, data.fulfilled);
        compare(got.value, data.value);
    }
}
