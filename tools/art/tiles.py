"""Map tiles. A tile is 50 × 50 pixels (a few 50 × 51 or 52 × 48) and
neighbouring tiles overlap by 2 pixels: the tile to the right covers the
last two columns, the tile below the last two rows. Everything that must be
seen lies in the top-left 48 × 48 square, and every pattern that runs over
an edge (bricks, hedges, stripes, road marks) repeats every 48 pixels, so
the grid joins without a seam.
"""

from svg import (INK, RED, RED_DARK, YELLOW, WHITE, GREEN, GREEN_DARK, BLUE,
                 FLOOR_PALE_YELLOW, FLOOR_WHITE, FLOOR_BROWN, FLOOR_RED,
                 rect, circle, ellipse, path, poly, polyline, line, group, svg)
import hero

C = 24  # centre of the visible square
WOOD = "#c98b4e"
WOOD_DARK = "#8e5a2c"


def tile(w, h, bg, body=""):
    return rect(0, 0, w, h, bg) + body


# --- walls ------------------------------------------------------------------

def brick():
    o = [rect(0, 0, 50, 50, "#e6d3bd")]
    for row in range(5):
        y = row * 12
        off = 12 if row % 2 else 0
        for col in range(-1, 4):
            x = col * 24 + off
            o.append(rect(x + 1, y + 1, 22, 10, "#c4483a", "#7a2620", 1, rx=1.5))
            o.append(rect(x + 2.5, y + 2, 19, 2.2, "#e07a62", rx=1))
            o.append(rect(x + 2, y + 8, 20, 2, "#a3352b", rx=1))
    return "".join(o)


def wall_grey():
    o = [rect(0, 0, 50, 50, "#a3a5aa")]
    # a faint panel seam every 48 px keeps the grey from looking like a hole
    o.append(rect(0, 0, 50, 1.5, "#b9bbc0"))
    o.append(rect(0, 46, 50, 2, "#8e9095"))
    return "".join(o)


def wall_stripes():
    o = [rect(0, 0, 50, 50, WHITE)]
    for x in range(0, 56, 8):
        o.append(rect(x, 0, 4, 50, "#161616"))
    return "".join(o)


def hedge():
    o = [rect(0, 0, 50, 50, "#1f5a22")]
    for by in (0, 24, 48):
        for bx in (-24, 0, 24, 48):
            x = bx + (12 if (by // 24) % 2 else 0)
            o.append(rect(x + 1, by + 1, 22, 22, "#3f9a3a", "#174a1a", 1.2, rx=6))
            o.append(circle(x + 8, by + 8, 4, "#63bd4f"))
            o.append(circle(x + 15, by + 7, 3, "#63bd4f"))
            o.append(circle(x + 7, by + 15, 2.5, "#57ad46"))
            o.append(path(f"M{x+5},{by+19} Q{x+12},{by+22} {x+19},{by+18}", "none", "#2c7a2c", 1.5))
    return "".join(o)


def water(w=52, h=48):
    o = [rect(0, 0, w, h, "#2f7fd8")]
    for (x, y) in ((6, 10), (26, 22), (10, 36), (34, 40), (36, 6)):
        o.append(path(f"M{x},{y} q3,-3 6,0 q3,3 6,0", "none", "#8cc8ff", 1.6, stroke_linecap="round"))
    return "".join(o)


# --- ground ------------------------------------------------------------------

def sprout(x, y, s=1.0):
    return group(path("M0,0 Q-1,-6 -6,-9 Q-1,-9 0,-3 Q1,-10 7,-11 Q2,-6 0,0 Z", "#48b03f", "#1d5b1e", 1.1,
                      stroke_linejoin="round") + path("M0,0 L0,-4", "none", "#1d5b1e", 1), x, y, s)


def grass(bg):
    spots = ((9, 14), (30, 10), (19, 27), (40, 25), (8, 40), (30, 42))
    return rect(0, 0, 50, 50, bg) + "".join(sprout(x, y) for x, y in spots)


def sprouts_brown():
    o = [rect(0, 0, 50, 50, "#8a5a32")]
    for y in (8, 24, 40):
        o.append(rect(0, y, 50, 5, "#6e4424"))
        o.append(rect(0, y - 1, 50, 1.5, "#a57147"))
    for y in (10, 26, 42):
        for x in (6, 18, 30, 42):
            o.append(sprout(x + (4 if y == 26 else 0), y, 0.9))
    return "".join(o)


def thorns():
    o = [rect(0, 0, 50, 50, FLOOR_BROWN)]
    for row, y in enumerate((15, 31, 47)):
        off = 6 if row % 2 else 0
        pts = []
        for i in range(9):
            x = -6 + off + i * 6
            pts += [(x, y), (x + 3, y - 11)]
        pts += [(-6 + off + 54, y)]
        o.append(poly(pts + [(60, y + 2), (-8, y + 2)], "#d8323a", "#5a1010", 1.2))
        o.append(polyline([(p[0], p[1] + 1) for p in pts[::2]], "#8c1a20", 1.5))
    return "".join(o)


# --- things standing on a floor ---------------------------------------------

def sign(bg):
    o = [rect(0, 0, 50, 50, bg)]
    o.append(ellipse(C, 45, 16, 2.5, "#000", opacity=0.15))
    o.append(rect(12, 26, 4, 19, WOOD_DARK, INK, 1.4))
    o.append(rect(32, 26, 4, 19, WOOD_DARK, INK, 1.4))
    o.append(rect(5, 6, 38, 24, WOOD, INK, 2, rx=2))
    o.append(rect(7, 8, 34, 4, "#e0aa6c"))
    for y in (15, 20, 25):
        o.append(line(11, y, 37 if y != 25 else 28, y, "#5a3412", 1.6))
    return "".join(o)


def vending(bg, w=50, h=50):
    o = [rect(0, 0, w, h, bg)]
    o.append(ellipse(C, 46, 22, 2.5, "#000", opacity=0.15))
    # the machine
    o.append(rect(3, 3, 29, 42, "#e03a36", INK, 2, rx=2))
    o.append(rect(6, 6, 23, 14, "#dff4ff", INK, 1.2))
    for i, col in enumerate(("#2f6fe0", "#7fd3ff", "#e83232")):
        o.append(rect(8 + i * 7, 9, 5, 9, col, INK, 0.8, rx=1))
    o.append(rect(6, 23, 23, 3, "#ffd23a", INK, 0.8))
    o.append(rect(22, 28, 6, 8, "#b52423", INK, 1))
    o.append(rect(7, 38, 18, 5, "#2b1d14"))
    o.append(rect(28, 5, 2.5, 38, "#b52423", opacity=0.6))
    # the wire bin
    o.append(path("M34,28 L46,28 L44,45 L36,45 Z", "#c9d2d9", INK, 1.6, stroke_linejoin="round"))
    for x in (37, 40, 43):
        o.append(line(x, 29, x - 0.5, 44, "#6d7880", 1))
    o.append(line(35, 35, 45, 35, "#6d7880", 1))
    o.append(rect(33, 26.5, 14, 2.5, "#9aa5ad", INK, 1))
    return "".join(o)


def house(bg):
    o = [rect(0, 0, 50, 50, bg)]
    o.append(ellipse(C, 46, 21, 2.5, "#000", opacity=0.15))
    o.append(rect(7, 20, 34, 25, "#ffd54a", INK, 2))
    o.append(rect(30, 21, 10, 23, "#eeb52a", opacity=0.7))
    o.append(poly([(2, 22), (24, 3), (46, 22)], "#e0443a", INK, 2))
    o.append(path("M24,6 L42,21 L46,22 L24,3 Z", "#b8302b", opacity=0.7))
    o.append(rect(11, 25, 10, 9, "#5fb0ff", INK, 1.5))
    o.append(line(16, 25, 16, 34, INK, 1))
    o.append(line(11, 29.5, 21, 29.5, INK, 1))
    o.append(rect(26, 29, 10, 16, "#a0622c", INK, 1.6))
    o.append(circle(33.5, 37.5, 1.2, "#ffd23a"))
    return "".join(o)


def garage(bg, w=50, h=51):
    o = [rect(0, 0, w, h, bg)]
    o.append(ellipse(C, 47, 22, 2.5, "#000", opacity=0.15))
    o.append(rect(4, 14, 40, 32, "#efe2c8", INK, 2))
    o.append(path("M1,16 L6,4 L42,4 L47,16 Z", "#d8372f", INK, 2, stroke_linejoin="round"))
    o.append(path("M8,7 L40,7", "none", "#f07a6a", 1.5))
    o.append(rect(9, 20, 30, 26, "#9aa3ab", INK, 1.6))
    for y in range(23, 46, 4):
        o.append(line(10, y, 38, y, "#6b747c", 1.2))
    o.append(rect(20, 41, 8, 2.5, "#4a5258", rx=1))
    return "".join(o)


def garage_house(bg, w=50, h=51):
    """The fourth town's houses: a garage-like house with a small window."""
    o = [rect(0, 0, w, h, bg)]
    o.append(ellipse(C, 47, 22, 2.5, "#000", opacity=0.18))
    o.append(rect(4, 14, 40, 32, "#d9c8a6", INK, 2))
    o.append(path("M1,16 L6,4 L42,4 L47,16 Z", "#5a4a6a", INK, 2, stroke_linejoin="round"))
    o.append(rect(8, 19, 9, 8, "#ffe17a", INK, 1.3))
    o.append(rect(20, 22, 21, 24, "#8c95a0", INK, 1.6))
    for y in range(25, 46, 4):
        o.append(line(21, y, 40, y, "#5f6873", 1.1))
    o.append(rect(8, 31, 9, 15, "#8a5a32", INK, 1.3))
    return "".join(o)


def hideout(w=52, h=48):
    o = [rect(0, 0, w, h, FLOOR_RED)]
    o.append(rect(5, 12, 38, 35, "#4d4458", INK, 2))
    o.append(rect(34, 13, 8, 33, "#3a3344", opacity=0.8))
    o.append(poly([(2, 14), (24, 3), (46, 14)], "#2f2838", INK, 2))
    o.append(circle(C, 22, 8, WHITE, INK, 1.8))
    o.append(line(C, 22, C, 16.5, INK, 1.5))
    o.append(line(C, 22, 28, 23, INK, 1.5))
    for a in range(12):
        import math
        x = C + 6.5 * math.cos(math.radians(a * 30))
        y = 22 + 6.5 * math.sin(math.radians(a * 30))
        o.append(circle(round(x, 2), round(y, 2), 0.6, INK))
    o.append(path("M17,47 L17,36 Q24,30 31,36 L31,47 Z", "#1d1824", INK, 1.5))
    o.append(rect(8, 34, 6, 6, "#ffcf3a", INK, 1))
    o.append(rect(34, 34, 6, 6, "#ffcf3a", INK, 1))
    return "".join(o)


def radio_tower():
    o = [rect(0, 0, 50, 50, FLOOR_PALE_YELLOW)]
    o.append(ellipse(C, 46, 14, 2.5, "#000", opacity=0.15))
    o.append(poly([(14, 46), (22, 8), (26, 8), (34, 46)], "none", INK, 2))
    o.append(polyline([(14, 46), (22, 8), (26, 8), (34, 46)], "#8d949c", 2.4))
    for y0, y1 in ((44, 35), (35, 26), (26, 17), (17, 10)):
        xa = 14 + (46 - y0) * 8 / 38
        xb = 14 + (46 - y1) * 8 / 38
        o.append(line(round(xa, 2), y0, round(48 - xb, 2), y1, "#6f767e", 1.2))
        o.append(line(round(48 - xa, 2), y0, round(xb, 2), y1, "#6f767e", 1.2))
        o.append(line(round(xb, 2), y1, round(48 - xb, 2), y1, "#6f767e", 1.2))
    o.append(rect(22, 2, 4, 8, "#9aa1a8", INK, 1.2))
    o.append(circle(C, 2.5, 2.2, "#ff3030", INK, 0.8))
    o.append(path("M12,14 Q8,20 12,26 L16,20 Z", "#d6dbe0", INK, 1.2))
    o.append(path("M36,20 Q40,26 36,32 L32,26 Z", "#d6dbe0", INK, 1.2))
    return "".join(o)


# --- road ring of the third town ---------------------------------------------

ASPHALT = "#3b3d44"
MARK = "#f4f4f4"


def road_h():
    o = [rect(0, 0, 50, 50, ASPHALT)]
    o.append(rect(0, 3, 50, 2, MARK))
    o.append(rect(0, 43, 50, 2, MARK))
    for x in (-6, 18, 42):
        o.append(rect(x, 23, 12, 2.4, MARK))
    return "".join(o)


def road_v():
    o = [rect(0, 0, 50, 50, ASPHALT)]
    o.append(rect(3, 0, 2, 50, MARK))
    o.append(rect(43, 0, 2, 50, MARK))
    for y in (-6, 18, 42):
        o.append(rect(23, y, 2.4, 12, MARK))
    return "".join(o)


def road_corner(cx, cy):
    """A corner piece: the marks turn round the inner corner (cx, cy) of the
    48-pixel square, which is the corner facing the town."""
    o = [rect(0, 0, 50, 50, ASPHALT)]
    sx = 1 if cx == 0 else -1
    sy = 1 if cy == 0 else -1
    # The outer edge line runs 4 px in from the two outer sides and turns with a radius.
    def arc(r, w, dash=None):
        x0, y0 = cx + sx * r, cy
        x1, y1 = cx, cy + sy * r
        sweep = 1 if sx * sy > 0 else 0
        return path(f"M{x0},{y0} A{r},{r} 0 0 {sweep} {x1},{y1}", "none", MARK, w,
                    stroke_dasharray=dash)
    o.append(arc(4, 2))
    o.append(arc(44, 2))
    o.append(arc(24, 2.4, "12 8"))
    return "".join(o)


# --- things inside the houses -----------------------------------------------

def door():
    o = [rect(0, 0, 50, 50, FLOOR_WHITE)]
    o.append(rect(9, 2, 30, 45, "#f08a24", INK, 2, rx=1.5))
    o.append(rect(33, 3, 5, 43, "#cf6c12", opacity=0.6))
    o.append(rect(13, 6, 22, 16, "#ffad5a", INK, 1.4, rx=1))
    o.append(rect(13, 26, 22, 17, "#ffad5a", INK, 1.4, rx=1))
    o.append(circle(34, 24, 2.2, "#ffd23a", INK, 1))
    return "".join(o)


def person_tile(shirt, hair, glasses=False, bg=FLOOR_WHITE, stripes=None):
    """A townsperson seen from the front, head and shoulders, for a map tile."""
    o = [rect(0, 0, 50, 50, bg)]
    o.append(path("M6,48 Q6,32 24,32 Q42,32 42,48 Z", shirt, INK, 2))
    if stripes:
        o.append(path("M9,40 L39,40", "none", stripes, 2.5))
    o.append(path("M19,32 L24,39 L29,32", "none", INK, 1.4))
    o.append(circle(24, 19, 12, "#f7cfa4", INK, 2))
    o.append(path(hair, "#4a3320", INK, 1.6, stroke_linejoin="round"))
    o.append(circle(19.5, 20, 1.6, INK))
    o.append(circle(28.5, 20, 1.6, INK))
    if glasses:
        o.append(circle(19.5, 20, 4, "none", INK, 1.3))
        o.append(circle(28.5, 20, 4, "none", INK, 1.3))
        o.append(line(23.5, 20, 24.5, 20, INK, 1.2))
    o.append(path("M20,26 Q24,29 28,26", "none", INK, 1.4, stroke_linecap="round"))
    o.append(ellipse(16.5, 24, 2.2, 1.3, "#ff9a9a", opacity=0.7))
    o.append(ellipse(31.5, 24, 2.2, 1.3, "#ff9a9a", opacity=0.7))
    return "".join(o)


def visitor():
    return person_tile("#3fae4a", "M12,18 Q12,6 24,6 Q36,6 36,18 Q31,11 24,12 Q17,11 12,18 Z")


def father():
    return person_tile("#7a3fb0", "M12,16 Q14,7 24,7 Q34,7 36,16 Q32,12 28,13 Q24,10 20,13 Q16,12 12,16 Z",
                       glasses=True, stripes="#9c63d0")


def newspaper():
    o = [rect(0, 0, 50, 50, FLOOR_WHITE)]
    o.append(poly([(8, 9), (40, 6), (43, 41), (10, 44)], "#efeee6", INK, 2))
    o.append(poly([(12, 12), (36, 10), (37, 18), (13, 20)], "#333", opacity=0.85))
    o.append(poly([(14, 24), (25, 23), (26, 34), (15, 35)], "#9aa0a8", INK, 0.8))
    for i in range(5):
        y = 24 + i * 3.3
        o.append(line(28, y - i * 0.2, 38, y - 0.5 - i * 0.2, "#666", 1))
    for i in range(2):
        y = 38 + i * 3
        o.append(line(15, y, 38, y - 0.8, "#666", 1))
    return "".join(o)


def desk():
    o = [rect(0, 0, 50, 50, FLOOR_WHITE)]
    o.append(ellipse(C, 44, 20, 3, "#000", opacity=0.12))
    o.append(rect(6, 30, 4, 14, "#b5601a", INK, 1.4))
    o.append(rect(38, 30, 4, 14, "#b5601a", INK, 1.4))
    o.append(poly([(4, 22), (44, 22), (46, 31), (2, 31)], "#f08a24", INK, 2))
    o.append(rect(5, 23, 38, 2, "#ffb060"))
    o.append(rect(14, 17, 10, 6, "#ffffff", INK, 1.2))
    o.append(rect(28, 15, 4, 8, "#5fb0ff", INK, 1.2, rx=1))
    return "".join(o)


def tv():
    o = [rect(0, 0, 50, 50, FLOOR_WHITE)]
    o.append(line(18, 12, 12, 2, INK, 1.6))
    o.append(line(30, 12, 36, 2, INK, 1.6))
    o.append(rect(5, 11, 38, 30, "#9c6a3c", INK, 2, rx=4))
    o.append(rect(9, 15, 24, 21, "#8fd0c8", INK, 1.6, rx=5))
    o.append(path("M12,18 Q16,16 20,18", "none", WHITE, 1.6, opacity=0.8))
    o.append(circle(38, 20, 2.2, "#dcdcdc", INK, 1))
    o.append(circle(38, 28, 2.2, "#dcdcdc", INK, 1))
    o.append(rect(10, 41, 4, 5, INK))
    o.append(rect(34, 41, 4, 5, INK))
    return "".join(o)


def ring():
    return rect(0, 0, 50, 50, FLOOR_WHITE) + circle(C, C, 15, "none", "#111", 7)


def key_tile():
    o = [rect(0, 0, 50, 50, FLOOR_WHITE)]
    k = (circle(-12, 0, 8, "#f2c230", INK, 2) + circle(-12, 0, 3.2, WHITE, INK, 1.4) +
         path("M-4,-2.5 L16,-2.5 L16,2.5 L13,2.5 L13,8 L9,8 L9,2.5 L6,2.5 L6,6 L3,6 L3,2.5 L-4,2.5 Z",
              "#f2c230", INK, 1.8, stroke_linejoin="round") +
         path("M-16,-4 Q-13,-6 -10,-5", "none", "#fff3b0", 1.4))
    o.append(group(k, C + 1, C, 1.0, rot=-30))
    return "".join(o)


def sprite_on(bg, w=50, h=51):
    return hero.sprite(bg, w, h)


# name -> (width, height, body)
def pictures():
    P = {}
    P["tile_brick"] = (50, 50, brick())
    P["tile_grass_pale_yellow"] = (50, 50, grass(FLOOR_PALE_YELLOW))
    P["tile_floor_pale_yellow"] = (50, 50, rect(0, 0, 50, 50, FLOOR_PALE_YELLOW))
    P["tile_floor_white"] = (50, 50, rect(0, 0, 50, 50, FLOOR_WHITE))
    P["tile_floor_brown"] = (50, 50, rect(0, 0, 50, 50, FLOOR_BROWN))
    P["tile_floor_red"] = (52, 48, rect(0, 0, 52, 48, FLOOR_RED))
    P["tile_door"] = (50, 50, door())
    P["tile_wall_stripes"] = (50, 50, wall_stripes())
    P["tile_wall_grey"] = (50, 50, wall_grey())
    P["tile_sign_white"] = (50, 50, sign(FLOOR_WHITE))
    P["tile_sign_pale_yellow"] = (50, 50, sign(FLOOR_PALE_YELLOW))
    P["tile_sign_brown"] = (50, 50, sign(FLOOR_BROWN))
    P["tile_sign_red"] = (50, 50, sign(FLOOR_RED))
    P["tile_sprouts_brown"] = (50, 50, sprouts_brown())
    P["tile_garage_pale_yellow"] = (50, 51, garage(FLOOR_PALE_YELLOW))
    P["tile_garage_brown"] = (50, 51, garage(FLOOR_BROWN))
    P["tile_garage_house_red"] = (50, 51, garage_house(FLOOR_RED))
    P["tile_vending_pale_yellow"] = (50, 50, vending(FLOOR_PALE_YELLOW))
    P["tile_vending_brown"] = (50, 50, vending(FLOOR_BROWN))
    P["tile_vending_red"] = (50, 50, vending(FLOOR_RED))
    P["tile_house_pale_yellow"] = (50, 50, house(FLOOR_PALE_YELLOW))
    P["tile_house_brown"] = (50, 50, house(FLOOR_BROWN))
    P["tile_radio_tower"] = (50, 50, radio_tower())
    P["tile_road_h"] = (50, 50, road_h())
    P["tile_road_v"] = (50, 50, road_v())
    P["tile_road_corner_nw"] = (50, 50, road_corner(48, 48))
    P["tile_road_corner_ne"] = (50, 50, road_corner(0, 48))
    P["tile_road_corner_sw"] = (50, 50, road_corner(48, 0))
    P["tile_road_corner_se"] = (50, 50, road_corner(0, 0))
    P["tile_visitor"] = (50, 50, visitor())
    P["tile_father"] = (50, 50, father())
    P["tile_newspaper"] = (50, 50, newspaper())
    P["tile_desk"] = (50, 50, desk())
    P["tile_tv"] = (50, 50, tv())
    P["tile_hedge"] = (50, 50, hedge())
    P["tile_thorns_brown"] = (50, 50, thorns())
    P["tile_house_brown"] = (50, 50, house(FLOOR_BROWN))
    P["tile_ring"] = (50, 50, ring())
    P["tile_key"] = (50, 50, key_tile())
    P["tile_water"] = (52, 48, water())
    P["tile_hideout"] = (52, 48, hideout())
    P["hero_map_pale_yellow"] = (50, 51, sprite_on(FLOOR_PALE_YELLOW))
    P["hero_map_white"] = (50, 51, sprite_on(FLOOR_WHITE))
    P["hero_map_brown"] = (50, 51, sprite_on(FLOOR_BROWN))
    P["hero_map_red"] = (50, 51, sprite_on(FLOOR_RED))
    P["hero_map_yellow"] = (50, 51, sprite_on("#ffec4a"))
    P["hero_map_green"] = (50, 51, sprite_on("#00ff00"))
    return P
