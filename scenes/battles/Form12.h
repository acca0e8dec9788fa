#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The rival battle against ケンゾ, on the way out of the first town. His one
// attack is fixed, so nothing here is random. A win leads on to the second town.
class Form12 : public GameScene {
public:
    explicit Form12(Game& game);

    Image Image1{this, 1, {120, 120, 3945, 5505}, "rival_kenzo"};
    Image Image2{this, 2, {4920, 1800, 3915, 5235}, "hero_battle"};
    Image Image3{this, 3, {1560, 2520, 1455, 1290}, "hit_spark", Hidden};  // melee
    Image Image4{this, 4, {120, 120, 5325, 5010}, "bomb_blast", Hidden};   // bomb
    Image Image5{this, 5, {6600, 2640, 2190, 735}, "salmon", Hidden};      // the rival's attack

    Label Label1{this, 1, {4920, 360, 2775, 375}, "←ケンゾ（けんぞ）HP：",
                 {.fore = colors::White, .back = colors::Blue, .size = 18}};
    Label Label2{this, 2, {7680, 360, 735, 375}, "150",
                 {.fore = colors::White, .back = colors::Blue, .size = 20.25}};  // rival HP
    Label Label3{this, 3, {5040, 1080, 2655, 495}, "↓ポッチーHP：",
                 {.fore = colors::White, .back = colors::Blue, .size = 20.25}};
    Label Label4{this, 4, {7560, 1080, 855, 495}, "0",
                 {.fore = colors::White, .back = colors::Blue, .size = 20.25}};  // hero HP
    Label Label5{this, 5, {840, 5520, 1815, 375}, "攻撃",
                 {.fore = colors::Black, .back = colors::Yellow, .size = 14.25}};
    Label Label6{this, 6, {240, 7320, 8295, 1575}, "ケンゾが勝負を仕掛けてきた！ポッチーの攻撃です！",
                 {.back = colors::Yellow, .size = 20.25}};  // message line

    CommandButton Command1{this, 1, {720, 6000, 1695, 255}, "リンチ", &Form12::Command1_Click};
    CommandButton Command2{this, 2, {720, 6360, 1695, 255}, "ボトロン", &Form12::Command2_Click};
    CommandButton Command3{this, 3, {2640, 5880, 855, 375}, "アイテム", &Form12::Command3_Click};

    Timer Timer1{this, 1, 0, &Form12::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Form12::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Form12::Timer3_Timer};
    Timer Timer4{this, 4, 0, &Form12::Timer4_Timer};
    Timer Timer5{this, 5, 0, &Form12::Timer5_Timer};
    Timer Timer6{this, 6, 0, &Form12::Timer6_Timer};
    Timer Timer7{this, 7, 0, &Form12::Timer7_Timer};
    Timer Timer8{this, 8, 0, &Form12::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form12::Timer9_Timer};
    Timer Timer10{this, 10, 0, &Form12::Timer10_Timer};
    Timer Timer11{this, 11, 0, &Form12::Timer11_Timer};
    Timer Timer12{this, 12, 1, &Form12::Timer12_Timer};  // HP display

    // The frame of the command box, open where its heading sits.
    Line Line1{this, 1, {600, 5640}, {840, 5640}, colors::White};
    Line Line2{this, 2, {2655, 5640}, {3600, 5640}, colors::White};
    Line Line3{this, 3, {3600, 5640}, {3600, 7200}, colors::White};
    Line Line4{this, 4, {600, 7200}, {3600, 7200}, colors::White};
    Line Line5{this, 5, {600, 5640}, {600, 7200}, colors::White};

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer9_Timer();
    void Timer10_Timer();
    void Timer11_Timer();
    void Timer12_Timer();

    void setButtons(Visibility state);
    // After a hit: the rival's turn while he has 0 or more HP left, else the win.
    void afterHit();
    void win();
};

}  // namespace zorb
