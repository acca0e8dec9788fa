#include "scenes/minigames/Form15.h"

#include "scenes/Game.h"

namespace zorb {

Form15::Form15(Game& game)
    : GameScene(game, "Form15", {2670, 2640}, {.caption = "Form15"}) {}

}  // namespace zorb
