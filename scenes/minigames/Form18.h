#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The bomb-making race against クロッパ: take an item from the supply, put it
// into the bottle; five pieces of dry ice and four portions of water make a
// bomb, which hits クロッパ for 100 a second later. His own bombs hit the
// hero for 100 HP every 8 s.
class Form18 : public GameScene {
public:
    explicit Form18(Game& game);

    static constexpr const char* kRules[] = {
        "勝負のルールを説明します。",
        "クロッパとボトロンはや作り対決をします。",
        "ペットボトルに水とドライアイスをすばやく入れて、早く完成させましょう！",
        "たとえばドライアイスの場合、ドライアイスをクリックした後に、ペットボトルをクリックしてください。",
        "水の場合もおんなじです。スタートボタンで始まります！",
    };
    static constexpr int kFirstHitMs = 7000;   // from スタート
    static constexpr int kHitEveryMs = 7000;   // after the flash of the last hit
    static constexpr int kFlashMs = 1000;
    static constexpr int kBombHitMs = 1000;    // a finished bomb reaches クロッパ

    static constexpr LabelStyle kOnMagenta{.back = colors::Magenta, .size = 20.25};

    Image Image1{this, 1, {720, 0, 2745, 4380}, "croppa"};
    Image Image2{this, 2, {5040, 1560, 3915, 5235}, "hero_battle"};
    Image Image3{this, 3, {240, 4440, 2250, 2250}, "bottle_empty", &Form18::Image3_Click, Hidden};  // the bottle
    // Picture stores, below the client area: what the bottle shows at stage 2..10.
    Image Image4{this, 4, {240, 9000, 2250, 2250}, "bottle_ice1"};
    Image Image5{this, 5, {2640, 9000, 2250, 2250}, "bottle_ice2"};
    Image Image6{this, 6, {5040, 9000, 2250, 2250}, "bottle_ice3"};
    Image Image7{this, 7, {7440, 9000, 2250, 2250}, "bottle_ice4"};
    Image Image8{this, 8, {240, 11400, 2250, 2250}, "bottle_ice5"};
    Image Image9{this, 9, {2640, 11400, 2250, 2250}, "bottle_water1"};
    Image Image10{this, 10, {5040, 11400, 2250, 2250}, "bottle_water2"};
    Image Image11{this, 11, {7440, 11400, 2250, 2250}, "bottle_water3"};
    Image Image12{this, 12, {2640, 4440, 2250, 2250}, "supply_ice5", &Form18::Image12_Click, Hidden};  // the supply
    // Picture stores: the supply again at stage 10, the empty bottle, the supply at 2..9.
    Image Image13{this, 13, {240, 13800, 2250, 2250}, "supply_ice5"};
    Image Image14{this, 14, {2640, 13800, 2250, 2250}, "bottle_empty"};
    Image Image15{this, 15, {5040, 13800, 2250, 2250}, "supply_ice4"};
    Image Image16{this, 16, {7440, 13800, 2250, 2250}, "supply_ice3"};
    Image Image17{this, 17, {240, 16200, 2250, 2250}, "supply_ice2"};
    Image Image18{this, 18, {2640, 16200, 2250, 2250}, "supply_ice1"};
    Image Image19{this, 19, {5040, 16200, 2250, 2250}, "water_tub"};
    Image Image20{this, 20, {1320, 3000, 1335, 1260}, "starburst", Hidden};  // flash on クロッパ
    Image Image21{this, 21, {6480, 5520, 1335, 1260}, "starburst", Hidden};  // flash on the hero
    Label Label1{this, 1, {3720, 120, 1815, 495}, "クロッパ　HP:", kOnMagenta};
    Label Label2{this, 2, {5520, 120, 1215, 495}, "400", kOnMagenta};  // クロッパ's value
    Label Label3{this, 3, {5880, 960, 2415, 375}, "ポッチー　HP:", kOnMagenta};
    Label Label4{this, 4, {8280, 960, 1095, 375}, "0", kOnMagenta};    // the hero's HP, from the store
    Label Label5{this, 5, {120, 6960, 8895, 1695}, "クロッパが勝負を仕掛けてきた！",
                 {.back = colors::Yellow, .size = 20.25}};
    CommandButton Command1{this, 1, {8040, 7680, 975, 975}, "▼", &Form18::Command1_Click};
    CommandButton Command2{this, 2, {3600, 8160, 1575, 375}, "スタート", &Form18::Command2_Click,
                           {.visible = Hidden}};
    TextBox Text1{this, 1, {120, 9000, 495, 270}, "1", Hidden};  // rules page
    TextBox Text2{this, 2, {120, 9360, 495, 270}, "1", Hidden};  // bottle stage
    TextBox Text3{this, 3, {120, 9720, 495, 270}, "1", Hidden};  // supply stage
    TextBox Text4{this, 4, {120, 10080, 495, 270}, "0", Hidden}; // hand flag: "1" while an item is held
    Timer Timer1{this, 1, 0, &Form18::Timer1_Timer};  // take an item
    Timer Timer2{this, 2, 0, &Form18::Timer2_Timer};  // put it into the bottle
    Timer Timer3{this, 3, 0, &Form18::Timer3_Timer};  // a finished bomb hits クロッパ
    Timer Timer4{this, 4, 1, &Form18::Timer4_Timer};  // HP display
    Timer Timer5{this, 5, 0, &Form18::Timer5_Timer};  // クロッパ's bomb hits the hero
    Timer Timer6{this, 6, 0, &Form18::Timer6_Timer};  // end of the hero's flash

private:
    void Command1_Click();
    void Command2_Click();
    void Image3_Click();
    void Image12_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    const Image& bottleStage(double stage) const;
    const Image& supplyStage(double stage) const;
};

}  // namespace zorb
