#include "scenes/battles/Form20.h"

#include "scenes/Game.h"

namespace zorb {

Form20::Form20(Game& game)
    : GameScene(game, "Form20", {8460, 8040}, {.caption = "Form20", .background = colors::PaleYellow, .minMax = false}) {}

}  // namespace zorb
