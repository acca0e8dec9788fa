#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The ending.
class Form33 : public GameScene {
public:
    explicit Form33(Game& game);
};

}  // namespace zorb
