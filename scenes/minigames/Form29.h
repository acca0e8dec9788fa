#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss confronts the hero and the mash game is explained, two seconds a line.
class Form29 : public GameScene {
public:
    explicit Form29(Game& game);

    static constexpr const char* kOpening = "きさまがポッチーだな！よくもザルバをやってくれたな。ここで殺してやる！";

    Image Image1{this, 1, {0, -120, 2595, 2880}, "boss_portrait"};
    Label Label1{this, 1, {2640, 0, 2895, 2535}, kOpening, {.back = colors::White, .size = 20.25}};
    TextBox Text1{this, 1, {0, 480, 735, 270}, "1", Hidden};  // step counter
    Timer Timer1{this, 1, 2000, &Form29::Timer1_Timer};

private:
    void Timer1_Timer();
};

}  // namespace zorb
