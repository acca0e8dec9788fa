"""ポッチー, the hero: a round-faced boy with spiky dark hair, a red headband
whose knot tails fly out to his left, a yellow T-shirt with a red bottle on
it, blue shorts and red trainers. Every picture of him is built from these
parts so that he is the same boy everywhere.

Head coordinates: the face is a circle of radius 30 around (0, 0).
"""

from svg import (INK, SKIN, SKIN_SHADE, CHEEK, HAIR, RED, RED_DARK, YELLOW, YELLOW_SHADE,
                 BLUE, BLUE_DARK, WHITE, circle, ellipse, path, poly, group, rect, line)

SHOE = RED
SOLE = "#fff4e0"


def hair_back(sw):
    pts = [(-33, 6), (-42, -8), (-31, -14), (-38, -32), (-20, -28), (-16, -48), (-2, -34),
           (10, -50), (17, -32), (34, -40), (30, -20), (42, -12), (33, 6)]
    return poly(pts, HAIR, INK, sw)


def headband(sw):
    band = path("M-31,-13 Q0,-27 31,-13 L32,-4 Q0,-18 -32,-4 Z", RED, INK, sw)
    shine = path("M-20,-15 Q-6,-20 8,-19", "none", "#ff8a7a", sw * 0.9, stroke_linecap="round")
    knot = circle(31, -9, 5, RED_DARK, INK, sw)
    tails = (path("M34,-11 Q46,-20 54,-14 Q46,-10 36,-6 Z", RED, INK, sw) +
             path("M34,-6 Q44,0 50,8 Q40,6 33,-2 Z", RED, INK, sw))
    return tails + band + shine + knot


def face(expr="smile", sw=3.0):
    """The head without hair spikes: ears, face, fringe, headband, features."""
    out = []
    out.append(circle(-30, 5, 6.5, SKIN, INK, sw))
    out.append(circle(30, 5, 6.5, SKIN, INK, sw))
    out.append(circle(0, 0, 30, SKIN, INK, sw))
    out.append(path("M18,-20 A30,30 0 0 1 8,28.9 A34,34 0 0 0 18,-20 Z", SKIN_SHADE, opacity=0.55))
    # fringe: three bangs poking under the band
    out.append(path("M-26,-10 L-20,2 L-15,-8 L-8,4 L-2,-9 L6,3 L10,-9 L18,1 L22,-10 Z", HAIR, INK, sw * 0.8,
                    stroke_linejoin="round"))
    out.append(path("M-29.5,-8 A30,30 0 0 1 29.5,-8 L26,-14 Q0,-26 -26,-14 Z", HAIR))
    out.append(headband(sw))
    out.append(features(expr, sw))
    return "".join(out)


def features(expr, sw):
    o = []
    if expr in ("smile", "grin", "talk", "determined", "shout", "wink"):
        if expr == "wink":
            o.append(path("M-15,3 Q-11,-1 -7,3", "none", INK, sw, stroke_linecap="round"))
        else:
            o.append(ellipse(-11, 3, 4.2, 6, INK))
            o.append(circle(-9.6, 0.6, 1.6, WHITE))
        o.append(ellipse(11, 3, 4.2, 6, INK))
        o.append(circle(12.4, 0.6, 1.6, WHITE))
    elif expr == "hurt":
        o.append(path("M-15,0 L-7,5 M-15,6 L-7,1", "none", INK, sw, stroke_linecap="round"))
        o.append(path("M15,0 L7,5 M15,6 L7,1", "none", INK, sw, stroke_linecap="round"))
    # eyebrows
    if expr in ("determined", "shout"):
        o.append(path("M-17,-7 L-6,-4", "none", INK, sw * 1.1, stroke_linecap="round"))
        o.append(path("M17,-7 L6,-4", "none", INK, sw * 1.1, stroke_linecap="round"))
    else:
        o.append(path("M-16,-6 Q-11,-9 -6,-6", "none", INK, sw * 0.9, stroke_linecap="round"))
        o.append(path("M16,-6 Q11,-9 6,-6", "none", INK, sw * 0.9, stroke_linecap="round"))
    o.append(ellipse(-19, 12, 5, 3, CHEEK, opacity=0.7))
    o.append(ellipse(19, 12, 5, 3, CHEEK, opacity=0.7))
    o.append(path("M-1,7 Q1,10 -1,11", "none", INK, sw * 0.6, stroke_linecap="round"))
    if expr in ("smile", "wink"):
        o.append(path("M-9,14 Q0,24 9,14 Q0,17 -9,14 Z", "#c93a3a", INK, sw * 0.8, stroke_linejoin="round"))
    elif expr in ("grin", "talk"):
        o.append(path("M-10,13 Q0,27 10,13 Z", "#a82a30", INK, sw * 0.8, stroke_linejoin="round"))
        o.append(path("M-6,20.5 Q0,17 6,20.5 Q0,24.5 -6,20.5 Z", "#ff8a8a"))
        o.append(path("M-9,13.5 L9,13.5 L8,16 L-8,16 Z", WHITE))
    elif expr == "determined":
        o.append(path("M-8,16 Q0,13 8,16", "none", INK, sw, stroke_linecap="round"))
    elif expr == "shout":
        o.append(ellipse(0, 17, 7, 6.5, "#a82a30", INK, sw * 0.8))
    elif expr == "hurt":
        o.append(path("M-8,17 Q-4,13 0,17 Q4,13 8,17", "none", INK, sw, stroke_linecap="round"))
    return "".join(o)


def head(expr="smile", sw=3.0):
    return hair_back(sw) + face(expr, sw)


def shirt_logo(x, y, s, sw):
    # a little red drinks bottle: the ボトロン
    b = (path("M-3,-9 L3,-9 L3,-6 Q7,-4 7,0 L7,9 Q7,11 5,11 L-5,11 Q-7,11 -7,9 L-7,0 Q-7,-4 -3,-6 Z",
              RED, INK, sw * 0.7) + rect(-3.5, -12, 7, 3.5, WHITE, INK, sw * 0.6))
    return group(b, x, y, s)


def chibi(expr="smile", sw=3.0):
    """The map sprite figure: big head on a small body; feet at y = 62."""
    o = []
    # legs and shoes
    o.append(rect(-11, 44, 8, 12, SKIN, INK, sw))
    o.append(rect(3, 44, 8, 12, SKIN, INK, sw))
    o.append(path("M-15,55 Q-15,50 -9,50 L-2,50 L-2,58 L-15,58 Z", SHOE, INK, sw, stroke_linejoin="round"))
    o.append(path("M15,55 Q15,50 9,50 L2,50 L2,58 L15,58 Z", SHOE, INK, sw, stroke_linejoin="round"))
    # shorts
    o.append(path("M-16,36 L16,36 L17,48 L2,48 L0,44 L-2,48 L-17,48 Z", BLUE, INK, sw, stroke_linejoin="round"))
    # arms
    o.append(path("M-17,24 Q-26,32 -24,42", "none", INK, sw * 3.4, stroke_linecap="round"))
    o.append(path("M-17,24 Q-26,32 -24,42", "none", SKIN, sw * 2.0, stroke_linecap="round"))
    o.append(path("M17,24 Q26,32 24,42", "none", INK, sw * 3.4, stroke_linecap="round"))
    o.append(path("M17,24 Q26,32 24,42", "none", SKIN, sw * 2.0, stroke_linecap="round"))
    # shirt
    o.append(path("M-18,22 Q0,16 18,22 L24,30 L17,33 L16,40 L-16,40 L-17,33 L-24,30 Z", YELLOW, INK, sw,
                  stroke_linejoin="round"))
    o.append(path("M8,22 L16,40 L10,40 Z", YELLOW_SHADE, opacity=0.6))
    o.append(shirt_logo(0, 31, 0.55, sw))
    o.append(group(head(expr, sw), 0, -6, 0.82))
    return "".join(o)


def sprite(bg, w=50, h=51):
    """The 50 × 51 map sprite on a floor colour."""
    # The floor colour fills the 48 × 48 cell only: the strips the sprite
    # reaches into the next cells (right and below) stay clear, so he never
    # paints floor over a neighbouring wall.
    return (rect(0, 0, 48, 48, bg) + ellipse(24, 46.5, 12, 2.4, "#000000", opacity=0.15) +
            group(chibi("smile", 3.6), 24, 21.5, 0.42))


def battle(sw=4.0, expr="determined"):
    """Full figure in fighting stance, facing the viewer, left fist raised,
    a bottle bomb in the right hand. Feet at about y = 330 in a 261 × 349 box."""
    o = []
    # shadow
    o.append(ellipse(130, 336, 92, 11, "#000000", opacity=0.18))
    # legs
    o.append(path("M102,238 L88,312", "none", INK, 34, stroke_linecap="round"))
    o.append(path("M102,238 L88,312", "none", SKIN, 26, stroke_linecap="round"))
    o.append(path("M158,238 L176,312", "none", INK, 34, stroke_linecap="round"))
    o.append(path("M158,238 L176,312", "none", SKIN, 26, stroke_linecap="round"))
    o.append(path("M92,303 L76,306 Q56,312 56,326 L56,332 L104,332 L104,306 Z", SHOE, INK, sw, stroke_linejoin="round"))
    o.append(rect(55, 324, 50, 9, SOLE, INK, sw * 0.8, rx=3))
    o.append(path("M172,303 L188,306 Q208,312 208,326 L208,332 L160,332 L160,306 Z", SHOE, INK, sw, stroke_linejoin="round"))
    o.append(rect(159, 324, 50, 9, SOLE, INK, sw * 0.8, rx=3))
    o.append(path("M70,314 L100,314 M164,314 L194,314", "none", WHITE, 3))
    # shorts
    o.append(path("M84,200 L176,200 L184,258 L138,258 L130,240 L122,258 L76,258 Z", BLUE, INK, sw, stroke_linejoin="round"))
    o.append(path("M150,204 L176,204 L183,254 L160,254 Z", BLUE_DARK, opacity=0.45))
    # back arm (right hand holding the bottle, low at the side)
    o.append(path("M180,140 Q214,170 206,214", "none", INK, 34, stroke_linecap="round"))
    o.append(path("M180,140 Q214,170 206,214", "none", SKIN, 26, stroke_linecap="round"))
    # shirt
    o.append(path("M78,136 Q130,118 182,136 L214,166 L190,186 L182,172 L180,210 L80,210 L78,172 L70,186 L46,166 Z",
                  YELLOW, INK, sw, stroke_linejoin="round"))
    o.append(path("M150,130 Q170,134 182,140 L182,206 L160,206 Z", YELLOW_SHADE, opacity=0.55))
    o.append(path("M108,130 Q130,142 152,130", "none", INK, sw * 0.8, stroke_linecap="round"))
    o.append(shirt_logo(130, 172, 1.35, sw))
    # bottle bomb in the right hand
    bottle = (path("M-9,-34 L9,-34 L9,-26 Q20,-20 20,-6 L20,30 Q20,36 14,36 L-14,36 Q-20,36 -20,30 L-20,-6 Q-20,-20 -9,-26 Z",
                   "#bfe8ff", INK, sw) +
              path("M-17,4 L17,4 L17,30 Q17,33 14,33 L-14,33 Q-17,33 -17,30 Z", "#7cc4f0") +
              rect(-10, -42, 20, 9, RED, INK, sw * 0.8, rx=2) +
              path("M-12,-14 L-12,22", "none", WHITE, 4, stroke_linecap="round", opacity=0.8) +
              circle(6, 16, 3, WHITE, opacity=0.8) + circle(-2, 24, 2, WHITE, opacity=0.8))
    o.append(group(bottle, 214, 232, 0.85, rot=12))
    o.append(circle(205, 216, 15, SKIN, INK, sw))
    o.append(path("M196,210 Q206,204 214,212", "none", INK, sw * 0.7))
    # front arm, fist raised
    o.append(path("M80,142 Q40,150 44,102", "none", INK, 34, stroke_linecap="round"))
    o.append(path("M80,142 Q40,150 44,102", "none", SKIN, 26, stroke_linecap="round"))
    o.append(path("M73,136 Q90,142 96,160 L66,180 Z", YELLOW, INK, sw, stroke_linejoin="round"))
    o.append(circle(45, 92, 19, SKIN, INK, sw))
    o.append(path("M33,86 Q45,80 57,86 M33,95 Q45,89 57,95", "none", INK, sw * 0.7, stroke_linecap="round"))
    # head
    o.append(group(head(expr, 3.2), 130, 80, 1.62))
    return "".join(o)
