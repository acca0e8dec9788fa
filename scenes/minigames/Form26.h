#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The ambush: ザルバ's three lines in his speech balloon, two seconds each,
// then the escape.
class Form26 : public GameScene {
public:
    explicit Form26(Game& game);

    static constexpr const char* kGreeting = "よくここまで来たな、ポッチー！";
    static constexpr const char* kThreat = "だが、ここまでだ！きさまはおれがここで殺してやる！";
    static constexpr const char* kDontRun = "こら、ポッチー！逃げるんじゃない！";
    static constexpr const char* kRules = "このゲームはポッチーを安全な民家に逃げ込ませてください。";

    Image Image1{this, 1, {0, 0, 7815, 2910}, "zaruba_ambush"};
    Label Label1{this, 1, {4080, 240, 3375, 2415}, kGreeting,
                 {.fore = colors::Red, .back = colors::White, .size = 24}};
    TextBox Text1{this, 1, {0, 2640, 255, 270}, "1", Hidden};  // step counter
    Timer Timer1{this, 1, 2000, &Form26::Timer1_Timer};

private:
    void Timer1_Timer();
};

}  // namespace zorb
