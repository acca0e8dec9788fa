#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The vending machine.
class Form6 : public GameScene {
public:
    explicit Form6(Game& game);
};

}  // namespace zorb
