"""The twelve closing cards (600 × 400): eight cast cards, three credits
over pictures from the game, and the farewell card."""

from svg import INK, WHITE, RED, YELLOW, BLUE, rect, circle, ellipse, path, poly, group, text, star_points
import characters
import effects
import hero
import story
import tiles
from maps import A, MAPS

W, H = 600, 400
AUTHOR = "梅田 ころすけ"
ARTIST = "青柳 みどり"
ADDRESS = "https://plumworks.example/zorbland/"


def picture_in(body, pw, ph, x, y, w, h, clip=True):
    """Another picture of the game, scaled into the box (x, y, w, h)."""
    return (f'<svg x="{x}" y="{y}" width="{w}" height="{h}" viewBox="0 0 {pw} {ph}" '
            f'preserveAspectRatio="xMidYMid {"slice" if clip else "meet"}">{body}</svg>')


def frame(colour, light):
    o = [rect(0, 0, W, H, light)]
    for i in range(0, W + H, 40):
        o.append(path(f"M{i},0 L{i - H},{H}", "none", WHITE, 14, opacity=0.35))
    o.append(rect(10, 10, W - 20, H - 20, "none", colour, 6, rx=18))
    return "".join(o)


def cast_card(portrait, pw, ph, name, reading, role, colour, light, heading=False):
    o = [frame(colour, light)]
    o.append(ellipse(170, 350, 130, 16, "#000", opacity=0.12))
    o.append(picture_in(portrait, pw, ph, 30, 34, 280, 330, clip=False))
    top = 150 if heading else 118
    if heading:
        o.append(rect(190, 26, 220, 52, colour, INK, 3, rx=26))
        o.append(text(300, 62, "出演キャスト", 30, WHITE, weight="bold"))
    else:
        o.append(text(560, 52, "CAST", 22, colour, anchor="end", weight="bold"))
    o.append(rect(318, top, 256, 150, WHITE, INK, 3, rx=16, opacity=0.95))
    o.append(text(446, top + 36, role, 19, colour, weight="bold"))
    size = 40 if len(name) <= 5 else (32 if len(name) <= 7 else 26)
    o.append(text(446, top + 90, name, size, INK, weight="bold"))
    if reading:
        o.append(text(446, top + 126, reading, 18, "#555"))
    return "".join(o)


def credit_card(background, pw, ph, role, name, sub=None):
    o = [picture_in(background, pw, ph, 0, 0, W, H)]
    o.append(rect(0, 128, W, 150, "#1a1a2a", opacity=0.68))
    o.append(rect(0, 128, W, 4, YELLOW))
    o.append(rect(0, 274, W, 4, YELLOW))
    o.append(text(300, 178, role, 28, "#ffe680", weight="bold"))
    o.append(text(300, 238, name, 46, WHITE, weight="bold", stroke=INK, sw=6))
    if sub:
        o.append(text(300, 266, sub, 16, "#dddddd"))
    return "".join(o)


def town_map():
    pictures = tiles.pictures()
    hero_name, rows = MAPS["Form3"]
    o = []
    for r, row in enumerate(rows):
        for c, ch in enumerate(row):
            w, h, body = pictures[A[ch]]
            o.append(f'<svg x="{48 * c}" y="{48 * r}" width="{w}" height="{h}" viewBox="0 0 {w} {h}">{body}</svg>')
    w, h, body = pictures[hero_name]
    o.append(f'<svg x="{48 * 8}" y="{48 * 4}" width="{w}" height="{h}" viewBox="0 0 {w} {h}">{body}</svg>')
    return "".join(o)


def farewell():
    o = [rect(0, 0, W, H, "#fff6d8")]
    for i in range(18):
        import math
        a = math.radians(i * 20)
        b = math.radians(i * 20 + 10)
        o.append(poly([(150, 200), (round(150 + 700 * math.cos(a), 1), round(200 + 700 * math.sin(a), 1)),
                       (round(150 + 700 * math.cos(b), 1), round(200 + 700 * math.sin(b), 1))], "#ffeaa8"))
    o.append(circle(150, 190, 118, "#ffd23a", INK, 5))
    o.append(group(hero.head("wink", 3.0), 150, 204, 2.6))
    o.append(rect(290, 36, 290, 150, WHITE, INK, 4, rx=24))
    o.append(text(435, 84, "あそんでくれて", 26, INK, weight="bold"))
    o.append(text(435, 118, "ありがとう！", 26, INK, weight="bold"))
    o.append(text(435, 162, "また遊んでね！", 30, RED, weight="bold"))
    o.append(picture_in(story.maker_logo(), 308, 46, 296, 226, 278, 42))
    o.append(text(435, 306, "2026年", 24, INK, weight="bold"))
    o.append(text(435, 340, ADDRESS, 15, "#2a4fa8"))
    o.append(text(150, 372, "ZORBLAND", 30, "#e23b3b", weight="bold", stroke=INK, sw=5))
    return "".join(o)


def pictures():
    c = characters
    P = {}
    P["card_cast_kenzo"] = (W, H, cast_card(c.kenzo_full(), 263, 367, "ケンゾ", "（けんぞ）", "ライバル",
                                            "#2f9a58", "#dff5e4", heading=True))
    P["card_cast_ghost"] = (W, H, cast_card(c.ghost(), 168, 282, "幽霊", "（ゆうれい）", "町はずれの草むら",
                                            "#7a6ad0", "#ece8ff"))
    P["card_cast_worker"] = (W, H, cast_card(c.worker(), 285, 270, "工事員のおっさん", None, "電波塔の見張り",
                                             "#e07a1a", "#fff0dc"))
    P["card_cast_croppa"] = (W, H, cast_card(c.croppa(), 183, 292, "クロッパ", None, "ボトロン職人",
                                             "#e0561a", "#ffe8dc"))
    P["card_cast_friend"] = (W, H, cast_card(c.locomotive(), 384, 405, "ともだち", "（機関車）", "壁をこえさせてくれた",
                                             "#2f6fd0", "#e0ecff"))
    P["card_cast_shop_owner"] = (W, H, cast_card(c.shop_owner_angry(), 357, 373, "ちゃぶろのおやじ", None,
                                                 "ちゃぶろタウンの店主", "#2d4a80", "#e4ecf6"))
    P["card_cast_zaruba"] = (W, H, cast_card(c.zaruba_bust("angry"), 170, 180, "ザルバ", None, "世界を支配した悪者",
                                             "#5a2a80", "#efe2f8").replace(
        'viewBox="0 0 170 180"', 'viewBox="-85 -70 170 190"'))
    P["card_cast_boss"] = (W, H, cast_card(c.boss(), 173, 192, "首領ポッチー", "（ドンポッチー）", "ザルバのおやびん",
                                           "#b8262b", "#ffe4e4"))
    P["card_production"] = (W, H, credit_card(story.lot_snow_scene(), 640, 480, "企画・制作", "PLUMWORKS"))
    P["card_author"] = (W, H, credit_card(story.lot_explosion_scene(), 640, 480, "作者", AUTHOR))
    P["card_art"] = (W, H, credit_card(town_map(), 480, 288, "グラフィック", ARTIST))
    P["card_farewell"] = (W, H, farewell())
    return P
