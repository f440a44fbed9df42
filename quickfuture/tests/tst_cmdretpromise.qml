import QtQuick 2.0
import QtTest 1.2
import Ko.AstroBase 1.0
import "qrc:/CmdRetPromise.js" as CmdRetPromise

TestCase {
    name: "CmdRetPromise"

    function test_cmdRetType_string_data() {
        return [
            {tag: "Ok", type: CmdRetType.Ok, text: "Successful"},
            {tag: "Nak", type: CmdRetType.Nak, text: "Rejected"},
            {tag: "Timeout", type: CmdRetType.Timeout, text: "Communication error"},
            {tag: "Cancel", type: CmdRetType.Cancel, text: "Canceled"},
            {tag: "Other", type: CmdRetType.Other, text: "Unknown error"},
            {tag: "out of range", type: 17, text: "Unknown error"},
        ];
    }
    function test_cmdRetType_string(data) {
        compare(CmdRetPromise.cmdRetType_string(data.type), data.text);
    }

    function test_get_data() {
        return [
            {tag: "Ok", future: function () { return futures.finished("CmdRet", [CmdRetType.Ok]); },
             fulfilled: true, value: undefined},
            {tag: "Nak", future: function () { return futures.finished("CmdRet", [CmdRetType.Nak]); },
             fulfilled: false, value: "Rejected"},
            {tag: "Timeout",
             future: function () { return futures.finished("CmdRet", [CmdRetType.Timeout]); },
             fulfilled: false, value: "Communication error"},
            {tag: "Cancel",
             future: function () { return futures.finished("CmdRet", [CmdRetType.Cancel]); },
             fulfilled: false, value: "Canceled"},
            {tag: "map with a value", fulfilled: true, value: 12, future: function () {
                return futures.finished("QVariantMap", [{type: CmdRetType.Ok, value: 12}]);
            }},
            {tag: "map of a failure", fulfilled: false, value: "Unknown error",
             future: function () {
                 return futures.finished("QVariantMap", [{type: CmdRetType.Other, value: 1}]);
             }},
            {tag: "canceled future", fulfilled: false, value: undefined, future: function () {
                var feed = futures.make("CmdRet");
                feed.cancel();
                return feed.future;
            }},
            {tag: "position read of the emulated mount", fulfilled: true, value: undefined,
             future: function () { return futures.readMountPosition(); }},
        ];
    }
    function test_get(data) {
        var got = {};
        CmdRetPromise.get(data.future()).then(function (v) { got = {fulfilled: true, value: v}; },
                                              function (r) { got = {fulfilled: false, value: r}; });
        tryVerify(function () { return got.fulfilled !== undefined; }, 20000);
        compare(got.fulfilled, data.fulfilled);
        compare(got.value, data.value);
    }
}
