#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The quarimo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the picture font ANLAUT from the line drawings in assets/anlaut/.

Every character of the font prints as a small black line drawing for colouring in;
a letter shows a thing whose German name starts with it, so a worksheet also
teaches initial sounds. The drawings are SVG files in a 900 x 1000 box (one advance
wide, one em high, baseline at y = 800), drawn with strokes only; this script turns
the strokes into filled TrueType outlines (round caps and joins, closed loops become
rings with their hole kept). It reads the SVG elements path (M L H V C S Q T A Z),
circle, ellipse, line, polyline, polygon and rect, the attributes stroke, fill,
stroke-width and transform; a filled shape (fill="#000", stroke="none") makes a dot.

Usage (Debian's python3-fonttools; python3-pil only for --sheet):
    /usr/bin/python3 scripts/make_anlaut_font.py             # writes assets/fonts/ANLAUT.ttf
    /usr/bin/python3 scripts/make_anlaut_font.py --sheet out.png [--size 18]
        additionally renders every picture at that point size and 150 dpi, to look at.
"""

import argparse
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DRAWINGS = os.path.join(ROOT, "assets", "anlaut")
OUTPUT = os.path.join(ROOT, "assets", "fonts", "ANLAUT.ttf")

# The metrics are part of the worksheet layouts: twenty pictures must fit on a line
# after tab 8, and the tab columns use the average width, so every glyph has the
# same advance and xAvgCharWidth equals it.
UNITS_PER_EM = 1000
ADVANCE = 900
ASCENT = 800
DESCENT = 200
STROKE = 70  # default stroke width, a little more than 1/16 em so it prints clearly
VERSION = "1.000"
# Fixed time stamp (2026-01-01) so that regenerating from the same drawings gives the same file.
TIMESTAMP = 3850070400

# character, glyph name (post table; PDF writers derive ToUnicode from it), drawing file stem
PICTURES = [
    ("A", "A", "A_Auto"), ("B", "B", "B_Ball"), ("C", "C", "C_Clown"),
    ("D", "D", "D_Drachen"), ("E", "E", "E_Ente"), ("F", "F", "F_Fisch"),
    ("G", "G", "G_Glocke"), ("H", "H", "H_Haus"), ("I", "I", "I_Igel"),
    ("J", "J", "J_Jacke"), ("K", "K", "K_Katze"), ("L", "L", "L_Leiter"),
    ("M", "M", "M_Mond"), ("N", "N", "N_Note"), ("O", "O", "O_Osterei"),
    ("P", "P", "P_Pilz"), ("Q", "Q", "Q_Qualle"), ("R", "R", "R_Rakete"),
    ("S", "S", "S_Sonne"), ("T", "T", "T_Tasse"), ("U", "U", "U_Uhr"),
    ("V", "V", "V_Vogel"), ("W", "W", "W_Wolke"), ("X", "X", "X_Xylophon"),
    ("Y", "Y", "Y_Yacht"), ("Z", "Z", "Z_Zelt"),
    ("a", "a", "a_Apfel"), ("b", "b", "b_Birne"), ("c", "c", "c_Computer"),
    ("d", "d", "d_Diamant"), ("e", "e", "e_Eis"), ("f", "f", "f_Fahne"),
    ("g", "g", "g_Gabel"), ("h", "h", "h_Hut"), ("i", "i", "i_Iglu"),
    ("j", "j", "j_Joghurt"), ("k", "k", "k_Kerze"), ("l", "l", "l_Luftballon"),
    ("m", "m", "m_Maus"), ("n", "n", "n_Nest"), ("o", "o", "o_Ohr"),
    ("p", "p", "p_Paket"), ("q", "q", "q_Quirl"), ("r", "r", "r_Regenschirm"),
    ("s", "s", "s_Socke"), ("t", "t", "t_Tanne"), ("u", "u", "u_Uhu"),
    ("v", "v", "v_Vase"), ("w", "w", "w_Wuerfel"), ("x", "x", "x_Xylophonschlaegel"),
    ("y", "y", "y_Yoyo"), ("z", "z", "z_Zahn"),
    ("*", "asterisk", "asterisk_Stern"), ("<", "less", "less_Herz"),
    (">", "greater", "greater_Blume"), ("?", "question", "question_Schluessel"),
    (",", "comma", "comma_Kirschen"), (".", "period", "period_Knopf"),
    (":", "colon", "colon_Blatt"),
]


# --- geometry -------------------------------------------------------------------

def signed_area(poly):
    return 0.5 * sum(poly[i - 1][0] * p[1] - p[0] * poly[i - 1][1] for i, p in enumerate(poly))


def _segments_cross(a, b, c, d):
    def orient(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    d1, d2 = orient(c, d, a), orient(c, d, b)
    d3, d4 = orient(a, b, c), orient(a, b, d)
    return ((d1 > 0) != (d2 > 0)) and ((d3 > 0) != (d4 > 0)) and d1 and d2 and d3 and d4


def is_simple(poly):
    """True when no two non-adjacent edges of the closed polygon cross."""
    n = len(poly)
    edges = [(poly[i], poly[(i + 1) % n]) for i in range(n)]
    boxes = [(min(a[0], b[0]), max(a[0], b[0]), min(a[1], b[1]), max(a[1], b[1])) for a, b in edges]
    for i in range(n):
        bi = boxes[i]
        for j in range(i + 2, n):
            if i == 0 and j == n - 1:
                continue
            bj = boxes[j]
            if bi[1] < bj[0] or bj[1] < bi[0] or bi[3] < bj[2] or bj[3] < bi[2]:
                continue
            if _segments_cross(edges[i][0], edges[i][1], edges[j][0], edges[j][1]):
                return False
    return True


def dedupe(pts, closed):
    out = []
    for p in pts:
        if not out or math.dist(p, out[-1]) > 1e-6:
            out.append(p)
    if closed and len(out) > 1 and math.dist(out[0], out[-1]) < 1e-6:
        out.pop()
    return out


def unit_normal(a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy)
    return (-dy / length, dx / length)


def turn_angle(a, b, c):
    a1 = math.atan2(b[1] - a[1], b[0] - a[0])
    a2 = math.atan2(c[1] - b[1], c[0] - b[0])
    d = abs(a2 - a1) % (2 * math.pi)
    return min(d, 2 * math.pi - d)


def offset_line(pts, dist, closed):
    """Points moved sideways by dist, with mitred joins (only used on smooth runs)."""
    n = len(pts)
    out = []
    for i in range(n):
        if closed or 0 < i < n - 1:
            prev_n = unit_normal(pts[i - 1], pts[i])
            next_n = unit_normal(pts[i], pts[(i + 1) % n])
            mx, my = prev_n[0] + next_n[0], prev_n[1] + next_n[1]
            m = math.hypot(mx, my)
            mx, my = mx / m, my / m
            scale = dist / max(0.3, mx * next_n[0] + my * next_n[1])
            out.append((pts[i][0] + mx * scale, pts[i][1] + my * scale))
        else:
            nn = unit_normal(pts[0], pts[1]) if i == 0 else unit_normal(pts[-2], pts[-1])
            out.append((pts[i][0] + nn[0] * dist, pts[i][1] + nn[1] * dist))
    return out


def arc_points(center, radius, start, end, steps):
    return [(center[0] + radius * math.cos(start + (end - start) * k / steps),
             center[1] + radius * math.sin(start + (end - start) * k / steps)) for k in range(steps + 1)]


def clockwise(poly):
    # TrueType fills clockwise outer contours (y up): negative shoelace area.
    return poly if signed_area(poly) < 0 else poly[::-1]


def stroke_open(pts, half):
    """Outline of an open run with round caps; split until every piece is a simple polygon."""
    left = offset_line(pts, half, False)
    right = offset_line(pts, -half, False)
    a_end = math.atan2(pts[-1][1] - pts[-2][1], pts[-1][0] - pts[-2][0])
    a_start = math.atan2(pts[1][1] - pts[0][1], pts[1][0] - pts[0][0])
    cap_end = arc_points(pts[-1], half, a_end + math.pi / 2, a_end - math.pi / 2, 10)[1:-1]
    cap_start = arc_points(pts[0], half, a_start - math.pi / 2, a_start - 3 * math.pi / 2, 10)[1:-1]
    poly = left + cap_end + right[::-1] + cap_start
    if len(pts) > 2 and not is_simple(poly):
        mid = len(pts) // 2
        return stroke_open(pts[:mid + 1], half) + stroke_open(pts[mid:], half)
    return [clockwise(poly)]


CORNER = math.radians(35)


def stroke_path(pts, closed, width):
    """Filled outlines for one stroked sub-path; all ink contours clockwise, holes counter-clockwise."""
    pts = dedupe(pts, closed)
    half = width / 2
    if len(pts) < 2:
        if pts:
            return [clockwise(arc_points(pts[0], half, 0, 2 * math.pi, 16)[:-1])]
        return []
    n = len(pts)
    if closed:
        corners = [i for i in range(n) if turn_angle(pts[i - 1], pts[i], pts[(i + 1) % n]) > CORNER]
        if not corners and n > 2:
            a = offset_line(pts, half, True)
            b = offset_line(pts, -half, True)
            outer, inner = (a, b) if abs(signed_area(a)) > abs(signed_area(b)) else (b, a)
            if is_simple(outer):
                # A ring keeps its hole only while the inner edge runs the same way as the drawn
                # line; a loop narrower than the stroke turns it inside out and becomes a dot.
                if (signed_area(inner) > 0) == (signed_area(pts) > 0) and is_simple(inner):
                    inner = inner if signed_area(inner) > 0 else inner[::-1]
                    return [clockwise(outer), inner]
                return [clockwise(outer)]
            corners = [0, n // 2]
        runs = []
        for k, c in enumerate(corners):
            nxt = corners[(k + 1) % len(corners)]
            if nxt <= c:
                nxt += n
            runs.append([pts[i % n] for i in range(c, nxt + 1)])
    else:
        cut = [0] + [i for i in range(1, n - 1) if turn_angle(pts[i - 1], pts[i], pts[i + 1]) > CORNER] + [n - 1]
        runs = [pts[cut[k]:cut[k + 1] + 1] for k in range(len(cut) - 1)]
    contours = []
    for run in runs:
        contours += stroke_open(run, half)
    return contours


# --- SVG reading ----------------------------------------------------------------

def mat_mul(m, n):
    a, b, c, d, e, f = m
    a2, b2, c2, d2, e2, f2 = n
    return (a * a2 + c * b2, b * a2 + d * b2, a * c2 + c * d2, b * c2 + d * d2,
            a * e2 + c * f2 + e, b * e2 + d * f2 + f)


def parse_transform(text):
    m = (1, 0, 0, 1, 0, 0)
    for name, args in re.findall(r"(\w+)\s*\(([^)]*)\)", text or ""):
        v = [float(x) for x in re.findall(r"[-+]?(?:\d*\.\d+|\d+\.?)(?:[eE][-+]?\d+)?", args)]
        if name == "translate":
            t = (1, 0, 0, 1, v[0], v[1] if len(v) > 1 else 0)
        elif name == "scale":
            t = (v[0], 0, 0, v[1] if len(v) > 1 else v[0], 0, 0)
        elif name == "rotate":
            r = math.radians(v[0])
            t = (math.cos(r), math.sin(r), -math.sin(r), math.cos(r), 0, 0)
            if len(v) == 3:
                t = mat_mul(mat_mul((1, 0, 0, 1, v[1], v[2]), t), (1, 0, 0, 1, -v[1], -v[2]))
        elif name == "matrix":
            t = tuple(v)
        else:
            raise ValueError("unsupported transform " + name)
        m = mat_mul(m, t)
    return m


def flatten_cubic(p0, p1, p2, p3):
    length = math.dist(p0, p1) + math.dist(p1, p2) + math.dist(p2, p3)
    steps = max(4, int(length / 12))
    out = []
    for k in range(1, steps + 1):
        t = k / steps
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def flatten_arc(p0, rx, ry, phi, large, sweep, p1):
    """SVG elliptical arc (endpoint form) as points after p0."""
    if rx == 0 or ry == 0:
        return [p1]
    rx, ry = abs(rx), abs(ry)
    cp, sp = math.cos(phi), math.sin(phi)
    dx, dy = (p0[0] - p1[0]) / 2, (p0[1] - p1[1]) / 2
    x1, y1 = cp * dx + sp * dy, -sp * dx + cp * dy
    lam = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry)
    if lam > 1:
        rx, ry = rx * math.sqrt(lam), ry * math.sqrt(lam)
    num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1
    den = rx * rx * y1 * y1 + ry * ry * x1 * x1
    co = math.sqrt(max(0, num / den)) * (-1 if large == sweep else 1)
    cx1, cy1 = co * rx * y1 / ry, -co * ry * x1 / rx
    cx = cp * cx1 - sp * cy1 + (p0[0] + p1[0]) / 2
    cy = sp * cx1 + cp * cy1 + (p0[1] + p1[1]) / 2
    t1 = math.atan2((y1 - cy1) / ry, (x1 - cx1) / rx)
    t2 = math.atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx)
    dt = t2 - t1
    if sweep and dt < 0:
        dt += 2 * math.pi
    elif not sweep and dt > 0:
        dt -= 2 * math.pi
    steps = max(4, int(abs(dt) * max(rx, ry) / 12), int(abs(dt) / math.radians(8)))
    out = []
    for k in range(1, steps + 1):
        t = t1 + dt * k / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        out.append((cp * x - sp * y + cx, sp * x + cp * y + cy))
    out[-1] = p1
    return out


def parse_path(d):
    tokens = re.findall(r"[MmLlHhVvCcSsQqTtAaZz]|[-+]?(?:\d*\.\d+|\d+\.?)(?:[eE][-+]?\d+)?", d)
    subpaths, cur, pos, start = [], None, (0.0, 0.0), (0.0, 0.0)
    last_ctrl, cmd, i = None, None, 0

    def num():
        nonlocal i
        i += 1
        return float(tokens[i - 1])

    while i < len(tokens):
        if tokens[i].isalpha():
            cmd = tokens[i]
            i += 1
            if cmd in "Zz":
                if cur:
                    subpaths.append((cur, True))
                cur, pos = None, start
                continue
        rel = cmd.islower()
        base = pos if rel else (0.0, 0.0)
        c = cmd.upper()
        ctrl = None
        if c == "M":
            if cur:
                subpaths.append((cur, False))
            pos = (base[0] + num(), base[1] + num())
            start, cur = pos, [pos]
            cmd = "l" if rel else "L"
            continue
        if cur is None:
            cur = [pos]
        if c == "L":
            pos = (base[0] + num(), base[1] + num())
            cur.append(pos)
        elif c == "H":
            pos = ((pos[0] if rel else 0) + num(), pos[1])
            cur.append(pos)
        elif c == "V":
            pos = (pos[0], (pos[1] if rel else 0) + num())
            cur.append(pos)
        elif c in "CS":
            if c == "C":
                p1 = (base[0] + num(), base[1] + num())
            else:
                p1 = (2 * pos[0] - last_ctrl[0], 2 * pos[1] - last_ctrl[1]) if last_ctrl else pos
            p2 = (base[0] + num(), base[1] + num())
            p3 = (base[0] + num(), base[1] + num())
            cur += flatten_cubic(pos, p1, p2, p3)
            pos, ctrl = p3, p2
        elif c in "QT":
            if c == "Q":
                q = (base[0] + num(), base[1] + num())
            else:
                q = (2 * pos[0] - last_ctrl[0], 2 * pos[1] - last_ctrl[1]) if last_ctrl else pos
            p3 = (base[0] + num(), base[1] + num())
            p1 = (pos[0] + 2 / 3 * (q[0] - pos[0]), pos[1] + 2 / 3 * (q[1] - pos[1]))
            p2 = (p3[0] + 2 / 3 * (q[0] - p3[0]), p3[1] + 2 / 3 * (q[1] - p3[1]))
            cur += flatten_cubic(pos, p1, p2, p3)
            pos, ctrl = p3, q
        elif c == "A":
            rx, ry, rot, large, sweep = num(), num(), num(), num(), num()
            p1 = (base[0] + num(), base[1] + num())
            cur += flatten_arc(pos, rx, ry, math.radians(rot), bool(large), bool(sweep), p1)
            pos = p1
        else:
            raise ValueError("unsupported path command " + cmd)
        last_ctrl = ctrl if c in "CSQT" else None
    if cur and len(cur) > 1:
        subpaths.append((cur, False))
    return subpaths


def ellipse_points(cx, cy, rx, ry):
    steps = max(24, int(2 * math.pi * max(rx, ry) / 12))
    return [(cx + rx * math.cos(2 * math.pi * k / steps), cy + ry * math.sin(2 * math.pi * k / steps))
            for k in range(steps)]


def shape_subpaths(el):
    tag = el.tag.split("}")[-1]
    f = lambda name, default=0.0: float(el.get(name, default))
    if tag == "path":
        return parse_path(el.get("d", ""))
    if tag == "circle":
        return [(ellipse_points(f("cx"), f("cy"), f("r"), f("r")), True)]
    if tag == "ellipse":
        return [(ellipse_points(f("cx"), f("cy"), f("rx"), f("ry")), True)]
    if tag == "line":
        return [([(f("x1"), f("y1")), (f("x2"), f("y2"))], False)]
    if tag in ("polyline", "polygon"):
        v = [float(x) for x in re.findall(r"[-+]?(?:\d*\.\d+|\d+\.?)(?:[eE][-+]?\d+)?", el.get("points", ""))]
        return [(list(zip(v[0::2], v[1::2])), tag == "polygon")]
    if tag == "rect":
        x, y, w, h = f("x"), f("y"), f("width"), f("height")
        r = min(float(el.get("rx", el.get("ry", 0))), w / 2, h / 2)
        if r <= 0:
            return [([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], True)]
        d = "M{0},{1} H{2} A{4},{4} 0 0 1 {3},{5} V{6} A{4},{4} 0 0 1 {2},{7} H{0} A{4},{4} 0 0 1 {8},{6} V{5} A{4},{4} 0 0 1 {0},{1} Z".format(
            x + r, y, x + w - r, x + w, r, y + r, y + h - r, y + h, x)
        return parse_path(d)
    return []


def read_drawing(path):
    """All contours of one drawing in font units (y up, baseline 0)."""
    contours = []
    to_font = (1, 0, 0, -1, 0, ASCENT)

    def walk(el, matrix, style):
        style = dict(style)
        for key in ("stroke", "fill", "stroke-width"):
            if el.get(key) is not None:
                style[key] = el.get(key)
        matrix = mat_mul(matrix, parse_transform(el.get("transform")))
        scale = math.sqrt(abs(matrix[0] * matrix[3] - matrix[1] * matrix[2]))
        for sub, closed in shape_subpaths(el):
            pts = [(matrix[0] * x + matrix[2] * y + matrix[4], matrix[1] * x + matrix[3] * y + matrix[5])
                   for x, y in sub]
            if style["fill"] != "none" and len(pts) > 2:
                contours.append(clockwise(dedupe(pts, True)))
            if style["stroke"] != "none":
                contours.extend(stroke_path(pts, closed, float(style["stroke-width"]) * scale))
        for child in el:
            walk(child, matrix, style)

    if not os.path.exists(path):
        sys.exit("missing drawing " + os.path.relpath(path))
    root = ET.parse(path).getroot()
    if root.get("viewBox", "").split() != ["0", "0", str(ADVANCE), str(UNITS_PER_EM)]:
        sys.exit("%s: the viewBox must be 0 0 %d %d" % (os.path.relpath(path), ADVANCE, UNITS_PER_EM))
    walk(root, to_font, {"stroke": "black", "fill": "none", "stroke-width": str(STROKE)})
    return contours


def tidy(contour):
    """Integer points without repeats or nearly straight middle points."""
    pts = dedupe([(round(x), round(y)) for x, y in contour], True)
    changed = True
    while changed and len(pts) > 3:
        changed = False
        for i in range(len(pts)):
            a, b, c = pts[i - 1], pts[i], pts[(i + 1) % len(pts)]
            cross = (b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0])
            if abs(cross) <= 0.5 * math.dist(a, c):  # b lies within half a unit of a-c
                del pts[i]
                changed = True
                break
    return pts


def make_glyph(contours):
    pen = TTGlyphPen(None)
    for contour in contours:
        pts = tidy(contour)
        if len(pts) < 3:
            continue
        pen.moveTo(pts[0])
        for p in pts[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()


# --- font -----------------------------------------------------------------------

def notdef_contours():
    box = [(120, -100), (780, -100), (780, 700), (120, 700)]
    return stroke_path(box, True, STROKE)


def build(output):
    order = [".notdef", "space"] + [name for _, name, _ in PICTURES]
    glyphs = {".notdef": make_glyph(notdef_contours()), "space": make_glyph([])}
    cmap = {0x20: "space"}
    for char, name, stem in PICTURES:
        glyphs[name] = make_glyph(read_drawing(os.path.join(DRAWINGS, stem + ".svg")))
        cmap[ord(char)] = name

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        g = glyf[name]
        g.recalcBounds(glyf)
        metrics[name] = (ADVANCE, getattr(g, "xMin", 0))
        if g.numberOfContours and (g.xMin < 0 or g.xMax > ADVANCE or g.yMin < -DESCENT or g.yMax > ASCENT):
            sys.exit("%s: drawing leaves the box (%d,%d)-(%d,%d)" % (name, g.xMin, g.yMin, g.xMax, g.yMax))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    fb.setupNameTable({
        "copyright": "Drawings and font made for quarimo.",
        "familyName": "ANLAUT",
        "styleName": "Regular",
        "uniqueFontIdentifier": "quarimo: ANLAUT " + VERSION,
        "fullName": "ANLAUT",
        "version": "Version " + VERSION,
        "psName": "ANLAUT",
        "description": "Picture font: every letter shows a thing whose German name starts with it.",
    })
    fb.setupOS2(version=3, xAvgCharWidth=ADVANCE, usWeightClass=400, usWidthClass=5, fsType=0,
                achVendID="QRMO", fsSelection=0x40,
                sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT,
                sxHeight=500, sCapHeight=700, usDefaultChar=0, usBreakChar=0x20, usMaxContext=1,
                ulCodePageRange1=1)
    fb.setupPost(keepGlyphNames=True, isFixedPitch=1)
    # Pictures need no grid-fitting: smooth them at every size instead of snapping strokes.
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000A}  # grey scale with symmetric smoothing, no hinting
    fb.font["gasp"] = gasp
    fb.setupHead(unitsPerEm=UNITS_PER_EM, created=TIMESTAMP, modified=TIMESTAMP,
                 fontRevision=float(VERSION))
    fb.font["head"].created = TIMESTAMP
    fb.font["head"].modified = TIMESTAMP
    fb.font.recalcTimestamp = False
    os.makedirs(os.path.dirname(output), exist_ok=True)
    fb.save(output)
    return output


def render_sheet(font_path, out_png, size):
    """All pictures at size points and 150 dpi, with the character before each, to look at."""
    from PIL import Image, ImageDraw, ImageFont

    px = round(size * 150 / 72)
    font = ImageFont.truetype(font_path, px)
    label = ImageFont.load_default()
    chars = [c for c, _, _ in PICTURES]
    cols = 10
    cell_w, cell_h = px + 30, px + 22
    rows = (len(chars) + cols - 1) // cols
    img = Image.new("L", (cols * cell_w + 20, rows * cell_h + 20), 255)
    draw = ImageDraw.Draw(img)
    for k, c in enumerate(chars):
        x, y = 10 + (k % cols) * cell_w, 10 + (k // cols) * cell_h
        draw.text((x, y), c, font=label, fill=0)
        draw.text((x + 12, y + 8), c, font=font, fill=0)
    img.save(out_png)


def main():
    parser = argparse.ArgumentParser(description="Build the picture font ANLAUT from assets/anlaut/*.svg")
    parser.add_argument("--output", default=OUTPUT)
    parser.add_argument("--sheet", help="also render all pictures to this PNG (needs python3-pil)")
    parser.add_argument("--size", type=float, default=18, help="point size for --sheet (150 dpi)")
    args = parser.parse_args()
    path = build(args.output)
    print("wrote", os.path.relpath(path))
    if args.sheet:
        render_sheet(path, args.sheet, args.size)
        print("wrote", args.sheet)


if __name__ == "__main__":
    main()
