#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// Game over: the end of a lost game. The logo tells the maker's address;
// the hero button ends the program.
class Form11 : public GameScene {
public:
    explicit Form11(Game& game);

    static constexpr const char* kMakerAddress = "https://plumworks.example/zorbland/";

    Image Image1{this, 1, {2280, 4200, 4620, 690}, "maker_logo", &Form11::Image1_Click};
    Label Label1{this, 1, {720, 1320, 8055, 1695}, "GAME OVER",
                 {.fore = colors::Red, .back = colors::Black, .size = 72}};
    Label Label2{this, 2, {3840, 4920, 1815, 255}, "↑クリックで詳細表示",
                 {.fore = colors::White, .back = colors::Black}};
    CommandButton Command1{this, 1, {4080, 5880, 1335, 1215}, "", &Form11::Command1_Click,
                           {.picture = "hero_map_pale_yellow"}};

private:
    void Image1_Click();
    void Command1_Click();
};

}  // namespace zorb
