#include "catalog/cometfile.h"

#include "base/ifileutil.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QtDebug>

namespace Ko {

namespace {

const char* const kElementsName = "CometEls.txt";
const char* const kTimestampName = "CometEls.ts.txt";

QString dataPath(IFileUtil& fileUtil, const char* name) {
    return QString::fromStdString(fileUtil.appDataDir()) + '/' + QLatin1String(name);
}

// A seed may come read-only from an installed package; its local copy must take the downloads
// and timestamps that replace it.
void copySeed(const QString& seed, const QString& local) {
    if (QFile::copy(seed, local))
        QFile::setPermissions(local, QFile::permissions(local) | QFileDevice::WriteOwner);
}

} // namespace

CometFile::CometFile(std::shared_ptr<IFileUtil> fileUtil, std::string downloadUrl)
    : m_fileUtil(std::move(fileUtil)), m_downloadUrl(std::move(downloadUrl)),
      m_elementsPath(dataPath(*m_fileUtil, kElementsName)),
      m_timestampPath(dataPath(*m_fileUtil, kTimestampName)) {
    m_downloader.completion = [this](bool ok) { onDownloadFinished(ok); };
    if (QFile::exists(m_elementsPath))
        return;
    // The seeds ship with the program's read-only data, wherever it was started from.
    const QString seedElements = QString::fromStdString(m_fileUtil->resourcePath(kElementsName));
    const QString seedTimestamp = QString::fromStdString(m_fileUtil->resourcePath(kTimestampName));
    for (const QString& seed : {seedElements, seedTimestamp}) {
        if (!QFile::exists(seed))
            qWarning().noquote() << "CometFile: local file not exist:" << seed;
    }
    copySeed(seedElements, m_elementsPath);
    copySeed(seedTimestamp, m_timestampPath);
}

FILE* CometFile::openFile() {
    return std::fopen(m_elementsPath.toUtf8().constData(), "r");
}

void CometFile::downloadAsync() {
    if (!m_downloader.isBusy())
        m_failure.clear();
    m_downloader.download(m_downloadUrl.c_str(), m_elementsPath.toUtf8().constData());
    emit downloadingChanged();
}

bool CometFile::downloading() const {
    return m_downloader.isBusy();
}

QString CometFile::failure() const {
    return m_failure;
}

int64_t CometFile::downloadTime() const {
    QFile file(m_timestampPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const qint64 seconds = file.readAll().trimmed().toLongLong(&ok);
    return ok ? seconds : 0;
}

void CometFile::onDownloadFinished(bool ok) {
    if (!ok) {
        m_failure = QString::fromStdString(m_downloader.failure());
        emit downloadingChanged();
        downloadFinished(false);
        return;
    }
    writeTimestamp();
    emit downloadingChanged();
    downloadFinished(true);
    emit fileChanged_q();
}

// Written whole or not at all: a crash mid-write never leaves an empty timestamp, which would
// read as "never downloaded".
void CometFile::writeTimestamp() {
    QSaveFile file(m_timestampPath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QByteArray::number(QDateTime::currentSecsSinceEpoch()));
    file.commit();
}

} // namespace Ko
