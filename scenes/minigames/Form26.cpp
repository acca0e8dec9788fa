#include "scenes/minigames/Form26.h"

#include "scenes/Game.h"

namespace zorb {

Form26::Form26(Game& game)
    : GameScene(game, "Form26", {7800, 2880}, {.caption = "Form26"}) {}

}  // namespace zorb
