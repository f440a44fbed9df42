#pragma once

#include "base/callbacklist.h"

#include <QObject>

#include <locale>
#include <string>

namespace Ko {

// The user-interface language. Service-side subscribers append to `changed`, which fires before
// languageChanged_q.
// Threads: any thread for language and locale; the rest, and `changed`, main thread only.
class ILanguageManager : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    eventpp::CallbackList<void()> changed;

    // The current language code, e.g. "de".
    virtual std::string language() const = 0;
    // The locale of the current language, for number and date texts.
    virtual std::locale locale() const = 0;

signals:
    void languageChanged_q();
};

} // namespace Ko
