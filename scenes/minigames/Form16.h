#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The LED that was found, and the way back to the second town.
class Form16 : public GameScene {
public:
    explicit Form16(Game& game);

    Image Image1{this, 1, {0, 0, 2415, 5535}, "led_photo"};
    CommandButton Command1{this, 1, {120, 5640, 2175, 735}, "OK", &Form16::Command1_Click};

private:
    void Command1_Click();
};

}  // namespace zorb
