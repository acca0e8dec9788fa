"""Lays the pictures of a few busy scenes out as the scenes place them
(positions in twips, 15 to a pixel; later entries on top), every effect
shown at once, to check by eye that effects read over the portraits.

    python3 tools/art/scene_sheet.py OUTDIR     # writes OUTDIR/scene_FormN.svg
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from make_pictures import all_pictures  # noqa: E402

# scene: (client width, height in twips, background, [(picture, left, top), ...])
SCENES = {
    "Form10": (8790, 8415, "#ff0000", [("ghost", 120, 120), ("hero_battle", 4200, 1440), ("hit_spark", 360, 1800),
                                       ("cross_yellow", 4200, 1440), ("star_red", 4320, 2280)]),
    "Form10b": (8790, 8415, "#ff0000", [("ghost", 120, 120), ("hero_battle", 4200, 1440), ("bomb_blast", 120, 120),
                                        ("claws_red", 4200, 1440)]),
    "Form12": (8970, 9075, "#0000ff", [("rival_kenzo", 120, 120), ("hero_battle", 4920, 1800),
                                       ("hit_spark", 1560, 2520), ("salmon", 6600, 2640)]),
    "Form20": (8460, 8040, "#ffff80", [("worker", 120, 120), ("hero_battle", 4440, 1200), ("hit_spark", 1440, 2760),
                                       ("blast_blue_small", 1320, 120), ("wrench", 5280, 1800)]),
    "Form18": (9105, 8790, "#ff00ff", [("croppa", 720, 0), ("hero_battle", 5040, 1560), ("bottle_water2", 240, 4440),
                                       ("supply_ice3", 2640, 4440), ("starburst", 1320, 3000), ("starburst", 6480, 5520)]),
    "Form8": (4710, 6735, "#80ff80", [("father_shoulders", 120, 120), ("fist", 1080, 720), ("fist", 2880, 720)]),
    "Form23": (8970, 4125, "#ffffff", [("phone_cord", 120, 120), ("shop_owner_face", 7560, 480), ("hero_face", 7560, 2520)]),
    "Form24": (6945, 4425, "#ffffff", [("handcuffs", 6000, 120), ("handcuffs", 3000, 1080), ("pistol", 240, 120),
                                       ("pistol", 240, 1080)]),
    "Form27": (8445, 8175, "#ffffff", [("hero_map_white", 400, 400), ("zaruba_face", 6000, 3600), ("safe_house", 7200, 6000),
                                       ("hideout_shutter", 1200, 4400), ("tile_key", 6800, 1200), ("tile_key", 1200, 6000)]),
    "Form31": (7995, 7995, "#00ff00", [("hero_map_green", 1200, 1200), ("boss_face_green", 4000, 4000)]),
}


def sheet(pictures, scene):
    cw, ch, bg, items = SCENES[scene]
    w, h = cw // 15, ch // 15
    out = [f'<rect width="{w}" height="{h}" fill="{bg}"/>']
    for name, left, top in items:
        pw, ph, body = pictures[name]
        out.append(f'<svg x="{left / 15:g}" y="{top / 15:g}" width="{pw}" height="{ph}" viewBox="0 0 {pw} {ph}">{body}</svg>')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            + "".join(out) + "</svg>")


if __name__ == "__main__":
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    pictures = all_pictures()
    for scene in SCENES:
        with open(os.path.join(outdir, f"scene_{scene}.svg"), "w", encoding="utf-8") as f:
            f.write(sheet(pictures, scene))
