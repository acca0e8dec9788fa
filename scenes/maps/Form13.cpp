#include "scenes/maps/Form13.h"

#include "scenes/Game.h"

namespace zorb {

Form13::Form13(Game& game)
    : GameScene(game, "Form13", {7185, 7695}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
