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
    "check": [segment(4, 10.5, 8.5, 15), segment(8.5, 15, 16.5, 5)],
    "forward": [segment(7, 4, 13, 10), segment(13, 10, 7, 16)],
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


def polygon(points):
    """A filled polygon (even-odd rule)."""
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


def star(cx, cy, r, inner=0.45, points=5):
    pts = []
    for i in range(points * 2):
        a = math.pi * i / points - math.pi / 2
        rr = r if i % 2 == 0 else r * inner
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return polygon(pts)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def box(x0, y0, x1, y1, width=1.5):
    return [segment(x0, y0, x1, y0, width), segment(x1, y0, x1, y1, width),
            segment(x1, y1, x0, y1, width), segment(x0, y1, x0, y0, width)]


def gear(cx, cy):
    return [ring(cx, cy, 4.5, 2.5)] + rays(cx, cy, 5.5, 8, 8, 2.2)


def digit_marks(n):
    """n small stars in a row, for the aligned-star count."""
    step = 20.0 / (n + 1)
    return [star(step * (i + 1), 10, min(4.5, step / 2 + 0.5)) for i in range(n)]


FUNNEL = [triangle(3, 4, 17, 4, 10, 12), segment(10, 11, 10, 17, 2.5)]

# Images of the window: qml/image/<folder>/<name>.png, drawn once at 40 x 40 (the grid at
# scale 2), which the header shows at 32 to 40 px.
IMAGES = {
    "Home_icon/frStatusHeader0": [ring(10, 10, 7.5), segment(10, 9, 10, 14.5),
                                  disc(10, 5.8, 1.3)],
    "Home_icon/catalog_menu": FUNNEL,
    "Home_icon/catalog_menu_filtered": FUNNEL + [disc(16, 15, 2.6)],
    # Menus: one folder per menu.
    "Home_icon/alignment": [ring(10, 10, 7), segment(10, 1, 10, 6), segment(10, 14, 10, 19),
                            segment(1, 10, 6, 10), segment(14, 10, 19, 10)],
    "Home_icon/star": [star(10, 10.5, 8)],
    "Home_icon/deepSky": [ring(10, 10, 7.5, 1.5, 20, 140), ring(10, 10, 4.5, 1.5, 200, 140),
                          disc(10, 10, 2)],
    "Home_icon/utility": [segment(5, 15, 12, 8, 2.5), ring(13.5, 6.5, 3.2, 2.0, 300, 280)],
    "Home_icon/userObjects": [disc(10, 6.5, 3.5), ring(10, 18, 7, 2.0, 20, 140)],
    "Home_icon/settings": gear(10, 10),
    "Alignment_icon/star1": [star(10, 10, 7)],
    "Alignment_icon/brightestStar": [star(10, 10, 5)] + rays(10, 10, 7, 9.5, 8, 1.4),
    "Alignment_icon/star2": [star(6, 7, 4.5), star(14, 13, 4.5)],
    "Alignment_icon/northLevel": [triangle(10, 2, 6, 11, 14, 11), segment(3, 16, 17, 16)],
    "Alignment_icon/star3": [star(10, 5.5, 4.2), star(5, 14, 4.2), star(15, 14, 4.2)],
    "Alignment_icon/alignWithSync": refresh_shapes() + [star(10, 10, 2.6)],
    "Alignment_icon/resetAlignment": [ring(10, 10, 7), segment(6, 6, 14, 14)],
    "Alignment_icon/starCount1": digit_marks(1),
    "Alignment_icon/starCount2": digit_marks(2),
    "Alignment_icon/starCount3": digit_marks(3),
    "Star_icon/solarSystem": [disc(10, 10, 3), ring(10, 10, 7, 1.3), disc(16.1, 6.5, 1.6)],
    "Star_icon/namedStar": [star(10, 9, 6.5), segment(4, 18, 16, 18, 1.5)],
    "Star_icon/doubleStar": [star(7, 8, 5), star(14.5, 13.5, 3.5)],
    "Star_icon/comet": [disc(14, 6, 3), segment(12, 8, 3, 17, 1.5), segment(13.5, 9, 6, 18, 1.2),
                        segment(11, 6.5, 2, 14, 1.2)],
    "DeepSky_icon/namedDeepSky": [ring(10, 10, 7.5, 1.5, 20, 140), ring(10, 10, 4.5, 1.5, 200, 140),
                                  disc(10, 10, 2), segment(3, 18, 17, 18, 1.5)],
    "Utility_icon/information": [ring(10, 10, 7.5), segment(10, 9, 10, 14.5), disc(10, 5.8, 1.3)],
    "Utility_icon/tracking": [ring(10, 10, 5.5), disc(10, 10, 1.5)] + rays(10, 10, 7, 9, 4),
    "Utility_icon/tonightBest": [crescent(), star(5, 15, 3)],
    "Utility_icon/pointAndGo": box(6, 3, 14, 17) + [segment(10, 1, 10, 5), disc(10, 14.5, 1)],
    "Utility_icon/identify": [ring(8.5, 8.5, 5.0), segment(12.3, 12.3, 17, 17, 2.5),
                              disc(8.5, 8.5, 1.5)],
    "Utility_icon/hibernate": [ring(10, 11, 6.5, 2.0, 120, 300), segment(10, 3, 10, 10)],
    "Utility_icon/pmSharing": [disc(4.5, 10, 2.5), disc(15.5, 5, 2.5), disc(15.5, 15, 2.5),
                               segment(4.5, 10, 15.5, 5, 1.5), segment(4.5, 10, 15.5, 15, 1.5)],
    "Utility_icon/advanced": [segment(3, 5, 17, 5), segment(3, 10, 17, 10), segment(3, 15, 17, 15),
                              disc(7, 5, 2), disc(13, 10, 2), disc(9, 15, 2)],
    "Utility_icon/help": [ring(10, 7.5, 4, 2.0, 300, 240), segment(10, 11.5, 10, 13.5),
                          disc(10, 17, 1.3)],
    "Utility_icon/polarScope": [ring(10, 10, 7.5), segment(10, 4, 10, 16, 1.2),
                                segment(4, 10, 16, 10, 1.2), disc(13, 7, 1.3)],
    "Utility_icon/polarAlignment": [star(10, 5, 3.5), segment(10, 9, 10, 18), segment(5, 18, 15, 18)],
    "Utility_icon/autoHome": [triangle(10, 3, 3, 10, 17, 10)] + box(5.5, 10, 14.5, 17),
    "Utility_icon/ppec": [segment(2 + i, 10 + 5 * math.sin(i / 2.5), 3 + i,
                                  10 + 5 * math.sin((i + 1) / 2.5), 1.8) for i in range(16)],
    "Utility_icon/cameraControl": box(3, 6, 17, 16) + [ring(10, 11, 3, 1.5), rect(6, 4, 10, 6)],
    "Utility_icon/log": box(4, 2, 16, 18) + [segment(7, 7, 13, 7, 1.5), segment(7, 10, 13, 10, 1.5),
                                             segment(7, 13, 11, 13, 1.5)],
    "Setting_icon/userInterface": box(3, 3, 17, 17) + [segment(3, 7, 17, 7, 1.5)],
    "Setting_icon/connectSettings": [segment(3, 10, 8, 10), ring(10, 10, 3, 1.5),
                                     segment(12, 10, 17, 10)],
    "Setting_icon/wifi": [ring(10, 16, 4, 1.6, 45, 90), ring(10, 16, 8, 1.6, 45, 90),
                          ring(10, 16, 12, 1.6, 55, 70), disc(10, 16, 1.5)],
    "Setting_icon/location": [ring(10, 8, 5, 2.0), triangle(5.5, 10, 14.5, 10, 10, 18)],
    "Setting_icon/altitudeLimit": [segment(2, 16, 18, 16), segment(4, 16, 15, 5),
                                   ring(4, 16, 6, 1.3, 0, 45)],
    "Setting_icon/backlash": [segment(3, 7, 15, 7), segment(15, 7, 12, 4), segment(17, 13, 5, 13),
                              segment(5, 13, 8, 16)],
    "Setting_icon/advanced": gear(10, 10),
    "UserObjects_icon/celestialObjects": [star(10, 8, 6), ring(10, 18, 7, 1.5, 20, 140)],
    "UserObjects_icon/terrestrialObjects": [triangle(2, 17, 8, 7, 14, 17),
                                            triangle(9, 17, 13.5, 10, 18, 17)],
    "Tracking_icon/idle": [ring(10, 10, 7), segment(6.5, 10, 13.5, 10)],
    "Tracking_icon/sidereal": rays(10, 10, 0, 7.5, 8, 1.6) + [disc(10, 10, 2)],
    "Tracking_icon/lunar": [crescent()],
    "Tracking_icon/solar": [disc(10, 10, 4)] + rays(10, 10, 5.8, 8.5, 8),
    "Tracking_icon/pointAndTrack": [ring(10, 10, 5.5), disc(10, 10, 1.5),
                                    segment(10, 1, 10, 6), segment(10, 14, 10, 19),
                                    segment(1, 10, 6, 10), segment(14, 10, 19, 10)],
    # GoTo, tracking and alignment pages.
    "Common_icon/check": [segment(4, 10.5, 8.5, 15), segment(8.5, 15, 16.5, 5)],
    "Common_icon/danger": [segment(10, 2, 1.5, 18), segment(10, 2, 18.5, 18), segment(1.5, 18, 18.5, 18),
                           segment(10, 7.5, 10, 12.5), disc(10, 15.3, 1.1)],
    "Common_icon/telescope": [segment(3, 11, 16, 4, 3.5), segment(9, 9, 5, 18, 1.5),
                              segment(9, 9, 13, 18, 1.5)],
    "Common_icon/device": [segment(6, 3, 14, 3), segment(6, 17, 14, 17), segment(6, 3, 6, 17),
                           segment(14, 3, 14, 17), disc(10, 15, 0.9)],
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


# The slew pad: the arrow of the direction buttons (pointing up), the rate step (pointing left),
# fold and unfold, and home.
IMAGES.update({
    "Home_icon/fSlewing0": [triangle(10, 2.5, 17, 10.5, 3, 10.5), segment(10, 9, 10, 17.5, 3.5)],
    "Home_icon/fSlewing2": [triangle(2.5, 10, 10.5, 4, 10.5, 16),
                            triangle(9.5, 10, 17.5, 4, 17.5, 16)],
    "Home_icon/frControlFooter8": [segment(4, 7, 10, 13, 2.5), segment(10, 13, 16, 7, 2.5)],
    "Home_icon/frControlFooter10": [segment(4, 13, 10, 7, 2.5), segment(10, 7, 16, 13, 2.5)],
    "Home_icon/frControlFooter0": [triangle(10, 2.5, 18.5, 10, 1.5, 10),
                                   triangle(4.5, 9, 15.5, 9, 15.5, 17.5),
                                   triangle(4.5, 9, 4.5, 17.5, 15.5, 17.5)],
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
