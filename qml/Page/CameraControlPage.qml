import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"
import "../Words.js" as Words

// Camera exposures through the mount's shutter output: timed programs of exposure groups, or bulb
// mode, where the shutter stays open while the button is held.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var camera: inj_cameraControl
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property var toaster: inj_toaster
        readonly property var mainFooter: inj_mainFooter
        readonly property var stackView: inj_stackView
        readonly property bool isNight: inj_nightManager.isNight
        // The shutter was opened by the bulb button and not closed yet.
        property bool shutterHeld: false
        // A close counts as pending from the moment it is sent; the page says so only once the
        // mount has left it untaken a moment, or does not answer, so that a release on a link
        // that answers shows nothing. Once late, it stays said until the mount has taken the
        // close. Set where the close goes pending and by the timer, never from a change of
        // closeUntaken or of what it reads, which would feed back into it.
        property bool closeLate: false
        readonly property bool linkSilent: !!mount && !mount.linkAnswering
        readonly property bool closeUntaken: camera.closePending && (closeLate || linkSilent)
        // One left pending before the page opened is late already.
        Component.onCompleted: closeLate = camera.closePending
    }

    Timer {
        id: closeLateTimer
        interval: 500
        onTriggered: _m.closeLate = _m.camera.closePending
    }

    readonly property bool connected: _m.mountConnection.connected
    readonly property bool isRunning: _m.camera.isRunning
    readonly property var groups: _m.camera.list

    function setMode(index) {
        _m.camera.isBulb = index === 1
    }

    function openShutter() {
        _m.shutterHeld = true
        _m.camera.shutterOnOff(true)
    }

    // A release, a cancelled press and leaving the page all close the shutter, so it is never
    // left open without a hand on the button.
    function closeShutter() {
        if (!_m.shutterHeld)
            return
        _m.shutterHeld = false
        _m.camera.shutterOnOff(false)
    }

    function editGroup(index) {
        groupPage.profile = _m.camera.load(index)
        _m.stackView.push(groupPage)
    }

    StackView.onActivated: {
        modeBar.currentIndex = _m.camera.isBulb ? 1 : 0
        if (!_m.camera.isBulb && _m.mainFooter)
            _m.mainFooter.requestDisplay(false)
    }
    StackView.onDeactivated: closeShutter()
    Component.onDestruction: closeShutter()

    // The program's end lets go of the shutter as of a held key, while the link can carry it.
    Connections {
        target: root.Window.window
        ignoreUnknownSignals: true
        function onReleasingForEnd() {
            root.closeShutter()
        }
    }

    Connections {
        target: _m.camera
        function onClosePendingChanged() {
            if (_m.camera.closePending) {
                if (_m.linkSilent)
                    _m.closeLate = true
                closeLateTimer.restart()
            } else {
                closeLateTimer.stop()
                _m.closeLate = false
            }
        }
        function onTaskDone() {
            _m.toaster.show("Groups exposure finished")
        }
        // A switch the mount did not take ends the run it was sent for.
        function onCommandError() {
            _m.toaster.show(Words.sentences([qsTr("The mount did not take the shutter command.")]
                                            .concat(_m.camera.isBulb
                                                    ? [] : [qsTr("The exposures have stopped.")])))
        }
    }

    ExposureGroupPage {
        id: groupPage
        visible: false
        onRequestSaveProfile: _m.camera.save(profile)
    }

    // A close the mount has not taken: it is sent again once the mount answers. One in each
    // mode's view, shown in the view on show alone: the stack of the views is as tall as the
    // taller of them, hidden or not, and a note in the hidden one would make the page's view
    // taller than the page leaves it. Never shorter than its lines, which the button and the
    // list give way to instead.
    component ClosePendingNote: Label {
        required property int mode
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        Layout.minimumHeight: implicitHeight
        visible: _m.closeUntaken && modeBar.currentIndex === mode
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.bold: true
        color: _m.isNight ? Material.color(Material.Red) : "#dd000000"
        text: Words.keepWhole(Words.sentences(
                  (_m.mount && !_m.mount.linkAnswering
                   ? [qsTr("The mount does not answer.")] : [])
                  .concat([qsTr("The shutter may still be open.")])),
                  inj_languageManager.language)
    }

    // The mode tabs' height, fixed: their names take a second line or a smaller font within it.
    // Following the tabs' own height instead, the page's height would follow the names' lines,
    // which are laid out again as the page's layout places the tabs: a name in a script without
    // blanks ("定时") breaks into a line a character while the tabs are still narrow, and placing
    // the page by its height changed that height again.
    readonly property real modeBarHeight: 50

    // What the page needs at least: in timer mode a whole row of the list, in bulb mode the
    // count and the smallest button, each with the note of a close not taken where it shows.
    // Less than that, where a small window has the slew pad out, and the page scrolls. What the
    // hidden view would need does not count: the timer's list must not make the bulb mode scroll.
    readonly property real timerHeight: startButton.implicitHeight + startButton.Layout.topMargin
        + startButton.Layout.bottomMargin + pane.headerHeight + pane.rowHeight
        + (runClosePendingText.visible ? runClosePendingText.implicitHeight
                                         + runClosePendingText.Layout.bottomMargin : 0)
    readonly property real bulbRest: bulbButton.Layout.minimumHeight + bulbButton.Layout.topMargin
        + bulbButton.Layout.bottomMargin
        + (closePendingText.visible ? closePendingText.implicitHeight : 0)
    readonly property real bulbHeight: countText.implicitHeight + bulbRest
    // The count's figures shrink where the page would otherwise scroll in bulb mode (a small
    // window with the slew pad and the Sun warning out, the note of a close not taken shown), so
    // that the button stays whole under them. Judged with the full size's metrics, not the
    // label's own height, which this choice changes.
    readonly property int countPixelSize: 60
    readonly property int smallCountPixelSize: 30
    readonly property bool countSmall: scroller.height < modeBarHeight + fullCount.height + bulbRest
    FontMetrics {
        id: fullCount
        font.family: countText.font.family
        font.pixelSize: root.countPixelSize
    }
    readonly property real smallestHeight: modeBarHeight
        + (modeBar.currentIndex === 1 ? bulbHeight : timerHeight)

    Flickable {
        id: scroller
        objectName: "pageScroller"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: width
        contentHeight: Math.max(height, root.smallestHeight)

        ColumnLayout {
            width: scroller.width
            height: scroller.contentHeight
            spacing: 0

            TabBar {
                id: modeBar
                objectName: "modeBar"
                Layout.fillWidth: true
                Layout.minimumHeight: root.modeBarHeight
                Layout.preferredHeight: root.modeBarHeight
                onCurrentIndexChanged: root.setMode(currentIndex)
                UI_TabButton {
                    text: qsTr("Timer")
                    height: parent.height
                }
                UI_TabButton {
                    text: qsTr("Bulb")
                    height: parent.height
                }
            }

            StackLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: modeBar.currentIndex

                ColumnLayout {
                    spacing: 0
                    Button {
                        id: startButton
                        objectName: "startButton"
                        Layout.fillWidth: true
                        Layout.margins: 10
                        text: root.isRunning ? qsTr("Stop") : qsTr("Start")
                        enabled: root.connected && root.groups.length > 0
                        onClicked: root.isRunning ? _m.camera.stopTask() : _m.camera.startTask()
                    }
                    ClosePendingNote {
                        id: runClosePendingText
                        objectName: "runClosePending"
                        mode: 0
                        Layout.bottomMargin: 10
                    }
                    CameraControlPane {
                        id: pane
                        objectName: "pane"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        toolbarText: qsTr("Exposure Groups")
                        listModel: root.groups
                        isRunning: root.isRunning
                        onRequestLoadProfile: index => root.editGroup(index)
                        onRequestSaveProfile: _m.camera.add()
                        onRequestUpdateList: array => _m.camera.list = array
                    }
                }

                ColumnLayout {
                    spacing: 0
                    Item {
                        Layout.fillHeight: true
                    }
                    Label {
                        id: countText
                        objectName: "countText"
                        Layout.fillWidth: true
                        Layout.minimumHeight: implicitHeight
                        horizontalAlignment: Text.AlignHCenter
                        font.pixelSize: root.countSmall ? root.smallCountPixelSize
                                                        : root.countPixelSize
                        color: _m.isNight ? Material.color(Material.Red) : "#dd000000"
                        text: _m.camera.count
                    }
                    ClosePendingNote {
                        id: closePendingText
                        objectName: "closePending"
                        mode: 1
                    }
                    Item {
                        Layout.fillHeight: true
                    }
                    ImageButton {
                        id: bulbButton
                        objectName: "bulbButton"
                        Layout.fillWidth: true
                        Layout.margins: 10
                        // Smaller where the window leaves the page little height (a small window
                        // with the slew pad out): the stack of both modes is as tall as this one.
                        Layout.fillHeight: true
                        Layout.minimumHeight: 48
                        Layout.maximumHeight: 120
                        implicitHeight: 120
                        enabled: root.connected
                        opacity: enabled ? 1 : 0.5
                        fontPixelSize: 20
                        text: qsTr("Bulb Shutter")
                        onPressed: root.openShutter()
                        onReleased: root.closeShutter()
                        // Losing the button (it is disabled or hidden while held) ends the hold.
                        onEnabledChanged: {
                            if (!enabled)
                                root.closeShutter()
                        }
                        onVisibleChanged: {
                            if (!visible)
                                root.closeShutter()
                        }
                    }
                }
            }
        }
    }

    // Toasts keep clear of what the user acts on and of the word that the shutter may still be
    // open: the failure of a shutter command tells of both.
    Connections {
        target: root.StackView
        function onActivated() {
            _m.toaster.keepClearOf(root._keptClear())
        }
        function onDeactivating() {
            _m.toaster.releaseClear(root._keptClear())
        }
        function onRemoved() {
            _m.toaster.releaseClear(root._keptClear())
        }
    }

    function _keptClear() {
        return [startButton, runClosePendingText, bulbButton, closePendingText]
    }
}
