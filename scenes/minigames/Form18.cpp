#include "scenes/minigames/Form18.h"

#include "scenes/Game.h"

namespace zorb {

Form18::Form18(Game& game)
    : GameScene(game, "Form18", {9105, 8790}, {.caption = "Form18", .background = colors::Magenta}) {}

}  // namespace zorb
