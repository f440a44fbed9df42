#include "app/logpage.h"

#include "base/log.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Ko {

QString LogPage::logString() const {
    return QString::fromStdString(LogFile::readAll());
}

void LogPage::clearLog() {
    LogFile::clear();
}

void LogPage::copyToClipboard() {
    QGuiApplication::clipboard()->setText(logString(), QClipboard::Clipboard);
}

} // namespace Ko
