#pragma once

#include "pages/qmlsectionlistmodel.h"

#include <QObject>

namespace Ko {

// An information page's service: sectioned rows in one model for the page's whole life, refreshed
// while the page asks for it. The page calls setUpdating(true) when it becomes active and
// setUpdating(false) when it stops being active.
// Threads: main thread only.
class IInformationPage : public QObject {
    Q_OBJECT
    Q_PROPERTY(Ko::QmlSectionListModel* listModel READ listModel NOTIFY listModelChanged)
public:
    using QObject::QObject;

    Q_INVOKABLE virtual void setUpdating(bool value) = 0;
    // The same model for the page's whole life.
    virtual QmlSectionListModel* listModel() const = 0;

signals:
    // Never emitted: the model is never replaced.
    void listModelChanged();
};

} // namespace Ko
