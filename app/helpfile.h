#pragma once

#include "app/ihelpfile.h"

#include <functional>
#include <memory>
#include <string>

namespace Ko {

class IFileUtil;
class ILanguageManager;
class IPlatformUrl;

// Chooses the URL of the help page for a language code.
using HelpPageRule =
    std::function<std::string(std::shared_ptr<IFileUtil>, const std::string& languageCode)>;

// The shipped rule: English ("en", exactly) starts at "help/en/index.html" of the resources
// folder; another language at "help/<code>/help-menu.html" when that file exists, else at the
// English page. The English page itself is never looked for.
std::string helpPageRule(std::shared_ptr<IFileUtil> fileUtil, const std::string& languageCode);

// Threads: main thread only; helpPageRule any thread.
class HelpFile : public IHelpFile {
    Q_OBJECT
public:
    // languageManager may be null: the help then stays English.
    HelpFile(std::shared_ptr<IFileUtil> fileUtil, std::shared_ptr<ILanguageManager> languageManager,
             std::shared_ptr<IPlatformUrl> platformUrl, HelpPageRule rule);

    QUrl helpUrl() const override;
    // Hands the page to the desktop's default application; a refusal is logged with the page.
    bool openInExternalApp() override;

private:
    std::string helpUrlText() const;

    std::shared_ptr<IFileUtil> m_fileUtil;
    std::shared_ptr<ILanguageManager> m_languageManager;
    std::shared_ptr<IPlatformUrl> m_platformUrl;
    HelpPageRule m_rule;
};

} // namespace Ko
