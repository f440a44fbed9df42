import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"

// The user's own objects of one kind: celestial ones by right ascension and declination, or
// terrestrial ones by the mount's axis positions. The page edits a copy; only Save, a reorder or a
// deletion reaches the stored list.
//
// The fields belong to whoever wrote them last. A reading of the mount, on opening, on Connect or
// Disconnect and when the link answers again, fills only the fields the page wrote itself: what the
// user typed, and a stored object loaded, stay until the user saves, loads another or leaves the
// page. A reading that took a typed name or row away would have the next Save store the mount's
// position under "Current object", over a stored object of that name.
Page {
    id: root

    property bool isAxis: false
    property var profileList: null
    // The object being edited, owned by the page: the last reading of the mount, or a stored object
    // loaded. The fields, not the record, hold the entry: Go To and Save copy them into it.
    property var profile: null

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var toaster: inj_toaster
        readonly property var mainFooter: inj_mainFooter
        readonly property bool isNight: inj_nightManager.isNight
    }

    // What the page itself last wrote in the name field and the frame tab (the rows keep their own,
    // see UserObjects_DmsInput): a field that shows anything else holds the user's choice.
    QtObject {
        id: _entry
        property string name: qsTr("Current object")
        property int frame: 0
        // A stored object is on show, whole: no reading fills any of its fields.
        property bool loaded: false
        property bool reading: false
    }

    // A reading of the mount is under way: the rows it may fill show nothing until it is in.
    readonly property bool reading: _entry.reading

    readonly property bool connected: _m.mountConnection.connected
    readonly property bool isActive: StackView.status === StackView.Active
    readonly property bool _activeAndConnected: isActive && connected
    // The rows show a position, read, loaded or typed, with a value in every field. A read that
    // failed or is still under way shows none, and Go To has nothing to drive to: zeros there
    // would send the mount far off. So has a row with a field left or made empty.
    readonly property bool positionShown: isAxis ? axis1Row.whole && axis2Row.whole
                                                 : raRow.whole && decRow.whole
    // The mount whose link is watched, to read again when it answers after a failed read.
    readonly property var _mount: _m.mountConnection.mount
    readonly property bool _nameTyped: _entry.loaded || nameField.text !== _entry.name
    readonly property bool _frameTyped: _entry.loaded || frameBar.currentIndex !== _entry.frame

    on_ActiveAndConnectedChanged: {
        if (isActive)
            loadCurrent()
    }

    StackView.onActivated: {
        if (_m.mainFooter)
            _m.mainFooter.requestDisplay(false)
        // A notice of six seconds, as after a GoTo left on a dead link, would hide Save, and one
        // that Save gives would hide the frame it tells of.
        _m.toaster.keepClearOf(_keptClear())
    }
    StackView.onDeactivating: _m.toaster.releaseClear(_keptClear())
    // Left, the page forgets the entry; the next visit starts from the mount's position.
    StackView.onRemoved: {
        _m.toaster.releaseClear(_keptClear())
        forget()
    }

    // What toasts keep clear of: the rows of the position, which Save's notice may name, the
    // frame tabs and the list's bar with Save and Edit. The rows of the other kind are hidden.
    function _keptClear() {
        return [raRow, decRow, axis1Row, axis2Row, frameBar, pane.actionBar]
    }

    // Where the mount points now, read in the background into a new object; it fills the fields
    // that are the page's own when it is in.
    function loadCurrent() {
        if (!profileList)
            return
        profile = profileList.objectLoadCurrent()
        _entry.reading = true
        profile.loadCurrentAsync()
        // The rows it may fill show nothing until the read is in: what they held was read before,
        // and the new record's zeros are no position.
        for (const row of _rows()) {
            if (_own(row))
                row.clear()
        }
        _takeName()
    }

    function forget() {
        profile = null
        _entry.reading = false
        _entry.loaded = false
        _writeName(qsTr("Current object"))
        _entry.frame = frameBar.currentIndex
        for (const row of _rows())
            row.clear()
    }

    function loadStored(index) {
        const p = profileList.load(index)
        if (!p)
            return
        profile = p
        _entry.reading = false
        _writeName(qsTranslate("mount", p.name))
        if (isAxis) {
            axis1Row.writeToUI(p.axis1)
            axis2Row.writeToUI(p.axis2)
        } else {
            raRow.writeToUI(p.ra)
            decRow.writeToUI(p.dec)
            _writeFrame(p.isJ2000 ? 1 : 0)
        }
        _entry.loaded = true
    }

    function _rows() {
        return isAxis ? [axis1Row, axis2Row] : [raRow, decRow]
    }

    function _own(row) {
        return !_entry.loaded && !row.typed
    }

    function _writeName(text) {
        nameField.text = text
        _entry.name = text
    }

    function _writeFrame(index) {
        frameBar.currentIndex = index
        _entry.frame = index
    }

    // A reading is named as the service names it, also where the page's own name was that of an
    // object just saved: the rows about to show the mount's position are no more that object.
    function _takeName() {
        if (!_nameTyped)
            _writeName(qsTranslate("mount", "Current object"))
    }

    // The reading is in: each row of the page's own takes its value. A position of date goes in
    // beside a typed row or a chosen frame only while the tab shows that frame: mixed with J2000,
    // it would point elsewhere.
    function _takeReading() {
        if (!profile.hasPosition)
            return
        if (isAxis) {
            if (_own(axis1Row))
                axis1Row.writeToUI(profile.axis1)
            if (_own(axis2Row))
                axis2Row.writeToUI(profile.axis2)
            return
        }
        const frame = profile.isJ2000 ? 1 : 0
        const positionOwn = !_frameTyped && _own(raRow) && _own(decRow)
        if (frame !== frameBar.currentIndex && !positionOwn)
            return
        if (_own(raRow))
            raRow.writeToUI(profile.ra)
        if (_own(decRow))
            decRow.writeToUI(profile.dec)
        if (!_frameTyped)
            _writeFrame(frame)
    }

    // The declination row takes -180 to 180; a declination lies within ±90, so the row is
    // corrected to that before the value is used.
    function readDec() {
        const dec = decRow.readFromUI()
        const clamped = Math.max(-90, Math.min(90, dec))
        if (clamped !== dec)
            decRow.correctTo(clamped)
        return clamped
    }

    function copyFieldsTo(p) {
        p.name = nameField.text
        if (isAxis) {
            p.axis1 = axis1Row.readFromUI()
            p.axis2 = axis2Row.readFromUI()
        } else {
            p.ra = raRow.readFromUI()
            p.dec = readDec()
            p.isJ2000 = frameBar.currentIndex === 1
        }
    }

    function goTo() {
        if (!positionShown)
            return
        // Typed while no reading was made, the entry has no record yet.
        if (!profile)
            profile = profileList.objectLoadCurrent()
        copyFieldsTo(profile)
        profile.startGoTo()
    }

    function save() {
        // Empty rows, after a failed read or without a mount, hold no position to keep: zeros
        // saved in their place would replace a stored object of the same name. A field left or
        // made empty is a position half typed in, and the user is told which rows lack a value.
        if (!positionShown) {
            const rows = _rows()
            const missing = rows.filter(row => !row.whole).map(row => row.paramText)
            _m.toaster.show(rows.every(row => row.blank)
                ? qsTr("Nothing saved: no position is shown. Connect the mount, or type one in.")
                : qsTr("Nothing saved: the position is only half typed in. Missing: %1")
                      .arg(missing.length === 1
                           ? missing[0]
                           : qsTr("%1, %2", "the two rows of a position that lack a value")
                                 .arg(missing[0]).arg(missing[1])))
            return
        }
        // Without a mount nothing was loaded: the typed entry becomes a new object.
        const p = profile ? profile : profileList.objectLoadCurrent()
        copyFieldsTo(p)
        profileList.save(p)
        profile = p
        // Saved, the entry is kept in the list: the fields are the page's own again.
        _entry.loaded = false
        _entry.name = nameField.text
        _entry.frame = frameBar.currentIndex
        for (const row of _rows())
            row.adopt()
    }

    Connections {
        target: root.profile
        ignoreUnknownSignals: true
        function onLoaded() {
            _entry.reading = false
            root._takeReading()
        }
        function onReadError() {
            _m.toaster.show("Cannot read mount position")
        }
        function onAltError() {
            _m.toaster.show("Altitude out of limits")
        }
        // Near the Sun, in the information page's words, already translated.
        function onGoToRefused(reason) {
            _m.toaster.show(reason)
        }
    }

    // A read that failed is made again once the link answers, while the page is shown and the
    // rows still hold no position.
    Connections {
        target: root._mount
        ignoreUnknownSignals: true
        function onLinkAnsweringChanged() {
            if (root._mount.linkAnswering && root.isActive && root.profile
                    && !root.profile.hasPosition && !root.positionShown)
                root.loadCurrent()
        }
    }

    // Scrolls where the window leaves the list less than a few rows above the slew pad.
    UI_ScrollColumn {
        anchors.fill: parent
        margins: 0
        spacing: 0

        Button {
            objectName: "goToButton"
            Layout.fillWidth: true
            Layout.margins: 10
            text: qsTr("Go To")
            enabled: root.connected && root.positionShown
            onClicked: root.goTo()
        }

        UI_TextInput {
            id: nameField
            objectName: "nameField"
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            Layout.minimumHeight: 40
            hasCloseBtn: true
            placeholderText: qsTr("Object Name")
            placeholderTextColor: "grey"
            text: qsTr("Current object")
        }

        UserObjects_DmsInput {
            id: raRow
            objectName: "raRow"
            visible: !root.isAxis
            Layout.fillWidth: true
            paramText: qsTr("R.A.")
            valType: "h"
        }
        UserObjects_DmsInput {
            id: decRow
            objectName: "decRow"
            visible: !root.isAxis
            Layout.fillWidth: true
            paramText: qsTr("Dec")
            valType: "d"
        }
        TabBar {
            id: frameBar
            objectName: "frameBar"
            visible: !root.isAxis
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            Layout.minimumHeight: 40
            UI_TabButton {
                text: qsTr("JNow")
            }
            UI_TabButton {
                text: qsTr("J2000")
            }
        }
        UserObjects_DmsInput {
            id: axis1Row
            objectName: "axis1Row"
            visible: root.isAxis
            Layout.fillWidth: true
            paramText: qsTr("Axis1")
            valType: "a"
        }
        UserObjects_DmsInput {
            id: axis2Row
            objectName: "axis2Row"
            visible: root.isAxis
            Layout.fillWidth: true
            paramText: qsTr("Axis2")
            valType: "a"
        }

        UserObjectsPane {
            id: pane
            objectName: "pane"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 200
            Layout.topMargin: 10
            toolbarText: qsTr("Objects")
            listModel: root.profileList ? root.profileList.list : []
            onRequestLoadProfile: index => root.loadStored(index)
            onRequestSaveProfile: root.save()
            onRequestUpdateList: array => root.profileList.list = array
        }
    }
}
