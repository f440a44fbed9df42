#include "app/helpfile.h"

#include "base/ifileutil.h"
#include "base/ilanguagemanager.h"
#include "base/iplatformurl.h"
#include "base/log.h"

#include <QString>

#include <utility>

namespace Ko {

namespace {
constexpr char kEnglishCode[] = "en";
constexpr char kEnglishPage[] = "help/en/index.html";
} // namespace

std::string helpPageRule(std::shared_ptr<IFileUtil> fileUtil, const std::string& languageCode) {
    const std::string english = fileUtil->resourceUrl(kEnglishPage);
    const std::string localised = fileUtil->resourceUrl("help/" + languageCode + "/help-menu.html");
    if (languageCode == kEnglishCode)
        return english;
    return fileUtil->fileExists(localised) ? localised : english;
}

HelpFile::HelpFile(std::shared_ptr<IFileUtil> fileUtil,
                   std::shared_ptr<ILanguageManager> languageManager,
                   std::shared_ptr<IPlatformUrl> platformUrl, HelpPageRule rule)
    : m_fileUtil(std::move(fileUtil)), m_languageManager(std::move(languageManager)),
      m_platformUrl(std::move(platformUrl)), m_rule(std::move(rule)) {
    if (m_languageManager)
        connect(m_languageManager.get(), &ILanguageManager::languageChanged_q, this,
                &IHelpFile::helpUrlChanged);
}

QUrl HelpFile::helpUrl() const {
    return QUrl(QString::fromStdString(helpUrlText()), QUrl::TolerantMode);
}

bool HelpFile::openInExternalApp() {
    const std::string url = helpUrlText();
    if (m_platformUrl->openUrl(url))
        return true;
    Log("HelpFile: no program opens the help page %s", url.c_str());
    return false;
}

std::string HelpFile::helpUrlText() const {
    const std::string code = m_languageManager ? m_languageManager->language() : kEnglishCode;
    return m_rule(m_fileUtil, code);
}

} // namespace Ko
