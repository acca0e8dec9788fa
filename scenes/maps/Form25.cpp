#include "scenes/maps/Form25.h"

#include <algorithm>
#include <array>

#include "scenes/Game.h"
#include "scenes/minigames/Form26.h"
#include "scenes/shop/Form6.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile W{"tile_water", 780, 720};
constexpr Tile F{"tile_floor_red", 780, 720};
constexpr Tile D{"tile_hideout", 780, 720};
constexpr Tile B{"tile_brick"};
constexpr Tile N{"tile_sign_red"};
constexpr Tile S{"tile_sign_red"};
constexpr Tile V{"tile_vending_red"};
constexpr Tile O{"tile_garage_house_red", 750, 765};
constexpr Tile R{"tile_garage_house_red", 750, 765};

// W water, F floor, S town sign, N notice board, V vending machine, R the
// rival's house, O the shop owner's house, B the three blocks (B1 top,
// B2 bottom, B3 left), D ザルバ's hideout. A broken block still looks like
// a wall.
constexpr TileTable kTiles = {{
    W, W, W, W, W, W, W, W, W, W,
    W, N, N, N, W, W, W, W, W, W,
    W, F, F, F, W, F, B, F, V, W,
    W, F, W, B, W, R, W, F, F, W,
    W, D, W, O, B, F, W, S, F, W,
    W, W, W, W, W, W, W, W, W, W,
}};

// The water inside the border.
constexpr std::array<Cell, 11> kWater = {{
    {2880, 720}, {3600, 720}, {4320, 720}, {5040, 720}, {5760, 720}, {2880, 1440},
    {1440, 2160}, {2880, 2160}, {4320, 2160}, {1440, 2880}, {4320, 2880},
}};

}  // namespace

Form25::Form25(Game& game)
    : MapScene(game, {.name = "Form25",
                      .client = {7230, 7710},
                      .returnCode = "25",
                      .hero = "hero_map_red",
                      .tiles = &kTiles}) {}

void Form25::Timer4_Timer() {
    const Cell at = here();
    if (std::find(kWater.begin(), kWater.end(), at) != kWater.end()) setBack();
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

void Form25::Timer5_Timer() {
    const Cell at = here();
    if (at == Cell{5040, 2880}) msgbox("ここはザルバタウン！すべてザルバに支配されてしまった。");
    if (at == Cell{5760, 1440}) {
        game().Form6.show();
        game().Form6.Text1.setText("25");
        unload();
    }
    if (at == Cell{4320, 1440}) Timer12.setInterval(1);
    if (at == Cell{2880, 2880}) Timer14.setInterval(1);
    if (at == Cell{2160, 2160}) Timer16.setInterval(1);
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

void Form25::Timer6_Timer() {
    const Cell at = here();
    if (at == Cell{3600, 2160}) {
        msgbox("ケンゾ：ザルバと戦ってみたが、まるで歯が立たなかった…。ポッチー、あとはおまえにまかせたぞ！");
    }
    if (at == Cell{2160, 2880}) {
        msgbox("ちゃぶろのおやじ：ポッチー、ザルバをなめるなよ。あいつはわしとはわけが違う。生きて帰れると思うな！");
    }
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form25::Timer7_Timer() {
    const Cell at = here();
    if (at == Cell{720, 720} || at == Cell{1440, 720} || at == Cell{2160, 720}) {
        msgbox("掲示板：この先危険！ザルバがいます！！");
    }
    if (at == Cell{720, 2880}) {
        unload();
        game().Form26.show();
    }
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

void Form25::Timer8_Timer() {
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form25::Timer9_Timer() {
    Timer9.setInterval(0);
    Timer10.setInterval(1);
}

void Form25::checkBlock(Timer& check, const TextBox& broken, Timer& breaker) {
    if (broken.value() == 0) breaker.setInterval(1);
    check.setInterval(0);
}

// The break runs two ticks ahead of the redraw: after a refusal the hero is
// drawn back on the cell he came from, never on the block.
void Form25::breakBlock(Timer& breaker, TextBox& broken) {
    TextBox& bombs = game().Form4.Text8;
    const double b = bombs.value();
    if (b <= 0) {
        msgbox("ボトロンが足りません。");
        setBack();
    } else {
        bombs.setValue(b - 1);
        msgbox("ボトロンを使ってブロックを壊した！");
        broken.setText("1");
    }
    breaker.setInterval(0);
}

void Form25::Timer12_Timer() { checkBlock(Timer12, game().Form4.Text17, Timer13); }
void Form25::Timer13_Timer() { breakBlock(Timer13, game().Form4.Text17); }
void Form25::Timer14_Timer() { checkBlock(Timer14, game().Form4.Text18, Timer15); }
void Form25::Timer15_Timer() { breakBlock(Timer15, game().Form4.Text18); }
void Form25::Timer16_Timer() { checkBlock(Timer16, game().Form4.Text19, Timer17); }
void Form25::Timer17_Timer() { breakBlock(Timer17, game().Form4.Text19); }

}  // namespace zorb
