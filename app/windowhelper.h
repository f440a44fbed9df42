#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QVariantList>

#include <optional>

#include <QQuickWindow>

namespace Ko {

// Threads: main thread only.

// What the main window needs from outside QML (QML element "WindowHelper" of Ko.Quorvel).
//
// The arrow keys drive the mount whichever item has the focus (a header button, a popup that
// just closed, a menu tile), except a text field, which keeps them for its cursor: the helper
// watches every key event of its window before the focus item sees it. A held key is one press
// and one release. The platform repeats a held key either as presses marked as repeats, or (X11)
// as release and press pairs of which only some are marked: the two halves of a pair carry the
// same timestamp, which no hand can do. So a release is held back for kReleaseGraceMs; a press
// of the same key with the release's timestamp within that time cancels it, any other event of
// that key, or the end of that time, lets it through. Every press reported is followed by exactly
// one release: when the key comes up, when a text field takes the focus, or when the window loses
// the keyboard, whichever comes first.
//
// Escape does on a desktop what the back key does on a phone, and the helper takes both before
// any item can: one backKey per press, none for its repeats. A popup that Escape closes by itself
// takes that press first.
//
// A tap (a press and release of one mouse button or one finger that moved less than the drag
// distance) outside the text field that has the keyboard ends the typing there, as Tab would:
// the field loses the focus to its focus scope (its page), tidies its text and leaves the arrow
// keys to the pad. Most of a page (its empty parts, its labels) takes no focus of its own, so
// without this a tap beside a field left it typing. The helper only watches these events: the
// items under the tap still get them. A drag (a scroll, or a selection that runs out of the
// field) ends nothing.
class WindowHelper : public QObject {
    Q_OBJECT
    Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged)
public:
    // Long enough for the press that follows a repeated release through a busy event queue,
    // short beside the 0.3 s in which a released pad stops the mount.
    static constexpr int kReleaseGraceMs = 60;

    explicit WindowHelper(QObject* parent = nullptr);

    QQuickWindow* window() const { return m_window; }
    void setWindow(QQuickWindow* window);

    // The areas of every screen that windows may take (without panels and docks), the primary
    // screen first: [{x, y, width, height}] in the coordinates of the virtual desktop.
    Q_INVOKABLE QVariantList availableScreenAreas() const;
    // True while a text field or text area of the window has the keyboard: the arrow keys are
    // its own.
    Q_INVOKABLE bool textHasFocus() const;

signals:
    void windowChanged();
    // key is Qt.Key_Left, Key_Up, Key_Right or Key_Down.
    void arrowKey(int key, bool isPress);
    // Escape or the back key was pressed.
    void backKey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releaseNow(int key);
    void flushPendingReleases();
    void releaseAll();
    // The pointer half of eventFilter: watches taps, takes none.
    void watchTap(const QEvent* event);

    QQuickItem* focusedText() const;
    // Whether at (window coordinates) lies on the combo box or spin box whose field text is.
    static bool boxOf(const QQuickItem* text, QPointF at);

    QPointer<QQuickWindow> m_window;
    QSet<int> m_held;
    // Releases held back, by key: the timestamp of the release event.
    QHash<int, quint64> m_pendingRelease;
    QTimer m_releaseTimer;
    // The tap under way: where it was pressed (window coordinates), until it moves too far or
    // a second point joins it.
    std::optional<QPointF> m_tapPress;
};

} // namespace Ko
