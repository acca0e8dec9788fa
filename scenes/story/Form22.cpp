#include "scenes/story/Form22.h"

#include "scenes/Game.h"
#include "scenes/minigames/Form23.h"

namespace zorb {

Form22::Form22(Game& game) : GameScene(game, "Form22", {5595, 5790}, {.caption = "Form22"}) {}

// The timer is stopped only after the last box; no tick comes while a box
// is open, so each line is still shown exactly once.
void Form22::Timer1_Timer() {
    for (const std::string& line : kTalk) msgbox(line);
    Timer1.setInterval(0);
    game().Form23.show();  // its rules come while this scene is still on screen
    unload();
}

}  // namespace zorb
