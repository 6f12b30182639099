#!/usr/bin/env python3
"""Draws the ten schematics of the model problems as SVG files in this folder.

    python3 resources/pictures/make_pictures.py

Vertical cuts show the flow from left to right over an erodible bed, the structure, the water
level and the equilibrium scour hole; plan views show the river between its banks. Every
quantity is labelled with the symbol the formulae use (h with subscript o: the water depth,
y with subscript m: the maximum scour depth below the original bed, and so on).

The drawings use only what an SVG Tiny 1.2 renderer draws (no markers, patterns or clipping):
arrowheads and hatching are drawn out as plain shapes.
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

WATER = "#d4e9f7"
WATER_EDGE = "#2f6fa8"
SAND = "#ead7a8"
SAND_EDGE = "#8b6b3a"
CONCRETE = "#bdbdbd"
CONCRETE_EDGE = "#404040"
STONE = "#8f8f8f"
LAND = "#cfe0b4"
LAND_EDGE = "#6b7f45"
HOLE = "#b3d3ee"
INK = "#1a1a1a"
FLOW = "#2f6fa8"


class Drawing:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.items = []

    def add(self, text):
        self.items.append(text)

    def svg(self):
        head = (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" '
            f'viewBox="0 0 {self.width} {self.height}">\n'
            f'<rect x="0" y="0" width="{self.width}" height="{self.height}" fill="#ffffff"/>\n'
        )
        return head + "\n".join(self.items) + "\n</svg>\n"

    # Plain shapes -------------------------------------------------------------------------
    def polygon(self, points, fill, stroke="none", width=0.0):
        pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
        self.add(f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" '
                 f'stroke-width="{width}" stroke-linejoin="round"/>')

    def polyline(self, points, stroke, width=1.5, dash=None):
        pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<polyline points="{pts}" fill="none" stroke="{stroke}" '
                 f'stroke-width="{width}" stroke-linejoin="round"{dash_attr}/>')

    def line(self, x1, y1, x2, y2, stroke=INK, width=1.0, dash=None):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" '
                 f'stroke="{stroke}" stroke-width="{width}"{dash_attr}/>')

    def rect(self, x, y, w, h, fill, stroke="none", width=0.0):
        self.add(f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" '
                 f'fill="{fill}" stroke="{stroke}" stroke-width="{width}"/>')

    def circle(self, cx, cy, r, fill, stroke="none", width=0.0):
        self.add(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}" '
                 f'stroke="{stroke}" stroke-width="{width}"/>')

    def ellipse(self, cx, cy, rx, ry, fill, stroke="none", width=0.0, dash=None):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" '
                 f'fill="{fill}" stroke="{stroke}" stroke-width="{width}"{dash_attr}/>')

    def path(self, d, fill="none", stroke=INK, width=1.5, dash=None):
        dash_attr = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}" '
                 f'stroke-linejoin="round"{dash_attr}/>')

    # Engineering symbols --------------------------------------------------------------------
    def hatch_rect(self, x, y, w, h, spacing=9.0, stroke=CONCRETE_EDGE):
        """Concrete hatching: 45-degree strokes clipped to the rectangle."""
        k = -h
        while k < w:
            # The stroke x - x0 = (y0 + h - y) + k, clipped to the rectangle.
            x_start, y_start = x + k, y + h
            if x_start < x:
                y_start -= x - x_start
                x_start = x
            x_end, y_end = x + k + h, y
            if x_end > x + w:
                y_end += x_end - (x + w)
                x_end = x + w
            if y_start > y_end:
                self.line(x_start, y_start, x_end, y_end, stroke, 0.8)
            k += spacing

    def stones(self, x, y, w, h, radius=3.2):
        """A riprap layer: a band of stones."""
        self.rect(x, y, w, h, STONE, CONCRETE_EDGE, 1.2)
        row = 0
        yy = y + radius + 1
        while yy + radius < y + h:
            xx = x + radius + 1 + (radius if row % 2 else 0)
            while xx < x + w - radius:
                self.circle(xx, yy, radius, "#a9a9a9", "#5a5a5a", 0.7)
                xx += 2.2 * radius
            yy += 1.9 * radius
            row += 1

    def soil_marks(self, x1, x2, y, spacing=14.0):
        """Short slanted strokes under a horizontal bed line, the usual mark of natural soil."""
        xx = x1 + 4
        while xx < x2 - 8:
            self.line(xx, y + 2, xx + 7, y + 9, SAND_EDGE, 0.9)
            xx += spacing

    def water_level(self, x, y):
        """The free-surface mark: an inverted triangle standing on the surface, two dashes below."""
        self.polygon([(x - 7, y - 11), (x + 7, y - 11), (x, y - 1)], "#ffffff", WATER_EDGE, 1.3)
        self.line(x - 6, y + 4, x + 6, y + 4, WATER_EDGE, 1.3)
        self.line(x - 3, y + 8, x + 3, y + 8, WATER_EDGE, 1.3)

    def arrowhead(self, x, y, angle, size=9.0, fill=INK):
        """A filled arrowhead with its tip at (x, y), pointing along `angle` (radians)."""
        back = size
        half = size * 0.38
        bx, by = x - back * math.cos(angle), y - back * math.sin(angle)
        nx, ny = -math.sin(angle), math.cos(angle)
        self.polygon([(x, y), (bx + half * nx, by + half * ny), (bx - half * nx, by - half * ny)],
                     fill)

    def flow_arrow(self, x1, y, x2):
        self.line(x1, y, x2 - 12, y, FLOW, 3.0)
        self.arrowhead(x2, y, 0.0, 16.0, FLOW)

    def symbol(self, x, y, letter, sub=None, anchor="middle", size=22):
        """A quantity's symbol in italics, with its subscript in a smaller upright face.

        (x, y) is the baseline point of the whole label; `anchor` aligns it like SVG text.
        """
        sub_size = size * 0.66
        letter_w = size * 0.52
        sub_w = sub_size * 0.55 if sub else 0.0
        total = letter_w + sub_w
        if anchor == "middle":
            left = x - total / 2
        elif anchor == "end":
            left = x - total
        else:
            left = x
        self.add(f'<text x="{left:.1f}" y="{y:.1f}" font-family="serif" font-size="{size}" '
                 f'font-style="italic" fill="{INK}">{letter}</text>')
        if sub:
            self.add(f'<text x="{left + letter_w + 1:.1f}" y="{y + size * 0.28:.1f}" '
                     f'font-family="serif" font-size="{sub_size:.1f}" fill="{INK}">{sub}</text>')

    def dim_v(self, x, y1, y2, letter, sub=None, side="right", ext=None):
        """A vertical dimension line from y1 to y2 with arrowheads at both ends.

        `ext` lists (from_x, y) pairs: dashed extension lines from a drawn edge to the line.
        """
        for from_x, yy in ext or []:
            self.line(from_x, yy, x + (5 if from_x < x else -5), yy, INK, 0.8, "4,3")
        self.line(x, y1 + 8, x, y2 - 8, INK, 1.1)
        self.arrowhead(x, y1, -math.pi / 2)
        self.arrowhead(x, y2, math.pi / 2)
        mid = (y1 + y2) / 2 + 7
        if side == "right":
            self.symbol(x + 9, mid, letter, sub, "start")
        else:
            self.symbol(x - 9, mid, letter, sub, "end")

    def dim_v_outside(self, x, y1, y2, letter, sub=None, ext=None):
        """A vertical dimension too short for arrows inside: the arrows point in from outside."""
        for from_x, yy in ext or []:
            self.line(from_x, yy, x - 5, yy, INK, 0.8, "4,3")
        self.line(x, y1 - 26, x, y1 - 8, INK, 1.1)
        self.arrowhead(x, y1, math.pi / 2)
        self.line(x, y2 + 8, x, y2 + 26, INK, 1.1)
        self.arrowhead(x, y2, -math.pi / 2)
        self.symbol(x - 9, (y1 + y2) / 2 + 7, letter, sub, "end")

    def dim_h(self, x1, x2, y, letter, sub=None, side="above", ext=None):
        """A horizontal dimension line from x1 to x2; `ext` as for dim_v, with (x, from_y)."""
        for xx, from_y in ext or []:
            self.line(xx, from_y, xx, y + (5 if from_y < y else -5), INK, 0.8, "4,3")
        self.line(x1 + 8, y, x2 - 8, y, INK, 1.1)
        self.arrowhead(x1, y, math.pi)
        self.arrowhead(x2, y, 0.0)
        mid = (x1 + x2) / 2
        if side == "above":
            self.symbol(mid, y - 7, letter, sub)
        else:
            self.symbol(mid, y + 22, letter, sub)

    def vortex(self, cx, cy, r, clockwise=True):
        """A recirculating eddy: most of a circle with an arrowhead at its open end."""
        start, end = (200, 520) if clockwise else (-20, -340)
        pts = []
        steps = 40
        for i in range(steps + 1):
            a = math.radians(start + (end - start) * i / steps)
            rr = r * (0.75 + 0.25 * i / steps)
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        self.polyline(pts, FLOW, 1.6)
        (xa, ya), (xb, yb) = pts[-2], pts[-1]
        self.arrowhead(xb, yb, math.atan2(yb - ya, xb - xa), 9.0, FLOW)


# Vertical cuts -----------------------------------------------------------------------------------

def cubic(p0, p1, p2, p3, steps=24):
    """Points along a cubic Bezier curve, p0 excluded."""
    pts = []
    for i in range(1, steps + 1):
        t = i / steps
        u = 1 - t
        pts.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return pts


def smooth_drop(x0, y0, x1, y1):
    """A free surface easing from level y0 at x0 to level y1 at x1."""
    mid = (x0 + x1) / 2
    return [(x0, y0)] + cubic((x0, y0), (mid, y0), (mid, y1), (x1, y1))


def hole(x0, x_deep, x1, bed, bottom, start=None):
    """A scour hole in section from (x0, bed) — or from `start` when the hole begins lower, at
    the foot of a wall — down to (x_deep, bottom) and up to (x1, bed): a steep upstream face
    and a gentler downstream slope."""
    p0 = start or (x0, bed)
    pts = [p0]
    pts += cubic(p0, (p0[0] + 0.35 * (x_deep - p0[0]), bottom),
                 (x_deep - 0.25 * (x_deep - p0[0]), bottom), (x_deep, bottom))
    pts += cubic((x_deep, bottom), (x_deep + 0.45 * (x1 - x_deep), bottom),
                 (x1 - 0.35 * (x1 - x_deep), bed), (x1, bed))
    return pts


def water_body(d, surface):
    """Water from the free surface down to the bottom of the drawing; the bed is drawn over it."""
    d.polygon(surface + [(surface[-1][0], d.height), (surface[0][0], d.height)], WATER)
    d.polyline(surface, WATER_EDGE, 2.0)


def sediment(d, profile, soil=()):
    """The erodible bed below a profile (left to right), its edge line and soil marks on the
    flat stretches given as (x1, x2, y)."""
    d.polygon(profile + [(profile[-1][0], d.height), (profile[0][0], d.height)], SAND)
    d.polyline(profile, SAND_EDGE, 2.0)
    for x1, x2, y in soil:
        d.soil_marks(x1, x2, y)


def concrete(d, x, y, w, h, spacing=9.0):
    d.rect(x, y, w, h, CONCRETE, CONCRETE_EDGE, 1.6)
    d.hatch_rect(x, y, w, h, spacing)


def original_bed(d, x1, x2, y):
    d.line(x1, y, x2, y, SAND_EDGE, 1.0, "6,4")


def confined_vortex_step():
    """PCV behind a drop of the bottom: step D, a bed protection of length L, then the hole
    where the vortex is confined between the end of the protection and the bed."""
    d = Drawing(698, 336)
    surface_up, surface_down = 64, 74
    bed_up, bed = 170, 230
    x_step, x_end = 200, 430
    x_hole_end, x_deep, bottom = 620, 500, 300
    water_body(d, [(0, surface_up), (170, surface_up)] + smooth_drop(170, surface_up, 270,
                                                                    surface_down)[1:]
               + [(698, surface_down)])
    d.water_level(600, surface_down)
    sediment(d, [(0, bed_up), (x_step, bed_up), (x_step, bed + 12), (x_end, bed + 12)]
             + hole(x_end, x_deep, x_hole_end, bed, bottom, start=(x_end, bed + 12))
             + [(698, bed)], soil=[(0, x_step, bed_up), (x_hole_end, 698, bed)])
    original_bed(d, x_end, x_hole_end, bed)
    d.stones(x_step, bed, x_end - x_step, 12)
    d.vortex(x_end + 36, bed + 26, 18)
    d.flow_arrow(40, 115, 140)
    d.dim_v(178, bed_up, bed, "D", side="left", ext=[(x_step, bed)])
    d.dim_h(x_step, x_end, 200, "L", ext=[(x_step, bed), (x_end, bed)])
    d.dim_v(x_deep, bed, bottom, "y", "m", side="right")
    d.dim_v(660, surface_down, bed, "h", "o", side="left")
    return d


def confined_vortex_gate():
    """PCV downstream of a gate: opening b_u, a bed protection of length L, then the hole."""
    d = Drawing(698, 336)
    surface_up, surface_down = 36, 112
    bed = 230
    x_gate, gate_w, gate_bottom = 168, 16, 186
    x_end = 410
    x_hole_end, x_deep, bottom = 610, 490, 300
    jet = gate_bottom + 8
    downstream = ([(x_gate + gate_w, jet), (x_gate + gate_w + 30, jet)]
                  + smooth_drop(x_gate + gate_w + 30, jet, x_gate + gate_w + 150, surface_down)[1:]
                  + [(698, surface_down)])
    # Upstream pool against the gate, then the jet under it rising to the tailwater.
    d.polygon([(0, surface_up), (x_gate, surface_up), (x_gate, d.height), (0, d.height)], WATER)
    d.line(0, surface_up, x_gate, surface_up, WATER_EDGE, 2.0)
    d.polygon([(x_gate, gate_bottom), (x_gate + gate_w, gate_bottom)] + downstream
              + [(698, d.height), (x_gate, d.height)], WATER)
    d.polyline(downstream, WATER_EDGE, 2.0)
    d.water_level(80, surface_up)
    d.water_level(600, surface_down)
    sediment(d, [(0, bed), (x_gate, bed), (x_gate, bed + 12), (x_end, bed + 12)]
             + hole(x_end, x_deep, x_hole_end, bed, bottom, start=(x_end, bed + 12))
             + [(698, bed)], soil=[(0, x_gate, bed), (x_hole_end, 698, bed)])
    original_bed(d, x_end, x_hole_end, bed)
    d.stones(x_gate, bed, x_end - x_gate, 12)
    concrete(d, x_gate, 8, gate_w, gate_bottom - 8, 7)
    d.vortex(x_end + 36, bed + 26, 18)
    d.vortex(x_gate + 120, surface_down + 26, 16, clockwise=False)
    d.flow_arrow(30, 140, 130)
    d.dim_v(x_gate + gate_w + 16, gate_bottom, bed, "b", "u", side="right",
            ext=[(x_gate + gate_w, gate_bottom)])
    d.dim_h(x_gate, x_end, 264, "L", side="below", ext=[(x_gate, bed + 12), (x_end, bed + 12)])
    d.dim_v(x_deep, bed, bottom, "y", "m", side="right")
    d.dim_v(660, surface_down, bed, "h", "o", side="left")
    return d


def step():
    """PSt: a drop of the bottom of height D with no protection; the jet leaving the crest
    dives along the face of the drop into the hole at its foot."""
    d = Drawing(714, 371)
    surface_up, surface_down = 86, 112
    bed_up, bed = 190, 252
    x_step, sill = 262, 90
    x_hole_end, x_deep, bottom = 500, 340, 330
    water_body(d, [(0, surface_up), (200, surface_up)]
               + smooth_drop(200, surface_up, 300, surface_down)[1:] + [(714, surface_down)])
    d.water_level(620, surface_down)
    sediment(d, [(0, bed_up), (x_step - sill, bed_up)], soil=[(0, x_step - sill, bed_up)])
    sediment(d, hole(x_step, x_deep, x_hole_end, bed, bottom, start=(x_step, bottom - 12))
             + [(714, bed)], soil=[(x_hole_end, 714, bed)])
    concrete(d, x_step - sill, bed_up, sill, d.height - bed_up)
    original_bed(d, x_step, x_hole_end, bed)
    d.path(f"M {x_step - 60},{bed_up - 22} C {x_step + 10},{bed_up - 20} {x_step + 10},"
           f"{bottom - 34} {x_deep + 40},{bottom - 26}", stroke=FLOW, width=2.0)
    d.arrowhead(x_deep + 46, bottom - 27, math.radians(-8), 11, FLOW)
    d.vortex(x_step + 26, bed + 14, 14)
    d.flow_arrow(30, 140, 130)
    d.dim_v(x_step - sill - 20, bed_up, bed, "D", side="left", ext=[(x_step, bed)])
    d.dim_v(x_deep + 60, bed, bottom, "y", "m", side="right", ext=[(x_deep, bottom)])
    d.dim_v(670, surface_down, bed, "h", "o", side="left")
    return d


def plunging_jet():
    """PPJ: water falls over a drop of height H into the tailwater of depth h_o and plunges
    into the bed."""
    d = Drawing(714, 371)
    surface_up, crest = 58, 92
    tail, bed = 196, 290
    x_crest, wall = 196, 110
    x_hole0, x_deep, x_hole_end, bottom = 250, 335, 520, 348
    # The nappe: upper and lower parabolas from the crest down to the tailwater.
    upper = [(0, surface_up), (x_crest - 40, surface_up)]
    upper += cubic((x_crest - 40, surface_up), (x_crest - 10, surface_up),
                   (x_crest + 5, crest - 30), (x_crest + 10, crest - 28))[:-1]
    lower = []
    for i in range(0, 21):
        t = i / 20.0
        upper.append((x_crest + 10 + 82 * t, crest - 28 + (tail - crest + 28) * t * t))
        lower.append((x_crest + 66 * t, crest + (tail - crest) * t * t))
    d.polygon(upper + list(reversed(lower)) + [(0, crest)], WATER)
    d.polyline(upper, WATER_EDGE, 2.0)
    d.polyline(lower, WATER_EDGE, 1.5)
    d.water_level(70, surface_up)
    d.polygon([(x_crest, tail), (714, tail), (714, d.height), (x_crest, d.height)], WATER)
    d.line(x_crest + 66, tail, 714, tail, WATER_EDGE, 2.0)
    d.water_level(630, tail)
    sediment(d, [(x_crest, bed)] + hole(x_hole0, x_deep, x_hole_end, bed, bottom)
             + [(714, bed)], soil=[(x_hole_end, 714, bed)])
    original_bed(d, x_hole0, x_hole_end, bed)
    sediment(d, [(0, crest), (x_crest - wall, crest)], soil=[(0, x_crest - wall, crest)])
    concrete(d, x_crest - wall, crest, wall, d.height - crest)
    d.path(f"M {x_crest + 80},{tail + 4} C {x_crest + 100},{tail + 50} {x_deep - 20},"
           f"{bed - 10} {x_deep - 8},{bottom - 16}", stroke=FLOW, width=2.0)
    d.arrowhead(x_deep - 6, bottom - 10, math.radians(75), 11, FLOW)
    d.vortex(x_deep + 60, bed + 16, 15, clockwise=False)
    d.flow_arrow(20, 78, 100)
    d.line(x_crest - 40, surface_up, 598, surface_up, INK, 0.8, "4,3")
    d.dim_v(590, surface_up, tail, "H", side="left")
    d.dim_v(676, tail, bed, "h", "o", side="left")
    d.dim_v(x_deep + 8, bed, bottom, "y", "m", side="right")
    return d


def wide_culvert():
    """PWC: the flow leaves a wide culvert of opening b_u as a jet along the bed."""
    d = Drawing(714, 371)
    surface_up, surface_down = 52, 150
    bed = 240
    x0, x1, soffit = 170, 330, 176
    x_hole_end, x_deep, bottom = 560, 410, 318
    d.polygon([(0, surface_up), (x0, surface_up), (x0, d.height), (0, d.height)], WATER)
    d.line(0, surface_up, x0, surface_up, WATER_EDGE, 2.0)
    downstream = ([(x1, soffit + 6)] + smooth_drop(x1, soffit + 6, x1 + 90, surface_down)[1:]
                  + [(714, surface_down)])
    d.polygon([(x0, soffit), (x1, soffit)] + downstream + [(714, d.height), (x0, d.height)],
              WATER)
    d.polyline(downstream, WATER_EDGE, 2.0)
    d.water_level(90, surface_up)
    d.water_level(640, surface_down)
    sediment(d, [(0, bed), (x0, bed)], soil=[(0, x0, bed)])
    sediment(d, hole(x1, x_deep, x_hole_end, bed, bottom) + [(714, bed)],
             soil=[(x_hole_end, 714, bed)])
    original_bed(d, x1, x_hole_end, bed)
    concrete(d, x0, 20, x1 - x0, soffit - 20)
    concrete(d, x0, bed, x1 - x0, d.height - bed)
    d.path(f"M {x1 - 60},{bed - 22} L {x1 + 20},{bed - 22} C {x1 + 60},{bed - 20} "
           f"{x_deep - 10},{bottom - 30} {x_deep + 50},{bottom - 24}", stroke=FLOW, width=2.0)
    d.arrowhead(x_deep + 56, bottom - 25, math.radians(-6), 11, FLOW)
    d.vortex(x1 + 140, surface_down + 34, 16, clockwise=False)
    d.flow_arrow(30, 150, 130)
    d.dim_v(x0 + 40, soffit, bed, "b", "u", side="right")
    d.dim_v(x_deep - 6, bed, bottom, "y", "m", side="left")
    d.dim_v(672, surface_down, bed, "h", "o", side="left")
    return d


def bridge_pier():
    """PBP in section along the flow: the pier stands in the flow of depth h_o; the down-flow
    at its face and the horseshoe vortex at its foot dig the hole around it."""
    d = Drawing(714, 371)
    surface, bed = 84, 236
    x0, x1 = 330, 384
    hole0, hole1, bottom = 190, 560, 320
    surface_line = ([(0, surface), (x0 - 40, surface)]
                    + cubic((x0 - 40, surface), (x0 - 15, surface), (x0 - 6, surface - 12),
                            (x0, surface - 12))
                    + [(x1, surface + 8)]
                    + cubic((x1, surface + 8), (x1 + 25, surface + 8), (x1 + 35, surface),
                            (x1 + 60, surface))
                    + [(714, surface)])
    water_body(d, surface_line)
    d.water_level(150, surface)
    left = [(0, bed), (hole0, bed)] + cubic((hole0, bed), (hole0 + 60, bed), (x0 - 55, bottom),
                                            (x0, bottom))
    sediment(d, left, soil=[(0, hole0, bed)])
    right = [(x1, bottom)] + cubic((x1, bottom), (x1 + 70, bottom), (hole1 - 60, bed),
                                   (hole1, bed)) + [(714, bed)]
    sediment(d, right, soil=[(hole1, 714, bed)])
    original_bed(d, hole0, hole1, bed)
    concrete(d, x0, 24, x1 - x0, d.height - 24)
    d.rect(x0 - 90, 6, x1 - x0 + 180, 18, CONCRETE, CONCRETE_EDGE, 1.6)
    d.path(f"M {x0 - 14},{surface + 30} L {x0 - 14},{bed - 8}", stroke=FLOW, width=2.0)
    d.arrowhead(x0 - 14, bed - 2, math.pi / 2, 10, FLOW)
    d.vortex(x0 - 42, bottom - 26, 18, clockwise=False)
    d.vortex(x1 + 50, surface + 80, 14)
    d.flow_arrow(100, 150, 220)
    d.dim_v(50, surface, bed, "h", "o", side="right")
    d.line(x0 - 80, bottom, x0, bottom, INK, 0.8, "4,3")
    d.dim_v(x0 - 80, bed, bottom, "y", "m", side="left")
    return d


# Plan views -----------------------------------------------------------------------------------

def river_banks(d, top, bottom):
    d.rect(0, 0, d.width, top, LAND)
    d.rect(0, bottom, d.width, d.height - bottom, LAND)
    d.rect(0, top, d.width, bottom - top, WATER)
    d.line(0, top, d.width, top, LAND_EDGE, 2.0)
    d.line(0, bottom, d.width, bottom, LAND_EDGE, 2.0)
    # Bank slope ticks.
    x = 6
    while x < d.width:
        d.line(x, top, x, top - 8, LAND_EDGE, 0.8)
        d.line(x, bottom, x, bottom + 8, LAND_EDGE, 0.8)
        x += 12


def scour_contours(d, cx, cy, rx, ry, rings=3):
    d.ellipse(cx, cy, rx, ry, HOLE, WATER_EDGE, 1.0, "5,3")
    for i in range(1, rings):
        f = 1.0 - i / rings
        d.ellipse(cx + 4 * i, cy, rx * f, ry * f, "none", WATER_EDGE, 0.9, "5,3")


def spur_dike(width, height, abutment=False, protection=False):
    d = Drawing(width, height)
    top, bottom = 64, height - 48
    river_banks(d, top, bottom)
    x_dike = 300 if not abutment else 260
    tip = top + 120
    if protection:
        # Riprap around the head of the dike, reaching L beyond it; the hole forms beyond.
        reach = 50
        d.stones(x_dike - 50, top, 130, tip - top + reach, 3.6)
        scour_contours(d, x_dike + 60, tip + reach + 34, 92, 30)
    else:
        scour_contours(d, x_dike + 40 if not abutment else x_dike + 90, tip + 22, 80, 44)
    if abutment:
        # An abutment: an embankment with sloping sides reaching into the river.
        d.polygon([(x_dike - 70, top), (x_dike, tip), (x_dike + 160, tip), (x_dike + 230, top)],
                  CONCRETE, CONCRETE_EDGE, 1.6)
        d.polygon([(x_dike - 20, top), (x_dike + 20, tip - 20), (x_dike + 140, tip - 20),
                   (x_dike + 180, top)], "#d0d0d0", CONCRETE_EDGE, 1.0)
        x_tip_left, x_tip_right = x_dike, x_dike + 160
    else:
        d.rect(x_dike, top - 10, 30, tip - top + 10, CONCRETE, CONCRETE_EDGE, 1.6)
        d.hatch_rect(x_dike, top - 10, 30, tip - top + 10, 7)
        d.path(f"M {x_dike},{tip} A 15,15 0 0 0 {x_dike + 30},{tip}", fill=CONCRETE,
               stroke=CONCRETE_EDGE, width=1.6)
        x_tip_left, x_tip_right = x_dike, x_dike + 30
    for y in (top + 40, top + 100, bottom - 40):
        d.flow_arrow(20, y, 120)
    d.flow_arrow(width - 140, bottom - 40, width - 40)
    # l: from the bank to the head of the structure.
    x_l = x_tip_left - (80 if protection else 30)
    d.dim_v(x_l, top, tip, "l", side="left", ext=[(x_tip_left, tip)])
    # b: the width of the river between its banks.
    d.dim_v(width - 60, top, bottom, "b", side="left")
    if protection:
        d.dim_v(x_dike + 110, tip, tip + reach, "L", side="right",
                ext=[(x_tip_right, tip), (x_dike + 80, tip + reach)])
    return d


def narrow_culvert():
    """PNC in plan: an embankment across the river, crossed by pipes of diameter D."""
    d = Drawing(714, 371)
    top, bottom = 40, 331
    river_banks(d, top, bottom)
    x0, x1 = 250, 370
    d.rect(x0, 0, x1 - x0, 371, "#d9c9a3", SAND_EDGE, 1.6)
    d.rect(x0 + 30, 0, x1 - x0 - 60, 371, "#bfb2a0", SAND_EDGE, 1.0)
    pipes = [90, 150, 210, 270]
    diameter = 30
    for y in pipes:
        d.rect(x0 - 6, y - diameter / 2, x1 - x0 + 12, diameter, "#f4f4f4", CONCRETE_EDGE, 1.6)
        d.line(x0 - 6, y, x1 + 6, y, CONCRETE_EDGE, 0.6, "8,4")
        scour_contours(d, x1 + 58, y, 46, 22, 2)
        d.flow_arrow(x1 + 8, y, x1 + 60)
    for y in (70, 180, 300):
        d.flow_arrow(40, y, 160)
    y = pipes[-1]
    d.dim_v_outside(x0 - 30, y - diameter / 2, y + diameter / 2, "D",
                    ext=[(x0 - 6, y - diameter / 2), (x0 - 6, y + diameter / 2)])
    return d


DRAWINGS = {
    "PVC1.svg": confined_vortex_step,
    "PVC2.svg": confined_vortex_gate,
    "PEn.svg": step,
    "PCZ.svg": plunging_jet,
    "PAC.svg": wide_culvert,
    "PEs1.svg": lambda: spur_dike(698, 336),
    "PES2.svg": lambda: spur_dike(714, 371, abutment=True),
    "PEP.svg": lambda: spur_dike(714, 371, protection=True),
    "PPi.svg": bridge_pier,
    "PAG.svg": narrow_culvert,
}


def main():
    for name, build in DRAWINGS.items():
        with open(os.path.join(HERE, name), "w", encoding="utf-8") as out:
            out.write(build().svg())


if __name__ == "__main__":
    main()
