#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The boss chase.
class Form31 : public GameScene {
public:
    explicit Form31(Game& game);
};

}  // namespace zorb
