import QtQuick
import QtTest
import ".."

// The notice that the site must be entered: while the sensor is chosen and has never given a
// position, the first page that computes with the site says so, once.
WindowTestCase {
    name: "SiteNotice"
    beforeWindow: function () {
        inj_kvStore.saveBool("loc.use_sensor", true)
        testHelper.setLocationFixes([])
    }

    function notice() {
        return window.inj_locationUpdater.siteNotice
    }

    function settle(useSensor, fixSeen, told) {
        notice().close()
        inj_kvStore.saveBool("loc.use_sensor", useSensor)
        inj_kvStore.saveBool("loc.fix_seen", fixSeen)
        inj_kvStore.saveBool("loc.site_notice_done", told)
    }

    function test_toldOnce_data() {
        return [
            { tag: "never a fix: the deep-sky page tells", use: true, fix: false, told: false,
              page: "DeepSkyMenu", shown: true },
            { tag: "never a fix: the tonight's-best list tells", use: true, fix: false,
              told: false, page: "TonightBestPage", shown: true },
            { tag: "never a fix: the information page tells", use: true, fix: false,
              told: false, page: "information", shown: true },
            { tag: "a page that does not use the site says nothing", use: true, fix: false,
              told: false, page: "UserInterfacePage", shown: false },
            { tag: "told before", use: true, fix: false, told: true, page: "DeepSkyMenu",
              shown: false },
            { tag: "a fix on an earlier day", use: true, fix: true, told: false,
              page: "DeepSkyMenu", shown: false },
            { tag: "sensor off: the site was typed", use: false, fix: false, told: false,
              page: "DeepSkyMenu", shown: false }
        ]
    }

    // The information page is the window's own instance, which the header's information button
    // shows from anywhere.
    function show(name) {
        if (name !== "information")
            return open(name)
        mouseClick(child(window.header, "informationButton"))
        tryCompare(stackView, "currentItem", window.inj_informationPage)
    }

    function test_toldOnce(data) {
        settle(data.use, data.fix, data.told)
        show(data.page)
        compare(notice().visible, data.shown)
        compare(stored("loc.site_notice_done"), data.told || data.shown)
        if (data.shown) {
            compare(notice().heading, "Enter Your Site")
            verify(notice().content.indexOf("Location page") >= 0, notice().content)
            mouseClick(findChild(notice(), "firstButton"))
            tryCompare(notice(), "visible", false)
        }
        home()
        show(data.page)
        compare(notice().visible, false, "once only")
        home()
    }

    // Leaving the site page means the user has seen the site: nothing need tell them later.
    function test_sitePageCountsAsTold() {
        settle(true, false, false)
        open(window.inj_pageLocation)
        home()
        compare(stored("loc.site_notice_done"), true)
        open("DeepSkyMenu")
        compare(notice().visible, false)
        home()
    }
}
