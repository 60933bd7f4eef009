# -*- coding: utf-8 -*-
# Run from the source folder: python3 scripts/make_help_pictures.py data
# Writes the help pictures (HP-GL, plotter units of 0.025 mm on a 160 x 120 mm sheet) and the
# picture index zel3.dbh.
import math, sys

U = 40  # plotter units per millimetre


def enc8(v):
    s = 2 * v if v >= 0 else 2 * (-v) + 1
    out = bytearray()
    while s >= 64:
        out.append(63 + (s & 63))
        s >>= 6
    out.append(191 + s)
    return bytes(out)


class Pic:
    def __init__(self):
        self.b = bytearray(b"IN;")
        self.cur = None
        self.pen = None
        self.size = None
        self.dir = None

    def raw(self, s):
        self.b += s.encode("latin-1") if isinstance(s, str) else s

    def sp(self, p):
        if p != self.pen:
            self.raw("SP%d;" % p)
            self.pen = p

    def pt(self, x, y):
        return int(round(x * U)), int(round(y * U))

    def move(self, x, y):
        px, py = self.pt(x, y)
        self.raw("PU%d,%d;" % (px, py))
        self.cur = (px, py)

    def poly(self, pts, pen=None):
        if pen is not None:
            self.sp(pen)
        self.move(*pts[0])
        coords = []
        for x, y in pts[1:]:
            coords += list(self.pt(x, y))
        self.raw("PD" + ",".join(str(c) for c in coords) + ";")
        self.cur = self.pt(*pts[-1])

    def line(self, x1, y1, x2, y2, pen=None):
        self.poly([(x1, y1), (x2, y2)], pen)

    def rect(self, x1, y1, x2, y2, pen=None):
        self.poly([(x1, y1), (x2, y1), (x2, y2), (x1, y2), (x1, y1)], pen)

    def circle(self, x, y, r, pen=None):
        if pen is not None:
            self.sp(pen)
        self.move(x, y)
        self.raw("CI%d;" % int(round(r * U)))

    def arc(self, cx, cy, r, a0, sweep, pen=None):
        # Arc about (cx, cy) from angle a0 through sweep degrees.
        if pen is not None:
            self.sp(pen)
        sx = cx + r * math.cos(math.radians(a0))
        sy = cy + r * math.sin(math.radians(a0))
        self.move(sx, sy)
        px, py = self.pt(cx, cy)
        self.raw("PD;AA%d,%d,%g;PU;" % (px, py, sweep))

    def pe(self, pts, pen=None):
        # Encoded polyline: first point absolute with the pen up, the rest relative.
        if pen is not None:
            self.sp(pen)
        ax, ay = self.pt(*pts[0])
        out = bytearray(b"PE<=") + enc8(ax) + enc8(ay)
        lx, ly = ax, ay
        for x, y in pts[1:]:
            px, py = self.pt(x, y)
            out += enc8(px - lx) + enc8(py - ly)
            lx, ly = px, py
        out += b";"
        self.raw(bytes(out))
        self.cur = (lx, ly)

    def ellipse(self, cx, cy, a, b, pen=None, a0=0, a1=360, n=72):
        pts = []
        for i in range(n + 1):
            t = math.radians(a0 + (a1 - a0) * i / n)
            pts.append((cx + a * math.cos(t), cy + b * math.sin(t)))
        self.pe(pts, pen)

    def dashed(self, x1, y1, x2, y2, pen=None, dash=2.0, gap=1.0):
        if pen is not None:
            self.sp(pen)
        l = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / l, (y2 - y1) / l
        s = 0.0
        while s < l:
            e = min(s + dash, l)
            self.line(x1 + ux * s, y1 + uy * s, x1 + ux * e, y1 + uy * e)
            s = e + gap

    def center(self, x1, y1, x2, y2, pen=8):
        # Dash-dot centre line.
        self.sp(pen)
        l = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / l, (y2 - y1) / l
        s = 0.0
        while s < l:
            e = min(s + 5.0, l)
            self.line(x1 + ux * s, y1 + uy * s, x1 + ux * e, y1 + uy * e)
            d = e + 1.0
            if d < l:
                d2 = min(d + 0.6, l)
                self.line(x1 + ux * d, y1 + uy * d, x1 + ux * d2, y1 + uy * d2)
            s = d + 1.6

    def arrowhead(self, x, y, angle, size=2.5, pen=None):
        a = math.radians(angle)
        for da in (160, -160):
            b = a + math.radians(da)
            self.line(x, y, x + size * math.cos(b), y + size * math.sin(b), pen)

    def arrow(self, x1, y1, x2, y2, pen=None, size=2.5):
        self.line(x1, y1, x2, y2, pen)
        self.arrowhead(x2, y2, math.degrees(math.atan2(y2 - y1, x2 - x1)), size)

    def dim(self, x1, y1, x2, y2, pen=1, size=2.0):
        # Dimension line with arrows at both ends.
        self.line(x1, y1, x2, y2, pen)
        a = math.degrees(math.atan2(y2 - y1, x2 - x1))
        self.arrowhead(x2, y2, a, size)
        self.arrowhead(x1, y1, a + 180, size)

    def text(self, x, y, s, h=3.0, pen=8, angle=0):
        self.sp(pen)
        size = (round(h * 0.055, 3), round(h * 0.1, 3))  # cm: width, height
        if size != self.size:
            self.raw("SI%g,%g;" % size)
            self.size = size
        d = (round(math.cos(math.radians(angle)), 4), round(math.sin(math.radians(angle)), 4))
        if d != self.dir:
            self.raw("DI%g,%g;" % d)
            self.dir = d
        self.move(x, y)
        # Character set 3 writes umlauts as letter + "}".
        t = (s.replace("Ä", "A}").replace("Ö", "O}").replace("Ü", "U}")
             .replace("ä", "a}").replace("ö", "o}").replace("ü", "u}"))
        self.raw(b"LB" + t.encode("cp850") + b"\x03")

    def title(self, s):
        self.rect(1, 1, 159, 119, pen=8)
        self.text(5, 111, s, h=4.5, pen=6)

    def data(self):
        return bytes(self.b) + b"PU;SP0;\r\n"


def newpic():
    p = Pic()
    p.raw("CS3;")
    return p


# --------------------------------------------------------------------- koerper
def koerper():
    p = newpic()
    p.title("Körperformen und Hauptkrümmungsradien rx, ry")
    base = 62
    # Kugel
    cx, cy, r = 20, base + 22, 13
    p.text(6, 103, "Kugel", 3.5, pen=6)
    p.circle(cx, cy, r, pen=5)
    p.center(cx - r - 3, cy, cx + r + 3, cy)
    p.center(cx, cy - r - 3, cx, cy + r + 3)
    p.dim(cx - r, cy - 6, cx + r, cy - 6, pen=1)
    p.text(cx - 1.5, cy - 5, "d", 3)
    p.text(4, base - 2, "rx = ry = d/2", 2.6)
    # Zylinder
    x0, x1, yb, yt = 48, 76, base + 14, base + 32
    p.text(46, 103, "Zylinder", 3.5, pen=6)
    p.line(x0, yb, x1, yb, pen=5)
    p.line(x0, yt, x1, yt)
    p.ellipse(x0, (yb + yt) / 2, 3, (yt - yb) / 2, pen=5)
    p.ellipse(x1, (yb + yt) / 2, 3, (yt - yb) / 2, pen=5, a0=-90, a1=90, n=36)
    p.center(x0 - 6, (yb + yt) / 2, x1 + 6, (yb + yt) / 2)
    p.dim(x0, yb - 4, x1, yb - 4, pen=1)
    p.text((x0 + x1) / 2 - 1, yb - 9, "L", 3)
    p.dim(x1 + 7, yb, x1 + 7, yt, pen=1)
    p.text(x1 + 8.5, (yb + yt) / 2 - 1, "d", 3)
    p.text(44, base - 2, "rx = d/2, ry = 0", 2.6)
    # Spezial: the two principal sections through the contact point
    cx, cy = 104, base + 4
    p.text(90, 103, "Spezial", 3.5, pen=6)
    rx, ry = 24, 11
    p.center(cx, cy - 3, cx, cy + rx + 3)
    p.arc(cx, cy + rx, rx, 240, 60, pen=5)
    p.arc(cx, cy + ry, ry, 205, 130, pen=6)
    p.circle(cx, cy + rx, 0.6, pen=5)
    p.circle(cx, cy + ry, 0.6, pen=6)
    t = math.radians(250)
    p.arrow(cx, cy + rx, cx + rx * math.cos(t), cy + rx + rx * math.sin(t), pen=5, size=2)
    p.text(cx - 9, cy + 15, "rx", 3, pen=5)
    t = math.radians(320)
    p.arrow(cx, cy + ry, cx + ry * math.cos(t), cy + ry + ry * math.sin(t), pen=6, size=2)
    p.text(cx + 7, cy + 10, "ry", 3, pen=6)
    p.circle(cx, cy, 0.6, pen=1)
    p.text(88, base - 2, "rx: in Ebene x", 2.4, pen=5)
    p.text(88, base - 6, "ry: in Ebene y", 2.4, pen=6)
    # Ebene
    p.text(132, 103, "Ebene", 3.5, pen=6)
    p.line(128, base + 12, 156, base + 12, pen=5)
    for i in range(8):
        x = 129 + i * 3.5
        p.line(x, base + 12, x - 2.5, base + 9.5)
    p.text(136, base - 2, "rx = ry = 0", 2.6)
    p.text(124, base + 22, "nur Körper 2", 2.6)
    # Separator
    p.line(3, 51, 157, 51, pen=8)
    # Konkav: a ball in a groove
    p.text(4, 44, "Hohl (konkav): Radius negativ", 3, pen=6)
    gx, gy, gr = 30, 30, 11
    p.circle(gx, gy - 3, 8, pen=6)
    p.arc(gx, gy, gr, 200, 140, pen=5)
    ex = gr * math.cos(math.radians(20))
    ey = gy - gr * math.sin(math.radians(20))
    p.poly([(gx - ex, ey), (gx - 17, ey), (gx - 17, 12), (gx + 17, 12), (gx + 17, ey), (gx + ex, ey)], pen=5)
    p.text(52, 32, "Kugel:", 2.6, pen=6)
    p.text(52, 28, "r1 = d/2", 2.6)
    p.text(52, 21, "Rille:", 2.6, pen=5)
    p.text(52, 17, "r2 < 0", 2.6)
    p.text(4, 5, "z.B. Kugel in der Laufrille", 2.6)
    # Druckellipse
    cx, cy, a, b = 112, 24, 24, 12
    p.text(82, 44, "Druckellipse (Berührfläche)", 3, pen=6)
    p.ellipse(cx, cy, a, b, pen=5)
    p.center(cx - a - 6, cy, cx + a + 8, cy)
    p.center(cx, cy - b - 4, cx, cy + b + 4)
    p.text(cx + a + 9, cy - 1, "x", 3)
    p.text(cx + 1.5, cy + b + 2, "y", 3)
    p.arrow(cx, cy, cx + a, cy, pen=1, size=2)
    p.text(cx + a / 2 - 2, cy + 1, "a1", 3, pen=1)
    p.arrow(cx, cy, cx, cy - b, pen=1, size=2)
    p.text(cx + 1.5, cy - b / 2 - 1, "a2", 3, pen=1)
    p.text(82, 4, "p max = 1,5 F / (pi a1 a2) in der Mitte", 2.6)
    return p.data()


# ----------------------------------------------------------------------- kraft
def kraft():
    p = newpic()
    p.title("Druckkraft F, Annäherung w und Pressung")
    cx = 48
    r1, c1 = 16, 84           # upper body
    r2, c2 = 22, 45           # lower body
    half = 6                  # half-width of the flattened contact
    # outlines up to the flat contact
    a1 = math.degrees(math.asin(half / r1))
    p.arc(cx, c1, r1, -90 + a1, 360 - 2 * a1, pen=5)
    a2 = math.degrees(math.asin(half / r2))
    p.arc(cx, c2, r2, 90 + a2, 360 - 2 * a2, pen=5)
    yc = (c1 - r1 * math.cos(math.radians(a1)) + c2 + r2 * math.cos(math.radians(a2))) / 2
    p.line(cx - half, yc, cx + half, yc, pen=1)
    # undeformed outlines, dashed
    for s in range(-1, 2, 2):
        pass
    p.ellipse(cx, c1, r1, r1, pen=8, a0=-90 - a1 - 8, a1=-90 + a1 + 8, n=12)
    p.ellipse(cx, c2, r2, r2, pen=8, a0=90 - a2 - 6, a1=90 + a2 + 6, n=12)
    p.center(cx, c2 - r2 - 3, cx, c1 + r1 + 3)
    p.circle(cx, c1, 0.8, pen=5)
    p.circle(cx, c2, 0.8, pen=5)
    # forces
    p.arrow(cx, 108, cx, c1 + r1 + 1, pen=1, size=3)
    p.text(cx + 2, 103, "F", 4, pen=1)
    p.arrow(cx, 4, cx, c2 - r2 - 1, pen=1, size=3)
    p.text(cx + 2, 6, "F", 4, pen=1)
    p.text(cx - 30, yc + 3, "Körper 1", 2.6)
    p.text(cx - 30, yc - 6, "Körper 2", 2.6)
    # approach w between the centres
    p.line(cx + 2, c1, cx + 26, c1, pen=8)
    p.line(cx + 2, c2, cx + 26, c2, pen=8)
    p.dim(cx + 24, c2, cx + 24, c1, pen=1, size=2)
    p.text(cx + 26, (c1 + c2) / 2 + 2, "Abstand der", 2.4)
    p.text(cx + 26, (c1 + c2) / 2 - 2.5, "Mittelpunkte", 2.4)
    p.text(cx + 26, (c1 + c2) / 2 - 7, "nimmt um w ab", 2.4)
    # pressure distribution
    ox, oy, a, pm = 118, 66, 24, 26
    p.text(96, 100, "Pressung p(x)", 3, pen=6)
    p.line(ox - a - 6, oy, ox + a + 6, oy, pen=8)
    pts = [(ox + a * math.cos(math.radians(t)), oy + pm * math.sin(math.radians(t))) for t in range(0, 181, 6)]
    p.pe(pts, pen=5)
    for i in range(-3, 4):
        x = ox + i * a / 4
        h = pm * math.sqrt(max(0.0, 1 - (i / 4) ** 2))
        p.arrow(x, oy + h, x, oy, pen=5, size=1.5) if h > 2 else None
    p.dim(ox - a, oy - 4, ox + a, oy - 4, pen=1)
    p.text(ox - 4, oy - 10, "2 a1", 3, pen=1)
    p.line(ox, oy, ox, oy + pm, pen=1)
    p.text(ox + 2, oy + pm + 1, "p max", 3, pen=1)
    # formulas
    p.text(88, 38, "p max = 1,5 F / (pi a1 a2)", 3)
    p.text(88, 31, "a1, a2 wachsen mit F^(1/3)", 3)
    p.text(88, 24, "R = 0,02 F / (w(1,01F) - w(0,99F))", 3)
    p.text(88, 17, "tau max = 0,31 p max in z = 0,47 a1", 3)
    p.text(88, 8, "Eingabe F in N, 0 .. 1e9", 3, pen=6)
    return p.data()


# -------------------------------------------------------------------- werkstof
def werkstof():
    p = newpic()
    p.title("Werkstoffkennwerte E, µ, Re, Rm")
    ox, oy = 14, 16
    p.arrow(ox, oy, ox + 78, oy, pen=8, size=2.5)
    p.arrow(ox, oy, ox, oy + 82, pen=8, size=2.5)
    p.text(ox + 56, oy - 6, "Dehnung", 3)
    p.text(ox - 9, oy + 84, "Spannung N/mm²", 3)
    # stress-strain curve: elastic line, yield plateau, hardening to Rm, necking
    re, rm = 52, 72
    pts = [(ox, oy), (ox + 12, oy + re)]
    pts += [(ox + 12 + i * 1.2, oy + re + (0.6 if i % 2 else -0.6)) for i in range(1, 8)]
    for i in range(0, 31):
        t = i / 30
        pts.append((ox + 22 + 34 * t, oy + re + (rm - re) * math.sin(t * math.pi / 2)))
    for i in range(1, 11):
        t = i / 10
        pts.append((ox + 56 + 14 * t, oy + rm - 16 * t * t))
    p.pe(pts, pen=5)
    p.text(ox + 71, oy + rm - 18, "Bruch", 2.6)
    p.dashed(ox, oy + re, ox + 24, oy + re, pen=1)
    p.text(ox + 2, oy + re + 2, "Re", 3, pen=1)
    p.dashed(ox, oy + rm, ox + 56, oy + rm, pen=1)
    p.text(ox + 2, oy + rm + 2, "Rm", 3, pen=1)
    p.line(ox + 4, oy + 4 * re / 12, ox + 4, oy + 0, pen=6) if False else None
    p.line(ox + 4, oy + re / 3, ox + 8, oy + re / 3, pen=6)
    p.line(ox + 8, oy + re / 3, ox + 8, oy + 2 * re / 3, pen=6)
    p.text(ox + 9, oy + re / 2 - 2, "E", 3, pen=6)
    p.text(ox + 14, oy + 8, "E = Steigung der Geraden", 2.6)
    # lateral contraction
    bx = 112
    p.text(96, 100, "Querkontraktion µ", 3, pen=6)
    p.rect(bx - 8, 44, bx + 8, 88, pen=8)
    p.rect(bx - 6.5, 40, bx + 6.5, 92, pen=5)
    p.arrow(bx, 92, bx, 98, pen=1, size=2)
    p.arrow(bx, 40, bx, 34, pen=1, size=2)
    p.text(bx + 11, 66, "längs: +e", 2.6)
    p.text(bx + 11, 60, "quer: -µ e", 2.6)
    p.text(96, 24, "Stahl: E = 210000, µ = 0,3", 3)
    p.text(96, 17, "E* = 2 E1 E2 / (E1 + E2)", 3)
    p.text(96, 10, "p zul = 1,67 min(Re1, Re2)", 3)
    return p.data()


# -------------------------------------------------------------------- diagramm
def small_axes(p, ox, oy, w, h, xl, yl, title):
    p.text(ox, oy + h + 6, title, 3, pen=6)
    p.arrow(ox, oy, ox + w, oy, pen=8, size=2)
    p.arrow(ox, oy, ox, oy + h, pen=8, size=2)
    p.text(ox + w - 4, oy - 5, xl, 2.6)
    p.text(ox - 4, oy + h + 1.5, yl, 2.6)


def diagramm():
    p = newpic()
    p.title("Diagramme")
    w, h = 60, 32
    # w = f(F): F^(2/3)
    ox, oy = 14, 64
    small_axes(p, ox, oy, w, h, "F", "w", "w = f(F)  Deformation")
    pts = [(ox + w * 0.9 * t, oy + h * 0.8 * t ** (2 / 3)) for t in [i / 40 for i in range(41)]]
    p.pe(pts, pen=5)
    p.circle(ox + w * 0.45, oy + h * 0.8 * 0.5 ** (2 / 3), 1, pen=1)
    # R = f(F): F^(1/3)
    ox = 92
    small_axes(p, ox, oy, w, h, "F", "R", "R = f(F)  Federrate")
    pts = [(ox + w * 0.9 * t, oy + h * 0.8 * t ** (1 / 3)) for t in [i / 40 for i in range(41)]]
    p.pe(pts, pen=5)
    p.circle(ox + w * 0.45, oy + h * 0.8 * 0.5 ** (1 / 3), 1, pen=1)
    # p max = f(F)
    ox, oy = 14, 12
    small_axes(p, ox, oy, w, h, "F", "p", "p max = f(F)  Pressung")
    pts = [(ox + w * 0.9 * t, oy + h * 0.8 * t ** (1 / 3)) for t in [i / 40 for i in range(41)]]
    p.pe(pts, pen=5)
    p.circle(ox + w * 0.45, oy + h * 0.8 * 0.5 ** (1 / 3), 1, pen=1)
    p.text(ox + 24, oy + 4, "Betriebspunkt F = o", 2.4)
    # stresses over depth
    ox = 92
    small_axes(p, ox, oy, w, h, "z", "", "Sigma y, Sigma z, tau = f(z)")
    zs = [i / 40 for i in range(41)]
    sz = [(ox + w * 0.9 * z, oy + h * 0.85 / math.sqrt(1 + (3 * z) ** 2)) for z in zs]
    p.pe(sz, pen=1)
    tau = [(ox + w * 0.9 * z, oy + h * 0.85 * 0.31 / 0.8 * (3 * z) * math.exp(1 - 3 * z * 2.1) * 2.1) for z in zs]
    p.pe(tau, pen=6)
    sy = [(ox + w * 0.9 * z, oy + h * 0.85 * 0.18 / 0.8 * math.exp(-6 * z)) for z in zs]
    p.pe(sy, pen=5)
    p.text(ox + 30, oy + 24, "Sigma z", 2.4, pen=1)
    p.text(ox + 30, oy + 18, "tau", 2.4, pen=6)
    p.text(ox + 30, oy + 12, "Sigma y", 2.4, pen=5) if False else p.text(ox + 8, oy + 4, "Sigma y", 2.4, pen=5)
    return p.data()


# ----------------------------------------------------------------------- blatt
def blatt():
    p = newpic()
    p.title("Zeichnungsblätter")
    # Geometrie
    p.text(6, 100, "1 Geometrie", 3, pen=6)
    p.rect(5, 50, 53, 96, pen=8)
    p.circle(20, 80, 9, pen=5)
    p.line(8, 71, 32, 71, pen=5)
    p.center(20, 68, 20, 92)
    p.circle(42, 80, 9, pen=5)
    p.line(30, 71, 52, 71, pen=5) if False else None
    p.line(34, 71, 50, 71, pen=5)
    p.center(42, 68, 42, 92)
    p.text(9, 56, "Vorder- und Seitenansicht", 2.2)
    # Tabelle
    p.text(59, 100, "2 Tabelle", 3, pen=6)
    p.rect(58, 50, 104, 96, pen=8)
    rows = ["F", "E*", "a1", "a2", "w", "R", "p max"]
    for i, t in enumerate(rows):
        y = 90 - i * 5.5
        p.line(61, y - 1.5, 101, y - 1.5, pen=5)
        p.text(63, y, t, 2.4)
    p.line(80, 52, 80, 93, pen=5)
    # Formblatt
    p.text(110, 100, "3 Formblatt A4", 3, pen=6)
    p.rect(109, 22, 155, 96, pen=8)
    p.rect(112, 25, 152, 93, pen=5)
    p.rect(126, 25, 152, 37, pen=5)
    p.line(126, 31, 152, 31)
    p.line(139, 25, 139, 37)
    p.circle(122, 78, 5, pen=5)
    p.circle(134, 78, 5, pen=5)
    p.rect(140, 66, 150, 88, pen=5)
    p.text(127, 39, "Schriftfeld", 2.2)
    p.text(6, 38, "Auswahl: Geometrie, Tabelle oder Formblatt;", 2.8)
    p.text(6, 31, "zurück .. beendet die Auswahl.", 2.8)
    p.text(6, 20, "Ausgabe: Bildschirm, DXF, IGES, TXT", 2.8)
    p.text(6, 13, "oder Plot mit KAVROT.", 2.8)
    return p.data()


PICTURES = [
    ("koerper", "Körperformen, Radien rx, ry, Druckellipse", koerper),
    ("kraft", "Druckkraft F, Annäherung w, Pressung p max", kraft),
    ("werkstof", "Werkstoffkennwerte E, µ, Re, Rm", werkstof),
    ("diagramm", "Diagramme w, R, p max = f(F), Spannungen", diagramm),
    ("blatt", "Zeichnungsblätter Geometrie, Tabelle, Formblatt", blatt),
]

d = sys.argv[1]
index = []
for name, info, f in PICTURES:
    assert len(name) <= 8 and len(info) <= 50, (name, info)
    open("%s/%s.plt" % (d, name), "wb").write(f())
    index.append('"%s","%s"' % (name, info))
open(d + "/zel3.dbh", "wb").write(("\r\n".join(index) + "\r\n").encode("cp850"))
print("ok")
