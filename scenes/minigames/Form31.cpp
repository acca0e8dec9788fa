#include "scenes/minigames/Form31.h"

#include "scenes/Game.h"

namespace zorb {

Form31::Form31(Game& game)
    : GameScene(game, "Form31", {7995, 7995}, {.caption = "Form31", .background = colors::Green}) {}

}  // namespace zorb
