import QtQuick

// The mount utility pages in day and night colours, disconnected and connected; the sharing page
// with devices found, the log page with lines (and its copy, read back from the clipboard), and
// the Advanced menu that opens it.
QtObject {
    property var page: null
    // What the clipboard holds after "Copy to Clipboard", read back by pasting.
    property string pasted: ""
    property QtObject sharing: QtObject {
        property bool serving: false
        property var list: [
            { a: "EQ", b: "192.168.4.21 observatory-pc", c: "3.26.A2", d: "2024-03-20 22:41:05" },
            { a: "AZ", b: "192.168.4.37", c: "255.255.FF", d: "" }
        ]
        function setActive(value) {}
        function loadItem(index) {}
    }

    function show(name) {
        const stack = probe.window.inj_stackView
        while (stack.depth > 1)
            stack.pop()
        page = Qt.createComponent("qrc:/Page/" + name + ".qml").createObject(null)
        stack.push(page)
    }

    function pages(state, mode) {
        const names = ["HibernatePage", "AutoHomePage", "PpecPage", "PMSharingPage", "LogPage"]
        return names.map(name => ({
            run: () => show(name),
            wait: () => page !== null && probe.window.inj_stackView.currentItem === page,
            shot: name + "_" + state + "_" + mode
        }))
    }

    function phase(mode, setting) {
        const w = probe.window
        return [{ run: () => w.inj_nightManager.setting = setting,
                  wait: () => !inj_mountConnection.connected }]
            .concat(pages("disconnected", mode))
            .concat([{ run: () => inj_iConnectable.startSession(),
                       wait: () => inj_mountConnection.connected && !inj_iConnectable.busy }])
            .concat(pages("connected", mode))
            .concat([
                { run: () => {
                      probe.publish("inj_pmSharing", sharing)
                      show("PMSharingPage")
                  },
                  wait: () => page !== null && probe.window.inj_stackView.currentItem === page,
                  shot: "PMSharingPage_found_" + mode },
                { run: () => sharing.serving = true,
                  wait: () => page.visible,
                  shot: "PMSharingPage_serving_" + mode },
                { run: () => {
                      sharing.serving = false
                      probe.restore("inj_pmSharing")
                      show("LogPage")
                  },
                  wait: () => page !== null && probe.window.inj_stackView.currentItem === page,
                  shot: "LogPage_lines_" + mode },
                { run: () => {
                      pasted = ""
                      page.copyButton.clicked()
                      const paste = Qt.createQmlObject("import QtQuick; TextEdit {}", page)
                      paste.paste()
                      pasted = paste.text
                      paste.destroy()
                      if (pasted === "" || pasted !== inj_logPage.logString())
                          probe.fail("the clipboard does not hold the log")
                  },
                  wait: () => pasted !== "" },
                { run: () => show("AdvancedMenu"),
                  wait: () => page !== null && probe.window.inj_stackView.currentItem === page,
                  shot: "AdvancedMenu_" + mode },
                { run: () => {
                      show("HibernatePage")
                      inj_iConnectable.startNextAction()
                  },
                  wait: () => !inj_mountConnection.connected }
            ])
    }

    function steps() {
        return phase("day", 0).concat(phase("night", 1))
    }
}
