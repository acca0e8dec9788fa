#include "scenes/story/Form11.h"

#include "scenes/Game.h"

namespace zorb {

Form11::Form11(Game& game)
    : GameScene(game, "Form11", {9420, 7560}, {.caption = "Form11", .background = colors::Black}) {}

}  // namespace zorb
