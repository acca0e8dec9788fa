#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The construction-worker battle.
class Form20 : public GameScene {
public:
    explicit Form20(Game& game);
};

}  // namespace zorb
