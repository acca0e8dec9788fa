#!/usr/bin/env python3
"""Writes every character the game can show, for cutting the face down to
them: printable ASCII (numbers, the box's title) and every other character
in the scenes' and the window's sources.

usage: face_characters.py OUTPUT SOURCE_ROOT"""
import pathlib
import sys


def main():
    out, root = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    chars = {chr(c) for c in range(0x20, 0x7F)}
    files = [root / "desktop" / "Look.h"]
    for folder in ("scenes", "state", "runtime"):
        files += sorted((root / folder).rglob("*.cpp")) + sorted((root / folder).rglob("*.h"))
    for f in files:
        chars |= {c for c in f.read_text(encoding="utf-8") if ord(c) > 0x7F}
    text = "".join(sorted(chars))
    if not out.exists() or out.read_text(encoding="utf-8") != text:
        out.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
