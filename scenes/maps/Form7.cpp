#include "scenes/maps/Form7.h"

#include "scenes/Game.h"

namespace zorb {

Form7::Form7(Game& game)
    : GameScene(game, "Form7", {7230, 7710}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
