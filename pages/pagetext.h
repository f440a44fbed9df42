#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace Ko {

// Threads: any thread.

// A page's source text translated in the context of the application's texts.
inline QString trMount(const char* text) {
    return QCoreApplication::translate("mount", text);
}

// The services' texts are UTF-8.
inline QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace Ko
