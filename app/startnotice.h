#pragma once

#include "app/datafolderlock.h"
#include "app/urldelivery.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

class QWindow;

namespace Ko {

// A start's claim of its data folder, with the user told on the screen why nothing opens when it
// takes long. A start that finds the folder held by an instance that does not answer (busy, hung,
// or holding it from another host) waits up to UrlDelivery::kStartLimit; without a word, the user
// would see nothing for two minutes and then nothing at all. So the claim runs on a thread of its
// own while this thread shows a small window after noticeAfter, and, when the start gives up, says
// so in the same window until the user closes it or closeAfter has passed. A holder on another
// machine, or of another user, is named there, with the lock file, so that the user knows what to
// end or remove, or whom to ask. A start that only waits for a holder's end (the holder said so)
// shows nothing: the end is near.
//
// The data folder may be another instance's: the window reads the stored language and day or
// night setting from a copy of the settings, and writes nothing.
// Threads: main thread only, before the program's own engine exists.
class StartNotice {
public:
    static constexpr std::chrono::milliseconds kNoticeAfter{2500};
    static constexpr std::chrono::milliseconds kCloseAfter{60000};
    // What the start prints on standard error when it shows the window (the log file is the
    // holder's).
    static constexpr char kShownLine[] = "The data folder is held by another instance that does "
                                         "not answer yet: told the user on the screen\n";
    // Printed once the holder turns out to be on another machine, with the machine and the lock
    // file.
    static constexpr char kElsewhereLine[] = "Held on the machine %s: %s\n";
    // Printed when a start gives up on a lock of another user's, with the user and the lock file.
    static constexpr char kOtherUserLine[] = "Held by a program of the user %s: %s\n";
    // Test hook: with it set, a start gives up after 3 s and its notice closes 2 s later, so that
    // a test of a start that gives up need not wait minutes.
    static constexpr char kShortLimitsEnv[] = "KO_START_SHORT_LIMITS";
    static constexpr std::chrono::milliseconds kShortLimit{3000};
    static constexpr std::chrono::milliseconds kShortCloseAfter{2000};

    // The notice's window, in the stored language, by day or by night as the stored settings say.
    class Window {
    public:
        // settingsFile: the stored settings of the data folder.
        explicit Window(const QString& settingsFile);
        ~Window();
        Window(const Window&) = delete;
        Window& operator=(const Window&) = delete;

        // Null where it cannot show (no display, a broken document).
        QWindow* window() const;
        // What it says: whether the start has given up, and who holds the lock file.
        void setGaveUp(bool gaveUp);
        void name(const DataFolderLock::Holder& holder, const QString& lockFile);

    private:
        struct Parts;
        std::unique_ptr<Parts> m_parts;
    };

    // What delivery.claimOrHandOver(urls, limit) answers; delivery is back on this thread after.
    // dataFolder: the folder that delivery claims.
    static UrlDelivery::Start claim(UrlDelivery& delivery, const QString& dataFolder,
                                    const QStringList& urls,
                                    std::chrono::milliseconds limit = UrlDelivery::kStartLimit,
                                    std::chrono::milliseconds noticeAfter = kNoticeAfter,
                                    std::chrono::milliseconds closeAfter = kCloseAfter);
};

} // namespace Ko
