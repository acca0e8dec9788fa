#include "scenes/shop/Form6.h"

#include "scenes/Game.h"

namespace zorb {

Form6::Form6(Game& game)
    : GameScene(game, "Form6", {6540, 6105}, {.caption = "Form6", .background = colors::DarkBlue, .minMax = false}) {}

}  // namespace zorb
