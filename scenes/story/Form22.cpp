#include "scenes/story/Form22.h"

#include "scenes/Game.h"

namespace zorb {

Form22::Form22(Game& game)
    : GameScene(game, "Form22", {5595, 5790}, {.caption = "Form22"}) {}

}  // namespace zorb
