#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss chase: catch 首領ポッチー within 20 s on a field of 20 × 20
// places of 400 twips. He flees a step from the hero on each axis every 2 s.
class Form31 : public GameScene {
public:
    explicit Form31(Game& game);

    static constexpr const char* kRules[] = {
        "このゲームの説明をします！",
        "首領ポッチーは今逃げています！20秒以内に捕まえたください",
        "OKを押したらスタートします。",
    };
    static constexpr float kStep = 400;
    static constexpr float kFieldLast = 7600;  // the last place on either axis
    static constexpr int kFlightMs = 2000;
    static constexpr int kLimitMs = 20000;

    Image Image1{this, 1, {1200, 1200, 750, 765}, "hero_map_green"};  // ポッチー
    Image Image2{this, 2, {4000, 4000, 750, 750}, "boss_face_green"};   // the boss
    CommandButton Command1{this, 1, {3720, 5760, 495, 735}, "↑", &Form31::Command1_Click};
    CommandButton Command2{this, 2, {4200, 6480, 735, 495}, "→", &Form31::Command2_Click};
    CommandButton Command3{this, 3, {3720, 6960, 495, 735}, "↓", &Form31::Command3_Click};
    CommandButton Command4{this, 4, {3000, 6480, 735, 495}, "←", &Form31::Command4_Click};
    // The chase runs for kFlightMs / 1 / 1 / kLimitMs, but none of the four
    // may start with the scene: the 20 s belong to the player from the moment
    // the rules are closed. Form_Load arms them after the last rule box, so
    // that holds however long the boxes stay open and whatever the clock
    // does meanwhile.
    Timer Timer1{this, 1, 0, &Form31::Timer1_Timer};  // the boss's flight
    Timer Timer2{this, 2, 0, &Form31::Timer2_Timer};  // keeps both inside the field
    Timer Timer3{this, 3, 0, &Form31::Timer3_Timer};  // the catch test
    Timer Timer4{this, 4, 0, &Form31::Timer4_Timer};  // the time limit

private:
    void Form_Load() override;
    void Command1_Click() { Image1.setTop(Image1.top() - kStep); }
    void Command2_Click() { Image1.setLeft(Image1.left() + kStep); }
    void Command3_Click() { Image1.setTop(Image1.top() + kStep); }
    void Command4_Click() { Image1.setLeft(Image1.left() - kStep); }
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
};

}  // namespace zorb
