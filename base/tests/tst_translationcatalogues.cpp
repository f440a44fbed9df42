// Checks the shipped translation catalogues against the texts the sources carry now. lupdate
// extracts the texts once (scripts/update-translations --extract); each language must then hold
// exactly those texts, each finished, with the placeholders, line breaks and surrounding spaces
// of its source, and with as many plural forms as lupdate itself gives the language. A
// translation may read as its source only where base/translations/same-as-source.tsv allows it.

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString kSourceDir = QStringLiteral(KO_SOURCE_DIR);
const QString kCatalogueDir = kSourceDir + QStringLiteral("/base/translations");
const QStringList kKinds = {QStringLiteral("koqtcommon"), QStringLiteral("app")};
// Items listed per kind of problem; the count says how many more there are.
constexpr int kListed = 12;

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;      // empty when finished
    QStringList forms; // the translation, or one text per plural form

    // lupdate tells messages apart by all four.
    QString key() const {
        return context + QChar(0x1f) + source + QChar(0x1f) + comment +
               (numerus ? QStringLiteral("\x1f#") : QString());
    }
};

struct Catalogue {
    QString language;
    QList<Message> messages;
    QString error;
};

QString textKey(const QString& context, const QString& source) {
    return context + QChar(0x1f) + source;
}

QString shown(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text.size() > 60 ? text.left(57) + QStringLiteral("...") : text;
}

QString describe(const Message& m) {
    return QStringLiteral("%1 \"%2\"%3")
        .arg(m.context, shown(m.source), m.numerus ? QStringLiteral(" (plural)") : QString());
}

Message readMessage(QXmlStreamReader& xml, const QString& context) {
    Message m;
    m.context = context;
    m.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!m.numerus) {
                m.forms << xml.readElementText();
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("numerusform"))
                    m.forms << xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return m;
}

Catalogue readCatalogue(const QString& path) {
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        catalogue.error = path + QStringLiteral(": not a translation catalogue");
        return catalogue;
    }
    catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                catalogue.messages << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        catalogue.error =
            QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return catalogue;
}

// Runs a program to its end; returns what went wrong, or an empty text.
QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 %2 failed:\n%3")
            .arg(program, args.join(QLatin1Char(' ')),
                 QString::fromUtf8(process.readAllStandardOutput() +
                                   process.readAllStandardError()));
    return {};
}

// The same choice as scripts/update-translations makes, which then gets it through LUPDATE.
QString findLupdate() {
    const QString chosen = qEnvironmentVariable("LUPDATE");
    if (!chosen.isEmpty())
        return chosen;
    const QString qt = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
    if (QFile::exists(qt))
        return qt;
    return QStandardPaths::findExecutable(QStringLiteral("lupdate"));
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text))
        found << match.captured();
    std::sort(found.begin(), found.end());
    return found;
}

QString leadingSpace(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.left(i);
}

QString trailingSpace(const QString& text) {
    qsizetype i = text.size();
    while (i > 0 && text.at(i - 1).isSpace())
        --i;
    return text.mid(i);
}

QString unescape(const QString& text, bool* ok) {
    QString out;
    *ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\')) {
            out += text.at(i);
            continue;
        }
        const QChar next = i + 1 < text.size() ? text.at(++i) : QChar();
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            *ok = false;
    }
    return out;
}

// Problems of one run, grouped by kind so that hundreds of unfinished texts read as one line.
class Problems {
public:
    void add(const QString& where, const QString& kind, const QString& item) {
        m_items[where + QStringLiteral(": ") + kind] << item;
    }
    bool isEmpty() const { return m_items.isEmpty(); }
    QString report() const {
        QString text;
        for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
            text += QStringLiteral("\n%1 (%2):").arg(it.key()).arg(it->size());
            for (const QString& item : it->mid(0, kListed))
                text += QStringLiteral("\n    ") + item;
            if (it->size() > kListed)
                text += QStringLiteral("\n    ... and %1 more").arg(it->size() - kListed);
        }
        return text;
    }

private:
    QMap<QString, QStringList> m_items;
};

} // namespace

class TestTranslationCatalogues : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_lupdate;
    QStringList m_languages;
    QHash<QString, QList<Message>> m_extracted; // by kind, in the order lupdate wrote them
    QHash<QString, QSet<QString>> m_allowed;    // by textKey: codes, or "*"
    QStringList m_allowlistProblems;

    // What lupdate itself writes for the language: a scratch catalogue of one plural text.
    int pluralForms(const QString& code, QString* error) {
        const QString ts = m_dir.filePath(QStringLiteral("plural_%1.ts").arg(code));
        *error = run(m_lupdate,
                     {QStringLiteral("-silent"), QStringLiteral("-target-language"), code,
                      m_dir.filePath(QStringLiteral("plural.js")), QStringLiteral("-ts"), ts});
        if (!error->isEmpty())
            return 0;
        const Catalogue probe = readCatalogue(ts);
        if (!probe.error.isEmpty() || probe.messages.size() != 1 || !probe.messages[0].numerus) {
            *error = QStringLiteral("lupdate wrote no plural text to %1 %2").arg(ts, probe.error);
            return 0;
        }
        return int(probe.messages[0].forms.size());
    }

    void readAllowlist() {
        const QString path = kCatalogueDir + QStringLiteral("/same-as-source.tsv");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            m_allowlistProblems << QStringLiteral("cannot open ") + path;
            return;
        }
        QSet<QString> extracted;
        for (const auto& messages : std::as_const(m_extracted))
            for (const Message& m : messages)
                extracted << textKey(m.context, m.source);
        int number = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            ++number;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QString where = QStringLiteral("line %1: ").arg(number);
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() != 4 || fields[3].trimmed().isEmpty()) {
                m_allowlistProblems
                    << where + QStringLiteral("needs languages, context, source and a reason, "
                                              "separated by tabs");
                continue;
            }
            bool ok = true;
            const QString key = textKey(fields[1], unescape(fields[2], &ok));
            if (!ok)
                m_allowlistProblems << where + QStringLiteral("unknown escape in the source");
            if (!extracted.contains(key))
                m_allowlistProblems << where + QStringLiteral("no text %1 \"%2\" in the sources")
                                                   .arg(fields[1], fields[2]);
            for (const QString& code : fields[0].split(QLatin1Char(','))) {
                const QString c = code.trimmed();
                if (c != QLatin1String("*") && !m_languages.contains(c))
                    m_allowlistProblems << where + QStringLiteral("unknown language \"%1\"").arg(c);
                m_allowed[key] << c;
            }
        }
    }

    void checkMessage(const Message& m, const QString& code, int forms, const QString& where,
                      Problems& problems) const {
        if (!m.type.isEmpty()) {
            problems.add(where, QStringLiteral("type=\"%1\"").arg(m.type), describe(m));
            return;
        }
        if (m.numerus && m.forms.size() != forms)
            problems.add(
                where, QStringLiteral("wrong number of plural forms"),
                describe(m) +
                    QStringLiteral(": %1, the language has %2").arg(m.forms.size()).arg(forms));
        const QSet<QString> allowed = m_allowed.value(textKey(m.context, m.source));
        for (const QString& text : m.forms) {
            const QString item = describe(m) + QStringLiteral(" -> \"%1\"").arg(shown(text));
            if (text.isEmpty()) {
                problems.add(where, QStringLiteral("empty"), describe(m));
                continue;
            }
            if (placeholders(text) != placeholders(m.source))
                problems.add(where, QStringLiteral("placeholders differ"), item);
            if (text.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
                problems.add(where, QStringLiteral("line breaks differ"), item);
            if (leadingSpace(text) != leadingSpace(m.source) ||
                trailingSpace(text) != trailingSpace(m.source))
                problems.add(where, QStringLiteral("leading or trailing spaces differ"), item);
            // English plural forms spell out the source itself.
            if (text == m.source && code != QLatin1String("en") && !allowed.contains(code) &&
                !allowed.contains(QStringLiteral("*")))
                problems.add(where, QStringLiteral("same as the source, not in same-as-source.tsv"),
                             describe(m));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_lupdate = findLupdate();
        QVERIFY2(!m_lupdate.isEmpty() && QFileInfo(m_lupdate).isExecutable(),
                 qPrintable(QStringLiteral("lupdate not found (%1): install qt6-l10n-tools or "
                                           "name it in LUPDATE")
                                .arg(m_lupdate)));
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        QVERIFY2(!python.isEmpty(), "python3 not found");
        qputenv("LUPDATE", m_lupdate.toLocal8Bit());

        QFile cmake(kCatalogueDir + QStringLiteral("/translations.cmake"));
        QVERIFY(cmake.open(QIODevice::ReadOnly));
        const auto match = QRegularExpression(QStringLiteral("set\\(ko_languages ([^)]*)\\)"))
                               .match(QString::fromUtf8(cmake.readAll()));
        m_languages = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(!m_languages.isEmpty(), "no ko_languages in translations.cmake");

        const QString extracted = m_dir.filePath(QStringLiteral("extracted"));
        const QString failure =
            run(python, {kSourceDir + QStringLiteral("/scripts/update-translations"),
                         QStringLiteral("--extract"), extracted});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        for (const QString& kind : kKinds) {
            const Catalogue catalogue =
                readCatalogue(extracted + QLatin1Char('/') + kind + QStringLiteral(".ts"));
            QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
            QVERIFY2(!catalogue.messages.isEmpty(), qPrintable(kind + " extracted no text"));
            m_extracted[kind] = catalogue.messages;
        }

        QFile plural(m_dir.filePath(QStringLiteral("plural.js")));
        QVERIFY(plural.open(QIODevice::WriteOnly));
        plural.write("function f(n) { return qsTr(\"%n x\", \"\", n) }\n");
        plural.close();
        readAllowlist();
    }

    // A typo here would silently allow nothing, and an entry whose text is gone allows nothing.
    void allowlistNamesTextsOfTheSources() {
        QVERIFY2(m_allowlistProblems.isEmpty(),
                 qPrintable(QStringLiteral("same-as-source.tsv:\n    ") +
                            m_allowlistProblems.join(QStringLiteral("\n    "))));
    }

    void catalogueIsCompleteAndFinished_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : std::as_const(m_languages))
            QTest::newRow(qPrintable(code)) << code;
    }

    void catalogueIsCompleteAndFinished() {
        QFETCH(QString, code);
        QString error;
        const int forms = pluralForms(code, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        Problems problems;
        for (const QString& kind : kKinds) {
            const QString name = QStringLiteral("%1_%2.ts").arg(kind, code);
            const Catalogue shipped = readCatalogue(kCatalogueDir + QLatin1Char('/') + name);
            if (!shipped.error.isEmpty()) {
                problems.add(name, QStringLiteral("unreadable"), shipped.error);
                continue;
            }
            if (shipped.language != code)
                problems.add(name, QStringLiteral("wrong language"), shipped.language);
            const QList<Message> extracted = m_extracted.value(kind);
            QSet<QString> wanted, seen;
            for (const Message& m : extracted)
                wanted << m.key();
            for (const Message& m : shipped.messages) {
                seen << m.key();
                if (!wanted.contains(m.key()))
                    problems.add(name, QStringLiteral("stale (no longer in the sources)"),
                                 describe(m));
                else
                    checkMessage(m, code, forms, name, problems);
            }
            for (const Message& m : extracted)
                if (!seen.contains(m.key()))
                    problems.add(name, QStringLiteral("missing (run scripts/update-translations)"),
                                 describe(m));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.report()));
    }

    // English is the language of the sources, but a source text can spell only one of its
    // plural forms: the English catalogue holds every plural text, and nothing else, with its
    // singular and plural written out.
    void englishCatalogueHoldsEveryPluralText() {
        const QString name = QStringLiteral("app_en.ts");
        const Catalogue shipped = readCatalogue(kCatalogueDir + QLatin1Char('/') + name);
        QVERIFY2(shipped.error.isEmpty(), qPrintable(shipped.error));
        QCOMPARE(shipped.language, QStringLiteral("en"));
        QString error;
        const int forms = pluralForms(QStringLiteral("en"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(forms, 2);

        Problems problems;
        QSet<QString> wanted, seen;
        for (const QString& kind : kKinds)
            for (const Message& m : m_extracted.value(kind))
                if (m.numerus)
                    wanted << m.key();
        QVERIFY2(!wanted.isEmpty(), "the sources carry no plural text");
        for (const Message& m : shipped.messages) {
            seen << m.key();
            if (!wanted.contains(m.key())) {
                problems.add(name, QStringLiteral("not a plural text of the sources"), describe(m));
                continue;
            }
            checkMessage(m, QStringLiteral("en"), forms, name, problems);
            if (m.forms.size() == forms && m.forms[0] == m.forms[1])
                problems.add(name, QStringLiteral("singular reads as the plural"), describe(m));
        }
        for (const QString& key : std::as_const(wanted))
            if (!seen.contains(key))
                problems.add(name, QStringLiteral("missing (run scripts/update-translations)"),
                             key.section(QChar(0x1f), 1, 1));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.report()));
    }
};

QTEST_GUILESS_MAIN(TestTranslationCatalogues)
#include "tst_translationcatalogues.moc"
