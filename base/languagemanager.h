#pragma once

#include "base/ilanguagemanager.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

class QTranslator;

namespace Ko {

class IKVStore;

struct LanguageManagerEntry {
    Q_GADGET
    Q_PROPERTY(QString languageCode MEMBER languageCode)
    Q_PROPERTY(QString nativeName MEMBER nativeName)
public:
    QString languageCode;
    QString nativeName;

    bool operator==(const LanguageManagerEntry&) const = default;
};

// Chooses the user-interface language, installs its catalogues ":/translation/koqtcommon_<code>"
// and ":/translation/app_<code>" and persists the choice under "lang_code". A language whose
// catalogues do not both load ends in English, the language of the source texts.
// Threads: any thread for language and locale; the rest main thread only.
class LanguageManager : public ILanguageManager {
    Q_OBJECT
    Q_PROPERTY(QString language READ languageCode WRITE setLanguage NOTIFY languageChanged_q)
    Q_PROPERTY(QList<Ko::LanguageManagerEntry> availableLanguages READ availableLanguages CONSTANT)
    Q_PROPERTY(bool doubleLength READ doubleLength WRITE setDoubleLength NOTIFY doubleLengthChanged)
public:
    class DoubleLengthTranslator;

    // kvStore and qmlEngine may be null. qmlEngine is the QQmlEngine whose bindings are
    // re-translated after a switch; it is taken as a QObject so that this layer does not link the
    // QML module. An empty or missing stored code follows the system language.
    LanguageManager(std::shared_ptr<IKVStore> kvStore, QObject* qmlEngine);
    ~LanguageManager() override;

    std::string language() const override;
    std::locale locale() const override;

    QString languageCode() const;
    // The empty code chooses the system language; the code actually chosen is stored.
    void setLanguage(const QString& code);
    // English first, then the languages of ":/translation/info.json" in file order.
    QList<LanguageManagerEntry> availableLanguages() const;
    // Pseudo-translation that shows every text doubled, for trying layouts with long texts.
    // Not persisted.
    bool doubleLength() const;
    void setDoubleLength(bool on);

    // The language part of the current locale's name ("de" for "de_DE").
    Q_INVOKABLE QString systemLanguage() const;

signals:
    void doubleLengthChanged();

private:
    using Translators = std::vector<std::shared_ptr<QTranslator>>;

    // The effective code and its loaded catalogues; English with none when either fails.
    std::pair<QString, Translators> prepareTranslators(QString code) const;
    static std::pair<QString, Translators> englishTranslators();
    void installTranslators(Translators translators);
    void adopt(const QString& code);
    void retranslate();

    std::shared_ptr<IKVStore> m_kvStore;
    QPointer<QObject> m_engine;
    // Guards m_language and m_locale, which services read from worker threads.
    mutable std::mutex m_mutex;
    QString m_language = QStringLiteral("en");
    std::locale m_locale;
    Translators m_translators;
    bool m_doubleLength = false;
    std::unique_ptr<DoubleLengthTranslator> m_doubleLengthTranslator;
};

} // namespace Ko
