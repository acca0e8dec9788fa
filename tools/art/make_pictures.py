"""Writes every picture of the game as assets/NAME.svg.

    python3 tools/art/make_pictures.py [NAME ...]

With names, only those pictures are written. The SVGs are the sources the
build rasterises; this script is how the repetitive ones (tiles, sprites,
damage stages, cards) are kept consistent with each other.
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from svg import svg  # noqa: E402
import tiles  # noqa: E402

MODULES = [tiles]
for extra in ("characters", "effects", "minigames", "story", "cards"):
    try:
        MODULES.append(__import__(extra))
    except ModuleNotFoundError as e:
        if e.name != extra:
            raise

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")


def all_pictures():
    pictures = {}
    for m in MODULES:
        for name, value in m.pictures().items():
            if name in pictures:
                raise SystemExit(f"picture {name} drawn twice")
            pictures[name] = value
    return pictures


def main(names):
    pictures = all_pictures()
    for name in names or sorted(pictures):
        w, h, body = pictures[name]
        with open(os.path.join(ASSETS, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg(w, h, body))
    print(f"wrote {len(names or pictures)} pictures")


if __name__ == "__main__":
    main(sys.argv[1:])
