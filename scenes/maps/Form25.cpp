#include "scenes/maps/Form25.h"

#include "scenes/Game.h"

namespace zorb {

Form25::Form25(Game& game)
    : GameScene(game, "Form25", {7230, 7710}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
