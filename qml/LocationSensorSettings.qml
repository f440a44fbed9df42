import QtQuick

// Whether the site is taken from the location sensor: the stored "loc.use_sensor", on by default.
QtObject {
    readonly property QtObject _m: QtObject {
        readonly property var kvStore: inj_kvStore
    }

    function getUse() {
        return _m.kvStore.loadBool("loc.use_sensor", true)
    }

    function setUse(value) {
        _m.kvStore.saveBool("loc.use_sensor", value)
    }
}
