#pragma once

#include <string>
#include <vector>

#include "scenes/GameScene.h"

namespace zorb {

// The wall-crossing cutscene: the friend comes closer in three steps, takes
// the LED and carries the hero over the wall of the second town.
class Form17 : public GameScene {
public:
    explicit Form17(Game& game);

    static inline const std::vector<std::string> kTalk{
        "そのLEDをくれるなら、ぼくが壁の向こう側まで連れて行ってあげるよ！",
        "ポッチー：本当？じゃあ、はいこれ、LED！",
        "ありがとう！じゃあ、しっかりつかまっててね！",
    };

    // The same drawing at four sizes; the later ones cover the earlier.
    Image Image1{this, 1, {2520, 2400, 1710, 1800}, "friend_loco_114"};
    Image Image2{this, 2, {2040, 1920, 2565, 2700}, "friend_loco_171", Hidden};
    Image Image3{this, 3, {1320, 1320, 3840, 4050}, "friend_loco_256", Hidden};
    Image Image4{this, 4, {240, 360, 5760, 6075}, "friend_loco_384", Hidden};
    Timer Timer1{this, 1, 1000, &Form17::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Form17::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Form17::Timer3_Timer};

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
};

}  // namespace zorb
