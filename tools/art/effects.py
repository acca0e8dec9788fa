"""Battle effects, drawn over the portraits: each on a clear background with
a heavy outline and a bright core, so it reads at a glance over any face."""

import math

from svg import INK, WHITE, RED, rect, circle, ellipse, path, poly, line, group, star_points
import characters


def cloud(cx, cy, r, bumps, fill, stroke=INK, sw=4, seed=0):
    """A bubbly blast cloud: a ring of overlapping circles round a core."""
    o = []
    for i in range(bumps):
        a = 2 * math.pi * i / bumps + seed
        rr = r * (0.62 + 0.12 * math.sin(i * 2.3 + seed * 3))
        x = cx + r * 0.62 * math.cos(a)
        y = cy + r * 0.62 * math.sin(a)
        o.append(circle(round(x, 1), round(y, 1), round(rr * 0.55, 1), fill, stroke, sw))
    o.append(circle(cx, cy, round(r * 0.7, 1), fill))
    return "".join(o)


def spiky(cx, cy, r_out, r_in, n, fill, stroke=INK, sw=4, jitter=(1, 0.8, 1.15, 0.9, 1.05)):
    return poly(star_points(cx, cy, r_out, r_in, n, jitter=jitter), fill, stroke, sw)


def hit_spark():
    o = [spiky(48, 43, 44, 17, 9, "#ff2a2a", INK, 3.5)]
    o.append(spiky(48, 43, 26, 11, 9, "#ffb02a", None))
    o.append(circle(48, 43, 8, WHITE))
    for a in (20, 140, 250):
        x = 48 + 40 * math.cos(math.radians(a))
        y = 43 + 36 * math.sin(math.radians(a))
        o.append(circle(round(x, 1), round(y, 1), 3, WHITE, INK, 1.5))
    return "".join(o)


def bomb_blast():
    o = []
    for i in range(16):
        a = math.radians(i * 22.5 + 5)
        o.append(line(177, 167, round(177 + 170 * math.cos(a), 1), round(167 + 160 * math.sin(a), 1),
                      "#9fe6ff", 6, opacity=0.8))
    o.append(cloud(177, 167, 150, 13, "#2f6fe0", INK, 5, 0.2))
    o.append(cloud(177, 167, 110, 11, "#4fa8ff", None, 0, 0.6))
    o.append(cloud(177, 167, 70, 9, "#b8ecff", None, 0, 1.1))
    o.append(circle(177, 167, 34, WHITE))
    # bottle pieces and droplets thrown out
    for (x, y, r) in ((40, 40, 14), (318, 60, 10), (30, 290, 12), (320, 296, 14), (178, 12, 8)):
        o.append(poly([(x - r, y), (x, y - r * 0.8), (x + r, y - r * 0.2), (x + r * 0.4, y + r)], "#d9f3ff", INK, 3))
    for (x, y) in ((90, 20), (270, 20), (10, 170), (345, 170), (120, 320), (250, 322)):
        o.append(path(f"M{x},{y - 9} Q{x + 7},{y + 2} {x},{y + 6} Q{x - 7},{y + 2} {x},{y - 9} Z", "#7fd0ff", INK, 2))
    return "".join(o)


def cross_yellow():
    o = []
    o.append(ellipse(155, 160, 150, 160, "#fff27a", opacity=0.35))
    for i in range(12):
        a = math.radians(i * 30 + 15)
        o.append(line(155, 140, round(155 + 150 * math.cos(a), 1), round(140 + 170 * math.sin(a), 1),
                      "#fff06a", 8, opacity=0.7))
    d = "M128,20 L182,20 L182,98 L262,98 L262,152 L182,152 L182,330 L128,330 L128,152 L48,152 L48,98 L128,98 Z"
    o.append(path(d, "#ffd21a", INK, 7, stroke_linejoin="round"))
    o.append(path("M136,28 L150,28 L150,106 L136,106 Z M56,106 L120,106 L120,118 L56,118 Z", "#fff59a"))
    o.append(path("M168,160 L174,160 L174,322 L168,322 Z", "#e0a800"))
    for (x, y, r) in ((60, 50, 14), (250, 60, 18), (260, 260, 12), (50, 280, 16)):
        o.append(poly(star_points(x, y, r, r * 0.3, 4), WHITE, INK, 2.5))
    return "".join(o)


def claws_red():
    o = []
    for k in range(3):
        x0, y0 = 150 + k * 62, 18 + k * 8
        x1, y1 = x0 - 120, y0 + 300
        xm, ym = (x0 + x1) / 2, (y0 + y1) / 2
        d = f"M{x0},{y0} Q{xm + 52},{ym} {x1},{y1} Q{xm - 18},{ym} {x0},{y0} Z"
        o.append(path(d, "#ff1a1a", INK, 5, stroke_linejoin="round"))
        o.append(path(f"M{x0 - 4},{y0 + 40} Q{xm + 14},{ym} {x1 + 10},{y1 - 40}", "none", "#ffb0a0", 5,
                      stroke_linecap="round"))
    for (x, y) in ((40, 120), (290, 90), (260, 300), (30, 250), (170, 340)):
        o.append(circle(x, y, 6, "#ff2020", INK, 2))
    return "".join(o)


def star_red():
    o = [poly(star_points(35, 36, 28, 12, 5), "#ff2a2a", INK, 3)]
    o.append(poly(star_points(33, 34, 12, 5, 5), "#ff9a8a"))
    for (x, y, r) in ((8, 10, 7), (62, 12, 6), (62, 58, 7), (8, 58, 5)):
        o.append(poly(star_points(x, y, r, r * 0.3, 4), "#ffe04a", INK, 1.5))
    return "".join(o)


def blast_small():
    o = [cloud(44, 42, 38, 9, "#2f6fe0", INK, 3, 0.4)]
    o.append(cloud(44, 42, 26, 7, "#6cc0ff", None, 0, 0.9))
    o.append(circle(44, 42, 11, WHITE))
    for (x, y) in ((6, 8), (82, 10), (84, 76), (4, 74)):
        o.append(circle(x, y, 3.5, "#9fe0ff", INK, 1.5))
    return "".join(o)


def starburst():
    o = [spiky(44, 42, 41, 18, 12, "#2a7aff", INK, 3, jitter=(1, 1, 0.85, 1, 1.1, 1))]
    o.append(spiky(44, 42, 25, 11, 12, "#9fe0ff", None))
    o.append(circle(44, 42, 8, WHITE))
    return "".join(o)


def wrench_thrown():
    o = []
    for (x1, y1, x2, y2) in ((4, 20, 14, 30), (2, 50, 14, 52), (6, 78, 16, 70)):
        o.append(line(x1, y1, x2, y2, "#888", 3))
    o.append(group(characters.wrench_shape(3.0), 4, 0, 0.92))
    return "".join(o)


def pictures():
    return {
        "hit_spark": (97, 86, hit_spark()),
        "bomb_blast": (355, 334, bomb_blast()),
        "cross_yellow": (310, 350, cross_yellow()),
        "claws_red": (310, 350, claws_red()),
        "star_red": (71, 69, star_red()),
        "salmon": (146, 49, group(characters.salmon_fish(2.6), 0, 0.5, 0.99)),
        "blast_blue_small": (89, 84, blast_small()),
        "wrench": (70, 92, wrench_thrown()),
        "starburst": (89, 84, starburst()),
    }
