#include "scenes/story/Form17.h"

#include "scenes/Game.h"
#include "scenes/maps/Form13.h"

namespace zorb {

Form17::Form17(Game& game)
    : GameScene(game, "Form17", {6240, 6780}, {.caption = "Form17", .background = colors::Green}) {}

void Form17::Timer1_Timer() {
    Image2.show();
    Timer1.setInterval(0);
    Timer2.setInterval(2000);
}

void Form17::Timer2_Timer() {
    Image3.show();
    Timer2.setInterval(0);
    Timer3.setInterval(2000);
}

void Form17::Timer3_Timer() {
    Image4.show();
    Timer3.setInterval(0);
    for (const std::string& line : kTalk) msgbox(line);
    // The town loads afresh; its carry sequence takes the hero over the wall.
    game().Form13.show();
    unload();
    game().Form13.Timer15.setInterval(1);
}

}  // namespace zorb
