#include "scenes/minigames/Form16.h"

#include "scenes/Game.h"
#include "scenes/maps/Form13.h"

namespace zorb {

Form16::Form16(Game& game) : GameScene(game, "Form16", {2385, 6435}, {.caption = "Form16"}) {}

void Form16::Command1_Click() {
    unload();
    game().Form13.show();
}

}  // namespace zorb
