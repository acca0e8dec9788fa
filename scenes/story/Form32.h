#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The caught boss says he is sorry; two seconds later the ending.
class Form32 : public GameScene {
public:
    explicit Form32(Game& game);

    static constexpr const char* kApology = "ごめんなさい！もう逃げません！";
    static constexpr const char* kPromise = "もう二度と悪いことはしません…。";

    Image Image1{this, 1, {120, 120, 2595, 2880}, "boss_portrait"};
    Label Label1{this, 1, {2640, 120, 4575, 2895}, kApology, {.back = colors::White, .size = 36}};
    TextBox Text1{this, 1, {600, 2520, 1335, 735}, "1", Hidden};  // step counter
    Timer Timer1{this, 1, 2000, &Form32::Timer1_Timer};

private:
    void Timer1_Timer();
};

}  // namespace zorb
