#include "scenes/minigames/Form30.h"

#include "scenes/Game.h"

namespace zorb {

Form30::Form30(Game& game)
    : GameScene(game, "Form30", {2835, 3105}, {.caption = "Form30"}) {}

}  // namespace zorb
