#include "scenes/story/Form21.h"

#include "scenes/Game.h"
#include "scenes/story/Form22.h"

namespace zorb {

Form21::Form21(Game& game) : GameScene(game, "Form21", {9585, 7185}, {.caption = "Form21", .minMax = false}) {}

void Form21::Timer1_Timer() {
    Image1.hide();
    Image2.show();
    Timer1.setInterval(0);
    Timer2.setInterval(1000);
}

void Form21::Timer2_Timer() {
    Timer2.setInterval(0);
    Timer1.setInterval(0);
    unload();
    game().Form22.show();
}

}  // namespace zorb
