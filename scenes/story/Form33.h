#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The ending: two captions, the quarry picture and "GAME　OVER", three
// seconds each, then the closing cards.
class Form33 : public GameScene {
public:
    explicit Form33(Game& game);

    Image Image1{this, 1, {-120, 480, 8400, 6300}, "quarry", Hidden};
    Label Label1{this, 1, {360, 3240, 7095, 735}, "世界は救われた！",
                 {.fore = colors::White, .back = colors::Black, .size = 36}};
    Label Label2{this, 2, {360, 3120, 7215, 1095}, "その後ポッチーは、ボトロンをきわめる旅に出た。",
                 {.fore = colors::White, .back = colors::Black, .size = 26.25, .visible = Hidden}};
    Label Label3{this, 3, {960, 3240, 5655, 975}, "GAME　OVER",
                 {.fore = colors::Red, .back = colors::Black, .size = 48, .visible = Hidden}};
    TextBox Text1{this, 1, {480, 120, 495, 270}, "2", Hidden};  // step counter
    Timer Timer1{this, 1, 3000, &Form33::Timer1_Timer};

private:
    void Timer1_Timer();
};

}  // namespace zorb
