import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Developer settings, behind the hidden header entry: the trail-point flip threshold and the two
// test pages. Not translated.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var testTrailPoints: inj_testTrailPoints
    }

    // The test pages are this page's own, made at its first showing; a test may give stand-ins.
    property Component testTrailPointsComponent: null
    property Component testAZTrackingComponent: null
    property Item testTrailPointsPage: null
    property Item testAZTrackingPage: null
    readonly property alias thresholdField: thresholdField

    function ownPage(component, file) {
        const c = component || Qt.createComponent(Qt.resolvedUrl(file))
        return c.status === Component.Ready ? c.createObject(root, { "visible": false }) : null
    }

    StackView.onActivated: {
        if (!testTrailPointsPage)
            testTrailPointsPage = ownPage(testTrailPointsComponent, "TestTrailPointsPage.qml")
        if (!testAZTrackingPage)
            testAZTrackingPage = ownPage(testAZTrackingComponent, "TestAZTrackingPage.qml")
        thresholdField.text = String(_m.testTrailPoints.autoFlipMeridianAbsDeg)
    }

    Column {
        anchors.fill: parent

        UI_Row {
            paramText: "TrailPoints auto flipping meridian threshold (Deg)"
            paramTextWidth: root.width / 2

            UI_TextInput {
                id: thresholdField
                Layout.fillWidth: true
                isOnlyNumber: true
                horizontalAlignment: TextInput.AlignHCenter
                validator: DoubleValidator {
                    notation: DoubleValidator.StandardNotation
                }
                onEditingFinished: {
                    const deg = parseFloat(text)
                    if (!isNaN(deg))
                        _m.testTrailPoints.setAutoFlipMeridianAbsDeg(deg)
                }
            }
        }
        UI_ListRowNav {
            objectName: "testTrailPointsRow"
            titleText: qsTr("Test Trail Points")
            pushItem: root.testTrailPointsPage
        }
        UI_ListRowNav {
            objectName: "azTrackingRow"
            titleText: qsTr("AZ Tracking")
            pushItem: root.testAZTrackingPage
        }
    }
}
