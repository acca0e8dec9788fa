#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The phone-line race. Clicking the telephone moves ポッチー, but only the
// shop owner's walk ends the race: he always reaches his phone first.
class Form23 : public GameScene {
public:
    explicit Form23(Game& game);

    static constexpr const char* kRules[] = {
        "ルールを説明します。ここで先にはちゃぶろのおやじに電話をかけられないように早く電話線を切るゲームです。",
        "電話機をマウスで連打してポッチーを進ませてください。",
        "スタートボタンでスタートします！",
    };
    static constexpr float kFinishLeft = 1800;  // the shop owner is at his phone once left of this
    static constexpr float kStep = 100;

    Image Image1{this, 1, {120, 120, 1350, 3900}, "phone_cord", &Form23::Image1_Click};
    Image Image2{this, 2, {7560, 480, 1170, 1140}, "shop_owner_face"};  // upper lane
    Image Image3{this, 3, {7560, 2520, 915, 1005}, "hero_face"};        // lower lane
    CommandButton Command1{this, 1, {3840, 1680, 1935, 495}, "スタート！", &Form23::Command1_Click};
    Timer Timer1{this, 1, 0, &Form23::Timer1_Timer};  // the shop owner's pace
    Timer Timer2{this, 2, 0, &Form23::Timer2_Timer};  // the finish check
    Line Line1{this, 1, {1560, 1920}, {8760, 1920}};

private:
    void Form_Load() override;
    void Command1_Click();
    void Image1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
};

}  // namespace zorb
