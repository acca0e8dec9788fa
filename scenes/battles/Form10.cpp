#include "scenes/battles/Form10.h"

#include "scenes/Game.h"

namespace zorb {

Form10::Form10(Game& game)
    : GameScene(game, "Form10", {8790, 8415}, {.caption = "Form10", .background = colors::Red}) {}

}  // namespace zorb
