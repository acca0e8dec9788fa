#include "scenes/story/Form34.h"

#include "scenes/Game.h"

namespace zorb {

Form34::Form34(Game& game)
    : GameScene(game, "Form34", {8985, 5970}, {.caption = "Form34", .background = colors::White}) {}

}  // namespace zorb
