// The screenshot probe: the real program (composition root and "qrc:/main.qml") driven by a QML
// driver file, writing pictures of the window. Not installed.
//
//   quorvel_probe --driver <file.qml> --out <folder> [--settings <file>] [--first-frame]
//                 [--language <code>] [--double-length] [--window-size <width>x<height>]
//
// --settings copies a settings file into the data folder before anything reads it; without it
// the stored settings of the (scratch) data folder are used, as a restarted program would.
// --first-frame prints "first-frame-ms: <ms from process start>" when the window has shown its
// first frame, and ends there unless a driver is given too.
// --language stores the language as the user's choice before anything starts, as a restarted
// program finds it; --double-length switches the pseudo-translation on before the window is
// created, so texts built once at creation show it too. --window-size resizes the window once it
// is created, before the driver starts (the window's own minimum still holds).
//
// A driver file is a QML object with a function steps() that returns a list of steps, run in
// order. Each step may have, taken in this order:
//   run:       a function called when the step starts;
//   wait:      a function returning true once the step is complete; it is re-evaluated as a
//              binding, so it must read the properties it waits for (no polling);
//   timeoutMs: how long to wait (default 10000), after which the probe fails;
//   shot:      a picture name: once complete, the next frame is grabbed into <out>/<shot>.png.
// Drivers see every inj_ service, "probe" (below) and, as probe.window, the application window
// with its inj_stackView, inj_nightManager, inj_toaster and inj_mainUIUtil.
// probe.publish(name, object) sets a stand-in under a service's name (e.g. a QtObject with
// "timedout: true" as inj_converserTimeoutForwarder), probe.restore(name) puts the service back.
// probe.unanswered() lists the lookups no catalogue answered, as {context, source}; a recording
// translator lies beneath the catalogues for the whole run. probe.texts() lists the visible text
// items of the window and its popups (text inputs too, as input: true, and whether readOnly) as
// {path, text, input, readOnly, comboText, wraps, elides, truncated (elided now), lineCount, width,
// paddingWidth (left and right padding), implicitWidth, contentWidth}, contentWidth being the
// widest line of a wrapped text and comboText true for the shown choice of a combo box that
// cannot be typed into. probe.brokenWords() lists the wrapped texts whose lines break inside a
// word, with their lines as laid out. probe.overlaps(skipped) lists the texts that overlap
// another text or a control they are not part of, or a picture (an icon) that a layout set beside
// them, the controls cut off by the window's edge or by what clips them, and what runs under the
// header or the footer (see Probe).
// probe.squeezed() lists the drawings shown below the size they say can be read (an item's
// readableSize property, in pixels on its shorter side); probe.endOfView(view) tells where the
// lowest control of a scrolling view lies and whether it can be seen there.
// A screenshot test per area: ko_add_shots_test(<area>) in cmake/Ko.cmake. Example:
//
//   import QtQuick
//   QtObject {
//       function steps() {
//           const w = probe.window
//           return [
//               { wait: () => inj_mountConnection.connected, shot: "connected_day" },
//               { run: () => w.inj_nightManager.setting = 1, shot: "connected_night" },
//               { run: () => w.inj_toaster.show("Hello"),
//                 wait: () => w.inj_toaster.count === 1
//                             && w.inj_toaster.itemAtIndex(0).opacity >= 0.9,
//                 shot: "toast_night" },
//           ]
//       }
//   }
//
// A picture fails the run when it is blank (one colour), when its size is not the window's, or
// when it is a night picture that holds a pixel of the day green #00c566 or a near-white or
// light-grey pixel (every channel at kNightLightest or above): at night every text and icon is
// red or dimmed red, so that the eyes stay adapted to the dark. The probe exits with 0
// when every step ran, 1 on a failure, 2 on bad arguments, -1 when the window was not created.
#include "app/appmain.h"
#include "app/appversion.h"
#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/qmlregistration.h"
#include "app/tests/testports.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickTextDocument>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <ctime>
#include <memory>
#include <mutex>
#include <set>

namespace {

// The property by which an item (a reticle, a chart) says below which size, in pixels on its
// shorter side, it can no longer be read.
constexpr char kReadableSize[] = "readableSize";

// The darkest grey that counts as light at night: light grey starts here, and anti-aliased red
// text on black never has its green and blue channels this high.
constexpr int kNightLightest = 0x99;

bool isLightGrey(QRgb pixel) {
    return qRed(pixel) >= kNightLightest && qGreen(pixel) >= kNightLightest &&
           qBlue(pixel) >= kNightLightest;
}

// Milliseconds since the process was started by the kernel, so that loading the libraries counts.
double msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    timespec now{};
    if (!stat.open(QIODevice::ReadOnly) || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const QByteArray text = stat.readAll();
    // Field 22 (start time in clock ticks since boot) follows the command name in parentheses.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Runs a driver's steps; each step waits on a binding, so a change of what it reads wakes it.
const char kRunner[] = R"(
import QtQuick
QtObject {
    id: runner
    property var steps: []
    property int index: -1
    property int done: -1
    readonly property var step: index >= 0 && index < steps.length ? steps[index] : null
    readonly property bool ready: step !== null && (!step.wait || step.wait())
    property Timer timeout: Timer {
        onTriggered: probe.fail("step " + runner.index + " timed out")
    }
    function start(list) {
        steps = list
        next()
    }
    function next() {
        index += 1
        if (index >= steps.length) {
            probe.finish()
            return
        }
        timeout.interval = step.timeoutMs || 10000
        timeout.restart()
        if (step.run)
            step.run()
        if (ready)
            Qt.callLater(complete)
    }
    function complete() {
        if (done === index || !ready)
            return
        done = index
        timeout.stop()
        const name = step.shot
        if (!name) {
            Qt.callLater(next)
            return
        }
        probe.afterFrame(function () {
            if (probe.shot(name))
                runner.next()
        })
    }
    onReadyChanged: if (ready) Qt.callLater(complete)
}
)";

// Installed before any catalogue, so Qt asks it last: it sees exactly the lookups that no
// catalogue answered, and answers none. The language manager installs each new language's
// catalogues above it. Lookups come from any thread.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (sourceText && *sourceText) {
            std::lock_guard lock(m_mutex);
            m_lookups.emplace(QString::fromUtf8(context), QString::fromUtf8(sourceText));
        }
        return {};
    }
    bool isEmpty() const override { return false; }

    QVariantList lookups() const {
        std::lock_guard lock(m_mutex);
        QVariantList list;
        for (const auto& [context, source] : m_lookups)
            list.append(QVariantMap{{"context", context}, {"source", source}});
        return list;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::set<std::pair<QString, QString>> m_lookups;
};

// The item's place for a report: the QML ids (or object names) of it and its ancestors, each
// with the file that names it.
QString itemPath(const QQuickItem* item) {
    QStringList parts;
    for (const QQuickItem* i = item; i; i = i->parentItem()) {
        const QQmlContext* context = qmlContext(i);
        QString name = context ? context->nameForObject(i) : QString();
        if (name.isEmpty())
            name = i->objectName();
        if (name.isEmpty() && i != item)
            continue;
        const QString file = context ? context->baseUrl().fileName() : QString();
        parts.prepend((file.isEmpty() ? QString() : file + ':') +
                      (name.isEmpty() ? i->metaObject()->className() : name));
    }
    return parts.join('/');
}

// Visible, non-empty texts below item; wholly transparent branches are not seen.
void collectTexts(const QQuickItem* item, QVariantList& out) {
    if (!item->isVisible() || item->opacity() <= 0)
        return;
    const bool input = item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
    if (input || item->inherits("QQuickText")) {
        const QString text = item->property("text").toString();
        if (!text.trimmed().isEmpty())
            out.append(
                QVariantMap{{"path", itemPath(item)},
                            {"input", input},
                            {"readOnly", item->property("readOnly").toBool()},
                            // The shown choice of a combo box, a label in all but name.
                            {"comboText", item->parentItem() &&
                                              item->parentItem()->inherits("QQuickComboBox") &&
                                              !item->parentItem()->property("editable").toBool()},
                            {"text", text},
                            {"wraps", item->property("wrapMode").toInt() != 0},
                            {"elides", item->property("elide").toInt() != 0},
                            {"truncated", item->property("truncated").toBool()},
                            // Lines as laid out (a text item only; undefined for an input).
                            {"lineCount", item->property("lineCount")},
                            {"width", item->width()},
                            {"paddingWidth", item->property("leftPadding").toDouble() +
                                                 item->property("rightPadding").toDouble()},
                            {"implicitWidth", item->implicitWidth()},
                            {"contentWidth", item->property("contentWidth")}});
    }
    for (const QQuickItem* child : item->childItems())
        collectTexts(child, out);
}

// What the layout check sees of one item, in window coordinates.
struct Piece {
    const QQuickItem* item;
    // The control a text belongs to (a text is not judged against it), or the control itself.
    const QQuickItem* owner;
    QRectF rect;
    bool text;
    bool control;
    // A scrolling view: its viewport must stay clear of the header and footer.
    bool viewport;
    // A divider between rows: no text may be drawn across it.
    bool line = false;
    // A picture (an icon, a tinted icon, a drawing): no text laid out beside it may run into it.
    bool drawing = false;
};

// An opaque rectangle hides what was painted before it where it lies.
struct Occluder {
    const QQuickItem* item;
    QRectF rect;
    qsizetype before;
};

bool isInteractiveControl(const QQuickItem* item) {
    static const char* const kinds[] = {
        "QQuickAbstractButton", "QQuickComboBox",           "QQuickSpinBox",
        "QQuickSlider",         "QQuickRangeSlider",        "QQuickDial",
        "QQuickTumbler",        "QQuickTextInput",          "QQuickTextEdit",
        "QQuickMouseArea",      "QQuickMultiPointTouchArea"};
    for (const char* kind : kinds) {
        if (item->inherits(kind))
            return !((item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit")) &&
                     item->property("readOnly").toBool());
    }
    return false;
}

// The control an interactive item stands for: a mouse or touch area that covers its parent
// makes the parent the control (a tile, a button drawn as a rectangle).
const QQuickItem* controlOwning(const QQuickItem* item) {
    const QQuickItem* parent = item->parentItem();
    if (!item->inherits("QQuickControl") && !item->inherits("QQuickTextInput") && parent &&
        item->width() * item->height() >= 0.9 * parent->width() * parent->height())
        return parent;
    return item;
}

bool isAncestor(const QQuickItem* ancestor, const QQuickItem* item) {
    for (const QQuickItem* i = item; i; i = i->parentItem()) {
        if (i == ancestor)
            return true;
    }
    return false;
}

// A line at most this high and at least this wide is drawn between rows (or under a field).
constexpr qreal kLineHeight = 2;
constexpr qreal kLineWidth = 20;
// How far a text's lines may reach past its item: the line box of a font may be a pixel taller.
constexpr qreal kOverflow = 2;

bool isLine(const QQuickItem* item) {
    return item->inherits("QQuickRectangle") && item->height() > 0 &&
           item->height() <= kLineHeight && item->width() >= kLineWidth &&
           item->property("color").value<QColor>().alpha() > 0;
}

// What draws a picture of its own: an image (an icon by day), a shader effect (its tinted copy at
// night), a canvas or a painted item.
bool isDrawing(const QQuickItem* item) {
    if (item->inherits("QQuickImage"))
        return !item->property("source").toUrl().isEmpty();
    return item->inherits("QQuickShaderEffect") || item->inherits("QQuickCanvasItem") ||
           item->inherits("QQuickPaintedItem");
}

// The innermost item that holds both.
const QQuickItem* commonAncestor(const QQuickItem* a, const QQuickItem* b) {
    for (const QQuickItem* i = a; i; i = i->parentItem()) {
        if (isAncestor(i, b))
            return i;
    }
    return nullptr;
}

// Two items that a layout or positioner sets beside (or above) one another through the items
// that hold them: what it places never overlaps, unless one runs past the room it was given.
bool laidOutApart(const QQuickItem* a, const QQuickItem* b) {
    const QQuickItem* common = commonAncestor(a, b);
    return common && common != a && common != b &&
           (common->inherits("QQuickLayout") || common->inherits("QQuickBasePositioner"));
}

// The control a line is drawn for (a field's underline, a slider's track), if any: a text of the
// same control may lie on it.
const QQuickItem* controlOf(const QQuickItem* item) {
    for (const QQuickItem* i = item; i; i = i->parentItem()) {
        if (isInteractiveControl(i))
            return i;
    }
    return nullptr;
}

// A line runs through a text when it lies across the text's lines, not along its edge: the line
// boxes of a text may touch the divider below its row.
bool crosses(const QRectF& text, const QRectF& line) {
    const QRectF common = text & line;
    return common.width() > 1 && line.center().y() > text.top() + 1 &&
           line.center().y() < text.bottom() - 1;
}

// Visible texts and controls below item, with the area of each that can be seen: ancestors that
// clip cut it down (what a clipping view hides is reached by scrolling it).
void collectPieces(const QQuickItem* item, QRectF clip, const QSet<const QQuickItem*>& skipped,
                   QList<Piece>& out, QList<Occluder>& occluders, QList<const QQuickItem*>& bars,
                   QList<Piece>& overflowing) {
    if (!item->isVisible() || item->opacity() <= 0 || skipped.contains(item))
        return;
    const QRectF own = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    const bool flickable = item->inherits("QQuickFlickable");
    const bool input = item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
    if (input || item->inherits("QQuickText")) {
        const QString text = item->property("text").toString();
        if (!text.trimmed().isEmpty()) {
            // The text as laid out: aligned, wrapped, shrunk to fit or running past the item.
            QRectF painted = item->mapRectToScene(item->boundingRect());
            // A field scrolls what is typed inside its own width.
            if (input)
                painted &= own;
            // Wrapped into more lines than its item is high (a row of a fixed height): drawn over
            // what lies above or below the item. A field scrolls instead; a button's label may
            // reach past its own item as long as it stays on the button.
            const QQuickItem* control = controlOf(item->parentItem());
            const QRectF bounds =
                control ? control->mapRectToScene(QRectF(0, 0, control->width(), control->height()))
                        : own;
            if (!input && !item->clip() &&
                (painted.top() < bounds.top() - kOverflow ||
                 painted.bottom() > bounds.bottom() + kOverflow))
                overflowing.append({item, item, painted & clip, true, false, false});
            painted &= clip;
            if (!painted.isEmpty())
                out.append({item, item, painted, true, false, false});
        }
    }
    if (isInteractiveControl(item)) {
        const QRectF seen = own & clip;
        const QQuickItem* owner = controlOwning(item);
        if (!seen.isEmpty()) {
            bool found = false;
            for (Piece& p : out) {
                if (p.item == item) {
                    p.control = true;
                    found = true;
                }
            }
            if (!found)
                out.append({item, owner, seen, false, true, false});
        }
    }
    if (flickable && !(own & clip).isEmpty())
        out.append({item, item, own & clip, false, false, true});
    if (isLine(item) && !(own & clip).isEmpty()) {
        const QQuickItem* control = controlOf(item);
        out.append({item, control ? control : item, own & clip, false, false, false, true});
    }
    // A control's own pictures (its icon, the glow of its shadow, which reaches past it) are
    // judged as the control.
    if (isDrawing(item) && !controlOf(item) && !(own & clip).isEmpty())
        out.append({item, item, own & clip, false, false, false, false, true});
    // A page's (or popup's) header and footer lie above its content.
    if (item->inherits("QQuickPage")) {
        for (const char* name : {"header", "footer"}) {
            const auto* bar = item->property(name).value<QQuickItem*>();
            if (bar && bar->isVisible() && bar->height() > 0)
                bars.append(bar);
        }
    }
    if (item->inherits("QQuickRectangle") && item->opacity() >= 1 &&
        item->property("color").value<QColor>().alpha() == 255 && !(own & clip).isEmpty())
        occluders.append({item, own & clip, out.size()});
    // A scrolling view that does not clip paints what it scrolls away where it lies: over a
    // header, under the slew pad.
    if (item->clip())
        clip &= own;
    // In the order they are painted.
    QList<QQuickItem*> children = item->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](const QQuickItem* a, const QQuickItem* b) { return a->z() < b->z(); });
    for (const QQuickItem* child : children)
        collectPieces(child, clip, skipped, out, occluders, bars, overflowing);
}

// What an occluder leaves of a rectangle painted before it: nothing when it covers it, the rest
// when it covers it across one whole side, the rectangle otherwise.
QRectF uncovered(const QRectF& r, const QRectF& cover) {
    if (!r.intersects(cover))
        return r;
    const bool spansHeight = cover.top() <= r.top() && cover.bottom() >= r.bottom();
    const bool spansWidth = cover.left() <= r.left() && cover.right() >= r.right();
    if (spansHeight && spansWidth)
        return {};
    QRectF rest = r;
    if (spansHeight && cover.left() <= r.left())
        rest.setLeft(cover.right());
    else if (spansHeight && cover.right() >= r.right())
        rest.setRight(cover.left());
    else if (spansWidth && cover.top() <= r.top())
        rest.setTop(cover.bottom());
    else if (spansWidth && cover.bottom() >= r.bottom())
        rest.setBottom(cover.top());
    return rest;
}

QString describe(const Piece& p) {
    QString text = p.item->property("text").toString().simplified();
    if (text.size() > 40)
        text = text.left(39) + QChar(0x2026);
    return itemPath(p.item) + (text.isEmpty() ? QString() : " \"" + text + '"');
}

QString rectText(const QRectF& r) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(qRound(r.x()))
        .arg(qRound(r.y()))
        .arg(qRound(r.width()))
        .arg(qRound(r.height()));
}

// The headers and footers painted above item: those of the pages that hold it and, unless it is
// in a popup (which lies above them), the window's own.
QList<const QQuickItem*> barsAbove(const QQuickItem* item, const QQuickWindow* window) {
    QList<const QQuickItem*> bars;
    bool inPopup = false;
    for (const QQuickItem* i = item; i; i = i->parentItem()) {
        inPopup = inPopup || i->inherits("QQuickPopupItem");
        if (!i->inherits("QQuickPage"))
            continue;
        for (const char* name : {"header", "footer"}) {
            const auto* bar = i->property(name).value<QQuickItem*>();
            if (bar && bar->isVisible() && bar->height() > 0 && !isAncestor(bar, item))
                bars.append(bar);
        }
    }
    if (!inPopup) {
        for (const char* name : {"header", "footer"}) {
            const auto* bar = window->property(name).value<QQuickItem*>();
            if (bar && bar->isVisible() && bar->height() > 0)
                bars.append(bar);
        }
    }
    return bars;
}

// The visible control of a view's content that ends lowest, in the content's coordinates. A view
// inside it is one control: it is judged on its own.
void lowestControl(const QQuickItem* item, const QQuickItem* content, const QQuickItem*& lowest,
                   qreal& bottom) {
    if (!item->isVisible() || item->opacity() <= 0)
        return;
    const bool view = item != content && item->inherits("QQuickFlickable");
    if (view || isInteractiveControl(item)) {
        const QRectF r = item->mapRectToItem(content, QRectF(0, 0, item->width(), item->height()));
        if (r.height() > 0 && r.width() > 0 && (!lowest || r.bottom() > bottom + 0.5)) {
            lowest = item;
            bottom = r.bottom();
        }
    }
    if (view)
        return;
    for (const QQuickItem* child : item->childItems())
        lowestControl(child, content, lowest, bottom);
}

// Items that carry a readable size of their own: drawings a page exists to show.
void collectDrawings(const QQuickItem* item, QList<const QQuickItem*>& out) {
    if (!item->isVisible() || item->opacity() <= 0)
        return;
    if (item->property(kReadableSize).toDouble() > 0)
        out.append(item);
    for (const QQuickItem* child : item->childItems())
        collectDrawings(child, out);
}

// Which ways a scrolling view moves its content for the user: what it clips, or what lies past
// the window, that way is reached by scrolling. A view that cannot be flicked, or whose content
// fits, reaches nothing.
struct Scrolls {
    bool vertical = false;
    bool horizontal = false;
};

Scrolls scrollsOf(const QQuickItem* item) {
    if (!item->inherits("QQuickFlickable") || !item->property("interactive").toBool())
        return {};
    // Flickable.AutoFlickDirection, HorizontalFlick, VerticalFlick, HorizontalAndVerticalFlick.
    const int direction = item->property("flickableDirection").toInt();
    const bool tall = item->property("contentHeight").toDouble() > item->height() + 0.5;
    const bool wide = item->property("contentWidth").toDouble() > item->width() + 0.5;
    return {direction == 2 || direction == 3 || (direction == 0 && tall),
            direction == 1 || direction == 3 || (direction == 0 && wide)};
}

// An area that cuts what lies in it (the window, an item that clips), and the ways in which a
// view between it and what it holds, or the area itself, scrolls past its edges.
struct ClipFrame {
    const QQuickItem* item; // null for the window
    QRectF rect;
    Scrolls scrolls;
};

// A control of which some part lies outside an area that cuts it, where no view scrolls it in.
struct CutControl {
    const QQuickItem* control;
    QRectF rect;
    ClipFrame frame;
};

// Within a pixel: a row's divider may touch an edge.
bool holdsAlong(const QRectF& outer, const QRectF& inner, bool vertical) {
    return vertical ? inner.top() >= outer.top() - 1 && inner.bottom() <= outer.bottom() + 1
                    : inner.left() >= outer.left() - 1 && inner.right() <= outer.right() + 1;
}

// The controls below item that lie partly or wholly outside the window, or outside an item that
// clips them, in a way that no view between scrolls. A control is named once, by its outermost
// part (a button, not its mouse area).
void collectCutControls(const QQuickItem* item, QList<ClipFrame> frames,
                        const QSet<const QQuickItem*>& skipped, QList<CutControl>& out) {
    if (!item->isVisible() || item->opacity() <= 0 || skipped.contains(item))
        return;
    const QRectF own = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    if (isInteractiveControl(item) && own.width() > 0 && own.height() > 0) {
        const QQuickItem* control = controlOwning(item);
        const bool named = std::any_of(out.cbegin(), out.cend(), [control](const CutControl& c) {
            return isAncestor(c.control, control);
        });
        if (!named) {
            const QRectF area =
                control->mapRectToScene(QRectF(0, 0, control->width(), control->height()));
            for (const ClipFrame& frame : frames) {
                if ((!frame.scrolls.vertical && !holdsAlong(frame.rect, area, true)) ||
                    (!frame.scrolls.horizontal && !holdsAlong(frame.rect, area, false))) {
                    out.append({control, area, frame});
                    break;
                }
            }
        }
    }
    // A view scrolls what it holds past the edges of every area around it, and past its own.
    const Scrolls scrolls = scrollsOf(item);
    if (scrolls.vertical || scrolls.horizontal) {
        for (ClipFrame& frame : frames) {
            frame.scrolls.vertical = frame.scrolls.vertical || scrolls.vertical;
            frame.scrolls.horizontal = frame.scrolls.horizontal || scrolls.horizontal;
        }
    }
    if (item->clip())
        frames.append({item, own, scrolls});
    for (const QQuickItem* child : item->childItems())
        collectCutControls(child, frames, skipped, out);
}

// Two areas overlap when they share more than a pixel each way: the line boxes of texts set one
// below another may touch.
bool overlapping(const QRectF& a, const QRectF& b) {
    const QRectF common = a & b;
    return common.width() > 1 && common.height() > 1;
}

// The lines of an edited text's document as it lays them out, each paragraph's last line ending
// in a line separator; empty where they are not lineCount (a layout not yet done).
QStringList documentLines(QTextDocument* document, int lineCount) {
    if (!document || lineCount < 2)
        return {};
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            return {};
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(block.text().mid(line.textStart(), line.textLength()));
        }
        // The paragraph ends the line, as a line separator does in a text item's lines.
        if (!lines.isEmpty() && block.next().isValid())
            lines.last().append(QChar::LineSeparator);
    }
    return lines.size() == lineCount ? lines : QStringList();
}

// A text's lines as its item lays them out, found by laying the text out again the same way:
// as plain text in the item's font (or, where the item shrinks its font to fit, the largest
// size at which it fits), with its wrap mode, inside its padding. Empty where that does not give
// the item's own number of lines (styled text, a line limit, an elided last line).
QStringList laidOutLines(const QQuickItem* item) {
    if (const auto* document = item->property("textDocument").value<QQuickTextDocument*>())
        return documentLines(document->textDocument(), item->property("lineCount").toInt());
    const int lineCount = item->property("lineCount").toInt();
    const int wrapMode = item->property("wrapMode").toInt();
    QString text = item->property("text").toString();
    const int format = item->property("textFormat").toInt();
    const bool plain =
        format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text));
    if (lineCount < 2 || wrapMode == QTextOption::NoWrap || !plain)
        return {};
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    const qreal width = item->width() - item->property("leftPadding").toDouble() -
                        item->property("rightPadding").toDouble();
    const qreal height = item->height() - item->property("topPadding").toDouble() -
                         item->property("bottomPadding").toDouble();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapMode(wrapMode));
    // The item's own rendering: design metrics, unless it asks for the platform's.
    constexpr int kNativeRendering = 1;
    option.setUseDesignMetrics(item->property("renderType").toInt() != kNativeRendering);
    struct Laid {
        QStringList lines;
        qreal widest = 0;
        qreal height = 0;
    };
    auto layOut = [&](const QFont& font) {
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        Laid laid;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            laid.lines.append(text.mid(line.textStart(), line.textLength()));
            laid.widest = std::max(laid.widest, line.naturalTextWidth());
            laid.height += line.height();
        }
        layout.endLayout();
        return laid;
    };
    QFont font = item->property("font").value<QFont>();
    // FixedSize 0, HorizontalFit 1, VerticalFit 2, Fit 3.
    const int sizeMode = item->property("fontSizeMode").toInt();
    Laid laid = layOut(font);
    if (sizeMode != 0) {
        const bool byPixels = font.pixelSize() > 0;
        const int largest = byPixels ? font.pixelSize() : QFontInfo(font).pixelSize();
        const int smallest =
            byPixels ? item->property("minimumPixelSize").toInt()
                     : QFontInfo(QFont(font.family(), item->property("minimumPointSize").toInt()))
                           .pixelSize();
        for (int size = largest; size >= std::max(1, smallest); --size) {
            font.setPixelSize(size);
            laid = layOut(font);
            const bool wide = (sizeMode & 1) && laid.widest > width + 0.5;
            const bool tall = (sizeMode & 2) && laid.height > height + 0.5;
            if (!wide && !tall)
                break;
        }
    }
    return laid.lines.size() == lineCount ? laid.lines : QStringList();
}

// Katakana, in which Japanese writes a borrowed word without spaces: one word to a reader.
bool isKatakana(QChar c) {
    constexpr char16_t kProlongedSoundMark = 0x30FC;
    return c.script() == QChar::Script_Katakana || c == QChar(kProlongedSoundMark);
}

// A letter or digit of a script written with spaces between words.
bool isSpacedLetter(QChar c) {
    const QChar::Script script = c.script();
    return c.isLetterOrNumber() && script != QChar::Script_Han &&
           script != QChar::Script_Hiragana && !isKatakana(c) && script != QChar::Script_Bopomofo &&
           script != QChar::Script_Yi;
}

constexpr char16_t kWordJoiner = 0x2060;

bool isHiragana(QChar c) {
    return c.script() == QChar::Script_Hiragana;
}

// A letter of a Japanese word: kana, an ideograph, or a letter or digit of a script written with
// spaces.
bool isJapaneseLetter(QChar c) {
    return isHiragana(c) || isKatakana(c) || c.script() == QChar::Script_Han || isSpacedLetter(c);
}

// Whether the last kana of text, hiragana, ends a phrase before next: as a particle written
// straight after the word it marks ("架台が"), where it does not start a verb ending ("下がる",
// "できる") or a word ("のみ"); を everywhere. The kana after a word are otherwise its ending.
bool endsPhrase(const QString& text, QChar next) {
    const QChar last = text.back();
    if (last == QChar(0x3092)) // を
        return true;
    static const QString kParticles = QStringLiteral("がはにでともへの");
    static const QRegularExpression kNotParticle(QStringLiteral("^(が[らりるれろっ]|でき|のみ)"));
    if (text.size() < 2 || !kParticles.contains(last) || !isJapaneseLetter(text[text.size() - 2]) ||
        isHiragana(text[text.size() - 2]))
        return false;
    return !kNotParticle.match(QString(last) + next).hasMatch();
}

// Whether the last kana of before, hiragana, ends the stem of a verb that a second verb follows in
// one word ("読み|出し", "取り|付け"): a kana of the stem's ending between two ideographs.
bool endsStem(const QString& before, QChar next) {
    static const QString kStemEnds = QStringLiteral("きしちひみりぎび");
    return before.size() >= 2 && kStemEnds.contains(before.back()) &&
           before[before.size() - 2].script() == QChar::Script_Han &&
           next.script() == QChar::Script_Han;
}

// The Chinese words that a line must not split, as Words.js keeps them whole (kChineseWords there:
// keep the two in step).
const QStringList& chineseWords() {
    static const QStringList kWords =
        QString::fromUtf8("寻星 支架 没有 响应 可能 仍在 移动 正在 停止 命令 "
                          "尚未 送达 一直 重发 直到 取消 关闭")
            .split(QLatin1Char(' '));
    return kWords;
}

// Whether one of chineseWords begins at the end of before and ends at the start of next.
bool splitsChineseWord(const QString& before, const QString& next) {
    for (const QString& word : chineseWords()) {
        for (qsizetype k = 1; k < word.size(); ++k) {
            if (before.endsWith(word.left(k)) && next.startsWith(word.mid(k)))
                return true;
        }
    }
    return false;
}

// A line ending in before and the next line, next (both without word joiners), split one word:
// a line may end on a blank, a hyphen or a slash, and between two ideographs or kana other than
// katakana. A term and its value ("Tilt=00.0′", "倾斜=00.0′": the characters between blanks
// around an equals sign) are one word. Read as Japanese, a line between two letters may end only
// after hiragana that ends a word: before a letter that is not hiragana, or after a particle (see
// endsPhrase); a compound of ideographs ("架台"), a verb with its ending ("あります") and two verbs
// in one ("読み出し", see endsStem) are one word. Read as Chinese, so is each of chineseWords.
bool splitsWord(const QString& before, const QString& next, const QString& language) {
    const bool japanese = language == QLatin1String("ja");
    const QChar last = before.back();
    const QChar after = next.front();
    if (last.isSpace() || after.isSpace())
        return false;
    // The characters between blanks on both sides of the break.
    const auto blank = [](QChar c) { return c.isSpace(); };
    const auto head = std::find_if(before.rbegin(), before.rend(), blank).base();
    const auto tail = std::find_if(next.begin(), next.end(), blank);
    const QChar equals = QLatin1Char('=');
    if (std::find(head, before.end(), equals) != before.end() ||
        std::find(next.begin(), tail, equals) != tail)
        return true;
    if (japanese)
        return isJapaneseLetter(last) && isJapaneseLetter(after) &&
               !(isHiragana(last) &&
                 ((!isHiragana(after) && !endsStem(before, after)) || endsPhrase(before, after)));
    if (language == QLatin1String("zh") && splitsChineseWord(before, next))
        return true;
    return (isKatakana(last) && isKatakana(after)) ||
           (isSpacedLetter(last) && isSpacedLetter(after));
}

// Where a text's lines are not known, a text of a script written with spaces in more lines than
// words (a blank, hyphen or slash may end a line) split one; an empty line between paragraphs
// is a line without a word.
bool moreLinesThanWords(const QString& text, int lineCount) {
    if (text.contains(QLatin1String("\n\n")))
        return false;
    for (const QChar c : text) {
        if (c.isLetterOrNumber() && !isSpacedLetter(c))
            return false;
    }
    static const QRegularExpression kBetweenWords(QStringLiteral("[\\s\\-/]+"));
    return lineCount > text.split(kBetweenWords, Qt::SkipEmptyParts).size();
}

// Visible wrapped texts below item that break a line inside a word.
void collectBrokenWords(const QQuickItem* item, const QString& language, QVariantList& out) {
    if (!item->isVisible() || item->opacity() <= 0)
        return;
    if ((item->inherits("QQuickText") || item->inherits("QQuickTextEdit")) &&
        item->property("wrapMode").toInt() != 0 && item->property("lineCount").toInt() > 1) {
        const QString text = item->property("text").toString();
        const QStringList lines = laidOutLines(item);
        int at = -1;
        for (qsizetype i = 1; i < lines.size() && at < 0; ++i) {
            const QString before = QString(lines[i - 1]).remove(QChar(kWordJoiner));
            const QString after = QString(lines[i]).remove(QChar(kWordJoiner));
            if (!before.isEmpty() && !after.isEmpty() && splitsWord(before, after, language))
                at = int(i);
        }
        if (at > 0 ||
            (lines.isEmpty() && moreLinesThanWords(text, item->property("lineCount").toInt())))
            out.append(QVariantMap{{"path", itemPath(item)},
                                   {"text", text},
                                   {"lines", lines},
                                   {"lineCount", item->property("lineCount")},
                                   {"at", at}});
    }
    for (const QQuickItem* child : item->childItems())
        collectBrokenWords(child, language, out);
}

} // namespace

class Probe : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* window READ window CONSTANT)
public:
    Probe(QQmlEngine* engine, QQuickWindow* window, QString outDir,
          const RecordingTranslator& recorder)
        : m_engine(engine), m_window(window), m_outDir(std::move(outDir)), m_recorder(recorder) {}

    QObject* window() const { return m_window; }

    // Calls done once the window has rendered the scene as it is now.
    Q_INVOKABLE void afterFrame(const QJSValue& done) {
        // frameSwapped comes from the render thread, queued: several frames may be queued
        // before the first one reaches this thread.
        auto callback = std::make_shared<QJSValue>(done);
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection =
            connect(m_window, &QQuickWindow::frameSwapped, this, [this, callback, connection] {
                if (!QObject::disconnect(*connection))
                    return;
                const QJSValue result = callback->call();
                if (result.isError())
                    fail(result.toString() + " at " + result.property("stack").toString());
            });
        m_window->update();
    }

    Q_INVOKABLE bool shot(const QString& name) {
        const QImage image = m_window->grabWindow().convertToFormat(QImage::Format_RGB32);
        const QString path = QDir(m_outDir).filePath(name + ".png");
        if (!image.save(path)) {
            fail("cannot write " + path);
            return false;
        }
        const QSize expected = m_window->size() * m_window->devicePixelRatio();
        if (image.size() != expected) {
            fail(QStringLiteral("%1: %2x%3, the window is %4x%5")
                     .arg(name)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(expected.width())
                     .arg(expected.height()));
            return false;
        }
        bool uniform = true;
        int dayGreen = 0;
        int light = 0;
        QRect lightArea;
        const QRgb first = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                uniform = uniform && line[x] == first;
                dayGreen +=
                    qRed(line[x]) == 0x00 && qGreen(line[x]) == 0xc5 && qBlue(line[x]) == 0x66;
                if (isLightGrey(line[x])) {
                    ++light;
                    lightArea |= QRect(x, y, 1, 1);
                }
            }
        }
        if (uniform) {
            fail(name + " is blank");
            return false;
        }
        if (isNight() && dayGreen > 0) {
            fail(QStringLiteral("%1: %2 pixels of the day green at night").arg(name).arg(dayGreen));
            return false;
        }
        // Reported without stopping, so that one run names every such picture.
        if (isNight() && light > 0)
            flaw(QStringLiteral(
                     "%1: %2 near-white or light-grey pixels at night, within %3,%4 %5x%6")
                     .arg(name)
                     .arg(light)
                     .arg(lightArea.x())
                     .arg(lightArea.y())
                     .arg(lightArea.width())
                     .arg(lightArea.height()));
        qInfo("shot %s", qPrintable(path));
        return true;
    }

    Q_INVOKABLE void publish(const QString& name, QObject* standIn) {
        QQmlContext* context = m_engine->rootContext();
        if (!m_originals.contains(name))
            m_originals.insert(name, context->contextProperty(name));
        context->setContextProperty(name, standIn);
    }

    Q_INVOKABLE void restore(const QString& name) {
        if (m_originals.contains(name))
            m_engine->rootContext()->setContextProperty(name, m_originals.take(name));
    }

    Q_INVOKABLE QVariantList unanswered() const { return m_recorder.lookups(); }

    // The window's content, header, footer and overlay (popups and dialogs) are all below it.
    Q_INVOKABLE QVariantList texts() const {
        QVariantList list;
        collectTexts(m_window->contentItem(), list);
        return list;
    }

    // Wrapped texts (also edited ones) that break a line inside a word, each as {path, text,
    // lines (as laid out; empty where they cannot be told, judged then by their number),
    // lineCount, at (the line that starts inside the word, -1 where unknown)}. A word is a run of
    // letters and digits of a script written with spaces, or of katakana, or a term and its value
    // joined by "="; a line may break after a blank, a hyphen or a slash, and between ideographs
    // or other kana. Read as Japanese (language "ja"), a line between two letters may end only
    // after hiragana that ends a word; read as Chinese ("zh"), not inside a word that the labels
    // keep whole (see splitsWord).
    Q_INVOKABLE QVariantList brokenWords(const QString& language = {}) const {
        QVariantList list;
        collectBrokenWords(m_window->contentItem(), language, list);
        return list;
    }

    // Texts that overlap another text or a control they are not part of, or a picture that a
    // layout or positioner set beside them (a cell's text running into the next cell's icon), or
    // run past the window's edge, controls that lie partly outside the window or outside an item
    // that clips them where no view scrolls them in, and texts, controls and scrolling views that
    // run under a header or footer (the window's footer is the slew pad). Only the
    // topmost popup is judged while one is open: it covers what lies beneath. The items of
    // skipped (e.g. the toasts, which float above everything on purpose) are left out. Each
    // finding is {kind, first, firstArea, second, secondArea}: the two by their paths and texts,
    // and the area of each that can be seen, as "x,y widthxheight" in the window.
    Q_INVOKABLE QVariantList overlaps(const QVariantList& skipped) const {
        QSet<const QQuickItem*> skip;
        for (const QVariant& v : skipped) {
            if (const auto* item = qobject_cast<const QQuickItem*>(v.value<QObject*>()))
                skip.insert(item);
        }
        const QQuickItem* root = m_window->contentItem();
        const QQuickItem* topPopup = nullptr;
        for (const QQuickItem* child : root->childItems()) {
            if (!child->inherits("QQuickOverlay"))
                continue;
            for (const QQuickItem* item : child->childItems()) {
                if (item->inherits("QQuickPopupItem") && item->isVisible() && item->opacity() > 0 &&
                    !skip.contains(item) && (!topPopup || item->z() >= topPopup->z()))
                    topPopup = item;
            }
        }
        const QRectF window(0, 0, m_window->width(), m_window->height());
        QList<const QQuickItem*> bars;
        if (!topPopup) {
            for (const char* name : {"header", "footer"}) {
                const auto* bar = m_window->property(name).value<QQuickItem*>();
                if (bar && bar->isVisible() && bar->height() > 0)
                    bars.append(bar);
            }
        }
        QList<Piece> pieces;
        QList<Occluder> occluders;
        // Collected unbounded, so that what runs past the window's edge shows.
        const QRectF everywhere(-1e6, -1e6, 2e6, 2e6);
        QList<Piece> overflowing;
        collectPieces(topPopup ? topPopup : root, everywhere, skip, pieces, occluders, bars,
                      overflowing);

        QVariantList found;
        auto report = [&found](const QString& kind, const Piece& a, const QString& b,
                               const QRectF& bArea) {
            found.append(QVariantMap{{"kind", kind},
                                     {"first", describe(a)},
                                     {"firstArea", rectText(a.rect)},
                                     {"second", b},
                                     {"secondArea", rectText(bArea)}});
        };
        // The innermost header or footer an item lies in.
        auto barOf = [&bars](const QQuickItem* item) -> const QQuickItem* {
            for (const QQuickItem* i = item; i; i = i->parentItem()) {
                if (bars.contains(i))
                    return i;
            }
            return nullptr;
        };
        // The header and footer lie above the page: what runs under them is a finding, not hidden.
        for (const Occluder& o : occluders) {
            for (qsizetype i = 0; i < o.before; ++i) {
                Piece& p = pieces[i];
                if (barOf(p.item) == barOf(o.item) && !isAncestor(o.item, p.item) &&
                    !isAncestor(p.item, o.item))
                    p.rect = uncovered(p.rect, o.rect);
            }
        }
        for (Piece& p : pieces) {
            const QRectF inside = p.rect & window;
            if (p.text && !inside.isEmpty() &&
                (inside.width() < p.rect.width() - 2 || inside.height() < p.rect.height() - 2))
                report(QStringLiteral("cut off by the window's edge"), p, QStringLiteral("window"),
                       window);
            p.rect = inside;
        }
        // A control the user cannot reach whole: its part outside the window, or outside an item
        // that clips it where no view scrolls it in, cannot be seen or touched.
        QList<CutControl> cut;
        collectCutControls(topPopup ? topPopup : root, {ClipFrame{nullptr, window, {}}}, skip, cut);
        for (const CutControl& c : cut) {
            const bool byWindow = c.frame.item == nullptr;
            found.append(QVariantMap{
                {"kind", byWindow ? QStringLiteral("control cut off by the window's edge")
                                  : QStringLiteral("control cut off by what clips it")},
                {"first", describe(Piece{c.control, c.control})},
                {"firstArea", rectText(c.rect)},
                {"second", byWindow ? QStringLiteral("window") : itemPath(c.frame.item)},
                {"secondArea", rectText(c.frame.rect)}});
        }
        for (const Piece& p : overflowing) {
            if (!(p.rect & window).isEmpty())
                report(QStringLiteral("text runs out of its item"), p, itemPath(p.item),
                       p.item->mapRectToScene(QRectF(0, 0, p.item->width(), p.item->height())));
        }
        pieces.removeIf([](const Piece& p) {
            return p.rect.width() <= 1 || (p.rect.height() <= 1 && !p.line);
        });
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const Piece& a = pieces[i];
            const QQuickItem* aBar = barOf(a.item);
            for (const QQuickItem* bar : bars) {
                if (a.drawing)
                    break;
                const QRectF area =
                    bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height())) & window;
                if (!isAncestor(bar, a.item) && overlapping(a.rect, area))
                    report(QStringLiteral("under a header or footer"), a, itemPath(bar), area);
            }
            for (qsizetype j = i + 1; j < pieces.size(); ++j) {
                const Piece& b = pieces[j];
                if ((!a.text && !b.text) || barOf(b.item) != aBar)
                    continue;
                if (a.line || b.line) {
                    const Piece& text = a.text ? a : b;
                    const Piece& line = a.line ? a : b;
                    if (crosses(text.rect, line.rect) && !isAncestor(line.owner, text.item))
                        report(QStringLiteral("text over a divider"), text, itemPath(line.item),
                               line.rect);
                    continue;
                }
                if (!overlapping(a.rect, b.rect))
                    continue;
                // A text inside a control is part of it, and so is a text inside another item
                // of the pair (a field's placeholder).
                if (isAncestor(a.item, b.item) || isAncestor(b.item, a.item) ||
                    (b.control && isAncestor(b.owner, a.item)) ||
                    (a.control && isAncestor(a.owner, b.item)))
                    continue;
                const bool twoTexts = a.text && b.text;
                const Piece& text = a.text ? a : b;
                const Piece& other = a.text ? b : a;
                // A text that runs past the room its row gave it, into a picture of the row.
                if (other.drawing) {
                    if (laidOutApart(text.item, other.item))
                        report(QStringLiteral("text over a picture beside it"), text,
                               itemPath(other.item), other.rect);
                    continue;
                }
                if (!twoTexts && !other.control)
                    continue;
                // A tile's mouse and touch areas are one control: named once, by the tile.
                report(twoTexts ? QStringLiteral("text over text")
                                : QStringLiteral("text over a control"),
                       text, describe(twoTexts ? other : Piece{other.owner, other.owner}),
                       other.rect);
            }
        }
        return found;
    }

    // The drawings that are shown smaller than they can be read: visible items with a readableSize
    // property whose shorter side is below it, or below what needs gives for the item's
    // objectName where that is more (a reader's need, stated by the caller rather than taken
    // from the page), each as {path, area, readableSize}.
    Q_INVOKABLE QVariantList squeezed(const QVariantMap& needs = {}) const {
        QList<const QQuickItem*> drawings;
        collectDrawings(m_window->contentItem(), drawings);
        QVariantList found;
        for (const QQuickItem* item : drawings) {
            const double readable = std::max(item->property(kReadableSize).toDouble(),
                                             needs.value(item->objectName()).toDouble());
            if (std::min(item->width(), item->height()) < readable - 0.5)
                found.append(QVariantMap{{"path", itemPath(item)},
                                         {"area", rectText(item->mapRectToScene(QRectF(
                                                      0, 0, item->width(), item->height())))},
                                         {"readableSize", readable}});
        }
        return found;
    }

    // Where the lowest control of a scrolling view lies, as the view is scrolled now (the caller
    // scrolls it to its end), or at the view's top where the end has scrolled it past:
    // {control, area, problem}, problem empty when the control lies whole within the view and the
    // window and clear of every header and footer above the view (the window's footer is the slew
    // pad). A view without a control gives an empty map.
    Q_INVOKABLE QVariantMap endOfView(QObject* object) const {
        const auto* view = qobject_cast<const QQuickItem*>(object);
        const auto* content = view ? view->property("contentItem").value<QQuickItem*>() : nullptr;
        if (!content)
            return {};
        const QQuickItem* lowest = nullptr;
        qreal bottom = 0;
        lowestControl(content, content, lowest, bottom);
        if (!lowest)
            return {};
        QRectF area = lowest->mapRectToScene(QRectF(0, 0, lowest->width(), lowest->height()));
        const QRectF viewport = view->mapRectToScene(QRectF(0, 0, view->width(), view->height()));
        // Rows without a control may follow the lowest control and scroll it past the view's top
        // at the end: it is judged where the view showed it on the way, at the view's top.
        if (area.top() < viewport.top())
            area.moveTop(viewport.top());
        const QRectF window(0, 0, m_window->width(), m_window->height());
        // Within a pixel: a row's divider may touch the view's edge.
        auto holds = [](const QRectF& outer, const QRectF& inner) {
            return outer.adjusted(-1, -1, 1, 1).contains(inner);
        };
        QString problem;
        if (!holds(viewport, area))
            problem =
                QStringLiteral("outside its view at the view's end (%1)").arg(rectText(viewport));
        else if (!holds(window, area))
            problem = QStringLiteral("outside the window");
        for (const QQuickItem* bar : barsAbove(view, m_window)) {
            const QRectF barArea = bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height()));
            if (problem.isEmpty() && overlapping(area, barArea))
                problem = QStringLiteral("under ") + itemPath(bar);
        }
        return QVariantMap{{"control", describe(Piece{lowest, lowest})},
                           {"area", rectText(area)},
                           {"problem", problem}};
    }

    Q_INVOKABLE void fail(const QString& why) {
        qWarning("probe failed: %s", qPrintable(why));
        m_failed = true;
        QCoreApplication::exit(1);
    }

    // A failure that lets the run go on; the probe still exits with 1.
    void flaw(const QString& why) {
        qWarning("probe failed: %s", qPrintable(why));
        m_failed = true;
    }

    Q_INVOKABLE void finish() { QCoreApplication::exit(m_failed ? 1 : 0); }

private:
    bool isNight() const {
        const auto* night = m_window->property("inj_nightManager").value<QObject*>();
        return night && night->property("isNight").toBool();
    }

    QQmlEngine* const m_engine;
    QQuickWindow* const m_window;
    const QString m_outDir;
    const RecordingTranslator& m_recorder;
    QHash<QString, QVariant> m_originals;
    bool m_failed = false;
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"driver", "QML driver file.", "file"});
    parser.addOption({"out", "Folder for the pictures.", "folder", "."});
    parser.addOption({"settings", "Settings file to start from.", "file"});
    parser.addOption({"first-frame", "Print the time to the first frame."});
    parser.addOption({"language", "Language to start in.", "code"});
    parser.addOption({"double-length", "Start with the pseudo-translation on."});
    parser.addOption({"window-size", "Window size to start at.", "WIDTHxHEIGHT"});
    parser.process(app);
    const bool firstFrame = parser.isSet("first-frame");
    if (!parser.isSet("driver") && !firstFrame) {
        qWarning("probe: --driver or --first-frame is needed");
        return 2;
    }

    // The data folder as the program finds it: "QuorvelPro" under the per-user data root.
    const auto fileUtil = std::make_shared<Ko::QtFileUtil>(Ko::AppVersion::appFolderName());
    const QString settingsPath =
        QString::fromStdString(fileUtil->appDataDir()) + QStringLiteral("/Settings.txt");
    if (parser.isSet("settings")) {
        QDir().mkpath(QFileInfo(settingsPath).path());
        QFile::remove(settingsPath);
        if (!QFile::copy(parser.value("settings"), settingsPath)) {
            qWarning("probe: cannot copy the settings to %s", qPrintable(settingsPath));
            return 2;
        }
        QFile::setPermissions(settingsPath, QFile::ReadOwner | QFile::WriteOwner);
    }
    // Stored as the user's choice, so that every service starts in the language, as after a
    // restart.
    if (parser.isSet("language"))
        Ko::QtKVStore(QStringLiteral("Settings.txt"), fileUtil)
            .saveString("lang_code", parser.value("language").toStdString());
    const QString outDir = parser.value("out");
    QDir().mkpath(outDir);

    Ko::useTestServerPorts();
    QIcon::setThemeName(QStringLiteral("app"));
    Ko::registerQmlModules();
    Ko::registerMetaTypes();

    // Torn down as appMain does: QML first, then the services, then the application.
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    QList<std::shared_ptr<QObject>> keepAlive;
    Ko::PDepContainer container;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:///"));
    dependencyInjectToQml(&engine, keepAlive, container);
    // Texts the services made before this show the pseudo-translation from their next refresh.
    if (parser.isSet("double-length"))
        engine.rootContext()
            ->contextProperty(QStringLiteral("inj_languageManager"))
            .value<QObject*>()
            ->setProperty("doubleLength", true);
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window)
        return -1;

    if (parser.isSet("window-size")) {
        const QStringList size = parser.value("window-size").split('x');
        const int width = size.value(0).toInt();
        const int height = size.value(1).toInt();
        if (size.size() != 2 || width <= 0 || height <= 0) {
            qWarning("probe: --window-size takes <width>x<height>");
            return 2;
        }
        window->resize(width, height);
    }

    if (firstFrame) {
        QObject::connect(
            window, &QQuickWindow::frameSwapped, &app,
            [&parser] {
                static bool once = false;
                if (once)
                    return;
                once = true;
                qInfo("first-frame-ms: %.0f", msSinceProcessStart());
                if (!parser.isSet("driver"))
                    QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    }

    Probe probe(&engine, window, outDir, recorder);
    std::unique_ptr<QObject> driver;
    std::unique_ptr<QObject> runner;
    if (parser.isSet("driver")) {
        engine.rootContext()->setContextProperty(QStringLiteral("probe"), &probe);
        // The driver, and what it creates, see the window's own objects by name, as the files
        // loaded under the window do.
        auto* driverContext = new QQmlContext(engine.rootContext(), &engine);
        const QMetaObject* meta = window->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (QByteArray(property.name()).startsWith("inj_"))
                driverContext->setContextProperty(property.name(), property.read(window));
        }
        QQmlComponent driverComponent(&engine, QUrl::fromLocalFile(parser.value("driver")));
        driver.reset(driverComponent.create(driverContext));
        QQmlComponent runnerComponent(&engine);
        runnerComponent.setData(kRunner, QUrl(QStringLiteral("qrc:/probe/runner.qml")));
        runner.reset(runnerComponent.create());
        if (!driver || !runner) {
            qWarning("probe: %s%s", qPrintable(driverComponent.errorString()),
                     qPrintable(runnerComponent.errorString()));
            return 2;
        }
        QVariant steps;
        QMetaObject::invokeMethod(driver.get(), "steps", Q_RETURN_ARG(QVariant, steps));
        QMetaObject::invokeMethod(runner.get(), "start", Q_ARG(QVariant, steps));
    }
    const int code = QGuiApplication::exec();
    runner.reset();
    driver.reset();
    Ko::takeDownQml(engine);
    return code;
}

#include "probe.moc"
