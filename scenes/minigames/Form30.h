#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss mash.
class Form30 : public GameScene {
public:
    explicit Form30(Game& game);
};

}  // namespace zorb
