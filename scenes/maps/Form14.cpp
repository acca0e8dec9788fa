#include "scenes/maps/Form14.h"

#include "scenes/Game.h"

namespace zorb {

Form14::Form14(Game& game)
    : GameScene(game, "Form14", {7230, 7710}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
