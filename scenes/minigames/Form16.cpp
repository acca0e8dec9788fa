#include "scenes/minigames/Form16.h"

#include "scenes/Game.h"

namespace zorb {

Form16::Form16(Game& game)
    : GameScene(game, "Form16", {2385, 6435}, {.caption = "Form16"}) {}

}  // namespace zorb
