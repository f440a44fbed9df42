import QtQuick

// Stands in for inj_uiSetting and counts the platform alerts.
QtObject {
    property int alerts: 0
    property int footerPadding: 0
    property bool feedbackUtil: false
    property bool keepScreenOn: false

    function platformAlert() {
        ++alerts
    }
    function platformFeedback() {}
    function padding_PxToEx(px) {
        return px
    }
}
