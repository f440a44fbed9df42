.pragma library

// Stack helpers for pages that workflows show and remove: pages are matched by identity and
// popped one at a time, so each page's deactivation runs.

function stackView_indexOf(stackView, page) {
    for (let i = 0; i < stackView.depth; ++i) {
        if (stackView.get(i) === page)
            return i
    }
    return -1
}

function _popAbove(stackView, depth) {
    while (stackView.depth > depth) {
        const before = stackView.depth
        stackView.pop()
        if (stackView.depth === before)
            break
    }
}

function stackView_ensureShow(stackView, page) {
    const index = stackView_indexOf(stackView, page)
    if (index < 0)
        stackView.push(page)
    else
        _popAbove(stackView, index + 1)
}

function stackView_inclusivePop(stackView, page) {
    const index = stackView_indexOf(stackView, page)
    if (index >= 0)
        _popAbove(stackView, index)
}
