#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The ghost battle.
class Form10 : public GameScene {
public:
    explicit Form10(Game& game);
};

}  // namespace zorb
