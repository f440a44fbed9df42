#pragma once

#include "base/astrolistuiitem.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace Ko {

// Lets an alignment routine drive the alignment summary page: the routine assigns onStart, then
// emits shouldShow with the chosen stars; the page's "Begin Alignment" button calls start.
// Threads: main thread only.
class AlignSelectionUIStub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty until a routine assigns it; the last routine to assign it wins.
    std::function<void()> onStart;

    // Throws std::bad_function_call while onStart is empty.
    Q_INVOKABLE void start() { onStart(); }

signals:
    void shouldShow(QString alignmentType, std::vector<Ko::AstroListUIItem> list);
};

} // namespace Ko
