#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The game over.
class Form11 : public GameScene {
public:
    explicit Form11(Game& game);
};

}  // namespace zorb
