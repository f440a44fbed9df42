import QtQuick

// Whether the site is taken from the location sensor: the stored "loc.use_sensor", on by default;
// whether the sensor has ever given a position ("loc.fix_seen"); and whether the user has been
// told that the site must be entered ("loc.site_notice_done").
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

    function getFixSeen() {
        return _m.kvStore.loadBool("loc.fix_seen", false)
    }

    function setFixSeen() {
        if (!getFixSeen())
            _m.kvStore.saveBool("loc.fix_seen", true)
    }

    function getSiteNoticeDone() {
        return _m.kvStore.loadBool("loc.site_notice_done", false)
    }

    function setSiteNoticeDone() {
        if (!getSiteNoticeDone())
            _m.kvStore.saveBool("loc.site_notice_done", true)
    }

    // The site is still the stored or default one, not the user's: the sensor was chosen, it
    // has never given a position, and the user has neither been told nor been on the site page.
    function siteUnconfirmed() {
        return getUse() && !getFixSeen() && !getSiteNoticeDone()
    }
}
