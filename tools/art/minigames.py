"""Pictures of the mini-games and the vending machine."""

import math

from svg import (INK, WHITE, RED, RED_DARK, BLUE, YELLOW, SKIN, FONT, rect, circle, ellipse, path, poly,
                 polyline, line, group, text, star_points, radial)
import characters
import tiles

PANEL = "#fff8e8"


def panel(w, h):
    return rect(3, 3, w - 6, h - 6, PANEL, INK, 3, rx=14) + rect(8, h - 22, w - 16, 12, "#f0e2c0", rx=6)


# --- bomb race: the bottle and the supply ---------------------------------------

def bottle_stage(ice, water):
    return panel(150, 150) + group(characters.bottle_shape(2.6, water, ice), 75, 78, 1.55)


def ice_piece(x, y, rot):
    return group(rect(-11, -9, 22, 18, "#f4fbff", INK, 2.2, rx=3) + rect(-8, -6, 8, 4, WHITE) +
                 path("M-11,5 L11,5", "none", "#b8d4e6", 2) +
                 circle(9, -10, 2.2, "#dff2ff", opacity=0.9) + circle(-8, -12, 1.6, "#dff2ff", opacity=0.9),
                 x, y, 1.25, rot=rot)


HEAP = [(48, 112, 8), (102, 112, -10), (75, 108, 4), (60, 86, -14), (92, 86, 12)]


def supply_ice(n):
    o = [panel(150, 150)]
    for x, y, r in HEAP[:n]:
        o.append(ice_piece(x, y, r))
    for k in range(n):
        x, y, _ = HEAP[k]
        o.append(path(f"M{x - 6},{y - 22} q4,-6 0,-12 M{x + 6},{y - 22} q4,-6 0,-12", "none", "#cfe6f4", 2.5,
                      stroke_linecap="round", opacity=0.8))
    o.append(text(75, 32, "ドライアイス", 15, "#3a6a90", weight="bold"))
    return "".join(o)


def water_tub():
    o = [panel(150, 150)]
    o.append(path("M24,64 L126,64 L116,128 L34,128 Z", "#c98b4e", INK, 3.5, stroke_linejoin="round"))
    for x in (48, 75, 102):
        o.append(line(x, 66, x - (x - 75) * 0.1, 126, "#8e5a2c", 2))
    o.append(rect(26, 78, 98, 7, "#888", INK, 2))
    o.append(rect(30, 108, 90, 7, "#888", INK, 2))
    o.append(ellipse(75, 64, 51, 11, "#5fb8f0", INK, 3.5))
    o.append(path("M50,62 q6,-4 12,0 M82,66 q6,-4 12,0", "none", WHITE, 2.2, stroke_linecap="round"))
    o.append(text(75, 32, "みず", 16, "#2a5f9a", weight="bold"))
    return "".join(o)


# --- vending machine front ----------------------------------------------------------

def vending_front():
    o = []
    o.append(rect(2, 2, 415, 209, "#e03a36", INK, 4, rx=12))
    o.append(rect(8, 8, 403, 12, "#ff7a70", rx=6))
    o.append(rect(16, 26, 387, 130, "#eaf7ff", INK, 3.5, rx=6))
    o.append(text(209, 48, "つめた〜い　のみもの", 17, "#2a5fb0", weight="bold"))
    colours = (("#1f5fe0", "#cfe6ff", "水"), ("#7fd3ff", "#eaffff", "サイダー"), ("#e83232", "#ffd8d8", "コーラ"))
    for i, (c, light, name) in enumerate(colours):
        x = 30 + i * 126
        o.append(rect(x, 56, 108, 92, c, INK, 3, rx=6))
        o.append(rect(x + 6, 62, 30, 80, WHITE, opacity=0.18, rx=4))
        if i == 0:
            o.append(group(characters.bottle_shape(2.4, 0.8, 0, cap="#1f5fe0"), x + 54, 96, 0.9))
        else:
            can = (rect(-18, -30, 36, 60, light, INK, 2.6, rx=5) + rect(-18, -30, 36, 8, "#c8ccd0", INK, 2, rx=3) +
                   rect(-18, -8, 36, 18, c, INK, 1.6) + rect(-12, -24, 6, 50, WHITE, opacity=0.5))
            o.append(group(can, x + 54, 100, 1.0))
        o.append(text(x + 54, 142, name, 13, WHITE, weight="bold", stroke=INK, sw=3))
    # buttons and the slot
    for i in range(3):
        x = 84 + i * 126
        o.append(rect(x - 14, 162, 28, 12, "#ffd23a", INK, 2, rx=4))
        o.append(circle(x + 22, 168, 3.5, "#7fff7a", INK, 1.2))
    o.append(rect(300, 182, 96, 22, "#333", INK, 2.5, rx=4))
    o.append(rect(316, 190, 64, 6, "#111", rx=3))
    o.append(rect(40, 184, 230, 20, "#2b1d14", INK, 2, rx=4))
    o.append(rect(44, 186, 222, 6, "#555", rx=3))
    return "".join(o)


# --- shoulder tapping ---------------------------------------------------------------

def fist():
    o = [circle(21, 21, 20, "#ffe14a", INK, 2), circle(21, 21, 16, "#fff3a0")]
    f = (path("M-12,-4 Q-12,-12 -4,-12 L8,-12 Q14,-12 14,-6 L14,8 Q14,14 6,14 L-6,14 Q-12,14 -12,8 Z", SKIN, INK, 2.2) +
         path("M-12,-4 L14,-4 M-4,-12 L-4,-4 M4,-12 L4,-4", "none", INK, 1.6) +
         path("M-12,2 Q-4,6 2,2", "none", INK, 1.6))
    o.append(group(f, 20, 22, 0.95))
    return "".join(o)


# --- trash cans and the LED -----------------------------------------------------------

def trash_can():
    return (rect(2.5, 5, 12, 12, "#9aa5ad", INK, 1.2) + line(6, 6.5, 6, 15.5, "#6d7880", 0.9) +
            line(11, 6.5, 11, 15.5, "#6d7880", 0.9) + rect(1, 2.5, 15, 3, "#c4ccd2", INK, 1.1, rx=1) +
            rect(7, 0.8, 3, 2, "#6d7880", INK, 0.8))


def led_photo():
    o = [f"<defs>{radial('glow', [(0, '#bff4ff', 1), (0.35, '#3aa8ff', 0.8), (1, '#0a1430', 0)])}</defs>"]
    o.append(rect(0, 0, 161, 369, "#0a1430"))
    o.append(rect(0, 300, 161, 69, "#141d3a"))
    o.append(circle(80, 110, 100, "url(#glow)"))
    # the legs, one longer than the other
    o.append(path("M66,196 L66,340", "none", "#c0c6cc", 7, stroke_linecap="round"))
    o.append(path("M94,196 L94,300 L104,310 L104,360", "none", "#c0c6cc", 7, stroke_linecap="round",
                  stroke_linejoin="round"))
    o.append(path("M66,196 L66,340", "none", "#6a747c", 2))
    # the dome
    o.append(path("M46,194 L46,112 Q46,70 80,70 Q114,70 114,112 L114,194 Z", "#5fc8ff", INK, 4))
    o.append(rect(40, 186, 80, 14, "#4fb0ef", INK, 4, rx=3))
    o.append(path("M58,180 L58,114 Q58,86 76,82", "none", WHITE, 8, stroke_linecap="round", opacity=0.85))
    o.append(path("M72,150 L72,170 L88,170 L88,150 Z", "#2a5f9a", INK, 2))
    o.append(circle(80, 112, 16, WHITE, opacity=0.9))
    for i in range(10):
        a = math.radians(i * 36)
        o.append(line(round(80 + 58 * math.cos(a), 1), round(112 + 58 * math.sin(a), 1),
                      round(80 + 78 * math.cos(a), 1), round(112 + 78 * math.sin(a), 1), "#bff4ff", 4,
                      opacity=0.8))
    return "".join(o)


# --- phone-line race -------------------------------------------------------------------

def phone_cord():
    o = []
    # the telephone
    o.append(path("M8,62 Q8,36 45,34 Q82,36 82,62 L86,80 L4,80 Z", "#d8332c", INK, 3, stroke_linejoin="round"))
    o.append(path("M4,30 Q4,14 20,14 L70,14 Q86,14 86,30 L86,36 L66,36 L64,28 L26,28 L24,36 L4,36 Z",
                  "#b8262b", INK, 3, stroke_linejoin="round"))
    o.append(circle(45, 58, 14, "#f4f0e8", INK, 2.5))
    for i in range(8):
        a = math.radians(i * 40 - 90)
        o.append(circle(round(45 + 9.5 * math.cos(a), 1), round(58 + 9.5 * math.sin(a), 1), 2, INK))
    o.append(circle(45, 58, 3.5, "#d8332c", INK, 1.5))
    # the curly cord
    pts = []
    for i in range(120):
        t = i / 119
        y = 80 + t * 132
        x = 45 + 10 * math.sin(t * 2 * math.pi * 11)
        pts.append((round(x + 4 * math.cos(t * 2 * math.pi * 11), 1), round(y, 1)))
    o.append(polyline(pts, INK, 4.5))
    o.append(polyline(pts, "#3a3a3a", 2.2))
    # scissors at the bottom, opened round the cord
    s = (path("M0,0 L-26,-30", "none", INK, 7, stroke_linecap="round") +
         path("M0,0 L-26,-30", "none", "#cfd6dc", 4, stroke_linecap="round") +
         path("M0,0 L26,-30", "none", INK, 7, stroke_linecap="round") +
         path("M0,0 L26,-30", "none", "#cfd6dc", 4, stroke_linecap="round") +
         circle(-14, 18, 11, "none", INK, 7) + circle(-14, 18, 11, "none", "#ff7a1a", 4) +
         circle(14, 18, 11, "none", INK, 7) + circle(14, 18, 11, "none", "#ff7a1a", 4) +
         circle(0, 0, 3, "#888", INK, 1.5))
    o.append(group(s, 45, 228, 1.0))
    return "".join(o)


# --- handcuff defence -------------------------------------------------------------------

def handcuffs():
    o = []
    for cx in (14, 38):
        o.append(circle(cx, 30, 11, "none", INK, 7.5))
        o.append(circle(cx, 30, 11, "none", "#c9d2da", 4.5))
        o.append(rect(cx - 5, 14, 10, 8, "#a9b4be", INK, 1.8, rx=2))
        o.append(path(f"M{cx - 6},26 Q{cx - 5},22 {cx - 2},21", "none", WHITE, 2, stroke_linecap="round"))
    for x in (21, 26, 31):
        o.append(ellipse(x, 17, 3, 2, "none", INK, 1.8))
    return "".join(o)


def pistol():
    o = []
    o.append(path("M6,14 L44,14 Q48,14 48,18 L48,22 L24,22 L22,26 L16,26 L14,42 Q14,44 11,44 L5,44 "
                  "Q3,44 3,41 L6,22 Z", "#555c66", INK, 2.4, stroke_linejoin="round"))
    o.append(rect(8, 10, 8, 5, "#444", INK, 1.6))
    o.append(rect(44, 11, 3, 4, "#444", INK, 1.2))
    o.append(path("M16,26 Q18,34 24,30 L24,22", "none", INK, 2))
    o.append(path("M6,30 L13,30 L12,42 L6,42 Z", "#8a5a32", INK, 1.4))
    o.append(line(9, 17, 40, 17, "#9aa4ae", 2))
    o.append(path("M49,17 L51,17", "none", "#ffd23a", 2))
    return "".join(o)


def hideout_shutter():
    return tiles.garage_house(WHITE)


def pictures():
    P = {
        "bottle_empty": (150, 150, bottle_stage(0, 0)),
        "water_tub": (150, 150, water_tub()),
        "vending_machine": (419, 213, vending_front()),
        "fist": (42, 42, fist()),
        "trash_can": (17, 18, trash_can()),
        "led_photo": (161, 369, led_photo()),
        "phone_cord": (90, 260, phone_cord()),
        "handcuffs": (52, 48, handcuffs()),
        "pistol": (52, 48, pistol()),
        "safe_house": (50, 50, tiles.house(WHITE)),
        "hideout_shutter": (50, 51, hideout_shutter()),
    }
    for k in range(1, 6):
        P[f"bottle_ice{k}"] = (150, 150, bottle_stage(k, 0))
        P[f"supply_ice{k}"] = (150, 150, supply_ice(k))
    for k, level in ((1, 0.2), (2, 0.5), (3, 0.92)):
        P[f"bottle_water{k}"] = (150, 150, bottle_stage(5, level))
    return P
