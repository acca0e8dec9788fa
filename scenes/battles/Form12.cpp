#include "scenes/battles/Form12.h"

#include "scenes/Game.h"

namespace zorb {

Form12::Form12(Game& game)
    : GameScene(game, "Form12", {8970, 9075}, {.caption = "Form12", .background = colors::Blue}) {}

}  // namespace zorb
