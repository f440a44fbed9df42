#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace Ko {

// Lets an alignment routine open and close the three star-list pages (index012 0, 1, 2) and hear
// which row the user picked. The rows come from the alignment-star calculator; the stub passes
// the list number and row through unchanged.
// Threads: main thread only.
class AlignStarListUIStubs : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty until a routine assigns it; the last routine to assign it wins.
    std::function<void(int index012, int indexInList)> onSelect;

    // Throws std::bad_function_call while onSelect is empty.
    Q_INVOKABLE void select(int index012, int indexInList) { onSelect(index012, indexInList); }

signals:
    void shouldShow(int index012, QString title);
    // Closes page index012 and every page above it.
    void shouldInclusivePop(int index012);
};

} // namespace Ko
