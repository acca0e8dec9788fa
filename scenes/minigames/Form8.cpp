#include "scenes/minigames/Form8.h"

#include "scenes/Game.h"

namespace zorb {

Form8::Form8(Game& game)
    : GameScene(game, "Form8", {4710, 6735}, {.caption = "Form8", .background = colors::LightGreen}) {}

}  // namespace zorb
