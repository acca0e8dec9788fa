#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The item box: build a bottle bomb from water and a pet bottle, eat a
// candy, take a medicine. Opened over the maps and the battles; the caller
// writes its return code into Text3, and OK goes back by it.
class Form5 : public GameScene {
public:
    explicit Form5(Game& game);

    static constexpr Color kBack = colors::Orange;

    Label Label9{this, 9, {120, 120, 4095, 495}, "アイテムボックス", {.back = kBack, .size = 27.75}};
    Label Label1{this, 1, {120, 720, 375, 375}, "水", {.back = kBack, .size = 14.25, .bold = true}};
    Label Label2{this, 2, {1680, 720, 1095, 375}, "0", {.back = kBack, .size = 14.25}};  // water
    Label Label3{this, 3, {0, 1200, 1575, 375}, "ペットボトル", {.back = kBack, .size = 14.25, .bold = true}};
    Label Label4{this, 4, {1680, 1200, 1095, 375}, "0", {.back = kBack, .size = 14.25}};  // pet bottles
    Label Label5{this, 5, {0, 1680, 1815, 375}, "おいしいあめ", {.back = kBack, .size = 14.25, .bold = true}};
    Label Label6{this, 6, {1680, 1680, 1095, 375}, "0", {.back = kBack, .size = 14.25}};  // candy
    Label Label7{this, 7, {0, 2160, 1575, 495}, "回復の薬", {.back = kBack, .size = 14.25, .bold = true}};
    Label Label8{this, 8, {1680, 2160, 1095, 375}, "0",
                 {.fore = colors::Black, .back = kBack, .size = 14.25}};  // medicine
    Label Label10{this, 10, {240, 2520, 2655, 255}, "ドライアイス　　　∞", {.back = kBack}};

    CommandButton Command1{this, 1, {3000, 720, 975, 735}, "使う", &Form5::Command1_Click};  // bomb
    CommandButton Command2{this, 2, {3000, 1680, 975, 255}, "使う", &Form5::Command2_Click};  // candy
    CommandButton Command3{this, 3, {3000, 2160, 975, 255}, "使う", &Form5::Command3_Click};  // medicine
    CommandButton Command4{this, 4, {1560, 3000, 1215, 495}, "OK", &Form5::Command4_Click};

    // Ingredients found by one bomb click; right of the client area, never seen.
    TextBox Text1{this, 1, {4080, 600, 615, 270}, "0"};
    TextBox Text3{this, 3, {600, 3120, 855, 270}, "Text3", Hidden};  // return code

private:
    void Form_Load() override;
    void Form_Activate() override;
    void showCounts();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
};

}  // namespace zorb
