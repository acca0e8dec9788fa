#include "scenes/maps/Form3.h"

#include "scenes/Game.h"

namespace zorb {

Form3::Form3(Game& game)
    : GameScene(game, "Form3", {7230, 7710}, {.caption = kMapCaption, .background = colors::Black, .minMax = false}) {}

}  // namespace zorb
