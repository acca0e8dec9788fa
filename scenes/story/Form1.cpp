#include "scenes/story/Form1.h"

#include "scenes/Game.h"
#include "scenes/story/Form2.h"
#include "state/Form4.h"

namespace zorb {

Form1::Form1(Game& game)
    : GameScene(game, "Form1", {6570, 2985}, {.caption = "Form1", .icon = "icon"}) {}

void Form1::Timer1_Timer() {
    Label1.setCaption("始まるよ｡");
    Label2.hide();
    Timer1.setInterval(0);
    Timer2.setInterval(1000);
}

void Form1::Timer2_Timer() {
    game().Form4.show();  // the store: off the screen, kept for the whole game
    game().Form2.show();
    unload();
}

}  // namespace zorb
