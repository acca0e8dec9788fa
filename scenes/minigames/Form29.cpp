#include "scenes/minigames/Form29.h"

#include "scenes/Game.h"

namespace zorb {

Form29::Form29(Game& game)
    : GameScene(game, "Form29", {5535, 2565}, {.caption = "Form29", .background = colors::White}) {}

}  // namespace zorb
