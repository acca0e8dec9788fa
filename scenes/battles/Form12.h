#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The rival battle.
class Form12 : public GameScene {
public:
    explicit Form12(Game& game);
};

}  // namespace zorb
