#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The vending machine: water, soda and cola for money, and a free pet bottle
// from the bin beside it. The town writes its return code into Text1.
class Form6 : public GameScene {
public:
    explicit Form6(Game& game);

    static constexpr LabelStyle kPriceStyle{.fore = colors::White, .back = colors::DarkBlue, .size = 14.25};

    Label Label4{this, 4, {1440, 120, 3735, 735}, "自動販売機",
                 {.fore = colors::White, .back = colors::Blue, .size = 36, .bold = true}};
    Image Image1{this, 1, {120, 960, 6285, 3195}, "vending_machine"};
    CommandButton Command1{this, 1, {480, 4200, 1335, 375}, "水", &Form6::Command1_Click};
    CommandButton Command2{this, 2, {2640, 4200, 1335, 375}, "サイダー", &Form6::Command2_Click};
    CommandButton Command3{this, 3, {4680, 4200, 1335, 375}, "コーラ", &Form6::Command3_Click};
    // The water's price label doubles as a spot where a pet bottle is found.
    Label Label1{this, 1, {720, 4560, 735, 375}, "100円", kPriceStyle, &Form6::Label1_Click};
    Label Label2{this, 2, {3000, 4560, 735, 255}, "150円", kPriceStyle};
    Label Label3{this, 3, {5040, 4560, 735, 375}, "250円", kPriceStyle};
    // No picture: an invisible spot right of the cola button, the bin.
    Image Image2{this, 2, {6240, 4200, 255, 255}, "", &Form6::Image2_Click};
    CommandButton Command4{this, 4, {2760, 5280, 1095, 375}, "OK", &Form6::Command4_Click};
    TextBox Text1{this, 1, {1320, 5400, 495, 270}, "0", Hidden};  // return code

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Label1_Click();
    void Image2_Click();

    // Takes the price from the store's money; false, after saying so, when it is short.
    bool pay(int price);
    void findBottle();
};

}  // namespace zorb
