#include "scenes/maps/Form19.h"

#include "scenes/Game.h"

namespace zorb {

Form19::Form19(Game& game)
    : GameScene(game, "Form19", {7230, 7695}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
