import QtQuick
import Ko.Quorvel
import "rig/AlignRig.js" as AlignRig
import "rig/Find.js" as Find

// The first star list of a three-star alignment and the preview of the three stars chosen, then
// align-with-sync, the model terms and the polar scope for both hemispheres; every picture in day
// and night colours.
QtObject {

    function byName(w, name) {
        for (const list of [w.contentData, w.data])
            for (let i = 0; i < list.length; ++i)
                if (list[i] && list[i].objectName === name)
                    return list[i]
        return null
    }

    function both(name, run, wait) {
        const w = probe.window
        const ready = wait || (() => true)
        return [
            { run: () => { w.inj_nightManager.setting = 0; if (run) run() }, wait: ready, shot: name + "_day" },
            { run: () => w.inj_nightManager.setting = 1, wait: ready, shot: name + "_night" },
            { run: () => w.inj_nightManager.setting = 0 }
        ]
    }

    function starList(i) {
        const w = probe.window
        const page = byName(w, "alignStarList" + i)
        return both("starlist" + i, null, () => w.inj_stackView.currentItem === page
                                              && inj_alignStarCalculator["list" + i].length > 0)

    }

    // Chooses the enabled star of list i nearest to where the mount points, once the list shows.
    function choose(i) {
        const w = probe.window
        const page = byName(w, "alignStarList" + i)
        return [
            { wait: () => w.inj_stackView.currentItem === page
                          && inj_alignStarCalculator["list" + i].length > 0 },
            { run: () => {
                  const rows = inj_alignStarCalculator["list" + i]
                  const from = AlignRig.azAltOf(inj_trailPointsStatus.targetPosition2)
                  Find.itemNamed(page, "list").selectedIndex(AlignRig.nearestEnabled(rows, from))
              } }
        ]
    }

    function steps() {
        const w = probe.window
        const top = () => w.inj_stackView.currentItem
        const selection = byName(w, "alignSelectionPage")
        return [
            { run: () => inj_iConnectable.startSession(),
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy, timeoutMs: 20000 },
            { run: () => {
                  inj_alignmentRoutine.start(AlignmentType.Star3)
              } }
        ].concat(starList(0), choose(0), choose(1), choose(2),
                 both("selection", null, () => top() === selection), [
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  w.inj_stackView.push("qrc:/Page/AlignWithSyncPage.qml")
              } }
        ], both("alignwithsync", null, null), [
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  w.inj_stackView.push("qrc:/Page/AlignCompensationPage.qml")
              } }
        ], both("compensation", null, null), [
            { run: () => {
                  w.inj_stackView.pop()
                  w.inj_stackView.push("qrc:/Page/PolarScopePage.qml")
              } }
        ], both("polarscope_north", null, () => inj_polarScopeInfo.north), [
            { run: () => top().hemisphere = 1 }
        ], both("polarscope_south", null, () => !inj_polarScopeInfo.north), [
            { run: () => { w.inj_stackView.pop(); inj_iConnectable.startNextAction() },
              wait: () => !inj_mountConnection.connected }
        ])
    }
}
