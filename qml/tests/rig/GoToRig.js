.pragma library

// Shows on the object page the first object of the identify list, from index from on, that a GoTo
// would not refuse (too low, too near the Sun): which ones are up depends on the hour. False when
// none of them is.
function showReachable(identifyList, objectInfoList, from) {
    for (let i = from; i < identifyList.list.length; ++i) {
        objectInfoList.astroObjShow(identifyList.getAstroObj(i))
        if (objectInfoList.slewToProhibition === undefined)
            return true
    }
    return false
}
