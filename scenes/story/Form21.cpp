#include "scenes/story/Form21.h"

#include "scenes/Game.h"

namespace zorb {

Form21::Form21(Game& game)
    : GameScene(game, "Form21", {9585, 7185}, {.caption = "Form21", .minMax = false}) {}

}  // namespace zorb
