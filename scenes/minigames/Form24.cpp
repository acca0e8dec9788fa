#include "scenes/minigames/Form24.h"

#include "scenes/Game.h"

namespace zorb {

Form24::Form24(Game& game)
    : GameScene(game, "Form24", {6945, 4425}, {.caption = "Form24", .background = colors::White}) {}

}  // namespace zorb
