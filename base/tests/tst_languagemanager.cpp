#include "base/languagemanager.h"
#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "base/tests/scratchsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

using namespace Ko;

namespace {

const char* const kShipped[] = {"de", "es", "fr", "hr", "it", "hu",
                                "nl", "pt", "ro", "ru", "zh", "ja"};

QString east() {
    return QCoreApplication::translate("cardinal_direction", "E");
}

} // namespace

// A QML type of our own, so that the binding test needs no QML module from the platform.
class TextHolder : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER m_text NOTIFY textChanged)
signals:
    void textChanged();

private:
    QString m_text;
};

class TestLanguageManager : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_storeCount = 0;

    // A real settings file in its own temporary folder.
    std::shared_ptr<QtKVStore> newStore(const QString& folder) {
        return openScratchStore(m_dir.path() + "/" + folder + "/app");
    }
    std::shared_ptr<QtKVStore> freshStore() {
        return newStore(QStringLiteral("s%1").arg(++m_storeCount));
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("sv_SE"))); }

    void shippedCataloguesAllLoad_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("east");
        QTest::addColumn<QString>("southWest");
        QTest::addColumn<QString>("commError");
        dataRow("de", "de", "O", "SW", "Kommunikationsfehler");
        dataRow("es", "es", "E", "SO", "Error de comunicación");
        dataRow("fr", "fr", "E", "SO", "Erreur de communication");
        dataRow("hr", "hr", "I", "JZ", "Pogreška u komunikaciji");
        dataRow("it", "it", "E", "SO", "Errore di comunicazione");
        dataRow("hu", "hu", "K", "DNy", "Kommunikációs hiba");
        dataRow("nl", "nl", "O", "ZW", "Communicatiefout");
        dataRow("pt", "pt", "L", "SO", "Erro de comunicação");
        dataRow("ro", "ro", "E", "SV", "Eroare de comunicare");
        dataRow("ru", "ru", "В", "ЮЗ", "Ошибка связи");
        dataRow("zh", "zh", "东", "西南", "通信错误");
        dataRow("ja", "ja", "東", "南西", "通信エラー");
    }

    // Switching really installs both catalogues of every shipped language.
    void shippedCataloguesAllLoad() {
        QFETCH(QString, code);
        QFETCH(QString, east);
        QFETCH(QString, southWest);
        QFETCH(QString, commError);
        LanguageManager lm(nullptr, nullptr);
        lm.setLanguage(code);
        QCOMPARE(lm.languageCode(), code);
        QCOMPARE(QString::fromStdString(lm.language()), code);
        QCOMPARE(::east(), east);
        QCOMPARE(QCoreApplication::translate("cardinal_direction", "SW"), southWest);
        QCOMPARE(QCoreApplication::translate("mount", "Communication error"), commError);
    }

    // A catalogue without the language suffix would answer for every unsupported language.
    void noCatalogueWithoutSuffix() {
        QVERIFY(!QFile::exists(":/translation/koqtcommon.qm"));
        QVERIFY(!QFile::exists(":/translation/app.qm"));
        QVERIFY(!QFile::exists(":/translation/koqtcommon_en.qm"));
        for (const char* code : kShipped) {
            QVERIFY2(QFile::exists(QStringLiteral(":/translation/koqtcommon_%1.qm").arg(code)),
                     code);
            QVERIFY2(QFile::exists(QStringLiteral(":/translation/app_%1.qm").arg(code)), code);
        }
    }

    void availableLanguages() {
        LanguageManager lm(nullptr, nullptr);
        const auto list = lm.availableLanguages();
        QCOMPARE(list.size(), 13);
        QCOMPARE(list.first(), (LanguageManagerEntry{"en", "English"}));
        for (int i = 0; i < 12; ++i)
            QCOMPARE(list[i + 1].languageCode, QString::fromLatin1(kShipped[i]));
        QCOMPARE(list[9].nativeName, QStringLiteral("Română"));
        QCOMPARE(list[11].nativeName, QStringLiteral("中文"));
        QCOMPARE(list[12].nativeName, QStringLiteral("日本語"));
    }

    void systemLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        dataRow("fr_CA", "fr_CA", "fr");
        dataRow("de_DE", "de_DE", "de");
        dataRow("C", "C", "C");
    }

    void systemLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        LanguageManager lm(nullptr, nullptr);
        QCOMPARE(lm.systemLanguage(), expected);
    }

    // Nothing stored: the system language when it is shipped, else English; nothing is written.
    void followsSystemLanguageWithoutStoredCode_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("east");
        dataRow("fr_CA", "fr_CA", "fr", "E");
        dataRow("nl_BE", "nl_BE", "nl", "O");
        dataRow("sv_SE", "sv_SE", "en", "E");
    }

    void followsSystemLanguageWithoutStoredCode() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, east);
        QLocale::setDefault(QLocale(locale));
        auto store = freshStore();
        LanguageManager lm(store, nullptr);
        QCOMPARE(lm.languageCode(), language);
        QCOMPARE(::east(), east);
        QCOMPARE(QCoreApplication::translate("cardinal_direction", "W"),
                 language == "fr" ? QStringLiteral("O") : QStringLiteral("W"));
        QVERIFY(!store->contains("lang_code"));
    }

    void storedCodeWinsOverSystemLanguage() {
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        auto store = freshStore();
        store->saveString("lang_code", "ru");
        LanguageManager lm(store, nullptr);
        QCOMPARE(lm.languageCode(), QStringLiteral("ru"));
        QCOMPARE(::east(), QStringLiteral("В"));
    }

    // Only a listed code is adopted: the catalogs name their columns by it. A region variant
    // falls back to its language, a code without catalogues to English.
    void storedCodeIsAdoptedOnlyWhenListed_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("east");
        dataRow("xx", "xx", "en", "E");
        dataRow("pt_BR", "pt_BR", "pt", "L");
        dataRow("de_CH", "de_CH", "de", "O");
        dataRow("zh-Hant", "zh-Hant", "zh", "东");
        dataRow("xx_DE", "xx_DE", "en", "E");
        dataRow("en_GB", "en_GB", "en", "E");
    }
    void storedCodeIsAdoptedOnlyWhenListed() {
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QFETCH(QString, east);
        auto store = freshStore();
        store->saveString("lang_code", stored.toStdString());
        LanguageManager lm(store, nullptr);
        QCOMPARE(lm.languageCode(), code);
        QCOMPARE(::east(), east);
    }

    void switchingPersistsAndNotifiesOnce() {
        auto store = freshStore();
        LanguageManager lm(store, nullptr);
        QCOMPARE(lm.languageCode(), QStringLiteral("en"));

        std::vector<std::string> order;
        lm.changed.append([&] { order.push_back("changed:" + lm.language()); });
        connect(&lm, &ILanguageManager::languageChanged_q, this,
                [&] { order.push_back("signal:" + lm.language()); });
        QSignalSpy spy(&lm, &ILanguageManager::languageChanged_q);

        lm.setLanguage("de");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(store->loadString("lang_code", ""), std::string("de"));
        QCOMPARE(::east(), QStringLiteral("O"));

        lm.setLanguage("de");
        QCOMPARE(spy.count(), 1);

        // Back to English: both German catalogues are removed and the source texts show.
        lm.setLanguage("en");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(store->loadString("lang_code", ""), std::string("en"));
        QCOMPARE(::east(), QStringLiteral("E"));
        QCOMPARE(QCoreApplication::translate("mount", "Communication error"),
                 QStringLiteral("Communication error"));

        const std::vector<std::string> expected{"changed:de", "signal:de", "changed:en",
                                                "signal:en"};
        QCOMPARE(order, expected);
    }

    // A text with %n reads right for every count, in English too, whose source spells only
    // the plural; reached directly, through an unknown code and after another language. One
    // singular and one plural per language, and each Russian count that picks its own form.
    void pluralForms_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("want");
        const auto rows = [](const char* before, const char* code, const QString& text,
                             std::vector<std::pair<int, const char*>> forms) {
            for (const auto& [n, form] : forms)
                QTest::addRow("%s %d%s%s", code, n, *before ? " after " : "", before)
                    << QString(before) << QString(code) << n << text.arg(n).arg(form);
        };
        const QString en = QStringLiteral("Playback requires up to %1 %2 to become stable");
        // Zero is plural in English, not in French.
        rows("", "en", en, {{1, "minute"}, {0, "minutes"}});
        rows("de", "en", en, {{1, "minute"}});
        rows("", "tlh", en, {{1, "minute"}});
        rows("", "de", QStringLiteral("Die Wiedergabe braucht bis zu %1 %2, um stabil zu werden"),
             {{1, "Minute"}, {4, "Minuten"}});
        rows("", "ru", QStringLiteral("Стабилизация воспроизведения занимает до %1 %2"),
             {{1, "минуты"}, {3, "минут"}, {11, "минут"}, {21, "минуты"}});
        rows("", "fr", QStringLiteral("La lecture peut demander jusqu'à %1 %2 pour se stabiliser"),
             {{1, "minute"}, {2, "minutes"}});
    }

    void pluralForms() {
        QFETCH(QString, before);
        QFETCH(QString, code);
        QFETCH(int, n);
        QFETCH(QString, want);
        LanguageManager lm(nullptr, nullptr);
        if (!before.isEmpty())
            lm.setLanguage(before);
        lm.setLanguage(code);
        QCOMPARE(QCoreApplication::translate("TrackingPage",
                                             "Playback requires up to %n minutes to become stable",
                                             nullptr, n),
                 want);
    }

    void unknownCodeIsStoredAsEnglish() {
        auto store = freshStore();
        LanguageManager lm(store, nullptr);
        lm.setLanguage("it");
        QSignalSpy spy(&lm, &ILanguageManager::languageChanged_q);
        lm.setLanguage("tlh");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(lm.languageCode(), QStringLiteral("en"));
        QCOMPARE(store->loadString("lang_code", "?"), std::string("en"));
        QCOMPARE(::east(), QStringLiteral("E"));
    }

    void emptyCodeStoresTheResolvedSystemLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<std::string>("stored");
        QTest::newRow("pt_BR") << "pt_BR" << std::string("pt");
        QTest::newRow("sv_SE") << "sv_SE" << std::string("en");
    }

    void emptyCodeStoresTheResolvedSystemLanguage() {
        QFETCH(QString, locale);
        QFETCH(std::string, stored);
        auto store = freshStore();
        store->saveString("lang_code", "hu");
        LanguageManager lm(store, nullptr);
        QLocale::setDefault(QLocale(locale));
        lm.setLanguage(QString());
        QCOMPARE(store->loadString("lang_code", "?"), stored);
        QCOMPARE(lm.language(), stored);
    }

    // The choice survives a restart: a new store on the same file and a new manager.
    void choiceSurvivesRestart() {
        {
            LanguageManager lm(newStore("restart"), nullptr);
            lm.setLanguage("ja");
        }
        QCOMPARE(::east(), QStringLiteral("E"));
        LanguageManager again(newStore("restart"), nullptr);
        QCOMPARE(again.languageCode(), QStringLiteral("ja"));
        QCOMPARE(::east(), QStringLiteral("東"));
    }

    void qmlBindingsAreRetranslated() {
        qmlRegisterType<TextHolder>("KoTest", 1, 0, "TextHolder");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import KoTest 1.0\n"
                          "TextHolder { text: qsTranslate(\"cardinal_direction\", \"E\") }",
                          QUrl());
        std::unique_ptr<QObject> obj(component.create());
        QVERIFY2(obj, qPrintable(component.errorString()));
        QCOMPARE(obj->property("text").toString(), QStringLiteral("E"));

        LanguageManager lm(nullptr, &engine);
        lm.setLanguage("hr");
        QCOMPARE(obj->property("text").toString(), QStringLiteral("I"));

        lm.setDoubleLength(true);
        lm.setLanguage("zh");
        QCOMPARE(obj->property("text").toString(), QStringLiteral("东"));
        lm.setLanguage("en");
        QCOMPARE(obj->property("text").toString(), QStringLiteral("[E E]"));
        lm.setDoubleLength(false);
        QCOMPARE(obj->property("text").toString(), QStringLiteral("E"));
    }

    void doubleLengthPseudoTranslation() {
        LanguageManager lm(nullptr, nullptr);
        QSignalSpy spy(&lm, &LanguageManager::doubleLengthChanged);
        lm.setDoubleLength(true);
        QCOMPARE(spy.count(), 1);
        lm.setDoubleLength(true);
        QCOMPARE(spy.count(), 1);

        // Only the first copy keeps its placeholder.
        QCOMPARE(QCoreApplication::translate("mount", "Speed %1"),
                 QStringLiteral("[Speed %1 Speed _1]"));
        QCOMPARE(QCoreApplication::translate("mount", "Speed %1").arg(3),
                 QStringLiteral("[Speed 3 Speed _1]"));
        QCOMPARE(QCoreApplication::translate("x", "Größe"), QStringLiteral("[Größe Größe]"));

        // A language switched on later answers first for the texts its catalogues hold.
        lm.setLanguage("de");
        QCOMPARE(::east(), QStringLiteral("O"));
        QCOMPARE(QCoreApplication::translate("mount", "Speed %1"),
                 QStringLiteral("[Speed %1 Speed _1]"));

        lm.setDoubleLength(false);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(QCoreApplication::translate("mount", "Speed %1"), QStringLiteral("Speed %1"));
        QCOMPARE(::east(), QStringLiteral("O"));
    }

    // The destroyed manager leaves no catalogue of its own behind.
    void destructionUninstalls() {
        {
            LanguageManager lm(nullptr, nullptr);
            lm.setLanguage("es");
            lm.setDoubleLength(true);
        }
        QCOMPARE(::east(), QStringLiteral("E"));
        QCOMPARE(QCoreApplication::translate("mount", "Operation canceled"),
                 QStringLiteral("Operation canceled"));
    }

    void qmlSeesProperties() {
        LanguageManager lm(nullptr, nullptr);
        QVERIFY(lm.setProperty("language", QStringLiteral("ro")));
        QCOMPARE(lm.property("language").toString(), QStringLiteral("ro"));
        const auto list = lm.property("availableLanguages").value<QList<LanguageManagerEntry>>();
        QCOMPARE(list.size(), 13);
        QVERIFY(lm.setProperty("doubleLength", true));
        QCOMPARE(lm.property("doubleLength").toBool(), true);
        // QML bindings on the language follow the inherited change signal.
        const QMetaObject* mo = lm.metaObject();
        const QMetaProperty language = mo->property(mo->indexOfProperty("language"));
        QCOMPARE(language.notifySignal().name(), QByteArray("languageChanged_q"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageManager)
#include "tst_languagemanager.moc"
