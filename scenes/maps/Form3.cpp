#include "scenes/maps/Form3.h"

#include "scenes/Game.h"
#include "scenes/battles/Form10.h"
#include "scenes/battles/Form12.h"
#include "scenes/maps/Form7.h"
#include "scenes/maps/Form9.h"
#include "scenes/shop/Form6.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile wall{"tile_brick"};
constexpr Tile ground{"tile_floor_pale_yellow"};
constexpr Tile grass{"tile_grass_pale_yellow"};
constexpr Tile garage{"tile_garage_pale_yellow", 750, 765};
constexpr Tile vending{"tile_vending_pale_yellow"};
constexpr Tile house{"tile_house_pale_yellow"};
constexpr Tile sign{"tile_sign_pale_yellow"};

// The grass in the border at the top left cannot be reached.
constexpr TileTable kTiles = {{
    wall,  wall,   wall,   wall,   wall,   wall,   wall,    wall,   wall,   wall,
    grass, garage, ground, ground, ground, ground, vending, ground, ground, wall,
    wall,  ground, ground, ground, ground, ground, ground,  ground, ground, wall,
    wall,  house,  ground, ground, house,  ground, grass,   ground, ground, wall,
    wall,  ground, ground, ground, ground, ground, ground,  sign,   ground, wall,
    wall,  wall,   wall,   wall,   wall,   wall,   wall,    wall,   wall,   wall,
}};

}  // namespace

Form3::Form3(Game& game)
    : MapScene(game, {.name = "Form3",
                      .client = {7230, 7710},
                      .returnCode = "3",
                      .hero = "hero_map_pale_yellow",
                      .tiles = &kTiles}) {}

void Form3::Timer4_Timer() {
    if (here() == Cell{4320, 720}) {
        game().Form6.show();
        game().Form6.Text1.setText("3");
        unload();
    }
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

void Form3::Timer5_Timer() {
    if (here() == Cell{5040, 2880}) msgbox("ここはマサラリーマンタウン。");
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

// The house opens first and its name is told over it.
void Form3::Timer6_Timer() {
    if (here() == Cell{2880, 2160}) {
        unload();
        game().Form7.show();
        msgbox("ここはポッチーの家");
    }
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form3::Timer7_Timer() {
    if (here() == Cell{720, 2160}) {
        Text5.setText("1");
        Timer12.setInterval(1);
    }
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

void Form3::Timer8_Timer() {
    if (here() == Cell{4320, 2160}) Timer13.setInterval(1);
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form3::Timer9_Timer() {
    if (here() == Cell{720, 720}) Timer14.setInterval(1);
    Text3.setText(Text1.text());
    Text4.setText(Text2.text());
    Timer9.setInterval(0);
    Timer10.setInterval(1);
}

// The door counts 1 for the step and 1 for the doctor's call: 2 opens it.
void Form3::Timer12_Timer() {
    Text5.setValue(Text5.value() + game().Form4.Text9.value());
    msgbox("博士の家だ！");
    if (Text5.value() == 2) {
        game().Form9.show();
        unload();
    } else {
        msgbox("かぎがかかっている");
    }
    Timer12.setInterval(0);
}

// A one-shot like every other action: without the technique the ghost
// stays away, and nothing waits on the flag while the hero walks on.
void Form3::Timer13_Timer() {
    Timer13.setInterval(0);
    if (game().Form4.Text10.value() == 1) {
        unload();
        game().Form10.show();
        game().Form10.Text2.setText("3");
    }
}

void Form3::Timer14_Timer() {
    const double level = game().Form4.Text6.value();
    if (level > 1) {
        msgbox("ポッチーのレベルでドアを開いた！");
        unload();
        game().Form12.show();
        msgbox("ケンゾ：よく来たな、ポッチー！おまえもザルバを倒すつもりらしいな。");
        msgbox("ケンゾ：それなら、ここでどっちが強いか力比べといこうぜ！");
    }
    if (level < 1 || level == 1) {
        msgbox("レベルを2以上にしないと開きません！");
        msgbox("レベルは幽霊と戦うと増えます！");
    }
    Timer14.setInterval(0);
}

}  // namespace zorb
