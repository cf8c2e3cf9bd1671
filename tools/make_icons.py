#!/usr/bin/env python3
"""Draws the project's 16 x 16 icons and writes them as .ico files.

Every picture is a short list of vector shapes (rounded rectangles, ellipses,
polygons, thick poly-lines) given as signed distance functions. Each pixel is
sampled 4 x 4 times, so edges come out anti-aliased, and the result is stored
as a 32-bit ARGB icon (BITMAPINFOHEADER, XOR bitmap with alpha, AND mask).

    tools/make_icons.py                 write every icon into the source tree
    tools/make_icons.py --preview x.png also write a 400 % preview sheet

Only the Python standard library is used.
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZE = 16
SUB = 4  # samples per pixel along each axis

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
KAVRO_DIR = os.path.join(ROOT, "kavro", "resources", "icons")
GRAPHICS_DIR = os.path.join(ROOT, "imports", "graphics", "res")


# --------------------------------------------------------------------------
# Shapes: each has sdf(x, y) (negative inside, in pixels) and a bounding box.

class Shape:
    def __init__(self, sdf, box):
        self.sdf = sdf
        self.box = box  # (x0, y0, x1, y1)

    def __or__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _union_box(self.box, other.box))

    def __sub__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def __and__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _meet_box(self.box, other.box))


def _union_box(p, q):
    return (min(p[0], q[0]), min(p[1], q[1]), max(p[2], q[2]), max(p[3], q[3]))


def _meet_box(p, q):
    return (max(p[0], q[0]), max(p[1], q[1]), min(p[2], q[2]), min(p[3], q[3]))


def rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return Shape(sdf, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    k = min(rx, ry)

    def sdf(x, y):
        return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k

    return Shape(sdf, (cx - rx, cy - ry, cx + rx, cy + ry))


def poly(*pts):
    n = len(pts)

    def sdf(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -d if inside else d

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(sdf, (min(xs), min(ys), max(xs), max(ys)))


def line(pts, width):
    """A thick poly-line with round ends and joins."""
    half = width / 2.0
    segs = list(zip(pts, pts[1:]))

    def sdf(x, y):
        d = float("inf")
        for (ax, ay), (bx, by) in segs:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            ll = ex * ex + ey * ey
            t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
        return d - half

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(sdf, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half))


def outline(shape, width=1.0):
    """The inner band of a shape, `width` pixels wide."""
    f = shape.sdf
    return Shape(lambda x, y: abs(f(x, y) + width / 2.0) - width / 2.0, shape.box)


def grow(shape, d):
    f = shape.sdf
    b = shape.box
    return Shape(lambda x, y: f(x, y) - d, (b[0] - d, b[1] - d, b[2] + d, b[3] + d))


# --------------------------------------------------------------------------
# Paints: a colour is (r, g, b) or (r, g, b, a) with 0..255 channels.

def rgb(hexcode, a=255):
    v = int(hexcode.lstrip("#"), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, a)


def _rgba(c):
    return c if len(c) == 4 else (c[0], c[1], c[2], 255)


def solid(c):
    c = _rgba(c)
    return lambda x, y: c


def gradient(c0, c1, p0, p1):
    """Linear gradient from c0 at point p0 to c1 at point p1."""
    c0, c1 = _rgba(c0), _rgba(c1)
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    ll = dx * dx + dy * dy

    def paint(x, y):
        t = max(0.0, min(1.0, ((x - p0[0]) * dx + (y - p0[1]) * dy) / ll))
        return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(4))

    return paint


def vgrad(c0, c1, y0, y1):
    return gradient(c0, c1, (0, y0), (0, y1))


def hgrad(c0, c1, x0, x1):
    return gradient(c0, c1, (x0, 0), (x1, 0))


# --------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats in 0..1.

class Canvas:
    def __init__(self, tone=None):
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * SIZE for _ in range(SIZE)]
        # tone maps a colour to another one; the button variants use it
        self.tone = tone or (lambda c: c)

    def _coverage(self, shape, i, j):
        total = 0.0
        step = 1.0 / SUB
        for sy in range(SUB):
            y = j + (sy + 0.5) * step
            for sx in range(SUB):
                x = i + (sx + 0.5) * step
                # soft edge of one sample's width keeps thin lines smooth
                total += max(0.0, min(1.0, 0.5 - shape.sdf(x, y) * SUB))
        return total / (SUB * SUB)

    def _pixels(self, shape):
        x0, y0, x1, y1 = shape.box
        for j in range(max(0, int(math.floor(y0 - 1))), min(SIZE, int(math.ceil(y1 + 1)))):
            for i in range(max(0, int(math.floor(x0 - 1))), min(SIZE, int(math.ceil(x1 + 1)))):
                cov = self._coverage(shape, i, j)
                if cov > 0.0:
                    yield i, j, cov

    def fill(self, shape, paint):
        if isinstance(paint, tuple):
            paint = solid(paint)
        for i, j, cov in self._pixels(shape):
            r, g, b, a = self.tone(_rgba(paint(i + 0.5, j + 0.5)))
            sa = a / 255.0 * cov
            dr, dg, db, da = self.px[j][i]
            k = 1.0 - sa
            self.px[j][i] = (r / 255.0 * sa + dr * k, g / 255.0 * sa + dg * k,
                             b / 255.0 * sa + db * k, sa + da * k)
        return self

    def stroke(self, shape, paint, width=1.0):
        return self.fill(outline(shape, width), paint)

    def clear(self, shape):
        """Punches a hole: removes what lies under the shape."""
        for i, j, cov in self._pixels(shape):
            k = 1.0 - cov
            self.px[j][i] = tuple(v * k for v in self.px[j][i])
        return self

    def argb(self):
        """Rows of straight (not premultiplied) (r, g, b, a) bytes, top row first."""
        rows = []
        for row in self.px:
            out = []
            for r, g, b, a in row:
                if a <= 0.0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append(tuple(int(round(min(1.0, v / a) * 255)) for v in (r, g, b)) +
                               (int(round(a * 255)),))
            rows.append(out)
        return rows


# --------------------------------------------------------------------------
# File formats

def ico_bytes(rows):
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((SIZE + 31) // 32) * 4
    for row in reversed(rows):  # DIBs are stored bottom-up
        bits = 0
        for i, (r, g, b, a) in enumerate(row):
            xor += bytes((b, g, r, a))
            if a == 0:
                bits |= 1 << (mask_stride * 8 - 1 - i)
        mask += bits.to_bytes(mask_stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def png_bytes(width, height, pixels):
    """pixels: rows of (r, g, b) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# --------------------------------------------------------------------------
# Shared parts of the pictures

INK = rgb("3a3a3a")          # dark outline of grey hardware
FOLDER_EDGE = rgb("b07a12")
FOLDER_BACK0, FOLDER_BACK1 = rgb("f0c040"), rgb("d9a21e")
FOLDER_FRONT0, FOLDER_FRONT1 = rgb("ffe58a"), rgb("f3c444")
GREEN_DARK, GREEN0, GREEN1 = rgb("1d6e1d"), rgb("5ed35e"), rgb("24a024")
BLUE_DARK, BLUE0, BLUE1 = rgb("123f9c"), rgb("5d9cf5"), rgb("1f5fd6")
WHITE = rgb("ffffff")


def network_connector(c):
    """The network plug under a drive or folder: a stem to a cable along the bottom."""
    c.fill(rect(7, 10.5, 9, 13.5), vgrad(rgb("6a6a6a"), rgb("404040"), 10.5, 13.5))
    c.fill(rect(0.5, 13.5, 15.5, 15.5, 0.6), vgrad(rgb("3fa23f"), rgb("1f6f1f"), 13.5, 15.5))
    c.fill(rect(5.5, 12.5, 10.5, 16, 0.8), vgrad(rgb("9a9a9a"), rgb("4a4a4a"), 12.5, 16))
    c.stroke(rect(5.5, 12.5, 10.5, 16, 0.8), INK)


def hard_disk(c, dy=0.0):
    """A flat drive case seen slightly from above, with a green activity light."""
    top = poly((3, 4.5 + dy), (13, 4.5 + dy), (15.5, 8 + dy), (0.5, 8 + dy))
    front = rect(0.5, 8 + dy, 15.5, 12.5 + dy, 0.8)
    c.fill(top, vgrad(rgb("f4f4f4"), rgb("c8c8c8"), 4.5 + dy, 8 + dy))
    c.fill(front, vgrad(rgb("b4b4b4"), rgb("6e6e6e"), 8 + dy, 12.5 + dy))
    c.stroke(top | front, INK)
    c.fill(line([(2.5, 8.2 + dy), (13.5, 8.2 + dy)], 0.6), rgb("ffffff", 160))
    c.fill(line([(2.5, 10.3 + dy), (8.5, 10.3 + dy)], 1.0), rgb("454545"))
    c.fill(ellipse(12.6, 10.3 + dy, 1.05), rgb("3cff3c"))
    c.fill(ellipse(12.6, 10.3 + dy, 1.05) - ellipse(12.3, 10.0 + dy, 0.7), rgb("108a10", 120))


def optical_drive(c, dy=0.0, r=5.3):
    """A drive case with a silver disc rising out of its tray."""
    cy = 8.0 + dy - 0.45 * r
    disc = ellipse(8, cy, r)
    c.fill(disc, gradient(rgb("f8f8ff"), rgb("a8b4d8"), (8 - r, cy - r), (8 + r, cy + r)))
    # a rainbow sheen on the disc's surface
    c.fill(disc - ellipse(8, cy, 0.6 * r), gradient(rgb("ff9ad0", 110), rgb("7fe0ff", 110),
                                                   (8 - r, cy), (8 + r, cy)))
    c.stroke(disc, rgb("5c6478"))
    c.fill(ellipse(8, cy, 1.4), rgb("5c6478"))
    c.clear(ellipse(8, cy, 0.8))
    body = rect(0.5, 8 + dy, 15.5, 13 + dy, 1.0)
    c.fill(body, vgrad(rgb("cfcfcf"), rgb("777777"), 8 + dy, 13 + dy))
    c.stroke(body, INK)
    c.fill(line([(2.5, 10.2 + dy), (10.5, 10.2 + dy)], 1.0), rgb("3c3c3c"))
    c.fill(rect(12, 9.6 + dy, 14, 11 + dy, 0.3), rgb("ffb020"))


def closed_folder(c, x0=0.5, y0=1.5, x1=15.5, y1=14.5):
    h = y1 - y0
    tab_y = y0 + 0.12 * h
    back = (poly((x0, y0 + 1), (x0 + 1, y0), (x0 + 5.5, y0), (x0 + 7, tab_y + 1),
                 (x1, tab_y + 1), (x1, y1), (x0, y1)))
    c.fill(back, vgrad(FOLDER_BACK0, FOLDER_BACK1, y0, y1))
    c.stroke(back, FOLDER_EDGE)
    front = rect(x0, y0 + 0.3 * h, x1, y1, 0.7)
    c.fill(front, vgrad(FOLDER_FRONT0, FOLDER_FRONT1, y0 + 0.3 * h, y1))
    c.stroke(front, FOLDER_EDGE)
    c.fill(line([(x0 + 1.2, y0 + 0.3 * h + 1.2), (x1 - 1.2, y0 + 0.3 * h + 1.2)], 0.7),
           rgb("ffffff", 150))


def open_folder(c, y0=1.5, y1=14.5):
    h = y1 - y0
    tab_y = y0 + 0.12 * h
    back = poly((0.5, y0 + 1), (1.5, y0), (6, y0), (7.5, tab_y + 1), (13.5, tab_y + 1),
                (13.5, y1), (0.5, y1))
    c.fill(back, vgrad(FOLDER_BACK1, rgb("b8860f"), y0, y1))
    c.stroke(back, FOLDER_EDGE)
    # a sheet of paper peeking out of the open folder
    paper = poly((2.5, tab_y + 0.5), (12, tab_y + 0.5), (12, y0 + 0.55 * h), (2.5, y0 + 0.55 * h))
    c.fill(paper, WHITE)
    c.stroke(paper, rgb("9a9a9a"))
    fy = y0 + 0.42 * h
    front = poly((3.5, fy), (15.8, fy), (13, y1), (0.5, y1))
    c.fill(front, gradient(FOLDER_FRONT0, FOLDER_FRONT1, (6, fy), (8, y1)))
    c.stroke(front, FOLDER_EDGE)


def check_mark(c, cx, cy, s, fill0=GREEN0, fill1=GREEN1, edge=GREEN_DARK):
    pts = [(cx - 0.9 * s, cy), (cx - 0.25 * s, cy + 0.65 * s), (cx + 0.95 * s, cy - 0.75 * s)]
    c.fill(line(pts, 0.62 * s + 2.0), rgb("ffffff", 230))
    c.fill(line(pts, 0.62 * s + 1.0), edge)
    c.fill(line(pts, 0.62 * s), vgrad(fill0, fill1, cy - s, cy + s))


def up_arrow(c, cx, top, bottom, half):
    head = top + half * 1.1
    arrow = poly((cx, top), (cx + half, head), (cx + half * 0.45, head),
                 (cx + half * 0.45, bottom), (cx - half * 0.45, bottom),
                 (cx - half * 0.45, head), (cx - half, head))
    c.fill(grow(arrow, 1.0), rgb("ffffff", 230))
    c.fill(arrow, vgrad(BLUE0, BLUE1, top, bottom))
    c.stroke(arrow, BLUE_DARK)


def sharing_hand(c):
    """A green hand held palm up under the folder, its cuff on the left."""
    palm = rect(2.5, 11.2, 9.5, 16.5, 1.6)
    thumb = line([(6.5, 12.6), (9.0, 9.8)], 1.9)
    fingers = [line([(8.0, 12.3), (14.9, 12.3)], 1.9), line([(8.0, 14.3), (14.3, 14.3)], 1.9)]
    hand = palm | thumb | fingers[0] | fingers[1]
    c.fill(grow(hand, 0.8), rgb("ffffff", 220))
    paint = vgrad(GREEN0, GREEN1, 9.5, 16)
    for part in [palm] + fingers[::-1] + [thumb]:
        c.fill(part, paint)
        c.stroke(part, GREEN_DARK, 0.8)
    cuff = rect(0.2, 10.6, 3.4, 16.0, 0.6)
    c.fill(cuff, hgrad(rgb("2d8a2d"), rgb("1a5a1a"), 0, 3.4))
    c.stroke(cuff, GREEN_DARK, 0.9)


# --------------------------------------------------------------------------
# The control library's fourteen icons (resource ids 1470..1483)

def icon_optical_drive(c):
    optical_drive(c, dy=1.5)


def icon_optical_drive_net(c):
    optical_drive(c, dy=-2.0, r=4.3)
    network_connector(c)


def icon_hard_disk(c):
    hard_disk(c, dy=1.5)


def icon_cable_drive(c):
    # an external drive whose cable leaves from its top, drawn in blue line work
    c.fill(line([(8, 6), (8, 3.5), (10, 1.8), (13.5, 1.8)], 2.6), BLUE_DARK)
    c.fill(line([(8, 6), (8, 3.5), (10, 1.8), (13.5, 1.8)], 1.2), rgb("8fb8ff"))
    c.fill(rect(5.5, 4, 10.5, 7, 0.5), vgrad(rgb("c0d4ff"), rgb("6d8fd6"), 4, 7))
    c.stroke(rect(5.5, 4, 10.5, 7, 0.5), BLUE_DARK)
    body = rect(1, 6.5, 15, 14.5, 1.5)
    c.fill(body, vgrad(rgb("f2f2f2"), rgb("b8b8b8"), 6.5, 14.5))
    c.stroke(body, BLUE1, 1.3)
    c.fill(line([(3.5, 11.8), (9.5, 11.8)], 1.0), rgb("7a7a7a"))
    c.fill(ellipse(12.3, 11.8, 1.0), rgb("30d030"))


def icon_memory_card(c):
    card = poly((2.5, 0.8), (10.5, 0.8), (13.5, 3.8), (13.5, 15.2), (2.5, 15.2))
    c.fill(card, vgrad(rgb("3d4656"), rgb("1c222c"), 0.8, 15.2))
    c.stroke(card, rgb("0e1116"))
    for x in (4.0, 6.0, 8.0, 10.0):
        c.fill(rect(x, 2.0, x + 1.2, 5.0, 0.2), vgrad(rgb("ffe27a"), rgb("c99a1c"), 2, 5))
    label = rect(4.0, 8.0, 12.0, 13.8, 0.6)
    c.fill(label, vgrad(rgb("5ea8ff"), rgb("1f5fd6"), 8, 13.8))
    c.fill(line([(5.5, 10.9), (10.5, 10.9)], 1.2), rgb("ffffff", 220))


def icon_hard_disk_net(c):
    hard_disk(c, dy=-3.0)
    network_connector(c)


def icon_usb_stick(c):
    # drawn leaning, connector at the top right
    ang = math.radians(40)
    ca, sa = math.cos(ang), math.sin(ang)

    def rot(pts):
        return [(8 + (x - 8) * ca - (y - 8) * sa, 8 + (x - 8) * sa + (y - 8) * ca) for x, y in pts]

    plug = poly(*rot([(6.3, 1.0), (9.7, 1.0), (9.7, 5.5), (6.3, 5.5)]))
    c.fill(plug, gradient(rgb("f4f4f4"), rgb("8c8c8c"), (4, 4), (10, 8)))
    c.stroke(plug, INK)
    for hx in (7.0, 8.3):
        c.fill(poly(*rot([(hx, 2.2), (hx + 0.8, 2.2), (hx + 0.8, 3.4), (hx, 3.4)])), rgb("404040"))
    body = poly(*rot([(5.2, 5.0), (10.8, 5.0), (10.8, 14.5), (5.2, 14.5)]))
    c.fill(grow(body, 0.6), rgb("15428f"))
    c.fill(body, gradient(rgb("6eaaff"), rgb("1f5fd6"), (5, 6), (11, 12)))
    c.fill(poly(*rot([(6.5, 8.5), (9.5, 8.5), (9.5, 11.5), (6.5, 11.5)])), rgb("ffffff", 170))


def icon_closed_folder(c):
    closed_folder(c)


def icon_folder_check(c):
    closed_folder(c, y1=13.5)
    check_mark(c, 10.5, 11.0, 4.0)


def icon_open_folder_net(c):
    open_folder(c, y0=0.5, y1=11.0)
    network_connector(c)


def icon_open_folder(c):
    open_folder(c)


def icon_folder_up(c):
    closed_folder(c)
    up_arrow(c, 10.5, 5.0, 15.5, 4.3)


def icon_open_folder_shared(c):
    open_folder(c, y0=0.5, y1=12.0)
    sharing_hand(c)


def icon_computer(c):
    side = poly((11, 2.5), (13.5, 0.8), (13.5, 14.0), (11, 15.5))
    c.fill(side, vgrad(rgb("9a9a9a"), rgb("5e5e5e"), 0, 15.5))
    c.stroke(side, INK)
    top = poly((3, 2.5), (5.5, 0.8), (13.5, 0.8), (11, 2.5))
    c.fill(top, rgb("e6e6e6"))
    c.stroke(top, INK)
    front = rect(3, 2.5, 11, 15.5, 0.5)
    c.fill(front, vgrad(rgb("e2e2e2"), rgb("a6a6a6"), 2.5, 15.5))
    c.stroke(front, INK)
    for y in (4.6, 7.0):
        c.fill(rect(4.6, y - 0.9, 9.4, y + 0.9, 0.3), vgrad(rgb("bdbdbd"), rgb("6a6a6a"), y - 1, y + 1))
        c.stroke(rect(4.6, y - 0.9, 9.4, y + 0.9, 0.3), rgb("4a4a4a"), 0.7)
    c.fill(ellipse(7, 11.3, 1.3), rgb("4a4a4a"))
    c.fill(ellipse(7, 11.3, 0.8), rgb("3cd23c"))
    for y in (13.4, 14.4):
        c.fill(line([(4.8, y), (9.2, y)], 0.5), rgb("707070"))


KAVRO_ICONS = [
    (1470, "optical_drive", icon_optical_drive),
    (1471, "optical_drive_network", icon_optical_drive_net),
    (1472, "hard_disk", icon_hard_disk),
    (1473, "cable_drive", icon_cable_drive),
    (1474, "memory_card", icon_memory_card),
    (1475, "hard_disk_network", icon_hard_disk_net),
    (1476, "usb_stick", icon_usb_stick),
    (1477, "closed_folder", icon_closed_folder),
    (1478, "folder_check", icon_folder_check),
    (1479, "open_folder_network", icon_open_folder_net),
    (1480, "open_folder", icon_open_folder),
    (1481, "folder_up", icon_folder_up),
    (1482, "open_folder_shared", icon_open_folder_shared),
    (1483, "computer", icon_computer),
]


# --------------------------------------------------------------------------
# Output

def render(draw, tone=None):
    c = Canvas(tone)
    draw(c)
    return c.argb()


def write_icon(path, rows):
    with open(path, "wb") as f:
        f.write(ico_bytes(rows))


DIGITS = {  # 3 x 5 digits for the preview's captions
    "0": "111101101101111", "1": "010110010010111", "2": "111001111100111",
    "3": "111001111001111", "4": "101101111001001", "5": "111100111001111",
    "6": "111100111101111", "7": "111001001001001", "8": "111101111101111",
    "9": "111101111001111",
}


def preview(path, groups, scale=4):
    """groups: list of rows, each a list of (caption, argb rows)."""
    pad, cap = 8, 14
    cell = SIZE * scale
    cols = max(len(g) for g in groups)
    width = pad + cols * (cell + pad)
    height = pad + len(groups) * (cell + cap + pad)
    img = [[(236, 236, 236)] * width for _ in range(height)]
    for gi, group in enumerate(groups):
        for ci, (caption, rows) in enumerate(group):
            ox, oy = pad + ci * (cell + pad), pad + gi * (cell + cap + pad)
            for y in range(cell):
                for x in range(cell):
                    # checkerboard shows where the icon is transparent
                    bg = 255 if ((x // (2 * scale)) + (y // (2 * scale))) % 2 == 0 else 204
                    r, g, b, a = rows[y // scale][x // scale]
                    k = a / 255.0
                    img[oy + y][ox + x] = tuple(int(round(v * k + bg * (1 - k))) for v in (r, g, b))
            tx = ox
            for ch in caption:
                bits = DIGITS.get(ch)
                if bits:
                    for k, bit in enumerate(bits):
                        if bit == "1":
                            for yy in range(2):
                                for xx in range(2):
                                    img[oy + cell + 3 + (k // 3) * 2 + yy][tx + (k % 3) * 2 + xx] = (0, 0, 0)
                tx += 8
    with open(path, "wb") as f:
        f.write(png_bytes(width, height, img))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="PNG", help="also write a 400 %% preview sheet")
    parser.add_argument("--scale", type=int, default=4, help="preview magnification (default 4)")
    parser.add_argument("--only", choices=("kavro", "graphics"), help="write one set only")
    args = parser.parse_args(argv)

    groups = []
    if args.only != "graphics":
        os.makedirs(KAVRO_DIR, exist_ok=True)
        row = []
        for ident, name, draw in KAVRO_ICONS:
            rows = render(draw)
            write_icon(os.path.join(KAVRO_DIR, "%d_%s.ico" % (ident, name)), rows)
            row.append((str(ident), rows))
        groups += [row[:7], row[7:]]
    if args.only != "kavro":
        groups += write_graphics_icons()
    if args.preview:
        preview(args.preview, groups, max(1, args.scale))
    return 0


# --------------------------------------------------------------------------
# The graphics library's button pictures. Picture n gets the resource ids
# 2000 + 10 * n (normal), + 1 (hot) and + 2 (disabled); the check-box and
# radio-button pictures are 2900..2903. imports/graphics/src/resource.h holds
# the same numbers.

RED_DARK, RED0, RED1 = rgb("8c1010"), rgb("ff6a5a"), rgb("d32020")


def arrow(c, angle):
    """A blue arrow pointing up, turned clockwise by angle degrees."""
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    pts = [(8, 1.0), (14.5, 7.5), (10.5, 7.5), (10.5, 14.8), (5.5, 14.8), (5.5, 7.5), (1.5, 7.5)]
    pts = [(8 + (x - 8) * ca - (y - 8) * sa, 8 + (x - 8) * sa + (y - 8) * ca) for x, y in pts]
    shape = poly(*pts)
    tip = pts[0]
    tail = (16 - tip[0], 16 - tip[1])
    c.fill(shape, gradient(BLUE0, BLUE1, tip, tail))
    c.stroke(shape, BLUE_DARK)


def button_ok(c):
    pts = [(2.2, 8.6), (6.2, 12.6), (13.8, 3.6)]
    c.fill(line(pts, 4.2), GREEN_DARK)
    c.fill(line(pts, 2.6), vgrad(GREEN0, GREEN1, 3, 13))


def button_cancel(c):
    for a, b in (((3.5, 3.5), (12.5, 12.5)), ((12.5, 3.5), (3.5, 12.5))):
        c.fill(line([a, b], 4.2), RED_DARK)
    for a, b in (((3.5, 3.5), (12.5, 12.5)), ((12.5, 3.5), (3.5, 12.5))):
        c.fill(line([a, b], 2.6), vgrad(RED0, RED1, 3, 13))


def sheet(c, x0, y0, x1, y1):
    page = poly((x0, y0), (x1 - 3, y0), (x1, y0 + 3), (x1, y1), (x0, y1))
    c.fill(page, vgrad(WHITE, rgb("e4e8f0"), y0, y1))
    c.stroke(page, rgb("707888"))
    c.fill(poly((x1 - 3, y0), (x1, y0 + 3), (x1 - 3, y0 + 3)), rgb("c8ccd8"))
    for k in range(3):
        y = y0 + 3.5 + 2.0 * k
        c.fill(line([(x0 + 2, y), (x1 - 3.5, y)], 0.8), rgb("9aa4b8"))


def button_apply(c):
    sheet(c, 1.5, 0.5, 11.5, 14.5)
    check_mark(c, 11.0, 11.0, 3.6)


def button_add(c):
    plus = rect(6, 1.5, 10, 14.5, 0.8) | rect(1.5, 6, 14.5, 10, 0.8)
    c.fill(plus, vgrad(GREEN0, GREEN1, 1.5, 14.5))
    c.stroke(plus, GREEN_DARK)


def button_remove(c):
    minus = rect(1.5, 6, 14.5, 10, 0.8)
    c.fill(minus, vgrad(RED0, RED1, 6, 10))
    c.stroke(minus, RED_DARK)


def button_delete(c):
    body = poly((3, 4.5), (13, 4.5), (12, 15), (4, 15))
    c.fill(body, hgrad(rgb("d8dde6"), rgb("8a94a6"), 3, 13))
    c.stroke(body, rgb("4a5262"))
    for x0, x1 in ((5.6, 6.1), (8, 8), (10.4, 9.9)):
        c.fill(line([(x0, 6.5), (x1, 13.2)], 0.9), rgb("5a6476"))
    lid = rect(1.5, 2.5, 14.5, 4.8, 0.6)
    c.fill(lid, vgrad(rgb("e8ecf2"), rgb("9aa4b4"), 2.5, 4.8))
    c.stroke(lid, rgb("4a5262"))
    c.stroke(rect(6, 0.8, 10, 3.0, 0.6), rgb("4a5262"))


def button_open(c):
    open_folder(c)


def button_save(c):
    disk = poly((1.5, 1.5), (12.5, 1.5), (14.5, 3.5), (14.5, 14.5), (1.5, 14.5))
    c.fill(disk, vgrad(rgb("4d7fe0"), rgb("1c3f96"), 1.5, 14.5))
    c.stroke(disk, rgb("0f2460"))
    c.fill(rect(4, 1.5, 12, 6.5, 0.3), vgrad(rgb("f0f2f6"), rgb("b0b6c2"), 1.5, 6.5))
    c.fill(rect(9.2, 2.3, 10.8, 5.7), rgb("3a4456"))
    label = rect(3.5, 8.5, 12.5, 14.5, 0.4)
    c.fill(label, WHITE)
    c.fill(line([(5, 10.5), (11, 10.5)], 0.8), rgb("9aa4b8"))
    c.fill(line([(5, 12.5), (11, 12.5)], 0.8), rgb("9aa4b8"))


def button_print(c):
    c.fill(rect(4, 0.8, 12, 6, 0.2), WHITE)
    c.stroke(rect(4, 0.8, 12, 6, 0.2), rgb("707888"))
    body = rect(0.8, 5, 15.2, 12, 1.2)
    c.fill(body, vgrad(rgb("e0e2e6"), rgb("8c9098"), 5, 12))
    c.stroke(body, rgb("3a3e46"))
    c.fill(ellipse(12.8, 7.2, 0.8), rgb("3cd23c"))
    c.fill(rect(3.5, 9.5, 12.5, 15.2, 0.2), WHITE)
    c.stroke(rect(3.5, 9.5, 12.5, 15.2, 0.2), rgb("707888"))
    for y in (11.6, 13.4):
        c.fill(line([(5, y), (11, y)], 0.8), rgb("9aa4b8"))


def button_help(c):
    c.fill(ellipse(8, 8, 7.3), gradient(BLUE0, BLUE1, (4, 2), (12, 14)))
    c.stroke(ellipse(8, 8, 7.3), BLUE_DARK)
    hook = [(5.6, 6.0)] + [(8 + 2.5 * math.cos(math.radians(a)), 5.8 + 2.4 * math.sin(math.radians(a)))
                           for a in range(-170, 91, 20)] + [(8, 8.4), (8, 9.6)]
    c.fill(line(hook, 1.9), WHITE)
    c.fill(ellipse(8, 12.3, 1.2), WHITE)


BUTTON_PICTURES = [
    (1, "ok", button_ok),
    (2, "cancel", button_cancel),
    (3, "apply", button_apply),
    (4, "add", button_add),
    (5, "remove", button_remove),
    (6, "delete", button_delete),
    (7, "open", button_open),
    (8, "save", button_save),
    (9, "print", button_print),
    (10, "help", button_help),
    (11, "up", lambda c: arrow(c, 0)),
    (12, "down", lambda c: arrow(c, 180)),
    (13, "left", lambda c: arrow(c, 270)),
    (14, "right", lambda c: arrow(c, 90)),
]


def tone_hot(col):
    # lighter and a little warmer, so the picture lights up under the mouse
    r, g, b, a = col
    return (r + (255 - r) * 0.28, g + (255 - g) * 0.22, b + (255 - b) * 0.16, a)


def tone_disabled(col):
    r, g, b, a = col
    grey = 0.30 * r + 0.59 * g + 0.11 * b
    grey = 150 + (grey - 128) * 0.45
    return (grey, grey, grey, a * 0.8)


VARIANTS = [(0, "normal", None), (1, "hot", tone_hot), (2, "disabled", tone_disabled)]


def check_box(c, on):
    box = rect(1.5, 1.5, 14.5, 14.5, 1.2)
    c.fill(box, vgrad(rgb("e6eaf0"), WHITE, 1.5, 14.5))
    c.stroke(box, rgb("39537a"))
    if on:
        pts = [(4.3, 8.2), (6.9, 10.9), (11.8, 5.0)]
        c.fill(line(pts, 2.2), rgb("1a7a1a"))


def radio_button(c, on):
    ring = ellipse(8, 8, 6.6)
    c.fill(ring, gradient(rgb("dfe4ec"), WHITE, (4, 3), (12, 13)))
    c.stroke(ring, rgb("39537a"))
    if on:
        c.fill(ellipse(8, 8, 3.2), gradient(rgb("6fe36f"), rgb("168a16"), (6, 5.5), (10, 10.5)))
        c.stroke(ellipse(8, 8, 3.2), rgb("0f5a0f"), 0.8)


STATE_PICTURES = [
    (2900, "check_on", lambda c: check_box(c, True)),
    (2901, "check_off", lambda c: check_box(c, False)),
    (2902, "radio_on", lambda c: radio_button(c, True)),
    (2903, "radio_off", lambda c: radio_button(c, False)),
]


def write_graphics_icons():
    """Writes the icons and the resource script that lists them; returns
    the preview rows."""
    os.makedirs(GRAPHICS_DIR, exist_ok=True)
    script = ["// Generated by tools/make_icons.py; do not edit.", ""]
    rows_by_variant = {v: [] for _, v, _ in VARIANTS}
    for number, name, draw in BUTTON_PICTURES:
        for offset, variant, tone in VARIANTS:
            ident = 2000 + 10 * number + offset
            rows = render(draw, tone)
            filename = "%s_%s.ico" % (name, variant)
            write_icon(os.path.join(GRAPHICS_DIR, filename), rows)
            script.append('%d ICON "%s"' % (ident, filename))
            rows_by_variant[variant].append((str(ident), rows))
    states = []
    for ident, name, draw in STATE_PICTURES:
        rows = render(draw)
        filename = "%s.ico" % name
        write_icon(os.path.join(GRAPHICS_DIR, filename), rows)
        script.append('%d ICON "%s"' % (ident, filename))
        states.append((str(ident), rows))
    with open(os.path.join(GRAPHICS_DIR, "icons.rc2"), "w", newline="\n") as f:
        f.write("\n".join(script) + "\n")
    return [rows_by_variant[v] for _, v, _ in VARIANTS] + [states]


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
