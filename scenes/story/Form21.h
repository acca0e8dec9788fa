#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The radio tower blows up: the calm lot for 3 s, the explosion for 1 s.
class Form21 : public GameScene {
public:
    explicit Form21(Game& game);

    Image Image1{this, 1, {0, 0, 9600, 7200}, "lot_snow"};
    Image Image2{this, 2, {0, 0, 9600, 7200}, "lot_explosion", Hidden};
    Timer Timer1{this, 1, 3000, &Form21::Timer1_Timer};  // shows the explosion
    Timer Timer2{this, 2, 0, &Form21::Timer2_Timer};     // leaves the scene

private:
    void Timer1_Timer();
    void Timer2_Timer();
};

}  // namespace zorb
