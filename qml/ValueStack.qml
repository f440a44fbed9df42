import QtQml

// A value with a default and a stack of overrides: pages push a value while they are active and
// pop it when they stop being active, so nested pages restore each other's values.
QtObject {
    property var defaultValue
    // Assigned anew on every change, so that bindings on value are re-evaluated.
    property var _stack: []
    readonly property var value: _stack.length > 0 ? _stack[_stack.length - 1] : defaultValue
    readonly property int depth: _stack.length

    function push(v) {
        _stack = _stack.concat([v])
    }

    function pop() {
        if (_stack.length > 0)
            _stack = _stack.slice(0, _stack.length - 1)
    }
}
