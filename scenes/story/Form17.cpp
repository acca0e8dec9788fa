#include "scenes/story/Form17.h"

#include "scenes/Game.h"

namespace zorb {

Form17::Form17(Game& game)
    : GameScene(game, "Form17", {6240, 6780}, {.caption = "Form17", .background = colors::Green}) {}

}  // namespace zorb
