#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The construction-worker battle at a radio tower of the third town. The
// worker throws his wrench first; a bomb always beats him. The town writes
// the tower's number (1..3) into Text1; a win sets that tower's flag.
class Form20 : public GameScene {
public:
    explicit Form20(Game& game);

    static constexpr Color kPink = 0xFF8080;

    Image Image1{this, 1, {120, 120, 4275, 4050}, "worker"};
    Image Image2{this, 2, {4440, 1200, 3915, 5235}, "hero_battle"};
    Image Image5{this, 5, {1440, 2760, 1455, 1290}, "hit_spark", Hidden};     // melee
    Image Image4{this, 4, {1320, 120, 1335, 1260}, "blast_blue_small", Hidden};  // bomb
    Image Image3{this, 3, {5280, 1800, 1050, 1380}, "wrench", Hidden};        // the worker's throw

    Label Label1{this, 1, {4440, 120, 2655, 375}, "←工事員　HP:", {.back = colors::PaleYellow, .size = 20.25}};
    Label Label2{this, 2, {7080, 120, 735, 495}, "100", {.back = colors::PaleYellow, .size = 20.25}};  // worker HP
    Label Label3{this, 3, {4440, 600, 2895, 495}, "↓ポッチー　HP:", {.back = colors::PaleYellow, .size = 20.25}};
    Label Label4{this, 4, {7200, 600, 975, 495}, "0", {.back = colors::PaleYellow, .size = 20.25}};  // hero HP
    Label Label6{this, 6, {1200, 4680, 975, 375}, "攻撃", {.back = kPink, .size = 14.25}};
    Label Label5{this, 5, {120, 6600, 8175, 1335}, "工事員のおっさんが勝負を仕掛けてきた",
                 {.back = colors::Green, .size = 20.25}};  // message line

    CommandButton Command1{this, 1, {1080, 5160, 1575, 255}, "ボトロン", &Form20::Command1_Click,
                           {.visible = Hidden}};
    CommandButton Command2{this, 2, {1080, 5520, 1575, 255}, "リンチ", &Form20::Command2_Click,
                           {.visible = Hidden}};
    CommandButton Command3{this, 3, {3000, 4920, 975, 375}, "アイテム", &Form20::Command3_Click,
                           {.visible = Hidden}};

    TextBox Text1{this, 1, {7560, 6000, 855, 375}, "Text1", Hidden};  // the tower, 1..3

    Timer Timer1{this, 1, 2000, &Form20::Timer1_Timer};  // the worker's throw
    Timer Timer2{this, 2, 0, &Form20::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Form20::Timer3_Timer};
    Timer Timer4{this, 4, 0, &Form20::Timer4_Timer};
    Timer Timer5{this, 5, 0, &Form20::Timer5_Timer};
    Timer Timer6{this, 6, 0, &Form20::Timer6_Timer};
    Timer Timer7{this, 7, 0, &Form20::Timer7_Timer};
    Timer Timer8{this, 8, 0, &Form20::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form20::Timer9_Timer};
    Timer Timer10{this, 10, 0, &Form20::Timer10_Timer};
    Timer Timer11{this, 11, 0, &Form20::Timer11_Timer};
    Timer Timer12{this, 12, 0, &Form20::Timer12_Timer};
    Timer Timer13{this, 13, 1, &Form20::Timer13_Timer};  // HP display

    // The frame of the command box, open where its heading sits.
    Line Line1{this, 1, {840, 4920}, {1200, 4920}};
    Line Line2{this, 2, {2175, 4920}, {2880, 4920}};
    Line Line3{this, 3, {2880, 4920}, {2880, 6000}};
    Line Line4{this, 4, {840, 6000}, {2880, 6000}};
    Line Line5{this, 5, {840, 4920}, {840, 6000}};

private:
    void Form_Load() override;
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
    void Timer13_Timer();

    void setButtons(Visibility state);
};

}  // namespace zorb
