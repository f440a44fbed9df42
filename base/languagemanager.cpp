#include "base/languagemanager.h"

#include "base/ikvstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMetaObject>
#include <QTranslator>

#include <algorithm>
#include <stdexcept>

namespace Ko {

namespace {

const char* const kKey = "lang_code";
const QString kTranslationDir = QStringLiteral(":/translation/");

std::shared_ptr<QTranslator> loadCatalogue(const QString& baseName, const QString& code) {
    auto translator = std::make_shared<QTranslator>();
    if (!translator->load(baseName + code, kTranslationDir))
        return {};
    return translator;
}

} // namespace

// Answers every lookup with "[" + source + " " + source-with-'%'-as-'_' + "]", so placeholders
// are substituted only in the first copy.
class LanguageManager::DoubleLengthTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(context)
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        const QString s = QString::fromUtf8(sourceText);
        QString t = s;
        t.replace(QLatin1Char('%'), QLatin1Char('_'));
        return QLatin1Char('[') + s + QLatin1Char(' ') + t + QLatin1Char(']');
    }

    // Not empty: installing it must announce a language change like any loaded catalogue.
    bool isEmpty() const override { return false; }
};

LanguageManager::LanguageManager(std::shared_ptr<IKVStore> kvStore, QObject* qmlEngine)
    : m_kvStore(std::move(kvStore)), m_engine(qmlEngine),
      m_doubleLengthTranslator(std::make_unique<DoubleLengthTranslator>()) {
    const QString stored =
        m_kvStore ? QString::fromStdString(m_kvStore->loadString(kKey, std::string())) : QString();
    auto [code, translators] = prepareTranslators(stored);
    installTranslators(std::move(translators));
    adopt(code);
    changed();
    emit languageChanged_q();
}

LanguageManager::~LanguageManager() {
    for (const auto& t : m_translators)
        QCoreApplication::removeTranslator(t.get());
    if (m_doubleLength)
        QCoreApplication::removeTranslator(m_doubleLengthTranslator.get());
}

std::string LanguageManager::language() const {
    std::lock_guard lock(m_mutex);
    return m_language.toStdString();
}

std::locale LanguageManager::locale() const {
    std::lock_guard lock(m_mutex);
    return m_locale;
}

QString LanguageManager::languageCode() const {
    std::lock_guard lock(m_mutex);
    return m_language;
}

void LanguageManager::setLanguage(const QString& code) {
    if (code == languageCode())
        return;
    auto [effective, translators] = prepareTranslators(code);
    installTranslators(std::move(translators));
    adopt(effective);
    if (m_kvStore)
        m_kvStore->saveString(kKey, effective.toStdString());
    changed();
    emit languageChanged_q();
}

QList<LanguageManagerEntry> LanguageManager::availableLanguages() const {
    QList<LanguageManagerEntry> list{{QStringLiteral("en"), QStringLiteral("English")}};
    QFile file(kTranslationDir + QStringLiteral("info.json"));
    if (!file.open(QIODevice::ReadOnly))
        return list;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isArray())
        return list;
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        list.append({o.value(QStringLiteral("languageCode")).toString(),
                     o.value(QStringLiteral("nativeName")).toString()});
    }
    return list;
}

bool LanguageManager::doubleLength() const {
    return m_doubleLength;
}

void LanguageManager::setDoubleLength(bool on) {
    if (on == m_doubleLength)
        return;
    if (on)
        QCoreApplication::installTranslator(m_doubleLengthTranslator.get());
    else
        QCoreApplication::removeTranslator(m_doubleLengthTranslator.get());
    retranslate();
    m_doubleLength = on;
    emit doubleLengthChanged();
}

QString LanguageManager::systemLanguage() const {
    return QLocale().name().split(QLatin1Char('_')).first();
}

// English needs no catalogue but that of its plural texts ("%n minutes" for one minute).
std::pair<QString, LanguageManager::Translators> LanguageManager::englishTranslators() {
    auto plurals = loadCatalogue(QStringLiteral("app_"), QStringLiteral("en"));
    if (!plurals)
        return {QStringLiteral("en"), {}};
    return {QStringLiteral("en"), {plurals}};
}

std::pair<QString, LanguageManager::Translators>
LanguageManager::prepareTranslators(QString code) const {
    if (code.isEmpty())
        code = systemLanguage();
    // The translation loader would find "pt" for "pt_BR" as well, but the catalogs only have name
    // columns for the codes listed: a region variant is its language, anything else English.
    const QList<LanguageManagerEntry> supported = availableLanguages();
    const auto isSupported = [&](const QString& c) {
        return std::any_of(supported.begin(), supported.end(),
                           [&](const LanguageManagerEntry& e) { return e.languageCode == c; });
    };
    if (!isSupported(code))
        code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    if (!isSupported(code) || code == QLatin1String("en"))
        return englishTranslators();
    auto common = loadCatalogue(QStringLiteral("koqtcommon_"), code);
    if (!common)
        return englishTranslators();
    auto app = loadCatalogue(QStringLiteral("app_"), code);
    if (!app)
        return englishTranslators();
    return {code, {common, app}};
}

void LanguageManager::installTranslators(Translators translators) {
    for (const auto& t : m_translators)
        QCoreApplication::removeTranslator(t.get());
    for (const auto& t : translators)
        QCoreApplication::installTranslator(t.get());
    m_translators = std::move(translators);
    retranslate();
}

void LanguageManager::adopt(const QString& code) {
    std::locale loc = std::locale::classic();
    try {
        loc = std::locale(code.toUtf8().constData());
    } catch (const std::runtime_error&) {
        // The platform has no locale of that name; numbers and dates then follow "C".
    }
    std::lock_guard lock(m_mutex);
    m_language = code;
    m_locale = loc;
}

// QQmlEngine::retranslate is a public slot.
void LanguageManager::retranslate() {
    if (m_engine)
        QMetaObject::invokeMethod(m_engine.data(), "retranslate", Qt::DirectConnection);
}

} // namespace Ko
