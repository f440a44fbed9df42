import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"

// The user's own objects of one kind: celestial ones by right ascension and declination, or
// terrestrial ones by the mount's axis positions. The page edits a copy; only Save, a reorder or a
// deletion reaches the stored list.
Page {
    id: root

    property bool isAxis: false
    property var profileList: null
    // The object being edited, owned by the page.
    property var profile: null

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var toaster: inj_toaster
        readonly property var mainFooter: inj_mainFooter
        readonly property bool isNight: inj_nightManager.isNight
    }

    readonly property bool connected: _m.mountConnection.connected
    readonly property bool isActive: StackView.status === StackView.Active
    readonly property bool _activeAndConnected: isActive && connected
    // The rows show a position, read, loaded or typed. A read that failed or is still under way
    // shows none, and Go To has nothing to drive to: zeros there would send the mount far off.
    readonly property bool positionShown: isAxis ? !axis1Row.blank && !axis2Row.blank
                                                 : !raRow.blank && !decRow.blank
    // The mount whose link is watched, to read again when it answers after a failed read.
    readonly property var _mount: _m.mountConnection.mount

    on_ActiveAndConnectedChanged: {
        if (isActive)
            loadCurrent()
    }
    onProfileChanged: fillFields()

    StackView.onActivated: {
        if (_m.mainFooter)
            _m.mainFooter.requestDisplay(false)
    }

    // Where the mount points now, read in the background into a new object.
    function loadCurrent() {
        if (!profileList)
            return
        profile = profileList.objectLoadCurrent()
        // The blank record's zeros are no position: the rows stay empty until the read is in.
        clearRows()
        profile.loadCurrentAsync()
    }

    function clearRows() {
        raRow.clear()
        decRow.clear()
        axis1Row.clear()
        axis2Row.clear()
    }

    function fillFields() {
        if (!profile)
            return
        // The record's default name is the service's text; a name the user gave has no
        // translation and stays as it is.
        nameField.text = qsTranslate("mount", profile.name)
        if (!profile.hasPosition) {
            clearRows()
            return
        }
        if (isAxis) {
            axis1Row.writeToUI(profile.axis1)
            axis2Row.writeToUI(profile.axis2)
        } else {
            raRow.writeToUI(profile.ra)
            decRow.writeToUI(profile.dec)
            frameBar.currentIndex = profile.isJ2000 ? 1 : 0
        }
    }

    // The declination row takes -180 to 180; a declination lies within ±90, so the row is
    // corrected to that before the value is used.
    function readDec() {
        const dec = decRow.readFromUI()
        const clamped = Math.max(-90, Math.min(90, dec))
        if (clamped !== dec)
            decRow.writeToUI(clamped)
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
        if (!profile || !positionShown)
            return
        copyFieldsTo(profile)
        profile.startGoTo()
    }

    function save() {
        // Empty rows, after a failed read or without a mount, hold no position to keep: zeros
        // saved in their place would replace a stored object of the same name.
        if (!positionShown) {
            _m.toaster.show(
                qsTr("Nothing saved: no position is shown. Connect the mount, or type one in."))
            return
        }
        // Without a mount nothing was loaded: the typed entry becomes a new object.
        const p = profile ? profile : profileList.objectLoadCurrent()
        copyFieldsTo(p)
        profileList.save(p)
        profile = p
    }

    Connections {
        target: root.profile
        ignoreUnknownSignals: true
        function onLoaded() {
            root.fillFields()
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
            onRequestLoadProfile: index => root.profile = root.profileList.load(index)
            onRequestSaveProfile: root.save()
            onRequestUpdateList: array => root.profileList.list = array
        }
    }
}
