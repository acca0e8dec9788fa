#include "scenes/minigames/Form27.h"

#include "scenes/Game.h"

namespace zorb {

Form27::Form27(Game& game)
    : GameScene(game, "Form27", {8445, 8175}, {.caption = "Form27", .background = colors::White, .minMax = false}) {}

}  // namespace zorb
