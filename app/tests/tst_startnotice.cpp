#include "app/datafolderlock.h"
#include "app/startnotice.h"

#include "base/tests/datarow.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

using namespace Ko;

namespace {

const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
                                QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("ja"),
                                QStringLiteral("zh"), QStringLiteral("ru"), QStringLiteral("hr"),
                                QStringLiteral("hu"), QStringLiteral("nl"), QStringLiteral("pt"),
                                QStringLiteral("ro")};

// Where the pictures go when they are taken (the screenshot run under a display server); none
// are taken without it.
constexpr char kPicturesEnv[] = "KO_START_NOTICE_PICTURES";

// A lock file's path of 120 characters, deep in a home folder.
QString longLockFile() {
    QString path = QStringLiteral("/home/observatory-user/.local/share/QuorvelPro/");
    const QString name = QString::fromLatin1(DataFolderLock::kFileName);
    while (path.size() + name.size() < 120)
        path += QStringLiteral("remote-site-b/").left(120 - path.size() - name.size());
    return path + name;
}

QRectF inWindow(const QQuickItem* item) {
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

} // namespace

class TestStartNotice : public QObject {
    Q_OBJECT

private slots:
    // The notice of a start, waiting or given up, for each holder it can name, with a long lock
    // file's path: its whole text shows, no line runs past the window, and the Close button of a
    // start that gave up lies in the window below the text, in every language, by day and by
    // night.
    void noticeShowsWhole_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("night");
        for (const QString& language : kLanguages) {
            dataRow(qPrintable(language + " by day"), language, false);
            dataRow(qPrintable(language + " by night"), language, true);
        }
    }
    void noticeShowsWhole() {
        QFETCH(QString, language);
        QFETCH(bool, night);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString settingsFile = folder.filePath(QStringLiteral("Settings.txt"));
        {
            QFile settings(settingsFile);
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(QStringLiteral(R"({"lang_code": "%1", "night_mode": %2})")
                               .arg(language)
                               .arg(night ? 1 : 0)
                               .toUtf8());
        }
        StartNotice::Window notice(settingsFile);
        auto* const window = qobject_cast<QQuickWindow*>(notice.window());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* const text = window->findChild<QQuickItem*>(QStringLiteral("startNoticeText"));
        auto* const scroller =
            window->findChild<QQuickItem*>(QStringLiteral("startNoticeScroller"));
        auto* const close = window->findChild<QQuickItem*>(QStringLiteral("startNoticeClose"));
        QVERIFY(text && scroller && close);

        const QString lockFile = longLockFile();
        QCOMPARE(lockFile.size(), 120);
        using Kind = DataFolderLock::Holder::Kind;
        const QString here = QSysInfo::machineHostName();
        const struct {
            const char* picture;
            DataFolderLock::Holder holder;
        } holders[] = {
            {"here", {Kind::ThisComputer, {}}},
            {"computer", {Kind::OtherComputer, QStringLiteral("observatory-dome-pc")}},
            {"samename", {Kind::SameName, here}},
            {"user", {Kind::OtherUser, QStringLiteral("observer")}},
        };
        const QString pictures = qEnvironmentVariable(kPicturesEnv);
        for (bool gaveUp : {false, true}) {
            for (const auto& [picture, holder] : holders) {
                const QString shown = QStringLiteral("%1 %2").arg(picture).arg(
                    gaveUp ? QStringLiteral("gave up") : QStringLiteral("waiting"));
                notice.setGaveUp(gaveUp);
                notice.name(holder, lockFile);
                // Laid out in the window at the size it asked for.
                QQuickItem* const layout = scroller->parentItem();
                QTRY_VERIFY(QQuickTest::qWaitForPolish(window) &&
                            window->height() == qMin(qCeil(layout->implicitHeight()) + 32, 480) &&
                            qAbs(layout->height() + 32 - window->height()) < 1);
                const QString said = text->property("text").toString();
                // The holder named, and, once given up, the file to remove.
                QVERIFY2(said.contains(holder.name), qPrintable(shown));
                QVERIFY2(said.contains(lockFile) == (gaveUp && holder.kind != Kind::ThisComputer),
                         qPrintable(shown + ": " + said));
                // A display server resizes the window a moment after it asks.
                const auto area = [window] {
                    return QRectF(0, 0, window->width(), window->height());
                };
                QTRY_VERIFY2(area().contains(inWindow(scroller)), qPrintable(shown));
                // Whole, or scrolling to its end where it is taller than a small screen.
                const bool scrolls = text->height() > scroller->height();
                QVERIFY2(!scrolls ||
                             (scroller->property("interactive").toBool() &&
                              scroller->property("contentHeight").toReal() >= text->height()),
                         qPrintable(QStringLiteral("%1: %2 of %3 px shown")
                                        .arg(shown)
                                        .arg(scroller->height())
                                        .arg(text->height())));
                // No line wider than the window leaves it.
                QVERIFY2(text->property("contentWidth").toReal() <= scroller->width(),
                         qPrintable(shown));
                QCOMPARE(close->isVisible(), gaveUp);
                if (gaveUp) {
                    QTRY_VERIFY2(area().contains(inWindow(close)), qPrintable(shown));
                    QVERIFY2(inWindow(close).top() >= inWindow(scroller).bottom(),
                             qPrintable(shown));
                }
                if (!pictures.isEmpty() && (gaveUp || holder.kind == Kind::ThisComputer)) {
                    const QImage image = window->grabWindow();
                    const QString path = QDir(pictures).filePath(
                        QStringLiteral("%1_%2_%3_%4.png")
                            .arg(language, night ? QStringLiteral("night") : QStringLiteral("day"),
                                 QString::fromLatin1(picture),
                                 gaveUp ? QStringLiteral("gaveup") : QStringLiteral("waiting")));
                    QVERIFY(QDir().mkpath(pictures));
                    QVERIFY2(image.save(path), qPrintable(path));
                }
            }
        }
    }
};

QTEST_MAIN(TestStartNotice)
#include "tst_startnotice.moc"
