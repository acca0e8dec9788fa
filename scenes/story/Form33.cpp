#include "scenes/story/Form33.h"

#include "scenes/Game.h"

namespace zorb {

Form33::Form33(Game& game)
    : GameScene(game, "Form33", {7635, 7335}, {.caption = "Form33", .background = colors::Black}) {}

}  // namespace zorb
