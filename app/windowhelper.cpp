#include "app/windowhelper.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QStyleHints>

#include <utility>

namespace Ko {

namespace {

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

bool isBack(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_Back;
}

QVariantMap area(const QRect& r) {
    return {{QStringLiteral("x"), r.x()},
            {QStringLiteral("y"), r.y()},
            {QStringLiteral("width"), r.width()},
            {QStringLiteral("height"), r.height()}};
}

} // namespace

WindowHelper::WindowHelper(QObject* parent) : QObject(parent) {
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(kReleaseGraceMs);
    connect(&m_releaseTimer, &QTimer::timeout, this, &WindowHelper::flushPendingReleases);
}

void WindowHelper::setWindow(QQuickWindow* window) {
    if (m_window == window)
        return;
    releaseAll();
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = window;
    if (m_window) {
        m_window->installEventFilter(this);
        // A field that takes the focus takes the keys' releases too.
        connect(m_window, &QQuickWindow::activeFocusItemChanged, this, [this] {
            if (textHasFocus())
                releaseAll();
        });
        connect(m_window, &QWindow::activeChanged, this, [this] {
            if (!m_window->isActive())
                releaseAll();
        });
    }
    emit windowChanged();
}

QVariantList WindowHelper::availableScreenAreas() const {
    QVariantList areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append(area(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas.append(area(screen->availableGeometry()));
    }
    return areas;
}

QQuickItem* WindowHelper::focusedText() const {
    QQuickItem* item = m_window ? m_window->activeFocusItem() : nullptr;
    return item && (item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit"))
               ? item
               : nullptr;
}

bool WindowHelper::textHasFocus() const {
    return focusedText() != nullptr;
}

bool WindowHelper::boxOf(const QQuickItem* text, QPointF at) {
    // An editable combo box or spin box types into a field of its own; its buttons and
    // indicator are part of the typing.
    for (const QQuickItem* item = text->parentItem(); item; item = item->parentItem()) {
        if (item->inherits("QQuickComboBox") || item->inherits("QQuickSpinBox"))
            return item->contains(item->mapFromScene(at));
    }
    return false;
}

void WindowHelper::watchTap(const QEvent* event) {
    const auto* pointer = static_cast<const QPointerEvent*>(event);
    if (pointer->pointCount() != 1) {
        m_tapPress.reset();
        return;
    }
    const QPointF at = pointer->points().constFirst().scenePosition();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        m_tapPress = at;
        return;
    case QEvent::MouseMove:
    case QEvent::TouchUpdate:
        if (m_tapPress && (at - *m_tapPress).manhattanLength() >=
                              QGuiApplication::styleHints()->startDragDistance())
            m_tapPress.reset();
        return;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd: {
        if (!std::exchange(m_tapPress, std::nullopt))
            return;
        // The press may have given the focus to another field; a tap inside it is its own.
        QQuickItem* text = focusedText();
        if (text && !text->contains(text->mapFromScene(at)) && !boxOf(text, at))
            text->setFocus(false);
        return;
    }
    default:
        m_tapPress.reset();
        return;
    }
}

void WindowHelper::releaseNow(int key) {
    m_pendingRelease.remove(key);
    if (m_held.remove(key))
        emit arrowKey(key, false);
}

void WindowHelper::flushPendingReleases() {
    m_releaseTimer.stop();
    const QList<int> keys = m_pendingRelease.keys();
    for (int key : keys)
        releaseNow(key);
}

void WindowHelper::releaseAll() {
    m_releaseTimer.stop();
    m_pendingRelease.clear();
    const QSet<int> held = std::exchange(m_held, {});
    for (int key : held)
        emit arrowKey(key, false);
}

bool WindowHelper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        watchTap(event);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (isBack(key)) {
        // The release too stays here: an item that went back on it would go back once more.
        if (event->type() == QEvent::KeyPress && !keyEvent->isAutoRepeat())
            emit backKey();
        event->accept();
        return true;
    }
    if (!isArrow(key))
        return false;
    const bool press = event->type() == QEvent::KeyPress;
    const auto pending = m_pendingRelease.constFind(key);
    if (pending != m_pendingRelease.constEnd()) {
        if (press && keyEvent->timestamp() == pending.value()) {
            // The second half of a repeated release and press: the key never came up.
            m_pendingRelease.erase(pending);
            event->accept();
            return true;
        }
        releaseNow(key);
    }
    const bool held = m_held.contains(key);
    // A key that is not held belongs to a focused text field.
    if (!held && textHasFocus())
        return false;
    if (press) {
        // A repeat whose first press went to a field that has lost the focus since is no new
        // hold either.
        if (!held && !keyEvent->isAutoRepeat()) {
            m_held.insert(key);
            emit arrowKey(key, true);
        }
    } else if (held && !keyEvent->isAutoRepeat()) {
        m_pendingRelease.insert(key, keyEvent->timestamp());
        m_releaseTimer.start();
    }
    event->accept();
    return true;
}

} // namespace Ko
