#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss mash: a hundred clicks on the boss's portrait, which shows more
// damage every ten clicks (but not at 70); then he runs away.
class Form30 : public GameScene {
public:
    explicit Form30(Game& game);

    static constexpr int kClicksToFlee = 100;

    Image Image1{this, 1, {120, 120, 2595, 2880}, "boss_portrait", &Form30::Image1_Click};
    // Damage stages, outside the client area.
    Image Image2{this, 2, {120, 6120, 2595, 2880}, "boss_damage1"};
    Image Image3{this, 3, {840, 6120, 2595, 2880}, "boss_damage2"};
    Image Image4{this, 4, {1560, 6120, 2595, 2880}, "boss_damage3"};
    Image Image5{this, 5, {2280, 6120, 2595, 2880}, "boss_damage4"};
    Image Image6{this, 6, {3120, 6120, 2595, 2880}, "boss_damage5"};
    Image Image7{this, 7, {3960, 6120, 2595, 2880}, "boss_damage6"};
    Image Image8{this, 8, {4680, 6120, 2595, 2880}, "boss_damage7"};
    Image Image9{this, 9, {5280, 6120, 2595, 2880}, "boss_damage8"};
    TextBox Text1{this, 1, {1320, 4920, 735, 375}, "0"};  // clicks, outside the client area

private:
    void Image1_Click();
};

}  // namespace zorb
