#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The shoulder-tapping game.
class Form8 : public GameScene {
public:
    explicit Form8(Game& game);
};

}  // namespace zorb
