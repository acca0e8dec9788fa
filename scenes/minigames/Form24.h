#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The handcuff defence: four handcuffs close in on the line at 1000 twips a
// second; a click on a row's pistol knocks its handcuffs back 1000. Any one
// past the line loses; holding out for 20 s wins 10000 yen.
class Form24 : public GameScene {
public:
    explicit Form24(Game& game);

    static constexpr const char* kRules[] = {
        "このゲームの説明をします。",
        "このゲームは、向かってくる手錠を鉄砲をクリックで打ち返して20秒間耐えるというゲームです。",
        "4箇所から手錠が向かってくるので、各場所から銃を撃ってください。",
        "線の内側に入たら負けです。OKを押すとスタートします。",
    };
    static constexpr double kLine = 1200;  // a position strictly below it has crossed
    static constexpr double kStep = 100;   // every 100 ms
    static constexpr double kKnockBack = 1000;
    static constexpr int kHoldOutMs = 20000;
    static constexpr int kPrize = 10000;

    // Row n: handcuffs Image n, position Text n, pistol Image n+4, mover Timer n.
    Image Image1{this, 1, {6000, 120, 780, 720}, "handcuffs"};
    Image Image2{this, 2, {6000, 1080, 780, 720}, "handcuffs"};
    Image Image3{this, 3, {6000, 2040, 780, 720}, "handcuffs"};
    Image Image4{this, 4, {6000, 3000, 780, 720}, "handcuffs"};
    Image Image5{this, 5, {240, 120, 780, 720}, "pistol", &Form24::Image5_Click};
    Image Image6{this, 6, {240, 1080, 780, 720}, "pistol", &Form24::Image6_Click};
    Image Image7{this, 7, {240, 2040, 780, 720}, "pistol", &Form24::Image7_Click};
    Image Image8{this, 8, {240, 3000, 780, 720}, "pistol", &Form24::Image8_Click};
    Label Label1{this, 1, {240, 4080, 495, 255}, "時間", {.back = colors::White}};
    Label Label2{this, 2, {720, 4080, 375, 255}, "20", {.back = colors::White}};  // seconds left, display only
    // The positions lie outside the client area: never seen.
    TextBox Text1{this, 1, {8040, 480, 615, 270}, "6000"};
    TextBox Text2{this, 2, {8040, 1440, 615, 270}, "6000"};
    TextBox Text3{this, 3, {8040, 2520, 615, 270}, "6000"};
    TextBox Text4{this, 4, {8040, 3360, 615, 270}, "6000"};
    Timer Timer1{this, 1, 0, &Form24::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Form24::Timer2_Timer};
    Timer Timer3{this, 3, 0, &Form24::Timer3_Timer};
    Timer Timer4{this, 4, 0, &Form24::Timer4_Timer};
    Timer Timer5{this, 5, 0, &Form24::Timer5_Timer};  // the loss check
    Timer Timer6{this, 6, 0, &Form24::Timer6_Timer};  // the 20-second win
    Timer Timer7{this, 7, 0, &Form24::Timer7_Timer};  // the countdown shown
    Line Line1{this, 1, {1200, 0}, {1200, 4320}};

private:
    void Form_Load() override;
    void Image5_Click() { Text1.setValue(Text1.value() + kKnockBack); }
    void Image6_Click() { Text2.setValue(Text2.value() + kKnockBack); }
    void Image7_Click() { Text3.setValue(Text3.value() + kKnockBack); }
    void Image8_Click() { Text4.setValue(Text4.value() + kKnockBack); }
    void Timer1_Timer() { advance(Text1, Image1); }
    void Timer2_Timer() { advance(Text2, Image2); }
    void Timer3_Timer() { advance(Text3, Image3); }
    void Timer4_Timer() { advance(Text4, Image4); }
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void advance(TextBox& position, Image& handcuffs);
    void stopTheGame();
};

}  // namespace zorb
