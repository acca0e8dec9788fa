#include "scenes/maps/Form14.h"

#include <algorithm>
#include <array>

#include "scenes/Game.h"
#include "scenes/maps/Form13.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile wall{"tile_wall_stripes"};
constexpr Tile ground{"tile_floor_white"};
constexpr Tile ring{"tile_ring"};
constexpr Tile key{"tile_key"};
constexpr Tile door{"tile_door"};
constexpr Tile sign{"tile_sign_white"};
constexpr Tile path{"tile_grass_pale_yellow"};

// The path at the left edge lies in the border and is never entered. The
// key stays drawn after it has been taken.
constexpr TileTable kTiles = {{
    wall, wall, wall, wall, wall, wall, wall, wall, wall,   wall,
    path, door, wall, ring, wall, ring, key,  wall, ring,   wall,
    wall, ring, wall, ring, wall, wall, wall, ring, ground, wall,
    wall, wall, ring, wall, wall, ring, wall, ring, ground, wall,
    wall, ring, ground, ring, wall, ring, wall, sign, ground, wall,
    wall, wall, wall, wall, wall, wall, wall, wall, wall,   wall,
}};

// Exactly the wall tiles inside the border.
constexpr std::array<Cell, 13> kWalls = {{
    {1440, 720}, {2880, 720}, {5040, 720}, {1440, 1440}, {2880, 1440}, {3600, 1440}, {4320, 1440},
    {720, 2160}, {2160, 2160}, {2880, 2160}, {4320, 2160}, {2880, 2880}, {4320, 2880},
}};

}  // namespace

Form14::Form14(Game& game)
    : MapScene(game, {.name = "Form14",
                      .client = {7230, 7710},
                      .returnCode = "14",
                      .hero = "hero_map_white",
                      .tiles = &kTiles}) {}

void Form14::Timer4_Timer() {
    const Cell at = here();
    if (at == Cell{5760, 720}) Timer12.setInterval(1);
    if (at == Cell{1440, 2160}) Timer13.setInterval(1);
    if (at == Cell{2160, 2880}) Timer14.setInterval(1);
    if (at == Cell{3600, 720}) Timer15.setInterval(1);
    if (at == Cell{5040, 2880}) {
        msgbox("ここは迷路の部屋！丸はワープです。かぎを取って出口にたどりついてください。");
    }
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

void Form14::Timer5_Timer() {
    const Cell at = here();
    if (at == Cell{720, 2880}) Timer16.setInterval(1);
    if (at == Cell{720, 1440}) Timer17.setInterval(1);
    if (at == Cell{5040, 1440}) Timer18.setInterval(1);
    if (at == Cell{3600, 2160}) Timer19.setInterval(1);
    if (at == Cell{3600, 2880}) Timer20.setInterval(1);
    if (at == Cell{2160, 720}) Timer21.setInterval(1);
    if (at == Cell{2160, 1440}) Timer22.setInterval(1);
    if (at == Cell{5040, 2160}) Timer23.setInterval(1);
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

void Form14::Timer6_Timer() {
    const Cell at = here();
    if (std::find(kWalls.begin(), kWalls.end(), at) != kWalls.end()) setBack();
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form14::Timer7_Timer() {
    if (here() == Cell{4320, 720}) {
        game().Form4.Text11.setText("1");
        msgbox("かぎを手に入れた！");
    }
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

// The door opens with or without the key.
void Form14::Timer8_Timer() {
    if (here() == Cell{720, 720}) {
        game().Form13.show();
        unload();
    }
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form14::Timer9_Timer() {
    Timer9.setInterval(0);
    Timer10.setInterval(1);
}

// The target is a ring too, but it is not tested again until the hero steps
// onto it anew: a warp moves him once per step. The previous position stays
// the cell the step started from.
void Form14::warp(Timer& timer, Cell from, Cell target) {
    const Cell at = here();
    Timer10.setInterval(10);
    timer.setInterval(0);
    if (at == from) {
        Text1.setValue(target.x);
        Text2.setValue(target.y);
    }
}

void Form14::Timer12_Timer() { warp(Timer12, {5760, 720}, {3600, 720}); }
void Form14::Timer13_Timer() { warp(Timer13, {1440, 2160}, {5760, 720}); }
void Form14::Timer14_Timer() { warp(Timer14, {2160, 2880}, {3600, 720}); }
void Form14::Timer15_Timer() { warp(Timer15, {3600, 720}, {2160, 2880}); }
void Form14::Timer16_Timer() { warp(Timer16, {720, 2880}, {720, 1440}); }
void Form14::Timer17_Timer() { warp(Timer17, {720, 1440}, {3600, 2880}); }
void Form14::Timer18_Timer() { warp(Timer18, {5040, 1440}, {3600, 2160}); }
void Form14::Timer19_Timer() { warp(Timer19, {3600, 2160}, {5040, 1440}); }
void Form14::Timer20_Timer() { warp(Timer20, {3600, 2880}, {2160, 720}); }
void Form14::Timer21_Timer() { warp(Timer21, {2160, 720}, {3600, 2880}); }
void Form14::Timer22_Timer() { warp(Timer22, {2160, 1440}, {5040, 2160}); }
void Form14::Timer23_Timer() { warp(Timer23, {5040, 2160}, {720, 1440}); }

}  // namespace zorb
