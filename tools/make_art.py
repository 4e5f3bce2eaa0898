#!/usr/bin/env python3
"""Generate all vector artwork of Zentrix into assets/art/.

Standard library only.  Run from anywhere:

    python3 tools/make_art.py

The output is plain SVG (tiny-profile features only: shapes, paths and
gentle linear/radial gradients) so that Qt's QSvgRenderer draws it
exactly.  All pictures share one look: flat shapes, rounded corners, a
dark outline (#202020).  Lettering is written as outlines taken from DejaVu
Sans Bold (fonts-dejavu-core), so drawing a picture never looks for a font.
"""

import math
import os
import struct

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
OUT = os.path.join(ROOT, "assets", "art")
FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

INK = "#202020"          # outline colour used everywhere
WHITE = "#FFFDF6"        # warm white for symbols


class Font:
    """The few parts of a TrueType font that lettering needs: the glyph of a
    character, its outline (quadratic contours), its advance and the kerning
    of a pair, all in font units."""

    def __init__(self, path):
        with open(path, "rb") as fh:
            self.data = data = fh.read()
        count = struct.unpack(">H", data[4:6])[0]
        self.tables = {}
        for i in range(count):
            tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            self.tables[tag.decode("latin-1")] = (offset, length)
        head = self.tables["head"][0]
        self.units = struct.unpack(">H", data[head + 18:head + 20])[0]
        long_loca = struct.unpack(">h", data[head + 50:head + 52])[0] == 1
        glyphs = struct.unpack(">H", data[self.tables["maxp"][0] + 4:self.tables["maxp"][0] + 6])[0]
        metrics = struct.unpack(">H", data[self.tables["hhea"][0] + 34:self.tables["hhea"][0] + 36])[0]
        hmtx = self.tables["hmtx"][0]
        self.advances = [struct.unpack(">H", data[hmtx + 4 * min(g, metrics - 1):hmtx + 4 * min(g, metrics - 1) + 2])[0]
                         for g in range(glyphs)]
        loca = self.tables["loca"][0]
        if long_loca:
            self.loca = list(struct.unpack(">%dI" % (glyphs + 1), data[loca:loca + 4 * (glyphs + 1)]))
        else:
            self.loca = [2 * v for v in struct.unpack(">%dH" % (glyphs + 1), data[loca:loca + 2 * (glyphs + 1)])]
        self.cmap = self._read_cmap()
        self.kerning = self._read_kern()

    def _read_cmap(self):
        data, base = self.data, self.tables["cmap"][0]
        count = struct.unpack(">H", data[base + 2:base + 4])[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack(">HHI", data[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + offset
            if platform == 3 and encoding == 1 and struct.unpack(">H", data[sub:sub + 2])[0] == 4:
                segments = struct.unpack(">H", data[sub + 6:sub + 8])[0] // 2
                ends = struct.unpack(">%dH" % segments, data[sub + 14:sub + 14 + 2 * segments])
                at = sub + 16 + 2 * segments
                starts = struct.unpack(">%dH" % segments, data[at:at + 2 * segments])
                deltas = struct.unpack(">%dh" % segments, data[at + 2 * segments:at + 4 * segments])
                ranges_at = at + 4 * segments
                ranges = struct.unpack(">%dH" % segments, data[ranges_at:ranges_at + 2 * segments])
                cmap = {}
                for k in range(segments):
                    for code in range(starts[k], min(ends[k], 0xFFFE) + 1):
                        if ranges[k] == 0:
                            glyph = (code + deltas[k]) & 0xFFFF
                        else:
                            where = ranges_at + 2 * k + ranges[k] + 2 * (code - starts[k])
                            glyph = struct.unpack(">H", data[where:where + 2])[0]
                            glyph = (glyph + deltas[k]) & 0xFFFF if glyph else 0
                        cmap[code] = glyph
                return cmap
        raise SystemExit("make_art: %s has no Unicode character map" % FONT_FILE)

    def _read_kern(self):
        if "kern" not in self.tables:
            return {}
        data, at = self.data, self.tables["kern"][0]
        pairs = {}
        count = struct.unpack(">H", data[at + 2:at + 4])[0]
        at += 4
        for _ in range(count):
            length, coverage = struct.unpack(">HH", data[at + 2:at + 6])
            if coverage >> 8 == 0 and coverage & 1:  # format 0, horizontal
                n = struct.unpack(">H", data[at + 6:at + 8])[0]
                for i in range(n):
                    left, right, value = struct.unpack(">HHh", data[at + 14 + 6 * i:at + 20 + 6 * i])
                    pairs[(left, right)] = value
            at += length
        return pairs

    def glyph(self, char):
        return self.cmap.get(ord(char), 0)

    def contours(self, glyph, dx=0, dy=0):
        """The glyph's closed contours: lists of (x, y, on_curve)."""
        data = self.data
        start = self.tables["glyf"][0] + self.loca[glyph]
        if self.loca[glyph + 1] == self.loca[glyph]:
            return []
        count = struct.unpack(">h", data[start:start + 2])[0]
        at = start + 10
        if count < 0:  # composite: parts placed by offsets
            result = []
            more = True
            while more:
                flags, part = struct.unpack(">HH", data[at:at + 4])
                at += 4
                if flags & 1:
                    x, y = struct.unpack(">hh", data[at:at + 4])
                    at += 4
                else:
                    x, y = struct.unpack(">bb", data[at:at + 2])
                    at += 2
                if not flags & 2:
                    raise SystemExit("make_art: composite glyph %d is placed by points" % glyph)
                if flags & (0x8 | 0x40 | 0x80):
                    raise SystemExit("make_art: composite glyph %d is scaled" % glyph)
                result += self.contours(part, dx + x, dy + y)
                more = bool(flags & 0x20)
            return result
        ends = struct.unpack(">%dH" % count, data[at:at + 2 * count])
        at += 2 * count
        at += 2 + struct.unpack(">H", data[at:at + 2])[0]  # instructions
        points = ends[-1] + 1 if count else 0
        flags = []
        while len(flags) < points:
            flag = data[at]
            at += 1
            repeat = 1
            if flag & 8:
                repeat += data[at]
                at += 1
            flags += [flag] * repeat
        coords = []
        for short, same in ((2, 16), (4, 32)):
            value, values = 0, []
            for flag in flags[:points]:
                if flag & short:
                    delta = data[at]
                    at += 1
                    value += delta if flag & same else -delta
                elif not flag & same:
                    value += struct.unpack(">h", data[at:at + 2])[0]
                    at += 2
                values.append(value)
            coords.append(values)
        result, first = [], 0
        for end in ends:
            result.append([(coords[0][i] + dx, coords[1][i] + dy, bool(flags[i] & 1))
                           for i in range(first, end + 1)])
            first = end + 1
        return result

    def width(self, s):
        """Advance of a string in em, kerning included."""
        glyphs = [self.glyph(c) for c in s]
        units = sum(self.advances[g] for g in glyphs)
        units += sum(self.kerning.get(pair, 0) for pair in zip(glyphs, glyphs[1:]))
        return units / self.units

    def outline(self, s, x, baseline, size, sx=1.0, anchor="middle"):
        """SVG path data of a string set at `size` with its baseline at
        `baseline`; `x` is its middle (or start), `sx` condenses it."""
        scale = size / self.units
        width = self.width(s) * size * sx
        left = x - width / 2 if anchor == "middle" else x
        glyphs = [self.glyph(c) for c in s]
        pen, parts = 0, []

        def pt(px, py):
            return "%s,%s" % (f(round(left + (pen + px) * scale * sx, 2)), f(round(baseline - py * scale, 2)))

        for i, g in enumerate(glyphs):
            for contour in self.contours(g):
                # Start on a point on the curve; between two control points
                # lies an implied one, halfway.
                k = next((j for j, p in enumerate(contour) if p[2]), None)
                if k is None:
                    a, b = contour[0], contour[1]
                    contour = [((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, True)] + contour[1:] + contour[:1]
                    k = 0
                contour = contour[k:] + contour[:k]
                d = ["M" + pt(contour[0][0], contour[0][1])]
                control = None
                for px, py, on in contour[1:] + contour[:1]:
                    if on:
                        d.append(("Q%s %s" % (pt(*control), pt(px, py))) if control else "L" + pt(px, py))
                        control = None
                    elif control:
                        mx, my = (control[0] + px) / 2, (control[1] + py) / 2
                        d.append("Q%s %s" % (pt(*control), pt(mx, my)))
                        control = (px, py)
                    else:
                        control = (px, py)
                parts.append("".join(d) + "Z")
            pen += self.advances[g]
            if i + 1 < len(glyphs):
                pen += self.kerning.get((g, glyphs[i + 1]), 0)
        return "".join(parts)


FONT = Font(FONT_FILE)
CAP = 0.729  # cap height of DejaVu Sans Bold in em


def text_width(s):
    return FONT.width(s)


# ---------------------------------------------------------------- helpers

def f(v):
    """Compact number formatting."""
    if isinstance(v, float):
        s = ("%.2f" % v).rstrip("0").rstrip(".")
        return "0" if s in ("-0", "") else s
    return str(v)


def svg(body, w=100, h=100, defs=""):
    d = "<defs>%s</defs>\n" % defs if defs else ""
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
            'width="%s" height="%s" viewBox="0 0 %s %s">\n%s%s\n</svg>\n'
            % (w, h, w, h, d, body))


def rect(x, y, w, h, fill, rx=0, stroke=INK, sw=2.5, extra=""):
    r = ' rx="%s"' % f(rx) if rx else ""
    st = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(sw)) if stroke else ""
    return '<rect x="%s" y="%s" width="%s" height="%s"%s fill="%s"%s%s/>' % (
        f(x), f(y), f(w), f(h), r, fill, st, extra)


def circle(cx, cy, r, fill, stroke=INK, sw=2.5, extra=""):
    st = ' stroke="%s" stroke-width="%s"' % (stroke, f(sw)) if stroke else ""
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s%s/>' % (f(cx), f(cy), f(r), fill, st, extra)


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=2.5, extra=""):
    st = ' stroke="%s" stroke-width="%s"' % (stroke, f(sw)) if stroke else ""
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s%s/>' % (
        f(cx), f(cy), f(rx), f(ry), fill, st, extra)


def path(d, fill, stroke=INK, sw=2.5, extra=""):
    st = (' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"'
          % (stroke, f(sw))) if stroke else ""
    return '<path d="%s" fill="%s"%s%s/>' % (d, fill, st, extra)


def poly(pts, fill, stroke=INK, sw=2.5, extra=""):
    p = " ".join("%s,%s" % (f(x), f(y)) for x, y in pts)
    st = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(sw)) if stroke else ""
    return '<polygon points="%s" fill="%s"%s%s/>' % (p, fill, st, extra)


def line(d, color, sw, cap="round"):
    """An open stroked path."""
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" '
            'stroke-linecap="%s" stroke-linejoin="round"/>' % (d, color, f(sw), cap))


def outlined_line(d, color, sw, ow=2.5):
    """A stroke with a dark outline around it (drawn twice)."""
    return line(d, INK, sw + 2 * ow) + line(d, color, sw)


def text(s, x, y, size, fill, anchor="middle", sx=1.0):
    """Lettering with its baseline at y, as an outline."""
    return '<path d="%s" fill="%s"/>' % (FONT.outline(s, x, y, size, sx, anchor), fill)


def fitted_text(s, cx, cy, maxw, maxfs, fill, pref=20.0, minsx=0.8):
    """Text centred (by cap height) on (cx, cy) that fits into maxw.

    Long names are first condensed horizontally (down to minsx) so that they
    can keep a readable size, then shrunk."""
    w = text_width(s)
    fs = min(maxfs, maxw / w)
    sx = 1.0
    if fs < pref:
        sx = max(minsx, fs / pref)
        fs = min(maxfs, maxw / (w * sx))
    base = cy + CAP * fs / 2.0
    if sx >= 0.999:
        return text(s, cx, base, round(fs, 2), fill)
    return text(s, cx, round(base, 2), round(fs, 2), fill, sx=round(sx, 3))


def mix(c1, c2, t):
    """Blend hex colour c1 towards c2 by t (0..1)."""
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02X%02X%02X" % tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def g(body, tx=0, ty=0, s=1.0):
    tr = "translate(%s,%s)" % (f(tx), f(ty))
    if s != 1.0:
        tr += " scale(%s)" % f(s)
    return '<g transform="%s">%s</g>' % (tr, body)


def tile(fill, rx=13):
    """The rounded square every cell picture sits on."""
    return rect(2, 2, 96, 96, fill, rx=rx, sw=2.5)


def write(rel, content):
    p = os.path.join(OUT, rel)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    with open(p, "w", encoding="utf-8") as fh:
        fh.write(content)
    WRITTEN.append(rel)


WRITTEN = []

# ------------------------------------------------------------ special cells

CELL_COLOURS = {
    "market": "#F7A23B",      # orange
    "computer": "#3DBFC9",    # teal
    "tax": "#8593AC",         # steel grey-blue
    "bank": "#F2C94A",        # gold
    "insurance": "#5C9CEA",   # sky blue
}


def cell_market():
    b = [tile(CELL_COLOURS["market"])]
    # posts
    b.append(rect(19, 36, 6, 48, "#9A6236", rx=2))
    b.append(rect(75, 36, 6, 48, "#9A6236", rx=2))
    # striped awning with scalloped edge
    n, x0, x1 = 5, 12.0, 88.0
    w = (x1 - x0) / n
    for i in range(n):
        a = x0 + i * w
        col = "#E5483D" if i % 2 == 0 else WHITE
        d = "M%s,22 L%s,22 L%s,38 A%s,%s 0 0 1 %s,38 Z" % (
            f(a), f(a + w), f(a + w), f(w / 2), f(w / 2), f(a))
        b.append(path(d, col))
    b.append(rect(10, 14, 80, 9, "#B83228", rx=4))
    # goods on the counter
    b.append(circle(33, 57, 7.5, "#E5483D"))
    b.append(circle(50, 56, 8.5, "#FFD54A"))
    b.append(circle(67, 57, 7.5, "#58B947"))
    b.append(path("M50,47.5 Q52,44 55,43", "none", sw=2))
    # counter
    b.append(rect(10, 63, 80, 23, "#C98546", rx=4))
    b.append(line("M14,74 L86,74", "#9A6236", 2))
    return svg("\n".join(b))


def cell_computer():
    b = [tile(CELL_COLOURS["computer"])]
    b.append(path("M44,68 L56,68 L59,80 L41,80 Z", "#C9CED6"))
    b.append(rect(28, 78, 44, 8, "#C9CED6", rx=4))
    b.append(rect(12, 14, 76, 56, "#3A3F4B", rx=7))
    b.append(rect(18, 20, 64, 44, "#FFF3B8", rx=3, sw=2))
    b.append(circle(80, 66, 1.6, "#7CE38B", stroke=None))
    b.append(text("?", 50, 42 + CAP * 42 / 2, 42, "#1F3B57"))
    return svg("\n".join(b))


def cell_tax():
    b = [tile(CELL_COLOURS["tax"])]
    # receipt with a torn (zig-zag) bottom edge
    left, right, top, bot = 24.0, 76.0, 11.0, 84.0
    teeth = 6
    tw = (right - left) / teeth
    d = "M%s,%s L%s,%s L%s,%s" % (f(left), f(top), f(right), f(top), f(right), f(bot))
    for i in range(teeth):
        xr = right - i * tw
        d += " L%s,%s L%s,%s" % (f(xr - tw / 2), f(bot + 6), f(xr - tw), f(bot))
    d += " Z"
    b.append(path(d, WHITE))
    for y, x2 in ((21, 66), (28, 58)):
        b.append(line("M32,%d L%d,%d" % (y, x2, y), "#A9B2C2", 3.5))
    b.append(text("%", 50, 51 + CAP * 40 / 2, 40, "#D63A3A"))
    b.append(line("M32,73 L68,73", "#A9B2C2", 3.5))
    return svg("\n".join(b))


def cell_bank():
    b = [tile(CELL_COLOURS["bank"])]
    b.append(poly([(50, 11), (89, 33), (11, 33)], WHITE))
    b.append(circle(50, 25, 4.5, "#F2C94A", sw=2))
    b.append(rect(15, 33, 70, 8, WHITE, rx=1.5))
    for cx in (24, 40, 60, 76):
        b.append(rect(cx - 5, 41, 10, 32, WHITE, rx=1))
        b.append(line("M%d,46 L%d,68" % (cx, cx), "#D8CFB8", 2, cap="butt"))
    b.append(rect(13, 73, 74, 6, WHITE, rx=1.5))
    b.append(rect(9, 79, 82, 8, WHITE, rx=2))
    return svg("\n".join(b))


def cell_insurance():
    b = [tile(CELL_COLOURS["insurance"])]
    shield = "M50,10 L82,21 L82,46 Q82,73 50,90 Q18,73 18,46 L18,21 Z"
    b.append(path(shield, WHITE, sw=3))
    inner = "M50,18 L74,26.5 L74,46 Q74,67 50,81 Q26,67 26,46 L26,26.5 Z"
    b.append(path(inner, "#DDEBFB", stroke=None))
    b.append(outlined_line("M36,49 L46,59 L65,37", "#2FA24B", 8, 2.2))
    return svg("\n".join(b))


def cell_startbox():
    b = [tile("#FFF3D6")]
    # sun-burst rays behind
    for i in range(12):
        a = i * math.pi / 6
        b.append(line("M%s,%s L%s,%s" % (f(50 + 30 * math.cos(a)), f(46 + 30 * math.sin(a)),
                                        f(50 + 42 * math.cos(a)), f(46 + 42 * math.sin(a))),
                      "#F6DCA0", 4))
    # pole
    b.append(rect(27, 12, 6, 62, "#8A8F99", rx=3))
    # waving flag
    flag = ("M33,15 Q45,9 56,15 Q67,21 78,15 L78,45 Q67,51 56,45 Q45,39 33,45 Z")
    b.append(path(flag, "#3CB54A", sw=2.5))
    b.append(poly([(53, 21), (55.6, 26.8), (61.8, 27.2), (57, 31.2), (58.6, 37.2),
                   (53, 33.8), (47.4, 37.2), (49, 31.2), (44.2, 27.2), (50.4, 26.8)],
                  WHITE, sw=1.5))
    b.append(circle(30, 11, 4, "#FFD54A", sw=2))
    # arrow pointing onwards
    arrow = "M16,70 L60,70 L60,62 L84,77 L60,92 L60,84 L16,84 Z"
    b.append(path(arrow, "#F06A3F", sw=2.5))
    return svg("\n".join(b))


def cell_company_empty():
    b = [tile("#ECE7DD")]
    faint = "#CFC6B6"
    b.append(rect(30, 22, 40, 64, "none", rx=3, stroke=faint, sw=3))
    b.append(line("M38,22 L38,15 L62,15 L62,22", faint, 3))
    for row in range(5):
        for col in range(3):
            b.append(rect(36 + col * 10, 29 + row * 10, 6, 6, faint, rx=1, stroke=None))
    b.append(rect(44, 76, 12, 10, faint, rx=1, stroke=None))
    b.append(line("M16,86 L84,86", faint, 3))
    b.append(rect(16, 52, 12, 34, "none", rx=2, stroke=faint, sw=3))
    b.append(rect(72, 44, 12, 42, "none", rx=2, stroke=faint, sw=3))
    return svg("\n".join(b))


# ----------------------------------------------------------- company plates

# Each complex: (tile shades light/mid/dark, emblem accent, text colour, plate shape)
FAMILIES = [
    {"shades": ["#9FDAA3", "#72C47B", "#4DA85A"], "acc": "#2F7A3A", "light": "#C9EDCB",
     "ink": "#1B5224", "shape": "round"},      # green
    {"shades": ["#C8B0F0", "#A888E0", "#8763CB"], "acc": "#5A3A9E", "light": "#E3D6F8",
     "ink": "#38206E", "shape": "chamfer"},    # violet
    {"shades": ["#DDC2A4", "#C59D77", "#A67953"], "acc": "#7A5231", "light": "#EEDFCD",
     "ink": "#4E3119", "shape": "pill"},       # earth brown
    {"shades": ["#F4AECD", "#E882AE", "#D35A90"], "acc": "#9C2E60", "light": "#FADBE8",
     "ink": "#701A42", "shape": "ticket"},     # raspberry pink
]

NAMES = [
    ["IBM", "HP", "Compaq", "Motorola", "Intel", "AMD",
     "Lucent", "Microsoft", "Sun", "Silicon", "EA", "Diamond"],
    ["GM", "Ford", "Buick", "Toyota", "Honda", "Nissan",
     "VW", "BMW", "Benz", "Renault", "Peugeot", "Citroen"],
]


def panel(shape, x, y, w, h, fill):
    if shape == "round":
        return rect(x, y, w, h, fill, rx=9, sw=2.2)
    if shape == "chamfer":
        c = 9
        return poly([(x + c, y), (x + w - c, y), (x + w, y + c), (x + w, y + h - c),
                     (x + w - c, y + h), (x + c, y + h), (x, y + h - c), (x, y + c)], fill, sw=2.2)
    if shape == "pill":
        return rect(x, y, w, h, fill, rx=17, sw=2.2)
    r = 8  # ticket: concave corners
    d = ("M%s,%s L%s,%s A%d,%d 0 0 0 %s,%s L%s,%s A%d,%d 0 0 0 %s,%s "
         "L%s,%s A%d,%d 0 0 0 %s,%s L%s,%s A%d,%d 0 0 0 %s,%s Z" % (
             f(x + r), f(y), f(x + w - r), f(y), r, r, f(x + w), f(y + r),
             f(x + w), f(y + h - r), r, r, f(x + w - r), f(y + h),
             f(x + r), f(y + h), r, r, f(x), f(y + h - r),
             f(x), f(y + r), r, r, f(x + r), f(y)))
    return path(d, fill, sw=2.2)


# Emblems are drawn in a 40 x 34 box.  A = family accent, L = family light.
GREY = "#C9CED6"
DARK = "#3A3F4B"
YEL = "#FFD54A"


def em_monitor(A, L):
    return "".join([
        path("M17,24 L23,24 L25,30 L15,30 Z", WHITE, sw=2),
        rect(10, 29, 20, 4, WHITE, rx=2, sw=2),
        rect(3, 1, 34, 24, WHITE, rx=3, sw=2.2),
        rect(7, 5, 26, 16, A, rx=1.5, sw=1.6),
        line("M11,10 L21,10 M11,15 L17,15", L, 2.2),
    ])


def em_floppy(A, L):
    return "".join([
        path("M6,1 L30,1 L35,6 L35,33 L6,33 Q5,33 5,32 L5,2 Q5,1 6,1 Z", A, sw=2.2),
        rect(11, 1, 17, 11, GREY, sw=2),
        rect(22, 3, 3.5, 7, DARK, stroke=None),
        rect(10, 17, 21, 14, WHITE, rx=1.5, sw=2),
        line("M13,22 L28,22 M13,26.5 L24,26.5", "#A9B2C2", 1.8),
    ])


def em_tower(A, L):
    return "".join([
        rect(2, 20, 14, 13, WHITE, rx=2, sw=2),
        rect(5, 23, 8, 6, A, rx=1, sw=1.4),
        rect(18, 1, 19, 32, WHITE, rx=3, sw=2.2),
        rect(21.5, 5, 12, 3.5, A, rx=1, sw=1.4),
        rect(21.5, 11, 12, 3.5, A, rx=1, sw=1.4),
        line("M22,19 L33,19 M22,22 L33,22", "#A9B2C2", 1.6),
        circle(27.5, 27.5, 2.6, L, sw=1.6),
    ])


def _pins(A):
    out = []
    for i in range(4):
        t = 10 + i * 6.7
        out.append(rect(t - 1.6, 0.5, 3.2, 6, GREY, sw=1.3))
        out.append(rect(t - 1.6, 27.5, 3.2, 6, GREY, sw=1.3))
        out.append(rect(5.5, t - 1.6 - 3, 6, 3.2, GREY, sw=1.3))
        out.append(rect(28.5, t - 1.6 - 3, 6, 3.2, GREY, sw=1.3))
    return "".join(out)


def em_chip_square(A, L):
    return "".join([
        _pins(A),
        rect(9, 4, 22, 26, DARK, rx=2.5, sw=2.2),
        rect(13.5, 9, 13, 16, A, rx=1.5, sw=1.5),
        circle(12.5, 7.5, 1.4, L, stroke=None),
    ])


def em_chip_dip(A, L):
    out = []
    for i in range(6):
        x = 6 + i * 5.6
        out.append(rect(x - 1.5, 4, 3, 7, GREY, sw=1.3))
        out.append(rect(x - 1.5, 23, 3, 7, GREY, sw=1.3))
    out.append(rect(1.5, 9, 37, 16, DARK, rx=2.5, sw=2.2))
    out.append(path("M1.5,13.5 A3.5,3.5 0 0 1 1.5,20.5", "none", stroke=L, sw=1.8))
    out.append(rect(10, 13, 21, 8, A, rx=1.5, sw=1.4))
    return "".join(out)


def em_circuit(A, L):
    out = [rect(1.5, 1.5, 37, 31, A, rx=4, sw=2.2)]
    for d in ("M15,12 L8,6", "M25,12 L32,6", "M15,22 L8,28", "M25,22 L32,28",
              "M13,17 L5,17", "M27,17 L35,17"):
        out.append(line(d, L, 1.8))
    for x, y in ((8, 6), (32, 6), (8, 28), (32, 28), (5, 17), (35, 17)):
        out.append(circle(x, y, 2.2, YEL, sw=1.2))
    out.append(rect(13, 10, 14, 14, DARK, rx=2, sw=1.6))
    out.append(rect(16.5, 13.5, 7, 7, L, rx=1, stroke=None))
    return "".join(out)


def em_braces(A, L):
    left = "M14,3 Q8,3 8,9 L8,13 Q8,17 3.5,17 Q8,17 8,21 L8,25 Q8,31 14,31"
    right = "M26,3 Q32,3 32,9 L32,13 Q32,17 36.5,17 Q32,17 32,21 L32,25 Q32,31 26,31"
    return "".join([
        outlined_line(left, WHITE, 4, 2),
        outlined_line(right, WHITE, 4, 2),
        circle(15, 17, 2.6, A, sw=1.5),
        circle(20, 17, 2.6, A, sw=1.5),
        circle(25, 17, 2.6, A, sw=1.5),
    ])


def em_window(A, L):
    return "".join([
        rect(2, 2, 36, 30, WHITE, rx=3.5, sw=2.2),
        path("M2,10 L2,5.5 Q2,2 5.5,2 L34.5,2 Q38,2 38,5.5 L38,10 Z", A, sw=2.2),
        circle(6.8, 6, 1.6, WHITE, stroke=None),
        circle(11.3, 6, 1.6, WHITE, stroke=None),
        circle(15.8, 6, 1.6, WHITE, stroke=None),
        rect(6, 14, 11, 13, L, rx=1.5, sw=1.4),
        line("M21,15.5 L33,15.5 M21,20.5 L31,20.5 M21,25.5 L28,25.5", "#A9B2C2", 2),
    ])


def em_terminal(A, L):
    return "".join([
        rect(2, 2, 36, 30, "#2E3440", rx=3.5, sw=2.2),
        line("M8,10 L15,16 L8,22", L, 3.2),
        line("M18,23 L28,23", L, 3.2),
        circle(33, 6.5, 1.4, A, stroke=None),
    ])


def em_film(A, L):
    out = [rect(1.5, 5, 37, 24, "#2E3440", rx=2, sw=2.2)]
    for i in range(6):
        x = 4 + i * 6
        out.append(rect(x, 7, 3.2, 2.8, WHITE, rx=0.6, stroke=None))
        out.append(rect(x, 24.2, 3.2, 2.8, WHITE, rx=0.6, stroke=None))
    for i, c in enumerate((L, YEL, L)):
        out.append(rect(4 + i * 11.3, 11.5, 9.5, 11, c, rx=1, stroke=None))
    return "".join(out)


def em_gamepad(A, L):
    body = ("M9,8 L31,8 Q38,8 39,17 L40,25 Q40.5,31 35,31 Q31,31 28,26 L12,26 "
            "Q9,31 5,31 Q-0.5,31 0,25 L1,17 Q2,8 9,8 Z")
    return "".join([
        path(body, WHITE, sw=2.2),
        rect(6.5, 15, 10, 3.6, A, rx=0.8, stroke=None),
        rect(9.7, 11.8, 3.6, 10, A, rx=0.8, stroke=None),
        circle(29, 14.5, 2.5, "#E5483D", sw=1.3),
        circle(33.5, 19, 2.5, YEL, sw=1.3),
        circle(24.5, 19, 2.5, L, sw=1.3),
    ])


def em_note(A, L):
    return "".join([
        path("M13,25 L13,5 L35,1 L35,21", "none", sw=3.2),
        path("M13,5 L35,1 L35,7 L13,11 Z", INK, sw=1),
        ellipse(9, 26, 6, 4.6, A, sw=2.2, extra=' transform="rotate(-20 9 26)"'),
        ellipse(31, 22, 6, 4.6, A, sw=2.2, extra=' transform="rotate(-20 31 22)"'),
        circle(7, 24.5, 1.3, L, stroke=None),
        circle(29, 20.5, 1.3, L, stroke=None),
    ])


def em_wheel(A, L):
    out = [circle(20, 17, 16, DARK, sw=2.2), circle(20, 17, 9.5, GREY, sw=2)]
    for i in range(5):
        a = -math.pi / 2 + i * 2 * math.pi / 5
        out.append(circle(20 + 5.6 * math.cos(a), 17 + 5.6 * math.sin(a), 1.4, INK, stroke=None))
    out.append(circle(20, 17, 3, A, sw=1.4))
    return "".join(out)


def em_steering(A, L):
    return "".join([
        circle(20, 17, 14, "none", stroke=INK, sw=8),
        circle(20, 17, 14, "none", stroke=A, sw=4),
        outlined_line("M7,16 L33,16 M20,16 L20,30", A, 4, 2),
        circle(20, 17, 5.5, WHITE, sw=2),
        circle(20, 17, 2, A, stroke=None),
    ])


def em_road(A, L):
    return "".join([
        circle(31, 8, 5, YEL, sw=1.8),
        path("M0,18 Q10,12 20,17 Q30,22 40,16 L40,33 L0,33 Z", L, sw=2),
        path("M16,13 L24,13 L37,33 L3,33 Z", "#5B6270", sw=2.2),
        line("M20,16 L20,18.5 M20,22 L20,25 M20,28.5 L20,32", YEL, 2.2, cap="butt"),
    ])


def gear_path(cx, cy, r_out, r_in, teeth, frac=0.45):
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step - math.pi / 2
        a1 = a - step * frac / 2
        a2 = a + step * frac / 2
        b1 = a + step * 0.5 - step * (1 - frac) * 0.35
        b2 = a + step * 0.5 + step * (1 - frac) * 0.35
        for ang, rr in ((a1 - 0.06, r_in), (a1 + 0.04, r_out), (a2 - 0.04, r_out), (a2 + 0.06, r_in)):
            pts.append((cx + rr * math.cos(ang), cy + rr * math.sin(ang)))
    return "M" + " L".join("%s,%s" % (f(round(x, 2)), f(round(y, 2))) for x, y in pts) + " Z"


def em_gear(A, L):
    return "".join([
        path(gear_path(20, 17, 16, 12, 9), L, sw=2.2),
        circle(20, 17, 6, WHITE, sw=2),
        circle(20, 17, 2.4, A, stroke=None),
    ])


def em_piston(A, L):
    return "".join([
        path("M16,17 L24,17 L26,31 L14,31 Z", GREY, sw=2),
        circle(20, 31, 3, WHITE, sw=1.6),
        rect(9, 1.5, 22, 18, L, rx=3, sw=2.2),
        line("M9.5,6.5 L30.5,6.5 M9.5,10.5 L30.5,10.5", A, 1.8, cap="butt"),
        circle(20, 15, 2.2, WHITE, sw=1.4),
    ])


def em_key(A, L):
    return "".join([
        path("M17,14 L37,14 L37,19 L34,19 L34,22.5 L30.5,22.5 L30.5,19 L27,19 L27,22 L23,22 L23,19 L17,19 Z",
             GREY, sw=2),
        rect(1.5, 5, 18, 22, A, rx=6, sw=2.2),
        circle(8, 16, 2.8, WHITE, sw=1.6),
        rect(12.5, 11.5, 4, 9, L, rx=1, stroke=None),
    ])


def em_gauge(A, L):
    out = [path("M2,28 A18,18 0 0 1 38,28 Z", WHITE, sw=2.2)]
    for i in range(7):
        a = math.pi + i * math.pi / 6
        out.append(line("M%s,%s L%s,%s" % (f(20 + 15 * math.cos(a)), f(28 + 15 * math.sin(a)),
                                          f(20 + 11.5 * math.cos(a)), f(28 + 11.5 * math.sin(a))),
                        A if i < 5 else "#E5483D", 2))
    out.append(outlined_line("M20,28 L30,16", "#E5483D", 2.4, 1.2))
    out.append(circle(20, 28, 3, DARK, sw=1.4))
    return "".join(out)


def em_spark(A, L):
    return "".join([
        rect(17.5, 0.5, 5, 5, GREY, rx=1, sw=1.6),
        path("M16,5 L24,5 L25.5,16 L14.5,16 Z", WHITE, sw=2),
        line("M16,9 L24,9 M15.5,12.5 L24.5,12.5", "#D8DDE4", 1.4),
        poly([(12, 16), (28, 16), (30, 19.5), (28, 23), (12, 23), (10, 19.5)], A, sw=2),
        rect(15, 23, 10, 7, GREY, sw=1.8),
        line("M15.5,25.5 L24.5,25.5 M15.5,28 L24.5,28", DARK, 1),
        path("M22,30 L22,33.5 L17,33.5", "none", sw=2),
    ])


def em_car(A, L):
    body = ("M2,24 L2,18 Q2,15 5,15 L10,14.5 L15,7 Q16,5.5 18,5.5 L28,5.5 Q30,5.5 31,7 "
            "L35,14.5 Q38.5,15 38.5,18 L38.5,24 Z")
    return "".join([
        path(body, L, sw=2.2),
        path("M17,13.5 L19.5,8.5 L24,8.5 L24,13.5 Z", "#CFE9F7", sw=1.5),
        path("M27,13.5 L27,8.5 L29,8.5 L31.5,13.5 Z", "#CFE9F7", sw=1.5),
        circle(11, 24.5, 5.5, DARK, sw=2),
        circle(11, 24.5, 2, GREY, stroke=None),
        circle(30, 24.5, 5.5, DARK, sw=2),
        circle(30, 24.5, 2, GREY, stroke=None),
        circle(36, 17.5, 1.4, YEL, stroke=None),
    ])


def em_fuel(A, L):
    return "".join([
        path("M27,10 L32,10 Q35,10 35,13 L35,26 Q35,29 32,29", "none", sw=2.2),
        rect(31.5, 2, 5, 7, DARK, rx=1, sw=1.6),
        rect(6, 2, 22, 29, L, rx=3, sw=2.2),
        rect(10, 6, 14, 9, WHITE, rx=1.5, sw=1.6),
        line("M13,10.5 L21,10.5", A, 2),
        rect(3, 30, 28, 3.5, DARK, rx=1.5, sw=1.6),
    ])


def em_lights(A, L):
    return "".join([
        rect(12, 0.5, 16, 33, DARK, rx=5, sw=2.2),
        circle(20, 7, 3.8, "#E5483D", sw=1.4),
        circle(20, 17, 3.8, YEL, sw=1.4),
        circle(20, 27, 3.8, "#58B947", sw=1.4),
        path("M12,4 L7,4 L12,10 Z M28,4 L33,4 L28,10 Z", L, sw=1.4),
    ])


def em_wrench(A, L):
    d = ("M-3,-14 L-3,-5 L0,-2.5 L3,-5 L3,-14 A9,9 0 0 1 5,1.5 L5,14 "
         "A5,5 0 0 1 -5,14 L-5,1.5 A9,9 0 0 1 -3,-14 Z")
    return ('<g transform="translate(20,17) rotate(40)">%s%s</g>'
            % (path(d, GREY, sw=2.2), circle(0, 14, 1.8, DARK, stroke=None))) + \
        ('<g transform="translate(20,17) rotate(-40)">%s</g>'
         % rect(-2.5, -15, 5, 14, A, rx=2, sw=1.8)) + \
        ('<g transform="translate(20,17) rotate(-40)">%s</g>'
         % path("M-4,-1 L4,-1 L3,14 Q0,17 -3,14 Z", L, sw=1.8))


EMBLEMS = [
    [em_monitor, em_floppy, em_tower, em_chip_square, em_chip_dip, em_circuit,
     em_braces, em_window, em_terminal, em_film, em_gamepad, em_note],
    [em_wheel, em_steering, em_road, em_gear, em_piston, em_key,
     em_gauge, em_spark, em_car, em_fuel, em_lights, em_wrench],
]


def logo(set_idx, k):
    fam = FAMILIES[(k - 1) // 3]
    shade = fam["shades"][(k - 1) % 3]
    name = NAMES[set_idx][k - 1]
    emblem = EMBLEMS[set_idx][k - 1](fam["acc"], fam["light"])
    b = [tile(shade, rx=14)]
    b.append(g(emblem, 28, 7, 1.1))
    b.append(panel(fam["shape"], 7, 51, 86, 41, "#FFFBF0"))
    b.append(fitted_text(name, 50, 71.5, 71, 28, fam["ink"], pref=21, minsx=0.78))
    return svg("\n".join(b))


# ------------------------------------------------------------------ pieces

PLAYER = ["#FF0000", "#0000FF", "#00AA00", "#FF00FF"]


def shade_defs(gid, base):
    return ('<linearGradient id="%s" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="0.55" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient>'
            % (gid, mix(base, "#FFFFFF", 0.35), base, mix(base, "#000000", 0.3)))


def piece_pawn(base):
    defs = shade_defs("s", base)
    fill = "url(#s)"
    sw = 4
    b = [
        '<ellipse cx="50" cy="93" rx="32" ry="4" fill="#000000" fill-opacity="0.18"/>',
        rect(14, 76, 72, 15, fill, rx=7.5, sw=sw),
        path("M36,47 L64,47 Q60,55 62,63 Q65,71 77,77 L23,77 Q35,71 38,63 Q40,55 36,47 Z",
             fill, sw=sw),
        rect(27, 40, 46, 10, fill, rx=5, sw=sw),
        circle(50, 23, 18, fill, sw=sw),
        ellipse(43, 16, 6.5, 4.5, "#FFFFFF", stroke=None, extra=' fill-opacity="0.55"'),
        rect(20, 80, 14, 3.5, "#FFFFFF", rx=1.7, stroke=None, extra=' fill-opacity="0.35"'),
    ]
    return svg("\n".join(b), defs=defs)


def piece_car(base):
    defs = shade_defs("s", base)
    fill = "url(#s)"
    body = ("M4,72 L4,52 Q4,43 13,42 L24,41 L34,20 Q36.5,15 42,15 L66,15 Q71,15 73.5,20 "
            "L84,40 L89,41 Q96,42.5 96,51 L96,72 Q96,76 92,76 L8,76 Q4,76 4,72 Z")
    b = [
        '<ellipse cx="50" cy="92" rx="42" ry="4" fill="#000000" fill-opacity="0.18"/>',
        path(body, fill, sw=4),
        path("M37,40 L43,23 L53,23 L53,40 Z", "#DDF1FB", sw=3),
        path("M59,40 L59,23 L67,23 L75,40 Z", "#DDF1FB", sw=3),
        line("M9,52 L91,52", mix(base, "#FFFFFF", 0.45), 3),
        rect(88.5, 46, 6, 6, "#FFE27A", rx=2, sw=2),
        rect(5.5, 47, 5, 6, "#FF9A7A", rx=2, sw=2),
        circle(27, 75, 13, "#2B2B2B", sw=4),
        circle(27, 75, 5.5, "#C9CED6", sw=2),
        circle(74, 75, 13, "#2B2B2B", sw=4),
        circle(74, 75, 5.5, "#C9CED6", sw=2),
    ]
    return svg("\n".join(b), defs=defs)


def piece_gem(base):
    tint = mix(base, "#FFFFFF", 0.55)
    light = mix(base, "#FFFFFF", 0.3)
    dark = mix(base, "#000000", 0.25)
    darker = mix(base, "#000000", 0.45)
    T = [(31, 14), (50, 14), (69, 14)]
    C = [(9, 36), (33, 36), (67, 36), (91, 36)]
    P = (50, 92)
    fac = [
        ([T[0], C[0], C[1]], light),
        ([T[0], C[1], T[1]], tint),
        ([T[1], C[1], C[2]], light),
        ([T[1], C[2], T[2]], base),
        ([T[2], C[2], C[3]], dark),
        ([C[0], C[1], P], base),
        ([C[1], C[2], P], dark),
        ([C[2], C[3], P], darker),
    ]
    b = ['<ellipse cx="50" cy="94" rx="22" ry="3.5" fill="#000000" fill-opacity="0.18"/>']
    for pts, col in fac:
        b.append(poly(pts, col, stroke=INK, sw=1.6))
    b.append(poly([T[0], T[2], C[3], P, C[0]], "none", sw=4))
    # sparkle
    b.append(path("M24,4 L26,10 L32,12 L26,14 L24,20 L22,14 L16,12 L22,10 Z", "#FFFFFF", sw=1.5))
    return svg("\n".join(b))


# -------------------------------------------------------------------- dice

PIPS = {
    1: [(50, 50)],
    2: [(28, 28), (72, 72)],
    3: [(28, 28), (50, 50), (72, 72)],
    4: [(28, 28), (72, 28), (28, 72), (72, 72)],
    5: [(28, 28), (72, 28), (50, 50), (28, 72), (72, 72)],
    6: [(28, 26), (72, 26), (28, 50), (72, 50), (28, 74), (72, 74)],
}


def die(n):
    b = [rect(5, 5, 90, 90, "#DADDE3", rx=17, sw=4),
         rect(9, 8, 82, 80, "#FFFFFF", rx=14, stroke=None)]
    for x, y in PIPS.get(n, []):
        b.append(circle(x, y, 9, INK, stroke=None))
        b.append(circle(x - 2.5, y - 2.5, 2.2, "#5A5A5A", stroke=None))
    return svg("\n".join(b))


# -------------------------------------------------------------------- icon

def icon():
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#2A9D8F"/><stop offset="1" stop-color="#1D7A70"/>'
            '</linearGradient>')
    b = [rect(3, 3, 94, 94, "url(#bg)", rx=20, sw=4)]
    # rising bars (behind the letter, right side)
    for i, (h, c) in enumerate(((20, "#FFE08A"), (34, "#FFD04D"), (50, "#FFB72B"))):
        x = 64 + i * 10
        b.append(rect(x, 84 - h, 8.5, h, c, rx=1.5, sw=2.5))
    z = "M13,17 L63,17 L63,31 L34,67 L64,67 L64,83 L12,83 L12,69 L41,33 L13,33 Z"
    b.append(path(z, "#FFFFFF", sw=4))
    return svg("\n".join(b), defs=defs)


# ------------------------------------------------------------------- board

def board():
    S = 7680
    c = S / 2
    defs = ('<radialGradient id="felt" cx="0.5" cy="0.5" r="0.72" fx="0.5" fy="0.5">'
            '<stop offset="0" stop-color="#DCE9D1"/><stop offset="0.7" stop-color="#D2E3C5"/>'
            '<stop offset="1" stop-color="#BFD5B1"/></radialGradient>')
    deco = "#C4D8B6"
    deco2 = "#B9CFAA"
    b = [rect(0, 0, S, S, "url(#felt)", stroke=None),
         rect(40, 40, S - 80, S - 80, "none", rx=160, stroke="#AFC7A0", sw=24)]
    # centre medallion: a big coin ring
    b.append(circle(c, c, 1480, "#D6E6CA", stroke=deco, sw=60))
    b.append(circle(c, c, 1340, "none", stroke=deco, sw=18))
    # title in the upper half of the ring
    title = "ZENTRIX"
    fs = 2300 / text_width(title)
    b.append(text(title, c, c - 560 + CAP * fs / 2, round(fs), deco2))
    # skyline in the lower half
    ground = c + 820
    blds = [(-1000, 260, 380), (-720, 250, 600), (-450, 300, 860), (-130, 260, 1000),
            (150, 280, 720), (450, 230, 480)]
    for dx, w, h in blds:
        x = c + dx
        b.append(rect(x, ground - h, w, h, deco, rx=20, stroke=None))
        cols = max(1, int((w - 80) // 90))
        rows = int((h - 120) // 130)
        for r_ in range(rows):
            for cc in range(cols):
                wx = x + (w - cols * 90 + 40) / 2 + cc * 90
                b.append(rect(wx, ground - h + 80 + r_ * 130, 50, 70, "#D6E6CA", rx=8, stroke=None))
    b.append(rect(c - 10, ground - 1000 - 200, 20, 200, deco, stroke=None))  # antenna
    b.append(rect(c - 1100, ground, 2200, 70, deco, rx=35, stroke=None))
    # coin stack right of the skyline
    for i in range(5):
        b.append(ellipse(c + 880, ground - 60 - i * 95, 200, 62, "#D6E6CA", stroke=deco2, sw=24))
    return svg("\n".join(b), S, S, defs=defs)


# ----------------------------------------------------------------- results

def results():
    b = []
    # confetti
    for x, y, col in ((30, 30, "#E5483D"), (170, 34, "#5C9CEA"), (20, 90, "#58B947"),
                      (180, 96, "#FFD04D"), (52, 14, "#A888E0"), (150, 12, "#F7A23B")):
        b.append(rect(x - 4, y - 2.5, 8, 5, col, rx=1.5, sw=1.5,
                      extra=' transform="rotate(%d %d %d)"' % ((x * 7) % 90 - 45, x, y)))
    for x, y in ((38, 60), (164, 62), (100, 8)):
        b.append(path("M%d,%d l3,8 l8,3 l-8,3 l-3,8 l-3,-8 l-8,-3 l8,-3 Z" % (x, y - 11),
                      "#FFD04D", sw=1.5))
    # podium
    b.append(rect(18, 140, 54, 50, "#C9CED6", rx=5, sw=3))
    b.append(rect(128, 152, 54, 38, "#D9A273", rx=5, sw=3))
    b.append(rect(68, 122, 64, 68, "#FFD04D", rx=5, sw=3))
    b.append(text("2", 45, 175, 26, INK))
    b.append(text("3", 155, 181, 24, INK))
    b.append(text("1", 100, 166, 34, INK))
    b.append(line("M10,190 L190,190", INK, 3))
    # trophy
    gold = "#FFC93C"
    b.append(outlined_line("M70,44 Q50,44 52,62 Q54,78 76,80", gold, 6, 2.5))
    b.append(outlined_line("M130,44 Q150,44 148,62 Q146,78 124,80", gold, 6, 2.5))
    b.append(rect(82, 108, 36, 14, "#8A5A35", rx=3, sw=3))
    b.append(path("M94,92 L106,92 L108,108 L92,108 Z", gold, sw=3))
    b.append(path("M66,30 L134,30 L130,66 Q126,94 100,96 Q74,94 70,66 Z", gold, sw=3))
    b.append(path("M76,38 L82,38 L80,66 Q80,78 86,84 Q76,80 75,66 Z", "#FFE9A8", stroke=None))
    b.append(poly([(100, 44), (104.4, 54), (115, 55), (107, 62), (109.4, 72.5),
                   (100, 67), (90.6, 72.5), (93, 62), (85, 55), (95.6, 54)], "#FFFFFF", sw=2))
    b.append(rect(62, 24, 76, 9, "#F2B51F", rx=4, sw=3))
    return svg("\n".join(b), 200, 200)


# ------------------------------------------ desktop icons (installed files)
#
# The icon in the desktop's hicolor theme and the icon of saved-game files,
# as SVG and as PNG at the theme's sizes.  The PNGs are rendered by
# rsvg-convert (Debian: librsvg2-bin).  At 24 pixels and less the full
# pictures turn to mush, so those sizes are drawn again on their own pixel
# grid with fewer, bolder shapes.

DESKTOP_ICONS = os.path.join(ROOT, "desktop", "icons", "hicolor")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SMALL_ICON = 24                       # this size and below use the pixel drawings
APP_ICON = "zentrix"
SAVED_GAME_ICON = "application-x-zentrix-savegame"
TEAL = "#2A9D8F"
PAPER = "#FFFDF6"


def icon_small(n):
    """The program's mark on an n-pixel grid (n <= 24)."""
    if n <= 16:
        b = [rect(0.5, 0.5, 15, 15, TEAL, rx=3, sw=1),
             path("M3,3 H11 V5 L6,11 H11 V13 H3 V11 L8,5 H3 Z", "#FFFFFF", stroke=None),
             rect(12, 6, 2, 7, "#FFB72B", stroke=None)]
        return svg("\n".join(b), 16, 16)
    b = [rect(0.5, 0.5, 23, 23, TEAL, rx=4.5, sw=1),
         path("M3.5,4.5 H14.5 V7.5 L8.5,16.5 H14.5 V19.5 H3.5 V16.5 L9.5,7.5 H3.5 Z", "#FFFFFF", sw=1),
         rect(16, 14, 2, 6, "#FFD04D", stroke=None),
         rect(19, 9, 2, 11, "#FFB72B", stroke=None)]
    return svg("\n".join(b), 24, 24)


def saved_game_icon():
    """A sheet of paper with a folded corner, lines of text and the mark."""
    fold = 20
    sheet = "M16,4 H%d L84,%d V96 H16 Z" % (84 - fold, 4 + fold)
    b = [path(sheet, PAPER, sw=3.5),
         path("M%d,4 V%d H84" % (84 - fold, 4 + fold), "#E4DED0", sw=3.5)]
    for i, w in enumerate((30, 38, 24)):
        b.append(line("M26,%d h%d" % (16 + i * 9, w), "#9AA3B0", 4))
    b.append(rect(27, 46, 46, 42, TEAL, rx=9, sw=3))
    b.append(path("M34,53 H55 V59 L43,75 H55 V81 H33 V75 L45,59 H34 Z", "#FFFFFF", sw=2.5))
    b.append(rect(58, 70, 4.5, 11, "#FFD04D", rx=1, sw=1.5))
    b.append(rect(64.5, 61, 4.5, 20, "#FFB72B", rx=1, sw=1.5))
    return svg("\n".join(b))


def saved_game_icon_small(n):
    """The saved-game icon on an n-pixel grid (n <= 24)."""
    if n <= 16:
        b = [path("M2.5,0.5 H9.5 L13.5,4.5 V15.5 H2.5 Z", PAPER, sw=1),
             path("M9.5,0.5 V4.5 H13.5", "none", sw=1),
             rect(4, 3, 4, 1, "#9AA3B0", stroke=None),
             rect(4, 7, 8, 7, TEAL, rx=1.5, stroke=None),
             path("M5.5,8 H10 V9 L7,12 H10 V13 H5.5 V12 L8.5,9 H5.5 Z", "#FFFFFF", stroke=None)]
        return svg("\n".join(b), 16, 16)
    b = [path("M3.5,0.5 H15 L20.5,6 V23.5 H3.5 Z", PAPER, sw=1),
         path("M15,0.5 V6 H20.5", "none", sw=1),
         rect(6, 3, 7, 1, "#9AA3B0", stroke=None),
         rect(6, 5.5, 5, 1, "#9AA3B0", stroke=None),
         rect(5.5, 9.5, 13, 12, TEAL, rx=2, sw=1),
         path("M8,11.5 H15 V13.5 L10.5,18 H15 V19.5 H8 V17.5 L12.5,13 H8 Z", "#FFFFFF", stroke=None)]
    return svg("\n".join(b), 24, 24)


def export_desktop_icons():
    import shutil
    import subprocess
    import tempfile
    rsvg = shutil.which("rsvg-convert")
    if not rsvg:
        raise SystemExit("make_art.py: the desktop icons need rsvg-convert (Debian: librsvg2-bin)")
    with open(os.path.join(OUT, "icon.svg"), encoding="utf-8") as fh:
        app_svg = fh.read()
    pictures = {  # (name, context): (large drawing, small drawing)
        (APP_ICON, "apps"): (app_svg, icon_small),
        (SAVED_GAME_ICON, "mimetypes"): (saved_game_icon(), saved_game_icon_small),
    }
    count = 0
    with tempfile.TemporaryDirectory() as tmp:
        for (name, context), (large, small) in pictures.items():
            if context != "apps":  # the program's own SVG is installed from assets/art
                scalable = os.path.join(DESKTOP_ICONS, "scalable", context, name + ".svg")
                os.makedirs(os.path.dirname(scalable), exist_ok=True)
                with open(scalable, "w", encoding="utf-8") as fh:
                    fh.write(large)
                count += 1
            for n in ICON_SIZES:
                source = os.path.join(tmp, "%s-%d.svg" % (name, n))
                with open(source, "w", encoding="utf-8") as fh:
                    fh.write(small(n) if n <= SMALL_ICON else large)
                png = os.path.join(DESKTOP_ICONS, "%dx%d" % (n, n), context, name + ".png")
                os.makedirs(os.path.dirname(png), exist_ok=True)
                subprocess.run([rsvg, "-w", str(n), "-h", str(n), "-o", png, source], check=True)
                count += 1
    print("wrote %d desktop icons into %s" % (count, DESKTOP_ICONS))


# -------------------------------------------------------------------- main

def main():
    write("cells/market.svg", cell_market())
    write("cells/computer.svg", cell_computer())
    write("cells/tax.svg", cell_tax())
    write("cells/bank.svg", cell_bank())
    write("cells/insurance.svg", cell_insurance())
    write("cells/startbox.svg", cell_startbox())
    write("cells/company_empty.svg", cell_company_empty())
    for s in range(2):
        for k in range(1, 13):
            write("logos/logo%02d.svg" % (s * 12 + k), logo(s, k))
    makers = [piece_pawn, piece_car, piece_gem]
    for s in range(3):
        for p in range(4):
            write("pieces/piece%02d.svg" % (s * 4 + p + 1), makers[s](PLAYER[p]))
    for n in range(7):
        write("dice/dice%d.svg" % n, die(n))
    write("icon.svg", icon())
    write("board.svg", board())
    write("results.svg", results())
    print("wrote %d files into %s" % (len(WRITTEN), OUT))


if __name__ == "__main__":
    main()
    export_desktop_icons()
