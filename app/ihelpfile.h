#pragma once

#include <QObject>
#include <QUrl>

namespace Ko {

// The help page of the current language, for QML: helpUrl to show it, openInExternalApp to hand
// it to the desktop's browser, which answers whether the desktop took it (false where no
// program here opens web pages), so that the user is not told it opens when it does not.
// helpUrlChanged follows every change of language.
// Threads: main thread only.
class IHelpFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(QUrl helpUrl READ helpUrl NOTIFY helpUrlChanged)
public:
    using QObject::QObject;

    virtual QUrl helpUrl() const = 0;
    Q_INVOKABLE virtual bool openInExternalApp() = 0;

signals:
    void helpUrlChanged();
};

} // namespace Ko
