#include "scenes/story/Form28.h"

#include "scenes/Game.h"

namespace zorb {

Form28::Form28(Game& game)
    : GameScene(game, "Form28", {7665, 3945}, {.caption = "Form28", .background = colors::Yellow}) {}

}  // namespace zorb
