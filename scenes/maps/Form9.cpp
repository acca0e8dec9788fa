#include "scenes/maps/Form9.h"

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile wall{"tile_wall_stripes"};
constexpr Tile ground{"tile_floor_white"};
constexpr Tile grass{"tile_grass_pale_yellow"};
constexpr Tile door{"tile_door"};
constexpr Tile note{"tile_sign_white"};

// The grass in the border at the top left cannot be reached.
constexpr TileTable kTiles = {{
    wall,  wall,   wall,   wall,   wall,   wall,   wall,   wall,   wall,   wall,
    grass, door,   ground, ground, ground, ground, ground, ground, ground, wall,
    wall,  ground, ground, ground, ground, ground, ground, ground, ground, wall,
    wall,  ground, ground, ground, note,   ground, ground, ground, ground, wall,
    wall,  ground, ground, ground, ground, ground, ground, ground, ground, wall,
    wall,  wall,   wall,   wall,   wall,   wall,   wall,   wall,   wall,   wall,
}};

}  // namespace

Form9::Form9(Game& game)
    : MapScene(game, {.name = "Form9",
                      .client = {7230, 7710},
                      .returnCode = "9",
                      .hero = "hero_map_white",
                      .valueLeft = 2880,
                      .valueWidth = 495,
                      .tiles = &kTiles}) {}

void Form9::Timer4_Timer() {
    if (here() == Cell{720, 720}) {
        game().Form3.show();
        unload();
    }
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

// Stepping onto the note again restarts the second's wait but not the walk.
void Form9::Timer5_Timer() {
    if (here() == Cell{2880, 2160}) {
        Timer5.setInterval(0);
        Timer12.setInterval(1000);
        msgbox("ちょっと待ってってくれ。博士より。");
        hideArrows();
    }
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

void Form9::Timer6_Timer() {
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form9::Timer7_Timer() {
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

void Form9::Timer8_Timer() {
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form9::Timer9_Timer() {
    Timer10.setInterval(1);
    Timer9.setInterval(0);
}

// In at the left edge of row 1, along it to column 4, down beside the note;
// a second later he speaks. The hero cannot walk away while he comes.
void Form9::Timer12_Timer() {
    hideArrows();
    const double s = Text5.value();
    if (s == 1) {
        Image62.move(0, 720);
        Text5.setText("2");
    } else if (s == 2) {
        Image62.move(720, 720);
        Text5.setText("3");
    } else if (s == 3) {
        Image62.move(1440, 720);
        Text5.setText("4");
    } else if (s == 4) {
        Image62.move(2160, 720);
        Text5.setText("5");
    } else if (s == 5) {
        Image62.move(2880, 720);
        Text5.setText("6");
    } else if (s == 6) {
        Image62.move(2880, 1440);
        Text5.setText("8");
    } else if (s == 8) {
        Timer12.setInterval(0);
        msgbox("博士：いやあ、待たせてすまんかったのう。");
        msgbox("博士：実はな、ポッチーに渡したいものがあるんじゃ。");
        msgbox("博士：これじゃ。受け取ってくれ。");
        msgbox("ポッチーは、わざ機械01を手に入れた！");
        msgbox("わざ機械のおかげで、リンチの技が使えるようになった！");
        msgbox("ポッチー：博士、ありがとうございます！");
        msgbox("博士：うむ。ザルバを倒すために、しっかりがんばるんじゃぞ！");
        game().Form3.show();
        unload();
        game().Form4.Text10.setText("1");
    }
}

}  // namespace zorb
