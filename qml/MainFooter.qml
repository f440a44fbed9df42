import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "CommonUI"

// The slew pad: eight direction buttons and the arrow keys drive the slewing control through one
// vector of eight held flags; the rate buttons with the rate between them, fold and home.
//
// No slew outlives what started it: a touch point that is cancelled (a modal dialog opening over
// it, the pad folded or hidden) counts as a release, a key release is kept even during a GoTo,
// and the held keys are let go when the window loses the keyboard or closes.
Pane {
    id: root

    property real parentHeight: 926
    property bool displayControl: true
    readonly property real sideButtonHeight: 37
    readonly property real sideBlankHeight: 160 * parentHeight / 926
    // What the screen buttons and the keys hold, kept apart so that one cannot drop the other.
    property var screenHeld: [false, false, false, false, false, false, false, false]
    property var keyHeld: [false, false, false, false, false, false, false, false]
    readonly property var buttonVector: Array.from(screenHeld, (held, i) => held || keyHeld[i])
    readonly property bool connected: _m.connected
    readonly property var enButton: _m.enButton
    readonly property var promptButton: _m.promptButton
    readonly property bool hasSlewingControl: !!_m.slewingControl

    QtObject {
        id: _m
        readonly property var slewingControl: inj_slewingControl
        readonly property var mountConnection: inj_mountConnection
        readonly property var gotoStatus: inj_gotoStatus
        readonly property var uiSetting: inj_uiSetting
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var stackView: inj_stackView
        readonly property var nightManager: inj_nightManager
        readonly property bool connected: mountConnection.connected
        readonly property var enButton: slewingControl ? slewingControl.enButton : []
        readonly property var promptButton: slewingControl ? slewingControl.promptButton : []
        property int overlayChildren: 0
    }

    function requestDisplay(display) {
        displayControl = display
    }

    function _send() {
        _m.slewingControl.inputButtons(buttonVector)
    }

    function _with(list, button, value) {
        const copy = Array.from(list)
        copy[button] = value
        return copy
    }

    function screenInput(button, isPress) {
        if (!_m.slewingControl || screenHeld[button] === isPress)
            return
        screenHeld = _with(screenHeld, button, isPress)
        _send()
        if (isPress)
            _m.uiSetting.platformFeedback()
    }

    function controlOnKeys(isPress, button) {
        if (!_m.slewingControl)
            return
        // A GoTo owns the axes: presses wait for its end, releases still count.
        if (isPress && !_m.gotoStatus.done)
            return
        keyHeld = _with(keyHeld, button, isPress && _m.enButton[button] === true)
        _send()
    }

    function releaseScreen() {
        if (!screenHeld.includes(true))
            return
        screenHeld = [false, false, false, false, false, false, false, false]
        if (_m.slewingControl)
            _send()
    }

    function releaseKeys() {
        if (!keyHeld.includes(true))
            return
        keyHeld = [false, false, false, false, false, false, false, false]
        if (_m.slewingControl)
            _send()
    }

    // The program is about to end: the slew that a finger or a key holds stops now, while the
    // link is still there to carry the stop. True when one was held.
    function releaseForQuit() {
        const held = screenHeld.includes(true) || keyHeld.includes(true)
        releaseScreen()
        releaseKeys()
        return held
    }

    padding: 0
    visible: _m.mainUIUtil.showFooter.value
    background: Rectangle {
        color: _m.nightManager.isNight ? _m.nightManager.nightPrimary : "#00c566"
    }

    // Folded or hidden, the pad can no longer see the finger that holds a button lift.
    onDisplayControlChanged: {
        if (!displayControl)
            releaseScreen()
    }
    onVisibleChanged: {
        if (!visible)
            releaseScreen()
    }

    // A dialog opening over a held button takes its touch point without a release; any popup
    // that opens lets the screen buttons go. The finger's later release finds them let go.
    Connections {
        target: root.Overlay.overlay
        function onChildrenChanged() {
            const count = root.Overlay.overlay.children.length
            if (count > _m.overlayChildren)
                root.releaseScreen()
            _m.overlayChildren = count
        }
    }

    // A key released while the window or the page stack has lost the keyboard never reaches
    // the pad, so losing it counts as releasing every key.
    Connections {
        target: root.Window.window
        function onActiveChanged() {
            if (!root.Window.window.active)
                root.releaseKeys()
        }
    }
    Connections {
        target: _m.stackView
        function onActiveFocusChanged() {
            if (!_m.stackView.activeFocus)
                root.releaseKeys()
        }
    }

    contentItem: ColumnLayout {
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            spacing: 0

            SideColumn {
                pad: root
                firstName: "rateMinusButton"
                firstIcon: "qrc:/image/Home_icon/fSlewing2.png"
                secondName: "foldButton"
                secondIcon: root.displayControl ? "qrc:/image/Home_icon/frControlFooter8.png"
                                                : "qrc:/image/Home_icon/frControlFooter10.png"
                onFirstClicked: _m.slewingControl.incrementIntRate(false)
                onSecondClicked: root.displayControl = !root.displayControl
            }

            GridLayout {
                id: grid
                objectName: "directionGrid"
                Layout.fillWidth: true
                Layout.fillHeight: root.displayControl
                Layout.preferredWidth: 150
                Layout.preferredHeight: root.displayControl ? implicitHeight : root.sideButtonHeight
                Layout.maximumHeight: root.displayControl ? Number.POSITIVE_INFINITY : root.sideButtonHeight
                Layout.margins: 3
                rows: 3
                columns: 3
                rowSpacing: 2
                columnSpacing: 3
                opacity: root.displayControl ? 1 : 0
                // Folded, the grid keeps its place but takes no touch.
                enabled: root.displayControl
                clip: true

                DirectionButton { pad: root; button: 6; angle: 315; iconSize: 21 }
                DirectionButton { pad: root; button: 2; angle: 0; iconSize: 28 }
                DirectionButton { pad: root; button: 4; angle: 45; iconSize: 21 }
                DirectionButton { pad: root; button: 1; angle: 270; iconSize: 28 }
                Label {
                    objectName: "rateLabel"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: _m.slewingControl ? _m.slewingControl.intRate : 0
                    font.pixelSize: 22
                    color: _m.nightManager.isNight ? "red" : "white"
                }
                DirectionButton { pad: root; button: 0; angle: 90; iconSize: 28 }
                DirectionButton { pad: root; button: 7; angle: 225; iconSize: 21 }
                DirectionButton { pad: root; button: 3; angle: 180; iconSize: 28 }
                DirectionButton { pad: root; button: 5; angle: 135; iconSize: 21 }
            }

            SideColumn {
                pad: root
                firstName: "ratePlusButton"
                firstIcon: "qrc:/image/Home_icon/fSlewing2.png"
                firstRotation: 180
                secondName: "homeButton"
                secondIcon: "qrc:/image/Home_icon/frControlFooter0.png"
                onFirstClicked: _m.slewingControl.incrementIntRate(true)
                onSecondClicked: _m.mainUIUtil.goHome()
            }
        }

        Item {
            objectName: "footerPadding"
            Layout.fillWidth: true
            implicitHeight: _m.uiSetting.footerPadding
        }
    }

    // A rate button (only while unfolded), a blank, and the fold or home button.
    component SideColumn: ColumnLayout {
        id: side
        property Item pad: null
        property string firstName
        property url firstIcon
        property real firstRotation: 0
        property string secondName
        property url secondIcon

        signal firstClicked
        signal secondClicked

        Layout.preferredWidth: 40
        Layout.alignment: Qt.AlignBottom
        Layout.bottomMargin: 5
        spacing: 0

        ImageButton {
            objectName: side.firstName
            visible: !side.pad || side.pad.displayControl
            enabled: !!side.pad && side.pad.hasSlewingControl
            Layout.preferredWidth: 37
            Layout.preferredHeight: 37
            Layout.alignment: Qt.AlignHCenter
            iconSource: side.firstIcon
            rotation: side.firstRotation
            iconHeight: 15
            iconWidth: 15
            onClicked: side.firstClicked()
        }
        Item {
            visible: !side.pad || side.pad.displayControl
            Layout.preferredHeight: side.pad ? side.pad.sideBlankHeight : 0
        }
        ImageButton {
            objectName: side.secondName
            Layout.preferredWidth: 37
            Layout.preferredHeight: 37
            Layout.alignment: Qt.AlignHCenter
            iconSource: side.secondIcon
            iconHeight: 25
            iconWidth: 25
            onClicked: side.secondClicked()
        }
    }

    component DirectionButton: ImageButton {
        id: direction
        property Item pad: null
        required property int button
        property real angle: 0
        property real iconSize: 28
        readonly property bool prompting: !!pad && (button === 0 ? pad.promptButton[0] === true
                                                                 : button === 2 && pad.promptButton[1] === true)

        objectName: "direction" + button
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.preferredWidth: 50
        Layout.preferredHeight: 50
        Layout.margins: 1
        radius: 3
        hasMultiTouch: true
        iconSource: "qrc:/image/Home_icon/fSlewing0.png"
        rotation: angle
        iconHeight: iconSize
        iconWidth: iconSize
        enabled: !!pad && pad.connected && pad.enButton[button] === true
        opacity: pad && pad.connected ? 1 : 0.5
        onPressed: pad.screenInput(button, true)
        onReleased: pad.screenInput(button, false)

        // The prompt over the right and the up button.
        Rectangle {
            objectName: "prompt" + direction.button
            anchors.fill: parent
            radius: 3
            color: "red"
            opacity: 0
            visible: direction.button === 0 || direction.button === 2

            SequentialAnimation on opacity {
                running: direction.prompting
                loops: Animation.Infinite
                alwaysRunToEnd: true
                NumberAnimation { from: 0; to: 0.3; duration: 1000; easing.type: Easing.InOutSine }
                NumberAnimation { from: 0.3; to: 0; duration: 1000; easing.type: Easing.InOutSine }
            }
        }
    }
}
