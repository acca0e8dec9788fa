#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The closing cards: the cast, the staff and a farewell, one card at a time,
// then the program ends.
class Form34 : public GameScene {
public:
    explicit Form34(Game& game);

    Image Image1{this, 1, {0, 0, 9000, 6000}, "card_cast_kenzo"};
    Image Image2{this, 2, {0, 0, 9000, 6000}, "card_cast_ghost", Hidden};
    Image Image3{this, 3, {0, 0, 9000, 6000}, "card_cast_worker", Hidden};
    Image Image4{this, 4, {0, 0, 9000, 6000}, "card_cast_croppa", Hidden};
    Image Image5{this, 5, {0, 0, 9000, 6000}, "card_cast_friend", Hidden};
    Image Image6{this, 6, {0, 0, 9000, 6000}, "card_cast_shop_owner", Hidden};
    Image Image7{this, 7, {0, 0, 9000, 6000}, "card_cast_zaruba", Hidden};
    Image Image8{this, 8, {0, 0, 9000, 6000}, "card_cast_boss", Hidden};
    Image Image9{this, 9, {0, 0, 9000, 6000}, "card_production", Hidden};
    Image Image10{this, 10, {0, 0, 9000, 6000}, "card_author", Hidden};
    Image Image11{this, 11, {0, 0, 9000, 6000}, "card_art", Hidden};
    Image Image12{this, 12, {0, 0, 9000, 6000}, "card_farewell", Hidden};
    TextBox Text1{this, 1, {0, 960, 375, 270}, "1", Hidden};  // step counter
    Timer Timer1{this, 1, 7000, &Form34::Timer1_Timer};

private:
    void Timer1_Timer();
    Image& card(int n);
};

}  // namespace zorb
