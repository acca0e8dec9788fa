#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The title, the scene the program starts on. After two seconds the title
// text changes; a second later it opens the store and the introduction.
class Form1 : public GameScene {
public:
    explicit Form1(Game& game);

    // Clicking the title picture does nothing: the game has nothing for a
    // click there, and the title must not be able to fail.
    Image Image1{this, 1, {0, 0, 6555, 3000}, "title"};
    Label Label1{this, 1, {3000, 720, 3135, 1455}, "ZORBLAND", {.back = colors::White, .size = 36}};
    Label Label2{this, 2, {5400, 2520, 975, 255}, "準備中・・・", {.back = colors::White}};
    Timer Timer1{this, 1, 2000, &Form1::Timer1_Timer};
    Timer Timer2{this, 2, 0, &Form1::Timer2_Timer};

private:
    void Timer1_Timer();
    void Timer2_Timer();
};

}  // namespace zorb
