# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Writes the module's pictures as small SVG files, one per resource number.

Run it from anywhere with /usr/bin/python3; it rewrites resources/bitmaps,
resources/icons and resources/resources.qrc next to this folder. The pictures follow the Russian drafting
convention of construction drawings: thick main lines for the symbol itself,
thin lines for leaders, contours and axes, filled arrowheads, letters beside
the arrows. Only SVG Tiny features are used so that QSvgRenderer draws them
exactly.
"""
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent

INK = "#000000"
GREY_INK = "#a0a0a0"
FACE = "#f0f0f0"
PUSHED_FACE = "#d6e2ee"
LIGHT = "#ffffff"
SHADOW = "#808080"
ACCENT = "#1f5fa8"
FONT = 'font-family="DejaVu Sans"'

THICK = 2.0      # main line of a symbol on a small picture
THIN = 1.0       # leaders, contours, axes


def num(v):
    """Prints a coordinate without trailing zeros."""
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def pts(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


def line(x1, y1, x2, y2, w=THIN, ink=INK, dash=None, cap="butt"):
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line x1="{num(x1)}" y1="{num(y1)}" x2="{num(x2)}" y2="{num(y2)}" stroke="{ink}" '
            f'stroke-width="{num(w)}" stroke-linecap="{cap}"{extra}/>')


def polyline(points, w=THIN, ink=INK, dash=None, join="miter"):
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<polyline points="{pts(points)}" fill="none" stroke="{ink}" stroke-width="{num(w)}" '
            f'stroke-linejoin="{join}"{extra}/>')


def polygon(points, fill=INK, stroke="none", w=THIN):
    return f'<polygon points="{pts(points)}" fill="{fill}" stroke="{stroke}" stroke-width="{num(w)}"/>'


def rect(x, y, w, h, fill="none", stroke=INK, sw=THIN, dash=None):
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="{num(sw)}"{extra}/>')


def circle(cx, cy, r, fill="none", stroke=INK, sw=THIN):
    return (f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{num(sw)}"/>')


def path(d, w=THIN, ink=INK, fill="none", dash=None):
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    return f'<path d="{d}" fill="{fill}" stroke="{ink}" stroke-width="{num(w)}"{extra}/>'


def text(x, y, s, size, ink=INK, anchor="middle", bold=False):
    weight = ' font-weight="bold"' if bold else ""
    return (f'<text x="{num(x)}" y="{num(y)}" {FONT} font-size="{num(size)}" fill="{ink}" '
            f'text-anchor="{anchor}"{weight}>{s}</text>')


def arrowhead(tip, frm, length, width, ink=INK):
    """A filled arrowhead at tip, pointing away from frm."""
    dx, dy = tip[0] - frm[0], tip[1] - frm[1]
    d = math.hypot(dx, dy)
    ux, uy = dx / d, dy / d
    bx, by = tip[0] - ux * length, tip[1] - uy * length
    half = width / 2
    return polygon([tip, (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)], fill=ink)


def arrow(frm, tip, length=5, width=3, w=THIN, ink=INK):
    """A thin line with a filled arrowhead; the shaft stops inside the head."""
    dx, dy = tip[0] - frm[0], tip[1] - frm[1]
    d = math.hypot(dx, dy)
    end = (tip[0] - dx / d * (length - 0.5), tip[1] - dy / d * (length - 0.5))
    return line(frm[0], frm[1], end[0], end[1], w, ink) + "\n" + arrowhead(tip, frm, length, width, ink)


def dimension(x1, x2, y, label, size=8, ink=INK, vertical=False):
    """A thin dimension line with 45-degree ticks and its value above it."""
    parts = []
    if vertical:
        parts.append(line(y, x1, y, x2, THIN * 0.8, ink))
        for v in (x1, x2):
            parts.append(line(y - 2.5, v + 2.5, y + 2.5, v - 2.5, THIN * 1.4, ink))
        parts.append(text(y - 3, (x1 + x2) / 2 + size / 3, label, size, ink, anchor="end"))
    else:
        parts.append(line(x1, y, x2, y, THIN * 0.8, ink))
        for v in (x1, x2):
            parts.append(line(v - 2.5, y + 2.5, v + 2.5, y - 2.5, THIN * 1.4, ink))
        parts.append(text((x1 + x2) / 2, y - 2.5, label, size, ink))
    return "\n".join(parts)


def svg(width, height, description, body):
    return ("<!-- SPDX-License-Identifier: MIT -->\n"
            "<!-- SPDX-FileCopyrightText: 2026 Tarvelo contributors -->\n"
            f"<!-- {description} -->\n"
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
            + "".join(f"  {element}\n" for element in body.split("\n") if element)
            + "</svg>\n")


PICTURES = {}  # (folder, number) -> file text


def put(folder, number, width, height, description, elements):
    key = (folder, number)
    assert key not in PICTURES, f"{folder}/{number} drawn twice"
    PICTURES[key] = svg(width, height, description, "\n".join(elements))


# ---------------------------------------------------------------------------
# Image buttons: one drawing, shown as a raised face (normal), a pushed face
# (the chosen type), a raised face with a focus frame, or greyed (disabled).

STATES = {
    "normal": "raised",
    "selected": "pushed, the chosen type",
    "focused": "raised with the focus frame",
    "disabled": "greyed, not available",
}


def button(width, height, state, drawing):
    ink = GREY_INK if state == "disabled" else INK
    pushed = state == "selected"
    body = [rect(0, 0, width, height, fill=PUSHED_FACE if pushed else FACE, stroke="none")]
    top_left, bottom_right = (SHADOW, LIGHT) if pushed else (LIGHT, SHADOW)
    body.append(polyline([(0.5, height - 0.5), (0.5, 0.5), (width - 0.5, 0.5)], ink=top_left))
    body.append(polyline([(0.5, height - 0.5), (width - 0.5, height - 0.5), (width - 0.5, 0.5)],
                         ink=bottom_right))
    content = drawing(ink)
    if pushed:
        # A pushed button moves its picture down and right by one pixel.
        body.append('<g transform="translate(1,1)">')
        body.extend(content)
        body.append("</g>")
    else:
        body.extend(content)
    if state == "focused":
        body.append(rect(2.5, 2.5, width - 5, height - 5, stroke=INK, dash="1,1"))
    return body


def button_family(width, height, numbers, what, drawing):
    for state, number in numbers.items():
        if number:
            put("bitmaps", number, width, height, f"{what}; button face {STATES[state]}",
                button(width, height, state, drawing))


# ---------------------------------------------------------------------------
# Section and cut marks: open thick strokes at the ends of the cutting line,
# arrows at right angles to the strokes showing the direction of view, the
# designation letter beside each arrow on its outer side. A stepped cut adds
# corner strokes at its bends.

def section_straight(ink):
    y = 30
    return [
        rect(25, 16, 14, 20, stroke=ink, sw=0.7),
        line(10, y, 22, y, 3, ink),
        line(42, y, 54, y, 3, ink),
        arrow((13, y), (13, 9), 5, 4, THIN, ink),
        arrow((51, y), (51, 9), 5, 4, THIN, ink),
        text(6, 15, "А", 9, ink),
        text(58, 15, "А", 9, ink),
    ]


def section_stepped(ink):
    left, right, bend = 24, 34, 32
    return [
        line(10, left, 22, left, 3, ink),
        polyline([(26, left), (bend, left), (bend, left + 5)], 3, ink),
        polyline([(bend, right - 5), (bend, right), (bend + 6, right)], 3, ink),
        line(44, right, 56, right, 3, ink),
        arrow((13, left), (13, 5), 5, 4, THIN, ink),
        arrow((53, right), (53, 16), 5, 4, THIN, ink),
        text(6, 12, "А", 9, ink),
        text(58, 22, "А", 9, ink),
    ]


button_family(64, 40, {"normal": 12037, "selected": 12036, "focused": 12038, "disabled": 12110},
              "Straight cutting line of a section: end strokes, arrows of view, letters", section_straight)
button_family(64, 40, {"normal": 12034, "selected": 12033, "focused": 12035, "disabled": 12109},
              "Stepped cutting line of a section: end strokes, corner strokes at the bend, arrows, letters",
              section_stepped)


# ---------------------------------------------------------------------------
# Break lines: a cut-off ends a drawn part at one break line, a break leaves
# out the middle of a part between two. The straight kind is a thin line with
# one zigzag kink that runs a little past the contour; the curved kind is a
# thin wavy line inside the contour.

TOP, BOTTOM = 10, 22


def zigzag(x, ink):
    mid = (TOP + BOTTOM) / 2
    return polyline([(x, TOP - 5), (x, mid - 3), (x - 3, mid - 1), (x + 3, mid + 1), (x, mid + 3),
                     (x, BOTTOM + 5)], THIN, ink)


def wave(x, ink):
    return path(f"M {num(x)} {TOP} C {num(x - 5)} {TOP + 3} {num(x + 5)} {BOTTOM - 3} {num(x)} {BOTTOM}",
                THIN, ink)


def part(x1, x2, ink):
    return [line(x1, TOP, x2, TOP, THICK, ink), line(x1, BOTTOM, x2, BOTTOM, THICK, ink),
            line(x1, TOP - 1, x1, BOTTOM + 1, THICK, ink)]


def part_right(x1, x2, ink):
    return [line(x1, TOP, x2, TOP, THICK, ink), line(x1, BOTTOM, x2, BOTTOM, THICK, ink),
            line(x2, TOP - 1, x2, BOTTOM + 1, THICK, ink)]


def break_drawing(kind, gap):
    mark = zigzag if kind == "straight" else wave

    def draw(ink):
        if gap:
            return part(6, 20, ink) + part_right(28, 42, ink) + [mark(20, ink), mark(28, ink)]
        return part(8, 34, ink) + [mark(34, ink)]
    return draw


button_family(48, 32, {"normal": 12017, "selected": 12018, "focused": 12016},
              "Straight cut-off: a part ending at a thin line with one zigzag kink",
              break_drawing("straight", False))
button_family(48, 32, {"normal": 12014, "selected": 12015, "focused": 12013},
              "Straight break: a part interrupted between two thin lines with zigzag kinks",
              break_drawing("straight", True))
button_family(48, 32, {"normal": 12011, "selected": 12012, "focused": 12010},
              "Curved cut-off: a part ending at a thin wavy line", break_drawing("curved", False))
button_family(48, 32, {"normal": 12008, "selected": 12009, "focused": 12007},
              "Curved break: a part interrupted between two thin wavy lines", break_drawing("curved", True))


# ---------------------------------------------------------------------------
# Level marks. On elevations and sections: an arrow of two 45-degree main
# strokes with its tip on the level line, a leader up to a shelf and the value
# above the shelf. On plans: the value in a rectangular frame.

def level_sign(tip_x, tip_y, arm, shelf_y, shelf_to, ink=INK, w=1.5):
    return [
        polyline([(tip_x - arm, tip_y - arm), (tip_x, tip_y), (tip_x + arm, tip_y - arm)], w, ink),
        line(tip_x, tip_y, tip_x, shelf_y, THIN, ink),
        line(tip_x, shelf_y, shelf_to, shelf_y, THIN, ink),
    ]


def text_strokes(x1, x2, y, ink=INK):
    """Stands for a short text on a 16-pixel picture, where letters cannot be read."""
    return line(x1, y, x2, y, 1.6, ink)


put("bitmaps", 12047, 16, 16, "Level mark: 45-degree arrow on the level line, leader, shelf and value",
    [line(0, 14.5, 12, 14.5, 0.8)] + level_sign(5, 14.5, 4, 5.5, 15.5, w=1.3)
    + [text_strokes(7, 14.5, 3)])
put("bitmaps", 12048, 16, 16, "Level mark on a plan: the value in a frame, set in the corner of a room",
    [polyline([(0.5, 2), (0.5, 15.5), (15, 15.5)], 1.5, INK),
     rect(3.5, 4.5, 11, 6.5, fill="#ffffff", sw=THIN), text_strokes(5.5, 12.5, 7.75)])
put("bitmaps", 12053, 16, 16, "Plan level mark without extension lines: the value in a frame",
    [rect(1.5, 4.5, 13, 7, fill="#ffffff", sw=THIN), text_strokes(3.5, 12.5, 8)])
put("bitmaps", 12052, 16, 16, "Plan level mark with an extension line from the framed value to the point",
    [rect(6.5, 1.5, 9, 6, fill="#ffffff", sw=THIN), text_strokes(8.5, 13.5, 4.5),
     polyline([(6.5, 4.5), (3, 4.5), (3, 13)], THIN), circle(3, 13, 1.6, fill=INK, stroke="none"),
     line(0, 14.5, 9, 14.5, THIN)])


def attach_drawing(on):
    # The mark takes its level from a snapped point: a dashed projection line
    # runs from the point's snap marker to the arrow's tip.
    def draw(ink):
        active = on and ink == INK
        marker = ACCENT if ink == INK else ink
        return [line(6, 18.5, 11, 18.5, THIN, ACCENT if active else ink, dash="1.5,1.5")] + \
            level_sign(15, 18.5, 4, 6.5, 22, ink, 1.6) + [
            text_strokes(17, 21.5, 4, ink),
            rect(2, 16.5, 4, 4, fill=marker if active else "none", stroke=marker, sw=1.2),
        ]
    return draw


button_family(24, 24, {"normal": 12046, "selected": 12045, "focused": 12044, "disabled": 12098},
              "Attach the level mark to a point of the drawing, off", attach_drawing(False))
put("bitmaps", 12121, 24, 24, "Attach the level mark to a point of the drawing, on; button face pushed",
    button(24, 24, "selected", attach_drawing(True)))


# ---------------------------------------------------------------------------
# Leader types and end marks (16 x 16 list images, transparent).

def dot(x, y, r=1.4):
    return circle(x, y, r, fill=INK, stroke="none")


put("bitmaps", 12031, 16, 16, "Position leader: leader from the object to a shelf, texts above and below the shelf",
    [dot(2.5, 14), line(2.5, 14, 7.5, 7.5), line(7.5, 7.5, 15.5, 7.5),
     text_strokes(9, 14, 4.5), text_strokes(9, 13, 10.5)])
put("bitmaps", 12025, 16, 16, "Comb leader: one shelf and a comb whose teeth point at several objects",
    [line(7.5, 3, 15.5, 3), text_strokes(9, 14, 1), line(7.5, 3, 7.5, 9), line(1.5, 9, 14.5, 9)]
    + [line(x, 9, x, 13) for x in (1.5, 5.8, 10.2, 14.5)] + [dot(x, 13.8, 1.2) for x in (1.5, 5.8, 10.2, 14.5)])
put("bitmaps", 12030, 16, 16, "Leader for multilayer constructions: one line through the layers, a shelf per layer",
    [line(0, 11, 10, 11, 0.8), line(0, 13.5, 10, 13.5, 0.8), dot(4.5, 15),
     line(4.5, 15, 4.5, 2.5)]
    + [line(4.5, y, 15.5, y) for y in (2.5, 5.5, 8.5)] + [text_strokes(7, 13, y - 1.6) for y in (5.5, 8.5)])
put("bitmaps", 12027, 16, 16, "Leader ending at a circle with the position number",
    [dot(2, 14), line(2, 14, 7.6, 8.4), circle(10.5, 5.5, 4.2), text_strokes(8.7, 12.3, 5.5)])
put("bitmaps", 12032, 16, 16, "Leader ending at a framed note",
    [dot(2, 14), line(2, 14, 6.5, 9.5), rect(6.5, 2.5, 9, 7), text_strokes(8.5, 13.5, 6)])
put("bitmaps", 12028, 16, 16, "Note on a shelf with no leader line: texts above and below the shelf",
    [line(1, 8, 15, 8), text_strokes(2.5, 13.5, 5), text_strokes(2.5, 11, 11)])
put("bitmaps", 12023, 16, 16, "Fan leader: several leader lines from one shelf end to the objects",
    [line(9.5, 3, 15.5, 3), text_strokes(11, 15, 1)]
    + [line(9.5, 3, x, 14) for x in (1.5, 6, 11)] + [dot(x, 14, 1.2) for x in (1.5, 6, 11)])

END_Y = 8


def ending(mark):
    return [line(15.5, END_Y, 2.5, END_Y)] + mark


put("bitmaps", 12022, 16, 16, "Leader end mark: plain line, no mark", ending([line(1, END_Y, 3, END_Y)]))
put("bitmaps", 12026, 16, 16, "Leader end mark: open arrow",
    ending([polyline([(8, 5), (1.5, END_Y), (8, 11)], 1.2)]))
put("bitmaps", 12020, 16, 16, "Leader end mark: closed filled arrow",
    ending([polygon([(1, END_Y), (8, 5), (8, 11)])]))
put("bitmaps", 12021, 16, 16, "Leader end mark: half arrow on one side of the line",
    ending([polygon([(1, END_Y + 0.5), (8, 4.5), (8, END_Y + 0.5)])]))
put("bitmaps", 12019, 16, 16, "Leader end mark: dot", ending([circle(3.5, END_Y, 2.3, fill=INK, stroke="none")]))
put("bitmaps", 12024, 16, 16, "Leader end mark: tick, a short thick stroke at 45 degrees",
    ending([line(0.8, 12, 6.2, 4, 2.2)]))


# ---------------------------------------------------------------------------
# Axis arrays: thin dash-dot axes with their marks in circles; digits run left
# to right along the bottom, letters bottom to top along the left side.

AXIS_DASH = "9,2,1.5,2"


def mark(cx, cy, label, r=6.5):
    return [circle(cx, cy, r, fill="#ffffff"), text(cx, cy + 3, label, 8)]


def axes_orthogonal():
    body = [rect(0, 0, 120, 90, fill="#ffffff", stroke="none")]
    xs, ys = (40, 70, 100), (64, 42, 20)
    for x in xs:
        body.append(line(x, 10, x, 72, THIN, dash=AXIS_DASH))
    for y in ys:
        body.append(line(16, y, 110, y, THIN, dash=AXIS_DASH))
    for x, label in zip(xs, "123"):
        body += mark(x, 80, label)
    for y, label in zip(ys, "АБВ"):
        body += mark(9, y, label)
    body += [rect(37, 39, 6, 6, fill=INK, stroke="none"), rect(67, 39, 6, 6, fill=INK, stroke="none"),
             rect(37, 61, 6, 6, fill=INK, stroke="none"), rect(67, 61, 6, 6, fill=INK, stroke="none"),
             rect(97, 61, 6, 6, fill=INK, stroke="none"), rect(97, 39, 6, 6, fill=INK, stroke="none")]
    return body


def quarter_arc(cx, cy, r):
    """A quarter circle from the right to the top as one cubic curve (SVG Tiny has no arcs)."""
    k = 0.5523 * r
    return (f"M {num(cx + r)} {num(cy)} C {num(cx + r)} {num(cy - k)} {num(cx + k)} {num(cy - r)} "
            f"{num(cx)} {num(cy - r)}")


def axes_polar():
    cx, cy = 20, 72
    body = [rect(0, 0, 120, 90, fill="#ffffff", stroke="none")]
    radii = (26, 46)
    angles = (0, 30, 60, 90)
    for a, label in zip(angles, "1234"):
        r = math.radians(a)
        ex, ey = cx + 56 * math.cos(r), cy - 56 * math.sin(r)
        body.append(line(cx, cy, ex, ey, THIN, dash=AXIS_DASH))
        mx, my = cx + 63 * math.cos(r), cy - 63 * math.sin(r)
        body += mark(mx, my, label, 6)
    for radius, label in zip(radii, "АБ"):
        body.append(path(quarter_arc(cx, cy, radius), THIN, dash=AXIS_DASH))
        body += mark(cx + radius, cy + 10, label, 5.5)
    body.append(circle(cx, cy, 1.5, fill=INK, stroke="none"))
    return body


put("bitmaps", 12062, 120, 90, "Orthogonal axis array: lettered and numbered grid axes with columns at the crossings",
    axes_orthogonal())
put("bitmaps", 12061, 120, 90, "Polar axis array: radial numbered axes and circular lettered axes", axes_polar())


# ---------------------------------------------------------------------------
# Boundary hatch types (36 x 18 buttons).

def hatch_boundary(ink):
    # A closed contour hatched along its inner edge.
    body = [rect(6.5, 4.5, 23, 9, stroke=ink, sw=1.5)]
    for x in range(8, 26, 3):
        body.append(line(x, 7.5, x + 2.5, 5, 0.8, ink))
        body.append(line(x, 13, x + 2.5, 10.5, 0.8, ink))
    return body


def hatch_linear(ink):
    # An open line hatched along one side.
    body = [line(5, 6.5, 31, 6.5, 1.5, ink)]
    for x in range(6, 28, 3):
        body.append(line(x, 11.5, x + 4, 7, 0.8, ink))
    return body


def hatch_ground(ink):
    # The ground surface: a main line with groups of three slanted strokes below.
    body = [line(5, 6.5, 31, 6.5, 1.5, ink)]
    for start in (6, 15, 24):
        for i in range(3):
            x = start + i * 2
            body.append(line(x, 11.5, x + 4, 7, 0.8, ink))
    return body


def hatch_waterproof(ink):
    # A contour with a waterproofing layer: a black band along its outer side.
    return [polyline([(9, 4), (9, 11), (31, 11)], 1, ink),
            polygon([(5, 4), (7.5, 4), (7.5, 12.5), (31, 12.5), (31, 14.5), (5, 14.5)], fill=ink)]


def hatch_thermal(ink):
    # A contour with a thermal insulation layer: a zigzag between two thin lines.
    zig = [(5, 11)]
    for i, x in enumerate(range(7, 32, 3)):
        zig.append((x, 5 if i % 2 == 0 else 11))
    return [line(5, 4.5, 31, 4.5, 0.8, ink), line(5, 11.5, 31, 11.5, 0.8, ink), polyline(zig, 0.8, ink),
            line(5, 13.5, 31, 13.5, 1.5, ink)]


button_family(36, 18, {"normal": 12064, "selected": 12063, "focused": 12065},
              "Boundary hatch: a closed contour hatched along its inner edge", hatch_boundary)
button_family(36, 18, {"normal": 12070, "selected": 12069, "focused": 12071},
              "Linear hatch: a line hatched along one side", hatch_linear)
button_family(36, 18, {"normal": 12067, "selected": 12066, "focused": 12068},
              "Ground boundary: the ground line with groups of slanted strokes", hatch_ground)
button_family(36, 18, {"normal": 12076, "selected": 12075, "focused": 12077},
              "Contour with waterproofing: a black layer along the contour", hatch_waterproof)
button_family(36, 18, {"normal": 12073, "selected": 12072, "focused": 12074},
              "Contour with thermal insulation: a zigzag layer along the contour", hatch_thermal)


# ---------------------------------------------------------------------------
# Weld seams. The seam line is a main line, solid for a visible seam and
# dashed for a hidden one; an intermittent seam runs in separate lengths.
# Factory seams carry short strokes, site seams small crosses: across the
# joint for butt seams, on one side of the edge for corner seams.

SEAM_Y = 30


def weld_picture(corner, site, hidden, intermittent):
    body = [rect(0, 0, 120, 60, fill="#ffffff", stroke="none")]
    # Plate contours leave the joint open: the seam is drawn there instead.
    if corner:
        body += [polyline([(24, SEAM_Y), (8, SEAM_Y), (8, 50), (112, 50), (112, SEAM_Y), (96, SEAM_Y)], 0.8),
                 polyline([(24, SEAM_Y), (24, 12), (96, 12), (96, SEAM_Y)], 0.8)]
        x1, x2 = 24, 96
    else:
        body += [polyline([(8, SEAM_Y), (8, 10), (112, 10), (112, SEAM_Y)], 0.8),
                 polyline([(8, SEAM_Y), (8, 50), (112, 50), (112, SEAM_Y)], 0.8)]
        x1, x2 = 8, 112
    runs = [(x1, x2)]
    if intermittent:
        step = (x2 - x1) / 5
        runs = [(x1 + step * k, x1 + step * (k + 1)) for k in (0, 2, 4)]
        for (_, gap_from), (gap_to, _) in zip(runs, runs[1:]):
            body.append(line(gap_from, SEAM_Y, gap_to, SEAM_Y, 0.8))
    seam_w, mark_w = (1.6, 1.0) if hidden else (2.5, 1.6)
    pitch = 10 if site else 7
    for a, b in runs:
        count = max(2, int((b - a) // pitch))
        spacing = (b - a) / count
        marks = [a + spacing * (k + 0.5) for k in range(count)]
        if hidden:
            # The strokes stand in the gaps of the dashed line: a stroke across
            # a dash would draw the plus sign of a spot weld.
            gap = spacing * 0.45
            ends = [a] + [edge for x in marks for edge in (x - gap / 2, x + gap / 2)] + [b]
            for start, end in zip(ends[::2], ends[1::2]):
                body.append(line(start, SEAM_Y, end, SEAM_Y, seam_w))
        else:
            body.append(line(a, SEAM_Y, b, SEAM_Y, seam_w))
        for x in marks:
            y0, y1 = (SEAM_Y, SEAM_Y + 7) if corner else (SEAM_Y - 5, SEAM_Y + 5)
            if site:
                mid = (y0 + y1) / 2
                body += [line(x - 2.5, mid - 2.5, x + 2.5, mid + 2.5, mark_w),
                         line(x - 2.5, mid + 2.5, x + 2.5, mid - 2.5, mark_w)]
            else:
                body.append(line(x, y0, x, y1, mark_w))
    return body


WELD_GROUPS = [(False, False, "Corner factory"), (True, False, "Butt factory"),
               (False, True, "Corner site"), (True, True, "Butt site")]
WELD_KINDS = [(False, False, "continuous visible"), (True, False, "continuous hidden"),
              (False, True, "intermittent visible"), (True, True, "intermittent hidden")]

number = 12080
for butt, site, group_name in WELD_GROUPS:
    for hidden, intermittent, kind_name in WELD_KINDS:
        put("bitmaps", number, 120, 60, f"{group_name} weld seam, {kind_name}",
            weld_picture(not butt, site, hidden, intermittent))
        number += 1

put("bitmaps", 12096, 120, 60, "Weld seam of no listed kind: a joint with a half-arrow leader and an empty shelf",
    [rect(0, 0, 120, 60, fill="#ffffff", stroke="none"), rect(8, 10, 60, 20, sw=0.8),
     rect(8, SEAM_Y, 60, 20, sw=0.8), line(8, SEAM_Y, 68, SEAM_Y, 2.5),
     line(48, SEAM_Y, 82, 14), polygon([(48, SEAM_Y), (52, 24), (55, 26.5)]), line(82, 14, 112, 14)])


# ---------------------------------------------------------------------------
# Scheme pictures of the object properties dialog, one per symbol family:
# the symbol drawn as on a sheet with its sizes marked.

def scheme(number, what, elements):
    put("bitmaps", number, 160, 120, f"Scheme of the {what}",
        [rect(0, 0, 160, 120, fill="#ffffff", stroke="none")] + elements)


scheme(12111, "section and cut mark: strokes, arrows of view and letters, stroke length marked", [
    rect(62, 34, 36, 50, sw=0.8),
    line(22, 62, 50, 62, 4), line(110, 62, 138, 62, 4),
    arrow((28, 62), (28, 26), 9, 6), arrow((132, 62), (132, 26), 9, 6),
    text(16, 34, "А", 14), text(145, 34, "А", 14),
    dimension(22, 50, 82, "L"),
    dimension(62, 26, 46, "a", vertical=True),
])
scheme(12112, "break line: a part cut off at a thin line with a zigzag kink", [
    line(14, 42, 92, 42, 3), line(14, 78, 92, 78, 3), line(14, 40.5, 14, 79.5, 3),
    polyline([(92, 24), (92, 52), (84, 56), (100, 64), (92, 68), (92, 96)], 1.2),
    dimension(84, 100, 108, "b"),
    dimension(52, 68, 124, "h", vertical=True),
])
scheme(12113, "level mark: arrow on the level line, leader, shelf and value", [
    line(14, 88, 104, 88, 1), line(14, 88.5, 60, 88.5, 0.6),
    polyline([(50, 78), (60, 88), (70, 78)], 2.5), line(60, 88, 60, 44), line(60, 44, 138, 44),
    text(62, 39, "+3,000", 15, anchor="start"),
    dimension(78, 88, 30, "a", vertical=True),
])
scheme(12114, "leader: leader from the object to a shelf with texts above and below", [
    rect(14, 76, 50, 30, sw=0.8), dot(36, 92, 2.5),
    line(36, 92, 76, 50), line(76, 50, 146, 50),
    text(111, 44, "1", 15), text(111, 66, "2", 15),
])
scheme(12115, "node designation: the node circled on the view, leader and shelf with the node number", [
    polyline([(14, 100), (14, 40), (100, 40)], 3), polyline([(26, 100), (26, 52), (100, 52)], 3),
    circle(24, 48, 20), line(38, 34, 64, 18), line(64, 18, 120, 18),
    text(92, 14, "1", 13),
    circle(126, 84, 16), text(126, 90, "1", 16),
])
scheme(12116, "boundary hatch: a contour hatched along its edge, band width marked", [
    polygon([(20, 24), (140, 24), (140, 96), (20, 96)], fill="none", stroke=INK, w=2.5)]
    + [line(x, 34, x + 10, 24, 0.8) for x in range(22, 131, 8)]
    + [line(x, 96, x + 10, 86, 0.8) for x in range(22, 131, 8)]
    + [dimension(24, 34, 152, "b", vertical=True)])
scheme(12117, "weld seam: a seam between two plates with a half-arrow leader and the seam size on the shelf", [
    rect(10, 56, 70, 24, sw=0.8), rect(10, 80, 70, 24, sw=0.8), line(10, 80, 80, 80, 3)]
    + [line(x, 75, x, 85, 1.6) for x in range(15, 80, 8)]
    + [line(56, 80, 96, 40), polygon([(56, 80), (61, 72), (65, 75.5)]), line(96, 40, 150, 40),
       polygon([(104, 35), (104, 26), (113, 35)], fill="none", stroke=INK, w=1.2), text(116, 35, "6", 13,
                                                                                   anchor="start")])
scheme(12118, "any other symbol: the insertion point with the X and Y axes", [
    rect(30, 16, 110, 74, sw=0.8, dash="5,3"),
    arrow((30, 90), (96, 90), 9, 6, 1.4), arrow((30, 90), (30, 34), 9, 6, 1.4),
    rect(26, 86, 8, 8, sw=1.2), text(100, 108, "X", 13), text(18, 40, "Y", 13),
])


# ---------------------------------------------------------------------------
# Icons (32 x 32).

put("icons", 12039, 32, 32, "Object properties: a sheet of named values in two columns", [
    rect(4.5, 2.5, 23, 27, fill="#ffffff", stroke="#404040"),
    rect(5, 3, 22, 5, fill=ACCENT, stroke="none"),
] + [e for y in (12, 17, 22) for e in (line(8, y, 14, y, 2, "#606060"), rect(16.5, y - 2.5, 8, 5, fill="#ffffff",
                                                                               stroke=ACCENT))]
    + [line(16, 10, 16, 27, 1, "#a0a0a0")])


def gear(cx, cy, outer, inner, teeth):
    points = []
    for k in range(teeth * 4):
        a = 2 * math.pi * k / (teeth * 4)
        r = outer if k % 4 in (1, 2) else inner
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


put("icons", 12040, 32, 32, "Settings: a gear wheel", [
    polygon(gear(16, 16, 14, 10.5, 8), fill="#5a6470", stroke="#303840", w=1),
    circle(16, 16, 4.5, fill="#ffffff", stroke="#303840", sw=1),
])
put("icons", 12108, 32, 32, "Keep the settings: a floppy disk", [
    polygon([(4, 4), (24, 4), (28, 8), (28, 28), (4, 28)], fill=ACCENT, stroke="#1a3e6e", w=1),
    rect(9, 4.5, 13, 8, fill="#e8eef5", stroke="none"), rect(17, 6, 3, 5, fill=ACCENT, stroke="none"),
    rect(8, 17, 16, 10, fill="#ffffff", stroke="none"),
    line(10, 20.5, 22, 20.5, 1, "#909090"), line(10, 23.5, 22, 23.5, 1, "#909090"),
])


def qrc():
    lines = ["<!-- SPDX-License-Identifier: MIT -->",
             "<!-- SPDX-FileCopyrightText: 2026 Tarvelo contributors -->",
             "<!-- Written by tools/make_pictures.py: every picture under its resource type. -->",
             "<!DOCTYPE RCC>", '<RCC version="1.0">']
    for folder in ("bitmaps", "icons"):
        lines.append(f'  <qresource prefix="/{folder}">')
        for (kind, number) in sorted(PICTURES):
            if kind == folder:
                lines.append(f'    <file alias="{number}.svg">{folder}/{number}.svg</file>')
        lines.append("  </qresource>")
    lines.append("</RCC>")
    return "\n".join(lines) + "\n"


def main():
    for folder in ("bitmaps", "icons"):
        directory = ROOT / folder
        directory.mkdir(exist_ok=True)
        for old in directory.glob("*.svg"):
            old.unlink()
    for (folder, number), content in sorted(PICTURES.items()):
        (ROOT / folder / f"{number}.svg").write_text(content, encoding="utf-8")
    (ROOT / "resources.qrc").write_text(qrc(), encoding="utf-8")
    print(f"wrote {len(PICTURES)} pictures under {ROOT}")


if __name__ == "__main__":
    main()
