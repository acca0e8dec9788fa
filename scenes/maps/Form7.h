#pragma once

#include "scenes/GameScene.h"

namespace zorb {

// The hero's house.
class Form7 : public GameScene {
public:
    explicit Form7(Game& game);
};

}  // namespace zorb
