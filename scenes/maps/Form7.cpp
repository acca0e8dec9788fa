#include "scenes/maps/Form7.h"

#include "scenes/Game.h"
#include "scenes/maps/Form3.h"
#include "scenes/minigames/Form8.h"
#include "state/Form4.h"

namespace zorb {

namespace {

constexpr Tile wall{"tile_wall_grey"};
constexpr Tile ground{"tile_floor_white"};
constexpr Tile grass{"tile_grass_pale_yellow"};
constexpr Tile door{"tile_door"};
constexpr Tile visitor{"tile_visitor"};
constexpr Tile father{"tile_father"};
constexpr Tile newspaper{"tile_newspaper"};
constexpr Tile desk{"tile_desk"};
constexpr Tile tv{"tile_tv"};

// The grass in the border at the top left cannot be reached.
constexpr TileTable kTiles = {{
    wall,  wall,    wall,   wall,   wall,   wall,   wall,   wall,   wall,      wall,
    grass, door,    ground, ground, ground, ground, ground, ground, ground,    wall,
    wall,  visitor, ground, ground, father, ground, ground, ground, newspaper, wall,
    wall,  ground,  ground, ground, desk,   ground, tv,     ground, ground,    wall,
    wall,  ground,  ground, ground, ground, ground, ground, ground, ground,    wall,
    wall,  wall,    wall,   wall,   wall,   wall,   wall,   wall,   wall,      wall,
}};

}  // namespace

Form7::Form7(Game& game)
    : MapScene(game, {.name = "Form7",
                      .client = {7230, 7710},
                      .returnCode = "7",
                      .hero = "hero_map_white",
                      .valueLeft = 2880,
                      .valueWidth = 495,
                      .tiles = &kTiles}) {}

void Form7::Timer4_Timer() {
    if (here() == Cell{720, 720}) {
        game().Form3.show();
        unload();
    }
    Timer4.setInterval(0);
    Timer5.setInterval(1);
}

void Form7::Timer5_Timer() {
    if (here() == Cell{5760, 1440}) {
        msgbox("新聞だ！");
        msgbox("新聞：ザルバが世界を支配し始めた。みなさん、くれぐれも気をつけてください。"
               "研究によると、ザルバはペットボトル爆弾などに弱いことがわかっている。");
    }
    Timer5.setInterval(0);
    Timer6.setInterval(1);
}

void Form7::Timer6_Timer() {
    if (here() == Cell{4320, 2160}) {
        msgbox("ニュースがやっている！");
        msgbox("ニュース：この村のケンゾ（けんぞ）さんが、ザルバを倒すために旅立ちました。");
    }
    Timer7.setInterval(1);
    Timer6.setInterval(0);
}

void Form7::Timer7_Timer() {
    if (here() == Cell{2880, 2160}) msgbox("父：こら、ポッチー！机の上に乗るんじゃない！");
    Timer8.setInterval(1);
    Timer7.setInterval(0);
}

void Form7::Timer8_Timer() {
    if (here() == Cell{2880, 1440}) {
        game().Form8.show();
        unload();
    }
    Timer9.setInterval(1);
    Timer8.setInterval(0);
}

void Form7::Timer9_Timer() {
    if (here() == Cell{720, 1440}) {
        msgbox("お！君がポッチーか！");
        msgbox("博士が呼んでたぞ！");
        game().Form4.Text9.setText("1");
    }
    Timer10.setInterval(1);
    Timer9.setInterval(0);
}

}  // namespace zorb
