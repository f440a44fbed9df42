#!/usr/bin/env python3
"""Draws the icon theme "app" (qml/icons/app) and the images under qml/image as PNG files.

Each icon is a few strokes on a 20 x 20 grid, rendered at the scales 1, 2 and 3 with 4 x 4
samples per pixel for smooth edges. Black on transparent: QML recolours icons as it needs.
Run from anywhere; it rewrites the files in place. Needs only the Python standard library.
"""
import math
import os
import struct
import zlib

QML = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "qml")
ROOT = os.path.join(QML, "icons", "app")
SAMPLES = 4
STROKE = 2.0


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def segment(ax, ay, bx, by, width=STROKE):
    return lambda x, y: seg_dist(x, y, ax, ay, bx, by) <= width / 2


def ring(cx, cy, r, width=STROKE, start=0.0, sweep=360.0):
    """An arc of a circle; angles in degrees, counter-clockwise from the +x axis, y downwards."""
    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) > width / 2:
            return False
        if sweep >= 360.0:
            return True
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360.0
        return (a - start) % 360.0 <= sweep
    return inside


def triangle(ax, ay, bx, by, cx, cy):
    def side(px, py, x1, y1, x2, y2):
        return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2)

    def inside(x, y):
        d1 = side(x, y, ax, ay, bx, by)
        d2 = side(x, y, bx, by, cx, cy)
        d3 = side(x, y, cx, cy, ax, ay)
        neg = d1 < 0 or d2 < 0 or d3 < 0
        pos = d1 > 0 or d2 > 0 or d3 > 0
        return not (neg and pos)
    return inside


def refresh_shapes():
    cx, cy, r = 10.0, 10.0, 6.0
    start, sweep = 90.0, 290.0
    a = math.radians(start)
    bx, by = cx + r * math.cos(a), cy - r * math.sin(a)
    # The arrowhead sits on the open end at the top and points clockwise, into the gap.
    tx, ty = math.sin(a), math.cos(a)
    nx, ny = math.cos(a), -math.sin(a)
    half, length = 3.0, 3.8
    return [
        ring(cx, cy, r, start=start, sweep=sweep),
        triangle(bx + tx * length, by + ty * length, bx + nx * half, by + ny * half,
                 bx - nx * half, by - ny * half),
    ]


ICONS = {
    "back": [segment(4, 10, 16, 10), segment(4, 10, 10, 4), segment(4, 10, 10, 16)],
    "close x": [segment(5, 5, 15, 15), segment(15, 5, 5, 15)],
    "menu": [segment(3, 5, 17, 5), segment(3, 10, 17, 10), segment(3, 15, 17, 15)],
    "refresh": refresh_shapes(),
    "search": [ring(8.5, 8.5, 5.0), segment(12.3, 12.3, 17, 17, 2.5)],
    "arrow_down": [segment(5, 8, 10, 13), segment(10, 13, 15, 8)],
    "arrow_up": [segment(5, 12, 10, 7), segment(10, 7, 15, 12)],
}
SCALE_ONE_ONLY = {"arrow_down", "arrow_up"}


def disc(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def crescent():
    outer, inner = disc(10, 10, 7), disc(13, 8, 6)
    return lambda x, y: outer(x, y) and not inner(x, y)


def rays(cx, cy, r0, r1, count, width=1.5):
    shapes = []
    for i in range(count):
        a = 2 * math.pi * i / count
        c, s = math.cos(a), math.sin(a)
        shapes.append(segment(cx + r0 * c, cy + r0 * s, cx + r1 * c, cy + r1 * s, width))
    return shapes


FUNNEL = [triangle(3, 4, 17, 4, 10, 12), segment(10, 11, 10, 17, 2.5)]

# Images of the window: qml/image/<folder>/<name>.png, drawn once at 40 x 40 (the grid at
# scale 2), which the header shows at 32 to 40 px.
IMAGES = {
    "Home_icon/frStatusHeader0": [ring(10, 10, 7.5), segment(10, 9, 10, 14.5),
                                  disc(10, 5.8, 1.3)],
    "Home_icon/catalog_menu": FUNNEL,
    "Home_icon/catalog_menu_filtered": FUNNEL + [disc(16, 15, 2.6)],
    "Tracking_icon/idle": [ring(10, 10, 7), segment(6.5, 10, 13.5, 10)],
    "Tracking_icon/sidereal": rays(10, 10, 0, 7.5, 8, 1.6) + [disc(10, 10, 2)],
    "Tracking_icon/lunar": [crescent()],
    "Tracking_icon/solar": [disc(10, 10, 4)] + rays(10, 10, 5.8, 8.5, 8),
    "Tracking_icon/pointAndTrack": [ring(10, 10, 5.5), disc(10, 10, 1.5),
                                    segment(10, 1, 10, 6), segment(10, 14, 10, 19),
                                    segment(1, 10, 6, 10), segment(14, 10, 19, 10)],
}

# Camera control: photos (a camera body with its lens), exposure (a stopwatch), pause (two bars).
IMAGES.update({
    "Camera_icon/photos": [segment(3, 7, 17, 7), segment(17, 7, 17, 16), segment(17, 16, 3, 16),
                           segment(3, 16, 3, 7), segment(7, 7, 8.5, 4.5),
                           segment(8.5, 4.5, 11.5, 4.5), segment(11.5, 4.5, 13, 7),
                           ring(10, 11.5, 2.6)],
    "Camera_icon/exposure": [ring(10, 11, 7), segment(10, 11, 10, 6.5), segment(10, 11, 13, 12.5),
                             segment(8, 2, 12, 2)],
    "Camera_icon/pause": [segment(7, 4, 7, 16, 3), segment(13, 4, 13, 16, 3)],
})


def render(shapes, scale):
    size = 20 * scale
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type: none
        for px in range(size):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / scale
                    y = (py + (sy + 0.5) / SAMPLES) / scale
                    if any(shape(x, y) for shape in shapes):
                        hits += 1
            alpha = round(255 * hits / (SAMPLES * SAMPLES))
            row += bytes([0, 0, 0, alpha])
        rows.append(bytes(row))
    return size, b"".join(rows)


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    for name, shapes in ICONS.items():
        for scale in (1, 2, 3):
            if scale > 1 and name in SCALE_ONE_ONLY:
                continue
            folder = os.path.join(ROOT, "20x20" if scale == 1 else "20x20@%d" % scale)
            os.makedirs(folder, exist_ok=True)
            size, raw = render(shapes, scale)
            with open(os.path.join(folder, name + ".png"), "wb") as f:
                f.write(png(size, raw))
    for name, shapes in IMAGES.items():
        path = os.path.join(QML, "image", name + ".png")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        size, raw = render(shapes, 2)
        with open(path, "wb") as f:
            f.write(png(size, raw))


if __name__ == "__main__":
    main()
