#include "scenes/maps/Form19.h"

#include "scenes/Game.h"
#include "scenes/battles/Form20.h"
#include "scenes/shop/Form6.h"
#include "scenes/story/Form21.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile road_nw{"tile_road_corner_nw"};
constexpr Tile road_ne{"tile_road_corner_ne"};
constexpr Tile road_sw{"tile_road_corner_sw"};
constexpr Tile road_se{"tile_road_corner_se"};
constexpr Tile road_n{"tile_road_h"};
constexpr Tile road_s{"tile_road_h"};
constexpr Tile road_w{"tile_road_v"};
constexpr Tile road_e{"tile_road_v"};
constexpr Tile ground{"tile_floor_pale_yellow"};
constexpr Tile sprouts{"tile_sprouts_brown"};
constexpr Tile garage{"tile_garage_pale_yellow", 750, 765};
constexpr Tile vending{"tile_vending_pale_yellow"};
constexpr Tile house{"tile_house_pale_yellow"};
constexpr Tile tower{"tile_radio_tower"};
constexpr Tile sign{"tile_sign_pale_yellow"};

// The road round the edge is the border. The garage has no trigger.
constexpr TileTable kTiles = {{
    road_nw, road_n, road_n,  road_n, road_n, road_n, road_n, road_n, road_n,  road_ne,
    road_w,  garage, sprouts, ground, ground, ground, ground, ground, vending, road_e,
    road_w,  house,  house,   ground, ground, ground, tower,  sign,   ground,  road_e,
    road_w,  ground, tower,   ground, ground, ground, ground, ground, ground,  road_e,
    road_w,  ground, ground,  ground, tower,  ground, ground, sign,   ground,  road_e,
    road_sw, road_s, road_s,  road_s, road_s, road_s, road_s, road_s, road_s,  road_se,
}};

}  // namespace

Form19::Form19(Game& game)
    : MapScene(game, {.name = "Form19",
                      .client = {7230, 7695},
                      .returnCode = "19",
                      .hero = "hero_map_pale_yellow",
                      .tiles = &kTiles}) {}

void Form19::Timer4_Timer() {
    const Cell at = here();
    if (at == Cell{5760, 720}) {
        game().Form6.show();
        game().Form6.Text1.setText("19");
        unload();
    }
    if (at == Cell{5040, 2880}) msgbox("ここは、ちゃぶろタウン");
    if (at == Cell{5040, 1440}) {
        msgbox("ちゃぶろのおやじは携帯電話を持っていて、ボトロンをするとすぐ警察に通報するらしい。");
        msgbox("携帯電話の電波塔を破壊すれば携帯電話は使えなくなります。");
    }
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

// The houses cannot be entered; they turn the hero back without a word.
void Form19::Timer5_Timer() {
    const Cell at = here();
    if (at == Cell{720, 1440} || at == Cell{1440, 1440}) setBack();
    if (at == Cell{4320, 1440}) Timer12.setInterval(1);
    if (at == Cell{2880, 2880}) Timer13.setInterval(1);
    if (at == Cell{1440, 2160}) Timer14.setInterval(1);
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

// Its checks run ahead of the chain's last three links, so a set-back is in
// place before the redraw.
void Form19::Timer6_Timer() {
    if (here() == Cell{1440, 720}) Timer15.setInterval(1);
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form19::Timer7_Timer() {
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

void Form19::Timer8_Timer() {
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form19::Timer9_Timer() {
    Timer10.setInterval(1);
    Timer9.setInterval(0);
}

void Form19::tower(Timer& timer, const TextBox& done, const char* number) {
    if (done.value() == 0) {
        game().Form20.show();
        unload();
        game().Form20.Text1.setText(number);
    }
    timer.setInterval(0);
}

void Form19::Timer12_Timer() { tower(Timer12, game().Form4.Text14, "1"); }
void Form19::Timer13_Timer() { tower(Timer13, game().Form4.Text15, "2"); }
void Form19::Timer14_Timer() { tower(Timer14, game().Form4.Text16, "3"); }

void Form19::Timer15_Timer() {
    const Form4& store = game().Form4;
    const double done = store.Text14.value() + store.Text15.value() + store.Text16.value();
    if (done == 3) Timer16.setInterval(1);
    if (done < 3) {
        msgbox("電波塔を壊さないと入れません！");
        setBack();
    }
    Timer15.setInterval(0);
}

// The bomb is only shown, not used up.
void Form19::Timer16_Timer() {
    if (game().Form4.Text8.value() > 0) {
        game().Form21.show();
        unload();
    } else {
        msgbox("ボトロンが足りません");
        setBack();
    }
    Timer16.setInterval(0);
}

}  // namespace zorb
