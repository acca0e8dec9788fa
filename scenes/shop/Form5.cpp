#include "scenes/shop/Form5.h"

#include "scenes/Game.h"

namespace zorb {

Form5::Form5(Game& game)
    : GameScene(game, "Form5", {4065, 3480}, {.caption = "アイテムを使う", .background = colors::Orange, .minMax = false}) {}

}  // namespace zorb
