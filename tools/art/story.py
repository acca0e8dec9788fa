"""The program icon, the title and introduction pictures, the maker's logo
and the cutscene backgrounds: the snowy lot (calm and exploding) and the
quarry of the ending."""

import math

from svg import (INK, WHITE, RED, YELLOW, BLUE, GREEN, GREEN_DARK, SKIN, rect, circle, ellipse, path, poly,
                 polyline, line, group, text, star_points, linear, radial)
import hero
import characters


def icon():
    o = [circle(16, 16, 15, "#ffd23a", INK, 1.5)]
    o.append(group(hero.head("grin", 4.5), 16, 19, 0.3))
    return "".join(o)


def bubble(x, y, w, h, tail, sw=4):
    return characters.balloon(x, y, w, h, tail, sw)


def title():
    o = [rect(0, 0, 437, 200, "#3fbf4a")]
    for i in range(16):
        a = math.radians(i * 22.5)
        b = math.radians(i * 22.5 + 11)
        o.append(poly([(90, 110), (round(90 + 500 * math.cos(a), 1), round(110 + 500 * math.sin(a), 1)),
                       (round(90 + 500 * math.cos(b), 1), round(110 + 500 * math.sin(b), 1))], "#56d160"))
    o.append(ellipse(90, 196, 80, 12, "#2f9a38"))
    o.append(group(hero.head("grin", 3.0), 92, 114, 2.15))
    o.append(bubble(190, 22, 236, 150, (160, 120)))
    for (x, y, r) in ((22, 26, 8), (176, 180, 6), (14, 170, 6)):
        o.append(poly(star_points(x, y, r, r * 0.35, 4), WHITE, INK, 1.5))
    return "".join(o)


def town_backdrop(w, h, ground_y):
    o = [f"<defs>{linear('sky', [(0, '#8fd4ff'), (1, '#e4f6ff')])}</defs>", rect(0, 0, w, h, "url(#sky)")]
    for (x, y, s) in ((60, 40, 1.0), (210, 24, 0.8), (400, 54, 1.1)):
        o.append(group(ellipse(0, 0, 34, 14, WHITE) + ellipse(-18, 4, 20, 11, WHITE) + ellipse(20, 4, 24, 12, WHITE),
                       x, y, s))
    o.append(path(f"M0,{ground_y - 40} Q{w * 0.25},{ground_y - 90} {w * 0.5},{ground_y - 50} "
                  f"Q{w * 0.75},{ground_y - 100} {w},{ground_y - 46} L{w},{h} L0,{h} Z", "#8ad06a", INK, 3))
    # a row of little yellow houses on the hill
    for i, x in enumerate((40, 120, 200)):
        o.append(group(rect(-16, -14, 32, 22, "#ffd54a", INK, 2.5) + poly([(-20, -12), (0, -30), (20, -12)], "#e0443a", INK, 2.5) +
                       rect(-6, -4, 10, 12, "#a0622c", INK, 1.5), x, ground_y - 54 - (i % 2) * 10, 1.0))
    o.append(rect(0, ground_y, w, h - ground_y, "#f8ecb0", INK, 3))
    return "".join(o)


def intro():
    o = [town_backdrop(514, 334, 268)]
    o.append(group(hero.battle(4.0, "grin"), 8, 12, 0.9))
    o.append(bubble(262, 12, 246, 300, (214, 96)))
    return "".join(o)


def plum(x, y, s, sw=2.0):
    return group(circle(-5, 3, 9, "#8a3ab9", INK, sw) + circle(5, 3, 9, "#8a3ab9", INK, sw) +
                 ellipse(0, 4, 9, 8, "#8a3ab9") + path("M-6,-2 Q-3,-5 0,-3", "none", "#c98ae8", sw) +
                 path("M0,-6 Q1,-12 4,-14", "none", "#5a3a1a", sw * 1.1, stroke_linecap="round") +
                 path("M2,-11 Q10,-16 14,-9 Q7,-7 2,-11 Z", "#4cbb4a", INK, sw * 0.7), x, y, s)


def maker_logo(dark=True):
    o = [rect(1, 1, 306, 44, "#3a1656" if dark else WHITE, "#c98ae8", 2, rx=10)]
    o.append(plum(28, 24, 1.35))
    o.append(text(170, 33, "PLUMWORKS", 29, WHITE if dark else "#3a1656", weight="bold",
                  letter_spacing="3"))
    return "".join(o)


# --- the snowy lot of the third town ---------------------------------------------------

def lot_snow_scene(w=640, h=480):
    o = [f"<defs>{linear('winter', [(0, '#9fb4cc'), (1, '#e6eef6')])}</defs>", rect(0, 0, w, h, "url(#winter)")]
    # far houses and the radio tower behind the lot
    for i, x in enumerate((30, 110, 470, 560)):
        o.append(group(rect(-34, -40, 68, 48, "#d9c8a6", INK, 3) + poly([(-42, -36), (0, -70), (42, -36)], "#7a8aa0", INK, 3) +
                       path("M-40,-38 L0,-68 L40,-38 L36,-32 L0,-60 L-36,-32 Z", WHITE) +
                       rect(-12, -26, 18, 16, "#ffe17a", INK, 2), x, 246 - (i % 2) * 6, 1.0))
    tower = []
    tower.append(polyline([(270, 250), (300, 40), (320, 40), (350, 250)], "#7d848c", 6))
    for y0 in range(240, 50, -38):
        xa = 270 + (250 - y0) * 30 / 210
        xb = 270 + (250 - y0 + 38) * 30 / 210
        tower.append(line(round(xa, 1), y0, round(620 - xb, 1), y0 - 38, "#7d848c", 3))
        tower.append(line(round(620 - xa, 1), y0, round(xb, 1), y0 - 38, "#7d848c", 3))
    tower.append(rect(304, 14, 12, 28, "#9aa1a8", INK, 2.5))
    tower.append(circle(310, 12, 6, "#ff3030", INK, 2))
    tower.append(path("M276,80 Q264,100 276,120 L292,100 Z", "#d6dbe0", INK, 2.5))
    tower.append(path("M344,110 Q356,130 344,150 L328,130 Z", "#d6dbe0", INK, 2.5))
    o.append("".join(tower))
    # the fence round the lot
    o.append(rect(0, 236, w, 8, "#8e5a2c", INK, 2))
    for x in range(10, w, 36):
        o.append(rect(x, 214, 10, 48, "#b07a4a", INK, 2))
        o.append(path(f"M{x - 1},214 Q{x + 5},206 {x + 11},214 Z", WHITE, INK, 1.5))
    # the snow field
    o.append(path(f"M0,262 Q160,246 320,262 Q480,276 {w},258 L{w},{h} L0,{h} Z", "#f6fbff", INK, 3))
    o.append(path(f"M0,330 Q200,310 380,336 Q520,352 {w},330", "none", "#d4e4f2", 8, stroke_linecap="round"))
    o.append(path("M60,410 Q200,392 330,414", "none", "#d4e4f2", 8, stroke_linecap="round"))
    # footprints leading to the bottle
    for i in range(6):
        o.append(ellipse(560 - i * 38, 440 - i * 14, 8, 4, "#cddceb"))
    # the small bottle bomb in the snow
    o.append(ellipse(330, 372, 44, 9, "#cddceb"))
    o.append(group(characters.bottle_shape(3.0, 0.6, 3), 330, 352, 0.62, rot=72))
    # falling snow
    for i in range(70):
        x = (i * 97) % w
        y = (i * 53 + (i % 7) * 31) % (h - 20)
        o.append(circle(x, y, 2 + (i % 3), WHITE, opacity=0.9))
    return "".join(o)


def explosion(cx, cy, r):
    o = []
    for i in range(20):
        a = math.radians(i * 18 + 4)
        o.append(line(cx, cy, round(cx + r * 1.5 * math.cos(a), 1), round(cy + r * 1.4 * math.sin(a), 1),
                      "#fff2a0", 10, opacity=0.8))
    o.append(poly(star_points(cx, cy, r * 1.15, r * 0.7, 14, jitter=(1, 1, 0.85, 1, 1.15, 1, 0.9)), "#ff6a1a", INK, 5))
    o.append(poly(star_points(cx, cy, r * 0.9, r * 0.55, 14, rot=-80, jitter=(1, 0.9, 1.1, 1)), "#ffb21a"))
    o.append(poly(star_points(cx, cy, r * 0.6, r * 0.4, 12, rot=-70), "#fff27a"))
    o.append(circle(cx, cy, r * 0.25, WHITE))
    for (dx, dy, s) in ((-1.2, -0.9, 18), (1.25, -0.7, 14), (-1.3, 0.5, 16), (1.2, 0.8, 12), (0.1, -1.35, 14)):
        o.append(poly([(cx + dx * r - s, cy + dy * r), (cx + dx * r, cy + dy * r - s), (cx + dx * r + s * 0.8, cy + dy * r + s * 0.4)],
                      "#7d848c", INK, 3))
    return "".join(o)


def lot_explosion_scene():
    o = [lot_snow_scene()]
    o.append(explosion(318, 250, 190))
    o.append(text(500, 92, "ドカーン！", 56, RED, weight="bold", stroke=INK, sw=8))
    return "".join(o)


# --- the quarry of the ending -----------------------------------------------------------

def quarry():
    w, h = 560, 420
    o = [f"<defs>{linear('qsky', [(0, '#6fc0ff'), (1, '#dff2ff')])}</defs>", rect(0, 0, w, h, "url(#qsky)")]
    o.append(circle(470, 60, 30, "#fff2a0", "#ffd23a", 4))
    # terraced walls of the pit
    layers = [("#b9a48a", 120), ("#a8917a", 170), ("#9a8068", 220), ("#8a7058", 268)]
    for i, (c, y) in enumerate(layers):
        inset = 40 + i * 46
        o.append(path(f"M0,{y} L{inset},{y} L{inset + 24},{y + 46} L{w - inset - 24},{y + 46} L{w - inset},{y} L{w},{y} "
                      f"L{w},{h} L0,{h} Z", c, INK, 3, stroke_linejoin="round"))
        o.append(path(f"M{inset + 24},{y + 46} L{w - inset - 24},{y + 46}", "none", "#d8c8b0", 3))
    o.append(rect(0, 314, w, 106, "#c9b79c", INK, 3))
    for (x, y, r) in ((80, 350, 16), (130, 380, 10), (470, 360, 18), (420, 392, 9), (300, 400, 12)):
        o.append(ellipse(x, y, r * 1.4, r, "#9c8a72", INK, 2.5))
    # a little truck on a terrace
    o.append(group(rect(0, 0, 50, 22, "#ffcc1a", INK, 2.5) + rect(36, -14, 20, 20, "#ffcc1a", INK, 2.5) +
                   circle(10, 24, 7, "#333", INK, 2) + circle(44, 24, 7, "#333", INK, 2), 90, 236, 0.8))
    # the hero, standing in the middle of the pit
    o.append(ellipse(280, 322, 40, 6, "#000", opacity=0.2))
    o.append(group(hero.battle(4.0, "grin"), 228, 188, 0.39))
    # the caption
    o.append(rect(30, 14, 390, 60, WHITE, INK, 3, rx=14, opacity=0.92))
    o.append(text(225, 40, "ポッチーのボトロン修行の旅は", 22, INK, weight="bold"))
    o.append(text(225, 66, "まだまだつづく……！", 22, RED, weight="bold"))
    return "".join(o)


def pictures():
    return {
        "icon": (32, 32, icon()),
        "title": (437, 200, title()),
        "intro": (514, 334, intro()),
        "maker_logo": (308, 46, maker_logo()),
        "lot_snow": (640, 480, lot_snow_scene()),
        "lot_explosion": (640, 480, lot_explosion_scene()),
        "quarry": (560, 420, quarry()),
    }
