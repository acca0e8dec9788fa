"""Small helpers for writing the game's pictures as SVG by hand.

Every picture is an <svg> whose width, height and viewBox are its natural
pixel size. Shapes carry a dark outline (INK) and flat colours; soft shading
is a darker or lighter flat shape laid over part of a form.
"""

INK = "#2b1d14"          # the outline colour of every picture
FONT = "IPAPGothic"      # the game's face, for text drawn into pictures

# Palette shared by all pictures
SKIN = "#ffd9b3"
SKIN_SHADE = "#f2b48a"
CHEEK = "#ff8c9a"
HAIR = "#2c2838"
RED = "#e23b3b"
RED_DARK = "#b8262b"
YELLOW = "#ffd23a"
YELLOW_SHADE = "#eeaa10"
BLUE = "#3a6fd8"
BLUE_DARK = "#2a4fa8"
WHITE = "#ffffff"
GREEN = "#4cbb4a"
GREEN_DARK = "#2f8a36"

# Floor colours of the maps; the hero sprites are drawn on the same colours.
FLOOR_PALE_YELLOW = "#f8ecb0"
FLOOR_WHITE = "#ffffff"
FLOOR_BROWN = "#b27b4c"
FLOOR_RED = "#cc4438"


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        out.append(f'{k}="{v}"')
    return " ".join(out)


def svg(width, height, body, title=None):
    t = f"<title>{title}</title>\n" if title else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{t}{body}\n</svg>\n')


def rect(x, y, w, h, fill, stroke=None, sw=None, rx=None, **kw):
    return f'<rect {attrs(x=x, y=y, width=w, height=h, rx=rx, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>'


def circle(cx, cy, r, fill, stroke=None, sw=None, **kw):
    return f'<circle {attrs(cx=cx, cy=cy, r=r, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=None, sw=None, **kw):
    return f'<ellipse {attrs(cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>'


def path(d, fill="none", stroke=None, sw=None, **kw):
    return f'<path {attrs(d=d, fill=fill, stroke=stroke, stroke_width=sw, **kw)}/>'


def line(x1, y1, x2, y2, stroke=INK, sw=2, **kw):
    return f'<line {attrs(x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=sw, stroke_linecap="round", **kw)}/>'


def poly(points, fill, stroke=None, sw=None, **kw):
    pts = " ".join(f"{x:g},{y:g}" for x, y in points)
    return f'<polygon {attrs(points=pts, fill=fill, stroke=stroke, stroke_width=sw, stroke_linejoin="round", **kw)}/>'


def polyline(points, stroke=INK, sw=2, fill="none", **kw):
    pts = " ".join(f"{x:g},{y:g}" for x, y in points)
    return f'<polyline {attrs(points=pts, fill=fill, stroke=stroke, stroke_width=sw, stroke_linejoin="round", stroke_linecap="round", **kw)}/>'


def group(body, x=0, y=0, s=1, rot=0, flip=False, **kw):
    t = []
    if x or y:
        t.append(f"translate({x:g} {y:g})")
    if rot:
        t.append(f"rotate({rot:g})")
    if flip:
        t.append(f"scale({-s:g} {s:g})")
    elif s != 1:
        t.append(f"scale({s:g})")
    tr = f' transform="{" ".join(t)}"' if t else ""
    extra = (" " + attrs(**kw)) if kw else ""
    return f"<g{tr}{extra}>{body}</g>"


def text(x, y, s, size, fill=INK, anchor="middle", weight="normal", stroke=None, sw=None, **kw):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return (f'<text {attrs(x=x, y=y, font_family=FONT, font_size=size, fill=fill, text_anchor=anchor, font_weight=weight, stroke=stroke, stroke_width=sw, paint_order="stroke" if stroke else None, stroke_linejoin="round" if stroke else None, **kw)}>{s}</text>')


def star_points(cx, cy, r_out, r_in, n, rot=-90, jitter=None):
    import math
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        if jitter:
            r *= jitter[i % len(jitter)]
        a = math.radians(rot + i * 180 / n)
        pts.append((round(cx + r * math.cos(a), 2), round(cy + r * math.sin(a), 2)))
    return pts


def linear(id_, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{id_}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}</linearGradient>')


def radial(id_, stops, cx=0.5, cy=0.5, r=0.5):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"' + (f' stop-opacity="{op}"' if op is not None else "") + '/>'
                for o, c, op in stops)
    return f'<radialGradient id="{id_}" cx="{cx}" cy="{cy}" r="{r}">{s}</radialGradient>'
