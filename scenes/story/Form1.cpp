#include "scenes/story/Form1.h"

#include "scenes/Game.h"

namespace zorb {

Form1::Form1(Game& game)
    : GameScene(game, "Form1", {6570, 2985}, {.caption = "Form1"}) {}

}  // namespace zorb
