#include "scenes/maps/Form9.h"

#include "scenes/Game.h"

namespace zorb {

Form9::Form9(Game& game)
    : GameScene(game, "Form9", {7230, 7710}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
