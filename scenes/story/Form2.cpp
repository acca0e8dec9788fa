#include "scenes/story/Form2.h"

#include "scenes/Game.h"

namespace zorb {

Form2::Form2(Game& game)
    : GameScene(game, "Form2", {7665, 5010}, {.caption = "PLUMWORKS  ZORBLAND", .minMax = false}) {}

}  // namespace zorb
