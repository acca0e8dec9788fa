#include "scenes/story/Form32.h"

#include "scenes/Game.h"

namespace zorb {

Form32::Form32(Game& game)
    : GameScene(game, "Form32", {7455, 3120}, {.caption = "Form32"}) {}

}  // namespace zorb
