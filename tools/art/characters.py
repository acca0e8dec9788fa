"""The people of ZORBLAND besides the hero: the doctor, the ghost, the rival
ケンゾ, the construction worker, the bomb maker クロッパ, the shop owner
(ちゃぶろのおやじ), the friend's locomotive, the villain ザルバ and his boss
首領ポッチー, and the father. Each is drawn once as a function and reused
wherever he appears, so he looks the same in every scene and card.
"""

from svg import (INK, SKIN, SKIN_SHADE, CHEEK, HAIR, RED, RED_DARK, YELLOW, YELLOW_SHADE, BLUE,
                 BLUE_DARK, WHITE, GREEN, GREEN_DARK, FLOOR_WHITE, FLOOR_BROWN,
                 rect, circle, ellipse, path, poly, polyline, line, group, text, star_points)
import hero


def limb(d, colour, w, sw=4):
    return path(d, "none", INK, w + 2 * sw, stroke_linecap="round") + path(d, "none", colour, w, stroke_linecap="round")


def eye(x, y, rx=4, ry=5.5, glint=True):
    return ellipse(x, y, rx, ry, INK) + (circle(x + rx * 0.35, y - ry * 0.4, rx * 0.38, WHITE) if glint else "")


# --- the doctor ----------------------------------------------------------------

def doctor_figure(sw=3.4):
    o = []
    o.append(rect(-10, 42, 8, 12, "#555", INK, sw))
    o.append(rect(2, 42, 8, 12, "#555", INK, sw))
    o.append(path("M-14,53 Q-14,49 -8,49 L-2,49 L-2,57 L-14,57 Z", "#6b3b1a", INK, sw))
    o.append(path("M14,53 Q14,49 8,49 L2,49 L2,57 L14,57 Z", "#6b3b1a", INK, sw))
    o.append(limb("M-18,22 Q-26,32 -24,42", WHITE, 7, sw * 0.9))
    o.append(limb("M18,22 Q26,32 24,42", WHITE, 7, sw * 0.9))
    o.append(path("M-19,20 Q0,14 19,20 L20,46 L-20,46 Z", WHITE, INK, sw, stroke_linejoin="round"))
    o.append(path("M-5,17 L0,30 L5,17 Z", "#4d88d8", INK, sw * 0.6))
    o.append(line(0, 30, 0, 46, INK, sw * 0.6))
    o.append(rect(6, 30, 8, 6, "#dfe8f0", INK, sw * 0.6))
    o.append(circle(-25, 43, 4.5, "#f7cfa4", INK, sw * 0.8))
    o.append(circle(25, 43, 4.5, "#f7cfa4", INK, sw * 0.8))
    # head: bald crown, white side tufts, round glasses, big moustache
    o.append(path("M-26,-2 Q-36,-8 -30,-18 Q-26,-8 -22,-10 Z", "#f4f4f4", INK, sw * 0.8))
    o.append(path("M26,-2 Q36,-8 30,-18 Q26,-8 22,-10 Z", "#f4f4f4", INK, sw * 0.8))
    o.append(circle(0, -2, 25, "#f7cfa4", INK, sw))
    o.append(path("M-8,-22 Q0,-26 8,-22", "none", WHITE, 2.5, stroke_linecap="round", opacity=0.8))
    o.append(circle(-9, -2, 7, "#e8f6ff", INK, sw * 0.8))
    o.append(circle(9, -2, 7, "#e8f6ff", INK, sw * 0.8))
    o.append(line(-2, -2, 2, -2, INK, sw * 0.8))
    o.append(circle(-9, -1, 2.2, INK))
    o.append(circle(9, -1, 2.2, INK))
    o.append(path("M-14,10 Q-7,4 0,8 Q7,4 14,10 Q7,13 0,10 Q-7,13 -14,10 Z", "#f4f4f4", INK, sw * 0.7))
    o.append(path("M-4,15 Q0,18 4,15", "none", INK, sw * 0.6, stroke_linecap="round"))
    return "".join(o)


def doctor():
    return rect(0, 0, 50, 50, FLOOR_WHITE) + ellipse(24, 46, 12, 2.4, "#000", opacity=0.13) + group(doctor_figure(), 24, 22.5, 0.42)


# --- the ghost -----------------------------------------------------------------

def ghost():
    o = []
    # will-o'-the-wisps
    for (x, y, s) in ((26, 70, 1.0), (146, 48, 0.8), (140, 150, 0.7)):
        o.append(group(path("M0,14 Q-12,12 -10,0 Q-8,-10 0,-22 Q2,-10 10,-4 Q12,12 0,14 Z", "#7fd8ff", "#1f5f9a", 3) +
                       ellipse(0, 5, 5, 6, WHITE, opacity=0.8), x, y, s))
    body = ("M84,20 C128,20 146,58 146,106 C146,150 138,188 150,226 C132,218 128,248 112,236 "
            "C100,262 90,240 80,270 C70,246 56,262 50,238 C36,246 30,226 22,226 C36,188 24,150 24,106 "
            "C24,58 42,20 84,20 Z")
    o.append(path(body, "#f3f0ff", INK, 4.5, stroke_linejoin="round"))
    o.append(path("M120,34 C140,60 140,110 134,150 C130,186 136,206 146,222 C128,216 126,238 112,232 "
                  "C120,190 128,120 104,40 Z", "#c9c2ee", opacity=0.75))
    # arms reaching forward with drooping hands
    o.append(path("M40,130 Q10,140 8,162 Q18,156 22,166 Q28,152 44,150 Z", "#f3f0ff", INK, 4, stroke_linejoin="round"))
    o.append(path("M128,130 Q158,140 160,162 Q150,156 146,166 Q140,152 124,150 Z", "#f3f0ff", INK, 4, stroke_linejoin="round"))
    # the white triangle headband of the dead
    o.append(path("M58,46 Q84,38 110,46", "none", INK, 3))
    o.append(poly([(70, 44), (84, 22), (98, 44)], WHITE, INK, 3.5))
    # face: angry slanted eyes, fanged mouth
    o.append(path("M52,74 L76,84 L74,96 Q58,98 52,86 Z", WHITE, INK, 3.5, stroke_linejoin="round"))
    o.append(path("M116,74 L92,84 L94,96 Q110,98 116,86 Z", WHITE, INK, 3.5, stroke_linejoin="round"))
    o.append(circle(68, 89, 5, "#d01a2a"))
    o.append(circle(100, 89, 5, "#d01a2a"))
    o.append(circle(69, 88, 1.8, WHITE))
    o.append(circle(101, 88, 1.8, WHITE))
    o.append(path("M62,116 Q84,148 106,116 Q84,124 62,116 Z", "#4a1530", INK, 4, stroke_linejoin="round"))
    o.append(poly([(70, 119), (74, 130), (78, 121)], WHITE, INK, 1.6))
    o.append(poly([(90, 121), (94, 130), (98, 119)], WHITE, INK, 1.6))
    o.append(ellipse(84, 134, 7, 3.5, "#e0607a"))
    o.append(ellipse(52, 108, 7, 4, "#b9a8ff", opacity=0.7))
    o.append(ellipse(116, 108, 7, 4, "#b9a8ff", opacity=0.7))
    return "".join(o)


# --- the rival ケンゾ ------------------------------------------------------------

KENZO_JACKET = "#2f9a58"


def kenzo_head(expr="grin", sw=3.0):
    o = []
    o.append(poly([(-32, 2), (-42, -6), (-33, -12), (-40, -26), (-24, -24), (24, -24), (40, -26), (33, -12),
                   (42, -6), (32, 2)], "#7a4a22", INK, sw))
    o.append(circle(-30, 5, 6, SKIN, INK, sw))
    o.append(circle(30, 5, 6, SKIN, INK, sw))
    o.append(circle(0, 0, 30, SKIN, INK, sw))
    o.append(path("M18,-20 A30,30 0 0 1 8,28.9 A34,34 0 0 0 18,-20 Z", SKIN_SHADE, opacity=0.55))
    # cap worn backwards: crown plus the peak sticking out behind on the left
    o.append(path("M-31,-6 Q-30,-34 0,-36 Q30,-34 31,-6 Q0,-16 -31,-6 Z", "#2563c9", INK, sw))
    o.append(path("M-28,-10 Q-46,-12 -52,-4 Q-40,-2 -30,-4 Z", "#1d4ea3", INK, sw, stroke_linejoin="round"))
    o.append(path("M-14,-30 Q0,-33 14,-30", "none", "#6c9bff", sw * 0.9, stroke_linecap="round"))
    o.append(circle(0, -35, 3, "#1d4ea3", INK, sw * 0.6))
    # brown fringe under the cap
    o.append(path("M-28,-8 L-22,2 L-18,-6 L-10,3 L-6,-8 L2,2 L6,-8 L14,2 L18,-7 L24,1 L28,-8 Q0,-15 -28,-8 Z",
                  "#7a4a22", INK, sw * 0.8, stroke_linejoin="round"))
    o.append(eye(-11, 6, 4, 5.2))
    o.append(eye(11, 6, 4, 5.2))
    o.append(path("M-17,-3 L-5,-1", "none", INK, sw * 1.1, stroke_linecap="round"))
    o.append(path("M17,-5 L5,-1", "none", INK, sw * 1.1, stroke_linecap="round"))
    o.append(path("M-1,10 Q1,13 -1,14", "none", INK, sw * 0.6))
    if expr == "grin":
        o.append(path("M-10,17 Q2,28 12,15 Q2,19 -10,17 Z", WHITE, INK, sw * 0.8, stroke_linejoin="round"))
    else:
        o.append(path("M-8,19 Q0,16 8,19", "none", INK, sw, stroke_linecap="round"))
    o.append(path("M16,12 l3,-2 M19,14 l3,-2", "none", "#b07040", sw * 0.6, stroke_linecap="round"))
    o.append(rect(-20, 12, 6, 2, "#e8a0a0", opacity=0.7))
    return "".join(o)


def salmon_fish(sw=3.0):
    """A salmon lying along the x axis, head to the right, about 146 × 49."""
    o = []
    o.append(path("M14,24 L0,6 L4,24 L0,42 Z", "#e0705a", INK, sw, stroke_linejoin="round"))
    o.append(path("M12,24 Q40,4 96,8 Q130,10 142,24 Q130,40 96,42 Q40,44 12,24 Z", "#f08a6e", INK, sw,
                  stroke_linejoin="round"))
    o.append(path("M20,26 Q60,38 100,38 Q128,36 140,26 Q128,40 96,42 Q40,44 14,26 Z", "#fde4d6"))
    o.append(path("M30,18 Q70,8 110,14", "none", "#c4503e", sw * 0.8, stroke_dasharray="4 6", stroke_linecap="round"))
    o.append(path("M106,12 Q102,24 108,38", "none", INK, sw * 0.8))
    o.append(path("M60,9 L70,2 L82,8 Z", "#e0705a", INK, sw * 0.8, stroke_linejoin="round"))
    o.append(circle(124, 20, 4, WHITE, INK, sw * 0.6))
    o.append(circle(125, 20, 2, INK))
    o.append(path("M138,27 L130,29", "none", INK, sw * 0.7, stroke_linecap="round"))
    return "".join(o)


def kenzo_full():
    """263 × 367: ケンゾ with a big salmon over his shoulder."""
    o = []
    o.append(ellipse(132, 354, 90, 10, "#000", opacity=0.2))
    o.append(limb("M104,246 L92,322", "#3c5a9a", 28))
    o.append(limb("M156,246 L172,322", "#3c5a9a", 28))
    for x, flip in ((86, False), (178, True)):
        d = "M-16,-8 L10,-8 Q26,-4 26,8 L26,12 L-20,12 Z"
        o.append(group(path(d, WHITE, INK, 4, stroke_linejoin="round") + rect(-20, 8, 46, 6, "#2563c9", INK, 3),
                       x, 332, 1, flip=flip))
    o.append(path("M84,210 L178,210 L184,262 L136,262 L130,246 L124,262 L78,262 Z", "#3c5a9a", INK, 4, stroke_linejoin="round"))
    # jacket
    o.append(limb("M80,150 Q54,186 70,224", KENZO_JACKET, 26))
    o.append(path("M78,146 Q132,124 186,146 L190,216 L74,216 Z", KENZO_JACKET, INK, 4, stroke_linejoin="round"))
    o.append(path("M116,140 L132,216 L148,140 Z", WHITE, INK, 3.5))
    o.append(path("M160,140 Q180,146 186,150 L188,214 L166,214 Z", "#23784a", opacity=0.6))
    o.append(circle(72, 228, 14, SKIN, INK, 4))
    # the salmon, held by its tail at shoulder height, hangs down his right side
    o.append(limb("M184,152 Q222,160 214,122", KENZO_JACKET, 26))
    o.append(group(salmon_fish(3.4), 242, 108, 1.05, rot=96))
    o.append(circle(214, 116, 15, SKIN, INK, 4))
    o.append(path("M204,112 Q214,106 224,112", "none", INK, 3))
    o.append(group(kenzo_head("grin", 3.2), 132, 84, 1.65))
    return "".join(o)


# --- the construction worker ---------------------------------------------------

def worker_head(sw=3.0):
    o = []
    o.append(circle(-31, 6, 6, "#f0c090", INK, sw))
    o.append(circle(31, 6, 6, "#f0c090", INK, sw))
    o.append(path("M-30,0 Q-30,34 0,36 Q30,34 30,0 Q30,-24 0,-24 Q-30,-24 -30,0 Z", "#f0c090", INK, sw))
    o.append(path("M-26,14 Q-20,34 0,35 Q20,34 26,14 Q14,24 0,24 Q-14,24 -26,14 Z", "#8a7a70", opacity=0.45))
    # hard hat
    o.append(path("M-30,-6 Q-30,-38 0,-40 Q30,-38 30,-6 Z", "#ffcc1a", INK, sw))
    o.append(rect(-40, -10, 80, 8, "#ffcc1a", INK, sw, rx=4))
    o.append(path("M-4,-39 L-4,-10 M4,-39 L4,-10", "none", "#e0a800", sw))
    o.append(path("M-18,-30 Q-10,-36 -2,-37", "none", "#fff0a0", sw, stroke_linecap="round"))
    o.append(rect(-12, -26, 24, 10, WHITE, INK, sw * 0.6, rx=2))
    o.append(text(0, -18, "安全", 8.5, "#2a7a2a", weight="bold"))
    o.append(path("M-18,1 L-6,4", "none", INK, sw * 1.3, stroke_linecap="round"))
    o.append(path("M18,1 L6,4", "none", INK, sw * 1.3, stroke_linecap="round"))
    o.append(eye(-11, 9, 3.2, 4))
    o.append(eye(11, 9, 3.2, 4))
    o.append(ellipse(0, 16, 5, 4, "#e8a070", INK, sw * 0.6))
    o.append(path("M-16,22 Q-8,18 0,21 Q8,18 16,22 Q8,27 0,24 Q-8,27 -16,22 Z", "#4a3020", INK, sw * 0.6))
    o.append(path("M-6,29 Q0,27 6,29", "none", INK, sw * 0.8, stroke_linecap="round"))
    return "".join(o)


def wrench_shape(sw=3.0):
    """A wrench along the y axis, about 70 × 92, jaw at the top."""
    o = []
    o.append(path("M28,4 Q12,6 10,22 Q10,32 20,36 L24,84 Q25,90 35,90 Q45,90 46,84 L50,36 Q60,32 60,22 "
                  "Q58,6 42,4 L42,20 L28,20 Z", "#b9c3cc", INK, sw, stroke_linejoin="round"))
    o.append(path("M30,40 L33,82 L38,82 L40,40 Z", "#8b97a2"))
    o.append(path("M16,16 Q18,10 24,8", "none", WHITE, sw, stroke_linecap="round"))
    o.append(circle(35, 80, 4, "#8b97a2", INK, sw * 0.6))
    return "".join(o)


def worker():
    """285 × 270: the construction worker, a wrench raised to throw."""
    o = []
    o.append(ellipse(142, 262, 110, 8, "#000", opacity=0.18))
    # raised arm with the wrench, behind the body
    o.append(group(wrench_shape(3.4), 206, 16, 1.0, rot=20))
    o.append(limb("M204,150 Q236,120 226,84", "#3a5fa8", 30))
    o.append(circle(224, 84, 17, "#f0c090", INK, 4))
    # body: blue overalls, orange vest with reflective stripes
    o.append(path("M66,262 L70,168 Q142,140 214,168 L218,262 Z", "#3a5fa8", INK, 4, stroke_linejoin="round"))
    o.append(path("M80,262 L84,170 Q142,150 200,170 L204,262 L170,262 L166,200 L118,200 L114,262 Z",
                  "#ff7a1a", INK, 4, stroke_linejoin="round"))
    o.append(rect(84, 214, 34, 10, "#eef6ff", INK, 2))
    o.append(rect(166, 214, 36, 10, "#eef6ff", INK, 2))
    o.append(rect(124, 206, 36, 30, "#3a5fa8", INK, 3))
    o.append(rect(132, 214, 20, 12, "#2a4f98", INK, 2))
    o.append(limb("M80,172 Q50,212 66,252", "#3a5fa8", 30))
    o.append(circle(68, 250, 16, "#f0c090", INK, 4))
    o.append(group(worker_head(3.0), 142, 106, 2.0))
    return "".join(o)


# --- クロッパ, the bomb maker ------------------------------------------------------

def croppa_head(sw=3.0):
    o = []
    o.append(poly([(-32, 0), (-46, -10), (-32, -16), (-44, -34), (-22, -28), (-20, -52), (-6, -34), (2, -58),
                   (12, -34), (24, -54), (26, -30), (46, -36), (34, -16), (48, -8), (32, 2)],
                  "#ff7a1a", INK, sw))
    o.append(circle(-29, 6, 6, SKIN, INK, sw))
    o.append(circle(29, 6, 6, SKIN, INK, sw))
    o.append(path("M-28,-4 Q-28,32 0,34 Q28,32 28,-4 Q28,-26 0,-26 Q-28,-26 -28,-4 Z", SKIN, INK, sw))
    # goggles pushed up on the forehead
    o.append(rect(-28, -22, 56, 6, "#444", INK, sw * 0.6))
    o.append(circle(-11, -19, 8, "#9fe0ff", INK, sw))
    o.append(circle(11, -19, 8, "#9fe0ff", INK, sw))
    o.append(path("M-14,-22 Q-11,-24 -8,-22 M8,-22 Q11,-24 14,-22", "none", WHITE, sw * 0.8))
    o.append(path("M-18,-6 L-5,-3", "none", INK, sw * 1.1, stroke_linecap="round"))
    o.append(path("M18,-6 L5,-3", "none", INK, sw * 1.1, stroke_linecap="round"))
    o.append(eye(-11, 4, 3.5, 5))
    o.append(eye(11, 4, 3.5, 5))
    o.append(path("M-1,9 Q2,13 -1,14", "none", INK, sw * 0.6))
    o.append(path("M-13,18 Q0,30 13,18 Z", WHITE, INK, sw * 0.8, stroke_linejoin="round"))
    o.append(path("M-13,18 L13,18", "none", INK, sw * 0.6))
    o.append(path("M-6,18 L-6,22 M0,18 L0,24 M6,18 L6,22", "none", INK, sw * 0.5))
    o.append(ellipse(-19, 12, 4, 2.5, CHEEK, opacity=0.6))
    return "".join(o)


def bottle_shape(sw=3.0, water=0.5, ice=0, cap=RED):
    """A plastic drinks bottle centred on x = 0, bottom at y = 36, about 40 × 80."""
    o = []
    outline = "M-9,-34 L9,-34 L9,-26 Q20,-20 20,-6 L20,30 Q20,36 14,36 L-14,36 Q-20,36 -20,30 L-20,-6 Q-20,-20 -9,-26 Z"
    o.append(path(outline, "#e6f6ff", INK, sw))
    if water > 0:
        top = 33 - water * 52
        o.append(path(f"M-17,{top:.1f} L17,{top:.1f} L17,30 Q17,33 14,33 L-14,33 Q-17,33 -17,30 Z", "#6cc0f4"))
        o.append(path(f"M-17,{top:.1f} Q0,{top - 3:.1f} 17,{top:.1f}", "none", "#b6e4ff", 1.6))
    for i in range(ice):
        x = (-9, 6, -3, 9, -10)[i]
        y = (27, 27, 19, 15, 12)[i]
        o.append(rect(x - 5, y - 5, 10, 9, "#f4fbff", "#6b8aa0", 1.4, rx=2,
                      transform=f"rotate({(12, -10, 20, -18, 6)[i]} {x} {y})"))
    o.append(path("M-13,-14 L-13,24", "none", WHITE, 3.5, stroke_linecap="round", opacity=0.85))
    o.append(rect(-10, -42, 20, 9, cap, INK, sw * 0.8, rx=2))
    o.append(line(-10, -28, 10, -28, INK, sw * 0.6))
    return "".join(o)


def croppa():
    """183 × 292: a spiky-haired man holding a bottle."""
    o = []
    o.append(ellipse(92, 284, 70, 7, "#000", opacity=0.2))
    o.append(limb("M74,208 L68,272", "#5a4a3a", 22))
    o.append(limb("M110,208 L118,272", "#5a4a3a", 22))
    o.append(path("M50,270 Q50,262 62,262 L78,262 L78,282 L48,282 Z", "#333", INK, 3.5))
    o.append(path("M136,270 Q136,262 124,262 L108,262 L108,282 L138,282 Z", "#333", INK, 3.5))
    # lab coat
    o.append(path("M50,132 Q92,116 134,132 L144,226 L40,226 Z", "#f4f4ea", INK, 4, stroke_linejoin="round"))
    o.append(path("M112,126 L134,132 L144,224 L122,224 Z", "#d8d8c8", opacity=0.7))
    o.append(path("M80,126 L92,170 L104,126", "none", INK, 3))
    o.append(path("M84,128 L92,156 L100,128 Z", "#7a3fb0"))
    o.append(line(92, 170, 92, 226, INK, 3))
    o.append(rect(104, 176, 24, 14, "#e8e8da", INK, 2.5))
    o.append(limb("M54,140 Q30,180 44,214", "#f4f4ea", 22))
    o.append(circle(46, 214, 12, SKIN, INK, 3.5))
    # the bottle held up in the right hand
    o.append(group(bottle_shape(3.4, 0.55, 3), 154, 80, 0.85, rot=14))
    o.append(limb("M130,140 Q160,142 158,112", "#f4f4ea", 22))
    o.append(circle(156, 108, 13, SKIN, INK, 3.5))
    o.append(group(croppa_head(3.0), 92, 78, 1.35))
    return "".join(o)


# --- the shop owner, ちゃぶろのおやじ --------------------------------------------------

def owner_head(expr="angry", sw=3.0):
    o = []
    o.append(circle(-31, 4, 6.5, "#f2c49a", INK, sw))
    o.append(circle(31, 4, 6.5, "#f2c49a", INK, sw))
    o.append(path("M-31,-2 Q-31,34 0,34 Q31,34 31,-2 Q31,-32 0,-32 Q-31,-32 -31,-2 Z", "#f2c49a", INK, sw))
    o.append(path("M-8,-26 Q4,-30 14,-26", "none", "#fff2dc", sw * 1.2, stroke_linecap="round"))
    # side hair and the twisted headband
    o.append(path("M-31,-4 Q-34,-16 -26,-20 L-24,-6 Z", "#555", INK, sw * 0.7))
    o.append(path("M31,-4 Q34,-16 26,-20 L24,-6 Z", "#555", INK, sw * 0.7))
    o.append(path("M-32,-12 Q0,-22 32,-12 L32,-5 Q0,-15 -32,-5 Z", WHITE, INK, sw))
    o.append(path("M-24,-12 L-20,-16 M-12,-15 L-8,-18 M0,-16 L4,-19 M12,-15 L16,-17 M22,-12 L26,-15",
                  "none", "#cc3030", sw * 0.7))
    o.append(path("M32,-9 L44,-16 L42,-6 Z M32,-8 L42,0 L34,2 Z", WHITE, INK, sw * 0.8, stroke_linejoin="round"))
    if expr == "angry":
        o.append(path("M-20,-2 L-5,4", "none", INK, sw * 1.6, stroke_linecap="round"))
        o.append(path("M20,-2 L5,4", "none", INK, sw * 1.6, stroke_linecap="round"))
        o.append(path("M-16,6 L-6,8 L-8,12 Q-14,12 -16,6 Z", WHITE, INK, sw * 0.8))
        o.append(path("M16,6 L6,8 L8,12 Q14,12 16,6 Z", WHITE, INK, sw * 0.8))
        o.append(circle(-10, 9, 1.8, INK))
        o.append(circle(10, 9, 1.8, INK))
        o.append(path("M-12,24 Q0,14 12,24 Q0,30 -12,24 Z", "#8a1f28", INK, sw * 0.8))
        o.append(path("M-10,23 L10,23", "none", WHITE, sw * 0.8))
        # anger mark
        o.append(path("M12,-27 Q16,-23 12,-20 M24,-27 Q20,-23 24,-20 M14,-29 Q18,-25 22,-29 M14,-18 Q18,-22 22,-18",
                      "none", "#e02020", sw * 0.9, stroke_linecap="round"))
    else:
        o.append(path("M-16,2 Q-10,-1 -5,2 M16,2 Q10,-1 5,2", "none", INK, sw, stroke_linecap="round"))
        o.append(eye(-10, 8, 3, 4))
        o.append(eye(10, 8, 3, 4))
        o.append(path("M-8,24 Q0,20 8,24", "none", INK, sw, stroke_linecap="round"))
    o.append(ellipse(0, 15, 5, 4, "#e8a070", INK, sw * 0.6))
    o.append(path("M-16,19 Q-8,16 0,19 Q8,16 16,19 Q8,22 0,21 Q-8,22 -16,19 Z", "#555", INK, sw * 0.6))
    return "".join(o)


def shop_owner_angry():
    """357 × 373: the shop owner raising both fists."""
    o = []
    o.append(ellipse(178, 364, 130, 8, "#000", opacity=0.15))
    # apron body
    o.append(path("M86,372 L92,214 Q178,184 264,214 L270,372 Z", "#6e8fb0", INK, 4.5, stroke_linejoin="round"))
    o.append(path("M118,372 L122,238 L234,238 L238,372 Z", "#2d4a80", INK, 4))
    o.append(text(178, 300, "ちゃぶろ", 26, WHITE, weight="bold"))
    o.append(path("M118,238 Q178,226 234,238", "none", INK, 3))
    # arms up with fists
    for sx in (-1, 1):
        x0 = 178 + sx * 80
        o.append(limb(f"M{x0},{224} Q{178 + sx * 140},{200} {178 + sx * 132},{96}", "#6e8fb0", 36, 4.5))
        fx, fy = 178 + sx * 130, 80
        o.append(circle(fx, fy, 28, "#f2c49a", INK, 4.5))
        o.append(path(f"M{fx - 20},{fy - 6} Q{fx},{fy - 14} {fx + 20},{fy - 6} M{fx - 20},{fy + 6} Q{fx},{fy - 2} {fx + 20},{fy + 6}",
                      "none", INK, 3))
        for k in range(3):
            a = -60 + k * 30
            o.append(line(fx + sx * 32, fy - 30 + k * 14, fx + sx * 48, fy - 40 + k * 16, INK, 3.5))
    o.append(group(owner_head("angry", 3.0), 178, 140, 2.55))
    return "".join(o)


# --- the friend's locomotive ------------------------------------------------------

def friend_face(sw=3.0):
    o = []
    o.append(circle(0, 0, 30, "#ffe1c4", INK, sw))
    o.append(path("M-28,-10 Q-24,-30 0,-31 Q24,-30 28,-10 Q18,-20 8,-16 Q0,-24 -8,-16 Q-18,-20 -28,-10 Z",
                  "#3b2a1a", INK, sw * 0.8, stroke_linejoin="round"))
    o.append(circle(-11, 2, 7.5, "#eaf6ff", INK, sw * 0.9))
    o.append(circle(11, 2, 7.5, "#eaf6ff", INK, sw * 0.9))
    o.append(line(-3.5, 2, 3.5, 2, INK, sw * 0.8))
    o.append(circle(-11, 3, 2.6, INK))
    o.append(circle(11, 3, 2.6, INK))
    for x, y in ((-18, 12), (-15, 14), (15, 14), (18, 12)):
        o.append(circle(x, y, 1.1, "#c77a4a"))
    o.append(path("M-9,16 Q0,25 9,16 Q0,19 -9,16 Z", "#c93a3a", INK, sw * 0.7))
    return "".join(o)


def locomotive(sw=5.0):
    """The friend: a small locomotive seen from the front, his face on the
    boiler door. Drawn in a 384 × 405 box."""
    o = []
    o.append(ellipse(192, 392, 170, 12, "#000", opacity=0.2))
    # cab behind
    o.append(rect(70, 70, 244, 230, "#2f6fd0", INK, sw, rx=12))
    o.append(rect(58, 52, 268, 30, "#243a66", INK, sw, rx=8))
    o.append(rect(92, 98, 56, 56, "#cfeaff", INK, sw, rx=6))
    o.append(rect(236, 98, 56, 56, "#cfeaff", INK, sw, rx=6))
    # chimney
    o.append(path("M166,40 L218,40 L210,116 L174,116 Z", "#333", INK, sw, stroke_linejoin="round"))
    o.append(rect(156, 26, 72, 20, "#444", INK, sw, rx=5))
    for (x, y, r) in ((200, 10, 14), (226, -2, 10), (176, 4, 9)):
        o.append(circle(x, y, r, "#f4f4f4", "#9aa", 3))
    # buffer beam, wheels
    o.append(rect(34, 300, 316, 40, "#d8332c", INK, sw, rx=6))
    for x in (58, 326):
        o.append(circle(x, 320, 16, "#333", INK, sw))
    for x in (92, 292):
        o.append(circle(x, 356, 30, "#d8332c", INK, sw))
        o.append(circle(x, 356, 10, "#ffd23a", INK, 3))
    o.append(path("M150,340 L192,372 L234,340 Z", "#666", INK, sw, stroke_linejoin="round"))
    # boiler front with the face
    o.append(circle(192, 200, 112, "#3c7ee0", INK, sw))
    o.append(circle(192, 200, 98, "#d9e4ef", INK, sw * 0.8))
    o.append(path("M130,118 Q160,102 196,102", "none", "#9cc4ff", sw * 1.4, stroke_linecap="round"))
    for a in range(8):
        import math
        x = 192 + 105 * math.cos(math.radians(a * 45 + 22.5))
        y = 200 + 105 * math.sin(math.radians(a * 45 + 22.5))
        o.append(circle(round(x, 1), round(y, 1), 5, "#ffd23a", INK, 2))
    o.append(group(friend_face(3.2), 192, 204, 2.9))
    o.append(circle(192, 96, 14, "#fff6a0", INK, sw * 0.8))
    return "".join(o)


def friend_at(w, h, bg=None):
    s = min(w / 384, h / 405)
    body = rect(0, 0, w, h, bg) if bg else ""
    return body + group(locomotive(5.0 if s > 0.5 else 6.5), (w - 384 * s) / 2, (h - 405 * s) / 2, round(s, 4))


# --- ザルバ, the villain ------------------------------------------------------------

ZSKIN = "#c9d9b8"
ZHAIR = "#5a2a80"


def zaruba_head(expr="angry", sw=3.0):
    o = []
    # slicked purple hair sweeping back into points
    o.append(path("M-34,8 Q-44,-10 -40,-30 L-50,-40 Q-30,-44 -20,-38 Q-6,-54 14,-46 Q30,-52 50,-40 "
                  "L40,-30 Q44,-10 34,8 Z", ZHAIR, INK, sw, stroke_linejoin="round"))
    o.append(path("M-30,4 L-38,-8 L-30,-6 Z M30,4 L38,-8 L30,-6 Z", ZSKIN, INK, sw * 0.8))
    o.append(path("M-30,-6 Q-30,34 0,40 Q30,34 30,-6 Q30,-28 0,-28 Q-30,-28 -30,-6 Z", ZSKIN, INK, sw))
    o.append(path("M16,-24 Q30,-12 28,10 Q24,30 4,39 Q22,20 16,-24 Z", "#a8bd98", opacity=0.8))
    # widow's peak
    o.append(path("M-30,-8 Q-26,-26 0,-28 Q26,-26 30,-8 Q16,-18 0,-6 Q-16,-18 -30,-8 Z", ZHAIR, INK, sw * 0.8))
    if expr == "punched":
        o.append(path("M-18,2 L-6,8 M-18,8 L-6,2", "none", INK, sw * 1.2, stroke_linecap="round"))
        o.append(path("M18,0 Q12,-2 6,2", "none", INK, sw * 1.2, stroke_linecap="round"))
        o.append(ellipse(12, 7, 4, 3, "#ffe04a", INK, sw * 0.6))
        o.append(ellipse(1, 27, 8, 7, "#5a1020", INK, sw * 0.8, transform="rotate(-15 1 27)"))
        o.append(poly([(-3, 21), (0, 26), (3, 21)], WHITE))
    else:
        o.append(path("M-22,-4 L-4,4", "none", INK, sw * 1.5, stroke_linecap="round"))
        o.append(path("M22,-4 L4,4", "none", INK, sw * 1.5, stroke_linecap="round"))
        o.append(path("M-19,4 L-5,8 Q-8,14 -14,13 Q-19,10 -19,4 Z", "#fff6c0", INK, sw * 0.8))
        o.append(path("M19,4 L5,8 Q8,14 14,13 Q19,10 19,4 Z", "#fff6c0", INK, sw * 0.8))
        o.append(circle(-10, 9, 2.2, "#d01020"))
        o.append(circle(10, 9, 2.2, "#d01020"))
        o.append(path("M-12,26 Q0,20 12,26 L9,31 Q0,28 -9,31 Z", "#3a0a18", INK, sw * 0.8, stroke_linejoin="round"))
        o.append(poly([(-8, 25.5), (-6, 30), (-4, 24.5)], WHITE))
        o.append(poly([(4, 24.5), (6, 30), (8, 25.5)], WHITE))
    o.append(path("M0,10 L-3,19 L2,19", "none", INK, sw * 0.7, stroke_linejoin="round"))
    o.append(path("M-14,21 Q-8,18 -2,20 M14,21 Q8,18 2,20", "none", INK, sw * 0.9, stroke_linecap="round"))
    o.append(path("M20,-2 L25,14", "none", "#8a3a3a", sw * 0.9, stroke_linecap="round"))
    o.append(path("M19,4 L26,5 M20,9 L26,10", "none", "#8a3a3a", sw * 0.6))
    return "".join(o)


def zaruba_bust(expr="angry", sw=4.0):
    """Head and caped shoulders, head centre at (0, 0), face radius 30 × s."""
    o = []
    o.append(path("M-80,120 Q-84,60 -40,44 L40,44 Q84,60 80,120 Z", "#1f1a2a", INK, sw, stroke_linejoin="round"))
    o.append(path("M-46,44 L-60,4 L-30,30 Z M46,44 L60,4 L30,30 Z", "#b0102a", INK, sw, stroke_linejoin="round"))
    o.append(path("M-20,40 L0,70 L20,40 Z", "#ffd23a", INK, sw * 0.8))
    o.append(circle(0, 52, 6, "#d01020", INK, sw * 0.6))
    o.append(zaruba_head(expr, 3.0))
    return "".join(o)


def balloon(x, y, w, h, tail_to, sw=4):
    """A white speech balloon with its tail on the left side, pointing at tail_to."""
    tx, ty = tail_to
    y0, y1 = y + h * 0.42, y + h * 0.62
    return (path(f"M{x + 8},{y0:.1f} L{tx},{ty} L{x + 8},{y1:.1f} Z", WHITE, INK, sw, stroke_linejoin="round") +
            rect(x, y, w, h, WHITE, INK, sw, rx=28) +
            path(f"M{x + sw / 2 + 1},{y0 + sw:.1f} L{x + sw / 2 + 1},{y1 - sw:.1f}", "none", WHITE, sw * 1.6))


def zaruba_ambush():
    """521 × 194: ザルバ's angry face on the left, an empty balloon on the right."""
    o = [rect(0, 0, 521, 194, "#2a1838")]
    for i in range(14):
        import math
        a = math.radians(i * 360 / 14)
        x = 130 + 300 * math.cos(a)
        y = 97 + 300 * math.sin(a)
        b = math.radians(i * 360 / 14 + 9)
        o.append(poly([(130, 97), (round(x, 1), round(y, 1)),
                       (round(130 + 300 * math.cos(b), 1), round(97 + 300 * math.sin(b), 1))], "#4a2560"))
    o.append(group(zaruba_bust("angry"), 130, 92, 1.6))
    o.append(balloon(262, 6, 252, 182, (226, 130)))
    return "".join(o)


def zaruba_face():
    return rect(0, 0, 50, 50, WHITE) + group(zaruba_head("angry", 3.6), 25, 28, 0.46)


def zaruba_punched():
    """511 × 267: the hero's fist lands on ザルバ's cheek."""
    o = [rect(0, 0, 511, 267, "#ffef4a")]
    for i in range(18):
        import math
        a = math.radians(i * 20)
        b = math.radians(i * 20 + 8)
        o.append(poly([(250, 120), (round(250 + 400 * math.cos(a), 1), round(120 + 400 * math.sin(a), 1)),
                       (round(250 + 400 * math.cos(b), 1), round(120 + 400 * math.sin(b), 1))], "#ffd21a"))
    # ザルバ reeling back to the left
    o.append(group(zaruba_bust("punched", 4.0), 150, 128, 1.7, rot=-16))
    # impact star
    o.append(poly(star_points(250, 110, 58, 24, 10, jitter=(1, 1, 0.8, 1, 1.15, 1, 0.9, 1)), WHITE, INK, 4))
    o.append(poly(star_points(250, 110, 36, 16, 10), "#ff6a3a"))
    # the hero's arm and fist from the right
    o.append(limb("M520,176 Q420,150 300,120", SKIN, 40, 4.5))
    o.append(path("M530,150 Q500,140 470,146 L478,196 Q500,196 530,204 Z", YELLOW, INK, 4.5, stroke_linejoin="round"))
    o.append(circle(292, 116, 34, SKIN, INK, 4.5))
    o.append(path("M270,100 Q282,92 296,96 M266,116 Q280,108 294,112 M268,132 Q280,124 292,128", "none", INK, 3.5,
                  stroke_linecap="round"))
    for y in (70, 96, 150):
        o.append(line(350, y, 430, y - 8, WHITE, 6))
    o.append(text(420, 60, "ドカッ！", 42, RED, weight="bold", stroke=INK, sw=6))
    return "".join(o)


# --- 首領ポッチー, the boss ------------------------------------------------------------

BOSS = {
    "skin": "#f4c9a0", "shade": "#dca274", "hair": "#3a3a44", "suit": "#5b2a8c", "suit_shade": "#43206a",
    "shirt": "#ffffff", "tie": "#d8332c", "gold": "#ffcc33", "ink": INK, "band": RED, "lips": "#a83a3a",
}
SILHOUETTE = {k: "#e8141c" for k in BOSS}
SILHOUETTE["ink"] = "#8a0008"


def boss(c=BOSS, sw=4.0):
    """Head and shoulders of the boss in a 173 × 192 box: a big, heavy
    version of the hero's spiky hair and red headband, dark sunglasses,
    a bristling moustache, a purple suit and a gold chain."""
    ink = c["ink"]
    o = []
    # suit
    o.append(path("M4,192 Q6,142 50,128 L123,128 Q167,142 169,192 Z", c["suit"], ink, sw, stroke_linejoin="round"))
    o.append(path("M123,128 Q160,140 166,192 L140,192 Z", c["suit_shade"], opacity=0.8))
    o.append(path("M62,128 L86,178 L111,128 Z", c["shirt"], ink, sw * 0.8, stroke_linejoin="round"))
    o.append(path("M80,136 L86,172 L92,136 Z", c["tie"], ink, sw * 0.6))
    o.append(path("M50,128 L78,170 L62,128 Z M123,128 L95,170 L111,128 Z", c["suit_shade"], ink, sw * 0.7))
    o.append(path("M56,140 Q86,172 117,140", "none", c["gold"], 5, stroke_linecap="round"))
    o.append(path("M56,140 Q86,172 117,140", "none", ink, 1.2, stroke_dasharray="2 4"))
    # spiky hair behind
    o.append(poly([(30, 76), (12, 60), (28, 52), (14, 28), (40, 32), (42, 6), (62, 24), (80, 0), (94, 22),
                   (116, 4), (124, 30), (152, 24), (140, 50), (160, 62), (142, 78)], c["hair"], ink, sw))
    # ears and face
    o.append(circle(30, 84, 10, c["skin"], ink, sw))
    o.append(circle(143, 84, 10, c["skin"], ink, sw))
    o.append(path("M34,70 Q32,132 86,134 Q141,132 139,70 Q138,40 86,38 Q34,40 34,70 Z", c["skin"], ink, sw))
    o.append(path("M120,50 Q142,74 132,104 Q122,128 96,133 Q132,104 120,50 Z", c["shade"], opacity=0.6))
    # headband like the hero's
    o.append(path("M34,62 Q86,42 139,62 L140,74 Q86,54 33,74 Z", c["band"], ink, sw))
    o.append(path("M140,64 L160,54 L156,70 Z M140,70 L158,82 L144,82 Z", c["band"], ink, sw * 0.8, stroke_linejoin="round"))
    # sunglasses
    o.append(path("M40,84 Q60,78 82,84 Q82,104 62,106 Q42,104 40,84 Z", "#111", ink, sw))
    o.append(path("M91,84 Q113,78 133,84 Q131,104 111,106 Q91,104 91,84 Z", "#111", ink, sw))
    o.append(path("M82,86 Q86,82 91,86", "none", ink, sw))
    o.append(path("M48,86 L60,86 M99,86 L111,86", "none", "#9ab", 3, stroke_linecap="round"))
    # nose, moustache, mouth
    o.append(ellipse(86, 108, 8, 6, c["shade"], ink, sw * 0.7))
    o.append(path("M56,118 Q70,108 86,116 Q102,108 117,118 Q104,124 86,120 Q68,124 56,118 Z", c["hair"], ink, sw * 0.8))
    o.append(path("M72,126 Q86,132 100,126", "none", ink, sw * 0.8, stroke_linecap="round"))
    return "".join(o)


# Damage marks, added stage by stage: (kind, x, y, size)
MARKS = [
    ("bruise", 122, 112, 10), ("bruise", 50, 62, 9), ("bump", 70, 30, 10), ("plaster", 118, 96, 1.0),
    ("bruise", 60, 112, 11), ("scratch", 140, 150, 1.0), ("bruise", 100, 50, 12), ("plaster", 48, 100, 1.0),
    ("scratch", 30, 160, 1.0), ("bruise", 86, 118, 9), ("bruise", 150, 170, 14), ("bump", 110, 20, 12),
    ("bruise", 20, 176, 14), ("bruise", 128, 66, 10), ("scratch", 80, 178, 1.0), ("bruise", 40, 140, 12),
]


def mark(kind, x, y, s):
    if kind == "bruise":
        return (ellipse(x, y, s * 1.2, s, "#d3202a", opacity=0.85) +
                ellipse(x - s * 0.2, y - s * 0.2, s * 0.6, s * 0.45, "#ff5a50", opacity=0.8))
    if kind == "bump":
        return (ellipse(x, y, s, s * 0.8, "#f08080", INK, 3) + ellipse(x - 2, y - 3, s * 0.4, s * 0.3, "#ffc0c0"))
    if kind == "plaster":
        return group(rect(-14, -5, 28, 10, "#f6d6a8", INK, 2, rx=4) + rect(-5, -4, 10, 8, "#e8b884") +
                     line(-14, 0, 14, 0, "#c89a6a", 0.8, stroke_dasharray="1 3"), x, y, s, rot=-30)
    if kind == "scratch":
        return path(f"M{x - 12},{y - 8} l10,16 M{x - 2},{y - 10} l10,16 M{x + 8},{y - 8} l8,14", "none", "#c8101a", 4,
                    stroke_linecap="round")
    raise ValueError(kind)


def boss_damage(stage):
    """Stage 1..8: more red marks each time, then a red wash, and at 8 an
    all-red silhouette that keeps only his sunglasses."""
    if stage == 8:
        # the outline pass, then the same shape in flat red over its inner lines
        o = [boss(SILHOUETTE, 7.0), boss({k: "#e8141c" for k in BOSS}, 4.0)]
        o.append(path("M40,84 Q60,78 82,84 Q82,104 62,106 Q42,104 40,84 Z", "#111", INK, 4))
        o.append(path("M91,84 Q113,78 133,84 Q131,104 111,106 Q91,104 91,84 Z", "#111", INK, 4))
        o.append(path("M82,86 Q86,82 91,86", "none", INK, 4))
        o.append(path("M48,86 L60,86 M99,86 L111,86", "none", "#9ab", 3, stroke_linecap="round"))
        return "".join(o)
    o = [boss()]
    n = (2, 4, 6, 8, 10, 12, 16)[stage - 1]
    for kind, x, y, s in MARKS[:n]:
        o.append(mark(kind, x, y, s))
    if stage >= 5:
        # sweat and a tear as the beating goes on
        o.append(path("M146,58 Q152,70 146,74 Q140,70 146,58 Z", "#9fe0ff", INK, 2))
    if stage >= 6:
        o.append(f'<g opacity="{0.12 * (stage - 4):.2f}">{boss(SILHOUETTE, 0)}</g>')
    return "".join(o)


def boss_face_green():
    return rect(0, 0, 50, 50, "#00ff00") + group(boss(sw=5.5), 25 - 86 * 0.36, 25 - 86 * 0.36, 0.36)


# --- the father, seen from behind ------------------------------------------------------

def father_shoulders():
    """300 × 300: the father sitting with his back turned. The fist buttons
    sit on his shoulders, centred near (93, 69) and (213, 69)."""
    o = []
    o.append(rect(0, 0, 300, 300, "#f2e6c8"))
    o.append(rect(0, 190, 300, 110, "#d8c98a"))
    for x in range(0, 300, 60):
        o.append(line(x, 190, x, 300, "#b9a86a", 2))
    o.append(line(0, 245, 300, 245, "#b9a86a", 2))
    o.append(rect(0, 186, 300, 6, "#a8895a"))
    # a television far ahead, to the right of his head
    o.append(rect(214, 104, 70, 56, "#7a5a3a", INK, 3, rx=5))
    o.append(rect(222, 111, 48, 40, "#9fe0d8", INK, 2.5, rx=4))
    # body: purple jumper, broad shoulders
    o.append(path("M28,300 Q18,150 60,86 Q100,56 150,56 Q200,56 240,86 Q282,150 272,300 Z", "#7a3fb0", INK, 5,
                  stroke_linejoin="round"))
    o.append(path("M240,86 Q282,150 272,300 L228,300 Q250,180 224,96 Z", "#5f2e8e", opacity=0.7))
    for y in (150, 200, 250):
        o.append(path(f"M40,{y} Q150,{y - 12} 262,{y}", "none", "#9c63d0", 5, stroke_linecap="round"))
    o.append(path("M118,62 Q150,76 182,62", "none", INK, 3))
    # the back of his head: thinning hair, ears, glasses arms
    o.append(circle(116, 34, 9, "#f2c49a", INK, 4))
    o.append(circle(184, 34, 9, "#f2c49a", INK, 4))
    o.append(circle(150, 32, 32, "#4a3320", INK, 5))
    o.append(ellipse(150, 20, 14, 10, "#f2c49a"))
    o.append(path("M138,16 Q150,11 162,16", "none", "#fff0dc", 3, stroke_linecap="round"))
    o.append(line(104, 24, 118, 22, INK, 3))
    o.append(line(196, 24, 182, 22, INK, 3))
    o.append(path("M132,58 Q150,64 168,58 L166,66 Q150,70 134,66 Z", "#f2c49a", INK, 3))
    return "".join(o)


def pictures():
    P = {}
    P["doctor"] = (50, 50, doctor())
    P["ghost"] = (168, 282, ghost())
    P["rival_kenzo"] = (263, 367, kenzo_full())
    P["worker"] = (285, 270, worker())
    P["croppa"] = (183, 292, croppa())
    P["shop_owner_angry"] = (357, 373, shop_owner_angry())
    P["shop_owner_face"] = (78, 76, group(owner_head("angry", 3.4), 39, 40, 1.05))
    P["hero_face"] = (61, 67, group(hero.head("grin", 3.6), 29, 42, 0.7))
    P["hero_battle"] = (261, 349, group(hero.battle(), 0, 8, 1.0))
    P["friend_loco_brown"] = (50, 50, rect(0, 0, 50, 50, FLOOR_BROWN) + friend_at(48, 48))
    for w, h in ((114, 120), (171, 180), (256, 270), (384, 405)):
        P[f"friend_loco_{w}"] = (w, h, friend_at(w, h))
    P["zaruba_ambush"] = (521, 194, zaruba_ambush())
    P["zaruba_face"] = (50, 50, zaruba_face())
    P["zaruba_punched"] = (511, 267, zaruba_punched())
    P["boss_portrait"] = (173, 192, boss())
    for k in range(1, 9):
        P[f"boss_damage{k}"] = (173, 192, boss_damage(k))
    P["boss_face_green"] = (50, 50, boss_face_green())
    P["father_shoulders"] = (300, 300, father_shoulders())
    return P
