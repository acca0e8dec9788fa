#include "scenes/minigames/Form23.h"

#include "scenes/Game.h"

namespace zorb {

Form23::Form23(Game& game)
    : GameScene(game, "Form23", {8970, 4125}, {.caption = "Form23", .background = colors::White}) {}

}  // namespace zorb
