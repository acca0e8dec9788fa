#include "scenes/maps/Form13.h"

#include <algorithm>
#include <array>

#include "scenes/Game.h"
#include "scenes/battles/Form10.h"
#include "scenes/maps/Form14.h"
#include "scenes/minigames/Form15.h"
#include "scenes/minigames/Form18.h"
#include "scenes/shop/Form6.h"
#include "scenes/story/Form11.h"
#include "scenes/story/Form17.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile wall{"tile_hedge"};
constexpr Tile ground{"tile_floor_brown"};
constexpr Tile thorns{"tile_thorns_brown"};
constexpr Tile house{"tile_house_brown"};
constexpr Tile vending{"tile_vending_brown"};
constexpr Tile sign{"tile_sign_brown"};
constexpr Tile sprouts{"tile_sprouts_brown"};
constexpr Tile garage{"tile_garage_brown", 750, 765};
constexpr Tile path{"tile_grass_pale_yellow"};

// West half | hedge column | east half. The path at the right edge lies in
// the border and is never entered.
constexpr TileTable kTiles = {{
    wall, wall,    wall,   wall,    wall, wall,   wall,    wall,   wall,   wall,
    wall, vending, ground, sprouts, wall, thorns, house,   thorns, house,  wall,
    wall, ground,  ground, ground,  wall, thorns, thorns,  thorns, thorns, wall,
    wall, garage,  ground, ground,  wall, thorns, ground,  ground, ground, wall,
    wall, ground,  ground, ground,  wall, thorns, vending, sign,   ground, path,
    wall, wall,    wall,   wall,    wall, wall,   wall,    wall,   wall,   wall,
}};

// Each costs 10 HP and a beep per step onto it; tested in this order.
constexpr std::array<Cell, 8> kThorns = {{
    {3600, 720}, {5040, 720}, {3600, 1440}, {4320, 1440},
    {5040, 1440}, {5760, 1440}, {3600, 2160}, {3600, 2880},
}};

constexpr std::array<Cell, 4> kHedge = {{{2880, 720}, {2880, 1440}, {2880, 2160}, {2880, 2880}}};

}  // namespace

Form13::Form13(Game& game)
    : MapScene(game, {.name = "Form13",
                      .client = {7185, 7695},
                      .returnCode = "13",
                      .hero = "hero_map_brown",
                      .tiles = &kTiles}) {}

void Form13::Timer4_Timer() {
    Timer4.setInterval(0);
    const Cell at = here();
    if (at == Cell{5040, 2880}) {
        msgbox("ここはタケヤブシティー。とげのやぶに入るとHPが減ります！気をつけてください！");
    }
    for (const Cell& thorn : kThorns) {
        if (at == thorn) {
            game().Form4.Text1.setValue(game().Form4.Text1.value() - 10);
            beep();
        }
    }
    // The east machine opens over the town, which stays open beneath it; when
    // the town is left the machine goes with it.
    if (at == Cell{4320, 2880}) {
        game().Form6.show();
        game().Form6.Text1.setText("13");
        game().Form6.closeWith(*this);
    }
    Timer5.setInterval(1);
}

void Form13::Timer5_Timer() {
    if (here() == Cell{5760, 720}) {
        game().Form14.show();
        unload();
    }
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

void Form13::Timer6_Timer() {
    if (here() == Cell{4320, 720}) Timer12.setInterval(1);
    Timer6.setInterval(0);
    Timer7.setInterval(1);
}

void Form13::Timer7_Timer() {
    const Cell at = here();
    if (at == Cell{3600, 2160}) Timer18.setInterval(1);
    if (at == Cell{720, 720}) {
        game().Form6.show();
        unload();
        game().Form6.Text1.setText("13");
    }
    if (at == Cell{720, 2160}) Timer22.setInterval(1);
    Timer7.setInterval(0);
    Timer8.setInterval(1);
}

// The hedge is turned back only here, after the earlier checks have looked
// at the hedge cell and found nothing: a step against it costs nothing,
// even from a thorn cell.
void Form13::Timer8_Timer() {
    const Cell at = here();
    if (std::find(kHedge.begin(), kHedge.end(), at) != kHedge.end()) setBack();
    Timer8.setInterval(0);
    Timer9.setInterval(1);
    if (at == Cell{2160, 720}) {
        unload();
        game().Form10.show();
        game().Form10.Text2.setText("13");
    }
}

void Form13::Timer9_Timer() {
    Timer9.setInterval(0);
    Timer10.setInterval(1);
}

void Form13::Timer12_Timer() {
    const double key = game().Form4.Text11.value();
    if (key == 1) {
        game().Form15.show();
        unload();
    }
    if (key == 0) msgbox("かぎがありません。");
    Timer12.setInterval(0);
}

void Form13::Timer15_Timer() {
    hideArrows();
    Image62.show();
    Image61.hide();
    Timer16.setInterval(1000);
    Timer15.setInterval(0);
}

void Form13::Timer16_Timer() {
    Image62.move(2880, 2160);
    Timer17.setInterval(1000);
    Timer16.setInterval(0);
}

void Form13::Timer17_Timer() {
    Image61.move(2160, 2160);
    Text1.setText("2160");
    Text2.setText("2160");
    Text3.setText("2160");
    Text4.setText("2160");
    game().Form4.Text13.setText("1");
    Image61.show();
    Image62.hide();
    Timer17.setInterval(0);
    showArrows();
}

void Form13::Timer18_Timer() {
    if (game().Form4.Text12.value() == 1) {
        game().Form17.show();
        unload();
    }
    Timer18.setInterval(0);
}

// The flag is never cleared, so the friend comes back on the tick after the
// crossing hides him, on the hedge where he put the hero down.
void Form13::Timer19_Timer() {
    if (game().Form4.Text12.value() == 1) Image62.show();
}

// HP 0 is still alive.
void Form13::Timer20_Timer() {
    if (game().Form4.Text1.value() < 0) {
        msgbox("ポッチーは目の前が真っ暗になった！");
        game().Form11.show();
        unload();
    }
}

void Form13::Timer21_Timer() {
    if (game().Form4.Text13.value() == 1) {
        Text1.setText("2160");
        Text2.setText("2160");
        Text3.setText("2160");
        Text4.setText("2160");
        Image61.move(2160, 2160);
    }
    Timer21.setInterval(0);
}

void Form13::Timer22_Timer() {
    const double level = game().Form4.Text6.value();
    if (level >= 6) {
        game().Form18.show();
        unload();
        msgbox("レベルのおかげでドアが開いた！");
    }
    if (level < 6) msgbox("レベル6以上でないと開きません！");
    Timer22.setInterval(0);
}

}  // namespace zorb
