#include "scenes/story/Form32.h"

#include "scenes/Game.h"
#include "scenes/story/Form33.h"

namespace zorb {

Form32::Form32(Game& game) : GameScene(game, "Form32", {7455, 3120}, {.caption = "Form32"}) {}

// The counter starts at 1, so the first tick always ends the scene.
void Form32::Timer1_Timer() {
    const double step = Text1.value() + 1;
    Text1.setValue(step);
    if (step == 2) {
        Label1.setCaption(kPromise);
        game().Form33.show();
        unload();
    }
}

}  // namespace zorb
