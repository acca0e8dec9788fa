#include "scenes/story/Form11.h"

#include "scenes/Game.h"

namespace zorb {

Form11::Form11(Game& game)
    : GameScene(game, "Form11", {9420, 7560}, {.caption = "Form11", .background = colors::Black}) {}

void Form11::Image1_Click() { msgbox(kMakerAddress); }

void Form11::Command1_Click() { end(); }

}  // namespace zorb
