#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The shoulder-tapping game: the father's little talk, then ten seconds of
// tapping the fist that shows on one of his shoulders, 30 yen a tap.
class Form8 : public GameScene {
public:
    explicit Form8(Game& game);

    static constexpr const char* kHeroCall = "ポッチー：ただいま、父さん！";
    static constexpr const char* kOffer = "あー肩がこった！肩をたたいてくれればおこずかいをやるぞ！";
    static constexpr const char* kHowTo = "じゃあ出てきたボタンをなるべく早く押してくれ！！";
    static constexpr int kYenPerTap = 30;
    static constexpr int kTappingMs = 10000;

    Image Image1{this, 1, {120, 120, 4500, 4500}, "father_shoulders"};
    Image Image2{this, 2, {1080, 720, 630, 630}, "fist", &Form8::Image2_Click, Hidden};  // left shoulder
    Image Image3{this, 3, {2880, 720, 630, 630}, "fist", &Form8::Image3_Click, Hidden};  // right shoulder
    Label Label1{this, 1, {120, 4680, 4455, 1095}, "お！ポッチーか！",
                 {.fore = colors::White, .back = colors::Black, .size = 11.25, .bold = true}};
    CommandButton Command1{this, 1, {4320, 5520, 255, 255}, "▼", &Form8::Command1_Click};
    CommandButton Command2{this, 2, {1560, 5880, 735, 255}, "YES", &Form8::Command2_Click, {.visible = Hidden}};
    CommandButton Command3{this, 3, {2400, 5880, 735, 255}, "NO", &Form8::Command3_Click, {.visible = Hidden}};
    CommandButton Command4{this, 4, {1920, 6240, 855, 375}, "スタート", &Form8::Command4_Click,
                           {.visible = Hidden}};
    TextBox Text1{this, 1, {4080, 5520, 255, 270}, "1", Hidden};  // dialogue step
    TextBox Text2{this, 2, {840, 6360, 495, 270}, "0", Hidden};   // taps counted
    Timer Timer1{this, 1, 0, &Form8::Timer1_Timer};                // the tapping time

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Image2_Click();
    void Image3_Click();
    void Timer1_Timer();
};

}  // namespace zorb
