#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The safe-house escape: ザルバ closes in 100 twips per axis every 150 ms
// while ポッチー, 400 twips a click, picks up both keys and runs into the
// safe house. Caught, or into ザルバ's hideout, loses.
class Form27 : public GameScene {
public:
    explicit Form27(Game& game);

    static constexpr float kHeroStep = 400;
    static constexpr float kChaserStep = 100;
    static constexpr int kChaserPaceMs = 150;

    Image Image1{this, 1, {400, 400, 750, 765}, "hero_map_white"};     // ポッチー
    Image Image2{this, 2, {6000, 3600, 750, 750}, "zaruba_face"};  // the chaser
    Image Image3{this, 3, {7200, 6000, 750, 750}, "safe_house"};
    Image Image4{this, 4, {1200, 4400, 750, 765}, "hideout_shutter"};
    Image Image5{this, 5, {6800, 1200, 750, 750}, "tile_key"};
    Image Image6{this, 6, {1200, 6000, 750, 750}, "tile_key"};
    CommandButton Command1{this, 1, {3960, 6000, 495, 855}, "↑", &Form27::Command1_Click, {.visible = Hidden}};
    CommandButton Command2{this, 2, {4440, 6840, 855, 495}, "→", &Form27::Command2_Click, {.visible = Hidden}};
    CommandButton Command3{this, 3, {3960, 7320, 495, 855}, "↓", &Form27::Command3_Click, {.visible = Hidden}};
    CommandButton Command4{this, 4, {3120, 6840, 855, 495}, "←", &Form27::Command4_Click, {.visible = Hidden}};
    CommandButton Command5{this, 5, {2880, 3360, 2895, 975}, "スタート", &Form27::Command5_Click};
    TextBox Text1{this, 1, {0, 1320, 495, 270}, "0", Hidden};  // keys collected
    Timer Timer1{this, 1, 0, &Form27::Timer1_Timer};  // ザルバ's pace
    Timer Timer2{this, 2, 0, &Form27::Timer2_Timer};  // first key
    Timer Timer3{this, 3, 0, &Form27::Timer3_Timer};  // second key
    Timer Timer4{this, 4, 0, &Form27::Timer4_Timer};  // arrival at the safe house
    Timer Timer5{this, 5, 0, &Form27::Timer5_Timer};  // the win test
    Timer Timer6{this, 6, 0, &Form27::Timer6_Timer};  // arrival at the hideout
    Timer Timer7{this, 7, 0, &Form27::Timer7_Timer};  // caught

private:
    void Command1_Click() { Image1.setTop(Image1.top() - kHeroStep); }
    void Command2_Click() { Image1.setLeft(Image1.left() + kHeroStep); }
    void Command3_Click() { Image1.setTop(Image1.top() + kHeroStep); }
    void Command4_Click() { Image1.setLeft(Image1.left() - kHeroStep); }
    void Command5_Click();
    void Timer1_Timer();
    void Timer2_Timer() { pickUp(Image5, Timer2); }
    void Timer3_Timer() { pickUp(Image6, Timer3); }
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    bool heroOn(const Image& place) const;
    void pickUp(Image& key, Timer& watch);
    void stopTheEscape();
};

}  // namespace zorb
