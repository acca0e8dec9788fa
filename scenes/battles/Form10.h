#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The ghost battle, fought from the first and the second town. The player
// attacks by melee or bomb; the ghost answers with one of four moves drawn
// at random. The caller writes its return code ("3" or "13") into Text2.
class Form10 : public GameScene {
public:
    explicit Form10(Game& game);

    // Effect pictures are declared after the fighters so they are drawn over them.
    Image Image1{this, 1, {120, 120, 2520, 4230}, "ghost"};
    Image Image2{this, 2, {4200, 1440, 3915, 5235}, "hero_battle"};
    Image Image3{this, 3, {360, 1800, 1455, 1290}, "hit_spark", Hidden};        // melee
    Image Image5{this, 5, {120, 120, 5325, 5010}, "bomb_blast", Hidden};        // bomb
    Image Image6{this, 6, {4200, 1440, 4650, 5250}, "cross_yellow", Hidden};    // move 1
    Image Image7{this, 7, {4200, 1440, 4650, 5250}, "claws_red", Hidden};     // move 3
    Image Image4{this, 4, {4320, 2280, 1065, 1035}, "star_red", Hidden};     // move 4

    Label Label1{this, 1, {2880, 240, 1695, 495}, "幽霊  HP:",
                 {.fore = colors::Black, .back = colors::Red, .size = 20.25}};
    Label Label2{this, 2, {4680, 240, 735, 495}, "50", {.back = colors::Red, .size = 20.25}};  // ghost HP
    Label Label3{this, 3, {4080, 840, 2415, 495}, "ポッチー　HP:", {.back = colors::Red, .size = 20.25}};
    Label Label4{this, 4, {6480, 840, 975, 495}, "0", {.back = colors::Red, .size = 20.25}};   // hero HP
    Label Label6{this, 6, {360, 4680, 2175, 375}, "攻撃", {.back = colors::Green, .size = 14.25}};
    Label Label5{this, 5, {360, 6720, 7575, 1575},
                 "幽霊が飛び出した！「前回の復讐をしてやる！！」ポッチーの攻撃です！",
                 {.back = colors::Yellow, .size = 20.25}};  // message line

    CommandButton Command1{this, 1, {480, 5160, 1935, 255}, "リンチ", &Form10::Command1_Click};
    CommandButton Command2{this, 2, {480, 5520, 1935, 255}, "ボトロン", &Form10::Command2_Click};
    CommandButton Command5{this, 5, {2640, 4920, 855, 375}, "アイテム", &Form10::Command5_Click};

    TextBox Text1{this, 1, {120, 1200, 615, 270}, "", Hidden};       // the ghost's drawn move, 1..4
    TextBox Text2{this, 2, {7800, 8040, 495, 270}, "Text2", Hidden};  // return code

    Timer Timer1{this, 1, 1, &Form10::Timer1_Timer};  // HP display
    Timer Timer2{this, 2, 0, &Form10::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Form10::Timer3_Timer};
    Timer Timer4{this, 4, 0, &Form10::Timer4_Timer};
    Timer Timer5{this, 5, 0, &Form10::Timer5_Timer};
    Timer Timer6{this, 6, 0, &Form10::Timer6_Timer};
    Timer Timer7{this, 7, 0, &Form10::Timer7_Timer};
    Timer Timer8{this, 8, 0, &Form10::Timer8_Timer};
    Timer Timer9{this, 9, 0, &Form10::Timer9_Timer};
    Timer Timer10{this, 10, 0, &Form10::Timer10_Timer};
    Timer Timer11{this, 11, 0, &Form10::Timer11_Timer};
    Timer Timer12{this, 12, 0, &Form10::Timer12_Timer};
    Timer Timer13{this, 13, 0, &Form10::Timer13_Timer};
    Timer Timer14{this, 14, 0, &Form10::Timer14_Timer};
    Timer Timer15{this, 15, 0, &Form10::Timer15_Timer};
    Timer Timer16{this, 16, 0, &Form10::Timer16_Timer};
    Timer Timer17{this, 17, 0, &Form10::Timer17_Timer};
    Timer Timer18{this, 18, 0, &Form10::Timer18_Timer};
    Timer Timer19{this, 19, 0, &Form10::Timer19_Timer};
    Timer Timer20{this, 20, 0, &Form10::Timer20_Timer};
    Timer Timer21{this, 21, 0, &Form10::Timer21_Timer};
    Timer Timer22{this, 22, 0, &Form10::Timer22_Timer};

    // The frame of the command box, open where its heading sits.
    Line Line1{this, 1, {240, 4800}, {360, 4800}};
    Line Line2{this, 2, {2535, 4800}, {3600, 4800}};
    Line Line3{this, 3, {3600, 4800}, {3600, 6600}};
    Line Line4{this, 4, {240, 6600}, {3600, 6600}};
    Line Line5{this, 5, {240, 4800}, {240, 6600}};

private:
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
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
    void Timer14_Timer();
    void Timer15_Timer();
    void Timer16_Timer();
    void Timer17_Timer();
    void Timer18_Timer();
    void Timer19_Timer();
    void Timer20_Timer();
    void Timer21_Timer();
    void Timer22_Timer();

    void setButtons(Visibility state);
    void hurtHero(int damage, const char* message);
    void win();
};

}  // namespace zorb
