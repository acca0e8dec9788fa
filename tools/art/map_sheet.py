"""Composes the seven maps from their tiles, as the map scenes lay them out
(tile k at 48 px steps, later tiles over earlier ones, the hero on his start
cell), so that seams and the look of each town can be checked by eye.

    python3 tools/art/map_sheet.py OUTDIR     # writes OUTDIR/map_FormN.svg
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from make_pictures import all_pictures  # noqa: E402

from maps import A, MAPS  # noqa: E402


def nested(pictures, name, x, y):
    w, h, body = pictures[name]
    return f'<svg x="{x}" y="{y}" width="{w}" height="{h}" viewBox="0 0 {w} {h}">{body}</svg>'


def sheet(pictures, scene):
    hero, rows = MAPS[scene]
    out = []
    for r, row in enumerate(rows):
        assert len(row) == 10, (scene, row)
        for c, ch in enumerate(row):
            out.append(nested(pictures, A[ch], 48 * c, 48 * r))
    out.append(nested(pictures, hero, 48 * 8, 48 * 4))
    w, h = 48 * 10 + 2, 48 * 6 + 2
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            + "".join(out) + "</svg>")


if __name__ == "__main__":
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    pictures = all_pictures()
    for scene in MAPS:
        with open(os.path.join(outdir, f"map_{scene}.svg"), "w", encoding="utf-8") as f:
            f.write(sheet(pictures, scene))
